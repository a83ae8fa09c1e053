// Stroke plans: the statement built for each setting, the item texts and reading them back.
#include "generation/stroke_plans.h"

#include "../refdb/fixture.h"
#include "refdb/connection.h"
#include "refdb/connection_text.h"
#include "refdb/errors.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

QString U(const char* s) { return QString::fromUtf8(s); }

class StrokePlans : public ::testing::Test {
 protected:
  void SetUp() override {
    fixture_.CreateStandard();
    // 江 (7 strokes) with a few plans, for the worked examples.
    fixture_.Run(U("Pelvano.dll"), R"sql(
      INSERT INTO word VALUES ('江','江',7,'水','jiāng',900,50,0,0,'0','1'),('曾','曾',12,'金','zēng',900,50,0,0,'0','1'),
                              ('八','八',8,'金','bā',900,50,0,0,'0','1'),('茂','茂',11,'木','mào',30,9,1,0,'男',NULL);
      INSERT INTO zh VALUES (12,7,0,10,6,80,1,'8-17-16-23-7','金金土'),(12,7,0,9,9,70,5,'8-16-18-25-10','金土金'),
                            (12,7,0,6,9,60,9,'x','y'),(11,7,0,10,0,80,1,'8-17-11-17-2','金金木'),
                            (22,8,12,10,6,80,1,'20-22-16-36-14','水木土'),(12,7,0,4,9,78,3,'8-11-13-20-10','金木火');
    )sql");
    connection_ = std::make_unique<Connection>(DbConnectionText(DbFile::PelvanoMain, fixture_.Folder()));
    adoTem_ = std::make_unique<Query>(*connection_);
    controls_ = NamingControls::Defaults();
  }
  QStringList Load(const char* surname) {
    LoadStrokePlans(controls_, *adoTem_, U(surname), &planKind_);
    return controls_.CBCode.items;
  }

  testing::FixtureFolder fixture_;
  std::unique_ptr<Connection> connection_;
  std::unique_ptr<Query> adoTem_;
  NamingControls controls_;
  int planKind_ = 0;
};

TEST_F(StrokePlans, OneCharacterSurnameTwoCharacterName) {
  EXPECT_EQ(Load("江"), QStringList({U("电脑全自动"), U("7|10-6(80分)"), U("7|4-9(78分)"), U("7|9-9(70分)")}));
  EXPECT_EQ(planKind_, 12);
  EXPECT_EQ(adoTem_->Sql(),
            U("select top 20 bh11,bh12,bh21,bh22,zf from zh where bh21 < 25 and bh22 < 25 and  lx = 12 and bh11 = 7 \n"
              " and zf >= 70 \n and zf <= 80\n order by jxjx asc,zf asc"));
  EXPECT_EQ(controls_.CBCode.index, 0);
  EXPECT_FALSE(adoTem_->Active());
}

TEST_F(StrokePlans, FixedCharacterAtTheThirdPlace) {
  controls_.Gudingzi.text = U("思");  // 9 strokes
  controls_.CBdijizi.Select(1);
  EXPECT_EQ(Load("江"), QStringList({U("电脑全自动"), U("7|4-9(78分)"), U("7|9-9(70分)")}));
  EXPECT_EQ(adoTem_->Sql(),
            U("select top 80 bh11,bh12,bh21,bh22,zf from zh where bh21 < 25 and bh22 < 25 and  lx = 12 and bh11 = 7 \n"
              " and bh22 = 9 \n and zf >= 70 \n and zf <= 80\n order by jxjx asc,zf asc"));
  controls_.CBdijizi.Select(0);
  Load("江");
  EXPECT_TRUE(adoTem_->Sql().contains(U("\n and bh21 = 9 \n")));
}

TEST_F(StrokePlans, OneCharacterNameWithoutBound) {
  controls_.CBXingshi.Select(1);
  controls_.CBFeeXX.checked = false;
  EXPECT_EQ(Load("江"), QStringList({U("电脑全自动"), U("7|10(80分)")}));
  EXPECT_EQ(planKind_, 11);
  EXPECT_TRUE(adoTem_->Sql().startsWith(U("select top 40 ")));
  EXPECT_FALSE(adoTem_->Sql().contains(U("zf >=")));
}

TEST_F(StrokePlans, TwoAndThreeCharacterSurnames) {
  EXPECT_EQ(Load("八曾"), QStringList({U("电脑全自动"), U("8-12|10-6(80分)")}));
  EXPECT_EQ(planKind_, 22);
  EXPECT_TRUE(adoTem_->Sql().contains(U("lx = 22 and bh11 = 8 and bh12 = 12 ")));
  // A three-character surname is read as its first two characters.
  EXPECT_EQ(Load("八曾江"), QStringList({U("电脑全自动"), U("8-12|10-6(80分)")}));
}

TEST_F(StrokePlans, NoRowsAndFailures) {
  EXPECT_EQ(Load("鑫"), QStringList({U("电脑全自动")}));  // 0 strokes: no plans
  controls_.CBCode.items = {U("电脑全自动"), U("7|10-6(80分)")};
  controls_.ZuidiFee.text = U("abc");
  EXPECT_THROW(Load("江"), NotAnInteger);
  EXPECT_EQ(controls_.CBCode.items.size(), 2);  // kept
  controls_.ZuidiFee.text = U("70");
  testing::FixtureFolder empty;
  empty.Run(U("Pelvano.dll"), "CREATE TABLE word (zi TEXT, ft TEXT, bh INTEGER);");
  Connection broken(DbConnectionText(DbFile::PelvanoMain, empty.Folder()));
  Query q(broken);
  EXPECT_THROW(LoadStrokePlans(controls_, q, U("江"), &planKind_), DbError);  // no zh table
  EXPECT_EQ(controls_.CBCode.items.size(), 2);
}

TEST(PlanItem, ReadsBack) {
  struct Case {
    const char* item;
    bool twoChars;
    int first, second;
    const char* tag;
  } cases[] = {
      {"7|10-6(80分)", true, 10, 6, "(80分)"},
      {"7|4-9(78分)", true, 4, 9, "(78分)"},
      {"7|4-14(78分)", true, 4, 14, "(78分)"},
      {"8-12|10-16(80分)", true, 10, 16, "(80分)"},
      {"7|10(80分)", false, 10, 0, "(80分)"},
      {"15-17|6(79分)", false, 6, 0, "(79分)"},
  };
  for (const Case& c : cases) {
    const PlanItem p = ReadPlanItem(U(c.item), c.twoChars);
    EXPECT_EQ(p.first, c.first) << c.item;
    EXPECT_EQ(p.second, c.second) << c.item;
    EXPECT_EQ(p.tag, U(c.tag)) << c.item;
  }
  EXPECT_THROW(ReadPlanItem(U("电脑全自动"), true), NotAnInteger);
  EXPECT_THROW(ReadPlanItem(U("7|10(80分)"), true), NotAnInteger);  // no "-": the form changed
  EXPECT_EQ(PlanItemText(21, 15, 17, U("6"), U("0"), U("79")), U("15-17|6(79分)"));
  EXPECT_EQ(PlanKindOf(U(" 张 ").trimmed(), 0), 12);
  EXPECT_EQ(PlanKindOf(U("a"), 1), 21);  // not 2 bytes: two characters
}

}  // namespace
}  // namespace velmora
