// score_scale_test.cpp: the two paths of the name score agree on the built databases.
//
// NameScore reads zh.zf when the four stroke counts have a row and otherwise computes
// ComputedPlanScore from the grids and the grade in KelFile.dll's table sancai. For every
// combination zh holds, the computed path must give the stored value; a name outside the
// table is then scored on the same scale as the names inside it.
#include "naming/wuge.h"
#include "test_db.h"

#include <QHash>

namespace velmora::refdata_test {
namespace {

TEST(ScoreScale, TheComputedPathGivesEveryStoredScore) {
  QHash<QString, int> grades;  // the grades NameScore's computed path asks for
  for (const QStringList& row : TestDb("KelFile.dll").Rows("select title, djc from sancai")) {
    grades.insert(row[0], row[1].toInt());
  }
  ASSERT_EQ(grades.size(), 125);

  TestDb db("Pelvano.dll");
  sqlite3_stmt* stmt = nullptr;
  ASSERT_EQ(sqlite3_prepare_v2(db.handle(), "select bh11, bh12, bh21, bh22, zf from zh", -1, &stmt, nullptr),
            SQLITE_OK);
  long long rows = 0, mismatches = 0;
  while (sqlite3_step(stmt) == SQLITE_ROW) {
    ++rows;
    int s[4];
    for (int i = 0; i < 4; ++i) s[i] = sqlite3_column_int(stmt, i);
    const int zf = sqlite3_column_int(stmt, 4);
    const naming::Wuge w = naming::WugeFromStrokes({s[0], s[1], s[2], s[3], s[1] > 0, s[3] > 0});
    const int computed = naming::ComputedPlanScore(w, grades.value(naming::SancaiOf(w)));
    if (computed != zf && ++mismatches <= 5) {
      ADD_FAILURE() << s[0] << "-" << s[1] << "-" << s[2] << "-" << s[3] << ": zh " << zf
                    << ", computed " << computed;
    }
  }
  sqlite3_finalize(stmt);
  EXPECT_EQ(rows, 1774224);
  EXPECT_EQ(mismatches, 0);
}

}  // namespace
}  // namespace velmora::refdata_test
