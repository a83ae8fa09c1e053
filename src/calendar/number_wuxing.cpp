// number_wuxing.cpp: the five-element value of a number (see number_wuxing.h).
#include "calendar/number_wuxing.h"

#include <array>

namespace velmora::calendar {
namespace {

// Indexed by the last decimal digit: the pairs 1-2, 3-4, 5-6, 7-8, 9-0 share an element.
constexpr std::array<char16_t, 10> kDigitElement = {
    u'水', u'木', u'木', u'火', u'火', u'土', u'土', u'金', u'金', u'水'};

}  // namespace

QString NumberWuxing(int n) {
  if (n < 0) return QString();
  return QString(QChar(kDigitElement[static_cast<std::size_t>(n % 10)]));
}

QString NumberWuxingTriple(int a, int b, int c) {
  return NumberWuxing(a) + NumberWuxing(b) + NumberWuxing(c);
}

}  // namespace velmora::calendar
