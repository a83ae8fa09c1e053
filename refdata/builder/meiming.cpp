// meiming.cpp: table mm of Pelvano.dll, the given names of 美名模式: pairs of candidate
// characters that stand next to each other in a line of the poetry library.
//
// A pair is counted once per poem that holds it (cs). Both characters must be candidates
// (word.Aflag null), the first one that may open a name (word.id > -3000 marks the
// characters that never close one, see WORD.md) and the second one that may close a
// name (id < 3000). A pair held by one poem only is dropped, and so is every pair of
// sources/curated/meiming_excluded.tsv (read by hand: not a name, or a meaning no parent
// wants). The source of a pair is the first poem, in the library's order (oldest
// dynasty first), whose sentence around the pair holds no character of
// sources/curated/excluded.tsv (death, illness, sorrow ...), else the first poem at all:
// its number, title, author and that sentence (up to 。！？；), so that a long stanza
// still fits the status strip.
//
// Source: sources/poetry/sg.tsv (the poetry library, built into KelBirth.dll as sg).
#include "databases.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <stdexcept>

namespace velmora::refdb_build {
namespace {

// A candidate's id beyond these marks a character that only opens (-3000) or only closes
// (+3000) a two-character given name.
constexpr int kOpensOnly = -3000;
constexpr int kClosesOnly = 3000;

struct Attestation {
  int poems = 0;
  int lastPoem = -1;  // row of sg.tsv last counted, so a poem counts once
  int dNum = 0;
  bool clean = false;  // the sentence holds no excluded character
  QString title, author, line;
};

// The sentence of line around the pair at i: from after the previous 。！？； to the next
// one, inclusive.
QString SentenceAround(QStringView line, qsizetype i) {
  static const QString kEnds = QStringLiteral("。！？；");
  qsizetype from = i;
  while (from > 0 && !kEnds.contains(line[from - 1])) --from;
  qsizetype to = i + 2;
  while (to < line.size() && !kEnds.contains(line[to - 1])) ++to;
  return line.mid(from, to - from).trimmed().toString();
}

// zi -> id of every candidate character.
QHash<QChar, int> Candidates(Database& db) {
  QHash<QChar, int> out;
  sqlite3_stmt* stmt = nullptr;
  if (sqlite3_prepare_v2(db.handle(), "SELECT zi, id FROM word WHERE Aflag IS NULL", -1, &stmt,
                         nullptr) != SQLITE_OK) {
    throw std::runtime_error(sqlite3_errmsg(db.handle()));
  }
  while (sqlite3_step(stmt) == SQLITE_ROW) {
    const QString zi = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
    if (zi.size() == 1) out.insert(zi.front(), sqlite3_column_int(stmt, 1));
  }
  sqlite3_finalize(stmt);
  return out;
}

}  // namespace

void BuildMeiming(const BuildContext& ctx, Database& db) {
  db.Exec(QStringLiteral(
      "CREATE TABLE mm (zi1 TEXT NOT NULL, zi2 TEXT NOT NULL, cs INTEGER NOT NULL, "
      "d_num INTEGER NOT NULL, d_title TEXT NOT NULL, d_author TEXT NOT NULL, ju TEXT NOT NULL, "
      "PRIMARY KEY (zi1, zi2)) WITHOUT ROWID"));
  const QHash<QChar, int> candidates = Candidates(db);
  QSet<QChar> gloomy;  // characters no parent wants near a name's source
  if (auto list = ReadTsvIfPresent(ctx.SourcePath(QStringLiteral("curated/excluded.tsv")))) {
    const int zi = list->RequireColumn(QStringLiteral("zi"));
    for (const QStringList& r : list->rows) {
      if (r[zi].size() == 1) gloomy.insert(r[zi].front());
    }
  }
  QSet<QString> excluded;
  if (auto list = ReadTsvIfPresent(ctx.SourcePath(QStringLiteral("curated/meiming_excluded.tsv")))) {
    const int pair = list->RequireColumn(QStringLiteral("pair"));
    for (const QStringList& r : list->rows) excluded.insert(r[pair].trimmed());
  }

  const TsvTable sg = ReadTsv(ctx.SourcePath(QStringLiteral("poetry/sg.tsv")));
  const int dNum = sg.RequireColumn(QStringLiteral("d_num"));
  const int title = sg.RequireColumn(QStringLiteral("d_title"));
  const int author = sg.RequireColumn(QStringLiteral("d_author"));
  const int text = sg.RequireColumn(QStringLiteral("d_nr"));
  QHash<QString, Attestation> pairs;
  QList<QString> order;  // pairs in the order of their first poem
  for (int poem = 0; poem < sg.rows.size(); ++poem) {
    const QStringList& r = sg.rows[poem];
    for (QStringView line : QStringView(r[text]).split(u'\n')) {
      for (qsizetype i = 0; i + 1 < line.size(); ++i) {
        const auto first = candidates.constFind(line[i]);
        const auto second = candidates.constFind(line[i + 1]);
        if (first == candidates.cend() || second == candidates.cend()) continue;
        if (first.value() >= kClosesOnly || second.value() <= kOpensOnly) continue;
        const QString pair = line.mid(i, 2).toString();
        Attestation& a = pairs[pair];
        if (a.lastPoem == poem) continue;
        a.lastPoem = poem;
        if (++a.poems == 1) order << pair;
        if (a.clean) continue;
        const QString sentence = SentenceAround(line, i);
        const bool clean = std::none_of(sentence.cbegin(), sentence.cend(), [&](QChar ch) { return gloomy.contains(ch); });
        if (a.poems == 1 || clean) {
          a.dNum = r[dNum].toInt();
          a.title = r[title].trimmed();
          a.author = r[author].trimmed();
          a.line = sentence;
          a.clean = clean;
        }
      }
    }
  }

  QList<QVariantList> rows;
  for (const QString& pair : order) {
    const Attestation& a = pairs[pair];
    if (a.poems < 2 || excluded.contains(pair)) continue;
    rows << QVariantList{QString(pair[0]), QString(pair[1]), a.poems, a.dNum, a.title, a.author, a.line};
  }
  InsertRows(db, QStringLiteral("mm"),
             {QStringLiteral("zi1"), QStringLiteral("zi2"), QStringLiteral("cs"), QStringLiteral("d_num"),
              QStringLiteral("d_title"), QStringLiteral("d_author"), QStringLiteral("ju")},
             rows);
}

}  // namespace velmora::refdb_build
