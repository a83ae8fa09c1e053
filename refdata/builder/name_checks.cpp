// name_checks.cpp: the two tables of Pelvano.dll that the name checks read.
//
// zy, one row per candidate character (word.Aflag null, from curated/name_chars.tsv): its meaning in a
// name (yy, the project's own text from texts/name_meanings.tsv), its reading in a name
// (dy, with tone mark; word.tsv's reading when the text gives none), the tone class of
// that reading (sd: 平 for tones 1 and 2, 仄 for 3, 4 and the neutral tone), whether a
// reader may be unsure of the reading (dyz, 1 for 乐, 朝, 长) and the pairings in which it
// reads badly (fx: items WORD:reason joined by ；). Without the text file every key is
// there with the texts empty.
//
// mc, the words a name is compared with (ci the word, py its toneless reading, lb the
// kind, yy the reason, cs the corpus count): sources/name_checks.tsv (derived from THUOCL,
// see scripts/derive_name_checks.py) and the project's curated lists
// sources/curated/bad_sounds.tsv (sound; tease for its comic and everyday words), bad_pairs.tsv (pair) and famous.tsv (fame, prefix, or
// given for a given name, written *如花, that evokes the figure with any surname).
#include "databases.h"
#include "naming/pinyin.h"

#include <QHash>

#include <stdexcept>

namespace velmora::refdb_build {
namespace {

// The candidate characters of the word table just written, with their readings.
QList<QPair<QString, QString>> Candidates(Database& db) {
  QList<QPair<QString, QString>> out;
  sqlite3_stmt* stmt = nullptr;
  if (sqlite3_prepare_v2(db.handle(), "SELECT zi, pinyin FROM word WHERE Aflag IS NULL ORDER BY px", -1, &stmt, nullptr) !=
      SQLITE_OK) {
    throw std::runtime_error(sqlite3_errmsg(db.handle()));
  }
  auto text = [stmt](int column) { return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, column))); };
  while (sqlite3_step(stmt) == SQLITE_ROW) out.append({text(0), text(1)});
  sqlite3_finalize(stmt);
  return out;
}

void BuildZy(const BuildContext& ctx, Database& db) {
  db.Exec(QStringLiteral("CREATE TABLE zy (zi TEXT PRIMARY KEY NOT NULL, yy TEXT, dy TEXT, sd TEXT, dyz INTEGER, fx TEXT) "
                         "WITHOUT ROWID"));
  QHash<QString, QStringList> texts;
  int meaning = -1, reading = -1, polyphone = -1, risk = -1;
  if (auto t = ReadText(ctx, QStringLiteral("name_meanings.tsv"))) {
    const int zi = t->RequireColumn(QStringLiteral("zi"));
    meaning = t->RequireColumn(QStringLiteral("meaning"));
    reading = t->RequireColumn(QStringLiteral("reading"));
    polyphone = t->RequireColumn(QStringLiteral("polyphone"));
    risk = t->RequireColumn(QStringLiteral("risk"));
    for (const QStringList& r : t->rows) texts.insert(r[zi].trimmed(), r);
  }
  QList<QVariantList> rows;
  for (const auto& [zi, pinyin] : Candidates(db)) {
    const QStringList t = texts.value(zi);
    QString dy = t.isEmpty() ? QString() : t[reading].trimmed();
    if (dy.isEmpty()) dy = pinyin;
    const QString sd = dy.isEmpty() ? QString() : QString(naming::ToneClass(naming::ToneOf(dy)));
    rows << QVariantList{zi, t.isEmpty() ? QString() : t[meaning].trimmed(), dy, sd,
                         t.isEmpty() ? 0 : t[polyphone].trimmed().toInt(), t.isEmpty() ? QString() : t[risk].trimmed()};
  }
  InsertRows(db, QStringLiteral("zy"),
             {QStringLiteral("zi"), QStringLiteral("yy"), QStringLiteral("dy"), QStringLiteral("sd"), QStringLiteral("dyz"),
              QStringLiteral("fx")},
             rows);
}

// A given name alone that evokes a figure with any surname (如花, 秋香): famous.tsv marks it
// with a leading *. A surname with the first given character that evokes a family (毛泽…,
// the generation name of 毛泽东 and his brothers) ends in …, and is kind prefix.
constexpr QChar kGivenOnly = u'*';
constexpr QChar kPrefix = u'…';

void BuildMc(const BuildContext& ctx, Database& db) {
  db.Exec(QStringLiteral("CREATE TABLE mc (ci TEXT NOT NULL, py TEXT, lb TEXT NOT NULL, yy TEXT, cs INTEGER)"));
  QList<QVariantList> rows;
  if (auto t = ReadTsvIfPresent(ctx.SourcePath(QStringLiteral("name_checks.tsv")))) {
    const int word = t->RequireColumn(QStringLiteral("word")), pinyin = t->RequireColumn(QStringLiteral("pinyin"));
    const int kind = t->RequireColumn(QStringLiteral("kind")), reason = t->RequireColumn(QStringLiteral("reason"));
    const int count = t->RequireColumn(QStringLiteral("count"));
    for (const QStringList& r : t->rows) rows << QVariantList{r[word], r[pinyin], r[kind], r[reason], r[count].toInt()};
  }
  if (auto t = ReadTsvIfPresent(ctx.SourcePath(QStringLiteral("curated/bad_sounds.tsv")))) {
    const int word = t->RequireColumn(QStringLiteral("word")), pinyin = t->RequireColumn(QStringLiteral("pinyin"));
    const int reason = t->RequireColumn(QStringLiteral("reason"));
    const int kind = t->RequireColumn(QStringLiteral("kind"));
    for (const QStringList& r : t->rows) {
      // A comic or everyday word (汤圆, 博客) is a tease in a name, but may be a nickname.
      const bool tease = r[kind].trimmed() == QStringLiteral("comic") || r[kind].trimmed() == QStringLiteral("everyday");
      rows << QVariantList{r[word].trimmed(), naming::TonelessReading(r[pinyin]),
                           tease ? QStringLiteral("tease") : QStringLiteral("sound"), r[reason].trimmed(), 0};
    }
  }
  if (auto t = ReadTsvIfPresent(ctx.SourcePath(QStringLiteral("curated/bad_pairs.tsv")))) {
    const int pair = t->RequireColumn(QStringLiteral("pair")), reason = t->RequireColumn(QStringLiteral("reason"));
    for (const QStringList& r : t->rows) rows << QVariantList{r[pair].trimmed(), QString(), QStringLiteral("pair"), r[reason].trimmed(), 0};
  }
  if (auto t = ReadTsvIfPresent(ctx.SourcePath(QStringLiteral("curated/famous.tsv")))) {
    const int name = t->RequireColumn(QStringLiteral("name")), who = t->RequireColumn(QStringLiteral("who"));
    for (const QStringList& r : t->rows) {
      const QString text = r[name].trimmed();
      const bool given = text.startsWith(kGivenOnly), prefix = text.endsWith(kPrefix);
      rows << QVariantList{given ? text.mid(1) : prefix ? text.chopped(1) : text, QString(),
                           given ? QStringLiteral("given") : prefix ? QStringLiteral("prefix") : QStringLiteral("fame"),
                           r[who].trimmed(), 0};
    }
  }
  InsertRows(db, QStringLiteral("mc"),
             {QStringLiteral("ci"), QStringLiteral("py"), QStringLiteral("lb"), QStringLiteral("yy"), QStringLiteral("cs")}, rows);
}

}  // namespace

void BuildNameChecks(const BuildContext& ctx, Database& db) {
  BuildZy(ctx, db);
  BuildMc(ctx, db);
}

}  // namespace velmora::refdb_build
