// render_main_window: draws the main window to PNG files, to look at its layout without a
// display. One picture per naming mode with the surname 张 (main_classic.png,
// main_list.png, ...), one after a classic run (main_classic_run.png), one after a run of
// list, idiom and 美名 mode each (main_list_run.png, ...; in 美名 mode with the third row
// selected, so that the status strip shows its source, meanings, tones and findings), one of
// 推荐模式 for a girl born 2024-07-15 10:00 with the second row selected, its reasons in the
// strip (main_best_run.png), one of the window 人工起名服务 (service.png); and the 用字 control:
// the input rows enlarged, empty and filled (main_yongzi_empty.png, main_yongzi_filled.png),
// the window filled (main_yongzi.png), a list run with it (main_yongzi_list_run.png) and its
// dialog (yongzi.png).
//
// Usage: render_main_window [output folder]
// The program runs on Qt's offscreen platform unless QT_QPA_PLATFORM says otherwise, and
// reads the databases beside itself, as the program does.
#include "app/frm_qiming.h"
#include "app/view/main_window.h"
#include "app/view/memo_pane.h"
#include "app/view/service_dialog.h"
#include "app/view/yongzi_dialog.h"

#include "render_main_ui.h"
#include "render_support.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QListWidget>
#include <QMouseEvent>
#include <QPixmap>
#include <QTableView>

#include <array>
#include <cstdio>
#include <utility>

namespace {

using velmora::render::Print;
using velmora::render::Save;

using velmora::FrmQiming;
using velmora::MainWindow;
using velmora::NamingMode;

using ConsoleUi = velmora::render::ConsoleMainWindowUi;

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const QString out = velmora::render::OutputFolder(argc, argv);
  if (out.isEmpty()) return 1;

  ConsoleUi ui;
  FrmQiming form(ui, QCoreApplication::applicationDirPath() + QLatin1Char('/'));
  form.FormCreate();
  MainWindow window(form);
  window.show();  // FormShow
  form.controls.Xing.text = QStringLiteral("张");
  form.XingExit();

  static constexpr std::array<std::pair<NamingMode, const char*>, 7> kModes{{
      {NamingMode::Best, "best"},
      {NamingMode::Classic, "classic"},
      {NamingMode::List, "list"},
      {NamingMode::Idiom, "idiom"},
      {NamingMode::Poetry, "poetry"},
      {NamingMode::Meiming, "meiming"},
      {NamingMode::Zuhe, "zuhe"},
  }};
  bool ok = true;
  for (const auto& [mode, name] : kModes) {
    form.ModeClick(mode);
    ok &= Save(window, out + QStringLiteral("/main_%1.png").arg(QLatin1String(name)));
  }

  // The 用字 control, empty and filled: the two input rows three times enlarged, so that a
  // label or box that overlaps its neighbour shows.
  auto saveRows = [&](const QString& file) {
    QCoreApplication::processEvents();
    QImage rows(QSize(1000, 62) * 2, QImage::Format_ARGB32);
    rows.setDevicePixelRatio(2);
    static_cast<QWidget&>(window).render(&rows, QPoint(), QRegion(0, 112, 1000, 62));
    const bool saved = rows.save(out + file);
    std::printf("%s %s\n", saved ? "wrote" : "FAILED", qUtf8Printable(out + file));
    return saved;
  };
  form.ModeClick(NamingMode::Classic);
  ok &= saveRows(QStringLiteral("/main_yongzi_empty.png"));
  ok &= form.SetCharWishes(QStringLiteral("涵梓"), QStringLiteral("雨"));
  ok &= saveRows(QStringLiteral("/main_yongzi_filled.png"));
  ok &= Save(window, out + QStringLiteral("/main_yongzi.png"));
  velmora::YongziDialog yongzi(form.wishes, [](const QString&, const QString&) { return true; }, &window);
  yongzi.adjustSize();
  ok &= Save(yongzi, out + QStringLiteral("/yongzi.png"));
  // A list run for a girl with them: every name holds 雨, none 涵 or 梓.
  form.controls.CBsex.Select(1);
  form.XingExit();
  form.ModeClick(NamingMode::List);
  form.RzBitBtn6Click();
  ok &= Save(window, out + QStringLiteral("/main_yongzi_list_run.png"));
  form.controls.CBsex.Select(0);
  form.XingExit();
  form.SetCharWishes(QString(), QString());

  // A classic run with every plan, delivered to the panes as the program delivers it. The
  // widest hour item is chosen too, and after the run the first plan, to see that they fit.
  form.ModeClick(NamingMode::Classic);
  form.controls.Shour.Select(10);  // 巳 10
  QElapsedTimer timer;
  timer.start();
  form.RzBitBtn6Click();
  form.WaitForWorker();
  QCoreApplication::processEvents();
  auto* memo = window.findChild<velmora::MemoPane*>(QStringLiteral("MemoSuccess"));
  const auto* high = window.findChild<QListWidget*>(QStringLiteral("ListBox1"));
  std::printf("classic run: %lld ms, %lld rows and %lld high-score names in the form, "
              "%d rows and %d names in the view\n",
              static_cast<long long>(timer.elapsed()), static_cast<long long>(form.MemoSuccess.size()),
              static_cast<long long>(form.ListBox1.size()), memo ? static_cast<int>(memo->Lines().size()) : -1,
              high ? high->count() : -1);
  form.controls.CBCode.Select(1);
  emit form.changed();
  ok &= Save(window, out + QStringLiteral("/main_classic_run.png"));

  // A run of each grid mode, through the form and the view as the program runs it.
  static constexpr std::array<std::pair<NamingMode, const char*>, 3> kGridModes{{
      {NamingMode::List, "list"}, {NamingMode::Idiom, "idiom"}, {NamingMode::Meiming, "meiming"}}};
  auto* grid = window.findChild<QTableView*>(QStringLiteral("RzStringGrid1"));
  form.controls.CBCode.Select(0);  // 电脑全自动
  for (const auto& [mode, name] : kGridModes) {
    form.ModeClick(mode);
    timer.restart();
    form.RzBitBtn6Click();
    QCoreApplication::processEvents();
    std::printf("%s run: %lld ms, %d rows found, %lld high-score names\n", name, static_cast<long long>(timer.elapsed()),
                form.listRun.paging.TotalFound, static_cast<long long>(form.ListBox1.size()));
    if (mode == NamingMode::Meiming && grid) grid->selectRow(2);
    ok &= Save(window, out + QStringLiteral("/main_%1_run.png").arg(QLatin1String(name)));
  }

  // 推荐模式 for a girl with a birth date: the chart's note in the strip after the run, then a
  // selected row's reasons.
  form.ModeClick(NamingMode::Best);
  form.controls.CBsex.Select(1);
  form.controls.SYear.text = QStringLiteral("2024");
  form.controls.SMonth.text = QStringLiteral("07");
  form.controls.Sday.text = QStringLiteral("15");
  form.CBsexClick();
  timer.restart();
  form.RzBitBtn6Click();
  QCoreApplication::processEvents();
  std::printf("best run: %lld ms, %d names scored; strip: %s\n", static_cast<long long>(timer.elapsed()),
              form.bestRun.Order() ? form.bestRun.Order()->Total() : 0, qUtf8Printable(form.StatusText));
  ok &= Save(window, out + QStringLiteral("/main_best_note.png"));
  if (grid) grid->selectRow(1);
  QCoreApplication::processEvents();
  std::printf("best row 2: %s\n", qUtf8Printable(form.StatusText));
  ok &= Save(window, out + QStringLiteral("/main_best_run.png"));

  // The all-names pane close up, three times enlarged, with the second name of the second
  // row selected by a double click: the columns and the selection on the byte-cell grid.
  if (memo) {
    const QPointF at(4 + 16 * 6 + 12, 4 + 14 + 7);
    QMouseEvent click(QEvent::MouseButtonDblClick, at, memo->viewport()->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(memo->viewport(), &click);
    QCoreApplication::processEvents();
    QImage closeUp(QSize(420, 120) * 3, QImage::Format_ARGB32);
    closeUp.setDevicePixelRatio(3);
    memo->render(&closeUp, QPoint(), QRegion(0, 0, 420, 120));
    const QString path = out + QStringLiteral("/main_classic_pane.png");
    ok &= closeUp.save(path);
    std::printf("wrote %s (selected: %s)\n", qUtf8Printable(path), qUtf8Printable(memo->SelectedText()));
  }

  velmora::ServiceDialog service(&window);
  service.adjustSize();
  ok &= Save(service, out + QStringLiteral("/service.png"));
  return ok ? 0 : 1;
}
