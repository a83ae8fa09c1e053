// chart.h: the four pillars (四柱) of a birth moment and what the chart derives from them.
//
// Exports BaziChart, ComputeBaziChart, JieInstantOn, IsBeforeJieInstant, IsJieTerm, the
// start-age rule StartAgeOf and the jie query's text JieInstantStatement.
//
// The solar months are fixed calendar windows (4 February starts 寅, 6 March 卯, …, the same
// days every year) and the year turns on 4 February. The real term instants of table JQ in
// Tgcode.dll only move a birth on the day of a jie term, before that term's moment, back one
// day. The day pillar is a closed formula over the Gregorian date; the hour from 23:00 to
// 23:59 is the 子 hour of the same day. The luck cycle starts at an age derived from the
// distance in days to the neighbouring jie by the mean-year terms of solar_terms.h, three
// days counting as one year, at most 10; a jie of JQ on the birth day itself, on the luck's
// side of the birth moment, makes it 1.
//
// Every stem and branch of the record is a cycle number (cycle_numbers.h).
#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringView>

#include <array>
#include <optional>

namespace velmora::bazi {

struct CyclePair {
  int stem = 0;    // stem number 0..9
  int branch = 0;  // branch number 0..11
  friend bool operator==(const CyclePair&, const CyclePair&) = default;
};

struct BaziChart {
  int year = 0, month = 0, day = 0;  // the Gregorian date as entered
  int hour = 0, minute = 0;
  bool male = false;            // the sex text is exactly "男"
  bool termCorrection = false;  // on a jie day, before the jie's instant
  int monthDayKey = 0;          // month * 100 + day, minus 1 with the correction
  int windowQuotient = 0;       // the month window's fallback day quotient
  int yearStem = 0, yearBranch = 0;
  int monthStem = 0, monthBranch = 0;
  int dayStem = 0, dayBranch = 0;
  int hourStem = 0, hourBranch = 0;
  // Year stem, year branch, month stem, month branch, day stem, day branch, hour stem,
  // hour branch, one character each.
  std::array<QString, 8> pillarChars;
  bool backward = false;        // the luck pillars run backward
  int startAge = 0;             // 1..10
  QString startAgeText;
  std::array<CyclePair, 10> luckPillars;  // 0 is the month pillar itself
  QString luckPillarText;       // the ten pairs, three blanks between them
  QString conceptionPillar;     // 胎元: two characters and one blank
  std::array<QString, 4> hiddenStems;  // of the year, month, day and hour branch (index rules in chart.cpp)
};

// Computes the chart of a Gregorian date and time; sexText "男" is male, any other text
// female. Returns false, leaving chart as it was, when month is 4, 6, 9 or 11 with a day
// above 30, or month is 2 with a day beyond 28 (29 in a Gregorian leap year); other days
// are not checked, so callers pass existing dates. The caller tells the user (the report's
// "请检查输入数据是否出错！"); the engine itself shows nothing. folder: where Tgcode.dll
// lies, with its trailing separator; without the file there is no term correction.
bool ComputeBaziChart(int year, int month, int day, int hour, int minute, const QString& sexText,
                      const QString& folder, BaziChart& chart);

// The instant of the jie term of table JQ that falls on date (year: the Gregorian year
// asked for), as it reads; nothing when none does or the query fails.
std::optional<QDateTime> JieInstantOn(int year, QDate date, const QString& folder);

// Whether a jie term of table JQ falls on moment's date (year: the Gregorian year asked
// for) and moment lies strictly before the term's instant. Date and time are compared as
// they read, without time zones. Any failure of the query gives false.
bool IsBeforeJieInstant(int year, const QDateTime& moment, const QString& folder);

// The statement IsBeforeJieInstant runs for a year and a date.
QString JieInstantStatement(int year, QDate date);

// True for exactly the twelve jie names 立春 惊蛰 清明 立夏 芒种 小暑 立秋 白露 寒露 立冬 大雪
// 小寒; false for the middle terms (中气) and any other text. The caller trims.
bool IsJieTerm(QStringView name);

// The month stem number of a month branch number in a year of the given stem number: 甲
// and 己 years begin with 丙寅 (stem 3), and 亥 子 丑 (branch numbers 0, 1, 2) follow 戌.
int MonthStemOf(int yearStem, int monthBranch);

// The start age of a distance of q days to the neighbouring jie (see chart.cpp).
int StartAgeOf(int q);

}  // namespace velmora::bazi
