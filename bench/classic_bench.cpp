// A classic run over all plans for 张, 男, 双字名 with the defaults, through the form and its
// view on the offscreen platform, on the databases built beside the benchmark.
//
// Reported per run: the names produced, the time to the first full row of the all-names
// pane, the total time until the last name is shown, and the longest the GUI event loop
// went without turning (a zero-interval timer records the gaps between its turns).
#include "app/frm_qiming.h"
#include "app/view/main_window.h"
#include "refdb/connection_text.h"
#include "bench_support.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTimer>

#include <benchmark/benchmark.h>

namespace velmora {
namespace {

void BM_ClassicRunAllPlans(benchmark::State& state) {
  if (!QFile::exists(ProgramFolder() + QStringLiteral("Pelvano.dll"))) {
    state.SkipWithError("the built databases are not beside the benchmark");
    return;
  }
  SilentUi ui;
  FrmQiming form(ui, ProgramFolder());
  form.FormCreate();
  MainWindow window(form);
  window.show();
  form.controls.Xing.text = QStringLiteral("张");
  form.XingExit();

  double firstRowMs = 0, totalMs = 0, longestGapMs = 0;
  qsizetype names = 0;
  for (auto _ : state) {
    QElapsedTimer clock;
    qint64 lastTurn = 0, longestGap = 0, firstRow = -1;
    QTimer ticker;
    ticker.setInterval(0);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
      const qint64 now = clock.nsecsElapsed();
      longestGap = std::max(longestGap, now - lastTurn);
      lastTurn = now;
      if (firstRow < 0 && !form.MemoSuccess.isEmpty()) firstRow = now;
    });
    QEventLoop loop;
    const auto done = QObject::connect(&form, &FrmQiming::runFinished, &loop, &QEventLoop::quit);
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);  // a stuck run must not hang the benchmark
    clock.start();
    ticker.start();
    form.RzBitBtn6Click();
    loop.exec();
    QObject::disconnect(done);
    ticker.stop();
    totalMs = clock.nsecsElapsed() / 1e6;
    firstRowMs = firstRow / 1e6;
    longestGapMs = longestGap / 1e6;
    names = form.MemoSuccess.size() * 7;
  }
  state.counters["names"] = static_cast<double>(names);
  state.counters["first_row_ms"] = firstRowMs;
  state.counters["total_ms"] = totalMs;
  state.counters["longest_gap_ms"] = longestGapMs;
}
BENCHMARK(BM_ClassicRunAllPlans)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace velmora

int main(int argc, char** argv) { return velmora::RunOffscreenBenchmarks(argc, argv); }
