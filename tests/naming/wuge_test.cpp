// wuge_test.cpp: the pure scoring core: classes, grid points, grid numbers from
// strokes, the 80-wrap, the three-talent grade and the computed and plan scores.
#include "naming/wuge.h"

#include <gtest/gtest.h>

#include <set>

namespace velmora::naming {
namespace {

TEST(NumberClass, ListsCoverOneToEightyOneOnce) {
  int lucky = 0, half = 0, unlucky = 0;
  for (int n = 1; n <= 81; ++n) {
    switch (NumberClassOf(n)) {
      case NumberClass::Lucky: ++lucky; break;
      case NumberClass::HalfLucky: ++half; break;
      case NumberClass::Unlucky: ++unlucky; break;
      case NumberClass::None: ADD_FAILURE() << n; break;
    }
  }
  EXPECT_EQ(lucky, 32);
  EXPECT_EQ(half, 14);
  EXPECT_EQ(unlucky, 35);
}

TEST(NumberClass, Samples) {
  struct Case { int n; NumberClass cls; };
  const Case cases[] = {
      {1, NumberClass::Lucky},      {81, NumberClass::Lucky},    {8, NumberClass::Lucky},
      {6, NumberClass::HalfLucky},  {75, NumberClass::HalfLucky},
      {2, NumberClass::Unlucky},    {80, NumberClass::Unlucky},  {12, NumberClass::Unlucky},
      {0, NumberClass::None},       {82, NumberClass::None},     {-3, NumberClass::None},
      // "1" must not match inside ",11," or ",81,": membership is by whole number.
      {11, NumberClass::Lucky},     {10, NumberClass::Unlucky},
  };
  for (const Case& c : cases) EXPECT_EQ(NumberClassOf(c.n), c.cls) << c.n;
}

TEST(GridScore, ByClassAndGrid) {
  struct Case { int n; GridKind kind; double points; };
  const Case cases[] = {
      {1, GridKind::Tiange, 10},   {1, GridKind::Renge, 30},    {1, GridKind::Zongge, 20},
      {6, GridKind::Dige, 8.5},    {6, GridKind::Renge, 25.5},  {6, GridKind::Zongge, 17},
      {2, GridKind::Waige, 7},     {2, GridKind::Renge, 21},    {2, GridKind::Zongge, 14},
      {0, GridKind::Renge, 0},     {90, GridKind::Tiange, 0},
  };
  for (const Case& c : cases) EXPECT_DOUBLE_EQ(GridScore(c.n, c.kind), c.points) << c.n;
}

TEST(WrapGridNumber, AboveEighty) {
  EXPECT_EQ(WrapGridNumber(80), 80);
  EXPECT_EQ(WrapGridNumber(81), 1);
  EXPECT_EQ(WrapGridNumber(85), 5);
  EXPECT_EQ(WrapGridNumber(160), 80);
  EXPECT_EQ(WrapGridNumber(161), 1);
  EXPECT_EQ(WrapGridNumber(0), 0);
}

TEST(GridNumberFromStrokes, WorkedExamples) {
  // Single surname 7, given name 5 and 9.
  EXPECT_EQ(WugeFromStrokes({7, 0, 5, 9, false, true}), (Wuge{8, 14, 12, 21, 10}));
  // Double surname 12 and 8, single given name 6.
  EXPECT_EQ(WugeFromStrokes({12, 8, 6, 0, true, false}), (Wuge{20, 7, 14, 26, 13}));
  // Both single: outer grid is 2 whatever the strokes.
  EXPECT_EQ(GridNumberFromStrokes({30, 0, 17, 0, false, false}, GridKind::Waige), 2);
  // Both double: outer grid is s1 + g2, without + 1.
  EXPECT_EQ(GridNumberFromStrokes({5, 6, 7, 8, true, true}, GridKind::Waige), 13);
  // Nothing found: single parts give 天1 地1 人0 总0 外2.
  EXPECT_EQ(WugeFromStrokes({0, 0, 0, 0, false, false}), (Wuge{1, 1, 0, 0, 2}));
  // A total of 81 wraps to 1.
  EXPECT_EQ(GridNumberFromStrokes({30, 0, 30, 21, false, true}, GridKind::Zongge), 1);
}

TEST(GridNumberFromStrokes, OuterIsHeavenPlusEarthMinusPerson) {
  for (int shape = 0; shape < 4; ++shape) {
    const bool ds = shape & 1, dg = shape & 2;
    for (int s1 = 1; s1 <= 20; ++s1)
      for (int g1 = 1; g1 <= 20; ++g1) {
        const NameStrokes s{s1, ds ? 3 : 0, g1, dg ? 4 : 0, ds, dg};
        const Wuge w = WugeFromStrokes(s);
        EXPECT_EQ(w.waige, w.tiange + w.dige - w.renge) << s1 << " " << g1 << " " << shape;
      }
  }
}

TEST(Sancai, ElementsOfHeavenPersonEarth) {
  EXPECT_EQ(SancaiOf(Wuge{8, 14, 12, 21, 10}), QStringLiteral("金木火"));
  EXPECT_EQ(SancaiOf(Wuge{1, 1, 0, 0, 2}), QStringLiteral("木水木"));
}

TEST(TalentInfluence, FiveRelations) {
  struct Case { const char* outer; const char* person; int value; };
  const Case cases[] = {
      {"木", "火", 2},   // outer generates person
      {"水", "木", 2},
      {"土", "土", 1},   // same element
      {"火", "木", 0},   // person generates outer
      {"水", "金", 0},
      {"土", "木", -1},  // person overcomes outer
      {"火", "水", -1},
      {"金", "木", -2},  // outer overcomes person
      {"水", "火", -2},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TalentInfluence(QString::fromUtf8(c.outer)[0], QString::fromUtf8(c.person)[0]),
              c.value)
        << c.outer << c.person;
  }
}

TEST(SancaiGrade, GradeRule) {
  struct Case { const char* sancai; int grade; };
  const Case cases[] = {
      {"木火木", 1},  // +2 +2
      {"木火火", 2},  // +2 +1
      {"木火土", 3},  // +2 0
      {"火火火", 3},  // +1 +1
      {"土土金", 4},  // +1 0
      {"火木火", 4},  // 0 0
      {"土木火", 5},  // −1 0
      {"金木火", 6},  // −2 0
      {"土木土", 6},  // −1 −1
      {"木土水", 7},  // −2 −1
      {"水火水", 7},  // −2 −2
      {"木火", 0},    // not a three-talent text
      {"木火x", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(SancaiGrade(QString::fromUtf8(c.sancai)), c.grade) << c.sancai;
}

TEST(SancaiGrade, AllHundredTwentyFiveHaveAGradeOfEachKind) {
  const QString elements = QStringLiteral("木火土金水");
  std::set<int> grades;
  for (QChar t : elements)
    for (QChar r : elements)
      for (QChar d : elements) grades.insert(SancaiGrade(QString(t) + r + d));
  EXPECT_EQ(grades, (std::set<int>{1, 2, 3, 4, 5, 6, 7}));
}

TEST(SancaiPoints, GradeTable) {
  const double expected[] = {-1, 20, 18, 16, 15, 14, 13, 12, -1};
  for (int g = 0; g <= 8; ++g) EXPECT_DOUBLE_EQ(SancaiPoints(g), expected[g]) << g;
}

TEST(Verdicts, NamesOfValuesAndGrades) {
  EXPECT_EQ(SancaiGradeName(3), QStringLiteral("中吉"));
  EXPECT_EQ(SancaiGradeName(5), QStringLiteral("半凶"));
  EXPECT_TRUE(SancaiGradeName(0).isEmpty());
  EXPECT_EQ(InfluenceVerdict(2), QStringLiteral("大吉"));
  EXPECT_EQ(InfluenceVerdict(0), QStringLiteral("半吉"));
  EXPECT_EQ(InfluenceVerdict(-2), QStringLiteral("大凶"));
  EXPECT_EQ(RelationsVerdict(3), QStringLiteral("吉"));
  EXPECT_EQ(RelationsVerdict(6), QStringLiteral("凶"));
  EXPECT_EQ(NumberClassVerdict(NumberClass::HalfLucky), QStringLiteral("半吉"));
}

TEST(ComputedNameScore, WorkedExample) {
  const Wuge w{8, 14, 12, 21, 10};  // 10 + 7 + 21 + 20 + 7 = 65
  EXPECT_DOUBLE_EQ(ComputedNameScore(w, 1), 85);
  EXPECT_DOUBLE_EQ(ComputedNameScore(w, 0), 64);  // no row: −1
  EXPECT_DOUBLE_EQ(ComputedNameScore(Wuge{1, 1, 1, 1, 1}, 1), 100);
  // All half-lucky: 8.5 + 8.5 + 25.5 + 17 + 8.5 = 68, grade 4 adds 15.
  EXPECT_DOUBLE_EQ(ComputedNameScore(Wuge{6, 6, 6, 6, 6}, 4), 68 + 15);
}

TEST(PlanScore, ScaledAndRounded) {
  EXPECT_EQ(PlanScore(100), 80);
  EXPECT_EQ(PlanScore(78), 62);    // 62.4
  EXPECT_EQ(PlanScore(98.5), 79);  // 78.8
  EXPECT_EQ(PlanScore(68), 54);    // 54.4
  EXPECT_EQ(PlanScore(96.5), 77);  // 77.2
  EXPECT_EQ(PlanScore(97), 78);    // 77.6
}

}  // namespace
}  // namespace velmora::naming
