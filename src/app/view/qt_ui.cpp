// QtMainWindowUi: see qt_ui.h.
#include "app/view/qt_ui.h"

#include "app/view/analysis_window.h"
#include "app/view/date_window.h"
#include "app/view/jiemeng_window.h"
#include "app/view/jiri_window.h"
#include "app/view/qt_analysis_ui.h"
#include "app/view/service_dialog.h"
#include "app/view/wuxing_window.h"
#include "app/view/xiaoming_window.h"
#include "app/view/yongzi_dialog.h"
#include "naming/analysis.h"
#include "refdb/connection_text.h"
#include "app/view/note_window.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMessageBox>
#include <QThread>

#include <cstdio>
#include <cstdlib>
#include <iostream>

namespace velmora {
void QtMainWindowUi::ShowNameAnalysis(const NameAnalysisRequest& request) {
  // A fresh form and window for each call; both end when the modal loop returns.
  QtAnalysisUi ui;
  naming::TFrmmain form(ui, ProgramFolder());
  form.Fill(request);
  AnalysisWindow window(form, window_);
  ui.SetWindow(&window);
  window.exec();
}

void QtMainWindowUi::ShowNote(const QString& code) { NoteWindow::ShowNote(code, ProgramFolder(), window_); }

void QtMainWindowUi::ShowNoteText(const QString& text, const QString& caption) {
  NoteWindow::ShowNoteText(text, caption, window_);
}

void QtMainWindowUi::OpenServiceWindow() {
  // A fresh window each time; the modal loop ends before another can be opened.
  ServiceDialog dialog(window_);
  dialog.exec();
}

void QtMainWindowUi::OpenCalendarWindow() {
  // The window stays until the next one is opened (or the main window goes, which owns it).
  delete calendar_;
  auto* window = new DateWindow(window_);
  calendar_ = window;
  window->exec();
}

void QtMainWindowUi::OpenJiriWindow() {
  QtDialogs<Ui> ui;
  calendar::TFrmJiri form(ui, ProgramFolder());
  JiriWindow window(form, window_);
  ui.SetWindow(&window);
  window.exec();
}

void QtMainWindowUi::OpenWuxingWindow(Query& adoTem) {
  // A new window each time, modal; it ends when its loop returns.
  QtWuxingUi ui;
  tools::TFrmWuxing form(ui, adoTem);
  WuxingWindow window(form, window_);
  ui.SetWindow(&window);
  window.exec();
}

void QtMainWindowUi::OpenXiaomingWindow(const QString& surname, const QString& given, bool male) {
  QtDialogs<Ui> ui;
  const QString folder = ProgramFolder();
  tools::TFrmXiaoming form(ui, [folder] { return tools::LoadNicknameSources(folder); });
  form.EditXing = surname;
  form.EditMing = given;
  form.CBsexIndex = male ? 0 : 1;
  XiaomingWindow window(form, window_);
  ui.SetWindow(&window);
  window.exec();
}

void QtMainWindowUi::OpenJiemengWindow() {
  QtDialogs<Ui> ui;
  tools::TFrmJiemeng form(ui, ProgramFolder());
  JiemengWindow window(form, window_);
  ui.SetWindow(&window);
  window.exec();
}

void QtMainWindowUi::EditCharWishes(const CharWishes& current,
                                    const std::function<bool(const QString&, const QString&)>& accept) {
  YongziDialog dialog(current, accept, window_);
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
