// render_tool_windows: draws the windows and dialogs around the tools to PNG files, to look
// at without a display:
//   xiaoming.png       小名 for 张 清妍, a girl;
//   jiemeng.png        解梦 after a search for 梦见蛇咬;
//   notice.png         the notice box with its caption "提示";
//   save_dialog.png    the save dialog of the analysis report (Qt's own, in Chinese);
//   print_dialog.png   the print dialog (Qt's own, in Chinese).
//
// Usage: render_tool_windows [output folder]
// Runs on Qt's offscreen platform unless QT_QPA_PLATFORM says otherwise; the tool windows
// read the databases beside the program.
#include "app/view/jiemeng_window.h"
#include "app/view/qt_dialogs.h"
#include "app/view/xiaoming_window.h"
#include "refdb/connection_text.h"

#include "render_support.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace {

using velmora::render::Save;

class ConsoleUi final : public velmora::render::ConsoleDialogs<velmora::Ui> {};

// A modal dialog's picture: shown, drawn, then closed from its own loop. On a real X
// server the picture is taken from the screen, with the window manager's title bar, so the
// caption can be read.
bool SaveModal(QDialog& dialog, const QString& path) {
  bool ok = false;
  QTimer::singleShot(600, &dialog, [&] {
    if (QGuiApplication::platformName() == QStringLiteral("xcb")) {
      QCoreApplication::processEvents();
      const QRect frame = dialog.frameGeometry().adjusted(-8, -32, 8, 8);  // the title bar too
      ok = QGuiApplication::primaryScreen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height()).save(path);
      std::printf("%s %s\n", ok ? "wrote" : "FAILED", qUtf8Printable(path));
    } else {
      ok = Save(dialog, path);
    }
    dialog.reject();
  });
  dialog.exec();
  return ok;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  velmora::qt_dialogs::InstallChineseTranslations();
  const QString out = velmora::render::OutputFolder(argc, argv);
  if (out.isEmpty()) return 1;
  const QString folder = velmora::ProgramFolder();
  bool ok = true;

  ConsoleUi ui;
  velmora::tools::TFrmXiaoming xiaoming(ui, [folder] { return velmora::tools::LoadNicknameSources(folder); });
  xiaoming.EditXing = QStringLiteral("张");
  xiaoming.EditMing = QStringLiteral("清妍");
  xiaoming.CBsexIndex = 1;
  {
    velmora::XiaomingWindow window(xiaoming);
    window.show();
    ok &= Save(window, out + QStringLiteral("/xiaoming.png"));
  }

  velmora::tools::TFrmJiemeng jiemeng(ui, folder);
  {
    velmora::JiemengWindow window(jiemeng);
    window.show();
    jiemeng.EditSearch = QStringLiteral("梦见蛇咬");
    jiemeng.BtnSearchClick();
    window.render();
    ok &= Save(window, out + QStringLiteral("/jiemeng.png"));
  }

  QMessageBox notice(QMessageBox::Information, QStringLiteral("提示"), QStringLiteral("复制成功！"), QMessageBox::Ok);
  ok &= SaveModal(notice, out + QStringLiteral("/notice.png"));

  QFileDialog save(nullptr, QStringLiteral("保存分析结果"), QDir::homePath(), QStringLiteral("文本文件 (*.txt)"));
  save.setAcceptMode(QFileDialog::AcceptSave);
  save.setOption(QFileDialog::DontUseNativeDialog);
  save.resize(640, 420);
  ok &= SaveModal(save, out + QStringLiteral("/save_dialog.png"));

  QPrinter printer;
  QPrintDialog print(&printer);
  print.setWindowTitle(QStringLiteral("打印"));
  ok &= SaveModal(print, out + QStringLiteral("/print_dialog.png"));
  return ok ? 0 : 1;
}
