// QtNoteUi: the dialogs of a note window (message boxes, the print dialog, the font size
// question) done with Qt. Tests implement tools::NoteUi with a recorder instead.
#pragma once

#include "app/view/qt_dialogs.h"
#include "tools/note.h"

#include <QFont>
#include <QSizeF>
#include <QStringList>

#include <functional>

class QPainter;
class QPrinter;

namespace velmora {

class QtNoteUi final : public QtDialogs<tools::NoteUi> {
 public:
  void PrintNote(const QStringList& lines, int pixelSize) override;
  std::optional<int> AskFontSize(int current, int smallest, int largest) override;
  void CloseWindow() override;
};

// Paints lines on pages of the given size (in the painter's device pixels) in the
// painter's font, on a grid of byte cells; newPage is called between pages.
void PaintByteCells(QPainter& painter, const QSizeF& page, const QStringList& lines,
                    const std::function<void()>& newPage);

// Prints lines on a grid of byte cells: every character stands at its GBK byte column,
// a Chinese character taking two cells, so columns line up on paper as on the screen.
// Lines longer than the page wrap at a cell; pages follow one another.
void PrintByteCells(QPrinter& printer, const QStringList& lines, const QFont& font);

}  // namespace velmora
