// TFrmQiming, the main window, as a form: the state of every control and every handler,
// without widgets. The view (src/app/view) draws it and calls the handlers; tests drive it
// the same way.
//
// The form owns the main database connection ADOConnection1 with its two queries ADOTem
// (short lookups) and ADOFenxi (candidate statements), the naming inputs, the panes and
// the classic-mode worker. Names produced by the worker are written to the panes on the
// GUI thread (EmitName) in time slices (ClassicFeed), so the window stays responsive.
#pragma once

#include "generation/best_run.h"
#include "generation/char_wishes.h"
#include "generation/classic_feed.h"
#include "generation/controls.h"
#include "generation/poetry_panel.h"
#include "generation/list_run.h"
#include "naming/analysis_request.h"
#include "refdb/connection.h"
#include "refdb/query.h"
#include "refdb/ui.h"

#include <QDate>
#include <QObject>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <memory>

namespace velmora {

// The dialogs and windows the main window opens, and the process-level actions.
class MainWindowUi : public Ui {
 public:
  virtual void OpenServiceWindow() = 0;   // "人工起名服务"
  virtual void OpenCalendarWindow() = 0;  // 万年历: the previous one disposed of, a new one modal
  virtual void OpenJiriWindow() = 0;      // 吉日, modal
  virtual void ShowNameAnalysis(const NameAnalysisRequest& request) = 0;  // modal
  virtual void OpenWuxingWindow(Query& adoTem) = 0;  // 五行, modal; looks up on the main window's ADOTem
  // 小名 for a surname, a given name (may be empty) and a sex; 解梦. Both modal.
  virtual void OpenXiaomingWindow(const QString& /*surname*/, const QString& /*given*/, bool /*male*/) {}
  virtual void OpenJiemengWindow() {}
  // 用字, modal: the dialog of 不要的字 and 想要的字 showing current. Its 确定 hands the two
  // texts as typed to accept and closes the dialog only when accept returns true.
  virtual void EditCharWishes(const CharWishes& /*current*/,
                              const std::function<bool(const QString&, const QString&)>& /*accept*/) {}
  // The notes viewer, not modal: a note of KelBirth.dll by its code (a SilentStop when the
  // database cannot be read), or a passed text under a caption. A Ui that opens no windows
  // (a benchmark's) need not implement them.
  virtual void ShowNote(const QString& /*code*/) {}
  virtual void ShowNoteText(const QString& /*text*/, const QString& /*caption*/) {}
  virtual void Minimize() = 0;
  virtual void CloseWindow() = 0;         // the window is asked to close: FormCloseQuery follows
  virtual void ExitProcess() = 0;         // ends the process at once
};

enum class NamingMode { Classic, List, Idiom, Poetry, Meiming, Zuhe, Best };

// Which of the three left-pane children is shown.
enum class LeftPane { MemoSuccess, RzStringGrid1, RzPanel30 };

class FrmQiming : public QObject {
  Q_OBJECT

 public:
  // folder: where Pelvano.dll lies, with its trailing separator (the program's folder).
  FrmQiming(MainWindowUi& ui, QString folder, QObject* parent = nullptr);
  ~FrmQiming() override;

  // ---- controls ----
  NamingControls controls;
  NamingMode mode = NamingMode::Classic;
  LeftPane leftPane = LeftPane::MemoSuccess;
  QStringList MemoSuccess;     // lines of the all-names pane
  QStringList ListBox1;        // high-score names
  QStringList ListBox2;        // chosen names
  int ListBox1Index = -1;      // the selected items; -1 when none
  int ListBox2Index = -1;
  QString TabSheet11Caption = QStringLiteral("高分名字");
  int rightPageIndex = 0;      // 0 = 高分名字, 1 = 已选名字
  QString RzBitBtn7Caption = QStringLiteral("停止取名");
  bool RzBitBtn7Enabled = true;
  QStringList gridHeader;      // RzStringGrid1 row 0, set in FormShow
  int gridRowCount = 0;        // RzStringGrid1 rows
  PoetryPanel RzPanel30;       // the poetry panel of 诗词模式 and 组合模式
  QStringList ListBox1Sources; // the source line of each name of a poetry run
  QStringList REbazi;          // the birth-chart report; a hidden pane, read in its note window
  std::vector<GridRow> gridRows;  // RzStringGrid1 data rows 1..PageSize
  QStringList gridSources;     // 美名模式: where the name of each data row comes from
  int gridRow = 0;             // the grid's current data row, 1-based; 0 when none
  QString StatusText;          // the status strip: the selected name's source line, meanings, tones and findings
  // 用字: the characters no proposed given name holds and those one of which each holds;
  // kept in settingsFile between starts (read in FormCreate, written when the dialog is
  // confirmed). An empty settingsFile keeps nothing, as in tests.
  CharWishes wishes;
  QString settingsFile;

  // ---- state fields ----
  int PlanKind = 0;
  int PageSize = 0;
  QString RowBuffer;
  int rowCount = 0;
  bool Running() const { return running_.load(); }
  // List, idiom and 美名 mode: ScoreFloor, TopPlans, SurnameInfo and the paging
  // (TotalFound, ShownCount, RetryLimit, ShownRecords).
  ListRun listRun;
  BestRun bestRun;  // 推荐模式

  // ---- handlers ----
  void FormCreate();
  void FormShow();
  void CloseProgram();          // FormCloseQuery
  void XingExit();
  void CBsexClick();
  void CBXingshiClick();
  void CBdijiziClick();
  void GudingziExit();
  void BtnYongziClick();        // 用字: the dialog of 不要的字 and 想要的字
  // The dialog's 确定 with the two texts as typed: true when they are taken (and kept);
  // false after a notice saying what is wrong, the texts staying in the dialog.
  bool SetCharWishes(const QString& avoidText, const QString& wantText);
  void CBFeeXXClick();
  void ZuidiFeeExit();
  void SorcssExit();
  void ModeClick(NamingMode m);  // the six radio buttons
  void RzBitBtn6Click();        // 马上取名
  void RzBitBtn7Click();        // 停止取名 / 继续显示
  void Image4Click();           // minimise
  void Image5Click();           // close area and toolbar 关闭
  void Image14Click();          // toolbar 服务
  void Image13Click();          // toolbar 日历
  void Image11Click();          // toolbar 吉日
  void Image10Click();          // toolbar 小名: for the name selected in a list or the grid
  void Image12Click();          // toolbar 解梦
  void Image8Click();           // toolbar 五格: note XM016
  void Image9Click();           // toolbar 三才: note XM017
  void Image2Click();           // toolbar 八字: the birth-chart report into REbazi and a note window
  void Image6Click();           // toolbar 测名: the analysis with an empty given name
  void Image7Click();           // toolbar 五行

  // The name lists of the right pane.
  void BtnFuzhiClick();         // 复制名字
  void RzBitBtn24Click();       // 添加到已选
  void RzBitBtn30Click();       // 清空已选
  void RzBitBtn29Click();       // 复制已选
  void ListBox1Click();         // a name selected: its notes, and its source line after a poetry run
  void ListBox2Click();         // a chosen name selected: its notes
  void PoetryPanelClick(void (PoetryPanel::*handler)());  // a handler of RzPanel30
  void ListBox1DblClick();
  void ListBox2DblClick();

  // The results grid (list, idiom and 美名 mode).
  void MakeListNames(int mode);  // 0 list, 1 idiom, 2 美名
  void MakeBestNames();          // 推荐模式
  void ShowNextPage();
  void ClearGridRows();
  void RzStringGrid1SelectCell(int row);  // the current data row changes
  void RzStringGrid1DblClick();

  // Writes one produced name to the panes (GUI thread).
  void EmitName(const QString& name);
  // Writes the last, incomplete row of a run, so that every name is seen.
  void FlushRow();
  // Waits for the current worker, delivering what it produced; for tests and shutdown.
  void WaitForWorker();

  // The system clock's date, for the report's age; tests set their own.
  std::function<QDate()> today = [] { return QDate::currentDate(); };

  Query& adoTem() { return *ADOTem; }

 signals:
  // Something the view shows has changed.
  void changed();
  // Lines were appended to MemoSuccess or names to ListBox1 (cheaper than changed()).
  void namesAppended(int firstNewMemoLine, int firstNewListLine);
  // A classic run has ended and every name it produced is in the panes.
  void runFinished();
  // The results grid's rows have changed.
  void gridChanged();
  // A handler moves the focus to a control, named as in the design ("Xing").
  void focusRequested(const QString& control);

 private:
  void LoadPlans();  // LoadStrokePlans with the trimmed surname, when not empty
  void StopWorker();  // ends a classic run still going and waits for it
  void StartRun();  // Running set and the panes a run fills emptied
  NameAnalysisRequest AnalysisRequest(const QString& given) const;
  void AnalyseListItem(const QStringList& list, int index);
  void AnnounceNames();  // namesAppended for what was written since the last time
  void RunHandler(const std::function<void()>& handler);
  void RunPoetry();  // 马上取名 in 诗词模式 and 组合模式
  // False, after a notice saying why, when the 用字 leave this run no name to give.
  bool WishesAllowRun();
  // The filter every run's names pass, whatever the mode: the name checks and the 用字.
  NameFilter NamingFilter() const;
  bool MorePages() const;  // 继续显示 has a page to show: of 推荐模式's run or the list statement

  MainWindowUi& ui_;
  QString folder_;
  std::unique_ptr<Connection> ADOConnection1;
  std::unique_ptr<Query> ADOTem;
  std::unique_ptr<Query> ADOFenxi;
  std::atomic<bool> running_{false};
  std::unique_ptr<ClassicFeed> feed_;  // the classic-mode worker and its names
  int announcedMemo_ = 0, announcedList_ = 0;  // pane sizes at the last namesAppended
  QStringList poetryList_;  // ListBox1 as the last poetry run left it
  bool bestGrid_ = false;   // the grid holds 推荐模式's rows
};

}  // namespace velmora
