// render_analysis_window: draws the name analysis window to PNG files, to look at its
// layout without a display: the window opened for 张伟 (男, 公历 1990-05-17, 辰 8 点 00 分),
// which analyses at once (analysis_zhangwei.png), and the same window with its report
// scrolled to the end (analysis_zhangwei_end.png); then the window as the main window
// opens it, modally through QtMainWindowUi::ShowNameAnalysis (analysis_from_main.png).
// The report is also printed as the print dialog's PDF printer prints it
// (analysis_zhangwei.pdf).
//
// Usage: render_analysis_window [output folder]
// The program runs on Qt's offscreen platform unless QT_QPA_PLATFORM says otherwise, and
// reads the databases beside itself, as the program does.
#include "app/view/analysis_window.h"
#include "app/view/qt_analysis_ui.h"
#include "app/view/qt_ui.h"
#include "naming/analysis.h"

#include "render_support.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QScrollBar>
#include <QTimer>

#include <cstdio>

namespace {

using velmora::render::Print;
using velmora::render::Save;

class ConsoleUi final : public velmora::render::ConsoleDialogs<velmora::naming::AnalysisUi> {
 public:
  std::optional<QString> AskSaveFileName(const QString& title, const QString&, const QString& proposal) override {
    Print("save", title, proposal);
    return std::nullopt;
  }
  void PrintReport(const QStringList& lines) override {
    Print("print", QString(), QString::number(lines.size()) + QStringLiteral(" lines"));
  }
  void CloseWindow() override { Print("close", QString(), QString()); }

};

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const QString out = velmora::render::OutputFolder(argc, argv);
  if (out.isEmpty()) return 1;

  ConsoleUi ui;
  velmora::naming::TFrmmain form(ui, QCoreApplication::applicationDirPath() + QLatin1Char('/'));
  velmora::NameAnalysisRequest request;
  request.surname = QStringLiteral("张");
  request.given = QStringLiteral("伟");
  request.sex = QStringLiteral("男");
  request.year = QStringLiteral("1990");
  request.month = QStringLiteral("5");
  request.day = QStringLiteral("17");
  request.hour = QStringLiteral("辰 8");
  request.minute = QStringLiteral("00");
  request.calendarKind = 0;
  form.Fill(request);

  velmora::AnalysisWindow window(form);
  window.show();  // FormShow: both names are set, so the report is written at once
  std::printf("report: %lld lines\n", static_cast<long long>(form.RzMemo1.size()));
  bool ok = !form.RzMemo1.isEmpty();
  ok &= Save(window, out + QStringLiteral("/analysis_zhangwei.png"));

  auto* memo = window.findChild<QPlainTextEdit*>(QStringLiteral("RzMemo1"));
  if (!memo) return 1;
  memo->verticalScrollBar()->setValue(memo->verticalScrollBar()->maximum());
  ok &= Save(window, out + QStringLiteral("/analysis_zhangwei_end.png"));

  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(out + QStringLiteral("/analysis_zhangwei.pdf"));
  velmora::PrintLines(printer, form.RzMemo1, window.font());
  std::printf("wrote %s\n", qUtf8Printable(printer.outputFileName()));
  window.close();

  // The modal loop runs until the picture is taken and the window closed.
  bool opened = false;
  QTimer::singleShot(0, [&] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      opened = true;
      ok &= Save(*modal, out + QStringLiteral("/analysis_from_main.png"));
      modal->close();
    }
  });
  velmora::QtMainWindowUi mainUi;
  mainUi.ShowNameAnalysis(request);
  if (!opened) std::fprintf(stderr, "ShowNameAnalysis opened no modal window\n");
  return ok && opened ? 0 : 1;
}
