// The names in the name lists and the results grid: an item is the full name followed by
// the plan score in brackets (张思远(80分) in classic and poetry mode, 张思远(78) in list
// and idiom mode); a grid cell holds the full name alone.
#pragma once

#include <QString>
#include <QStringView>

namespace velmora {

// The full name of an item: its text before the first "(" (the whole text without one).
QString FullNameOfItem(QStringView item);

// The given name a double click passes to the analysis: the full name of the item from
// byte L + 1 on, L being the GBK byte length of `surname` (the trimmed surname now in the
// main window, not the one the list was made with), at most 20 bytes, trimmed. A cut that
// falls inside a character moves back to that character's start, so with 张a in the
// surname box 欧阳明(78分) gives 阳明 and never half of 阳.
QString GivenNameOfItem(QStringView item, QStringView surname);

}  // namespace velmora
