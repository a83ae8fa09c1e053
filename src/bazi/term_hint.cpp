// term_hint.cpp: see term_hint.h.
#include "bazi/term_hint.h"

#include "bazi/cycle_numbers.h"
#include "bazi/jie_terms.h"
#include "refdb/connection_text.h"
#include "refdb/errors.h"
#include "refdb/query.h"

#include <utility>
#include <vector>

namespace velmora::bazi {
namespace {

struct JieRow {
  QString name;
  QDateTime instant;
};

// Wall-clock order, time zones aside: both sides are Beijing civil time.
bool NotAfter(const QDateTime& a, const QDateTime& b) {
  return std::make_pair(a.date(), a.time()) <= std::make_pair(b.date(), b.time());
}

// The jie of the Gregorian years around `year`, in time order.
std::vector<JieRow> JieRowsAround(int year, const QString& folder) {
  return OrEmpty<std::vector<JieRow>>([&] {
    Query q(DbConnectionText(DbFile::Tgcode, folder));
    q.SetSql(QStringLiteral("select JQ, SJ from JQ where YearA >= %1 and YearA <= %2 and JQ in (%3) order by SJ")
                 .arg(year - 1)
                 .arg(year + 1)
                 .arg(JieNameList()));
    q.Open();
    std::vector<JieRow> rows;
    for (q.First(); !q.Eof(); q.Next()) rows.push_back({q.AsText(0).trimmed(), q.AsDateTime(1)});
    return rows;
  });
}

}  // namespace

std::optional<RealTermPillars> RealTermPillarsOf(const BaziChart& chart, const QString& folder) {
  const QDateTime moment(QDate(chart.year, chart.month, chart.day), QTime(chart.hour, chart.minute), Qt::UTC);
  const std::vector<JieRow> rows = JieRowsAround(chart.year, folder);
  const JieRow* last = nullptr;
  const JieRow* next = nullptr;
  const JieRow* lichun = nullptr;  // 立春 of the moment's Gregorian year
  for (const JieRow& r : rows) {
    if (!r.instant.isValid()) return std::nullopt;
    if (NotAfter(r.instant, moment)) last = &r;
    else if (!next) next = &r;
    if (r.name == QStringLiteral("立春") && r.instant.date().year() == chart.year) lichun = &r;
  }
  if (!last || !next || !lichun) return std::nullopt;
  RealTermPillars p;
  const int pillarYear = NotAfter(lichun->instant, moment) ? chart.year : chart.year - 1;
  p.yearStem = StemNumber(pillarYear - 3);
  p.yearBranch = BranchNumber(pillarYear - 3);
  p.monthBranch = JieMonthBranch(last->name);
  p.monthStem = MonthStemOf(p.yearStem, p.monthBranch);
  p.lastJie = last->name;
  p.lastInstant = last->instant;
  p.nextJie = next->name;
  p.nextInstant = next->instant;
  return p;
}

QString TermHintLine(const BaziChart& chart, const QString& folder) {
  const std::optional<RealTermPillars> real = RealTermPillarsOf(chart, folder);
  if (!real) return QString();
  const bool sameMonth = real->monthStem == chart.monthStem && real->monthBranch == chart.monthBranch;
  const bool sameYear = real->yearStem == chart.yearStem && real->yearBranch == chart.yearBranch;
  if (sameMonth && sameYear) return QString();
  // The fixed window has either already turned to the next jie's month (the birth lies
  // before that jie) or not yet turned to the last jie's month (the birth lies after it).
  const bool beforeNext = chart.monthBranch == JieMonthBranch(real->nextJie);
  const QString& term = beforeNext ? real->nextJie : real->lastJie;
  const QDateTime& instant = beforeNext ? real->nextInstant : real->lastInstant;
  QString line = QStringLiteral("节气提示：出生在") + term + QStringLiteral("（") +
                 instant.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) + QStringLiteral("）") +
                 (beforeNext ? QStringLiteral("之前") : QStringLiteral("之后")) + QStringLiteral("，按交节时刻月柱为") +
                 StemChar(real->monthStem) + BranchChar(real->monthBranch);
  if (!sameYear) line += QStringLiteral("，年柱为") + StemChar(real->yearStem) + BranchChar(real->yearBranch);
  return line + QStringLiteral("。");
}

}  // namespace velmora::bazi
