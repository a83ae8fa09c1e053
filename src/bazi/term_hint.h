// term_hint.h: the 节气提示 line of the birth-chart report.
//
// Exports RealTermPillars, RealTermPillarsOf and TermHintLine.
//
// The chart keeps its fixed month windows: 4 February starts 寅 in every year, although the
// real 立春 may fall on the 3rd, 4th or 5th. A consultant still needs to know when the real
// term disagrees. Judged by the jie instants of table JQ, the birth moment lies after one
// jie and before the next; the one before gives the real month branch, the 立春 of the
// year the real year. Only when that month or year pillar differs from the chart's does
// the report carry the line, right after the eight characters.
#pragma once

#include "bazi/chart.h"

#include <QDateTime>
#include <QString>

#include <optional>

namespace velmora::bazi {

struct RealTermPillars {
  int yearStem = 0, yearBranch = 0;    // cycle numbers
  int monthStem = 0, monthBranch = 0;
  QString lastJie, nextJie;            // the jie before (or at) the moment and the one after
  QDateTime lastInstant, nextInstant;  // Beijing civil time as the table holds it
};

// The pillars the JQ instants give a chart's birth moment; nothing when the table lacks
// the terms around it or cannot be read.
std::optional<RealTermPillars> RealTermPillarsOf(const BaziChart& chart, const QString& folder);

// "节气提示：出生在立春（2021-02-03 22:58:39）之后，按交节时刻月柱为庚寅，年柱为辛丑。"
// when the real pillars differ from the chart's (the year only when it differs too); the
// empty text when they agree or the table cannot tell.
QString TermHintLine(const BaziChart& chart, const QString& folder);

}  // namespace velmora::bazi
