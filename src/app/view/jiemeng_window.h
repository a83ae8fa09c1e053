// JiemengWindow: the view of the 解梦 window (form tools::TFrmJiemeng).
//
// A search row (查找 or Return), the categories on the left, the dreams of the category or
// search beside them, the reading on the right, and under them the count and the line that
// these are folk readings for entertainment. Binding only: a widget event writes into the
// form and calls its handler, then every widget is rendered from the form. Widgets carry
// the form's names ("EditSearch", "BtnSearch", "ListCategory", "ListDreams",
// "MemoReading", "LabelStatus").
#pragma once

#include "tools/jiemeng.h"

#include <QDialog>

#include <functional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;

namespace velmora {

class JiemengWindow : public QDialog {
  Q_OBJECT

 public:
  // The form must outlive the window. FormShow runs when the window is first shown.
  explicit JiemengWindow(tools::TFrmJiemeng& form, QWidget* parent = nullptr);

  void render();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void act(const std::function<void()>& handler);

  tools::TFrmJiemeng& form_;
  bool rendering_ = false;
  bool shownOnce_ = false;
  QLineEdit* search_ = nullptr;
  QListWidget* categories_ = nullptr;
  QListWidget* dreams_ = nullptr;
  QPlainTextEdit* reading_ = nullptr;
  QLabel* status_ = nullptr;
};

}  // namespace velmora
