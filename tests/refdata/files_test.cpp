// files_test.cpp: the five files together: present, SQLite, within the size budget.
#include "test_db.h"

#include <QFileInfo>

namespace velmora::refdata_test {
namespace {

TEST(Files, FiveDatabasesWithinBudget) {
  qint64 total = 0;
  for (const char* name : {"Pelvano.dll", "KelFile.dll", "dream.dll", "KelBirth.dll", "Tgcode.dll"}) {
    const QFileInfo info(DbPath(name));
    ASSERT_TRUE(info.exists()) << name;
    TestDb db(name);
    EXPECT_EQ(db.Text("pragma integrity_check"), QStringLiteral("ok")) << name;
    std::printf("%-13s %7.1f MB\n", name, info.size() / 1e6);
    total += info.size();
    // No temporary file of a finished build is left behind.
    EXPECT_FALSE(QFileInfo::exists(DbPath(name) + QStringLiteral(".tmp"))) << name;
  }
  std::printf("total         %7.1f MB\n", total / 1e6);
  EXPECT_LE(total, 150LL * 1000 * 1000);
}

}  // namespace
}  // namespace velmora::refdata_test
