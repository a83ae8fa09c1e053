// A MainWindowUi that answers every dialog silently, for benchmarks that drive the main
// window's form.
#pragma once

#include "app/frm_qiming.h"

namespace velmora {

struct SilentUi : MainWindowUi {
  void ShowError(const QString&, const QString&) override {}
  void ShowNotice(const QString&) override {}
  void ShowInformation(const QString&, const QString&) override {}
  void SetClipboardText(const QString&) override {}
  void Pause(int) override {}
  void OpenServiceWindow() override {}
  void ShowNameAnalysis(const NameAnalysisRequest&) override {}
  void Minimize() override {}
  void CloseWindow() override {}
  void ExitProcess() override {}
};

}  // namespace velmora
