// wuge.h: the pure part of the name scoring core (五格 stroke numerology).
//
// Exports the grid selector GridKind, the five grid numbers Wuge, the three number
// classes of the 81-number scheme (held as the comma texts the model defines), the
// grid points, the grid numbers computed from stroke counts, the three-talent grade
// rule with its points, and the computed name score.
//
// Everything here is a function of stroke counts and element texts. Looking strokes up
// by character (GridNumber of a surname and a given name) belongs to the database side
// and builds on these functions. Scores are doubles that are always multiples of 0.5,
// so every sum below is exact.
#pragma once

#include <QString>
#include <QStringView>

#include <compare>
#include <string_view>

namespace velmora::naming {

// The five grids in selector order 0..4.
enum class GridKind : int {
  Tiange = 0,  // 天格, heaven
  Dige = 1,    // 地格, earth
  Renge = 2,   // 人格, person
  Zongge = 3,  // 总格, total
  Waige = 4,   // 外格, outer
};

// The five grid numbers of a name, each 0..80 after the 80-wrap.
struct Wuge {
  int tiange = 0;
  int dige = 0;
  int renge = 0;
  int zongge = 0;
  int waige = 0;

  // The number of one grid.
  int At(GridKind kind) const;

  friend auto operator<=>(const Wuge&, const Wuge&) = default;
};

// The three class lists of the numbers 1..81. A number belongs to a list when
// "," + n + "," occurs in its text; the lists are tested lucky first, then
// half-lucky, then unlucky, and together hold every number 1..81 exactly once.
inline constexpr std::string_view kLuckyNumbers =
    ",1,3,5,7,8,11,13,15,16,18,21,23,24,25,31,32,33,35,37,39,41,45,47,48,52,57,61,63,65,"
    "67,68,81,";
inline constexpr std::string_view kHalfLuckyNumbers =
    ",6,17,26,27,29,30,38,49,51,55,58,71,73,75,";
inline constexpr std::string_view kUnluckyNumbers =
    ",2,4,9,10,12,14,19,20,22,28,34,36,40,42,43,44,46,50,53,54,56,59,60,62,64,66,69,70,"
    "72,74,76,77,78,79,80,";

enum class NumberClass { None, Lucky, HalfLucky, Unlucky };

// The class of n by the three lists; None for 0, negatives and numbers above 81.
NumberClass NumberClassOf(int n);

// The verdict word of a class as table 81 writes it: 吉, 半吉, 凶; empty for None.
QString NumberClassVerdict(NumberClass cls);

// Points of number n in grid `kind`: the grid's weight (人格 30, 总格 20, the others
// 10) for a lucky number, 85 % of it for a half-lucky and 70 % for an unlucky one,
// 0 for a number without class.
double GridScore(int n, GridKind kind);

// The 80-wrap of a grid number: n ≤ 80 stays; above 80 the remainder modulo 80 is
// taken and a remainder of 0 reads 80. So 81 → 1, 160 → 80, 161 → 1.
int WrapGridNumber(int n);

// Stroke counts of a full name. A part is double when it has two characters; a
// character that was not found still counts as present, with 0 strokes, so the
// shape cannot be read from the counts and is given explicitly.
struct NameStrokes {
  int s1 = 0;  // first surname character
  int s2 = 0;  // second surname character; ignored for a single surname
  int g1 = 0;  // first given-name character
  int g2 = 0;  // second given-name character; ignored for a single given name
  bool doubleSurname = false;
  bool doubleGiven = false;
};

// One grid number (after the 80-wrap) computed from the stroke counts.
int GridNumberFromStrokes(const NameStrokes& strokes, GridKind kind);

// All five grid numbers computed from the stroke counts.
Wuge WugeFromStrokes(const NameStrokes& strokes);

// The three-talent text (Sancai) of the grids: elements of 天格, 人格, 地格 in that order.
QString SancaiOf(const Wuge& wuge);

// The influence of an outer talent on the person talent, from the outer element's
// point of view: outer generates person +2, same element +1, person generates outer
// 0, person overcomes outer −1, outer overcomes person −2. Heaven toward person is
// the success value, earth toward person the basic-fortune value. Elements are the
// characters 金 木 水 火 土; any other character gives 0.
int TalentInfluence(QChar outer, QChar person);

// The grade djc of a three-talent text (heaven, person, earth), 1 best .. 7 worst,
// from s = TalentInfluence(heaven, person) + TalentInfluence(earth, person):
// s 4 → 1, 3 → 2, 2 → 3, 1 or 0 → 4, −1 → 5, −2 → 6, −3 or −4 → 7.
// 0 when the text is not three element characters.
int SancaiGrade(QStringView sancai);

// Points of a three-talent grade: 1 → 20, 2 → 18, 3 → 16, 4 → 15, 5 → 14, 6 → 13,
// 7 → 12; any other grade (no row in the table included) → −1.
double SancaiPoints(int grade);

// Name of a grade for tables and reports: 大吉 吉 中吉 半吉 半凶 凶 大凶; empty outside 1..7.
QString SancaiGradeName(int grade);

// Verdict of an influence value on the basic fortune or on success:
// +2 大吉, +1 吉, 0 半吉, −1 凶, −2 大凶; empty for other values.
QString InfluenceVerdict(int influence);

// Verdict of a grade on relations with others: 1 大吉, 2–3 吉, 4 半吉, 5–6 凶,
// 7 大凶; empty outside 1..7.
QString RelationsVerdict(int grade);

// The computed name score: the five grid points plus the points of the three-talent
// grade, added in the order 天 地 人 总 外 then the grade. 68..100 for grid numbers in
// 1..80 and a grade in 1..7.
double ComputedNameScore(const Wuge& wuge, int sancaiGrade);

// The plan score stored in table zh: the computed score scaled by 0.8 and rounded
// (the best name scores 80). The computed score is a multiple of 0.5, so the scaled
// value is never exactly halfway and the rounding is unambiguous.
int PlanScore(double computedScore);

// The score of a name whose stroke counts have no zh row: the computed score put on the
// plan scale, PlanScore(ComputedNameScore(...)). So every score shown is on one scale and
// a name outside the table (an unknown character, strokes above 36) never outranks one
// inside it.
int ComputedPlanScore(const Wuge& wuge, int sancaiGrade);

}  // namespace velmora::naming
