// What the picture tools share: dialogs that become lines on the error stream (nobody is
// there to press OK), saving a window's picture, and the output folder.
#pragma once

#include "refdb/ui.h"

#include <QCoreApplication>
#include <QDir>
#include <QPixmap>
#include <QWidget>

#include <cstdio>

namespace velmora::render {

inline void Print(const char* what, const QString& caption, const QString& text) {
  std::fprintf(stderr, "[%s] %s %s\n", what, qUtf8Printable(caption), qUtf8Printable(text));
}

// The dialogs every window's Ui has, printed; a tool's Ui adds its window's own.
template <class UiInterface>
class ConsoleDialogs : public UiInterface {
 public:
  void ShowError(const QString& caption, const QString& text) override { Print("error", caption, text); }
  void ShowNotice(const QString& text) override { Print("notice", QStringLiteral("提示"), text); }
  void ShowInformation(const QString& caption, const QString& text) override { Print("information", caption, text); }
  void SetClipboardText(const QString& text) override { Print("clipboard", QString(), text); }
  void Pause(int /*milliseconds*/) override {}
};

// Writes the window's picture after the pending events; says what it wrote.
inline bool Save(QWidget& window, const QString& path) {
  QCoreApplication::processEvents();
  const bool ok = window.grab().save(path);
  std::printf("%s %s\n", ok ? "wrote" : "FAILED", qUtf8Printable(path));
  return ok;
}

// The output folder from the first argument (default "."), created; empty on failure.
inline QString OutputFolder(int argc, char* argv[]) {
  const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
  if (!QDir().mkpath(out)) {
    std::fprintf(stderr, "cannot create %s\n", qUtf8Printable(out));
    return {};
  }
  return out;
}

}  // namespace velmora::render
