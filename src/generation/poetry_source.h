// The source line of a name drawn from a collected text: the sentence that holds both of its
// characters, else the line, else the line of each, so that a parent sees the verse a name
// comes from. A sentence is a stretch of one line ended by 。！？； or their ASCII forms (关关雎鸠，
// 在河之洲。), so a name from one sentence cites that sentence, not the whole stanza.
//
// The text is read as lines. A line longer than kLongLine characters (typed prose, not a
// verse) is read as its sentences instead, ended by 。！？； or their ASCII forms, so that
// the source stays short enough to read in the status strip. A sentence that is still
// longer (a text without sentence marks) shows only the clauses that hold the name, cut at
// ，、：, and never more than kLongLine characters around it: a source is a line to read,
// not a copy of the text.
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

  // The source of the given name's characters: the first sentence holding all of them;
  // else the first line holding all of them; otherwise the first line of each character,
  // joined by " / " (a line only once). Empty when no character occurs. Each line is cut
  // as above.
  QString For(const QString& given) const;

  // Some sentence holds every character of the given name.
  bool OneSentence(const QString& given) const;

  // The part of `line` shown as the source of `chars`: the whole line when it is at most
  // kLongLine characters; else the clauses from the first to the last that hold one of
  // `chars`; else kLongLine characters centred on the characters found.
  static QString Clip(const QString& line, const QList<uint>& chars);

 private:
  struct Index {
    QStringList texts;
    QHash<char32_t, QList<int>> of;  // character -> the texts holding it, in order
    void Add(const QString& text);
    // The first text holding every character of chars, or -1.
    int FirstWithAll(const QList<uint>& chars) const;
  };
  Index lines_, sentences_;
};

}  // namespace velmora
