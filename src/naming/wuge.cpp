// wuge.cpp: grid numbers, number classes, grid points and the three-talent grade
// (see wuge.h).
#include "naming/wuge.h"

#include "calendar/number_wuxing.h"

#include <array>
#include <cmath>
#include <cstdio>

namespace velmora::naming {
namespace {

// True when the text "," + n + "," occurs in the list text.
bool InList(std::string_view list, int n) {
  char needle[16];
  const int len = std::snprintf(needle, sizeof needle, ",%d,", n);
  return list.find(std::string_view(needle, static_cast<std::size_t>(len))) !=
         std::string_view::npos;
}

// Grid points in half points (exact integers), by grid in selector order 天 地 人 总 外.
// A half-lucky number earns 85 % and an unlucky one 70 % of the lucky points.
constexpr std::array<int, 5> kLuckyHalves = {20, 20, 60, 40, 20};
constexpr std::array<int, 5> kHalfLuckyHalves = {17, 17, 51, 34, 17};
constexpr std::array<int, 5> kUnluckyHalves = {14, 14, 42, 28, 14};

// Elements in the order of generation 木 → 火 → 土 → 金 → 水 → 木. With this order
// "generates" is one step forward and "overcomes" two steps forward
// (木 → 土 → 水 → 火 → 金 → 木).
constexpr std::array<char16_t, 5> kGenerationOrder = {u'木', u'火', u'土', u'金', u'水'};

int ElementIndex(QChar c) {
  for (std::size_t i = 0; i < kGenerationOrder.size(); ++i) {
    if (c.unicode() == kGenerationOrder[i]) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace

int Wuge::At(GridKind kind) const {
  switch (kind) {
    case GridKind::Tiange: return tiange;
    case GridKind::Dige: return dige;
    case GridKind::Renge: return renge;
    case GridKind::Zongge: return zongge;
    case GridKind::Waige: return waige;
  }
  return 0;
}

NumberClass NumberClassOf(int n) {
  if (n <= 0) return NumberClass::None;
  if (InList(kLuckyNumbers, n)) return NumberClass::Lucky;
  if (InList(kHalfLuckyNumbers, n)) return NumberClass::HalfLucky;
  if (InList(kUnluckyNumbers, n)) return NumberClass::Unlucky;
  return NumberClass::None;
}

QString NumberClassVerdict(NumberClass cls) {
  switch (cls) {
    case NumberClass::Lucky: return QStringLiteral("吉");
    case NumberClass::HalfLucky: return QStringLiteral("半吉");
    case NumberClass::Unlucky: return QStringLiteral("凶");
    case NumberClass::None: break;
  }
  return QString();
}

double GridScore(int n, GridKind kind) {
  const auto k = static_cast<std::size_t>(kind);
  switch (NumberClassOf(n)) {
    case NumberClass::Lucky: return kLuckyHalves[k] / 2.0;
    case NumberClass::HalfLucky: return kHalfLuckyHalves[k] / 2.0;
    case NumberClass::Unlucky: return kUnluckyHalves[k] / 2.0;
    case NumberClass::None: break;
  }
  return 0.0;
}

// Case study: the wrap starts above 80, not above 81. A total of 81 strokes reads 1
// (the cycle of 80 begins again), while 80 itself stays 80 and never becomes 0: the
// remainder 0 of 160 or 240 is read as 80, so every wrapped number lies in 1..80.
int WrapGridNumber(int n) {
  if (n <= 80) return n;
  const int r = n % 80;
  return r == 0 ? 80 : r;
}

int GridNumberFromStrokes(const NameStrokes& s, GridKind kind) {
  // The person grid joins the last surname character to the first given-name one.
  const int lastSurname = s.doubleSurname ? s.s2 : s.s1;
  const int total =
      s.s1 + (s.doubleSurname ? s.s2 : 0) + s.g1 + (s.doubleGiven ? s.g2 : 0);
  const int person = lastSurname + s.g1;
  int n = 0;
  switch (kind) {
    case GridKind::Tiange: n = s.doubleSurname ? s.s1 + s.s2 : s.s1 + 1; break;
    case GridKind::Dige: n = s.doubleGiven ? s.g1 + s.g2 : s.g1 + 1; break;
    case GridKind::Renge: n = person; break;
    case GridKind::Zongge: n = total; break;
    case GridKind::Waige:
      // A single part contributes the virtual stroke 1 to heaven or earth, so the
      // outer grid, heaven + earth − person, gains 1 unless both parts are double.
      if (!s.doubleSurname && !s.doubleGiven) return 2;
      n = (s.doubleSurname && s.doubleGiven) ? total - person : total - person + 1;
      break;
  }
  return WrapGridNumber(n);
}

Wuge WugeFromStrokes(const NameStrokes& strokes) {
  return Wuge{GridNumberFromStrokes(strokes, GridKind::Tiange),
              GridNumberFromStrokes(strokes, GridKind::Dige),
              GridNumberFromStrokes(strokes, GridKind::Renge),
              GridNumberFromStrokes(strokes, GridKind::Zongge),
              GridNumberFromStrokes(strokes, GridKind::Waige)};
}

QString SancaiOf(const Wuge& wuge) {
  return calendar::NumberWuxingTriple(wuge.tiange, wuge.renge, wuge.dige);
}

int TalentInfluence(QChar outer, QChar person) {
  const int o = ElementIndex(outer);
  const int p = ElementIndex(person);
  if (o < 0 || p < 0) return 0;
  switch ((p - o + 5) % 5) {
    case 0: return 1;   // same element
    case 1: return 2;   // outer generates person
    case 2: return -2;  // outer overcomes person
    case 3: return -1;  // person overcomes outer
    case 4: return 0;   // person generates outer
  }
  return 0;
}

int SancaiGrade(QStringView sancai) {
  if (sancai.size() != 3) return 0;
  for (QChar c : sancai) {
    if (ElementIndex(c) < 0) return 0;
  }
  const int s = TalentInfluence(sancai[0], sancai[1]) + TalentInfluence(sancai[2], sancai[1]);
  if (s >= 4) return 1;
  if (s == 3) return 2;
  if (s == 2) return 3;
  if (s >= 0) return 4;
  if (s == -1) return 5;
  if (s == -2) return 6;
  return 7;
}

double SancaiPoints(int grade) {
  constexpr std::array<double, 8> kPoints = {-1.0, 20.0, 18.0, 16.0, 15.0, 14.0, 13.0, 12.0};
  if (grade < 1 || grade > 7) return -1.0;
  return kPoints[static_cast<std::size_t>(grade)];
}

QString SancaiGradeName(int grade) {
  switch (grade) {
    case 1: return QStringLiteral("大吉");
    case 2: return QStringLiteral("吉");
    case 3: return QStringLiteral("中吉");
    case 4: return QStringLiteral("半吉");
    case 5: return QStringLiteral("半凶");
    case 6: return QStringLiteral("凶");
    case 7: return QStringLiteral("大凶");
    default: return QString();
  }
}

QString InfluenceVerdict(int influence) {
  switch (influence) {
    case 2: return QStringLiteral("大吉");
    case 1: return QStringLiteral("吉");
    case 0: return QStringLiteral("半吉");
    case -1: return QStringLiteral("凶");
    case -2: return QStringLiteral("大凶");
    default: return QString();
  }
}

QString RelationsVerdict(int grade) {
  switch (grade) {
    case 1: return QStringLiteral("大吉");
    case 2:
    case 3: return QStringLiteral("吉");
    case 4: return QStringLiteral("半吉");
    case 5:
    case 6: return QStringLiteral("凶");
    case 7: return QStringLiteral("大凶");
    default: return QString();
  }
}

double ComputedNameScore(const Wuge& wuge, int sancaiGrade) {
  double score = GridScore(wuge.tiange, GridKind::Tiange);
  score += GridScore(wuge.dige, GridKind::Dige);
  score += GridScore(wuge.renge, GridKind::Renge);
  score += GridScore(wuge.zongge, GridKind::Zongge);
  score += GridScore(wuge.waige, GridKind::Waige);
  score += SancaiPoints(sancaiGrade);
  return score;
}

int PlanScore(double computedScore) {
  // Work in half points so the rounding is done on integers.
  const long long halves = std::llround(computedScore * 2.0);
  const long long scaledTenths = halves * 4;  // score × 0.8, in tenths
  return static_cast<int>(scaledTenths >= 0 ? (scaledTenths + 5) / 10
                                            : -((-scaledTenths + 5) / 10));
}

int ComputedPlanScore(const Wuge& wuge, int sancaiGrade) {
  return PlanScore(ComputedNameScore(wuge, sancaiGrade));
}

}  // namespace velmora::naming
