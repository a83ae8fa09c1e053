// QtNoteUi: see qt_note_ui.h.
#include "app/view/qt_note_ui.h"

#include "app/view/memo_pane.h"
#include "text/gbk.h"

#include <QFontMetricsF>
#include <QInputDialog>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>

namespace velmora {

void PaintByteCells(QPainter& painter, const QSizeF& page, const QStringList& lines,
                    const std::function<void()>& newPage) {
  const QFontMetricsF metrics(painter.font(), painter.device());
  const qreal cell = metrics.horizontalAdvance(QChar(0x5F20)) / 2;  // half of 张
  const qreal lineHeight = metrics.lineSpacing();
  const int columns = std::max(2, static_cast<int>(page.width() / cell));
  qreal y = 0;
  const auto nextLine = [&] {
    y += lineHeight;
    if (y + lineHeight > page.height()) {
      newPage();
      y = 0;
    }
  };
  for (const QString& line : lines) {
    int column = 0;
    for (const char32_t code : line.toUcs4()) {
      const QString character = QString::fromUcs4(&code, 1);
      const int width = text::GbkLength(character);  // 1 or 2 cells
      if (column + width > columns) {
        nextLine();
        column = 0;
      }
      painter.drawText(QPointF(column * cell, y + metrics.ascent()), character);
      column += width;
    }
    nextLine();
  }
}

void PrintByteCells(QPrinter& printer, const QStringList& lines, const QFont& font) {
  QPainter painter;
  if (!painter.begin(&printer)) return;
  painter.setFont(font);
  const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
  PaintByteCells(painter, page.size(), lines, [&printer] { printer.newPage(); });
  painter.end();
}

void QtNoteUi::PrintNote(const QStringList& lines, int pixelSize) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(window_ ? window_->windowTitle() : QStringLiteral("算命"));
  QPrintDialog dialog(&printer, window_);
  dialog.setWindowTitle(QStringLiteral("打印"));
  if (dialog.exec() != QDialog::Accepted) return;
  // The screen's pixels are 1/96 inch; the paper keeps the size the reader chose.
  QFont font = MemoPane::PaneFont(pixelSize);
  font.setPointSizeF(pixelSize * 72.0 / 96.0);
  PrintByteCells(printer, lines, font);
}

std::optional<int> QtNoteUi::AskFontSize(int current, int smallest, int largest) {
  bool ok = false;
  const int size = QInputDialog::getInt(window_, QStringLiteral("设置"), QStringLiteral("字体大小（像素）："), current,
                                        smallest, largest, 1, &ok);
  if (!ok) return std::nullopt;
  return size;
}

void QtNoteUi::CloseWindow() {
  if (window_) window_->close();
}

}  // namespace velmora
