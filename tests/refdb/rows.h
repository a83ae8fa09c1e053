// Runs a statement and returns its rows as texts, fields joined by "|", for compact checks.
#pragma once

#include "refdb/query.h"

#include <QStringList>

namespace velmora::testing {

inline QStringList Rows(Query& q, const QString& sql) {
  q.SetSql(sql);
  q.Open();
  QStringList rows;
  for (q.First(); !q.Eof(); q.Next()) {
    QStringList fields;
    for (int i = 0; i < q.FieldCount(); ++i) fields << q.AsText(i);
    rows << fields.join(QLatin1Char('|'));
  }
  q.Close();
  return rows;
}

}  // namespace velmora::testing
