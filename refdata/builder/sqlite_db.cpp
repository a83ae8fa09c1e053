// sqlite_db.cpp: the RAII layer over SQLite (see sqlite_db.h).
#include "sqlite_db.h"

#include <QFile>

#include <stdexcept>
#include <utility>

namespace velmora::refdb_build {
namespace {

[[noreturn]] void Fail(sqlite3* db, const QString& what) {
  throw std::runtime_error(
      (what + QStringLiteral(": ") + QString::fromUtf8(sqlite3_errmsg(db))).toStdString());
}

}  // namespace

Database::Database(const QString& path) {
  QFile::remove(path);
  const QByteArray name = path.toUtf8();
  if (sqlite3_open_v2(name.constData(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                      nullptr) != SQLITE_OK) {
    const QString msg = db_ ? QString::fromUtf8(sqlite3_errmsg(db_)) : QStringLiteral("no memory");
    sqlite3_close(db_);
    db_ = nullptr;
    throw std::runtime_error(QStringLiteral("cannot create %1: %2").arg(path, msg).toStdString());
  }
  // The file is written once, start to end, by this process: no journal is needed, and
  // a crash leaves only a temporary file that the next build replaces.
  Exec(QStringLiteral("PRAGMA page_size = 4096; PRAGMA journal_mode = OFF; "
                      "PRAGMA synchronous = OFF; PRAGMA encoding = 'UTF-8';"));
}

Database::~Database() { sqlite3_close(db_); }

void Database::Exec(const QString& sql) {
  char* err = nullptr;
  const QByteArray text = sql.toUtf8();
  if (sqlite3_exec(db_, text.constData(), nullptr, nullptr, &err) != SQLITE_OK) {
    const QString msg = QString::fromUtf8(err ? err : "unknown error");
    sqlite3_free(err);
    throw std::runtime_error((msg + QStringLiteral(" in: ") + sql.left(200)).toStdString());
  }
}

Statement Database::Prepare(const QString& sql) { return Statement(db_, sql); }

Statement::Statement(sqlite3* db, const QString& sql) : db_(db) {
  const QByteArray text = sql.toUtf8();
  if (sqlite3_prepare_v2(db_, text.constData(), static_cast<int>(text.size()), &stmt_,
                         nullptr) != SQLITE_OK) {
    Fail(db_, QStringLiteral("prepare ") + sql.left(200));
  }
}

Statement::~Statement() { sqlite3_finalize(stmt_); }

Statement::Statement(Statement&& other) noexcept
    : db_(other.db_), stmt_(std::exchange(other.stmt_, nullptr)) {}

void Statement::Check(int rc) {
  if (rc != SQLITE_OK) Fail(db_, QStringLiteral("bind"));
}

Statement& Statement::Bind(int i, int value) {
  Check(sqlite3_bind_int(stmt_, i, value));
  return *this;
}

Statement& Statement::Bind(int i, double value) {
  Check(sqlite3_bind_double(stmt_, i, value));
  return *this;
}

Statement& Statement::Bind(int i, const QString& value) {
  const QByteArray text = value.toUtf8();
  Check(sqlite3_bind_text(stmt_, i, text.constData(), static_cast<int>(text.size()),
                          SQLITE_TRANSIENT));
  return *this;
}

Statement& Statement::BindNull(int i) {
  Check(sqlite3_bind_null(stmt_, i));
  return *this;
}

void Statement::Run() {
  const int rc = sqlite3_step(stmt_);
  if (rc != SQLITE_DONE && rc != SQLITE_ROW) Fail(db_, QStringLiteral("step"));
  sqlite3_reset(stmt_);
  sqlite3_clear_bindings(stmt_);
}

bool Statement::Next() {
  const int rc = sqlite3_step(stmt_);
  if (rc != SQLITE_DONE && rc != SQLITE_ROW) Fail(db_, QStringLiteral("step"));
  return rc == SQLITE_ROW;
}

int Statement::Int(int column) const { return sqlite3_column_int(stmt_, column); }

}  // namespace velmora::refdb_build
