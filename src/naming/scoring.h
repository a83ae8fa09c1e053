// scoring.h: the name scoring core on the reference databases (五格 of a written name).
//
// Exports the grid numbers of a surname and a given name (GridNumber, ComputeWuge), the
// three-talent points from table sancai (SancaiScore), the name score (NameScore) with its
// band text (ScoreVerdict) and its display text (ScoreText), and the two text lookups of
// the analysis report: the texts of a number from table 81 (Lookup81) and of a
// three-talent text from table sancai2009 (LookupSancaiTexts).
//
// The arithmetic lives in wuge.h; this file adds the lookups. A name is two texts of one
// or two Chinese characters each. A part is single when it is at most two GBK bytes long,
// otherwise double, its first character being bytes 1-2 and its second bytes 3-4. Strokes
// come from LookupStrokes (Pelvano.dll) and are looked up again at every call; a
// character that is not found counts 0 strokes and the numerology goes on.
//
// Failures, one rule per lookup:
//   - Pelvano.dll: never fails; a missing file gives 0 strokes and no zh score.
//   - SancaiScore, Lookup81: a statement that cannot be run throws SilentStop.
//   - LookupSancaiTexts: the DbError reaches the caller and the standard error box.
//
// Every function takes the program folder last, so tests can point at their own files.
#pragma once

#include "naming/wuge.h"
#include "refdb/connection_text.h"

#include <QString>
#include <QStringView>

#include <compare>
#include <optional>

namespace velmora::naming {

// One grid number (0..80 after the 80-wrap) of the name. The outer grid of a single
// surname with a single given name is 2 without any lookup.
int GridNumber(const QString& surname, const QString& given, GridKind kind,
               const QString& folder = ProgramFolder());

// All five grid numbers, GridNumber for each kind.
Wuge ComputeWuge(const QString& surname, const QString& given, const QString& folder = ProgramFolder());

// Points of a three-talent text by its grade djc in table sancai of KelFile.dll
// (1 → 20 … 7 → 12); −1 for any other grade or when the table has no row. Throws
// SilentStop when the statement cannot be run.
double SancaiScore(const QString& sancai, const QString& folder = ProgramFolder());

// The score of a full name on the plan scale (best 80): the zh score of its four stroke
// counts when there is one, otherwise the five grid points and the three-talent points
// added in the order 天 地 人 总 外 then the configuration, scaled by 0.8 and rounded as
// zh is (ComputedPlanScore). May throw SilentStop (from the sancai grade, which is asked
// only on the computed path).
double NameScore(const QString& surname, const QString& given, const QString& folder = ProgramFolder());

// The summary-and-advice text of the score's band (90, 80, 70, 60 and below).
QString ScoreVerdict(double score);

// The score as its shortest decimal text: 85, 98.5.
QString ScoreText(double score);

// Column `column` (yy, jx or as) of number n in table 81 of KelFile.dll, unchanged;
// one blank when the table has no row for n. Throws SilentStop when the statement
// cannot be run.
QString Lookup81(int n, QStringView column, const QString& folder = ProgramFolder());

// The texts of one three-talent configuration in table sancai2009, blanks trimmed.
struct SancaiTexts {
  QString yy;    // general reading
  QString jcy;   // influence on the basic fortune (基础运)
  QString jx1;   // verdict on the basic fortune
  QString cgy;   // influence on success (成功运)
  QString jx2;   // verdict on success
  QString rjgx;  // influence on relations with others (人际关系)
  QString jx3;   // verdict on relations
  QString xg;    // influence on character (性格)

  friend bool operator==(const SancaiTexts&, const SancaiTexts&) = default;
};

// The sancai2009 texts of a three-talent text, or nothing when the table has no row.
// Throws DbError when the statement fails.
std::optional<SancaiTexts> LookupSancaiTexts(const QString& sancai, const QString& folder = ProgramFolder());

}  // namespace velmora::naming
