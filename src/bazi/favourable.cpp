// favourable.cpp: the favourable elements of a chart (see favourable.h for the rule).
#include "bazi/favourable.h"

#include "bazi/cycle_numbers.h"
#include "bazi/term_hint.h"
#include "calendar/vocabulary.h"

#include <algorithm>

namespace velmora::bazi {

using calendar::Dizhi;
using calendar::Element;
using calendar::Tiangan;

namespace {

// Weights of the places, in points of 100: stems and branches of year, month, day, hour.
// The day stem is the day master itself.
constexpr std::array<int, 4> kStemWeight = {6, 10, 0, 10};
constexpr std::array<int, 4> kBranchWeight = {8, 40, 16, 10};
constexpr int kStrongFrom = 500;        // tenths: support of 50 points or more is strong
constexpr int kClearlyStrongFrom = 550;
constexpr int kClearlyWeakBelow = 450;
constexpr int kSecondAvoidedFrom = 100;  // an element to avoid needs 10 points to be named
constexpr int kClimateEnough = 300;      // 30 points of the climate element suffice

// The hidden stems (人元) of each branch, main qi first, with their share in tenths.
struct Hidden {
  int stem;   // Tiangan index
  int share;  // of 10
};
struct BranchStems {
  std::array<Hidden, 3> stems;
  int count;
};
constexpr std::array<BranchStems, 12> kHidden = {{
    {{{{9, 10}}}, 1},                     // 子 癸
    {{{{5, 6}, {9, 3}, {7, 1}}}, 3},      // 丑 己 癸 辛
    {{{{0, 6}, {2, 3}, {4, 1}}}, 3},      // 寅 甲 丙 戊
    {{{{1, 10}}}, 1},                     // 卯 乙
    {{{{4, 6}, {1, 3}, {9, 1}}}, 3},      // 辰 戊 乙 癸
    {{{{2, 6}, {4, 3}, {6, 1}}}, 3},      // 巳 丙 戊 庚
    {{{{3, 7}, {5, 3}}}, 2},              // 午 丁 己
    {{{{5, 6}, {3, 3}, {1, 1}}}, 3},      // 未 己 丁 乙
    {{{{6, 6}, {8, 3}, {4, 1}}}, 3},      // 申 庚 壬 戊
    {{{{7, 10}}}, 1},                     // 酉 辛
    {{{{4, 6}, {7, 3}, {3, 1}}}, 3},      // 戌 戊 辛 丁
    {{{{8, 7}, {0, 3}}}, 2},              // 亥 壬 甲
}};

Element ElementOf(Tiangan t) { return Element::FromIndex(t.index() / 2); }
Element ElementOf(int stemIndex) { return Element::FromIndex(stemIndex / 2); }
Element MainQi(Dizhi d) { return ElementOf(kHidden[static_cast<std::size_t>(d.index())].stems[0].stem); }

QString Name(Element e) { return calendar::NameOf(e); }
QString Name(Tiangan t) { return calendar::NameOf(t); }
QString Name(Dizhi d) { return calendar::NameOf(d); }

QString JoinElements(const std::vector<Element>& elements, const QString& separator) {
  QStringList names;
  for (Element e : elements) names << Name(e);
  return names.join(separator);
}

// The day master's relations (十神 by element).
struct Roles {
  Element self, resource, output, wealth, power;  // 比劫 印 食伤 财 官杀
  explicit Roles(Element d)
      : self(d), resource(d.next(-1)), output(d.generates()), wealth(d.overcomes()), power(d.next(3)) {}
  bool Supports(Element e) const { return e == self || e == resource; }
};

// 月令 in words: "月令未土生金，得令".
QString MonthText(Dizhi month, const Roles& r) {
  const Element m = MainQi(month);
  const QString head = QStringLiteral("月令") + Name(month) + Name(m);
  if (m == r.self) return head + QStringLiteral("与日主同气，得令");
  if (m == r.resource) return head + QStringLiteral("生") + Name(r.self) + QStringLiteral("，得令");
  if (m == r.output) return head + QStringLiteral("泄") + Name(r.self) + QStringLiteral("之气，失令");
  if (m == r.wealth) return head + QStringLiteral("为") + Name(r.self) + QStringLiteral("所克，耗身，失令");
  return head + QStringLiteral("克") + Name(r.self) + QStringLiteral("，失令");
}

// The branches that root the day master (a hidden stem of its own element) and the stems
// that help it: "通根于辰、巳；天干辛金相帮".
QString HelpText(const Pillars& p, const Roles& r) {
  QStringList roots;
  for (std::size_t i = 0; i < 4; ++i) {
    const BranchStems& b = kHidden[static_cast<std::size_t>(p.branches[i].index())];
    for (int k = 0; k < b.count; ++k) {
      if (ElementOf(b.stems[static_cast<std::size_t>(k)].stem) == r.self) {
        roots << Name(p.branches[i]);
        break;
      }
    }
  }
  roots.removeDuplicates();
  QStringList peers, parents;
  for (std::size_t i = 0; i < 4; ++i) {
    if (i == 2) continue;
    const Element e = ElementOf(p.stems[i]);
    if (e == r.self) peers << Name(p.stems[i]);
    if (e == r.resource) parents << Name(p.stems[i]);
  }
  peers.removeDuplicates();  // 辛辛 → 辛
  parents.removeDuplicates();
  QStringList stems;
  if (!peers.isEmpty()) stems << peers.join(QString()) + Name(r.self) + QStringLiteral("相帮");
  if (!parents.isEmpty()) stems << parents.join(QString()) + Name(r.resource) + QStringLiteral("相生");
  return (roots.isEmpty() ? QStringLiteral("地支无根") : QStringLiteral("通根于") + roots.join(QStringLiteral("、"))) +
         (stems.isEmpty() ? QStringLiteral("，天干无比印相助") : QStringLiteral("，天干") + stems.join(QStringLiteral("、")));
}

QString StrengthWord(Strength s) {
  switch (s) {
    case Strength::Strong: return QStringLiteral("身旺");
    case Strength::RatherStrong: return QStringLiteral("偏旺");
    case Strength::RatherWeak: return QStringLiteral("偏弱");
    case Strength::Weak: return QStringLiteral("身弱");
  }
  return QString();
}

QString Labelled(Element e, const char16_t* role) {
  return Name(e) + QStringLiteral("（") + QString::fromUtf16(role) + QStringLiteral("）");
}

}  // namespace

std::optional<Pillars> PillarsFromText(const QString& text) {
  const QStringList parts = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
  if (parts.size() != 4) return std::nullopt;
  Pillars p;
  for (std::size_t i = 0; i < 4; ++i) {
    const QString& pair = parts[static_cast<qsizetype>(i)];
    if (pair.size() != 2) return std::nullopt;
    const auto s = std::find(calendar::TianganNames.begin(), calendar::TianganNames.end(),
                             std::u16string_view(reinterpret_cast<const char16_t*>(pair.utf16()), 1));
    const auto b = std::find(calendar::DizhiNames.begin(), calendar::DizhiNames.end(),
                             std::u16string_view(reinterpret_cast<const char16_t*>(pair.utf16()) + 1, 1));
    if (s == calendar::TianganNames.end() || b == calendar::DizhiNames.end()) return std::nullopt;
    p.stems[i] = Tiangan::FromIndex(static_cast<int>(s - calendar::TianganNames.begin()));
    p.branches[i] = Dizhi::FromIndex(static_cast<int>(b - calendar::DizhiNames.begin()));
  }
  return p;
}

Pillars PillarsOfChart(const BaziChart& chart, const QString& folder) {
  int yearStem = chart.yearStem, yearBranch = chart.yearBranch;
  int monthStem = chart.monthStem, monthBranch = chart.monthBranch;
  if (const std::optional<RealTermPillars> real = RealTermPillarsOf(chart, folder)) {
    yearStem = real->yearStem;
    yearBranch = real->yearBranch;
    monthStem = real->monthStem;
    monthBranch = real->monthBranch;
  }
  Pillars p;
  p.stems = {StemOf(yearStem), StemOf(monthStem), StemOf(chart.dayStem), StemOf(chart.hourStem)};
  p.branches = {BranchOf(yearBranch), BranchOf(monthBranch), BranchOf(chart.dayBranch), BranchOf(chart.hourBranch)};
  return p;
}

Favourable JudgeFavourable(const Pillars& p) {
  Favourable f;
  const Roles r(ElementOf(p.stems[2]));
  f.dayMaster = r.self;
  auto add = [&](Element e, int tenths) {
    f.presence[static_cast<std::size_t>(e.index())] += tenths;
    if (r.Supports(e)) f.support += tenths;
  };
  for (std::size_t i = 0; i < 4; ++i) {
    add(ElementOf(p.stems[i]), kStemWeight[i] * 10);
    const BranchStems& b = kHidden[static_cast<std::size_t>(p.branches[i].index())];
    for (int k = 0; k < b.count; ++k) {
      const Hidden& h = b.stems[static_cast<std::size_t>(k)];
      add(ElementOf(h.stem), kBranchWeight[i] * h.share);
    }
  }
  auto weight = [&](Element e) { return f.presence[static_cast<std::size_t>(e.index())]; };
  const bool strong = f.support >= kStrongFrom;
  f.strength = f.support >= kClearlyStrongFrom ? Strength::Strong
               : strong                         ? Strength::RatherStrong
               : f.support >= kClearlyWeakBelow ? Strength::RatherWeak
                                                : Strength::Weak;

  // 扶抑.
  QString method;
  std::vector<Element> against;  // the elements to avoid, heaviest first
  if (strong) {
    if (weight(r.resource) > weight(r.self)) {
      f.favoured = {r.wealth, r.output};
      method = QStringLiteral("印多身旺，宜") + Labelled(r.wealth, u"财") + QStringLiteral("破印，") +
               Labelled(r.output, u"食伤") + QStringLiteral("泄秀");
    } else if (weight(r.power) >= weight(r.output) && weight(r.power) > 0) {
      f.favoured = {r.power, r.wealth};
      method = QStringLiteral("比劫多身旺，宜") + Labelled(r.power, u"官杀") + QStringLiteral("制身，") +
               Labelled(r.wealth, u"财") + QStringLiteral("生官");
    } else {
      f.favoured = {r.output, r.wealth};
      method = QStringLiteral("比劫多身旺，宜") + Labelled(r.output, u"食伤") + QStringLiteral("泄秀，") +
               Labelled(r.wealth, u"财") + QStringLiteral("承食伤之生");
    }
    against = {r.resource, r.self};
  } else {
    against = {r.output, r.wealth, r.power};
    std::stable_sort(against.begin(), against.end(), [&](Element a, Element b) { return weight(a) > weight(b); });
    if (against.front() == r.wealth) {
      f.favoured = {r.self, r.resource};
      method = QStringLiteral("财多身弱，宜") + Labelled(r.self, u"比劫") + QStringLiteral("分财，") +
               Labelled(r.resource, u"印") + QStringLiteral("生身");
    } else {
      f.favoured = {r.resource, r.self};
      const bool power = against.front() == r.power;
      method = (power ? QStringLiteral("官杀重身弱，宜") + Labelled(r.resource, u"印") + QStringLiteral("化杀生身，")
                      : QStringLiteral("食伤泄身，宜") + Labelled(r.resource, u"印") + QStringLiteral("制食伤、生身，")) +
               Labelled(r.self, u"比劫") + QStringLiteral("帮身");
    }
  }
  std::stable_sort(against.begin(), against.end(), [&](Element a, Element b) { return weight(a) > weight(b); });

  // 调候.
  QString climateText;
  const Dizhi month = p.branches[1];
  const int m = month.index();
  const bool hot = m == 6 || m == 7;    // 午 未
  const bool cold = m == 0 || m == 1;   // 子 丑
  const Element water = Element::FromIndex(4), fire = Element::FromIndex(1);
  if ((hot && r.self != water) || (cold && r.self != fire)) {
    const Element need = hot ? water : fire;
    if (weight(need) < kClimateEnough) {
      f.climate = true;
      // The second is 扶抑's first that neither is the climate element nor overcomes it
      // (丙 in 午: 扶抑 土 金 → 水 金, not 土, which would dam the water).
      Element other = need.next(-1);  // else what generates it
      for (Element e : f.favoured) {
        if (e != need && e.overcomes() != need) {
          other = e;
          break;
        }
      }
      f.favoured = {need, other};
      climateText = hot ? QStringLiteral("生于盛夏，火炎土燥，先取水调候")
                        : QStringLiteral("生于隆冬，天寒地冻，先取火调候");
    }
  }

  for (Element e : against) {
    if (f.Favours(e)) continue;
    if (!f.avoided.empty() && weight(e) < kSecondAvoidedFrom) break;
    f.avoided.push_back(e);
    if (f.avoided.size() == 2) break;
  }

  f.reason = QStringLiteral("日主") + Name(p.stems[2]) + Name(r.self) + QStringLiteral("生于") + Name(month) +
             QStringLiteral("月，") + MonthText(month, r) + QStringLiteral("；") + HelpText(p, r) +
             QStringLiteral("；扶身%1分（满分100，50分为界），").arg((f.support + 5) / 10) + StrengthWord(f.strength) +
             QStringLiteral("。") + method + QStringLiteral("。");
  if (!climateText.isEmpty()) f.reason += climateText + QStringLiteral("。");
  return f;
}

std::optional<Favourable> FavourableOfBirth(const BirthInput& input, const QString& folder) {
  const std::optional<Birth> birth = PrepareBirth(input);
  BaziChart chart;
  if (!birth || !ComputeBaziChart(birth->date.year(), birth->date.month(), birth->date.day(), birth->hour,
                                  birth->minute, input.sex.trimmed(), folder, chart)) {
    return std::nullopt;
  }
  return JudgeFavourable(PillarsOfChart(chart, folder));
}

bool Favourable::Favours(Element e) const { return std::find(favoured.begin(), favoured.end(), e) != favoured.end(); }
bool Favourable::Avoids(Element e) const { return std::find(avoided.begin(), avoided.end(), e) != avoided.end(); }

QString Favourable::ElementsLine() const {
  return QStringLiteral("喜用：") + JoinElements(favoured, QStringLiteral("、")) + QStringLiteral("。忌：") +
         JoinElements(avoided, QStringLiteral("、")) + QStringLiteral("。");
}

QStringList Favourable::ReportLines() const { return {ElementsLine(), QStringLiteral("理由：") + reason}; }

QString Favourable::Brief() const { return QStringLiteral("喜") + JoinElements(favoured, QStringLiteral("、")); }

}  // namespace velmora::bazi
