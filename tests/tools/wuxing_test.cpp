// The five-element window: the input read by characters, and its two buttons.
#include "tools/wuxing.h"

#include "../refdb/fixture.h"
#include "refdb/connection.h"
#include "refdb/connection_text.h"

#include <gtest/gtest.h>

namespace velmora::tools {
namespace {

QString U(const char* s) { return QString::fromUtf8(s); }

struct RecordingUi : WuxingUi {
  QStringList calls;
  void ShowError(const QString& caption, const QString& text) override { calls << caption + U("|") + text; }
  void ShowNotice(const QString& text) override { calls << text; }
  void ShowInformation(const QString& caption, const QString& text) override { calls << caption + U("|") + text; }
  void SetClipboardText(const QString&) override {}
  void Pause(int) override {}
  void CloseWindow() override { calls << U("close"); }
};

class Wuxing : public ::testing::Test {
 protected:
  void SetUp() override {
    fixture_.CreateStandard();
    fixture_.Run(QStringLiteral("Pelvano.dll"),
                 "INSERT INTO word VALUES ('金','金',8,'金','jīn',1,1,1,1,'1','1'),('木','木',4,'木','mù',1,1,1,1,'1','1');");
  }
  testing::FixtureFolder fixture_;
  Connection main_{DbConnectionText(DbFile::PelvanoMain, fixture_.Folder())};
  Query adoTem_{main_};
  RecordingUi ui_;
  TFrmWuxing form_{ui_, adoTem_};
};

TEST_F(Wuxing, ReadsTheInputByCharacters) {
  const struct {
    const char* input;
    const char* result;
  } rows[] = {
      {"金木", "金木"},
      {"a金b木", "金木"},        // a letter shifts nothing
      {"金鑫木", "金木"},        // a character without an entry adds nothing
      {"1金2木3火", "金木"},     // only the first five characters count
      {" 張思 ", "火金"},        // trimmed; 張 is found by its traditional form
      {"abc", ""},
  };
  for (const auto& row : rows) {
    form_.Wuxing = U(row.input);
    form_.Image3Click();
    EXPECT_EQ(form_.Reswu, U(row.result)) << row.input;
  }
  EXPECT_TRUE(ui_.calls.isEmpty());
}

TEST_F(Wuxing, EmptyInputLeavesTheResultAndCloseCloses) {
  form_.Reswu = U("金");
  form_.Wuxing = U("  ");
  form_.Image3Click();
  EXPECT_EQ(form_.Reswu, U("金"));
  form_.Image4Click();
  EXPECT_EQ(ui_.calls, QStringList({U("close")}));
}

}  // namespace
}  // namespace velmora::tools
