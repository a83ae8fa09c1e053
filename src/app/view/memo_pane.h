// MemoPane: the all-names pane MemoSuccess, a read-only pane of text lines without wrapping.
//
// Its lines are rows of seven names, each padded with blanks to 16 GBK bytes, and they
// stand in aligned columns only when a Chinese character is exactly as wide as two blanks.
// No font installed on Linux has that ratio (the monospace WenQuanYi face draws a blank at
// 0.6 of a character's width), so the pane places every character on a grid of byte cells:
// a character of two GBK bytes takes two cells, a single-byte one one cell, half a Chinese
// character wide. The text itself is never changed.
//
// A classic run adds tens of thousands of names while the user reads. The pane therefore
// keeps its lines as a list and lays out nothing: an append only extends the scroll range
// (and repaints when a new line is in view), and a paint draws the visible lines alone.
// The view keeps its scroll position while lines are added. Text is selected with the
// mouse (a double click selects one name, Ctrl+A everything) and copied exactly as it
// stands with Ctrl+C or the context menu.
#pragma once

#include <QAbstractScrollArea>
#include <QFont>
#include <QRawFont>
#include <QStringList>

#include <compare>

namespace velmora {

class MemoPane : public QAbstractScrollArea {
  Q_OBJECT

 public:
  explicit MemoPane(QWidget* parent = nullptr);

  // The pane's monospaced CJK font at a size in pixels; the note window's pane uses it too.
  static QFont PaneFont(int pixelSize);

  // Appends lines at the end; the cost does not depend on what the pane already holds.
  void AppendLines(const QStringList& lines);
  // Replaces the whole content and shows its beginning.
  void SetLines(const QStringList& lines);
  const QStringList& Lines() const { return lines_; }

  QString SelectedText() const;
  void SelectAll();
  // Puts the selected text on the clipboard; nothing happens without a selection.
  void CopySelection() const;

  // Where column `column` (a character index) of any line begins, in pixels from the
  // text's left edge: the byte cells before it times the cell width.
  qreal ColumnX(const QString& line, qsizetype column) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  // A place between two characters: line index and character index within the line.
  struct Pos {
    qsizetype line = 0;
    qsizetype column = 0;
    friend auto operator<=>(const Pos&, const Pos&) = default;
  };

  void UpdateMetrics();
  void UpdateScrollBars();
  int VisibleLines() const;
  Pos PosAt(QPoint viewportPoint) const;
  void DrawLine(QPainter& p, qsizetype index, qreal baseline, qreal left);

  QStringList lines_;
  int widestCells_ = 0;  // byte cells of the longest line
  QRawFont raw_;         // the font's glyphs, placed by hand on the cell grid
  qreal cell_ = 6;       // width of one byte cell: half of a Chinese character
  int lineHeight_ = 14;
  qreal ascent_ = 11;
  Pos anchor_, cursor_;  // the selection lies between them; equal means none
};

}  // namespace velmora
