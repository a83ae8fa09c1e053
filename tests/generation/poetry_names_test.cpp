// The poetry run: its statement, the bounds and rules of the names it gives, and the
// source line of a name.
#include "generation/poetry_names.h"
#include "generation/poetry_source.h"

#include "../refdb/fixture.h"
#include "refdb/connection.h"
#include "refdb/connection_text.h"
#include "refdb/query.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

QString U(const char* s) { return QString::fromUtf8(s); }

// The eight rows of the table of parts, each against the text written out in full.
TEST(PoetryStatement, EveryRowOfTheTable) {
  PoetryInputs in;
  in.text = U("月'光");
  const auto x = [](bool male, bool two) {
    return U("select zi, wuhang, nan, nv, bh from word where 1 = 1 and Aflag is null and '月''光' Like '%'+ zi+ '%'") +
           PoetrySexClause(male, two);
  };
  const struct {
    const char* surname;
    bool twoChars, male;
    QString expected;
  } rows[] = {
      {"张", false, true, U(" + a.zi as mz,1 as you,a.wuhang as wuhang1,c.zf  from (") + x(true, false) + U(") a,zh c where c.lx = 11 and c.zf < 78 and a.bh = c.bh21 and c.bh11 = 11 and c.zf > 59 ")},
      {"张", false, false, U(" + a.zi as mz,1 as you,a.wuhang as wuhang1,c.zf  from (") + x(false, false) + U(") a ,zh c where c.lx = 11  and a.bh = c.bh21 and c.bh11 = 11 and c.zf < 78 and c.zf > 59 ")},
      {"张", true, true, U(" + a.zi + b.zi as mz,a.nan + b.nan as you,a.wuhang as wuhang1,b.wuhang as wuhang2,c.zf from (") + x(true, true) + U(") a , (") + x(true, true) + PoetrySexClause(true, true) + U(") b ,zh c where a.zi <> b.zi  and c.lx = 12 and c.zf < 78 and a.bh = c.bh21 and b.bh = c.bh22 and c.bh11 = 11 and c.zf > 59 ")},
      {"张", true, false, U(" + a.zi + b.zi as mz,a.nv + b.nv as you,a.wuhang as wuhang1,b.wuhang as wuhang2,c.zf  from (") + x(false, true) + U(") a , (") + x(false, true) + PoetrySexClause(false, true) + U(") b,zh c where a.zi <> b.zi  and c.lx = 12 and c.zf < 78 and a.bh = c.bh21 and b.bh = c.bh22 and c.bh11 = 11 and c.zf > 59 ")},
      {"欧阳", false, true, U(" + a.zi as mz,1 as you,a.wuhang as wuhang1,c.zf  from (") + x(true, false) + U(") a,zh c where c.lx = 21 and c.zf < 78 and a.bh = c.bh21 and c.bh11 = 11 and c.bh12 = 17 and c.zf > 59 ")},
      {"欧阳", false, false, U(" + a.zi as mz,1 as you,a.wuhang as wuhang1,c.zf  from (") + x(false, false) + U(") a ,zh c where c.lx = 21 and c.zf < 78 and a.bh = c.bh21 and c.bh11 = 11  and c.bh12 = 17 and c.zf > 59 ")},
      {"欧阳", true, true, U(" + a.zi + b.zi as mz,a.nan + b.nan as you,a.wuhang as wuhang1,b.wuhang as wuhang2,c.zf from (") + x(true, true) + U(") a , (") + x(true, true) + PoetrySexClause(true, true) + U(") b ,zh c where a.zi <> b.zi  and c.lx = 22 and c.zf < 78 and a.bh = c.bh21 and b.bh = c.bh22 and c.bh11 = 11 and c.bh12 = 17 and c.zf > 59 ")},
      {"欧阳", true, false, U(" + a.zi + b.zi as mz,a.nv + b.nv as you,a.wuhang as wuhang1,b.wuhang as wuhang2,c.zf  from (") + x(false, true) + U(") a , (") + x(false, true) + PoetrySexClause(false, true) + U(") b,zh c where a.zi <> b.zi  and c.lx = 22 and c.zf < 78 and a.bh = c.bh21 and b.bh = c.bh22 and c.bh11 = 11  and c.bh12 = 17 and c.zf > 59 ")},
  };
  for (const auto& row : rows) {
    in.surname = U(row.surname);
    in.twoChars = row.twoChars;
    in.male = row.male;
    const QString wrapped = U("select mz,zf from (select '") + in.surname + U("'") + row.expected +
                            (row.twoChars ? U(") p where you > 0 order by zf desc ") : U(") p where you > 0 order by zf desc"));
    EXPECT_EQ(PoetryStatement(in, 11, 17, 59), wrapped) << row.surname << row.twoChars << row.male;
  }
  EXPECT_EQ(PoetrySexClause(true, false), U(" and (xb = '男' or nan = 1 or xb = '0' or xb = '1') "));
  EXPECT_EQ(PoetrySexClause(false, false), U(" and (xb = '女' or nv = 1 or xb = '0' or xb = '1') "));
  EXPECT_EQ(PoetrySexClause(true, true), U(" and (xb = '男' or nan = 1 or xb = '1') "));
  EXPECT_EQ(PoetrySexClause(false, true), U(" and (xb = '女' or nv = 1 or xb = '1' or xb = '0') "));
}

// Runs on the fixture's word and zh, with characters added for the rules under test.
class PoetryRun : public ::testing::Test {
 protected:
  void SetUp() override {
    fixture_.CreateStandard();
    // 甲 and 乙 suit either sex only by xb = '1' (nan = nv = 0); 8 + 8 and 11 + 4 strokes
    // get plans of their own, the latter at the lowest bound.
    fixture_.Run(QStringLiteral("Pelvano.dll"), R"sql(
INSERT INTO word VALUES ('甲','甲',11,'木','jiǎ',30,1,0,0,'1',NULL),('乙','乙',14,'木','yǐ',30,1,0,0,'1',NULL);
INSERT INTO zh VALUES (12,11,0,8,8,72,9,'',''),(12,11,0,11,4,60,9,'','');
)sql");
    main_ = std::make_unique<Connection>(DbConnectionText(DbFile::PelvanoMain, fixture_.Folder()));
    adoTem_ = std::make_unique<Query>(*main_);
    adoFenxi_ = std::make_unique<Query>(*main_);
  }

  PoetryOutcome Run(const PoetryInputs& in) {
    items_.clear();
    sources_.clear();
    return MakePoetryNames(in, *adoTem_, *adoFenxi_, running_, [this] { items_.clear(); },
                           [this](const PoetryName& n) {
                             items_ << n.item;
                             sources_ << n.source;
                           });
  }

  static PoetryInputs Zhang(const char* text) {
    PoetryInputs in;
    in.surname = U("张");
    in.text = U(text);
    return in;
  }

  testing::FixtureFolder fixture_;
  std::unique_ptr<Connection> main_;
  std::unique_ptr<Query> adoTem_, adoFenxi_;
  std::atomic<bool> running_{true};
  QStringList items_, sources_;
};

TEST_F(PoetryRun, NamesKeepTheRulesOfTheMode) {
  const char* text = "思远伟华明玲芳文安甲乙";
  const struct {
    bool male, floorChecked;
    const char* items;
  } rows[] = {
      // Never: 张思远 (78 points), 张明明 (a repeated character), 张甲乙 (neither character
      // marked for boys: you = 0), 张文华 (80). 张伟文 and 张甲文 score 60, above the floor 59.
      {true, true, "张伟华(76分),张伟乙(76分),张甲华(76分),张伟文(60分),张甲文(60分)"},
      {true, false, "张伟华(76分),张伟乙(76分),张甲华(76分)"},  // unchecked: above 60
      {false, true, "张甲华(76分),张明玲(70分),张明芳(70分),张安玲(66分),张安芳(66分),张甲文(60分)"},
  };
  for (const auto& row : rows) {
    PoetryInputs in = Zhang(text);
    in.male = row.male;
    in.floorChecked = row.floorChecked;
    in.zuidiFee = U("60");
    EXPECT_EQ(Run(in), PoetryOutcome::Names);
    // Best first; equal scores come in the engine's order.
    QStringList expected = U(row.items).split(U(","));
    for (qsizetype i = 0; i < items_.size(); ++i) EXPECT_EQ(items_[i].right(4), expected.value(i).right(4)) << i;
    QStringList sorted = items_;
    sorted.sort();
    expected.sort();
    EXPECT_EQ(sorted, expected) << items_.join(U(",")).toStdString();
  }
}

// Names of one score are dealt so that neither character repeats at once, instead of in
// join order; a name the filter refuses is left out.
TEST_F(PoetryRun, TiesVaryTheirCharactersAndTheFilterHolds) {
  EXPECT_EQ(VaryTies({U("明月"), U("明远"), U("明志"), U("月明"), U("月华"), U("远志")}),
            std::vector<int>({0, 3, 1, 4, 5, 2}));
  fixture_.Run(QStringLiteral("Pelvano.dll"),
               "CREATE TABLE mc (ci TEXT, py TEXT, lb TEXT, yy TEXT, cs INTEGER);"
               "INSERT INTO mc VALUES ('伟华','','pair','测试',0);");
  PoetryInputs in = Zhang("思远伟华明玲芳文安甲乙");
  in.zuidiFee = U("60");
  in.filter = NameFilter(std::make_shared<naming::NameChecker>(fixture_.Folder()));
  EXPECT_EQ(Run(in), PoetryOutcome::Names);
  EXPECT_FALSE(items_.contains(U("张伟华(76分)")));
  QStringList best = items_.mid(0, 2);
  best.sort();
  EXPECT_EQ(best, QStringList({U("张伟乙(76分)"), U("张甲华(76分)")}));
  // A text whose every name is refused asks for more text, as one without names does.
  in.text = U("伟华");
  EXPECT_EQ(Run(in), PoetryOutcome::NoneFound);
}

TEST_F(PoetryRun, OneCharacterNamesAndTheirOrder) {
  PoetryInputs in = Zhang("文远伟思玲");
  in.twoChars = false;
  in.male = false;  // the girls' row, whose bound of 78 stands in the formatted part
  EXPECT_EQ(Run(in), PoetryOutcome::Names);
  // 玲 (10 strokes) would score 79: not below 78. 4 strokes score 77, 9 strokes 75; 远
  // and 伟 are boys' characters.
  EXPECT_EQ(items_, QStringList({U("张文(77分)"), U("张思(75分)")}));
}

TEST_F(PoetryRun, NothingUsableAsksForMoreText) {
  EXPECT_EQ(Run(Zhang("死ABC%_'")), PoetryOutcome::NoneFound);
  EXPECT_TRUE(items_.isEmpty());
  EXPECT_FALSE(adoTem_->Active());
  EXPECT_FALSE(adoFenxi_->Active());
}

TEST_F(PoetryRun, StopsWhenRunningIsCleared) {
  running_ = false;
  EXPECT_EQ(Run(Zhang("思远伟华")), PoetryOutcome::Names);
  EXPECT_TRUE(items_.isEmpty());
}

TEST_F(PoetryRun, AFailureEndsTheRunQuietly) {
  PoetryInputs in = Zhang("伟华");
  in.zuidiFee = U("");  // checked with an empty bound: the floor cannot be read
  bool cleared = false;
  EXPECT_EQ(MakePoetryNames(in, *adoTem_, *adoFenxi_, running_, [&] { cleared = true; }, [](const PoetryName&) {}),
            PoetryOutcome::Failed);
  EXPECT_TRUE(cleared);  // the list is emptied before the floor is read
  EXPECT_FALSE(adoFenxi_->Active());
}

TEST_F(PoetryRun, EachNameCarriesItsSourceLine) {
  EXPECT_EQ(Run(Zhang("伟大的祖国\n华夏\n伟华同在")), PoetryOutcome::Names);
  ASSERT_EQ(items_.first(), U("张伟华(76分)"));
  EXPECT_EQ(sources_.first(), U("伟华同在"));
}

TEST(SourceLines, PreferALineWithBothCharacters) {
  const SourceLines lines(U("床前明月光，疑是地上霜。\r\n\n举头望明月，低头思故乡。\n") +
                          U("一二三四五六七八九十。一二三四五六七八九十，一二三四五六七八九十！天高云淡，望断南飞雁。"));
  const struct {
    const char* given;
    const char* source;
  } rows[] = {
      {"明月", "床前明月光，疑是地上霜。"},                          // the first line holding both
      {"思", "举头望明月，低头思故乡。"},                            // one character
      {"霜乡", "床前明月光，疑是地上霜。 / 举头望明月，低头思故乡。"},  // no line holds both
      {"光前", "床前明月光，疑是地上霜。"},                          // both in one line, any order
      {"雁天", "天高云淡，望断南飞雁。"},                            // a long line: its sentence
      {"鑫", ""},                                                  // not in the text
  };
  for (const auto& row : rows) EXPECT_EQ(lines.For(U(row.given)), U(row.source)) << row.given;
}

// A text without sentence marks once made its whole self the source of every name.
TEST(SourceLines, ALongSentenceIsCutAroundTheName) {
  const QString clauses = U("甲乙丙丁戊己庚辛壬癸，子丑寅卯辰巳午未申酉，春风又绿江南岸，明月何时照我还，") +
                          U("一二三四五六七八九十，一二三四五六七八九十");
  EXPECT_EQ(SourceLines(clauses).For(U("绿月")), U("春风又绿江南岸，明月何时照我还，"));
  QString noMarks = QString(300000, QChar(u'云')) + U("春江花月夜") + QString(300000, QChar(u'水'));
  const QString source = SourceLines(noMarks).For(U("花月"));
  EXPECT_EQ(source.size(), SourceLines::kLongLine);
  EXPECT_TRUE(source.contains(U("春江花月夜"))) << source.toStdString();
}

}  // namespace
}  // namespace velmora
