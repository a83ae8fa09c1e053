// QtMainWindowUi: the dialogs, the clipboard and the process-level actions of the main
// window, implemented with Qt. Tests implement MainWindowUi with a recorder instead.
#pragma once

#include "app/frm_qiming.h"
#include "app/view/qt_dialogs.h"

#include <QPointer>
#include <QWidget>

namespace velmora {

// The window (SetWindow) owns the message boxes and is what Minimize and CloseWindow act on.
class QtMainWindowUi final : public QtDialogs<MainWindowUi> {
 public:
  void OpenServiceWindow() override;
  void OpenCalendarWindow() override;
  void OpenJiriWindow() override;
  void ShowNameAnalysis(const NameAnalysisRequest& request) override;
  void OpenWuxingWindow(Query& adoTem) override;
  void OpenXiaomingWindow(const QString& surname, const QString& given, bool male) override;
  void OpenJiemengWindow() override;
  void EditCharWishes(const CharWishes& current,
                      const std::function<bool(const QString&, const QString&)>& accept) override;
  void ShowNote(const QString& code) override;
  void ShowNoteText(const QString& text, const QString& caption) override;
  void Minimize() override;
  void CloseWindow() override;
  void ExitProcess() override;

 private:
  QPointer<QWidget> calendar_;  // the last calendar window, disposed of before the next
};

}  // namespace velmora
