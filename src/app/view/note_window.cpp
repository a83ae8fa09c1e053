// NoteWindow: see note_window.h.
//
// Size. 700 x 560 shows a birth-chart report's widest rows (76 byte cells) without
// wrapping at the default 12 pixels, and the window can be resized. Each new window opens
// a little below and right of the previous one.
#include "app/view/note_window.h"

#include "app/view/cell_text_edit.h"
#include "app/view/pictures.h"
#include "app/view/qt_note_ui.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QPointer>
#include <QScopedValueRollback>
#include <QScreen>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace velmora {
namespace {

constexpr int kWidth = 700;
constexpr int kHeight = 560;
constexpr int kToolbarHeight = 33;
constexpr int kButtonSize = 30;
constexpr int kCascade = 24;

QPointer<NoteWindow>& LatestWindow() {
  static QPointer<NoteWindow> latest;
  return latest;
}

}  // namespace

NoteWindow::NoteWindow(QWidget* parent)
    : QWidget(parent, Qt::Window),
      ui_(std::make_unique<QtNoteUi>()),
      form_(std::make_unique<tools::TFrmNote>(*ui_)) {
  setObjectName(QStringLiteral("FrmNote"));
  setAttribute(Qt::WA_DeleteOnClose);
  static_cast<QtNoteUi*>(ui_.get())->SetWindow(this);
  resize(kWidth, kHeight);

  auto* toolbar = new QFrame(this);
  toolbar->setObjectName(QStringLiteral("RzPanel1"));
  toolbar->setFixedHeight(kToolbarHeight);
  toolbar->setFrameShape(QFrame::StyledPanel);
  toolbar->setAutoFillBackground(true);
  QPalette palette = toolbar->palette();
  palette.setColor(QPalette::Window, QColor(0xe6, 0xec, 0xf5));
  toolbar->setPalette(palette);
  auto* buttons = new QHBoxLayout(toolbar);
  buttons->setContentsMargins(4, 1, 4, 1);
  buttons->setSpacing(2);
  const struct {
    const char* name;
    const char16_t* caption;  // the hidden RzBitBtn's caption, shown as the hint
    Picture picture;
    void (tools::TFrmNote::*handler)();
  } pictures[] = {
      {"Image1", u"打印", Picture::Print, &tools::TFrmNote::RzBitBtn1Click},
      {"Image3", u"设置..", Picture::Settings, &tools::TFrmNote::RzBitBtn2Click},
      {"Image7", u"关闭", Picture::Exit, &tools::TFrmNote::RzBitBtn3Click},
  };
  for (const auto& p : pictures) {
    auto* button = new QToolButton(toolbar);
    button->setObjectName(QString::fromLatin1(p.name));
    button->setToolTip(QString::fromUtf16(p.caption));
    button->setIcon(DrawPicture(p.picture));
    button->setIconSize(QSize(kButtonSize - 6, kButtonSize - 6));
    button->setFixedSize(kButtonSize, kButtonSize);
    button->setAutoRaise(true);
    button->setCursor(Qt::PointingHandCursor);
    button->setFocusPolicy(Qt::NoFocus);
    const auto handler = p.handler;
    connect(button, &QToolButton::clicked, this, [this, handler] { act(handler); });
    buttons->addWidget(button);
  }
  buttons->addStretch();

  memo_ = new CellTextEdit(this);
  memo_->setObjectName(QStringLiteral("RzMemo1"));
  memo_->setReadOnly(false);  // the reader may mark up or shorten what he prints
  memo_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  memo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(toolbar);
  layout->addWidget(memo_);
}

NoteWindow::~NoteWindow() = default;

void NoteWindow::collect() {
  const QString text = memo_->toPlainText();
  if (text != shownLines_.join(QLatin1Char('\n'))) form_->RzMemo1 = text.split(QLatin1Char('\n'));
}

void NoteWindow::act(void (tools::TFrmNote::*handler)()) {
  collect();
  (form_.get()->*handler)();
  if (isVisible()) render();
}

void NoteWindow::render() {
  setWindowTitle(form_->Caption);
  if (shownPixelSize_ != form_->pixelSize) {
    shownPixelSize_ = form_->pixelSize;
    memo_->SetPixelSize(shownPixelSize_);
  }
  if (shownLines_ != form_->RzMemo1) {
    shownLines_ = form_->RzMemo1;
    memo_->SetLines(shownLines_);
    memo_->verticalScrollBar()->setValue(0);
  }
}

void NoteWindow::showOpened() {
  render();
  QPointer<NoteWindow>& latest = LatestWindow();
  if (latest) {
    move(latest->pos() + QPoint(kCascade, kCascade));
  } else if (const QScreen* s = screen()) {
    move(s->availableGeometry().center() - QPoint(kWidth / 2, kHeight / 2));
  }
  latest = this;
  show();
  raise();
  activateWindow();
}

NoteWindow* NoteWindow::ShowNote(const QString& code, const QString& folder, QWidget* parent) {
  std::unique_ptr<NoteWindow> window(new NoteWindow(parent));
  window->form_->OpenNote(code, folder);  // a SilentStop here leaves no window behind
  window->showOpened();
  return window.release();
}

NoteWindow* NoteWindow::ShowNoteText(const QString& text, const QString& caption, QWidget* parent) {
  auto* window = new NoteWindow(parent);
  window->form_->OpenText(text, caption);
  window->showOpened();
  return window;
}

NoteWindow* NoteWindow::Latest() { return LatestWindow().data(); }

}  // namespace velmora
