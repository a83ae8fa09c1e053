// Parser of Jet SELECT statements into the tree of jet_ast.h.
//
// Grammar (the subset the program's statements and common Jet use need):
//   statement := compound [";"]
//   compound  := core { UNION [ALL] core } [ORDER BY term {"," term}]
//   core      := SELECT [ALL|DISTINCT|DISTINCTROW] [TOP n [PERCENT]] columns
//                [FROM source {"," source}] [WHERE expr] [GROUP BY exprs] [HAVING expr]
//   source    := name [[AS] alias] | "(" compound ")" [[AS] alias] | source JOIN source ON expr
// Expressions follow Jet's precedence: ^, unary -, * /, \, MOD, + -, &, comparisons and
// LIKE/IN/BETWEEN/IS NULL, NOT, AND, OR, XOR.
#pragma once

#include "refdb/jet_ast.h"

#include <QStringView>

namespace velmora::jet {

// Parses one statement. Throws DbError with "near X" and the offset on a syntax error.
Compound Parse(QStringView sql);

}  // namespace velmora::jet
