#include "app/view/date_field.h"

#include "calendar/typed_date.h"

#include <QCalendarWidget>
#include <QLineEdit>
#include <QLocale>
#include <QToolButton>
#include <QToolTip>
#include <QVBoxLayout>

namespace velmora {
namespace {
constexpr int kButtonWidth = 18;
const QString kFormat = QStringLiteral("yyyy-MM-dd");
}  // namespace

DateField::DateField(QWidget* parent) : QWidget(parent) {
  edit_ = new QLineEdit(this);
  edit_->setMaxLength(20);
  button_ = new QToolButton(this);
  button_->setArrowType(Qt::DownArrow);
  button_->setFocusPolicy(Qt::NoFocus);
  button_->setToolTip(QStringLiteral("选择日期"));
  connect(edit_, &QLineEdit::textEdited, this, [this] { takeTyped(false); });
  connect(edit_, &QLineEdit::editingFinished, this, [this] { takeTyped(true); });
  connect(button_, &QToolButton::clicked, this, &DateField::openCalendar);
}

void DateField::setDate(QDate date) {
  if (!date.isValid()) return;
  date_ = date;
  if (!edit_->hasFocus() || calendar::ParseTypedDate(edit_->text()) != date) {
    edit_->setText(date.toString(kFormat));
  }
}

void DateField::setDateRange(QDate first, QDate last) {
  first_ = first;
  last_ = last;
}

void DateField::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  edit_->setGeometry(0, 0, width() - kButtonWidth, height());
  button_->setGeometry(width() - kButtonWidth, 0, kButtonWidth, height());
}

void DateField::accept(QDate date) {
  if (date == date_) return;
  date_ = date;
  emit dateChanged(date);
}

// While typing, a complete date in range is taken at once; an unfinished text waits. When
// the field is left, a text that is no date in range is refused with its reason and the last
// good date comes back.
void DateField::takeTyped(bool finished) {
  const std::optional<QDate> typed = calendar::ParseTypedDate(edit_->text());
  const bool inRange = typed && *typed >= first_ && *typed <= last_;
  if (inRange) {
    accept(*typed);
    if (finished) edit_->setText(typed->toString(kFormat));
    return;
  }
  if (!finished) return;
  const QString text = edit_->text();
  edit_->setText(date_.isValid() ? date_.toString(kFormat) : QString());
  if (text.trimmed().isEmpty() || (date_.isValid() && text == date_.toString(kFormat))) return;
  const QString reason = typed ? QStringLiteral("“%1”不在 %2 至 %3 之间。")
                                     .arg(text, first_.toString(kFormat), last_.toString(kFormat))
                               : QStringLiteral("“%1”不是有效的日期，请按 1989-08-01 的格式输入。").arg(text);
  QToolTip::showText(mapToGlobal(QPoint(0, height())), reason, this);
}

void DateField::openCalendar() {
  auto* popup = new QWidget(this, Qt::Popup);
  popup->setAttribute(Qt::WA_DeleteOnClose);
  auto* layout = new QVBoxLayout(popup);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* cal = new QCalendarWidget(popup);
  cal->setLocale(QLocale(QLocale::Chinese, QLocale::China));
  cal->setDateRange(first_, last_);
  if (date_.isValid()) cal->setSelectedDate(date_);
  layout->addWidget(cal);
  connect(cal, &QCalendarWidget::clicked, popup, [this, popup](QDate picked) {
    popup->close();
    edit_->setText(picked.toString(kFormat));
    accept(picked);
  });
  popup->move(mapToGlobal(QPoint(0, height())));
  popup->show();
}

}  // namespace velmora
