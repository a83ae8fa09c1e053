// The calendar window's and the 吉日 window's views bind to their forms: mouse presses and
// clicks on the labels reach the handlers, the widgets show the form, a click on a day or
// another window becoming active closes the calendar, and 吉日 lines can be filtered and
// copied. Runs on the offscreen platform with the databases built beside the test program.
#include "app/view/date_window.h"
#include "app/view/jiri_window.h"
#include "calendar/frm_jiri.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QLineEdit>
#include <QLabel>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

namespace velmora {
namespace {

template <class W>
W* Child(QWidget& window, const QString& name) {
  W* w = window.findChild<W*>(name);
  EXPECT_NE(w, nullptr) << name.toStdString();
  return w;
}

TEST(DateWindowView, ClicksSteerTheCalendar) {
  DateWindow window(nullptr, [] { return QDate(2026, 12, 9); });
  window.show();
  QApplication::setActiveWindow(&window);
  EXPECT_EQ(Child<QLabel>(window, "Label1")->text(), QStringLiteral("2026"));
  EXPECT_EQ(Child<QLabel>(window, "LunarLabel11")->text(), QStringLiteral("冬月"));  // 9 December
  EXPECT_EQ(Child<QWidget>(window, "Shape2")->pos(), QPoint(139, 89));
  EXPECT_FALSE(Child<QWidget>(window, "UpDown1")->isVisible());

  QTest::mouseClick(Child<QWidget>(window, "Label1"), Qt::LeftButton);
  ASSERT_TRUE(Child<QWidget>(window, "UpDown1")->isVisible());
  QTest::mouseClick(Child<QWidget>(window, "UpDown1")->findChild<QToolButton*>(QStringLiteral("down")), Qt::LeftButton);
  EXPECT_EQ(Child<QLabel>(window, "Label1")->text(), QStringLiteral("2025"));
  EXPECT_EQ(Child<QLabel>(window, "Label20")->text(), QStringLiteral("2025"));

  // Pressing a lunar text moves the highlight over its day; the click closes the window.
  QTest::mouseClick(Child<QWidget>(window, "LunarLabel3"), Qt::LeftButton);  // 1 December 2025
  EXPECT_EQ(Child<QWidget>(window, "Shape2")->pos(), QPoint(13 + 2 * 42, 57));
  EXPECT_FALSE(window.isVisible());
}

// The separator lines above and below the grid run clear of every text: with a line
// hidden, the rows it covers are bare window. 2023-12-31 puts 十九 and the highlight in a
// sixth row; the twelve years give each zodiac pair in the corner beside the lower line.
TEST(DateWindowView, SeparatorLinesCrossNoText) {
  for (int year = 2023; year < 2035; ++year) {
    DateWindow window(nullptr, [year] { return QDate(year, 12, 31); });
    window.show();
    for (const char* name : {"Bevel2", "Bevel1"}) {
      QWidget* line = Child<QWidget>(window, QString::fromLatin1(name));
      const QRect covered = line->geometry();
      line->hide();
      QCoreApplication::processEvents();
      const QImage picture = window.grab().toImage();
      line->show();
      for (int y = covered.top(); y <= covered.bottom(); ++y) {
        int inked = 0;
        for (int x = covered.left(); x <= covered.right(); ++x) inked += picture.pixel(x, y) != qRgb(255, 255, 255);
        EXPECT_EQ(inked, 0) << year << " " << name << " row " << y;
      }
    }
  }
}

TEST(DateWindowView, ClosesWhenAnotherWindowBecomesActive) {
  DateWindow window(nullptr, [] { return QDate(2026, 12, 9); });
  window.show();
  QApplication::setActiveWindow(&window);
  ASSERT_TRUE(window.isActiveWindow());
  QWidget other;
  other.show();
  QApplication::setActiveWindow(&other);
  EXPECT_FALSE(window.isVisible());
}

struct ClipboardUi : Ui {
  QStringList clipboard, errors;
  void ShowError(const QString&, const QString& text) override { errors << text; }
  void ShowNotice(const QString&) override {}
  void ShowInformation(const QString&, const QString&) override {}
  void SetClipboardText(const QString& text) override { clipboard << text; }
  void Pause(int) override {}
};

TEST(JiriWindowView, FiltersAndCopiesLines) {
  ClipboardUi ui;
  calendar::TFrmJiri form(ui, QCoreApplication::applicationDirPath() + u'/', [] { return QDate(2026, 2, 1); });
  JiriWindow window(form);
  window.show();
  auto* list = Child<QTableWidget>(window, "ListView1");
  EXPECT_EQ(list->rowCount(), 30);
  Child<QCheckBox>(window, "CBHuangdao")->click();
  EXPECT_EQ(list->rowCount(), 14);  // 黄道 days only
  EXPECT_EQ(list->item(0, 6)->text(), QStringLiteral("黄道"));
  list->selectRow(1);
  QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
  ASSERT_EQ(ui.clipboard.size(), 1);
  EXPECT_EQ(ui.clipboard[0].count(u'\n'), 2);  // the header and the one line chosen
  EXPECT_TRUE(ui.clipboard[0].contains(list->item(1, 0)->text()));
  EXPECT_TRUE(ui.errors.isEmpty());
}

// A section-wise date edit kept the old year when the whole text was selected and a date
// typed over it; a paste went the same way. The field takes the whole text, and a text that
// is no date leaves the last good one in place.
TEST(JiriWindowView, TakesAWholeTypedOrPastedDate) {
  ClipboardUi ui;
  calendar::TFrmJiri form(ui, QCoreApplication::applicationDirPath() + u'/', [] { return QDate(2026, 2, 1); });
  JiriWindow window(form);
  window.show();
  auto* edit = Child<QWidget>(window, "DateEdit1")->findChild<QLineEdit*>();
  ASSERT_NE(edit, nullptr);
  edit->setFocus();
  edit->selectAll();
  QTest::keyClicks(edit, "1989-08-01");
  QTest::keyClick(edit, Qt::Key_Return);
  EXPECT_EQ(form.DateEdit1, QDate(1989, 8, 1));
  EXPECT_EQ(window.findChild<QTableWidget*>("ListView1")->item(0, 0)->text().left(10), QStringLiteral("1989-08-01"));

  // A paste or an input method's commit: the whole text in one edit.
  edit->selectAll();
  QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QStringLiteral("2024/2/29"), Qt::NoModifier);
  EXPECT_EQ(form.DateEdit1, QDate(2024, 2, 29));

  edit->selectAll();
  QTest::keyClicks(edit, "2023-02-29");  // no such day
  QTest::keyClick(edit, Qt::Key_Return);
  EXPECT_EQ(form.DateEdit1, QDate(2024, 2, 29));
  EXPECT_EQ(edit->text(), QStringLiteral("2024-02-29"));
}

}  // namespace
}  // namespace velmora

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
