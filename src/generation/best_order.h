// 推荐模式's quality order: every given name the listed stroke plans allow for a surname,
// sex and form, best first as a parent weighs names, each with its reasons.
//
// Candidates: for each plan, the candidate characters (word, Aflag NULL) of its stroke
// counts that suit the child's sex, the first of two characters one that may open a given
// name and the second one that may close it (or the fixed character where one is given).
// A doubled character (思思) or one that repeats the surname stands only as a curated pair.
// Every name passes the one filter of all modes (NameFilter) before it is shown.
//
// The score, in points (chosen by reading the first pages of 张 王 李 刘 陈 欧阳 for
// both sexes as a parent in 2026 would):
//   standing of each character, from its rank r in the candidate list at its place (first:
//     px + id; second or alone: px): 24 × (1 − ln r / ln 1500), so rank 1 gives 24, 10
//     gives 16, 100 gives 9, 1000 gives 1; a character out of its place (r ≥ 3000: 子 or 家
//     second, 柱 first) −30. The list ranks by the names people carry, older generations
//     included (伟 is first), so this alone would favour 张新伟;
//   today's taste: 4 × log2(1 + n), at most 16, n the curated good names (hm) of the
//     child's sex or of both that hold the character (清 124, 睿 77, 伟 0); −6 when the
//     other sex's curated names hold it at least ten times and three times as often (可 and
//     雨 for a boy, 哲 and 睿 for a girl);
//   +3 for each character marked for the child's sex alone (a boy's 浩, a girl's 妍);
//   attestation, the best of: a curated good name +30, or +20 for the names most given in
//     recent years (子涵, 梓萱), which many parents now pass over; a pair of the poetry
//     library 3 × log2(poems), at most 12; a pair that stands in an idiom +6;
//   a pair that reads as an everyday word (the name checks' wordiness: 春风, 白云), unless
//     curated, −5 × log2(1 + wordiness);
//   sound: a finding of the name checks (three syllables of one tone, a repeated syllable,
//     initial or final) −15; a given character that sounds like a surname character (陈彦辰,
//     欧阳睿阳) −12; surname and given name all of one tone class (张嘉哲 平平平)
//     −6; two given-name characters of different tone class +2;
//   the chart, when the birth boxes hold a usable date: a character of the first favoured
//     element +22, of the second +8, of an element to avoid −10; a character on which the
//     references split (wuhang_alt) counts the mean of its two elements. With a chart that
//     favours 水 this puts a 水 character into at least two thirds of the first 30 names
//     of every surname tried, without a name of poor standing;
//   the plan: (zf − 70) × 1.2, the plan score above the usual bound of 70.
// Ties keep the plans' order, then the characters' ranks.
//
// Variety: a page never holds one character in more than a tenth of its rows; within the
// first n rows of a page a character may stand at most ⌈n / 10⌉ times (once in the first
// ten, three times in the first thirty; the fixed character excepted). A name held back by this comes as soon as the rule allows, on the
// same page or the next. When only held-back names remain, the rule gives way to the one
// that breaks it least.
#pragma once

#include "bazi/favourable.h"
#include "generation/best_data.h"
#include "generation/name_filter.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

namespace velmora {

struct BestPlan {
  int first = 0, second = 0;  // given-name strokes; second 0 for a one-character name
  int zf = 0;                 // plan score
  QString wg, sc;             // the grid's 五格 and 三才 texts
};

struct BestInputs {
  QString surname;         // trimmed
  QChar surnameTone;       // 平 or 仄 of its last character; null when unknown
  QStringList surnameSyllables;  // each character's reading as a surname, without tones
  bool male = true;
  bool twoChars = true;
  std::optional<BestChar> fixed;  // the fixed character, with its strokes and element
  bool fixedSecond = true;        // fixed as 第二字, the first given-name character
  std::vector<BestPlan> plans;
  std::optional<bazi::Favourable> chart;  // none: the order ignores elements
  NameFilter filter;
};

struct BestName {
  QString given;
  int plan = 0;            // index into the inputs' plans
  double score = 0;
  double chartPart = 0;    // what the chart added (negative: an element to avoid)
  bool sound = false;      // a sound finding lowered it
};

class BestOrder {
 public:
  BestOrder(std::shared_ptr<const BestData> data, BestInputs inputs);

  // Names scored, before the filter: the most the order can show.
  int Total() const { return scored_; }
  // The next page, at most pageSize names, best first.
  std::vector<BestName> NextPage(int pageSize);
  bool Done() const { return heap_.empty() && held_.empty(); }

  // What the status strip says of a name: the first clause of each character's meaning, the
  // tone pattern, the elements and what the chart favours, the plan score, where the pair
  // comes from, and any sound finding:
  // 清雯 — 清：水清见底…；雯：云彩的花纹…；平仄 平平平；五行 水水，八字喜水、木，忌土、金；五格 76分；精选好名：…
  QString Reasons(const BestName& name) const;
  const BestInputs& Inputs() const { return in_; }
  const BestData& Data() const { return *data_; }

 private:
  struct Entry {
    double score;
    int plan;
    int order;             // the rank of the pair within its plan, for ties
    const BestChar* a;
    const BestChar* b;     // null for a one-character name
    double chart;
    bool judged = false;
    bool sound = false;
  };
  friend bool operator<(const Entry& x, const Entry& y);
  void Score();
  void Push(int plan, int order, const BestChar* a, const BestChar* b);
  QString Given(const Entry& e) const;
  int Excess(const Entry& e, int row) const;  // how far the name would break the variety rule
  bool Allowed(const Entry& e, int row) const;
  void Count(const Entry& e, int delta);
  double ChartValue(const BestChar& c) const;

  std::shared_ptr<const BestData> data_;
  BestInputs in_;
  std::vector<Entry> heap_;   // a max-heap by score
  std::vector<Entry> held_;   // judged, kept back by the variety rule; best first
  QHash<QChar, int> onPage_;  // characters on the page being filled
  int scored_ = 0;
};

}  // namespace velmora
