#include "app/locale_formats.h"

#include "text/gbk.h"

namespace velmora {

int NormalizeLocaleFormats(LocaleSettings& settings) {
  int written = 0;
  for (const LocaleFormat& f : kLocaleFormats) {
    const std::optional<QString> current = settings.Read(f.code);
    if (!current) break;  // a failure ends the block
    const QString wanted = QString::fromUtf16(f.wanted);
    if (text::Trim(*current) == wanted) continue;
    if (!settings.Write(f.code, wanted)) break;
    ++written;
  }
  return written;
}

#ifndef _WIN32
namespace {

// Systems without locale settings of this kind: nothing to read, nothing to change.
class NoLocaleSettings : public LocaleSettings {
 public:
  std::optional<QString> Read(int) override { return std::nullopt; }
  bool Write(int, const QString&) override { return false; }
};

}  // namespace

std::unique_ptr<LocaleSettings> SystemLocaleSettings() { return std::make_unique<NoLocaleSettings>(); }
#endif

}  // namespace velmora
