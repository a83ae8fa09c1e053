// YongziDialog: see yongzi_dialog.h.
#include "app/view/yongzi_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora {

YongziDialog::YongziDialog(const CharWishes& current, Accept onAccept, QWidget* parent)
    : QDialog(parent), accept_(std::move(onAccept)) {
  setObjectName(QStringLiteral("YongziDialog"));
  setWindowTitle(QStringLiteral("用字"));
  setModal(true);
  setFixedWidth(380);

  avoid_ = new QLineEdit(current.avoid, this);
  avoid_->setObjectName(QStringLiteral("EditBuyao"));
  avoid_->setPlaceholderText(QStringLiteral("如：涵梓"));
  want_ = new QLineEdit(current.want, this);
  want_->setObjectName(QStringLiteral("EditXiangyao"));
  want_->setPlaceholderText(QStringLiteral("如：雨"));

  auto* note = new QLabel(this);
  note->setWordWrap(true);
  note->setText(QStringLiteral(
      "不要的字：名字里一定不用的字，如长辈名字里的字。\n"
      "想要的字：每个名字至少含其中一个。\n"
      "可填多个字，连写即可。只看名字，不看姓；每种取名模式都照此挑选，设置会一直保留。"));

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* clear = buttons->addButton(QStringLiteral("清空"), QDialogButtonBox::ResetRole);
  clear->setObjectName(QStringLiteral("BtnQingkong"));
  QPushButton* ok = buttons->addButton(QStringLiteral("确定"), QDialogButtonBox::AcceptRole);
  ok->setObjectName(QStringLiteral("BtnQueding"));
  ok->setDefault(true);
  buttons->addButton(QStringLiteral("取消"), QDialogButtonBox::RejectRole)->setObjectName(QStringLiteral("BtnQuxiao"));
  connect(clear, &QPushButton::clicked, this, [this] {
    avoid_->clear();
    want_->clear();
  });
  connect(buttons, &QDialogButtonBox::accepted, this, [this] {
    if (accept_(avoid_->text(), want_->text())) QDialog::accept();
  });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* fields = new QFormLayout;
  fields->addRow(QStringLiteral("不要的字："), avoid_);
  fields->addRow(QStringLiteral("想要的字："), want_);
  auto* layout = new QVBoxLayout(this);
  constexpr int kMargin = 16;
  layout->setContentsMargins(kMargin, 14, kMargin, 12);
  layout->setSpacing(10);
  layout->addLayout(fields);
  // A window does not ask a wrapped label for its height at the window's width: tell it.
  note->setMinimumHeight(note->heightForWidth(width() - 2 * kMargin));
  layout->addWidget(note);
  layout->addWidget(buttons);
}

}  // namespace velmora
