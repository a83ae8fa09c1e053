// Connection texts, the file they name, and when a missing file fails.
#include "fixture.h"

#include "refdb/connection.h"
#include "refdb/connection_text.h"
#include "refdb/errors.h"
#include "refdb/query.h"

#include <QDir>

#include <sqlite3.h>

#include <gtest/gtest.h>

namespace velmora {
namespace {

using testing::FixtureFolder;

QString U(const char* s) { return QString::fromUtf8(s); }

TEST(DbConnectionText, ExactTexts) {
  const QString d = U("/opt/velmora/");
  struct Case {
    DbFile file;
    const char* text;
  } cases[] = {
      {DbFile::Dream, "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/opt/velmora//dream.dll;Persist Security Info=True"},
      {DbFile::KelFile, "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/opt/velmora//KelFile.dll;Persist Security Info=True"},
      {DbFile::KelBirth, "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/opt/velmora//KelBirth.dll;Persist Security Info=True"},
      {DbFile::Tgcode, "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/opt/velmora//Tgcode.dll;Persist Security Info=True"},
      {DbFile::Pelvano, "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/opt/velmora//Pelvano.dll;Persist Security Info=True"},
      // the main connection's suffix has no separator of its own
      {DbFile::PelvanoMain, "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/opt/velmora/Pelvano.dll;Persist Security Info=False"},
  };
  for (const Case& c : cases) EXPECT_EQ(DbConnectionText(c.file, d), U(c.text));
}

TEST(DbConnectionText, ProgramFolderEndsWithASeparator) {
  EXPECT_TRUE(ProgramFolder().endsWith(QDir::separator()));
  EXPECT_TRUE(DbConnectionText(DbFile::Dream).contains(ProgramFolder() + QDir::separator() + U("dream.dll")));
}

TEST(DataSourcePath, ReadsTheDoubledSeparatorAsOne) {
  EXPECT_EQ(DataSourcePath(DbConnectionText(DbFile::Dream, U("/opt/velmora/"))), U("/opt/velmora/dream.dll"));
  EXPECT_EQ(DataSourcePath(DbConnectionText(DbFile::PelvanoMain, U("/opt/velmora/"))), U("/opt/velmora/Pelvano.dll"));
  EXPECT_EQ(DataSourcePath(U("Provider=x; data source = \"/a b/c;d.dll\" ;Persist Security Info=True")), U("/a b/c;d.dll"));
  EXPECT_EQ(DataSourcePath(U("Provider=x;Persist Security Info=True")), QString());
  EXPECT_EQ(DataSourcePath(U("")), QString());
}

TEST(Connection, MissingFileFailsWhenAStatementOpens) {
  Query q(DbConnectionText(DbFile::Tgcode, U("/nonexistent/")));  // no failure yet
  q.SetSql(U("select top 1 wh from hzwh"));
  try {
    q.Open();
    FAIL() << "opened a missing file";
  } catch (const DbError& e) {
    EXPECT_TRUE(e.message().contains(U("/nonexistent/Tgcode.dll"))) << e.message().toStdString();
  }
  EXPECT_FALSE(q.Active());
}

TEST(Connection, OpensReadOnly) {
  FixtureFolder fixture;
  fixture.CreateStandard();
  Connection c(DbConnectionText(DbFile::PelvanoMain, fixture.Folder()));
  c.Open();
  EXPECT_TRUE(c.IsOpen());
  EXPECT_EQ(sqlite3_db_readonly(c.Handle(), "main"), 1);
  // Writes cannot even be written in the dialect: only SELECT parses.
  Query q(c);
  q.SetSql(U("update word set bh = 1"));
  EXPECT_THROW(q.Open(), DbError);
  c.Close();
  EXPECT_FALSE(c.IsOpen());
  // A query reopens its connection when it needs it.
  q.SetSql(U("select count(*) from word"));
  q.Open();
  EXPECT_GT(q.AsInt(0), 0);
}

TEST(Connection, SharedBetweenTwoQueries) {
  FixtureFolder fixture;
  fixture.CreateStandard();
  Connection c(DbConnectionText(DbFile::PelvanoMain, fixture.Folder()));
  Query adoTem(c), adoFenxi(c);
  adoTem.SetSql(U("select zi from word where bh = 17"));
  adoFenxi.SetSql(U("select zi from word where bh = 4"));
  adoTem.Open();
  adoFenxi.Open();
  EXPECT_EQ(adoTem.RecordCount(), 2);   // 阳 远
  EXPECT_EQ(adoFenxi.RecordCount(), 2); // 王 文
  adoTem.Close();
  EXPECT_EQ(adoFenxi.AsText(0), U("王"));  // closing one leaves the other
}

}  // namespace
}  // namespace velmora
