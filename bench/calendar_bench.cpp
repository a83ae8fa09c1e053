// ShowMonth of the calendar window for one month: the form alone (the lunar engine, the
// festivals and the terms of 31 days), and the form with its view re-rendered and painted on
// the offscreen platform, as one step of the month's up-down costs. Target: 5 ms per month.
// Also the 吉日 list of 90 days with its JQ query, on the databases built beside the benchmark.
#include "app/view/date_window.h"
#include "calendar/frm_date.h"
#include "calendar/frm_jiri.h"
#include "refdb/connection_text.h"
#include "bench_support.h"

#include <QApplication>
#include <QFile>

#include <benchmark/benchmark.h>

namespace velmora {
namespace {

void BM_ShowMonthForm(benchmark::State& state) {
  calendar::TFRM_Date form([] { return QDate(2026, 12, 9); });
  form.FormCreate();
  int month = 0;
  for (auto _ : state) {
    form.ShowMonth(QDate(2026, month % 12 + 1, 9));  // a new month each time
    ++month;
    benchmark::DoNotOptimize(form.LunarLabels);
  }
}
BENCHMARK(BM_ShowMonthForm)->Unit(benchmark::kMicrosecond);

void BM_ShowMonthWithView(benchmark::State& state) {
  DateWindow window(nullptr, [] { return QDate(2026, 12, 9); });
  window.show();
  int month = 0;
  for (auto _ : state) {
    window.form().ShowMonth(QDate(2026, month % 12 + 1, 9));
    window.render();
    window.repaint();  // paints at once, as the screen would show it
    ++month;
  }
}
BENCHMARK(BM_ShowMonthWithView)->Unit(benchmark::kMicrosecond);

void BM_JiriList90Days(benchmark::State& state) {
  if (!QFile::exists(ProgramFolder() + QStringLiteral("Tgcode.dll"))) {
    state.SkipWithError("the built databases are not beside the benchmark");
    return;
  }
  for (auto _ : state) benchmark::DoNotOptimize(calendar::MakeJiriList(QDate(2026, 12, 9), 90, ProgramFolder()));
}
BENCHMARK(BM_JiriList90Days)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velmora

int main(int argc, char* argv[]) { return velmora::RunOffscreenBenchmarks(argc, argv); }
