// GBK byte semantics: lengths, cuts, padding, trimming and quoting.
#include "text/gbk.h"

#include <gtest/gtest.h>

namespace velmora::text {
namespace {

const QString kU = QString(QChar(kUndecodable));

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

TEST(GbkLength, CountsBytes) {
  struct Case {
    const char* text;
    int bytes;
  } cases[] = {
      {"", 0},
      {"a", 1},           // ASCII is one byte
      {"张", 2},          // a GBK character two
      {"欧阳", 4},        // a two-character surname
      {"张三丰(80分)", 12},
      {"𠮷", 2},          // outside GBK: counts as one wide character
      {"😀a", 3},         // an emoji likewise
      {"€", 1},           // CP936 writes the euro sign as the single byte 0x80
      {"\u3000", 2},      // the full-width blank is a GBK character
  };
  for (const Case& c : cases) EXPECT_EQ(GbkLength(U(c.text)), c.bytes) << c.text;
}

TEST(GbkMid, WholeCharacters) {
  EXPECT_EQ(GbkMid(U("欧阳修"), 1, 2), U("欧"));
  EXPECT_EQ(GbkMid(U("欧阳修"), 3, 4), U("阳"));
  EXPECT_EQ(GbkMid(U("子时23:00"), 3, 4), U("时"));
  EXPECT_EQ(GbkMid(U("ab张c"), 2, 4), U("b张"));
  EXPECT_EQ(GbkMid(U("张"), 1, 10), U("张"));   // clipped at the end
  EXPECT_EQ(GbkMid(U("张"), 3, 4), QString());  // beyond the end
  EXPECT_EQ(GbkMid(U("张"), 2, 1), QString());  // empty range
  EXPECT_EQ(GbkMid(U("张王"), 0, 2), U("张"));   // clipped at the start
}

TEST(GbkMid, CutsThatSplitACharacter) {
  // A lone lead byte at the end of a cut.
  EXPECT_EQ(GbkMid(U("张王"), 1, 3), U("张") + kU);
  // A cut that starts on the trail byte of 张 (D5 C5): C5 is a lead byte, and with the
  // lead byte of 王 (CD F5) after it forms the pair C5 CD, which GBK assigns to a character.
  const QString shifted = GbkMid(U("张王"), 2, 4);
  EXPECT_EQ(shifted.size(), 2);
  EXPECT_NE(shifted, U("王"));
  EXPECT_EQ(shifted.right(1), kU);  // F5 alone at the end
  // A trail byte in the ASCII range read on its own: 丂 is 81 40, and 0x40 is "@".
  EXPECT_EQ(GbkMid(U("丂"), 2, 2), U("@"));
  // A lead byte followed by a byte that cannot be a trail byte (below 0x40): the lead byte
  // is undecodable and the other byte is read on its own.
  EXPECT_EQ(GbkMid(U("张1"), 2, 3), kU + U("1"));
  // A letter can be a trail byte, so a shifted cut may pair it with the byte before: that
  // is how GBK reads, and the result is whatever GBK assigns to C5 61.
  EXPECT_EQ(GbkMid(U("张a"), 2, 3).size(), 1);
}

TEST(GbkMid, CharactersOutsideGbkStayWhole) {
  const QString name = U("𠮷祥");
  EXPECT_EQ(GbkMid(name, 1, 2), U("𠮷"));
  EXPECT_EQ(GbkMid(name, 3, 4), U("祥"));
  // Half of one never becomes another character.
  EXPECT_EQ(GbkMid(name, 1, 1), kU);
  EXPECT_EQ(GbkMid(name, 2, 4), kU + U("祥"));
  EXPECT_EQ(GbkMid(U("a😀b😀"), 2, 6), U("😀b😀"));
}

TEST(GbkCopy, CountsFromAPosition) {
  EXPECT_EQ(GbkCopy(U("甲子年"), 3, 2), U("子"));
  EXPECT_EQ(GbkCopy(U("甲子年"), 5, 100), U("年"));
  EXPECT_EQ(GbkCopy(U("甲子年"), 1, 0), QString());
  EXPECT_EQ(GbkCopy(U("甲子年"), 1, 2147483647), U("甲子年"));  // no overflow
}

TEST(GbkCopyWhole, NeverSplitsACharacter) {
  struct Case {
    const char* text;
    int first, count;
    const char* result;
  } cases[] = {
      {"欧阳明", 3, 20, "阳明"},  // on a boundary: as GbkCopy
      {"欧阳明", 4, 20, "阳明"},  // inside 阳: back to its first byte
      {"欧阳明", 1, 3, "欧"},     // 阳 does not fit whole in 3 bytes
      {"张a明", 3, 2, "a"},       // a single-byte character stops nowhere inside
      {"张a明", 4, 2, "明"},
      {"张𠮷远", 4, 4, "𠮷远"},   // a character outside GBK counts two bytes and stays whole
      {"欧阳明", 7, 20, ""},
      {"欧阳明", 0, 0, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GbkCopyWhole(U(c.text), c.first, c.count), U(c.result)) << c.text << " " << c.first;
  }
}

TEST(GbkPadRight, PadsToBytes) {
  EXPECT_EQ(GbkPadRight(U("张思远(80分)"), 16), U("张思远(80分)    "));
  EXPECT_EQ(GbkLength(GbkPadRight(U("张思远(80分)"), 16)), 16);
  EXPECT_EQ(GbkPadRight(U("欧阳思远(80分)"), 16), U("欧阳思远(80分)  "));
  EXPECT_EQ(GbkPadRight(U("一二三四五六七八九"), 16), U("一二三四五六七八九"));  // longer: unchanged
  EXPECT_EQ(GbkPadRight(U(""), 3), U("   "));
}

TEST(Trim, RemovesBlanksAndControlCharacters) {
  EXPECT_EQ(Trim(U("  张 \t\r\n")), U("张"));
  EXPECT_EQ(TrimLeft(U(" 张 ")), U("张 "));
  EXPECT_EQ(TrimRight(U(" 张 ")), U(" 张"));
  EXPECT_EQ(Trim(U("\u3000张\u3000")), U("\u3000张\u3000"));  // a full-width blank is text
  EXPECT_EQ(Trim(U("   ")), QString());
}

TEST(SqlQuote, DoublesSingleQuotes) {
  EXPECT_EQ(SqlQuote(U("张")), U("'张'"));
  EXPECT_EQ(SqlQuote(U("O'Neil")), U("'O''Neil'"));
  EXPECT_EQ(SqlQuote(U("'")), U("''''"));
  EXPECT_EQ(SqlQuote(U("")), U("''"));
  EXPECT_EQ(SqlQuote(U("a' or '1'='1")), U("'a'' or ''1''=''1'"));
}

TEST(Gb18030, RoundTripsEveryCharacter) {
  const QString text = U("张伟 𠮷 😀 €\r\n");
  EXPECT_EQ(FromGb18030(ToGb18030(text)), text);
  EXPECT_EQ(ToGb18030(U("张")), QByteArray("\xD5\xC5"));  // GBK bytes on GBK text
}

TEST(GbkTable, CoversTheGbkRepertoire) {
  // Every GBK hanzi decodes and encodes back to its own bytes: 21,886 characters in all.
  int hanzi = 0;
  for (char32_t cp = 0x4E00; cp <= 0x9FA5; ++cp) {
    const QString s = QString::fromUcs4(&cp, 1);
    if (GbkLength(s) == 2 && ToGb18030(s).size() == 2) ++hanzi;
  }
  EXPECT_EQ(hanzi, 20902);  // the whole URO block of GBK
}

}  // namespace
}  // namespace velmora::text
