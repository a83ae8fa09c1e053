// DateField: a date input that takes a whole typed or pasted date, with a calendar popup.
//
// A QDateEdit edits one section at a time, so selecting all of it and typing 1989-08-01
// leaves the year as it was. This field is a plain line edit: whatever is typed or pasted
// is read as a whole by calendar::ParseTypedDate. A pasted date is taken at once, a typed one
// at Return or when the field is left (dateChanged); a text that is no date in range shows
// the reason under the field and puts the last good date back, so nothing typed is silently
// lost or half-applied.
// The button beside it opens a month calendar.
#pragma once

#include <QDate>
#include <QWidget>

class QCalendarWidget;
class QLineEdit;
class QToolButton;

namespace velmora {

class DateField : public QWidget {
  Q_OBJECT

 public:
  explicit DateField(QWidget* parent = nullptr);

  QDate date() const { return date_; }
  // Shows `date` without emitting dateChanged (the form already holds it).
  void setDate(QDate date);
  void setDateRange(QDate first, QDate last);
  QLineEdit* lineEdit() const { return edit_; }

 signals:
  void dateChanged(QDate date);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void takeTyped(bool finished);
  void openCalendar();
  void accept(QDate date);

  QLineEdit* edit_ = nullptr;
  QToolButton* button_ = nullptr;
  QDate date_;
  QString lastText_;  // the text after the last edit or setting
  QDate first_{1901, 1, 1};
  QDate last_{2099, 12, 31};
};

}  // namespace velmora
