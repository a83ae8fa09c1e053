// jie_terms.h: the twelve jie terms (节), each of which starts a solar month.
//
// Exports JieMonthBranch and JieNameList. The twelve middle terms (中气) start nothing.
#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <string_view>

namespace velmora::bazi {

struct JieTerm {
  std::u16string_view name;
  int monthBranch;  // branch number of the month it starts (cycle_numbers.h)
};

// In the order of the jie query of the chart, 立春 first.
inline constexpr std::array<JieTerm, 12> kJieTerms = {{
    {u"立春", 3}, {u"惊蛰", 4}, {u"清明", 5}, {u"立夏", 6}, {u"芒种", 7}, {u"小暑", 8},
    {u"立秋", 9}, {u"白露", 10}, {u"寒露", 11}, {u"立冬", 0}, {u"大雪", 1}, {u"小寒", 2},
}};

// The branch number of the month a jie starts, or -1 for any other text.
inline int JieMonthBranch(QStringView name) {
  for (const JieTerm& t : kJieTerms) {
    if (name == QStringView(t.name.data(), static_cast<qsizetype>(t.name.size()))) return t.monthBranch;
  }
  return -1;
}

// '立春','惊蛰', … ,'小寒': the names as the list of an SQL "in".
inline QString JieNameList() {
  QString list;
  for (const JieTerm& t : kJieTerms) {
    if (!list.isEmpty()) list += QLatin1Char(',');
    list += QLatin1Char('\'') + QString::fromUtf16(t.name.data(), static_cast<qsizetype>(t.name.size())) + QLatin1Char('\'');
  }
  return list;
}

}  // namespace velmora::bazi
