// favourable_test.cpp: the favourable elements against worked charts whose answer a
// classical or textbook reading gives, the climate rule's cases from 穷通宝鉴, and the
// pillars the rule reads from a chart.
#include "bazi/chart.h"
#include "bazi/favourable.h"
#include "calendar/vocabulary.h"

#include "../refdb/fixture.h"

#include <gtest/gtest.h>

namespace velmora::bazi {
namespace {

QString U(const char* s) { return QString::fromUtf8(s); }

QString Elements(const std::vector<calendar::Element>& list) {
  QString s;
  for (calendar::Element e : list) s += calendar::NameOf(e);
  return s;
}

struct Worked {
  const char* pillars;
  const char* who;     // the chart's owner, as the source names it
  bool strong;         // our verdict: support of 50 or more
  const char* favoured;
  const char* avoided;
};

// Each row: the source's answer in the comment, ours in the columns. Pillars checked with
// lunar-javascript (tools/check_worked_charts.js). Where the source names one useful
// element, ours must hold it first.
const Worked kWorked[] = {
    // 滴天髓阐微 (任铁樵): 庚 born in 酉, 阳刃 当令, 火炼秋金: 用丁火.
    {"辛卯 丁酉 庚午 丙子", "乾隆", true, "火木", "金"},
    // Textbook reading: 丁 in 子, 七杀 当令, 身弱; 用甲木印, 喜木火, 忌水金.
    {"癸巳 甲子 丁酉 甲辰", "毛泽东", false, "木火", "水金"},
    // 己 in 戌, 得令, 巳午 火 生身, 身旺; 用庚金伤官泄秀, 喜金水, 忌火土.
    {"丁亥 庚戌 己巳 庚午", "蒋介石", true, "金水", "土火"},
    // 丙 in 亥, 官杀 当令, 土 泄身, 身弱; 喜木火, 忌水土.
    {"辛未 己亥 丙辰 己亥", "曾国藩", false, "木火", "水土"},
    // 辛 in 亥, 金水伤官, 寅卯 财 重, 身弱; 喜土金, 忌木水.
    {"丙寅 己亥 辛卯 庚寅", "孙中山", false, "金土", "木水"},
    // 戊 in 申, 食神 当令, 金水 旺, 身弱; 喜火土, 忌金水.
    {"甲辰 壬申 戊子 庚申", "邓小平", false, "土火", "水金"},
    // 丁 in 子, 杀 旺 身弱; 用甲木印, 喜木火.
    {"戊午 甲子 丁酉 壬寅", "雍正", false, "木火", "水金"},
    // 戊 in 辰, 比劫 当令, 丁巳 印 生身, 身旺; 用甲木七杀.
    {"甲午 戊辰 戊申 丁巳", "康熙", true, "木水", "土火"},
    // 乙 in 寅, 比劫 当令, 亥 印 生身, 身旺; 喜火土 (食伤生财), 忌木水.
    {"癸未 甲寅 乙亥 己卯", "李鸿章", true, "火土", "木水"},
    // 丁 in 酉, 财 当令, 身弱; 喜比劫帮身, 火木, 忌金土.
    {"己未 癸酉 丁巳 丁未", "袁世凯", false, "火木", "金土"},
    // 穷通宝鉴 五月丙火: 专用壬水, 庚金为佐 (水 金).
    {"辛巳 甲午 丙寅 癸巳", "2001-07-02 10时", true, "水金", "火木"},
    // 穷通宝鉴 十一月庚金: 丁甲为用, 丙火照暖 (火 木); ours keeps 扶抑's 土 second.
    {"庚辰 戊子 庚申 辛巳", "2000-12-28 10时", false, "火土", "水"},
    // 穷通宝鉴 十二月甲木: 丁庚为用 (火 金); ours keeps 扶抑's 木 second.
    {"庚辰 己丑 甲申 己巳", "2001-01-21 10时", false, "火木", "土金"},
};

TEST(Favourable, WorkedCharts) {
  for (const Worked& w : kWorked) {
    SCOPED_TRACE(w.who);
    const std::optional<Pillars> p = PillarsFromText(U(w.pillars));
    ASSERT_TRUE(p);
    const Favourable f = JudgeFavourable(*p);
    EXPECT_EQ(f.support >= 500, w.strong) << f.support;
    EXPECT_EQ(Elements(f.favoured), U(w.favoured)) << f.reason.toStdString();
    EXPECT_EQ(Elements(f.avoided), U(w.avoided));
    for (calendar::Element e : f.favoured) EXPECT_FALSE(f.Avoids(e));
  }
}

// The weights by hand for 乾隆's chart: 酉 40 (辛) + 辛 6 + 午's 己 16 × 0.3 = 50.8; the
// report prints the rounded support and the climate rule stays out of an autumn chart.
TEST(Favourable, SupportAndReason) {
  const Favourable f = JudgeFavourable(*PillarsFromText(U("辛卯 丁酉 庚午 丙子")));
  EXPECT_EQ(f.support, 508);
  EXPECT_EQ(f.strength, Strength::RatherStrong);
  EXPECT_FALSE(f.climate);
  EXPECT_EQ(f.ElementsLine(), U("喜用：火、木。忌：金。"));
  EXPECT_EQ(f.reason, U("日主庚金生于酉月，月令酉金与日主同气，得令；通根于酉，天干辛金相帮；扶身51分（满分100，"
                        "50分为界），偏旺。比劫多身旺，宜火（官杀）制身，木（财）生官。"));
}

// 调候 gives way when the chart already holds enough of the climate element: 丙 in 午 with
// 壬 beside it and 子 under it keeps 扶抑's answer.
TEST(Favourable, ClimateOnlyWhenLacking) {
  const Favourable dry = JudgeFavourable(*PillarsFromText(U("辛巳 甲午 丙寅 癸巳")));
  EXPECT_TRUE(dry.climate);
  const Favourable wet = JudgeFavourable(*PillarsFromText(U("壬子 丙午 丙子 壬辰")));
  EXPECT_FALSE(wet.climate);
}

TEST(Favourable, PillarsFromTextRefusesOtherText) {
  for (const char* bad : {"", "辛卯 丁酉 庚午", "辛卯 丁酉 庚午 丙", "辛卯 丁酉 庚午 子丙", "甲子 乙丑 丙寅 丁卯 戊辰"}) {
    EXPECT_FALSE(PillarsFromText(U(bad))) << bad;
  }
}

// The chart's fixed windows give way to the real jie: 2021-02-03 23:30 lies after 立春
// (22:58:39 in table JQ), so the rule reads 庚寅 month of a 辛丑 year, where the chart
// keeps 己丑 and 庚子.
TEST(Favourable, PillarsOfChartFollowTheRealJie) {
  testing::FixtureFolder fixture;
  fixture.CreateStandard();
  fixture.Run(QStringLiteral("Tgcode.dll"),
              "INSERT INTO JQ VALUES (2021,'小寒','2021-01-05 11:23:17'),(2021,'立春','2021-02-03 22:58:39'),"
              "(2021,'惊蛰','2021-03-05 16:53:32');");
  BaziChart chart;
  ASSERT_TRUE(ComputeBaziChart(2021, 2, 3, 23, 30, U("女"), fixture.Folder(), chart));
  const Pillars p = PillarsOfChart(chart, fixture.Folder());
  EXPECT_EQ(calendar::NameOf(p.stems[0]) + calendar::NameOf(p.branches[0]), U("辛丑"));
  EXPECT_EQ(calendar::NameOf(p.stems[1]) + calendar::NameOf(p.branches[1]), U("庚寅"));
  EXPECT_EQ(chart.pillarChars[2] + chart.pillarChars[3], U("己丑"));
}

// The boxes of the main window: a usable date gives the chart's elements (2024-07-15 10:00
// is 甲辰 辛未 庚辰 辛巳: 水 木), a date the report refuses gives none, so names are not
// balanced to a chart nobody asked for.
TEST(Favourable, OfTheBirthBoxes) {
  BirthInput in{U("张"), U("女"), U("2024"), U("07"), U("15"), U("巳 10"), U("00"), 0};
  const std::optional<Favourable> f = FavourableOfBirth(in, QStringLiteral("/nonexistent/"));
  ASSERT_TRUE(f);
  EXPECT_EQ(Elements(f->favoured), U("水木"));
  for (const char* day : {"31", "", "x5"}) {
    in.month = U("06");
    in.day = U(day);
    EXPECT_FALSE(FavourableOfBirth(in, QStringLiteral("/nonexistent/"))) << day;
  }
}

}  // namespace
}  // namespace velmora::bazi
