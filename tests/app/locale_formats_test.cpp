// Start-up locale normalisation: each setting read, trimmed, compared and written alone.
#include "app/locale_formats.h"

#include <QMap>

#include <gtest/gtest.h>

namespace velmora {
namespace {

QString U(const char* s) { return QString::fromUtf8(s); }

struct FakeLocale : LocaleSettings {
  QMap<int, QString> values;
  QList<int> writes;
  int failReadAt = -1, failWriteAt = -1;
  std::optional<QString> Read(int code) override {
    if (code == failReadAt) return std::nullopt;
    return values.value(code);
  }
  bool Write(int code, const QString& value) override {
    if (code == failWriteAt) return false;
    writes << code;
    values[code] = value;
    return true;
  }
};

TEST(LocaleFormats, WritesOnlyWhatDiffers) {
  FakeLocale f;
  f.values = {{0x20, U(" yyyy'年'M'月'd'日' ")}, {0x1F, U("M/d/yyyy")}, {0x1003, U("H:mm:ss")}, {0x1D, U("/")}, {0x1E, U(":")}};
  EXPECT_EQ(NormalizeLocaleFormats(f), 2);
  EXPECT_EQ(f.writes, QList<int>({0x1F, 0x1D}));  // the long date matched once trimmed
  EXPECT_EQ(f.values[0x1F], U("yyyy-MM-dd"));
  EXPECT_EQ(f.values[0x1D], U("-"));
  EXPECT_EQ(NormalizeLocaleFormats(f), 0);  // a second start changes nothing
}

TEST(LocaleFormats, AFailureEndsTheBlock) {
  FakeLocale f;  // every value empty, so every one differs
  f.failReadAt = 0x1003;
  EXPECT_EQ(NormalizeLocaleFormats(f), 2);
  EXPECT_EQ(f.writes, QList<int>({0x20, 0x1F}));
  FakeLocale g;
  g.failWriteAt = 0x1F;
  EXPECT_EQ(NormalizeLocaleFormats(g), 1);
  EXPECT_EQ(g.writes, QList<int>({0x20}));
}

TEST(LocaleFormats, ThisSystemHasNone) {
#ifndef _WIN32
  EXPECT_EQ(NormalizeLocaleFormats(*SystemLocaleSettings()), 0);
#endif
}

}  // namespace
}  // namespace velmora
