// tsv.h: reading the UTF-8 TSV sources of refdata/.
//
// Exports TsvTable and ReadTsv. A file may open with comment lines that begin with
// "# " (generated files name their generator there), then holds a header line of column
// names and one row per line, fields separated by tabs. Inside a field the two
// characters backslash + n stand for a line break, backslash + t for a tab and two
// backslashes for one backslash. refdata/scripts/tsvio.py writes the same format.
#pragma once

#include "text/field_escape.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace velmora::refdb_build {

struct TsvTable {
  QString path;          // for messages
  QStringList header;    // column names
  QList<QStringList> rows;

  // Index of a column by name (any letter case), or -1.
  int Column(const QString& name) const;
  // Index of a column that must exist; throws std::runtime_error naming the file.
  int RequireColumn(const QString& name) const;
};

// The text of a field with the escapes resolved (shared with the program's built-in tables).
using text::UnescapeField;

// Reads a whole TSV file. Throws std::runtime_error when the file cannot be read, has
// no header or holds a row whose field count differs from the header's.
TsvTable ReadTsv(const QString& path);

// ReadTsv when the file exists, nothing otherwise (texts written by others may be absent).
std::optional<TsvTable> ReadTsvIfPresent(const QString& path);

}  // namespace velmora::refdb_build
