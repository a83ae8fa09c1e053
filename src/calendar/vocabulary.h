// vocabulary.h: the fixed words of the Chinese calendar and the texts built from them.
//
// Exports the name tables (stems, branches, zodiac animals, ten gods, hidden stems, the
// five elements), the cyclic tables used by the birth chart's cycle counts, and the texts
// of a sexagenary year, a lunar month, a lunar day and a Western star sign.
//
// Tables are constexpr arrays of UTF-16 views, indexed as the comment on each says; the
// functions return QString. Every text is one GBK character per Chinese character (two
// bytes), and the composed year text keeps a fixed byte layout that callers cut.
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <array>
#include <string_view>

#include "calendar/cycles.h"

namespace velmora::calendar {

// Natural order, indexed by Tiangan::index(): 甲 = 0 .. 癸 = 9.
inline constexpr std::array<std::u16string_view, 10> TianganNames = {
    u"甲", u"乙", u"丙", u"丁", u"戊", u"己", u"庚", u"辛", u"壬", u"癸"};

// Natural order, indexed by Dizhi::index(): 子 = 0 .. 亥 = 11.
inline constexpr std::array<std::u16string_view, 12> DizhiNames = {
    u"子", u"丑", u"寅", u"卯", u"辰", u"巳", u"午", u"未", u"申", u"酉", u"戌", u"亥"};

// The zodiac animal of each branch, indexed like DizhiNames.
inline constexpr std::array<std::u16string_view, 12> ShengxiaoNames = {
    u"鼠", u"牛", u"虎", u"兔", u"龙", u"蛇", u"马", u"羊", u"猴", u"鸡", u"狗", u"猪"};

// Cyclic tables, indexed by a count modulo 10 or 12: remainder 1 is the first entry of the
// cycle and remainder 0 the last. Entry n of TianganCycle is entry (n + 9) % 10 of
// TianganNames; entry n of DizhiCycle is entry (n + 11) % 12 of DizhiNames.
inline constexpr std::array<std::u16string_view, 10> TianganCycle = {
    u"癸", u"甲", u"乙", u"丙", u"丁", u"戊", u"己", u"庚", u"辛", u"壬"};
inline constexpr std::array<std::u16string_view, 12> DizhiCycle = {
    u"亥", u"子", u"丑", u"寅", u"卯", u"辰", u"巳", u"午", u"未", u"申", u"酉", u"戌"};
// The ten gods, by the same remainder rule (1 = 比肩 .. 0 = 正印).
inline constexpr std::array<std::u16string_view, 10> ShishenCycle = {
    u"正印", u"比肩", u"劫财", u"食神", u"伤官", u"偏财", u"正财", u"七杀", u"正官", u"偏印"};

// The hidden stems of each branch, indexed by Dizhi::index(); one to three stems in the order
// the chart prints them.
inline constexpr std::array<std::u16string_view, 12> CangganTable = {
    u"癸",      // 子
    u"癸辛己",  // 丑
    u"甲丙戊",  // 寅
    u"乙",      // 卯
    u"乙戊癸",  // 辰
    u"庚丙戊",  // 巳
    u"己丁",    // 午
    u"乙己丁",  // 未
    u"戊庚壬",  // 申
    u"辛",      // 酉
    u"辛丁戊",  // 戌
    u"壬甲",    // 亥
};

// The five elements as the databases write them (column wuhang), indexed by
// Element::index() (generating order 木 火 土 金 水).
inline constexpr std::array<std::u16string_view, 5> WuxingNames = {u"木", u"火", u"土", u"金", u"水"};

// The numerals one to ten of the lunar texts; entry 0 is 一.
inline constexpr std::array<std::u16string_view, 10> NumberNames = {
    u"一", u"二", u"三", u"四", u"五", u"六", u"七", u"八", u"九", u"十"};

// The table entry as a QString.
QString NameText(std::u16string_view name);
QString NameOf(Tiangan gan);    // 甲 .. 癸
QString NameOf(Dizhi zhi);      // 子 .. 亥
QString NameOf(Element e);      // 木 火 土 金 水
QString NameOf(GanZhi gz);      // 甲子 .. 癸亥
QString ShengxiaoOf(Dizhi zhi); // 鼠 .. 猪

// The year text of cycle number n (lunar year − 1864; 1864 is a 甲子 year), e.g. n = 120
// gives 甲子(鼠年). Ten GBK bytes: bytes 1–4 are the stem-branch pair, byte 5 is an ASCII
// "(", bytes 6–7 the animal, then 年 and an ASCII ")". A negative n counts back in the
// cycle (−1 is 癸亥).
QString GanZhiYearText(int n);

// Byte positions of GanZhiYearText that callers cut with text::GbkMid.
inline constexpr int kYearPillarFirstByte = 1;
inline constexpr int kYearPillarLastByte = 4;
inline constexpr int kYearAnimalFirstByte = 6;
inline constexpr int kYearAnimalLastByte = 7;

// The day of a lunar month: 初一..初十, 十一..十九, 二十, 廿一..廿九, 三十; the empty
// text outside 1..30.
QString LunarDayText(int day);

// The lunar month: 一月..十月, 十一月, 十二月 (no 正月 or 腊月), with 闰 in front of a leap
// month. A month outside 1..12 has no number, so it reads "月" or "闰月".
QString LunarMonthText(int month, bool leap);

// The hour item of hour h (0..23) as the date boxes list it: the branch of its two-hour
// period, one blank, the hour: "子 0", "丑 1", … "亥 22", "子 23". The empty text outside 0..23.
QString HourItemText(int hour);
// The 24 hour items in order.
QStringList HourItems();

// The Western star sign of a whole date by fixed month-day ranges of the date's own year.
// 金牛座 carries a trailing blank ("金牛座 "), which reports rely on. The empty text for
// an invalid date.
QString XingzuoOf(QDate date);

}  // namespace velmora::calendar
