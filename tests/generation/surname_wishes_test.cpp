// Surnames read as surnames, and the 不要的字 / 想要的字 every mode honours, on the databases
// built beside the tests.
#include "generation/char_wishes.h"
#include "generation/list_run.h"
#include "naming/surname_reading.h"
#include "refdb/connection.h"
#include "refdb/connection_text.h"

#include <QDir>

#include <gtest/gtest.h>

namespace velmora {
namespace {

QString U(const char* s) { return QString::fromUtf8(s); }

class Built : public ::testing::Test {
 protected:
  QString folder = QDir::toNativeSeparators(QStringLiteral(VELMORA_DB_DIR)) + QDir::separator();
  Connection connection{DbConnectionText(DbFile::PelvanoMain, folder)};
  Query adoTem{connection}, adoFenxi{connection};
};

TEST_F(Built, SurnamesAreReadAsSurnames) {
  const struct {
    const char* surname;
    const char* reading;
  } cases[] = {
      // the character's usual reading would be céng, dān, qū, chóu, jiě, chá, pǔ
      {"曾", "zēng"}, {"单", "shàn"}, {"区", "ōu"}, {"仇", "qiú"}, {"解", "xiè"}, {"查", "zhā"}, {"朴", "piáo"},
      // a compound surname read character by character would be wèi chí, wàn sì, shàn yú
      {"尉迟", "yù chí"}, {"万俟", "mò qí"}, {"单于", "chán yú"},
      // two single surnames: each by its own row; a surname the list lacks: by word
      {"曾单", "zēng shàn"}, {"欧阳", "ōu yáng"}, {"张", "zhāng"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(naming::SurnameSyllables(adoTem, U(c.surname)).join(u' '), U(c.reading)) << c.surname;
  }
}

// The grid's 拼音 column; and a given name keeps the character's own reading (朴 pǔ), which
// the surname reading (piáo) must not overwrite.
TEST_F(Built, TheGridWritesTheSurnameAsASurname) {
  const struct {
    const char* surname;
    const char* start;
  } cases[] = {{"曾", "zēng-"}, {"单", "shàn-"}, {"尉迟", "yùchí-"}};
  for (const auto& c : cases) {
    ListInputs in;
    in.xing = U(c.surname);
    in.lowest = U("70");
    in.plan = U("电脑全自动");
    ListRun run;
    ASSERT_GT(run.Open(ListKind::List, in, adoTem, adoFenxi, 1), 0) << c.surname;
    adoFenxi.MoveTo(1);
    EXPECT_TRUE(run.Cells(adoFenxi, 1)[3].startsWith(U(c.start))) << run.Cells(adoFenxi, 1)[3].toStdString();
  }
  adoTem.SetSql(U("select pinyin from word where zi = '朴'"));
  adoTem.Open();
  EXPECT_EQ(adoTem.AsText(0), U("pǔ"));
}

TEST(CharWishes, ReadsWhatAParentTypes) {
  const struct {
    const char* avoid;
    const char* want;
    const char* readAvoid;  // null: refused, and the message holds `error`
    const char* readWant;
    const char* error;
  } cases[] = {
      {"涵梓", "雨", "涵梓", "雨", nullptr},
      {" 涵，梓、涵 ", "雨 ; 晴", "涵梓", "雨晴", nullptr},  // separators and a repeat
      {"", "", "", "", nullptr},
      {"涵a", "", nullptr, nullptr, "“a”不是"},            // a letter
      {"", "雨1", nullptr, nullptr, "“1”不是"},            // a digit
      {"", "😀", nullptr, nullptr, "“😀”不是"},            // outside GBK
      {"涵雨", "雨晴", nullptr, nullptr, "“雨”不能既是想要的字又是不要的字"},
  };
  for (const auto& c : cases) {
    CharWishes out{U("旧"), U("旧")};
    const QString error = ReadCharWishes(U(c.avoid), U(c.want), &out);
    if (c.readAvoid) {
      EXPECT_TRUE(error.isEmpty()) << error.toStdString();
      EXPECT_EQ(out.avoid, U(c.readAvoid));
      EXPECT_EQ(out.want, U(c.readWant));
    } else {
      EXPECT_TRUE(error.contains(U(c.error))) << error.toStdString();
      EXPECT_EQ(out.avoid, U("旧")) << "a refused text leaves the wishes as they were";
    }
  }
  QString many;  // distinct characters past the bound
  for (int i = 0; i <= kMaxWishChars; ++i) many += QChar(0x4E00 + i);
  CharWishes out;
  EXPECT_TRUE(ReadCharWishes(many, QString(), &out).contains(U("最多")));
  EXPECT_TRUE(ReadCharWishes(many.left(kMaxWishChars) + many.left(5), QString(), &out).isEmpty());
}

TEST(CharWishes, AllowNamesWithoutAvoidedAndWithAWantedCharacter) {
  const CharWishes wishes{U("涵梓"), U("雨晴")};
  const struct {
    const char* given;
    bool allowed;
  } cases[] = {{"雨桐", true}, {"思晴", true}, {"雨涵", false}, {"梓晴", false}, {"思远", false}, {"雨", true}};
  for (const auto& c : cases) EXPECT_EQ(wishes.Allows(U(c.given)), c.allowed) << c.given;
  EXPECT_TRUE(CharWishes{}.Allows(U("思远")));
  EXPECT_TRUE((CharWishes{U("涵"), {}}.Allows(U("思远"))));
}

TEST_F(Built, WishesNoRunCanMeetAreToldBeforeTheRun) {
  EXPECT_TRUE(UnproposableWanted(adoTem, {QString(), U("雨婷")}).isEmpty());
  EXPECT_TRUE(UnproposableWanted(adoTem, {QString(), U("雨曾")}).contains(U("“曾”不在取名用字之中")));
  EXPECT_TRUE(WishesBlockRun(adoTem, {U("雨"), QString()}, true, U("雨")).contains(U("固定的字“雨”")));
  EXPECT_TRUE(WishesBlockRun(adoTem, {QString(), U("婷")}, true, QString()).contains(U("男孩")));
  EXPECT_TRUE(WishesBlockRun(adoTem, {QString(), U("婷")}, false, QString()).isEmpty());
  EXPECT_TRUE(WishesBlockRun(adoTem, {QString(), U("婷刚")}, true, QString()).isEmpty());
  EXPECT_TRUE(WishesBlockRun(adoTem, {QString(), U("婷")}, true, U("婷")).isEmpty());  // fixed, so held
}

}  // namespace
}  // namespace velmora
