// jiri.cpp: the rules of the 吉日 list (see jiri.h).
#include "calendar/jiri.h"

#include <algorithm>
#include <cstdlib>

#include "calendar/cal_festivals.h"
#include "calendar/cal_lunar.h"
#include "calendar/lunar.h"
#include "calendar/vocabulary.h"

namespace velmora::calendar {
namespace {

constexpr int kYinMonth = 2;             // 寅, the first solar month
constexpr qint64 kGanZhiDayOffset = 49;  // (Julian day + 49) mod 60 is the day's cycle index
constexpr int kSafeDaysAfterLastTerm = 28;

// The twelve jie terms and the month branch each begins, from 立春 (寅) on.
constexpr std::array<std::u16string_view, 12> kJieNames = {
    u"立春", u"惊蛰", u"清明", u"立夏", u"芒种", u"小暑", u"立秋", u"白露", u"寒露", u"立冬", u"大雪", u"小寒"};

}  // namespace

std::optional<Dizhi> JieMonthBranch(const QString& termName) {
  for (std::size_t k = 0; k < kJieNames.size(); ++k) {
    if (termName == NameText(kJieNames[k])) return Dizhi::FromIndex(kYinMonth + static_cast<int>(k));
  }
  return std::nullopt;
}

GanZhi DayGanZhi(QDate date) {
  return GanZhi::FromIndex(static_cast<int>((date.toJulianDay() + kGanZhiDayOffset) % GanZhi::kCount));
}

std::optional<Dizhi> SolarMonthBranch(QDate day, std::span<const JieTerm> terms) {
  // The first term after the day; the one before it rules.
  const auto after = std::upper_bound(terms.begin(), terms.end(), day,
                                      [](QDate d, const JieTerm& t) { return d < t.date; });
  if (after == terms.begin()) return std::nullopt;
  return std::prev(after)->month;
}

int JianchuIndex(Dizhi month, Dizhi day) { return WrapIndex(day.index() - month.index(), 12); }

int DayGodIndex(Dizhi month, Dizhi day) {
  const int qinglong = 2 * (month.index() - kYinMonth);  // the branch of 青龙
  return WrapIndex(day.index() - qinglong, 12);
}

bool IsHuangdao(int godIndex) {
  // 青龙 明堂 金匮 天德 玉堂 司命
  constexpr std::array<bool, 12> kHuangdao = {true, true, false, false, true, true, false, true, false, false, true, false};
  return kHuangdao[static_cast<std::size_t>(WrapIndex(godIndex, 12))];
}

QString JiriLunarText(QDate date) {
  int month = 0, day = 0;
  bool leap = false;
  if (const int code = CalLunarCode(date); code != 0) {
    leap = code < 0;
    month = std::abs(code) / 100;
    day = std::abs(code) % 100;
  } else if (const LunarDate l = SolarToLunar(date); !l.isNull()) {
    leap = l.leap();
    month = l.month();
    day = l.day();
  } else {
    return QString();
  }
  return (leap ? QStringLiteral("闰") : QString()) + NameText(CalMonthNames[static_cast<std::size_t>(month)]) +
         QStringLiteral("月") + NameText(CalDayNames[static_cast<std::size_t>(day)]);
}

QString HuangdaoText(bool huangdao) { return huangdao ? QStringLiteral("黄道") : QStringLiteral("黑道"); }

std::vector<JiriDay> JiriDays(QDate from, int days, std::span<const JieTerm> terms) {
  std::vector<JiriDay> out;
  if (!from.isValid() || days <= 0) return out;
  out.reserve(static_cast<std::size_t>(days));
  for (int n = 0; n < days; ++n) {
    const QDate date = from.addDays(n);
    const std::optional<Dizhi> month = SolarMonthBranch(date, terms);
    // Jie terms lie at least 29 days apart, so up to 28 days after the last one known the
    // month cannot have turned; beyond that the next term is missing.
    if (!month || date > terms.back().date.addDays(kSafeDaysAfterLastTerm)) break;
    const GanZhi pillar = DayGanZhi(date);
    const int god = DayGodIndex(*month, pillar.zhi());
    JiriDay d;
    d.date = date;
    d.weekday = WeekdayText(date);
    d.lunar = JiriLunarText(date);
    d.pillar = NameOf(pillar);
    d.jianchu = NameText(JianchuNames[static_cast<std::size_t>(JianchuIndex(*month, pillar.zhi()))]);
    d.god = NameText(DayGodNames[static_cast<std::size_t>(god)]);
    d.huangdao = IsHuangdao(god);
    out.push_back(std::move(d));
  }
  return out;
}

}  // namespace velmora::calendar
