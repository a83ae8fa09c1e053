// QtDialogs: the message boxes, the clipboard and the pause every window's Ui has, done
// with Qt once for all of them. A window's Qt Ui derives from QtDialogs<its Ui interface>
// and adds only its own dialogs.
#pragma once

#include "refdb/ui.h"

#include <QPointer>
#include <QWidget>

namespace velmora {

namespace qt_dialogs {
// A modal box with one OK button, owned by parent.
void ShowBox(QWidget* parent, int icon, const QString& caption, const QString& text);
void SetClipboardText(const QString& text);
// Paints the window, then blocks the GUI thread.
void Pause(QWidget* window, int milliseconds);
// Qt's own dialogs (file, print, colour, the boxes' buttons) in Simplified Chinese, from the
// system's Qt translations (Debian qt6-translations-l10n). False when they are missing: the
// dialogs then stay English and nothing else changes. Call once, after the application.
bool InstallChineseTranslations();
}  // namespace qt_dialogs

template <class UiInterface>
class QtDialogs : public UiInterface {
 public:
  // The window that owns the boxes. The form is built before its view, so the window is
  // handed over afterwards.
  void SetWindow(QWidget* window) { window_ = window; }

  void ShowError(const QString& caption, const QString& text) override {
    qt_dialogs::ShowBox(window_, kCritical, caption, text);
  }
  void ShowNotice(const QString& text) override {
    qt_dialogs::ShowBox(window_, kInformation, QStringLiteral("提示"), text);
  }
  void ShowInformation(const QString& caption, const QString& text) override {
    qt_dialogs::ShowBox(window_, kInformation, caption, text);
  }
  void ShowMessage(const QString& text) override {
    qt_dialogs::ShowBox(window_, kNoIcon, QString::fromUtf16(kAppTitle), text);
  }
  void SetClipboardText(const QString& text) override { qt_dialogs::SetClipboardText(text); }
  void Pause(int milliseconds) override { qt_dialogs::Pause(window_, milliseconds); }

 protected:
  static constexpr int kNoIcon = 0;       // QMessageBox::NoIcon
  static constexpr int kInformation = 1;  // QMessageBox::Information
  static constexpr int kCritical = 3;     // QMessageBox::Critical
  QPointer<QWidget> window_;
};

}  // namespace velmora
