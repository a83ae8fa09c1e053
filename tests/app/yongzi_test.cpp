// 用字 (不要的字 / 想要的字) in the main window: the button beside 固定为 opens its dialog,
// the form takes or refuses what is typed, the setting is kept between starts in the
// settings file the form is given (never the user's own), and no control of the input rows
// overlaps another. Offscreen, on the databases built beside the test program.
#include "app/program_settings.h"
#include "app/view/yongzi_dialog.h"
#include "main_window_fixture.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace velmora {
namespace {

QString U(const char* s) { return QString::fromUtf8(s); }

// A control by its object name, a label (which has none) by its text.
std::string Name(const QWidget* w) {
  const auto* label = qobject_cast<const QLabel*>(w);
  return (label ? label->text() : w->objectName()).toStdString();
}

class YongziTest : public testing::MainWindowFixture {
 protected:
  QTemporaryDir dir;
  QString File() const { return dir.path() + U("/设置/Velmora.ini"); }  // its folder made when kept
};

// A second start with the same settings file finds what the first confirmed; a refused
// text changes neither the setting nor the file.
TEST_F(YongziTest, KeptBetweenStartsAndRefusedTextChangesNothing) {
  form->settingsFile = File();
  ui.typed = {U("涵梓"), U("雨")};
  QTest::mouseClick(child<QPushButton>("BtnYongzi"), Qt::LeftButton);
  ASSERT_EQ(ui.calls.value(0), U("yongzi:"));
  ASSERT_EQ(ui.taken, QList<bool>{true});
  EXPECT_EQ(child<QPushButton>("BtnYongzi")->text(), U("用字✓"));
  EXPECT_TRUE(child<QLabel>("StatusStrip")->text().startsWith(U("用字　不要：涵梓　想要：雨")));

  QFile file(File());
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray kept = file.readAll();
  file.close();
  for (const auto& [avoid, want, message] : {std::tuple{"涵x", "雨", "“x”不是"}, {"雨", "雨", "“雨”不能既是"},
                                              {"", "曾", "“曾”不在取名用字之中"}}) {
    ui.notices.clear();
    EXPECT_FALSE(form->SetCharWishes(U(avoid), U(want)));
    EXPECT_TRUE(ui.notices.value(0).contains(U(message))) << ui.notices.value(0).toStdString();
  }
  EXPECT_EQ(form->wishes, (CharWishes{U("涵梓"), U("雨")}));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), kept);

  testing::RecordingUi secondUi;
  FrmQiming second(secondUi, QCoreApplication::applicationDirPath() + u'/');
  second.settingsFile = File();
  second.FormCreate();
  EXPECT_EQ(second.wishes, (CharWishes{U("涵梓"), U("雨")}));
  EXPECT_EQ(ReadKeptWishes(dir.path() + U("/none.ini")), CharWishes{});  // nothing kept yet
}

// A fixed character the family avoids, or wanted characters that suit only the other sex,
// can give no name: the run does not start and the notice says why.
TEST_F(YongziTest, ARunThatCanGiveNoNameIsNotStarted) {
  form->controls.Xing.text = U("张");
  form->XingExit();
  ASSERT_TRUE(form->SetCharWishes(U("雨"), QString()));
  form->controls.Gudingzi.text = U("雨");
  form->RzBitBtn6Click();
  form->WaitForWorker();
  EXPECT_TRUE(ui.notices.value(0).contains(U("固定的字“雨”"))) << ui.notices.value(0).toStdString();
  EXPECT_TRUE(form->MemoSuccess.isEmpty());
  form->controls.Gudingzi.text.clear();
  ASSERT_TRUE(form->SetCharWishes(QString(), U("婷")));
  form->RzBitBtn6Click();  // 男
  form->WaitForWorker();
  EXPECT_TRUE(ui.notices.value(1).contains(U("男孩"))) << ui.notices.value(1).toStdString();
  EXPECT_TRUE(form->MemoSuccess.isEmpty());
}

// Every mode the window runs passes its names through the 用字: none holds an avoided
// character, each holds a wanted one (a run given a filter without them would show 张梓涵).
TEST_F(YongziTest, EveryModeOfTheWindowHonoursIt) {
  form->controls.Xing.text = U("张");
  form->controls.CBsex.Select(1);  // 女
  form->XingExit();
  ASSERT_TRUE(form->SetCharWishes(U("涵梓"), U("雨")));
  for (const NamingMode mode : {NamingMode::Classic, NamingMode::List, NamingMode::Idiom, NamingMode::Meiming,
                                NamingMode::Poetry, NamingMode::Zuhe}) {
    form->ModeClick(mode);
    form->RzPanel30.MemoYixuan = U("雨落青山，江流天地外。\n梓树涵月，雨桐映霞。\n春雨如丝，细雨润无声。");
    form->RzBitBtn6Click();
    form->WaitForWorker();
    QStringList names;  // the full names the run shows
    if (form->leftPane == LeftPane::RzStringGrid1) {
      for (const GridRow& row : form->gridRows) {
        if (!row[1].isEmpty()) names << row[1];
      }
    } else {
      for (const QString& item : form->ListBox1) names << item.section(u'(', 0, 0);
    }
    EXPECT_FALSE(names.isEmpty()) << static_cast<int>(mode);
    const QStringList wrong = names.filter(QRegularExpression(U("^张([^雨]*|.*[涵梓].*)$")));
    EXPECT_TRUE(wrong.isEmpty()) << static_cast<int>(mode) << " " << wrong.mid(0, 5).join(u' ').toStdString();
  }
}

// The dialog stays open on a refused text, keeping it to be mended, and closes on a good one.
TEST_F(YongziTest, TheDialogClosesOnlyWhenTheFormTakesTheText) {
  YongziDialog dialog(form->wishes, [this](const QString& a, const QString& w) { return form->SetCharWishes(a, w); },
                      window.get());
  dialog.show();
  auto* avoid = dialog.findChild<QLineEdit*>(U("EditBuyao"));
  auto* ok = dialog.findChild<QPushButton*>(U("BtnQueding"));
  ASSERT_TRUE(avoid && ok);
  avoid->setText(U("涵1"));
  QTest::mouseClick(ok, Qt::LeftButton);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(avoid->text(), U("涵1"));
  avoid->setText(U("涵"));
  QTest::mouseClick(ok, Qt::LeftButton);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(form->wishes.avoid, U("涵"));
}

// Every visible control of the two input rows keeps clear of the others.
TEST_F(YongziTest, NoInputControlOverlapsAnother) {
  ASSERT_TRUE(form->SetCharWishes(U("涵梓"), U("雨")));  // the caption at its widest
  QList<QWidget*> inputs;
  for (QWidget* w : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (w->isVisible() && w->geometry().top() >= 110 && w->geometry().bottom() <= 175) inputs << w;
  }
  ASSERT_GT(inputs.size(), 30);
  for (qsizetype i = 0; i < inputs.size(); ++i) {
    for (qsizetype j = i + 1; j < inputs.size(); ++j) {
      EXPECT_FALSE(inputs[i]->geometry().intersects(inputs[j]->geometry())) << Name(inputs[i]) << " / " << Name(inputs[j]);
    }
  }
  // and every caption fits its control
  for (QWidget* w : inputs) {
    if (auto* box = qobject_cast<QCheckBox*>(w)) {
      EXPECT_GE(box->width(), box->sizeHint().width()) << Name(box);
    }
  }
  QPushButton* button = child<QPushButton>("BtnYongzi");
  EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()) + 8, button->width());
}

}  // namespace
}  // namespace velmora
