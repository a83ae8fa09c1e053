// pictures.cpp: see pictures.h.
#include "app/view/pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>
#include <QTransform>

namespace velmora {

QIcon DrawPicture(Picture picture) {
  QPixmap pixmap(kPictureIconSize, kPictureIconSize);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor ink(0x3a, 0x4a, 0x6b);
  QPen pen(ink, 1.6);
  pen.setJoinStyle(Qt::RoundJoin);
  pen.setCapStyle(Qt::RoundCap);
  p.setPen(pen);
  switch (picture) {
    case Picture::Analyse: {
      // A written sheet under a magnifying glass.
      p.setBrush(QColor(0xff, 0xfd, 0xf4));
      p.drawRect(QRectF(4.5, 3.5, 17, 23));
      p.setPen(QPen(QColor(0xb0, 0x3a, 0x2e), 1.4));
      for (int i = 0; i < 4; ++i) p.drawLine(QPointF(8, 9 + i * 4.5), QPointF(18, 9 + i * 4.5));
      p.setPen(QPen(ink, 2.2));
      p.setBrush(QColor(0xc8, 0xe0, 0xf4, 200));
      p.drawEllipse(QPointF(19.5, 17.5), 6.5, 6.5);
      p.setPen(QPen(ink, 3.4, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(24.5, 22.5), QPointF(29, 27.5));
      break;
    }
    case Picture::Print: {
      // A sheet going into a printer, a printed sheet coming out.
      p.setBrush(QColor(0xff, 0xff, 0xff));
      p.drawRect(QRectF(9.5, 3.5, 13, 9));
      p.setBrush(QColor(0x8f, 0xa4, 0xc4));
      p.drawRoundedRect(QRectF(3.5, 11.5, 25, 11), 2.5, 2.5);
      p.setBrush(QColor(0x5c, 0xc0, 0x6a));
      p.setPen(Qt::NoPen);
      p.drawEllipse(QPointF(24.5, 15), 1.5, 1.5);
      p.setPen(pen);
      p.setBrush(QColor(0xff, 0xff, 0xff));
      p.drawRect(QRectF(8.5, 18.5, 15, 10));
      p.setPen(QPen(QColor(0xb0, 0x3a, 0x2e), 1.2));
      p.drawLine(QPointF(11, 22), QPointF(21, 22));
      p.drawLine(QPointF(11, 25.5), QPointF(18, 25.5));
      break;
    }
    case Picture::Save: {
      // A diskette.
      QPainterPath body;
      body.moveTo(4.5, 4.5);
      body.lineTo(23.5, 4.5);
      body.lineTo(27.5, 8.5);
      body.lineTo(27.5, 27.5);
      body.lineTo(4.5, 27.5);
      body.closeSubpath();
      p.setBrush(QColor(0x4f, 0x6f, 0xa8));
      p.drawPath(body);
      p.setBrush(QColor(0xe8, 0xec, 0xf2));
      p.drawRect(QRectF(9.5, 4.5, 12, 8));
      p.setBrush(ink);
      p.drawRect(QRectF(17.5, 6, 2.5, 5));
      p.setBrush(QColor(0xff, 0xff, 0xff));
      p.drawRect(QRectF(8.5, 16.5, 15, 11));
      p.setPen(QPen(QColor(0xb0, 0x3a, 0x2e), 1.2));
      p.drawLine(QPointF(11, 20), QPointF(21, 20));
      p.drawLine(QPointF(11, 23.5), QPointF(21, 23.5));
      break;
    }
    case Picture::Exit: {
      // An open door and an arrow leaving through it.
      p.setBrush(QColor(0xe9, 0xdc, 0xc4));
      p.drawRect(QRectF(5.5, 3.5, 15, 25));
      QPainterPath leaf;
      leaf.moveTo(5.5, 3.5);
      leaf.lineTo(13.5, 6.5);
      leaf.lineTo(13.5, 30.5);
      leaf.lineTo(5.5, 28.5);
      leaf.closeSubpath();
      p.setBrush(QColor(0xa8, 0x6b, 0x3c));
      p.drawPath(leaf);
      p.setBrush(ink);
      p.drawEllipse(QPointF(11.5, 18), 1, 1);
      p.setPen(QPen(QColor(0xc0, 0x30, 0x28), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      p.drawLine(QPointF(17, 16), QPointF(29, 16));
      p.drawLine(QPointF(24.5, 11.5), QPointF(29, 16));
      p.drawLine(QPointF(24.5, 20.5), QPointF(29, 16));
      break;
    }
    case Picture::Settings: {
      // A cog: eight teeth around a wheel with a hole.
      p.setBrush(QColor(0x8f, 0xa4, 0xc4));
      QPainterPath cog;
      for (int i = 0; i < 8; ++i) {
        QTransform t;
        t.translate(16, 16);
        t.rotate(45.0 * i);
        cog.addPolygon(t.map(QPolygonF(QRectF(-3, -14, 6, 6))));
      }
      cog.addEllipse(QPointF(16, 16), 10, 10);
      p.drawPath(cog.simplified());
      p.setBrush(QColor(0xff, 0xff, 0xff));
      p.drawEllipse(QPointF(16, 16), 4, 4);
      break;
    }
  }
  p.end();
  return QIcon(pixmap);
}

}  // namespace velmora
