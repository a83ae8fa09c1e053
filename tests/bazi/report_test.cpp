// report_test.cpp: the whole birth-chart report on fixture tables (a golden text written
// out by hand from the layout rules), its column blocks, the leap-month report without the
// season line, the 节气提示 line, the silent end without dream.dll and every refusal.
#include "bazi/personality.h"
#include "bazi/report.h"
#include "bazi/report_rows.h"
#include "refdb/errors.h"
#include "text/gbk.h"

#include "../refdb/fixture.h"

#include <gtest/gtest.h>

namespace velmora::bazi {
namespace {

using testing::FixtureFolder;

QString U(const char* s) { return QString::fromUtf8(s); }

struct RecordingUi : Ui {
  QStringList messages;
  void ShowNotice(const QString& text) override { messages << U("提示|") + text; }
  void ShowInformation(const QString& caption, const QString& text) override { messages << caption + U("|") + text; }
  void ShowError(const QString& caption, const QString& text) override { messages << caption + U("|") + text; }
  void SetClipboardText(const QString&) override {}
  void Pause(int) override {}
};

// The rows a 戊 day master and the chart of 2000-01-01 need, beyond the standard fixture.
const char* const kTgcodeRows = R"sql(
  INSERT INTO Shishen VALUES ('戊甲','七杀'),('戊乙','正官'),('戊丙','偏印'),('戊丁','正印'),('戊戊','比肩'),
    ('戊己','劫财'),('戊庚','食神'),('戊辛','伤官'),('戊壬','偏财'),('戊癸','正财');
  INSERT INTO jiazi VALUES ('丁卯','炉中火'),('己卯','城头土'),('丙子','涧下水'),('戊午','天上火'),('壬子','桑柘木'),
    ('乙亥','山头火'),('甲戌','山头火'),('癸酉','剑锋金'),('壬申','剑锋金'),('辛未','路旁土'),('己巳','大林木'),
    ('戊辰','大林木');
  INSERT INTO sjrs VALUES ('土','冬','冬土寒湿，喜火暖局');
  INSERT INTO qtbj VALUES ('戊','子','先丙后甲');
  INSERT INTO JQ VALUES (2021,'小寒','2021-01-05 11:23:17'),(2021,'立春','2021-02-03 22:58:39'),
    (2021,'惊蛰','2021-03-05 16:53:32');)sql";

const char* const kDreamRows = R"sql(
  INSERT INTO chenggu1 VALUES ('1999',0.7);
  INSERT INTO chenggu2 VALUES ('11',0.5);
  INSERT INTO chenggu3 VALUES ('25',1.0);
  INSERT INTO chenggu VALUES ('38','三八诗','三八解');)sql";

class Report : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    fixture_ = new FixtureFolder;
    fixture_->CreateStandard();
    fixture_->Run(QStringLiteral("Tgcode.dll"), kTgcodeRows);
    fixture_->Run(QStringLiteral("dream.dll"), kDreamRows);
  }
  static void TearDownTestSuite() { delete fixture_; }

  static BirthInput Input(const char* date, const char* hour = "子 0", int calendar = 0) {
    const QStringList ymd = U(date).split(QLatin1Char('-'));
    BirthInput in;
    in.surname = U(" 张 ");
    in.sex = U("男");
    in.year = ymd.value(0);
    in.month = ymd.value(1);
    in.day = ymd.value(2);
    in.hour = U(hour);
    in.minute = U("00");
    in.calendarKind = calendar;
    return in;
  }
  BaziOutcome Write(const BirthInput& in, const QString& folder = fixture_->Folder(), QDate today = QDate(2024, 6, 1)) {
    return WriteBaziReport(in, ui_, folder, today, pane_);
  }
  static inline FixtureFolder* fixture_ = nullptr;
  RecordingUi ui_;
  QStringList pane_;
};

const QString kSep = U("<-----------------------批八字内容分隔线----------------------------->");

TEST_F(Report, GoldenMale2000) {
  ASSERT_EQ(Write(Input("2000-01-01")), BaziOutcome::Written);
  const QStringList expected = {
      U("姓氏：张"),
      U("年龄：24岁"),
      U("您出生公历：2000年01月01日0点00分"),
      U("农历：己卯(兔年)十一月廿五"),
      U("属相：兔"),
      U("星座：摩羯座"),
      kSep,
      U("胎元：丁卯(炉中火)"),
      U("起运：9岁"),
      U("十神：劫财   偏印   日元   偏财"),
      U("八字：己卯   丙子   戊午   壬子"),
      U("遁藏：乙正官 癸正财 己劫财 癸正财"),
      U("             辛伤官 丁正印        "),
      U("             己劫财               "),
      U("五行：土木   火水   土火   水水"),
      U("纳音：城头土 涧下水 天上火 桑柘木"),
      U("纳音：涧下水 山头火 山头火 剑锋金 剑锋金 路旁土 路旁土 大林木 大林木 炉中火 "),
      U("十神：偏印   正官   七杀   正财   偏财   伤官   食神   劫财   比肩   正印   "),
      U("大运：丙子   乙亥   甲戌   癸酉   壬申   辛未   庚午   己巳   戊辰   丁卯"),
      U("      1-8岁   9岁   19岁   29岁   39岁   49岁   59岁   69岁   79岁   89岁"),
      U("始于：2000   2009   2019   2029   2039   2049   2059   2069   2079   2089"),
      QString(),
      U("流年：己卯   戊子   戊戌   戊申   戊午   戊辰   戊寅   戊子   戊戌   戊申"),
      U("      庚辰   己丑   己亥   己酉   己未   己巳   己卯   己丑   己亥   己酉"),
      U("      辛巳   庚寅   庚子   庚戌   庚申   庚午   庚辰   庚寅   庚子   庚戌"),
      U("      壬午   辛卯   辛丑   辛亥   辛酉   辛未   辛巳   辛卯   辛丑   辛亥"),
      U("      癸未   壬辰   壬寅   壬子   壬戌   壬申   壬午   壬辰   壬寅   壬子"),
      U("      甲申   癸巳   癸卯   癸丑   癸亥   癸酉   癸未   癸巳   癸卯   癸丑"),
      U("      乙酉   甲午   甲辰   甲寅   甲子   甲戌   甲申   甲午   甲辰   甲寅"),
      U("      丙戌   乙未   乙巳   乙卯   乙丑   乙亥   乙酉   乙未   乙巳   乙卯"),
      U("      丁亥   丙申   丙午   丙辰   丙寅   丙子   丙戌   丙申   丙午   丙辰"),
      U("             丁酉   丁未   丁巳   丁卯   丁丑   丁亥   丁酉   丁未   丁巳"),
      QString(),
      U("小运：壬子   癸卯   癸巳   癸未   癸酉   癸亥   癸丑   癸卯   癸巳   癸未"),
      U("      00岁   09岁   19岁   29岁   39岁   49岁   59岁   69岁   79岁   89岁"),
      U("      辛亥   壬寅   壬辰   壬午   壬申   壬戌   壬子   壬寅   壬辰   壬午"),
      U("      01岁   10岁   20岁   30岁   40岁   50岁   60岁   70岁   80岁   90岁"),
      U("      庚戌   辛丑   辛卯   辛巳   辛未   辛酉   辛亥   辛丑   辛卯   辛巳"),
      U("      02岁   11岁   21岁   31岁   41岁   51岁   61岁   71岁   81岁   91岁"),
      U("      己酉   庚子   庚寅   庚辰   庚午   庚申   庚戌   庚子   庚寅   庚辰"),
      U("      03岁   12岁   22岁   32岁   42岁   52岁   62岁   72岁   82岁   92岁"),
      U("      戊申   己亥   己丑   己卯   己巳   己未   己酉   己亥   己丑   己卯"),
      U("      04岁   13岁   23岁   33岁   43岁   53岁   63岁   73岁   83岁   93岁"),
      U("      丁未   戊戌   戊子   戊寅   戊辰   戊午   戊申   戊戌   戊子   戊寅"),
      U("      05岁   14岁   24岁   34岁   44岁   54岁   64岁   74岁   84岁   94岁"),
      U("      丙午   丁酉   丁亥   丁丑   丁卯   丁巳   丁未   丁酉   丁亥   丁丑"),
      U("      06岁   15岁   25岁   35岁   45岁   55岁   65岁   75岁   85岁   95岁"),
      U("      乙巳   丙申   丙戌   丙子   丙寅   丙辰   丙午   丙申   丙戌   丙子"),
      U("      07岁   16岁   26岁   36岁   46岁   56岁   66岁   76岁   86岁   96岁"),
      U("      甲辰   乙未   乙酉   乙亥   乙丑   乙卯   乙巳   乙未   乙酉   乙亥"),
      U("      08岁   17岁   27岁   37岁   47岁   57岁   67岁   77岁   87岁   97岁"),
      U("             甲午   甲申   甲戌   甲子   甲寅   甲辰   甲午   甲申   甲戌"),
      U("             18岁   28岁   38岁   48岁   58岁   68岁   78岁   88岁   98岁"),
      kSep,
      U("用神喜忌：日主天干土生于冬季，冬土寒湿，喜火暖局。"),
      U("穷通宝鉴调候用神：戊土生于子月，先丙后甲"),
      U("八字五行个数：金:占0个, 木:占1个, 水:占3个, 火:占2个, 土:占2个"),
      kSep,
      U("袁天罡称骨算命："),
      U("你的骨重为：3两8钱"),
      U("骨重诗评：三八诗"),
      U("骨重解评：三八解"),
      kSep,
      QString(),
      U("性格简评："),
      U("    ") + BirthdayPersonality(1, 1),
      QString(),
      kSep,
      QString(),
      U("<-----------------------以上内容只作参考----------------------------->"),
      // After the design's 70 lines: what the chart favours.
      U("<-----------------------喜用五行----------------------------->"),
      U("喜用：火、土。忌：水。"),
      U("理由：日主戊土生于子月，月令子水为土所克，耗身，失令；通根于午，天干己土相帮、丙火相生；"
        "扶身32分（满分100，50分为界），身弱。财多身弱，宜土（比劫）分财，火（印）生身。生于隆冬，天寒地冻，先取火调候。"),
  };
  ASSERT_EQ(expected.size(), 73);
  ASSERT_EQ(pane_.size(), expected.size());
  for (qsizetype i = 0; i < expected.size(); ++i) EXPECT_EQ(pane_[i], expected[i]) << "line " << i + 1;
  EXPECT_TRUE(ui_.messages.isEmpty());
  EXPECT_FALSE(BirthdayPersonality(1, 1).isEmpty());
}

TEST_F(Report, AgeLine) {
  // Today's year less the birth year; a birth after today (an expected date) is 未出生.
  const struct {
    const char* birth;
    QDate today;
    const char* line;
  } cases[] = {{"2024-06-01", QDate(2024, 6, 1), "年龄：0岁"},
               {"2024-06-02", QDate(2024, 6, 1), "年龄：未出生"},
               {"2025-01-01", QDate(2024, 6, 1), "年龄：未出生"},
               {"2000-12-31", QDate(2024, 6, 1), "年龄：24岁"}};
  for (const auto& c : cases) {
    ASSERT_EQ(Write(Input(c.birth), fixture_->Folder(), c.today), BaziOutcome::Written) << c.birth;
    EXPECT_EQ(pane_[1], U(c.line)) << c.birth;
  }
}

TEST_F(Report, ColumnBlocks) {
  // The age header for every start age: the years before the luck, then the first age of
  // luck pillars 1..9.
  const char* const headers[] = {
      "      0-1岁   1岁   11岁   21岁   31岁   41岁   51岁   61岁   71岁   81岁",
      "      1岁   2岁   12岁   22岁   32岁   42岁   52岁   62岁   72岁   82岁",
      "      1-2岁   3岁   13岁   23岁   33岁   43岁   53岁   63岁   73岁   83岁",
      "      1-3岁   4岁   14岁   24岁   34岁   44岁   54岁   64岁   74岁   84岁",
      "      1-4岁   5岁   15岁   25岁   35岁   45岁   55岁   65岁   75岁   85岁",
      "      1-5岁   6岁   16岁   26岁   36岁   46岁   56岁   66岁   76岁   86岁",
      "      1-6岁   7岁   17岁   27岁   37岁   47岁   57岁   67岁   77岁   87岁",
      "      1-7岁   8岁   18岁   28岁   38岁   48岁   58岁   68岁   78岁   88岁",
      "      1-8岁   9岁   19岁   29岁   39岁   49岁   59岁   69岁   79岁   89岁",
      "      1-9岁   10岁   20岁   30岁   40岁   50岁   60岁   70岁   80岁   90岁",
  };
  for (int s = 1; s <= 10; ++s) EXPECT_EQ(AgeHeader(s, QString::number(s)), U(headers[s - 1])) << "start age " << s;
  // Start age 10 gives every row ten cells; start age 1 only row 0, the rest begin blank.
  for (const int s : {1, 10}) {
    const QStringList rows = AnnualPillarRows(1999, s);
    ASSERT_EQ(rows.size(), 10);
    for (int r = 0; r < 10; ++r) {
      const bool tenCells = r < s;
      EXPECT_EQ(rows[r].startsWith(S13), !tenCells) << "s " << s << " row " << r;
      EXPECT_EQ(text::GbkLength(rows[r]), 73) << "s " << s << " row " << r;  // the same width either way
    }
  }
  // Minor luck from a 甲子 hour: backward 甲子 癸亥 壬戌 …, forward 甲子 乙丑 丙寅 …, and
  // the later columns go on counting the same way (XP(s + D) is s + D steps on).
  BaziChart c;
  c.hourStem = 1;
  c.hourBranch = 1;
  c.startAge = 10;
  for (const bool backward : {true, false}) {
    c.backward = backward;
    const QStringList rows = MinorLuckRows(c);
    ASSERT_EQ(rows.size(), 20);
    const QString column0 = rows[0].mid(3, 2) + rows[2].mid(6, 2) + rows[4].mid(6, 2);
    EXPECT_EQ(column0, backward ? U("甲子癸亥壬戌") : U("甲子乙丑丙寅"));
    EXPECT_EQ(rows[0].mid(8, 2), backward ? U("甲寅") : U("甲戌"));  // XP(10)
    EXPECT_EQ(rows[1], U("      00岁   10岁   20岁   30岁   40岁   50岁   60岁   70岁   80岁   90岁"));
  }
}

TEST_F(Report, LeapMonthHasNoSeasonLine) {
  // 2023-03-22 is the first day of the leap second month.
  ASSERT_EQ(Write(Input("2023-03-22")), BaziOutcome::Written);
  EXPECT_EQ(pane_.size(), 72);
  EXPECT_EQ(pane_[3], U("农历：癸卯(兔年)闰二月初一"));
  EXPECT_EQ(pane_[53], kSep);
  EXPECT_TRUE(pane_[54].startsWith(U("穷通宝鉴调候用神："))) << pane_[54].toStdString();
}

TEST_F(Report, LunarInputIsConverted) {
  ASSERT_EQ(Write(Input("2000-01-01", "午 12", 1)), BaziOutcome::Written);
  EXPECT_EQ(pane_[2], U("您出生公历：2000年02月05日12点00分"));
  EXPECT_EQ(pane_[3], U("农历：庚辰(龙年)一月初一"));
  EXPECT_TRUE(pane_[20].startsWith(U("始于：2000   "))) << pane_[20].toStdString();
}

TEST_F(Report, TermHintFollowsTheEightCharacters) {
  // 立春 2021 came at 22:58:39 on 3 February: at 23:30 the fixed windows still say 丑 and
  // the old year; at 22:00 both agree and the report keeps its 73 lines.
  ASSERT_EQ(Write(Input("2021-02-03", "子 23")), BaziOutcome::Written);
  ASSERT_EQ(pane_.size(), 74);
  EXPECT_EQ(pane_[10], U("八字：庚子   己丑   壬午   庚子"));
  EXPECT_EQ(pane_[11], U("节气提示：出生在立春（2021-02-03 22:58:39）之后，按交节时刻月柱为庚寅，年柱为辛丑。"));
  EXPECT_TRUE(pane_[12].startsWith(U("遁藏：")));
  ASSERT_EQ(Write(Input("2021-02-03", "亥 22")), BaziOutcome::Written);
  EXPECT_EQ(pane_.size(), 73);
}

TEST_F(Report, EndsSilentlyAfterLine59WithoutDream) {
  FixtureFolder noDream;
  noDream.Run(QStringLiteral("Tgcode.dll"), testing::kTgcodeFixture);
  EXPECT_THROW(Write(Input("2000-01-01"), noDream.Folder()), SilentStop);
  ASSERT_EQ(pane_.size(), 59);
  EXPECT_EQ(pane_.last(), U("袁天罡称骨算命："));
}

TEST_F(Report, Refusals) {
  const QString check = U("Velmora|请检查输入数据是否出错！");
  struct Case {
    BirthInput input;
    QString message;
    BaziOutcome outcome;
  };
  auto with = [](BirthInput in, QString BirthInput::*field, const char* value) {
    in.*field = U(value);
    return in;
  };
  const BirthInput good = Input("2000-01-01");
  const Case cases[] = {
      {with(good, &BirthInput::surname, " "), U("提示|姓不能为空!"), BaziOutcome::EmptySurname},
      {with(good, &BirthInput::year, ""), U("提示|请选择出生年!"), BaziOutcome::Refused},
      {with(good, &BirthInput::month, ""), U("提示|请选择出生月!"), BaziOutcome::Refused},
      {with(good, &BirthInput::day, " "), U("提示|请选择出生日!"), BaziOutcome::Refused},
      {with(good, &BirthInput::hour, ""), U("提示|请选择出生小时!"), BaziOutcome::Refused},
      {Input("2001-02-29"), check, BaziOutcome::Refused},   // no such day
      {Input("2023-02-30"), check, BaziOutcome::Refused},
      {Input("2023-13-01"), check, BaziOutcome::Refused},
      {Input("1900-01-30"), check, BaziOutcome::Refused},   // before the lunar table
      {Input("2101-01-01"), check, BaziOutcome::Refused},   // after it
      {Input("2100-01-01", "子 0", 1), check, BaziOutcome::Refused},  // a lunar date the table rejects
      {Input("2023-01-30", "子 0", 1), check, BaziOutcome::Refused},  // lunar 2023-01 has 29 days
      {Input("二〇〇〇-01-01"), check, BaziOutcome::Refused},  // not a number
      {with(good, &BirthInput::month, "1a"), check, BaziOutcome::Refused},
      {with(good, &BirthInput::hour, "午"), check, BaziOutcome::Refused},    // an hour item without its number
      {with(good, &BirthInput::hour, "子 24"), check, BaziOutcome::Refused},
      {with(good, &BirthInput::minute, "5分"), check, BaziOutcome::Refused},
      {with(good, &BirthInput::minute, "60"), check, BaziOutcome::Refused},
  };
  for (const Case& c : cases) {
    pane_ = QStringList{U("earlier report")};
    ui_.messages.clear();
    EXPECT_EQ(Write(c.input), c.outcome) << c.input.year.toStdString() << "-" << c.input.month.toStdString();
    EXPECT_EQ(ui_.messages, QStringList{c.message}) << c.input.year.toStdString() << "-" << c.input.month.toStdString();
    EXPECT_EQ(pane_, QStringList{U("earlier report")});  // nothing written
  }
  // The edges of the range are accepted.
  EXPECT_EQ(Write(Input("1900-01-31")), BaziOutcome::Written);
  EXPECT_EQ(Write(Input("2000-02-29")), BaziOutcome::Written);
}

}  // namespace
}  // namespace velmora::bazi
