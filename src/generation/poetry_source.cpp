// Source lines: see poetry_source.h.
#include "generation/poetry_source.h"

#include "text/gbk.h"

#include <algorithm>

namespace velmora {

namespace {

bool EndsSentence(QChar c) {
  static const QString kEnds = QStringLiteral("。！？；!?;");
  return kEnds.contains(c);
}

// The sentences of a long line, each with its closing mark.
QStringList Sentences(const QString& line) {
  QStringList out;
  QString current;
  for (QChar c : line) {
    current += c;
    if (EndsSentence(c)) {
      out << text::Trim(current);
      current.clear();
    }
  }
  out << text::Trim(current);
  out.removeAll(QString());
  return out;
}

}  // namespace

SourceLines::SourceLines(const QString& text) {
  for (const QString& raw : QString(text).replace(QLatin1Char('\r'), QLatin1Char('\n')).split(QLatin1Char('\n'))) {
    const QString line = text::Trim(raw);
    if (line.isEmpty()) continue;
    if (line.toUcs4().size() > kLongLine) lines_ << Sentences(line);
    else lines_ << line;
  }
  for (int i = 0; i < lines_.size(); ++i) {
    for (char32_t c : lines_[i].toUcs4()) {
      QList<int>& at = linesOf_[c];
      if (at.isEmpty() || at.back() != i) at << i;
    }
  }
}

QString SourceLines::For(const QString& given) const {
  QList<const QList<int>*> lists;  // the lines of each character that occurs
  const QList<uint> chars = given.toUcs4();
  for (char32_t c : chars) {
    const auto it = linesOf_.constFind(c);
    if (it != linesOf_.cend()) lists << &*it;
  }
  if (lists.isEmpty()) return {};
  if (lists.size() == chars.size()) {
    for (int line : *lists.front()) {
      if (std::all_of(lists.cbegin() + 1, lists.cend(),
                      [line](const QList<int>* l) { return std::binary_search(l->cbegin(), l->cend(), line); })) {
        return lines_[line];
      }
    }
  }
  QStringList each;
  for (const QList<int>* l : lists) {
    if (!each.contains(lines_[l->front()])) each << lines_[l->front()];
  }
  return each.join(QStringLiteral(" / "));
}

}  // namespace velmora
