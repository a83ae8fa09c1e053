// word_test.cpp: table word of Pelvano.dll: shape of the rows, the independent stroke
// check list refdata/checks/name_strokes.tsv, samples of the element rule and the curated
// element overrides.
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

// The lines of a hand-kept list under refdata/ split into fields, the header first; comment
// lines (#) may stand anywhere. Empty when the file is absent.
QList<QStringList> ListLines(const QString& relative) {
  QFile file(RefdataPath(relative));
  QList<QStringList> lines;
  if (!file.open(QIODevice::ReadOnly)) return lines;
  for (const QByteArray& raw : file.readAll().split('\n')) {
    const QString line = QString::fromUtf8(raw);
    if (line.trimmed().isEmpty() || line.startsWith(u'#')) continue;
    lines << line.split(u'\t');
  }
  return lines;
}

TEST(Word, AgreesWithTheStrokeCheckList) {
  const QList<QStringList> lines = ListLines(QStringLiteral("checks/name_strokes.tsv"));
  if (lines.isEmpty()) GTEST_SKIP() << "checks/name_strokes.tsv not present";
  ASSERT_EQ(lines[0].value(0), QStringLiteral("zi"));
  ASSERT_EQ(lines[0].value(1), QStringLiteral("bh"));
  TestDb db("Pelvano.dll");
  for (const QStringList& f : lines.mid(1)) {
    EXPECT_EQ(LookupStrokes(db, f[0]), f.value(1).toInt()) << f[0].toStdString() << " (" << f.value(2).toStdString() << ")";
  }
  EXPECT_GT(lines.size(), 1);
  std::printf("name_strokes.tsv: %lld characters checked\n", static_cast<long long>(lines.size() - 1));
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

// The element of a character by its radical, by the naming references where they differ
// from the radical and the sound, and on a split the element kept and the other one.
TEST(Word, ElementSamples) {
  TestDb db("Pelvano.dll");
  const char* table[][2] = {
      // zi, "wuhang/wuhang_alt"
      {"林", "木/"}, {"森", "木/"},  // wood radical
      {"鑫", "金/"}, {"铭", "金/"},  // metal radical
      {"江", "水/"}, {"淼", "水/"},  // water radical
      {"炎", "火/"}, {"焱", "火/"},  // fire radical
      {"垚", "土/"}, {"城", "土/"},  // earth radical
      {"嘉", "木/"}, {"琪", "木/"}, {"晨", "金/"}, {"轩", "土/"},  // the old initial's sound
      {"欣", "木/"}, {"俊", "火/"}, {"妍", "水/"},                 // as the references give them
      {"明", "火/水"}, {"中", "土/火"},                            // references split
  };
  for (const auto& row : table) {
    EXPECT_EQ(db.Text(QStringLiteral("select wuhang || '/' || ifnull(wuhang_alt, '') from word "
                                     "where zi = '%1'")
                          .arg(QString::fromUtf8(row[0])))
                  .toStdString(),
              row[1])
        << row[0];
  }
}

// Every element override names what it rests on, and the table holds what it says (a
// word.tsv not derived again after the list changed fails here).
TEST(Word, ElementOverridesNameABasis) {
  const QList<QStringList> lines = ListLines(QStringLiteral("sources/curated/element_overrides.tsv"));
  ASSERT_GT(lines.size(), 1);
  ASSERT_EQ(lines[0], QStringList({"zi", "wuhang", "basis", "alt", "reason"}));
  TestDb db("Pelvano.dll");
  for (const QStringList& f : lines.mid(1)) {
    EXPECT_TRUE(QStringList({"meaning", "radical", "sound"}).contains(f.value(2)) && !f.value(4).isEmpty())
        << f[0].toStdString() << ": basis " << f.value(2).toStdString();
    EXPECT_EQ(db.Text(QStringLiteral("select wuhang || '/' || ifnull(wuhang_alt, '') from word "
                                     "where zi = '%1'").arg(f[0]))
                  .toStdString(),
              (f.value(1) + u'/' + f.value(3)).toStdString())
        << f[0].toStdString();
  }
}

}  // namespace
}  // namespace velmora::refdata_test
