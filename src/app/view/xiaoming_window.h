// XiaomingWindow: the view of the 小名 window (form tools::TFrmXiaoming).
//
// A row of inputs (姓, 名, 性别) with 生成小名 and 复制, a table of the nicknames (小名,
// 来历, 寓意) and a status line under it. Binding only, as the other windows: a widget
// event writes into the form and calls its handler, then the widgets are rendered from the
// form. Widgets carry the form's names ("EditXing", "EditMing", "CBsex", "BtnMake",
// "BtnCopy", "ListNames", "LabelStatus").
#pragma once

#include "tools/xiaoming.h"

#include <QDialog>

#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace velmora {

class XiaomingWindow : public QDialog {
  Q_OBJECT

 public:
  // The form must outlive the window. FormShow runs when the window is first shown.
  explicit XiaomingWindow(tools::TFrmXiaoming& form, QWidget* parent = nullptr);

  void render();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void act(const std::function<void()>& handler);

  tools::TFrmXiaoming& form_;
  bool rendering_ = false;
  bool shownOnce_ = false;
  QLineEdit* xing_ = nullptr;
  QLineEdit* ming_ = nullptr;
  QComboBox* sex_ = nullptr;
  QTableWidget* list_ = nullptr;
  QLabel* status_ = nullptr;
};

}  // namespace velmora
