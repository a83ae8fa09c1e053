// List, idiom and 美名 mode for 张, 男, 双字名, the defaults and "电脑全自动", through the
// form and its view on the offscreen platform, on the databases built beside the benchmark.
//
// BM_GridRun: "马上取名" until the first page is in the grid (statement opened, rows read,
// 500 rows drawn, the view refreshed). BM_NextPage: "继续显示" for one page of list mode.
#include "app/frm_qiming.h"
#include "app/view/main_window.h"
#include "refdb/connection_text.h"
#include "bench_support.h"

#include <QApplication>
#include <QFile>

#include <benchmark/benchmark.h>

namespace velmora {
namespace {

struct Window {
  SilentUi ui;
  FrmQiming form{ui, ProgramFolder()};
  MainWindow* view = nullptr;
  Window() {
    form.FormCreate();
    view = new MainWindow(form);
    view->show();
    form.controls.Xing.text = QStringLiteral("张");
    form.XingExit();
  }
  ~Window() { delete view; }
  void Run(NamingMode mode) {
    form.ModeClick(mode);
    form.RzBitBtn6Click();
    QCoreApplication::processEvents();
  }
};

bool HaveDatabases(benchmark::State& state) {
  if (QFile::exists(ProgramFolder() + QStringLiteral("Pelvano.dll"))) return true;
  state.SkipWithError("the built databases are not beside the benchmark");
  return false;
}

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

}  // namespace
}  // namespace velmora

int main(int argc, char** argv) { return velmora::RunOffscreenBenchmarks(argc, argv); }
