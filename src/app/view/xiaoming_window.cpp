// XiaomingWindow: see xiaoming_window.h.
//
// Positions. 620 x 460 pixels: the inputs in a row at y 12; the table from y 44 to 52
// pixels above the bottom; the status line (two lines, wrapped) below it.
#include "app/view/xiaoming_window.h"

#include "app/view/gbk_validator.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTableWidget>

namespace velmora {
namespace {
constexpr int kWidth = 620;
constexpr int kHeight = 460;
constexpr int kTop = 44;
constexpr int kInputHeight = 22;

QLabel* AddLabel(QWidget* parent, const QString& text, int x, int width) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(x, 12, width, kInputHeight);
  return label;
}
}  // namespace

XiaomingWindow::XiaomingWindow(tools::TFrmXiaoming& form, QWidget* parent) : QDialog(parent), form_(form) {
  setWindowTitle(QString::fromUtf16(tools::kXiaomingCaption));
  setFixedSize(kWidth, kHeight);

  AddLabel(this, QStringLiteral("姓"), 12, 16);
  xing_ = new QLineEdit(this);
  xing_->setObjectName(QStringLiteral("EditXing"));
  xing_->setValidator(new GbkLengthValidator(4, xing_));
  xing_->setGeometry(30, 12, 56, kInputHeight);
  AddLabel(this, QStringLiteral("名"), 96, 16);
  ming_ = new QLineEdit(this);
  ming_->setObjectName(QStringLiteral("EditMing"));
  ming_->setValidator(new GbkLengthValidator(4, ming_));
  ming_->setGeometry(114, 12, 70, kInputHeight);
  AddLabel(this, QStringLiteral("性别"), 196, 28);
  sex_ = new QComboBox(this);
  sex_->setObjectName(QStringLiteral("CBsex"));
  sex_->addItems(form_.CBsexItems);
  sex_->setGeometry(226, 12, 52, kInputHeight);
  auto* make = new QPushButton(QStringLiteral("生成小名"), this);
  make->setObjectName(QStringLiteral("BtnMake"));
  make->setGeometry(292, 11, 80, kInputHeight + 2);
  make->setDefault(true);
  auto* copy = new QPushButton(QStringLiteral("复制"), this);
  copy->setObjectName(QStringLiteral("BtnCopy"));
  copy->setToolTip(QStringLiteral("复制选中的小名；未选中时复制整张列表"));
  copy->setGeometry(380, 11, 60, kInputHeight + 2);

  list_ = new QTableWidget(this);
  list_->setObjectName(QStringLiteral("ListNames"));
  list_->setGeometry(12, kTop, kWidth - 24, kHeight - kTop - 52);
  list_->setColumnCount(3);
  list_->setHorizontalHeaderLabels({QStringLiteral("小名"), QStringLiteral("来历"), QStringLiteral("寓意")});
  list_->verticalHeader()->hide();
  list_->verticalHeader()->setDefaultSectionSize(20);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list_->setSelectionBehavior(QAbstractItemView::SelectRows);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setColumnWidth(0, 70);
  list_->setColumnWidth(1, 70);
  list_->horizontalHeader()->setStretchLastSection(true);
  list_->setWordWrap(false);

  status_ = new QLabel(this);
  status_->setObjectName(QStringLiteral("LabelStatus"));
  status_->setWordWrap(true);
  status_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  status_->setGeometry(12, kHeight - 46, kWidth - 24, 40);

  connect(xing_, &QLineEdit::textEdited, this, [this](const QString& t) { form_.EditXing = t; });
  connect(ming_, &QLineEdit::textEdited, this, [this](const QString& t) { form_.EditMing = t; });
  connect(ming_, &QLineEdit::returnPressed, this, [this] { act([this] { form_.BtnMakeClick(); }); });
  connect(sex_, &QComboBox::currentIndexChanged, this, [this](int index) {
    act([this, index] {
      form_.CBsexIndex = index;
      form_.BtnMakeClick();
    });
  });
  connect(make, &QPushButton::clicked, this, [this] { act([this] { form_.BtnMakeClick(); }); });
  connect(copy, &QPushButton::clicked, this, [this] { act([this] { form_.BtnCopyClick(); }); });
  connect(list_, &QTableWidget::currentCellChanged, this, [this](int row) {
    if (!rendering_) form_.ListNamesIndex = row;
  });
}

void XiaomingWindow::act(const std::function<void()>& handler) {
  if (rendering_) return;
  handler();
  render();
}

void XiaomingWindow::render() {
  QScopedValueRollback<bool> guard(rendering_, true);
  if (xing_->text() != form_.EditXing) xing_->setText(form_.EditXing);
  if (ming_->text() != form_.EditMing) ming_->setText(form_.EditMing);
  sex_->setCurrentIndex(form_.CBsexIndex);
  list_->clearContents();
  list_->setRowCount(static_cast<int>(form_.ListNames.size()));
  for (int r = 0; r < list_->rowCount(); ++r) {
    const tools::Nickname& n = form_.ListNames[static_cast<std::size_t>(r)];
    list_->setItem(r, 0, new QTableWidgetItem(n.text));
    list_->setItem(r, 1, new QTableWidgetItem(n.source));
    auto* meaning = new QTableWidgetItem(n.meaning);
    meaning->setToolTip(n.meaning);
    list_->setItem(r, 2, meaning);
  }
  if (form_.ListNamesIndex >= 0) list_->selectRow(form_.ListNamesIndex);
  else list_->clearSelection();
  status_->setText(form_.LabelStatus);
}

void XiaomingWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (shownOnce_) return;
  shownOnce_ = true;
  form_.FormShow();
  render();
}

}  // namespace velmora
