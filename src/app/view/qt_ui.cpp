// QtMainWindowUi: see qt_ui.h.
#include "app/view/qt_ui.h"

#include "app/view/service_dialog.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMessageBox>
#include <QThread>

#include <cstdio>
#include <cstdlib>
#include <iostream>

namespace velmora {
namespace {

void ShowBox(QWidget* parent, QMessageBox::Icon icon, const QString& caption, const QString& text) {
  QMessageBox box(icon, caption, text, QMessageBox::Ok, parent);
  box.exec();
}

}  // namespace

void QtMainWindowUi::ShowError(const QString& caption, const QString& text) {
  ShowBox(window_, QMessageBox::Critical, caption, text);
}

void QtMainWindowUi::ShowNotice(const QString& text) {
  ShowBox(window_, QMessageBox::Information, QStringLiteral("提示"), text);
}

void QtMainWindowUi::ShowInformation(const QString& caption, const QString& text) {
  ShowBox(window_, QMessageBox::Information, caption, text);
}

void QtMainWindowUi::SetClipboardText(const QString& text) {
  QGuiApplication::clipboard()->setText(text);
}

void QtMainWindowUi::Pause(int milliseconds) {
  // Deliberately blocks the GUI thread: the stop of a run gives the worker this time to
  // notice the cleared flag while nothing else happens. The window is painted first, so
  // the stop button shows disabled during the pause.
  if (window_) window_->repaint();
  if (milliseconds > 0) QThread::msleep(static_cast<unsigned long>(milliseconds));
}

// The analysis window comes with the scoring core; until then a double click opens nothing.
void QtMainWindowUi::ShowNameAnalysis(const NameAnalysisRequest&) {}

void QtMainWindowUi::OpenServiceWindow() {
  // A fresh window each time; the modal loop ends before another can be opened.
  ServiceDialog dialog(window_);
  dialog.exec();
}

void QtMainWindowUi::Minimize() {
  if (window_) window_->showMinimized();
}

void QtMainWindowUi::CloseWindow() {
  if (window_) window_->close();
}

void QtMainWindowUi::ExitProcess() {
  std::cout.flush();
  std::cerr.flush();
  std::fflush(nullptr);
  std::_Exit(0);
}

}  // namespace velmora
