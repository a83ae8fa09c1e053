// One run of list, idiom or 美名 mode: see list_run.h.
#include "generation/list_run.h"

#include "generation/idiom_list.h"
#include "generation/meiming_mode.h"
#include "generation/stroke_plans.h"
#include "refdb/errors.h"
#include "text/gbk.h"

namespace velmora {

using text::Trim;

int ListRun::Open(ListKind kind, const ListInputs& in, Query& adoTem, Query& adoFenxi, quint64 seed) {
  ScoreFloor = ScoreFloorOf(in.scoreBound, in.lowest);
  surname_ = in.Surname();
  filter_ = in.filter;
  surnameInfo = ReadSurnameInfo(adoTem, in);
  TopPlans = TopPlansOf(in.twoChars, in.fixed);
  sources_ = kind == ListKind::Meiming && in.twoChars;
  meiming_ = kind == ListKind::Meiming;
  // A chosen plan restricts the strokes; 美名模式 has no plan choice.
  int b = 0;
  int c = 0;
  if (kind != ListKind::Meiming && in.plan != QString::fromUtf16(kAllPlans)) {
    const PlanItem plan = ReadPlanItem(in.plan, in.twoChars);
    b = plan.first;
    c = in.twoChars ? plan.second : 0;
  }
  const QString sql = sources_ ? MeimingStatement(in, surnameInfo, ScoreFloor)
                               : ListStatement(in, surnameInfo, TopPlans, ScoreFloor, b, c,
                                               kind == ListKind::Idiom ? &IdiomList() : nullptr);
  adoFenxi.Close();
  if (sql.isEmpty()) throw SilentStop();  // a surname of neither 2 nor 4 bytes: nothing to open
  adoFenxi.SetSql(sql);
  adoFenxi.Open();
  if (sources_) {
    paging.StartInOrder(MeimingOrder(adoFenxi, surname_, in.male, filter_));
  } else {
    paging.Start(adoFenxi.RecordCount(), false, seed);
  }
  return paging.TotalFound;
}

void ListRun::FillPage(Query& adoFenxi, int pageSize, std::vector<GridRow>& rows, QStringList& sources,
                       const std::function<void(const QString&, qint64)>& shown) {
  const int n = std::min(paging.BeginPage(pageSize), static_cast<int>(rows.size()));
  for (int r = 1; r <= n && !paging.AllShown();) {
    adoFenxi.MoveTo(paging.Draw());
    if (!filter_.Keep(surname_, adoFenxi.AsText(u"zi"))) continue;
    rows[static_cast<std::size_t>(r - 1)] = Cells(adoFenxi, r);
    if (r - 1 < sources.size()) sources[r - 1] = Source(adoFenxi);
    shown(Item(adoFenxi), adoFenxi.AsInt(u"zf"));
    ++r;
  }
}

GridRow ListRun::Cells(const Query& q, int number) const {
  const SurnameChar& s1 = surnameInfo.first;
  const SurnameChar& s2 = surnameInfo.second;
  QString strokes = QString::number(s1.bh);
  if (s2.bh > 0) strokes += QLatin1Char(',') + QString::number(s2.bh);
  strokes += QLatin1Char(',') + q.AsText(u"bh1");
  const QString bh2 = Trim(q.AsText(u"bh2"));
  if (!bh2.isEmpty()) strokes += QLatin1Char(',') + bh2;
  return {QString::number(number),
          surname_ + q.AsText(u"zi"),
          s1.ft + s2.ft + q.AsText(u"ft"),
          s1.pinyin + s2.pinyin + QLatin1Char('-') + q.AsText(u"pinyin"),
          s1.wuhang + s2.wuhang + q.AsText(u"wuhang"),
          strokes,
          q.AsText(u"wg"),
          q.AsText(u"sc"),
          QString::number(q.AsInt(u"zf"))};
}

QString ListRun::Source(const Query& q) const {
  if (!sources_) return QString();
  return MeimingSourceText(q.AsText(u"zi"), Trim(q.AsText(u"d_author")), Trim(q.AsText(u"d_title")),
                           Trim(q.AsText(u"ju")));
}

QString ListRun::Item(const Query& q) const {
  return ListItemText(surname_, q.AsText(u"zi"), q.AsInt(u"zf"), meiming_);
}

}  // namespace velmora
