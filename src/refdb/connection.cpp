#include "refdb/connection.h"

#include "refdb/connection_text.h"
#include "refdb/errors.h"
#include "refdb/sqlite_functions.h"

#include <QFileInfo>

#include <sqlite3.h>

namespace velmora {
namespace {

// SQLite counts every allocation under a process-wide mutex unless told otherwise before
// its first use. Nothing here reads those counts, and a classic run allocates some
// hundred thousand times per statement. Once SQLite has started the call fails, harmlessly.
void ConfigureSqlite() {
  static std::once_flag once;
  std::call_once(once, [] { sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0); });
}

}  // namespace

Connection::Connection(QString connectionText) : text_(std::move(connectionText)) {}

Connection::~Connection() { Close(); }

void Connection::Open() {
  ConfigureSqlite();
  std::lock_guard lock(mutex_);
  if (db_) return;
  const QString path = DataSourcePath(text_);
  if (path.isEmpty()) throw DbError(QStringLiteral("数据库连接无效：连接文字中没有 Data Source"));
  // A read-only open of a missing file would fail too; checking first gives the clearer text.
  if (!QFileInfo(path).isFile()) throw DbError(QStringLiteral("找不到数据库文件“%1”").arg(path));
  sqlite3* db = nullptr;
  const int rc = sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_FULLMUTEX, nullptr);
  if (rc != SQLITE_OK) {
    const QString why = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString::fromUtf8(sqlite3_errstr(rc));
    sqlite3_close_v2(db);
    throw DbError(QStringLiteral("无法打开数据库文件“%1”：%2").arg(path, why));
  }
  if (jet::RegisterJetFunctions(db) != SQLITE_OK) {
    sqlite3_close_v2(db);
    throw DbError(QStringLiteral("无法打开数据库文件“%1”：函数注册失败").arg(path));
  }
  db_ = db;
}

void Connection::Close() {
  std::lock_guard lock(mutex_);
  if (db_) {
    sqlite3_close_v2(db_);
    db_ = nullptr;
  }
  columnTypes_.clear();
}

bool Connection::IsOpen() const {
  std::lock_guard lock(mutex_);
  return db_ != nullptr;
}

sqlite3* Connection::Handle() {
  Open();
  std::lock_guard lock(mutex_);
  return db_;
}

jet::ColumnType Connection::ColumnTypeOf(const QString& table, const QString& column) {
  sqlite3* db = Handle();
  const QString key = table.toLower() + QLatin1Char('\n') + column.toLower();
  {
    std::lock_guard lock(mutex_);
    if (const auto it = columnTypes_.constFind(key); it != columnTypes_.constEnd()) return *it;
  }
  // Asked without holding mutex_: SQLite may wait here for a statement of another thread.
  jet::ColumnType type = jet::ColumnType::Unknown;
  const QByteArray t = table.toUtf8(), c = column.toUtf8();
  // With no column the call only asks whether the table exists; a view fails it too, and
  // a view's declared types do not bind its values.
  if (sqlite3_table_column_metadata(db, "main", t.constData(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr) ==
      SQLITE_OK) {
    const char* declared = nullptr;
    if (sqlite3_table_column_metadata(db, "main", t.constData(), c.constData(), &declared, nullptr, nullptr, nullptr,
                                      nullptr) != SQLITE_OK) {
      type = jet::ColumnType::Absent;
    } else {
      // SQLite's affinity rules: a declared type with INT is integer; else one with CHAR,
      // CLOB or TEXT is text, and such a column converts every number it is given to text.
      const QString d = QString::fromUtf8(declared ? declared : "").toUpper();
      if (!d.contains(QLatin1String("INT")) &&
          (d.contains(QLatin1String("CHAR")) || d.contains(QLatin1String("CLOB")) || d.contains(QLatin1String("TEXT")))) {
        type = jet::ColumnType::Text;
      }
    }
  }
  std::lock_guard lock(mutex_);
  columnTypes_.insert(key, type);
  return type;
}

}  // namespace velmora
