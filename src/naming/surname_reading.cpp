// Surnames read as surnames: see surname_reading.h.
#include "naming/surname_reading.h"

#include "refdb/errors.h"
#include "text/gbk.h"

namespace velmora::naming {

namespace {

// The reading xs gives a surname, or nothing; a database without xs gives nothing.
QStringList ListedReading(Query& q, const QString& surname) {
  q.Close();
  q.SetSql(QStringLiteral("select pinyin from xs where xing = %1").arg(text::SqlQuote(surname)));
  try {
    q.Open();
  } catch (const DbError&) {
    return {};
  }
  const QStringList syllables = q.AsText(0).split(QLatin1Char(' '), Qt::SkipEmptyParts);
  q.Close();
  return syllables.size() == surname.size() ? syllables : QStringList();
}

QString UsualReading(Query& q, const QString& c) {
  q.Close();
  q.SetSql(QStringLiteral("select pinyin from word where zi = %1").arg(text::SqlQuote(c)));
  q.Open();
  const QString pinyin = q.AsText(0).section(QLatin1Char(' '), 0, 0);
  q.Close();
  return pinyin;
}

}  // namespace

QStringList SurnameSyllables(Query& q, const QString& surname) {
  if (surname.isEmpty()) return {};
  if (QStringList whole = ListedReading(q, surname); !whole.isEmpty()) return whole;
  QStringList out;
  for (const QChar c : surname) {
    const QStringList own = surname.size() > 1 ? ListedReading(q, QString(c)) : QStringList();
    out << (own.isEmpty() ? UsualReading(q, QString(c)) : own.front());
  }
  return out;
}

}  // namespace velmora::naming
