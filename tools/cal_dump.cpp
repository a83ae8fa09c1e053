// cal_dump.cpp: prints what the calendar window's engine says of every Gregorian day of a
// range, one line a day.
//
// Usage: cal_dump [first last]   (ISO dates; default 1901-01-01 2050-12-31)
// Output: "yyyy-mm-dd code term", where code is CalLunarCode (month × 100 + day, negative in
// a leap month, 0 outside the table) and term is CalSolarTermIndex (1 = 小寒 .. 24 = 冬至,
// 0 for none). compare_cal.js beside this file checks it against an independent calendar
// library.
#include <QDate>
#include <QString>

#include <cstdio>

#include "calendar/cal_festivals.h"
#include "calendar/cal_lunar.h"

int main(int argc, char** argv) {
  QDate first(1901, 1, 1);
  QDate last(2050, 12, 31);
  if (argc == 3) {
    first = QDate::fromString(QString::fromLocal8Bit(argv[1]), Qt::ISODate);
    last = QDate::fromString(QString::fromLocal8Bit(argv[2]), Qt::ISODate);
  }
  if (argc != 1 && argc != 3) {
    std::fprintf(stderr, "usage: cal_dump [first-date last-date]\n");
    return 2;
  }
  if (!first.isValid() || !last.isValid() || last < first) {
    std::fprintf(stderr, "cal_dump: need two ISO dates, first <= last\n");
    return 2;
  }
  for (QDate d = first; d <= last; d = d.addDays(1)) {
    std::printf("%04d-%02d-%02d %d %d\n", d.year(), d.month(), d.day(), velmora::calendar::CalLunarCode(d),
                velmora::calendar::CalSolarTermIndex(d.year(), d.month(), d.day()));
  }
  return 0;
}
