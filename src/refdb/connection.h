// A connection to one reference database, named by a connection text.
//
// Every database is opened read-only. As with Jet, a connection text that names a missing
// file fails when the connection is opened: explicitly (the main window opens its
// connection at start-up) or when a query on it opens its first statement.
#pragma once

#include "refdb/sqlite_emitter.h"

#include <QHash>
#include <QString>

#include <mutex>

struct sqlite3;

namespace velmora {

class Connection {
 public:
  explicit Connection(QString connectionText);
  ~Connection();
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  // Opens the file read-only and registers the Jet functions; does nothing when open.
  // Throws DbError when the file is missing or unreadable.
  void Open();
  void Close();
  bool IsOpen() const;

  const QString& ConnectionText() const { return text_; }

  // The open handle, opening first when needed. The handle is in serialized mode: the
  // main connection is used by the GUI thread and the naming worker alike.
  sqlite3* Handle();

  // What the schema of the open file says of a column of a stored table (not a view),
  // for the translator; remembered, since the files never change while they are open.
  jet::ColumnType ColumnTypeOf(const QString& table, const QString& column);

 private:
  QString text_;
  sqlite3* db_ = nullptr;
  QHash<QString, jet::ColumnType> columnTypes_;  // by "table\ncolumn" in lower case
  mutable std::mutex mutex_;  // guards opening, closing and columnTypes_, not statements
};

}  // namespace velmora
