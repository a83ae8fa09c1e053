// 美名模式: see meiming_mode.h.
#include "generation/meiming_mode.h"

#include "text/gbk.h"

#include <QHash>

#include <algorithm>

namespace velmora {

using text::GbkLength;
using text::SqlQuote;

QString MeimingStatement(const ListInputs& in, const SurnameInfo& s, int scoreFloor) {
  // The plans of the surname: bh12 = 0 marks a one-character surname, and with all four
  // stroke columns fixed each pair finds its plan by the key of zh.
  QString plans;
  const int bytes = GbkLength(in.xing);
  if (bytes == 2) {
    plans = QStringLiteral("(select bh21,bh22,zf,wg,sc from zh where lx = 12 and bh11 = %1 and bh12 = 0 and zf < 80 and zf > %2)a")
                .arg(s.first.bh)
                .arg(scoreFloor);
  } else if (bytes == 4) {
    plans = QStringLiteral("(select bh21,bh22,zf,wg,sc from zh where lx = 22 and bh11 = %1    and bh12 = %2 and zf < 80 and zf > %3)a")
                .arg(s.first.bh)
                .arg(s.second.bh)
                .arg(scoreFloor);
  } else {
    return QString();
  }
  QString sql = QStringLiteral(
      "select top 100000 zi1 + zi2 as zi, ft1 + ft2 as ft,wuhang1 + wuhang2 as wuhang, pinyin1 +'-'+ pinyin2 as pinyin, "
      "wg, sc, zf, bh1, bh2, cs, d_title, d_author, ju, xy, px  from  (select b.zi as zi1,c.zi as zi2, Left(b.ft,1) as ft1,"
      "Left(c.ft,1) as ft2, b.wuhang as wuhang1,c.wuhang as wuhang2,b.pinyin as pinyin1,    c.pinyin as pinyin2, "
      "b.bh as bh1,c.bh as bh2, a.wg, a.sc, a.zf, m.cs, m.d_title, m.d_author, m.ju, b.px + b.id + c.px as px, "
      "b.nan + c.nan - b.nv - c.nv as xy  from   ");
  sql += plans;
  sql += QStringLiteral(",    mm m, word b,word c   where m.zi1 = b.zi and m.zi2 = c.zi and a.bh21 = b.bh and a.bh22 = c.bh   "
                        "and b.aflag is null and c.aflag is null ");
  sql += ListSexPiece(true, in.male, in.fixed, in.fixedSecond);
  if (!in.fixed.isEmpty()) {
    sql += (in.fixedSecond ? QStringLiteral("and b.zi = %1 ") : QStringLiteral("and c.zi = %1 ")).arg(SqlQuote(in.fixed));
  }
  return sql + QStringLiteral(")d order by cs desc, zf desc, px");
}

std::vector<int> MeimingOrder(Query& q, const QString& surname, bool male, const NameFilter& filter) {
  struct Row {
    int record;
    QString given;
    int rank;  // the steps of the order, packed: smaller first
  };
  constexpr int kStep = 100000;  // one step of the order
  std::vector<Row> rows;
  const naming::NameChecker* checker = filter.Checker();
  for (int r = 1; r <= q.RecordCount(); ++r) {
    q.MoveTo(r);
    const QString given = q.AsText(u"zi");
    naming::NameChecker::Verdict v;
    if (checker) v = checker->Judge(surname, given);
    if (v.refused || !filter.Keep(surname, given)) continue;
    constexpr int kPlainWord = 10;  // held by this many common words and idioms
    const bool plain = checker && checker->Wordiness(given) >= kPlainWord;
    // xy = characters for boys only minus characters for girls only.
    const qint64 xy = q.AsInt(u"xy");
    const bool leans = male ? xy > 0 : xy < 0;
    // px: the first character's rank as a name's first character plus the second's as a
    // name's second (WORD.md): pairs of common name characters first. Each point of plan
    // score below the best is worth kScorePoint places, so the surname's strokes shape the page.
    constexpr int kScorePoint = 150;  // px and the score stay below kStep
    const qint64 px = std::clamp<qint64>(q.AsInt(u"px"), 0, 50000);
    const int zf = static_cast<int>(q.AsInt(u"zf"));
    rows.push_back({r, given, (plain ? 4 * kStep : 0) + (v.sound ? 2 * kStep : 0) + (leans ? 0 : kStep) + static_cast<int>(px) +
                              kScorePoint * std::clamp(79 - zf, 0, 300)});
  }
  std::stable_sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) { return a.rank < b.rank; });
  // Variety, within each of the steps 1 to 3: a name whose characters already stand twice
  // in the names before it waits until the names of fresh characters have been taken (子强,
  // 文强, 思强 … would fill a page).
  constexpr int kUses = 2;
  std::vector<int> out;
  out.reserve(rows.size());
  std::vector<int> waiting;
  QHash<QChar, int> uses;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const Row& row = rows[i];
    if (uses.value(row.given.front()) >= kUses || uses.value(row.given.back()) >= kUses) {
      waiting.push_back(row.record);
    } else {
      ++uses[row.given.front()];
      ++uses[row.given.back()];
      out.push_back(row.record);
    }
    if (i + 1 == rows.size() || rows[i + 1].rank / kStep != row.rank / kStep) {
      out.insert(out.end(), waiting.begin(), waiting.end());
      waiting.clear();
    }
  }
  return out;
}

QString MeimingSourceText(const QString& given, const QString& author, const QString& title, const QString& line) {
  return QStringLiteral("「%1」 出自 %2《%3》：%4").arg(given, author, title, line);
}

}  // namespace velmora
