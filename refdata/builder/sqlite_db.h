// sqlite_db.h: a thin RAII layer over the SQLite C API for the database builder.
//
// Exports Database (one file opened for writing, bulk-load settings) and Statement
// (a prepared statement bound by position). Every failure throws std::runtime_error
// with SQLite's message, so the builder stops and leaves no finished file behind.
#pragma once

#include <QString>

#include <sqlite3.h>

#include <optional>

namespace velmora::refdb_build {

class Statement;

class Database {
 public:
  // Creates the file anew (an existing file at path is removed first).
  explicit Database(const QString& path);
  ~Database();
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;

  // Runs one or more statements without results.
  void Exec(const QString& sql);
  Statement Prepare(const QString& sql);
  sqlite3* handle() const { return db_; }

 private:
  sqlite3* db_ = nullptr;
};

class Statement {
 public:
  Statement(sqlite3* db, const QString& sql);
  ~Statement();
  Statement(Statement&& other) noexcept;
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;
  Statement& operator=(Statement&&) = delete;

  // Parameters are 1-based, as in SQLite.
  Statement& Bind(int i, int value);
  Statement& Bind(int i, double value);
  Statement& Bind(int i, const QString& value);
  Statement& BindNull(int i);
  // Runs an insert or update to its end and resets the statement for the next row.
  void Run();
  // Steps a query: true while a row is there to read with Int (0-based columns).
  bool Next();
  int Int(int column) const;

 private:
  void Check(int rc);
  sqlite3* db_;
  sqlite3_stmt* stmt_ = nullptr;
};

// Runs body inside one transaction: committed when body returns, rolled back when it throws.
template <typename Body>
void InTransaction(Database& db, Body&& body) {
  db.Exec(QStringLiteral("BEGIN"));
  try {
    body();
  } catch (...) {
    sqlite3_exec(db.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
    throw;
  }
  db.Exec(QStringLiteral("COMMIT"));
}

}  // namespace velmora::refdb_build
