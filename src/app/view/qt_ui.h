// QtMainWindowUi: the dialogs, the clipboard and the process-level actions of the main
// window, implemented with Qt. Tests implement MainWindowUi with a recorder instead.
#pragma once

#include "app/frm_qiming.h"

#include <QPointer>
#include <QWidget>

namespace velmora {

class QtMainWindowUi final : public MainWindowUi {
 public:
  // The window that owns the message boxes and that Minimize and CloseWindow act on. The
  // form is built before its view, so the window is handed over afterwards.
  void SetWindow(QWidget* window) { window_ = window; }

  void ShowError(const QString& caption, const QString& text) override;
  void ShowNotice(const QString& text) override;
  void ShowInformation(const QString& caption, const QString& text) override;
  void SetClipboardText(const QString& text) override;
  void Pause(int milliseconds) override;
  void OpenServiceWindow() override;
  void ShowNameAnalysis(const NameAnalysisRequest& request) override;
  void Minimize() override;
  void CloseWindow() override;
  void ExitProcess() override;

 private:
  QPointer<QWidget> window_;
};

}  // namespace velmora
