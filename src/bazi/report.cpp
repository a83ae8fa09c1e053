// report.cpp: see report.h.
#include "bazi/report.h"

#include "bazi/birth.h"
#include "bazi/bone_weight.h"
#include "bazi/chart.h"
#include "bazi/chart_lookups.h"
#include "bazi/cycle_numbers.h"
#include "bazi/favourable.h"
#include "bazi/personality.h"
#include "bazi/report_rows.h"
#include "bazi/term_hint.h"
#include "calendar/lunar.h"
#include "calendar/vocabulary.h"
#include "text/gbk.h"

#include <QDate>

#include <array>
#include <optional>

namespace velmora::bazi {

using text::Trim;

namespace {

const QString kSeparator = QStringLiteral("<-----------------------批八字内容分隔线----------------------------->");
const QString kClosing = QStringLiteral("<-----------------------以上内容只作参考----------------------------->");
const QString kCheckInput = QStringLiteral("请检查输入数据是否出错！");

// The season of a lunar month's name; nothing for a leap month (闰…), whose name is
// none of the twelve.
struct Season {
  const char16_t* character;
  const char16_t* text;
};
std::optional<Season> SeasonOf(const QString& monthName) {
  static constexpr std::array<const char16_t*, 12> kNames = {u"一月", u"二月", u"三月", u"四月", u"五月", u"六月",
                                                             u"七月", u"八月", u"九月", u"十月", u"十一月", u"十二月"};
  static constexpr std::array<Season, 4> kSeasons = {{{u"春", u"生于春季，"}, {u"夏", u"生于夏季，"},
                                                       {u"秋", u"生于秋季，"}, {u"冬", u"生于冬季，"}}};
  for (std::size_t i = 0; i < kNames.size(); ++i) {
    if (monthName == QString::fromUtf16(kNames[i])) return kSeasons[i / 3];
  }
  return std::nullopt;
}

// The lines from the chart on, with the lookups of one report.
class ChartLines {
 public:
  ChartLines(const BaziChart& chart, const QString& folder) : chart_(chart), folder_(folder) {}

  // SS(x): the ten god of stem x seen from the day stem.
  QString SS(const QString& x) const { return LookupShishen(Char(4) + x, folder_); }
  QString E(const QString& x) const { return LookupElement(x, folder_); }
  QString N(const QString& pillar) const { return LookupNayin(pillar, folder_); }
  const QString& Char(int i) const { return chart_.pillarChars[static_cast<std::size_t>(i)]; }
  QString Pillar(int i) const { return Char(2 * i) + Char(2 * i + 1); }  // 0 year .. 3 hour

  // Lines 12–14: the first, second or third hidden stem of each branch with its ten god.
  QString HiddenStemLine(int k) const {
    QString line = k == 0 ? QStringLiteral("遁藏：") : S6;
    for (std::size_t i = 0; i < chart_.hiddenStems.size(); ++i) {
      const QString& h = chart_.hiddenStems[i];
      if (k == 0) {
        line += (i > 0 ? QStringLiteral(" ") : QString()) + h.mid(0, 1) + SS(h.mid(0, 1));
      } else if (h.size() > k) {
        line += h.mid(k, 1) + SS(h.mid(k, 1)) + QLatin1Char(' ');
      } else {
        line += S7;
      }
    }
    return line;
  }

  QString ElementLine() const {
    QString line;
    for (int i = 0; i < 4; ++i) line += (i > 0 ? S3 : QString()) + E(Char(2 * i)) + E(Char(2 * i + 1));
    return line;
  }

 private:
  const BaziChart& chart_;
  const QString& folder_;
};

void WriteChart(const BaziChart& chart, const Birth& birth, const calendar::LunarDate& lunar, const QString& folder,
                QStringList& pane) {
  const ChartLines l(chart, folder);
  const QString conception = Trim(chart.conceptionPillar);
  pane << QStringLiteral("胎元：") + conception + QLatin1Char('(') + l.N(conception) + QLatin1Char(')');
  pane << QStringLiteral("起运：") + chart.startAgeText + QStringLiteral("岁");
  pane << QStringLiteral("十神：") + l.SS(l.Char(0)) + S3 + l.SS(l.Char(2)) + S3 + QStringLiteral("日元") + S3 +
              l.SS(l.Char(6));
  pane << QStringLiteral("八字：") + l.Pillar(0) + S3 + l.Pillar(1) + S3 + l.Pillar(2) + S3 + l.Pillar(3);
  if (const QString hint = TermHintLine(chart, folder); !hint.isEmpty()) pane << hint;
  for (int k = 0; k < 3; ++k) pane << l.HiddenStemLine(k);
  const QString elements = l.ElementLine();
  pane << QStringLiteral("五行：") + elements;
  pane << QStringLiteral("纳音：") + l.N(l.Pillar(0)) + QLatin1Char(' ') + l.N(l.Pillar(1)) + QLatin1Char(' ') +
              l.N(l.Pillar(2)) + QLatin1Char(' ') + l.N(l.Pillar(3));
  QString luckNayin = QStringLiteral("纳音：");
  QString luckGods = QStringLiteral("十神：");
  for (const CyclePair& p : chart.luckPillars) {
    luckNayin += l.N(StemChar(p.stem) + BranchChar(p.branch)) + QLatin1Char(' ');
    luckGods += l.SS(StemChar(p.stem)) + S3;
  }
  pane << luckNayin << luckGods;
  pane << QStringLiteral("大运：") + chart.luckPillarText;
  const int s = chart.startAge;
  pane << AgeHeader(s, chart.startAgeText);
  QString starts = QStringLiteral("始于：") + QString::number(chart.year);
  for (int c = 0; c <= 8; ++c) starts += S3 + QString::number(chart.year + s + 10 * c);
  pane << starts << QString();
  pane << AnnualPillarRows(lunar.year(), s) << QString();
  pane << MinorLuckRows(chart);
  pane << kSeparator;

  const QString dayStem = l.Char(4);
  const QString dayElement = l.E(dayStem);
  const QString monthName = calendar::LunarMonthText(lunar.month(), lunar.leap());
  if (const std::optional<Season> season = SeasonOf(monthName)) {
    const QString character = QString::fromUtf16(season->character);
    pane << QStringLiteral("用神喜忌：日主天干") + dayElement + QString::fromUtf16(season->text) +
                LookupSjrs(dayElement, character, folder) + QStringLiteral("。");
  }
  pane << QStringLiteral("穷通宝鉴调候用神：") + dayStem + l.E(dayStem) + QStringLiteral("生于") + l.Char(3) +
              QStringLiteral("月，") + LookupQtbj(dayStem, l.Char(3), folder);
  pane << QStringLiteral("八字五行个数：") + CountElements(elements);
  pane << kSeparator;
  pane << QStringLiteral("袁天罡称骨算命：");
  for (int mode = 0; mode < 3; ++mode) {
    pane << BoneWeightLine(QString::number(lunar.year()), QString::number(lunar.month()),
                           QString::number(lunar.day()), birth.hourText, mode, folder);
  }
  pane << kSeparator << QString() << QStringLiteral("性格简评：");
  pane << QStringLiteral("    ") + BirthdayPersonality(birth.date.month(), birth.date.day());
  pane << QString() << kSeparator << QString() << kClosing;
  // After the design's lines, which stay as they are: what the chart favours.
  pane << QStringLiteral("<-----------------------喜用五行----------------------------->");
  pane << JudgeFavourable(PillarsOfChart(chart, folder)).ReportLines();
}

}  // namespace

BaziOutcome WriteBaziReport(const BirthInput& input, Ui& ui, const QString& folder, QDate today,
                            QStringList& pane) {
  struct Check {
    const QString& text;
    const char16_t* message;
  };
  const Check checks[] = {{input.surname, u"姓不能为空!"},
                          {input.year, u"请选择出生年!"},
                          {input.month, u"请选择出生月!"},
                          {input.day, u"请选择出生日!"},
                          {input.hour, u"请选择出生小时!"}};
  for (const Check& c : checks) {
    if (Trim(c.text).isEmpty()) {
      ui.ShowNotice(QString::fromUtf16(c.message));
      return &c == &checks[0] ? BaziOutcome::EmptySurname : BaziOutcome::Refused;
    }
  }
  const std::optional<Birth> birth = PrepareBirth(input);
  BaziChart chart;
  if (!birth || !ComputeBaziChart(birth->date.year(), birth->date.month(), birth->date.day(), birth->hour,
                                  birth->minute, Trim(input.sex), folder, chart)) {
    ui.ShowMessage(kCheckInput);
    return BaziOutcome::Refused;
  }
  const QDate& date = birth->date;
  const calendar::LunarDate lunar = calendar::SolarToLunar(date);
  const QString yearText = calendar::GanZhiYearText(lunar.year() - 1864);

  pane.clear();
  pane << QStringLiteral("姓氏：") + Trim(input.surname);
  pane << QStringLiteral("年龄：") + (date > today ? QStringLiteral("未出生")
                                                   : QString::number(today.year() - date.year()) + QStringLiteral("岁"));
  pane << QStringLiteral("您出生公历：%1年%2月%3日")
                  .arg(date.year(), 4, 10, QLatin1Char('0'))
                  .arg(date.month(), 2, 10, QLatin1Char('0'))
                  .arg(date.day(), 2, 10, QLatin1Char('0')) +
              birth->hourText + QStringLiteral("点") + input.minute + QStringLiteral("分");
  pane << QStringLiteral("农历：") + yearText + calendar::LunarMonthText(lunar.month(), lunar.leap()) +
              calendar::LunarDayText(lunar.day());
  pane << QStringLiteral("属相：") +
              text::GbkMid(Trim(yearText), calendar::kYearAnimalFirstByte, calendar::kYearAnimalLastByte);
  pane << QStringLiteral("星座：") + calendar::XingzuoOf(date);
  pane << kSeparator;
  WriteChart(chart, *birth, lunar, folder, pane);
  return BaziOutcome::Written;
}

}  // namespace velmora::bazi
