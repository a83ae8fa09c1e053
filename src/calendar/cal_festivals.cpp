// cal_festivals.cpp: the calendar window's festivals, terms and star signs (see
// cal_festivals.h).
#include "calendar/cal_festivals.h"

#include <cstdlib>

#include "calendar/cal_lunar.h"
#include "calendar/cal_term_table.h"
#include "calendar/vocabulary.h"

namespace velmora::calendar {
namespace {

// One fixed-day or weekday rule of CalGregorianFestival. weekday 0 means a fixed day;
// otherwise the rule matches that Qt weekday (7 = Sunday) in week `week` of the month,
// week 0 being days 1–7.
struct GregorianRule {
  int month;
  int day;
  int weekday;
  int week;
  std::u16string_view name;
};

constexpr int kSunday = 7;
constexpr int kThursday = 4;

// In the order in which they are applied; a later match replaces an earlier one.
constexpr std::array<GregorianRule, 18> kGregorianRules = {{
    {1, 1, 0, 0, u"元旦节"},
    {2, 14, 0, 0, u"情人节"},
    {3, 8, 0, 0, u"妇女节"},
    {4, 1, 0, 0, u"愚人节"},
    {5, 1, 0, 0, u"劳动节"},
    {5, 4, 0, 0, u"青年节"},
    {5, 0, kSunday, 1, u"母亲节"},     // second Sunday
    {6, 1, 0, 0, u"儿童节"},
    {6, 0, kSunday, 2, u"父亲节"},     // third Sunday
    {7, 1, 0, 0, u"建党节"},
    {8, 1, 0, 0, u"建军节"},
    {9, 10, 0, 0, u"教师节"},
    {10, 1, 0, 0, u"国庆节"},
    {10, 6, 0, 0, u"老人节"},
    {10, 31, 0, 0, u"万圣节"},
    {11, 8, 0, 0, u"记者日"},
    {11, 0, kThursday, 3, u"感恩节"},  // fourth Thursday
    {12, 25, 0, 0, u"圣诞节"},
}};

// The sign up to and including `lastDay` of each month, and the sign after it.
struct SignSplit {
  int lastDay;
  std::u16string_view upTo;
  std::u16string_view after;
};

constexpr std::array<SignSplit, 12> kSignSplits = {{
    {19, u"摩羯座", u"水瓶座"},
    {18, u"水瓶座", u"双鱼座"},
    {20, u"双鱼座", u"白羊座"},
    {19, u"白羊座", u"金牛座"},
    {20, u"金牛座", u"双子座"},
    {21, u"双子座", u"巨蟹座"},
    {22, u"巨蟹座", u"狮子座"},
    {22, u"狮子座", u"处女座"},  // 23 August: 处女座, see the header
    {22, u"处女座", u"天秤座"},
    {23, u"天秤座", u"天蝎座"},
    {21, u"天蝎座", u"射手座"},
    {21, u"射手座", u"摩羯座"},
}};

}  // namespace

int CalSolarTermIndex(int year, int month, int day) {
  if (year < kCalFirstYear || year > kCalLastYear || month < 1 || month > 12) return 0;
  const int byte = CalSolarTermDays[static_cast<std::size_t>(year - kCalFirstYear)][static_cast<std::size_t>(month - 1)];
  const int termDay = day < 15 ? 15 - (byte >> 4) : 15 + (byte & 0xF);
  if (day != termDay) return 0;
  return day <= 15 ? 2 * month - 1 : 2 * month;
}

QString CalSolarTermName(QDate date) {
  if (!date.isValid()) return QString();
  return NameText(CalSolarTermNames[static_cast<std::size_t>(CalSolarTermIndex(date.year(), date.month(), date.day()))]);
}

QString CalGregorianFestival(int day, QDate date) {
  const QDate d(date.year(), date.month(), day);
  if (!d.isValid()) return QString();
  const int week = (day - 1) / 7;
  QString result;
  for (const GregorianRule& r : kGregorianRules) {
    if (r.month != d.month()) continue;
    const bool match = r.weekday == 0 ? r.day == day : d.dayOfWeek() == r.weekday && week == r.week;
    if (match) result = NameText(r.name);
  }
  return result;
}

QString CalLunarFestival(QDate date) {
  const QString t = CalLunarMonthText(date);
  const int d = std::abs(CalLunarCode(date)) % 100;
  auto is = [&t](const char16_t* month) { return t == QStringView(month); };
  switch (d) {
    case 1: return is(u"正月") ? QStringLiteral("春节") : QString();
    case 5: return is(u"五月") ? QStringLiteral("端午节") : QString();
    case 7: return is(u"七月") ? QStringLiteral("七夕节") : QString();
    case 8: return is(u"腊月") ? QStringLiteral("腊八节") : QString();
    case 9: return is(u"九月") ? QStringLiteral("重阳节") : QString();
    case 15:
      if (is(u"八月")) return QStringLiteral("中秋节");
      return is(u"正月") ? QStringLiteral("元宵节") : QString();
    default:
      // The eve is the day before 正月 begins, whether the twelfth month has 29 or 30 days.
      if (!is(u"正月") && CalLunarMonthText(date.addDays(1)) == QStringLiteral("正月")) return QStringLiteral("除夕");
      return QString();
  }
}

QString WeekdayText(QDate date) {
  if (!date.isValid()) return QString();
  return NameText(WeekdayNames[static_cast<std::size_t>(date.dayOfWeek() % 7)]);
}

QString CalXingzuo(QDate date) {
  if (!date.isValid()) return QString();
  const SignSplit& s = kSignSplits[static_cast<std::size_t>(date.month() - 1)];
  return NameText(date.day() <= s.lastDay ? s.upTo : s.after);
}

}  // namespace velmora::calendar
