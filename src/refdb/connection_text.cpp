#include "refdb/connection_text.h"

#include <QCoreApplication>
#include <QDir>

namespace velmora {
namespace {

constexpr const char* kProvider = "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=";

}  // namespace

QString ProgramFolder() {
  QString dir = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
  dir = QDir::toNativeSeparators(dir);
  if (!dir.endsWith(QDir::separator())) dir += QDir::separator();
  return dir;
}

QString DbConnectionText(DbFile file, const QString& folder) {
  const QString sep = QDir::separator();
  QString suffix;
  switch (file) {
    case DbFile::Dream: suffix = sep + QStringLiteral("dream.dll;Persist Security Info=True"); break;
    case DbFile::KelFile: suffix = sep + QStringLiteral("KelFile.dll;Persist Security Info=True"); break;
    case DbFile::KelBirth: suffix = sep + QStringLiteral("KelBirth.dll;Persist Security Info=True"); break;
    case DbFile::Tgcode: suffix = sep + QStringLiteral("Tgcode.dll;Persist Security Info=True"); break;
    case DbFile::Pelvano: suffix = sep + QStringLiteral("Pelvano.dll;Persist Security Info=True"); break;
    case DbFile::PelvanoMain: suffix = QStringLiteral("Pelvano.dll;Persist Security Info=False"); break;
  }
  return QLatin1String(kProvider) + folder + suffix;
}

QString DbConnectionText(DbFile file) { return DbConnectionText(file, ProgramFolder()); }

QString DataSourcePath(const QString& connectionText) {
  // Properties are "key=value" pairs separated by ";"; a value may stand in double quotes.
  QString path;
  bool found = false;
  qsizetype i = 0;
  const qsizetype n = connectionText.size();
  while (i < n && !found) {
    const qsizetype eq = connectionText.indexOf(QLatin1Char('='), i);
    if (eq < 0) break;
    const QString key = connectionText.mid(i, eq - i).trimmed();
    qsizetype j = eq + 1;
    while (j < n && connectionText[j] == QLatin1Char(' ')) ++j;
    QString value;
    if (j < n && connectionText[j] == QLatin1Char('"')) {
      const qsizetype close = connectionText.indexOf(QLatin1Char('"'), j + 1);
      value = connectionText.mid(j + 1, (close < 0 ? n : close) - j - 1);
      j = close < 0 ? n : connectionText.indexOf(QLatin1Char(';'), close);
      if (j < 0) j = n;
    } else {
      const qsizetype semi = connectionText.indexOf(QLatin1Char(';'), j);
      const qsizetype end = semi < 0 ? n : semi;
      value = connectionText.mid(j, end - j).trimmed();
      j = end;
    }
    if (key.compare(QLatin1String("Data Source"), Qt::CaseInsensitive) == 0) {
      path = value;
      found = true;
    }
    i = j + 1;
  }
  if (!found) return {};
  // A doubled separator inside the path reads as one (a leading one may start a share name).
  const QString sep = QDir::separator();
  for (qsizetype k = path.indexOf(sep + sep, 1); k > 0; k = path.indexOf(sep + sep, 1)) path.remove(k, 1);
  return path;
}

}  // namespace velmora
