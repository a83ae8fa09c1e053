// word_test.cpp: table word of Pelvano.dll: shape of the rows, the independent stroke
// check list refdata/checks/name_strokes.tsv, and samples of the element rule.
#include "test_db.h"

#include <QFile>

namespace velmora::refdata_test {
namespace {

// Strokes as the program looks them up: by the simplified form, else the traditional.
int LookupStrokes(const TestDb& db, const QString& c) {
  int bh = db.Text(QStringLiteral("select  bh from word where zi = '%1' limit 1").arg(c)).toInt();
  if (bh == 0) {
    bh = db.Text(QStringLiteral("select  bh from word where ft = '%1' limit 1").arg(c)).toInt();
  }
  return bh;
}

TEST(Word, RowsAreWellFormed) {
  TestDb db("Pelvano.dll");
  const long long rows = db.Int("select count(*) from word");
  ASSERT_GT(rows, 20000) << "sources/word.tsv missing or incomplete";
  EXPECT_EQ(db.Int("select count(distinct zi) from word"), rows);
  EXPECT_EQ(db.Int("select count(*) from word where length(zi) <> 1"), 0);
  EXPECT_EQ(db.Int("select count(*) from word where bh is null or bh < 1"), 0);
  EXPECT_EQ(db.Int("select count(*) from word where wuhang not in ('金','木','水','火','土') "
                   "or wuhang is null"),
            0);
}

TEST(Word, AgreesWithTheStrokeCheckList) {
  const QString path = RefdataPath(QStringLiteral("checks/name_strokes.tsv"));
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) GTEST_SKIP() << "checks/name_strokes.tsv not present";
  TestDb db("Pelvano.dll");
  int checked = 0;
  bool header = false;
  for (const QByteArray& raw : file.readAll().split('\n')) {
    const QString line = QString::fromUtf8(raw).trimmed();
    if (line.isEmpty() || line.startsWith(u'#')) continue;
    const QStringList f = line.split(u'\t');
    if (!header) {
      header = true;
      ASSERT_EQ(f.value(0), QStringLiteral("zi"));
      ASSERT_EQ(f.value(1), QStringLiteral("bh"));
      continue;
    }
    EXPECT_EQ(LookupStrokes(db, f[0]), f[1].toInt()) << f[0].toStdString() << " (" << f.value(2).toStdString() << ")";
    ++checked;
  }
  EXPECT_GT(checked, 0);
  std::printf("name_strokes.tsv: %d characters checked\n", checked);
}

// Sex flags of name characters of several tiers, and characters that must not be proposed.
TEST(Word, NameCharacterFlags) {
  TestDb db("Pelvano.dll");
  const char* table[][2] = {
      // zi, "aflag nan nv xb"
      {"研", "- 1 1 1"}, {"绪", "- 1 0 男"}, {"飘", "- 0 1 女"}, {"旖", "- 0 1 女"},
      {"子", "- 1 1 1"}, {"军", "- 1 0 男"}, {"红", "- 0 1 女"},
      {"妹", "1 0 0 0"}, {"弟", "1 0 0 0"}, {"七", "1 0 0 0"},  // dated, numeral
  };
  for (const auto& row : table) {
    EXPECT_EQ(db.Text(QStringLiteral("select ifnull(aflag, '-') || ' ' || nan || ' ' || nv || ' ' "
                                     "|| xb from word where zi = '%1'")
                          .arg(QString::fromUtf8(row[0]))),
              QString::fromUtf8(row[1]))
        << row[0];
  }
}

// The element of a character by its radical and meaning.
TEST(Word, ElementSamples) {
  TestDb db("Pelvano.dll");
  const char* table[][2] = {
      {"林", "木"}, {"森", "木"},  // wood radical
      {"鑫", "金"}, {"铭", "金"},  // metal radical
      {"江", "水"}, {"淼", "水"},  // water radical
      {"炎", "火"}, {"焱", "火"},  // fire radical
      {"垚", "土"}, {"城", "土"},  // earth radical
  };
  for (const auto& row : table) {
    EXPECT_EQ(db.Text(QStringLiteral("select wuhang from word where zi = '%1'")
                          .arg(QString::fromUtf8(row[0]))),
              QString::fromUtf8(row[1]))
        << row[0];
  }
}

}  // namespace
}  // namespace velmora::refdata_test
