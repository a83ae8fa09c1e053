// The main window's form, driven as a user drives it: type, leave fields, click.
#include "app/frm_qiming.h"

#include "recording_ui.h"
#include "text/gbk.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace velmora {
namespace {

using testing::RecordingUi;

QString U(const char* s) { return QString::fromUtf8(s); }
QString DbFolder() { return QDir::toNativeSeparators(QStringLiteral(VELMORA_DB_DIR)) + QDir::separator(); }

class MainForm : public ::testing::Test {
 protected:
  void SetUp() override {
    form_ = std::make_unique<FrmQiming>(ui_, DbFolder());
    form_->FormCreate();
    form_->FormShow();
  }
  void TypeSurname(const char* s) {
    form_->controls.Xing.text = U(s);
    form_->XingExit();
  }
  RecordingUi ui_;
  std::unique_ptr<FrmQiming> form_;
};

TEST_F(MainForm, StartsWithTheDefaults) {
  const NamingControls& c = form_->controls;
  EXPECT_EQ(c.CBsex.text, U("男"));
  EXPECT_EQ(c.SYear.text, U("2010"));
  EXPECT_EQ(c.SYear.items.size(), 141);
  EXPECT_EQ(c.Shour.items.at(23), U("子 23"));
  EXPECT_EQ(c.CBFen.text, U("01"));
  EXPECT_EQ(c.CBCode.items, QStringList({U("电脑全自动")}));
  EXPECT_TRUE(c.CBFeeXX.checked);
  EXPECT_EQ(c.ZuidiFee.text, U("70"));
  EXPECT_EQ(form_->PageSize, 500);
  EXPECT_EQ(form_->gridRowCount, 501);
  EXPECT_EQ(form_->gridHeader.join(U(",")), U("编号,名称,繁体字,拼音,五行,笔画,五格,三才,分数"));
  EXPECT_TRUE(ui_.errors.isEmpty());
}

TEST_F(MainForm, LeavingTheSurnameFillsThePlans) {
  TypeSurname(" 张 ");
  const QStringList& items = form_->controls.CBCode.items;
  ASSERT_GT(items.size(), 20);  // top 20 and the plans that tie with the 20th
  EXPECT_EQ(items.front(), U("电脑全自动"));
  EXPECT_TRUE(items.at(1).startsWith(U("11|"))) << items.at(1).toStdString();
  EXPECT_EQ(form_->controls.CBCode.text, U("电脑全自动"));
  EXPECT_EQ(form_->PlanKind, 12);
  EXPECT_EQ(form_->adoTem().Sql(),
            U("select top 20 bh11,bh12,bh21,bh22,zf from zh where bh21 < 25 and bh22 < 25 and  lx = 12 and bh11 = 11 \n"
              " and zf >= 70 \n and zf <= 80\n order by jxjx asc,zf asc"));
  // An emptied surname keeps the list.
  TypeSurname("");
  EXPECT_EQ(form_->controls.CBCode.items, items);
}

TEST_F(MainForm, SingleCharacterNameSwitch) {
  TypeSurname("张");
  form_->controls.Gudingzi.text = U("思");
  form_->controls.CBXingshi.Select(1);
  form_->CBXingshiClick();
  EXPECT_TRUE(form_->controls.Gudingzi.text.isEmpty());
  EXPECT_FALSE(form_->controls.CBFeeXX.checked);
  EXPECT_FALSE(form_->controls.CBdijizi.enabled);
  EXPECT_EQ(form_->PlanKind, 11);
  EXPECT_TRUE(form_->adoTem().Sql().startsWith(U("select top 40 ")));
  EXPECT_FALSE(form_->adoTem().Sql().contains(U("zf >=")));
  EXPECT_TRUE(form_->controls.CBCode.items.at(1).startsWith(U("11|")));
  EXPECT_FALSE(form_->controls.CBCode.items.at(1).contains(U("-")));
  form_->controls.CBXingshi.Select(0);
  form_->CBXingshiClick();
  EXPECT_TRUE(form_->controls.CBdijizi.enabled);
  EXPECT_FALSE(form_->controls.CBFeeXX.checked);  // left as it was
}

TEST_F(MainForm, LettersInTheScoreBoxesBecomeSeventy) {
  TypeSurname("张");
  form_->controls.ZuidiFee.text = U("abc");
  form_->ZuidiFeeExit();
  EXPECT_EQ(form_->controls.ZuidiFee.text, U("70"));
  EXPECT_TRUE(form_->adoTem().Sql().contains(U(" and zf >= 70 ")));
  form_->controls.ZuidiFee.text = U("");
  form_->ZuidiFeeExit();  // empty stays empty, and no bound
  EXPECT_EQ(form_->controls.ZuidiFee.text, U(""));
  EXPECT_FALSE(form_->adoTem().Sql().contains(U("zf >=")));
  form_->controls.Sorcss.text = U("8o");
  form_->SorcssExit();
  EXPECT_EQ(form_->controls.Sorcss.text, U("70"));
  EXPECT_TRUE(ui_.errors.isEmpty());
}

TEST_F(MainForm, ModesSwitchTheLayout) {
  struct Row {
    NamingMode mode;
    LeftPane pane;
    const char* zuidi;
    const char* sorcss;  // nullptr: unchanged
    bool codeEnabled;
    const char* tab;
    bool initFeeVisible;
    const char* button;
  } rows[] = {
      {NamingMode::Poetry, LeftPane::RzPanel30, "60", "60", false, "名字列表", false, "停止取名"},
      {NamingMode::Classic, LeftPane::MemoSuccess, "70", nullptr, true, "高分名字", true, "停止取名"},
      {NamingMode::List, LeftPane::RzStringGrid1, "70", "70", true, "高分名字", true, "继续显示"},
      {NamingMode::Idiom, LeftPane::RzStringGrid1, "70", "70", true, "高分名字", true, "继续显示"},
      {NamingMode::Meiming, LeftPane::RzStringGrid1, "70", "70", false, "高分名字", true, "继续显示"},
      {NamingMode::Zuhe, LeftPane::RzPanel30, "60", "60", false, "名字列表", false, "停止取名"},
  };
  for (const Row& r : rows) {
    const QString sorcssBefore = form_->controls.Sorcss.text;
    form_->ModeClick(r.mode);
    EXPECT_EQ(form_->leftPane, r.pane);
    EXPECT_EQ(form_->controls.ZuidiFee.text, U(r.zuidi));
    EXPECT_EQ(form_->controls.Sorcss.text, r.sorcss ? U(r.sorcss) : sorcssBefore);
    EXPECT_EQ(form_->controls.CBCode.enabled, r.codeEnabled);
    EXPECT_EQ(form_->TabSheet11Caption, U(r.tab));
    EXPECT_EQ(form_->controls.CBInitFee.visible, r.initFeeVisible);
    EXPECT_EQ(form_->controls.Sorcss.visible, r.initFeeVisible);
    EXPECT_EQ(form_->RzBitBtn7Caption, U(r.button));
  }
}

TEST_F(MainForm, EmptySurnameIsToldAndFocused) {
  QSignalSpy focus(form_.get(), &FrmQiming::focusRequested);
  form_->controls.Xing.text = U("  ");
  form_->RzBitBtn6Click();
  EXPECT_EQ(ui_.notices, QStringList({U("姓不能为空!")}));
  ASSERT_EQ(focus.size(), 1);
  EXPECT_EQ(focus.at(0).at(0).toString(), U("Xing"));
  EXPECT_TRUE(form_->MemoSuccess.isEmpty());
}

TEST_F(MainForm, EmitNamePadsAndPicks) {
  form_->controls.Sorcss.text = U("80");
  form_->EmitName(U("张三(80分)"));
  form_->EmitName(U("张思远(78分)"));
  EXPECT_EQ(form_->ListBox1, QStringList({U("张三(80分)")}));
  EXPECT_EQ(form_->RowBuffer, U("张三(80分)      张思远(78分)    "));
  for (int i = 0; i < 5; ++i) form_->EmitName(U("欧阳明(78分)"));
  ASSERT_EQ(form_->MemoSuccess.size(), 1);
  EXPECT_EQ(text::GbkLength(form_->MemoSuccess.front()), 7 * 16);
  EXPECT_EQ(form_->rowCount, 0);
  form_->controls.CBInitFee.checked = false;
  form_->EmitName(U("张三(90分)"));
  EXPECT_EQ(form_->ListBox1.size(), 1);
  form_->FlushRow();  // the last row of a run, incomplete
  EXPECT_EQ(form_->MemoSuccess.size(), 2);
  form_->controls.CBInitFee.checked = true;
  form_->controls.Sorcss.text = U("");
  EXPECT_ANY_THROW(form_->EmitName(U("张三(90分)")));  // ends a run
}

TEST_F(MainForm, AClassicRunFillsThePanes) {
  TypeSurname("张");
  form_->RzBitBtn6Click();
  EXPECT_TRUE(form_->Running());
  form_->WaitForWorker();
  QCoreApplication::processEvents();
  ASSERT_GT(form_->MemoSuccess.size(), 10);
  for (const QString& row : form_->MemoSuccess.mid(0, form_->MemoSuccess.size() - 1)) {
    EXPECT_EQ(text::GbkLength(row), 7 * 16) << row.toStdString();
    EXPECT_TRUE(row.startsWith(U("张")));
  }
  ASSERT_FALSE(form_->ListBox1.isEmpty());
  for (const QString& name : form_->ListBox1) {
    const int score = name.section(U("("), 1).left(2).toInt();
    EXPECT_GE(score, 70) << name.toStdString();
  }
  EXPECT_TRUE(ui_.errors.isEmpty());
  // A second run replaces the first.
  const qsizetype rows = form_->MemoSuccess.size();
  form_->controls.CBCode.Select(1);
  form_->RzBitBtn6Click();
  form_->WaitForWorker();
  EXPECT_LT(form_->MemoSuccess.size(), rows);
  const QString tag = form_->controls.CBCode.text.section(U("|"), 1).section(U("("), 1);
  EXPECT_TRUE(form_->MemoSuccess.front().contains(U("(") + tag));
}

TEST_F(MainForm, AStaleEndOfRunDoesNotCloseTheNextRun) {
  TypeSurname("张");
  QSignalSpy finished(form_.get(), &FrmQiming::runFinished);
  form_->RzBitBtn6Click();
  form_->WaitForWorker();  // the first run's "finished" is still queued
  form_->RzBitBtn6Click();  // a second run begins before the queue turns
  form_->WaitForWorker();
  QCoreApplication::processEvents();
  EXPECT_EQ(finished.size(), 1);  // only the second run's end counts
  for (const QString& row : form_->MemoSuccess.mid(0, form_->MemoSuccess.size() - 1)) {
    ASSERT_EQ(text::GbkLength(row), 7 * 16);  // no short row in the middle
  }
}

TEST_F(MainForm, StoppingKeepsWhatWasEmitted) {
  TypeSurname("张");
  form_->RzBitBtn6Click();
  QCoreApplication::processEvents();
  const qsizetype before = form_->MemoSuccess.size();
  form_->RzBitBtn7Click();
  EXPECT_FALSE(form_->Running());
  EXPECT_EQ(ui_.paused, 2000);
  EXPECT_TRUE(form_->RzBitBtn7Enabled);
  form_->WaitForWorker();
  EXPECT_GE(form_->MemoSuccess.size(), before);  // nothing taken away
  // Every name that reached the pane is a whole name.
  for (const QString& row : form_->MemoSuccess) EXPECT_TRUE(row.startsWith(U("张")));
}

TEST(MainFormFiles, ClosingDeletesTheLockFileAndExits) {
  QTemporaryDir dir;
  const QString folder = QDir::toNativeSeparators(dir.path()) + QDir::separator();
  QFile::copy(DbFolder() + U("Pelvano.dll"), folder + U("Pelvano.dll"));
  QFile lock(folder + U("Pelvano.ldb"));
  ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
  lock.close();
  RecordingUi ui;
  FrmQiming form(ui, folder);
  form.FormCreate();
  form.controls.Xing.text = U("张");
  form.XingExit();
  form.RzBitBtn6Click();  // also while a run goes on
  form.CloseProgram();
  EXPECT_FALSE(QFile::exists(folder + U("Pelvano.ldb")));
  EXPECT_EQ(ui.calls.last(), U("exit"));
  form.CloseProgram();  // a missing lock file is fine
  EXPECT_EQ(ui.calls.count(U("exit")), 2);
}

TEST(MainFormFiles, AMissingDatabaseIsReportedAndTheWindowStillWorks) {
  RecordingUi ui;
  FrmQiming form(ui, U("/nonexistent/folder/"));
  form.FormCreate();
  ASSERT_EQ(ui.errors.size(), 1);
  EXPECT_TRUE(ui.errors.front().startsWith(U("Velmora|找不到数据库文件"))) << ui.errors.front().toStdString();
  EXPECT_EQ(form.PageSize, 0);
  form.FormShow();
  form.controls.Xing.text = U("张");
  form.XingExit();  // the plan statement fails: the error box again, the list kept
  EXPECT_EQ(ui.errors.size(), 2);
  EXPECT_EQ(form.controls.CBCode.items, QStringList({U("电脑全自动")}));
  form.RzBitBtn6Click();  // the run ends quietly
  form.WaitForWorker();
  EXPECT_TRUE(form.MemoSuccess.isEmpty());
  EXPECT_EQ(ui.errors.size(), 2);
}

TEST_F(MainForm, NameListsCopyAddAndClear) {
  form_->BtnFuzhiClick();  // an empty list copies empty text and still says so
  EXPECT_EQ(ui_.calls, QStringList({U("clipboard:")}));
  EXPECT_EQ(ui_.notices, QStringList({U("复制成功！")}));
  form_->ListBox1 = {U("张思远(80分)"), U("张文华(78分)")};
  form_->RzBitBtn24Click();  // nothing selected: nothing happens
  EXPECT_TRUE(form_->ListBox2.isEmpty());
  form_->ListBox1Index = 1;
  form_->RzBitBtn24Click();
  form_->RzBitBtn24Click();  // twice leaves one copy
  EXPECT_EQ(form_->ListBox2, QStringList({U("张文华(78分)")}));
  form_->BtnFuzhiClick();
  EXPECT_EQ(ui_.calls.last(), U("clipboard:张思远(80分)\n张文华(78分)"));
  form_->RzBitBtn29Click();
  EXPECT_EQ(ui_.calls.last(), U("clipboard:张文华(78分)"));
  form_->RzBitBtn30Click();
  EXPECT_TRUE(form_->ListBox2.isEmpty());
}

TEST_F(MainForm, DoubleClicksOpenTheAnalysis) {
  form_->controls.Xing.text = U("欧阳");
  form_->controls.CBsex.Select(1);
  form_->controls.SYear.text = U("1990");
  form_->controls.ComDate.Select(1);
  form_->ListBox1 = {U("欧阳明(78分)")};
  form_->ListBox1DblClick();  // no selection: nothing
  EXPECT_TRUE(ui_.analyses.isEmpty());
  form_->ListBox1Index = 0;
  form_->ListBox1DblClick();
  ASSERT_EQ(ui_.analyses.size(), 1);
  NameAnalysisRequest want{U("欧阳"), U("女"), U("1990"), U("01"), U("01"), U("子 0"), U("01"), 1, U("明")};
  EXPECT_EQ(ui_.analyses.last(), want);
  // The surname changed to 张 after the list was made: two bytes are cut, not four.
  form_->controls.Xing.text = U("张");
  form_->ListBox1DblClick();
  EXPECT_EQ(ui_.analyses.last().surname, U("张"));
  EXPECT_EQ(ui_.analyses.last().given, U("阳明"));
  // 张a is 3 bytes: the cut would fall inside 阳 and moves back to its start.
  form_->controls.Xing.text = U("张a");
  form_->ListBox1DblClick();
  EXPECT_EQ(ui_.analyses.last().given, U("阳明"));
  // The chosen list works the same; list-mode items end in "(78)".
  form_->ListBox2 = {U("张三丰(78)")};
  form_->ListBox2Index = 0;
  form_->ListBox2DblClick();
  EXPECT_EQ(ui_.analyses.last().given, U("三丰"));
  // 测名 opens it with an empty given name, also with an empty surname.
  form_->controls.Xing.text = U("");
  form_->Image6Click();
  EXPECT_EQ(ui_.analyses.last().surname, QString());
  EXPECT_EQ(ui_.analyses.last().given, QString());
  EXPECT_TRUE(ui_.errors.isEmpty());
}

TEST_F(MainForm, ToolbarActions) {
  form_->Image14Click();
  form_->Image4Click();
  form_->Image5Click();
  form_->Image8Click();  // 五格 and 三才 open their notes
  form_->Image9Click();
  EXPECT_EQ(ui_.calls, QStringList({U("service"), U("minimize"), U("close"), U("note:XM016"), U("note:XM017")}));
  // 小名 takes the selected name of a list, else the first chosen one; 解梦 opens its window.
  ui_.calls.clear();
  form_->controls.Xing.text = U("欧阳");
  form_->controls.CBsex.Select(1);
  form_->Image10Click();
  form_->ListBox2 = QStringList{U("欧阳明月(76分)"), U("欧阳清妍(80分)")};
  form_->Image10Click();
  form_->ListBox1 = QStringList{U("欧阳思远(78分)")};
  form_->ListBox1Index = 0;
  form_->Image10Click();
  form_->Image12Click();
  EXPECT_EQ(ui_.calls, QStringList({U("xiaoming:欧阳||女"), U("xiaoming:欧阳|明月|女"), U("xiaoming:欧阳|思远|女"),
                                    U("jiemeng")}));
}

}  // namespace
}  // namespace velmora

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);  // queued deliveries from the worker need an event loop
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
