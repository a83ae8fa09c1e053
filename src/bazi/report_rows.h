// report_rows.h: the column blocks of the birth-chart report, pure layout without lookups.
//
// Exports AgeHeader, AnnualPillarRows, MinorLuckRows, YearPillarText, AgeText and the
// blank runs S3, S6, S7, S13.
//
// Every cell of the luck, annual and minor-luck blocks is four GBK bytes (two Chinese
// characters, or "09岁") and cells are three blanks apart, so the columns line up in a
// font where a Chinese character is as wide as two blanks. Column 0 holds the years
// before the luck cycle starts (start age s), column c + 1 the ten years of luck pillar
// c + 1. Rows 0..s−1 fill column 0; from row s on it stays blank, 13 blanks wide (the
// six of the prefix, four of the missing cell and the three between cells).
#pragma once

#include "bazi/chart.h"

#include <QString>
#include <QStringList>

namespace velmora::bazi {

inline const QString S3 = QStringLiteral("   ");
inline const QString S6 = QStringLiteral("      ");
inline const QString S7 = QStringLiteral("       ");
inline const QString S13 = QStringLiteral("             ");

// GZ(n): the stem-branch pair of lunar year n (甲子 for 1984).
QString YearPillarText(int lunarYear);
// AGE(n): "00岁" .. "09岁", then "10岁" .. "99岁".
QString AgeText(int n);
// XP(n): the minor-luck pillar n years on from the hour pillar, in the chart's direction.
QString MinorLuckPillar(const BaziChart& chart, int n);

// Line 20: the first age of each column.
QString AgeHeader(int startAge, const QString& startAgeText);
// Lines 23–32: the annual pillars (流年) of ten rows from lunar year lunarYear.
QStringList AnnualPillarRows(int lunarYear, int startAge);
// Lines 34–53: ten pairs of a minor-luck (小运) pillar line and its age line.
QStringList MinorLuckRows(const BaziChart& chart);

}  // namespace velmora::bazi
