// zh_test.cpp: table zh of Pelvano.dll against the scoring model.
//
// Every row is recomputed from its stroke counts with src/naming/wuge.h: shape, plan
// score, five-grid text, three-talent text, and the plan order of jxjx, which also
// depends on the candidate characters of word.
#include "naming/wuge.h"
#include "plan_order.h"
#include "test_db.h"

#include <QMap>
#include <QSet>

#include <tuple>

namespace velmora::refdata_test {
namespace {

using naming::NumberClass;
using naming::NumberClassOf;

TEST(Zh, HoldsEveryCombinationOfTheFourShapes) {
  TestDb db("Pelvano.dll");
  // 36^2 + 2·36^3 + 36^4
  EXPECT_EQ(db.Int("select count(*) from zh"), 1774224);
  EXPECT_EQ(db.Int("select count(*) from zh where lx = 11"), 36 * 36);
  EXPECT_EQ(db.Int("select count(*) from zh where lx = 12"), 36 * 36 * 36);
  EXPECT_EQ(db.Int("select count(*) from zh where lx = 21"), 36 * 36 * 36);
  EXPECT_EQ(db.Int("select count(*) from zh where lx = 22"), 36 * 36 * 36 * 36);
  // Computed scores lie in 68..100 (all grids unlucky with grade 7 .. all lucky with grade 1).
  EXPECT_GE(db.Int("select min(zf) from zh"), 54);
  EXPECT_EQ(db.Int("select max(zf) from zh"), 80);
}

// Stroke counts with at least kEnoughCandidates candidates for boys and for girls.
QSet<int> PracticalStrokes(const TestDb& db) {
  QSet<int> practical;
  for (const QStringList& r :
       db.Rows("select bh from word where aflag is null group by bh having sum(nan = 1) >= " +
               QString::number(refdb_build::kEnoughCandidates) + " and sum(nv = 1) >= " +
               QString::number(refdb_build::kEnoughCandidates))) {
    practical.insert(r[0].toInt());
  }
  return practical;
}

TEST(Zh, EveryRowAgreesWithTheScoringModel) {
  TestDb db("Pelvano.dll");
  const QSet<int> practical = PracticalStrokes(db);
  ASSERT_FALSE(practical.isEmpty());
  sqlite3_stmt* stmt = nullptr;
  ASSERT_EQ(sqlite3_prepare_v2(db.handle(),
                               "select lx, bh11, bh12, bh21, bh22, zf, jxjx, wg, sc from zh",
                               -1, &stmt, nullptr),
            SQLITE_OK);
  // The plan order: practical given-name strokes first, then all of 人格, 地格, 总格
  // lucky, then grade, then score descending. jxjx must be a strictly increasing
  // function of that tuple.
  using Order = std::tuple<int, int, int, int>;  // (sparse, not all lucky, grade, −halves)
  QMap<Order, int> keyOf;
  long long rows = 0;
  long long mismatches = 0;
  while (sqlite3_step(stmt) == SQLITE_ROW) {
    const int lx = sqlite3_column_int(stmt, 0);
    const int s1 = sqlite3_column_int(stmt, 1);
    const int s2 = sqlite3_column_int(stmt, 2);
    const int g1 = sqlite3_column_int(stmt, 3);
    const int g2 = sqlite3_column_int(stmt, 4);
    const int zf = sqlite3_column_int(stmt, 5);
    const int jxjx = sqlite3_column_int(stmt, 6);
    const QString wg = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 7)));
    const QString sc = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 8)));
    ++rows;

    const naming::NameStrokes strokes{s1, s2, g1, g2, s2 > 0, g2 > 0};
    const naming::Wuge w = naming::WugeFromStrokes(strokes);
    const QString expectSc = naming::SancaiOf(w);
    const int grade = naming::SancaiGrade(expectSc);
    const double score = naming::ComputedNameScore(w, grade);
    const QString expectWg = QStringLiteral("%1-%2-%3-%4-%5")
                                 .arg(w.tiange).arg(w.renge).arg(w.dige).arg(w.zongge).arg(w.waige);
    const bool ok = lx == (s2 > 0 ? 20 : 10) + (g2 > 0 ? 2 : 1) && s1 >= 1 && s1 <= 36 &&
                    g1 >= 1 && g1 <= 36 && zf == naming::PlanScore(score) &&
                    zf == static_cast<int>(std::lround(score * 0.8)) && wg == expectWg &&
                    sc == expectSc;
    if (!ok && ++mismatches <= 5) {
      ADD_FAILURE() << "row " << s1 << " " << s2 << " " << g1 << " " << g2 << ": lx " << lx
                    << " zf " << zf << " wg " << wg.toStdString() << " sc " << sc.toStdString()
                    << "; expected wg " << expectWg.toStdString() << " sc "
                    << expectSc.toStdString() << " score " << score;
    }
    const bool allLucky = NumberClassOf(w.renge) == NumberClass::Lucky &&
                          NumberClassOf(w.dige) == NumberClass::Lucky &&
                          NumberClassOf(w.zongge) == NumberClass::Lucky;
    const bool usable = practical.contains(g1) && (g2 == 0 || practical.contains(g2));
    const Order order{usable ? 0 : 1, allLucky ? 0 : 1, grade, -static_cast<int>(score * 2)};
    const auto it = keyOf.constFind(order);
    if (it == keyOf.constEnd()) {
      keyOf.insert(order, jxjx);
    } else if (it.value() != jxjx && ++mismatches <= 5) {
      ADD_FAILURE() << "one plan order, two keys: " << it.value() << " and " << jxjx;
    }
  }
  sqlite3_finalize(stmt);
  EXPECT_EQ(rows, 1774224);
  EXPECT_EQ(mismatches, 0);
  int previous = -1;
  for (auto it = keyOf.constBegin(); it != keyOf.constEnd(); ++it) {
    EXPECT_GT(it.value(), previous) << "jxjx does not follow the plan order";
    previous = it.value();
  }
}

// The worked example of the scoring model: surname 7, given name 5 and 9 strokes.
TEST(Zh, WorkedExamples) {
  TestDb db("Pelvano.dll");
  const auto row = [&](const char* where) {
    return db.Rows(QStringLiteral("select lx, zf, wg, sc from zh where ") +
                   QString::fromLatin1(where)).value(0);
  };
  // 天8 人12 地14 总21 外10, 金木火: grade 6 (13 points), 65 + 13 = 78 → 62.
  EXPECT_EQ(row("bh11 = 7 and bh12 = 0 and bh21 = 5 and bh22 = 9"),
            (QStringList{"12", "62", "8-12-14-21-10", "金木火"}));
  // Double surname 12, 8 and single given name 6: 天20 人14 地7 总26 外13.
  EXPECT_EQ(row("bh11 = 12 and bh12 = 8 and bh21 = 6 and bh22 = 0").value(2),
            QStringLiteral("20-14-7-26-13"));
  // Single surname and single given name: 外格 is always 2.
  EXPECT_EQ(row("bh11 = 30 and bh12 = 0 and bh21 = 17 and bh22 = 0").value(2).section(u'-', 4),
            QStringLiteral("2"));
  // 总格 36·4 = 144 wraps to 64; double both parts: 外格 = s1 + g2 = 72.
  EXPECT_EQ(row("bh11 = 36 and bh12 = 36 and bh21 = 36 and bh22 = 36").value(2),
            QStringLiteral("72-72-72-64-72"));
}

// Boys' or girls' names that classic mode's join of word gives for one plan.
long long NamesOfPlan(const TestDb& db, bool boys, int b, int c) {
  const QString g = boys ? QStringLiteral("(xb = '男' or nan = 1 or xb = '1')")
                         : QStringLiteral("(xb = '女' or nv = 1 or xb = '1' or xb = '0')");
  const QString n = boys ? QStringLiteral("nan") : QStringLiteral("nv");
  return db.Int(QStringLiteral("select count(*) from (select %2 from word where aflag is null "
                               "and %1 and bh = %3) a, (select %2 from word where aflag is "
                               "null and %1 and %2 = 1 and bh = %4) b where a.%2 + b.%2 > 0")
                    .arg(g, n)
                    .arg(b)
                    .arg(c));
}

TEST(Zh, TheBestPlansComeFirst) {
  TestDb db("Pelvano.dll");
  // The plan statement with 只取 70 for 江 (7), 张 (11), 王 (4), 欧阳 (15, 17) and a
  // two-character given name: every listed plan gives a parent at least 30 names of
  // either sex, and within one group and grade the higher score comes first.
  const char* surnames[] = {"lx = 12 and bh11 = 7", "lx = 12 and bh11 = 11",
                            "lx = 12 and bh11 = 4", "lx = 22 and bh11 = 15 and bh12 = 17"};
  for (const char* where : surnames) {
    const auto plans = db.Rows(
        QStringLiteral("select bh21, bh22, zf, jxjx from zh where bh21 < 25 and bh22 < 25 and ") +
        QString::fromLatin1(where) + " and zf >= 70 and zf <= 80 order by jxjx asc, zf asc limit 20");
    ASSERT_EQ(plans.size(), 20) << where;
    for (int i = 0; i < plans.size(); ++i) {
      const int b = plans[i][0].toInt();
      const int c = plans[i][1].toInt();
      EXPECT_GE(NamesOfPlan(db, true, b, c), 30) << where << ": " << b << "-" << c;
      EXPECT_GE(NamesOfPlan(db, false, b, c), 30) << where << ": " << b << "-" << c;
      if (i > 0 && plans[i][3].toInt() / 1000 == plans[i - 1][3].toInt() / 1000) {
        EXPECT_LE(plans[i][2].toInt(), plans[i - 1][2].toInt()) << where;
      }
    }
  }
}

TEST(Zh, StatementsUseTheirIndexes) {
  TestDb db("Pelvano.dll");
  const auto plan = [&](const QString& sql) {
    QStringList details;
    for (const QStringList& r : db.Rows(QStringLiteral("explain query plan ") + sql)) {
      details << r.value(3);
    }
    return details.join(u';');
  };
  EXPECT_TRUE(plan("select bh11,bh12,bh21,bh22,zf from zh where bh21 < 25 and bh22 < 25 and "
                   "lx = 22 and bh11 = 8 and bh12 = 12 and zf <= 80 order by jxjx asc,zf asc")
                  .contains(QStringLiteral("zh_plan")));
  EXPECT_TRUE(plan("select zf from zh where bh11 = 7 and bh12 = 0 and bh21 = 5 and bh22 = 9")
                  .contains(QStringLiteral("PRIMARY KEY")));
}

}  // namespace
}  // namespace velmora::refdata_test
