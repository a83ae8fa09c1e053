// jiri_test.cpp: the 吉日 rules, the list built from table JQ, and the 吉日 form.
#include "calendar/frm_jiri.h"

#include <gtest/gtest.h>

#include "calendar/typed_date.h"
#include "calendar/vocabulary.h"
#include "refdb/errors.h"

namespace velmora::calendar {
namespace {

QString U(const char* s) { return QString::fromUtf8(s); }
const QString kDbDir = QStringLiteral(VELMORA_DB_DIR "/");

struct RecordingUi : Ui {
  QStringList notices, errors, clipboard;
  void ShowError(const QString&, const QString& text) override { errors << text; }
  void ShowNotice(const QString& text) override { notices << text; }
  void ShowInformation(const QString&, const QString& text) override { notices << text; }
  void SetClipboardText(const QString& text) override { clipboard << text; }
  void Pause(int) override {}
};

// What a person types or pastes into the 吉日 date field.
TEST(TypedDate, ReadsTheWholeText) {
  const struct {
    const char* text;
    QDate date;  // invalid: refused
  } rows[] = {
      {"1989-08-01", QDate(1989, 8, 1)},     {"1989-8-1", QDate(1989, 8, 1)},
      {" 1989/8/1 ", QDate(1989, 8, 1)},     {"1989.08.01", QDate(1989, 8, 1)},
      {"1989年8月1日", QDate(1989, 8, 1)},   {"19890801", QDate(1989, 8, 1)},
      {"１９８９－０８－０１", QDate(1989, 8, 1)},  // full-width, as a Chinese IME types it
      {"2023-02-29", QDate()},               // no such day
      {"1989-08", QDate()},                  {"89-8-1", QDate()},
      {"1989-08-01x", QDate()},              {"", QDate()},
  };
  for (const auto& row : rows) {
    const std::optional<QDate> got = ParseTypedDate(U(row.text));
    EXPECT_EQ(got.value_or(QDate()), row.date) << row.text;
  }
}

TEST(JiriRules, BranchesGiveValueAndSpirit) {
  // 青龙 by month: 寅申需加子, 卯酉却在寅, 辰戌龙位上, 巳亥午中寻, 子午临申地, 丑未戌上行.
  const int qinglong[12] = {8, 10, 0, 2, 4, 6, 8, 10, 0, 2, 4, 6};  // by month branch 子..亥
  for (int m = 0; m < 12; ++m) {
    const Dizhi month = Dizhi::FromIndex(m);
    EXPECT_EQ(JianchuIndex(month, month), 0) << m;  // 建 on the month's own branch
    EXPECT_EQ(DayGodIndex(month, Dizhi::FromIndex(qinglong[m])), 0) << m;
  }
  QStringList huangdao;
  for (int g = 0; g < 12; ++g)
    if (IsHuangdao(g)) huangdao << NameText(DayGodNames[static_cast<std::size_t>(g)]);
  EXPECT_EQ(huangdao.join(QLatin1Char(' ')), U("青龙 明堂 金匮 天德 玉堂 司命"));
  EXPECT_EQ(NameOf(DayGanZhi(QDate(2000, 1, 1))), U("戊午"));
}

TEST(JiriRules, TheJieDayOpensTheNewMonth) {
  const std::vector<JieTerm> terms = {{QDate(2026, 1, 5), Dizhi::FromIndex(1)}, {QDate(2026, 2, 4), Dizhi::FromIndex(2)}};
  EXPECT_EQ(SolarMonthBranch(QDate(2026, 1, 4), terms), std::nullopt);
  EXPECT_EQ(SolarMonthBranch(QDate(2026, 2, 3), terms), Dizhi::FromIndex(1));
  EXPECT_EQ(SolarMonthBranch(QDate(2026, 2, 4), terms), Dizhi::FromIndex(2));
  // Beyond four weeks after the last term the month may have turned: the list stops.
  EXPECT_EQ(JiriDays(QDate(2026, 2, 20), 30, terms).size(), 13u);
}

// February 2026, across 立春 (4 February, 04:02) and its repeated value. Expected values
// from lunar-javascript (tools/compare_cal.js checks every day of 2026–2027 the same way).
TEST(JiriList, OneMonthAgreesWithAnIndependentAlmanac) {
  const QString pillars = U("丙午丁未戊申己酉庚戌辛亥壬子癸丑甲寅乙卯丙辰丁巳戊午己未庚申辛酉壬戌癸亥甲子乙丑丙寅丁卯戊辰己巳庚午辛未壬申癸酉");
  const QString jianchu = U("执破危危成收开闭建除满平定执破危成收开闭建除满平定执破危");
  const QStringList gods = U("天牢 玄武 司命 玄武 司命 勾陈 青龙 明堂 天刑 朱雀 金匮 天德 白虎 玉堂 天牢 玄武 司命 勾陈 青龙 "
                             "明堂 天刑 朱雀 金匮 天德 白虎 玉堂 天牢 玄武").split(QLatin1Char(' '));
  const QString kinds = U("黑黑黄黑黄黑黄黄黑黑黄黄黑黄黑黑黄黑黄黄黑黑黄黄黑黄黑黑");
  const JiriList list = MakeJiriList(QDate(2026, 2, 1), 28, kDbDir);
  ASSERT_EQ(list.days.size(), 28u);
  EXPECT_TRUE(list.shortNotice.isEmpty());
  for (int i = 0; i < 28; ++i) {
    const JiriDay& d = list.days[static_cast<std::size_t>(i)];
    EXPECT_EQ(d.pillar, pillars.mid(2 * i, 2)) << i + 1;
    EXPECT_EQ(d.jianchu, jianchu.mid(i, 1)) << i + 1;
    EXPECT_EQ(d.god, gods[i]) << i + 1;
    EXPECT_EQ(d.huangdao, kinds[i] == QChar(u'黄')) << i + 1;
  }
  EXPECT_EQ(JiriLine(list.days[16]), U("2026-02-17\t星期二\t正月初一\t壬戌\t成\t司命\t黄道"));
}

// The calendar window's lunar dates and month names; beyond its table (2050) the birth
// chart's. True values from lunar-javascript.
TEST(JiriLunarText, AsTheCalendarWindowReadsIt) {
  struct Case { QDate date; const char* text; };
  const Case cases[] = {
      {QDate(1989, 8, 1), "六月三十"},    // the window's table once began 七月 here
      {QDate(1989, 8, 8), "七月初七"},
      {QDate(2026, 2, 17), "正月初一"},
      {QDate(2025, 1, 1), "腊月初二"},
      {QDate(2023, 12, 13), "冬月初一"},
      {QDate(2023, 3, 22), "闰二月初一"},
      {QDate(2034, 1, 1), "闰冬月十一"},  // a leap month running on from the year before
      {QDate(2050, 12, 31), "冬月十八"},
      {QDate(2051, 1, 1), "冬月十九"},    // from here on the birth chart's table
      {QDate(2051, 2, 11), "正月初一"},
      {QDate(2089, 9, 4), "八月初一"},    // a month that table once began a day late
      {QDate(2100, 12, 31), "腊月初一"},
      {QDate(2101, 1, 1), ""},
  };
  for (const Case& c : cases) EXPECT_EQ(JiriLunarText(c.date), U(c.text)) << c.date.toString(Qt::ISODate).toStdString();
}

TEST(JiriList, EndsWithTheTables) {
  const JiriList list = MakeJiriList(QDate(2100, 12, 1), 60, kDbDir);
  EXPECT_EQ(list.days.size(), 31u);
  EXPECT_EQ(list.shortNotice, U("吉日只能列到2100-12-31。"));
  EXPECT_THROW(MakeJiriList(QDate(2026, 2, 1), 28, QStringLiteral("/nonexistent/")), DbError);
}

TEST(FrmJiri, DrivenLikeAUser) {
  RecordingUi ui;
  TFrmJiri form(ui, kDbDir, [] { return QDate(2026, 2, 1); });
  form.FormShow();
  ASSERT_EQ(form.ListView1.size(), 30u);
  EXPECT_EQ(form.ListView1.front().date, QDate(2026, 2, 1));
  EXPECT_EQ(form.LabelSummary, U("共30天，其中黄道日14天"));

  form.CBHuangdao = true;
  form.CBHuangdaoClick();
  EXPECT_EQ(form.ListView1.size(), 14u);
  for (const JiriDay& d : form.ListView1) EXPECT_TRUE(d.huangdao);
  form.BtnCopyClick();
  ASSERT_EQ(ui.clipboard.size(), 1);
  const QStringList lines = ui.clipboard[0].trimmed().split(QLatin1Char('\n'));
  EXPECT_EQ(lines.size(), 15);
  EXPECT_EQ(lines[0], U("公历\t星期\t农历\t日柱\t建除\t值神\t黄道/黑道"));
  EXPECT_EQ(lines[1], U("2026-02-03\t星期二\t腊月十六\t戊申\t危\t司命\t黄道"));

  form.CBDaysIndex = 2;
  form.CBDaysChange();
  EXPECT_EQ(form.LabelSummary.left(4), U("共90天"));
  EXPECT_TRUE(ui.errors.isEmpty());

  TFrmJiri missing(ui, QStringLiteral("/nonexistent/"), [] { return QDate(2026, 2, 1); });
  missing.FormShow();
  EXPECT_TRUE(missing.ListView1.empty());
  EXPECT_EQ(ui.errors.size(), 1);
}

}  // namespace
}  // namespace velmora::calendar
