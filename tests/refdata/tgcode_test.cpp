// tgcode_test.cpp: the birth-chart tables of Tgcode.dll.
#include "test_db.h"

namespace velmora::refdata_test {
namespace {

const QString kStems = QStringLiteral("甲乙丙丁戊己庚辛壬癸");

// Ten gods seen from each day stem (rows) toward each stem 甲..癸 (columns).
TEST(Shishen, AllHundredPairs) {
  TestDb db("Tgcode.dll");
  const char* table[10][10] = {
      // 甲: yang wood
      {"比肩", "劫财", "食神", "伤官", "偏财", "正财", "七杀", "正官", "偏印", "正印"},
      // 乙: yin wood
      {"劫财", "比肩", "伤官", "食神", "正财", "偏财", "正官", "七杀", "正印", "偏印"},
      // 丙: yang fire
      {"偏印", "正印", "比肩", "劫财", "食神", "伤官", "偏财", "正财", "七杀", "正官"},
      // 丁: yin fire
      {"正印", "偏印", "劫财", "比肩", "伤官", "食神", "正财", "偏财", "正官", "七杀"},
      // 戊: yang earth
      {"七杀", "正官", "偏印", "正印", "比肩", "劫财", "食神", "伤官", "偏财", "正财"},
      // 己: yin earth
      {"正官", "七杀", "正印", "偏印", "劫财", "比肩", "伤官", "食神", "正财", "偏财"},
      // 庚: yang metal
      {"偏财", "正财", "七杀", "正官", "偏印", "正印", "比肩", "劫财", "食神", "伤官"},
      // 辛: yin metal
      {"正财", "偏财", "正官", "七杀", "正印", "偏印", "劫财", "比肩", "伤官", "食神"},
      // 壬: yang water
      {"食神", "伤官", "偏财", "正财", "七杀", "正官", "偏印", "正印", "比肩", "劫财"},
      // 癸: yin water
      {"伤官", "食神", "正财", "偏财", "正官", "七杀", "正印", "偏印", "劫财", "比肩"},
  };
  EXPECT_EQ(db.Int("select count(*) from Shishen"), 100);
  for (int d = 0; d < 10; ++d) {
    for (int o = 0; o < 10; ++o) {
      const QString key = QString(kStems[d]) + kStems[o];
      EXPECT_EQ(db.Text(QStringLiteral("select ShiShen from Shishen where jiazi = '%1' ").arg(key)),
                QString::fromUtf8(table[d][o]))
          << key.toStdString();
    }
  }
}

TEST(Jiazi, TheSixtyNayin) {
  TestDb db("Tgcode.dll");
  const char* table[][2] = {
      {"甲子", "海中金"}, {"乙丑", "海中金"}, {"丙寅", "炉中火"}, {"丁卯", "炉中火"},
      {"戊辰", "大林木"}, {"己巳", "大林木"}, {"庚午", "路旁土"}, {"辛未", "路旁土"},
      {"壬申", "剑锋金"}, {"癸酉", "剑锋金"}, {"甲戌", "山头火"}, {"乙亥", "山头火"},
      {"丙子", "涧下水"}, {"丁丑", "涧下水"}, {"戊寅", "城头土"}, {"己卯", "城头土"},
      {"庚辰", "白蜡金"}, {"辛巳", "白蜡金"}, {"壬午", "杨柳木"}, {"癸未", "杨柳木"},
      {"甲申", "泉中水"}, {"乙酉", "泉中水"}, {"丙戌", "屋上土"}, {"丁亥", "屋上土"},
      {"戊子", "霹雳火"}, {"己丑", "霹雳火"}, {"庚寅", "松柏木"}, {"辛卯", "松柏木"},
      {"壬辰", "长流水"}, {"癸巳", "长流水"}, {"甲午", "沙中金"}, {"乙未", "沙中金"},
      {"丙申", "山下火"}, {"丁酉", "山下火"}, {"戊戌", "平地木"}, {"己亥", "平地木"},
      {"庚子", "壁上土"}, {"辛丑", "壁上土"}, {"壬寅", "金箔金"}, {"癸卯", "金箔金"},
      {"甲辰", "覆灯火"}, {"乙巳", "覆灯火"}, {"丙午", "天河水"}, {"丁未", "天河水"},
      {"戊申", "大驿土"}, {"己酉", "大驿土"}, {"庚戌", "钗钏金"}, {"辛亥", "钗钏金"},
      {"壬子", "桑柘木"}, {"癸丑", "桑柘木"}, {"甲寅", "大溪水"}, {"乙卯", "大溪水"},
      {"丙辰", "沙中土"}, {"丁巳", "沙中土"}, {"戊午", "天上火"}, {"己未", "天上火"},
      {"庚申", "石榴木"}, {"辛酉", "石榴木"}, {"壬戌", "大海水"}, {"癸亥", "大海水"},
  };
  EXPECT_EQ(db.Int("select count(*) from jiazi"), 60);
  for (const auto& row : table) {
    EXPECT_EQ(db.Text(QStringLiteral("select layin from jiazi where jiazi = '%1' ")
                          .arg(QString::fromUtf8(row[0]))),
              QString::fromUtf8(row[1]))
        << row[0];
  }
}

// The containment search of the element lookup finds exactly one row for every stem
// and branch.
TEST(Hzwh, EveryStemAndBranchFindsItsElement) {
  TestDb db("Tgcode.dll");
  const char* table[][2] = {
      {"甲", "木"}, {"乙", "木"}, {"丙", "火"}, {"丁", "火"}, {"戊", "土"}, {"己", "土"},
      {"庚", "金"}, {"辛", "金"}, {"壬", "水"}, {"癸", "水"},
      {"子", "水"}, {"丑", "土"}, {"寅", "木"}, {"卯", "木"}, {"辰", "土"}, {"巳", "火"},
      {"午", "火"}, {"未", "土"}, {"申", "金"}, {"酉", "金"}, {"戌", "土"}, {"亥", "水"},
  };
  for (const auto& row : table) {
    const auto rows = db.Rows(QStringLiteral("select wh from hzwh where hz like '%%1%'")
                                  .arg(QString::fromUtf8(row[0])));
    ASSERT_EQ(rows.size(), 1) << row[0];
    EXPECT_EQ(rows[0][0], QString::fromUtf8(row[1])) << row[0];
  }
}

TEST(Jq, EveryTermOfEveryYear) {
  TestDb db("Tgcode.dll");
  EXPECT_EQ(db.Int("select count(*) from JQ"), 201 * 24);
  EXPECT_EQ(db.Int("select count(*) from (select YearA from JQ group by YearA "
                   "having count(*) = 24 and count(distinct JQ) = 24)"),
            201);
  EXPECT_EQ(db.Int("select min(YearA) from JQ"), 1900);
  EXPECT_EQ(db.Int("select max(YearA) from JQ"), 2100);
  EXPECT_EQ(db.Int("select count(*) from JQ where YearA <> cast(strftime('%Y', SJ) as integer)"), 0);
}

// Instants in Beijing time, checked against the chncal list.
TEST(Jq, SpotChecks) {
  TestDb db("Tgcode.dll");
  struct Case { int year; const char* term; const char* instant; };
  const Case cases[] = {
      {2000, "立春", "2000-02-04 20:40:24"},
      {2023, "冬至", "2023-12-22 11:27:09"},
      {1900, "小寒", "1900-01-06 02:03:57"},
      {1949, "立冬", "1949-11-08 01:59:46"},
      {1984, "立春", "1984-02-04 23:18:44"},
      {2008, "清明", "2008-04-04 17:45:51"},
      {2024, "立春", "2024-02-04 16:26:53"},
      {2050, "夏至", "2050-06-21 11:32:14"},
      {2100, "冬至", "2100-12-22 03:50:20"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(db.Text(QStringLiteral("select SJ from JQ where YearA = %1 and JQ = '%2'")
                          .arg(c.year)
                          .arg(QString::fromUtf8(c.term))),
              QString::fromLatin1(c.instant))
        << c.year << c.term;
  }
  // The birth chart's statement, with FORMAT(SJ,'yyyy-mm-dd') answered by strftime.
  EXPECT_EQ(db.Text("select SJ from JQ where YearA = 2000  and JQ in ('立春','惊蛰','清明','立夏',"
                    "'芒种','小暑','立秋','白露','寒露','立冬','大雪','小寒') and "
                    "strftime('%Y-%m-%d', SJ) = '2000-02-04' limit 1"),
            QStringLiteral("2000-02-04 20:40:24"));
}

TEST(SeasonalTexts, KeysAndTexts) {
  TestDb db("Tgcode.dll");
  EXPECT_EQ(db.Int("select count(*) from sjrs"), 20);
  EXPECT_EQ(db.Int("select count(distinct wh || sj) from sjrs"), 20);
  EXPECT_EQ(db.Int("select count(*) from qtbj"), 120);
  EXPECT_EQ(db.Int("select count(distinct tg || dz) from qtbj"), 120);
  if (RefdataFileExists(QStringLiteral("texts/sjrs.tsv"))) {
    EXPECT_EQ(db.Int("select count(*) from sjrs where trim(coalesce(sjrs, '')) = ''"), 0);
  }
  if (RefdataFileExists(QStringLiteral("texts/qtbj.tsv"))) {
    EXPECT_EQ(db.Int("select count(*) from qtbj where trim(coalesce(content, '')) = ''"), 0);
  }
  EXPECT_FALSE(db.Text("select  sjrs from sjrs where wh = '木' and sj = '春' ").isNull());
  EXPECT_FALSE(db.Text("select  content from qtbj where tg = '甲' and dz = '寅' ").isNull());
}

}  // namespace
}  // namespace velmora::refdata_test
