// The program-wide date formats that every conversion between dates and texts follows.
// The main window sets them when it is first shown: separator "-", short and long format
// "yyyy-mm-dd".
#pragma once

#include <QString>

namespace velmora::text {

struct DateFormats {
  QString separator = QStringLiteral("-");
  QString shortDate = QStringLiteral("yyyy-mm-dd");
  QString longDate = QStringLiteral("yyyy-mm-dd");
};

// The formats in force. Set once on the GUI thread at start-up, read everywhere after.
DateFormats& ProgramDateFormats();

}  // namespace velmora::text
