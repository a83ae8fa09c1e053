// readings_test.cpp: the chart lookups on Tgcode.dll with their exact statements, the
// element tally at its fixed byte positions, and the bone-weight reading on dream.dll.
#include "bazi/bone_weight.h"
#include "bazi/chart_lookups.h"
#include "refdb/errors.h"

#include "../refdb/fixture.h"

#include <gtest/gtest.h>

namespace velmora::bazi {
namespace {

using testing::FixtureFolder;

QString U(const char* s) { return QString::fromUtf8(s); }

class Readings : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    fixture_ = new FixtureFolder;
    fixture_->CreateStandard();
    // Weights whose sum is 3.8000000000000003 (1999/11/25, hour 0) and 5.0 (2000/11/25,
    // hour 12); 2000/11/25 at hour 13 has no hour row and sums to a code without a verse.
    fixture_->Run(QStringLiteral("dream.dll"), R"sql(
      INSERT INTO chenggu1 VALUES ('1999',0.7),('2000',1.2);
      INSERT INTO chenggu2 VALUES ('11',0.5);
      INSERT INTO chenggu3 VALUES ('25',1.0);
      INSERT INTO chenggu4 VALUES ('12',2.3);
      INSERT INTO chenggu VALUES ('38',' 三八诗 ',' 三八解 '),('50','五两诗','五两解');)sql");
  }
  static void TearDownTestSuite() { delete fixture_; }
  static QString Folder() { return fixture_->Folder(); }
  static inline FixtureFolder* fixture_ = nullptr;
};

TEST_F(Readings, Statements) {
  // Containment for the element, blanks trimmed and quotes doubled; exact keys elsewhere,
  // untrimmed, with the trailing blank and the doubled blanks after select.
  EXPECT_EQ(ElementStatement(U(" 甲 ")), U("select top 1 wh from hzwh where hz like '%甲%'"));
  EXPECT_EQ(ElementStatement(U("'")), U("select top 1 wh from hzwh where hz like '%''%'"));
  EXPECT_EQ(ShishenStatement(U("甲乙")), U("select top 1 ShiShen from Shishen where jiazi = '甲乙' "));
  EXPECT_EQ(NayinStatement(U("甲子")), U("select top 1 layin from jiazi where jiazi = '甲子' "));
  EXPECT_EQ(SjrsStatement(U("木"), U("春")), U("select  top 1 sjrs from sjrs where wh = '木' and sj = '春' "));
  EXPECT_EQ(QtbjStatement(U("甲"), U("寅")), U("select  top 1 content from qtbj where tg = '甲' and dz = '寅' "));
}

TEST_F(Readings, Lookups) {
  const QString f = Folder();
  EXPECT_EQ(LookupElement(U(" 甲 "), f), U("木"));
  EXPECT_EQ(LookupElement(U("丑"), f), U("土"));  // its row's element ' 土 ' is trimmed
  EXPECT_EQ(LookupElement(U("张"), f), QString());
  EXPECT_EQ(LookupShishen(U("甲甲"), f), U("比肩"));
  EXPECT_EQ(LookupShishen(U("甲乙"), f), U("劫财"));
  EXPECT_EQ(LookupNayin(U("甲子"), f), U("海中金"));
  EXPECT_EQ(LookupNayin(U("甲子 "), f), QString());  // the blank is part of the key
  EXPECT_EQ(LookupSjrs(U("木"), U("春"), f), U("木旺于春"));
  EXPECT_EQ(LookupQtbj(U("甲"), U("寅"), f), U("初春尚有余寒，先用丙火温暖。"));
  // Without Tgcode.dll every lookup is empty and nothing fails.
  const QString none = QStringLiteral("/nonexistent/");
  EXPECT_EQ(LookupElement(U("甲"), none) + LookupShishen(U("甲甲"), none) + LookupNayin(U("甲子"), none) +
                LookupSjrs(U("木"), U("春"), none) + LookupQtbj(U("甲"), U("寅"), none),
            QString());
}

TEST(CountElements, FixedBytePositions) {
  const struct {
    const char* line;
    const char* tally;
  } cases[] = {
      {"金木   水火   土金   木水", "金:占2个, 木:占2个, 水:占2个, 火:占1个, 土:占1个"},
      // The month branch has no element: the later characters move two bytes left and
      // count where they fall (the day's 金 and the hour's 水 still hit a position).
      {"金木   水   土金   木水", "金:占2个, 木:占1个, 水:占2个, 火:占0个, 土:占0个"},
      {"", "金:占0个, 木:占0个, 水:占0个, 火:占0个, 土:占0个"},
  };
  for (const auto& c : cases) EXPECT_EQ(CountElements(U(c.line)), U(c.tally)) << c.line;
}

TEST_F(Readings, WeightCodes) {
  EXPECT_EQ(WeightCode(0.7 + 0.5 + 1.0 + 1.6), U("38"));  // 3.8000000000000003 reads 3.8
  EXPECT_EQ(WeightCode(0.5 + 0.5 + 0.7 + 1.4), U("31"));  // 3.0999999999999996 reads 3.1
  EXPECT_EQ(WeightCode(5.0), U("50"));
  EXPECT_EQ(WeightCode(4.5), U("45"));
  EXPECT_EQ(WeightCode(0.0), U("00"));
}

TEST_F(Readings, BoneWeightLines) {
  const QString f = Folder();
  auto line = [&](const char* y, const char* h, int mode) {
    return BoneWeightLine(U(y), U("11"), U("25"), U(h), mode, f);
  };
  EXPECT_EQ(line("1999", "0", 0), U("你的骨重为：3两8钱"));
  EXPECT_EQ(line("1999", "0", 1), U("骨重诗评：三八诗"));
  EXPECT_EQ(line("1999", "0", 2), U("骨重解评：三八解"));
  EXPECT_EQ(line("2000", "12", 0), U("你的骨重为：5两"));  // a whole total names no 钱
  for (int mode = 0; mode < 3; ++mode) EXPECT_EQ(line("2000", "13", mode), QString());  // no verse for 27
  // An unreadable database ends the whole report silently.
  EXPECT_THROW(BoneWeightLine(U("1999"), U("11"), U("25"), U("0"), 0, QStringLiteral("/nonexistent/")), SilentStop);
}

}  // namespace
}  // namespace velmora::bazi
