// The name analysis window: see analysis.h.
#include "naming/analysis.h"

#include "calendar/lunar.h"
#include "calendar/number_wuxing.h"
#include "calendar/vocabulary.h"
#include "naming/name_check.h"
#include "naming/scoring.h"
#include "text/gbk.h"

#include <QRegularExpression>
#include <QSaveFile>

namespace velmora::naming {

using text::GbkMid;
using text::Trim;

namespace {

const QString kSeparator = QStringLiteral("<-----------------------名字分析内容分隔线----------------------------->");

QStringList Numbers(int from, int to) {
  QStringList out;
  for (int i = from; i <= to; ++i) out << QString::number(i);
  return out;
}

void SetText(ComboBox& box, const QString& text) {
  box.text = text;
  box.index = static_cast<int>(box.items.indexOf(text));
}

// StrToInt of a typed number; the error box tells a text that is none.
int ToInt(const QString& text) {
  bool ok = false;
  const int v = Trim(text).toInt(&ok);
  if (!ok) throw DbError(QStringLiteral("“%1”不是有效的整数").arg(text));
  return v;
}

// The refusal of a date that does not exist, in either calendar: the error box with the
// date text as typed.
DbError NoSuchDate(const QString& text) { return DbError(QStringLiteral("“%1”不是有效的日期").arg(text)); }

// A date text under the program-wide format yyyy-mm-dd with the separator "-"; month
// and day may have one or two digits.
QDate ToDate(const QString& text) {
  static const QRegularExpression re(QStringLiteral("^\\s*(\\d{1,4})-(\\d{1,2})-(\\d{1,2})\\s*$"));
  const auto m = re.match(text);
  const QDate date = m.hasMatch() ? QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt()) : QDate();
  if (!date.isValid()) throw NoSuchDate(text);
  return date;
}

}  // namespace

TFrmmain::TFrmmain(AnalysisUi& ui, QString folder) : ui_(ui), folder_(std::move(folder)) {
  Sex.items = {QStringLiteral("男"), QStringLiteral("女")};
  SetText(Sex, QStringLiteral("男"));
  ComDate.items = {QStringLiteral("公历"), QStringLiteral("农历")};
  SetText(ComDate, QStringLiteral("公历"));
  SYear.items = Numbers(1900, 2040);
  SetText(SYear, QStringLiteral("1980"));
  SMonth.items = Numbers(1, 12);
  SetText(SMonth, QStringLiteral("1"));
  Sday.items = Numbers(1, 31);
  SetText(Sday, QStringLiteral("1"));
  Shour.items = calendar::HourItems();
  SetText(Shour, QStringLiteral("子 0"));
  for (int m = 0; m < 60; ++m) RzComboBox8.items << QStringLiteral("%1").arg(m, 2, 10, QLatin1Char('0'));
  SetText(RzComboBox8, QStringLiteral("0"));
}

void TFrmmain::Fill(const NameAnalysisRequest& r) {
  NameA.text = r.surname;
  SetText(Sex, r.sex == QStringLiteral("男") ? QStringLiteral("男") : QStringLiteral("女"));
  SetText(SYear, r.year);
  SetText(SMonth, r.month);
  SetText(Sday, r.day);
  SetText(Shour, r.hour);
  SetText(RzComboBox8, r.minute);
  ComDate.index = r.calendarKind == 1 ? 1 : 0;
  ComDate.text = ComDate.items[ComDate.index];
  NameB.text = r.given;
}

void TFrmmain::FormShow() {
  if (!Trim(NameA.text).isEmpty() && !Trim(NameB.text).isEmpty()) RzButton1Click();
}

void TFrmmain::RzButton1Click() { RunHandler(ui_, [this] { RunAnalysis(); }); }
void TFrmmain::RunAnalysisOrThrow() { RunAnalysis(); }
void TFrmmain::dxBarButton2Click() { RunHandler(ui_, [this] { SaveReport(); }); }
void TFrmmain::RzBitBtnprintClick() {
  RunHandler(ui_, [this] {
    if (!Trim(RzMemo1.join(QLatin1Char('\n'))).isEmpty()) ui_.PrintReport(RzMemo1);
  });
}
void TFrmmain::Image4Click() { ui_.CloseWindow(); }

void TFrmmain::RunAnalysis() {
  // 1. The inputs, in order; each one that passes is kept at once.
  struct Check {
    const QString& text;
    QString* kept;
    const char16_t* message;
  } checks[] = {
      {NameA.text, &input.surname, u"姓不能为空!"},  {NameB.text, &input.given, u"名不能为空!"},
      {SYear.text, &input.year, u"请选择出生年!"},   {SMonth.text, &input.month, u"请选择出生月!"},
      {Sday.text, &input.day, u"请选择出生日!"},     {Shour.text, &input.hour, u"请选择出生小时!"},
  };
  for (const Check& c : checks) {
    const QString t = Trim(c.text);
    if (t.isEmpty()) {
      ui_.ShowNotice(QString::fromUtf16(c.message));
      return;
    }
    *c.kept = t;
  }
  // 2-3. The date text, converted from the lunar calendar when that is what was entered.
  input.dateText = input.year + QLatin1Char('-') + input.month + QLatin1Char('-') + input.day;
  if (ComDate.index == 1) {
    // A lunar day the table does not hold (day 30 of a short month, month 13, a year
    // outside 1901..2099) is refused like a Gregorian date that does not exist, rather
    // than reported as a birth on 0001-01-01.
    const auto lunar = calendar::LunarDate::FromYmd(ToInt(input.year), ToInt(input.month), ToInt(input.day));
    if (!calendar::IsValidLunar(lunar)) throw NoSuchDate(input.dateText);
    const QDate solar = calendar::LunarToSolar(lunar);
    input.dateText = QStringLiteral("%1-%2-%3")
                         .arg(solar.year(), 4, 10, QLatin1Char('0'))
                         .arg(solar.month(), 2, 10, QLatin1Char('0'))
                         .arg(solar.day(), 2, 10, QLatin1Char('0'));
    input.year = GbkMid(input.dateText, 1, 4);
    input.month = GbkMid(input.dateText, 6, 7);
    input.day = GbkMid(input.dateText, 9, 10);
  }
  // 4-7. The date, its lunar date, animal and star sign. A Gregorian date outside the
  // lunar table has no lunar text and no animal.
  const QDate date = ToDate(input.dateText);
  const int age = currentYear() - ToInt(GbkMid(input.dateText, 1, 4));
  const calendar::LunarDate lunar = calendar::SolarToLunar(date);
  if (lunar.isNull()) {
    input.lunarText.clear();
    input.animal.clear();
  } else {
    const QString yearText = calendar::GanZhiYearText(lunar.year() - 1864);
    input.lunarText = yearText + calendar::LunarMonthText(lunar.month(), lunar.leap()) + calendar::LunarDayText(lunar.day());
    input.animal = GbkMid(Trim(yearText), calendar::kYearAnimalFirstByte, calendar::kYearAnimalLastByte);
  }
  input.starSign = calendar::XingzuoOf(date);
  // 8-9. The report, then the view back at the top.
  WriteReport(date, age);
  topLine = 0;
}

void TFrmmain::WriteReport(const QDate& date, int age) {
  QStringList& pane = RzMemo1;
  pane.clear();
  const QString& s = input.surname;
  const QString& g = input.given;
  pane << s + g + QStringLiteral(",您今年:") + QString::number(age) + QStringLiteral("岁");
  const QString hour = Trim(GbkMid(input.hour, 4, 5));
  pane << QStringLiteral("您出生公历: %1年%2月%3日%4点%5分")
              .arg(date.year(), 4, 10, QLatin1Char('0'))
              .arg(date.month(), 2, 10, QLatin1Char('0'))
              .arg(date.day(), 2, 10, QLatin1Char('0'))
              .arg(hour, RzComboBox8.text);
  pane << QStringLiteral("农历:") + input.lunarText;
  pane << QStringLiteral("生肖:") + input.animal;
  pane << QStringLiteral("星座:") + input.starSign;

  // ComputeWuge, the Sancai, NameScore, then the texts, in that order.
  const Wuge w = ComputeWuge(s, g, folder_);
  const QString sancai = calendar::NumberWuxingTriple(w.tiange, w.renge, w.dige);
  const double scoreValue = NameScore(s, g, folder_);
  const QString score = ScoreText(scoreValue);  // lines 6 and 38 show one and the same value
  pane << QStringLiteral("综合评分: ") + score + QStringLiteral("分");
  pane << kSeparator;

  struct Grid {
    int number;
    const char16_t* heading;  // after the number
    const char16_t* name;
  } grids[] = {
      {w.tiange, u"的解析】：天格数是先祖留传下来的，其数理对人影响不大。", u"天格"},
      {w.renge, u"的解析】：人格数又称主运，是整个姓名的中心点，影响人的一生命运。", u"人格"},
      {w.dige, u"的解析】：地格数又称前运，影响人生（49岁）以前的命运。", u"地格"},
      {w.zongge, u"的解析】：总格又称后运，影响人生（50岁）以后的命运。 ", u"总格"},
      {w.waige, u"的解析】：外格又称变格，影响人的社交能力、智慧等，其数理不用重点去看。", u"外格"},
  };
  for (const Grid& grid : grids) {
    pane << QStringLiteral("【") + QString::fromUtf16(grid.name) + QString::number(grid.number) + QString::fromUtf16(grid.heading);
    pane << Lookup81(grid.number, u"yy", folder_) + Lookup81(grid.number, u"jx", folder_);
  }

  if (const std::optional<SancaiTexts> t = LookupSancaiTexts(sancai, folder_)) {
    pane << kSeparator;
    pane << QStringLiteral("【三才数理分析】：您的姓名三才配置为：") + sancai +
                QStringLiteral("。它具有如下数理诱导力，据此会对人生产生一定的影响。");
    pane << t->yy;
    pane << QStringLiteral("【对基础运的影响】：") + t->jcy + t->jx1;
    pane << QStringLiteral("【对成功运的影响】：") + t->cgy + t->jx2;
    pane << QStringLiteral("【对人际关系的影响】：") + t->rjgx + t->jx3;
    pane << QStringLiteral("【对性格的影响】：") + t->xg;
  }

  pane << kSeparator;
  for (const Grid& grid : grids) {
    pane << QStringLiteral("【") + QString::fromUtf16(grid.name) + QString::number(grid.number) + QStringLiteral("数理暗示】：");
    pane << Lookup81(grid.number, u"as", folder_);
  }
  pane << kSeparator;
  pane << ScoreVerdict(scoreValue);
  pane << QStringLiteral("【系统综合评分】: ") + score + QStringLiteral("分");
  pane << QString();
  pane << QStringLiteral("<-----------------------以上分析内容只作参考----------------------------->");
  // After the report's own forty lines, which stay as they are: how the name reads to a parent.
  pane << QStringLiteral("<-----------------------音形义----------------------------->");
  pane << CheckName(s, g, folder_).ReportLines();
}

void TFrmmain::SaveReport() {
  if (Trim(RzMemo1.join(QLatin1Char('\n'))).isEmpty()) return;
  QString proposal = Trim(input.surname + input.given);
  static const QRegularExpression forbidden(QStringLiteral("[*/<>?\\\\|]"));
  if (proposal.contains(forbidden)) proposal = QStringLiteral("*.txt");
  const std::optional<QString> chosen = ui_.AskSaveFileName(QStringLiteral("保存"), QStringLiteral("文本文件|*.txt"), proposal);
  if (!chosen) return;
  // ".txt" is appended always, also to a name that already ends in it.
  if (!WriteFileAtomically(*chosen + QStringLiteral(".txt"), ReportFileBytes(RzMemo1))) throw SilentStop();
}

QByteArray ReportFileBytes(const QStringList& lines) {
  QByteArray bytes;
  for (const QString& line : lines) {
    bytes += text::ToGb18030(line);
    bytes += "\r\n";
  }
  return bytes;
}

bool WriteFileAtomically(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  if (file.write(bytes) != bytes.size()) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

namespace {

// A Ui for the command line: notices and errors become failures the caller reports.
class CommandLineUi : public AnalysisUi {
 public:
  void ShowNotice(const QString& text) override { throw DbError(text); }
  void ShowInformation(const QString&, const QString& text) override { throw DbError(text); }
  void ShowError(const QString&, const QString& text) override { error = text; }
  void SetClipboardText(const QString&) override {}
  void Pause(int) override {}
  std::optional<QString> AskSaveFileName(const QString&, const QString&, const QString&) override { return std::nullopt; }
  void PrintReport(const QStringList&) override {}
  void CloseWindow() override {}
  QString error;
};

}  // namespace

QStringList AnalysisReport(const NameAnalysisRequest& request, const QString& folder, int year) {
  CommandLineUi ui;
  TFrmmain form(ui, folder);
  form.currentYear = [year] { return year; };
  form.Fill(request);
  // The window's defaults stand for what the request leaves empty.
  const TFrmmain defaults(ui, folder);
  if (request.year.isEmpty()) form.SYear = defaults.SYear;
  if (request.month.isEmpty()) form.SMonth = defaults.SMonth;
  if (request.day.isEmpty()) form.Sday = defaults.Sday;
  if (request.hour.isEmpty()) form.Shour = defaults.Shour;
  if (request.minute.isEmpty()) form.RzComboBox8 = defaults.RzComboBox8;
  form.RunAnalysisOrThrow();
  return form.RzMemo1;
}

}  // namespace velmora::naming
