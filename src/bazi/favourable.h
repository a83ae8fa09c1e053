// favourable.h: the chart's favourable elements (喜用五行) and the elements to avoid (忌).
//
// Exports Pillars (the four pillars in natural indexes), PillarsFromText, PillarsOfChart,
// Favourable, JudgeFavourable and FavourableOfBirth.
//
// The rule (classical basis in brackets; figures are points of 100, kept in tenths):
//
// 1. Strength of the day master (旺衰), by what supports it: the stems and hidden stems of
//    its own element (比劫) and of the element that generates it (印). Seven places count,
//    the day stem itself not:
//      month branch 40 (月令为提纲: the season weighs most, 子平真诠 论用神),
//      day branch 16 (the seat, 坐下), year branch 8, hour branch 10,
//      month stem 10 and hour stem 10 (beside the day master, 近贴), year stem 6.
//    A branch counts through its hidden stems (人元): one stem takes the whole weight; of
//    two the main qi 70 % and the other 30 %; of three the main qi 60 %, the middle 30 %
//    and the residual 10 % (roughly the days each commands in 人元司令分野: the main qi
//    16 to 18 of 30). The support is the sum over the supporting stems.
//      support ≥ 55 身旺, 50..55 偏旺, 45..50 偏弱, below 45 身弱; 50 divides strong
//    from weak (the chart is weighed half for and half against the day master).
// 2. 扶抑: a strong day master wants to be restrained or drained, a weak one supported.
//      strong, 印 outweighs 比劫: 财 first (财破印), 食伤 second (泄秀, and 食伤 生财);
//      strong otherwise: 官杀 first (制比劫) when the chart holds at least as much 官杀 as
//        食伤, else 食伤 first (泄秀); 财 second either way (财生官, or 食伤生财; 食伤 and
//        官杀 are not taken together, since 食伤 克官);
//      weak, 财 the heaviest of 食伤 财 官杀: 比劫 first (比劫分财), 印 second (印 would
//        be broken by 财, 财多身弱 用比劫);
//      weak otherwise: 印 first (化杀生身, 印制食伤), 比劫 second.
//    To avoid: for a strong day master 印 and 比劫, for a weak one the heaviest of 食伤 财
//    官杀 and the next; the second only when the chart holds at least 10 points of it.
// 3. 调候 (穷通宝鉴): born in the hottest months (午 未), a day master other than 水 needs
//    水; born in the coldest (子 丑), one other than 火 needs 火, unless the chart already
//    holds 30 points of it (more than a stem beside the day master and a branch's main qi:
//    戊 of 2000-01-01, with 丙 and 午 at 21 points, still wants 丙火照暖 as 穷通宝鉴 says).
//    The climate element then comes first, and second 扶抑's first
//    element that is neither the climate element nor overcomes it (else the element that
//    generates it); the climate element is never among the elements to avoid.
// Not weighed: combinations, clashes and punishments (合 冲 刑), and the special charts
// (从格, 化气格, 专旺格), which the classics judge apart. A chart so weak that it would
// follow (support under 10) still gets the support elements.
//
// The month is the solar month of the real jie instants when table JQ knows them (the
// report's fixed windows may differ for a day, 节气提示), as the classics read the season.
#pragma once

#include "bazi/birth.h"
#include "bazi/chart.h"
#include "calendar/cycles.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

namespace velmora::bazi {

// The four pillars, year first, in natural indexes (甲 0, 子 0).
struct Pillars {
  std::array<calendar::Tiangan, 4> stems;
  std::array<calendar::Dizhi, 4> branches;
  friend bool operator==(const Pillars&, const Pillars&) = default;
};

// "辛卯 丁酉 庚午 丙子" → pillars; nothing for a text that is not four stem-branch pairs.
std::optional<Pillars> PillarsFromText(const QString& text);

// The chart's pillars, with the year and month of the real jie instants when table JQ in
// folder knows them.
Pillars PillarsOfChart(const BaziChart& chart, const QString& folder);

enum class Strength { Strong, RatherStrong, RatherWeak, Weak };

struct Favourable {
  calendar::Element dayMaster;
  int support = 0;                        // tenths of a point, 0..1000
  std::array<int, 5> presence{};          // each element's weight in the seven places, tenths
  Strength strength = Strength::Weak;
  std::vector<calendar::Element> favoured;  // two, best first
  std::vector<calendar::Element> avoided;   // one or two, worst first
  bool climate = false;                   // 调候 decided the first favoured element
  QString reason;                         // "日主丙火生于午月，…"

  bool Favours(calendar::Element e) const;
  bool Avoids(calendar::Element e) const;
  // "喜用：水、木。忌：火、土。"
  QString ElementsLine() const;
  // The report's section after its heading: the elements line and "理由：…".
  QStringList ReportLines() const;
  // "喜水、木" for a name's reasons.
  QString Brief() const;
};

Favourable JudgeFavourable(const Pillars& pillars);

// The favourable elements of the birth the main window's boxes give (folder: where
// Tgcode.dll lies, for the real jie), or nothing when PrepareBirth refuses them. Tells
// nobody: a run without a usable date simply ignores the chart.
std::optional<Favourable> FavourableOfBirth(const BirthInput& input, const QString& folder);

}  // namespace velmora::bazi
