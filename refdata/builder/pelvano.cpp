// pelvano.cpp: Pelvano.dll, the main naming database: tables word and zh (and mm,
// meiming.cpp; zy and mc, name_checks.cpp).
//
// word comes from sources/word.tsv (curated elsewhere; loaded column by column by the
// header's names). zh is generated here from the scoring model: one row for every
// stroke combination 1..36 of the four name shapes, lx 11, 12, 21 and 22, with 0 in
// bh12 and bh22 for single parts: 36^2 + 2·36^3 + 36^4 = 1,774,224 rows. Its plan order
// jxjx also reads word, so word is built first.
#include "databases.h"
#include "naming/wuge.h"
#include "plan_order.h"

#include <QHash>
#include <QSet>

#include <cstdio>
#include <stdexcept>

namespace velmora::refdb_build {
namespace {

using naming::GridKind;

constexpr int kMaxStrokes = 36;

void BuildWord(const BuildContext& ctx, Database& db) {
  db.Exec(QStringLiteral(
      "CREATE TABLE word (zi TEXT NOT NULL, ft TEXT, bh INTEGER, wuhang TEXT, pinyin TEXT, "
      "px INTEGER, id INTEGER, nan INTEGER, nv INTEGER, xb TEXT, Aflag, wuhang_alt TEXT)"));
  const QStringList columns = {QStringLiteral("zi"),     QStringLiteral("ft"),
                               QStringLiteral("bh"),     QStringLiteral("wuhang"),
                               QStringLiteral("pinyin"), QStringLiteral("px"),
                               QStringLiteral("id"),     QStringLiteral("nan"),
                               QStringLiteral("nv"),     QStringLiteral("xb"),
                               QStringLiteral("Aflag"),  QStringLiteral("wuhang_alt")};
  const QStringList integers = {QStringLiteral("bh"), QStringLiteral("px"), QStringLiteral("id"),
                                QStringLiteral("nan"), QStringLiteral("nv")};
  auto source = ReadTsvIfPresent(ctx.SourcePath(QStringLiteral("word.tsv")));
  QList<QVariantList> rows;
  if (!source) {
    std::fprintf(stderr, "velmora_refdb: warning: sources/word.tsv not present; word is empty\n");
  } else {
    source->RequireColumn(QStringLiteral("zi"));
    source->RequireColumn(QStringLiteral("bh"));
    QList<int> at;
    for (const QString& c : columns) at << source->Column(c);
    rows.reserve(source->rows.size());
    for (const QStringList& r : source->rows) {
      QVariantList row;
      for (int i = 0; i < columns.size(); ++i) {
        const QString text = at[i] < 0 ? QString() : r[at[i]];
        if (text.isEmpty() && columns[i] != QStringLiteral("zi")) {
          // Aflag null marks a character generation may propose; the other empty
          // numbers and texts stay null as well, which the lookups read as 0 or "".
          row << QVariant();
          continue;
        }
        if (integers.contains(columns[i]) || columns[i] == QStringLiteral("Aflag")) {
          bool ok = false;
          const int n = text.toInt(&ok);
          if (ok) {
            row << n;
            continue;
          }
          if (columns[i] != QStringLiteral("Aflag")) {
            throw std::runtime_error(QStringLiteral("%1: %2 of %3 is not an integer: %4")
                                         .arg(source->path, columns[i], r[at[0]], text)
                                         .toStdString());
          }
        }
        row << text;
      }
      rows << row;
    }
  }
  InsertRows(db, QStringLiteral("word"), columns, rows);
  db.Exec(QStringLiteral("CREATE INDEX word_zi ON word (zi); "
                         "CREATE INDEX word_ft ON word (ft); "
                         "CREATE INDEX word_bh ON word (bh, Aflag)"));
}

// The given-name stroke counts that are practical: enough candidate characters for boys
// and for girls. A candidate counts for a sex when its nan (nv) is 1, as the generation
// statements require of the second given-name character; the sources of the first
// character accept every such row as well, so a run yields at least these characters
// in either place.
QSet<int> PracticalStrokes(Database& db) {
  Statement counts = db.Prepare(QStringLiteral(
      "SELECT bh, sum(nan = 1), sum(nv = 1) FROM word WHERE Aflag IS NULL GROUP BY bh"));
  QSet<int> practical;
  while (counts.Next()) {
    if (counts.Int(1) >= kEnoughCandidates && counts.Int(2) >= kEnoughCandidates) {
      practical.insert(counts.Int(0));
    }
  }
  return practical;
}

// Sort key of a combination, ascending = preferred: first the combinations whose given-
// name stroke counts are all practical, then within each group those whose 人格, 地格 and
// 总格 are all lucky numbers, then by three-talent grade (1 best), then by computed score,
// highest first. Kept small (1000..31064) so it stores in two bytes.
int PlanOrderKey(bool practical, const naming::Wuge& w, int grade, double score) {
  const bool allLucky = naming::NumberClassOf(w.renge) == naming::NumberClass::Lucky &&
                        naming::NumberClassOf(w.dige) == naming::NumberClass::Lucky &&
                        naming::NumberClassOf(w.zongge) == naming::NumberClass::Lucky;
  const int halves = static_cast<int>(score * 2.0 + 0.5);
  // grade·1000 + (200 − halves) lies in 1000..7064, below the two group offsets.
  return (practical ? 0 : 16000) + (allLucky ? 0 : 8000) + grade * 1000 + (200 - halves);
}

// The display columns wg and sc restate the grid rules of GridNumberFromStrokes and
// the element rule of NumberWuxing in SQL, as virtual generated columns: stored, they
// would take 40 MB of the 1.77 million rows. The refdata tests recompute every row
// with the C++ model, so the two statements of the rules cannot drift apart.
QString WrapSql(const QString& n) {
  return QStringLiteral("(CASE WHEN (%1) <= 80 THEN (%1) ELSE ((%1) - 1) % 80 + 1 END)").arg(n);
}

QString ElementSql(const QString& n) {
  return QStringLiteral("substr('水木木火火土土金金水', %1 % 10 + 1, 1)").arg(n);
}

QString ZhSchema() {
  const QString heaven = QStringLiteral("CASE WHEN bh12 = 0 THEN bh11 + 1 ELSE bh11 + bh12 END");
  const QString earth = QStringLiteral("CASE WHEN bh22 = 0 THEN bh21 + 1 ELSE bh21 + bh22 END");
  const QString person = QStringLiteral("(CASE WHEN bh12 = 0 THEN bh11 ELSE bh12 END + bh21)");
  const QString total = QStringLiteral("(bh11 + bh12 + bh21 + bh22)");
  const QString outer =
      QStringLiteral("CASE WHEN bh12 = 0 AND bh22 = 0 THEN 2 "
                     "WHEN bh12 > 0 AND bh22 > 0 THEN %1 - %2 ELSE %1 - %2 + 1 END")
          .arg(total, person);
  const QString t = WrapSql(heaven);
  const QString r = WrapSql(person);
  const QString d = WrapSql(earth);
  const QString wg = QStringLiteral("%1 || '-' || %2 || '-' || %3 || '-' || %4 || '-' || %5")
                         .arg(t, r, d, WrapSql(total), WrapSql(outer));
  const QString sc =
      QStringLiteral("%1 || %2 || %3").arg(ElementSql(t), ElementSql(r), ElementSql(d));
  // Keyed by the four stroke counts, which also fix the shape (0 marks a single
  // part), so the score lookup is a primary-key search and no rowid is stored.
  return QStringLiteral(
             "CREATE TABLE zh (lx INTEGER NOT NULL, bh11 INTEGER NOT NULL, "
             "bh12 INTEGER NOT NULL, bh21 INTEGER NOT NULL, bh22 INTEGER NOT NULL, "
             "zf INTEGER NOT NULL, jxjx INTEGER NOT NULL, "
             "wg TEXT GENERATED ALWAYS AS (%1) VIRTUAL, "
             "sc TEXT GENERATED ALWAYS AS (%2) VIRTUAL, "
             "PRIMARY KEY (bh11, bh12, bh21, bh22)) WITHOUT ROWID")
      .arg(wg, sc);
}

void BuildZh(Database& db) {
  const QSet<int> practical = PracticalStrokes(db);
  db.Exec(ZhSchema());
  long long count = 0;
  InTransaction(db, [&] {
    Statement insert = db.Prepare(QStringLiteral(
        "INSERT INTO zh (lx, bh11, bh12, bh21, bh22, zf, jxjx) VALUES (?, ?, ?, ?, ?, ?, ?)"));
    // Grades depend only on the three-talent text: compute the 125 once.
    QHash<QString, int> grades;
    // Primary-key order: bh11, then bh12 (0 = single surname first), bh21, bh22.
    for (int s1 = 1; s1 <= kMaxStrokes; ++s1) {
      for (int s2 = 0; s2 <= kMaxStrokes; ++s2) {
        for (int g1 = 1; g1 <= kMaxStrokes; ++g1) {
          for (int g2 = 0; g2 <= kMaxStrokes; ++g2) {
            const naming::NameStrokes strokes{s1, s2, g1, g2, s2 > 0, g2 > 0};
            const naming::Wuge w = naming::WugeFromStrokes(strokes);
            const QString sc = naming::SancaiOf(w);
            auto it = grades.find(sc);
            if (it == grades.end()) it = grades.insert(sc, naming::SancaiGrade(sc));
            const double score = naming::ComputedNameScore(w, it.value());
            const int lx = (s2 > 0 ? 20 : 10) + (g2 > 0 ? 2 : 1);
            insert.Bind(1, lx).Bind(2, s1).Bind(3, s2).Bind(4, g1).Bind(5, g2);
            insert.Bind(6, naming::PlanScore(score));
            const bool usable = practical.contains(g1) && (g2 == 0 || practical.contains(g2));
            insert.Bind(7, PlanOrderKey(usable, w, it.value(), score));
            insert.Run();
            ++count;
          }
        }
      }
    }
  });
  std::printf("  zh: %lld rows\n", count);
  // The plan statements filter on lx and the surname strokes and order by jxjx, zf;
  // with zf in the index (and the key columns implied) they read the index alone.
  db.Exec(QStringLiteral("CREATE INDEX zh_plan ON zh (lx, bh11, bh12, jxjx, zf)"));
}

}  // namespace

void BuildPelvano(const BuildContext& ctx, Database& db) {
  BuildWord(ctx, db);
  BuildZh(db);
  BuildMeiming(ctx, db);
  BuildNicknames(ctx, db);
  BuildNameChecks(ctx, db);
  BuildSurnameReadings(ctx, db);
  BuildNamePairs(ctx, db);
}

}  // namespace velmora::refdb_build
