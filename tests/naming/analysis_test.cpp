// The name analysis window's form: the input checks, the lunar input, the whole report
// (golden, on fixture rows), saving and the command-line report.
#include "naming/analysis.h"

#include "../refdb/fixture.h"
#include "refdb/errors.h"
#include "text/gbk.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace velmora::naming {
namespace {

QString U(const char* s) { return QString::fromUtf8(s); }

struct RecordingUi : AnalysisUi {
  QStringList notices, errors, printed;
  std::optional<QString> saveAs;
  QStringList saveRequests;
  bool closed = false;
  void ShowNotice(const QString& t) override { notices << t; }
  void ShowInformation(const QString&, const QString& t) override { notices << t; }
  void ShowError(const QString& c, const QString& t) override { errors << c + U("|") + t; }
  void SetClipboardText(const QString&) override {}
  void Pause(int) override {}
  std::optional<QString> AskSaveFileName(const QString& title, const QString& filter, const QString& proposal) override {
    saveRequests << title + U("|") + filter + U("|") + proposal;
    return saveAs;
  }
  void PrintReport(const QStringList& lines) override { printed = lines; }
  void CloseWindow() override { closed = true; }
};

class Analysis : public ::testing::Test {
 protected:
  void SetUp() override {
    fixture_.CreateStandard();
    // The numbers and the configuration of 张思远: grids 12, 20, 26, 37 and 18 (18 has no
    // row), 木水土.
    fixture_.Run(U("KelFile.dll"), R"sql(
      INSERT INTO "81" VALUES (12,'掘井无泉，','凶','十二暗示。'),(20,'屋下藏金，','凶','二十暗示。'),
                              (26,'变怪奇异，','半吉','二十六暗示。'),(37,'权威显达，','吉','三十七暗示。');
      INSERT INTO sancai2009 VALUES ('木水土',' 木水土总论 ','基础说明，','凶','成功说明，','吉','人际说明，','半吉',' 性格说明 ');
    )sql");
    form_ = std::make_unique<TFrmmain>(ui_, fixture_.Folder());
    form_->currentYear = [] { return 2026; };
  }
  void Open(const char* surname, const char* given, const char* year = "1990", const char* month = "5",
            const char* day = "17", int calendar = 0) {
    form_->Fill(NameAnalysisRequest{U(surname), U("男"), U(year), U(month), U(day), U("辰 8"), U("00"), calendar, U(given)});
  }
  testing::FixtureFolder fixture_;
  RecordingUi ui_;
  std::unique_ptr<TFrmmain> form_;
};

TEST_F(Analysis, TheWholeReport) {
  Open("张", "思远");
  form_->topLine = 12;
  form_->FormShow();  // both names given: the analysis runs at once
  const QStringList expected = {
      U("张思远,您今年:36岁"),
      U("您出生公历: 1990年05月17日8点00分"),
      U("农历:庚午(马年)四月廿三"),  // 1990-05-17 is the 23rd of the 4th lunar month of 庚午
      U("生肖:马"),
      U("星座:金牛座 "),
      U("综合评分: 78分"),  // the zh row of 11|9-17
      U("<-----------------------名字分析内容分隔线----------------------------->"),
      U("【天格12的解析】：天格数是先祖留传下来的，其数理对人影响不大。"),
      U("掘井无泉，凶"),
      U("【人格20的解析】：人格数又称主运，是整个姓名的中心点，影响人的一生命运。"),
      U("屋下藏金，凶"),
      U("【地格26的解析】：地格数又称前运，影响人生（49岁）以前的命运。"),
      U("变怪奇异，半吉"),
      U("【总格37的解析】：总格又称后运，影响人生（50岁）以后的命运。 "),
      U("权威显达，吉"),
      U("【外格18的解析】：外格又称变格，影响人的社交能力、智慧等，其数理不用重点去看。"),
      U("  "),  // no row for 18: one blank per text
      U("<-----------------------名字分析内容分隔线----------------------------->"),
      U("【三才数理分析】：您的姓名三才配置为：木水土。它具有如下数理诱导力，据此会对人生产生一定的影响。"),
      U("木水土总论"),
      U("【对基础运的影响】：基础说明，凶"),
      U("【对成功运的影响】：成功说明，吉"),
      U("【对人际关系的影响】：人际说明，半吉"),
      U("【对性格的影响】：性格说明"),
      U("<-----------------------名字分析内容分隔线----------------------------->"),
      U("【天格12数理暗示】："),
      U("十二暗示。"),
      U("【人格20数理暗示】："),
      U("二十暗示。"),
      U("【地格26数理暗示】："),
      U("二十六暗示。"),
      U("【总格37数理暗示】："),
      U("三十七暗示。"),
      U("【外格18数理暗示】："),
      U(" "),
      U("<-----------------------名字分析内容分隔线----------------------------->"),
      U("【总评及建议】:你的名字可能不太理想，要想赢得成功，必须比别人付出更多的艰辛和汗水。如果有条件，改个名字也未尝不可。"),
      U("【系统综合评分】: 78分"),
      U(""),
      U("<-----------------------以上分析内容只作参考----------------------------->"),
  };
  // The report's 40 lines exactly, then the section of its own after them.
  EXPECT_EQ(form_->RzMemo1.mid(0, 40), expected);
  EXPECT_EQ(form_->RzMemo1.mid(40), QStringList({U("<-----------------------音形义----------------------------->"),
                                                 U("【字义】张（zhāng，平）：姓"), U("【字义】思（sī，平）"),
                                                 U("【字义】远（yuǎn，仄）"), U("【声调】zhāng sī yuǎn，平平仄"),
                                                 U("未发现不妥的谐音或寓意")}));
  EXPECT_EQ(form_->topLine, 0);  // the view is back at the top
  EXPECT_EQ(form_->input.dateText, U("1990-5-17"));
  EXPECT_TRUE(ui_.notices.isEmpty());
  EXPECT_TRUE(ui_.errors.isEmpty());
}

TEST_F(Analysis, WithoutAConfigurationTextTheBlockIsLeftOut) {
  Open("王", "文");  // 5, 8, 5, 8, 2: 土金土, which has no sancai2009 row
  form_->RzButton1Click();
  ASSERT_EQ(form_->RzMemo1.size(), 33 + 5);  // and the 音形义 section of five lines
  EXPECT_EQ(form_->RzMemo1.at(16), U("两仪之数，混沌未开，凶"));  // 外格 2
  EXPECT_EQ(form_->RzMemo1.at(17), U("<-----------------------名字分析内容分隔线----------------------------->"));
  EXPECT_EQ(form_->RzMemo1.at(18), U("【天格5数理暗示】："));
  EXPECT_EQ(form_->RzMemo1.at(5), U("综合评分: 70分"));
}

TEST_F(Analysis, InputChecksInOrder) {
  struct Case {
    const char* surname;
    const char* given;
    const char* year;
    const char* month;
    const char* day;
    const char* hour;
    const char* message;
  } cases[] = {
      {" ", "远", "1990", "5", "17", "辰 8", "姓不能为空!"},
      {"张", "", "1990", "5", "17", "辰 8", "名不能为空!"},
      {"张", "远", "", "5", "17", "辰 8", "请选择出生年!"},
      {"张", "远", "1990", " ", "17", "辰 8", "请选择出生月!"},
      {"张", "远", "1990", "5", "", "辰 8", "请选择出生日!"},
      {"张", "远", "1990", "5", "17", "", "请选择出生小时!"},
  };
  form_->RzMemo1 = {U("earlier report")};
  for (const Case& c : cases) {
    form_->NameA.text = U(c.surname);
    form_->NameB.text = U(c.given);
    form_->SYear.text = U(c.year);
    form_->SMonth.text = U(c.month);
    form_->Sday.text = U(c.day);
    form_->Shour.text = U(c.hour);
    form_->RzButton1Click();
    EXPECT_EQ(ui_.notices.last(), U(c.message));
  }
  EXPECT_EQ(form_->RzMemo1, QStringList({U("earlier report")}));  // the pane keeps its content
  EXPECT_EQ(form_->input.surname, U("张"));  // each value that passed is kept at once
  // Dates that are no dates, and years of fewer than four digits, end in the error box.
  for (const char* date : {"1990-2-30", "abcd-1-1", "90-5-17"}) {
    const QStringList parts = U(date).split(U("-"));
    form_->NameA.text = U("张");
    form_->NameB.text = U("思远");
    form_->SYear.text = parts[0];
    form_->SMonth.text = parts[1];
    form_->Sday.text = parts[2];
    form_->Shour.text = U("子 0");
    form_->RzButton1Click();
  }
  EXPECT_EQ(ui_.errors.size(), 3);
  EXPECT_TRUE(ui_.errors.front().startsWith(U("Velmora|")));
  EXPECT_EQ(form_->RzMemo1, QStringList({U("earlier report")}));
}

TEST_F(Analysis, LunarInputAndTheHourAndMinuteTexts) {
  Open("张", "思远", "1980", "11", "16", /*calendar=*/1);
  form_->Shour.text = U("子 23");
  form_->RzComboBox8.text = U("0");
  form_->RzButton1Click();
  ASSERT_GE(form_->RzMemo1.size(), 5);
  EXPECT_EQ(form_->RzMemo1.at(0), U("张思远,您今年:46岁"));
  EXPECT_EQ(form_->RzMemo1.at(1), U("您出生公历: 1980年12月22日23点0分"));  // lunar 1980-11-16 is 1980-12-22
  EXPECT_EQ(form_->RzMemo1.at(2), U("农历:庚申(猴年)十一月十六"));
  EXPECT_EQ(form_->RzMemo1.at(3), U("生肖:猴"));
  EXPECT_EQ(form_->RzMemo1.at(4), U("星座:摩羯座"));
  EXPECT_EQ(form_->input.year, U("1980"));
  EXPECT_EQ(form_->input.month, U("12"));
  EXPECT_EQ(form_->input.day, U("22"));
  // Letters in a lunar year end in the error box.
  Open("张", "思远", "198O", "1", "1", 1);
  form_->RzButton1Click();
  EXPECT_EQ(ui_.errors.size(), 1);
}

TEST_F(Analysis, ALunarDateThatDoesNotExistIsRefusedLikeAGregorianOne) {
  const QStringList report = form_->RzMemo1 = {U("earlier report")};
  struct Case {
    const char *year, *month, *day;
    int calendar;
  } cases[] = {
      {"2023", "2", "29", 0},   // Gregorian: no such day
      {"2023", "1", "30", 1},   // lunar 2023-1 has 29 days
      {"2023", "13", "1", 1},   // no thirteenth month
      {"1900", "5", "5", 1},    // lunar years outside 1901..2099
      {"2100", "1", "1", 1},
  };
  for (const Case& c : cases) {
    const QString date = U(c.year) + U("-") + U(c.month) + U("-") + U(c.day);
    Open("张", "思远", c.year, c.month, c.day, c.calendar);
    form_->RzButton1Click();
    EXPECT_EQ(ui_.errors.last(), U("Velmora|“") + date + U("”不是有效的日期。"));
    EXPECT_EQ(form_->RzMemo1, report) << date.toStdString();  // nothing written
    // The command line refuses it as well (velmora-cli exits with 1).
    EXPECT_THROW(AnalysisReport({U("张"), U("男"), U(c.year), U(c.month), U(c.day), {}, {}, c.calendar, U("思远")},
                                fixture_.Folder(), 2026),
                 DbError);
  }
  EXPECT_EQ(ui_.errors.size(), 5);
  // The first and the last lunar year of the table are accepted.
  for (const char* year : {"1901", "2099"}) {
    Open("张", "思远", year, "1", "1", 1);
    form_->RzButton1Click();
    EXPECT_EQ(ui_.errors.size(), 5) << year;
  }
}

TEST_F(Analysis, OpeningFillsTheBoxes) {
  NameAnalysisRequest r{U("张"), U("男 "), U("19"), U("x"), U("1"), U("子 0"), U("01"), 1, U("")};
  form_->Fill(r);
  EXPECT_EQ(form_->Sex.text, U("女"));  // only exactly "男" selects 男
  EXPECT_EQ(form_->SYear.text, U("19"));  // texts as they are, also outside the lists
  EXPECT_EQ(form_->ComDate.index, 1);
  form_->FormShow();  // an empty given name: no analysis
  EXPECT_TRUE(form_->RzMemo1.isEmpty());
  EXPECT_TRUE(ui_.notices.isEmpty());
  TFrmmain fresh(ui_, fixture_.Folder());
  EXPECT_EQ(fresh.SYear.text, U("1980"));
  EXPECT_EQ(fresh.SMonth.text, U("1"));
  EXPECT_EQ(fresh.Shour.text, U("子 0"));
  EXPECT_EQ(fresh.RzComboBox8.text, U("0"));
  EXPECT_EQ(fresh.Sex.text, U("男"));
}

TEST_F(Analysis, SavingWritesGbkWithCrLfAndAppendsTxt) {
  form_->dxBarButton2Click();  // an empty pane: nothing, no dialog
  EXPECT_TRUE(ui_.saveRequests.isEmpty());
  Open("张", "三");
  form_->RzButton1Click();
  QTemporaryDir dir;
  ui_.saveAs = dir.filePath(U("张三"));
  form_->dxBarButton2Click();
  EXPECT_EQ(ui_.saveRequests.last(), U("保存|文本文件|*.txt|张三"));
  QFile saved(dir.filePath(U("张三.txt")));
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  const QByteArray bytes = saved.readAll();
  EXPECT_TRUE(bytes.startsWith(QByteArray("\xD5\xC5\xC8\xFD,")));  // 张三, in GBK
  EXPECT_TRUE(bytes.endsWith("\r\n"));
  EXPECT_EQ(bytes.count("\r\n"), form_->RzMemo1.size());
  EXPECT_EQ(bytes.count('\n'), form_->RzMemo1.size());  // no bare line feed
  EXPECT_EQ(text::FromGb18030(bytes).split(U("\r\n")).mid(0, form_->RzMemo1.size()), form_->RzMemo1);
  // A typed a.txt becomes a.txt.txt; a name with a forbidden character proposes *.txt.
  ui_.saveAs = dir.filePath(U("a.txt"));
  form_->dxBarButton2Click();
  EXPECT_TRUE(QFile::exists(dir.filePath(U("a.txt.txt"))));
  form_->input.given = U("三?");
  form_->dxBarButton2Click();
  EXPECT_TRUE(ui_.saveRequests.last().endsWith(U("|*.txt")));
  // Cancel writes nothing; a folder that cannot be written ends quietly.
  ui_.saveAs.reset();
  form_->dxBarButton2Click();
  ui_.saveAs = U("/nonexistent/folder/x");
  form_->dxBarButton2Click();
  EXPECT_TRUE(ui_.errors.isEmpty());
}

TEST_F(Analysis, PrintAndClose) {
  form_->RzBitBtnprintClick();  // nothing to print yet
  EXPECT_TRUE(ui_.printed.isEmpty());
  Open("张", "思远");
  form_->RzButton1Click();
  form_->RzBitBtnprintClick();
  EXPECT_EQ(ui_.printed, form_->RzMemo1);
  form_->Image4Click();
  EXPECT_TRUE(ui_.closed);
}

TEST_F(Analysis, FailuresPartWay) {
  // Without KelFile.dll the score is still found in zh, but table 81 stops the report
  // silently after the lines written so far.
  QFile::remove(fixture_.PathOf(U("KelFile.dll")));
  Open("张", "思远");
  form_->RzButton1Click();
  EXPECT_EQ(form_->RzMemo1.size(), 8);  // up to the heading of 天格
  EXPECT_TRUE(ui_.errors.isEmpty());
  EXPECT_TRUE(ui_.notices.isEmpty());
}

TEST_F(Analysis, TheCommandLineReportIsTheWindowsReport) {
  Open("张", "思远");
  form_->RzButton1Click();
  NameAnalysisRequest r{U("张"), U("男"), U("1990"), U("5"), U("17"), U("辰 8"), U("00"), 0, U("思远")};
  EXPECT_EQ(AnalysisReport(r, fixture_.Folder(), 2026), form_->RzMemo1);
  // Left empty, the window's defaults stand: 1980-1-1, 子 0, minute 0.
  const QStringList defaults = AnalysisReport(NameAnalysisRequest{U("张"), U("男"), {}, {}, {}, {}, {}, 0, U("思远")}, fixture_.Folder(), 2026);
  EXPECT_EQ(defaults.at(1), U("您出生公历: 1980年01月01日0点0分"));
  EXPECT_THROW(AnalysisReport(NameAnalysisRequest{U("张"), U("男"), {}, {}, {}, {}, {}, 0, U("")}, fixture_.Folder(), 2026), DbError);
}

}  // namespace
}  // namespace velmora::naming
