// common.cpp: helpers shared by the five database builders (see databases.h).
#include "databases.h"

#include <QDir>

#include <cstdio>
#include <stdexcept>

namespace velmora::refdb_build {

QString BuildContext::SourcePath(const QString& relative) const {
  return QDir(refdataDir).filePath(QStringLiteral("sources/") + relative);
}

QString BuildContext::TextPath(const QString& name) const {
  return QDir(refdataDir).filePath(QStringLiteral("texts/") + name);
}

void InsertRows(Database& db, const QString& table, const QStringList& columns,
                const QList<QVariantList>& rows) {
  QStringList quoted;
  QStringList marks;
  for (const QString& c : columns) {
    quoted << QLatin1Char('"') + c + QLatin1Char('"');
    marks << QStringLiteral("?");
  }
  InTransaction(db, [&] {
    Statement insert = db.Prepare(QStringLiteral("INSERT INTO \"%1\" (%2) VALUES (%3)")
                                      .arg(table, quoted.join(u','), marks.join(u',')));
    for (const QVariantList& row : rows) {
      if (row.size() != columns.size()) {
        throw std::runtime_error(
            QStringLiteral("%1: row of %2 values for %3 columns")
                .arg(table)
                .arg(row.size())
                .arg(columns.size())
                .toStdString());
      }
      for (int i = 0; i < row.size(); ++i) {
        const QVariant& v = row[i];
        switch (v.typeId()) {
          case QMetaType::Int: insert.Bind(i + 1, v.toInt()); break;
          case QMetaType::Double: insert.Bind(i + 1, v.toDouble()); break;
          case QMetaType::QString: insert.Bind(i + 1, v.toString()); break;
          default: insert.BindNull(i + 1); break;
        }
      }
      insert.Run();
    }
  });
  std::printf("  %s: %lld rows\n", table.toUtf8().constData(),
              static_cast<long long>(rows.size()));
}

std::optional<TsvTable> ReadText(const BuildContext& ctx, const QString& name) {
  auto table = ReadTsvIfPresent(ctx.TextPath(name));
  if (!table) {
    std::fprintf(stderr, "velmora_refdb: note: texts/%s not present; its text columns stay empty\n",
                 name.toUtf8().constData());
  }
  return table;
}

}  // namespace velmora::refdb_build
