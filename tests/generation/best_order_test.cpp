// best_order_test.cpp: 推荐模式's quality order on characters put together by hand: the
// chart's pull and its absence, the variety rule, the sex and place of each character, and
// what attestation does.
#include "calendar/vocabulary.h"
#include "generation/best_order.h"

#include <gtest/gtest.h>

#include <set>

namespace velmora {
namespace {

using calendar::Element;

QString U(const char* s) { return QString::fromUtf8(s); }

const Element kWood = Element::FromIndex(0), kFire = Element::FromIndex(1), kEarth = Element::FromIndex(2),
              kMetal = Element::FromIndex(3), kWater = Element::FromIndex(4);

// A candidate of both sexes, for either place, of 10 strokes, ranked `rank`.
BestChar Char(const char* zi, int rank, Element e, int bh = 10) {
  BestChar c;
  c.zi = U(zi).front();
  c.bh = bh;
  c.firstRank = c.secondRank = rank;
  c.male = c.female = true;
  c.element = e;
  c.wuhang = calendar::NameOf(e);
  return c;
}

BestInputs Inputs(bool male = true) {
  BestInputs in;
  in.surname = U("张");
  in.male = male;
  in.plans = {{10, 10, 75, QString(), QString()}};
  return in;
}

// Every name, in the order of the scores alone: pages of one row leave the variety rule out.
std::vector<QString> Order(const std::shared_ptr<BestData>& data, const BestInputs& in, int pageSize = 1) {
  BestOrder order(data, in);
  std::vector<QString> names;
  while (!order.Done()) {
    for (const BestName& n : order.NextPage(pageSize)) names.push_back(n.given);
  }
  return names;
}

bazi::Favourable WaterChart() {
  bazi::Favourable f;
  f.favoured = {kWater, kWood};
  f.avoided = {kEarth, kMetal};
  return f;
}

// Six characters of equal rank, one of each element and a second water one.
std::shared_ptr<BestData> EvenData(Element a = kWater, Element b = kFire, Element c = kEarth) {
  auto data = std::make_shared<BestData>();
  data->AddChar(Char("清", 5, a));
  data->AddChar(Char("晨", 5, b));
  data->AddChar(Char("轩", 5, c));
  data->AddChar(Char("林", 5, kWood));
  return data;
}

// Without a chart the order does not look at elements: swapping every character's element
// leaves it as it was. A default chart sneaking in would move the water names up.
TEST(BestOrder, WithoutAChartElementsDoNotCount) {
  const std::vector<QString> before = Order(EvenData(kWater, kFire, kEarth), Inputs());
  const std::vector<QString> after = Order(EvenData(kMetal, kWater, kFire), Inputs());
  EXPECT_EQ(before, after);
  EXPECT_EQ(before.size(), 12u);  // 4 × 4 less the four doubled characters
}

// A chart favouring water puts the names with 清 first and those with the avoided 轩 (土)
// last; 晨 (火, neither) in between.
TEST(BestOrder, TheChartPullsFavouredElementsUp) {
  BestInputs in = Inputs();
  in.chart = WaterChart();
  const std::vector<QString> names = Order(EvenData(), in);
  ASSERT_EQ(names.size(), 12u);
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(names[static_cast<std::size_t>(i)].contains(U("清"))) << names[static_cast<std::size_t>(i)].toStdString();
  for (int i = 9; i < 12; ++i) EXPECT_TRUE(names[static_cast<std::size_t>(i)].contains(U("轩"))) << names[static_cast<std::size_t>(i)].toStdString();
}

// A character on which the references split counts the mean of its two elements.
TEST(BestOrder, ASplitCharacterCountsHalf) {
  auto data = std::make_shared<BestData>();
  BestChar split = Char("明", 5, kFire);
  split.alt = kWater;
  data->AddChar(split);
  data->AddChar(Char("清", 5, kWater));
  data->AddChar(Char("晨", 5, kFire));
  data->AddChar(Char("一", 5, kEarth, 1));
  BestInputs in = Inputs();
  in.plans = {{10, 1, 75, QString(), QString()}};
  in.chart = WaterChart();
  in.chart->avoided.clear();
  EXPECT_EQ(Order(data, in), (std::vector<QString>{U("清一"), U("明一"), U("晨一")}));
}

// Within the first n rows of a page no character stands more than ⌈n / 10⌉ times,
// although one character (子, ranked far first) would take every row; and nothing is lost:
// every name comes once over the pages.
TEST(BestOrder, VarietyKeepsACharacterToATenthAndLosesNothing) {
  auto data = std::make_shared<BestData>();
  const char* seconds[] = {"涵", "轩", "墨", "琪", "睿", "萱", "辰", "航", "然", "宁", "言", "安",
                           "泽", "宇", "博", "文", "远", "诺", "一", "彤", "悦", "知", "乐", "初"};
  data->AddChar(Char("子", 1, kWater));
  int rank = 100;
  for (const char* s : seconds) data->AddChar(Char(s, rank++, kWood));
  BestInputs in = Inputs();
  BestOrder order(data, in);
  const std::vector<BestName> page = order.NextPage(30);
  QHash<QChar, int> uses;
  for (std::size_t row = 0; row < page.size(); ++row) {
    for (QChar c : page[row].given) ++uses[c];
    for (auto it = uses.cbegin(); it != uses.cend(); ++it)
      EXPECT_LE(it.value(), (static_cast<int>(row + 1) + 9) / 10) << "row " << row + 1;
  }
  EXPECT_EQ(page.size(), 30u);
  std::multiset<QString> all;
  for (const BestName& n : page) all.insert(n.given);
  while (!order.Done()) {
    for (const BestName& n : order.NextPage(30)) all.insert(n.given);
  }
  EXPECT_EQ(static_cast<int>(all.size()), order.Total());
  EXPECT_EQ(std::set<QString>(all.begin(), all.end()).size(), all.size());
}

// A girl's character never reaches a boy's name; a first-only character never stands
// second and a second-only one never first; the surname's character and a doubled one only
// as a curated name.
TEST(BestOrder, SexPlaceSurnameAndDoubling) {
  auto data = std::make_shared<BestData>();
  BestChar girl = Char("妍", 5, kWater);
  girl.male = false;
  BestChar firstOnly = Char("梓", 5, kWood);
  firstOnly.secondRank = 3005;
  BestChar secondOnly = Char("柱", 5, kWood);
  secondOnly.firstRank = 3005;
  data->AddChar(girl);
  data->AddChar(firstOnly);
  data->AddChar(secondOnly);
  data->AddChar(Char("张", 5, kFire));
  data->AddChar(Char("安", 5, kEarth));
  for (const QString& n : Order(data, Inputs(true))) {
    EXPECT_FALSE(n.contains(U("妍"))) << n.toStdString();
    EXPECT_NE(n[1], U("梓").front()) << n.toStdString();
    EXPECT_NE(n[0], U("柱").front()) << n.toStdString();
    EXPECT_FALSE(n.contains(U("张"))) << n.toStdString();
    EXPECT_NE(n[0], n[1]) << n.toStdString();
  }
  data->AddCurated(U("安安"), {U("1"), U("modern"), U("平安")});
  const std::vector<QString> names = Order(data, Inputs(true));
  EXPECT_NE(std::find(names.begin(), names.end(), U("安安")), names.end());

  // A character that sounds like the surname (章 after 张) comes after all its equals.
  auto echo = std::make_shared<BestData>();
  BestChar zhang = Char("章", 5, kFire);
  zhang.reading = U("zhāng");
  echo->AddChar(zhang);
  echo->AddChar(Char("晨", 5, kFire));
  echo->AddChar(Char("安", 5, kEarth));
  BestInputs in = Inputs(true);
  in.surnameSyllables = {U("zhang")};
  const std::vector<QString> echoed = Order(echo, in);
  ASSERT_EQ(echoed.size(), 6u);
  for (std::size_t i = 0; i < echoed.size(); ++i) EXPECT_EQ(echoed[i].contains(U("章")), i >= 2) << echoed[i].toStdString();
}

// A curated good name comes before a pair of far better-ranked characters that nobody
// curated (伟强); a poem pair before pairs of its characters' rank that no poem holds.
TEST(BestOrder, AttestationLiftsAPair) {
  auto data = std::make_shared<BestData>();
  data->AddChar(Char("伟", 1, kEarth, 11));
  data->AddChar(Char("强", 2, kWood, 12));
  data->AddChar(Char("思", 300, kMetal, 11));
  data->AddChar(Char("远", 300, kEarth, 12));
  data->AddChar(Char("文", 300, kWater, 11));
  data->AddChar(Char("博", 300, kWater, 12));
  data->AddCurated(U("思远"), {U("1"), U("modern"), U("思虑深远")});
  data->AddPoem(U("文博"), {16, U("某"), U("某诗"), U("文博…")});
  BestInputs in = Inputs();
  in.plans = {{11, 12, 75, QString(), QString()}};
  const std::vector<QString> names = Order(data, in);
  ASSERT_EQ(names.size(), 9u);
  EXPECT_EQ(names[0], U("思远"));
  const auto at = [&](const char* n) { return std::find(names.begin(), names.end(), U(n)) - names.begin(); };
  EXPECT_LT(at("伟强"), at("文博"));
  EXPECT_LT(at("文博"), at("文远"));
  EXPECT_LT(at("文博"), at("思博"));
}

}  // namespace
}  // namespace velmora
