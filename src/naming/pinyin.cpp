// Pinyin syllables: see pinyin.h.
#include "naming/pinyin.h"

#include <QStringList>

namespace velmora::naming {

namespace {

// The marked vowels, five to a row: tone 1, 2, 3, 4 and the plain vowel.
constexpr char16_t kMarked[][5] = {
    {u'ā', u'á', u'ǎ', u'à', u'a'}, {u'ē', u'é', u'ě', u'è', u'e'}, {u'ī', u'í', u'ǐ', u'ì', u'i'},
    {u'ō', u'ó', u'ǒ', u'ò', u'o'}, {u'ū', u'ú', u'ǔ', u'ù', u'u'}, {u'ǖ', u'ǘ', u'ǚ', u'ǜ', u'v'},
};

}  // namespace

int ToneOf(QStringView syllable) {
  for (QChar c : syllable) {
    for (const auto& row : kMarked) {
      for (int t = 0; t < 4; ++t) {
        if (c.unicode() == row[t]) return t + 1;
      }
    }
  }
  return 5;
}

QString Toneless(QStringView syllable) {
  QString out;
  out.reserve(syllable.size());
  for (QChar c : syllable) {
    char16_t plain = c.toLower().unicode();
    for (const auto& row : kMarked) {
      for (char16_t m : row) {
        if (plain == m) plain = row[4];
      }
    }
    if (plain == u'ü') plain = u'v';
    if (plain != u' ') out += QChar(plain);
  }
  return out;
}

QString TonelessReading(QStringView reading) {
  QStringList syllables;
  for (QStringView s : reading.split(u' ', Qt::SkipEmptyParts)) syllables << Toneless(s);
  return syllables.join(u' ');
}

QString InitialOf(QStringView toneless) {
  if (toneless.startsWith(u"zh") || toneless.startsWith(u"ch") || toneless.startsWith(u"sh")) return toneless.left(2).toString();
  if (toneless.isEmpty() || QStringView(u"aeiouv").contains(toneless.front())) return QString();
  return toneless.left(1).toString();
}

QChar ToneClass(int tone) { return tone == 1 || tone == 2 ? QChar(u'平') : QChar(u'仄'); }

}  // namespace velmora::naming
