// DateWindow: the view of the perpetual calendar window "万年历" (form calendar::TFRM_Date).
//
// Labels, shapes and up-downs at the form's pixel positions, bound to the form: a mouse
// press or click on a label calls the form's handler, and afterwards every widget is
// re-rendered from the form. The window closes when the form asks (a click on a day) and
// when another window becomes the active one. Widgets carry the form's control names as
// object names ("Label1", "UpDown1", "Shape2", "DayLabel7", "LunarLabel7"), so tests can
// find them.
#pragma once

#include "calendar/frm_date.h"

#include <QDialog>

#include <array>
#include <functional>

class QLabel;

namespace velmora {

class ClickLabel;
class UpDownButtons;

class DateWindow : public QDialog {
  Q_OBJECT

 public:
  // today: the system clock unless a test or picture tool gives its own. FormCreate runs
  // here, FormShow when the window is shown.
  explicit DateWindow(QWidget* parent = nullptr, std::function<QDate()> today = [] { return QDate::currentDate(); });

  calendar::TFRM_Date& form() { return form_; }
  // Re-renders every widget from the form.
  void render();

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void setupHeader();
  void setupGrid();
  // Runs a handler, then renders.
  void act(const std::function<void()>& handler);

  calendar::TFRM_Date form_;
  bool wasActive_ = false;
  QLabel* label1_ = nullptr;   // the year
  QLabel* label20_ = nullptr;  // the year behind the grid
  QLabel* label17_ = nullptr;  // the month
  QLabel* label16_ = nullptr;  // the month behind the grid
  QLabel* label21_ = nullptr;  // the zodiac pair
  QLabel* label22_ = nullptr;  // the star sign
  QWidget* shape2_ = nullptr;  // the highlight
  UpDownButtons* upDown1_ = nullptr;
  UpDownButtons* upDown2_ = nullptr;
  std::array<ClickLabel*, calendar::TFRM_Date::kCells + 1> dayLabels_{};
  std::array<ClickLabel*, calendar::TFRM_Date::kCells + 1> lunarLabels_{};
};

}  // namespace velmora
