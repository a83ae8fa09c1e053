// lunar.h: Gregorian ↔ Chinese lunar dates by the program's lunar table.
//
// Exports LunarDate, the table readers (LunarMonthDays, LunarLeapMonth, LunarLeapDays,
// LunarYearDays), SolarToLunar, IsValidLunar and LunarToSolar. Gregorian dates are QDate.
//
// The table (lunar_table.h) holds month lengths per lunar year 1900..2100. Two anchors tie
// it to the Gregorian calendar: lunar 1900-01-01 is 1900-01-31 (SolarToLunar counts from it)
// and lunar 2000-01-01 is 2000-02-05 (LunarToSolar counts from it). SolarToLunar covers
// 1900-01-31..2100-12-31; LunarToSolar accepts only lunar years 1901..2099, so a date in
// lunar 1900 or 2100 converts one way but not back.
#pragma once

#include <QDate>

#include <compare>

namespace velmora::calendar {

// A lunar date: year (numbered like the Gregorian year in which its first month begins),
// month 1..12, day 1..30, and whether it lies in the leap month that follows the ordinary
// month of the same number. The default value, all fields zero, means "no date".
class LunarDate {
 public:
  constexpr LunarDate() = default;
  static constexpr LunarDate FromYmd(int year, int month, int day, bool leap = false) {
    return LunarDate(year, month, day, leap);
  }

  constexpr int year() const { return year_; }
  constexpr int month() const { return month_; }
  constexpr int day() const { return day_; }
  constexpr bool leap() const { return leap_; }
  constexpr bool isNull() const { return *this == LunarDate(); }

  // Ordered by year, month, leap, day: within one year this is the order of the days,
  // because a leap month follows the ordinary month of its number.
  friend constexpr auto operator<=>(const LunarDate&, const LunarDate&) = default;

 private:
  constexpr LunarDate(int year, int month, int day, bool leap)
      : year_(year), month_(month), leap_(leap), day_(day) {}

  int year_ = 0;
  int month_ = 0;
  bool leap_ = false;  // before day_ so that the defaulted ordering is chronological
  int day_ = 0;
};

// Days (29 or 30) of ordinary month `month` of lunar year `year`. Months below 1 read as
// month 1 and months above 12 as month 12; a year outside 1900..2100 gives 0.
int LunarMonthDays(int year, int month);

// The month (1..12) that is followed by a leap month in `year`, or 0 for none (also for a
// year outside the table).
int LunarLeapMonth(int year);

// Days of the leap month of `year`: 0 without one, else 30 or 29 as the next year's word
// says (its low four bits 15 mean 30).
int LunarLeapDays(int year);

// Days of lunar year `year` (353..385), leap month included; 0 outside the table.
int LunarYearDays(int year);

// The lunar date of a Gregorian date in 1900-01-31..2100-12-31; the null LunarDate for any
// other date (an invalid QDate included).
LunarDate SolarToLunar(QDate date);

// Whether `date` names a day of the lunar years 1901..2099 that the table knows: month
// 1..12, day 1..the month's length, and for a leap date the year's leap month.
bool IsValidLunar(const LunarDate& date);

// The Gregorian date of a lunar date; 0001-01-01 for a date IsValidLunar rejects (that date
// lies outside SolarToLunar's range, so a round trip yields the null LunarDate).
QDate LunarToSolar(const LunarDate& date);

}  // namespace velmora::calendar
