// The 小名 and 解梦 windows driven through their widgets, on the databases built beside the
// test program (offscreen platform): what a parent types and clicks reaches the forms, and
// the lists, readings and clipboard follow.
#include "app/view/jiemeng_window.h"
#include "app/view/qt_dialogs.h"
#include "app/view/xiaoming_window.h"
#include "refdb/connection_text.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

namespace velmora {
namespace {

QString U(const char* s) { return QString::fromUtf8(s); }
const QString kFolder = QStringLiteral(VELMORA_DB_DIR "/");

struct RecordingUi : Ui {
  QStringList errors, clipboard;
  void ShowError(const QString&, const QString& text) override { errors << text; }
  void ShowNotice(const QString& text) override { errors << text; }
  void ShowInformation(const QString&, const QString& text) override { errors << text; }
  void SetClipboardText(const QString& text) override { clipboard << text; }
  void Pause(int) override {}
};

template <class W>
W* Child(QWidget& window, const char* name) {
  W* w = window.findChild<W*>(QString::fromLatin1(name));
  EXPECT_NE(w, nullptr) << name;
  return w;
}

TEST(JiemengView, SearchAndCategories) {
  RecordingUi ui;
  tools::TFrmJiemeng form(ui, kFolder);
  JiemengWindow window(form);
  window.show();
  auto* dreams = Child<QListWidget>(window, "ListDreams");
  EXPECT_GE(dreams->count(), 400);  // every dream, under 全部
  auto* search = Child<QLineEdit>(window, "EditSearch");
  search->setFocus();
  QTest::sendKeyEvent(QTest::Click, search, Qt::Key_unknown, U("梦见被蛇咬"), Qt::NoModifier);
  QTest::keyClick(search, Qt::Key_Return);
  ASSERT_GE(dreams->count(), 2);
  EXPECT_EQ(dreams->item(0)->text(), U("蛇咬"));
  EXPECT_TRUE(Child<QPlainTextEdit>(window, "MemoReading")->toPlainText().startsWith(U("【蛇咬】")));
  // A category shows its dreams, and choosing one shows its reading.
  auto* categories = Child<QListWidget>(window, "ListCategory");
  categories->setCurrentRow(static_cast<int>(form.ListCategory.indexOf(U("身体"))));
  EXPECT_TRUE(search->text().isEmpty());
  dreams->setCurrentRow(1);
  EXPECT_TRUE(Child<QPlainTextEdit>(window, "MemoReading")->toPlainText().contains(U("（身体）")));
  EXPECT_TRUE(ui.errors.isEmpty());
}

TEST(XiaomingView, ProposesForTheNameAndCopies) {
  RecordingUi ui;
  tools::TFrmXiaoming form(ui, [] { return tools::LoadNicknameSources(kFolder); });
  form.EditXing = U("张");
  form.EditMing = U("清妍");
  XiaomingWindow window(form);
  window.show();
  auto* list = Child<QTableWidget>(window, "ListNames");
  ASSERT_GT(list->rowCount(), 6);
  EXPECT_EQ(list->item(0, 0)->text(), U("清清"));
  const int boys = list->rowCount();
  Child<QComboBox>(window, "CBsex")->setCurrentIndex(1);  // 女: the list follows at once
  EXPECT_NE(list->rowCount(), boys);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(3, 0)).center());
  QTest::mouseClick(Child<QPushButton>(window, "BtnCopy"), Qt::LeftButton);
  EXPECT_EQ(ui.clipboard, QStringList({U("妍妍")}));
  EXPECT_TRUE(ui.errors.isEmpty());
}

// Qt's own dialogs speak Chinese once the system's translations are installed.
TEST(QtDialogs, SpeakChinese) {
  ASSERT_TRUE(qt_dialogs::InstallChineseTranslations());
  EXPECT_EQ(QCoreApplication::translate("QFileDialog", "&Save"), U("保存(&S)"));
}

}  // namespace
}  // namespace velmora

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
