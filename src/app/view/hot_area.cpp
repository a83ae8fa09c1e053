// HotArea: see hot_area.h.
#include "app/view/hot_area.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>

namespace velmora {

HotArea::HotArea(QWidget* parent, const QRect& geometry, const QColor& hover)
    : QWidget(parent), hover_(hover) {
  setGeometry(geometry);
  setAttribute(Qt::WA_NoSystemBackground);
  setMouseTracking(false);
}

void HotArea::paintEvent(QPaintEvent* /*event*/) {
  if (!over_ || !hover_.isValid()) return;
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(hover_);
  p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
}

void HotArea::enterEvent(QEnterEvent* /*event*/) {
  over_ = true;
  update();
}

void HotArea::leaveEvent(QEvent* /*event*/) {
  over_ = false;
  update();
}

void HotArea::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit pressed(event->globalPosition().toPoint());
}

void HotArea::mouseMoveEvent(QMouseEvent* event) {
  if (event->buttons() & Qt::LeftButton) emit dragged(event->globalPosition().toPoint());
}

void HotArea::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
    emit clicked();
}

}  // namespace velmora
