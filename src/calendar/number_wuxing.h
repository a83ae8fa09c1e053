// number_wuxing.h: the five-element value of a number.
//
// Exports NumberWuxing (one number) and NumberWuxingTriple (three numbers joined),
// the element rule of the stroke numerology: a number's element is read from its last
// decimal digit, 1 and 2 木, 3 and 4 火, 5 and 6 土, 7 and 8 金, 9 and 0 水.
// Results are one-character QStrings (金 木 水 火 土), the form the databases use.
#pragma once

#include <QString>

namespace velmora::calendar {

// The element of n by its last decimal digit; the empty text for a negative n.
QString NumberWuxing(int n);

// The elements of a, b and c in that order, one character each. Called with the
// heaven, person and earth grid numbers it gives a name's three-talent text (Sancai).
QString NumberWuxingTriple(int a, int b, int c);

}  // namespace velmora::calendar
