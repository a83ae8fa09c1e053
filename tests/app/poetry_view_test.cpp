// 诗词模式, 组合模式 and the 五行 window driven through their widgets as a user drives
// them, on the databases built beside the test program (offscreen platform).
#include "main_window_fixture.h"
#include "app/view/wuxing_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include <memory>

namespace velmora {
namespace {

QString U(const char* s) { return QString::fromUtf8(s); }

class PoetryView : public testing::MainWindowFixture {
 protected:
  void SetUp() override {
    MainWindowFixture::SetUp();
    typeAndLeave("Xing", U("张"));
  }

  void click(const char* button) { QTest::mouseClick(child<QAbstractButton>(button), Qt::LeftButton); }
  // Types text as key presses carrying it (Chinese text has no key of its own).
  static void keys(QWidget* widget, const QString& text) {
    widget->setFocus();
    const QStringList lines = text.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
      if (i > 0) QTest::keyClick(widget, Qt::Key_Return);
      QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, lines[i], Qt::NoModifier);
    }
  }
  // Clicks the item of that text under parent (nullptr: at the top) of a tree.
  QTreeWidgetItem* clickItem(QTreeWidget* tree, QTreeWidgetItem* parent, const QString& text) {
    QTreeWidgetItem* item = nullptr;
    const int n = parent ? parent->childCount() : tree->topLevelItemCount();
    for (int i = 0; i < n && !item; ++i) {
      QTreeWidgetItem* it = parent ? parent->child(i) : tree->topLevelItem(i);
      if (it->text(0) == text) item = it;
    }
    if (!item) return nullptr;
    tree->scrollToItem(item);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
    return item;
  }

  // Every listed name keeps the rules of a poetry run over text.
  void ExpectNamesFrom(const QString& text) {
    const QStringList& names = form->ListBox1;
    ASSERT_FALSE(names.isEmpty());
    static const QRegularExpression item(U("^张(.)(.)\\((\\d+)分\\)$"));
    int last = 100;
    for (const QString& name : names) {
      const auto m = item.match(name);
      ASSERT_TRUE(m.hasMatch()) << name.toStdString();
      EXPECT_TRUE(text.contains(m.captured(1)) && text.contains(m.captured(2))) << name.toStdString();
      EXPECT_NE(m.captured(1), m.captured(2)) << name.toStdString();
      const int score = m.captured(3).toInt();
      EXPECT_TRUE(score > 59 && score < 78 && score <= last) << name.toStdString();
      last = score;
    }
    EXPECT_EQ(child<QListWidget>("ListBox1")->count(), names.size());
  }
};

TEST_F(PoetryView, BrowseCollectAndName) {
  click("RzRadioButton1");  // 诗词模式
  auto* tree = child<QTreeWidget>("TreeViewInit");
  EXPECT_EQ(tree->topLevelItemCount(), 8);
  click("RzBitBtn6");
  EXPECT_EQ(ui.notices, QStringList({U("没有选择诗词，请查看已选诗词!")}));

  // 唐 → 李白 → 静夜思, added; then 春晓 found by the search.
  QTreeWidgetItem* tang = clickItem(tree, nullptr, U("唐"));
  ASSERT_TRUE(tang);
  EXPECT_TRUE(tang->isExpanded());
  ASSERT_TRUE(clickItem(tree, tang, U("李白")));
  auto* poems = child<QTreeWidget>("RzTreeView1");
  EXPECT_EQ(poems->topLevelItemCount(), 1207);
  ASSERT_TRUE(clickItem(poems, nullptr, U("静夜思")));
  EXPECT_TRUE(child<QPlainTextEdit>("MemoSgnr")->toPlainText().startsWith(U("床前")));
  click("RzBitBtn40");
  typeAndLeave("EditTiaojian", U("春眠不觉晓"));
  // Leaving the box ran XingExit: the plans of 张 again, now with 诗词模式's bound of 60.
  EXPECT_TRUE(form->adoTem().Sql().contains(U(" and zf >= 60 "))) << form->adoTem().Sql().toStdString();
  click("RzBitBtn41");
  ASSERT_EQ(tree->topLevelItemCount(), 1);
  ASSERT_TRUE(clickItem(tree, tree->topLevelItem(0), U("孟浩然")));
  ASSERT_EQ(poems->topLevelItemCount(), 1);
  clickItem(poems, nullptr, U("春晓"));
  click("RzBitBtn40");
  const QString collected = child<QPlainTextEdit>("MemoYixuan")->toPlainText();
  EXPECT_EQ(collected, form->RzPanel30.MemoYixuan);
  EXPECT_EQ(collected.count(U("\n\n")), 1);

  click("RzBitBtn6");
  ExpectNamesFrom(collected);
  // A selected name shows the line it comes from.
  auto* list = child<QListWidget>("ListBox1");
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
  auto* strip = child<QLabel>("StatusStrip");
  EXPECT_EQ(strip->toolTip(), form->StatusText);
  EXPECT_TRUE(form->StatusText.startsWith(form->ListBox1[0].left(3) + U(" 出自："))) << form->StatusText.toStdString();
}

TEST_F(PoetryView, ZuheNamesFromTypedText) {
  click("RzRadioButton2");  // 组合模式
  auto* pages = child<QTabWidget>("RzPageControl4");
  EXPECT_FALSE(pages->isTabVisible(0));
  EXPECT_EQ(pages->currentIndex(), 1);
  EXPECT_EQ(pages->tabText(1), U("文字列表(自己输入文字自动匹配取名)"));
  auto* typed = child<QPlainTextEdit>("MemoYixuan");
  keys(typed, U("ABC"));
  click("RzBitBtn6");
  EXPECT_EQ(ui.notices, QStringList({U("起名提示|提示：起名要符合多个条件，请添加更多诗词或文字内容方可起出更多名字！")}));
  typed->clear();
  keys(typed, U("海阔凭鱼跃，天高任鸟飞。\n宁静致远，淡泊明志。"));
  click("RzBitBtn6");
  ExpectNamesFrom(typed->toPlainText());

  // An empty box asks for text, and the names of the last run do not stay as if they were
  // this text's.
  ui.notices.clear();
  typed->clear();
  click("RzBitBtn6");
  EXPECT_EQ(ui.notices, QStringList({U("请先输入要组合的文字。")}));
  EXPECT_EQ(child<QListWidget>("ListBox1")->count(), 0);
  // More than the bound is refused, and the text stays for the user to cut.
  ui.notices.clear();
  const QString huge = QString(400000, QChar(u'海'));
  typed->setPlainText(huge);
  click("RzBitBtn6");
  EXPECT_EQ(ui.notices, QStringList({U("已选诗词或输入的文字超过 1 MB，请删减后再取名。")}));
  EXPECT_EQ(typed->toPlainText(), huge);
  EXPECT_EQ(child<QListWidget>("ListBox1")->count(), 0);
}

TEST_F(PoetryView, TheFiveElementWindow) {
  QTest::mouseClick(child<QWidget>("Image7"), Qt::LeftButton);  // toolbar 五行
  EXPECT_EQ(ui.calls, QStringList({U("wuxing")}));
  // The window itself, on the main window's lookup query.
  QtWuxingUi wuxingUi;
  tools::TFrmWuxing wuxing(wuxingUi, form->adoTem());
  WuxingWindow dialog(wuxing);
  wuxingUi.SetWindow(&dialog);
  dialog.show();
  EXPECT_EQ(dialog.windowTitle(), U("五行查询(最多可以输入5个字)"));
  auto* input = dialog.findChild<QLineEdit*>(U("Wuxing"));
  for (const char* c : {"a", "金", "b", "木", "c", "火", "土"}) keys(input, U(c));
  EXPECT_EQ(input->text(), U("a金b木c火"));  // ten bytes at most: 土 does not fit
  // The first five characters count: 火 is the sixth.
  QTest::mouseClick(dialog.findChild<QToolButton*>(U("Image3")), Qt::LeftButton);
  EXPECT_EQ(dialog.findChild<QLineEdit*>(U("Reswu"))->text(), U("金木"));
  QTest::mouseClick(dialog.findChild<QToolButton*>(U("Image4")), Qt::LeftButton);
  EXPECT_FALSE(dialog.isVisible());
}

}  // namespace
}  // namespace velmora

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
