// chart_lookups.cpp: see chart_lookups.h.
#include "bazi/chart_lookups.h"

#include "refdb/connection_text.h"
#include "refdb/errors.h"
#include "refdb/query.h"
#include "text/gbk.h"

namespace velmora::bazi {
namespace {

// The first field of the first row, trimmed; the empty text on no row or any failure.
QString FirstText(const QString& sql, const QString& folder) {
  return OrEmpty<QString>([&] {
    Query q(DbConnectionText(DbFile::Tgcode, folder));
    q.SetSql(sql);
    q.Open();
    return text::Trim(q.AsText(0));
  });
}

}  // namespace

QString ElementStatement(const QString& character) {
  return QStringLiteral("select top 1 wh from hzwh where hz like ") +
         text::SqlQuote(QLatin1Char('%') + text::Trim(character) + QLatin1Char('%'));
}

QString ShishenStatement(const QString& key) {
  return QStringLiteral("select top 1 ShiShen from Shishen where jiazi = '") + key + QStringLiteral("' ");
}

QString NayinStatement(const QString& pillar) {
  return QStringLiteral("select top 1 layin from jiazi where jiazi = '") + pillar + QStringLiteral("' ");
}

QString SjrsStatement(const QString& element, const QString& season) {
  return QStringLiteral("select  top 1 sjrs from sjrs where wh = '") + element + QStringLiteral("' and sj = '") +
         season + QStringLiteral("' ");
}

QString QtbjStatement(const QString& dayStem, const QString& monthBranch) {
  return QStringLiteral("select  top 1 content from qtbj where tg = '") + dayStem + QStringLiteral("' and dz = '") +
         monthBranch + QStringLiteral("' ");
}

QString LookupElement(const QString& character, const QString& folder) {
  return FirstText(ElementStatement(character), folder);
}
QString LookupShishen(const QString& key, const QString& folder) { return FirstText(ShishenStatement(key), folder); }
QString LookupNayin(const QString& pillar, const QString& folder) { return FirstText(NayinStatement(pillar), folder); }
QString LookupSjrs(const QString& element, const QString& season, const QString& folder) {
  return FirstText(SjrsStatement(element, season), folder);
}
QString LookupQtbj(const QString& dayStem, const QString& monthBranch, const QString& folder) {
  return FirstText(QtbjStatement(dayStem, monthBranch), folder);
}

QString CountElements(QStringView elementLine) {
  static constexpr int kPositions[] = {1, 3, 8, 10, 15, 17, 22, 24};
  static constexpr char16_t kElements[] = u"金木水火土";
  int counts[5] = {};
  for (int p : kPositions) {
    const QString c = text::GbkMid(elementLine, p, p + 1);
    for (int e = 0; e < 5; ++e) {
      if (c == QChar(kElements[e])) ++counts[e];
    }
  }
  QString out;
  for (int e = 0; e < 5; ++e) {
    if (e > 0) out += QStringLiteral(", ");
    out += QChar(kElements[e]) + QStringLiteral(":占") + QString::number(counts[e]) + QStringLiteral("个");
  }
  return out;
}

}  // namespace velmora::bazi
