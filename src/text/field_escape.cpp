#include "text/field_escape.h"

namespace velmora::text {

QString UnescapeField(QStringView field) {
  QString out;
  out.reserve(field.size());
  for (qsizetype i = 0; i < field.size(); ++i) {
    const QChar c = field[i];
    if (c == u'\\' && i + 1 < field.size()) {
      const QChar next = field[i + 1];
      if (next == u'n' || next == u't' || next == u'\\') {
        out += next == u'n' ? QChar(u'\n') : next == u't' ? QChar(u'\t') : QChar(u'\\');
        ++i;
        continue;
      }
    }
    out += c;
  }
  return out;
}

}  // namespace velmora::text
