// Jet 4.0 statement text -> SQLite statement text with the same meaning.
// Tokenizer (jet_tokenizer), parser (jet_parser) and emitter (sqlite_emitter) in turn.
#pragma once

#include "refdb/sqlite_emitter.h"

#include <QString>
#include <QStringView>

namespace velmora {

// Throws DbError with a readable message when the text cannot be translated. columnTypes
// tells the types of the tables' columns (a connection's schema); without it no stored
// column is known to be a text.
QString TranslateJet(QStringView jetSql, const jet::ColumnTypes& columnTypes = {});

}  // namespace velmora
