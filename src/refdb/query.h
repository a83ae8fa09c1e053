// A query object: a statement text in the Jet dialect, run on a connection, with its rows
// held in memory for counting and random access.
//
// Two kinds, as the program uses them:
//   - on a shared connection: the main window's ADOTem and ADOFenxi on ADOConnection1;
//   - owning a private connection made from a connection text: the short-lived queries of
//     every other lookup, whose connection closes when the query is destroyed.
//
// Reading: fields by name (case-insensitive) or by position (0 = the first selected
// column), as integer, double, text or date-time. On an open but empty result every field
// reads as 0 or the empty text. Records are numbered from 1; MoveTo gives random access.
#pragma once

#include "refdb/connection.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <memory>
#include <string>
#include <vector>

namespace velmora {

class Query {
 public:
  explicit Query(Connection& connection);
  explicit Query(const QString& connectionText);
  ~Query();
  Query(const Query&) = delete;
  Query& operator=(const Query&) = delete;

  // The statement. Setting it closes the query first.
  void SetSql(const QString& sql);
  const QString& Sql() const { return sql_; }
  // Adds a line to the statement, as a statement built line by line is.
  void AddSqlLine(const QString& line);

  // Runs the statement and reads its rows; throws DbError (translation, missing file,
  // SQLite error). On failure the query stays closed.
  void Open();
  void Close();
  bool Active() const { return active_; }

  int RecordCount() const { return active_ ? rowCount_ : 0; }
  bool IsEmpty() const { return RecordCount() == 0; }
  int RecNo() const { return active_ && rowCount_ > 0 ? current_ + 1 : 0; }
  void MoveTo(int recNo);  // 1-based; clipped to the records there are
  void First() { MoveTo(1); }
  void Next();
  bool Eof() const { return !active_ || eof_; }

  int FieldCount() const { return static_cast<int>(names_.size()); }
  QString FieldName(int index) const;

  qint64 AsInt(QStringView field) const { return AsInt(IndexOf(field)); }
  double AsDouble(QStringView field) const { return AsDouble(IndexOf(field)); }
  QString AsText(QStringView field) const { return AsText(IndexOf(field)); }
  QDateTime AsDateTime(QStringView field) const { return AsDateTime(IndexOf(field)); }
  bool IsNull(QStringView field) const { return IsNull(IndexOf(field)); }

  qint64 AsInt(int index) const;
  double AsDouble(int index) const;
  QString AsText(int index) const;
  QDateTime AsDateTime(int index) const;  // invalid when NULL or empty
  bool IsNull(int index) const;

 private:
  // One field of one row: 16 bytes, so a result of 100,000 rows stays small.
  struct TextRef {
    std::uint32_t offset, length;  // text in arena_
  };
  struct Cell {
    union {
      qint64 i;
      double d;
      TextRef text;
    };
    int type;  // SQLite type code
  };

  int IndexOf(QStringView field) const;
  const Cell* CurrentCell(int index) const;  // nullptr on an empty result
  QString TextOf(const Cell& c) const;

  std::unique_ptr<Connection> owned_;
  Connection& connection_;
  QString sql_;
  bool active_ = false;
  bool eof_ = true;
  int rowCount_ = 0;
  int current_ = 0;
  QStringList names_;
  std::vector<Cell> cells_;  // row-major
  std::string arena_;
};

}  // namespace velmora
