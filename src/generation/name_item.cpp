// Names of list items: see name_item.h.
#include "generation/name_item.h"

#include "text/gbk.h"

namespace velmora {

QString FullNameOfItem(QStringView item) {
  const qsizetype paren = item.indexOf(QLatin1Char('('));
  return (paren < 0 ? item : item.left(paren)).toString();
}

QString GivenNameOfItem(QStringView item, QStringView surname) {
  const int surnameBytes = text::GbkLength(text::Trim(surname));
  return text::Trim(text::GbkCopyWhole(FullNameOfItem(item), surnameBytes + 1, 20));
}

}  // namespace velmora
