// Small reference databases for tests: a temporary program folder holding SQLite files
// with the tables and columns the program's statements read, filled with a few rows.
#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <ostream>

// Readable test failures for Qt texts.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
QT_END_NAMESPACE

namespace velmora::testing {

class FixtureFolder {
 public:
  FixtureFolder();
  // The folder with its trailing separator, as connection texts want it.
  QString Folder() const;
  QString PathOf(const QString& file) const;
  // Creates (or extends) file by running script, a series of SQL statements.
  void Run(const QString& file, const char* script) const;

  // The five files with the standard fixture rows.
  void CreateStandard() const;

 private:
  QTemporaryDir dir_;
};

// The schema and rows of each standard fixture file.
extern const char* const kPelvanoFixture;
extern const char* const kKelFileFixture;
extern const char* const kDreamFixture;
extern const char* const kKelBirthFixture;
extern const char* const kTgcodeFixture;

}  // namespace velmora::testing
