// personality_test.cpp: the birthday personality table built into the program (its slot
// scheme, its texts in GBK terms), BirthdayPersonality on real and impossible dates, and
// the parser on broken input.
#include "bazi/personality.h"
#include "text/gbk.h"

#include <QByteArray>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QSet>

#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <thread>
#include <vector>

namespace velmora::bazi {
namespace {

// The two texts the table must hold word for word (slot 101 has a blank after 容易受骗，).
const QString kSlot1 = QStringLiteral(
    "是一个有野心并具有大丈夫性格的人,不喜欢受人指使,非常顽固,坚定依照自己的意愿行事. "
    "具有领导能力,容易获得成功,很容易得到别人的信任.");
const QString kSlot101 = QStringLiteral(
    "脑筋清楚、果断、亲爱、具迷人的人格，有时有点暴躁和顽固，体质纤弱，不可身心过劳，"
    "经验会带来新的启迪，一生颇多波折，容易受骗， 应该努力学习人生较深的一面。");

// The slots that hold a text: 1..31, and month * 100 + day for every day of a leap year
// except 31 January.
std::set<int> ExpectedSlots() {
  std::set<int> days;
  for (int d = 1; d <= 31; ++d) days.insert(d);
  for (QDate day(2024, 1, 1); day.year() == 2024; day = day.addDays(1)) {
    if (day.month() == 1 && day.day() == 31) continue;
    days.insert(day.month() * 100 + day.day());
  }
  return days;
}

std::vector<int> FilledSlots(const PersonalityTable& table) {
  std::vector<int> filled;
  for (int i = 0; i < PersonalityTable::kSlots; ++i) {
    if (!table.Slot(i).isEmpty()) filled.push_back(i);
  }
  return filled;
}

// True when every character of s has a GBK code: its GB18030 bytes are all one-byte
// characters or two-byte pairs, never a four-byte sequence (lead byte, then 0x30..0x39).
bool OnlyGbkSequences(const QByteArray& bytes) {
  for (qsizetype i = 0; i < bytes.size(); ++i) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    if (b < 0x81 || b == 0xFF) continue;  // ASCII, or 0x80 (the euro sign)
    if (i + 1 >= bytes.size()) return false;
    const auto trail = static_cast<unsigned char>(bytes[i + 1]);
    if (trail >= 0x30 && trail <= 0x39) return false;
    ++i;
  }
  return true;
}

int CountOf(const QString& s, QStringView what) { return static_cast<int>(s.count(what)); }

// ---- the built-in table -------------------------------------------------------------

TEST(PersonalityTable, FixedTextsAreExact) {
  const PersonalityTable& table = BuiltInPersonalityTable();
  EXPECT_EQ(table.Slot(1), kSlot1);
  EXPECT_EQ(table.Slot(101), kSlot101);
}

TEST(PersonalityTable, HoldsEveryDayOfAMonthAndOfALeapYear) {
  const PersonalityTable& table = BuiltInPersonalityTable();
  const std::set<int> expected = ExpectedSlots();
  ASSERT_EQ(expected.size(), 396u);
  for (int i = 0; i < PersonalityTable::kSlots; ++i) {
    EXPECT_EQ(!table.Slot(i).isEmpty(), expected.count(i) == 1) << "slot " << i;
  }
  for (int d = 1; d <= 31; ++d) EXPECT_FALSE(table.Slot(d).isEmpty()) << "day " << d;
  EXPECT_FALSE(table.Slot(229).isEmpty());  // 29 February
  EXPECT_FALSE(table.Slot(1231).isEmpty());
  EXPECT_TRUE(table.Slot(131).isEmpty());   // 31 January has no text of its own
  EXPECT_TRUE(table.Slot(0).isEmpty());
  EXPECT_TRUE(table.Slot(230).isEmpty());
  EXPECT_TRUE(table.Slot(431).isEmpty());
  EXPECT_EQ(table.Filled(), 396);
  EXPECT_EQ(table.Rejected(), 0);
}

// The resource is compiled from refdata/texts/personality.tsv; a stale or different
// copy would show here.
TEST(PersonalityTable, BuiltInIsTheSourceFile) {
  QFile file(QDir(QStringLiteral(VELMORA_REFDATA_DIR)).filePath(QStringLiteral("texts/personality.tsv")));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
  const PersonalityTable source = PersonalityTable::Parse(file.readAll());
  const PersonalityTable& built_in = BuiltInPersonalityTable();
  for (int i = 0; i < PersonalityTable::kSlots; ++i) {
    EXPECT_EQ(built_in.Slot(i), source.Slot(i)) << "slot " << i;
  }
}

TEST(PersonalityTexts, LengthIs63To244GbkBytes) {
  const PersonalityTable& table = BuiltInPersonalityTable();
  const std::vector<int> filled = FilledSlots(table);
  ASSERT_EQ(filled.size(), 396u);
  for (int i : filled) {
    const int n = text::GbkLength(table.Slot(i));
    EXPECT_GE(n, 63) << "slot " << i;
    EXPECT_LE(n, 244) << "slot " << i;
  }
}

TEST(PersonalityTexts, EncodableInGbk) {
  const PersonalityTable& table = BuiltInPersonalityTable();
  const std::vector<int> filled = FilledSlots(table);
  ASSERT_EQ(filled.size(), 396u);
  for (int i : filled) {
    const QString& s = table.Slot(i);
    const QByteArray bytes = text::ToGb18030(s);
    EXPECT_FALSE(s.contains(text::kUndecodable)) << "slot " << i;
    EXPECT_TRUE(OnlyGbkSequences(bytes)) << "slot " << i;
    // A character outside GBK counts 2 bytes in GbkLength but takes 4 in GB18030.
    EXPECT_EQ(text::GbkLength(s), bytes.size()) << "slot " << i;
    EXPECT_EQ(text::FromGb18030(bytes), s) << "slot " << i;
  }
}

TEST(PersonalityTexts, NoTwoAlike) {
  const PersonalityTable& table = BuiltInPersonalityTable();
  QSet<QString> seen;
  for (int i : FilledSlots(table)) {
    EXPECT_FALSE(seen.contains(table.Slot(i))) << "slot " << i << " repeats an earlier text";
    seen.insert(table.Slot(i));
  }
  EXPECT_EQ(seen.size(), 396);
}

TEST(PersonalityTexts, DayOfMonthTextsUseAsciiPunctuation) {
  const PersonalityTable& table = BuiltInPersonalityTable();
  for (int d = 1; d <= 31; ++d) {
    const QString& s = table.Slot(d);
    EXPECT_EQ(CountOf(s, u"，"), 0) << "day " << d;
    EXPECT_EQ(CountOf(s, u"。"), 0) << "day " << d;
    EXPECT_GT(CountOf(s, u","), 0) << "day " << d;
    EXPECT_TRUE(s.trimmed().endsWith(u'.')) << "day " << d;
  }
}

// "Mostly": a calendar-day text may borrow an ASCII mark, but at least 95 % of them are
// punctuated with full-width commas and full stops above all.
TEST(PersonalityTexts, CalendarDayTextsMostlyUseFullWidthPunctuation) {
  const PersonalityTable& table = BuiltInPersonalityTable();
  int calendar_days = 0;
  int full_width = 0;
  for (int i : FilledSlots(table)) {
    if (i < 100) continue;
    ++calendar_days;
    const QString& s = table.Slot(i);
    const int wide = CountOf(s, u"，") + CountOf(s, u"。");
    const int ascii = CountOf(s, u",") + CountOf(s, u".");
    if (wide > ascii) ++full_width;
  }
  EXPECT_EQ(calendar_days, 365);
  EXPECT_GE(full_width * 100, calendar_days * 95) << full_width << " of " << calendar_days;
}

// ---- BirthdayPersonality --------------------------------------------------------------

TEST(BirthdayPersonality, DayTextThenCalendarDayText) {
  const PersonalityTable& table = BuiltInPersonalityTable();
  struct Case { int month, day; };
  const Case cases[] = {
      {1, 1},    // the first day: slot 1 + slot 101
      {2, 29},   // leap day: slot 29 + slot 229
      {3, 1},    // after the leap day
      {7, 15},   // mid-year
      {10, 10},
      {12, 31},  // the last slot, 1231
  };
  for (const Case& c : cases) {
    const QString got = BirthdayPersonality(c.month, c.day);
    EXPECT_EQ(got, table.Slot(c.day) + table.Slot(c.month * 100 + c.day)) << c.month << "/" << c.day;
    EXPECT_GT(got.size(), table.Slot(c.day).size()) << c.month << "/" << c.day;
  }
  EXPECT_EQ(BirthdayPersonality(1, 1), kSlot1 + kSlot101);  // joined with nothing between
}

// Dates without a calendar-day text: the rule adds nothing for an empty or missing slot.
TEST(BirthdayPersonality, DatesWithoutACalendarDayText) {
  const PersonalityTable& table = BuiltInPersonalityTable();
  struct Case { int month, day; QString expected; const char* why; };
  const Case cases[] = {
      {1, 31, table.Slot(31), "31 January: slot 131 is empty by design"},
      {2, 30, table.Slot(30), "30 February does not exist: slot 230 is empty"},
      {4, 31, table.Slot(31), "31 April does not exist: slot 431 is empty"},
      {13, 1, table.Slot(1), "month 13: slot 1301 is empty"},
      {20, 1, table.Slot(1), "month 20: index 2001 lies outside the table"},
      {-1, 5, table.Slot(5), "negative month: index -95 lies outside the table"},
      {0, 5, table.Slot(5) + table.Slot(5), "month 0: both indexes are 5"},
      {1, 0, QString(), "day 0: slots 0 and 100 are empty"},
      {1, 32, QString(), "day 32: slots 32 and 132 are empty"},
      {12, -3, QString(), "negative day: index -3 outside, slot 1197 empty"},
      {INT_MAX, INT_MAX, QString(), "no overflow: both indexes far outside"},
      {INT_MIN, INT_MIN, QString(), "no overflow the other way"},
  };
  for (const Case& c : cases) EXPECT_EQ(BirthdayPersonality(c.month, c.day), c.expected) << c.why;
  EXPECT_FALSE(BirthdayPersonality(1, 31).isEmpty());
}

// The first call loads the table; concurrent first calls must all see the whole table.
// Each ctest case runs in its own process, so this one really is the first use.
TEST(BirthdayPersonality, FirstUseFromManyThreads) {
  std::vector<QString> results(8);
  std::vector<std::thread> threads;
  for (std::size_t i = 0; i < results.size(); ++i) {
    threads.emplace_back([&results, i] { results[i] = BirthdayPersonality(1, 1); });
  }
  for (std::thread& t : threads) t.join();
  for (const QString& r : results) EXPECT_EQ(r, kSlot1 + kSlot101);
}

// ---- the parser -----------------------------------------------------------------------

TEST(PersonalityParse, ReadsSlotsEscapesAndBlanks) {
  const QByteArray tsv =
      "slot\ttext\n"
      "1\tday one \n"                 // a trailing blank is part of the text
      "101\t first of January\n"      // so is a leading one
      "229\tline\\nbreak, tab\\t, backslash\\\\ and \\x\n"
      "2000\tlast index\n";
  const PersonalityTable t = PersonalityTable::Parse(tsv);
  EXPECT_EQ(t.Slot(1), QStringLiteral("day one "));
  EXPECT_EQ(t.Slot(101), QStringLiteral(" first of January"));
  EXPECT_EQ(t.Slot(229), QStringLiteral("line\nbreak, tab\t, backslash\\ and \\x"));
  EXPECT_EQ(t.Slot(2000), QStringLiteral("last index"));
  EXPECT_EQ(t.Filled(), 4);
  EXPECT_EQ(t.Rejected(), 0);
  EXPECT_EQ(t.ForBirthday(1, 1), QStringLiteral("day one  first of January"));
  EXPECT_EQ(t.ForBirthday(2, 29), t.Slot(229));  // slot 29 has no text here
}

TEST(PersonalityParse, CrlfByteOrderMarkAndCommentsAreTolerated) {
  const QByteArray tsv =
      "\xEF\xBB\xBF# written by hand\r\n"
      "slot\ttext\r\n"
      "\r\n"
      "2\tsecond\r\n"
      "202\t\xE4\xBA\x8C\xE6\x9C\x88\r\n";  // 二月
  const PersonalityTable t = PersonalityTable::Parse(tsv);
  EXPECT_EQ(t.Slot(2), QStringLiteral("second"));
  EXPECT_EQ(t.Slot(202), QStringLiteral("二月"));
  EXPECT_EQ(t.Filled(), 2);
  EXPECT_EQ(t.Rejected(), 0);
}

// A broken line loses its own text and nothing else; the good lines around it load.
TEST(PersonalityParse, MalformedLinesAreSkipped) {
  struct Case { QByteArray line; const char* why; };
  const Case cases[] = {
      {"7 no tab at all", "no separator"},
      {"x\ttext", "slot not a number"},
      {" 7\ttext", "blank before the slot"},
      {"-7\ttext", "negative slot"},
      {"2001\ttext", "slot past the table"},
      {"99999999999999999999\ttext", "slot that overflows"},
      {"\ttext", "empty slot"},
      {"7\ttext\textra", "a second tab"},
      {"7\tbad \xFF\xFE bytes", "not UTF-8"},
  };
  for (const Case& c : cases) {
    const PersonalityTable t = PersonalityTable::Parse("slot\ttext\n1\tone\n" + c.line + "\n3\tthree\n");
    EXPECT_EQ(t.Rejected(), 1) << c.why;
    EXPECT_EQ(t.Filled(), 2) << c.why;
    EXPECT_EQ(t.Slot(1), QStringLiteral("one")) << c.why;
    EXPECT_EQ(t.Slot(3), QStringLiteral("three")) << c.why;
    EXPECT_TRUE(t.Slot(7).isEmpty()) << c.why;
  }
}

TEST(PersonalityParse, FirstTextOfASlotWins) {
  const PersonalityTable t = PersonalityTable::Parse("slot\ttext\n5\tfirst\n5\tsecond\n");
  EXPECT_EQ(t.Slot(5), QStringLiteral("first"));
  EXPECT_EQ(t.Rejected(), 1);
}

TEST(PersonalityParse, EmptyOrGarbageGivesEmptySlots) {
  const QByteArray inputs[] = {
      QByteArray(),
      "slot\ttext\n",
      QByteArray("\x00\x01\x02\xFF\t\t\n\n\t", 9),
      QByteArray(70000, '\t'),
  };
  for (const QByteArray& in : inputs) {
    const PersonalityTable t = PersonalityTable::Parse(in);
    EXPECT_EQ(t.Filled(), 0);
    EXPECT_EQ(t.ForBirthday(1, 1), QString());
    EXPECT_EQ(t.ForBirthday(12, 31), QString());
  }
}

TEST(PersonalityParse, MissingFileGivesEmptySlots) {
  for (const QString& path : {QStringLiteral(":/velmora/bazi/no_such.tsv"),
                              QStringLiteral("/nonexistent/personality.tsv")}) {
    const PersonalityTable t = LoadPersonalityTable(path);
    EXPECT_EQ(t.Filled(), 0) << path.toStdString();
    EXPECT_EQ(t.Rejected(), 0) << path.toStdString();
    EXPECT_EQ(t.ForBirthday(1, 31), QString()) << path.toStdString();
  }
}

}  // namespace
}  // namespace velmora::bazi
