// TFrmmain, the name analysis window "姓名分析", as a form: its inputs, the analysis
// action with its 40-line report and the section "音形义" after it (each character's
// meaning and reading, the tone pattern, the findings of the name checks), saving the
// report and printing it.
//
// The report is written line by line into the pane RzMemo1; a failure part way (a silent
// stop from table 81 or sancai, the error box from sancai2009) leaves the lines written so
// far. Input errors are told before the pane is touched, so it keeps what it showed.
// The system clock gives the age; tests inject their own year.
#pragma once

#include "naming/analysis_request.h"
#include "refdb/connection_text.h"
#include "refdb/ui.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace velmora::naming {

// The dialogs of the analysis window.
class AnalysisUi : public Ui {
 public:
  // The save dialog: the chosen file name, or nothing when the user cancels.
  virtual std::optional<QString> AskSaveFileName(const QString& title, const QString& filter, const QString& proposal) = 0;
  // Prints the report through the print dialog (a PDF file is one of its printers).
  virtual void PrintReport(const QStringList& lines) = 0;
  virtual void CloseWindow() = 0;
};

// The window's state written by the analysis action.
struct AnalysisInput {
  QString surname, given, year, month, day, hour;
  QString dateText;   // year-month-day as typed (Gregorian after a lunar conversion)
  QString lunarText;  // 庚申(猴年)十一月十六
  QString animal;     // 猴
  QString starSign;   // 射手座
};

struct EditBox {
  QString text;
};

struct ComboBox {
  QStringList items;
  QString text;
  int index = -1;
};

class TFrmmain {
 public:
  explicit TFrmmain(AnalysisUi& ui, QString folder = ProgramFolder());

  // The controls, with their defaults.
  EditBox NameA, NameB;          // surname, given name (at most 4 bytes when typed)
  ComboBox Sex, ComDate, SYear, SMonth, Sday, Shour, RzComboBox8;
  QStringList RzMemo1;           // the report pane
  int topLine = 0;               // the first line shown; the analysis brings the view back to 0
  AnalysisInput input;

  // Fills the window from ShowNameAnalysis's nine values.
  void Fill(const NameAnalysisRequest& request);
  // Runs the analysis when both names hold text; the focus goes to NameA either way.
  void FormShow();

  void RzButton1Click();      // 姓名分析
  void dxBarButton2Click();   // 保存
  void RzBitBtnprintClick();  // 打印
  void Image4Click();         // 退出

  // The analysis without the handler wrapper: its failures reach the caller (the command
  // line reports them itself).
  void RunAnalysisOrThrow();

  // The year of the system clock; tests set their own.
  std::function<int()> currentYear = [] { return QDate::currentDate().year(); };

 private:
  void RunAnalysis();
  void SaveReport();
  void WriteReport(const QDate& date, int age);

  AnalysisUi& ui_;
  QString folder_;
};

// The lines of a report as a saved file: GB18030 (GBK on every GBK text), each line
// followed by CR LF.
QByteArray ReportFileBytes(const QStringList& lines);

// Writes the bytes to path through a temporary file renamed over it; false on failure.
bool WriteFileAtomically(const QString& path, const QByteArray& bytes);

// The analysis report of one name with the window's defaults for what the request leaves
// empty, as the command line prints it. The pane's lines; throws DbError or SilentStop as
// the window's action would end.
QStringList AnalysisReport(const NameAnalysisRequest& request, const QString& folder, int currentYear);

}  // namespace velmora::naming
