// Source lines: see poetry_source.h.
#include "generation/poetry_source.h"

#include "text/gbk.h"

#include <algorithm>
#include <string>

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

// A clause or sentence mark, after which a cut may fall.
bool EndsClause(char32_t c) {
  static const std::u32string kMarks = U"，、：,:。！？；!?;";
  return kMarks.find(c) != std::u32string::npos;
}

}  // namespace

QString SourceLines::Clip(const QString& line, const QList<uint>& chars) {
  const QList<uint> cps = line.toUcs4();
  const qsizetype n = cps.size();
  if (n <= kLongLine) return line;
  qsizetype first = -1, last = -1;  // code-point positions of the name's characters
  for (qsizetype i = 0; i < n; ++i) {
    if (!chars.contains(cps[i])) continue;
    if (first < 0) first = i;
    last = i;
  }
  if (first < 0) return QString::fromUcs4(reinterpret_cast<const char32_t*>(cps.constData()), kLongLine);
  // The clauses that hold them: back to the mark before the first, on to the mark after the
  // last (kept, as the line keeps it).
  qsizetype from = first, to = last + 1;
  while (from > 0 && !EndsClause(cps[from - 1])) --from;
  while (to < n && !EndsClause(cps[to - 1])) ++to;
  if (to - from > kLongLine) {
    // Still too long: kLongLine characters around the found span, as evenly as the line
    // allows.
    const qsizetype span = std::min<qsizetype>(last - first + 1, kLongLine);
    const qsizetype before = (kLongLine - span) / 2;
    from = std::clamp<qsizetype>(first - before, 0, n - kLongLine);
    to = from + kLongLine;
  }
  return text::Trim(QString::fromUcs4(reinterpret_cast<const char32_t*>(cps.constData() + from), to - from));
}

void SourceLines::Index::Add(const QString& text) {
  const int i = static_cast<int>(texts.size());
  texts << text;
  for (char32_t c : text.toUcs4()) {
    QList<int>& at = of[c];
    if (at.isEmpty() || at.back() != i) at << i;
  }
}

int SourceLines::Index::FirstWithAll(const QList<uint>& chars) const {
  QList<const QList<int>*> lists;
  for (char32_t c : chars) {
    const auto it = of.constFind(c);
    if (it == of.cend()) return -1;
    lists << &*it;
  }
  if (lists.isEmpty()) return -1;
  for (int i : *lists.front()) {
    if (std::all_of(lists.cbegin() + 1, lists.cend(),
                    [i](const QList<int>* l) { return std::binary_search(l->cbegin(), l->cend(), i); }))
      return i;
  }
  return -1;
}

SourceLines::SourceLines(const QString& text) {
  for (const QString& raw : QString(text).replace(QLatin1Char('\r'), QLatin1Char('\n')).split(QLatin1Char('\n'))) {
    const QString line = text::Trim(raw);
    if (line.isEmpty()) continue;
    const QStringList sentences = Sentences(line);
    for (const QString& sentence : sentences) sentences_.Add(sentence);
    if (line.toUcs4().size() > kLongLine) {
      for (const QString& sentence : sentences) lines_.Add(sentence);
    } else {
      lines_.Add(line);
    }
  }
}

bool SourceLines::OneSentence(const QString& given) const { return sentences_.FirstWithAll(given.toUcs4()) >= 0; }

QString SourceLines::For(const QString& given) const {
  const QList<uint> chars = given.toUcs4();
  if (const int s = sentences_.FirstWithAll(chars); s >= 0) return Clip(sentences_.texts[s], chars);
  if (const int l = lines_.FirstWithAll(chars); l >= 0) return Clip(lines_.texts[l], chars);
  QStringList each;
  for (char32_t c : chars) {
    const auto it = lines_.of.constFind(c);
    if (it == lines_.of.cend()) continue;
    const QString clipped = Clip(lines_.texts[it->front()], chars);
    if (!each.contains(clipped)) each << clipped;
  }
  return each.join(QStringLiteral(" / "));
}

}  // namespace velmora
