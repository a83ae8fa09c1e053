// note_test.cpp: the notes viewer. Its form on the fixture KelBirth.dll (a note, a code
// without a row, an unreadable database; print, settings, close), and its window on the
// offscreen platform: two notes give two windows, a window frees itself, the settings
// reach the pane, and a birth-chart report prints on its byte-cell grid.
#include "tools/note.h"
#include "app/view/note_window.h"
#include "app/view/qt_note_ui.h"
#include "refdb/errors.h"

#include "../refdb/fixture.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

namespace velmora::tools {
namespace {

using testing::FixtureFolder;

QString U(const char* s) { return QString::fromUtf8(s); }

struct RecordingNoteUi : NoteUi {
  QStringList calls;
  QList<QStringList> printed;
  std::optional<int> answer;
  void ShowNotice(const QString& text) override { calls << U("notice:") + text; }
  void ShowInformation(const QString&, const QString& text) override { calls << U("information:") + text; }
  void ShowError(const QString&, const QString& text) override { calls << U("error:") + text; }
  void SetClipboardText(const QString&) override {}
  void Pause(int) override {}
  void PrintNote(const QStringList& lines, int pixelSize) override {
    printed << lines;
    calls << U("print:%1").arg(pixelSize);
  }
  std::optional<int> AskFontSize(int current, int smallest, int largest) override {
    calls << U("size:%1 %2..%3").arg(current).arg(smallest).arg(largest);
    return answer;
  }
  void CloseWindow() override { calls << U("close"); }
};

class NoteForm : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    fixture_ = new FixtureFolder;
    fixture_->CreateStandard();
  }
  static void TearDownTestSuite() { delete fixture_; }
  static inline FixtureFolder* fixture_ = nullptr;
  RecordingNoteUi ui_;
};

TEST_F(NoteForm, LoadsANoteByItsCode) {
  EXPECT_EQ(NoteStatement(U("XM016")), U("select Tite,content from Noter where Cid = 'XM016'"));
  TFrmNote form(ui_);
  form.OpenNote(U("XM016"), fixture_->Folder());
  EXPECT_EQ(form.Caption, U("五格剖象"));  // title and content trimmed
  EXPECT_EQ(form.RzMemo1, QStringList{U("五格说明")});
  EXPECT_EQ(form.code, U("XM016"));
}

TEST_F(NoteForm, MissingCodeGivesTheDefaultCaptionAndAnEmptyPane) {
  TFrmNote form(ui_);
  form.RzMemo1 = {U("stale")};
  form.OpenNote(U("XM999"), fixture_->Folder());
  EXPECT_EQ(form.Caption, U("算命"));
  EXPECT_TRUE(form.RzMemo1.isEmpty());
}

TEST_F(NoteForm, UnreadableDatabaseStopsSilently) {
  TFrmNote form(ui_);
  EXPECT_THROW(form.OpenNote(U("XM016"), QStringLiteral("/nonexistent/")), SilentStop);
  EXPECT_TRUE(ui_.calls.isEmpty());
}

TEST_F(NoteForm, PrintSettingsAndClose) {
  TFrmNote form(ui_);
  form.RzBitBtn1Click();  // nothing to print: no dialog
  form.OpenText(U("八字：己卯   丙子\r\n第二行"), U("您的八字分析结果..."));
  EXPECT_EQ(form.RzMemo1, (QStringList{U("八字：己卯   丙子"), U("第二行")}));
  form.RzBitBtn1Click();
  ui_.answer = 40;  // above the largest size: held at 36
  form.RzBitBtn2Click();
  EXPECT_EQ(form.pixelSize, 36);
  ui_.answer.reset();  // cancelled: unchanged
  form.RzBitBtn2Click();
  EXPECT_EQ(form.pixelSize, 36);
  form.RzBitBtn3Click();
  EXPECT_EQ(ui_.calls, (QStringList{U("print:12"), U("size:12 9..36"), U("size:36 9..36"), U("close")}));
}

TEST_F(NoteForm, WindowsAreIndependentAndFreeThemselves) {
  QPointer<NoteWindow> first = NoteWindow::ShowNote(U("XM016"), fixture_->Folder());
  QPointer<NoteWindow> second = NoteWindow::ShowNote(U("XM017"), fixture_->Folder());
  ASSERT_TRUE(first && second);
  EXPECT_NE(first.data(), second.data());
  EXPECT_EQ(first->windowTitle(), U("五格剖象"));
  EXPECT_EQ(second->windowTitle(), U("三才配置"));
  EXPECT_TRUE(first->isVisible() && second->isVisible());
  EXPECT_FALSE(first->isModal());
  EXPECT_EQ(NoteWindow::Latest(), second.data());
  EXPECT_THROW(NoteWindow::ShowNote(U("XM016"), QStringLiteral("/nonexistent/")), SilentStop);
  EXPECT_EQ(NoteWindow::Latest(), second.data());  // no window for a failed note

  // The close picture closes the latest; it frees itself and the reference is cleared.
  second->findChild<QToolButton*>(QStringLiteral("Image7"))->click();
  QTest::qWait(0);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(second.isNull());
  EXPECT_EQ(NoteWindow::Latest(), nullptr);
  EXPECT_TRUE(first);
  first->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(first.isNull());
}

TEST_F(NoteForm, TextWindowShowsTheTextInTheChosenSize) {
  QPointer<NoteWindow> w = NoteWindow::ShowNoteText(U("姓氏：张\n八字：己卯   丙子"), U("您的八字分析结果..."));
  auto* pane = w->findChild<QPlainTextEdit*>(QStringLiteral("RzMemo1"));
  ASSERT_TRUE(pane);
  EXPECT_EQ(w->windowTitle(), U("您的八字分析结果..."));
  EXPECT_EQ(pane->toPlainText(), U("姓氏：张\n八字：己卯   丙子"));
  EXPECT_FALSE(pane->isReadOnly());
  EXPECT_EQ(pane->font().pixelSize(), 12);
  w->form().pixelSize = 20;
  w->render();
  EXPECT_EQ(pane->font().pixelSize(), 20);
  w->close();
}

TEST(PrintByteCells, WritesAPdf) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(dir.filePath(QStringLiteral("note.pdf")));
  QStringList lines;
  for (int i = 0; i < 200; ++i) lines << U("八字：己卯   丙子   戊午   壬子 %1").arg(i);
  PrintByteCells(printer, lines, QFont());
  QFile file(printer.outputFileName());
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray pdf = file.readAll();
  EXPECT_TRUE(pdf.startsWith("%PDF"));
  EXPECT_GE(pdf.count("/Type /Page\n"), 2);  // 200 lines take more than a page
}

}  // namespace
}  // namespace velmora::tools

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
