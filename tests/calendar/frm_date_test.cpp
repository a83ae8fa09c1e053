// frm_date_test.cpp: the calendar window's form, driven through its handlers.
#include "calendar/frm_date.h"

#include <gtest/gtest.h>

namespace velmora::calendar {
namespace {

QString U(const char* s) { return QString::fromUtf8(s); }

// A form created on `today` and shown, as the main window opens it.
struct Window {
  explicit Window(QDate today) : date(today), form([this] { return date; }) {
    form.closeWindow = [this] { ++closes; };
    form.FormCreate();
    form.FormShow();
  }
  // The cells that show a day, as "first..last".
  std::string Cells() const {
    int first = 0, last = 0;
    for (int i = 1; i <= TFRM_Date::kCells; ++i) {
      if (!form.DayLabels[i].visible) continue;
      if (!first) first = i;
      last = i;
    }
    return std::to_string(first) + ".." + std::to_string(last);
  }
  // The lunar label of day d of the month shown.
  const TFRM_Date::GridLabel& Lunar(int d) const {
    for (const auto& l : form.LunarLabels)
      if (l.visible && l.tag == d) return l;
    return form.LunarLabels[0];
  }
  // The day the highlight stands on (0 when none).
  int Highlighted() const {
    for (const auto& l : form.DayLabels)
      if (l.visible && TFRM_Date::Point{l.left - 1, l.top + 1} == form.Shape2) return l.tag;
    return 0;
  }
  QDate date;
  TFRM_Date form;
  int closes = 0;
};

TEST(FrmDate, GridPlacesThirtySevenCells) {
  Window w(QDate(2026, 12, 9));
  const auto& d = w.form.DayLabels;
  const auto& l = w.form.LunarLabels;
  EXPECT_EQ(TFRM_Date::Point(d[1].left, d[1].top), TFRM_Date::Point(14, 56));
  EXPECT_EQ(TFRM_Date::Point(l[1].left, l[1].top), TFRM_Date::Point(13, 73));
  EXPECT_EQ(TFRM_Date::Point(d[7].left, d[7].top), TFRM_Date::Point(14 + 6 * 42, 56));   // Saturday column
  EXPECT_EQ(TFRM_Date::Point(d[8].left, d[8].top), TFRM_Date::Point(14, 56 + 32));       // a new row
  EXPECT_EQ(TFRM_Date::Point(l[37].left, l[37].top), TFRM_Date::Point(13 + 42, 73 + 5 * 32));
}

TEST(FrmDate, MonthsFillTheirCells) {
  EXPECT_EQ(Window(QDate(2015, 2, 10)).Cells(), "1..28");   // starts on a Sunday, 28 days
  EXPECT_EQ(Window(QDate(2023, 7, 10)).Cells(), "7..37");   // starts on a Saturday, 31 days
  EXPECT_EQ(Window(QDate(2026, 12, 9)).Cells(), "3..33");
}

TEST(FrmDate, ShowMonthPrecedenceAndColours) {
  struct Case { QDate date; const char* text; Rgb color; };
  const Case cases[] = {
      {QDate(2023, 3, 23), "初二", kCndayColor},      // a plain lunar day
      {QDate(2023, 3, 22), "闰二", kRed},             // first of a (leap) month: its name in red
      {QDate(2002, 5, 12), "母亲节", kFestivalColor},  // Gregorian festival over 四月
      {QDate(2001, 11, 22), "小雪", kTermColor},       // solar term over 感恩节
      {QDate(2000, 2, 4), "除夕", kFestivalColor},     // lunar festival over 立春
      {QDate(2023, 1, 22), "春节", kFestivalColor},    // not 正月
      {QDate(2001, 10, 1), "中秋节", kFestivalColor},  // lunar festival over 国庆节
  };
  for (const Case& c : cases) {
    const Window w(c.date);
    EXPECT_EQ(w.Lunar(c.date.day()).text, U(c.text)) << c.text;
    EXPECT_EQ(w.Lunar(c.date.day()).color, c.color) << c.text;
  }
}

TEST(FrmDate, OpensOnTodayWithItsSignAndPair) {
  Window w(QDate(2026, 12, 9));
  EXPECT_EQ(w.form.Label1, U("2026"));
  EXPECT_EQ(w.form.Label20, U("2026"));
  EXPECT_EQ(w.form.Label17, U("12"));
  EXPECT_EQ(w.form.Label16, U("12"));
  EXPECT_EQ(w.form.Label21, U("午马"));
  EXPECT_EQ(w.form.Label22, U("射手座"));
  EXPECT_EQ(w.Highlighted(), 9);
  EXPECT_EQ(w.form.UpDown1.position, 2026);
  EXPECT_EQ(w.form.UpDown2.position, 12);
}

TEST(FrmDate, SteppingKeepsTheDayClamped) {
  EXPECT_EQ(TFRM_Date::ClampedDate(2023, 2, 31), QDate(2023, 2, 28));
  EXPECT_EQ(TFRM_Date::ClampedDate(2024, 2, 31), QDate(2024, 2, 29));
  Window w(QDate(2023, 1, 31));
  w.form.UpDown2Click(TFRM_Date::Step::Up);
  EXPECT_EQ(w.form.Label17, U("2"));
  EXPECT_EQ(w.Highlighted(), 28);
  EXPECT_EQ(w.form.Label22, U("双鱼座"));
  w.form.UpDown2Click(TFRM_Date::Step::Up);
  EXPECT_EQ(w.Highlighted(), 31);  // the stored day is still 31
  w.form.UpDown1Click(TFRM_Date::Step::Up);
  EXPECT_EQ(w.form.Label1, U("2024"));
  w.form.UpDown2Click(TFRM_Date::Step::Down);
  EXPECT_EQ(w.Highlighted(), 29);  // February of a leap year
}

TEST(FrmDate, UpDownsStayInRange) {
  Window w(QDate(2050, 12, 31));
  w.form.UpDown1Click(TFRM_Date::Step::Up);
  w.form.UpDown2Click(TFRM_Date::Step::Up);
  EXPECT_EQ(w.form.Label1, U("2050"));
  EXPECT_EQ(w.form.Label17, U("12"));
  Window first(QDate(1901, 1, 1));
  first.form.UpDown1Click(TFRM_Date::Step::Down);
  first.form.UpDown2Click(TFRM_Date::Step::Down);
  EXPECT_EQ(first.form.Label1, U("1901"));
  EXPECT_EQ(first.form.Label17, U("1"));
}

TEST(FrmDate, HandlersShowHideMoveAndClose) {
  Window w(QDate(2026, 12, 9));
  w.form.Label1Click();
  EXPECT_TRUE(w.form.UpDown1.visible);
  EXPECT_FALSE(w.form.UpDown2.visible);
  w.form.Label17Click();
  EXPECT_FALSE(w.form.UpDown1.visible);
  EXPECT_TRUE(w.form.UpDown2.visible);
  w.form.Label5Click();
  EXPECT_FALSE(w.form.UpDown2.visible);

  // The highlight follows the mouse: to the day number's cell, or the lunar text's.
  w.form.CnDayMouseDown(33);  // 31 December
  EXPECT_EQ(w.Highlighted(), 31);
  w.form.ChnDateMouseDown(3);  // 1 December
  EXPECT_EQ(w.Highlighted(), 1);

  // 今天 comes back from another month.
  w.form.UpDown2Click(TFRM_Date::Step::Down);
  w.date = QDate(2026, 12, 10);
  w.form.StaticText1Click();
  EXPECT_EQ(w.form.Label17, U("12"));
  EXPECT_EQ(w.Highlighted(), 10);

  w.form.Label1Click();
  w.form.CHnDayClick(5);
  EXPECT_TRUE(w.form.closed);
  EXPECT_FALSE(w.form.UpDown1.visible);
  w.form.FormDeactivate();  // closing twice asks the view once
  EXPECT_EQ(w.closes, 1);
}

TEST(FrmDate, TodayOutsideTheTableShowsTheMonthWithoutLunarTexts) {
  Window w(QDate(2060, 6, 15));
  EXPECT_EQ(w.Cells(), "3..32");
  EXPECT_EQ(w.Lunar(15).text, QString());
  EXPECT_EQ(w.Lunar(1).text, U("儿童节"));  // Gregorian festivals need no table
  EXPECT_EQ(w.form.Label21, QString());
  EXPECT_EQ(w.Highlighted(), 15);
  EXPECT_EQ(w.form.UpDown1.position, 2050);  // the up-down holds its range
  w.form.StaticText1Click();
  EXPECT_EQ(w.form.Label1, U("2060"));
}

}  // namespace
}  // namespace velmora::calendar
