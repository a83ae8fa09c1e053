// Stroke plans: see stroke_plans.h.
#include "generation/stroke_plans.h"

#include "refdb/lookups.h"
#include "text/gbk.h"

namespace velmora {

using text::GbkCopy;
using text::GbkLength;
using text::GbkMid;
using text::Trim;

bool IsInteger(const QString& text) {
  bool ok = false;
  text.toInt(&ok);
  return ok;
}

int StrToInt(const QString& text) {
  bool ok = false;
  const int v = text.toInt(&ok);
  if (!ok) throw NotAnInteger(text);
  return v;
}

bool IsSingleSurname(const QString& trimmedSurname) { return GbkLength(trimmedSurname) == 2; }

int PlanKindOf(const QString& trimmedSurname, int xingshiIndex) {
  const bool oneGiven = xingshiIndex == 1;
  if (IsSingleSurname(trimmedSurname)) return oneGiven ? 11 : 12;
  return oneGiven ? 21 : 22;
}

QString PlanItemText(int planKind, int s1, int s2, const QString& bh21, const QString& bh22, const QString& zf) {
  const QString head = (planKind == 21 || planKind == 22) ? QStringLiteral("%1-%2").arg(s1).arg(s2) : QString::number(s1);
  const QString given = (planKind == 12 || planKind == 22) ? bh21 + QLatin1Char('-') + bh22 : bh21;
  return head + QLatin1Char('|') + given + QLatin1Char('(') + zf + QStringLiteral("分)");
}

void LoadStrokePlans(NamingControls& c, Query& adoTem, const QString& surname, int* planKind) {
  // 1. The fixed character's strokes, at the position CBdijizi names.
  int f2 = 0, f3 = 0;
  const QString fixed = Trim(c.Gudingzi.text);
  if (!fixed.isEmpty()) {
    const int strokes = MainLookupStrokes(adoTem, fixed);
    if (c.CBdijizi.index == 1) f3 = strokes;
    else f2 = strokes;
  }
  // 2. The surname's strokes and the shape.
  const bool single = IsSingleSurname(surname);
  const int s1 = MainLookupStrokes(adoTem, single ? surname : GbkMid(surname, 1, 2));
  const int s2 = single ? 0 : MainLookupStrokes(adoTem, GbkMid(surname, 3, 4));
  *planKind = PlanKindOf(surname, c.CBXingshi.index);
  const int kind = *planKind;

  // 3-7. The statement, built line by line.
  const bool topEighty = f2 > 0 || f3 > 0;
  const QString top = topEighty ? QStringLiteral("80") : (kind == 11 || kind == 21) ? QStringLiteral("40") : QStringLiteral("20");
  QString head;
  if (single) {
    head = QStringLiteral("select top %1 bh11,bh12,bh21,bh22,zf from zh where bh21 < 25 and bh22 < 25 and  lx = %2 and bh11 = %3 ")
               .arg(top).arg(kind).arg(s1);
  } else {
    head = QStringLiteral("select top %1 bh11,bh12,bh21,bh22,zf from zh where bh21 < 25 and bh22 < 25 and lx = %2 and bh11 = %3 and bh12 = %4 ")
               .arg(top).arg(kind).arg(s1).arg(s2);
  }
  adoTem.Close();
  adoTem.SetSql(head);
  if (f2 > 0) adoTem.AddSqlLine(QStringLiteral(" and bh21 = %1 ").arg(f2));
  else if (f3 > 0) adoTem.AddSqlLine(QStringLiteral(" and bh22 = %1 ").arg(f3));
  const QString bound = Trim(c.ZuidiFee.text);
  if (c.CBFeeXX.checked && !bound.isEmpty()) adoTem.AddSqlLine(QStringLiteral(" and zf >= %1 ").arg(StrToInt(bound)));
  adoTem.AddSqlLine(QStringLiteral(" and zf <= 80"));
  adoTem.AddSqlLine(QStringLiteral(" order by jxjx asc,zf asc"));
  adoTem.Open();  // on failure CBCode keeps its items

  // 8. The list.
  QStringList items{QString::fromUtf16(kAllPlans)};
  for (adoTem.First(); !adoTem.Eof(); adoTem.Next()) {
    items << PlanItemText(kind, s1, s2, Trim(adoTem.AsText(u"bh21")), Trim(adoTem.AsText(u"bh22")), Trim(adoTem.AsText(u"zf")));
  }
  c.CBCode.items = items;
  c.CBCode.Select(0);
  adoTem.Close();
}

PlanItem ReadPlanItem(const QString& itemText, bool twoChars) {
  PlanItem plan;
  const qsizetype bar = itemText.indexOf(QLatin1Char('|'));
  const QString p = Trim(GbkCopy(bar < 0 ? QString() : itemText.mid(bar + 1), 1, 30));
  const qsizetype paren = p.indexOf(QLatin1Char('('));
  if (!twoChars) {
    plan.first = StrToInt(p.left(paren < 0 ? 0 : paren));
  } else {
    const qsizetype dash = p.indexOf(QLatin1Char('-'));
    plan.first = StrToInt(p.left(dash < 0 ? 0 : dash));
    // Two digits unless the byte after the first digit is already the "(".
    const QString after = dash < 0 ? QString() : p.mid(dash + 1);
    const QString two = Trim(GbkCopy(after, 1, 2));
    plan.second = two.contains(QLatin1Char('(')) ? StrToInt(GbkCopy(after, 1, 1)) : StrToInt(two);
  }
  plan.tag = paren < 0 ? QString() : Trim(GbkCopy(p.mid(paren), 1, 16));
  return plan;
}

}  // namespace velmora
