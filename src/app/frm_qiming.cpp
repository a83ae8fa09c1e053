// TFrmQiming: see frm_qiming.h.
#include "app/frm_qiming.h"

#include "generation/name_item.h"
#include "generation/stroke_plans.h"
#include "refdb/connection_text.h"
#include "text/date_formats.h"
#include "text/gbk.h"

#include <QFile>

namespace velmora {

using text::GbkLength;
using text::GbkMid;
using text::Trim;

FrmQiming::FrmQiming(MainWindowUi& ui, QString folder, QObject* parent)
    : QObject(parent),
      controls(NamingControls::Defaults()),
      ui_(ui),
      folder_(std::move(folder)),
      ADOConnection1(std::make_unique<Connection>(DbConnectionText(DbFile::PelvanoMain, folder_))),
      ADOTem(std::make_unique<Query>(*ADOConnection1)),
      ADOFenxi(std::make_unique<Query>(*ADOConnection1)),
      feed_(std::make_unique<ClassicFeed>(running_, [this](const QString& name) { EmitName(name); })) {
  connect(feed_.get(), &ClassicFeed::fed, this, &FrmQiming::AnnounceNames);
  connect(feed_.get(), &ClassicFeed::finished, this, [this] {
    FlushRow();
    ADOTem->Close();  // the end of a run closes both queries; ADOFenxi is closed by the run
    emit changed();
    emit runFinished();
  });
}

FrmQiming::~FrmQiming() {
  // A worker still running uses ADOFenxi: stop it and wait before the queries go.
  running_ = false;
  feed_.reset();
}

void FrmQiming::RunHandler(const std::function<void()>& handler) {
  velmora::RunHandler(ui_, handler);
  emit changed();
}

void FrmQiming::FormCreate() {
  RunHandler([this] {
    ADOConnection1->Open();  // a failure shows the error box; PageSize stays 0
    PageSize = 500;
    gridRowCount = PageSize + 1;
  });
}

void FrmQiming::FormShow() {
  RunHandler([this] {
    text::DateFormats& formats = text::ProgramDateFormats();
    formats.separator = QStringLiteral("-");
    formats.shortDate = QStringLiteral("yyyy-mm-dd");
    formats.longDate = QStringLiteral("yyyy-mm-dd");
    gridHeader = {QStringLiteral("编号"), QStringLiteral("名称"), QStringLiteral("繁体字"),
                  QStringLiteral("拼音"), QStringLiteral("五行"), QStringLiteral("笔画"),
                  QStringLiteral("五格"), QStringLiteral("三才"), QStringLiteral("分数")};
    rightPageIndex = 0;
  });
}

void FrmQiming::CloseProgram() {
  // The queries a running worker does not hold are closed; the process then ends at once,
  // without waiting for the worker.
  if (feed_->Idle()) ADOFenxi->Close();
  ADOTem->Close();
  ADOConnection1->Close();
  QFile::remove(folder_ + QStringLiteral("Pelvano.ldb"));  // a missing file is fine
  ui_.ExitProcess();
}

void FrmQiming::LoadPlans() {
  const QString surname = Trim(controls.Xing.text);
  if (surname.isEmpty()) return;
  LoadStrokePlans(controls, *ADOTem, surname, &PlanKind);
}

void FrmQiming::XingExit() { RunHandler([this] { LoadPlans(); }); }
void FrmQiming::CBsexClick() { RunHandler([this] { LoadPlans(); }); }
void FrmQiming::CBdijiziClick() { RunHandler([this] { LoadPlans(); }); }
void FrmQiming::CBFeeXXClick() { RunHandler([this] { LoadPlans(); }); }

void FrmQiming::CBXingshiClick() {
  RunHandler([this] {
    if (controls.CBXingshi.index == 1) {  // 单字名: no second character to fix
      controls.CBdijizi.enabled = false;
      controls.Gudingzi.text.clear();
      if (controls.CBFeeXX.checked) {
        controls.CBFeeXX.checked = false;
        CBFeeXXClick();  // its own click handler reloads as well
      }
    } else {
      controls.CBdijizi.enabled = true;
    }
    LoadPlans();
  });
}

void FrmQiming::GudingziExit() {
  RunHandler([this] {
    // The box holds one character (2 bytes) at most.
    if (GbkLength(controls.Gudingzi.text) > 2) controls.Gudingzi.text = GbkMid(controls.Gudingzi.text, 1, 2);
    LoadPlans();
  });
}

void FrmQiming::ZuidiFeeExit() {
  RunHandler([this] {
    const QString t = Trim(controls.ZuidiFee.text);
    if (!t.isEmpty() && !IsInteger(t)) controls.ZuidiFee.text = QStringLiteral("70");
    LoadPlans();
  });
}

void FrmQiming::SorcssExit() {
  RunHandler([this] {
    const QString t = Trim(controls.Sorcss.text);
    if (!t.isEmpty() && !IsInteger(t)) controls.Sorcss.text = QStringLiteral("70");
  });
}

void FrmQiming::ModeClick(NamingMode m) {
  RunHandler([this, m] {
    mode = m;
    const bool poetryLike = m == NamingMode::Poetry || m == NamingMode::Zuhe;
    const bool gridLike = m == NamingMode::List || m == NamingMode::Idiom || m == NamingMode::Meiming;
    leftPane = m == NamingMode::Classic ? LeftPane::MemoSuccess : gridLike ? LeftPane::RzStringGrid1 : LeftPane::RzPanel30;
    controls.ZuidiFee.text = poetryLike ? QStringLiteral("60") : QStringLiteral("70");
    if (m != NamingMode::Classic) controls.Sorcss.text = poetryLike ? QStringLiteral("60") : QStringLiteral("70");
    controls.CBCode.enabled = m == NamingMode::Classic || m == NamingMode::List || m == NamingMode::Idiom;
    TabSheet11Caption = poetryLike ? QStringLiteral("名字列表") : QStringLiteral("高分名字");
    controls.CBInitFee.visible = !poetryLike;
    controls.Sorcss.visible = !poetryLike;
    RzBitBtn7Caption = gridLike ? QStringLiteral("继续显示") : QStringLiteral("停止取名");
  });
}

void FrmQiming::RzBitBtn6Click() {
  RunHandler([this] {
    if (Trim(controls.Xing.text).isEmpty()) {
      ui_.ShowNotice(QStringLiteral("姓不能为空!"));
      emit focusRequested(QStringLiteral("Xing"));
      return;
    }
    if (mode != NamingMode::Classic) return;  // the other modes come with their own windows
    // An earlier worker is waited for, not interrupted; what it produced is delivered first.
    WaitForWorker();
    // Start of a run.
    running_ = true;
    MemoSuccess.clear();
    RowBuffer.clear();
    rowCount = 0;
    ListBox1.clear();
    ListBox1Index = -1;
    announcedMemo_ = announcedList_ = 0;
    feed_->Start(ClassicInputs::From(controls), *ADOFenxi);
  });
}

void FrmQiming::WaitForWorker() {
  feed_->Wait();
  FlushRow();
}

void FrmQiming::AnnounceNames() {
  const int firstMemo = std::min(announcedMemo_, static_cast<int>(MemoSuccess.size()));
  const int firstList = std::min(announcedList_, static_cast<int>(ListBox1.size()));
  announcedMemo_ = static_cast<int>(MemoSuccess.size());
  announcedList_ = static_cast<int>(ListBox1.size());
  emit namesAppended(firstMemo, firstList);
}

void FrmQiming::EmitName(const QString& name) {
  if (controls.CBInitFee.checked) {
    // The score is the two bytes after the first "(": 张思远(80分) scores 80.
    const qsizetype paren = name.indexOf(QLatin1Char('('));
    const int score = StrToInt(GbkMid(name.mid(paren + 1), 1, 2));
    if (score >= StrToInt(Trim(controls.Sorcss.text))) ListBox1 << name;
  }
  RowBuffer += text::GbkPadRight(name, 16);
  if (++rowCount == 7) {
    MemoSuccess << RowBuffer;
    RowBuffer.clear();
    rowCount = 0;
  }
}

// The last row of a run may hold fewer than seven names. It is written when the run ends,
// so that every produced name can be seen.
void FrmQiming::FlushRow() {
  if (rowCount == 0) return;
  MemoSuccess << RowBuffer;
  RowBuffer.clear();
  rowCount = 0;
  AnnounceNames();
}

void FrmQiming::RzBitBtn7Click() {
  RunHandler([this] {
    if (RzBitBtn7Caption != QStringLiteral("停止取名")) return;  // 继续显示 pages list mode, built with it
    RzBitBtn7Enabled = false;
    emit changed();
    running_ = false;
    ui_.Pause(2000);
    RzBitBtn7Enabled = true;
  });
}

void FrmQiming::Image4Click() { ui_.Minimize(); }
void FrmQiming::Image5Click() { ui_.CloseWindow(); }
void FrmQiming::Image14Click() { RunHandler([this] { ui_.OpenServiceWindow(); }); }
NameAnalysisRequest FrmQiming::AnalysisRequest(const QString& given) const {
  NameAnalysisRequest r;
  r.surname = Trim(controls.Xing.text);
  r.sex = Trim(controls.CBsex.text);
  r.year = controls.SYear.text;
  r.month = controls.SMonth.text;
  r.day = controls.Sday.text;
  r.hour = controls.Shour.text;
  r.minute = controls.CBFen.text;
  r.calendarKind = controls.ComDate.index == 1 ? 1 : 0;
  r.given = given;
  return r;
}

void FrmQiming::Image6Click() {
  RunHandler([this] { ui_.ShowNameAnalysis(AnalysisRequest(QString())); });
}

void FrmQiming::BtnFuzhiClick() {
  RunHandler([this] {
    ui_.SetClipboardText(ListBox1.join(QLatin1Char('\n')));
    ui_.ShowNotice(QStringLiteral("复制成功！"));
  });
}

void FrmQiming::RzBitBtn24Click() {
  RunHandler([this] {
    if (ListBox1Index < 0 || ListBox1Index >= ListBox1.size()) return;
    const QString& item = ListBox1[ListBox1Index];
    if (!ListBox2.contains(item)) ListBox2 << item;
  });
}

void FrmQiming::RzBitBtn30Click() {
  RunHandler([this] {
    ListBox2.clear();
    ListBox2Index = -1;
  });
}

// Copies the chosen names as 复制名字 copies the high-score list.
void FrmQiming::RzBitBtn29Click() {
  RunHandler([this] {
    ui_.SetClipboardText(ListBox2.join(QLatin1Char('\n')));
    ui_.ShowNotice(QStringLiteral("复制成功！"));
  });
}

// The given name is cut from the full name by the byte length of the surname now in the
// main window, not of the surname the list was made with: after changing 欧阳 to 张, the
// item 欧阳明(78分) opens 张 with the given name 阳明. That is the rule users know.
void FrmQiming::AnalyseListItem(const QStringList& list, int index) {
  if (index < 0 || index >= list.size()) return;  // nothing selected: nothing happens
  ui_.ShowNameAnalysis(AnalysisRequest(GivenNameOfItem(list[index], controls.Xing.text)));
}

void FrmQiming::ListBox1DblClick() {
  RunHandler([this] { AnalyseListItem(ListBox1, ListBox1Index); });
}

void FrmQiming::ListBox2DblClick() {
  RunHandler([this] { AnalyseListItem(ListBox2, ListBox2Index); });
}

// The notes viewer comes with its own window; until then these two do nothing.
void FrmQiming::Image8Click() {}
void FrmQiming::Image9Click() {}

}  // namespace velmora
