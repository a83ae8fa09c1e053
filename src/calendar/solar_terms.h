// solar_terms.h: the 24 solar terms (节气) by a mean tropical year.
//
// Exports SolarTermMinutes, SolarTermNames, SolarTermInstant and SolarTermName.
//
// Every term is placed at a fixed offset from the 小寒 of its year, and every year is the
// same mean tropical year of 31556925974.7 ms counted from 小寒 1900, 1900-01-06 02:05. The
// result is a civil date and time with no time zone (a QDateTime in Qt::UTC used as a
// plain wall-clock value), good to about a day: the program's own rule, not an ephemeris.
// Term 2m − 2 is the first term of Gregorian month m and 2m − 1 the second.
#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

#include <array>
#include <string_view>

namespace velmora::calendar {

inline constexpr int kSolarTermCount = 24;

// Minutes from the 小寒 of a year to term k of the same year.
inline constexpr std::array<int, kSolarTermCount> SolarTermMinutes = {
    0,      21208,  42467,  63836,  85337,  107014, 128867, 150921,
    173149, 195551, 218072, 240693, 263343, 285989, 308563, 331033,
    353350, 375494, 397447, 419210, 440795, 462224, 483532, 504758};

// Names of the terms, index k = 0..23, starting with 小寒 (early January).
inline constexpr std::array<std::u16string_view, kSolarTermCount> SolarTermNames = {
    u"小寒", u"大寒", u"立春", u"雨水", u"惊蛰", u"春分", u"清明", u"谷雨",
    u"立夏", u"小满", u"芒种", u"夏至", u"小暑", u"大暑", u"立秋", u"处暑",
    u"白露", u"秋分", u"寒露", u"霜降", u"立冬", u"小雪", u"大雪", u"冬至"};

// The instant of term k (0..23) of Gregorian year `year`: 1900-01-06 02:05:00.000 plus
// (year − 1900) × 31556925974.7 + SolarTermMinutes[k] × 60000 ms, rounded to the nearest
// millisecond with ties to even. An invalid QDateTime for k outside 0..23.
QDateTime SolarTermInstant(int year, int k);

// The name of the term whose instant falls on `when`, or the empty text. Only the two
// terms of the date's own month are tried, and the match is exact: `when` must be a whole
// date (time 00:00:00.000), so 2000-02-04 is 立春 but 2000-02-04 12:00 is not. The time
// zone setting of `when` is ignored; its date and time fields are compared as they read.
QString SolarTermName(const QDateTime& when);

// The same for a whole date.
QString SolarTermName(QDate date);

}  // namespace velmora::calendar
