#include "app/view/date_field.h"

#include "calendar/typed_date.h"

#include <QCalendarWidget>
#include <QLineEdit>
#include <QLocale>
#include <QToolButton>
#include <QToolTip>
#include <QVBoxLayout>

#include <algorithm>

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
  // A paste or an input method's commit changes several characters at once and is read as
  // a whole date; single keystrokes wait for the end of the date (Return or leaving), since
  // 2023-02-2 on the way to 2023-02-29 is a date of its own.
  connect(edit_, &QLineEdit::textEdited, this, [this](const QString& text) {
    // The characters this edit inserted: what lies between the parts it kept.
    qsizetype prefix = 0, suffix = 0;
    const qsizetype keep = std::min(text.size(), lastText_.size());
    while (prefix < keep && text[prefix] == lastText_[prefix]) ++prefix;
    while (suffix < keep - prefix && text[text.size() - 1 - suffix] == lastText_[lastText_.size() - 1 - suffix]) ++suffix;
    const bool whole = text.size() - prefix - suffix > 1;
    lastText_ = text;
    if (whole) takeTyped(false);
  });
  connect(edit_, &QLineEdit::editingFinished, this, [this] { takeTyped(true); });
  connect(button_, &QToolButton::clicked, this, &DateField::openCalendar);
}

void DateField::setDate(QDate date) {
  if (!date.isValid()) return;
  date_ = date;
  if (!edit_->hasFocus() || calendar::ParseTypedDate(edit_->text()) != date) {
    edit_->setText(date.toString(kFormat));
    lastText_ = edit_->text();
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
    lastText_ = edit_->text();
    return;
  }
  if (!finished) return;
  const QString text = edit_->text();
  edit_->setText(date_.isValid() ? date_.toString(kFormat) : QString());
  lastText_ = edit_->text();
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
