// DateWindow: see date_window.h.
//
// Positions and looks. The client area is 313 x 274 pixels on white, framed. The year and
// the month stand above the grid as links, and again as large pale numerals behind it;
// weekday headers run above (Sunday and Saturday in red) and below the grid; the zodiac pair
// and the star sign of the chosen day stand pale at the bottom right. The faces 隶书, 黑体 and
// Arial Black are asked for first; where a system lacks them, the nearest installed faces
// stand in (a bold sans for Arial Black, a hei face for 黑体 and 隶书), at the same pixel
// sizes, so the layout holds. Z-order follows creation: the numerals, then the highlight,
// then the labels, the grid last.
#include "app/view/date_window.h"

#include "calendar/cal_festivals.h"
#include "calendar/vocabulary.h"

#include <QEvent>
#include <QFontInfo>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QToolButton>

namespace velmora {

// A label that reports a mouse press and a click (press and release on it).
class ClickLabel : public QLabel {
  Q_OBJECT

 public:
  using QLabel::QLabel;

 signals:
  void pressed();
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton) emit pressed();
  }
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
  }
};

// An up-down: two arrow buttons stacked in 16 x 24 pixels.
class UpDownButtons : public QWidget {
  Q_OBJECT

 public:
  explicit UpDownButtons(QWidget* parent) : QWidget(parent) {
    for (auto* b : {&up_, &down_}) {
      *b = new QToolButton(this);
      (*b)->setArrowType(b == &up_ ? Qt::UpArrow : Qt::DownArrow);
      (*b)->setAutoRepeat(true);
      (*b)->setFocusPolicy(Qt::NoFocus);
    }
    up_->setObjectName(QStringLiteral("up"));
    down_->setObjectName(QStringLiteral("down"));
    connect(up_, &QToolButton::clicked, this, [this] { emit stepped(calendar::TFRM_Date::Step::Up); });
    connect(down_, &QToolButton::clicked, this, [this] { emit stepped(calendar::TFRM_Date::Step::Down); });
  }

 signals:
  void stepped(calendar::TFRM_Date::Step step);

 protected:
  void resizeEvent(QResizeEvent*) override {
    up_->setGeometry(0, 0, width(), height() / 2);
    down_->setGeometry(0, height() / 2, width(), height() - height() / 2);
  }

 private:
  QToolButton* up_ = nullptr;
  QToolButton* down_ = nullptr;
};

namespace {

constexpr int kWidth = 313;
constexpr int kHeight = 274;
constexpr int kDayNumberPixels = 15;  // 11 points
const QColor kWindowColor(255, 255, 255);

QColor Color(calendar::Rgb rgb) { return QColor::fromRgb(static_cast<QRgb>(rgb)); }

// A face by its wished families, the last of which is installed here.
QFont Face(QStringList families, int pixels, bool bold, QFont::Weight weight = QFont::Bold) {
  QFont f;
  f.setFamilies(families);
  f.setPixelSize(pixels);
  if (bold) f.setWeight(weight);
  return f;
}
QFont Songti(int pixels, bool bold = false) {
  return Face({QStringLiteral("SimSun"), QStringLiteral("宋体"), QStringLiteral("WenQuanYi Micro Hei")}, pixels, bold);
}
QFont ArialBlack(int pixels) {
  QFont f = Face({QStringLiteral("Arial Black"), QStringLiteral("DejaVu Sans")}, pixels, true, QFont::Black);
  // The stand-in is wider than Arial Black; condensing it keeps four digits in the year's box.
  if (!QFontInfo(f).family().contains(QStringLiteral("Arial"))) f.setStretch(QFont::SemiCondensed);
  return f;
}

void SetLook(QLabel* label, const QFont& font, const QColor& color, Qt::Alignment align = Qt::AlignCenter) {
  label->setFont(font);
  QPalette p = label->palette();
  p.setColor(QPalette::WindowText, color);
  label->setPalette(p);
  label->setAlignment(align);
  label->setAttribute(Qt::WA_TranslucentBackground);
}

template <class Label = QLabel>
Label* AddLabel(QWidget* parent, const char* name, const QRect& place, const QString& text = QString()) {
  auto* label = new Label(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(place);
  return label;
}

}  // namespace

DateWindow::DateWindow(QWidget* parent, std::function<QDate()> today)
    : QDialog(parent), form_(std::move(today)) {
  setWindowTitle(QStringLiteral("万年历"));
  setFixedSize(kWidth, kHeight);
  setFont(Songti(12));
  QPalette p = palette();
  p.setColor(QPalette::Window, kWindowColor);
  setPalette(p);
  setAutoFillBackground(true);
  form_.closeWindow = [this] { close(); };
  form_.FormCreate();
  setupHeader();
  setupGrid();
}

void DateWindow::setupHeader() {
  auto* shape1 = new QFrame(this);  // Shape1
  shape1->setObjectName(QStringLiteral("Shape1"));
  shape1->setFrameShape(QFrame::Box);
  shape1->setGeometry(0, 0, kWidth, kHeight);
  AddLabel(this, "Image1", QRect(9, 56, 297, 191));

  label20_ = AddLabel(this, "Label20", QRect(0, 56, 313, 72));
  SetLook(label20_, ArialBlack(64), QColor(255, 232, 221));
  label16_ = AddLabel(this, "Label16", QRect(0, 98, 313, 134));
  SetLook(label16_, ArialBlack(120), QColor(235, 235, 235));

  // The separator lines sit in the bare rows between the texts, moved the fewest pixels
  // from their first places (46 and 240), which crossed the upper weekday headers (ink in
  // rows 40..51) and a sixth row's lunar text and highlight (rows down to 246): the upper
  // line 6 pixels down, under the headers and above the day numbers (ink from row 57);
  // the lower one 7 pixels down, above the lower headers (ink from row 253).
  for (const auto& [name, y] : {std::pair{"Bevel2", 52}, std::pair{"Bevel1", 247}}) {
    auto* bevel = new QFrame(this);  // a line along the top of a 297 x 10 bevel
    bevel->setObjectName(QString::fromLatin1(name));
    bevel->setFrameShape(QFrame::HLine);
    bevel->setFrameShadow(QFrame::Sunken);
    bevel->setGeometry(9, y, 297, 2);
  }

  shape2_ = new QWidget(this);
  shape2_->setObjectName(QStringLiteral("Shape2"));
  shape2_->setAutoFillBackground(true);
  QPalette sp = shape2_->palette();
  sp.setColor(QPalette::Window, QColor(126, 226, 129));
  shape2_->setPalette(sp);
  shape2_->resize(38, 30);

  auto* label1 = AddLabel<ClickLabel>(this, "Label1", QRect(120, 0, 76, 41));
  SetLook(label1, ArialBlack(29), Qt::blue);
  label1->setCursor(Qt::PointingHandCursor);
  label1->setToolTip(QStringLiteral("单击改变年份"));
  connect(label1, &ClickLabel::clicked, this, [this] { act([this] { form_.Label1Click(); }); });
  label1_ = label1;

  auto* label17 = AddLabel<ClickLabel>(this, "Label17", QRect(10, 3, 36, 37));
  SetLook(label17, Face({QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")}, 32, true), QColor(128, 128, 192));
  label17->setCursor(Qt::PointingHandCursor);
  label17->setToolTip(QStringLiteral("单击改变月份"));
  connect(label17, &ClickLabel::clicked, this, [this] { act([this] { form_.Label17Click(); }); });
  label17_ = label17;

  SetLook(AddLabel(this, "Label18", QRect(45, 20, 16, 16), QStringLiteral("月")), Songti(14, true), Qt::black, Qt::AlignLeft);
  SetLook(AddLabel(this, "Label19", QRect(205, 17, 16, 16), QStringLiteral("年")), Songti(14, true), Qt::black, Qt::AlignLeft);

  // The weekday headers above the grid (Label2..Label8) and below it (Label9..Label15).
  for (int c = 0; c < 7; ++c) {
    const QString name = calendar::NameText(calendar::WeekdayNames[static_cast<std::size_t>(c)]);
    const bool weekend = c == 0 || c == 6;
    auto* upper = AddLabel<ClickLabel>(this, "", QRect(19 + 40 * c, 40, 36, 12), name);
    upper->setObjectName(QStringLiteral("Label%1").arg(2 + c));
    SetLook(upper, Songti(12), weekend ? Qt::red : Qt::black, Qt::AlignLeft | Qt::AlignVCenter);
    connect(upper, &ClickLabel::clicked, this, [this] { act([this] { form_.Label5Click(); }); });
    auto* lower = AddLabel(this, "", QRect(20 + 40 * c, 253, 36, 12), name);
    lower->setObjectName(QStringLiteral("Label%1").arg(9 + c));
    SetLook(lower, Songti(12), Qt::black, Qt::AlignLeft | Qt::AlignVCenter);
  }

  label21_ = AddLabel(this, "Label21", QRect(230, 212, 78, 35));
  SetLook(label21_, Face({QStringLiteral("LiSu"), QStringLiteral("隶书"), QStringLiteral("WenQuanYi Micro Hei")}, 35, true),
          QColor(221, 221, 255));
  label22_ = AddLabel(this, "Label22", QRect(152, 223, 69, 23));
  SetLook(label22_, Face({QStringLiteral("SimHei"), QStringLiteral("黑体"), QStringLiteral("WenQuanYi Micro Hei")}, 19, true),
          QColor(255, 128, 255));

  upDown1_ = new UpDownButtons(this);
  upDown1_->setObjectName(QStringLiteral("UpDown1"));
  upDown1_->setGeometry(221, 10, 16, 24);
  connect(upDown1_, &UpDownButtons::stepped, this, [this](auto step) { act([this, step] { form_.UpDown1Click(step); }); });
  upDown2_ = new UpDownButtons(this);
  upDown2_->setObjectName(QStringLiteral("UpDown2"));
  upDown2_->setGeometry(61, 10, 16, 24);
  connect(upDown2_, &UpDownButtons::stepped, this, [this](auto step) { act([this, step] { form_.UpDown2Click(step); }); });

  auto* today = AddLabel<ClickLabel>(this, "StaticText1", QRect(272, 17, 28, 16), QStringLiteral("今天"));
  today->setFrameShape(QFrame::Box);
  today->setAlignment(Qt::AlignCenter);
  today->setAutoFillBackground(true);
  QPalette tp = today->palette();
  tp.setColor(QPalette::Window, QColor(206, 242, 208));
  today->setPalette(tp);
  today->setCursor(Qt::PointingHandCursor);
  connect(today, &ClickLabel::clicked, this, [this] { act([this] { form_.StaticText1Click(); }); });
}

void DateWindow::setupGrid() {
  const QFont number = ArialBlack(kDayNumberPixels);
  const QFont lunar = Songti(12);
  for (int i = 1; i <= calendar::TFRM_Date::kCells; ++i) {
    const auto& d = form_.DayLabels[static_cast<std::size_t>(i)];
    const auto& l = form_.LunarLabels[static_cast<std::size_t>(i)];
    auto* day = AddLabel<ClickLabel>(this, "", QRect(d.left, d.top, 36, 16));
    day->setObjectName(QStringLiteral("DayLabel%1").arg(i));
    SetLook(day, number, Qt::black);
    auto* text = AddLabel<ClickLabel>(this, "", QRect(l.left, l.top, 36, 12));
    text->setObjectName(QStringLiteral("LunarLabel%1").arg(i));
    SetLook(text, lunar, Qt::black);
    connect(day, &ClickLabel::pressed, this, [this, i] { act([this, i] { form_.CnDayMouseDown(i); }); });
    connect(day, &ClickLabel::clicked, this, [this, i] { act([this, i] { form_.CnDayClick(i); }); });
    connect(text, &ClickLabel::pressed, this, [this, i] { act([this, i] { form_.ChnDateMouseDown(i); }); });
    connect(text, &ClickLabel::clicked, this, [this, i] { act([this, i] { form_.CHnDayClick(i); }); });
    dayLabels_[static_cast<std::size_t>(i)] = day;
    lunarLabels_[static_cast<std::size_t>(i)] = text;
  }
}

void DateWindow::act(const std::function<void()>& handler) {
  handler();
  render();
}

void DateWindow::render() {
  label1_->setText(form_.Label1);
  label20_->setText(form_.Label20);
  label17_->setText(form_.Label17);
  label16_->setText(form_.Label16);
  label21_->setText(form_.Label21);
  label22_->setText(form_.Label22);
  shape2_->move(form_.Shape2.x, form_.Shape2.y);
  upDown1_->setVisible(form_.UpDown1.visible);
  upDown2_->setVisible(form_.UpDown2.visible);
  for (int i = 1; i <= calendar::TFRM_Date::kCells; ++i) {
    const auto k = static_cast<std::size_t>(i);
    for (auto [label, state] : {std::pair{dayLabels_[k], &form_.DayLabels[k]}, std::pair{lunarLabels_[k], &form_.LunarLabels[k]}}) {
      label->setText(state->text);
      QPalette p = label->palette();
      p.setColor(QPalette::WindowText, Color(state->color));
      label->setPalette(p);
      label->setVisible(state->visible);
    }
  }
}

void DateWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  form_.FormShow();
  render();
}

void DateWindow::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() != QEvent::ActivationChange) return;
  // Only a window that has been active can be left; the first change is its activation.
  if (isActiveWindow()) {
    wasActive_ = true;
  } else if (wasActive_ && isVisible()) {
    form_.FormDeactivate();
  }
}

}  // namespace velmora

#include "date_window.moc"
