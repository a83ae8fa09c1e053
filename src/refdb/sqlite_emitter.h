// Writes a parsed Jet statement as SQLite SQL with Jet's meaning.
//
// What changes on the way:
//   - TOP n becomes LIMIT n; with an ORDER BY it keeps the rows that tie with the n-th on
//     the ordering keys, as Jet does, through RANK() in a wrapping select. When the result
//     list holds a star the rank travels as a last column named __jet_rank, which the query
//     layer hides.
//   - "+" becomes jet_add (adds numbers, joins texts, NULL propagates), "&" jet_concat.
//     Where both sides of "+" are known to be texts (text literals, columns of TEXT type
//     in the schema, and what derived tables make of them), it becomes SQLite's "||",
//     which gives the same text (and NULL for NULL) without a function call per row; a
//     chain of three or more such texts becomes one jet_cat, one allocation per row.
//   - "'<text>' LIKE '%' + x + '%'" becomes jet_contains, which indexes the constant text
//     once per statement; every other LIKE becomes jet_like (Jet's wildcards % _ [ ]).
//   - Left, Right, Mid, Len, Format and the other Jet functions map to SQLite functions or
//     to the jet_* functions registered on each connection (sqlite_functions.h).
//   - Every identifier is written quoted, so a keyword of SQLite or a bare number ("81")
//     names a table or column; an unnamed computed column is named Expr1000, Expr1001, …
//     as Jet names it.
//   - "/" divides as floating point, "\" as integers, MOD is "%".
//   - A union costs the most in the program's largest statements (classic mode: eight
//     joins of word with itself under one UNION, sorted by px). Two rewrites make it
//     cheaper and leave every row and its place as they were: when the select that reads
//     the union sorts by plain columns of it, those columns come first in every member
//     (UnionKeysFirst in the .cpp says why the order stays), and a derived table inside a
//     member is read once into a temporary table instead of once per outer row.
#pragma once

#include "refdb/jet_ast.h"

#include <QString>

#include <functional>

namespace velmora::jet {

inline constexpr const char* kRankColumn = "__jet_rank";

// What the schema says of the values of a column of a stored table.
enum class ColumnType {
  Absent,   // the table has no such column
  Unknown,  // values of any type, or nothing known of the table
  Text,     // TEXT affinity: every value is a text or NULL (a blob reads as its bytes)
};

// The type of column `column` of table `table`, both as written in the statement.
using ColumnTypes = std::function<ColumnType(const QString& table, const QString& column)>;

// The SQLite text of a parsed statement. Throws DbError for constructs with no SQLite
// equivalent (TOP … PERCENT, unknown functions). Without columnTypes every stored
// column counts as Unknown.
QString EmitSqlite(const Compound& statement, const ColumnTypes& columnTypes = {});

}  // namespace velmora::jet
