// test_db.h: read-only access to the built reference databases for the refdata tests.
//
// Exports TestDb (one file opened read-only, queries returning texts) and the folders
// the build passes in: VELMORA_DB_DIR (where velmora_refdb wrote the five files) and
// VELMORA_REFDATA_DIR (the refdata/ source folder, for the optional text files).
#pragma once

#include <QDir>
#include <QFileInfo>
#include <QList>
#include <QString>
#include <QStringList>

#include <sqlite3.h>

#include <gtest/gtest.h>

#include <stdexcept>

namespace velmora::refdata_test {

inline QString DbPath(const char* file) {
  return QDir(QStringLiteral(VELMORA_DB_DIR)).filePath(QString::fromLatin1(file));
}

inline QString RefdataPath(const QString& relative) {
  return QDir(QStringLiteral(VELMORA_REFDATA_DIR)).filePath(relative);
}

inline bool RefdataFileExists(const QString& relative) {
  return QFileInfo::exists(RefdataPath(relative));
}

class TestDb {
 public:
  explicit TestDb(const char* file) {
    const QByteArray path = DbPath(file).toUtf8();
    if (sqlite3_open_v2(path.constData(), &db_, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
      throw std::runtime_error("cannot open " + path.toStdString());
    }
  }
  ~TestDb() { sqlite3_close(db_); }
  TestDb(const TestDb&) = delete;
  TestDb& operator=(const TestDb&) = delete;

  // Every row of a statement, each column as text (NULL as a null QString).
  QList<QStringList> Rows(const QString& sql) const {
    sqlite3_stmt* stmt = nullptr;
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(db_, text.constData(), -1, &stmt, nullptr) != SQLITE_OK) {
      throw std::runtime_error(std::string(sqlite3_errmsg(db_)) + " in " + text.toStdString());
    }
    QList<QStringList> rows;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
      QStringList row;
      for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
        const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(stmt, i));
        row << (t ? QString::fromUtf8(t) : QString());
      }
      rows << row;
    }
    sqlite3_finalize(stmt);
    return rows;
  }

  // The first column of the first row, or a null QString when there is no row.
  QString Text(const QString& sql) const {
    const auto rows = Rows(sql);
    return rows.isEmpty() ? QString() : rows.first().value(0);
  }

  long long Int(const QString& sql) const { return Text(sql).toLongLong(); }

  sqlite3* handle() const { return db_; }

 private:
  sqlite3* db_ = nullptr;
};

}  // namespace velmora::refdata_test
