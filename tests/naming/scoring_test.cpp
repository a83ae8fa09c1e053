// scoring_test.cpp: the scoring core on fixture databases: grid numbers of written names,
// the 80-wrap, the zh score and the computed score, three-talent points, the report
// lookups of tables 81 and sancai2009, the score bands and the score text, and what each
// lookup does when its database is missing.
#include "naming/scoring.h"

#include "../refdb/fixture.h"
#include "refdb/errors.h"

#include <gtest/gtest.h>

namespace velmora::naming {
namespace {

using velmora::testing::FixtureFolder;

QString U(const char* s) { return QString::fromUtf8(s); }

// Rows added to the standard fixture for these tests. Strokes are the numerology's counts.
constexpr const char* kExtraPelvano = R"sql(
INSERT INTO word VALUES
 ('李','李',7,'木','lǐ',30,10,1,1,'1',NULL),
 ('白','白',5,'水','bái',31,10,1,1,'1',NULL),
 ('黄','黃',12,'土','huáng',32,10,1,1,'1',NULL),
 ('龙','龍',16,'火','lóng',33,10,1,0,'男',NULL),
 ('耀','耀',20,'火','yào',34,10,1,0,'男',NULL);
INSERT INTO zh VALUES (11,4,0,6,0,90,1,'5-7-10-10-2','土水水');
)sql";

constexpr const char* kExtraKelFile = R"sql(
INSERT INTO "81" VALUES (3,' 三才之数 ',' 吉 ',' 三数暗示 ');
INSERT INTO sancai VALUES ('火火火',2),('土土土',4),('金金金',5),('木木木',7),('火土金',0),('土金水',8);
INSERT INTO sancai2009 VALUES ('水水水',' 读 ',' 基 ','吉 ',' 成','凶',' 人 ',' 半吉','  性  ');
)sql";

// A program folder with all five standard files and the extra rows.
class Scoring : public ::testing::Test {
 protected:
  void SetUp() override {
    fixture_.CreateStandard();
    fixture_.Run(QStringLiteral("Pelvano.dll"), kExtraPelvano);
    fixture_.Run(QStringLiteral("KelFile.dll"), kExtraKelFile);
  }
  QString Folder() const { return fixture_.Folder(); }
  FixtureFolder fixture_;
};

TEST_F(Scoring, WorkedExampleSingleSurnameDoubleGiven) {
  // 李 7, 白 5, 思 9; no zh row for 7-0-5-9.
  const Wuge w = ComputeWuge(U("李"), U("白思"), Folder());
  EXPECT_EQ(w, (Wuge{.tiange = 8, .dige = 14, .renge = 12, .zongge = 21, .waige = 10}));
  EXPECT_EQ(NumberClassOf(w.tiange), NumberClass::Lucky);
  EXPECT_EQ(NumberClassOf(w.renge), NumberClass::Unlucky);
  EXPECT_EQ(NumberClassOf(w.dige), NumberClass::Unlucky);
  EXPECT_EQ(NumberClassOf(w.zongge), NumberClass::Lucky);
  EXPECT_EQ(NumberClassOf(w.waige), NumberClass::Unlucky);
  EXPECT_EQ(SancaiOf(w), U("金木火"));
  // Grid points 10 + 7 + 21 + 20 + 7 = 65; the fixture grades 金木火 6 (13 points):
  // 78 on the model's scale, 62.4 → 62 on the plan scale of zh.
  EXPECT_DOUBLE_EQ(NameScore(U("李"), U("白思"), Folder()), 62);
}

TEST_F(Scoring, WorkedExampleWithGradeOneAndWithoutRow) {
  fixture_.Run(QStringLiteral("KelFile.dll"), "UPDATE sancai SET djc = 1 WHERE title = '金木火';");
  EXPECT_DOUBLE_EQ(NameScore(U("李"), U("白思"), Folder()), 68);  // 85 × 0.8
  fixture_.Run(QStringLiteral("KelFile.dll"), "DELETE FROM sancai WHERE title = '金木火';");
  EXPECT_DOUBLE_EQ(NameScore(U("李"), U("白思"), Folder()), 51);  // 64 × 0.8 = 51.2
}

TEST_F(Scoring, ShapesOfTheName) {
  struct Case {
    const char* surname;
    const char* given;
    Wuge wuge;
  } cases[] = {
      // double surname 12 + 8, single given 6: outer = total − person + 1
      {"黄明", "安", {.tiange = 20, .dige = 7, .renge = 14, .zongge = 26, .waige = 13}},
      // double surname 15 + 17, double given 10 + 6: outer = s1 + g2, no + 1
      {"欧阳", "玲安", {.tiange = 32, .dige = 16, .renge = 27, .zongge = 48, .waige = 21}},
      // double surname, single given
      {"欧阳", "玲", {.tiange = 32, .dige = 11, .renge = 27, .zongge = 42, .waige = 16}},
      // single surname 11, double given 10 + 6
      {"张", "玲安", {.tiange = 12, .dige = 16, .renge = 21, .zongge = 27, .waige = 7}},
      // single and single: outer is 2 whatever the strokes
      {"张", "玲", {.tiange = 12, .dige = 11, .renge = 21, .zongge = 21, .waige = 2}},
      {"龘", "龘", {.tiange = 49, .dige = 49, .renge = 16, .zongge = 16, .waige = 2}},
      // a character stored only as a traditional form is found through ft
      {"張", "玲", {.tiange = 12, .dige = 11, .renge = 21, .zongge = 21, .waige = 2}},
      // no character found: single parts give 1, 1, 0, 0 and 2
      {"鑫", "鑫", {.tiange = 1, .dige = 1, .renge = 0, .zongge = 0, .waige = 2}},
      // not found in a double given name: earth 0 + 0, outer 11 − 11 + 1
      {"张", "鑫鑫", {.tiange = 12, .dige = 0, .renge = 11, .zongge = 11, .waige = 1}},
      // three characters lie outside the model: the first two are scored
      {"张", "玲安华", {.tiange = 12, .dige = 16, .renge = 21, .zongge = 27, .waige = 7}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ComputeWuge(U(c.surname), U(c.given), Folder()), c.wuge) << c.surname << c.given;
    for (int k = 0; k < 5; ++k) {
      const auto kind = static_cast<GridKind>(k);
      EXPECT_EQ(GridNumber(U(c.surname), U(c.given), kind, Folder()), c.wuge.At(kind))
          << c.surname << c.given << " grid " << k;
    }
  }
}

TEST_F(Scoring, EightyWrap) {
  struct Case {
    const char* surname;
    const char* given;
    GridKind kind;
    int number;
  } cases[] = {
      {"龘", "远欧", GridKind::Zongge, 80},    // 48 + 17 + 15 = 80 stays
      {"龘", "远龙", GridKind::Zongge, 1},     // 81 → 1: the wrap starts above 80
      {"龘", "远耀", GridKind::Zongge, 5},     // 85 → 5
      {"龘龘", "龘龙", GridKind::Zongge, 80},  // 160 → 80, never 0
      {"龘龘", "龘阳", GridKind::Zongge, 1},   // 161 → 1
      {"龘龘", "龘阳", GridKind::Tiange, 16},  // 96 → 16
      {"龘龘", "龘阳", GridKind::Renge, 16},   // 48 + 48 = 96 → 16
      {"龘龘", "龘阳", GridKind::Waige, 65},   // 48 + 17
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GridNumber(U(c.surname), U(c.given), c.kind, Folder()), c.number) << c.surname << c.given;
  }
}

TEST_F(Scoring, ZhScoreReplacesTheComputedScore) {
  // 张玲安 (11-0-10-6) has a zh row of 80; the model would give 7 + 10 + 30 + 17 + 10
  // and −1 for 木木土, which has no sancai row.
  const Wuge w = ComputeWuge(U("张"), U("玲安"), Folder());
  EXPECT_DOUBLE_EQ(ComputedNameScore(w, 0), 73);
  EXPECT_DOUBLE_EQ(NameScore(U("张"), U("玲安"), Folder()), 80);

  struct Case {
    const char* surname;
    const char* given;
    double score;
  } cases[] = {
      {"张", "玲", 79},      // single parts look for 0 in bh12 and bh22
      {"張", "玲", 79},      // the strokes of the traditional form key the row alike
      {"欧阳", "玲安", 80},  // double and double
      {"欧阳", "玲", 79},    // double surname, single given name
      {"王", "安", 90},      // a stored 90 is shown as 90
      {"王", "文", 70},
      {"李", "白思", 62},    // no row: the computed score on the same scale
  };
  for (const Case& c : cases) {
    EXPECT_DOUBLE_EQ(NameScore(U(c.surname), U(c.given), Folder()), c.score) << c.surname << c.given;
  }
  EXPECT_EQ(ScoreText(NameScore(U("王"), U("安"), Folder())), U("90"));
}

TEST_F(Scoring, NoCharacterFound) {
  const Wuge w = ComputeWuge(U("鑫"), U("鑫"), Folder());
  EXPECT_EQ(SancaiOf(w), U("木水木"));  // the person grid 0 reads 水 by its last digit
  // 10 + 10 + 0 + 0 + 7 (outer 2) and −1: 木水木 has no sancai row; 26 × 0.8 = 20.8.
  EXPECT_DOUBLE_EQ(NameScore(U("鑫"), U("鑫"), Folder()), 21);
  // A grid number 0 has no row in table 81: one blank per text.
  EXPECT_EQ(Lookup81(w.renge, u"yy", Folder()), U(" "));
  EXPECT_EQ(Lookup81(w.zongge, u"jx", Folder()), U(" "));
  EXPECT_EQ(Lookup81(w.zongge, u"as", Folder()), U(" "));
}

TEST_F(Scoring, SancaiGrades) {
  struct Case {
    const char* sancai;
    double points;
  } cases[] = {
      {"木火土", 20},  // grade 1
      {"火火火", 18},  // grade 2
      {"水水水", 16},  // grade 3
      {"土土土", 15},  // grade 4
      {"金金金", 14},  // grade 5
      {"金木火", 13},  // grade 6
      {"木木木", 12},  // grade 7
      {"火土金", -1},  // grade 0 is no grade
      {"土金水", -1},  // grade 8 is no grade
      {"火水木", -1},  // no row
      {"金'木", -1},   // a quote is quoted, not a failure
      {"", -1},
  };
  for (const Case& c : cases) EXPECT_DOUBLE_EQ(SancaiScore(U(c.sancai), Folder()), c.points) << c.sancai;
}

TEST_F(Scoring, Lookup81Texts) {
  struct Case {
    int n;
    const char16_t* column;
    const char* text;
  } cases[] = {
      {1, u"yy", "太极之数，万物开泰，"},
      {1, u"jx", "大吉"},
      {1, u"as", "一数暗示。"},
      {2, u"jx", "凶"},
      {6, u"jx", "半吉"},
      {81, u"as", "八十一数暗示。"},
      {3, u"yy", " 三才之数 "},  // unchanged, not trimmed
      {3, u"JX", " 吉 "},        // columns in any letter case
      {5, u"yy", " "},           // no row: one blank
      {80, u"as", " "},
      {0, u"jx", " "},
  };
  for (const Case& c : cases) EXPECT_EQ(Lookup81(c.n, c.column, Folder()), U(c.text)) << c.n;
}

TEST_F(Scoring, SancaiTextsTrimmed) {
  const auto muhuotu = LookupSancaiTexts(U("木火土"), Folder());
  ASSERT_TRUE(muhuotu.has_value());
  EXPECT_EQ(*muhuotu, (SancaiTexts{U("总论"), U("基础"), U("大吉"), U("成功"), U("大吉"), U("人际"),
                                   U("大吉"), U("性格")}));
  const auto shui = LookupSancaiTexts(U("水水水"), Folder());
  ASSERT_TRUE(shui.has_value());
  EXPECT_EQ(*shui, (SancaiTexts{U("读"), U("基"), U("吉"), U("成"), U("凶"), U("人"), U("半吉"), U("性")}));
  EXPECT_FALSE(LookupSancaiTexts(U("金木火"), Folder()).has_value());  // in sancai, not in sancai2009
  EXPECT_FALSE(LookupSancaiTexts(U("木'火"), Folder()).has_value());   // quoted value
}

TEST(ScoreVerdict, BandsIncludeTheirLowerBound) {
  const QString top = U("【总评及建议】:你的名字起得非常棒，如果与命理搭配得当，成功与惊喜将会伴随你的一生。但千万注意不要失去上进心。");
  const QString good = U("【总评及建议】:你的名字起得不错，如果与命理搭配得当，相信它会助你一生顺利的，祝你好运！");
  const QString fair = U("【总评及建议】:你的名字可能不太理想，要想赢得成功，必须比别人付出更多的艰辛和汗水。如果有条件，改个名字也未尝不可。");
  const QString weak = U("【总评及建议】:你的名字可能不太好，如果可能的话，不妨尝试改变一下，也许会有事半功倍之效。");
  const QString poor = U("【总评及建议】:你的名字可能不是很好。强烈建议你换个名字试试，也许人生会因此而改变的。");
  struct Case {
    double score;
    const QString& text;
  } cases[] = {
      {100, top}, {90, top},                     // 90 or more
      {89.5, good}, {80, good},                  // 80 to below 90
      {79.5, fair}, {70, fair},                  // 70 to below 80
      {69.5, weak}, {60, weak},                  // 60 to below 70
      {59.5, poor}, {26, poor}, {-1, poor},      // below 60
  };
  for (const Case& c : cases) EXPECT_EQ(ScoreVerdict(c.score), c.text) << c.score;
}

TEST(ScoreText, ShortestDecimal) {
  struct Case {
    double score;
    const char* text;
  } cases[] = {
      {85, "85"},   {98.5, "98.5"}, {90, "90"}, {100, "100"}, {55.5, "55.5"},
      {64, "64"},   {0, "0"},       {-1, "-1"}, {-0.5, "-0.5"},
  };
  for (const Case& c : cases) EXPECT_EQ(ScoreText(c.score), U(c.text)) << c.score;
}

TEST(ScoringFailures, MissingPelvanoCountsNoStrokes) {
  FixtureFolder folder;
  folder.Run(QStringLiteral("KelFile.dll"), velmora::testing::kKelFileFixture);
  EXPECT_EQ(ComputeWuge(U("张"), U("玲安"), folder.Folder()),
            (Wuge{.tiange = 1, .dige = 0, .renge = 0, .zongge = 0, .waige = 1}));
  // No zh score either: 10 (heaven 1) + 10 (outer 1) and −1 for 木水水, which has no
  // row: 19 × 0.8 = 15.2.
  EXPECT_DOUBLE_EQ(NameScore(U("张"), U("玲安"), folder.Folder()), 15);
}

TEST(ScoringFailures, MissingKelFile) {
  FixtureFolder folder;
  folder.Run(QStringLiteral("Pelvano.dll"), velmora::testing::kPelvanoFixture);
  EXPECT_THROW(SancaiScore(U("木火土"), folder.Folder()), SilentStop);
  EXPECT_THROW(Lookup81(1, u"yy", folder.Folder()), SilentStop);
  EXPECT_THROW(LookupSancaiTexts(U("木火土"), folder.Folder()), DbError);
  // The computed path asks table sancai and stops; a zh score never reaches it.
  EXPECT_THROW(NameScore(U("张"), U("安"), folder.Folder()), SilentStop);  // no zh row for 11-0-6-0
  EXPECT_DOUBLE_EQ(NameScore(U("张"), U("玲安"), folder.Folder()), 80);
  // The grids themselves need no KelFile.dll.
  EXPECT_EQ(GridNumber(U("张"), U("玲安"), GridKind::Renge, folder.Folder()), 21);
}

TEST(ScoringFailures, KelFileWithoutTheTables) {
  FixtureFolder folder;
  folder.Run(QStringLiteral("KelFile.dll"), "CREATE TABLE other (x INTEGER);");
  EXPECT_THROW(SancaiScore(U("木火土"), folder.Folder()), SilentStop);
  EXPECT_THROW(Lookup81(1, u"jx", folder.Folder()), SilentStop);
  EXPECT_THROW(LookupSancaiTexts(U("木火土"), folder.Folder()), DbError);
}

}  // namespace
}  // namespace velmora::naming
