// TFRM_Date: see frm_date.h.
#include "calendar/frm_date.h"

#include "calendar/cal_festivals.h"
#include "calendar/cal_lunar.h"

#include <algorithm>

namespace velmora::calendar {
namespace {

// The hidden templates of the grid: where cell 1 lies, and the steps between cells.
constexpr TFRM_Date::Point kDay1{14, 56};
constexpr TFRM_Date::Point kCnday{13, 73};
constexpr int kColumnStep = 42;
constexpr int kRowStep = 32;
constexpr int kLunarAboveShape = 16;  // a lunar label lies this far below the highlight's top

void SetCell(TFRM_Date::GridLabel& label, const TFRM_Date::GridLabel& before, int cell, TFRM_Date::Point first) {
  if (cell == 1) {
    label.left = first.x;
    label.top = first.y;
  } else if ((cell - 1) % 7 == 0) {  // a new row: back to the left edge, one row down
    label.left = first.x;
    label.top = before.top + kRowStep;
  } else {
    label.left = before.left + kColumnStep;
    label.top = before.top;
  }
}

}  // namespace

TFRM_Date::TFRM_Date(std::function<QDate()> today) : today_(std::move(today)) {}

QDate TFRM_Date::ClampedDate(int year, int month, int day) {
  const QDate first(year, month, 1);
  if (!first.isValid()) return QDate();
  return QDate(year, month, std::min(day, first.daysInMonth()));
}

void TFRM_Date::BuildDayGrid() {
  for (int i = 1; i <= kCells; ++i) {
    SetCell(DayLabels[i], DayLabels[i - 1], i, kDay1);
    SetCell(LunarLabels[i], LunarLabels[i - 1], i, kCnday);
  }
}

void TFRM_Date::ShowMonth(QDate date) {
  if (!date.isValid()) return;
  Label20 = Label1 = QString::number(date.year());
  Label17 = Label16 = QString::number(date.month());
  Label21 = CalShengxiao(date);
  for (int i = 1; i <= kCells; ++i) {
    for (GridLabel* l : {&DayLabels[i], &LunarLabels[i]}) {
      l->visible = false;
      l->color = kBlack;
    }
  }
  const QDate first(date.year(), date.month(), 1);
  const int w = first.dayOfWeek() % 7 + 1;  // 1 = Sunday .. 7 = Saturday
  for (int d = 1; d <= first.daysInMonth(); ++d) {
    const int i = w + d - 1;
    const QDate D(date.year(), date.month(), d);
    GridLabel& number = DayLabels[i];
    GridLabel& lunar = LunarLabels[i];
    number.text = QString::number(d);
    number.tag = lunar.tag = d;
    // Later steps overwrite earlier ones: lunar festival > solar term > Gregorian festival
    // > the lunar month on its first day > the lunar day.
    lunar.text = CalLunarDayText(D);
    lunar.color = kCndayColor;
    if (lunar.text == QStringLiteral("初一")) {
      lunar.text = CalLunarMonthText(D);
      lunar.color = kRed;
    }
    if (const QString f = CalGregorianFestival(d, date); !f.isEmpty()) {
      lunar.text = f;
      lunar.color = kFestivalColor;
    }
    if (const QString t = CalSolarTermName(D); !t.isEmpty()) {
      lunar.text = t;
      lunar.color = kTermColor;
    }
    if (const QString f = CalLunarFestival(D); !f.isEmpty()) {
      lunar.text = f;
      lunar.color = kFestivalColor;
    }
    if (d == date.day()) {
      Shape2 = {number.left - 1, number.top + 1};
      Label22 = CalXingzuo(D);
    }
    number.visible = lunar.visible = true;
  }
}

void TFRM_Date::FormCreate() {
  BuildDayGrid();
  currentDate = today_();
}

void TFRM_Date::FormShow() {
  year = static_cast<std::uint16_t>(currentDate.year());
  month = static_cast<std::uint16_t>(currentDate.month());
  day = static_cast<std::uint16_t>(currentDate.day());
  UpDown1.SetPosition(year);
  UpDown2.SetPosition(month);
  ShowMonth(currentDate);
}

void TFRM_Date::Label1Click() {
  UpDown1.visible = true;
  UpDown2.visible = false;
}

void TFRM_Date::Label17Click() {
  UpDown2.visible = true;
  UpDown1.visible = false;
}

void TFRM_Date::Label5Click() { UpDown1.visible = UpDown2.visible = false; }

void TFRM_Date::UpDown1Click(Step step) {
  UpDown1.SetPosition(UpDown1.position + (step == Step::Up ? 1 : -1));
  year = static_cast<std::uint16_t>(UpDown1.position);
  // The stored day keeps its value, so 31 January → February → March shows 28 (29)
  // February and then 31 March.
  ShowMonth(ClampedDate(year, month, day));
}

void TFRM_Date::UpDown2Click(Step step) {
  UpDown2.SetPosition(UpDown2.position + (step == Step::Up ? 1 : -1));
  month = static_cast<std::uint16_t>(UpDown2.position);
  ShowMonth(ClampedDate(year, month, day));
}

void TFRM_Date::CnDayMouseDown(int cell) {
  if (cell < 1 || cell > kCells) return;
  Shape2 = {DayLabels[cell].left - 1, DayLabels[cell].top + 1};
}

void TFRM_Date::ChnDateMouseDown(int cell) {
  if (cell < 1 || cell > kCells) return;
  Shape2 = {LunarLabels[cell].left, LunarLabels[cell].top - kLunarAboveShape};
}

void TFRM_Date::CnDayClick(int /*cell*/) { Close(); }
void TFRM_Date::CHnDayClick(int /*cell*/) { Close(); }

void TFRM_Date::StaticText1Click() {
  currentDate = today_();
  FormShow();
}

void TFRM_Date::FormDeactivate() { Close(); }

void TFRM_Date::Close() {
  UpDown1.visible = UpDown2.visible = false;
  if (closed) return;
  closed = true;
  if (closeWindow) closeWindow();
}

}  // namespace velmora::calendar
