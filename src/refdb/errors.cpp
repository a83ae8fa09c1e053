#include "refdb/errors.h"

namespace velmora {

QString ErrorBoxText(const QString& failure) {
  QString text = failure.trimmed();
  if (text.isEmpty()) return QStringLiteral("未知错误。");
  const QChar last = text.back();
  if (last == QLatin1Char('.') || last == QChar(0x3002)) return text;
  text.append(last.unicode() < 0x80 ? QChar('.') : QChar(0x3002));
  return text;
}

}  // namespace velmora
