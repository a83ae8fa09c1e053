// HotArea: a transparent click area laid over the main window's drawn background (the
// title strip, the minimise and close glyphs, the toolbar icons). It paints nothing but a
// faint tint while the mouse is over it, and reports presses, drags and clicks.
#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QWidget>

namespace velmora {

class HotArea : public QWidget {
  Q_OBJECT

 public:
  // hover: the tint drawn while the mouse is over the area; an invalid colour draws none.
  HotArea(QWidget* parent, const QRect& geometry, const QColor& hover = QColor());

 signals:
  void pressed(QPoint globalPos);  // left button down
  void dragged(QPoint globalPos);  // mouse moved with the left button held
  void clicked();                  // left button released inside the area, as a click is

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QColor hover_;
  bool over_ = false;
};

}  // namespace velmora
