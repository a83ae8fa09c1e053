// A classic run over all plans for 张, 男, 双字名 with the defaults, through the form and its
// view on the offscreen platform, on the databases built beside the benchmark.
//
// Reported over the runs (median, and best as _best): the time to the first full row of
// the all-names pane, the total time until the last name is shown, and the longest the GUI
// event loop went without turning (stall; a zero-interval timer records the gaps between
// its turns), also as the GUI thread's CPU time in that gap (stall_cpu). Also the names
// produced, and the statements' time alone.
#include "app/frm_qiming.h"
#include "app/view/main_window.h"
#include "refdb/connection_text.h"
#include "bench_support.h"
#include "text/gbk.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

namespace velmora {
namespace {

// CPU time of the calling thread: unlike the clock, it does not count the time the GUI
// thread waits for a core on a loaded machine.
double ThreadCpuMs() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// The median and the best of one figure over the runs; the best is the nearest to an
// idle machine, since other load only ever adds.
void Report(benchmark::State& state, const std::string& name, std::vector<double> values) {
  if (values.empty()) return;
  std::sort(values.begin(), values.end());
  state.counters[name] = values[values.size() / 2];
  state.counters[name + "_best"] = values.front();
}

// The main window's form on the built databases with 张 typed and left, as the runs
// below start from; false (and the benchmark skipped) when the databases are missing.
bool TypeZhang(benchmark::State& state, FrmQiming& form) {
  if (!QFile::exists(ProgramFolder() + QStringLiteral("Pelvano.dll"))) {
    state.SkipWithError("the built databases are not beside the benchmark");
    return false;
  }
  form.FormCreate();
  form.controls.Xing.text = QStringLiteral("张");
  form.XingExit();
  return true;
}

void BM_ClassicRunAllPlans(benchmark::State& state) {
  SilentUi ui;
  FrmQiming form(ui, ProgramFolder());
  if (!TypeZhang(state, form)) return;
  MainWindow window(form);
  window.show();

  std::vector<double> total, firstRow, stall, stallCpu;
  qsizetype names = 0;
  for (auto _ : state) {
    QElapsedTimer clock;
    qint64 lastTurn = 0, longestGap = 0, firstRowAt = -1;
    double lastCpu = ThreadCpuMs(), longestCpu = 0;
    QTimer ticker;
    ticker.setInterval(0);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
      const qint64 now = clock.nsecsElapsed();
      const double cpu = ThreadCpuMs();
      longestGap = std::max(longestGap, now - lastTurn);
      longestCpu = std::max(longestCpu, cpu - lastCpu);
      lastTurn = now;
      lastCpu = cpu;
      if (firstRowAt < 0 && !form.MemoSuccess.isEmpty()) firstRowAt = now;
    });
    QEventLoop loop;
    const auto done = QObject::connect(&form, &FrmQiming::runFinished, &loop, &QEventLoop::quit);
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);  // a stuck run must not hang the benchmark
    clock.start();
    lastCpu = ThreadCpuMs();
    ticker.start();
    form.RzBitBtn6Click();
    loop.exec();
    QObject::disconnect(done);
    ticker.stop();
    total.push_back(clock.nsecsElapsed() / 1e6);
    firstRow.push_back(firstRowAt / 1e6);
    stall.push_back(longestGap / 1e6);
    stallCpu.push_back(longestCpu);
    // Every row holds seven names of 16 bytes; the last may hold fewer.
    names = form.MemoSuccess.isEmpty() ? 0
                                       : (form.MemoSuccess.size() - 1) * 7 +
                                             text::GbkLength(form.MemoSuccess.last()) / 16;
  }
  state.counters["names"] = static_cast<double>(names);
  Report(state, "total_ms", total);
  Report(state, "first_row_ms", firstRow);
  Report(state, "stall_ms", stall);
  Report(state, "stall_cpu_ms", stallCpu);
}
BENCHMARK(BM_ClassicRunAllPlans)->Unit(benchmark::kMillisecond)->Iterations(7);

// The same run's statements alone, on the calling thread, without form or view: the
// floor under the total above, and (first_name_ms, when the first statement has returned
// its rows) under the first row.
// The run's statements on the calling thread, on a connection of their own.
struct Statements {
  SilentUi ui;
  FrmQiming form{ui, ProgramFolder()};
  Connection connection{DbConnectionText(DbFile::PelvanoMain, ProgramFolder())};
  Query query{connection};
  std::atomic<bool> running{true};
  ClassicInputs inputs;
  // False (and the benchmark skipped) when the databases are missing.
  bool Ready(benchmark::State& state) {
    if (!TypeZhang(state, form)) return false;
    inputs = ClassicInputs::From(form.controls);
    return true;
  }
  void Run(const std::function<void(const QString&)>& emitName) { MakeClassicNames(inputs, query, running, emitName); }
};

void BM_ClassicStatementsOnly(benchmark::State& state) {
  Statements run;
  if (!run.Ready(state)) return;
  qsizetype names = 0;
  // Also as CPU time of this thread, which a loaded machine inflates far less.
  std::vector<double> total, firstName, totalCpu, firstNameCpu;
  for (auto _ : state) {
    names = 0;
    QElapsedTimer clock;
    clock.start();
    const double cpu = ThreadCpuMs();
    run.Run([&](const QString&) {
      if (names++ > 0) return;
      firstName.push_back(clock.nsecsElapsed() / 1e6);
      firstNameCpu.push_back(ThreadCpuMs() - cpu);
    });
    total.push_back(clock.nsecsElapsed() / 1e6);
    totalCpu.push_back(ThreadCpuMs() - cpu);
  }
  state.counters["names"] = static_cast<double>(names);
  Report(state, "total_ms", total);
  Report(state, "first_name_ms", firstName);
  Report(state, "total_cpu_ms", totalCpu);
  Report(state, "first_name_cpu_ms", firstNameCpu);
}
BENCHMARK(BM_ClassicStatementsOnly)->Unit(benchmark::kMillisecond)->Iterations(5);

// The filter every name of that run passes (the name checks, with no 用字), over the run's
// 51,241 names: the share of the total the checks take on the worker.
void BM_ClassicNameChecks(benchmark::State& state) {
  Statements run;
  if (!run.Ready(state)) return;
  QStringList given;
  run.Run([&](const QString& item) { given << item.mid(1, item.indexOf(QLatin1Char('(')) - 1); });
  const NameFilter filter = NameFilter::ForFolder(ProgramFolder());
  const QString surname = QStringLiteral("张");
  qsizetype kept = 0;
  for (auto _ : state) {
    kept = 0;
    for (const QString& g : given) kept += filter.Keep(surname, g) ? 1 : 0;
  }
  state.counters["names"] = static_cast<double>(given.size());
  state.counters["kept"] = static_cast<double>(kept);
}
BENCHMARK(BM_ClassicNameChecks)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
}  // namespace velmora

int main(int argc, char** argv) { return velmora::RunOffscreenBenchmarks(argc, argv); }
