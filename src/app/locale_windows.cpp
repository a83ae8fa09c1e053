// Windows' locale settings of the system default locale, read and written with
// GetLocaleInfoA and SetLocaleInfoA (LCID 0x0800) in the ANSI code page (GBK on a Chinese
// system). Built only on Windows.
#include "app/locale_formats.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <windows.h>

namespace velmora {
namespace {

constexpr LCID kSystemDefault = 0x0800;

class WindowsLocaleSettings : public LocaleSettings {
 public:
  std::optional<QString> Read(int code) override {
    char buffer[24] = {};
    if (GetLocaleInfoA(kSystemDefault, static_cast<LCTYPE>(code), buffer, sizeof buffer) == 0) return std::nullopt;
    QStringDecoder ansi(QStringDecoder::System);
    return QString(ansi.decode(QByteArrayView(buffer, static_cast<qsizetype>(qstrnlen(buffer, sizeof buffer)))));
  }
  bool Write(int code, const QString& value) override {
    QStringEncoder ansi(QStringEncoder::System);
    const QByteArray bytes = ansi.encode(value);
    return SetLocaleInfoA(kSystemDefault, static_cast<LCTYPE>(code), bytes.constData()) != 0;
  }
};

}  // namespace

std::unique_ptr<LocaleSettings> SystemLocaleSettings() { return std::make_unique<WindowsLocaleSettings>(); }

}  // namespace velmora
