// cycles_test.cpp: wrapping and stepping of the stem, branch, element and 60-cycle types.
#include "calendar/cycles.h"

#include <gtest/gtest.h>

namespace velmora::calendar {
namespace {

// The cycles are constexpr: checked at compile time as well.
static_assert(Tiangan::FromIndex(-1).index() == 9);
static_assert(Dizhi::FromIndex(25).index() == 1);
static_assert(GanZhi::FromIndex(-61).index() == 59);
static_assert(Element::FromIndex(0).overcomes().index() == 2);

TEST(Cycles, WrapAndStep) {
  struct Case { int n; int gan; int zhi; int gz; int element; };
  const Case cases[] = {
      {0, 0, 0, 0, 0},        // origin
      {9, 9, 9, 9, 4},        // last stem
      {10, 0, 10, 10, 0},     // stems wrap at 10
      {12, 2, 0, 12, 2},      // branches wrap at 12
      {59, 9, 11, 59, 4},     // 癸亥
      {60, 0, 0, 0, 0},       // the 60-cycle wraps
      {-1, 9, 11, 59, 4},     // negatives wrap backwards
      {-121, 9, 11, 59, 4},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Tiangan::FromIndex(c.n).index(), c.gan) << c.n;
    EXPECT_EQ(Dizhi::FromIndex(c.n).index(), c.zhi) << c.n;
    EXPECT_EQ(GanZhi::FromIndex(c.n).index(), c.gz) << c.n;
    EXPECT_EQ(Element::FromIndex(c.n).index(), c.element) << c.n;
  }
}

TEST(Cycles, GanZhiSplitsIntoStemAndBranch) {
  EXPECT_EQ(GanZhi::FromIndex(16).gan(), Tiangan::FromIndex(6));  // 庚辰 = 16
  EXPECT_EQ(GanZhi::FromIndex(16).zhi(), Dizhi::FromIndex(4));
  EXPECT_EQ(GanZhi::FromIndex(59).next(), GanZhi::FromIndex(0));
  EXPECT_EQ(Tiangan::FromIndex(0).next(-1), Tiangan::FromIndex(9));
  EXPECT_TRUE(Tiangan::FromIndex(0).yang());   // 甲 is yang
  EXPECT_FALSE(Tiangan::FromIndex(1).yang());  // 乙 is yin
}

TEST(Cycles, ElementRelations) {
  struct Case { int from; int generates; int overcomes; };
  const Case cases[] = {
      {0, 1, 2},  // 木 generates 火, overcomes 土
      {1, 2, 3},  // 火 generates 土, overcomes 金
      {2, 3, 4},  // 土 generates 金, overcomes 水
      {3, 4, 0},  // 金 generates 水, overcomes 木
      {4, 0, 1},  // 水 generates 木, overcomes 火
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Element::FromIndex(c.from).generates().index(), c.generates) << c.from;
    EXPECT_EQ(Element::FromIndex(c.from).overcomes().index(), c.overcomes) << c.from;
  }
}

}  // namespace
}  // namespace velmora::calendar
