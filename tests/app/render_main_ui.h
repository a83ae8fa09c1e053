// The main window's dialogs and windows for the picture tools: each becomes a line on the
// error stream, as render_support.h does for the dialogs every window has.
#pragma once

#include "app/frm_qiming.h"
#include "render_support.h"

namespace velmora::render {

class ConsoleMainWindowUi final : public ConsoleDialogs<MainWindowUi> {
 public:
  void OpenServiceWindow() override { Print("window", QStringLiteral("人工起名服务"), QString()); }
  void OpenCalendarWindow() override { Print("window", QStringLiteral("万年历"), QString()); }
  void OpenJiriWindow() override { Print("window", QStringLiteral("吉日"), QString()); }
  void OpenWuxingWindow(Query&) override { Print("window", QStringLiteral("五行查询"), QString()); }
  void ShowNameAnalysis(const NameAnalysisRequest& r) override { Print("window", QStringLiteral("姓名分析"), r.surname + r.given); }
  void Minimize() override { Print("minimise", QString(), QString()); }
  void CloseWindow() override { Print("close", QString(), QString()); }
  void ExitProcess() override { Print("exit", QString(), QString()); }
};

}  // namespace velmora::render
