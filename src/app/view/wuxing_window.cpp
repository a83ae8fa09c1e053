// WuxingWindow: see wuxing_window.h.
//
// Positions. The window is 330 x 112 pixels: the two rows at y 22 and y 64 on the left,
// the two 52 x 52 picture buttons side by side on the right.
#include "app/view/wuxing_window.h"

#include "app/view/gbk_validator.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QToolButton>

namespace velmora {
namespace {

constexpr int kWidth = 330;
constexpr int kHeight = 112;
constexpr int kPictureSize = 52;

// The look-up picture (five coloured dots under a magnifying glass) or the close picture
// (a crimson cross), 28 x 28.
QIcon DrawPicture(bool lookUp) {
  QPixmap pixmap(28, 28);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  if (lookUp) {
    const QColor elements[] = {QColor(0xc9, 0xa2, 0x27), QColor(0x3f, 0x8f, 0x4a), QColor(0x2f, 0x6f, 0xb0),
                               QColor(0xc0, 0x3a, 0x2e), QColor(0x8a, 0x62, 0x3a)};  // 金 木 水 火 土
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 5; ++i) {
      p.setBrush(elements[i]);
      p.drawEllipse(QPointF(4 + i * 5, 24), 2.2, 2.2);
    }
    p.setPen(QPen(QColor(0x3a, 0x4a, 0x6b), 2.2));
    p.setBrush(QColor(0xc8, 0xe0, 0xf4, 200));
    p.drawEllipse(QPointF(12, 10), 7, 7);
    p.setPen(QPen(QColor(0x3a, 0x4a, 0x6b), 3.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(17.5, 15.5), QPointF(23, 21));
  } else {
    p.setPen(QPen(QColor(0xb0, 0x2a, 0x20), 3.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(7, 7), QPointF(21, 21));
    p.drawLine(QPointF(21, 7), QPointF(7, 21));
  }
  p.end();
  return QIcon(pixmap);
}

}  // namespace

void QtWuxingUi::CloseWindow() {
  if (window_) window_->close();
}

WuxingWindow::WuxingWindow(tools::TFrmWuxing& form, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      form_(form) {
  setObjectName(QStringLiteral("FrmWuxing"));
  setWindowTitle(QString::fromUtf16(tools::kWuxingCaption));
  setFixedSize(kWidth, kHeight);

  auto* label1 = new QLabel(QStringLiteral("输入字："), this);
  label1->setObjectName(QStringLiteral("Label1"));
  label1->setGeometry(16, 22, 66, 24);
  input_ = new QLineEdit(this);
  input_->setObjectName(QStringLiteral("Wuxing"));
  input_->setGeometry(84, 22, 110, 24);
  input_->setValidator(new GbkLengthValidator(tools::kWuxingInputBytes, input_));
  auto* label2 = new QLabel(QStringLiteral("查看结果："), this);
  label2->setObjectName(QStringLiteral("Label2"));
  label2->setGeometry(16, 64, 66, 24);
  result_ = new QLineEdit(this);
  result_->setObjectName(QStringLiteral("Reswu"));
  result_->setGeometry(84, 64, 110, 24);
  result_->setReadOnly(true);

  const auto addPicture = [this](const char* name, const QString& caption, bool lookUp, int x,
                                 void (tools::TFrmWuxing::*handler)()) {
    auto* button = new QToolButton(this);
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(DrawPicture(lookUp));
    button->setIconSize(QSize(28, 28));
    button->setText(caption);
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setAutoRaise(true);
    button->setCursor(Qt::PointingHandCursor);
    button->setGeometry(x, (kHeight - kPictureSize) / 2, kPictureSize, kPictureSize);
    connect(button, &QToolButton::clicked, this, [this, handler] {
      form_.Wuxing = input_->text();
      (form_.*handler)();
      render();
    });
  };
  addPicture("Image3", QStringLiteral("查询"), true, 206, &tools::TFrmWuxing::Image3Click);
  addPicture("Image4", QStringLiteral("关闭"), false, 264, &tools::TFrmWuxing::Image4Click);
  // Enter in the input looks up, as the picture does.
  connect(input_, &QLineEdit::returnPressed, this, [this] {
    form_.Wuxing = input_->text();
    form_.Image3Click();
    render();
  });
  render();
}

void WuxingWindow::render() {
  if (input_->text() != form_.Wuxing) input_->setText(form_.Wuxing);
  if (result_->text() != form_.Reswu) result_->setText(form_.Reswu);
}

}  // namespace velmora
