// What the benchmarks that drive the main window share: a MainWindowUi that answers every
// dialog silently, and a main() that runs them on the offscreen platform.
#pragma once

#include "app/frm_qiming.h"
#include "app/view/main_window.h"
#include "refdb/connection_text.h"

#include <QApplication>
#include <QFile>

#include <memory>

#include <benchmark/benchmark.h>

namespace velmora {

struct SilentUi : MainWindowUi {
  void ShowError(const QString&, const QString&) override {}
  void ShowNotice(const QString&) override {}
  void ShowInformation(const QString&, const QString&) override {}
  void SetClipboardText(const QString&) override {}
  void Pause(int) override {}
  void OpenServiceWindow() override {}
  void OpenCalendarWindow() override {}
  void OpenJiriWindow() override {}
  void OpenWuxingWindow(Query&) override {}
  void ShowNameAnalysis(const NameAnalysisRequest&) override {}
  void Minimize() override {}
  void CloseWindow() override {}
  void ExitProcess() override {}
};

// The main window, shown, on the built databases: its form and its view.
struct BenchWindow {
  SilentUi ui;
  FrmQiming form{ui, ProgramFolder()};
  std::unique_ptr<MainWindow> view;
  BenchWindow() {
    form.FormCreate();
    view = std::make_unique<MainWindow>(form);
    view->show();
  }
  // Types the surname and leaves the box, as a parent does before a run.
  void TypeSurname(const QString& surname) {
    form.controls.Xing.text = surname;
    form.XingExit();
  }
  // 马上取名, and the events it posted.
  void Click() {
    form.RzBitBtn6Click();
    QCoreApplication::processEvents();
  }
};

// The databases the build writes lie beside the benchmark; a benchmark without them is
// skipped with a message.
inline bool HaveDatabases(benchmark::State& state) {
  if (QFile::exists(ProgramFolder() + QStringLiteral("Pelvano.dll"))) return true;
  state.SkipWithError("the built databases are not beside the benchmark");
  return false;
}

// Runs the benchmarks of the program in a QApplication, offscreen unless QT_QPA_PLATFORM
// says otherwise.
inline int RunOffscreenBenchmarks(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

}  // namespace velmora
