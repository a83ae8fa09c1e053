// tgcode.cpp: Tgcode.dll, the birth-chart tables hzwh, Shishen, jiazi, sjrs, qtbj, JQ.
//
// The fixed facts (elements, ten gods, nayin, the keys of sjrs and qtbj) come from
// sources/tgcode/ (scripts/derive_tgcode.py), the solar terms from sources/jq.tsv
// (chncal via scripts/derive_solar_terms.py), the prose of sjrs and qtbj from
// texts/sjrs.tsv and texts/qtbj.tsv when present.
#include "databases.h"

#include <QHash>

#include <stdexcept>

namespace velmora::refdb_build {
namespace {

// Loads a source file whose columns are all text, keeping the header's order.
void LoadTextTable(const BuildContext& ctx, Database& db, const QString& table,
                   const QString& source, const QStringList& columns) {
  const TsvTable file = ReadTsv(ctx.SourcePath(source));
  QList<int> at;
  for (const QString& c : columns) at << file.RequireColumn(c);
  QList<QVariantList> rows;
  for (const QStringList& r : file.rows) {
    QVariantList row;
    for (int i : at) row << r[i];
    rows << row;
  }
  InsertRows(db, table, columns, rows);
}

// A table keyed by two text columns whose key rows come from sources/ and whose text
// column comes from texts/ (empty for keys the text file does not hold).
void LoadKeyedTexts(const BuildContext& ctx, Database& db, const QString& table,
                    const QString& keySource, const QString& textFile, const QString& key1,
                    const QString& key2, const QString& textColumn) {
  db.Exec(QStringLiteral("CREATE TABLE %1 (%2 TEXT NOT NULL, %3 TEXT NOT NULL, %4 TEXT, "
                         "PRIMARY KEY (%2, %3))")
              .arg(table, key1, key2, textColumn));
  QHash<QString, QString> texts;
  if (auto file = ReadText(ctx, textFile)) {
    const int k1 = file->RequireColumn(key1);
    const int k2 = file->RequireColumn(key2);
    const int t = file->RequireColumn(textColumn);
    for (const QStringList& r : file->rows) {
      texts.insert(r[k1].trimmed() + u'\t' + r[k2].trimmed(), r[t]);
    }
  }
  const TsvTable keys = ReadTsv(ctx.SourcePath(keySource));
  const int k1 = keys.RequireColumn(key1);
  const int k2 = keys.RequireColumn(key2);
  QList<QVariantList> rows;
  for (const QStringList& r : keys.rows) {
    rows << QVariantList{r[k1], r[k2], texts.value(r[k1] + u'\t' + r[k2])};
  }
  InsertRows(db, table, {key1, key2, textColumn}, rows);
}

void BuildJq(const BuildContext& ctx, Database& db) {
  // SJ holds ISO text "YYYY-MM-DD HH:MM:SS" in Beijing time: it sorts as a date-time and
  // SQLite's date functions read it, which is how FORMAT(SJ,'yyyy-mm-dd') is answered.
  db.Exec(QStringLiteral(
      "CREATE TABLE JQ (YearA INTEGER NOT NULL, JQ TEXT NOT NULL, SJ DATETIME NOT NULL)"));
  const TsvTable file = ReadTsv(ctx.SourcePath(QStringLiteral("jq.tsv")));
  const int year = file.RequireColumn(QStringLiteral("YearA"));
  const int name = file.RequireColumn(QStringLiteral("JQ"));
  const int sj = file.RequireColumn(QStringLiteral("SJ"));
  QList<QVariantList> rows;
  for (const QStringList& r : file.rows) {
    bool ok = false;
    const int y = r[year].toInt(&ok);
    if (!ok || r[sj].size() != 19) {
      throw std::runtime_error(
          QStringLiteral("%1: bad row %2").arg(file.path, r.join(u' ')).toStdString());
    }
    rows << QVariantList{y, r[name], r[sj]};
  }
  InsertRows(db, QStringLiteral("JQ"),
             {QStringLiteral("YearA"), QStringLiteral("JQ"), QStringLiteral("SJ")}, rows);
  db.Exec(QStringLiteral("CREATE INDEX JQ_year ON JQ (YearA, SJ)"));
}

}  // namespace

void BuildTgcode(const BuildContext& ctx, Database& db) {
  db.Exec(QStringLiteral("CREATE TABLE hzwh (hz TEXT NOT NULL, wh TEXT NOT NULL)"));
  LoadTextTable(ctx, db, QStringLiteral("hzwh"), QStringLiteral("tgcode/hzwh.tsv"),
                {QStringLiteral("hz"), QStringLiteral("wh")});
  db.Exec(QStringLiteral("CREATE TABLE Shishen (jiazi TEXT PRIMARY KEY, ShiShen TEXT NOT NULL)"));
  LoadTextTable(ctx, db, QStringLiteral("Shishen"), QStringLiteral("tgcode/shishen.tsv"),
                {QStringLiteral("jiazi"), QStringLiteral("ShiShen")});
  db.Exec(QStringLiteral("CREATE TABLE jiazi (jiazi TEXT PRIMARY KEY, layin TEXT NOT NULL)"));
  LoadTextTable(ctx, db, QStringLiteral("jiazi"), QStringLiteral("tgcode/jiazi.tsv"),
                {QStringLiteral("jiazi"), QStringLiteral("layin")});
  LoadKeyedTexts(ctx, db, QStringLiteral("sjrs"), QStringLiteral("tgcode/sjrs_keys.tsv"),
                 QStringLiteral("sjrs.tsv"), QStringLiteral("wh"), QStringLiteral("sj"),
                 QStringLiteral("sjrs"));
  LoadKeyedTexts(ctx, db, QStringLiteral("qtbj"), QStringLiteral("tgcode/qtbj_keys.tsv"),
                 QStringLiteral("qtbj.tsv"), QStringLiteral("tg"), QStringLiteral("dz"),
                 QStringLiteral("content"));
  BuildJq(ctx, db);
}

}  // namespace velmora::refdb_build
