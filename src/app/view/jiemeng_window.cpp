// JiemengWindow: see jiemeng_window.h.
//
// Positions. 640 x 470 pixels: the search row at y 12; categories (80 wide), dreams (130)
// and the reading (the rest) from y 44 down to 60 pixels above the bottom; the count and
// the note below them.
#include "app/view/jiemeng_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopedValueRollback>

namespace velmora {
namespace {
constexpr int kWidth = 640;
constexpr int kHeight = 470;
constexpr int kTop = 44;
constexpr int kPaneHeight = kHeight - kTop - 60;
constexpr int kInputHeight = 22;

void FillList(QListWidget* list, const QStringList& items, int current) {
  if (list->count() != items.size() ||
      [&] {
        for (int i = 0; i < items.size(); ++i)
          if (list->item(i)->text() != items[i]) return true;
        return false;
      }()) {
    list->clear();
    list->addItems(items);
  }
  list->setCurrentRow(current);
}
}  // namespace

JiemengWindow::JiemengWindow(tools::TFrmJiemeng& form, QWidget* parent) : QDialog(parent), form_(form) {
  setWindowTitle(QString::fromUtf16(tools::kJiemengCaption));
  setFixedSize(kWidth, kHeight);

  auto* label = new QLabel(QStringLiteral("梦见"), this);
  label->setGeometry(12, 12, 30, kInputHeight);
  search_ = new QLineEdit(this);
  search_->setObjectName(QStringLiteral("EditSearch"));
  search_->setPlaceholderText(QStringLiteral("输入梦中的事物，如 蛇、掉牙、下雨"));
  search_->setMaxLength(40);
  search_->setGeometry(44, 12, 300, kInputHeight);
  auto* find = new QPushButton(QStringLiteral("查找"), this);
  find->setObjectName(QStringLiteral("BtnSearch"));
  find->setGeometry(352, 11, 70, kInputHeight + 2);
  find->setDefault(true);

  categories_ = new QListWidget(this);
  categories_->setObjectName(QStringLiteral("ListCategory"));
  categories_->setGeometry(12, kTop, 80, kPaneHeight);
  dreams_ = new QListWidget(this);
  dreams_->setObjectName(QStringLiteral("ListDreams"));
  dreams_->setGeometry(98, kTop, 130, kPaneHeight);
  reading_ = new QPlainTextEdit(this);
  reading_->setObjectName(QStringLiteral("MemoReading"));
  reading_->setReadOnly(true);
  reading_->setGeometry(234, kTop, kWidth - 234 - 12, kPaneHeight);

  status_ = new QLabel(this);
  status_->setObjectName(QStringLiteral("LabelStatus"));
  status_->setGeometry(12, kTop + kPaneHeight + 6, kWidth - 24, 20);
  auto* note = new QLabel(QString::fromUtf16(tools::kJiemengNote), this);
  note->setGeometry(12, kTop + kPaneHeight + 28, kWidth - 24, 20);
  note->setStyleSheet(QStringLiteral("color: #806040;"));

  connect(search_, &QLineEdit::textEdited, this, [this](const QString& t) { form_.EditSearch = t; });
  connect(search_, &QLineEdit::returnPressed, this, [this] { act([this] { form_.BtnSearchClick(); }); });
  connect(find, &QPushButton::clicked, this, [this] { act([this] { form_.BtnSearchClick(); }); });
  connect(categories_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row < 0 || row == form_.ListCategoryIndex) return;
    act([this, row] {
      form_.ListCategoryIndex = row;
      form_.ListCategoryClick();
    });
  });
  connect(dreams_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row < 0) return;
    act([this, row] {
      form_.ListDreamsIndex = row;
      form_.ListDreamsClick();
    });
  });
}

void JiemengWindow::act(const std::function<void()>& handler) {
  if (rendering_) return;
  handler();
  render();
}

void JiemengWindow::render() {
  QScopedValueRollback<bool> guard(rendering_, true);
  if (search_->text() != form_.EditSearch) search_->setText(form_.EditSearch);
  FillList(categories_, form_.ListCategory, form_.ListCategoryIndex);
  FillList(dreams_, form_.ListDreams, form_.ListDreamsIndex);
  if (reading_->toPlainText() != form_.MemoReading) reading_->setPlainText(form_.MemoReading);
  status_->setText(form_.LabelStatus);
}

void JiemengWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (shownOnce_) return;
  shownOnce_ = true;
  form_.FormShow();
  render();
}

}  // namespace velmora
