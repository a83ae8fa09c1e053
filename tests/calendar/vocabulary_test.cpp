// vocabulary_test.cpp: the name tables and the year, month, day and star-sign texts.
#include "calendar/vocabulary.h"

#include <gtest/gtest.h>

#include "text/gbk.h"

namespace velmora::calendar {
namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

TEST(NameTables, NaturalOrder) {
  EXPECT_EQ(NameText(TianganNames[0]), U("甲"));
  EXPECT_EQ(NameText(TianganNames[9]), U("癸"));
  EXPECT_EQ(NameText(DizhiNames[0]), U("子"));
  EXPECT_EQ(NameText(DizhiNames[11]), U("亥"));
  EXPECT_EQ(NameText(ShengxiaoNames[4]), U("龙"));
  EXPECT_EQ(NameText(ShengxiaoNames[11]), U("猪"));
}

TEST(CyclicTables, RemainderOneIsFirstAndZeroIsLast) {
  struct Case { int n; const char* gan; const char* zhi; const char* shishen; };
  const Case cases[] = {
      {0, "癸", "亥", "正印"},   // remainder 0: the last entry
      {1, "甲", "子", "比肩"},   // remainder 1: the first entry
      {2, "乙", "丑", "劫财"},
      {7, "庚", "午", "七杀"},
      {9, "壬", "申", "偏印"},
      {10, "癸", "酉", "正印"},  // 10 wraps in the ten-cycles, not in the branches
      {11, "甲", "戌", "比肩"},  // last branch of DizhiCycle
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NameText(TianganCycle[static_cast<std::size_t>(c.n % 10)]), U(c.gan)) << c.n;
    EXPECT_EQ(NameText(DizhiCycle[static_cast<std::size_t>(c.n % 12)]), U(c.zhi)) << c.n;
    EXPECT_EQ(NameText(ShishenCycle[static_cast<std::size_t>(c.n % 10)]), U(c.shishen)) << c.n;
  }
}

TEST(CyclicTables, ShiftedByOneFromNaturalOrder) {
  for (std::size_t n = 0; n < 10; ++n) EXPECT_EQ(TianganCycle[n], TianganNames[(n + 9) % 10]) << n;
  for (std::size_t n = 0; n < 12; ++n) EXPECT_EQ(DizhiCycle[n], DizhiNames[(n + 11) % 12]) << n;
}

TEST(CangganTable, HiddenStemsOfEachBranch) {
  const char* expected[] = {"癸", "癸辛己", "甲丙戊", "乙", "乙戊癸", "庚丙戊",
                            "己丁", "乙己丁", "戊庚壬", "辛", "辛丁戊", "壬甲"};
  for (std::size_t i = 0; i < 12; ++i) {
    EXPECT_EQ(NameText(CangganTable[i]), U(expected[i])) << NameText(DizhiNames[i]).toStdString();
  }
}

TEST(NameOf, CycleValues) {
  EXPECT_EQ(NameOf(Tiangan::FromIndex(2)), U("丙"));
  EXPECT_EQ(NameOf(Dizhi::FromIndex(-1)), U("亥"));       // negatives wrap
  EXPECT_EQ(NameOf(Element::FromIndex(0)), U("木"));
  EXPECT_EQ(NameOf(Element::FromIndex(3)), U("金"));
  EXPECT_EQ(NameOf(GanZhi::FromIndex(59)), U("癸亥"));
  EXPECT_EQ(ShengxiaoOf(Dizhi::FromIndex(1)), U("牛"));
}

TEST(GanZhiYearText, Examples) {
  struct Case { int lunarYear; const char* text; };
  const Case cases[] = {
      {1984, "甲子(鼠年)"},  // 1864 + 120: start of a cycle
      {2000, "庚辰(龙年)"},  // dragon year
      {2023, "癸卯(兔年)"},  // rabbit year
      {1900, "庚子(鼠年)"},  // first year callers pass (n = 36)
      {1901, "辛丑(牛年)"},
      {2043, "癸亥(猪年)"},  // end of a cycle
      {2100, "庚申(猴年)"},  // last year of the table
      {1864, "甲子(鼠年)"},  // n = 0
      {1863, "癸亥(猪年)"},  // n = −1 counts back instead of indexing before the table
  };
  for (const Case& c : cases) EXPECT_EQ(GanZhiYearText(c.lunarYear - 1864), U(c.text)) << c.lunarYear;
}

TEST(GanZhiYearText, FixedByteLayout) {
  for (int n = -60; n < 300; ++n) {
    const QString text = GanZhiYearText(n);
    ASSERT_EQ(text::GbkLength(text), 10) << n;
    const GanZhi gz = GanZhi::FromIndex(n);
    EXPECT_EQ(text::GbkMid(text, kYearPillarFirstByte, kYearPillarLastByte), NameOf(gz)) << n;
    EXPECT_EQ(text::GbkMid(text, 5, 5), U("(")) << n;  // one-byte ASCII parenthesis
    EXPECT_EQ(text::GbkMid(text, kYearAnimalFirstByte, kYearAnimalLastByte), ShengxiaoOf(gz.zhi())) << n;
    EXPECT_EQ(text::GbkMid(text, 8, 10), U("年)")) << n;
  }
}

TEST(LunarDayText, AllDays) {
  struct Case { int day; const char* text; };
  const Case cases[] = {
      {1, "初一"}, {9, "初九"}, {10, "初十"},     // 初 prefix for 1..10
      {11, "十一"}, {15, "十五"}, {19, "十九"},   // 十 prefix for 11..19
      {20, "二十"},                               // 20 stands alone
      {21, "廿一"}, {25, "廿五"}, {29, "廿九"},   // 廿 prefix for 21..29
      {30, "三十"},                               // 30 stands alone
      {0, ""}, {31, ""}, {-1, ""}, {100, ""},     // outside 1..30: empty
  };
  for (const Case& c : cases) EXPECT_EQ(LunarDayText(c.day), U(c.text)) << c.day;
}

TEST(LunarMonthText, AllMonths) {
  struct Case { int month; bool leap; const char* text; };
  const Case cases[] = {
      {1, false, "一月"},      // not 正月
      {2, false, "二月"},
      {10, false, "十月"},
      {11, false, "十一月"},
      {12, false, "十二月"},   // not 腊月
      {2, true, "闰二月"},     // leap month
      {4, true, "闰四月"},
      {11, true, "闰十一月"},
      {0, false, "月"},        // no number outside 1..12
      {13, false, "月"},
      {0, true, "闰月"},
      {-3, true, "闰月"},
  };
  for (const Case& c : cases) EXPECT_EQ(LunarMonthText(c.month, c.leap), U(c.text)) << c.month << c.leap;
}

TEST(XingzuoOf, RangeEdges) {
  struct Case { int month; int day; const char* sign; };
  const Case cases[] = {
      {1, 1, "摩羯座"},     // year starts inside 摩羯座
      {1, 19, "摩羯座"},
      {1, 20, "水瓶座"},
      {2, 18, "水瓶座"},
      {2, 19, "双鱼座"},
      {2, 29, "双鱼座"},    // leap day
      {3, 20, "双鱼座"},
      {3, 21, "白羊座"},
      {4, 20, "白羊座"},    // last day of 白羊座
      {4, 21, "金牛座 "},   // first day of 金牛座, with its trailing blank
      {5, 20, "金牛座 "},
      {5, 21, "双子座"},
      {6, 21, "双子座"},
      {6, 22, "巨蟹座"},
      {7, 22, "巨蟹座"},
      {7, 23, "狮子座"},
      {8, 22, "狮子座"},
      {8, 23, "处女座"},
      {9, 22, "处女座"},
      {9, 23, "天秤座"},
      {10, 22, "天秤座"},
      {10, 23, "天蝎座"},   // first day of 天蝎座
      {11, 21, "天蝎座"},
      {11, 22, "射手座"},
      {12, 21, "射手座"},
      {12, 22, "摩羯座"},
      {12, 31, "摩羯座"},   // year ends inside 摩羯座
  };
  for (const Case& c : cases) {
    EXPECT_EQ(XingzuoOf(QDate(2000, c.month, c.day)), U(c.sign)) << c.month << "-" << c.day;
  }
}

TEST(XingzuoOf, EveryDayHasOneSignAndInvalidHasNone) {
  for (QDate d(2023, 1, 1); d.year() == 2023; d = d.addDays(1)) EXPECT_FALSE(XingzuoOf(d).isEmpty()) << d.toString(Qt::ISODate).toStdString();
  EXPECT_TRUE(XingzuoOf(QDate()).isEmpty());  // no date, no sign
}

TEST(HourItems, BranchOfEachHour) {
  const QStringList items = HourItems();
  ASSERT_EQ(items.size(), 24);
  EXPECT_EQ(items.front(), QString::fromUtf8("子 0"));    // midnight opens 子
  EXPECT_EQ(items.at(1), QString::fromUtf8("丑 1"));
  EXPECT_EQ(items.at(10), QString::fromUtf8("巳 10"));
  EXPECT_EQ(items.at(11), QString::fromUtf8("午 11"));
  EXPECT_EQ(items.at(22), QString::fromUtf8("亥 22"));
  EXPECT_EQ(items.back(), QString::fromUtf8("子 23"));   // 23:00 is already the next 子
  EXPECT_EQ(HourItemText(24), QString());
  EXPECT_EQ(HourItemText(-1), QString());
}

}  // namespace
}  // namespace velmora::calendar
