#include "refdb/jet_translate.h"

#include "refdb/jet_parser.h"
#include "refdb/sqlite_emitter.h"

namespace velmora {

QString TranslateJet(QStringView jetSql, const jet::ColumnTypes& columnTypes) {
  return jet::EmitSqlite(jet::Parse(jetSql), columnTypes);
}

}  // namespace velmora
