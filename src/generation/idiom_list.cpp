// The built-in idiom list: see idiom_list.h.
#include "generation/idiom_list.h"

#include <QFile>
#include <QLoggingCategory>

namespace velmora {
namespace {

Q_LOGGING_CATEGORY(lcIdioms, "velmora.generation.idioms")

// Where src/generation/CMakeLists.txt puts refdata/sources/curated/idioms.tsv.
constexpr QStringView kResourcePath = u":/velmora/generation/idioms.tsv";

}  // namespace

QStringList ParseIdiomEntries(QByteArrayView utf8) {
  QStringList entries;
  const QString content = QString::fromUtf8(utf8);
  for (QStringView line : QStringView(content).split(u'\n')) {
    if (line.endsWith(u'\r')) line.chop(1);
    if (line.isEmpty() || line.startsWith(u'#')) continue;
    const QList<QStringView> fields = line.split(u'\t');
    if (fields.size() < 2) continue;
    const QStringView tier = fields[1].trimmed();
    if (tier == u"1" || tier == u"2") entries << fields[0].trimmed().toString();
  }
  return entries;
}

const QStringList& IdiomEntries() {
  static const QStringList entries = [] {
    QFile file(kResourcePath.toString());
    QStringList e;
    if (file.open(QIODevice::ReadOnly)) e = ParseIdiomEntries(file.readAll());
    // Idiom mode then finds nothing; say why once rather than fail.
    if (e.isEmpty()) qCWarning(lcIdioms) << "no idioms in" << kResourcePath;
    return e;
  }();
  return entries;
}

const QString& IdiomList() {
  static const QString text = IdiomEntries().join(QLatin1Char('\n'));
  return text;
}

}  // namespace velmora
