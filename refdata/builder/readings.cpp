// readings.cpp: the two small reading tables of the tool windows.
//
// - jm (dream.dll): the 解梦 dictionary, from texts/dreams.tsv (keyword, category, aliases,
//   reading), the project's own wording of traditional folk readings.
// - xiaoming (Pelvano.dll): the curated nicknames of the 小名 window, from
//   texts/nicknames.tsv (nickname, sex 男/女/1, meaning), in the file's order (px).
// Both files are prose: without one, its table is created empty.
#include "databases.h"

#include <QSet>

#include <stdexcept>

namespace velmora::refdb_build {
namespace {

void RequireUnique(const TsvTable& t, int column) {
  QSet<QString> seen;
  for (const QStringList& r : t.rows) {
    if (seen.contains(r[column])) {
      throw std::runtime_error(QStringLiteral("%1: %2 twice").arg(t.path, r[column]).toStdString());
    }
    seen.insert(r[column]);
  }
}

}  // namespace

void BuildDreams(const BuildContext& ctx, Database& db) {
  db.Exec(QStringLiteral("CREATE TABLE jm (px INTEGER NOT NULL, keyword TEXT PRIMARY KEY, category TEXT NOT NULL, "
                         "aliases TEXT NOT NULL, reading TEXT NOT NULL)"));
  db.Exec(QStringLiteral("CREATE INDEX jm_category ON jm (category, px)"));
  const auto file = ReadText(ctx, QStringLiteral("dreams.tsv"));
  if (!file) return;
  const int keyword = file->RequireColumn(QStringLiteral("keyword"));
  const int category = file->RequireColumn(QStringLiteral("category"));
  const int aliases = file->RequireColumn(QStringLiteral("aliases"));
  const int reading = file->RequireColumn(QStringLiteral("reading"));
  RequireUnique(*file, keyword);
  QList<QVariantList> rows;
  for (const QStringList& r : file->rows) {
    rows << QVariantList{static_cast<int>(rows.size()) + 1, r[keyword].trimmed(), r[category].trimmed(),
                         r[aliases].trimmed(), r[reading].trimmed()};
  }
  InsertRows(db, QStringLiteral("jm"),
             {QStringLiteral("px"), QStringLiteral("keyword"), QStringLiteral("category"), QStringLiteral("aliases"),
              QStringLiteral("reading")},
             rows);
}

void BuildNicknames(const BuildContext& ctx, Database& db) {
  db.Exec(QStringLiteral(
      "CREATE TABLE xiaoming (px INTEGER PRIMARY KEY, nickname TEXT NOT NULL UNIQUE, xb TEXT NOT NULL, "
      "meaning TEXT NOT NULL)"));
  const auto file = ReadText(ctx, QStringLiteral("nicknames.tsv"));
  if (!file) return;
  const int nickname = file->RequireColumn(QStringLiteral("nickname"));
  const int sex = file->RequireColumn(QStringLiteral("sex"));
  const int meaning = file->RequireColumn(QStringLiteral("meaning"));
  RequireUnique(*file, nickname);
  QList<QVariantList> rows;
  for (const QStringList& r : file->rows) {
    const QString xb = r[sex].trimmed();
    if (xb != QStringLiteral("男") && xb != QStringLiteral("女") && xb != QStringLiteral("1")) {
      throw std::runtime_error(QStringLiteral("%1: sex of %2 is %3").arg(file->path, r[nickname], xb).toStdString());
    }
    rows << QVariantList{static_cast<int>(rows.size()) + 1, r[nickname].trimmed(), xb, r[meaning].trimmed()};
  }
  InsertRows(db, QStringLiteral("xiaoming"),
             {QStringLiteral("px"), QStringLiteral("nickname"), QStringLiteral("xb"), QStringLiteral("meaning")}, rows);
}

}  // namespace velmora::refdb_build
