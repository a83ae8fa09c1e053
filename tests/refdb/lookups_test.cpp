// The shared lookups: simplified form first, traditional form second, and their failure rules.
#include "fixture.h"

#include "refdb/connection.h"
#include "refdb/connection_text.h"
#include "refdb/errors.h"
#include "refdb/lookups.h"
#include "refdb/query.h"

#include <QFile>

#include <gtest/gtest.h>

namespace velmora {
namespace {

using testing::FixtureFolder;

QString U(const char* s) { return QString::fromUtf8(s); }

class Lookups : public ::testing::Test {
 protected:
  void SetUp() override { fixture_.CreateStandard(); }
  FixtureFolder fixture_;
};

TEST_F(Lookups, StrokesByEitherForm) {
  struct Case {
    const char* c;
    int strokes;
  } cases[] = {
      {"张", 11},  // found by zi
      {"張", 11},  // only in ft: found by the second statement
      {"〇", 13},  // bh 0 by zi, so ft is asked too, and the row of 零 holds 〇 in ft
      {"卍", 0},   // bh 0 by zi and no ft match
      {"幹", 0},   // inside a ft of several forms: the equality test does not find it
      {"鑫", 0},   // in neither column
      {"'", 3},    // a quote is a value like any other
      {"", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(LookupStrokes(U(c.c), fixture_.Folder()), c.strokes) << c.c;
}

TEST_F(Lookups, MainLookupsOnTheMainConnection) {
  Connection main(DbConnectionText(DbFile::PelvanoMain, fixture_.Folder()));
  main.Open();
  Query adoTem(main);
  EXPECT_EQ(MainLookupStrokes(adoTem, U("欧")), 15);
  EXPECT_EQ(MainLookupStrokes(adoTem, U("陽")), 17);
  EXPECT_EQ(MainLookupStrokes(adoTem, U("〇")), 13);
  EXPECT_EQ(MainLookupStrokes(adoTem, U("鑫")), 0);
  EXPECT_EQ(MainLookupWuxing(adoTem, U("思")), U("金"));
  EXPECT_EQ(MainLookupWuxing(adoTem, U("遠")), U("土"));  // through ft
  EXPECT_EQ(MainLookupWuxing(adoTem, U("鑫")), QString());
  EXPECT_EQ(MainLookupWuxing(adoTem, U("x' or '1'='1")), QString());  // quoted: no injection
  EXPECT_FALSE(adoTem.Active());  // closed after reading
}

TEST_F(Lookups, MainLookupsPassFailuresOn) {
  Connection main(DbConnectionText(DbFile::PelvanoMain, U("/nonexistent/folder/")));
  Query adoTem(main);
  EXPECT_THROW(MainLookupStrokes(adoTem, U("张")), DbError);
  EXPECT_THROW(MainLookupWuxing(adoTem, U("张")), DbError);
}

TEST_F(Lookups, ZhScore) {
  const QString f = fixture_.Folder();
  EXPECT_EQ(LookupZhScore(U("张"), U(""), U("思"), U("远"), f), 78);
  EXPECT_EQ(LookupZhScore(U("張"), U(""), U("玲"), U(""), f), 79);   // one-character given name: bh22 = 0
  EXPECT_EQ(LookupZhScore(U("王"), U(""), U("文"), U(""), f), 70);   // both parts single
  EXPECT_EQ(LookupZhScore(U("欧"), U("阳"), U("玲"), U(""), f), 79); // two-character surname
  EXPECT_EQ(LookupZhScore(U("张"), U(""), U("鑫"), U("远"), f), 0);  // no such combination
}

TEST_F(Lookups, AbsentFilesGiveZeroWithoutAMessage) {
  QFile::remove(fixture_.PathOf(U("Pelvano.dll")));
  EXPECT_EQ(LookupStrokes(U("张"), fixture_.Folder()), 0);
  EXPECT_EQ(LookupZhScore(U("张"), U(""), U("思"), U("远"), fixture_.Folder()), 0);
}

TEST_F(Lookups, BrokenTablesGiveZero) {
  // A file that is not a database at all, and one without the tables.
  QFile junk(fixture_.PathOf(U("Pelvano.dll")));
  ASSERT_TRUE(junk.open(QIODevice::WriteOnly | QIODevice::Truncate));
  junk.write("not a database, just text");
  junk.close();
  EXPECT_EQ(LookupStrokes(U("张"), fixture_.Folder()), 0);
  FixtureFolder empty;
  empty.Run(U("Pelvano.dll"), "CREATE TABLE other (x INTEGER);");
  EXPECT_EQ(LookupStrokes(U("张"), empty.Folder()), 0);
  EXPECT_EQ(LookupZhScore(U("张"), U(""), U("思"), U(""), empty.Folder()), 0);
}

}  // namespace
}  // namespace velmora
