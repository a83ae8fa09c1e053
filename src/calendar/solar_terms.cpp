// solar_terms.cpp: solar terms by the mean tropical year (see solar_terms.h).
#include "calendar/solar_terms.h"

#include <cmath>
#include <cstdint>

#include "calendar/vocabulary.h"

namespace velmora::calendar {
namespace {

constexpr double kMeanYearMs = 31556925974.7;
constexpr int kEpochYear = 1900;

QDateTime Epoch() { return QDateTime(QDate(1900, 1, 6), QTime(2, 5), Qt::UTC); }

}  // namespace

QDateTime SolarTermInstant(int year, int k) {
  if (k < 0 || k >= kSolarTermCount) return QDateTime();
  const double ms = static_cast<double>(year - kEpochYear) * kMeanYearMs +
                    static_cast<double>(SolarTermMinutes[static_cast<std::size_t>(k)]) * 60000.0;
  // std::nearbyint rounds in the default mode, to nearest with ties to even.
  return Epoch().addMSecs(static_cast<std::int64_t>(std::nearbyint(ms)));
}

QString SolarTermName(const QDateTime& when) {
  if (!when.isValid() || when.time() != QTime(0, 0)) return QString();
  const QDate date = when.date();
  const int k = 2 * (date.month() - 1);
  for (int term : {k, k + 1}) {
    if (SolarTermInstant(date.year(), term).date() == date) {
      return NameText(SolarTermNames[static_cast<std::size_t>(term)]);
    }
  }
  return QString();
}

QString SolarTermName(QDate date) {
  if (!date.isValid()) return QString();
  return SolarTermName(QDateTime(date, QTime(0, 0), Qt::UTC));
}

}  // namespace velmora::calendar
