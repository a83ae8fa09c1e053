// The dialog 用字 opened by the button beside 固定为: two lines, 不要的字 and 想要的字, with a
// short explanation, and the buttons 清空, 确定 and 取消. 确定 hands both texts as typed to the
// form (FrmQiming::SetCharWishes); the dialog closes only when the form takes them, so a
// refused text stays to be mended. 清空 empties both lines.
#pragma once

#include "generation/char_wishes.h"

#include <QDialog>

#include <functional>

class QLineEdit;

namespace velmora {

class YongziDialog : public QDialog {
  Q_OBJECT

 public:
  using Accept = std::function<bool(const QString& avoid, const QString& want)>;
  YongziDialog(const CharWishes& current, Accept onAccept, QWidget* parent = nullptr);

 private:
  Accept accept_;
  QLineEdit* avoid_ = nullptr;  // object name "EditBuyao"
  QLineEdit* want_ = nullptr;   // object name "EditXiangyao"
};

}  // namespace velmora
