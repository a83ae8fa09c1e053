// cal_festivals.h: what the calendar window writes under a day instead of its lunar day:
// Gregorian festivals, lunar festivals and solar terms; and the star sign of a day.
//
// Exports CalSolarTermNames, CalSolarTermIndex, CalSolarTermName, CalGregorianFestival,
// CalLunarFestival and CalXingzuo, all pure functions of a date; and the weekday names the
// window's headers show (WeekdayNames, WeekdayText).
//
// These are the calendar window's own rules. The birth chart and the name analysis use the
// solar terms of solar_terms.h and the star sign of vocabulary.h, which differ on some days:
// here the terms come from a table of days (cal_term_table.h), and the star signs turn on
// 20 April (金牛座) and 24 October (天蝎座) and carry no trailing blank.
#pragma once

#include <QDate>
#include <QString>

#include <array>
#include <string_view>

namespace velmora::calendar {

// Term names by number 1..24 (index 0 unused): 小寒 大寒 立春 … 大雪 冬至.
inline constexpr std::array<std::u16string_view, 25> CalSolarTermNames = {
    u"",     u"小寒", u"大寒", u"立春", u"雨水", u"惊蛰", u"春分", u"清明", u"谷雨",
    u"立夏", u"小满", u"芒种", u"夏至", u"小暑", u"大暑", u"立秋", u"处暑",
    u"白露", u"秋分", u"寒露", u"霜降", u"立冬", u"小雪", u"大雪", u"冬至"};

// The number (1..24) of the solar term on that day by the table, 0 when there is none and
// for any year outside 1901..2050. A day below 15 is tried against the month's first term,
// a day of 15 or more against its second.
int CalSolarTermIndex(int year, int month, int day);

// The name of CalSolarTermIndex for the date, or the empty text.
QString CalSolarTermName(QDate date);

// The Gregorian festival of day `day` in the year and month of `date`, or the empty text.
// Fixed days and weekday rules (母亲节 the second Sunday of May, 父亲节 the third Sunday of
// June, 感恩节 the fourth Thursday of November); where two rules meet, the later one wins.
QString CalGregorianFestival(int day, QDate date);

// The lunar festival of the date by this engine's month text and day (cal_lunar.h): 春节,
// 元宵节, 端午节, 七夕节, 中秋节, 重阳节, 腊八节, and 除夕 on the last day before 正月 (腊月廿九
// in a year whose twelfth month is short). Leap months have none. Empty otherwise.
QString CalLunarFestival(QDate date);

// The weekday names of the window's headers, index 0 = Sunday.
inline constexpr std::array<std::u16string_view, 7> WeekdayNames = {
    u"星期日", u"星期一", u"星期二", u"星期三", u"星期四", u"星期五", u"星期六"};

// The weekday of the date (星期日 .. 星期六); empty for an invalid date.
QString WeekdayText(QDate date);

// The star sign of the date's month and day. 23 August, which the window's table leaves
// between 狮子座 (to the 22nd) and 处女座 (from the 24th), counts as 处女座, as the star sign
// of vocabulary.h has it. Empty for an invalid date.
QString CalXingzuo(QDate date);

}  // namespace velmora::calendar
