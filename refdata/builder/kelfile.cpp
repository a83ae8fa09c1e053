// kelfile.cpp: KelFile.dll, the name-analysis texts and grades: tables 81, sancai and
// sancai2009.
//
// The verdict column jx of 81 and the grade djc of sancai follow the scoring model
// (src/naming/wuge.h), so the report and the score can never disagree; the prose comes
// from texts/81.tsv and texts/sancai2009.tsv when those files are present.
#include "databases.h"
#include "naming/wuge.h"

#include <QHash>

#include <cstdio>
#include <stdexcept>

namespace velmora::refdb_build {
namespace {

// Elements in generation order; the 125 titles are every ordered triple of them.
const QString kElements = QStringLiteral("木火土金水");

QStringList AllSancaiTitles() {
  QStringList titles;
  for (QChar t : kElements) {
    for (QChar r : kElements) {
      for (QChar d : kElements) titles << QString(t) + r + d;
    }
  }
  return titles;
}

void Build81(const BuildContext& ctx, Database& db) {
  db.Exec(QStringLiteral(
      "CREATE TABLE \"81\" (num INTEGER PRIMARY KEY, yy TEXT, jx TEXT, \"as\" TEXT)"));
  QHash<int, QStringList> texts;
  if (auto file = ReadText(ctx, QStringLiteral("81.tsv"))) {
    const int num = file->RequireColumn(QStringLiteral("num"));
    const int yy = file->RequireColumn(QStringLiteral("yy"));
    const int jx = file->RequireColumn(QStringLiteral("jx"));
    const int as = file->RequireColumn(QStringLiteral("as"));
    for (const QStringList& r : file->rows) {
      bool ok = false;
      const int n = r[num].trimmed().toInt(&ok);
      if (!ok || n < 1 || n > 81) {
        throw std::runtime_error(
            QStringLiteral("%1: bad number %2").arg(file->path, r[num]).toStdString());
      }
      texts.insert(n, {r[yy], r[jx], r[as]});
    }
  }
  QList<QVariantList> rows;
  for (int n = 1; n <= 81; ++n) {
    const auto it = texts.constFind(n);
    if (it != texts.constEnd()) {
      rows << QVariantList{n, it.value()[0], it.value()[1], it.value()[2]};
    } else {
      // Without a prose row the verdict still follows the class lists.
      rows << QVariantList{n, QString(), naming::NumberClassVerdict(naming::NumberClassOf(n)),
                           QString()};
    }
  }
  InsertRows(db, QStringLiteral("81"),
             {QStringLiteral("num"), QStringLiteral("yy"), QStringLiteral("jx"),
              QStringLiteral("as")},
             rows);
}

void BuildSancai(Database& db) {
  db.Exec(QStringLiteral("CREATE TABLE sancai (title TEXT PRIMARY KEY, djc INTEGER NOT NULL)"));
  QList<QVariantList> rows;
  for (const QString& title : AllSancaiTitles()) {
    rows << QVariantList{title, naming::SancaiGrade(title)};
  }
  InsertRows(db, QStringLiteral("sancai"), {QStringLiteral("title"), QStringLiteral("djc")},
             rows);
}

void BuildSancai2009(const BuildContext& ctx, Database& db) {
  const QStringList columns = {QStringLiteral("title"), QStringLiteral("yy"),
                               QStringLiteral("jcy"),   QStringLiteral("jx1"),
                               QStringLiteral("cgy"),   QStringLiteral("jx2"),
                               QStringLiteral("rjgx"),  QStringLiteral("jx3"),
                               QStringLiteral("xg")};
  db.Exec(QStringLiteral(
      "CREATE TABLE sancai2009 (title TEXT PRIMARY KEY, yy TEXT, jcy TEXT, jx1 TEXT, "
      "cgy TEXT, jx2 TEXT, rjgx TEXT, jx3 TEXT, xg TEXT)"));
  QHash<QString, QVariantList> byTitle;
  if (auto file = ReadText(ctx, QStringLiteral("sancai2009.tsv"))) {
    QList<int> at;
    for (const QString& c : columns) at << file->RequireColumn(c);
    for (const QStringList& r : file->rows) {
      QVariantList row;
      for (int i : at) row << r[i];
      byTitle.insert(r[at[0]].trimmed(), row);
    }
  }
  QList<QVariantList> rows;
  for (const QString& title : AllSancaiTitles()) {
    const auto it = byTitle.constFind(title);
    if (it != byTitle.constEnd()) {
      QVariantList row = it.value();
      row[0] = title;
      rows << row;
      continue;
    }
    // No prose row: the verdicts still follow the grade rule (earth toward person for
    // the basic fortune, heaven toward person for success, the grade for relations).
    const int p1 = naming::TalentInfluence(title[0], title[1]);
    const int p2 = naming::TalentInfluence(title[2], title[1]);
    rows << QVariantList{title,
                         QString(),
                         QString(),
                         naming::InfluenceVerdict(p2),
                         QString(),
                         naming::InfluenceVerdict(p1),
                         QString(),
                         naming::RelationsVerdict(naming::SancaiGrade(title)),
                         QString()};
  }
  for (auto it = byTitle.constBegin(); it != byTitle.constEnd(); ++it) {
    if (naming::SancaiGrade(it.key()) == 0) {
      throw std::runtime_error(
          QStringLiteral("texts/sancai2009.tsv: %1 is not a three-talent title")
              .arg(it.key())
              .toStdString());
    }
  }
  InsertRows(db, QStringLiteral("sancai2009"), columns, rows);
}

}  // namespace

void BuildKelFile(const BuildContext& ctx, Database& db) {
  Build81(ctx, db);
  BuildSancai(db);
  BuildSancai2009(ctx, db);
}

}  // namespace velmora::refdb_build
