// lunar_dump.cpp: prints the lunar date of every Gregorian day of a range, one line a day.
//
// Usage: lunar_dump [first last]   (ISO dates; default 1901-01-01 2099-12-31)
// Output: "yyyy-mm-dd year month day leap", leap 1 or 0; a day outside the conversion's
// range prints 0 0 0 0. compare_lunar.js beside this file reads it to check the program's
// lunar table against an independent calendar library.
#include <QDate>
#include <QString>

#include <cstdio>

#include "calendar/lunar.h"

int main(int argc, char** argv) {
  QDate first(1901, 1, 1);
  QDate last(2099, 12, 31);
  if (argc == 3) {
    first = QDate::fromString(QString::fromLocal8Bit(argv[1]), Qt::ISODate);
    last = QDate::fromString(QString::fromLocal8Bit(argv[2]), Qt::ISODate);
  }
  if (argc != 1 && argc != 3) {
    std::fprintf(stderr, "usage: lunar_dump [first-date last-date]\n");
    return 2;
  }
  if (!first.isValid() || !last.isValid() || last < first) {
    std::fprintf(stderr, "lunar_dump: need two ISO dates, first <= last\n");
    return 2;
  }
  for (QDate d = first; d <= last; d = d.addDays(1)) {
    const velmora::calendar::LunarDate l = velmora::calendar::SolarToLunar(d);
    std::printf("%04d-%02d-%02d %d %d %d %d\n", d.year(), d.month(), d.day(), l.year(), l.month(),
                l.day(), l.leap() ? 1 : 0);
  }
  return 0;
}
