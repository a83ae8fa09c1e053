// ParseTypedDate: a Gregorian date as a person types or pastes it into a date field.
//
// Accepts year-month-day with the separators - / . or 年 月 (日), leading zeros optional
// (1989-08-01, 1989-8-1, 1989/8/1, 1989年8月1日), and eight digits (19890801). Blanks and
// full-width digits are tolerated. Anything else, or a day that does not exist, gives no
// date.
#pragma once

#include <QDate>
#include <QString>

#include <optional>

namespace velmora::calendar {

std::optional<QDate> ParseTypedDate(const QString& text);

}  // namespace velmora::calendar
