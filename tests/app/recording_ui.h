// A MainWindowUi that records what the form asks of it.
#pragma once

#include "app/frm_qiming.h"

#include <QStringList>

#include <optional>
#include <utility>

namespace velmora::testing {

struct RecordingUi : MainWindowUi {
  QStringList notices, errors, calls;
  int paused = 0;
  void ShowError(const QString& caption, const QString& text) override { errors << caption + QStringLiteral("|") + text; }
  void ShowNotice(const QString& text) override { notices << text; }
  void ShowInformation(const QString& caption, const QString& text) override { notices << caption + QStringLiteral("|") + text; }
  void SetClipboardText(const QString& text) override { calls << QStringLiteral("clipboard:") + text; }
  void Pause(int ms) override { paused += ms; }
  void OpenServiceWindow() override { calls << QStringLiteral("service"); }
  void OpenCalendarWindow() override { calls << QStringLiteral("calendar"); }
  void OpenJiriWindow() override { calls << QStringLiteral("jiri"); }
  QList<NameAnalysisRequest> analyses;
  void ShowNameAnalysis(const NameAnalysisRequest& r) override { analyses << r; }
  void OpenWuxingWindow(Query&) override { calls << QStringLiteral("wuxing"); }
  void OpenXiaomingWindow(const QString& surname, const QString& given, bool male) override {
    calls << QStringLiteral("xiaoming:%1|%2|%3").arg(surname, given, male ? QStringLiteral("男") : QStringLiteral("女"));
  }
  void OpenJiemengWindow() override { calls << QStringLiteral("jiemeng"); }
  // 用字: records the dialog with what it shows; when a test has set typed, presses 确定
  // with those texts and records whether the form took them.
  std::optional<std::pair<QString, QString>> typed;
  QList<bool> taken;
  void EditCharWishes(const CharWishes& current, const std::function<bool(const QString&, const QString&)>& accept) override {
    calls << QStringLiteral("yongzi:") + current.Summary();
    if (typed) taken << accept(typed->first, typed->second);
  }
  void ShowNote(const QString& code) override { calls << QStringLiteral("note:") + code; }
  void ShowNoteText(const QString& text, const QString& caption) override { notes << caption + QStringLiteral("|") + text; }
  QStringList notes;  // note windows opened with a text
  void Minimize() override { calls << QStringLiteral("minimize"); }
  void CloseWindow() override { calls << QStringLiteral("close"); }
  void ExitProcess() override { calls << QStringLiteral("exit"); }
};

}  // namespace velmora::testing
