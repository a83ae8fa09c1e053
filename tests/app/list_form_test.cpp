// List, idiom, 美名 and 推荐 mode through the main window's form, on the built databases:
// the pages of the grid, "继续显示", the notice for no rows, the grid's double click and the
// status strip.
#include "app/frm_qiming.h"

#include "recording_ui.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

#include <numeric>

namespace velmora {
namespace {

using testing::RecordingUi;

QString U(const char* s) { return QString::fromUtf8(s); }

class GridForm : public ::testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<FrmQiming>(ui, QDir::toNativeSeparators(QStringLiteral(VELMORA_DB_DIR)) + QDir::separator());
    form->FormCreate();
    form->FormShow();
    form->controls.Xing.text = U("张");
    form->XingExit();
  }
  void Run(NamingMode mode) {
    form->ModeClick(mode);
    form->RzBitBtn6Click();
  }
  const ListPaging& paging() const { return form->listRun.paging; }
  RecordingUi ui;
  std::unique_ptr<FrmQiming> form;
};

TEST_F(GridForm, ListModeFillsRandomPagesOfNineCells) {
  Run(NamingMode::List);
  ASSERT_GT(paging().TotalFound, 1000);
  // A record the name checks refuse is drawn (counted as shown) but takes no row.
  EXPECT_GE(paging().ShownCount, 500);
  EXPECT_LT(paging().ShownCount, 600);
  const QRegularExpression pinyin(U("^zhāng-\\S+-\\S+$")), strokes(U("^11,\\d+,\\d+$")), item(U("^张..\\((7\\d)\\)$"));
  for (const GridRow& row : form->gridRows) {
    ASSERT_EQ(row[1].size(), 3);
    ASSERT_TRUE(row[1].startsWith(U("张")));
    ASSERT_TRUE(pinyin.match(row[3]).hasMatch()) << row[3].toStdString();
    ASSERT_TRUE(strokes.match(row[5]).hasMatch()) << row[5].toStdString();
    ASSERT_EQ(row[6].count(u'-'), 4);  // 五格: 天-人-地-总-外
    ASSERT_EQ(row[7].size(), 3);       // 三才
  }
  EXPECT_EQ(form->gridRows[0][0], U("1"));
  ASSERT_EQ(form->ListBox1.size(), 500);  // every plan scores 70 … 79, the pick bound is 70
  EXPECT_TRUE(item.match(form->ListBox1[0]).hasMatch()) << form->ListBox1[0].toStdString();
  EXPECT_TRUE(form->RzBitBtn7Enabled);

  form->RzBitBtn7Click();  // 继续显示
  EXPECT_GE(paging().ShownCount, 1000);
  const QSet<int> shown(paging().ShownRecords.cbegin(), paging().ShownRecords.cend());
  EXPECT_EQ(shown.size(), paging().ShownCount);  // no record twice
  EXPECT_EQ(form->ListBox1.size(), 1000);
}

TEST_F(GridForm, ASmallResultIsOnePageInOrderThenTheButtonIsDisabled) {
  form->controls.CBXingshi.Select(1);  // 单字名, one plan: the characters of one stroke count
  form->CBXingshiClick();
  for (int plan = 1; plan < form->controls.CBCode.items.size() && paging().TotalFound <= 10; ++plan) {
    form->controls.CBCode.Select(plan);
    Run(NamingMode::List);
  }
  const int total = paging().TotalFound;
  ASSERT_GT(total, 10);
  ASSERT_LT(total, 500);
  std::vector<int> inOrder(static_cast<std::size_t>(total));
  std::iota(inOrder.begin(), inOrder.end(), 1);
  EXPECT_EQ(paging().ShownRecords, inOrder);
  EXPECT_FALSE(form->RzBitBtn7Enabled);
  EXPECT_TRUE(form->gridRows[static_cast<std::size_t>(total)][1].isEmpty());
  form->ModeClick(NamingMode::Classic);  // the stop of a classic run is always possible
  EXPECT_TRUE(form->RzBitBtn7Enabled);
}

TEST_F(GridForm, NoRowsGivesTheNoticeAndKeepsThePage) {
  Run(NamingMode::List);
  const QString first = form->gridRows[0][1];
  form->controls.Gudingzi.text = U("死");  // never a candidate
  form->RzBitBtn6Click();
  EXPECT_EQ(ui.notices, QStringList({U("没有符合要求的名字，请放宽限制条件(如：最低分数、固定文字、更换模式等)。")}));
  EXPECT_EQ(form->gridRows[0][1], first);
}

// Records found but every one refused (here by the 用字) give the same notice, not an
// empty grid without a word.
TEST_F(GridForm, EveryRecordRefusedGivesTheNotice) {
  form->controls.CBXingshi.Select(1);  // 单字名: few names to a plan
  form->CBXingshiClick();
  form->controls.CBCode.Select(1);
  Run(NamingMode::List);
  QString given;
  for (const GridRow& row : form->gridRows) given += row[1].mid(1);
  ASSERT_FALSE(given.isEmpty());
  ASSERT_TRUE(ui.notices.isEmpty());
  form->wishes.avoid = given;
  form->RzBitBtn6Click();
  EXPECT_GT(paging().TotalFound, 0);
  EXPECT_TRUE(form->gridRows[0][1].isEmpty());
  EXPECT_EQ(ui.notices, QStringList({U("没有符合要求的名字，请放宽限制条件(如：最低分数、固定文字、更换模式等)。")}));
}

TEST_F(GridForm, ASurnameWithALeadingBlankGivesNothing) {
  form->controls.Xing.text = U(" 张");
  Run(NamingMode::Idiom);
  EXPECT_TRUE(ui.notices.isEmpty());
  EXPECT_TRUE(ui.errors.isEmpty());
  EXPECT_EQ(paging().TotalFound, 0);
  EXPECT_TRUE(form->gridRows[0][1].isEmpty());
  EXPECT_TRUE(form->ListBox1.isEmpty());
}

TEST_F(GridForm, DoubleClickOpensTheRowsAnalysis) {
  Run(NamingMode::List);
  form->RzStringGrid1SelectCell(3);
  form->RzStringGrid1DblClick();
  ASSERT_EQ(ui.analyses.size(), 1);
  EXPECT_EQ(ui.analyses[0].surname, U("张"));
  EXPECT_EQ(U("张") + ui.analyses[0].given, form->gridRows[2][1]);
  EXPECT_EQ(ui.analyses[0].year, U("2010"));
  form->RzStringGrid1SelectCell(0);  // no row: nothing
  form->RzStringGrid1DblClick();
  EXPECT_EQ(ui.analyses.size(), 1);
}

// Selecting a name in the grid or a list shows its meanings and tone pattern in the strip.
TEST_F(GridForm, SelectingANameShowsItsNotes) {
  Run(NamingMode::List);
  form->RzStringGrid1SelectCell(1);
  EXPECT_TRUE(form->StatusText.startsWith(form->gridRows[0][1] + U("　"))) << form->StatusText.toStdString();
  EXPECT_TRUE(form->StatusText.contains(U("　声调 "))) << form->StatusText.toStdString();
  form->ListBox1Index = 0;
  form->ListBox1Click();
  EXPECT_TRUE(form->StatusText.contains(U("　声调 "))) << form->StatusText.toStdString();
}

TEST_F(GridForm, MeimingRowsComeInOrderWithTheirSourceInTheStatusStrip) {
  Run(NamingMode::Meiming);
  ASSERT_GT(paging().TotalFound, 500);
  EXPECT_EQ(paging().ShownCount, 500);  // 美名's own order, the refused left out beforehand
  form->RzStringGrid1SelectCell(2);
  const QString given = form->gridRows[1][1].mid(1);
  EXPECT_TRUE(form->StatusText.startsWith(U("「") + given + U("」 出自 "))) << form->StatusText.toStdString();
  EXPECT_TRUE(form->ListBox1[1].startsWith(form->gridRows[1][1] + U("(")));
  form->ModeClick(NamingMode::Classic);
  EXPECT_TRUE(form->StatusText.isEmpty());
}

// 推荐模式: the default stays 经典模式; a run fills the grid best first and says once that the
// untouched birth boxes gave no chart; a selected row shows its reasons; the high-score list,
// the double click and 继续显示 work as in list mode; a list run afterwards owns the grid again.
TEST_F(GridForm, BestModeFillsTheGridWithItsReasons) {
  EXPECT_EQ(form->mode, NamingMode::Classic);
  Run(NamingMode::Best);
  EXPECT_EQ(form->leftPane, LeftPane::RzStringGrid1);
  EXPECT_EQ(form->RzBitBtn7Caption, U("继续显示"));
  EXPECT_TRUE(form->StatusText.contains(U("未参考八字"))) << form->StatusText.toStdString();
  ASSERT_FALSE(form->gridRows[499][1].isEmpty());
  EXPECT_EQ(form->ListBox1.size(), 500);  // every listed plan scores at least the pick bound 70
  form->RzStringGrid1SelectCell(2);
  const QString name = form->gridRows[1][1];
  EXPECT_TRUE(form->StatusText.startsWith(name.mid(1) + U(" — "))) << form->StatusText.toStdString();
  EXPECT_TRUE(form->ListBox1[1].startsWith(name + U("(")));
  form->RzStringGrid1DblClick();
  ASSERT_EQ(ui.analyses.size(), 1);
  EXPECT_EQ(U("张") + ui.analyses[0].given, name);
  ASSERT_TRUE(form->RzBitBtn7Enabled);
  form->RzBitBtn7Click();  // 继续显示
  EXPECT_EQ(form->gridRows[0][0], U("1"));
  EXPECT_NE(form->gridRows[1][1], name);
  EXPECT_EQ(form->ListBox1.size(), 1000);
  Run(NamingMode::List);
  form->RzStringGrid1SelectCell(1);
  EXPECT_TRUE(form->StatusText.contains(U("　声调 "))) << form->StatusText.toStdString();
}

}  // namespace
}  // namespace velmora
