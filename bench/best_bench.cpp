// 推荐模式 for 张, 双字名, the defaults and "电脑全自动", through the form and its view on the
// offscreen platform, on the databases built beside the benchmark.
//
// BM_BestFirstPage: "马上取名" until the first page is in the grid (the plans read, every
// name the plans allow scored, the first 500 judged by the name checks and ordered, their
// reasons written, the view refreshed); arg sex 0 男 1 女, chart 0 without a birth date, 1
// with 2024-07-15 10:00. BM_BestNextPage: "继续显示" for one page. BM_BestDataLoad: what the
// mode loads once per process (candidates, meanings, curated and poem pairs), which the
// first run of a session pays on top of BM_BestFirstPage.
#include "app/frm_qiming.h"
#include "app/view/main_window.h"
#include "generation/best_data.h"
#include "refdb/connection_text.h"
#include "bench_support.h"

#include <QApplication>
#include <QFile>

#include <benchmark/benchmark.h>

namespace velmora {
namespace {

struct Window : BenchWindow {
  Window(bool girl, bool chart) {
    form.controls.CBsex.Select(girl ? 1 : 0);
    if (chart) {
      form.controls.SYear.text = QStringLiteral("2024");
      form.controls.SMonth.text = QStringLiteral("07");
      form.controls.Sday.text = QStringLiteral("15");
      form.controls.Shour.text = QStringLiteral("巳 10");
    }
    TypeSurname(QStringLiteral("张"));
    form.ModeClick(NamingMode::Best);
  }
  void Run() { Click(); }
};

void BM_BestFirstPage(benchmark::State& state) {
  if (!HaveDatabases(state)) return;
  Window w(state.range(0) == 1, state.range(1) == 1);
  w.Run();  // the per-process loads (name checks, BestData) are BM_BestDataLoad's
  for (auto _ : state) w.Run();
  state.counters["scored"] = w.form.bestRun.Order() ? w.form.bestRun.Order()->Total() : 0;
}
BENCHMARK(BM_BestFirstPage)
    ->ArgNames({"girl", "chart"})
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({1, 1})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

void BM_BestNextPage(benchmark::State& state) {
  if (!HaveDatabases(state)) return;
  Window w(false, false);
  w.Run();
  for (auto _ : state) {
    if (w.form.bestRun.AllShown()) {
      state.PauseTiming();
      w.Run();
      state.ResumeTiming();
    }
    w.form.RzBitBtn7Click();  // 继续显示
    QCoreApplication::processEvents();
  }
}
BENCHMARK(BM_BestNextPage)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_BestDataLoad(benchmark::State& state) {
  if (!HaveDatabases(state)) return;
  for (auto _ : state) benchmark::DoNotOptimize(BestData(ProgramFolder()));
}
BENCHMARK(BM_BestDataLoad)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
}  // namespace velmora

int main(int argc, char** argv) { return velmora::RunOffscreenBenchmarks(argc, argv); }
