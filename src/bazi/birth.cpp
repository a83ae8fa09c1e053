// birth.cpp: see birth.h.
#include "bazi/birth.h"

#include "calendar/lunar.h"
#include "text/gbk.h"

namespace velmora::bazi {

using text::Trim;

namespace {

// A trimmed box text that is a plain decimal number (ASCII digits only, at most four);
// nothing for typed text, signs or an empty box.
std::optional<int> DecimalOf(const QString& boxText) {
  const QString t = Trim(boxText);
  if (t.isEmpty() || t.size() > 4) return std::nullopt;
  for (QChar c : t) {
    if (c < QLatin1Char('0') || c > QLatin1Char('9')) return std::nullopt;
  }
  return t.toInt();
}

}  // namespace

std::optional<Birth> PrepareBirth(const BirthInput& input) {
  const std::optional<int> y = DecimalOf(input.year), m = DecimalOf(input.month), d = DecimalOf(input.day);
  Birth b;
  b.hourText = Trim(text::GbkMid(Trim(input.hour), 4, 5));  // "午 12" → "12"
  const std::optional<int> h = DecimalOf(b.hourText), minute = DecimalOf(input.minute);
  if (!y || !m || !d || !h || !minute || *h > 23 || *minute > 59) return std::nullopt;
  b.hour = *h;
  b.minute = *minute;
  if (input.calendarKind == 1) {
    // No leap month can be entered.
    b.date = calendar::LunarToSolar(calendar::LunarDate::FromYmd(*y, *m, *d));
    if (b.date == QDate(1, 1, 1)) return std::nullopt;
  } else {
    b.date = QDate(*y, *m, *d);
  }
  if (!b.date.isValid() || b.date < QDate(1900, 1, 31) || b.date > QDate(2100, 12, 31)) return std::nullopt;
  return b;
}

}  // namespace velmora::bazi
