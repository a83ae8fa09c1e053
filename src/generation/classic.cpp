// Classic mode: see classic.h.
#include "generation/classic.h"

#include "refdb/errors.h"
#include "text/gbk.h"

namespace velmora {

using text::SqlQuote;
using text::Trim;

namespace {

// The sex clause G, which also depends on the form and the fixed character.
QString SexClause(const ClassicInputs& in) {
  if (in.twoChars && in.fixed.isEmpty()) {
    return in.male ? QStringLiteral(" and (xb = '男' or nan = 1 or xb = '1') ")
                   : QStringLiteral(" and (xb = '女' or nv = 1 or xb = '1' or xb = '0') ");
  }
  return in.male ? QStringLiteral(" and (xb = '男' or nan = 1 or xb = '0' or xb = '1') ")
                 : QStringLiteral(" and (xb = '女' or nv = 1 or xb = '0' or xb = '1') ");
}

// The extra clause N for the second given-name character.
QString SecondClause(const ClassicInputs& in) {
  return in.male ? QStringLiteral(" and nan = 1 ") : QStringLiteral(" and nv = 1 ");
}

// The format step: the one '%s' of the name piece receives the score tag T. It is filled in
// that piece alone, before the surname and the sources join it, so that a "%s" typed as a
// surname or fixed character stays text.
QString FillTag(QString piece, const QString& tag) { return piece.replace(QStringLiteral("'%s'"), SqlQuote(tag)); }

bool HasSecond(const ClassicInputs& in, const PlanItem& plan) {
  return in.twoChars && ((!in.fixed.isEmpty() && !in.fixedSecond) || plan.second > 0);
}

}  // namespace

ClassicInputs ClassicInputs::From(const NamingControls& c) {
  ClassicInputs in;
  in.surname = Trim(c.Xing.text);
  in.male = c.CBsex.index != 1;
  in.twoChars = c.CBXingshi.index != 1;
  in.fixed = Trim(c.Gudingzi.text);
  in.fixedSecond = c.CBdijizi.index != 1;
  in.selectedPlan = Trim(c.CBCode.text);
  in.plans = c.CBCode.items.mid(1);
  return in;
}

bool ClassicInputs::AllPlans() const { return selectedPlan == QString::fromUtf16(kAllPlans); }

QString OnePlanStatement(const ClassicInputs& in, const PlanItem& plan) {
  const QString g = SexClause(in);
  QString a;
  if (!in.fixed.isEmpty() && in.fixedSecond) {
    a = QStringLiteral("select top 1 %1 as zi, 120 as px, 131 as id,nan,nv,wuhang from word where 1 = 1 ").arg(SqlQuote(in.fixed));
  } else {
    a = QStringLiteral("select zi,px + 551 as px,id,nan,nv,wuhang from word where 1 = 1 and Aflag is null ") + g;
    if (plan.first > 0) a += QStringLiteral(" and bh = %1").arg(plan.first);
  }
  QString b;
  if (HasSecond(in, plan)) {
    if (!in.fixed.isEmpty() && !in.fixedSecond) {
      b = QStringLiteral("select top 1 %1 as zi, 119 as px, 111 as id,nan,nv,wuhang from word where 1 = 1 ").arg(SqlQuote(in.fixed));
    } else {
      b = QStringLiteral("select zi,px + 5000 as px,id,nan,nv,wuhang from word where 1 = 1 and Aflag is null ") + g +
          SecondClause(in) + QStringLiteral(" and bh = %1").arg(plan.second);
    }
  }
  QString core = QStringLiteral("select ") + SqlQuote(in.surname);
  if (!b.isEmpty()) {
    core += FillTag(in.male ? QStringLiteral(" + a.zi + b.zi + '%s' as mz,(a.px + b.px + a.id) as px,a.nan + b.nan as you,a.wuhang as wuhang1,b.wuhang as wuhang2  from (")
                            : QStringLiteral(" + a.zi + b.zi + '%s'  as mz,(a.px + b.px + a.id) as px,a.nv + b.nv as you,a.wuhang as wuhang1,b.wuhang as wuhang2  from ("),
                    plan.tag);
    core += a + QStringLiteral(") a , (") + b + QStringLiteral(") b");
  } else {
    core += FillTag(QStringLiteral(" + a.zi + '%s'  as mz,(a.px + a.id) as px,1 as you,a.wuhang as wuhang1 from ("), plan.tag) + a +
            QStringLiteral(") a ");
  }
  return b.isEmpty() ? QStringLiteral("select mz from (") + core + QStringLiteral(") p order by px")
                     : QStringLiteral("select mz from (") + core + QStringLiteral(") p where you > 0 order by px");
}

QStringList AllPlansStatements(const ClassicInputs& in, const QList<PlanItem>& plans) {
  const QString g = SexClause(in);
  QStringList statements;
  for (qsizetype start = 0; start < plans.size(); start += 8) {
    QStringList lines;
    bool lastHadSecond = false;
    for (qsizetype i = start; i < std::min<qsizetype>(start + 8, plans.size()); ++i) {
      const PlanItem& plan = plans[i];
      QString a;
      if (!in.fixed.isEmpty() && in.fixedSecond) {
        a = QStringLiteral("select top 1 %1 as zi,11 as px, 100 as id,nan,nv,wuhang from word where 1 = 1  ").arg(SqlQuote(in.fixed));
      } else {
        a = QStringLiteral("select zi,px + 1000 as px,id,nan,nv,wuhang from word where 1 = 1 and Aflag is null  ") + g;
        if (plan.first > 0) a += QStringLiteral(" and bh = %1").arg(plan.first);
      }
      QString b;
      if (HasSecond(in, plan)) {
        if (!in.fixed.isEmpty() && !in.fixedSecond) {
          b = QStringLiteral("select top 1 %1 as zi,12 as px, 100 as id,nan,nv,wuhang from word where 1 = 1  ").arg(SqlQuote(in.fixed));
        } else {
          b = QStringLiteral("select zi,px + 5001 as px,id,nan,nv,wuhang from word where 1 = 1 and Aflag is null  ") + g +
              SecondClause(in) + QStringLiteral(" and bh = %1").arg(plan.second);
        }
      }
      if (!lines.join(QString()).trimmed().isEmpty()) lines << QStringLiteral(" union ");
      QString line = QStringLiteral("select ") + SqlQuote(in.surname);
      if (!b.isEmpty()) {
        line += FillTag(in.male ? QStringLiteral(" + a.zi + b.zi + '%s' as mz,(a.px + b.px) as px,a.nan + b.nan as you,a.wuhang as wuhang1,b.wuhang as wuhang2 from (")
                                : QStringLiteral(" + a.zi + b.zi + '%s' as mz,(a.px + b.px) as px,a.nv + b.nv as you,a.wuhang as wuhang1,b.wuhang as wuhang2 from ("),
                        plan.tag);
        line += a + QStringLiteral(") a , (") + b + QStringLiteral(") b");
      } else {
        line += FillTag(QStringLiteral(" + a.zi + '%s' as mz,(a.px+ a.id) as px,1 as you,a.wuhang as wuhang1 from ("), plan.tag) + a +
                QStringLiteral(") a ");
      }
      lines << line;
      lastHadSecond = !b.isEmpty();
    }
    const QString group = lines.join(QLatin1Char('\n'));
    if (group.trimmed().isEmpty()) continue;
    statements << (lastHadSecond ? QStringLiteral("select mz from (") + group + QStringLiteral(") p where you > 0 order by px")
                                 : QStringLiteral("select mz from (") + group + QStringLiteral(") p order by px"));
  }
  return statements;
}

std::vector<int> NineSliceOrder(int rows, const SliceOrder& order) {
  std::vector<int> out;
  out.reserve(static_cast<std::size_t>(std::max(rows, 0)));
  const int d = rows / 9;
  for (int e = 1; e <= d; ++e) {
    for (int k : order) out.push_back(e + k * d);
  }
  for (int r = 9 * d + 1; r <= rows; ++r) out.push_back(r);
  return out;
}

namespace {

// Emits the rows of the open statement in the nine-slice order; false when the run must
// end. Running is tested before each group of nine and before each remaining row.
bool EmitRows(Query& q, const SliceOrder& order, const ClassicInputs& in, const std::atomic<bool>& running,
              const std::function<void(const QString&)>& emitName) {
  const std::vector<int> rows = NineSliceOrder(q.RecordCount(), order);
  const std::size_t grouped = rows.size() / 9 * 9;  // the rows spread over the nine slices
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if ((i >= grouped || i % 9 == 0) && !running.load()) return false;
    q.MoveTo(rows[i]);
    const QString name = q.AsText(u"mz");  // 张思远(80分)
    if (!in.filter.Keep(in.surname, name.mid(in.surname.size()).section(QLatin1Char('('), 0, 0))) continue;
    emitName(name);
  }
  return true;
}

}  // namespace

void MakeClassicNames(const ClassicInputs& in, Query& adoFenxi, const std::atomic<bool>& running,
                      const std::function<void(const QString&)>& emitName) {
  // The whole run is one guarded block: any failure ends it quietly, keeping what was emitted.
  try {
    if (!in.AllPlans()) {
      const PlanItem plan = ReadPlanItem(in.selectedPlan, in.twoChars);
      adoFenxi.Close();
      adoFenxi.SetSql(OnePlanStatement(in, plan));
      adoFenxi.Open();
      EmitRows(adoFenxi, kOnePlanOrder, in, running, emitName);
    } else {
      // Groups of eight plans, each item read when its group is built.
      for (qsizetype start = 0; start < in.plans.size(); start += 8) {
        if (!running.load()) break;  // tested before each group of plans
        QList<PlanItem> group;
        for (qsizetype i = start; i < std::min<qsizetype>(start + 8, in.plans.size()); ++i) {
          group << ReadPlanItem(in.plans[i], in.twoChars);
        }
        const QStringList statement = AllPlansStatements(in, group);
        if (statement.isEmpty()) continue;
        adoFenxi.Close();
        adoFenxi.SetSql(statement.front());
        adoFenxi.Open();
        if (!EmitRows(adoFenxi, kAllPlansOrder, in, running, emitName)) break;
      }
    }
  } catch (const std::exception&) {
    // ends the run; the names so far stay
  }
  adoFenxi.Close();
}

}  // namespace velmora
