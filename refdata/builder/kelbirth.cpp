// kelbirth.cpp: KelBirth.dll, the explanatory notes (Noter) and the poetry library (sg).
//
// sg comes from sources/poetry/sg.tsv (derived from chinese-poetry by
// scripts/derive_poetry.py); the notes from texts/noter.tsv. The main window always
// asks for the notes XM016 and XM017, so those codes exist even without the text file.
#include "databases.h"

#include <QSet>

#include <stdexcept>

namespace velmora::refdb_build {
namespace {

void BuildNoter(const BuildContext& ctx, Database& db) {
  db.Exec(QStringLiteral("CREATE TABLE Noter (Cid TEXT PRIMARY KEY, Tite TEXT, content TEXT)"));
  QList<QVariantList> rows;
  QSet<QString> codes;
  if (auto file = ReadText(ctx, QStringLiteral("noter.tsv"))) {
    const int cid = file->RequireColumn(QStringLiteral("Cid"));
    const int tite = file->RequireColumn(QStringLiteral("Tite"));
    const int content = file->RequireColumn(QStringLiteral("content"));
    for (const QStringList& r : file->rows) {
      rows << QVariantList{r[cid].trimmed(), r[tite], r[content]};
      codes.insert(r[cid].trimmed());
    }
  }
  for (const QString& code : {QStringLiteral("XM016"), QStringLiteral("XM017")}) {
    if (!codes.contains(code)) rows << QVariantList{code, QString(), QString()};
  }
  InsertRows(db, QStringLiteral("Noter"),
             {QStringLiteral("Cid"), QStringLiteral("Tite"), QStringLiteral("content")}, rows);
}

void BuildPoetry(const BuildContext& ctx, Database& db) {
  db.Exec(QStringLiteral(
      "CREATE TABLE sg (d_num INTEGER PRIMARY KEY, cd_num INTEGER NOT NULL, "
      "d_dynasty TEXT NOT NULL, au_num INTEGER NOT NULL, d_author TEXT NOT NULL, "
      "d_title TEXT NOT NULL, d_nr TEXT NOT NULL)"));
  const QStringList columns = {QStringLiteral("d_num"),    QStringLiteral("cd_num"),
                               QStringLiteral("d_dynasty"), QStringLiteral("au_num"),
                               QStringLiteral("d_author"), QStringLiteral("d_title"),
                               QStringLiteral("d_nr")};
  const TsvTable source = ReadTsv(ctx.SourcePath(QStringLiteral("poetry/sg.tsv")));
  QList<int> at;
  for (const QString& c : columns) at << source.RequireColumn(c);
  QList<QVariantList> rows;
  rows.reserve(source.rows.size());
  for (const QStringList& r : source.rows) {
    QVariantList row;
    for (int i = 0; i < columns.size(); ++i) {
      const QString& text = r[at[i]];
      if (i == 0 || i == 1 || i == 3) {
        bool ok = false;
        const int n = text.toInt(&ok);
        if (!ok) {
          throw std::runtime_error(
              QStringLiteral("%1: %2 is not a number").arg(source.path, text).toStdString());
        }
        row << n;
      } else {
        row << text;
      }
    }
    rows << row;
  }
  InsertRows(db, QStringLiteral("sg"), columns, rows);
  // The tree groups by dynasty, then by author; the poem list selects by author. sg_tree
  // answers a dynasty's authors from the index alone, without reading the poems.
  db.Exec(QStringLiteral("CREATE INDEX sg_dynasty ON sg (cd_num, d_dynasty); "
                         "CREATE INDEX sg_author ON sg (au_num, d_author); "
                         "CREATE INDEX sg_tree ON sg (cd_num, au_num, d_author)"));
}

}  // namespace

void BuildKelBirth(const BuildContext& ctx, Database& db) {
  BuildNoter(ctx, db);
  BuildPoetry(ctx, db);
}

}  // namespace velmora::refdb_build
