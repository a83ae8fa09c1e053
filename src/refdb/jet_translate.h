// Jet 4.0 statement text -> SQLite statement text with the same meaning.
// Tokenizer (jet_tokenizer), parser (jet_parser) and emitter (sqlite_emitter) in turn.
#pragma once

#include <QString>
#include <QStringView>

namespace velmora {

// Throws DbError with a readable message when the text cannot be translated.
QString TranslateJet(QStringView jetSql);

}  // namespace velmora
