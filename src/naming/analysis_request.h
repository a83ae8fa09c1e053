// The nine values that open the name analysis window (ShowNameAnalysis): all texts as the
// caller's boxes hold them, except the calendar kind (0 = 公历, 1 = 农历).
#pragma once

#include <QString>

namespace velmora {

struct NameAnalysisRequest {
  QString surname, sex, year, month, day, hour, minute;
  int calendarKind = 0;
  QString given;

  friend bool operator==(const NameAnalysisRequest&, const NameAnalysisRequest&) = default;
};

}  // namespace velmora
