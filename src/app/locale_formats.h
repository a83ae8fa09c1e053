// Start-up normalisation of the machine's date and time formats.
//
// Five settings of the system default locale are read, trimmed, compared with the wanted
// value and written back only where they differ, in this order; the first failure ends the
// block and the settings not yet examined stay as they are. The settings themselves are a
// platform service behind LocaleSettings: Windows has them (locale_windows.cpp), other
// systems have none, and there the program's own formats (set in FormShow) are all that
// counts.
#pragma once

#include <QString>

#include <memory>
#include <optional>

namespace velmora {

class LocaleSettings {
 public:
  virtual ~LocaleSettings() = default;
  // The current value, or nothing when it cannot be read.
  virtual std::optional<QString> Read(int code) = 0;
  // Writes a value; false when it cannot be written.
  virtual bool Write(int code, const QString& value) = 0;
};

struct LocaleFormat {
  int code;
  const char16_t* wanted;
};

// LOCALE_SLONGDATE, LOCALE_SSHORTDATE, LOCALE_STIMEFORMAT, LOCALE_SDATE, LOCALE_STIME.
inline constexpr LocaleFormat kLocaleFormats[] = {
    {0x20, u"yyyy'年'M'月'd'日'"}, {0x1F, u"yyyy-MM-dd"}, {0x1003, u"H:mm:ss"}, {0x1D, u"-"}, {0x1E, u":"},
};

// Applies the rule above; returns how many settings were written.
int NormalizeLocaleFormats(LocaleSettings& settings);

// The settings of this platform: Windows' locale settings (LCID 0x0800), or none.
std::unique_ptr<LocaleSettings> SystemLocaleSettings();

}  // namespace velmora
