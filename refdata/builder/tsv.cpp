// tsv.cpp: reading the TSV sources (see tsv.h).
#include "tsv.h"

#include "text/field_escape.h"

#include <QFile>
#include <QFileInfo>

#include <stdexcept>

namespace velmora::refdb_build {

// Column names match without regard to case, as the database's identifiers do
// (word.tsv may spell Aflag as aflag).
int TsvTable::Column(const QString& name) const {
  for (int i = 0; i < header.size(); ++i) {
    if (header[i].compare(name, Qt::CaseInsensitive) == 0) return i;
  }
  return -1;
}

int TsvTable::RequireColumn(const QString& name) const {
  const int i = Column(name);
  if (i < 0) {
    throw std::runtime_error(QStringLiteral("%1: no column %2").arg(path, name).toStdString());
  }
  return i;
}

TsvTable ReadTsv(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    throw std::runtime_error(QStringLiteral("cannot read %1").arg(path).toStdString());
  }
  const QString text = QString::fromUtf8(file.readAll());
  TsvTable table;
  table.path = path;
  bool haveHeader = false;
  qsizetype lineNo = 0;
  for (QStringView line : QStringView(text).split(u'\n')) {
    ++lineNo;
    if (line.endsWith(u'\r')) line.chop(1);
    if (!haveHeader) {
      if (line.startsWith(u"# ") || line.isEmpty()) continue;
      for (QStringView name : line.split(u'\t')) table.header << name.trimmed().toString();
      haveHeader = true;
      continue;
    }
    if (line.isEmpty()) continue;
    const QList<QStringView> fields = line.split(u'\t');
    if (fields.size() != table.header.size()) {
      throw std::runtime_error(QStringLiteral("%1:%2: %3 fields under a header of %4")
                                   .arg(path)
                                   .arg(lineNo)
                                   .arg(fields.size())
                                   .arg(table.header.size())
                                   .toStdString());
    }
    QStringList row;
    row.reserve(fields.size());
    for (QStringView f : fields) row << text::UnescapeField(f);
    table.rows << row;
  }
  if (!haveHeader) {
    throw std::runtime_error(QStringLiteral("%1: no header line").arg(path).toStdString());
  }
  return table;
}

std::optional<TsvTable> ReadTsvIfPresent(const QString& path) {
  if (!QFileInfo::exists(path)) return std::nullopt;
  return ReadTsv(path);
}

}  // namespace velmora::refdb_build
