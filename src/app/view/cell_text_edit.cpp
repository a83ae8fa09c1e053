// CellTextEdit: see cell_text_edit.h.
#include "app/view/cell_text_edit.h"

#include "app/view/memo_pane.h"

#include <QFont>
#include <QFontMetricsF>
#include <QSyntaxHighlighter>
#include <QTextCursor>
#include <QTextCharFormat>

namespace velmora {
namespace {

// Gives every run of single-byte characters (ASCII) the width of one byte cell, half the
// width of a Chinese character.
class ByteCellHighlighter : public QSyntaxHighlighter {
 public:
  ByteCellHighlighter(QTextDocument* document, const QFont& font) : QSyntaxHighlighter(document) { SetFont(font); }

  // The cell width follows the font; the document is formatted again.
  void SetFont(const QFont& font) {
    const QFontMetricsF m(font);
    const qreal cell = m.horizontalAdvance(QChar(0x5F20)) / 2;  // half of 张
    const qreal blank = m.horizontalAdvance(QLatin1Char(' '));
    narrow_.setFontLetterSpacingType(QFont::AbsoluteSpacing);
    narrow_.setFontLetterSpacing(cell - blank);
    rehighlight();
  }

 protected:
  void highlightBlock(const QString& text) override {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
      if (text[i].unicode() >= 0x80) {
        ++i;
        continue;
      }
      const qsizetype start = i;
      while (i < n && text[i].unicode() < 0x80) ++i;
      setFormat(static_cast<int>(start), static_cast<int>(i - start), narrow_);
    }
  }

 private:
  QTextCharFormat narrow_;
};

}  // namespace

CellTextEdit::CellTextEdit(QWidget* parent) : QPlainTextEdit(parent) {
  const QFont mono = MemoPane::PaneFont(12);  // the all-names pane's font
  setFont(mono);
  setReadOnly(true);
  setLineWrapMode(QPlainTextEdit::NoWrap);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setUndoRedoEnabled(false);
  highlighter_ = new ByteCellHighlighter(document(), mono);
}

void CellTextEdit::SetPixelSize(int pixels) {
  QFont f = font();
  if (f.pixelSize() == pixels) return;
  f.setPixelSize(pixels);
  setFont(f);
  static_cast<ByteCellHighlighter*>(highlighter_)->SetFont(f);
}

void CellTextEdit::AppendLines(const QStringList& lines) {
  if (lines.isEmpty()) return;
  if (lines_ == 0) {
    SetLines(lines);
    return;
  }
  // Written through a cursor of its own: the view keeps its scroll position, so a reader
  // is not carried away while a run keeps adding rows.
  QTextCursor end(document());
  end.movePosition(QTextCursor::End);
  end.beginEditBlock();
  end.insertBlock();
  end.insertText(lines.join(QLatin1Char('\n')));
  end.endEditBlock();
  lines_ += lines.size();
}

void CellTextEdit::SetLines(const QStringList& lines) {
  setPlainText(lines.join(QLatin1Char('\n')));
  lines_ = lines.size();
}

}  // namespace velmora
