// CellTextEdit: an editable plain-text pane whose columns line up on byte cells, for
// reports laid out by counts of blanks (the note window's birth-chart report).
//
// Its lines stand in aligned columns only when a Chinese character is exactly as wide as
// two blanks.
// No font installed on Linux has that ratio (the monospace WenQuanYi face draws a blank at
// 0.6 of a character's width), so the pane narrows every single-byte character to half a
// Chinese character through letter spacing. The text itself is never changed.
#pragma once

#include <QFont>
#include <QPlainTextEdit>
#include <QStringList>

class QSyntaxHighlighter;

namespace velmora {

class CellTextEdit : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit CellTextEdit(QWidget* parent = nullptr);

  // Appends lines at the end, as one edit (cheap for a batch of thousands).
  void AppendLines(const QStringList& lines);
  // Replaces the whole content.
  void SetLines(const QStringList& lines);
  // The font's size in pixels; the single-byte cells follow it.
  void SetPixelSize(int pixels);

 private:
  qsizetype lines_ = 0;  // lines shown; an empty document may hold one empty line
  QSyntaxHighlighter* highlighter_ = nullptr;
};

}  // namespace velmora
