// surnames.cpp: table xs of Pelvano.dll, how surnames are read as surnames (曾 zēng, 单 shàn,
// 尉迟 yù chí), from sources/curated/surname_readings.tsv.
//
// xs (xing, pinyin): a surname of one or two characters and its reading, one syllable with
// its tone mark per character, separated by a blank. The builder refuses a row whose
// syllables do not match its characters one for one, a syllable without a tone mark, and a
// surname listed twice: the grid and the name checks cut the reading by character.
#include "databases.h"

#include <QRegularExpression>
#include <QSet>

#include <stdexcept>

namespace velmora::refdb_build {

void BuildSurnameReadings(const BuildContext& ctx, Database& db) {
  db.Exec(QStringLiteral("CREATE TABLE xs (xing TEXT PRIMARY KEY, pinyin TEXT NOT NULL) WITHOUT ROWID"));
  const TsvTable file = ReadTsv(ctx.SourcePath(QStringLiteral("curated/surname_readings.tsv")));
  const int xing = file.RequireColumn(QStringLiteral("xing"));
  const int pinyin = file.RequireColumn(QStringLiteral("pinyin"));
  // A syllable: letters with exactly one tone-marked vowel (ü alone is not a tone).
  static const QRegularExpression syllable(QStringLiteral("^[a-zü]*[āáǎàēéěèīíǐìōóǒòūúǔùǖǘǚǜ][a-zü]*$"));
  QSet<QString> seen;
  QList<QVariantList> rows;
  for (const QStringList& r : file.rows) {
    const QString surname = r[xing].trimmed();
    const QStringList syllables = r[pinyin].trimmed().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    auto refuse = [&](const QString& why) {
      throw std::runtime_error(QStringLiteral("%1: %2 %3").arg(file.path, surname, why).toStdString());
    };
    if (surname.isEmpty() || surname.size() > 2) refuse(QStringLiteral("is not a surname of one or two characters"));
    if (syllables.size() != surname.size()) refuse(QStringLiteral("needs one syllable per character"));
    for (const QString& s : syllables) {
      if (!syllable.match(s).hasMatch()) refuse(QStringLiteral("has a syllable without one tone mark: ") + s);
    }
    if (seen.contains(surname)) refuse(QStringLiteral("is listed twice"));
    seen.insert(surname);
    rows << QVariantList{surname, syllables.join(QLatin1Char(' '))};
  }
  InsertRows(db, QStringLiteral("xs"), {QStringLiteral("xing"), QStringLiteral("pinyin")}, rows);
}

}  // namespace velmora::refdb_build
