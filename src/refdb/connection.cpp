#include "refdb/connection.h"

#include "refdb/connection_text.h"
#include "refdb/errors.h"
#include "refdb/sqlite_functions.h"

#include <QFileInfo>

#include <sqlite3.h>

namespace velmora {

Connection::Connection(QString connectionText) : text_(std::move(connectionText)) {}

Connection::~Connection() { Close(); }

void Connection::Open() {
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

}  // namespace velmora
