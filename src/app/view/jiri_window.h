// JiriWindow: the view of the 吉日 window (form calendar::TFrmJiri).
//
// A row of inputs (start date, number of days, 黄道 only, 复制) above a list control with
// one line per day; 黄道 days stand in red. Lines can be selected and copied with Ctrl+C, or
// all at once with 复制. Binding only: an input change is written into the form and its
// handler called, then every widget is re-rendered from the form. Widgets carry the form's
// control names as object names ("DateEdit1", "CBDays", "CBHuangdao", "BtnCopy",
// "ListView1", "LabelSummary").
#pragma once

#include "calendar/frm_jiri.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QTableWidget;

namespace velmora {

class DateField;

class JiriWindow : public QDialog {
  Q_OBJECT

 public:
  // The form must outlive the window. FormShow runs when the window is first shown.
  explicit JiriWindow(calendar::TFrmJiri& form, QWidget* parent = nullptr);

  void render();

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Runs a handler for a widget event, unless the event comes from rendering.
  void act(const std::function<void()>& handler);

  calendar::TFrmJiri& form_;
  bool rendering_ = false;
  bool shownOnce_ = false;
  DateField* date_ = nullptr;
  QComboBox* days_ = nullptr;
  QCheckBox* huangdao_ = nullptr;
  QTableWidget* list_ = nullptr;
  QLabel* summary_ = nullptr;
};

}  // namespace velmora
