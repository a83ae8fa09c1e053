// The status strip's note on a selected name: see name_notes.h.
#include "generation/name_notes.h"

#include "generation/name_item.h"

namespace velmora {

QString NameStatusText(const NameFilter& filter, const QString& surname, const QString& item, const QString& source) {
  const QString full = item.section(QLatin1Char('('), 0, 0);
  const QString given = GivenNameOfItem(item, surname);
  if (!filter.Checker() || given.isEmpty() || given.size() > 2) return source;
  const QString lead = source.isEmpty() ? full : source;
  return lead + QStringLiteral("　") + filter.Checker()->Check(surname, given).Summary();
}

}  // namespace velmora
