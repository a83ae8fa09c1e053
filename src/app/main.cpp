// Program entry: the application title, the machine's date formats, then the main window.
#include "app/frm_qiming.h"
#include "app/locale_formats.h"
#include "app/program_settings.h"
#include "app/view/main_window.h"
#include "app/view/qt_dialogs.h"
#include "app/view/qt_ui.h"
#include "refdb/connection_text.h"

#include <QApplication>
#include <QFont>

#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
  // Answered before any window system is needed, so it works on a machine without a display.
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--version") == 0) {
      std::printf("velmora %s\n", VELMORA_VERSION);
      return 0;
    }
  }
  QApplication app(argc, argv);
  // No display name: Qt would append " — Velmora" to every window title and cut short
  // captions such as "提示".
  QApplication::setApplicationName(QStringLiteral("Velmora"));
  QApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));
  QApplication::setDesktopFileName(QStringLiteral("velmora"));
  // The 12-pixel 宋体 of the windows, with a CJK font of this system where 宋体 is missing;
  // message boxes and dialogs use it too.
  QFont font(QStringList{QStringLiteral("SimSun"), QStringLiteral("WenQuanYi Micro Hei")});
  font.setPixelSize(12);
  QApplication::setFont(font);
  velmora::qt_dialogs::InstallChineseTranslations();

  // A failure here is ignored; the program's own formats are set when the window shows.
  try {
    velmora::NormalizeLocaleFormats(*velmora::SystemLocaleSettings());
  } catch (...) {
  }

  velmora::QtMainWindowUi ui;
  velmora::FrmQiming form(ui, velmora::ProgramFolder());
  form.settingsFile = velmora::DefaultSettingsFile();  // 用字 is kept between starts
  form.FormCreate();
  velmora::MainWindow window(form);
  ui.SetWindow(&window);
  window.show();
  return app.exec();
}
