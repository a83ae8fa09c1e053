// 美名模式: names with a source. A two-character given name is a pair of candidate
// characters that stand next to each other in a line of the poetry library (table mm of
// Pelvano.dll, counted when the databases are built: the pair, the number of poems that
// hold it, and the first of them with its title, author and line).
//
// The statement joins the pairs with the stroke plans of the surname under the score bound
// and the sex rule of list mode (ScoreFloor < zf < 80; at least one character suits the
// child's sex), and with the fixed character when one is given. Rows come most-attested
// first, then by plan score, then by how naturally the characters stand first and second
// in a name; the grid pages through them in that order. One-character given names run the
// list-mode statement.
#pragma once

#include "generation/list_mode.h"

#include <QString>

namespace velmora {

// The 美名 statement for a two-character given name, in the dialect of the list-mode
// statements; empty when the surname as typed is neither 2 nor 4 bytes long. Its rows have
// the columns of the list-mode statement and cs, d_title, d_author, ju.
QString MeimingStatement(const ListInputs& in, const SurnameInfo& s, int scoreFloor);

// Where a name comes from, as the status strip shows it: 「思远」 出自 杜甫《登高》：…思远….
QString MeimingSourceText(const QString& given, const QString& author, const QString& title, const QString& line);

}  // namespace velmora
