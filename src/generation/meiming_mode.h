// 美名模式: names with a source. A two-character given name is a pair of candidate
// characters that stand next to each other in a line of the poetry library (table mm of
// Pelvano.dll, counted when the databases are built: the pair, the number of poems that
// hold it, and the first of them with its title, author and line).
//
// The statement joins the pairs with the stroke plans of the surname under the score bound
// and the sex rule of list mode (ScoreFloor < zf < 80; both characters suit the child's
// sex), and with the fixed character when one is given. The statement returns them
// most-attested first, then by plan score, then by how naturally the characters stand
// first and second in a name; MeimingOrder then leaves out what the name filter refuses
// and pages them in this order:
//   1. pairs that read as names before pairs that read as plain words (春风, 东风, 白云:
//      held by many common words and idioms, NameChecker::Wordiness);
//   2. names without a sound finding before names with one (张章, three tones alike);
//   3. pairs with a character meant for the child's sex alone before pairs of characters
//      meant for both: 海, 东 and 雄 lean to boys, 月, 碧 and 白 to girls, 云 and 春 to
//      neither;
//   4. pairs of common name characters first (the ranks px of WORD.md), each point of plan
//      score below the best costing 150 places: the surname's strokes shape the page, so
//      each surname gets a page of its own instead of the same most-attested words (春风,
//      明月) for every surname;
//   5. a name whose two characters already stand twice each before it waits until the
//      names of fresh characters are taken (子强, 文强, 思强 … would fill a page).
// One-character given names run the list-mode statement.
#pragma once

#include "generation/list_mode.h"
#include "refdb/query.h"

#include <vector>

#include <QString>

namespace velmora {

// The 美名 statement for a two-character given name, in the dialect of the list-mode
// statements; empty when the surname as typed is neither 2 nor 4 bytes long. Its rows have
// the columns of the list-mode statement and cs, d_title, d_author, ju.
QString MeimingStatement(const ListInputs& in, const SurnameInfo& s, int scoreFloor);

// The records of the open 美名 statement q in the order the grid pages them, without those
// the filter refuses.
std::vector<int> MeimingOrder(Query& q, const QString& surname, bool male, const NameFilter& filter);

// Where a name comes from, as the status strip shows it: 「思远」 出自 杜甫《登高》：…思远….
QString MeimingSourceText(const QString& given, const QString& author, const QString& title, const QString& line);

}  // namespace velmora
