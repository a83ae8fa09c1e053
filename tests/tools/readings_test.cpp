// The 解梦 search and the 小名 proposals, on data held in the test: what a parent typing a
// dream or asking for nicknames meets first, and what is never offered.
#include "tools/jiemeng.h"
#include "tools/xiaoming.h"

#include <gtest/gtest.h>

namespace velmora::tools {
namespace {

QString U(const char* s) { return QString::fromUtf8(s); }

DreamDictionary Dreams() {
  return DreamDictionary({
      {U("蛇"), U("动物"), {U("大蛇"), U("蛇缠身")}, U("r1")},
      {U("蛇咬"), U("动物"), {U("被蛇咬")}, U("r2")},
      {U("掉牙"), U("身体"), {U("牙齿脱落"), U("牙掉了")}, U("r3")},
      {U("牙"), U("身体"), {}, U("r4")},
      {U("下雨"), U("自然"), {U("雨")}, U("r5")},
  });
}

QStringList Keywords(const DreamDictionary& d, const std::vector<int>& found) {
  QStringList out;
  for (int i : found) out << d.Entries()[static_cast<std::size_t>(i)].keyword;
  return out;
}

TEST(DreamSearch, FindsTheDreamAPersonDescribes) {
  const DreamDictionary d = Dreams();
  const struct {
    const char* typed;
    QStringList found;
  } rows[] = {
      {"蛇", {U("蛇"), U("蛇咬")}},            // the keyword itself first, then what holds it
      {"梦见被蛇咬了", {U("蛇咬"), U("蛇")}},  // the longer dream the text holds comes first
      {"牙掉了", {U("掉牙"), U("牙")}},        // an alias
      {"雨", {U("下雨")}},                     // an alias equal to the text
      {"  梦到 ", {}},                         // nothing but what every dream says
      {"飞机", {}},
  };
  for (const auto& row : rows) EXPECT_EQ(Keywords(d, d.Search(U(row.typed))), row.found) << row.typed;
  EXPECT_EQ(Keywords(d, d.InCategory(U("身体"))), QStringList({U("掉牙"), U("牙")}));
  EXPECT_EQ(d.Categories().first(), U("人物"));  // the fixed order, whatever the data holds
}

TEST(Nicknames, FromTheNameThenTheListForTheSexWithoutBadOnes) {
  NicknameSources s;
  s.curated = {{U("豆豆"), U("1"), U("m1")}, {U("铁柱"), U("男"), U("m2")}, {U("朵朵"), U("女"), U("m3")},
               {U("妍宝"), U("女"), U("m4")}, {U("小三"), U("1"), U("m5")}};
  s.meaningOf = [](const QString& c) { return c == U("清") ? U("水清见底") : QString(); };
  s.check = [](const QString& n) { return n == U("小三") ? U("第三者") : QString(); };
  const NicknameResult girl = MakeNicknames(U("清妍"), false, s);
  QStringList texts;
  for (const Nickname& n : girl.nicknames) texts << n.text;
  // Doubled, 小 and 阿 for each character; then the list's nicknames for girls, one
  // sharing a character of the name first; 铁柱 is for boys, 小三 reads badly.
  EXPECT_EQ(texts, QStringList({U("清清"), U("小清"), U("阿清"), U("妍妍"), U("小妍"), U("阿妍"), U("妍宝"), U("豆豆"),
                                U("朵朵")}));
  EXPECT_TRUE(girl.nicknames[0].meaning.contains(U("水清见底")));
  EXPECT_EQ(girl.refused, QStringList({U("小三：第三者")}));
  // No given name: the list alone; the same character twice is proposed once.
  EXPECT_EQ(MakeNicknames(QString(), true, s).nicknames.size(), 2u);
  EXPECT_EQ(MakeNicknames(U("乐乐"), true, s).nicknames.size(), 3u + 2u);
}

}  // namespace
}  // namespace velmora::tools
