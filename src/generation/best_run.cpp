// One run of 推荐模式: see best_run.h.
#include "generation/best_run.h"

#include "bazi/favourable.h"
#include "calendar/vocabulary.h"
#include "generation/stroke_plans.h"
#include "naming/pinyin.h"
#include "refdb/errors.h"
#include "text/gbk.h"

namespace velmora {

using text::Trim;

namespace {

// The surname's strokes of a plan item (11|10-6(80分), 8-12|10-6(80分)) and its given-name
// strokes; throws NotAnInteger for an item that cannot be read.
struct PlanKey {
  int s1 = 0, s2 = 0;
  PlanItem item;
};
PlanKey ReadPlanKey(const QString& text, bool twoChars) {
  PlanKey k;
  const QStringList surname = text.section(QLatin1Char('|'), 0, 0).split(QLatin1Char('-'));
  k.s1 = StrToInt(Trim(surname.value(0)));
  k.s2 = surname.size() > 1 ? StrToInt(Trim(surname[1])) : 0;
  k.item = ReadPlanItem(text, twoChars);
  return k;
}

// The zh row of a plan: its score and the grid's texts. A plan the table lacks scores 0.
BestPlan ReadPlan(Query& adoTem, const PlanKey& k, int lx) {
  BestPlan p;
  p.first = k.item.first;
  p.second = k.item.second;
  adoTem.SetSql(QStringLiteral("select zf, wg, sc from zh where lx = %1 and bh11 = %2 and bh12 = %3 and bh21 = %4 and bh22 = %5")
                    .arg(lx)
                    .arg(k.s1)
                    .arg(k.s2)
                    .arg(p.first)
                    .arg(p.second));
  adoTem.Open();
  if (!adoTem.IsEmpty()) {
    p.zf = static_cast<int>(adoTem.AsInt(u"zf"));
    p.wg = adoTem.AsText(u"wg");
    p.sc = adoTem.AsText(u"sc");
  }
  adoTem.Close();
  return p;
}

// The fixed character: the candidate's data, or what word holds of any other character.
BestChar FixedChar(const BestData& data, Query& adoTem, const QString& fixed) {
  if (const BestChar* c = data.Char(fixed.front())) return *c;
  BestChar c;
  c.zi = fixed.front();
  adoTem.SetSql(QStringLiteral("select bh, wuhang, Left(ft,1) as ft, pinyin from word where zi = %1").arg(text::SqlQuote(fixed)));
  adoTem.Open();
  if (!adoTem.IsEmpty()) {
    c.bh = static_cast<int>(adoTem.AsInt(u"bh"));
    c.wuhang = Trim(adoTem.AsText(u"wuhang"));
    c.ft = adoTem.AsText(u"ft");
    c.pinyin = adoTem.AsText(u"pinyin");
    for (int i = 0; i < calendar::Element::kCount; ++i) {
      if (c.wuhang == calendar::NameText(calendar::WuxingNames[static_cast<std::size_t>(i)])) c.element = calendar::Element::FromIndex(i);
    }
  }
  adoTem.Close();
  return c;
}

}  // namespace

bazi::BirthInput BirthInputOf(const NamingControls& c) {
  return {c.Xing.text,   c.CBsex.text, c.SYear.text, c.SMonth.text, c.Sday.text,
          c.Shour.text, c.CBFen.text, c.ComDate.index};
}

bool BirthEntered(const NamingControls& c) {
  const NamingControls d = NamingControls::Defaults();
  const ComboState* boxes[][2] = {{&c.SYear, &d.SYear}, {&c.SMonth, &d.SMonth}, {&c.Sday, &d.Sday},
                                  {&c.Shour, &d.Shour}, {&c.CBFen, &d.CBFen}};
  for (const auto& pair : boxes) {
    if (Trim(pair[0]->text) != Trim(pair[1]->text)) return true;
  }
  return c.ComDate.index != d.ComDate.index;
}

int BestRun::Open(const NamingControls& controls, Query& adoTem, const QString& folder, const NameFilter& filter) {
  order_.reset();
  chartNote_.clear();
  const ListInputs list = ListInputs::From(controls);
  const QString surname = list.Surname();
  if (surname.isEmpty() || surname.size() > 2) throw SilentStop();
  const std::shared_ptr<const BestData> data = BestData::For(folder);
  surnameInfo_ = ReadSurnameInfo(adoTem, list);

  BestInputs in;
  in.surname = surname;
  const SurnameChar& last = surnameInfo_.second.pinyin.isEmpty() ? surnameInfo_.first : surnameInfo_.second;
  in.surnameTone = last.pinyin.isEmpty() ? QChar() : naming::ToneClass(naming::ToneOf(last.pinyin));
  for (const SurnameChar* c : {&surnameInfo_.first, &surnameInfo_.second}) {
    if (!c->pinyin.isEmpty()) in.surnameSyllables << naming::Toneless(c->pinyin);
  }
  in.male = list.male;
  in.twoChars = list.twoChars;
  in.fixedSecond = list.fixedSecond;
  in.filter = filter;
  if (in.twoChars && !list.fixed.isEmpty()) in.fixed = FixedChar(*data, adoTem, list.fixed);
  // The chosen plan, or every listed plan with 电脑全自动.
  QStringList items = controls.CBCode.items.mid(1);
  if (Trim(controls.CBCode.text) != QString::fromUtf16(kAllPlans)) items = {Trim(controls.CBCode.text)};
  const int lx = PlanKindOf(surname, controls.CBXingshi.index);
  for (const QString& item : items) in.plans.push_back(ReadPlan(adoTem, ReadPlanKey(item, in.twoChars), lx));

  if (!BirthEntered(controls)) {
    chartNote_ = QStringLiteral("出生日期仍是初始的2010年1月1日，推荐顺序未参考八字；填入出生日期后重新取名即按八字喜用排序。");
  } else if (const std::optional<bazi::Favourable> chart = bazi::FavourableOfBirth(BirthInputOf(controls), folder)) {
    in.chart = chart;
    chartNote_ = QStringLiteral("推荐顺序已参考八字：") + chart->ElementsLine() + QStringLiteral("选中名字可见其理由。");
  } else {
    chartNote_ = QStringLiteral("出生日期无效，推荐顺序未参考八字。");
  }
  order_ = std::make_unique<BestOrder>(data, std::move(in));
  return order_->Total();
}

void BestRun::FillPage(int pageSize, std::vector<GridRow>& rows, QStringList& reasons,
                       const std::function<void(const QString&, qint64)>& shown) {
  if (!order_) return;
  const std::vector<BestName> page = order_->NextPage(std::min(pageSize, static_cast<int>(rows.size())));
  const BestInputs& in = order_->Inputs();
  for (std::size_t i = 0; i < page.size(); ++i) {
    rows[i] = Cells(page[i], static_cast<int>(i) + 1);
    if (static_cast<qsizetype>(i) < reasons.size()) reasons[static_cast<qsizetype>(i)] = order_->Reasons(page[i]);
    const int zf = in.plans[static_cast<std::size_t>(page[i].plan)].zf;
    shown(ListItemText(in.surname, page[i].given, zf), zf);
  }
}

GridRow BestRun::Cells(const BestName& name, int number) const {
  const BestInputs& in = order_->Inputs();
  const BestPlan& plan = in.plans[static_cast<std::size_t>(name.plan)];
  const SurnameChar& s1 = surnameInfo_.first;
  const SurnameChar& s2 = surnameInfo_.second;
  QString ft = s1.ft + s2.ft, wuhang = s1.wuhang + s2.wuhang;
  QStringList pinyin;
  for (QChar zi : name.given) {
    const BestChar* c = in.fixed && in.fixed->zi == zi ? &*in.fixed : order_->Data().Char(zi);
    ft += c ? c->ft : QString(zi);
    wuhang += c ? c->wuhang : QString();
    pinyin << (c ? c->pinyin : QString());
  }
  QString strokes = QString::number(s1.bh);
  if (s2.bh > 0) strokes += QLatin1Char(',') + QString::number(s2.bh);
  strokes += QLatin1Char(',') + QString::number(plan.first);
  if (plan.second > 0) strokes += QLatin1Char(',') + QString::number(plan.second);
  return {QString::number(number), in.surname + name.given, ft, s1.pinyin + s2.pinyin + QLatin1Char('-') + pinyin.join(QLatin1Char('-')),
          wuhang, strokes, plan.wg, plan.sc, QString::number(plan.zf)};
}

}  // namespace velmora
