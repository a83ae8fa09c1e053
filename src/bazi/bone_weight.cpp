// bone_weight.cpp: see bone_weight.h.
#include "bazi/bone_weight.h"

#include "refdb/connection_text.h"
#include "refdb/errors.h"
#include "refdb/query.h"
#include "text/gbk.h"

namespace velmora::bazi {

QString WeightCode(double total) {
  // Fifteen significant digits hide the noise of the floating-point sum.
  const QString written = QString::number(total, 'g', 15);
  if (written.size() < 2) return written + QLatin1Char('0');
  return written.left(1) + written.mid(2, 1);  // the 两 digit and the 钱 digit
}

QString BoneWeightLine(const QString& yearText, const QString& monthText, const QString& dayText,
                       const QString& hourText, int mode, const QString& folder) {
  try {
    Query q(DbConnectionText(DbFile::Dream, folder));
    const auto firstWeight = [&q](const QString& sql) {
      q.SetSql(sql);
      q.Open();
      const double w = q.IsEmpty() ? 0.0 : q.AsDouble(0);  // a missing row weighs nothing
      q.Close();
      return w;
    };
    using text::SqlQuote;
    const double total = firstWeight(QStringLiteral("Select weight from chenggu1 where year =") + SqlQuote(yearText)) +
                         firstWeight(QStringLiteral("Select weight from chenggu2 where month2 =") + SqlQuote(monthText)) +
                         firstWeight(QStringLiteral("Select weight from chenggu3 where day2 =") + SqlQuote(dayText)) +
                         firstWeight(QStringLiteral("Select weight from chenggu4 where time =") + SqlQuote(hourText));
    const QString code = WeightCode(total);
    q.SetSql(QStringLiteral("Select content,content2 from chenggu where weight =") + SqlQuote(code));
    q.Open();
    if (q.IsEmpty()) return QString();
    switch (mode) {
      case 0: {
        const QString liang = QString(code.at(0)) + QStringLiteral("两");
        return QStringLiteral("你的骨重为：") + liang +
               (code.at(1) == QLatin1Char('0') ? QString() : QString(code.at(1)) + QStringLiteral("钱"));
      }
      case 1: return QStringLiteral("骨重诗评：") + text::Trim(q.AsText(u"content"));
      case 2: return QStringLiteral("骨重解评：") + text::Trim(q.AsText(u"content2"));
      default: return QString();
    }
  } catch (const DbError&) {
    throw SilentStop();
  }
}

}  // namespace velmora::bazi
