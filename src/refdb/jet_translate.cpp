#include "refdb/jet_translate.h"

#include "refdb/jet_parser.h"
#include "refdb/sqlite_emitter.h"

namespace velmora {

QString TranslateJet(QStringView jetSql) { return jet::EmitSqlite(jet::Parse(jetSql)); }

}  // namespace velmora
