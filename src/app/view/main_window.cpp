// MainWindow: see main_window.h.
//
// Positions. The window is 1000 x 682 pixels. The title strip, the toolbar and the pane
// frames are drawn (backdrop.cpp); the input rows stand at y 120 and y 145, the panes at
// (9, 195) and (812, 195). The x positions of the inputs are chosen so that every label,
// box and button fits the 12-pixel font without overlap.
#include "app/view/main_window.h"
#include "app/view/gbk_validator.h"

#include "app/view/backdrop.h"
#include "app/view/hot_area.h"
#include "app/view/memo_pane.h"
#include "app/view/poetry_view.h"
#include "app/view/results_grid.h"
#include "text/gbk.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QStackedWidget>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QValidator>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>
#include <array>
#include <tuple>
#include <utility>

namespace velmora {
namespace {

constexpr int kRow1 = 120;       // first input row
constexpr int kRow2 = 145;       // second input row
constexpr int kInputHeight = 22;
constexpr int kListRowHeight = 15;

QFont FontOf(int pixels, bool bold = false) {
  QFont f;
  f.setFamilies({QStringLiteral("SimSun"), QStringLiteral("WenQuanYi Micro Hei")});
  f.setPixelSize(pixels);
  f.setBold(bold);
  return f;
}

// The two name lists draw every row at the same fixed height.
class FixedRowDelegate : public QStyledItemDelegate {
 public:
  FixedRowDelegate(int height, QObject* parent) : QStyledItemDelegate(parent), height_(height) {}
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(height_);
    return size;
  }

 private:
  int height_;
};


QListWidget* MakeNameList(const char* name, QWidget* parent) {
  auto* list = new QListWidget(parent);
  list->setObjectName(QString::fromLatin1(name));
  list->setFont(FontOf(14, true));
  QPalette palette = list->palette();
  palette.setColor(QPalette::Text, Qt::red);
  list->setPalette(palette);
  list->setItemDelegate(new FixedRowDelegate(kListRowHeight, list));
  list->setUniformItemSizes(true);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  return list;
}

QPushButton* MakeButton(const char* name, const QString& text, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

// Brings a pane up to the form's lines. `shown` mirrors what the pane holds: when it is
// still the beginning of `source`, only the rest is appended; otherwise the pane is
// refilled. `verify` compares every shown line; without it only the last shown line is
// compared, which suffices after an append notice and keeps a long run linear.
template <class Append, class Refill>
void SyncLines(QStringList& shown, const QStringList& source, bool verify, Append append,
               Refill refill) {
  bool prefix = shown.size() <= source.size();
  if (prefix && !shown.isEmpty()) {
    prefix = verify ? std::equal(shown.cbegin(), shown.cend(), source.cbegin())
                    : shown.constLast() == source.at(shown.size() - 1);
  }
  if (!prefix) {
    shown = QStringList(source.cbegin(), source.cend());  // an array of our own
    refill(shown);
    return;
  }
  if (shown.size() == source.size()) return;
  const QStringList added = source.mid(shown.size());
  shown.append(added);
  append(added);
}

void SyncList(QListWidget* list, QStringList& shown, const QStringList& source, bool verify) {
  SyncLines(
      shown, source, verify, [list](const QStringList& added) { list->addItems(added); },
      [list](const QStringList& all) {
        list->clear();
        list->addItems(all);
      });
}

// Shows or hides a widget only when that changes something.
void SetShown(QWidget* widget, bool visible) {
  if (widget->isHidden() == visible) widget->setVisible(visible);
}

}  // namespace

MainWindow::MainWindow(FrmQiming& form, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowSystemMenuHint),
      form_(form) {
  setObjectName(QStringLiteral("FrmQiming"));
  setWindowTitle(QStringLiteral("Velmora"));
  setWindowIcon(backdrop::WindowIcon());
  setFixedSize(backdrop::kWidth, backdrop::kHeight);
  setFont(FontOf(12));
  if (const QScreen* s = screen())
    move(s->availableGeometry().center() - QPoint(backdrop::kWidth / 2, backdrop::kHeight / 2));

  setupToolbar();
  setupInputs();
  setupLeftPane();
  setupRightPane();
  status_ = new StatusStrip(form_, this);
  setupBindings();
  render();
}

MainWindow::~MainWindow() {
  // Children losing the focus while they are destroyed must not reach the form.
  for (const EditBinding& e : edits_) e.edit->removeEventFilter(this);
}

// ---- setup ----

void MainWindow::setupToolbar() {
  auto* title = new HotArea(this, backdrop::kTitleStrip);  // Image3
  title->setObjectName(QStringLiteral("Image3"));
  connect(title, &HotArea::pressed, this, &MainWindow::beginMove);
  connect(title, &HotArea::dragged, this, &MainWindow::dragTo);

  auto* minimize = new HotArea(this, backdrop::kMinimize, backdrop::TitleHover());
  minimize->setObjectName(QStringLiteral("Image4"));
  minimize->setToolTip(QStringLiteral("最小化"));
  connect(minimize, &HotArea::clicked, this, [this] { act([this] { form_.Image4Click(); }); });

  auto* close = new HotArea(this, backdrop::kClose, backdrop::TitleHover());
  close->setObjectName(QStringLiteral("Image5"));
  close->setToolTip(QStringLiteral("关闭"));
  connect(close, &HotArea::clicked, this, [this] { act([this] { form_.Image5Click(); }); });

  for (const backdrop::ToolbarItem& item : backdrop::ToolbarItems()) {
    auto* area = new HotArea(this, backdrop::ToolbarArea(item), backdrop::ToolbarHover());
    area->setObjectName(QString::fromLatin1(item.name));
    area->setCursor(Qt::PointingHandCursor);
    std::function<void()> handler;
    switch (item.tool) {
      case backdrop::Tool::Wuge: handler = [this] { form_.Image8Click(); }; break;
      case backdrop::Tool::Sancai: handler = [this] { form_.Image9Click(); }; break;
      case backdrop::Tool::Fuwu: handler = [this] { form_.Image14Click(); }; break;
      case backdrop::Tool::Ceming: handler = [this] { form_.Image6Click(); }; break;
      case backdrop::Tool::Wuxing: handler = [this] { form_.Image7Click(); }; break;
      case backdrop::Tool::Guanbi: handler = [this] { form_.Image5Click(); }; break;
      case backdrop::Tool::Jiri: handler = [this] { form_.Image11Click(); }; break;
      case backdrop::Tool::Rili: handler = [this] { form_.Image13Click(); }; break;
      case backdrop::Tool::Bazi: handler = [this] { form_.Image2Click(); }; break;
      case backdrop::Tool::Xiaoming: handler = [this] { form_.Image10Click(); }; break;
      case backdrop::Tool::Jiemeng: handler = [this] { form_.Image12Click(); }; break;
    }
    if (handler) connect(area, &HotArea::clicked, this, [this, handler] { act(handler); });
  }
}

QLabel* MainWindow::addLabel(const QString& text, int x, int y, int width) {
  auto* label = new QLabel(text, this);
  label->setGeometry(x, y, width, kInputHeight);
  label->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
  return label;
}

QComboBox* MainWindow::addCombo(const char* name, ComboState& state, int x, int y, int width,
                                bool editable, int visibleRows) {
  auto* box = new QComboBox(this);
  box->setObjectName(QString::fromLatin1(name));
  box->setGeometry(x, y, width, kInputHeight);
  box->setEditable(editable);
  box->setMaxVisibleItems(visibleRows);
  if (editable) box->setInsertPolicy(QComboBox::NoInsert);
  combos_.push_back({box, &state, {}});
  return box;
}

QLineEdit* MainWindow::addEdit(const char* name, EditState& state, int x, int y, int width,
                               std::function<void()> exitHandler) {
  auto* edit = new QLineEdit(this);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setGeometry(x, y, width, kInputHeight);
  edits_.push_back({edit, &state, std::move(exitHandler)});
  return edit;
}

QCheckBox* MainWindow::addCheck(const char* name, CheckState& state, const QString& text, int x,
                                int y, int width) {
  auto* box = new QCheckBox(text, this);
  box->setObjectName(QString::fromLatin1(name));
  box->setGeometry(x, y, width, kInputHeight);
  checks_.push_back({box, &state});
  return box;
}

void MainWindow::setupInputs() {
  NamingControls& c = form_.controls;

  // First row: surname, sex, birth date and hour, name form, stroke plan, the two buttons.
  addLabel(QStringLiteral("姓氏"), 11, kRow1, 26);
  addEdit("Xing", c.Xing, 39, kRow1, 50, [this] { form_.XingExit(); });
  addLabel(QStringLiteral("性别"), 95, kRow1, 26);
  addCombo("CBsex", c.CBsex, 121, kRow1, 44, false, 8);
  addLabel(QStringLiteral("生日"), 171, kRow1, 26);
  addCombo("ComDate", c.ComDate, 197, kRow1, 50, false, 8);
  addCombo("SYear", c.SYear, 251, kRow1, 56, true, 20);
  addLabel(QStringLiteral("年"), 309, kRow1, 14);
  addCombo("SMonth", c.SMonth, 323, kRow1, 42, true, 12);
  addLabel(QStringLiteral("月"), 367, kRow1, 14);
  addCombo("Sday", c.Sday, 381, kRow1, 42, true, 31);
  addLabel(QStringLiteral("日"), 425, kRow1, 14);
  addCombo("Shour", c.Shour, 439, kRow1, 58, true, 24);
  addLabel(QStringLiteral("时"), 499, kRow1, 14);
  addCombo("CBFen", c.CBFen, 513, kRow1, 42, true, 30);
  addLabel(QStringLiteral("分"), 557, kRow1, 14);
  addLabel(QStringLiteral("名字形式"), 577, kRow1, 50);
  addCombo("CBXingshi", c.CBXingshi, 627, kRow1, 62, false, 8);
  addLabel(QStringLiteral("笔画方案"), 695, kRow1, 50);
  // A plan item of a two-character surname ("15-12|24-24(80分)") is the widest text of the
  // row; the list that drops down is wider still.
  QComboBox* plans = addCombo("CBCode", c.CBCode, 745, kRow1, 121, false, 25);
  plans->view()->setMinimumWidth(160);
  startButton_ = MakeButton("RzBitBtn6", QStringLiteral("马上取名"), this);
  startButton_->setGeometry(870, kRow1 - 1, 60, kInputHeight + 2);
  stopButton_ = MakeButton("RzBitBtn7", QStringLiteral("停止取名"), this);
  stopButton_->setGeometry(933, kRow1 - 1, 60, kInputHeight + 2);

  // Second row: fixed character, 用字, score bounds, the seven modes.
  addCombo("CBdijizi", c.CBdijizi, 12, kRow2, 64, false, 8);
  gudingziLabel_ = addLabel(QStringLiteral("固定为"), 78, kRow2, 38);
  QLineEdit* fixed = addEdit("Gudingzi", c.Gudingzi, 116, kRow2, 30, [this] { form_.GudingziExit(); });
  fixed->setValidator(new GbkLengthValidator(2, fixed));
  fixed->setAlignment(Qt::AlignCenter);
  // 用字: the characters a family avoids or wants, in a dialog; the caption tells whether any are set.
  yongziButton_ = MakeButton("BtnYongzi", QStringLiteral("用字…"), this);
  yongziButton_->setGeometry(148, kRow2 - 1, 44, kInputHeight + 2);
  addCheck("CBFeeXX", c.CBFeeXX, QStringLiteral("只取"), 194, kRow2, 49);
  QLineEdit* lowest = addEdit("ZuidiFee", c.ZuidiFee, 243, kRow2, 28, [this] { form_.ZuidiFeeExit(); });
  lowest->setAlignment(Qt::AlignCenter);
  zuidiFeeLabel_ = addLabel(QStringLiteral("分以上名字"), 272, kRow2, 62);
  addCheck("CBInitFee", c.CBInitFee, QStringLiteral("挑选"), 337, kRow2, 49);
  QLineEdit* pick = addEdit("Sorcss", c.Sorcss, 386, kRow2, 28, [this] { form_.SorcssExit(); });
  pick->setAlignment(Qt::AlignCenter);
  sorcssLabel_ = addLabel(QStringLiteral("分以上名字"), 415, kRow2, 62);

  // The mode buttons, 推荐模式 first; each button's id is its NamingMode. Seven buttons of 73
  // pixels (a label's size hint), 74 apart, fill the row from 482 to 998.
  static constexpr std::array<std::tuple<const char*, const char16_t*, NamingMode>, 7> kModes{{
      {"RzRadioButton3", u"推荐模式", NamingMode::Best},
      {"RzRadioButton6", u"经典模式", NamingMode::Classic},
      {"RzRadioButton7", u"列表模式", NamingMode::List},
      {"RzRadioButton9", u"成语模式", NamingMode::Idiom},
      {"RzRadioButton1", u"诗词模式", NamingMode::Poetry},
      {"RzRadioButton8", u"美名模式", NamingMode::Meiming},
      {"RzRadioButton2", u"组合模式", NamingMode::Zuhe},
  }};
  modes_ = new QButtonGroup(this);
  modes_->setExclusive(true);
  for (int i = 0; i < static_cast<int>(kModes.size()); ++i) {
    const auto& [name, label, mode] = kModes[static_cast<std::size_t>(i)];
    auto* radio = new QRadioButton(QString::fromUtf16(label), this);
    radio->setObjectName(QString::fromLatin1(name));
    radio->setGeometry(482 + i * 74, kRow2, 73, kInputHeight);
    modes_->addButton(radio, static_cast<int>(mode));
  }
}

void MainWindow::setupLeftPane() {
  leftPane_ = new QStackedWidget(this);
  leftPane_->setObjectName(QStringLiteral("LeftPane"));
  leftPane_->setGeometry(backdrop::kLeftPane);

  // The order of LeftPane.
  memo_ = new MemoPane(leftPane_);
  memo_->setObjectName(QStringLiteral("MemoSuccess"));
  memo_->setFrameShape(QFrame::NoFrame);
  leftPane_->addWidget(memo_);

  grid_ = new ResultsGrid(form_, leftPane_);
  leftPane_->addWidget(grid_);

  poetryPanel_ = new PoetryPanelView(form_, leftPane_);
  leftPane_->addWidget(poetryPanel_);
}

void MainWindow::setupRightPane() {
  rightPane_ = new QTabWidget(this);
  rightPane_->setObjectName(QStringLiteral("RzPageControl2"));
  rightPane_->setGeometry(backdrop::kRightPane);

  // TabSheet11: the high-score list, a hint and two buttons.
  auto* high = new QWidget;
  high->setObjectName(QStringLiteral("TabSheet11"));
  highList_ = MakeNameList("ListBox1", high);
  auto* hint = new QLabel(QStringLiteral("双击高分列表查看详细分析"), high);
  hint->setAlignment(Qt::AlignCenter);
  QPushButton* add = MakeButton("RzBitBtn24", QStringLiteral("添加到已选"), high);
  QPushButton* copy = MakeButton("BtnFuzhi", QStringLiteral("复制名字"), high);
  connect(add, &QPushButton::clicked, this, [this] { act([this] { form_.RzBitBtn24Click(); }); });
  connect(copy, &QPushButton::clicked, this, [this] { act([this] { form_.BtnFuzhiClick(); }); });
  auto* highButtons = new QHBoxLayout;
  highButtons->setSpacing(3);
  highButtons->addWidget(add);
  highButtons->addWidget(copy);
  auto* highLayout = new QVBoxLayout(high);
  highLayout->setContentsMargins(2, 2, 2, 3);
  highLayout->setSpacing(3);
  highLayout->addWidget(highList_, 1);
  highLayout->addWidget(hint);
  highLayout->addLayout(highButtons);
  rightPane_->addTab(high, form_.TabSheet11Caption);

  // TabSheet12: the chosen names and two buttons.
  auto* chosen = new QWidget;
  chosen->setObjectName(QStringLiteral("TabSheet12"));
  chosenList_ = MakeNameList("ListBox2", chosen);
  QPushButton* clear = MakeButton("RzBitBtn30", QStringLiteral("清空已选"), chosen);
  QPushButton* copyChosen = MakeButton("RzBitBtn29", QStringLiteral("复制已选"), chosen);
  connect(clear, &QPushButton::clicked, this, [this] { act([this] { form_.RzBitBtn30Click(); }); });
  connect(copyChosen, &QPushButton::clicked, this, [this] { act([this] { form_.RzBitBtn29Click(); }); });
  // The selection and the double clicks of both lists reach the form.
  connect(highList_, &QListWidget::currentRowChanged, this, [this](int row) { act([this, row] { form_.ListBox1Index = row; form_.ListBox1Click(); }); });
  connect(chosenList_, &QListWidget::currentRowChanged, this, [this](int row) { act([this, row] { form_.ListBox2Index = row; form_.ListBox2Click(); }); });
  connect(highList_, &QListWidget::itemDoubleClicked, this, [this] { act([this] { form_.ListBox1DblClick(); }); });
  connect(chosenList_, &QListWidget::itemDoubleClicked, this, [this] { act([this] { form_.ListBox2DblClick(); }); });
  auto* chosenButtons = new QHBoxLayout;
  chosenButtons->setSpacing(3);
  chosenButtons->addWidget(clear);
  chosenButtons->addWidget(copyChosen);
  auto* chosenLayout = new QVBoxLayout(chosen);
  chosenLayout->setContentsMargins(2, 2, 2, 3);
  chosenLayout->setSpacing(3);
  chosenLayout->addWidget(chosenList_, 1);
  chosenLayout->addLayout(chosenButtons);
  rightPane_->addTab(chosen, QStringLiteral("已选名字"));
}

void MainWindow::setupBindings() {
  for (ComboBinding& b : combos_) {
    QComboBox* box = b.box;
    ComboState* state = b.state;
    std::function<void()> click;
    if (state == &form_.controls.CBsex) click = [this] { form_.CBsexClick(); };
    if (state == &form_.controls.CBXingshi) click = [this] { form_.CBXingshiClick(); };
    if (state == &form_.controls.CBdijizi) click = [this] { form_.CBdijiziClick(); };
    connect(box, &QComboBox::activated, this, [this, state, click](int index) {
      act([state, click, index] {
        state->Select(index);
        if (click) click();
      });
    });
    if (box->isEditable()) {
      // Typed text is handed on exactly as it stands.
      connect(box, &QComboBox::editTextChanged, this, [this, state](const QString& text) {
        act([state, text] {
          state->text = text;
          state->index = static_cast<int>(state->items.indexOf(text));
        });
      });
    }
  }

  for (EditBinding& b : edits_) {
    EditState* state = b.state;
    connect(b.edit, &QLineEdit::textEdited, this,
            [this, state](const QString& text) { act([state, text] { state->text = text; }); });
    b.edit->installEventFilter(this);
  }

  for (CheckBinding& b : checks_) {
    CheckState* state = b.state;
    const bool reloads = state == &form_.controls.CBFeeXX;
    connect(b.box, &QCheckBox::clicked, this, [this, state, reloads](bool checked) {
      act([this, state, reloads, checked] {
        state->checked = checked;
        if (reloads) form_.CBFeeXXClick();
      });
    });
  }

  connect(modes_, &QButtonGroup::idClicked, this, [this](int id) {
    act([this, id] { form_.ModeClick(static_cast<NamingMode>(id)); });
  });
  connect(startButton_, &QPushButton::clicked, this, [this] { act([this] { form_.RzBitBtn6Click(); }); });
  connect(yongziButton_, &QPushButton::clicked, this, [this] { act([this] { form_.BtnYongziClick(); }); });
  connect(stopButton_, &QPushButton::clicked, this, [this] { act([this] { form_.RzBitBtn7Click(); }); });
  connect(rightPane_, &QTabWidget::currentChanged, this,
          [this](int index) { act([this, index] { form_.rightPageIndex = index; }); });

  connect(&form_, &FrmQiming::changed, this, &MainWindow::render);
  connect(&form_, &FrmQiming::namesAppended, this, [this](int, int) { syncNames(false); });
  connect(&form_, &FrmQiming::focusRequested, this, [this](const QString& control) {
    if (auto* target = findChild<QWidget*>(control)) target->setFocus(Qt::OtherFocusReason);
  });
}

// ---- events ----

void MainWindow::act(const std::function<void()>& handler) {
  if (rendering_) return;  // the widget only followed the form
  handler();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut) {
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    // A menu or another window taking the focus does not leave the field.
    if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
      for (const EditBinding& b : edits_) {
        if (b.edit != watched) continue;
        act([&b] {
          b.state->text = b.edit->text();
          if (b.exitHandler) b.exitHandler();
        });
        break;
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}

void MainWindow::paintEvent(QPaintEvent* /*event*/) {
  QPainter p(this);
  backdrop::Paint(p);
}

void MainWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (shownOnce_) return;
  shownOnce_ = true;
  form_.FormShow();
  render();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  form_.CloseProgram();  // FormCloseQuery: ends the process in the program
  event->accept();
}

void MainWindow::beginMove(QPoint globalPos) {
  // Image3MouseDown: the system moves the window as it does by a caption bar; where the
  // platform cannot, the window follows the mouse itself.
  QWindow* handle = windowHandle();
  manualDrag_ = !(handle && handle->startSystemMove());
  dragOffset_ = globalPos - frameGeometry().topLeft();
}

void MainWindow::dragTo(QPoint globalPos) {
  if (manualDrag_) move(globalPos - dragOffset_);
}

// ---- rendering ----

void MainWindow::renderCombo(ComboBinding& b) {
  const ComboState& s = *b.state;
  if (b.shownItems != s.items) {
    b.box->clear();
    b.box->addItems(s.items);
    b.shownItems = s.items;
  }
  if (b.box->currentIndex() != s.index) b.box->setCurrentIndex(s.index);
  if (b.box->isEditable() && b.box->currentText() != s.text) b.box->setEditText(s.text);
  b.box->setEnabled(s.enabled);
  SetShown(b.box, s.visible);
}

void MainWindow::syncNames(bool verifyShown) {
  SyncLines(
      shownMemo_, form_.MemoSuccess, verifyShown,
      [this](const QStringList& added) { memo_->AppendLines(added); },
      [this](const QStringList& all) { memo_->SetLines(all); });
  SyncList(highList_, shownHigh_, form_.ListBox1, verifyShown);
  SyncList(chosenList_, shownChosen_, form_.ListBox2, verifyShown);
}

void MainWindow::render() {
  const QScopedValueRollback guard(rendering_, true);
  const NamingControls& c = form_.controls;

  for (ComboBinding& b : combos_) renderCombo(b);
  for (const EditBinding& b : edits_) {
    if (b.edit->text() != b.state->text) b.edit->setText(b.state->text);
    b.edit->setEnabled(b.state->enabled);
    SetShown(b.edit, b.state->visible);
  }
  for (const CheckBinding& b : checks_) {
    b.box->setChecked(b.state->checked);
    b.box->setEnabled(b.state->enabled);
    SetShown(b.box, b.state->visible);
  }
  SetShown(gudingziLabel_, c.Gudingzi.visible);
  SetShown(zuidiFeeLabel_, c.ZuidiFee.visible);
  SetShown(sorcssLabel_, c.Sorcss.visible);
  const QString wishes = form_.wishes.Summary();
  yongziButton_->setText(wishes.isEmpty() ? QStringLiteral("用字…") : QStringLiteral("用字✓"));
  yongziButton_->setToolTip(wishes.isEmpty() ? QStringLiteral("不要的字 / 想要的字：未设置") : wishes);

  if (QAbstractButton* mode = modes_->button(static_cast<int>(form_.mode)))
    mode->setChecked(true);
  stopButton_->setText(form_.RzBitBtn7Caption);
  stopButton_->setEnabled(form_.RzBitBtn7Enabled);

  leftPane_->setCurrentIndex(static_cast<int>(form_.leftPane));
  status_->Refresh();
  rightPane_->setTabText(0, form_.TabSheet11Caption);
  rightPane_->setCurrentIndex(form_.rightPageIndex);

  syncNames(true);
}

}  // namespace velmora
