// personality.h: the birthday personality (性格简评) of the birth-chart report.
//
// Exports PersonalityTable (the parsed table of texts), LoadPersonalityTable,
// BuiltInPersonalityTable and BirthdayPersonality.
//
// The table is 2001 text slots, indexes 0..2000. Slots 1..31 hold one text per day of
// the month; slot month * 100 + day holds one text per calendar day of a leap year
// (101..130, 201..229, 301..331, ... 1231). 31 January has no calendar-day text, so
// slot 131 stays empty, as do slot 0 and every other index: 396 texts in all. The texts
// keep their punctuation and blanks exactly as written.
//
// Source: refdata/texts/personality.tsv (UTF-8, header "slot<TAB>text", the escapes
// \n, \t and \\ of the refdata text format), the project's own writing. The build
// compiles the file into the library as the resource :/velmora/bazi/personality.tsv;
// it is parsed once, on first use.
#pragma once

#include <QByteArrayView>
#include <QString>

#include <vector>

namespace velmora::bazi {

class PersonalityTable {
 public:
  static constexpr int kSlots = 2001;  // indexes 0..2000

  // A table with every slot empty.
  PersonalityTable();

  // The table a personality.tsv text describes. Never fails: a line that is not
  // "slot<TAB>text" with a decimal slot 0..2000 and valid UTF-8 (the header, a broken
  // line, a second text for a filled slot) is skipped and counted in Rejected(); its
  // slot keeps what it had. Empty lines and comment lines ("# ...") are ignored.
  static PersonalityTable Parse(QByteArrayView utf8);

  // The text of one slot; the empty text for an index outside 0..2000.
  const QString& Slot(long long index) const;

  // Slot [day] followed directly by slot [month * 100 + day].
  QString ForBirthday(int month, int day) const;

  int Filled() const;    // slots holding a non-empty text
  int Rejected() const;  // lines Parse skipped, not counting the header, blank and comment lines

 private:
  std::vector<QString> slots_;
  int rejected_ = 0;
};

// The table in the file at path (a resource path or a file name); a table with every
// slot empty when the file cannot be read.
PersonalityTable LoadPersonalityTable(const QString& path);

// The table built into the program, loaded on first use; safe to call from any thread.
const PersonalityTable& BuiltInPersonalityTable();

// The birthday personality of a Gregorian month and day: the text of the day of the
// month followed directly by the text of the calendar day. Never fails; see
// PersonalityTable::ForBirthday in personality.cpp for dates that do not exist.
QString BirthdayPersonality(int month, int day);

}  // namespace velmora::bazi
