// kelbirth_test.cpp: the poetry library sg and the notes Noter of KelBirth.dll.
#include "test_db.h"

namespace velmora::refdata_test {
namespace {

TEST(Poetry, DynastiesInChronologicalOrder) {
  TestDb db("KelBirth.dll");
  const auto rows = db.Rows(
      "Select cd_num,d_dynasty,sum(1) as cs from sg group by cd_num,d_dynasty order by cd_num asc");
  QStringList dynasties;
  for (const auto& r : rows) dynasties << r[1];
  EXPECT_EQ(dynasties, (QStringList{"先秦", "汉", "三国", "唐", "五代", "宋", "元", "清"}));
  for (int i = 0; i < rows.size(); ++i) EXPECT_EQ(rows[i][0].toInt(), i + 1);
}

TEST(Poetry, PoemCountsPerDynasty) {
  TestDb db("KelBirth.dll");
  struct Case { const char* dynasty; int poems; };
  const Case cases[] = {
      {"先秦", 333},    // 诗经 305, 屈原 宋玉 景差 28
      {"汉", 37},       // the Han authors of 楚辞
      {"三国", 26},     // 曹操
      {"唐", 57603},    // 全唐诗, poems with text
      {"五代", 542},    // 花间集 497, 南唐二主词 45
      {"宋", 21053},    // 全宋词
      {"元", 10914},    // 元曲 with text
      {"清", 258},      // 纳兰性德
  };
  int total = 0;
  for (const Case& c : cases) {
    EXPECT_EQ(db.Int(QStringLiteral("select count(*) from sg where d_dynasty = '%1'")
                         .arg(QString::fromUtf8(c.dynasty))),
              c.poems)
        << c.dynasty;
    total += c.poems;
  }
  EXPECT_EQ(db.Int("select count(*) from sg"), total);
}

TEST(Poetry, NumbersAreConsistent) {
  TestDb db("KelBirth.dll");
  // An author number belongs to one dynasty and one name.
  EXPECT_EQ(db.Int("select count(*) from (select au_num from sg group by au_num "
                   "having count(distinct cd_num) > 1 or count(distinct d_author) > 1)"),
            0);
  // Authors are numbered dynasty by dynasty.
  EXPECT_EQ(db.Int("select count(*) from sg a, (select cd_num, max(au_num) as m from sg "
                   "group by cd_num) b where a.cd_num > b.cd_num and a.au_num <= b.m"),
            0);
  // An author's titles can be told apart.
  EXPECT_EQ(db.Int("select count(*) from (select au_num, d_title from sg group by au_num, d_title "
                   "having count(*) > 1)"),
            0);
  EXPECT_EQ(db.Int("select count(*) from sg where trim(d_title) = '' or trim(d_nr) = ''"), 0);
  // The sources' editorial brackets are resolved: 虏障抵[祁]连 reads 虏障抵祁连.
  EXPECT_EQ(db.Int("select count(*) from sg where d_nr like '%[%' or d_nr like '%]%' or d_title like '%[%' "
                   "or d_author like '%[%' or d_nr like '%Content-Type=%'"),
            0);
  EXPECT_GE(db.Int("select count(*) from sg where d_nr like '%虏障抵祁连%'"), 1);
}

TEST(Poetry, SimplifiedTextsAndKnownPoems) {
  TestDb db("KelBirth.dll");
  // 全唐诗 is traditional in the source; after OpenCC t2s these forms are gone.
  EXPECT_EQ(db.Int("select count(*) from sg where cd_num = 4 and (d_nr like '%無%' or "
                   "d_nr like '%東%' or d_nr like '%門%' or d_title like '%詩%')"),
            0);
  EXPECT_GE(db.Int("select count(*) from sg where d_author = '李白' and d_dynasty = '唐' and "
                   "d_nr like '%床前%月光%'"),
            1);
  EXPECT_TRUE(db.Text("select d_nr from sg where d_title = '关雎'")
                  .startsWith(QStringLiteral("关关雎鸠，在河之洲。")));
  EXPECT_EQ(db.Text("select d_author from sg where d_title = '关雎'"), QStringLiteral("诗经·周南"));
  EXPECT_EQ(db.Text("select d_dynasty from sg where d_author = '纳兰性德' limit 1"),
            QStringLiteral("清"));
  EXPECT_EQ(db.Text("select d_dynasty from sg where d_author = '屈原' limit 1"),
            QStringLiteral("先秦"));
  // A ci is titled by its tune and first phrase.
  EXPECT_EQ(db.Int("select count(*) from sg where d_author = '温庭筠' and "
                   "d_title = '菩萨蛮·小山重叠金明灭'"),
            1);
  EXPECT_GE(db.Int("select count(*) from sg where d_author = '苏轼' and d_title like '水调歌头·明月几时有%'"),
            1);
}

TEST(Noter, HoldsTheNotesTheMainWindowOpens) {
  TestDb db("KelBirth.dll");
  const bool prose = RefdataFileExists(QStringLiteral("texts/noter.tsv"));
  for (const char* code : {"XM016", "XM017"}) {
    const auto rows = db.Rows(
        QStringLiteral("select Tite,content from Noter where Cid = '%1'").arg(QString::fromLatin1(code)));
    ASSERT_EQ(rows.size(), 1) << code;
    if (prose) {
      EXPECT_FALSE(rows[0][0].trimmed().isEmpty()) << code;
      EXPECT_FALSE(rows[0][1].trimmed().isEmpty()) << code;
    }
  }
}

}  // namespace
}  // namespace velmora::refdata_test
