// The name analysis window's view binds to its form: typed names reach the form, the
// picture buttons call its handlers and the report pane shows the form's lines. Runs on the
// offscreen platform with the databases built beside the test program.
#include "app/view/analysis_window.h"
#include "app/view/qt_analysis_ui.h"
#include "naming/analysis.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPrinter>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolButton>

#include <memory>

namespace velmora {
namespace {

// Records what the form asks of its dialogs; closing closes the window as the program does.
struct RecordingAnalysisUi : naming::AnalysisUi {
  QStringList notices, errors, calls;
  QList<QStringList> printed;
  QPointer<QWidget> window;
  void ShowError(const QString& caption, const QString& text) override { errors << caption + u'|' + text; }
  void ShowNotice(const QString& text) override { notices << text; }
  void ShowInformation(const QString& caption, const QString& text) override { notices << caption + u'|' + text; }
  void SetClipboardText(const QString& text) override { calls << QStringLiteral("clipboard:") + text; }
  void Pause(int) override {}
  std::optional<QString> AskSaveFileName(const QString& title, const QString&, const QString& proposal) override {
    calls << QStringLiteral("save:") + title + u'|' + proposal;
    return std::nullopt;
  }
  void PrintReport(const QStringList& lines) override { printed << lines; }
  void CloseWindow() override {
    calls << QStringLiteral("close");
    if (window) window->close();
  }
};

class AnalysisWindowTest : public ::testing::Test {
 protected:
  // Opens the window, filled from the request when one is given.
  void open(const NameAnalysisRequest* request = nullptr) {
    form = std::make_unique<naming::TFrmmain>(ui, QCoreApplication::applicationDirPath() + u'/');
    form->currentYear = [] { return 2026; };
    if (request) form->Fill(*request);
    window = std::make_unique<AnalysisWindow>(*form);
    ui.window = window.get();
    window->show();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }
  void TearDown() override {
    window.reset();
    form.reset();
  }

  template <class W>
  W* child(const char* name) {
    W* w = window->findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }

  // Types a text into a line edit as a user does, one character at a time.
  void type(QLineEdit* edit, const QString& text) {
    edit->setFocus(Qt::MouseFocusReason);
    for (const QChar c : text) QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
  }
  // Pastes a text into a line edit in one event, as an input method commits a phrase.
  void typeAtOnce(QLineEdit* edit, const QString& text) {
    edit->setFocus(Qt::MouseFocusReason);
    QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, text, Qt::NoModifier);
  }
  void click(const char* picture) { QTest::mouseClick(child<QToolButton>(picture), Qt::LeftButton); }

  QStringList paneLines() {
    QStringList lines;
    const QTextDocument* doc = child<QPlainTextEdit>("RzMemo1")->document();
    if (doc->isEmpty()) return lines;
    for (QTextBlock b = doc->firstBlock(); b.isValid(); b = b.next()) lines << b.text();
    return lines;
  }

  RecordingAnalysisUi ui;
  std::unique_ptr<naming::TFrmmain> form;
  std::unique_ptr<AnalysisWindow> window;
};

NameAnalysisRequest ZhangWei() {
  NameAnalysisRequest r;
  r.surname = QStringLiteral("张");
  r.given = QStringLiteral("伟");
  r.sex = QStringLiteral("男");
  r.year = QStringLiteral("1990");
  r.month = QStringLiteral("5");
  r.day = QStringLiteral("17");
  r.hour = QStringLiteral("辰 8");
  r.minute = QStringLiteral("00");
  return r;
}

TEST_F(AnalysisWindowTest, OpensWithTheFormsDefaultsAndTheFocusInTheSurname) {
  open();
  EXPECT_EQ(window->windowTitle(), QStringLiteral("姓名分析"));
  EXPECT_EQ(window->size(), QSize(675, 502));
  EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_EQ(child<QComboBox>("SYear")->currentText(), QStringLiteral("1980"));
  EXPECT_EQ(child<QComboBox>("Shour")->count(), 24);
  EXPECT_EQ(child<QComboBox>("Shour")->currentText(), QStringLiteral("子 0"));
  EXPECT_EQ(child<QComboBox>("RzComboBox8")->currentText(), QStringLiteral("0"));
  EXPECT_EQ(child<QComboBox>("ComDate")->currentText(), QStringLiteral("公历"));
  EXPECT_EQ(child<QComboBox>("Sex")->currentText(), QStringLiteral("男"));
  EXPECT_TRUE(paneLines().isEmpty());  // no given name: nothing is analysed
  EXPECT_TRUE(ui.notices.isEmpty());
  EXPECT_EQ(QApplication::focusWidget(), child<QLineEdit>("NameA"));
  EXPECT_EQ(child<QToolButton>("Image1")->text(), QStringLiteral("姓名分析"));
  EXPECT_EQ(child<QToolButton>("Image2")->text(), QStringLiteral("打印"));
  EXPECT_EQ(child<QToolButton>("Image3")->text(), QStringLiteral("保存"));
  EXPECT_EQ(child<QToolButton>("Image4")->text(), QStringLiteral("退出"));
}

TEST_F(AnalysisWindowTest, OpeningWithBothNamesAnalysesAtOnce) {
  const NameAnalysisRequest r = ZhangWei();
  open(&r);
  EXPECT_EQ(child<QLineEdit>("NameA")->text(), QStringLiteral("张"));
  EXPECT_EQ(child<QLineEdit>("NameB")->text(), QStringLiteral("伟"));
  EXPECT_EQ(child<QComboBox>("Shour")->currentText(), QStringLiteral("辰 8"));
  EXPECT_EQ(child<QComboBox>("RzComboBox8")->currentText(), QStringLiteral("00"));
  ASSERT_TRUE(ui.errors.isEmpty()) << ui.errors.join(u'\n').toStdString();
  ASSERT_GE(form->RzMemo1.size(), 25);
  EXPECT_EQ(paneLines(), form->RzMemo1);
  EXPECT_EQ(paneLines().first(), QStringLiteral("张伟,您今年:36岁"));
  EXPECT_EQ(paneLines().at(1), QStringLiteral("您出生公历: 1990年05月17日8点00分"));
  EXPECT_EQ(child<QPlainTextEdit>("RzMemo1")->verticalScrollBar()->value(), 0);
  EXPECT_EQ(QApplication::focusWidget(), child<QLineEdit>("NameA"));
}

TEST_F(AnalysisWindowTest, TypedNamesReachTheFormAndTheAnalysisFillsThePane) {
  open();
  type(child<QLineEdit>("NameA"), QStringLiteral("李"));
  type(child<QLineEdit>("NameB"), QStringLiteral("小明"));
  EXPECT_EQ(form->NameA.text, QStringLiteral("李"));
  EXPECT_EQ(form->NameB.text, QStringLiteral("小明"));
  QLineEdit* year = child<QComboBox>("SYear")->lineEdit();
  year->selectAll();
  type(year, QStringLiteral("2001"));
  EXPECT_EQ(form->SYear.text, QStringLiteral("2001"));

  click("Image1");
  ASSERT_TRUE(ui.errors.isEmpty()) << ui.errors.join(u'\n').toStdString();
  EXPECT_TRUE(ui.notices.isEmpty()) << ui.notices.join(u'\n').toStdString();
  ASSERT_GE(form->RzMemo1.size(), 25);
  EXPECT_EQ(paneLines(), form->RzMemo1);
  EXPECT_EQ(paneLines().first(), QStringLiteral("李小明,您今年:25岁"));
  EXPECT_EQ(form->input.year, QStringLiteral("2001"));
}

TEST_F(AnalysisWindowTest, AMissingGivenNameIsToldAndThePaneKeepsItsReport) {
  const NameAnalysisRequest r = ZhangWei();
  open(&r);
  const QStringList before = paneLines();
  ASSERT_FALSE(before.isEmpty());
  QLineEdit* given = child<QLineEdit>("NameB");
  given->selectAll();
  QTest::keyClick(given, Qt::Key_Delete);
  EXPECT_EQ(form->NameB.text, QString());
  click("Image1");
  EXPECT_EQ(ui.notices, QStringList{QStringLiteral("名不能为空!")});
  EXPECT_EQ(paneLines(), before);
}

TEST_F(AnalysisWindowTest, TypedNamesLongerThanFourBytesAreRefused) {
  open();
  QLineEdit* surname = child<QLineEdit>("NameA");
  type(surname, QStringLiteral("张三a"));  // the fifth byte is refused
  EXPECT_EQ(surname->text(), QStringLiteral("张三"));
  EXPECT_EQ(form->NameA.text, QStringLiteral("张三"));

  QLineEdit* given = child<QLineEdit>("NameB");
  typeAtOnce(given, QStringLiteral("欧阳a"));  // five bytes in one go: nothing is taken
  EXPECT_EQ(given->text(), QString());
  type(given, QStringLiteral("abcde"));
  EXPECT_EQ(given->text(), QStringLiteral("abcd"));
  EXPECT_EQ(form->NameB.text, QStringLiteral("abcd"));
}

TEST_F(AnalysisWindowTest, TextsTheCallerSetsAreNotCut) {
  NameAnalysisRequest r = ZhangWei();
  r.surname = QStringLiteral("司马");
  r.given = QStringLiteral("相如");
  r.calendarKind = 1;
  open(&r);
  EXPECT_EQ(child<QLineEdit>("NameA")->text(), QStringLiteral("司马"));
  EXPECT_EQ(child<QComboBox>("ComDate")->currentText(), QStringLiteral("农历"));

  // Eight bytes set by the form stand as they are.
  form->NameB.text = QStringLiteral("长卿长卿");
  window->render();
  EXPECT_EQ(child<QLineEdit>("NameB")->text(), QStringLiteral("长卿长卿"));
}

TEST_F(AnalysisWindowTest, PrintAndSaveReachTheDialogs) {
  const NameAnalysisRequest r = ZhangWei();
  open(&r);
  click("Image2");
  ASSERT_EQ(ui.printed.size(), 1);
  EXPECT_EQ(ui.printed.first(), form->RzMemo1);
  click("Image3");
  EXPECT_EQ(ui.calls, QStringList{QStringLiteral("save:保存|张伟")});
}

TEST_F(AnalysisWindowTest, TheExitPictureClosesTheWindow) {
  open();
  ASSERT_TRUE(window->isVisible());
  click("Image4");
  EXPECT_EQ(ui.calls, QStringList{QStringLiteral("close")});
  EXPECT_FALSE(window->isVisible());
}

TEST(QtAnalysisUi, TurnsTheSaveFilterIntoAQtFilter) {
  EXPECT_EQ(QtFileFilter(QStringLiteral("文本文件|*.txt")), QStringLiteral("文本文件 (*.txt)"));
  EXPECT_EQ(QtFileFilter(QStringLiteral("文本|*.txt|全部|*.*")), QStringLiteral("文本 (*.txt);;全部 (*.*)"));
  EXPECT_EQ(QtFileFilter(QStringLiteral("文本文件 (*.txt)")), QStringLiteral("文本文件 (*.txt)"));
}

// The print dialog's PDF printer: the report comes out as a PDF with the font embedded.
TEST_F(AnalysisWindowTest, TheReportPrintsToAPdfFile) {
  const NameAnalysisRequest r = ZhangWei();
  open(&r);
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString path = dir.filePath(QStringLiteral("report.pdf"));
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
  PrintLines(printer, form->RzMemo1, window->font());
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray pdf = file.readAll();
  EXPECT_TRUE(pdf.startsWith("%PDF"));
  EXPECT_GE(pdf.count("/Type /Page\n"), 1);
  EXPECT_TRUE(pdf.contains("/FontFile2"));
}

}  // namespace
}  // namespace velmora

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
