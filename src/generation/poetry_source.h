// The source line of a name drawn from a collected text: the line that holds both of its
// characters, else the line of each, so that a parent sees the verse a name comes from.
//
// The text is read as lines. A line longer than kLongLine characters (typed prose, not a
// verse) is read as its sentences instead, ended by 。！？； or their ASCII forms, so that
// the source stays short enough to read in the status strip.
#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace velmora {

class SourceLines {
 public:
  static constexpr int kLongLine = 40;

  explicit SourceLines(const QString& text);

  // The source of the given name's characters: the first line holding all of them;
  // otherwise the first line of each character, joined by " / " (a line only once).
  // Empty when no character occurs.
  QString For(const QString& given) const;

 private:
  QStringList lines_;
  QHash<char32_t, QList<int>> linesOf_;  // character -> the lines holding it, in order
};

}  // namespace velmora
