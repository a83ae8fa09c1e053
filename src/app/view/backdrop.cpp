// The main window's background: see backdrop.h.
//
// Everything is drawn with QPainter from a few colours: a crimson title strip, a warm
// paper toolbar band whose icons are rounded squares bearing one character each, and
// plain frames around the panes. No picture files are involved.
#include "app/view/backdrop.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>

#include <array>

namespace velmora::backdrop {
namespace {

const QColor kPaper{0xf7, 0xf2, 0xe8};
const QColor kCrimson{0xa8, 0x38, 0x3a};
const QColor kCrimsonDark{0x7e, 0x22, 0x24};
const QColor kGold{0xf3, 0xd9, 0xa4};
const QColor kInk{0x3e, 0x34, 0x28};
const QColor kMutedInk{0x7a, 0x6a, 0x55};
const QColor kRule{0xd9, 0xc6, 0xa0};
const QColor kFrame{0xb9, 0xa6, 0x84};

QFont UiFont(int pixels, bool bold = false) {
  QFont f;
  f.setFamilies({QStringLiteral("SimSun"), QStringLiteral("WenQuanYi Micro Hei")});
  f.setPixelSize(pixels);
  f.setBold(bold);
  return f;
}

QFont LogoFont(int pixels) {
  QFont f;
  f.setFamilies({QStringLiteral("DejaVu Serif"), QStringLiteral("WenQuanYi Micro Hei")});
  f.setPixelSize(pixels);
  f.setBold(true);
  return f;
}

// A rounded square with a character in it, lighter at the top, as the toolbar icons are.
void PaintTile(QPainter& p, const QRectF& r, const QColor& face, const QString& glyph,
               int glyphPixels) {
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, face.lighter(125));
  g.setColorAt(1, face);
  p.setPen(QPen(face.darker(130), 1));
  p.setBrush(g);
  p.drawRoundedRect(r, 6, 6);
  p.setPen(Qt::white);
  p.setFont(UiFont(glyphPixels, true));
  p.drawText(r, Qt::AlignCenter, glyph);
}

// The cross of the close glyphs, centred in r.
void PaintCross(QPainter& p, const QRectF& r, qreal half, const QPen& pen) {
  const QPointF c = r.center();
  p.setPen(pen);
  p.drawLine(c + QPointF(-half, -half), c + QPointF(half, half));
  p.drawLine(c + QPointF(-half, half), c + QPointF(half, -half));
}

void PaintTitleStrip(QPainter& p) {
  const QRectF strip(1, 1, kWidth - 2, 34);
  QLinearGradient g(strip.topLeft(), strip.bottomLeft());
  g.setColorAt(0, kCrimson);
  g.setColorAt(1, kCrimsonDark);
  p.fillRect(strip, g);

  // A small seal, then the program's name.
  const QRectF seal(9, 7, 22, 22);
  p.setPen(Qt::NoPen);
  p.setBrush(kGold);
  p.drawRoundedRect(seal, 4, 4);
  p.setPen(kCrimsonDark);
  p.setFont(UiFont(14, true));
  p.drawText(seal, Qt::AlignCenter, QStringLiteral("名"));
  p.setPen(Qt::white);
  p.setFont(LogoFont(15));
  p.drawText(QRectF(40, 1, 200, 34), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Velmora"));

  // Minimise: a bar; close: a cross.
  const QPen glyphPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap);
  p.setPen(glyphPen);
  const QRectF min(kMinimize);
  p.drawLine(QPointF(min.left() + 6, min.center().y() + 4), QPointF(min.right() - 6, min.center().y() + 4));
  PaintCross(p, QRectF(kClose), 5, glyphPen);
}

void PaintToolbar(QPainter& p) {
  const QRectF band(1, 36, kWidth - 2, 74);
  QLinearGradient g(band.topLeft(), band.bottomLeft());
  g.setColorAt(0, QColor(0xff, 0xfa, 0xf0));
  g.setColorAt(1, QColor(0xf0, 0xe4, 0xcc));
  p.fillRect(band, g);
  p.setPen(kRule);
  p.drawLine(QPointF(1, 110.5), QPointF(kWidth - 2, 110.5));

  // The emblem at the left of the band.
  PaintTile(p, QRectF(18, 46, 52, 52), kCrimson, QStringLiteral("名"), 30);
  p.setPen(kCrimsonDark);
  p.setFont(LogoFont(24));
  p.drawText(QRectF(82, 46, 240, 30), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Velmora"));
  p.setPen(kMutedInk);
  p.setFont(UiFont(12));
  p.drawText(QRectF(83, 78, 250, 18), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("五格 · 三才 · 八字 起名参考"));

  for (const ToolbarItem& item : ToolbarItems()) {
    const QRectF area(ToolbarArea(item));
    const QRectF tile(area.left() + 4.5, 44.5, 30, 30);
    PaintTile(p, tile, item.colour, item.glyph, 16);
    if (item.glyph.isEmpty())
      PaintCross(p, tile, 6, QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setPen(kInk);
    p.setFont(UiFont(12));
    p.drawText(QRectF(area.left() - 6, 80, area.width() + 12, 18), Qt::AlignCenter, item.label);
  }
}

void PaintInputBand(QPainter& p) {
  p.setPen(QColor(0xe3, 0xd6, 0xbd));
  p.setBrush(QColor(0xfb, 0xf8, 0xf1));
  p.drawRoundedRect(QRectF(5.5, 114.5, kWidth - 11, 56), 4, 4);
}

void PaintPane(QPainter& p, const QRect& pane, const QString& caption) {
  // Caption above the pane, after a small square.
  p.setPen(Qt::NoPen);
  p.setBrush(kCrimson);
  p.drawRect(QRectF(pane.left() + 2, 181, 6, 6));
  p.setPen(kCrimsonDark);
  p.setFont(UiFont(12, true));
  p.drawText(QRectF(pane.left() + 13, 175, 200, 18), Qt::AlignLeft | Qt::AlignVCenter, caption);
  // The frame lies one pixel outside the pane, so the pane's widgets never cover it.
  p.setPen(kFrame);
  p.setBrush(Qt::white);
  p.drawRect(QRectF(pane).adjusted(-0.5, -0.5, 0.5, 0.5));
}

}  // namespace

std::span<const ToolbarItem> ToolbarItems() {
  static const std::array<ToolbarItem, 11> items{{
      {Tool::Bazi, "Image2", 354, QStringLiteral("八字"), QStringLiteral("八"), QColor(0xa8, 0x38, 0x3a)},
      {Tool::Ceming, "Image6", 405, QStringLiteral("测名"), QStringLiteral("测"), QColor(0x3b, 0x5b, 0x92)},
      {Tool::Wuxing, "Image7", 456, QStringLiteral("五行"), QStringLiteral("行"), QColor(0x2f, 0x7f, 0x7a)},
      {Tool::Wuge, "Image8", 508, QStringLiteral("五格"), QStringLiteral("格"), QColor(0xb7, 0x86, 0x2d)},
      {Tool::Sancai, "Image9", 559, QStringLiteral("三才"), QStringLiteral("才"), QColor(0x4e, 0x8a, 0x3e)},
      {Tool::Xiaoming, "Image10", 610, QStringLiteral("小名"), QStringLiteral("小"), QColor(0xc0, 0x5f, 0x7a)},
      {Tool::Jiri, "Image11", 662, QStringLiteral("吉日"), QStringLiteral("吉"), QColor(0xc4, 0x6a, 0x2b)},
      {Tool::Jiemeng, "Image12", 712, QStringLiteral("解梦"), QStringLiteral("梦"), QColor(0x6a, 0x4e, 0x8c)},
      {Tool::Rili, "Image13", 763, QStringLiteral("日历"), QStringLiteral("历"), QColor(0x2d, 0x6f, 0xa3)},
      {Tool::Fuwu, "Image14", 815, QStringLiteral("服务"), QStringLiteral("服"), QColor(0x5b, 0x7a, 0x52)},
      {Tool::Guanbi, "Image16", 917, QStringLiteral("关闭"), QString(), QColor(0x80, 0x80, 0x80)},
  }};
  return items;
}

QColor ToolbarHover() { return QColor(0xa8, 0x38, 0x3a, 36); }
QColor TitleHover() { return QColor(255, 255, 255, 60); }

QPixmap SealPicture(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  // Drawn at 48 units and scaled, so corners and glyph keep their proportions at any size.
  p.scale(size / 48.0, size / 48.0);
  PaintTile(p, QRectF(0.5, 0.5, 47, 47), kCrimson, QStringLiteral("名"), 30);
  return pixmap;
}

QIcon WindowIcon() {
  QIcon icon;
  for (const int size : {16, 32, 48}) icon.addPixmap(SealPicture(size));
  return icon;
}

QColor Paper() { return kPaper; }

void Paint(QPainter& p) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.fillRect(QRect(0, 0, kWidth, kHeight), kPaper);
  PaintTitleStrip(p);
  PaintToolbar(p);
  PaintInputBand(p);
  PaintPane(p, kLeftPane, QStringLiteral("所有名字列表"));
  PaintPane(p, kRightPane, QStringLiteral("高分名字列表"));
  // The window has no frame of its own: a one-pixel border closes the picture.
  p.setPen(kCrimsonDark);
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(0.5, 0.5, kWidth - 1, kHeight - 1));
  p.restore();
}

}  // namespace velmora::backdrop
