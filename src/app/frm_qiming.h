// TFrmQiming, the main window, as a form: the state of every control and every handler,
// without widgets. The view (src/app/view) draws it and calls the handlers; tests drive it
// the same way.
//
// The form owns the main database connection ADOConnection1 with its two queries ADOTem
// (short lookups) and ADOFenxi (candidate statements), the naming inputs, the panes and
// the classic-mode worker. Names produced by the worker are written to the panes on the
// GUI thread (EmitName) in time slices (ClassicFeed), so the window stays responsive.
#pragma once

#include "generation/classic_feed.h"
#include "generation/controls.h"
#include "naming/analysis_request.h"
#include "refdb/connection.h"
#include "refdb/query.h"
#include "refdb/ui.h"

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
  virtual void ShowNameAnalysis(const NameAnalysisRequest& request) = 0;  // modal
  virtual void Minimize() = 0;
  virtual void CloseWindow() = 0;         // the window is asked to close: FormCloseQuery follows
  virtual void ExitProcess() = 0;         // ends the process at once
};

enum class NamingMode { Classic, List, Idiom, Poetry, Meiming, Zuhe };

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

  // ---- state fields ----
  int PlanKind = 0;
  int PageSize = 0;
  QString RowBuffer;
  int rowCount = 0;
  bool Running() const { return running_.load(); }

  // ---- handlers ----
  void FormCreate();
  void FormShow();
  void CloseProgram();          // FormCloseQuery
  void XingExit();
  void CBsexClick();
  void CBXingshiClick();
  void CBdijiziClick();
  void GudingziExit();
  void CBFeeXXClick();
  void ZuidiFeeExit();
  void SorcssExit();
  void ModeClick(NamingMode m);  // the six radio buttons
  void RzBitBtn6Click();        // 马上取名
  void RzBitBtn7Click();        // 停止取名 / 继续显示
  void Image4Click();           // minimise
  void Image5Click();           // close area and toolbar 关闭
  void Image14Click();          // toolbar 服务
  void Image8Click();           // toolbar 五格 (notes viewer not built yet: inert)
  void Image9Click();           // toolbar 三才 (likewise)
  void Image6Click();           // toolbar 测名: the analysis with an empty given name

  // The name lists of the right pane.
  void BtnFuzhiClick();         // 复制名字
  void RzBitBtn24Click();       // 添加到已选
  void RzBitBtn30Click();       // 清空已选
  void RzBitBtn29Click();       // 复制已选
  void ListBox1DblClick();
  void ListBox2DblClick();

  // Writes one produced name to the panes (GUI thread).
  void EmitName(const QString& name);
  // Writes the last, incomplete row of a run, so that every name is seen.
  void FlushRow();
  // Waits for the current worker, delivering what it produced; for tests and shutdown.
  void WaitForWorker();

  Query& adoTem() { return *ADOTem; }

 signals:
  // Something the view shows has changed.
  void changed();
  // Lines were appended to MemoSuccess or names to ListBox1 (cheaper than changed()).
  void namesAppended(int firstNewMemoLine, int firstNewListLine);
  // A classic run has ended and every name it produced is in the panes.
  void runFinished();
  // A handler moves the focus to a control, named as in the design ("Xing").
  void focusRequested(const QString& control);

 private:
  void LoadPlans();  // LoadStrokePlans with the trimmed surname, when not empty
  NameAnalysisRequest AnalysisRequest(const QString& given) const;
  void AnalyseListItem(const QStringList& list, int index);
  void AnnounceNames();  // namesAppended for what was written since the last time
  void RunHandler(const std::function<void()>& handler);

  MainWindowUi& ui_;
  QString folder_;
  std::unique_ptr<Connection> ADOConnection1;
  std::unique_ptr<Query> ADOTem;
  std::unique_ptr<Query> ADOFenxi;
  std::atomic<bool> running_{false};
  std::unique_ptr<ClassicFeed> feed_;  // the classic-mode worker and its names
  int announcedMemo_ = 0, announcedList_ = 0;  // pane sizes at the last namesAppended
};

}  // namespace velmora
