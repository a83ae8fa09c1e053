// One full birth-chart report on the databases built beside the benchmark: the work of
// one click on 八字 (or one velmora-cli bazi run), with its chart, its jie queries and its
// seventy-odd lookups, each on a connection of its own. Also the chart alone.
#include "bazi/chart.h"
#include "bazi/report.h"
#include "refdb/connection_text.h"

#include <QCoreApplication>
#include <QFile>

#include <benchmark/benchmark.h>

namespace velmora::bazi {
namespace {

struct SilentUi : Ui {
  void ShowNotice(const QString&) override {}
  void ShowInformation(const QString&, const QString&) override {}
  void ShowError(const QString&, const QString&) override {}
  void SetClipboardText(const QString&) override {}
  void Pause(int) override {}
};

bool DatabasesPresent(benchmark::State& state) {
  if (QFile::exists(ProgramFolder() + QStringLiteral("Tgcode.dll"))) return true;
  state.SkipWithError("the built databases are not beside the benchmark");
  return false;
}

void BM_FullReport(benchmark::State& state) {
  if (!DatabasesPresent(state)) return;
  const BirthInput input{QStringLiteral("张"), QStringLiteral("男"), QStringLiteral("2000"), QStringLiteral("01"),
                         QStringLiteral("01"), QStringLiteral("子 0"), QStringLiteral("00"), 0};
  SilentUi ui;
  QStringList pane;
  for (auto _ : state) {
    if (WriteBaziReport(input, ui, ProgramFolder(), QDate(2026, 1, 1), pane) != BaziOutcome::Written) state.SkipWithError("refused");
  }
  state.counters["lines"] = static_cast<double>(pane.size());
}
BENCHMARK(BM_FullReport)->Unit(benchmark::kMillisecond);

void BM_ChartOnly(benchmark::State& state) {
  if (!DatabasesPresent(state)) return;
  BaziChart chart;
  for (auto _ : state) benchmark::DoNotOptimize(ComputeBaziChart(2000, 2, 4, 10, 0, QStringLiteral("男"), ProgramFolder(), chart));
}
BENCHMARK(BM_ChartOnly)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace velmora::bazi

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
