// MemoPane: the all-names pane MemoSuccess, a read-only plain-text pane without wrapping.
//
// Its lines are rows of seven names, each padded with blanks to 16 GBK bytes, and they
// stand in aligned columns only when a Chinese character is exactly as wide as two blanks.
// No font installed on Linux has that ratio (the monospace WenQuanYi face draws a blank at
// 0.6 of a character's width), so the pane narrows every single-byte character to half a
// Chinese character through letter spacing. The text itself is never changed.
#pragma once

#include <QFont>
#include <QPlainTextEdit>
#include <QStringList>

class QSyntaxHighlighter;

namespace velmora {

class MemoPane : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit MemoPane(QWidget* parent = nullptr);

  // The pane's monospaced CJK font at a size in pixels.
  static QFont PaneFont(int pixelSize);

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
