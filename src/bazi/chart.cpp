// chart.cpp: the four-pillar engine (see chart.h).
#include "bazi/chart.h"

#include "bazi/cycle_numbers.h"
#include "bazi/jie_terms.h"
#include "calendar/lunar.h"
#include "calendar/solar_terms.h"
#include "calendar/vocabulary.h"
#include "refdb/connection_text.h"
#include "refdb/errors.h"
#include "refdb/query.h"

#include <algorithm>
#include <optional>

namespace velmora::bazi {
namespace {

constexpr int kMaxStartAge = 10;

bool IsGregorianLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInFebruary(int year) { return IsGregorianLeapYear(year) ? 29 : 28; }

// Step 1: only the short months are checked, as the chart's callers expect.
bool PassesMonthLengthCheck(int year, int month, int day) {
  if ((month == 4 || month == 6 || month == 9 || month == 11) && day > 30) return false;
  if (month == 2 && day > DaysInFebruary(year)) return false;
  return true;
}

// The fixed month windows. A key month * 100 + day in from..to starts the branch of the
// row; the fallback quotient, used only when the start-age scan finds no jie, is
// ((month − monthBase) × 30 + day − dayBase) div 3 with the entered month and day.
struct MonthWindow {
  int from, to;
  int branch;  // branch number
  int monthBase, dayBase;
};
constexpr MonthWindow kMonthWindows[] = {
    {101, 105, 1, 0, 4},     {106, 203, 2, 1, 6},     {204, 305, 3, 2, 4},
    {306, 404, 4, 3, 6},     {405, 504, 5, 4, 5},     {505, 605, 6, 5, 5},
    {606, 706, 7, 6, 6},     {707, 807, 8, 7, 7},     {808, 907, 9, 8, 8},
    {908, 1007, 10, 9, 8},   {1008, 1106, 11, 10, 8}, {1107, 1207, 0, 11, 7},
    {1208, 1231, 1, 12, 8},
};

std::optional<MonthWindow> WindowOf(int key) {
  for (const MonthWindow& w : kMonthWindows) {
    if (key >= w.from && key <= w.to) return w;
  }
  return std::nullopt;
}

// Step 6: the day's ordinal in its Gregorian year, February by the leap-year rule.
int DayOfYear(int year, int month, int day) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  int n = day;
  for (int m = 1; m < month && m <= 12; ++m) n += m == 2 ? DaysInFebruary(year) : kDays[m - 1];
  return n;
}

// The first j in 1..32 for which the date j days after (or before) `date` is a jie day by
// the mean-year terms; the date itself is never looked at.
std::optional<int> DaysToJie(QDate date, bool backward) {
  for (int j = 1; j <= 32; ++j) {
    if (IsJieTerm(calendar::SolarTermName(date.addDays(backward ? -j : j)).trimmed())) return j;
  }
  return std::nullopt;
}

// Step 13: the hidden stems. The year and month indexes are approximations of the
// year and month branches that may disagree with the pillars at their edges; the day and
// hour indexes equal the day and hour branches. All four index CangganTable by Dizhi.
std::array<QString, 4> HiddenStems(QDate date, int month, int hour) {
  const int jNext = DaysToJie(date, false).value_or(33);
  const int lunarYear = calendar::SolarToLunar(date.addDays(jNext)).year();  // 0 outside the table
  const int yearIndex = calendar::WrapIndex(lunarYear - 1924, 12);
  const int monthIndex = month % 12;
  const int dayIndex = calendar::WrapIndex(static_cast<int>(QDate(1900, 2, 20).daysTo(date)), 12);  // 1900-02-20 is a 子 day
  const int hourIndex = ((hour + 1) / 2) % 12;
  std::array<QString, 4> out;
  const int indexes[] = {yearIndex, monthIndex, dayIndex, hourIndex};
  for (std::size_t i = 0; i < out.size(); ++i) out[i] = calendar::NameText(calendar::CangganTable[static_cast<std::size_t>(indexes[i])]);
  return out;
}

}  // namespace

// The start age. q days to the neighbouring jie make q / 3 years, a part year counting as
// a whole one (q = 1 gives 1, q = 3 gives 1, q = 4 gives 2). The luck cycle starts at
// 1..10: 0 becomes 10, and so do 31 and 32 days, which round up to 11 (the scan looks at
// most 32 days away); wrapping them to 1 would start the luck nine years early.
int StartAgeOf(int q) {
  const int age = q % 3 == 0 ? q / 3 : q / 3 + 1;
  return age == 0 ? kMaxStartAge : std::min(age, kMaxStartAge);
}

int MonthStemOf(int yearStem, int monthBranch) {
  return monthBranch >= 3 ? StemNumber(2 * yearStem + monthBranch + 8) : StemNumber(2 * yearStem + monthBranch);
}

bool IsJieTerm(QStringView name) { return JieMonthBranch(name) >= 0; }

QString JieInstantStatement(int year, QDate date) {
  return QStringLiteral(
             "select top 1 SJ from JQ where YearA = %1  and JQ in (%2) and FORMAT(SJ,'yyyy-mm-dd') = '%3'")
      .arg(year)
      .arg(JieNameList(), date.toString(QStringLiteral("yyyy-MM-dd")));
}

std::optional<QDateTime> JieInstantOn(int year, QDate date, const QString& folder) {
  return OrEmpty<std::optional<QDateTime>>([&]() -> std::optional<QDateTime> {
    Query q(DbConnectionText(DbFile::Tgcode, folder));
    q.SetSql(JieInstantStatement(year, date));
    q.Open();
    if (q.IsEmpty()) return std::nullopt;
    const QDateTime instant = q.AsDateTime(0);
    if (!instant.isValid()) return std::nullopt;
    return instant;
  });
}

namespace {

// Compared as wall-clock values: both are Beijing civil time.
bool Before(const QDateTime& moment, const QDateTime& instant) {
  return std::make_pair(moment.date(), moment.time()) < std::make_pair(instant.date(), instant.time());
}

}  // namespace

bool IsBeforeJieInstant(int year, const QDateTime& moment, const QString& folder) {
  const std::optional<QDateTime> instant = JieInstantOn(year, moment.date(), folder);
  return instant && Before(moment, *instant);
}

bool ComputeBaziChart(int year, int month, int day, int hour, int minute, const QString& sexText,
                      const QString& folder, BaziChart& chart) {
  if (!PassesMonthLengthCheck(year, month, day)) return false;
  const QDate date(year, month, day);
  if (!date.isValid()) return false;  // month 13, day 0, 32 January: no caller passes them
  BaziChart c;
  c.year = year;
  c.month = month;
  c.day = day;
  c.hour = hour;
  c.minute = minute;
  c.male = sexText == QStringLiteral("男");

  // 2. A birth on a jie day before the jie's moment belongs to the day before.
  // A wall-clock value: in UTC no local daylight-saving gap can move it.
  const QDateTime moment(date, QTime(hour, minute), Qt::UTC);
  const std::optional<QDateTime> jieToday = JieInstantOn(year, date, folder);
  c.termCorrection = jieToday && Before(moment, *jieToday);
  c.monthDayKey = month * 100 + day - (c.termCorrection ? 1 : 0);

  // 3. The month window.
  const std::optional<MonthWindow> window = WindowOf(c.monthDayKey);
  if (!window) return false;  // day 0: no window holds it
  c.monthBranch = window->branch;
  c.windowQuotient = ((month - window->monthBase) * 30 + day - window->dayBase) / 3;

  // 4. The year turns with the window of 寅, on 4 February: 1 January to 3 February
  // belong to the year before.
  const int pillarYear = c.monthDayKey <= 203 ? year - 1 : year;
  c.yearStem = StemNumber(pillarYear - 3);
  c.yearBranch = BranchNumber(pillarYear - 3);

  // 5. The month stem from the year stem: 甲 and 己 years begin with 丙寅.
  c.monthStem = MonthStemOf(c.yearStem, c.monthBranch);

  // 6. The day pillar: 1900-01-01 is day 11 of the cycle (甲戌).
  const int g = year - 1;
  const int dayNumber = (5 * g + g / 4 - g / 100 + g / 400 + DayOfYear(year, month, day) + 6015) % 60;
  c.dayStem = StemNumber(dayNumber);
  c.dayBranch = BranchNumber(dayNumber);

  // 7. The hour pillar. 23:00 to 23:59 is the 子 hour of the same day, so its stem comes
  // from this day's stem: 23:00 on a 甲 day is 甲子, like 00:00, not the 丙子 that counts
  // the late 子 hour with the next day.
  c.hourBranch = BranchNumber((hour + 3) / 2);
  c.hourStem = c.hourBranch == 0 ? StemNumber(2 * c.dayStem) : StemNumber(2 * c.dayStem + c.hourBranch + 8);

  // 8. The characters.
  const int numbers[] = {c.yearStem, c.yearBranch, c.monthStem, c.monthBranch,
                         c.dayStem,  c.dayBranch,  c.hourStem,  c.hourBranch};
  for (std::size_t i = 0; i < c.pillarChars.size(); ++i)
    c.pillarChars[i] = i % 2 == 0 ? StemChar(numbers[i]) : BranchChar(numbers[i]);

  // 9. Yang men and yin women run forward; the yin stems 乙 丁 己 辛 癸 are the even numbers.
  const bool yinYear = c.yearStem % 2 == 0;
  c.backward = c.male == yinYear;

  // 10. The start age from the distance to the next (forward) or previous (backward) jie.
  // The scan starts a day away from the birth, so a jie on the birth day itself, on the
  // luck's side of the birth moment (still to come running forward, just past running
  // backward), is counted here: it lies hours away, and the luck starts in the first year.
  // Left to the scan, it would find the jie a month on and give 10.
  const bool jieOnLuckSide = jieToday && (c.backward ? !c.termCorrection : c.termCorrection);
  c.startAge = jieOnLuckSide ? 1 : StartAgeOf(DaysToJie(date, c.backward).value_or(c.windowQuotient));
  c.startAgeText = QString::number(c.startAge);

  // 11. The luck pillars step from the month pillar, one pair per decade.
  QString luckText;
  for (int k = 0; k < 10; ++k) {
    const int step = c.backward ? -k : k;
    CyclePair& p = c.luckPillars[static_cast<std::size_t>(k)];
    p.stem = StemNumber(c.monthStem + 10 + step);
    p.branch = BranchNumber(c.monthBranch + 12 + step);
    luckText += StemChar(p.stem) + BranchChar(p.branch) + QStringLiteral("   ");
  }
  c.luckPillarText = luckText.trimmed();

  // 12. The conception pillar: the stem after the month stem, the branch three after.
  c.conceptionPillar = StemChar(c.monthStem + 1) + BranchChar(c.monthBranch + 3) + QLatin1Char(' ');

  // 13.
  c.hiddenStems = HiddenStems(date, month, hour);

  chart = std::move(c);
  return true;
}

}  // namespace velmora::bazi
