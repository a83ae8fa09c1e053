// 推荐模式's quality order: see best_order.h for the weights.
#include "generation/best_order.h"

#include "calendar/vocabulary.h"
#include "naming/name_check.h"
#include "naming/pinyin.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace velmora {

namespace {

constexpr double kStandingTop = 24;        // standing of the first-ranked character
constexpr double kRankScale = 1500;        // rank at which the standing reaches 0
constexpr int kOutOfPlace = 3000;          // ranks from here: the character's wrong place
constexpr double kOutOfPlaceStanding = -30;
constexpr double kTastePerDoubling = 4, kTasteMost = 16;
constexpr double kLeansAway = -6;
constexpr int kLeanFrom = 10;
constexpr double kSexed = 3;
constexpr double kCurated = 30, kCuratedPopular = 20;
constexpr double kPoemPerDoubling = 3, kPoemMost = 12;
constexpr double kIdiom = 6;
constexpr double kWordiness = 5;
constexpr double kSound = 15;
constexpr double kEchoesSurname = -12;
constexpr double kOneToneClass = -6;
constexpr double kTonesDiffer = 2;
constexpr double kFirstFavoured = 22, kSecondFavoured = 8, kAvoided = -10;
constexpr double kPlanPerPoint = 1.2;
constexpr int kPlanBase = 70;

// A character's standing at a place of the given name, from its rank there.
double Standing(int rank) {
  if (rank <= 0) return 0;  // a fixed character that is no candidate
  if (rank >= kOutOfPlace) return kOutOfPlaceStanding;
  return kStandingTop * (1 - std::log(rank) / std::log(kRankScale));
}

bool Suits(const BestChar& c, bool male) { return male ? c.male : c.female; }

// Today's taste for a character, from the curated good names of the child's sex and of
// both that hold it, less a penalty when the curated names of the other sex hold it far
// more often (可 and 雨 lean to girls, 哲 and 睿 to boys).
double Taste(const BestChar& c, bool male) {
  const int own = (male ? c.curatedBoys : c.curatedGirls) + c.curatedBoth;
  const int other = male ? c.curatedGirls : c.curatedBoys;
  double taste = std::min(kTasteMost, kTastePerDoubling * std::log2(1 + own));
  if (other >= kLeanFrom && other >= 3 * (own + 1)) taste += kLeansAway;
  return taste;
}

// A character's syllable in a name, without tone: its reading in names, else the word list's.
QString Syllable(const BestChar& c) { return naming::Toneless(c.reading.isEmpty() ? c.pinyin : c.reading); }

bool CuratedSuits(const CuratedPair& p, bool male) {
  return p.xb == QStringLiteral("1") || p.xb == (male ? QStringLiteral("男") : QStringLiteral("女"));
}

// A meaning's first clause, with "…" when more follows, so that the strip's one line holds
// every reason: 水清见底，寄望为人清白 → 水清见底…
QString FirstClause(const QString& meaning) {
  const qsizetype end = meaning.indexOf(QRegularExpression(QStringLiteral("[，；。]")));
  return end < 0 ? meaning : meaning.left(end) + QStringLiteral("…");
}

}  // namespace

bool operator<(const BestOrder::Entry& x, const BestOrder::Entry& y) {
  if (x.score != y.score) return x.score < y.score;
  return x.order > y.order;  // the earlier in plan and rank order is the better
}

BestOrder::BestOrder(std::shared_ptr<const BestData> data, BestInputs inputs)
    : data_(std::move(data)), in_(std::move(inputs)) {
  Score();
  scored_ = static_cast<int>(heap_.size());
  std::make_heap(heap_.begin(), heap_.end());
}

double BestOrder::ChartValue(const BestChar& c) const {
  if (!in_.chart || !c.element) return 0;
  auto value = [this](calendar::Element e) {
    const bazi::Favourable& f = *in_.chart;
    if (!f.favoured.empty() && f.favoured[0] == e) return kFirstFavoured;
    if (f.favoured.size() > 1 && f.favoured[1] == e) return kSecondFavoured;
    return f.Avoids(e) ? kAvoided : 0.0;
  };
  return c.alt ? (value(*c.element) + value(*c.alt)) / 2 : value(*c.element);
}

void BestOrder::Score() {
  const bool fixedFirst = in_.fixed && in_.fixedSecond;
  const bool fixedLast = in_.fixed && !in_.fixedSecond;
  int order = 0;
  for (int p = 0; p < static_cast<int>(in_.plans.size()); ++p) {
    const BestPlan& plan = in_.plans[static_cast<std::size_t>(p)];
    std::vector<const BestChar*> firsts, seconds;
    for (const BestChar& c : data_->Candidates()) {
      if (!Suits(c, in_.male)) continue;
      const bool opens = c.firstRank - c.secondRank < kOutOfPlace;
      const bool closes = c.secondRank - c.firstRank < kOutOfPlace;
      if (!fixedFirst && c.bh == plan.first && (opens || !in_.twoChars)) firsts.push_back(&c);
      if (in_.twoChars && !fixedLast && c.bh == plan.second && closes) seconds.push_back(&c);
    }
    if (fixedFirst) firsts = {&*in_.fixed};
    if (fixedLast) seconds = {&*in_.fixed};
    if (!in_.twoChars) {
      for (const BestChar* a : firsts) Push(p, order++, a, nullptr);
      continue;
    }
    for (const BestChar* a : firsts) {
      for (const BestChar* b : seconds) Push(p, order++, a, b);
    }
  }
}

void BestOrder::Push(int plan, int order, const BestChar* a, const BestChar* b) {
  const QString given = b ? QString(a->zi) + b->zi : QString(a->zi);
  const CuratedPair* curated = b ? data_->Curated(given) : nullptr;
  if (curated && !CuratedSuits(*curated, in_.male)) curated = nullptr;
  // A doubled character or one of the surname's reads as a nickname or a slip.
  if (!curated && ((b && a->zi == b->zi) || in_.surname.contains(a->zi) || (b && in_.surname.contains(b->zi)))) return;

  double score = b ? Standing(a->firstRank) + Standing(b->secondRank) : Standing(a->secondRank);
  for (const BestChar* c : {a, b}) {
    if (!c) continue;
    score += Taste(*c, in_.male);
    if (c->sexed) score += kSexed;
    if (in_.surnameSyllables.contains(Syllable(*c))) score += kEchoesSurname;
  }
  // Tone classes: all alike (张嘉哲 平平平) reads flat.
  const QChar last = b ? b->tone : a->tone;
  if (!in_.surnameTone.isNull() && !last.isNull() && in_.surnameTone == a->tone && a->tone == last) score += kOneToneClass;
  if (b) {
    double attested = 0;
    if (curated) attested = curated->style == QStringLiteral("popular") ? kCuratedPopular : kCurated;
    if (const PoemPair* poem = data_->Poem(given); poem && poem->poems >= 2)
      attested = std::max(attested, std::min(kPoemMost, kPoemPerDoubling * std::log2(poem->poems)));
    if (!data_->Idiom(given).isEmpty()) attested = std::max(attested, kIdiom);
    score += attested;
    if (!curated && in_.filter.Checker()) {
      if (const int w = in_.filter.Checker()->Wordiness(given); w > 0) score -= kWordiness * std::log2(1 + w);
    }
    if (!a->tone.isNull() && !b->tone.isNull() && a->tone != b->tone) score += kTonesDiffer;
  }
  const double chart = ChartValue(*a) + (b ? ChartValue(*b) : 0);
  score += chart;
  score += (in_.plans[static_cast<std::size_t>(plan)].zf - kPlanBase) * kPlanPerPoint;
  heap_.push_back({score, plan, order, a, b, chart});
}

QString BestOrder::Given(const Entry& e) const { return e.b ? QString(e.a->zi) + e.b->zi : QString(e.a->zi); }

int BestOrder::Excess(const Entry& e, int row) const {
  const int limit = (row + 9) / 10;  // a tenth of the rows so far, rounded up
  const QString given = Given(e);
  int excess = 0;
  for (QChar c : given) {
    if (in_.fixed && c == in_.fixed->zi) continue;
    excess = std::max(excess, static_cast<int>(onPage_.value(c) + given.count(c)) - limit);
  }
  return excess;
}

bool BestOrder::Allowed(const Entry& e, int row) const { return Excess(e, row) <= 0; }

void BestOrder::Count(const Entry& e, int delta) {
  for (QChar c : Given(e)) onPage_[c] += delta;
}

std::vector<BestName> BestOrder::NextPage(int pageSize) {
  std::vector<BestName> page;
  onPage_.clear();
  const naming::NameChecker* checker = in_.filter.Checker();
  auto better = [](const Entry& x, const Entry& y) { return y < x; };
  for (int row = 1; row <= pageSize; ++row) {
    std::optional<Entry> pick;
    auto held = std::find_if(held_.begin(), held_.end(), [&](const Entry& e) { return Allowed(e, row); });
    while (!heap_.empty()) {
      if (held != held_.end() && !(*held < heap_.front())) break;  // a held name is as good
      std::pop_heap(heap_.begin(), heap_.end());
      Entry e = heap_.back();
      heap_.pop_back();
      if (!e.judged) {
        const QString given = Given(e);
        if (!in_.filter.Keep(in_.surname, given)) continue;
        e.sound = checker && checker->Judge(in_.surname, given).sound;
        if (e.sound) e.score -= kSound;
        e.judged = true;
        heap_.push_back(e);
        std::push_heap(heap_.begin(), heap_.end());
        continue;
      }
      if (Allowed(e, row)) {
        pick = e;
        break;
      }
      held_.insert(std::upper_bound(held_.begin(), held_.end(), e, better), e);
      held = std::find_if(held_.begin(), held_.end(), [&](const Entry& h) { return Allowed(h, row); });
    }
    if (!pick && held == held_.end() && heap_.empty() && !held_.empty()) {
      // The rule gives way to the name that breaks it least, the better one of equals.
      held = std::min_element(held_.begin(), held_.end(),
                              [&](const Entry& x, const Entry& y) { return Excess(x, row) < Excess(y, row); });
    }
    if (!pick && held != held_.end()) {
      pick = *held;
      held_.erase(held);
    }
    if (!pick) break;
    Count(*pick, 1);
    page.push_back({Given(*pick), pick->plan, pick->score, pick->chart, pick->sound});
  }
  return page;
}

QString BestOrder::Reasons(const BestName& name) const {
  QStringList parts;
  naming::NameCheck check;
  if (const naming::NameChecker* checker = in_.filter.Checker()) check = checker->Check(in_.surname, name.given);
  QString elements;
  for (QChar zi : name.given) {
    const BestChar* c = data_->Char(zi);
    if (!c && in_.fixed && in_.fixed->zi == zi) c = &*in_.fixed;
    if (c && !c->meaning.isEmpty()) parts << QString(zi) + QStringLiteral("：") + FirstClause(c->meaning);
    if (c) elements += c->wuhang;
  }
  if (!check.tonePattern.isEmpty()) parts << QStringLiteral("平仄 ") + check.tonePattern;
  QString element = QStringLiteral("五行 ") + elements;
  if (in_.chart) {
    element += QStringLiteral("，八字喜");
    for (std::size_t i = 0; i < in_.chart->favoured.size(); ++i)
      element += (i ? QStringLiteral("、") : QString()) + calendar::NameOf(in_.chart->favoured[i]);
    if (!in_.chart->avoided.empty()) {
      element += QStringLiteral("，忌");
      for (std::size_t i = 0; i < in_.chart->avoided.size(); ++i)
        element += (i ? QStringLiteral("、") : QString()) + calendar::NameOf(in_.chart->avoided[i]);
    }
  }
  parts << element;
  parts << QStringLiteral("五格 %1分").arg(in_.plans[static_cast<std::size_t>(name.plan)].zf);
  const CuratedPair* curated = data_->Curated(name.given);
  if (curated && !CuratedSuits(*curated, in_.male)) curated = nullptr;
  if (curated) {
    parts << (curated->style == QStringLiteral("classic") ? QStringLiteral("出自") : QStringLiteral("精选好名：")) + curated->note;
  } else if (const PoemPair* poem = data_->Poem(name.given); poem && poem->poems >= 2) {
    parts << QStringLiteral("出自") + poem->author + QStringLiteral("《") + poem->title + QStringLiteral("》：") + poem->line;
  } else if (const QString idiom = data_->Idiom(name.given); !idiom.isEmpty()) {
    parts << QStringLiteral("出自成语“") + idiom + QStringLiteral("”");
  }
  for (const naming::Finding& f : check.findings) parts << f.text;
  return name.given + QStringLiteral(" — ") + parts.join(QStringLiteral("；"));
}

}  // namespace velmora
