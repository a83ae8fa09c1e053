// libFuzzer target for the Jet translator and the query layer: any statement text either
// translates and runs, or fails with DbError. Nothing else may happen: no crash, no other
// exception, no sanitizer report.
//
// Build and run (see README "Fuzzing"):
//   cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DVELMORA_FUZZ=ON \
//         -DVELMORA_BUILD_TESTS=OFF -DVELMORA_BUILD_BENCH=OFF -DVELMORA_BUILD_REFDATA=OFF
//   cmake --build build-fuzz --target jet_fuzz
//   build-fuzz/bin/jet_fuzz -max_total_time=600 -max_len=4096 fuzz/corpus
#include "refdb/connection.h"
#include "refdb/errors.h"
#include "refdb/jet_translate.h"
#include "refdb/query.h"

#include <QDir>
#include <QFile>
#include <QString>

#include <sqlite3.h>

#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

// Tables with the shapes the program reads, a few rows each.
constexpr const char* kSchema = R"sql(
CREATE TABLE word (zi TEXT, ft TEXT, bh INTEGER, wuhang TEXT, pinyin TEXT, px INTEGER, id INTEGER,
                   nan INTEGER, nv INTEGER, xb TEXT, Aflag TEXT);
INSERT INTO word VALUES ('张','張',11,'火','zhāng',900,50,0,0,'0','1'),('思','思',9,'金','sī',10,5,1,1,'1',NULL),
 ('远','遠',17,'土','yuǎn',20,9,1,0,'男',NULL),('%','%',3,'水','',60,20,1,1,'1',NULL),(NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL);
CREATE TABLE zh (lx INTEGER, bh11 INTEGER, bh12 INTEGER, bh21 INTEGER, bh22 INTEGER, zf INTEGER, jxjx INTEGER, wg TEXT, sc TEXT);
INSERT INTO zh VALUES (12,11,0,9,17,78,2,'12-20-26-37-18','木水土'),(11,11,0,9,0,75,3,'12-20-10-20-2','木水水'),(12,11,0,10,6,80,1,'x',NULL);
CREATE TABLE "81" (num INTEGER, yy TEXT, jx TEXT, "as" TEXT);
INSERT INTO "81" VALUES (1,'太极之数','大吉','暗示'),(2,'两仪之数','凶',NULL);
CREATE TABLE JQ (YearA INTEGER, JQ TEXT, SJ TEXT);
INSERT INTO JQ VALUES (2000,'立春','2000-02-04 20:40:24'),(2000,'惊蛰',3.5),(2001,NULL,'garbage');
)sql";

int g_budget = 0;
int Progress(void*) { return --g_budget <= 0 ? 1 : 0; }  // stops runaway cross joins

velmora::Connection* Fixture() {
  static std::unique_ptr<velmora::Connection> connection = [] {
    const QString path = QDir::tempPath() + QStringLiteral("/velmora_fuzz_fixture.db");
    QFile::remove(path);
    sqlite3* db = nullptr;
    sqlite3_open(path.toUtf8().constData(), &db);
    sqlite3_exec(db, kSchema, nullptr, nullptr, nullptr);
    sqlite3_close(db);
    auto c = std::make_unique<velmora::Connection>(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + path);
    c->Open();
    sqlite3_progress_handler(c->Handle(), 1000, Progress, nullptr);
    return c;
  }();
  return connection.get();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QString sql = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  try {
    (void)velmora::TranslateJet(sql);
  } catch (const velmora::DbError&) {
    return 0;
  }
  velmora::Query q(*Fixture());
  g_budget = 200;  // 200,000 virtual-machine steps
  try {
    q.SetSql(sql);
    q.Open();
    for (q.First(); !q.Eof(); q.Next()) {
      for (int i = 0; i < q.FieldCount(); ++i) {
        (void)q.AsText(i);
        try {
          (void)q.AsInt(i);
          (void)q.AsDouble(i);
          (void)q.AsDateTime(i);
        } catch (const velmora::DbError&) {
        }
      }
    }
    q.MoveTo(q.RecordCount() / 2 + 1);
  } catch (const velmora::DbError&) {
  }
  return 0;
}
