// The checks of a whole name on fixture rows: each finding kind with its reason, the
// stretches of the name that are read as words, polyphones read as in names, and the fast
// path the modes call agreeing with the full check.
#include "naming/name_check.h"

#include "../refdb/fixture.h"

#include <gtest/gtest.h>

namespace velmora::naming {
namespace {

QString U(const char* s) { return QString::fromUtf8(s); }

// Readings by word (乐 yuè there, lè in names), a few meanings, and words of each kind.
const char* const kRows = R"sql(
CREATE TABLE word (zi TEXT, pinyin TEXT);
INSERT INTO word VALUES ('张','zhāng'),('章','zhāng'),('李','lǐ'),('朱','zhū'),('陈','chén'),('王','wáng'),
  ('欧','ōu'),('阳','yáng'),('思','sī'),('远','yuǎn'),('望','wàng'),('生','shēng'),('易','yì'),('璀','cuǐ'),
  ('博','bó'),('程','chéng'),('科','kē'),('甘','gān'),('鹤','hè'),('化','huà'),('工','gōng'),('资','zī'),('逍','xiāo'),
  ('遥','yáo'),('如','rú'),('花','huā'),('乐','yuè'),('安','ān'),('丽','lì'),('梦','mèng'),('振','zhèn'),('中','zhōng'),('发','fā'),('朝','zhāo'),
  ('尉','wèi'),('迟','chí');
CREATE TABLE xs (xing TEXT, pinyin TEXT);
INSERT INTO xs VALUES ('乐','yuè'),('尉迟','yù chí');
CREATE TABLE zy (zi TEXT, yy TEXT, dy TEXT, sd TEXT, dyz INTEGER, fx TEXT);
INSERT INTO zy VALUES ('思','思考深远','sī','平',0,''),('远','志向高远','yuǎn','仄',0,''),
  ('乐','快乐安康','lè','仄',1,''),('朝','朝气蓬勃','zhāo','平',1,''),('梦','美梦成真','mèng','仄',0,'梦遗:生理用语');
CREATE TABLE mc (ci TEXT, py TEXT, lb TEXT, yy TEXT, cs INTEGER);
INSERT INTO mc VALUES ('往生','wang sheng','sound','佛教称死亡',0),('易脆','yi cui','sound','容易破碎',0),
  ('博客','bo ke','comic','计算机用语',900),('章程','zhang cheng','comic','法律用语',900),('猪肝','zhu gan','sound','食物',800),('立了','li le','sound','口语',0),('越远','yue yuan','sound','测试',0),('发潮','fa chao','sound','受潮',0),('朝','chao','reading','多音字',0),
  ('鹤化','','pair','旧称人死',0),('工资','gong zi','word','财经用语',700),('李逍遥','','fame','仙剑奇侠传主角',0),('欧阳锋','','fame','金庸小说人物',0),
  ('如花','','given','电影中的丑角',0),('毛泽','','prefix','毛泽东兄弟的名字',0),('春风','','common','常用词语',76);
)sql";

class NameChecks : public ::testing::Test {
 protected:
  void SetUp() override {
    fixture_.Run(U("Pelvano.dll"), kRows);
    checker_ = std::make_unique<NameChecker>(fixture_.Folder());
  }
  testing::FixtureFolder fixture_;
  std::unique_ptr<NameChecker> checker_;
};

TEST_F(NameChecks, EachKindWithItsReason) {
  struct Case {
    const char *surname, *given;
    FindingKind kind;
    const char* text;  // the first finding; nullptr for none
  } cases[] = {
      {"李", "望生", FindingKind::Homophone, "谐音“往生”（佛教称死亡）"},  // the given name, by sound
      {"李", "易璀", FindingKind::Homophone, "谐音“易脆”（容易破碎）"},    // cuǐ and cuì: read without tones
      {"张", "博科", FindingKind::Homophone, "谐音“博客”（计算机用语）"},
      {"朱", "甘", FindingKind::Homophone, "谐音“猪肝”（食物）"},          // the surname with the given name
      {"朱", "甘远", FindingKind::Homophone, "谐音“猪肝”（食物）"},        // the surname with the first character
      {"李", "乐", FindingKind::Homophone, "谐音“立了”（口语）"},          // 乐 read lè, as in names
      {"张", "发朝", FindingKind::Homophone, "谐音“发潮”（受潮）"},        // 朝 zhāo may be heard cháo
      {"陈", "鹤化", FindingKind::Meaning, "“鹤化”：旧称人死"},
      {"王", "工资", FindingKind::Meaning, "“工资”是常用词（财经用语）"},
      {"王", "梦遗", FindingKind::Meaning, "“梦遗”：生理用语"},           // a pairing its character is flagged for
      {"李", "逍遥", FindingKind::Fame, "与“李逍遥”同名（仙剑奇侠传主角）"},
      {"欧阳", "如花", FindingKind::Fame, "“如花”令人想到电影中的丑角"},  // any surname
      {"欧阳", "锋轩", FindingKind::Fame, "与“欧阳锋”同名（金庸小说人物）"},  // held by a longer name
      {"毛", "泽睿", FindingKind::Fame, "“毛泽”令人想到毛泽东兄弟的名字"},  // a family's generation name
      {"毛", "睿泽", FindingKind::Fame, nullptr},                             // only as the first character
      {"刘", "三千", FindingKind::Meaning, "“三千”是数字，不像名字"},
      {"", "博科", FindingKind::Homophone, "谐音“博客”（计算机用语）"},     // a bare nickname
      {"张", "章", FindingKind::Sound, "“张章”两字同音（zhang），读来拗口"},
      {"张", "思安", FindingKind::Sound, "3字都读阴平，读来平板"},
      {"张", "振中", FindingKind::Sound, "3字声母都是zh，读来拗口"},
      {"张", "思远", FindingKind::Sound, nullptr},
      {"张", "程远", FindingKind::Sound, nullptr},                           // a comic word by the surname: not 章程
      {"王", "乐", FindingKind::Sound, nullptr},
      {"乐", "远", FindingKind::Homophone, "谐音“越远”（测试）"},          // 乐 as a surname is yuè, not lè
  };
  for (const Case& c : cases) {
    const NameCheck check = checker_->Check(U(c.surname), U(c.given));
    const std::string name = std::string(c.surname) + c.given;
    if (!c.text) {
      EXPECT_TRUE(check.findings.isEmpty()) << name << " " << check.Summary().toStdString();
    } else {
      ASSERT_FALSE(check.findings.isEmpty()) << name;
      EXPECT_EQ(check.findings[0].kind, c.kind) << name;
      EXPECT_EQ(check.findings[0].text, U(c.text)) << name;
    }
    // The modes' fast path and the report never disagree.
    EXPECT_EQ(checker_->Refuses(U(c.surname), U(c.given)), check.Refused()) << name;
    if (!check.Refused()) {
      EXPECT_EQ(checker_->Judge(U(c.surname), U(c.given)).sound, check.HasSound()) << name;
    }
    EXPECT_EQ(check.Refused(), c.text && c.kind != FindingKind::Sound) << name;
  }
}

TEST_F(NameChecks, TheReportSection) {
  const NameCheck good = checker_->Check(U("张"), U("思远"));
  EXPECT_EQ(good.tonePattern, U("平平仄"));
  EXPECT_EQ(good.ReportLines(), QStringList({U("【字义】张（zhāng，平）：姓"), U("【字义】思（sī，平）：思考深远"),
                                            U("【字义】远（yuǎn，仄）：志向高远"), U("【声调】zhāng sī yuǎn，平平仄"),
                                            U("未发现不妥的谐音或寓意")}));
  EXPECT_EQ(good.Summary(), U("思sī：思考深远；远yuǎn：志向高远　声调 平平仄"));
  const QStringList bad = checker_->Check(U("李"), U("乐")).ReportLines();
  EXPECT_EQ(bad[1], U("【字义】乐（lè，仄，多音字，名中读此音）：快乐安康"));
  EXPECT_EQ(bad.back(), U("【谐音】谐音“立了”（口语）"));
  // A surname read as a surname, a compound as one: not 乐 lè (its name reading), not 尉 wèi.
  EXPECT_EQ(checker_->Check(U("乐"), U("思")).ReportLines()[0], U("【字义】乐（yuè，仄，作姓氏读此音）：姓"));
  EXPECT_EQ(checker_->Check(U("尉迟"), U("思")).ReportLines()[3], U("【声调】yù chí sī，仄平平"));
  EXPECT_EQ(checker_->Wordiness(U("春风")), 76);
  EXPECT_EQ(checker_->Wordiness(U("思远")), 0);
}

// A database without the tables still reads names, and finds nothing to refuse.
// A nickname is checked for what would embarrass, not for being an everyday or comic word
// or a famous name: 博客 or 工资 would refuse a given name, not a nickname.
TEST_F(NameChecks, NicknamesOnlyForBadSenses) {
  EXPECT_FALSE(checker_->BadSense(QString(), U("望生")).isEmpty());  // 往生
  EXPECT_FALSE(checker_->BadSense(QString(), U("如花")).isEmpty());  // evokes a figure
  EXPECT_TRUE(checker_->BadSense(QString(), U("博科")).isEmpty());   // comic only
  EXPECT_TRUE(checker_->BadSense(QString(), U("工资")).isEmpty());   // an everyday word
  EXPECT_TRUE(checker_->BadSense(QString(), U("鹤化")).isEmpty());   // a pair, not a bad sound
  EXPECT_TRUE(checker_->BadSense(U("李"), U("逍遥")).isEmpty());     // a namesake
}

TEST(NameChecksWithoutTables, FindNothing) {
  testing::FixtureFolder fixture;
  fixture.Run(U("Pelvano.dll"), "CREATE TABLE word (zi TEXT, pinyin TEXT); INSERT INTO word VALUES ('张','zhāng');");
  const NameChecker checker(fixture.Folder());
  EXPECT_FALSE(checker.Refuses(U("张"), U("望生")));
  EXPECT_EQ(checker.Check(U("张"), U("思")).tonePattern, U("平？"));
}

}  // namespace
}  // namespace velmora::naming
