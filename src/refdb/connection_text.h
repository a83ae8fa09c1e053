// Connection texts of the five reference databases, and the file a text names.
//
// A connection text is "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + D + a suffix,
// D being the folder of the running executable with its trailing separator. The suffixes of
// the five files begin with a separator of their own, so the file is named with a doubled
// separator, which reads as a single one; the main window's own connection has none.
#pragma once

#include <QString>

namespace velmora {

enum class DbFile {
  Dream,        // dream.dll: bone-weight readings
  KelFile,      // KelFile.dll: name-analysis texts and grades
  KelBirth,     // KelBirth.dll: notes and the poetry library
  Tgcode,       // Tgcode.dll: birth-chart tables
  Pelvano,      // Pelvano.dll, for short-lived lookups
  PelvanoMain,  // Pelvano.dll, the main window's long-lived connection
};

// The folder of the running executable, with its trailing separator.
QString ProgramFolder();

// The connection text of file, for a program in folder (with its trailing separator).
QString DbConnectionText(DbFile file, const QString& folder);
QString DbConnectionText(DbFile file);

// The path a connection text names in its Data Source, a doubled separator read as one.
// Empty when the text has no Data Source.
QString DataSourcePath(const QString& connectionText);

}  // namespace velmora
