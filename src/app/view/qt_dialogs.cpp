#include "app/view/qt_dialogs.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QThread>
#include <QTranslator>

namespace velmora::qt_dialogs {

void ShowBox(QWidget* parent, int icon, const QString& caption, const QString& text) {
  QMessageBox box(static_cast<QMessageBox::Icon>(icon), caption, text, QMessageBox::Ok, parent);
  box.exec();
}

void SetClipboardText(const QString& text) { QGuiApplication::clipboard()->setText(text); }

void Pause(QWidget* window, int milliseconds) {
  // Deliberately blocks the GUI thread: the stop of a run gives the worker this time to
  // notice the cleared flag while nothing else happens. The window is painted first, so
  // a button disabled just before shows disabled during the pause.
  if (window) window->repaint();
  if (milliseconds > 0) QThread::msleep(static_cast<unsigned long>(milliseconds));
}

bool InstallChineseTranslations() {
  // Lives as long as the application; a second call finds it installed already.
  static QTranslator* translator = nullptr;
  if (translator != nullptr) return true;
  auto* loaded = new QTranslator(QCoreApplication::instance());
  if (!loaded->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                    QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete loaded;
    return false;
  }
  QCoreApplication::installTranslator(loaded);
  translator = loaded;
  return true;
}

}  // namespace velmora::qt_dialogs
