// The toolbar's 八字 on the main window's form: the report goes into the hidden pane REbazi
// and the same text into a note window; a refused input writes nothing and opens nothing;
// without dream.dll the report stops after its bone-weight heading, silently.
#include "app/frm_qiming.h"

#include "../refdb/fixture.h"
#include "recording_ui.h"

#include <QCoreApplication>
#include <QDir>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace velmora {
namespace {

using testing::RecordingUi;

QString U(const char* s) { return QString::fromUtf8(s); }
QString DbFolder() { return QDir::toNativeSeparators(QStringLiteral(VELMORA_DB_DIR)) + QDir::separator(); }

void Enter(FrmQiming& form, const char* surname, const char* year, const char* month, const char* day) {
  form.controls.Xing.text = U(surname);
  form.controls.SYear.text = U(year);
  form.controls.SMonth.text = U(month);
  form.controls.Sday.text = U(day);
  form.controls.Shour.text = U("子 0");
  form.controls.CBFen.text = U("00");
  form.today = [] { return QDate(2026, 6, 1); };
}

TEST(BaziClick, ReportGoesToREbaziAndANoteWindow) {
  RecordingUi ui;
  FrmQiming form(ui, DbFolder());
  Enter(form, "张", "2000", "01", "01");
  form.Image2Click();
  ASSERT_EQ(form.REbazi.size(), 73);  // the design's 70 lines and the 喜用 section
  EXPECT_EQ(form.REbazi[10], U("八字：己卯   丙子   戊午   壬子"));
  EXPECT_EQ(ui.notes, QStringList{U("您的八字分析结果...|") + form.REbazi.join(u'\n')});
  EXPECT_TRUE(ui.notices.isEmpty() && ui.errors.isEmpty());
  // Each click opens another window.
  form.Image2Click();
  EXPECT_EQ(ui.notes.size(), 2);
}

TEST(BaziClick, RefusedInputWritesNothing) {
  RecordingUi ui;
  FrmQiming form(ui, DbFolder());
  form.REbazi = {U("earlier")};
  QSignalSpy focus(&form, &FrmQiming::focusRequested);
  Enter(form, " ", "2000", "01", "01");
  form.Image2Click();
  Enter(form, "张", "2001", "02", "29");
  form.Image2Click();
  EXPECT_EQ(ui.notices, (QStringList{U("姓不能为空!"), U("Velmora|请检查输入数据是否出错！")}));
  ASSERT_EQ(focus.size(), 1);
  EXPECT_EQ(focus[0][0].toString(), U("Xing"));
  EXPECT_EQ(form.REbazi, QStringList{U("earlier")});
  EXPECT_TRUE(ui.notes.isEmpty());
}

TEST(BaziClick, MissingDreamEndsSilentlyAfterLine59) {
  testing::FixtureFolder folder;
  folder.Run(QStringLiteral("Tgcode.dll"), testing::kTgcodeFixture);
  RecordingUi ui;
  FrmQiming form(ui, folder.Folder());
  Enter(form, "张", "2000", "01", "01");
  form.Image2Click();
  EXPECT_EQ(form.REbazi.size(), 59);
  EXPECT_TRUE(ui.notes.isEmpty() && ui.notices.isEmpty() && ui.errors.isEmpty());
}

}  // namespace
}  // namespace velmora
