// TFRM_Date, the perpetual calendar window "万年历", as a form: the state of every control
// and every handler, without widgets. The view (src/app/view/date_window.*) draws it and
// calls the handlers; tests drive it the same way.
//
// The window shows one Gregorian month as a grid of 37 cells (five weeks and two days, the
// most a 31-day month starting on a Saturday needs). Cell i (1..37) lies in row (i − 1) / 7
// and column (i − 1) % 7, column 0 being Sunday. Under each day number it writes the lunar
// day, or the lunar month on the first of a lunar month, a festival or a solar term
// (cal_lunar.h, cal_festivals.h). The year and the month are stepped with two up-downs held
// to 1901..2050 and 1..12; clicking a day, or another window becoming active, closes it.
//
// Colours are 0xRRGGBB values; positions are pixels in the client area (313 × 274).
#pragma once

#include <QDate>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>

namespace velmora::calendar {

using Rgb = std::uint32_t;

inline constexpr Rgb kBlack = 0x000000;
inline constexpr Rgb kRed = 0xFF0000;
inline constexpr Rgb kCndayColor = 0x004000;     // lunar days
inline constexpr Rgb kFestivalColor = 0xFF8000;  // Gregorian and lunar festivals
inline constexpr Rgb kTermColor = 0x5353FF;      // solar terms

class TFRM_Date {
 public:
  static constexpr int kCells = 37;
  static constexpr int kFirstYear = 1901;
  static constexpr int kLastYear = 2050;

  // One label of the grid. Labels are numbered 1..37; entry 0 is unused.
  struct GridLabel {
    int left = 0, top = 0;
    QString text;
    Rgb color = kBlack;
    bool visible = false;
    int tag = 0;  // the day of the month it shows
  };
  // A hidden-until-asked up-down; its position stays within min..max, as the control holds it.
  struct UpDown {
    int min = 0, max = 0;
    int position = 0;
    bool visible = false;
    void SetPosition(int p) { position = p < min ? min : (p > max ? max : p); }
  };
  enum class Step { Up, Down };
  struct Point {
    int x = 0, y = 0;
    friend bool operator==(const Point&, const Point&) = default;
  };

  // today: the system clock; tests inject their own day.
  explicit TFRM_Date(std::function<QDate()> today = [] { return QDate::currentDate(); });

  // ---- controls ----
  QString Label1, Label20;   // the year: the link above the grid and the large numeral behind it
  QString Label17, Label16;  // the month number: the link and the large numeral
  QString Label21;           // the zodiac pair
  QString Label22;           // the star sign of the chosen day
  UpDown UpDown1{kFirstYear, kLastYear};
  UpDown UpDown2{1, 12};
  Point Shape2{12, 56};      // the highlight, 38 × 30
  std::array<GridLabel, kCells + 1> DayLabels;
  std::array<GridLabel, kCells + 1> LunarLabels;
  bool closed = false;       // the window has been asked to close

  // ---- state ----
  QDate currentDate;
  std::uint16_t year = 0, month = 0, day = 0;

  // Called when the window is to close (the view closes it); may be empty.
  std::function<void()> closeWindow;

  // ---- operations ----
  void BuildDayGrid();
  void ShowMonth(QDate date);
  // The date of year and month with the day cut to the month's length (31 → 28 in February 2023).
  static QDate ClampedDate(int year, int month, int day);

  // ---- handlers ----
  void FormCreate();
  void FormShow();
  void Label1Click();              // the year: its up-down appears
  void Label17Click();             // the month: its up-down appears
  void Label5Click();              // an upper weekday header: both up-downs go
  void UpDown1Click(Step step);    // the year up-down
  void UpDown2Click(Step step);    // the month up-down
  void CnDayMouseDown(int cell);   // on a day number
  void ChnDateMouseDown(int cell); // on a lunar text
  void CnDayClick(int cell);
  void CHnDayClick(int cell);
  void StaticText1Click();         // 今天
  void FormDeactivate();

 private:
  void Close();

  std::function<QDate()> today_;
};

}  // namespace velmora::calendar
