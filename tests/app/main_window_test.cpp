// The main window's view binds to its form: a click or typed text reaches the form's
// handler, and what the form changes reaches the widgets. Runs on the offscreen platform
// with the databases built beside the test program.
#include "app/view/memo_pane.h"
#include "main_window_fixture.h"
#include "text/gbk.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include <algorithm>
#include <memory>

namespace velmora {
namespace {

class MainWindowTest : public testing::MainWindowFixture {
 protected:
  void SetUp() override {
    MainWindowFixture::SetUp();
    ASSERT_TRUE(ui.errors.isEmpty()) << ui.errors.join(u'\n').toStdString();
  }
};

TEST_F(MainWindowTest, StartsWithTheFormsDefaults) {
  EXPECT_TRUE(child<QRadioButton>("RzRadioButton6")->isChecked());
  EXPECT_EQ(child<QComboBox>("SYear")->currentText(), QStringLiteral("2010"));
  EXPECT_EQ(child<QComboBox>("Shour")->count(), 24);
  EXPECT_EQ(child<QComboBox>("CBCode")->currentText(), QStringLiteral("电脑全自动"));
  EXPECT_EQ(child<QLineEdit>("ZuidiFee")->text(), QStringLiteral("70"));
  EXPECT_EQ(child<QPushButton>("RzBitBtn7")->text(), QStringLiteral("停止取名"));
  EXPECT_EQ(child<QStackedWidget>("LeftPane")->currentWidget()->objectName(), QStringLiteral("MemoSuccess"));
  auto* grid = child<QTableView>("RzStringGrid1");
  ASSERT_EQ(grid->model()->columnCount(), 9);
  EXPECT_EQ(grid->model()->headerData(8, Qt::Horizontal).toString(), QStringLiteral("分数"));  // set by FormShow
  EXPECT_EQ(grid->model()->rowCount(), 500);
  EXPECT_EQ(grid->columnWidth(3), 155);
}

TEST_F(MainWindowTest, ClickingAModeSwitchesTheLayout) {
  QTest::mouseClick(child<QRadioButton>("RzRadioButton7"), Qt::LeftButton);  // 列表模式
  EXPECT_EQ(form->mode, NamingMode::List);
  EXPECT_EQ(child<QStackedWidget>("LeftPane")->currentWidget()->objectName(), QStringLiteral("RzStringGrid1"));
  EXPECT_EQ(child<QPushButton>("RzBitBtn7")->text(), QStringLiteral("继续显示"));

  QTest::mouseClick(child<QRadioButton>("RzRadioButton1"), Qt::LeftButton);  // 诗词模式
  EXPECT_EQ(form->mode, NamingMode::Poetry);
  EXPECT_TRUE(child<QRadioButton>("RzRadioButton1")->isChecked());
  EXPECT_FALSE(child<QRadioButton>("RzRadioButton7")->isChecked());
  EXPECT_EQ(child<QStackedWidget>("LeftPane")->currentWidget()->objectName(), QStringLiteral("RzPanel30"));
  EXPECT_EQ(child<QLineEdit>("ZuidiFee")->text(), QStringLiteral("60"));
  EXPECT_TRUE(child<QCheckBox>("CBInitFee")->isHidden());
  EXPECT_TRUE(child<QLineEdit>("Sorcss")->isHidden());
  EXPECT_FALSE(child<QComboBox>("CBCode")->isEnabled());
  EXPECT_EQ(child<QTabWidget>("RzPageControl2")->tabText(0), QStringLiteral("名字列表"));
}

// Seven mode buttons, 推荐模式 first: each label fully shown (its size hint fits), none
// overlapping another or the labels before them, all inside the window; each reaches its mode.
TEST_F(MainWindowTest, TheModeRowShowsSevenButtonsWhole) {
  QList<QRadioButton*> buttons = window->findChildren<QRadioButton*>();
  ASSERT_EQ(buttons.size(), 7);
  std::sort(buttons.begin(), buttons.end(), [](QWidget* a, QWidget* b) { return a->x() < b->x(); });
  EXPECT_EQ(buttons[0]->text(), QStringLiteral("推荐模式"));
  const QLabel* before = nullptr;  // the rightmost label of the row, "分以上名字"
  for (QLabel* l : window->findChildren<QLabel*>()) {
    if (l->y() == buttons[0]->y() && l->isVisible() && (!before || l->x() > before->x())) before = l;
  }
  ASSERT_TRUE(before);
  EXPECT_LE(before->geometry().right(), buttons[0]->x());
  for (int i = 0; i < buttons.size(); ++i) {
    QRadioButton* b = buttons[i];
    EXPECT_GE(b->width(), b->sizeHint().width()) << b->text().toStdString();
    EXPECT_LE(b->geometry().right(), window->width() - 1) << b->text().toStdString();
    if (i > 0) {
      EXPECT_LT(buttons[i - 1]->geometry().right(), b->x()) << b->text().toStdString();
    }
  }
  QTest::mouseClick(buttons[0], Qt::LeftButton);
  EXPECT_EQ(form->mode, NamingMode::Best);
  EXPECT_EQ(child<QStackedWidget>("LeftPane")->currentWidget()->objectName(), QStringLiteral("RzStringGrid1"));
  QTest::mouseClick(buttons[1], Qt::LeftButton);
  EXPECT_EQ(form->mode, NamingMode::Classic);
}

TEST_F(MainWindowTest, LeavingTheSurnameLoadsThePlans) {
  typeAndLeave("Xing", QStringLiteral("张"));
  EXPECT_EQ(form->controls.Xing.text, QStringLiteral("张"));
  auto* plans = child<QComboBox>("CBCode");
  ASSERT_GT(form->controls.CBCode.items.size(), 1);
  ASSERT_EQ(plans->count(), form->controls.CBCode.items.size());
  EXPECT_EQ(plans->itemText(1), form->controls.CBCode.items[1]);
  EXPECT_TRUE(plans->itemText(1).startsWith(QStringLiteral("11|")));  // 张 has 11 strokes
}

TEST_F(MainWindowTest, LeavingTheScoreBoundWithLettersResetsIt) {
  typeAndLeave("ZuidiFee", QStringLiteral("abc"));
  EXPECT_EQ(form->controls.ZuidiFee.text, QStringLiteral("70"));
  EXPECT_EQ(child<QLineEdit>("ZuidiFee")->text(), QStringLiteral("70"));
}

TEST_F(MainWindowTest, ChoosingAnItemWritesTheSelection) {
  auto* sex = child<QComboBox>("CBsex");
  sex->setFocus(Qt::TabFocusReason);
  QTest::keyClick(sex, Qt::Key_Down);  // the next item, as a choice in the list is
  EXPECT_EQ(form->controls.CBsex.index, 1);
  EXPECT_EQ(form->controls.CBsex.text, QStringLiteral("女"));
}

TEST_F(MainWindowTest, StartingWithoutASurnameTellsAndFocusesTheSurname) {
  child<QCheckBox>("CBFeeXX")->setFocus(Qt::TabFocusReason);
  QTest::mouseClick(child<QPushButton>("RzBitBtn6"), Qt::LeftButton);
  ASSERT_EQ(ui.notices.size(), 1);
  EXPECT_EQ(ui.notices[0], QStringLiteral("姓不能为空!"));
  EXPECT_TRUE(child<QLineEdit>("Xing")->hasFocus());
}

TEST_F(MainWindowTest, ClickAreasReachTheirHandlers) {
  QTest::mouseClick(child<QWidget>("Image4"), Qt::LeftButton);   // minimise
  QTest::mouseClick(child<QWidget>("Image14"), Qt::LeftButton);  // toolbar 服务
  QTest::mouseClick(child<QWidget>("Image5"), Qt::LeftButton);   // close
  QTest::mouseClick(child<QWidget>("Image16"), Qt::LeftButton);  // toolbar 关闭
  QTest::mouseClick(child<QWidget>("Image13"), Qt::LeftButton);  // 日历
  QTest::mouseClick(child<QWidget>("Image11"), Qt::LeftButton);  // 吉日
  QTest::mouseClick(child<QWidget>("Image8"), Qt::LeftButton);   // 五格
  QTest::mouseClick(child<QWidget>("Image9"), Qt::LeftButton);   // 三才
  QTest::mouseClick(child<QWidget>("Image2"), Qt::LeftButton);   // 八字, without a surname
  EXPECT_EQ(ui.calls, (QStringList{QStringLiteral("minimize"), QStringLiteral("service"),
                                   QStringLiteral("close"), QStringLiteral("close"),
                                   QStringLiteral("calendar"), QStringLiteral("jiri"),
                                   QStringLiteral("note:XM016"), QStringLiteral("note:XM017")}));
  EXPECT_EQ(ui.notices, QStringList{QStringLiteral("姓不能为空!")});
  EXPECT_EQ(child<QWidget>("Image5")->toolTip(), QStringLiteral("关闭"));
  EXPECT_EQ(child<QWidget>("Image14")->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(MainWindowTest, AClassicRunFillsBothPanes) {
  typeAndLeave("Xing", QStringLiteral("张"));
  QTest::mouseClick(child<QPushButton>("RzBitBtn6"), Qt::LeftButton);
  form->WaitForWorker();
  QCoreApplication::processEvents();
  auto* memo = child<MemoPane>("MemoSuccess");
  auto* high = child<QListWidget>("ListBox1");
  ASSERT_GT(form->MemoSuccess.size(), 0);
  EXPECT_EQ(memo->Lines(), form->MemoSuccess);
  EXPECT_EQ(high->count(), form->ListBox1.size());
  if (high->count() > 0) {
    EXPECT_EQ(high->item(high->count() - 1)->text(), form->ListBox1.last());
  }
}

TEST_F(MainWindowTest, AMeimingRunFillsTheGridAndTheStatusStripShowsTheSource) {
  typeAndLeave("Xing", QStringLiteral("张"));
  QTest::mouseClick(child<QRadioButton>("RzRadioButton8"), Qt::LeftButton);  // 美名模式
  QTest::mouseClick(child<QPushButton>("RzBitBtn6"), Qt::LeftButton);
  auto* grid = child<QTableView>("RzStringGrid1");
  EXPECT_EQ(grid->model()->data(grid->model()->index(0, 1)).toString(), form->gridRows[0][1]);
  const QModelIndex second = grid->model()->index(1, 1);
  grid->scrollTo(second);
  const QPoint at = grid->visualRect(second).center();
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
  EXPECT_TRUE(child<QLabel>("StatusStrip")->text().startsWith(QStringLiteral("「") + form->gridRows[1][1].mid(1)));
  QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at);
  ASSERT_EQ(ui.analyses.size(), 1);
  EXPECT_EQ(QStringLiteral("张") + ui.analyses[0].given, form->gridRows[1][1]);
  EXPECT_TRUE(child<QPushButton>("RzBitBtn7")->isEnabled());  // 继续显示
}

// The all-names pane: rows on the byte-cell grid, appends that leave the view where the
// reader put it, and selections copied exactly as the text stands.
TEST(MemoPaneTest, ColumnsAppendsAndCopies) {
  MemoPane pane;
  pane.resize(400, 200);
  pane.show();
  const auto row = [](const char* first, const char* second) {
    return text::GbkPadRight(QString::fromUtf8(first), 16) + text::GbkPadRight(QString::fromUtf8(second), 16);
  };
  const QString a = row("张三(80分)", "欧阳思远(78分)");
  const QString b = row("张思远(80分)", "王a(70分)");
  // The second name starts 16 cells in, whatever the first one holds.
  EXPECT_DOUBLE_EQ(pane.ColumnX(a, a.indexOf(u'欧')), pane.ColumnX(b, b.indexOf(u'王')));
  EXPECT_DOUBLE_EQ(pane.ColumnX(a, a.indexOf(u'欧')), 8 * pane.ColumnX(a, 1));

  QStringList rows;
  for (int i = 0; i < 100; ++i) rows << (i % 2 ? a : b);
  pane.AppendLines(rows.mid(0, 50));
  pane.verticalScrollBar()->setValue(10);
  pane.AppendLines(rows.mid(50));
  EXPECT_EQ(pane.Lines(), rows);
  EXPECT_EQ(pane.verticalScrollBar()->value(), 10);  // the reader is not carried away
  EXPECT_GT(pane.verticalScrollBar()->maximum(), 80);

  // A double click on the second name of the top row (row 10) selects that name.
  const QPoint second(4 + static_cast<int>(pane.ColumnX(b, b.indexOf(u'王'))) + 3, 6);
  QTest::mouseDClick(pane.viewport(), Qt::LeftButton, Qt::NoModifier, second);
  EXPECT_EQ(pane.SelectedText(), QStringLiteral("王a(70分)"));
  QTest::keyClick(&pane, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(&pane, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), rows.join(u'\n'));
  pane.SetLines({});
  EXPECT_TRUE(pane.SelectedText().isEmpty());
}

}  // namespace
}  // namespace velmora

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
