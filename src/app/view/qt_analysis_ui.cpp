// QtAnalysisUi: see qt_analysis_ui.h.
#include "app/view/qt_analysis_ui.h"

#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>
#include <QThread>

namespace velmora {
namespace {

}  // namespace

QString QtFileFilter(const QString& filter) {
  const QStringList parts = filter.split(QLatin1Char('|'));
  if (parts.size() < 2) return filter;
  QStringList out;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString patterns = parts[i + 1];
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));  // "*.txt;*.log" lists patterns
    out << parts[i] + QStringLiteral(" (") + patterns + QLatin1Char(')');
  }
  return out.join(QStringLiteral(";;"));
}

void PrintLines(QPrinter& printer, const QStringList& lines, const QFont& font) {
  // The font is given in points, so the printer's resolution keeps its size; long lines
  // wrap at the page width.
  QTextDocument document;
  document.setDefaultFont(font);
  document.setPlainText(lines.join(QLatin1Char('\n')));
  document.print(&printer);
}

std::optional<QString> QtAnalysisUi::AskSaveFileName(const QString& title, const QString& filter,
                                                     const QString& proposal) {
  // The name comes back exactly as chosen: the form adds the extension itself.
  const QString chosen = QFileDialog::getSaveFileName(window_, title, proposal, QtFileFilter(filter));
  if (chosen.isEmpty()) return std::nullopt;
  return chosen;
}

void QtAnalysisUi::PrintReport(const QStringList& lines) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(QStringLiteral("姓名分析"));
  QPrintDialog dialog(&printer, window_);
  dialog.setWindowTitle(QStringLiteral("打印"));
  if (dialog.exec() != QDialog::Accepted) return;
  PrintLines(printer, lines, window_ ? window_->font() : QFont());
}

void QtAnalysisUi::CloseWindow() {
  if (window_) window_->close();
}

}  // namespace velmora
