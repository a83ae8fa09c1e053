// dream.cpp: dream.dll, the bone-weight (称骨) tables chenggu1..4 and chenggu.
//
// The weights and verses come from sources/bone_weight/ (derived from chncal by
// scripts/derive_bone_weight.py, keys already mapped to the program's decimal keys);
// the explanation content2 of each total comes from texts/chenggu.tsv when present.
#include "databases.h"

#include <QHash>

#include <stdexcept>

namespace velmora::refdb_build {
namespace {

void BuildWeightTable(const BuildContext& ctx, Database& db, const QString& table,
                      const QString& keyColumn) {
  db.Exec(QStringLiteral("CREATE TABLE %1 (\"%2\" TEXT PRIMARY KEY, weight REAL NOT NULL)")
              .arg(table, keyColumn));
  const TsvTable source = ReadTsv(ctx.SourcePath(QStringLiteral("bone_weight/") + table +
                                                 QStringLiteral(".tsv")));
  const int key = source.RequireColumn(keyColumn);
  const int weight = source.RequireColumn(QStringLiteral("weight"));
  QList<QVariantList> rows;
  for (const QStringList& r : source.rows) {
    bool ok = false;
    const double w = r[weight].toDouble(&ok);
    if (!ok) {
      throw std::runtime_error(
          QStringLiteral("%1: bad weight %2").arg(source.path, r[weight]).toStdString());
    }
    rows << QVariantList{r[key], w};
  }
  InsertRows(db, table, {keyColumn, QStringLiteral("weight")}, rows);
}

void BuildVerses(const BuildContext& ctx, Database& db) {
  db.Exec(QStringLiteral(
      "CREATE TABLE chenggu (weight TEXT PRIMARY KEY, content TEXT, content2 TEXT)"));
  QHash<QString, QString> explanations;
  if (auto file = ReadText(ctx, QStringLiteral("chenggu.tsv"))) {
    const int weight = file->RequireColumn(QStringLiteral("weight"));
    const int content2 = file->RequireColumn(QStringLiteral("content2"));
    for (const QStringList& r : file->rows) explanations.insert(r[weight].trimmed(), r[content2]);
  }
  const TsvTable verses = ReadTsv(ctx.SourcePath(QStringLiteral("bone_weight/verses.tsv")));
  const int weight = verses.RequireColumn(QStringLiteral("weight"));
  const int content = verses.RequireColumn(QStringLiteral("content"));
  QList<QVariantList> rows;
  for (const QStringList& r : verses.rows) {
    rows << QVariantList{r[weight], r[content], explanations.value(r[weight])};
  }
  InsertRows(db, QStringLiteral("chenggu"),
             {QStringLiteral("weight"), QStringLiteral("content"), QStringLiteral("content2")},
             rows);
}

}  // namespace

void BuildDream(const BuildContext& ctx, Database& db) {
  BuildWeightTable(ctx, db, QStringLiteral("chenggu1"), QStringLiteral("year"));
  BuildWeightTable(ctx, db, QStringLiteral("chenggu2"), QStringLiteral("month2"));
  BuildWeightTable(ctx, db, QStringLiteral("chenggu3"), QStringLiteral("day2"));
  BuildWeightTable(ctx, db, QStringLiteral("chenggu4"), QStringLiteral("time"));
  BuildVerses(ctx, db);
  BuildDreams(ctx, db);
}

}  // namespace velmora::refdb_build
