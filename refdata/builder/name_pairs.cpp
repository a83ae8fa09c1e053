// name_pairs.cpp: table hm of Pelvano.dll, the curated good given names of 推荐模式.
//
// From texts/name_pairs.tsv (pair, sex 男/女/1, style modern/classic/popular, note): given
// names of two characters that parents choose today or that read as a classic, each with
// a short note in the project's own words (or the line it comes from). The file order is
// kept in px. The builder refuses a pair that generation could never propose as it is
// written: a character that is not a candidate of word, one whose sex does not suit the
// pair's, a first character that only closes names or a second that only opens them, so
// every row can reach the ranking.
#include "databases.h"

#include <QHash>
#include <QSet>

#include <stdexcept>

namespace velmora::refdb_build {
namespace {

struct Candidate {
  QString xb;  // 男, 女 or 1
  int id = 0;  // first-position rank − second-position rank: −3000 opens only, 3000 closes only
};

QHash<QChar, Candidate> Candidates(Database& db) {
  QHash<QChar, Candidate> out;
  sqlite3_stmt* stmt = nullptr;
  if (sqlite3_prepare_v2(db.handle(), "SELECT zi, xb, id FROM word WHERE Aflag IS NULL", -1, &stmt, nullptr) !=
      SQLITE_OK) {
    throw std::runtime_error(sqlite3_errmsg(db.handle()));
  }
  while (sqlite3_step(stmt) == SQLITE_ROW) {
    const QString zi = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
    const QString xb = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 1)));
    if (zi.size() == 1) out.insert(zi.front(), {xb, sqlite3_column_int(stmt, 2)});
  }
  sqlite3_finalize(stmt);
  return out;
}

bool Suits(const QString& pairSex, const QString& charSex) {
  return charSex == QStringLiteral("1") || (pairSex != QStringLiteral("1") && charSex == pairSex);
}

}  // namespace

void BuildNamePairs(const BuildContext& ctx, Database& db) {
  db.Exec(QStringLiteral("CREATE TABLE hm (px INTEGER PRIMARY KEY, mz TEXT NOT NULL UNIQUE, xb TEXT NOT NULL, "
                         "fg TEXT NOT NULL, yy TEXT NOT NULL)"));
  const auto file = ReadText(ctx, QStringLiteral("name_pairs.tsv"));
  if (!file) return;
  const int pair = file->RequireColumn(QStringLiteral("pair"));
  const int sex = file->RequireColumn(QStringLiteral("sex"));
  const int style = file->RequireColumn(QStringLiteral("style"));
  const int note = file->RequireColumn(QStringLiteral("note"));
  const QHash<QChar, Candidate> candidates = Candidates(db);
  const QSet<QString> styles = {QStringLiteral("modern"), QStringLiteral("classic"), QStringLiteral("popular")};
  QSet<QString> seen;
  QList<QVariantList> rows;
  for (const QStringList& r : file->rows) {
    const QString mz = r[pair].trimmed(), xb = r[sex].trimmed(), fg = r[style].trimmed();
    auto refuse = [&](const QString& why) {
      throw std::runtime_error(QStringLiteral("%1: %2 %3").arg(file->path, mz, why).toStdString());
    };
    if (mz.size() != 2) refuse(QStringLiteral("is not two characters"));
    if (seen.contains(mz)) refuse(QStringLiteral("twice"));
    if (xb != QStringLiteral("男") && xb != QStringLiteral("女") && xb != QStringLiteral("1")) refuse(QStringLiteral("sex ") + xb);
    if (!styles.contains(fg)) refuse(QStringLiteral("style ") + fg);
    for (int i = 0; i < 2; ++i) {
      const auto c = candidates.constFind(mz[i]);
      if (c == candidates.cend()) refuse(QString(mz[i]) + QStringLiteral(" is no candidate"));
      if (!Suits(xb, c->xb)) refuse(QString(mz[i]) + QStringLiteral(" is for ") + c->xb);
      if ((i == 0 && c->id >= 3000) || (i == 1 && c->id <= -3000)) refuse(QString(mz[i]) + QStringLiteral(" cannot stand there"));
    }
    seen.insert(mz);
    rows << QVariantList{static_cast<int>(rows.size()) + 1, mz, xb, fg, r[note].trimmed()};
  }
  InsertRows(db, QStringLiteral("hm"),
             {QStringLiteral("px"), QStringLiteral("mz"), QStringLiteral("xb"), QStringLiteral("fg"), QStringLiteral("yy")},
             rows);
}

}  // namespace velmora::refdb_build
