// chart_test.cpp: the four-pillar engine on its worked examples and edge cases, with the
// jie instants of the fixture table JQ (立春 2000 at 2000-02-04 20:40:24).
#include "bazi/chart.h"
#include "bazi/cycle_numbers.h"

#include "../refdb/fixture.h"

#include <gtest/gtest.h>

namespace velmora::bazi {
namespace {

using testing::FixtureFolder;

QString U(const char* s) { return QString::fromUtf8(s); }

class Chart : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    fixture_ = new FixtureFolder;
    fixture_->CreateStandard();
    // A 立春 on 5 February, to see the fixed window keep 4 February in 寅.
    fixture_->Run(QStringLiteral("Tgcode.dll"), "INSERT INTO JQ VALUES (2001,'立春','2001-02-05 08:00:00');");
  }
  static void TearDownTestSuite() { delete fixture_; }

  static BaziChart Of(int y, int m, int d, int h, int min, const char* sex = "男") {
    BaziChart c;
    EXPECT_TRUE(ComputeBaziChart(y, m, d, h, min, U(sex), fixture_->Folder(), c));
    return c;
  }
  static QString Pillars(const BaziChart& c) {
    QString s;
    for (int i = 0; i < 8; ++i) s += c.pillarChars[static_cast<std::size_t>(i)] + (i % 2 == 1 && i < 7 ? U(" ") : QString());
    return s;
  }
  static inline FixtureFolder* fixture_ = nullptr;
};

TEST_F(Chart, WorkedExampleMale2000) {
  const BaziChart c = Of(2000, 1, 1, 0, 0, "男");
  EXPECT_EQ(c.monthDayKey, 101);
  EXPECT_FALSE(c.termCorrection);
  EXPECT_EQ(Pillars(c), U("己卯 丙子 戊午 壬子"));
  EXPECT_TRUE(c.backward);  // 己 is yin
  EXPECT_EQ(c.startAge, 9);  // 大雪 1999-12-07 lies 25 days back
  EXPECT_EQ(c.startAgeText, U("9"));
  EXPECT_EQ(c.luckPillarText, U("丙子   乙亥   甲戌   癸酉   壬申   辛未   庚午   己巳   戊辰   丁卯"));
  EXPECT_EQ(c.conceptionPillar, U("丁卯 "));
  // 卯 year, January (丑), 午 day, 子 hour.
  EXPECT_EQ(c.hiddenStems, (std::array<QString, 4>{U("乙"), U("癸辛己"), U("己丁"), U("癸")}));
}

TEST_F(Chart, WorkedExampleFemale1984) {
  const BaziChart c = Of(1984, 2, 5, 12, 0, "女");
  EXPECT_EQ(Pillars(c), U("甲子 丙寅 己巳 庚午"));
  EXPECT_TRUE(c.backward);  // 甲 is yang: a woman runs backward
  EXPECT_EQ(c.startAge, 1);  // 立春 was the day before
  EXPECT_EQ(c.luckPillars[0], (CyclePair{c.monthStem, c.monthBranch}));
  EXPECT_EQ(c.luckPillarText.left(12), U("丙寅   乙丑   甲子"));
  // A man of the same moment runs forward; only the exact text 男 is male.
  EXPECT_FALSE(Of(1984, 2, 5, 12, 0, "男").backward);
  EXPECT_TRUE(Of(1984, 2, 5, 12, 0, "男 ").backward);
}

TEST_F(Chart, StartAgeRounding) {
  // q days to the jie → start age: part years count whole; 0 → 10; 31 and 32 stay at 10.
  const std::pair<int, int> cases[] = {{0, 10}, {1, 1}, {3, 1}, {4, 2}, {6, 2}, {7, 3},
                                       {27, 9}, {28, 10}, {30, 10}, {31, 10}, {32, 10}};
  for (const auto& [q, age] : cases) EXPECT_EQ(StartAgeOf(q), age) << "q = " << q;
  // A 庚辰 boy runs forward to 芒种 on 5 June: 31 days from 5 May, 30 from 6 May.
  EXPECT_EQ(Of(2000, 5, 5, 12, 0).startAge, 10);
  EXPECT_EQ(Of(2000, 5, 6, 12, 0).startAge, 10);
}

TEST_F(Chart, StartAgeWithAJieOnTheBirthDay) {
  // 惊蛰 2000 came at 14:42:40 on 5 March. A boy (forward) born before it, in 寅, has it
  // hours ahead; a girl (backward) born after it, in 卯, hours behind: the luck starts in
  // the first year. On its other side the neighbouring jie is a month away.
  // (lunar-javascript: 0y0m20d, 10y0m20d, 9y10m10d, 0y0m10d.)
  const struct {
    int hour;
    const char* sex;
    int startAge;
  } cases[] = {{10, "男", 1}, {15, "男", 10}, {10, "女", 10}, {15, "女", 1}};
  for (const auto& k : cases) EXPECT_EQ(Of(2000, 3, 5, k.hour, 0, k.sex).startAge, k.startAge) << k.hour << k.sex;
}

// The twelve fixed month windows, first and last day of each, in a common year (2001,
// 辛巳 from 4 February) and a leap year (2004, 甲申): the month pillar, and the year
// pillar where it turns on 4 February. Noon, away from any term instant of the fixture.
TEST_F(Chart, MonthWindows) {
  struct Case { int month, day; const char* common; const char* leap; };
  const Case cases[] = {
      {1, 1, "庚辰 戊子", "癸未 甲子"},   {1, 5, "庚辰 戊子", "癸未 甲子"},
      {1, 6, "庚辰 己丑", "癸未 乙丑"},   {2, 3, "庚辰 己丑", "癸未 乙丑"},
      {2, 4, "辛巳 庚寅", "甲申 丙寅"},   {3, 5, "辛巳 庚寅", "甲申 丙寅"},
      {3, 6, "辛巳 辛卯", "甲申 丁卯"},   {4, 4, "辛巳 辛卯", "甲申 丁卯"},
      {4, 5, "辛巳 壬辰", "甲申 戊辰"},   {5, 4, "辛巳 壬辰", "甲申 戊辰"},
      {5, 5, "辛巳 癸巳", "甲申 己巳"},   {6, 5, "辛巳 癸巳", "甲申 己巳"},
      {6, 6, "辛巳 甲午", "甲申 庚午"},   {7, 6, "辛巳 甲午", "甲申 庚午"},
      {7, 7, "辛巳 乙未", "甲申 辛未"},   {8, 7, "辛巳 乙未", "甲申 辛未"},
      {8, 8, "辛巳 丙申", "甲申 壬申"},   {9, 7, "辛巳 丙申", "甲申 壬申"},
      {9, 8, "辛巳 丁酉", "甲申 癸酉"},   {10, 7, "辛巳 丁酉", "甲申 癸酉"},
      {10, 8, "辛巳 戊戌", "甲申 甲戌"},  {11, 6, "辛巳 戊戌", "甲申 甲戌"},
      {11, 7, "辛巳 己亥", "甲申 乙亥"},  {12, 7, "辛巳 己亥", "甲申 乙亥"},
      {12, 8, "辛巳 庚子", "甲申 丙子"},  {12, 31, "辛巳 庚子", "甲申 丙子"},
  };
  for (const Case& k : cases) {
    EXPECT_EQ(Pillars(Of(2001, k.month, k.day, 12, 0)).left(5), U(k.common)) << "2001-" << k.month << "-" << k.day;
    EXPECT_EQ(Pillars(Of(2004, k.month, k.day, 12, 0)).left(5), U(k.leap)) << "2004-" << k.month << "-" << k.day;
  }
  EXPECT_EQ(Pillars(Of(2004, 2, 29, 12, 0)).left(5), U("甲申 丙寅"));
}

TEST_F(Chart, FourthOfFebruary) {
  struct Case {
    int year, month, day, hour, minute;
    bool correction;
    const char* yearMonth;  // year and month pillars
  } cases[] = {
      {2000, 2, 3, 23, 0, false, "己卯 丁丑"},   // 2 and 3 February: old year, 丑
      {2000, 2, 4, 10, 0, true, "己卯 丁丑"},    // before 立春 20:40:24: key 203
      {2000, 2, 4, 20, 40, true, "己卯 丁丑"},   // 20:40:00 is still before the instant
      {2000, 2, 4, 20, 41, false, "庚辰 戊寅"},  // after it: new year, 寅
      {2001, 2, 4, 10, 0, false, "辛巳 庚寅"},   // 立春 on the 5th: the 4th is 寅 all the same
      {2001, 2, 5, 7, 0, true, "辛巳 庚寅"},     // before the instant on the 5th: key 204, still 寅
  };
  for (const Case& k : cases) {
    const BaziChart c = Of(k.year, k.month, k.day, k.hour, k.minute);
    EXPECT_EQ(c.termCorrection, k.correction) << k.year << "-" << k.day << " " << k.hour;
    EXPECT_EQ(Pillars(c).left(5), U(k.yearMonth)) << k.year << "-" << k.day << " " << k.hour;
  }
  // Without Tgcode.dll there is no correction, and no failure.
  BaziChart c;
  ASSERT_TRUE(ComputeBaziChart(2000, 2, 4, 10, 0, U("男"), QStringLiteral("/nonexistent/"), c));
  EXPECT_FALSE(c.termCorrection);
  EXPECT_EQ(Pillars(c).left(5), U("庚辰 戊寅"));
}

TEST_F(Chart, HourPillarKeepsTheDay) {
  // 2000-01-07 is a 甲子 day. 23:00 belongs to its 子 hour; 21:00 and 22:00 are 乙亥.
  const std::pair<int, const char*> cases[] = {{0, "甲子"}, {23, "甲子"}, {21, "乙亥"}, {22, "乙亥"}, {1, "乙丑"}, {12, "庚午"}};
  for (const auto& [hour, pillar] : cases) {
    const BaziChart c = Of(2000, 1, 7, hour, 30);
    EXPECT_EQ(c.pillarChars[4] + c.pillarChars[5], U("甲子"));
    EXPECT_EQ(c.pillarChars[6] + c.pillarChars[7], U(pillar)) << "hour " << hour;
  }
  EXPECT_EQ(Pillars(Of(1900, 1, 1, 0, 0)).mid(6, 2), U("甲戌"));  // the formula's anchor
}

TEST_F(Chart, MonthLengthCheck) {
  const struct {
    int year, month, day;
    bool accepted;
  } cases[] = {{2001, 2, 29, false}, {2000, 2, 29, true}, {1900, 2, 29, false}, {2023, 4, 31, false},
               {2023, 2, 30, false}, {2023, 1, 31, true},  {2023, 12, 31, true}};
  for (const auto& k : cases) {
    BaziChart c;
    c.year = -1;
    EXPECT_EQ(ComputeBaziChart(k.year, k.month, k.day, 0, 0, U("男"), fixture_->Folder(), c), k.accepted)
        << k.year << "-" << k.month << "-" << k.day;
    if (!k.accepted) {
      EXPECT_EQ(c.year, -1);  // the chart is left as it was
    }
  }
}

TEST_F(Chart, HiddenStemYearBeforeTheTable) {
  // The year index comes from the lunar year of the next jie; before 1900-01-31 there is
  // none, L reads 0 and the index is 8 (申).
  EXPECT_EQ(Of(1900, 1, 1, 0, 0).hiddenStems[0], U("戊庚壬"));
}

TEST(JieTerms, TheTwelveJieOnly) {
  for (const char* jie : {"立春", "惊蛰", "清明", "立夏", "芒种", "小暑", "立秋", "白露", "寒露", "立冬", "大雪", "小寒"})
    EXPECT_TRUE(IsJieTerm(U(jie))) << jie;
  for (const char* other : {"雨水", "冬至", "大寒", "", " 立春", "立春 "}) EXPECT_FALSE(IsJieTerm(U(other))) << other;
  EXPECT_EQ(JieInstantStatement(2000, QDate(2000, 2, 4)),
            U("select top 1 SJ from JQ where YearA = 2000  and JQ in ('立春','惊蛰','清明','立夏','芒种','小暑','立秋','白露','寒露','立冬','大雪','小寒') and FORMAT(SJ,'yyyy-mm-dd') = '2000-02-04'"));
}

}  // namespace
}  // namespace velmora::bazi
