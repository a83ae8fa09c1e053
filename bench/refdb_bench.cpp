// Benchmarks of the Jet layer: translating the longest statements, the containment filter
// of idiom and poetry mode, and the short-lived lookups of the birth-chart report.
#include "refdb/connection_text.h"
#include "refdb/jet_translate.h"
#include "refdb/lookups.h"
#include "refdb/query.h"
#include "text/gbk.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <stdexcept>

namespace velmora {
namespace {

QString U(const char* s) { return QString::fromUtf8(s); }

// A literal of 57 KB (UTF-8) of four-character entries over 2,239 distinct characters, as
// the idiom list of idiom mode is.
QString IdiomLiteral() {
  QString text;
  int bytes = 0;
  for (int k = 0; bytes < 57 * 1024; ++k) {
    for (int i = 0; i < 4; ++i) {
      const char32_t cp = 0x4E00 + static_cast<char32_t>(((k * 4 + i) * 7919) % 2239) * 9;
      text += QString::fromUcs4(&cp, 1);
      bytes += 3;
    }
    text += QLatin1Char('\n');
    bytes += 1;
  }
  return text::SqlQuote(text);
}

QString ListModeIdiomStatement(const QString& literal) {
  return U("select top 100000 zi1 + zi2 as zi, zi2 + zi1 as zi2, ft1 + ft2 as ft,wuhang1 + wuhang2 as wuhang, pinyin1 +'-'+ pinyin2 as pinyin, wg, sc, zf, bh1, bh2  from  (select b.zi as zi1,c.zi as zi2, Left(b.ft,1) as ft1,Left(c.ft,1) as ft2,   b.wuhang as wuhang1,c.wuhang as wuhang2,b.pinyin as pinyin1,    c.pinyin as pinyin2, b.bh as bh1,c.bh as bh2, a.wg, a.sc, a.zf  from   (select top 1000 bh21,bh22,zf,wg,sc from zh where lx = 12 and bh11 = 11 and zf < 80 and zf > 60 order by jxjx,zf desc)a,    word b,word c   where a.bh21 = b.bh and a.bh22 = c.bh   and b.aflag is null and c.aflag is null ") +
         U(" and (b.nan + c.nan > 0) and b.bh = 9and c.bh = 17and ") + literal + U(" Like '%'+ b.zi+ '%'and ") + literal +
         U(" Like '%'+ c.zi+ '%')d ");
}

void BM_TranslateListModeStatement(benchmark::State& state) {
  const QString sql = ListModeIdiomStatement(U("'才思敏捷'"));
  for (auto _ : state) benchmark::DoNotOptimize(TranslateJet(sql));
  state.SetLabel(std::to_string(sql.size()) + " characters");
}
BENCHMARK(BM_TranslateListModeStatement)->Unit(benchmark::kMicrosecond);

void BM_TranslateIdiomStatement(benchmark::State& state) {
  const QString sql = ListModeIdiomStatement(IdiomLiteral());
  for (auto _ : state) benchmark::DoNotOptimize(TranslateJet(sql));
  state.SetLabel(std::to_string(sql.toUtf8().size() / 1024) + " KB");
}
BENCHMARK(BM_TranslateIdiomStatement)->Unit(benchmark::kMillisecond);

// 20,000 character rows in a temporary database.
class WordTable {
 public:
  WordTable() {
    if (!dir_.isValid()) throw std::runtime_error("temp dir");
    const QString path = dir_.filePath(U("words.db"));
    sqlite3* db = nullptr;
    sqlite3_open(path.toUtf8().constData(), &db);
    sqlite3_exec(db, "CREATE TABLE word (zi TEXT, bh INTEGER, Aflag TEXT); BEGIN;", nullptr, nullptr, nullptr);
    sqlite3_stmt* ins = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO word VALUES (?, ?, NULL)", -1, &ins, nullptr);
    for (char32_t cp = 0x4E00; cp < 0x4E00 + 20000; ++cp) {
      const QByteArray zi = QString::fromUcs4(&cp, 1).toUtf8();
      sqlite3_bind_text(ins, 1, zi.constData(), static_cast<int>(zi.size()), SQLITE_TRANSIENT);
      sqlite3_bind_int(ins, 2, static_cast<int>(cp % 30) + 1);
      sqlite3_step(ins);
      sqlite3_reset(ins);
    }
    sqlite3_finalize(ins);
    sqlite3_exec(db, "COMMIT;", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    connectionText_ = U("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + path;
  }
  const QString& ConnectionText() const { return connectionText_; }

 private:
  QTemporaryDir dir_;
  QString connectionText_;
};

void BM_ContainmentIndexed(benchmark::State& state) {
  static WordTable table;
  Query q(table.ConnectionText());
  const QString sql = U("select zi, wuhang, nan, nv, bh from (select zi, '' as wuhang, 0 as nan, 0 as nv, bh, Aflag from word) w where 1 = 1 and Aflag is null and ") +
                      IdiomLiteral() + U(" Like '%'+ zi+ '%'");
  int rows = 0;
  for (auto _ : state) {
    q.SetSql(sql);
    q.Open();
    rows = q.RecordCount();
    q.Close();
  }
  state.SetLabel(std::to_string(rows) + " of 20000 rows match");
}
BENCHMARK(BM_ContainmentIndexed)->Unit(benchmark::kMillisecond);

// The same filter through the general LIKE, scanning the literal for every row.
void BM_ContainmentPlainLike(benchmark::State& state) {
  static WordTable table;
  Query q(table.ConnectionText());
  const QString sql = U("select zi from word where 1 = 1 and Aflag is null and ('' + ") + IdiomLiteral() + U(") Like '%'+ zi+ '%'");
  for (auto _ : state) {
    q.SetSql(sql);
    q.Open();
    q.Close();
  }
}
BENCHMARK(BM_ContainmentPlainLike)->Unit(benchmark::kMillisecond)->Iterations(2);

// 70 single-value lookups, each on its own short-lived connection, as one birth-chart
// report makes them, on the built databases beside the program.
void BM_SeventyShortLivedLookups(benchmark::State& state) {
  const QString folder = ProgramFolder();
  if (!QFile::exists(folder + U("Tgcode.dll")) || !QFile::exists(folder + U("Pelvano.dll"))) {
    state.SkipWithError("the built databases are not beside the benchmark");
    return;
  }
  const char* stems = "甲乙丙丁戊己庚辛壬癸";
  const QString stemText = U(stems);
  for (auto _ : state) {
    int found = 0;
    for (int i = 0; i < 70; ++i) {
      if (i % 2 == 0) {
        Query q(DbConnectionText(DbFile::Tgcode, folder));
        q.SetSql(U("select top 1 ShiShen from Shishen where jiazi = '") + stemText[i % 10] + stemText[(i / 10) % 10] + U("' "));
        q.Open();
        found += q.IsEmpty() ? 0 : 1;
      } else {
        found += LookupStrokes(stemText[i % 10], folder) > 0 ? 1 : 0;
      }
    }
    benchmark::DoNotOptimize(found);
  }
}
BENCHMARK(BM_SeventyShortLivedLookups)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velmora

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);  // ProgramFolder() reads the executable's folder
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
