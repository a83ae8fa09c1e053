// Writes a parsed Jet statement as SQLite SQL with Jet's meaning.
//
// What changes on the way:
//   - TOP n becomes LIMIT n; with an ORDER BY it keeps the rows that tie with the n-th on
//     the ordering keys, as Jet does, through RANK() in a wrapping select. When the result
//     list holds a star the rank travels as a last column named __jet_rank, which the query
//     layer hides.
//   - "+" becomes jet_add (adds numbers, joins texts, NULL propagates), "&" jet_concat.
//   - "'<text>' LIKE '%' + x + '%'" becomes jet_contains, which indexes the constant text
//     once per statement; every other LIKE becomes jet_like (Jet's wildcards % _ [ ]).
//   - Left, Right, Mid, Len, Format and the other Jet functions map to SQLite functions or
//     to the jet_* functions registered on each connection (sqlite_functions.h).
//   - Every identifier is written quoted, so a keyword of SQLite or a bare number ("81")
//     names a table or column; an unnamed computed column is named Expr1000, Expr1001, …
//     as Jet names it.
//   - "/" divides as floating point, "\" as integers, MOD is "%".
#pragma once

#include "refdb/jet_ast.h"

#include <QString>

namespace velmora::jet {

inline constexpr const char* kRankColumn = "__jet_rank";

// The SQLite text of a parsed statement. Throws DbError for constructs with no SQLite
// equivalent (TOP … PERCENT, unknown functions).
QString EmitSqlite(const Compound& statement);

}  // namespace velmora::jet
