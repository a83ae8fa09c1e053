// ServiceDialog: see service_dialog.h.
#include "app/view/service_dialog.h"

#include <QDialogButtonBox>
#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora {

ServiceDialog::ServiceDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("人工起名服务"));
  setModal(true);
  setFixedWidth(460);

  auto* heading = new QLabel(QStringLiteral("人工起名服务"), this);
  QFont big = heading->font();
  big.setPixelSize(16);
  big.setBold(true);
  heading->setFont(big);

  auto* body = new QLabel(this);
  body->setWordWrap(true);
  body->setTextFormat(Qt::PlainText);
  body->setText(QStringLiteral(
      "Velmora 是一款自助起名工具，本身不提供人工起名、付费咨询或代取名字的服务。\n\n"
      "一次人工起名咨询，通常是顾问先了解孩子的姓氏、性别和出生时间，听取家人对字义、"
      "读音、辈分字和忌用字的要求，再结合生辰八字、五格和三才提出几个名字并逐一说明理由。\n\n"
      "如果您想请一位信得过的顾问或熟悉传统文化的长辈一同斟酌，可以先用本程序做好准备：\n"
      "1. 在主窗口填好姓氏、性别和出生时间，点“八字”查看生辰八字报告；\n"
      "2. 点“马上取名”生成候选名字，把中意的名字加入“已选名字”；\n"
      "3. 双击已选名字，查看五格、三才和综合评分，并保存分析报告；\n"
      "4. 带着八字报告和名字分析去交流，说明家人的想法和顾虑。\n\n"
      "评分只是参考。字义是否美好、读音是否响亮、书写是否顺手，同样值得家人一起商量。"));

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("关闭"));
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  constexpr int kMargin = 18;
  layout->setContentsMargins(kMargin, 16, kMargin, 12);
  // A window does not ask a wrapped label for its height at the window's width: tell it.
  body->setMinimumHeight(body->heightForWidth(width() - 2 * kMargin));
  layout->setSpacing(10);
  layout->addWidget(heading);
  layout->addWidget(body);
  layout->addWidget(buttons);
}

}  // namespace velmora
