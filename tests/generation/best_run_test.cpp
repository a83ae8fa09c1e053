// 推荐模式's runs on the databases built beside the tests: the first pages keep every rule
// the mode promises, a chart favouring 水 fills two thirds of the first 30 names with a 水
// character, and the untouched birth boxes give no chart.
#include "generation/best_run.h"
#include "generation/stroke_plans.h"
#include "naming/name_check.h"
#include "refdb/connection.h"
#include "refdb/connection_text.h"
#include "text/gbk.h"

#include <QDir>
#include <QHash>

#include <gtest/gtest.h>

namespace velmora {
namespace {

QString U(const char* s) { return QString::fromUtf8(s); }

class BestBuilt : public ::testing::Test {
 protected:
  QString folder = QDir::toNativeSeparators(QStringLiteral(VELMORA_DB_DIR)) + QDir::separator();
  Connection connection{DbConnectionText(DbFile::PelvanoMain, folder)};
  Query adoTem{connection};
  BestRun run;
  std::vector<GridRow> rows = std::vector<GridRow>(500);
  QStringList reasons = QStringList(500);
  QStringList items;

  NamingControls Controls(const char* surname, bool male, const char* date = nullptr) {
    NamingControls c = NamingControls::Defaults();
    c.Xing.text = U(surname);
    c.CBsex.Select(male ? 0 : 1);
    if (date) {
      const QStringList ymd = U(date).split(u'-');
      c.SYear.text = ymd[0];
      c.SMonth.text = ymd[1];
      c.Sday.text = ymd[2];
      c.Shour.text = U("巳 10");
    }
    int planKind = 0;
    LoadStrokePlans(c, adoTem, U(surname), &planKind);
    return c;
  }
  // The first page of a run; its given names.
  QStringList FirstPage(const NamingControls& c) {
    items.clear();
    EXPECT_GT(run.Open(c, adoTem, folder, NameFilter::ForFolder(folder)), 1000);
    run.FillPage(500, rows, reasons, [this](const QString& item, qint64) { items << item; });
    QStringList given;
    for (const GridRow& r : rows) given << r[1].mid(text::Trim(c.Xing.text).size());
    return given;
  }
};

// Every name of the first page: not refused by the name checks, both characters for the
// child's sex, the strokes of a listed plan of at least 70 points, no character in more than
// a tenth of the rows, reasons that name it and its plan score.
TEST_F(BestBuilt, FirstPagesKeepEveryRule) {
  const auto checker = naming::NameChecker::For(folder);
  const auto data = BestData::For(folder);
  for (const auto& [surname, male] : {std::pair{"张", true}, std::pair{"欧阳", false}}) {
    SCOPED_TRACE(surname);
    const NamingControls c = Controls(surname, male);
    QSet<QString> plans;  // "s1[,s2],b,c" of every listed plan
    for (const QString& item : c.CBCode.items.mid(1)) {
      const QString s = item.section(u'|', 0, 0).replace(u'-', u',');
      const PlanItem p = ReadPlanItem(item, true);
      plans << QStringLiteral("%1,%2,%3").arg(s).arg(p.first).arg(p.second);
    }
    const QStringList given = FirstPage(c);
    ASSERT_EQ(items.size(), 500);
    QHash<QChar, int> uses;
    for (int i = 0; i < 500; ++i) {
      const QString& g = given[i];
      ASSERT_EQ(g.size(), 2);
      EXPECT_FALSE(checker->Refuses(U(surname), g)) << g.toStdString();
      for (QChar zi : g) {
        const BestChar* ch = data->Char(zi);
        ASSERT_TRUE(ch) << g.toStdString();
        EXPECT_TRUE(male ? ch->male : ch->female) << g.toStdString();
        ++uses[zi];
      }
      EXPECT_TRUE(plans.contains(rows[static_cast<std::size_t>(i)][5])) << rows[static_cast<std::size_t>(i)][5].toStdString();
      EXPECT_GE(rows[static_cast<std::size_t>(i)][8].toInt(), 70);
      EXPECT_TRUE(reasons[i].startsWith(g + U(" — "))) << reasons[i].toStdString();
      EXPECT_TRUE(reasons[i].contains(U("五格 ") + rows[static_cast<std::size_t>(i)][8] + U("分")));
    }
    for (auto it = uses.cbegin(); it != uses.cend(); ++it) EXPECT_LE(it.value(), 50) << QString(it.key()).toStdString();
  }
}

// 2024-07-15 10:00 favours 水 then 木: at least 20 of the first 30 names carry a 水
// character, for a one- and a two-character surname, a girl and a boy.
TEST_F(BestBuilt, AChartFavouringWaterFillsTwoThirds) {
  for (const auto& [surname, male] : {std::pair{"张", false}, std::pair{"欧阳", true}}) {
    const NamingControls c = Controls(surname, male, "2024-07-15");
    FirstPage(c);
    EXPECT_TRUE(run.ChartNote().startsWith(U("推荐顺序已参考八字：喜用：水、木。"))) << run.ChartNote().toStdString();
    int water = 0;
    for (int i = 0; i < 30; ++i) water += rows[static_cast<std::size_t>(i)][4].right(2).contains(U("水")) ? 1 : 0;
    EXPECT_GE(water, 20) << surname;
  }
}

// The birth boxes as the window starts (2010-01-01) are no birth date: the order is the
// one of an unusable date, and the strip says why; a real date changes it.
TEST_F(BestBuilt, UntouchedBirthBoxesGiveNoChart) {
  const QStringList untouched = FirstPage(Controls("王", true));
  EXPECT_TRUE(run.ChartNote().contains(U("未参考八字"))) << run.ChartNote().toStdString();
  NamingControls broken = Controls("王", true);
  broken.SMonth.text = U("13");
  EXPECT_EQ(FirstPage(broken), untouched);
  EXPECT_EQ(run.ChartNote(), U("出生日期无效，推荐顺序未参考八字。"));
  EXPECT_NE(FirstPage(Controls("王", true, "2024-07-15")).mid(0, 30), untouched.mid(0, 30));
}

}  // namespace
}  // namespace velmora
