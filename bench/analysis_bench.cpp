// One full name analysis, the report written, on the databases built beside the
// benchmark: the work of one click on 姓名分析 (or one velmora-cli run).
#include "naming/analysis.h"
#include "refdb/connection_text.h"

#include <QCoreApplication>
#include <QFile>

#include <benchmark/benchmark.h>

namespace velmora::naming {
namespace {

void BM_FullAnalysis(benchmark::State& state) {
  if (!QFile::exists(ProgramFolder() + QStringLiteral("KelFile.dll"))) {
    state.SkipWithError("the built databases are not beside the benchmark");
    return;
  }
  const NameAnalysisRequest request{QStringLiteral("张"), QStringLiteral("男"), QStringLiteral("1990"),
                                    QStringLiteral("05"), QStringLiteral("17"), QStringLiteral("辰 8"),
                                    QStringLiteral("00"), 0, QStringLiteral("伟")};
  qsizetype lines = 0;
  for (auto _ : state) lines = AnalysisReport(request, ProgramFolder(), 2026).size();
  state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_FullAnalysis)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velmora::naming

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
