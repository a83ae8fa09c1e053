// solar_terms_test.cpp: solar-term instants by the mean year and the term of a date.
#include "calendar/solar_terms.h"

#include <gtest/gtest.h>

namespace velmora::calendar {
namespace {

QDateTime At(int y, int mo, int d, int h, int mi, int s, int ms) {
  return QDateTime(QDate(y, mo, d), QTime(h, mi, s, ms), Qt::UTC);
}

TEST(SolarTermInstant, MeanYearFormula) {
  struct Case { int year; int k; QDateTime instant; };
  const Case cases[] = {
      {1900, 0, At(1900, 1, 6, 2, 5, 0, 0)},        // the epoch: 小寒 1900
      {1901, 0, At(1901, 1, 6, 7, 53, 45, 975)},    // one mean year later, .7 rounds up
      {1905, 0, At(1905, 1, 6, 7, 8, 49, 874)},     // exact tie …873.5 rounds to even 874
      {1915, 0, At(1915, 1, 6, 17, 16, 29, 620)},   // exact tie …620.5 rounds to even 620
      {2000, 2, At(2000, 2, 4, 19, 8, 37, 470)},    // 立春 2000
      {2023, 23, At(2023, 12, 22, 9, 41, 14, 888)}, // 冬至 2023
      {1899, 0, At(1899, 1, 5, 20, 16, 14, 25)},    // before the epoch: a year subtracted
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SolarTermInstant(c.year, c.k), c.instant) << c.year << "/" << c.k;
  }
}

TEST(SolarTermInstant, TermOutsideTheYearIsInvalid) {
  EXPECT_FALSE(SolarTermInstant(2000, -1).isValid());  // no term before 小寒
  EXPECT_FALSE(SolarTermInstant(2000, 24).isValid());  // no term after 冬至
}

TEST(SolarTermInstant, EachTermFallsInItsMonth) {
  // Term 2m − 2 and 2m − 1 belong to Gregorian month m throughout the lunar range.
  for (int y = 1900; y <= 2100; ++y) {
    for (int k = 0; k < kSolarTermCount; ++k) {
      EXPECT_EQ(SolarTermInstant(y, k).date().month(), k / 2 + 1) << y << "/" << k;
    }
  }
}

TEST(SolarTermName, WholeDates) {
  struct Case { QDate date; const char* name; };
  const Case cases[] = {
      {QDate(2000, 2, 4), "立春"},    // first term of February
      {QDate(2000, 2, 3), ""},        // the day before: no term
      {QDate(2000, 2, 19), "雨水"},   // second term of February
      {QDate(2023, 12, 22), "冬至"},  // last term of the year
      {QDate(2023, 1, 5), "小寒"},    // first term of the year
      {QDate(1900, 1, 6), "小寒"},    // the epoch
      {QDate(2023, 6, 22), "夏至"},   // the mean year puts it a day after the true 06-21
      {QDate(2023, 6, 21), ""},
      {QDate(2023, 6, 15), ""},       // between terms
      {QDate(), ""},                  // no date
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SolarTermName(c.date), QString::fromUtf8(c.name)) << c.date.toString(Qt::ISODate).toStdString();
    EXPECT_EQ(SolarTermName(QDateTime(c.date, QTime(0, 0), Qt::UTC)), QString::fromUtf8(c.name));
  }
}

TEST(SolarTermName, TimeOfDayNeverMatches) {
  EXPECT_EQ(SolarTermName(At(2000, 2, 4, 12, 0, 0, 0)), QString());   // 立春 day at noon
  EXPECT_EQ(SolarTermName(At(2000, 2, 4, 0, 0, 0, 1)), QString());    // one millisecond in
  EXPECT_EQ(SolarTermName(QDateTime(QDate(2000, 2, 4), QTime(0, 0))), QStringLiteral("立春"));  // a local-time value reads the same
}

TEST(SolarTermName, TwoTermsEveryMonth) {
  // Every month of a year has exactly its two terms, one each on two different days.
  for (int y : {1901, 1984, 2000, 2023, 2099}) {
    int found = 0;
    for (QDate d(y, 1, 1); d.year() == y; d = d.addDays(1)) {
      if (!SolarTermName(d).isEmpty()) ++found;
    }
    EXPECT_EQ(found, kSolarTermCount) << y;
  }
}

}  // namespace
}  // namespace velmora::calendar
