// The functions that give SQLite Jet's meaning, registered on every connection.
//
//   jet_add(a, b)        a + b: numbers add, texts join, NULL propagates; a number and a
//                        text add when the text reads as a number, else "类型不匹配"
//   jet_cat(a, b, …)     a + b + … of texts: joined, NULL when any is NULL
//   jet_concat(a, b)     a & b: texts join, NULL reads as the empty text
//   jet_like(t, p)       t LIKE p with Jet's wildcards: % any run, _ one character,
//                        [abc] [a-z] [!abc] one character of (not of) a set; case-insensitive
//   jet_contains(t, x)   t LIKE '%' + x + '%' for a constant t, answered from an index of t
//                        built once per statement; the same result as jet_like in every case
//   jet_left/right/mid/len/trim/ltrim/rtrim/instr/nz/cstr/val   the Jet text functions
//   jet_format(v, f)     Format: dates by yyyy yy mm m dd d hh h nn n ss s, numbers by 0 # .
//   jet_date(t)          a #date# literal as "yyyy-mm-dd[ hh:mm:ss]"
//   jet_intdiv, jet_mod, jet_pow   \ MOD ^
#pragma once

struct sqlite3;

namespace velmora::jet {

// Registers the functions on db. Returns an SQLite result code.
int RegisterJetFunctions(sqlite3* db);

// Whether text matches a Jet LIKE pattern (both UTF-8). Throws nothing; an invalid pattern
// (an unclosed "[") sets *invalid and returns false.
bool JetLikeMatch(const char* text, int textLen, const char* pattern, int patternLen, bool* invalid);

}  // namespace velmora::jet
