// lunar_test.cpp: the lunar table readers and the Gregorian ↔ lunar conversion.
#include "calendar/lunar.h"

#include <gtest/gtest.h>

#include "calendar/lunar_table.h"

namespace velmora::calendar {
namespace {

LunarDate L(int y, int m, int d, bool leap = false) { return LunarDate::FromYmd(y, m, d, leap); }

std::string Show(const LunarDate& d) {
  return std::to_string(d.year()) + "-" + std::to_string(d.month()) + "-" + std::to_string(d.day()) +
         (d.leap() ? " leap" : "");
}

TEST(LunarDate, NullAndOrdering) {
  EXPECT_TRUE(LunarDate().isNull());                   // all zero: no date
  EXPECT_FALSE(L(2023, 1, 1).isNull());
  EXPECT_EQ(L(2023, 2, 1, true), L(2023, 2, 1, true));
  EXPECT_NE(L(2023, 2, 1, true), L(2023, 2, 1));       // leap flag counts
  EXPECT_LT(L(2023, 2, 29), L(2023, 2, 1, true));      // ordinary month before its leap month
  EXPECT_LT(L(2023, 2, 29, true), L(2023, 3, 1));      // leap month before the next month
  EXPECT_LT(L(2022, 12, 30), L(2023, 1, 1));
}

TEST(LunarTable, Readers) {
  struct Case { int year; int leapMonth; int leapDays; int yearDays; };
  const Case cases[] = {
      {1900, 8, 29, 384},   // leap 8th month of 29 days: 1901's word does not end in F
      {1906, 4, 30, 384},   // leap 4th month of 30 days, read from 1907's word (…F)
      {1907, 0, 0, 354},    // low bits F: no leap month of its own
      {1914, 5, 30, 384},   // leap 5th month of 30 days, read from 1915's word (…F)
      {2020, 4, 29, 384},   // leap 4th month
      {2023, 2, 29, 384},   // leap 2nd month
      {2021, 0, 0, 354},    // ordinary year
      {2100, 0, 0, 354},    // last year of the table
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LunarLeapMonth(c.year), c.leapMonth) << c.year;
    EXPECT_EQ(LunarLeapDays(c.year), c.leapDays) << c.year;
    EXPECT_EQ(LunarYearDays(c.year), c.yearDays) << c.year;
  }
}

TEST(LunarTable, MonthDaysBits) {
  struct Case { int year; int month; int days; };
  const Case cases[] = {
      {2023, 1, 29},    // 0x5B52: bit 15 clear
      {2023, 2, 30},    // bit 14 set
      {2023, 11, 29},   // bit 5 clear
      {2023, 12, 30},   // bit 4 set
      {2000, 1, 30},    // 0xC960: bit 15 set
      {2000, 12, 29},   // bit 4 clear
      {2000, 0, 30},    // a month below 1 reads as month 1
      {2000, -7, 30},
      {2000, 13, 29},   // a month above 12 reads as month 12, never the leap bits
      {2000, 40, 29},   // nor a shift past the word
      {1899, 1, 0},     // no word before the table
      {2101, 1, 0},     // no word after the table
  };
  for (const Case& c : cases) EXPECT_EQ(LunarMonthDays(c.year, c.month), c.days) << c.year << "/" << c.month;
}

TEST(LunarTable, OutsideTheTableIsEmpty) {
  EXPECT_EQ(LunarLeapMonth(1899), 0);
  EXPECT_EQ(LunarLeapDays(2101), 0);
  EXPECT_EQ(LunarYearDays(1899), 0);
  EXPECT_EQ(LunarYearDays(2101), 0);
}

TEST(LunarTable, YearLengthsStayInRange) {
  for (int y = kLunarTableFirstYear; y <= kLunarTableLastYear; ++y) {
    const int days = LunarYearDays(y);
    EXPECT_GE(days, 353) << y;
    EXPECT_LE(days, 385) << y;
    EXPECT_EQ(days > 370, LunarLeapMonth(y) != 0) << y;  // long years are the leap years
  }
}

TEST(SolarToLunar, Anchors) {
  struct Case { QDate solar; LunarDate lunar; };
  const Case cases[] = {
      {QDate(1900, 1, 31), L(1900, 1, 1)},          // first day of the range
      {QDate(2000, 2, 5), L(2000, 1, 1)},           // second anchor
      {QDate(1901, 2, 18), L(1900, 12, 30)},        // last day of lunar 1900
      {QDate(1901, 2, 19), L(1901, 1, 1)},          // first day of lunar 1901
      {QDate(2100, 12, 31), L(2100, 12, 1)},        // last day of the range
      {QDate(1900, 1, 30), LunarDate()},            // before the range: no date
      {QDate(2101, 1, 1), LunarDate()},             // after the range: no date
      {QDate(), LunarDate()},                       // an invalid date: no date
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SolarToLunar(c.solar), c.lunar) << c.solar.toString(Qt::ISODate).toStdString() << " → "
                                              << Show(SolarToLunar(c.solar));
  }
}

TEST(SolarToLunar, LeapMonths) {
  struct Case { QDate solar; LunarDate lunar; };
  const Case cases[] = {
      {QDate(2023, 3, 21), L(2023, 2, 30)},         // last day of the ordinary 2nd month
      {QDate(2023, 3, 22), L(2023, 2, 1, true)},    // first day of the leap 2nd month
      {QDate(2023, 4, 19), L(2023, 2, 29, true)},   // last day of the leap 2nd month (29 days)
      {QDate(2023, 4, 20), L(2023, 3, 1)},          // the month after the leap month
      {QDate(2020, 5, 23), L(2020, 4, 1, true)},    // leap 4th month
      {QDate(2023, 1, 22), L(2023, 1, 1)},          // new year
      {QDate(1900, 9, 24), L(1900, 8, 1, true)},    // leap month of the table's first year
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SolarToLunar(c.solar), c.lunar) << c.solar.toString(Qt::ISODate).toStdString() << " → "
                                              << Show(SolarToLunar(c.solar));
  }
}

TEST(SolarToLunar, LeapMonthLengthsFromTheNextWord) {
  struct Case { int year; QDate newYear; int leapMonth; int days; };
  const Case cases[] = {
      {1906, QDate(1906, 1, 25), 4, 30},  // 1907's word ends in F
      {1914, QDate(1914, 1, 26), 5, 30},  // 1915's word ends in F
      {1900, QDate(1900, 1, 31), 8, 29},  // 1901's word does not
  };
  for (const Case& c : cases) {
    ASSERT_EQ(SolarToLunar(c.newYear), L(c.year, 1, 1)) << c.year;
    // Walk the lunar year and count the days of its leap month.
    int counted = 0;
    for (QDate d = c.newYear; SolarToLunar(d).year() == c.year; d = d.addDays(1)) {
      const LunarDate l = SolarToLunar(d);
      if (l.leap()) {
        EXPECT_EQ(l.month(), c.leapMonth) << c.year;
        ++counted;
      }
    }
    EXPECT_EQ(counted, c.days) << c.year;
  }
}

TEST(SolarToLunar, CorrectedMonthsReadAsTheAlmanacs) {
  // The four months whose new moon fell minutes from midnight (Beijing time), where the
  // table once gave two neighbouring months their 29 and 30 days the wrong way round: the
  // last day of the earlier month, the first and last day of the later one. True values
  // from lunar-javascript (tools/compare_lunar.js checks every day of 1901..2100).
  struct Case { QDate solar; LunarDate lunar; };
  const Case cases[] = {
      {QDate(1906, 4, 23), L(1906, 3, 30)},  {QDate(1906, 4, 24), L(1906, 4, 1)},
      {QDate(1906, 5, 22), L(1906, 4, 29)},  {QDate(1906, 5, 23), L(1906, 4, 1, true)},
      {QDate(1914, 11, 16), L(1914, 9, 29)}, {QDate(1914, 11, 17), L(1914, 10, 1)},
      {QDate(1914, 12, 16), L(1914, 10, 30)},
      {QDate(2089, 9, 3), L(2089, 7, 29)},   {QDate(2089, 9, 4), L(2089, 8, 1)},
      {QDate(2089, 10, 3), L(2089, 8, 30)},
      {QDate(2097, 8, 6), L(2097, 6, 29)},   {QDate(2097, 8, 7), L(2097, 7, 1)},
      {QDate(2097, 9, 5), L(2097, 7, 30)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SolarToLunar(c.solar), c.lunar) << c.solar.toString(Qt::ISODate).toStdString() << " → "
                                              << Show(SolarToLunar(c.solar));
    EXPECT_EQ(LunarToSolar(c.lunar), c.solar) << Show(c.lunar);  // a lunar birth date converts back
  }
}

TEST(LunarToSolar, Examples) {
  struct Case { LunarDate lunar; QDate solar; };
  const Case cases[] = {
      {L(2023, 2, 1, true), QDate(2023, 3, 22)},    // leap month follows its ordinary month
      {L(2023, 1, 1), QDate(2023, 1, 22)},          // new year
      {L(2023, 3, 1), QDate(2023, 4, 20)},          // after a leap month
      {L(1901, 1, 1), QDate(1901, 2, 19)},          // first valid day
      {L(1999, 12, 29), QDate(2000, 2, 4)},         // day before the anchor (a 29-day month)
      {L(2000, 1, 1), QDate(2000, 2, 5)},           // the anchor
      {L(2099, 12, 1), QDate(2100, 1, 10)},         // last valid year
      {L(2020, 4, 1, true), QDate(2020, 5, 23)},
  };
  for (const Case& c : cases) {
    EXPECT_TRUE(IsValidLunar(c.lunar)) << Show(c.lunar);
    EXPECT_EQ(LunarToSolar(c.lunar), c.solar) << Show(c.lunar);
  }
}

TEST(LunarToSolar, RejectsInvalidDates) {
  const QDate none(1, 1, 1);
  const LunarDate cases[] = {
      L(2023, 2, 30, true),   // the leap 2nd month of 2023 has 29 days
      L(2023, 3, 1, true),    // 2023 has no leap 3rd month
      L(2021, 1, 1, true),    // 2021 has no leap month at all
      L(2023, 1, 30),         // the 1st month of 2023 has 29 days
      L(2023, 13, 1),         // month above 12
      L(2023, 1, 31),         // day above 30
      L(1900, 1, 1),          // lunar 1900 converts one way only
      L(1900, 12, 30),
      L(2100, 1, 1),          // lunar 2100 converts one way only
      L(1899, 1, 1),
      L(2023, 0, 1),          // month below 1 is no month
      L(2023, 1, 0),          // day below 1 is no day
      L(2023, -1, -1),
      L(2021, 0, 0, true),    // no leap month (0) and day 0 must not match each other
      LunarDate(),            // the null date
  };
  for (const LunarDate& d : cases) {
    EXPECT_FALSE(IsValidLunar(d)) << Show(d);
    EXPECT_EQ(LunarToSolar(d), none) << Show(d);
  }
  // 0001-01-01 lies outside SolarToLunar's range.
  EXPECT_TRUE(SolarToLunar(none).isNull());
}

TEST(LunarToSolar, RoundTripOverEveryDayOfLunar1901To2099) {
  const QDate first = LunarToSolar(L(1901, 1, 1));
  ASSERT_EQ(first, QDate(1901, 2, 19));
  int days = 0;
  QDate d = first;
  for (LunarDate l = SolarToLunar(d); l.year() <= 2099; d = d.addDays(1), l = SolarToLunar(d)) {
    ASSERT_FALSE(l.isNull()) << d.toString(Qt::ISODate).toStdString();
    ASSERT_TRUE(IsValidLunar(l)) << d.toString(Qt::ISODate).toStdString() << " → " << Show(l);
    ASSERT_EQ(LunarToSolar(l), d) << Show(l);
    ++days;
  }
  EXPECT_EQ(SolarToLunar(d), L(2100, 1, 1));  // the walk stopped at lunar 2100
  int expected = 0;
  for (int y = 1901; y <= 2099; ++y) expected += LunarYearDays(y);
  EXPECT_EQ(days, expected);
}

TEST(SolarToLunar, ConsecutiveDaysAdvanceByOne) {
  // Over the whole range each day follows the previous one: next day of the month, or day 1
  // of the next month, leap month or year.
  LunarDate prev = SolarToLunar(QDate(1900, 1, 31));
  for (QDate d(1900, 2, 1); d <= QDate(2100, 12, 31); d = d.addDays(1)) {
    const LunarDate l = SolarToLunar(d);
    ASSERT_FALSE(l.isNull()) << d.toString(Qt::ISODate).toStdString();
    ASSERT_LT(prev, l) << d.toString(Qt::ISODate).toStdString();
    if (l.day() != 1) {
      ASSERT_EQ(l, L(prev.year(), prev.month(), prev.day() + 1, prev.leap())) << d.toString(Qt::ISODate).toStdString();
    } else {
      ASSERT_GE(prev.day(), 29) << d.toString(Qt::ISODate).toStdString();
    }
    prev = l;
  }
}

}  // namespace
}  // namespace velmora::calendar
