// TFrmQiming: see frm_qiming.h.
#include "app/frm_qiming.h"

#include "app/program_settings.h"
#include "bazi/report.h"
#include "generation/name_item.h"
#include "generation/name_notes.h"
#include "generation/poetry_names.h"
#include "generation/stroke_plans.h"
#include "refdb/connection_text.h"
#include "text/date_formats.h"
#include "text/gbk.h"

#include <QFile>
#include <QRandomGenerator>

namespace velmora {

using text::GbkLength;
using text::GbkMid;
using text::Trim;

FrmQiming::FrmQiming(MainWindowUi& ui, QString folder, QObject* parent)
    : QObject(parent),
      controls(NamingControls::Defaults()),
      RzPanel30(folder),
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
    wishes = ReadKeptWishes(settingsFile);
    ADOConnection1->Open();  // a failure shows the error box; PageSize stays 0
    PageSize = 500;
    gridRowCount = PageSize + 1;
    gridRows.assign(static_cast<std::size_t>(PageSize), GridRow{});
    gridSources = QStringList(PageSize);
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
    const bool gridLike = m == NamingMode::List || m == NamingMode::Idiom || m == NamingMode::Meiming || m == NamingMode::Best;
    leftPane = m == NamingMode::Classic ? LeftPane::MemoSuccess : gridLike ? LeftPane::RzStringGrid1 : LeftPane::RzPanel30;
    controls.ZuidiFee.text = poetryLike ? QStringLiteral("60") : QStringLiteral("70");
    if (m != NamingMode::Classic) controls.Sorcss.text = poetryLike ? QStringLiteral("60") : QStringLiteral("70");
    controls.CBCode.enabled = m == NamingMode::Classic || m == NamingMode::List || m == NamingMode::Idiom || m == NamingMode::Best;
    TabSheet11Caption = poetryLike ? QStringLiteral("名字列表") : QStringLiteral("高分名字");
    controls.CBInitFee.visible = !poetryLike;
    controls.Sorcss.visible = !poetryLike;
    RzBitBtn7Caption = gridLike ? QStringLiteral("继续显示") : QStringLiteral("停止取名");
    // The button serves the new mode: a stop is always possible, and 继续显示 only while the
    // open list statement has rows not shown yet.
    const bool workerDone = feed_->Idle();
    RzBitBtn7Enabled = !gridLike || (workerDone && MorePages());
    // The strip follows the mode: the selected grid row's source, or nothing yet.
    StatusText = gridLike && gridRow > 0 && gridRow <= gridSources.size() ? gridSources[gridRow - 1] : QString();
    if (m == NamingMode::Poetry) RzPanel30.SetUpPoetryMode();
    if (m == NamingMode::Zuhe) RzPanel30.SetUpZuheMode();
  });
}

void FrmQiming::RzBitBtn6Click() {
  RunHandler([this] {
    if (Trim(controls.Xing.text).isEmpty()) {
      ui_.ShowNotice(QStringLiteral("姓不能为空!"));
      emit focusRequested(QStringLiteral("Xing"));
      return;
    }
    if (!WishesAllowRun()) return;
    switch (mode) {
      case NamingMode::List: MakeListNames(0); return;
      case NamingMode::Idiom: MakeListNames(1); return;
      case NamingMode::Meiming: MakeListNames(2); return;
      case NamingMode::Best: MakeBestNames(); return;
      case NamingMode::Classic: break;
      case NamingMode::Poetry:
      case NamingMode::Zuhe: RunPoetry(); return;
    }
    // An earlier worker is waited for, not interrupted; what it produced is delivered first.
    WaitForWorker();
    StartRun();
    ClassicInputs in = ClassicInputs::From(controls);
    in.filter = NamingFilter();
    feed_->Start(in, *ADOFenxi);
  });
}

// 组合模式 runs the poetry run over the text typed into its tab, as its caption promises.
void FrmQiming::RunPoetry() {
  if (Trim(RzPanel30.MemoYixuan).isEmpty()) {
    if (mode == NamingMode::Zuhe) {
      // 组合模式 asks for typed text, not chosen poems; names of an earlier run are not
      // this text's names.
      StopWorker();
      StartRun();
      running_ = false;
      ListBox1Sources.clear();
      poetryList_.clear();
      StatusText.clear();
      ui_.ShowNotice(QStringLiteral("请先输入要组合的文字。"));
    } else {
      ui_.ShowNotice(QStringLiteral("没有选择诗词，请查看已选诗词!"));
    }
    return;
  }
  if (CollectedTextTooLong(RzPanel30.MemoYixuan)) {
    ui_.ShowNotice(QString::fromUtf16(kCollectedTooLong));
    return;
  }
  // A classic run still going works on ADOFenxi: it is stopped and its names delivered
  // before this run takes the query.
  StopWorker();
  running_ = true;
  RowBuffer.clear();
  rowCount = 0;
  StatusText.clear();
  PoetryInputs in = PoetryInputs::From(controls, RzPanel30.MemoYixuan);
  in.filter = NamingFilter();
  const PoetryOutcome outcome = MakePoetryNames(
      in, *ADOTem, *ADOFenxi, running_,
      [this] {
        ListBox1.clear();
        ListBox1Sources.clear();
        ListBox1Index = -1;
      },
      [this](const PoetryName& name) {
        ListBox1 << name.item;
        ListBox1Sources << name.source;
      });
  poetryList_ = ListBox1;
  if (outcome == PoetryOutcome::NoneFound) {
    ui_.ShowInformation(QStringLiteral("起名提示"),
                        QStringLiteral("提示：起名要符合多个条件，请添加更多诗词或文字内容方可起出更多名字！"));
  }
}

void FrmQiming::ListBox1Click() {
  RunHandler([this] {
    StatusText.clear();
    if (ListBox1Index < 0 || ListBox1Index >= ListBox1.size()) return;
    const QString& item = ListBox1[ListBox1Index];
    const bool poetryLike = mode == NamingMode::Poetry || mode == NamingMode::Zuhe;
    // Only names the last poetry run listed have a source line.
    QString source;
    if (poetryLike && ListBox1 == poetryList_ && ListBox1Index < ListBox1Sources.size() && !ListBox1Sources[ListBox1Index].isEmpty())
      source = item.left(item.indexOf(QLatin1Char('('))) + QStringLiteral(" 出自：") + ListBox1Sources[ListBox1Index];
    StatusText = NameStatusText(NameFilter::ForFolder(folder_), Trim(controls.Xing.text), item, source);
  });
}

void FrmQiming::ListBox2Click() {
  RunHandler([this] {
    StatusText = ListBox2Index >= 0 && ListBox2Index < ListBox2.size()
                     ? NameStatusText(NameFilter::ForFolder(folder_), Trim(controls.Xing.text), ListBox2[ListBox2Index], QString())
                     : QString();
  });
}

void FrmQiming::PoetryPanelClick(void (PoetryPanel::*handler)()) {
  RunHandler([this, handler] {
    const QString before = RzPanel30.MemoYixuan;
    (RzPanel30.*handler)();
    // A poem that would take the collected text past the bound is not added.
    if (CollectedTextTooLong(RzPanel30.MemoYixuan) && !CollectedTextTooLong(before)) {
      RzPanel30.MemoYixuan = before;
      ui_.ShowNotice(QString::fromUtf16(kCollectedTooLong));
    }
  });
}

// The start of every naming run: Running, and the panes it fills emptied.
void FrmQiming::StartRun() {
  running_ = true;
  MemoSuccess.clear();
  RowBuffer.clear();
  rowCount = 0;
  ListBox1.clear();
  ListBox1Index = -1;
  announcedMemo_ = announcedList_ = 0;
}

void FrmQiming::StopWorker() {
  running_ = false;
  feed_->Retire();
  FlushRow();
}

// A list, idiom or 美名 run on the GUI thread. A classic run still going is ended first: it
// would share ADOFenxi with this one.
void FrmQiming::MakeListNames(int mode) {
  const ListKind kind = mode == 1 ? ListKind::Idiom : mode == 2 ? ListKind::Meiming : ListKind::List;
  // One guarded block: any failure ends the run without a message.
  try {
    StopWorker();
    StartRun();
    bestGrid_ = false;
    const quint64 seed = QRandomGenerator::system()->generate64();
    ListInputs in = ListInputs::From(controls);
    in.filter = NamingFilter();
    // No record, or records the name checks and the 用字 all refuse: the same notice.
    const bool found = listRun.Open(kind, in, *ADOTem, *ADOFenxi, seed) > 0;
    if (found) ShowNextPage();
    if (!found || gridRows.empty() || gridRows.front()[1].isEmpty())
      ui_.ShowNotice(QStringLiteral("没有符合要求的名字，请放宽限制条件(如：最低分数、固定文字、更换模式等)。"));
  } catch (const std::exception&) {
    // ends quietly; the lists emptied above stay empty
  }
}

void FrmQiming::ClearGridRows() {
  for (GridRow& row : gridRows) row.fill(QString());
  for (QString& source : gridSources) source.clear();
  gridRow = 0;
  StatusText.clear();
}

// 推荐模式: its own run fills the grid like list mode, the reasons of each row in gridSources.
void FrmQiming::MakeBestNames() {
  try {
    StopWorker();
    StartRun();
    bestGrid_ = true;
    bestRun.Open(controls, *ADOTem, folder_, NamingFilter());
    ShowNextPage();
    if (gridRows.empty() || gridRows.front()[1].isEmpty())
      ui_.ShowNotice(QStringLiteral("没有符合要求的名字，请放宽限制条件(如：最低分数、固定文字、更换模式等)。"));
    StatusText = bestRun.ChartNote();  // said once, until a row is selected
  } catch (const std::exception&) {
    // ends quietly, as list mode does
  }
}

bool FrmQiming::MorePages() const { return bestGrid_ ? !bestRun.AllShown() : ADOFenxi->Active() && !listRun.paging.AllShown(); }

void FrmQiming::ShowNextPage() {
  if (!bestGrid_ && !ADOFenxi->Active()) return;
  ClearGridRows();
  RzBitBtn7Enabled = false;
  try {
    const auto shown = [this](const QString& item, qint64 zf) {
      if (controls.CBInitFee.checked && zf >= StrToInt(Trim(controls.Sorcss.text))) ListBox1 << item;
    };
    if (bestGrid_) bestRun.FillPage(PageSize, gridRows, gridSources, shown);
    else listRun.FillPage(*ADOFenxi, PageSize, gridRows, gridSources, shown);
  } catch (const std::exception&) {
    // the rows filled so far stay
  }
  RzBitBtn7Enabled = MorePages();
  emit gridChanged();
}

void FrmQiming::RzStringGrid1SelectCell(int row) {
  RunHandler([this, row] {
    gridRow = row >= 1 && row <= gridSources.size() ? row : 0;
    StatusText = gridRow == 0 ? QString()
                 : bestGrid_  ? gridSources[gridRow - 1]  // 推荐模式's reasons
                              : NameStatusText(NameFilter::ForFolder(folder_), Trim(controls.Xing.text),
                                               gridRows[static_cast<std::size_t>(gridRow - 1)][1], gridSources[gridRow - 1]);
  });
}

// The name of the current row, cut by the byte length of the surname now in the main
// window, as the lists cut theirs.
void FrmQiming::RzStringGrid1DblClick() {
  RunHandler([this] {
    if (gridRow < 1 || gridRow > static_cast<int>(gridRows.size())) return;
    const QString name = gridRows[static_cast<std::size_t>(gridRow - 1)][1];
    if (Trim(name).isEmpty()) return;
    AnalyseListItem(QStringList{name}, 0);
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
    if (RzBitBtn7Caption != QStringLiteral("停止取名")) {
      // 继续显示: the next page of the open list statement, unless a classic run holds ADOFenxi.
      if (feed_->Idle()) ShowNextPage();
      return;
    }
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
void FrmQiming::Image13Click() { RunHandler([this] { ui_.OpenCalendarWindow(); }); }
void FrmQiming::Image11Click() { RunHandler([this] { ui_.OpenJiriWindow(); }); }
void FrmQiming::Image12Click() { RunHandler([this] { ui_.OpenJiemengWindow(); }); }

// 小名 works on the name the parent is looking at: the one selected in a name list or the
// grid, else the first chosen name; with none, the window lists the common nicknames.
void FrmQiming::Image10Click() {
  RunHandler([this] {
    QString item;
    if (ListBox1Index >= 0 && ListBox1Index < ListBox1.size()) item = ListBox1[ListBox1Index];
    else if (ListBox2Index >= 0 && ListBox2Index < ListBox2.size()) item = ListBox2[ListBox2Index];
    else if (gridRow > 0 && gridRow <= static_cast<int>(gridRows.size())) item = gridRows[gridRow - 1][1];
    else if (!ListBox2.isEmpty()) item = ListBox2.first();
    const QString given = item.isEmpty() ? QString() : GivenNameOfItem(item, controls.Xing.text);
    ui_.OpenXiaomingWindow(Trim(controls.Xing.text), given, controls.CBsex.index != 1);
  });
}
void FrmQiming::Image7Click() { RunHandler([this] { ui_.OpenWuxingWindow(*ADOTem); }); }
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

void FrmQiming::Image8Click() { RunHandler([this] { ui_.ShowNote(QStringLiteral("XM016")); }); }
void FrmQiming::Image9Click() { RunHandler([this] { ui_.ShowNote(QStringLiteral("XM017")); }); }

void FrmQiming::Image2Click() {
  RunHandler([this] {
    const bazi::BirthInput input{controls.Xing.text, controls.CBsex.text, controls.SYear.text, controls.SMonth.text,
                                 controls.Sday.text,  controls.Shour.text, controls.CBFen.text,
                                 controls.ComDate.index == 1 ? 1 : 0};
    switch (bazi::WriteBaziReport(input, ui_, folder_, today(), REbazi)) {
      case bazi::BaziOutcome::Written:
        ui_.ShowNoteText(REbazi.join(QLatin1Char('\n')), QString::fromUtf16(bazi::kBaziNoteCaption));
        break;
      case bazi::BaziOutcome::EmptySurname: emit focusRequested(QStringLiteral("Xing")); break;
      case bazi::BaziOutcome::Refused: break;
    }
  });
}

}  // namespace velmora
