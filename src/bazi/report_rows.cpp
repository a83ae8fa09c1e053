// report_rows.cpp: see report_rows.h.
#include "bazi/report_rows.h"

#include "bazi/cycle_numbers.h"
#include "calendar/vocabulary.h"
#include "text/gbk.h"

namespace velmora::bazi {

QString YearPillarText(int lunarYear) {
  return text::GbkMid(text::Trim(calendar::GanZhiYearText(lunarYear - 1864)), calendar::kYearPillarFirstByte,
                      calendar::kYearPillarLastByte);
}

QString AgeText(int n) { return QStringLiteral("%1岁").arg(n, 2, 10, QLatin1Char('0')); }

QString MinorLuckPillar(const BaziChart& chart, int n) {
  const int step = chart.backward ? -n : n;
  return StemChar(chart.hourStem + step) + BranchChar(chart.hourBranch + step);
}

QString AgeHeader(int s, const QString& startAgeText) {
  if (startAgeText == QStringLiteral("1"))
    return QStringLiteral("      0-1岁   1岁   11岁   21岁   31岁   41岁   51岁   61岁   71岁   81岁");
  // The years before the luck starts, 1 to s − 1; with start age 2 that is the one year 1,
  // not the range "1-1".
  QString line = S6 + (s == 2 ? QString() : QStringLiteral("1-")) + QString::number(s - 1) + QStringLiteral("岁");
  for (int c = 0; c <= 8; ++c) line += S3 + QString::number(s + 10 * c) + QStringLiteral("岁");
  return line;
}

// One block of ten rows. Row r below the start age begins with column 0 (cell(r)) behind
// its prefix; the later rows begin at column 1. Column c + 1 of row r is cell(s + 10c + r).
template <class Cell>
QStringList Block(int s, const QString& firstPrefix, const QString& prefix, Cell cell) {
  QStringList rows;
  for (int r = 0; r < 10; ++r) {
    QString row;
    int c = 0;
    if (r < s) {
      row = (r == 0 ? firstPrefix : prefix) + cell(r);
    } else {
      row = S13 + cell(s + r);
      c = 1;
    }
    for (; c <= 8; ++c) row += S3 + cell(s + 10 * c + r);
    rows << row;
  }
  return rows;
}

QStringList AnnualPillarRows(int lunarYear, int s) {
  return Block(s, QStringLiteral("流年："), S6, [lunarYear](int n) { return YearPillarText(lunarYear + n); });
}

QStringList MinorLuckRows(const BaziChart& chart) {
  const int s = chart.startAge;
  const QStringList pillars = Block(s, QStringLiteral("小运："), S6, [&chart](int n) { return MinorLuckPillar(chart, n); });
  const QStringList ages = Block(s, S6, S6, [](int n) { return AgeText(n); });
  QStringList rows;
  for (int r = 0; r < 10; ++r) rows << pillars[r] << ages[r];
  return rows;
}

}  // namespace velmora::bazi
