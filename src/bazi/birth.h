// birth.h: the birth inputs of the main window and the birth moment they give.
//
// Exports BirthInput, Birth and PrepareBirth. The birth-chart report and the names that
// are balanced to the chart (推荐模式) read the same boxes by the same rule, so a date the
// report refuses is one the names do without.
#pragma once

#include <QDate>
#include <QString>

#include <optional>

namespace velmora::bazi {

// The birth inputs as the main window's boxes hold them, untrimmed.
struct BirthInput {
  QString surname, sex, year, month, day;
  QString hour;    // an hour item such as "子 0" or "午 12": the number is its bytes 4–5
  QString minute;
  int calendarKind = 0;  // 0 公历, 1 农历
};

// The birth moment once the inputs pass: a Gregorian date in the lunar table's range,
// an hour 0..23 with its text as the hour box gives it, a minute 0..59.
struct Birth {
  QDate date;
  int hour = 0;
  QString hourText;
  int minute = 0;
};

// The birth moment of the inputs, or nothing for a number box that holds no number (at
// most four ASCII digits, blanks around them allowed), an hour above 23 or a minute above
// 59, a lunar date the table rejects, a date that does not exist and one outside
// 1900-01-31..2100-12-31, where the lunar texts and the bone-weight keys have no content.
// The surname and the sex are not looked at.
std::optional<Birth> PrepareBirth(const BirthInput& input);

}  // namespace velmora::bazi
