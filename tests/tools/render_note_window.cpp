// render_note_window: draws the notes viewer to PNG files, to look at its layout without a
// display. The toolbar's 八字 is clicked on the main window's form for 张, 男, 公历
// 2000-01-01 00:00, through the program's own Qt dialogs, and the note window it opens is
// drawn at the top of the report (note_bazi_top.png), scrolled to the luck, annual and
// minor-luck rows (note_bazi_rows.png), and tall enough for all its lines
// (note_bazi_full.png); then the 五格 note (note_xm016.png). The report is also printed as
// the print dialog's PDF printer prints it (note_bazi.pdf).
//
// Usage: render_note_window [output folder]
// Runs on Qt's offscreen platform unless QT_QPA_PLATFORM says otherwise, and reads the
// databases beside itself, as the program does.
#include "app/frm_qiming.h"
#include "app/view/memo_pane.h"
#include "app/view/qt_ui.h"
#include "app/view/note_window.h"
#include "app/view/qt_note_ui.h"

#include "../app/render_support.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QScrollBar>
#include <QTextBlock>

#include <cstdio>

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const QString out = velmora::render::OutputFolder(argc, argv);
  if (out.isEmpty()) return 1;
  using velmora::render::Save;

  velmora::QtMainWindowUi ui;
  velmora::FrmQiming form(ui, QCoreApplication::applicationDirPath() + QLatin1Char('/'));
  form.controls.Xing.text = QStringLiteral("张");
  form.controls.CBsex.Select(0);
  form.controls.ComDate.Select(0);
  form.controls.SYear.text = QStringLiteral("2000");
  form.controls.SMonth.text = QStringLiteral("01");
  form.controls.Sday.text = QStringLiteral("01");
  form.controls.Shour.text = QStringLiteral("子 0");
  form.controls.CBFen.text = QStringLiteral("00");
  form.Image2Click();
  velmora::NoteWindow* window = velmora::NoteWindow::Latest();
  if (!window) {
    std::fprintf(stderr, "八字 opened no note window\n");
    return 1;
  }
  std::printf("report: %lld lines\n", static_cast<long long>(form.REbazi.size()));
  bool ok = Save(*window, out + QStringLiteral("/note_bazi_top.png"));

  auto* memo = window->findChild<QPlainTextEdit*>(QStringLiteral("RzMemo1"));
  if (!memo) return 1;
  memo->verticalScrollBar()->setValue(17);  // line 18, the luck pillars' ten gods
  ok &= Save(*window, out + QStringLiteral("/note_bazi_rows.png"));

  window->resize(window->width(), 1240);  // 73 lines: the design's 70 and the 喜用 section
  memo->verticalScrollBar()->setValue(0);
  ok &= Save(*window, out + QStringLiteral("/note_bazi_full.png"));

  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(out + QStringLiteral("/note_bazi.pdf"));
  QFont font = velmora::MemoPane::PaneFont(12);
  font.setPointSizeF(9);
  velmora::PrintByteCells(printer, form.REbazi, font);
  std::printf("wrote %s\n", qUtf8Printable(printer.outputFileName()));
  // The first printed page again, drawn at 100 dots per inch on A4 (note_bazi_print.png).
  QImage page(827, 1169, QImage::Format_RGB32);
  page.setDotsPerMeterX(3937);
  page.setDotsPerMeterY(3937);
  page.fill(Qt::white);
  {
    QPainter painter(&page);
    painter.setFont(font);
    painter.translate(60, 60);
    bool first = true;
    velmora::PaintByteCells(painter, QSizeF(707, 1049), form.REbazi, [&] {
      if (first) painter.setOpacity(0);  // only the first page is drawn
      first = false;
    });
  }
  ok &= page.save(out + QStringLiteral("/note_bazi_print.png"));
  window->close();

  form.Image8Click();
  if (velmora::NoteWindow* note = velmora::NoteWindow::Latest()) {
    ok &= Save(*note, out + QStringLiteral("/note_xm016.png"));
  } else {
    std::fprintf(stderr, "五格 opened no note window\n");
    ok = false;
  }
  return ok ? 0 : 1;
}
