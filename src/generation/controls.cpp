#include "generation/controls.h"

#include "calendar/vocabulary.h"

namespace velmora {

namespace {

QStringList Numbers(int from, int to, int width) {
  QStringList out;
  for (int i = from; i <= to; ++i) out << QStringLiteral("%1").arg(i, width, 10, QLatin1Char('0'));
  return out;
}

void SelectText(ComboState& box, const QString& text) {
  box.index = static_cast<int>(box.items.indexOf(text));
  box.text = text;
}

}  // namespace

NamingControls NamingControls::Defaults() {
  NamingControls c;
  c.CBsex.items = {QStringLiteral("男"), QStringLiteral("女")};
  c.CBsex.Select(0);
  c.ComDate.items = {QStringLiteral("公历"), QStringLiteral("农历")};
  c.ComDate.Select(0);
  c.SYear.items = Numbers(1900, 2040, 4);
  SelectText(c.SYear, QStringLiteral("2010"));
  c.SMonth.items = Numbers(1, 12, 2);
  SelectText(c.SMonth, QStringLiteral("01"));
  c.Sday.items = Numbers(1, 31, 2);
  SelectText(c.Sday, QStringLiteral("01"));
  c.Shour.items = calendar::HourItems();
  c.Shour.Select(0);
  c.CBFen.items = Numbers(0, 59, 2);
  SelectText(c.CBFen, QStringLiteral("01"));
  c.CBXingshi.items = {QStringLiteral("双字名"), QStringLiteral("单字名")};
  c.CBXingshi.Select(0);
  c.CBCode.items = {QString::fromUtf16(kAllPlans)};
  c.CBCode.Select(0);
  c.CBdijizi.items = {QStringLiteral("第二字"), QStringLiteral("第三字")};
  c.CBdijizi.Select(0);
  c.CBFeeXX.checked = true;
  c.ZuidiFee.text = QStringLiteral("70");
  c.CBInitFee.checked = true;
  c.Sorcss.text = QStringLiteral("70");
  return c;
}

}  // namespace velmora
