// cal_lunar_test.cpp: the calendar window's lunar engine, its corrected months, and its
// agreement with the birth chart's table.
#include "calendar/cal_lunar.h"

#include <gtest/gtest.h>

#include "calendar/lunar.h"

namespace velmora::calendar {
namespace {

QDate D(const char* iso) { return QDate::fromString(QString::fromLatin1(iso), Qt::ISODate); }

TEST(CalLunarCode, EdgeCases) {
  struct Case { const char* date; int code; const char* month; const char* day; };
  const Case cases[] = {
      {"1901-01-01", 1111, "冬月", "十一"},  // first day of the table
      {"1901-02-19", 101, "正月", "初一"},
      {"2050-12-31", 1118, "冬月", "十八"},  // last day of the table
      {"2001-01-01", 1207, "腊月", "初七"},  // bit 7 of byte 0: the twelfth month
      {"2023-01-21", 1230, "腊月", "三十"},
      {"2023-01-22", 101, "正月", "初一"},
      {"2023-03-22", -201, "闰二", "初一"},  // a leap month's text has no 月
      {"2023-04-19", -229, "闰二", "廿九"},
      {"2033-12-31", -1110, "闰冬", "初十"},
      {"2034-01-01", -1111, "闰冬", "十一"},  // the leap month runs on from the year before
      {"2034-01-20", 1201, "腊月", "初一"},
      {"1900-12-31", 0, "", ""},             // outside the table: nothing to say
      {"2051-01-01", 0, "", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CalLunarCode(D(c.date)), c.code) << c.date;
    EXPECT_EQ(CalLunarMonthText(D(c.date)), QString::fromUtf8(c.month)) << c.date;
    EXPECT_EQ(CalLunarDayText(D(c.date)), QString::fromUtf8(c.day)) << c.date;
  }
}

// The two months this table once began a day early or late (a new moon minutes after
// midnight, Beijing time): the days around each boundary, true values from lunar-javascript.
// 七夕 1989 falls on 08-08.
TEST(CalLunarCode, CorrectedMonthsReadAsTheAlmanacs) {
  struct Case { const char* date; int code; };
  const Case cases[] = {
      {"1989-07-31", 629}, {"1989-08-01", 630}, {"1989-08-02", 701}, {"1989-08-08", 707},
      {"1989-08-30", 729}, {"1989-08-31", 801},
      {"2013-06-07", 429}, {"2013-06-08", 501}, {"2013-07-07", 530}, {"2013-07-08", 601},
  };
  for (const Case& c : cases) EXPECT_EQ(CalLunarCode(D(c.date)), c.code) << c.date;
}

// This engine and the birth chart's (lunar.h) keep tables of their own; both follow the
// almanacs, so the calendar window, the 吉日 list and a lunar birth date never disagree.
TEST(CalLunarCode, AgreesWithTheBirthChartTableEveryDay) {
  for (QDate d(1901, 1, 1); d <= QDate(2050, 12, 31); d = d.addDays(1)) {
    const LunarDate l = SolarToLunar(d);
    const int code = (l.leap() ? -1 : 1) * (l.month() * 100 + l.day());
    ASSERT_EQ(CalLunarCode(d), code) << d.toString(Qt::ISODate).toStdString();
  }
}

TEST(CalShengxiao, Boundaries) {
  struct Case { const char* date; const char* pair; };
  const Case cases[] = {
      {"2023-01-21", "寅虎"},  // 腊月 in January: still the old lunar year
      {"2023-01-22", "卯兔"},  // 正月初一
      {"2024-12-31", "辰龙"},  // 腊月 in December keeps the Gregorian year
      {"2025-01-01", "辰龙"},  // 腊月 in January
      {"2034-01-01", "丑牛"},  // 闰冬 counts as 冬
      {"1972-06-01", "子鼠"},  // the base year
      {"1901-01-01", "子鼠"},
      {"2051-01-01", ""},      // outside the table
  };
  for (const Case& c : cases) EXPECT_EQ(CalShengxiao(D(c.date)), QString::fromUtf8(c.pair)) << c.date;
}

}  // namespace
}  // namespace velmora::calendar
