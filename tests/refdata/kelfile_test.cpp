// kelfile_test.cpp: tables 81, sancai and sancai2009 of KelFile.dll, and the grade
// table published in refdata/README.md.
#include "naming/wuge.h"
#include "test_db.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>

namespace velmora::refdata_test {
namespace {

using naming::NumberClass;

TEST(Table81, VerdictsAgreeWithTheClassLists) {
  TestDb db("KelFile.dll");
  const auto rows = db.Rows("select num, jx, yy, \"as\" from \"81\" order by num");
  ASSERT_EQ(rows.size(), 81);
  const bool prose = RefdataFileExists(QStringLiteral("texts/81.tsv"));
  for (int n = 1; n <= 81; ++n) {
    const QStringList& r = rows[n - 1];
    EXPECT_EQ(r[0].toInt(), n);
    const QString jx = r[1];
    switch (naming::NumberClassOf(n)) {
      case NumberClass::Lucky:
        EXPECT_TRUE(jx == QStringLiteral("吉") || jx == QStringLiteral("大吉")) << n;
        break;
      case NumberClass::HalfLucky: EXPECT_EQ(jx, QStringLiteral("半吉")) << n; break;
      case NumberClass::Unlucky: EXPECT_EQ(jx, QStringLiteral("凶")) << n; break;
      case NumberClass::None: ADD_FAILURE() << n << " has no class"; break;
    }
    if (prose) {
      EXPECT_FALSE(r[2].trimmed().isEmpty()) << "yy of " << n;
      EXPECT_FALSE(r[3].trimmed().isEmpty()) << "as of " << n;
    }
  }
}

TEST(Sancai, HoldsTheGradeOfEveryTriple) {
  TestDb db("KelFile.dll");
  const auto rows = db.Rows("select title, djc from sancai");
  ASSERT_EQ(rows.size(), 125);
  QSet<QString> titles;
  for (const QStringList& r : rows) {
    titles.insert(r[0]);
    EXPECT_EQ(r[1].toInt(), naming::SancaiGrade(r[0])) << r[0].toStdString();
  }
  EXPECT_EQ(titles.size(), 125);
}

// Grades worked by hand from the rule (heaven → person, earth → person).
TEST(Sancai, SampleGrades) {
  TestDb db("KelFile.dll");
  struct Case { const char* title; int djc; };
  const Case cases[] = {
      {"木火土", 3},  // 木 generates 火 +2; 火 generates 土 0 → s 2
      {"木火木", 1},  // +2 and +2
      {"火火火", 3},  // +1 and +1
      {"金木火", 6},  // 金 overcomes 木 −2; 木 generates 火 0
      {"水火水", 7},  // −2 and −2
      {"土金水", 3},  // +2; 金 generates 水 0
      {"火土火", 1},  // +2 and +2
      {"木土水", 7},  // 木 overcomes 土 −2; 土 overcomes 水 (person overcomes earth) −1
      {"水木水", 1},  // 水 generates 木 twice
      {"木金木", 6},  // 金 overcomes 木 on both sides: −1 and −1
      {"土土金", 4},  // +1; 土 generates 金 (person generates earth) 0
      {"金土火", 3},  // 土 generates 金 (person generates heaven) 0; 火 generates 土 +2
  };
  for (const Case& c : cases) {
    const QString title = QString::fromUtf8(c.title);
    EXPECT_EQ(db.Int(QStringLiteral("select djc from sancai where title = '%1'").arg(title)),
              c.djc)
        << c.title;
  }
}

TEST(Sancai2009, VerdictsFollowTheGradeRule) {
  TestDb db("KelFile.dll");
  const auto rows = db.Rows("select title, jx1, jx2, jx3, yy, jcy, cgy, rjgx, xg from sancai2009");
  ASSERT_EQ(rows.size(), 125);
  QSet<QString> titles;
  const bool prose = RefdataFileExists(QStringLiteral("texts/sancai2009.tsv"));
  for (const QStringList& r : rows) {
    const QString& t = r[0];
    titles.insert(t);
    ASSERT_EQ(t.size(), 3);
    const int p1 = naming::TalentInfluence(t[0], t[1]);  // heaven → person: success
    const int p2 = naming::TalentInfluence(t[2], t[1]);  // earth → person: basic fortune
    EXPECT_EQ(r[1], naming::InfluenceVerdict(p2)) << "jx1 of " << t.toStdString();
    EXPECT_EQ(r[2], naming::InfluenceVerdict(p1)) << "jx2 of " << t.toStdString();
    EXPECT_EQ(r[3], naming::RelationsVerdict(naming::SancaiGrade(t))) << "jx3 of " << t.toStdString();
    if (prose) {
      for (int i = 4; i < 9; ++i) EXPECT_FALSE(r[i].trimmed().isEmpty()) << t.toStdString();
    }
  }
  EXPECT_EQ(titles.size(), 125);
}

// The grade table in refdata/README.md must be the one the builder writes.
TEST(Sancai, ReadmeTableMatchesTheRule) {
  QFile readme(RefdataPath(QStringLiteral("README.md")));
  ASSERT_TRUE(readme.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(readme.readAll());
  const QRegularExpression line(QStringLiteral(
      "^\\| ([金木水火土]{3}) \\| (-?\\d) \\| (-?\\d) \\| (-?\\d) \\| (\\d) \\| (\\S+) \\|$"),
      QRegularExpression::MultilineOption);
  int count = 0;
  for (auto it = line.globalMatch(text); it.hasNext();) {
    const auto m = it.next();
    const QString t = m.captured(1);
    EXPECT_EQ(m.captured(2).toInt(), naming::TalentInfluence(t[0], t[1])) << t.toStdString();
    EXPECT_EQ(m.captured(3).toInt(), naming::TalentInfluence(t[2], t[1])) << t.toStdString();
    EXPECT_EQ(m.captured(4).toInt(), m.captured(2).toInt() + m.captured(3).toInt());
    EXPECT_EQ(m.captured(5).toInt(), naming::SancaiGrade(t)) << t.toStdString();
    EXPECT_EQ(m.captured(6), naming::SancaiGradeName(naming::SancaiGrade(t)));
    ++count;
  }
  EXPECT_EQ(count, 125);
}

}  // namespace
}  // namespace velmora::refdata_test
