// The handler wrapper: a silent stop shows nothing, any other failure the error box.
#include "refdb/errors.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <stdexcept>

namespace velmora {
namespace {

QString U(const char* s) { return QString::fromUtf8(s); }

struct RecordingBox : ErrorBox {
  QStringList calls;
  void ShowError(const QString& caption, const QString& text) override { calls << caption + U("|") + text; }
};

TEST(RunHandler, ThreeBehaviours) {
  RecordingBox box;
  bool ran = false;
  RunHandler(box, [&] { ran = true; });
  EXPECT_TRUE(ran);
  EXPECT_TRUE(box.calls.isEmpty());

  RunHandler(box, [] { throw SilentStop(); });
  EXPECT_TRUE(box.calls.isEmpty());

  RunHandler(box, [] { throw DbError(U("找不到数据库文件“/x/KelFile.dll”")); });
  RunHandler(box, [] { throw DbError(U("Data type mismatch")); });
  RunHandler(box, [] { throw DbError(U("已经有句号。")); });
  RunHandler(box, [] { throw std::runtime_error("plain failure."); });
  RunHandler(box, [] { throw 42; });
  EXPECT_EQ(box.calls, QStringList({U("Velmora|找不到数据库文件“/x/KelFile.dll”。"), U("Velmora|Data type mismatch."),
                                    U("Velmora|已经有句号。"), U("Velmora|plain failure."), U("Velmora|未知错误。")}));
}

TEST(RunHandler, ABoxThatFailsIsContained) {
  struct ThrowingBox : ErrorBox {
    void ShowError(const QString&, const QString&) override { throw std::runtime_error("no display"); }
  } box;
  RunHandler(box, [] { throw DbError(U("x")); });  // must not throw
  SUCCEED();
}

TEST(OrEmpty, SwallowsDatabaseFailuresOnly) {
  EXPECT_EQ(OrEmpty<int>([]() -> int { throw DbError(U("x")); }), 0);
  EXPECT_EQ(OrEmpty<QString>([]() -> QString { throw DbError(U("x")); }), QString());
  EXPECT_EQ(OrEmpty<int>([] { return 7; }), 7);
  EXPECT_THROW(OrEmpty<int>([]() -> int { throw SilentStop(); }), SilentStop);
}

}  // namespace
}  // namespace velmora
