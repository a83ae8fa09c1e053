// jet_like.h: Jet's LIKE on SQLite (jet_like, jet_contains). Internal to src/refdb; the
// functions are registered by RegisterJetFunctions (sqlite_functions.h).
#pragma once

#include <sqlite3.h>

namespace velmora::jet {

// t LIKE p with Jet's wildcards; a constant pattern is compiled once per statement.
void JetLike(sqlite3_context* ctx, int argc, sqlite3_value** argv);
// t LIKE '%' + x + '%' for a constant t, answered from an index of t built once per statement.
void JetContains(sqlite3_context* ctx, int argc, sqlite3_value** argv);

}  // namespace velmora::jet
