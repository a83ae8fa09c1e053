#include "calendar/typed_date.h"

#include <QRegularExpression>

namespace velmora::calendar {

std::optional<QDate> ParseTypedDate(const QString& text) {
  // NFKC turns full-width digits and separators (１９８９－０８－０１) into ASCII ones.
  QString t = text.normalized(QString::NormalizationForm_KC).trimmed();
  t.remove(QLatin1Char(' '));
  static const QRegularExpression separated(
      QStringLiteral("^(\\d{4})(?:[-/.]|年)(\\d{1,2})(?:[-/.]|月)(\\d{1,2})日?$"));
  static const QRegularExpression compact(QStringLiteral("^(\\d{4})(\\d{2})(\\d{2})$"));
  QRegularExpressionMatch m = separated.match(t);
  if (!m.hasMatch()) m = compact.match(t);
  if (!m.hasMatch()) return std::nullopt;
  const QDate date(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
  if (!date.isValid()) return std::nullopt;
  return date;
}

}  // namespace velmora::calendar
