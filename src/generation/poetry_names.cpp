// Poetry mode: see poetry_names.h.
#include "generation/poetry_names.h"

#include "generation/poetry_source.h"
#include "generation/stroke_plans.h"
#include "refdb/lookups.h"
#include "text/gbk.h"
#include "text/sql_format.h"

#include <QHash>

#include <algorithm>
#include <exception>

namespace velmora {

using text::SqlFormat;
using text::SqlQuote;
using text::Trim;

PoetryInputs PoetryInputs::From(const NamingControls& c, const QString& collected) {
  PoetryInputs in;
  in.surname = Trim(c.Xing.text);
  in.male = c.CBsex.index != 1;
  in.twoChars = c.CBXingshi.index != 1;
  in.floorChecked = c.CBFeeXX.checked;
  in.zuidiFee = c.ZuidiFee.text;
  in.text = collected;
  return in;
}

QString PoetrySexClause(bool male, bool twoChars) {
  if (twoChars) {
    return male ? QStringLiteral(" and (xb = '男' or nan = 1 or xb = '1') ")
                : QStringLiteral(" and (xb = '女' or nv = 1 or xb = '1' or xb = '0') ");
  }
  return male ? QStringLiteral(" and (xb = '男' or nan = 1 or xb = '0' or xb = '1') ")
              : QStringLiteral(" and (xb = '女' or nv = 1 or xb = '0' or xb = '1') ");
}

namespace {

// The table of parts: the statement is "select " + S + head + X + middle [+ Y + tail] + last,
// where only last is a format text. A one-character given name has no Y and no tail.
struct StatementRow {
  bool twoSurname, twoChars, male;
  const char16_t* head;
  const char16_t* middle;
  const char16_t* tail;
  const char16_t* last;
};

constexpr StatementRow kRows[] = {
    {false, false, true, u" + a.zi as mz,1 as you,a.wuhang as wuhang1,c.zf " u" from (",
     u") a,zh c where c.lx = 11 and c.zf < 78 and a.bh = c.bh21 ", nullptr, u"and c.bh11 = %d and c.zf > %d "},
    {false, false, false, u" + a.zi as mz,1 as you,a.wuhang as wuhang1,c.zf " u" from (",
     u") a ,zh c where c.lx = 11  and a.bh = c.bh21 ", nullptr, u"and c.bh11 = %d and c.zf < 78 and c.zf > %d "},
    {false, true, true, u" + a.zi + b.zi as mz,a.nan + b.nan as you," u"a.wuhang as wuhang1,b.wuhang as wuhang2,c.zf from (",
     u") a , (", u") b ,zh c where a.zi <> b.zi " u" and c.lx = 12 and c.zf < 78 and a.bh = c.bh21 and b.bh = c.bh22 ",
     u"and c.bh11 = %d and c.zf > %d "},
    {false, true, false, u" + a.zi + b.zi as mz,a.nv + b.nv as you," u"a.wuhang as wuhang1,b.wuhang as wuhang2,c.zf  from (",
     u") a , (", u") b,zh c where a.zi <> b.zi " u" and c.lx = 12 and c.zf < 78 and a.bh = c.bh21 and b.bh = c.bh22 ",
     u"and c.bh11 = %d and c.zf > %d "},
    {true, false, true, u" + a.zi as mz,1 as you,a.wuhang as wuhang1,c.zf " u" from (",
     u") a,zh c where c.lx = 21 and c.zf < 78 and a.bh = c.bh21 ", nullptr, u"and c.bh11 = %d and c.bh12 = %d and c.zf > %d "},
    {true, false, false, u" + a.zi as mz,1 as you,a.wuhang as wuhang1,c.zf " u" from (",
     u") a ,zh c where c.lx = 21 and c.zf < 78 and a.bh = c.bh21 ", nullptr, u"and c.bh11 = %d  and c.bh12 = %d and c.zf > %d "},
    {true, true, true, u" + a.zi + b.zi as mz,a.nan + b.nan as you," u"a.wuhang as wuhang1,b.wuhang as wuhang2,c.zf from (",
     u") a , (", u") b ,zh c where a.zi <> b.zi " u" and c.lx = 22 and c.zf < 78 and a.bh = c.bh21 and b.bh = c.bh22 ",
     u"and c.bh11 = %d and c.bh12 = %d and c.zf > %d "},
    {true, true, false, u" + a.zi + b.zi as mz,a.nv + b.nv as you," u"a.wuhang as wuhang1,b.wuhang as wuhang2,c.zf  from (",
     u") a , (", u") b,zh c where a.zi <> b.zi " u" and c.lx = 22 and c.zf < 78 and a.bh = c.bh21 and b.bh = c.bh22 ",
     u"and c.bh11 = %d  and c.bh12 = %d and c.zf > %d "},
};

}  // namespace

QString PoetryStatement(const PoetryInputs& in, int s1, int s2, int scoreFloor) {
  const QString g = PoetrySexClause(in.male, in.twoChars);
  const QString x = QStringLiteral("select zi, wuhang, nan, nv, bh from word where 1 = 1 and Aflag is null and ") +
                    SqlQuote(in.text) + QStringLiteral(" Like '%'+ zi+ '%'") + g;
  const QString y = x + g;
  const bool twoSurname = !text::GbkMid(in.surname, 3, 4).isEmpty();  // a non-empty C2
  const StatementRow* row = nullptr;
  for (const StatementRow& r : kRows) {
    if (r.twoSurname == twoSurname && r.twoChars == in.twoChars && r.male == in.male) row = &r;
  }
  QStringList values{QString::number(s1)};
  if (twoSurname) values << QString::number(s2);
  values << QString::number(scoreFloor);
  QString s = QStringLiteral("select ") + SqlQuote(in.surname) + QString::fromUtf16(row->head) + x + QString::fromUtf16(row->middle);
  if (row->tail) s += y + QString::fromUtf16(row->tail);
  s += SqlFormat(QString::fromUtf16(row->last), values);
  return QStringLiteral("select mz,zf from (") + s +
         (in.twoChars ? QStringLiteral(") p where you > 0 order by zf desc ") : QStringLiteral(") p where you > 0 order by zf desc"));
}

bool CollectedTextTooLong(const QString& text) {
  // At most three UTF-8 bytes for each UTF-16 unit: most texts are decided without encoding.
  if (text.size() * 3 <= kMaxCollectedBytes) return false;
  return text.toUtf8().size() > kMaxCollectedBytes;
}

std::vector<int> VaryTies(const QStringList& givens) {
  // Each name's place among the names of its first character and among those of its last;
  // the later of the two is its round.
  QHash<QChar, int> seenFirst, seenLast;
  std::vector<std::pair<int, int>> rounds;  // round, index
  rounds.reserve(static_cast<std::size_t>(givens.size()));
  for (int i = 0; i < givens.size(); ++i) {
    const QString& g = givens[i];
    const int first = g.isEmpty() ? 0 : seenFirst[g.front()]++;
    const int last = g.isEmpty() ? 0 : seenLast[g.back()]++;
    rounds.emplace_back(std::max(first, last), i);
  }
  std::stable_sort(rounds.begin(), rounds.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<int> out;
  out.reserve(rounds.size());
  for (const auto& r : rounds) out.push_back(r.second);
  return out;
}

PoetryOutcome MakePoetryNames(const PoetryInputs& in, Query& adoTem, Query& adoFenxi, const std::atomic<bool>& running,
                              const std::function<void()>& clearList,
                              const std::function<void(const PoetryName&)>& emitName) {
  // One guarded block: any failure ends it quietly, keeping what was handed on.
  PoetryOutcome outcome = PoetryOutcome::Names;
  try {
    const QString c1 = text::GbkMid(in.surname, 1, 2);
    const QString c2 = text::GbkMid(in.surname, 3, 4);
    const int s1 = MainLookupStrokes(adoTem, c1);
    const int s2 = c2.isEmpty() ? 0 : MainLookupStrokes(adoTem, c2);
    clearList();
    const int scoreFloor = in.floorChecked ? StrToInt(Trim(in.zuidiFee)) - 1 : 60;
    adoFenxi.Close();
    adoFenxi.SetSql(PoetryStatement(in, s1, s2, scoreFloor));
    adoFenxi.Open();
    if (adoFenxi.IsEmpty()) {
      adoFenxi.Close();
      adoTem.Close();
      return PoetryOutcome::NoneFound;
    }
    const SourceLines sources(in.text);
    const qsizetype surnameLength = in.surname.size();
    // The rows of one score at a time: filtered, their order varied, then handed on.
    QStringList givens, scores;
    auto flush = [&] {
      for (int i : VaryTies(givens)) {
        if (!running.load()) return false;
        const QString& given = givens[i];
        emitName({in.surname + given + QLatin1Char('(') + scores[i] + QStringLiteral("分)"), given, sources.For(given)});
      }
      givens.clear();
      scores.clear();
      return true;
    };
    bool going = true;
    int kept = 0;
    for (adoFenxi.First(); going && !adoFenxi.Eof(); adoFenxi.Next()) {
      const QString zf = adoFenxi.AsText(u"zf");
      if (!scores.isEmpty() && zf != scores.back()) going = flush();
      const QString given = adoFenxi.AsText(u"mz").mid(surnameLength);
      if (!in.filter.Keep(in.surname, given)) continue;
      givens << given;
      scores << zf;
      ++kept;
    }
    if (going) flush();
    if (kept == 0) {  // every name was refused: as good as none found
      adoFenxi.Close();
      adoTem.Close();
      return PoetryOutcome::NoneFound;
    }
  } catch (const std::exception&) {
    outcome = PoetryOutcome::Failed;
  }
  adoFenxi.Close();
  return outcome;
}

}  // namespace velmora
