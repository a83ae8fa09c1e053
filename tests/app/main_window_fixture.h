// The main window's form and view on the databases built beside the test program, shown
// and active on the offscreen platform, with the helpers a test uses to act as a user.
#pragma once

#include "app/frm_qiming.h"
#include "app/view/main_window.h"
#include "recording_ui.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace velmora::testing {

class MainWindowFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<FrmQiming>(ui, QCoreApplication::applicationDirPath() + u'/');
    form->FormCreate();
    window = std::make_unique<MainWindow>(*form);
    window->show();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }
  void TearDown() override {
    if (form) form->WaitForWorker();
    window.reset();
    form.reset();
  }

  // The widget of that object name (the form's control name); a failure when it is missing.
  template <class W>
  W* child(const char* name) {
    W* w = window->findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }

  // Types a text into a line edit as a user does and leaves the field.
  void typeAndLeave(const char* name, const QString& text) {
    QLineEdit* edit = child<QLineEdit>(name);
    edit->setFocus(Qt::MouseFocusReason);
    edit->selectAll();
    QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, text, Qt::NoModifier);
    child<QPushButton>("RzBitBtn6")->setFocus(Qt::TabFocusReason);  // leaves the field
  }

  RecordingUi ui;
  std::unique_ptr<FrmQiming> form;
  std::unique_ptr<MainWindow> window;
};

}  // namespace velmora::testing
