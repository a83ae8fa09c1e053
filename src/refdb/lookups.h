// The shared single-value lookups of the main naming database: a character's strokes and
// element, and a stroke combination's score.
//
// Each tries the simplified form (zi) first and the traditional form (ft) only when the
// first attempt gives nothing (0 or the empty text). Every value is quoted as an SQL string
// literal, so a character typed by a person can never change a statement.
//
// Failures: LookupStrokes and LookupZhScore never fail (a missing file or a failing
// statement gives 0). MainLookupStrokes and MainLookupWuxing pass failures to the caller.
#pragma once

#include "refdb/query.h"

#include <QString>

namespace velmora {

// Strokes of character c on a short-lived connection to Pelvano.dll in folder; 0 when the
// character is not found or the lookup fails.
int LookupStrokes(const QString& c, const QString& folder);
int LookupStrokes(const QString& c);

// The same on the main window's query ADOTem; throws DbError.
int MainLookupStrokes(Query& adoTem, const QString& c);

// The element (金 木 水 火 土) of c on ADOTem, untrimmed, or the empty text; throws DbError.
QString MainLookupWuxing(Query& adoTem, const QString& c);

// The score zf of the stroke combination of the four character texts (first and second
// surname character, first and second given-name character; the second of each pair may
// be empty, which looks for 0); 0 when there is none or the lookup fails.
int LookupZhScore(const QString& c1, const QString& c2, const QString& c3, const QString& c4, const QString& folder);
int LookupZhScore(const QString& c1, const QString& c2, const QString& c3, const QString& c4);

}  // namespace velmora
