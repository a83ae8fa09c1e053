// AnalysisWindow: see analysis_window.h.
//
// Positions. The window is 675 x 502 pixels. The header panel takes the top 104 pixels:
// the names row at y 12, the hint at y 44 and the birth row at y 72 on the left, the four
// picture buttons (60 x 60) in the top right corner above the end of the birth row. Each
// label is as wide as its text in the window's font, so a fallback font with other widths
// moves the boxes instead of cutting the labels. The report pane fills the rest.
#include "app/view/analysis_window.h"
#include "app/view/gbk_validator.h"
#include "app/view/pictures.h"

#include "text/gbk.h"

#include <QComboBox>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QToolButton>
#include <QValidator>

#include <array>

namespace velmora {
namespace {

constexpr int kWidth = 675;
constexpr int kHeight = 502;
constexpr int kHeaderHeight = 104;
constexpr int kRowNames = 12;
constexpr int kRowHint = 44;
constexpr int kRowBirth = 72;
constexpr int kInputHeight = 22;
constexpr int kLeft = 12;
constexpr int kPictureSize = 60;
constexpr int kPictureGap = 4;
constexpr int kIconSize = kPictureIconSize;
constexpr int kNameBytes = 4;


QFont WindowFont() {
  QFont f;
  f.setFamilies({QStringLiteral("SimSun"), QStringLiteral("WenQuanYi Micro Hei")});
  f.setPointSize(9);
  return f;
}

// A label as wide as its text at (x, y); returns the x after it.
int AddLabel(QWidget* parent, const QString& text, int x, int y) {
  auto* label = new QLabel(text, parent);
  const int width = label->fontMetrics().horizontalAdvance(text) + 2;
  label->setGeometry(x, y, width, kInputHeight);
  return x + width + 2;
}

}  // namespace

AnalysisWindow::AnalysisWindow(naming::TFrmmain& form, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      form_(form) {
  setObjectName(QStringLiteral("Frmmain"));
  setWindowTitle(QStringLiteral("姓名分析"));
  setFont(WindowFont());
  setFixedSize(kWidth, kHeight);
  if (const QScreen* s = screen())
    move(s->availableGeometry().center() - QPoint(kWidth / 2, kHeight / 2));

  // The header: a soft gradient with a rule at its foot.
  header_ = new QFrame(this);
  header_->setObjectName(QStringLiteral("RzPanel1"));
  header_->setGeometry(0, 0, kWidth, kHeaderHeight);
  {
    QLinearGradient g(0, 0, 0, kHeaderHeight);
    g.setColorAt(0, QColor(0xf4, 0xf7, 0xfc));
    g.setColorAt(1, QColor(0xdc, 0xe5, 0xf2));
    QPalette palette = header_->palette();
    palette.setBrush(QPalette::Window, g);
    header_->setPalette(palette);
    header_->setAutoFillBackground(true);
  }
  auto* rule = new QFrame(header_);
  rule->setFrameShape(QFrame::HLine);
  rule->setFrameShadow(QFrame::Sunken);
  rule->setGeometry(0, kHeaderHeight - 2, kWidth, 2);

  // The names row.
  int x = kLeft;
  x = AddLabel(header_, QStringLiteral("姓"), x, kRowNames);
  QLineEdit* nameA = addEdit("NameA", form_.NameA, x, kRowNames, 64);
  x += 64 + 12;
  x = AddLabel(header_, QStringLiteral("名"), x, kRowNames);
  addEdit("NameB", form_.NameB, x, kRowNames, 64);
  x += 64 + 12;
  x = AddLabel(header_, QStringLiteral("姓别"), x, kRowNames);
  addCombo("Sex", form_.Sex, x, kRowNames, 52, true);

  // The hint.
  auto* hint = new QLabel(QStringLiteral("请填写姓名和生日信息，最后点姓名分析测算！"), header_);
  hint->setObjectName(QStringLiteral("RzLabel1"));
  {
    QPalette palette = hint->palette();
    palette.setColor(QPalette::WindowText, QColor(0xb0, 0x2a, 0x20));
    hint->setPalette(palette);
  }
  hint->setGeometry(kLeft, kRowHint, 400, 18);

  // The birth row: the calendar, then each box followed by its unit.
  x = kLeft;
  x = AddLabel(header_, QStringLiteral("生日(公历) "), x, kRowBirth);
  addCombo("ComDate", form_.ComDate, x, kRowBirth, 56, false);
  x += 56 + 6;
  struct Unit {
    const char* name;
    naming::ComboBox* state;
    int width;
    const char16_t* label;
  };
  const std::array<Unit, 5> units{{
      {"SYear", &form_.SYear, 60, u"年"},
      {"SMonth", &form_.SMonth, 46, u"月"},
      {"Sday", &form_.Sday, 46, u"日"},
      {"Shour", &form_.Shour, 72, u"时"},
      {"RzComboBox8", &form_.RzComboBox8, 50, u"分"},
  }};
  for (const Unit& u : units) {
    addCombo(u.name, *u.state, x, kRowBirth, u.width, true);
    x += u.width + 2;
    x = AddLabel(header_, QString::fromUtf16(u.label), x, kRowBirth) + 4;
  }

  // The four picture buttons.
  addPictureButton("Image1", QStringLiteral("姓名分析"), 0, &naming::TFrmmain::RzButton1Click);
  addPictureButton("Image2", QStringLiteral("打印"), 1, &naming::TFrmmain::RzBitBtnprintClick);
  addPictureButton("Image3", QStringLiteral("保存"), 2, &naming::TFrmmain::dxBarButton2Click);
  addPictureButton("Image4", QStringLiteral("退出"), 3, &naming::TFrmmain::Image4Click);

  // The report pane.
  memo_ = new QPlainTextEdit(this);
  memo_->setObjectName(QStringLiteral("RzMemo1"));
  memo_->setReadOnly(true);
  memo_->setUndoRedoEnabled(false);
  memo_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  memo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memo_->setGeometry(4, kHeaderHeight + 2, kWidth - 8, kHeight - kHeaderHeight - 6);

  setTabOrder(nameA, findChild<QLineEdit*>(QStringLiteral("NameB")));
  render();
}

QLineEdit* AnalysisWindow::addEdit(const char* name, naming::EditBox& state, int x, int y, int width) {
  auto* edit = new QLineEdit(header_);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setGeometry(x, y, width, kInputHeight);
  edit->setValidator(new GbkLengthValidator(kNameBytes, edit));
  edits_.push_back({edit, &state});
  naming::EditBox* s = &state;
  connect(edit, &QLineEdit::textEdited, this,
          [this, s](const QString& text) { act([s, text] { s->text = text; }); });
  return edit;
}

QComboBox* AnalysisWindow::addCombo(const char* name, naming::ComboBox& state, int x, int y, int width,
                                    bool editable) {
  auto* box = new QComboBox(header_);
  box->setObjectName(QString::fromLatin1(name));
  box->setEditable(editable);
  box->setInsertPolicy(QComboBox::NoInsert);
  box->setMaxVisibleItems(16);
  box->setGeometry(x, y, width, kInputHeight);
  box->addItems(state.items);
  combos_.push_back({box, &state});
  naming::ComboBox* s = &state;
  connect(box, &QComboBox::activated, this, [this, s](int index) {
    act([s, index] {
      s->index = index;
      s->text = index >= 0 && index < s->items.size() ? s->items[index] : QString();
    });
  });
  if (editable) {
    // Typed text is handed on exactly as it stands.
    connect(box, &QComboBox::editTextChanged, this, [this, s](const QString& text) {
      act([s, text] {
        s->text = text;
        s->index = static_cast<int>(s->items.indexOf(text));
      });
    });
  }
  return box;
}

QToolButton* AnalysisWindow::addPictureButton(const char* name, const QString& caption, int index,
                                              void (naming::TFrmmain::*handler)()) {
  static constexpr std::array<Picture, 4> kPictures{Picture::Analyse, Picture::Print, Picture::Save,
                                                    Picture::Exit};
  auto* button = new QToolButton(header_);
  button->setObjectName(QString::fromLatin1(name));
  button->setText(caption);
  button->setToolTip(caption);
  button->setIcon(DrawPicture(kPictures.at(static_cast<std::size_t>(index))));
  button->setIconSize(QSize(kIconSize, kIconSize));
  button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  button->setAutoRaise(true);
  button->setCursor(Qt::PointingHandCursor);
  button->setFocusPolicy(Qt::NoFocus);  // a picture takes no focus
  const int right = kWidth - 8;
  const int x = right - (4 - index) * kPictureSize - (3 - index) * kPictureGap;
  button->setGeometry(x, 6, kPictureSize, kPictureSize);
  connect(button, &QToolButton::clicked, this, [this, handler] {
    act([this, handler] {
      collect();
      (form_.*handler)();
    });
  });
  return button;
}

void AnalysisWindow::collect() {
  for (const EditBinding& b : edits_) b.state->text = b.edit->text();
  for (const ComboBinding& b : combos_) {
    if (b.box->isEditable()) {
      b.state->text = b.box->currentText();
      b.state->index = static_cast<int>(b.state->items.indexOf(b.state->text));
    } else {
      b.state->index = b.box->currentIndex();
      b.state->text = b.box->currentText();
    }
  }
}

void AnalysisWindow::act(const std::function<void()>& handler) {
  if (rendering_) return;  // the widget only followed the form
  handler();
  render();
}

void AnalysisWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (shownOnce_) return;
  shownOnce_ = true;
  form_.FormShow();
  render();
  if (auto* nameA = findChild<QLineEdit*>(QStringLiteral("NameA"))) nameA->setFocus(Qt::OtherFocusReason);
}

void AnalysisWindow::render() {
  const QScopedValueRollback guard(rendering_, true);
  for (const EditBinding& b : edits_) {
    if (b.edit->text() != b.state->text) b.edit->setText(b.state->text);
  }
  for (const ComboBinding& b : combos_) {
    const naming::ComboBox& s = *b.state;
    if (b.box->currentIndex() != s.index) b.box->setCurrentIndex(s.index);
    if (b.box->isEditable() && b.box->currentText() != s.text) b.box->setEditText(s.text);
  }

  // The pane: refilled when its lines changed, then its first shown line is the form's.
  // A reader's own scrolling is kept while neither changes.
  bool refilled = false;
  if (shownMemo_ != form_.RzMemo1) {
    shownMemo_ = QStringList(form_.RzMemo1.cbegin(), form_.RzMemo1.cend());
    memo_->setPlainText(shownMemo_.join(QLatin1Char('\n')));
    refilled = true;
  }
  if (!refilled && shownTop_ == form_.topLine) return;
  shownTop_ = form_.topLine;
  QScrollBar* bar = memo_->verticalScrollBar();
  const QTextBlock top = memo_->document()->findBlockByNumber(form_.topLine);
  if (form_.topLine <= 0 || !top.isValid()) {
    bar->setValue(0);
    memo_->moveCursor(QTextCursor::Start);
  } else {
    // From the end upwards, the block the caret is put on becomes the first line shown.
    bar->setValue(bar->maximum());
    memo_->setTextCursor(QTextCursor(top));
    memo_->ensureCursorVisible();
  }
  memo_->horizontalScrollBar()->setValue(0);
}

}  // namespace velmora
