// The main window's background, drawn by the program itself: the title strip, the toolbar
// icons with their labels, the frames of the two panes and their captions. The click
// areas that lie over the drawn elements take their rectangles from here, so the picture
// and the areas cannot drift apart.
#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QRect>
#include <QString>

#include <span>

class QPainter;

namespace velmora::backdrop {

inline constexpr int kWidth = 1000;
inline constexpr int kHeight = 682;

inline constexpr QRect kTitleStrip{2, 1, 952, 34};  // dragging area, y 1..34
inline constexpr QRect kMinimize{954, 7, 22, 22};
inline constexpr QRect kClose{977, 7, 22, 22};
inline constexpr QRect kLeftPane{9, 195, 788, 452};
inline constexpr QRect kRightPane{812, 195, 178, 452};
inline constexpr QRect kStatusStrip{9, 654, 982, 20};  // the line under the panes

// What a toolbar click area does; the view maps each to a form handler.
enum class Tool { Bazi, Ceming, Wuxing, Wuge, Sancai, Xiaoming, Jiri, Jiemeng, Rili, Fuwu, Guanbi };

struct ToolbarItem {
  Tool tool;
  const char* name;  // the click area's name in the design ("Image2"); empty where it has none
  int x;            // left edge of the 39 x 67 click area, y 39..106
  QString label;    // drawn under the icon
  QString glyph;    // the character on the icon
  QColor colour;    // the icon's face
};

inline constexpr int kToolbarTop = 39;
inline constexpr int kToolbarItemWidth = 39;
inline constexpr int kToolbarItemHeight = 67;

// The eleven toolbar items, left to right.
std::span<const ToolbarItem> ToolbarItems();

// The click area of a toolbar item.
inline QRect ToolbarArea(const ToolbarItem& item) {
  return {item.x, kToolbarTop, kToolbarItemWidth, kToolbarItemHeight};
}

// The colour of the hover tint over toolbar items and over the title-strip glyphs.
QColor ToolbarHover();
QColor TitleHover();

// The colour of the background under the panes.
QColor Paper();

// Draws the whole 1000 x 682 background.
void Paint(QPainter& p);

// The program's seal "名" as a square picture of the given size: the window's icon and the
// desktop entry's icon.
QPixmap SealPicture(int size);

// The window's icon: the seal at the sizes a title bar and task bar ask for.
QIcon WindowIcon();

}  // namespace velmora::backdrop
