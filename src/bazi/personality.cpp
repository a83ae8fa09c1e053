// personality.cpp: parsing and reading the birthday personality table (see personality.h).
#include "bazi/personality.h"

#include "text/field_escape.h"

#include <QFile>
#include <QLoggingCategory>
#include <QStringView>

namespace velmora::bazi {
namespace {

Q_LOGGING_CATEGORY(lcPersonality, "velmora.bazi.personality")

// Where src/bazi/CMakeLists.txt puts refdata/texts/personality.tsv.
constexpr QStringView kResourcePath = u":/velmora/bazi/personality.tsv";

// The slot number of a key field: 1 to 4 ASCII digits, at most 2000; -1 otherwise.
int SlotNumber(QStringView key) {
  if (key.isEmpty() || key.size() > 4) return -1;
  int n = 0;
  for (QChar c : key) {
    if (c < u'0' || c > u'9') return -1;
    n = n * 10 + (c.unicode() - u'0');
  }
  return n < PersonalityTable::kSlots ? n : -1;
}

}  // namespace

PersonalityTable::PersonalityTable() : slots_(kSlots) {}

PersonalityTable PersonalityTable::Parse(QByteArrayView utf8) {
  PersonalityTable table;
  QString content = QString::fromUtf8(utf8);
  if (content.startsWith(QChar(0xFEFF))) content.remove(0, 1);
  bool header_seen = false;
  for (QStringView line : QStringView(content).split(u'\n')) {
    // A checkout with CRLF line ends must not add a carriage return to every text.
    if (line.endsWith(u'\r')) line.chop(1);
    if (line.isEmpty() || line.startsWith(u"# ")) continue;
    if (!header_seen && line.compare(u"slot\ttext", Qt::CaseInsensitive) == 0) {
      header_seen = true;
      continue;
    }
    const qsizetype tab = line.indexOf(u'\t');
    const int slot = tab < 0 ? -1 : SlotNumber(line.first(tab));
    const QStringView field = tab < 0 ? QStringView() : line.sliced(tab + 1);
    // A second tab means a broken line, and U+FFFD bytes that were not UTF-8: either
    // text would reach the report garbled, so the slot stays as it was.
    if (slot < 0 || field.contains(u'\t') || field.contains(QChar(QChar::ReplacementCharacter)) ||
        !table.slots_[static_cast<std::size_t>(slot)].isEmpty()) {
      ++table.rejected_;
      continue;
    }
    table.slots_[static_cast<std::size_t>(slot)] = text::UnescapeField(field);
  }
  return table;
}

const QString& PersonalityTable::Slot(long long index) const {
  static const QString kEmpty;
  if (index < 0 || index >= kSlots) return kEmpty;
  return slots_[static_cast<std::size_t>(index)];
}

// Dates that do not exist. The rule is a plain table lookup and is applied to whatever
// it is given; an index without a text, including one outside 0..2000, adds nothing:
//   - 31 January: slot 31 alone, because slot 131 is empty by design;
//   - 30 February, 31 April: slot 30 or 31 alone, like 31 January;
//   - 29 February: slot 29 and slot 229, in every year (the table is a leap year's);
//   - day 0 or day 32 and above: the empty text (slots 0, 32.. and x00, x32.. are empty);
//   - month 13 or above: the day-of-month text alone (slots 1301.. are empty);
//   - month 0 names slot [day] twice, so the day's text appears twice; no caller passes
//     it, since month and day come from a valid birth date.
// The index is computed in 64 bits so that no int input can overflow it.
QString PersonalityTable::ForBirthday(int month, int day) const {
  return Slot(day) + Slot(static_cast<long long>(month) * 100 + day);
}

int PersonalityTable::Filled() const {
  int n = 0;
  for (const QString& s : slots_) n += s.isEmpty() ? 0 : 1;
  return n;
}

int PersonalityTable::Rejected() const { return rejected_; }

PersonalityTable LoadPersonalityTable(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return PersonalityTable();
  return PersonalityTable::Parse(file.readAll());
}

const PersonalityTable& BuiltInPersonalityTable() {
  // A function-local static: initialised once, and other threads wait for it.
  static const PersonalityTable table = [] {
    PersonalityTable t = LoadPersonalityTable(kResourcePath.toString());
    // The report then shows no personality text; say why once rather than fail.
    if (t.Filled() == 0) qCWarning(lcPersonality) << "no texts in" << kResourcePath;
    if (t.Rejected() > 0) {
      qCWarning(lcPersonality) << t.Rejected() << "malformed lines skipped in" << kResourcePath;
    }
    return t;
  }();
  return table;
}

QString BirthdayPersonality(int month, int day) {
  return BuiltInPersonalityTable().ForBirthday(month, day);
}

}  // namespace velmora::bazi
