// QtAnalysisUi: the dialogs of the name analysis window (message boxes, the clipboard, the
// save dialog, the print dialog) implemented with Qt. Tests implement AnalysisUi with a
// recorder instead.
#pragma once

#include "app/view/qt_dialogs.h"
#include "naming/analysis.h"

#include <QFont>
#include <QPointer>
#include <QWidget>

class QPrinter;

namespace velmora {

// The window (SetWindow) owns the dialogs, gives the report its print font and is what
// CloseWindow closes.
class QtAnalysisUi final : public QtDialogs<naming::AnalysisUi> {
 public:
  std::optional<QString> AskSaveFileName(const QString& title, const QString& filter,
                                         const QString& proposal) override;
  void PrintReport(const QStringList& lines) override;
  void CloseWindow() override;
};

// A filter in the "description|pattern|description|pattern" form turned into the form of
// Qt's file dialogs, "description (pattern);;description (pattern)". A text without "|" is
// returned as it is.
QString QtFileFilter(const QString& filter);

// Prints the report's lines on the printer in the given font, page after page; what the
// print dialog's PDF printer writes too.
void PrintLines(QPrinter& printer, const QStringList& lines, const QFont& font);

}  // namespace velmora
