// List, idiom and 美名 mode for 张, 男, 双字名, the defaults and "电脑全自动", through the
// form and its view on the offscreen platform, on the databases built beside the benchmark.
//
// BM_GridRun: "马上取名" until the first page is in the grid (statement opened, rows read,
// 500 rows drawn, the view refreshed). BM_NextPage: "继续显示" for one page of list mode.
// BM_NameCheckerLoad and BM_NameRefuses: the name checks every mode's names pass.
#include "app/frm_qiming.h"
#include "app/view/main_window.h"
#include "naming/name_check.h"
#include "refdb/connection_text.h"
#include "bench_support.h"

#include <QApplication>
#include <QFile>

#include <benchmark/benchmark.h>

namespace velmora {
namespace {

struct Window : BenchWindow {
  Window() { TypeSurname(QStringLiteral("张")); }
  void Run(NamingMode mode) {
    form.ModeClick(mode);
    Click();
  }
};

void BM_GridRun(benchmark::State& state) {
  if (!HaveDatabases(state)) return;
  const auto mode = static_cast<NamingMode>(state.range(0));
  Window w;
  for (auto _ : state) w.Run(mode);
  state.counters["rows_found"] = w.form.listRun.paging.TotalFound;
  state.counters["rows_shown"] = w.form.listRun.paging.ShownCount;
}
BENCHMARK(BM_GridRun)
    ->ArgName("mode")
    ->Arg(static_cast<int>(NamingMode::List))
    ->Arg(static_cast<int>(NamingMode::Idiom))
    ->Arg(static_cast<int>(NamingMode::Meiming))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

void BM_NextPage(benchmark::State& state) {
  if (!HaveDatabases(state)) return;
  Window w;
  w.Run(NamingMode::List);
  for (auto _ : state) {
    if (w.form.listRun.paging.AllShown()) {
      state.PauseTiming();
      w.Run(NamingMode::List);
      state.ResumeTiming();
    }
    w.form.RzBitBtn7Click();  // 继续显示
    QCoreApplication::processEvents();
  }
  state.counters["rows_found"] = w.form.listRun.paging.TotalFound;
}
BENCHMARK(BM_NextPage)->Unit(benchmark::kMillisecond)->Iterations(50);

// The name checks: loading them (once per process in the program) and judging one name,
// which every mode does for every name it shows.
void BM_NameCheckerLoad(benchmark::State& state) {
  if (!HaveDatabases(state)) return;
  for (auto _ : state) benchmark::DoNotOptimize(naming::NameChecker(ProgramFolder()));
}
BENCHMARK(BM_NameCheckerLoad)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_NameRefuses(benchmark::State& state) {
  if (!HaveDatabases(state)) return;
  const auto checker = naming::NameChecker::For(ProgramFolder());
  const QString chars = QStringLiteral("思远子涵博科望生易璀文华明玲伟芳嘉怡雨轩浩然");
  QStringList givens;
  for (QChar a : chars) {
    for (QChar b : chars) givens << QString(a) + b;
  }
  for (auto _ : state) {
    for (const QString& g : givens) benchmark::DoNotOptimize(checker->Refuses(QStringLiteral("张"), g));
  }
  state.SetItemsProcessed(state.iterations() * givens.size());
}
BENCHMARK(BM_NameRefuses)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace velmora

int main(int argc, char** argv) { return velmora::RunOffscreenBenchmarks(argc, argv); }
