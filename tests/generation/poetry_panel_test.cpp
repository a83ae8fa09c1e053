// The poetry library: its statements, the search, the poem list, adding poems, and search
// texts that carry the characters of like patterns and quotes.
#include "generation/poetry_panel.h"

#include "../refdb/fixture.h"
#include "text/sql_format.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace velmora {
namespace {

QString U(const char* s) { return QString::fromUtf8(s); }

// The statements exactly as the library has always sent them, filled.
TEST(PoetryStatements, AsTheLibrarySendsThem) {
  const struct {
    QString actual;
    const char* expected;
  } rows[] = {
      {DynastyStatement({}), "Select cd_num,d_dynasty,sum(1) as cs from sg group by cd_num,d_dynasty order by cd_num asc"},
      {DynastyStatement(U("明月")), "Select cd_num,d_dynasty,sum(1) as cs from sg  where d_dynasty like '%明月%' or d_author like '%明月%' or  d_title like '%明月%' or d_nr like '%明月%'  group by cd_num,d_dynasty order by cd_num asc"},
      {AuthorStatement(4, {}), "Select au_num,d_author,sum(1) as cs from sg where cd_num = 4  group by au_num,d_author order by au_num asc "},
      {AuthorStatement(4, U("明月")), "Select au_num,d_author,sum(1) as cs from sg  where cd_num = 4 and (d_dynasty like '%明月%' or d_author like '%明月%' or  d_title like '%明月%' or d_nr like '%明月%')  group by au_num,d_author order by au_num asc"},
      {PoemListStatement(136, {}), "Select d_num,d_title,d_author from sg where au_num = 136  order by d_num asc "},
      {PoemListStatement(136, U("明月")), "Select d_num,d_title,d_author from sg where  au_num = 136 and (d_dynasty like '%明月%' or d_author like '%明月%' or d_title like '%明月%' or d_nr like '%明月%')  order by d_num asc "},
      {PoemStatement(8522), "Select d_num,d_title,d_author,d_nr from sg where d_num = 8522  "},
      // A search text is a literal inside the pattern: quote doubled, % _ [ in brackets.
      {PoemListStatement(7, U("'%_[")), "Select d_num,d_title,d_author from sg where  au_num = 7 and (d_dynasty like '%''[%][_][[]%' or d_author like '%''[%][_][[]%' or d_title like '%''[%][_][[]%' or d_nr like '%''[%][_][[]%')  order by d_num asc "},
  };
  for (const auto& row : rows) EXPECT_EQ(row.actual, U(row.expected));
}

TEST(SqlFormat, FillsInOrderAndKeepsPercentSignsOfValues) {
  EXPECT_EQ(text::SqlFormat(u"a = %d and b like '%%%s%%'", {U("7"), U("%s%d")}), U("a = 7 and b like '%%s%d%'"));
  EXPECT_THROW(text::SqlFormat(u"%d %d", {U("1")}), std::invalid_argument);
  EXPECT_THROW(text::SqlFormat(u"%d", {U("1"), U("2")}), std::invalid_argument);
}

class Library : public ::testing::Test {
 protected:
  void SetUp() override {
    fixture_.CreateStandard();
    // 杜甫 is a 唐 author without 明月; 李白 has poems with and without it; the last
    // poems carry the characters a like pattern and a statement treat specially.
    fixture_.Run(QStringLiteral("KelBirth.dll"), R"sql(
INSERT INTO sg VALUES
 (3,'唐',10,'杜甫',6,'春望','国破山河在，城春草木深。'),
 (3,'唐',7,'李白',7,'早发白帝城','朝辞白帝彩云间，千里江陵一日还。'),
 (3,'唐',7,'李白',8,'将进酒','君不见黄河之水天上来，奔流到海不复回。'),
 (6,'元',11,'甲',9,'五十%','百分之五十%。'),
 (6,'元',12,'乙',10,'子_丑','子_丑。'),
 (6,'元',13,'丙',11,'[注]','注[一]。'),
 (6,'元',14,'丁',12,'李''白','引''号。');
)sql");
  }

  // The tree as "dynasty:author,author" lines.
  QStringList Tree() const {
    QStringList out;
    for (const PoetryNode& d : panel_.TreeViewInit) {
      QStringList authors;
      for (const PoetryNode& a : d.children) authors << a.text;
      out << d.text + QLatin1Char(':') + authors.join(QLatin1Char(','));
    }
    return out;
  }

  // Selects the author of that name and clicks it.
  void ClickAuthor(const QString& name) {
    for (int d = 0; d < panel_.TreeViewInit.size(); ++d) {
      for (int a = 0; a < panel_.TreeViewInit[d].children.size(); ++a) {
        if (panel_.TreeViewInit[d].children[a].text != name) continue;
        panel_.selectedDynasty = d;
        panel_.selectedAuthor = a;
        panel_.TreeViewInitClick();
        return;
      }
    }
    FAIL() << "no author " << name.toStdString();
  }

  QStringList Titles() const {
    QStringList out;
    for (const PoetryNode& p : panel_.RzTreeView1) out << p.text;
    return out;
  }

  testing::FixtureFolder fixture_;
  PoetryPanel panel_{fixture_.Folder()};
};

TEST_F(Library, ShowAllListsEveryDynastyAndAuthor) {
  panel_.EditTiaojian = U("明月");
  panel_.RzBitBtn42Click();
  EXPECT_TRUE(panel_.EditTiaojian.isEmpty());
  EXPECT_EQ(Tree(), QStringList({U("先秦:佚名"), U("唐:李白,王维,杜甫"), U("宋:苏轼"), U("元:甲,乙,丙,丁")}));
  // 查找 with an empty box does nothing.
  panel_.RzBitBtn41Click();
  EXPECT_EQ(Tree().size(), 4);
}

TEST_F(Library, SearchShowsOnlyMatchingDynastiesAuthorsAndPoems) {
  panel_.EditTiaojian = U(" 明月 ");
  panel_.RzBitBtn41Click();
  EXPECT_EQ(Tree(), QStringList({U("唐:李白,王维"), U("宋:苏轼")}));
  ClickAuthor(U("李白"));
  EXPECT_EQ(Titles(), QStringList({U("静夜思")}));
  // Without the search, the author's poems come sorted by title (将 < 静 < 早 in GBK order).
  panel_.RzBitBtn42Click();
  ClickAuthor(U("李白"));
  EXPECT_EQ(Titles(), QStringList({U("将进酒"), U("静夜思"), U("早发白帝城")}));
  // A dynasty node carries 0: no poems.
  panel_.selectedAuthor = -1;
  panel_.TreeViewInitClick();
  EXPECT_TRUE(panel_.RzTreeView1.isEmpty());
}

// Each special character is found literally and only where it stands; none breaks a
// statement.
TEST_F(Library, SearchTextsAreFoundLiterally) {
  const struct {
    const char* search;
    const char* tree;
  } rows[] = {
      {"%", "元:甲"},    // a wildcard would match every poem
      {"_", "元:乙"},    // a one-character wildcard likewise
      {"[", "元:丙"},    // an unclosed set would make the pattern invalid
      {"'", "元:丁"},    // a quote would end the literal
      {"'%[", ""},      // all of them together: nothing contains that text
  };
  for (const auto& row : rows) {
    panel_.EditTiaojian = U(row.search);
    panel_.RzBitBtn41Click();
    EXPECT_EQ(Tree().join(QLatin1Char('|')), U(row.tree)) << row.search;
  }
}

TEST_F(Library, AddingTwoPoemsLeavesAnEmptyLineBetweenThem) {
  panel_.RzBitBtn40Click();  // no poem shown: nothing
  EXPECT_TRUE(panel_.MemoYixuan.isEmpty());
  panel_.RzBitBtn42Click();
  ClickAuthor(U("李白"));
  panel_.RzTreeView1Index = 1;  // 静夜思
  panel_.RzTreeView1Click();
  EXPECT_EQ(panel_.MemoSgnr, U("床前明月光，疑是地上霜。举头望明月，低头思故乡。"));
  panel_.RzBitBtn40Click();
  panel_.RzTreeView1Index = 2;  // 早发白帝城
  panel_.RzTreeView1Click();
  panel_.RzBitBtn40Click();
  EXPECT_EQ(panel_.MemoYixuan, U("床前明月光，疑是地上霜。举头望明月，低头思故乡。\n\n朝辞白帝彩云间，千里江陵一日还。"));
  panel_.RzBitBtn39Click();
  EXPECT_TRUE(panel_.MemoYixuan.isEmpty());
}

TEST_F(Library, ModeSetUp) {
  panel_.MemoYixuan = U("旧");
  panel_.SetUpZuheMode();
  EXPECT_EQ(panel_.pageIndex, 1);
  EXPECT_FALSE(panel_.RzTabSheet3Visible);
  EXPECT_EQ(panel_.RzTabSheet4Caption, U("文字列表(自己输入文字自动匹配取名)"));
  EXPECT_TRUE(panel_.MemoYixuan.isEmpty());
  panel_.MemoYixuan = U("旧");
  panel_.EditTiaojian = U("明月");
  panel_.SetUpPoetryMode();
  EXPECT_EQ(panel_.pageIndex, 0);
  EXPECT_TRUE(panel_.RzTabSheet3Visible);
  EXPECT_EQ(panel_.RzTabSheet4Caption, U("已选诗词(根据诗词内容或自己输入文字自动匹配取名)"));
  EXPECT_TRUE(panel_.EditTiaojian.isEmpty());
  EXPECT_EQ(Tree().size(), 4);  // the full tree
  EXPECT_TRUE(panel_.MemoYixuan.isEmpty());
}

TEST_F(Library, AMissingLibraryStopsSilently) {
  PoetryPanel nowhere(fixture_.Folder() + QStringLiteral("missing/"));
  nowhere.RzBitBtn42Click();
  EXPECT_TRUE(nowhere.TreeViewInit.isEmpty());
}

}  // namespace
}  // namespace velmora
