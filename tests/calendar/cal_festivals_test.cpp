// cal_festivals_test.cpp: the calendar window's solar terms, festivals and star signs.
#include "calendar/cal_festivals.h"

#include <gtest/gtest.h>

namespace velmora::calendar {
namespace {

QDate D(const char* iso) { return QDate::fromString(QString::fromLatin1(iso), Qt::ISODate); }

TEST(CalSolarTerm, ByTheTable) {
  struct Case { const char* date; const char* name; };
  const Case cases[] = {
      {"1901-01-06", "小寒"},  // 0x96: 15 − 9
      {"1901-01-21", "大寒"},  //       15 + 6
      {"1901-01-07", ""},
      {"2023-12-22", "冬至"},
      {"2050-12-07", "大雪"},  // last year of the table
      {"1995-08-21", "处暑"},  // as tabled, though the term fell on the 23rd
      {"1900-01-06", ""},      // outside the table: no terms at all
      {"2051-01-05", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(CalSolarTermName(D(c.date)), QString::fromUtf8(c.name)) << c.date;
  EXPECT_EQ(CalSolarTermIndex(1901, 1, 6), 1);
  EXPECT_EQ(CalSolarTermIndex(1901, 12, 22), 24);
}

TEST(CalGregorianFestival, FixedDaysAndWeekdayRules) {
  struct Case { int day; const char* month; const char* name; };
  const Case cases[] = {
      {1, "2023-01-15", "元旦节"},
      {14, "2023-02-01", "情人节"},
      {10, "2009-05-01", "母亲节"},  // Sunday of the second week
      {3, "2009-05-20", ""},         // a Sunday of the first week
      {21, "2009-06-01", "父亲节"},  // Sunday of the third week
      {26, "2009-11-01", "感恩节"},  // Thursday of the fourth week
      {19, "2009-11-01", ""},        // the third Thursday
      {31, "2023-10-01", "万圣节"},
      {25, "2023-12-31", "圣诞节"},
      {24, "2023-12-01", ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(CalGregorianFestival(c.day, D(c.month)), QString::fromUtf8(c.name)) << c.month << " day " << c.day;
}

TEST(CalLunarFestival, ByMonthTextAndDay) {
  struct Case { const char* date; const char* name; };
  const Case cases[] = {
      {"2023-01-22", "春节"},    // 正月初一
      {"2023-02-05", "元宵节"},  // 正月十五
      {"2023-06-22", "端午节"},
      {"2023-08-22", "七夕节"},
      {"2023-09-29", "中秋节"},  // 八月十五
      {"2023-10-23", "重阳节"},
      {"2024-01-18", "腊八节"},
      {"2023-01-21", "除夕"},    // 腊月三十, followed by 正月初一
      {"2025-01-28", "除夕"},    // 腊月廿九 of a short twelfth month
      {"2025-01-27", ""},
      {"2023-04-05", ""},        // 闰二月十五: leap months have no festival
      {"2023-02-06", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(CalLunarFestival(D(c.date)), QString::fromUtf8(c.name)) << c.date;
}

TEST(CalXingzuo, Boundaries) {
  struct Case { const char* date; const char* sign; };
  const Case cases[] = {
      {"2023-01-19", "摩羯座"}, {"2023-01-20", "水瓶座"},
      {"2023-04-19", "白羊座"}, {"2023-04-20", "金牛座"},  // no trailing blank here
      {"2023-08-22", "狮子座"}, {"2023-08-23", "处女座"},  // the day the table leaves open
      {"2023-10-23", "天秤座"}, {"2023-10-24", "天蝎座"},
      {"2023-12-21", "射手座"}, {"2023-12-22", "摩羯座"},
  };
  for (const Case& c : cases) EXPECT_EQ(CalXingzuo(D(c.date)), QString::fromUtf8(c.sign)) << c.date;
}

}  // namespace
}  // namespace velmora::calendar
