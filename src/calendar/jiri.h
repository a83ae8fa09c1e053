// jiri.h: the rules of the 吉日 list: the twelve values 建除 and the twelve day spirits
// (黄道 and 黑道) of each day, with its day pillar and lunar date.
//
// Exports JianchuNames, DayGodNames, JieTerm, DayGanZhi, SolarMonthBranch, JianchuIndex,
// DayGodIndex, IsHuangdao, JiriLunarText, JiriDay and JiriDays. Pure functions; the term instants come in
// from the caller (frm_jiri.h reads them from table JQ).
//
// Both rules are the classical almanac's and depend only on two branches: the solar
// month's and the day's.
//   建除: the day whose branch equals the month's branch is 建; the values then follow the
//         day branches in the order 建 除 满 平 定 执 破 危 成 收 开 闭.
//   Spirits: 青龙 falls on 子 in the 寅 and 申 months and two branches later for each later
//         month (寅 in 卯 and 酉, 辰 in 辰 and 戌, …); the others follow it in the order 青龙
//         明堂 天刑 朱雀 金匮 天德 白虎 玉堂 天牢 玄武 司命 勾陈. 青龙, 明堂, 金匮, 天德, 玉堂 and
//         司命 are 黄道, the other six 黑道.
// The solar month runs from one jie term (立春 starts 寅, 惊蛰 卯, … 小寒 丑) to the next,
// by the term's real instant in Beijing time, not by fixed dates. A day belongs to the
// month in force at its end: the day on which a jie falls is the new month's first day,
// which is why an almanac repeats the previous day's 建除 value on that day.
#pragma once

#include <QDate>
#include <QString>

#include <array>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "calendar/cycles.h"

namespace velmora::calendar {

inline constexpr std::array<std::u16string_view, 12> JianchuNames = {
    u"建", u"除", u"满", u"平", u"定", u"执", u"破", u"危", u"成", u"收", u"开", u"闭"};

inline constexpr std::array<std::u16string_view, 12> DayGodNames = {
    u"青龙", u"明堂", u"天刑", u"朱雀", u"金匮", u"天德", u"白虎", u"玉堂", u"天牢", u"玄武", u"司命", u"勾陈"};

// A jie term: the Beijing date of its instant and the branch of the solar month it begins.
struct JieTerm {
  QDate date;
  Dizhi month;
};

// The branch of the solar month that begins with the jie term of this name (立春 寅 …
// 小寒 丑); nothing for a zhongqi term such as 雨水 or an unknown name.
std::optional<Dizhi> JieMonthBranch(const QString& termName);

// The day's stem-branch pair in the unbroken 60-day cycle (2000-01-01 is 戊午).
GanZhi DayGanZhi(QDate date);

// The branch of the solar month the day lies in: that of the last jie whose date is on or
// before the day. `terms` must be in date order; nothing when no jie precedes the day.
std::optional<Dizhi> SolarMonthBranch(QDate day, std::span<const JieTerm> terms);

// Index into JianchuNames of a day with branch `day` in the solar month `month`.
int JianchuIndex(Dizhi month, Dizhi day);

// Index into DayGodNames likewise.
int DayGodIndex(Dizhi month, Dizhi day);

// Whether the spirit of DayGodNames[index] is a 黄道 spirit.
bool IsHuangdao(int godIndex);

// The lunar date of a day as the calendar window reads it (cal_lunar.h), with its month
// names: 正月初一, 冬月十五, 腊月三十, 闰二月初一. Beyond the window's table (after 2050) the
// birth chart's table (lunar.h) gives the month and day, named the same way; the two
// tables agree on every day both hold. Empty where neither has the date.
QString JiriLunarText(QDate date);

// One line of the list.
struct JiriDay {
  QDate date;
  QString weekday;   // 星期一
  QString lunar;     // JiriLunarText: 冬月初五, 闰二月初一
  QString pillar;    // the day pillar: 甲子
  QString jianchu;   // 建 .. 闭
  QString god;       // 青龙 .. 勾陈
  bool huangdao = false;
};

// 黄道 or 黑道.
QString HuangdaoText(bool huangdao);

// The days from `from` on, `days` of them, as long as `terms` tell their solar month; the
// list stops at the first day for which they do not (the caller reports a short list).
std::vector<JiriDay> JiriDays(QDate from, int days, std::span<const JieTerm> terms);

}  // namespace velmora::calendar
