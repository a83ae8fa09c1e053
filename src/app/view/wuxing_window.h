// WuxingWindow: the view of the five-element lookup window (form tools::TFrmWuxing), and
// QtWuxingUi, its dialogs done with Qt.
//
// The input row 输入字： with the edit Wuxing (10 bytes at most), the result row 查看结果：
// with Reswu, and two picture buttons at the right: Image3 looks up, Image4 closes. Both
// have a hand cursor. Binding only: typed text goes into the form, a picture calls the
// form's handler, and the window is re-rendered from the form afterwards.
#pragma once

#include "app/view/qt_dialogs.h"
#include "tools/wuxing.h"

#include <QDialog>

class QLineEdit;

namespace velmora {

class QtWuxingUi final : public QtDialogs<tools::WuxingUi> {
 public:
  void CloseWindow() override;
};

class WuxingWindow : public QDialog {
  Q_OBJECT

 public:
  // The form must outlive the window.
  explicit WuxingWindow(tools::TFrmWuxing& form, QWidget* parent = nullptr);
  void render();

 private:
  tools::TFrmWuxing& form_;
  QLineEdit* input_ = nullptr;   // Wuxing
  QLineEdit* result_ = nullptr;  // Reswu
};

}  // namespace velmora
