// number_wuxing_test.cpp: the element of a number by its last digit.
#include "calendar/number_wuxing.h"

#include <gtest/gtest.h>

namespace velmora::calendar {
namespace {

TEST(NumberWuxing, LastDigit) {
  struct Case { int n; const char* element; };
  const Case cases[] = {
      {1, "木"}, {2, "木"},     // 1, 2 wood
      {3, "火"}, {4, "火"},     // 3, 4 fire
      {5, "土"}, {6, "土"},     // 5, 6 earth
      {7, "金"}, {8, "金"},     // 7, 8 metal
      {9, "水"}, {0, "水"},     // 9, 0 water
      {10, "水"}, {21, "木"},   // only the last digit counts
      {80, "水"}, {81, "木"}, {144, "火"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NumberWuxing(c.n), QString::fromUtf8(c.element)) << c.n;
  }
}

TEST(NumberWuxing, NegativeGivesEmptyText) {
  EXPECT_TRUE(NumberWuxing(-1).isEmpty());
  EXPECT_TRUE(NumberWuxing(-10).isEmpty());
}

TEST(NumberWuxingTriple, JoinsInOrder) {
  EXPECT_EQ(NumberWuxingTriple(11, 23, 18), QStringLiteral("木火金"));
  EXPECT_EQ(NumberWuxingTriple(8, 12, 14), QStringLiteral("金木火"));  // heaven, person, earth
  EXPECT_EQ(NumberWuxingTriple(1, 1, 0), QStringLiteral("木木水"));
  EXPECT_EQ(NumberWuxingTriple(1, -1, 0), QStringLiteral("木水"));
}

}  // namespace
}  // namespace velmora::calendar
