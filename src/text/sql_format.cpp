// The format step and like literals: see sql_format.h.
#include "text/sql_format.h"

#include <stdexcept>

namespace velmora::text {

QString SqlFormat(QStringView templ, const QStringList& values) {
  QString out;
  out.reserve(templ.size() + 16 * values.size());
  qsizetype next = 0;
  for (qsizetype i = 0; i < templ.size(); ++i) {
    const QChar c = templ[i];
    if (c != QLatin1Char('%') || i + 1 == templ.size()) {
      out += c;
      continue;
    }
    const QChar kind = templ[++i];
    if (kind == QLatin1Char('%')) {
      out += QLatin1Char('%');
    } else if (kind == QLatin1Char('s') || kind == QLatin1Char('d')) {
      if (next == values.size()) throw std::invalid_argument("too few values for the statement template");
      out += values[next++];
    } else {
      out += c;
      out += kind;
    }
  }
  if (next != values.size()) throw std::invalid_argument("too many values for the statement template");
  return out;
}

QString LikeLiteral(QStringView s) {
  QString out;
  out.reserve(s.size() + 8);
  for (QChar c : s) {
    if (c == QLatin1Char('%') || c == QLatin1Char('_') || c == QLatin1Char('[')) {
      out += QLatin1Char('[');
      out += c;
      out += QLatin1Char(']');
    } else if (c == QLatin1Char('\'')) {
      out += QStringLiteral("''");
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace velmora::text
