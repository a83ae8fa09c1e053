// lunar.cpp: Gregorian ↔ lunar conversion by the program's lunar table (see lunar.h).
#include "calendar/lunar.h"

#include <algorithm>
#include <bit>
#include <optional>

#include "calendar/lunar_table.h"

namespace velmora::calendar {
namespace {

constexpr int kLeapIsLongMark = 15;  // low four bits: no leap month; last year's leap has 30 days
const QDate kSolarAnchor1900(1900, 1, 31);  // lunar 1900-01-01
const QDate kSolarAnchor2000(2000, 2, 5);   // lunar 2000-01-01
const QDate kSolarLast(2100, 12, 31);
constexpr int kValidFirstYear = 1901;
constexpr int kValidLastYear = 2099;

std::optional<unsigned> WordOf(int year) {
  if (year < kLunarTableFirstYear || year > kLunarTableLastYear) return std::nullopt;
  return LunarInfo[static_cast<std::size_t>(year - kLunarTableFirstYear)];
}

}  // namespace

int LunarMonthDays(int year, int month) {
  const auto word = WordOf(year);
  if (!word) return 0;
  // Clamping keeps the shift inside bits 15..4: a month above 12 would otherwise read the
  // leap-month bits, and one above 16 would shift past the word.
  const int m = std::clamp(month, 1, 12);
  return (*word >> (16 - m)) & 1u ? 30 : 29;
}

int LunarLeapMonth(int year) {
  const auto word = WordOf(year);
  if (!word) return 0;
  const int low = static_cast<int>(*word & 0xFu);
  return low == kLeapIsLongMark ? 0 : low;
}

int LunarLeapDays(int year) {
  if (LunarLeapMonth(year) == 0) return 0;
  // The leap month's length lives in the next year's word; the table's last year has no
  // successor, so its leap month (it has none) would read as 29 days.
  const auto next = WordOf(year + 1);
  return next && (*next & 0xFu) == kLeapIsLongMark ? 30 : 29;
}

int LunarYearDays(int year) {
  const auto word = WordOf(year);
  if (!word) return 0;
  return 348 + std::popcount(*word & 0xFFF0u) + LunarLeapDays(year);
}

LunarDate SolarToLunar(QDate date) {
  if (!date.isValid() || date < kSolarAnchor1900 || date > kSolarLast) return LunarDate();
  auto offset = static_cast<int>(kSolarAnchor1900.daysTo(date));

  // Whole years. An offset of exactly 0 after a subtraction is the first day of the year
  // reached; a negative one means we went one year too far.
  int year = kLunarTableFirstYear;
  int lastYearDays = 0;
  while (offset > 0) {
    lastYearDays = LunarYearDays(year);
    offset -= lastYearDays;
    ++year;
  }
  if (offset < 0) {
    offset += lastYearDays;
    --year;
  }

  // Months; the leap month follows the ordinary month of its number. The offset is below
  // the year's length, so it turns negative by month 12; the bound only keeps a damaged
  // table from reading past the months.
  const int leapMonth = LunarLeapMonth(year);
  bool leap = false;
  int month = 0;
  int lastMonthDays = 0;
  while (offset >= 0 && month < 12) {
    ++month;
    lastMonthDays = LunarMonthDays(year, month);
    offset -= lastMonthDays;
    if (offset >= 0 && month == leapMonth) {
      const int leapDays = LunarLeapDays(year);
      offset -= leapDays;
      if (offset < 0) {
        leap = true;
        lastMonthDays = leapDays;
      }
    }
  }
  offset += lastMonthDays;
  return LunarDate::FromYmd(year, month, offset + 1, leap);
}

bool IsValidLunar(const LunarDate& date) {
  if (date.year() < kValidFirstYear || date.year() > kValidLastYear) return false;
  // Lower bounds too: a month or day below 1 is no date, although the arithmetic below
  // would happily count backwards from it.
  if (date.month() < 1 || date.month() > 12) return false;
  if (date.day() < 1 || date.day() > 30) return false;
  if (date.leap()) {
    return date.month() == LunarLeapMonth(date.year()) && date.day() <= LunarLeapDays(date.year());
  }
  return date.day() <= LunarMonthDays(date.year(), date.month());
}

QDate LunarToSolar(const LunarDate& date) {
  if (!IsValidLunar(date)) return QDate(1, 1, 1);
  const int year = date.year();
  const int leapMonth = LunarLeapMonth(year);

  int days = 0;
  for (int i = 1; i < date.month(); ++i) {
    days += LunarMonthDays(year, i);
    if (i == leapMonth) days += LunarLeapDays(year);
  }
  days += date.day() - 1;
  if (date.leap() && date.month() == leapMonth) days += LunarMonthDays(year, date.month());

  // Counted from lunar 2000-01-01, the anchor nearest the middle of the range.
  if (year >= 2000) {
    for (int y = 2000; y < year; ++y) days += LunarYearDays(y);
  } else {
    for (int y = year; y < 2000; ++y) days -= LunarYearDays(y);
  }
  return kSolarAnchor2000.addDays(days);
}

}  // namespace velmora::calendar
