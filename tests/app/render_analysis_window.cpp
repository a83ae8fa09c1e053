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

// Dialogs become lines on the error stream: nobody is there to press OK.
class ConsoleUi final : public velmora::naming::AnalysisUi {
 public:
  void ShowError(const QString& caption, const QString& text) override { Print("error", caption, text); }
  void ShowNotice(const QString& text) override { Print("notice", QStringLiteral("提示"), text); }
  void ShowInformation(const QString& caption, const QString& text) override { Print("information", caption, text); }
  void SetClipboardText(const QString& text) override { Print("clipboard", QString(), text); }
  void Pause(int /*milliseconds*/) override {}
  std::optional<QString> AskSaveFileName(const QString& title, const QString&, const QString& proposal) override {
    Print("save", title, proposal);
    return std::nullopt;
  }
  void PrintReport(const QStringList& lines) override {
    Print("print", QString(), QString::number(lines.size()) + QStringLiteral(" lines"));
  }
  void CloseWindow() override { Print("close", QString(), QString()); }

 private:
  static void Print(const char* what, const QString& caption, const QString& text) {
    std::fprintf(stderr, "[%s] %s %s\n", what, qUtf8Printable(caption), qUtf8Printable(text));
  }
};

bool Save(QWidget& window, const QString& path) {
  QCoreApplication::processEvents();
  const bool ok = window.grab().save(path);
  std::printf("%s %s\n", ok ? "wrote" : "FAILED", qUtf8Printable(path));
  return ok;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
  if (!QDir().mkpath(out)) {
    std::fprintf(stderr, "cannot create %s\n", qUtf8Printable(out));
    return 1;
  }

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
