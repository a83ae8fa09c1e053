// The dialogs a form needs, behind one interface: the program implements it with Qt
// message boxes and the clipboard, tests with a recorder.
#pragma once

#include "refdb/errors.h"

#include <QString>

namespace velmora {

class Ui : public ErrorBox {
 public:
  // The information box shared by every window: caption "提示", information icon, OK.
  virtual void ShowNotice(const QString& text) = 0;
  // An information box with its own caption.
  virtual void ShowInformation(const QString& caption, const QString& text) = 0;
  // The plain message box: the application title as caption, OK, no icon.
  virtual void ShowMessage(const QString& text) { ShowInformation(QString::fromUtf16(kAppTitle), text); }
  virtual void SetClipboardText(const QString& text) = 0;
  // Blocks the calling (GUI) thread, as the stop of a naming run does.
  virtual void Pause(int milliseconds) = 0;
};

}  // namespace velmora
