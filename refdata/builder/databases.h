// databases.h: the five reference databases and how each is filled.
//
// Exports BuildContext (where the sources lie) and one Build function per file. Each
// function creates the tables and indexes of its file in an open, empty Database and
// fills them: from the curated and derived sources under refdata/sources/, from the
// prose texts under refdata/texts/ (optional: a missing text file leaves its text
// columns empty), and, for zh and sancai, from the scoring model in src/naming/.
#pragma once

#include "sqlite_db.h"
#include "tsv.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace velmora::refdb_build {

struct BuildContext {
  QString refdataDir;  // the refdata/ folder of the source tree

  QString SourcePath(const QString& relative) const;  // refdata/sources/<relative>
  QString TextPath(const QString& name) const;        // refdata/texts/<name>
};

// Creates nothing; inserts rows into an existing table in one transaction. A row holds
// one QVariant per column: int, double or QString, or an invalid QVariant for NULL.
// Prints "table: n rows" to standard output.
void InsertRows(Database& db, const QString& table, const QStringList& columns,
                const QList<QVariantList>& rows);

// An optional text file of refdata/texts/, with a note on standard error when absent.
std::optional<TsvTable> ReadText(const BuildContext& ctx, const QString& name);

void BuildPelvano(const BuildContext& ctx, Database& db);   // word, zh, mm, zy, mc, xiaoming, xs, hm
void BuildMeiming(const BuildContext& ctx, Database& db);   // mm, from word and the poetry source
void BuildNameChecks(const BuildContext& ctx, Database& db);  // zy and mc, what the name checks read
void BuildKelFile(const BuildContext& ctx, Database& db);   // 81, sancai, sancai2009
void BuildDream(const BuildContext& ctx, Database& db);     // chenggu1..4, chenggu, jm
void BuildDreams(const BuildContext& ctx, Database& db);    // jm, the 解梦 dictionary
void BuildNicknames(const BuildContext& ctx, Database& db); // xiaoming, the curated 小名
void BuildSurnameReadings(const BuildContext& ctx, Database& db);  // xs, surnames read as surnames
void BuildNamePairs(const BuildContext& ctx, Database& db); // hm, the curated good given names
void BuildKelBirth(const BuildContext& ctx, Database& db);  // Noter, sg
void BuildTgcode(const BuildContext& ctx, Database& db);    // hzwh, Shishen, jiazi, sjrs, qtbj, JQ

}  // namespace velmora::refdb_build
