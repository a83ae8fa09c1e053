// Classic mode: the statements, the output order and a run on fixture rows.
#include "generation/classic.h"
#include "generation/classic_feed.h"

#include "../refdb/fixture.h"
#include "refdb/connection.h"
#include "refdb/connection_text.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <gtest/gtest.h>

#include <stdexcept>

namespace velmora {
namespace {

QString U(const char* s) { return QString::fromUtf8(s); }

ClassicInputs Zhang() {
  ClassicInputs in;
  in.surname = U("张");
  in.selectedPlan = U("11|10-6(80分)");
  return in;
}

TEST(ClassicStatement, OnePlanTwoCharactersBoy) {
  const ClassicInputs in = Zhang();
  const QString g = U(" and (xb = '男' or nan = 1 or xb = '1') ");
  const QString a = U("select zi,px + 551 as px,id,nan,nv,wuhang from word where 1 = 1 and Aflag is null ") + g + U(" and bh = 10");
  const QString b = U("select zi,px + 5000 as px,id,nan,nv,wuhang from word where 1 = 1 and Aflag is null ") + g +
                    U(" and nan = 1 ") + U(" and bh = 6");
  const QString expected = U("select mz from (select '张' + a.zi + b.zi + '(80分)' as mz,(a.px + b.px + a.id) as px,a.nan + b.nan as you,a.wuhang as wuhang1,b.wuhang as wuhang2  from (") +
                           a + U(") a , (") + b + U(") b) p where you > 0 order by px");
  EXPECT_EQ(OnePlanStatement(in, ReadPlanItem(in.selectedPlan, true)), expected);
}

TEST(ClassicStatement, OnePlanOneCharacterAndGirl) {
  ClassicInputs in = Zhang();
  in.twoChars = false;
  in.male = false;
  const QString s = OnePlanStatement(in, ReadPlanItem(U("11|10(80分)"), false));
  EXPECT_EQ(s, U("select mz from (select '张' + a.zi + '(80分)'  as mz,(a.px + a.id) as px,1 as you,a.wuhang as wuhang1 from (select zi,px + 551 as px,id,nan,nv,wuhang from word where 1 = 1 and Aflag is null  and (xb = '女' or nv = 1 or xb = '0' or xb = '1')  and bh = 10) a ) p order by px"));
}

TEST(ClassicStatement, FixedCharacterAtEitherPlace) {
  ClassicInputs in = Zhang();
  in.fixed = U("远");
  in.fixedSecond = false;
  const QString third = OnePlanStatement(in, ReadPlanItem(U("11|10-17(80分)"), true));
  EXPECT_TRUE(third.contains(U(") a , (select top 1 '远' as zi, 119 as px, 111 as id,nan,nv,wuhang from word where 1 = 1 ) b")));
  EXPECT_TRUE(third.contains(U(" and (xb = '男' or nan = 1 or xb = '0' or xb = '1') ")));  // the form with 0 and 1
  in.fixedSecond = true;
  in.fixed = U("思");
  const QString second = OnePlanStatement(in, ReadPlanItem(U("11|9-17(80分)"), true));
  EXPECT_TRUE(second.contains(U("from (select top 1 '思' as zi, 120 as px, 131 as id,nan,nv,wuhang from word where 1 = 1 ) a , (")));
  // A quote in the fixed character stays inside its literal.
  in.fixed = U("'");
  EXPECT_TRUE(OnePlanStatement(in, ReadPlanItem(U("11|9-17(80分)"), true)).contains(U("select top 1 '''' as zi")));
}

TEST(ClassicStatement, TwentyPlansMakeThreeStatements) {
  ClassicInputs in = Zhang();
  QList<PlanItem> plans;
  for (int i = 0; i < 20; ++i) plans << PlanItem{1 + i, 2 + i, QStringLiteral("(%1分)").arg(80 - i)};
  const QStringList st = AllPlansStatements(in, plans);
  ASSERT_EQ(st.size(), 3);
  EXPECT_EQ(st[0].count(U("\n union \n")), 7);
  EXPECT_EQ(st[1].count(U("\n union \n")), 7);
  EXPECT_EQ(st[2].count(U("\n union \n")), 3);
  EXPECT_TRUE(st[0].startsWith(U("select mz from (select '张' + a.zi + b.zi + '(80分)' as mz,(a.px + b.px) as px,a.nan + b.nan as you,a.wuhang as wuhang1,b.wuhang as wuhang2 from (select zi,px + 1000 as px,id,nan,nv,wuhang from word where 1 = 1 and Aflag is null   and (xb = '男' or nan = 1 or xb = '1')  and bh = 1) a , (select zi,px + 5001 as px,id,nan,nv,wuhang from word where 1 = 1 and Aflag is null   and (xb = '男' or nan = 1 or xb = '1')  and nan = 1  and bh = 2) b")));
  EXPECT_TRUE(st[2].endsWith(U(") p where you > 0 order by px")));
  // One-character names, fixed character at the second place.
  in.twoChars = false;
  in.fixed = U("思");
  const QStringList single = AllPlansStatements(in, {PlanItem{9, 0, U("(79分)")}});
  ASSERT_EQ(single.size(), 1);
  EXPECT_EQ(single[0], U("select mz from (select '张' + a.zi + '(79分)' as mz,(a.px+ a.id) as px,1 as you,a.wuhang as wuhang1 from (select top 1 '思' as zi,11 as px, 100 as id,nan,nv,wuhang from word where 1 = 1  ) a ) p order by px"));
  EXPECT_TRUE(AllPlansStatements(in, {}).isEmpty());
}

TEST(NineSliceOrder, TwentyAndFiveRows) {
  const std::vector<int> twenty = {1, 3, 5, 7, 9, 11, 13, 15, 17, 2, 4, 6, 8, 10, 12, 14, 16, 18, 19, 20};
  EXPECT_EQ(NineSliceOrder(20, kOnePlanOrder), twenty);
  EXPECT_EQ(NineSliceOrder(20, kAllPlansOrder),
            (std::vector<int>{11, 17, 1, 3, 15, 5, 13, 7, 9, 12, 18, 2, 4, 16, 6, 14, 8, 10, 19, 20}));
  EXPECT_EQ(NineSliceOrder(5, kOnePlanOrder), (std::vector<int>{1, 2, 3, 4, 5}));
  EXPECT_TRUE(NineSliceOrder(0, kOnePlanOrder).empty());
  // Every row exactly once, for any count.
  for (int rows = 0; rows < 60; ++rows) {
    std::vector<int> order = NineSliceOrder(rows, kAllPlansOrder);
    std::sort(order.begin(), order.end());
    for (int i = 0; i < rows; ++i) ASSERT_EQ(order[static_cast<std::size_t>(i)], i + 1) << rows;
  }
}

class ClassicRun : public ::testing::Test {
 protected:
  void SetUp() override {
    fixture_.CreateStandard();
    connection_ = std::make_unique<Connection>(DbConnectionText(DbFile::PelvanoMain, fixture_.Folder()));
    adoFenxi_ = std::make_unique<Query>(*connection_);
  }
  QStringList Run(const ClassicInputs& in, int stopAfter = -1) {
    QStringList names;
    running_ = true;
    MakeClassicNames(in, *adoFenxi_, running_, [&](const QString& n) {
      names << n;
      if (static_cast<int>(names.size()) == stopAfter) running_ = false;
    });
    return names;
  }
  testing::FixtureFolder fixture_;
  std::unique_ptr<Connection> connection_;
  std::unique_ptr<Query> adoFenxi_;
  std::atomic<bool> running_{false};
};

TEST_F(ClassicRun, OnePlanAndAllPlans) {
  ClassicInputs in = Zhang();
  in.selectedPlan = U("11|9-17(78分)");
  EXPECT_EQ(Run(in), QStringList({U("张思远(78分)")}));
  in.selectedPlan = U("电脑全自动");
  in.plans = {U("11|10-6(80分)"), U("11|4-14(80分)"), U("11|9-17(78分)")};
  in.male = false;
  // 10-6 gives 玲安 and 芳安, 4-14 文华; 9-17 nothing, since 远 is no girl's character.
  QStringList names = Run(in);
  names.sort();
  EXPECT_EQ(names, QStringList({U("张文华(80分)"), U("张玲安(80分)"), U("张芳安(80分)")}));
  EXPECT_FALSE(adoFenxi_->Active());
}

// A name the filter refuses is left out; the others keep their order.
TEST_F(ClassicRun, TheFilterLeavesNamesOut) {
  fixture_.Run(QStringLiteral("Pelvano.dll"),
               "CREATE TABLE mc (ci TEXT, py TEXT, lb TEXT, yy TEXT, cs INTEGER);"
               "INSERT INTO mc VALUES ('玲安','','pair','测试',0);");
  ClassicInputs in = Zhang();
  in.selectedPlan = U("电脑全自动");
  in.plans = {U("11|10-6(80分)"), U("11|4-14(80分)")};
  in.male = false;
  in.filter = NameFilter(std::make_shared<naming::NameChecker>(fixture_.Folder()));
  QStringList names = Run(in);
  names.sort();
  EXPECT_EQ(names, QStringList({U("张文华(80分)"), U("张芳安(80分)")}));
}

TEST_F(ClassicRun, FailuresEndTheRunQuietly) {
  ClassicInputs in = Zhang();
  in.selectedPlan = U("电脑全自动");
  in.plans = {U("11|9-17(78分)"), U("garbage")};  // the second cannot be read
  EXPECT_TRUE(Run(in).isEmpty());  // read with its group, before the group's statement
  in.plans = {U("11|9-17(78分)")};
  EXPECT_EQ(Run(in).size(), 1);
  connection_ = std::make_unique<Connection>(DbConnectionText(DbFile::PelvanoMain, U("/nonexistent/")));
  adoFenxi_ = std::make_unique<Query>(*connection_);
  EXPECT_TRUE(Run(in).isEmpty());
}

// Five first and five second characters of 30 and 31 strokes, whose px values make every
// name's position in the statement's order distinct: 25 names per plan.
constexpr const char* kFiveByFive = R"sql(
INSERT INTO word VALUES
 ('甲','甲',30,'木','jiǎ',0,0,1,1,'1',NULL), ('乙','乙',30,'木','yǐ',100,0,1,1,'1',NULL),
 ('丙','丙',30,'火','bǐng',200,0,1,1,'1',NULL), ('丁','丁',30,'火','dīng',300,0,1,1,'1',NULL),
 ('戊','戊',30,'土','wù',400,0,1,1,'1',NULL),
 ('子','子',31,'水','zǐ',0,0,1,1,'1',NULL), ('丑','丑',31,'土','chǒu',1,0,1,1,'1',NULL),
 ('寅','寅',31,'木','yín',2,0,1,1,'1',NULL), ('卯','卯',31,'木','mǎo',3,0,1,1,'1',NULL),
 ('辰','辰',31,'土','chén',4,0,1,1,'1',NULL);
)sql";

class ClassicOrder : public ClassicRun {
 protected:
  void SetUp() override {
    ClassicRun::SetUp();
    fixture_.Run(U("Pelvano.dll"), kFiveByFive);
  }
  // The names a statement gives, in its own order.
  QStringList Rows(const QString& statement) {
    adoFenxi_->SetSql(statement);
    adoFenxi_->Open();
    QStringList rows;
    for (adoFenxi_->First(); !adoFenxi_->Eof(); adoFenxi_->Next()) rows << adoFenxi_->AsText(u"mz");
    adoFenxi_->Close();
    return rows;
  }
  // The rows of each statement in the nine-slice order, one statement after the other.
  QStringList InSliceOrder(const QStringList& statements, const SliceOrder& order) {
    QStringList out;
    for (const QString& st : statements) {
      const QStringList rows = Rows(st);
      for (int r : NineSliceOrder(static_cast<int>(rows.size()), order)) out << rows[r - 1];
    }
    return out;
  }
  // Nine plans: statements of eight plans and of one, 200 and 25 names.
  static ClassicInputs NinePlans() {
    ClassicInputs in = Zhang();
    in.selectedPlan = U("电脑全自动");
    for (int i = 0; i < 9; ++i) in.plans << QStringLiteral("11|30-31(%1分)").arg(80 - i);
    return in;
  }
};

TEST_F(ClassicOrder, ARunEmitsItsRowsInTheNineSliceOrder) {
  ClassicInputs one = Zhang();
  one.selectedPlan = U("11|30-31(80分)");
  const QStringList oneRows = Rows(OnePlanStatement(one, ReadPlanItem(one.selectedPlan, true)));
  ASSERT_EQ(oneRows.size(), 25);
  const QStringList emitted = Run(one);
  EXPECT_EQ(emitted, InSliceOrder({OnePlanStatement(one, ReadPlanItem(one.selectedPlan, true))}, kOnePlanOrder));
  EXPECT_NE(emitted, oneRows);  // the order is not the statement's own

  const ClassicInputs all = NinePlans();
  QList<PlanItem> plans;
  for (const QString& p : all.plans) plans << ReadPlanItem(p, true);
  const QStringList statements = AllPlansStatements(all, plans);
  ASSERT_EQ(statements.size(), 2);
  EXPECT_EQ(Run(all), InSliceOrder(statements, kAllPlansOrder));
}

TEST_F(ClassicOrder, ClearingRunningStopsBeforeTheNextGroup) {
  ClassicInputs one = Zhang();
  one.selectedPlan = U("11|30-31(80分)");
  EXPECT_EQ(Run(one, 4).size(), 9);    // the group of nine under way ends, no other starts
  EXPECT_EQ(Run(one, 20).size(), 20);  // rows 19..25 are tested one by one
  // With all plans, a stop in the first statement also skips the statements after it.
  const QStringList names = Run(NinePlans(), 12);
  EXPECT_EQ(names.size(), 18);
  for (const QString& n : names) EXPECT_FALSE(n.endsWith(U("(72分)"))) << n.toStdString();
}

// The feed writes a run's names in slices of the event loop: every name once, in order,
// whatever the slice; a name that cannot be written ends the run.
TEST_F(ClassicOrder, TheFeedWritesEveryNameOnceInOrderAcrossSlices) {
  static int argc = 1;
  static char name[] = "generation_test";
  static char* argv[] = {name, nullptr};
  if (!QCoreApplication::instance()) new QCoreApplication(argc, argv);  // queued signals need one

  const ClassicInputs all = NinePlans();
  const QStringList direct = Run(all);
  ASSERT_EQ(direct.size(), 225);
  struct Case {
    int failAt;  // the name whose writing throws; 0 for none
    qsizetype written;
  } cases[] = {{0, 225}, {40, 39}};
  for (const Case& c : cases) {
    QStringList written;
    ClassicFeed feed(running_, [&](const QString& n) {
      if (static_cast<int>(written.size()) + 1 == c.failAt) throw std::runtime_error("bad score");
      written << n;
    });
    feed.slice = std::chrono::nanoseconds(0);  // a new slice after every 32 names
    int slices = 0, finished = 0;
    QObject::connect(&feed, &ClassicFeed::fed, [&] { ++slices; });
    QEventLoop loop;
    QObject::connect(&feed, &ClassicFeed::finished, [&] {
      ++finished;
      loop.quit();
    });
    QTimer::singleShot(20000, &loop, &QEventLoop::quit);
    running_ = true;
    feed.Start(all, *adoFenxi_);
    loop.exec();
    QCoreApplication::processEvents();  // nothing may follow the end
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(written, direct.mid(0, c.written));
    if (c.failAt == 0) {
      EXPECT_GE(slices, 225 / 32);
    }
    EXPECT_EQ(running_.load(), c.failAt == 0);
  }
}

}  // namespace
}  // namespace velmora
