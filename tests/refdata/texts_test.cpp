// texts_test.cpp: the project's prose in the built databases. Every text file under
// refdata/texts/ that feeds a database must be present, and every row of its table must
// have all its texts: the builder creates the keys without the file and leaves the texts
// empty, so an absent file or a blank row shows here as an empty column.
#include "test_db.h"

#include <QSet>

#include <algorithm>

namespace velmora::refdata_test {
namespace {

struct TextTable {
  const char* db;           // database file
  const char* table;        // as the statements quote it
  const char* key;          // key expression naming a row in a failure
  QStringList columns;      // the text columns
  int rows;                 // rows the table holds
  const char* source;       // the text file, relative to refdata/
};

// Rows (by key) whose column `column` is empty or only blanks.
QStringList BlankKeys(const TestDb& db, const TextTable& t, const QString& column) {
  QStringList keys;
  const QString sql = QStringLiteral("select %1, %2 from %3").arg(
      QString::fromLatin1(t.key), column, QString::fromLatin1(t.table));
  for (const QStringList& r : db.Rows(sql)) {
    if (r[1].trimmed().isEmpty()) keys << r[0];
  }
  return keys;
}

void ExpectAllTexts(const TextTable& t) {
  SCOPED_TRACE(t.table);
  EXPECT_TRUE(RefdataFileExists(QString::fromLatin1(t.source))) << t.source << " is missing";
  TestDb db(t.db);
  const QString from = QString::fromLatin1(t.table);
  EXPECT_EQ(db.Int(QStringLiteral("select count(*) from %1").arg(from)), t.rows);
  EXPECT_EQ(db.Int(QStringLiteral("select count(distinct %1) from %2")
                       .arg(QString::fromLatin1(t.key), from)),
            t.rows);
  for (const QString& column : t.columns) {
    const QStringList blank = BlankKeys(db, t, column);
    EXPECT_TRUE(blank.isEmpty()) << column.toStdString() << " is blank for "
                                 << blank.join(QStringLiteral(", ")).toStdString();
  }
}

TEST(DatabaseTexts, Numbers81) {
  ExpectAllTexts({"KelFile.dll", "\"81\"", "num", {"yy", "jx", "\"as\""}, 81, "texts/81.tsv"});
}

TEST(DatabaseTexts, Sancai2009) {
  ExpectAllTexts({"KelFile.dll", "sancai2009", "title",
                  {"yy", "jcy", "jx1", "cgy", "jx2", "rjgx", "jx3", "xg"}, 125,
                  "texts/sancai2009.tsv"});
}

// One row per weight code 2.1 .. 7.2 两: the verse and the explanation.
TEST(DatabaseTexts, BoneWeightVersesAndExplanations) {
  ExpectAllTexts({"dream.dll", "chenggu", "weight", {"content", "content2"}, 52,
                  "texts/chenggu.tsv"});
}

TEST(DatabaseTexts, SeasonReadings) {
  ExpectAllTexts({"Tgcode.dll", "sjrs", "wh || sj", {"sjrs"}, 20, "texts/sjrs.tsv"});
}

TEST(DatabaseTexts, QiongtongBaojian) {
  ExpectAllTexts({"Tgcode.dll", "qtbj", "tg || dz", {"content"}, 120, "texts/qtbj.tsv"});
}

// The two notes the main window opens.
TEST(DatabaseTexts, NotesXM016AndXM017) {
  EXPECT_TRUE(RefdataFileExists(QStringLiteral("texts/noter.tsv")));
  TestDb db("KelBirth.dll");
  const auto rows =
      db.Rows("select Cid, Tite, content from Noter where Cid in ('XM016', 'XM017') order by Cid");
  ASSERT_EQ(rows.size(), 2);
  EXPECT_EQ(rows[0][0], QStringLiteral("XM016"));
  EXPECT_EQ(rows[1][0], QStringLiteral("XM017"));
  QSet<QString> titles;
  for (const QStringList& r : rows) {
    EXPECT_FALSE(r[1].trimmed().isEmpty()) << "Tite of " << r[0].toStdString();
    EXPECT_FALSE(r[2].trimmed().isEmpty()) << "content of " << r[0].toStdString();
    titles.insert(r[1]);
  }
  EXPECT_EQ(titles.size(), 2);
}

// One row per candidate character: its meaning, its reading in a name and the tone class
// of that reading.
TEST(DatabaseTexts, NameCharacterMeanings) {
  ExpectAllTexts({"Pelvano.dll", "zy", "zi", {"yy", "dy", "sd"}, 1332, "texts/name_meanings.tsv"});
  TestDb db("Pelvano.dll");
  EXPECT_EQ(db.Int(QStringLiteral("select count(*) from word where Aflag is null and zi not in (select zi from zy)")), 0);
  // The class is the reading's tone, told here by its marks alone: 平 for the first and
  // second tones (macron, acute), 仄 for the others.
  static const QString kLevel = QStringLiteral("āáēéīíōóūúǖǘ");
  for (const QStringList& r : db.Rows(QStringLiteral("select zi, yy, dy, sd from zy"))) {
    const bool level = std::any_of(r[2].cbegin(), r[2].cend(), [](QChar c) { return kLevel.contains(c); });
    EXPECT_EQ(r[3], level ? QStringLiteral("平") : QStringLiteral("仄")) << r[0].toStdString() << " " << r[2].toStdString();
    EXPECT_TRUE(r[1].size() >= 8 && r[1].size() <= 30) << r[0].toStdString() << " " << r[1].toStdString();
  }
}

}  // namespace
}  // namespace velmora::refdata_test
