// TFrmJiri: see frm_jiri.h.
#include "calendar/frm_jiri.h"

#include "refdb/errors.h"
#include "refdb/query.h"

#include <algorithm>

namespace velmora::calendar {

namespace {
const QDate kLastListedDate(2100, 12, 31);
}  // namespace

std::vector<JieTerm> LoadJieTerms(int first, int last, const QString& folder) {
  Query q(DbConnectionText(DbFile::Tgcode, folder));
  q.SetSql(QStringLiteral(
               "select JQ, SJ from JQ where YearA >= %1 and YearA <= %2 and JQ in ('立春','惊蛰','清明','立夏',"
               "'芒种','小暑','立秋','白露','寒露','立冬','大雪','小寒') order by SJ")
               .arg(first)
               .arg(last));
  q.Open();
  std::vector<JieTerm> terms;
  for (q.First(); !q.Eof(); q.Next()) {
    const std::optional<Dizhi> month = JieMonthBranch(q.AsText(0));
    const QDate date = q.AsDateTime(1).date();
    if (month && date.isValid()) terms.push_back({date, *month});
  }
  return terms;
}

QString JiriLine(const JiriDay& d) {
  return QStringList{d.date.toString(QStringLiteral("yyyy-MM-dd")), d.weekday, d.lunar, d.pillar, d.jianchu, d.god,
                     HuangdaoText(d.huangdao)}
      .join(QLatin1Char('\t'));
}

JiriList MakeJiriList(QDate from, int days, const QString& folder) {
  JiriList list;
  // The lunar dates end with 2100 (lunar.h), and so do the terms of table JQ.
  const QDate last = std::min(from.addDays(days - 1), kLastListedDate);
  const int wanted = static_cast<int>(from.daysTo(last)) + 1;
  const std::vector<JieTerm> terms = LoadJieTerms(from.year() - 1, last.year(), folder);
  list.days = JiriDays(from, wanted, terms);
  if (static_cast<int>(list.days.size()) < wanted) {
    const QDate missing = from.addDays(static_cast<qint64>(list.days.size()));
    list.shortNotice = QStringLiteral("节气表中缺少%1年前后的节气，吉日只能列出%2天。").arg(missing.year()).arg(list.days.size());
  } else if (wanted < days) {
    list.shortNotice = QStringLiteral("吉日只能列到%1。").arg(kLastListedDate.toString(QStringLiteral("yyyy-MM-dd")));
  }
  return list;
}

TFrmJiri::TFrmJiri(Ui& ui, QString folder, std::function<QDate()> today)
    : ui_(ui), folder_(std::move(folder)), today_(std::move(today)) {}

QStringList TFrmJiri::Columns() {
  return {QStringLiteral("公历"), QStringLiteral("星期"), QStringLiteral("农历"), QStringLiteral("日柱"),
          QStringLiteral("建除"), QStringLiteral("值神"), QStringLiteral("黄道/黑道")};
}

void TFrmJiri::FormShow() {
  DateEdit1 = std::clamp(today_(), FirstDate(), LastDate());
  Refresh();
}

void TFrmJiri::DateEdit1Change() {
  DateEdit1 = std::clamp(DateEdit1, FirstDate(), LastDate());
  Refresh();
}

void TFrmJiri::CBDaysChange() {
  CBDaysIndex = std::clamp(CBDaysIndex, 0, static_cast<int>(std::size(kDayChoices)) - 1);
  Refresh();
}

void TFrmJiri::CBHuangdaoClick() { Filter(); }

void TFrmJiri::BtnCopyClick() {
  std::vector<int> all(ListView1.size());
  for (std::size_t i = 0; i < all.size(); ++i) all[i] = static_cast<int>(i);
  CopyRows(all);
}

void TFrmJiri::CopyRows(const std::vector<int>& rows) {
  QStringList lines{Columns().join(QLatin1Char('\t'))};
  for (int r : rows) {
    if (r >= 0 && r < static_cast<int>(ListView1.size())) lines << JiriLine(ListView1[static_cast<std::size_t>(r)]);
  }
  ui_.SetClipboardText(lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
}

void TFrmJiri::Refresh() {
  days_.clear();
  Filter();  // a failure below leaves an empty list, not the previous start's days
  RunHandler(ui_, [this] {
    JiriList list = MakeJiriList(DateEdit1, kDayChoices[CBDaysIndex], folder_);
    days_ = std::move(list.days);
    Filter();
    if (!list.shortNotice.isEmpty()) ui_.ShowNotice(list.shortNotice);
  });
}

void TFrmJiri::Filter() {
  ListView1.clear();
  int huangdao = 0;
  for (const JiriDay& d : days_) {
    if (d.huangdao) ++huangdao;
    if (d.huangdao || !CBHuangdao) ListView1.push_back(d);
  }
  LabelSummary = QStringLiteral("共%1天，其中黄道日%2天").arg(days_.size()).arg(huangdao);
}

}  // namespace velmora::calendar
