// cal_lunar.cpp: the calendar window's lunar engine (see cal_lunar.h).
#include "calendar/cal_lunar.h"

#include <array>
#include <cstdlib>

#include "calendar/cal_lunar_table.h"
#include "calendar/cycles.h"
#include "calendar/vocabulary.h"

namespace velmora::calendar {
namespace {

constexpr int kRunMonths = 16;  // months described by one record
constexpr int kShengxiaoBaseYear = 1972;  // a 子鼠 year

// The record of year y, unpacked.
struct YearRun {
  int firstDay = 0;                         // lunar day of 1 January
  std::array<int, kRunMonths> length{};     // L[k]: 29 or 30
  std::array<int, kRunMonths + 1> month{};  // N[k]: month numbers, negative for a leap month
};

YearRun Unpack(int year) {
  const std::uint32_t record = CalLunarInfo[static_cast<std::size_t>(year - kCalFirstYear)];
  const int b0 = static_cast<int>(record >> 24);
  const unsigned bits = (record >> 8) & 0xFFFFu;
  const int leapAfter = static_cast<int>(record & 0xFFu);
  YearRun run;
  run.firstDay = b0 & 0x7F;
  run.month[0] = (b0 & 0x80) ? 12 : 11;
  for (int k = 0; k < kRunMonths; ++k) {
    run.length[static_cast<std::size_t>(k)] = (bits >> (15 - k)) & 1u ? 30 : 29;
    const int n = run.month[static_cast<std::size_t>(k)];
    int next;
    if (leapAfter == n) {
      next = -leapAfter;  // the leap month that follows month b3
    } else {
      next = (n < 0 ? -n : n) + 1;
      if (next > 12) next = 1;
    }
    run.month[static_cast<std::size_t>(k + 1)] = next;
  }
  return run;
}

int Code(int month, int day) { return month > 0 ? month * 100 + day : month * 100 - day; }

}  // namespace

int CalLunarCode(QDate date) {
  if (!date.isValid()) return 0;
  const int y = date.year();
  if (y < kCalFirstYear || y > kCalLastYear) return 0;
  const YearRun run = Unpack(y);
  const int t = date.dayOfYear() - 1;
  const int firstLeft = run.length[0] - run.firstDay;  // days of the first month after 1 January
  if (t <= firstLeft) {
    // A leap month that began in the previous year runs on past 1 January; the record
    // cannot say so, the previous year's last day can.
    int month = run.month[0];
    if (y > kCalFirstYear && CalLunarCode(QDate(y - 1, 12, 31)) < 0) month = -month;
    return Code(month, run.firstDay + t);
  }
  int acc = firstLeft;
  int i = 1;
  while (i < kRunMonths - 1 && t > acc + run.length[static_cast<std::size_t>(i)]) {
    acc += run.length[static_cast<std::size_t>(i)];
    ++i;
  }
  return Code(run.month[static_cast<std::size_t>(i)], t - acc);
}

QString CalLunarMonthText(QDate date) {
  const int q = CalLunarCode(date) / 100;  // truncates toward zero
  if (q < 0) return QStringLiteral("闰") + NameText(CalMonthNames[static_cast<std::size_t>(-q)]);
  if (q > 0) return NameText(CalMonthNames[static_cast<std::size_t>(q)]) + QStringLiteral("月");
  return QString();
}

QString CalLunarDayText(QDate date) {
  return NameText(CalDayNames[static_cast<std::size_t>(std::abs(CalLunarCode(date)) % 100)]);
}

QString CalShengxiao(QDate date) {
  const QString month = CalLunarMonthText(date);
  if (month.isEmpty()) return QString();
  int k = WrapIndex(date.year() - kShengxiaoBaseYear, 12);
  if (date.month() <= 3 && (month.contains(QStringLiteral("腊")) || month.contains(QStringLiteral("冬"))))
    k = WrapIndex(k - 1, 12);
  return NameText(CalShengxiaoNames[static_cast<std::size_t>(k)]);
}

}  // namespace velmora::calendar
