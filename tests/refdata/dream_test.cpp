// dream_test.cpp: the bone-weight tables of dream.dll.
#include "test_db.h"

#include <QSet>

#include <algorithm>
#include <cmath>

namespace velmora::refdata_test {
namespace {

double Weight(const TestDb& db, const char* table, const char* key, const QString& value) {
  return db.Text(QStringLiteral("select weight from %1 where %2 = '%3'")
                     .arg(QString::fromLatin1(table), QString::fromLatin1(key), value))
      .toDouble();
}

TEST(Chenggu, RowCounts) {
  TestDb db("dream.dll");
  EXPECT_EQ(db.Int("select count(*) from chenggu1"), 201);
  EXPECT_EQ(db.Int("select count(*) from chenggu2"), 12);
  EXPECT_EQ(db.Int("select count(*) from chenggu3"), 30);
  EXPECT_EQ(db.Int("select count(*) from chenggu4"), 24);
  EXPECT_EQ(db.Int("select count(*) from chenggu"), 52);
  EXPECT_EQ(db.Text("select min(cast(year as integer)) from chenggu1"), QStringLiteral("1900"));
  EXPECT_EQ(db.Text("select max(cast(year as integer)) from chenggu1"), QStringLiteral("2100"));
}

// Years carry the weight of their sexagenary year; keys are decimal texts.
TEST(Chenggu, YearsByTheirSexagenaryYear) {
  TestDb db("dream.dll");
  struct Case { int year; double weight; const char* ganzhi; };
  const Case cases[] = {
      {1900, 0.7, "庚子"}, {1984, 1.2, "甲子"}, {2044, 1.2, "甲子"}, {1924, 1.2, "甲子"},
      {2000, 1.2, "庚辰"}, {2023, 1.2, "癸卯"}, {1983, 0.6, "癸亥 (chncal's value)"},
      {2010, 0.9, "庚寅"}, {2100, 0.8, "庚申"},
  };
  for (const Case& c : cases) {
    EXPECT_DOUBLE_EQ(Weight(db, "chenggu1", "year", QString::number(c.year)), c.weight)
        << c.year << " " << c.ganzhi;
  }
  EXPECT_TRUE(db.Text("select weight from chenggu1 where year = '01984'").isNull());
}

TEST(Chenggu, MonthsDaysAndHours) {
  TestDb db("dream.dll");
  EXPECT_DOUBLE_EQ(Weight(db, "chenggu2", "month2", "1"), 0.6);
  EXPECT_DOUBLE_EQ(Weight(db, "chenggu2", "month2", "12"), 0.5);
  EXPECT_DOUBLE_EQ(Weight(db, "chenggu3", "day2", "1"), 0.5);
  EXPECT_DOUBLE_EQ(Weight(db, "chenggu3", "day2", "20"), 1.0);  // chncal's value
  EXPECT_DOUBLE_EQ(Weight(db, "chenggu3", "day2", "30"), 0.6);
  // Hours by their two-hour branch: 23 and 0 子, 1–2 丑, 3–4 寅, … 21–22 亥.
  const double branchWeight[12] = {1.6, 0.6, 0.7, 1.0, 0.9, 1.6, 1.0, 0.8, 0.8, 0.9, 0.6, 0.6};
  for (int h = 0; h < 24; ++h) {
    EXPECT_DOUBLE_EQ(Weight(db, "chenggu4", "time", QString::number(h)),
                     branchWeight[((h + 1) / 2) % 12])
        << h;
  }
}

// Every total the four tables can produce has its verse (and its explanation when the
// prose file is present), under the code the program forms: 两 digit and 钱 digit.
TEST(Chenggu, EveryReachableTotalHasAVerse) {
  TestDb db("dream.dll");
  QSet<int> tenths;
  QList<int> years, months, days, hours;
  for (const auto& r : db.Rows("select distinct weight from chenggu1")) years << std::lround(r[0].toDouble() * 10);
  for (const auto& r : db.Rows("select weight from chenggu2")) months << std::lround(r[0].toDouble() * 10);
  for (const auto& r : db.Rows("select weight from chenggu3")) days << std::lround(r[0].toDouble() * 10);
  for (const auto& r : db.Rows("select weight from chenggu4")) hours << std::lround(r[0].toDouble() * 10);
  for (int y : years)
    for (int m : months)
      for (int d : days)
        for (int h : hours) tenths.insert(y + m + d + h);
  EXPECT_EQ(*std::min_element(tenths.begin(), tenths.end()), 21);
  EXPECT_EQ(*std::max_element(tenths.begin(), tenths.end()), 71);
  const bool prose = RefdataFileExists(QStringLiteral("texts/chenggu.tsv"));
  for (int t : tenths) {
    const QString code = QString::number(t / 10) + QString::number(t % 10);
    const auto rows = db.Rows(
        QStringLiteral("select content, content2 from chenggu where weight = '%1'").arg(code));
    ASSERT_EQ(rows.size(), 1) << code.toStdString();
    EXPECT_FALSE(rows[0][0].trimmed().isEmpty()) << code.toStdString();
    if (prose) {
      EXPECT_FALSE(rows[0][1].trimmed().isEmpty()) << code.toStdString();
    }
  }
  EXPECT_TRUE(db.Text("select content from chenggu where weight = '38'")
                  .startsWith(QStringLiteral("一生骨肉最清高")));
}

}  // namespace
}  // namespace velmora::refdata_test

namespace velmora::refdata_test {
namespace {

// The 解梦 dictionary and the curated nicknames: the sizes and spread the windows promise,
// each text present, every nickname of a known sex.
TEST(Readings, DreamsAndNicknamesAreComplete) {
  TestDb dream("dream.dll");
  EXPECT_GE(dream.Int("select count(*) from jm"), 400);
  EXPECT_EQ(dream.Int("select count(*) from (select category from jm group by category having count(*) >= 25)"), 9);
  EXPECT_EQ(dream.Int("select count(*) from jm where length(reading) < 30 or keyword = ''"), 0);
  TestDb pelvano("Pelvano.dll");
  EXPECT_GE(pelvano.Int("select count(*) from xiaoming"), 300);
  EXPECT_EQ(pelvano.Int("select count(*) from xiaoming where xb not in ('男', '女', '1') or length(meaning) < 6"), 0);
}

}  // namespace
}  // namespace velmora::refdata_test
