// cal_lunar.h: the calendar window's lunar engine: the lunar month and day of a Gregorian
// date, their texts, and the zodiac pair of the date's year.
//
// Exports CalMonthNames, CalDayNames, CalShengxiaoNames, CalLunarCode, CalLunarMonthText,
// CalLunarDayText and CalShengxiao.
//
// The engine reads its own table (cal_lunar_table.h): per Gregorian year 1901..2050 the
// lunar months as they run through that year, starting from the month in progress on
// 1 January. It yields a month and a day but no lunar year; the zodiac pair comes from the
// Gregorian year. The birth chart converts with lunar.h; over 1901..2050 the two tables
// agree day for day.
//
// A date is packed into a lunar code: month × 100 + day for an ordinary month (815 is the
// fifteenth of the eighth month), its negative for a leap month (−401 is the first of the
// leap fourth month), and 0 outside 1901..2050.
#pragma once

#include <QDate>
#include <QString>

#include <array>
#include <string_view>

namespace velmora::calendar {

// Month names, index 1..12 (index 0 unused): 正 二 … 十 冬 腊.
inline constexpr std::array<std::u16string_view, 13> CalMonthNames = {
    u"", u"正", u"二", u"三", u"四", u"五", u"六", u"七", u"八", u"九", u"十", u"冬", u"腊"};

// Day names, index 1..30 (index 0 unused).
inline constexpr std::array<std::u16string_view, 31> CalDayNames = {
    u"",     u"初一", u"初二", u"初三", u"初四", u"初五", u"初六", u"初七", u"初八", u"初九", u"初十",
    u"十一", u"十二", u"十三", u"十四", u"十五", u"十六", u"十七", u"十八", u"十九", u"二十",
    u"廿一", u"廿二", u"廿三", u"廿四", u"廿五", u"廿六", u"廿七", u"廿八", u"廿九", u"三十"};

// Zodiac pairs, index 0..11 from 子鼠.
inline constexpr std::array<std::u16string_view, 12> CalShengxiaoNames = {
    u"子鼠", u"丑牛", u"寅虎", u"卯兔", u"辰龙", u"巳蛇", u"午马", u"未羊", u"申猴", u"酉鸡", u"戌狗", u"亥猪"};

// The lunar code of `date` (see above); 0 for a date outside 1901..2050 or an invalid date.
int CalLunarCode(QDate date);

// 正月 .. 十月, 冬月, 腊月; a leap month reads 闰 and the name without 月 (闰四, 闰冬).
// Empty where the code is 0.
QString CalLunarMonthText(QDate date);

// 初一 .. 三十; empty where the code is 0.
QString CalLunarDayText(QDate date);

// The zodiac pair of the lunar year the date belongs to, as far as this engine can tell:
// the Gregorian year's pair (1972 is 子鼠), the one before while a January to March date
// still lies in the eleventh or twelfth lunar month. Empty outside 1901..2050, where the
// engine cannot tell whether the lunar year has turned.
QString CalShengxiao(QDate date);

}  // namespace velmora::calendar
