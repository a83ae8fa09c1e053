// cycles.h: the calendar's cycles as small constexpr value types.
//
// Exports Tiangan (the 10 heavenly stems), Dizhi (the 12 earthly branches), Element (the
// five elements) and GanZhi (the 60-cycle of stem-branch pairs). Each holds one index in
// natural order: 甲..癸 are 0..9, 子..亥 are 0..11, and the elements run in the order in
// which they generate one another, 木 火 土 金 水, so "generates" is one step forward and
// "overcomes" two. Construction from any integer wraps it into range, negatives included,
// which is what the cycle counts of the birth chart need. The printed names come from the
// name tables in vocabulary.h.
#pragma once

#include <compare>

namespace velmora::calendar {

// n modulo m, always in 0..m-1 (C++ % keeps the sign of n).
constexpr int WrapIndex(int n, int m) { return ((n % m) + m) % m; }

// One of the ten heavenly stems, 甲 = 0 .. 癸 = 9.
class Tiangan {
 public:
  static constexpr int kCount = 10;
  constexpr Tiangan() = default;
  static constexpr Tiangan FromIndex(int n) { return Tiangan(WrapIndex(n, kCount)); }
  constexpr int index() const { return index_; }
  constexpr Tiangan next(int steps = 1) const { return FromIndex(index_ + steps); }
  constexpr bool yang() const { return index_ % 2 == 0; }  // 甲 丙 戊 庚 壬
  friend constexpr auto operator<=>(Tiangan, Tiangan) = default;

 private:
  constexpr explicit Tiangan(int index) : index_(index) {}
  int index_ = 0;
};

// One of the twelve earthly branches, 子 = 0 .. 亥 = 11; the zodiac animal shares the index.
class Dizhi {
 public:
  static constexpr int kCount = 12;
  constexpr Dizhi() = default;
  static constexpr Dizhi FromIndex(int n) { return Dizhi(WrapIndex(n, kCount)); }
  constexpr int index() const { return index_; }
  constexpr Dizhi next(int steps = 1) const { return FromIndex(index_ + steps); }
  friend constexpr auto operator<=>(Dizhi, Dizhi) = default;

 private:
  constexpr explicit Dizhi(int index) : index_(index) {}
  int index_ = 0;
};

// One of the five elements in generating order: 木 0, 火 1, 土 2, 金 3, 水 4.
class Element {
 public:
  static constexpr int kCount = 5;
  constexpr Element() = default;
  static constexpr Element FromIndex(int n) { return Element(WrapIndex(n, kCount)); }
  constexpr int index() const { return index_; }
  constexpr Element next(int steps = 1) const { return FromIndex(index_ + steps); }
  constexpr Element generates() const { return next(1); }   // 木 generates 火
  constexpr Element overcomes() const { return next(2); }   // 木 overcomes 土
  friend constexpr auto operator<=>(Element, Element) = default;

 private:
  constexpr explicit Element(int index) : index_(index) {}
  int index_ = 0;
};

// One pair of the 60-cycle, 甲子 = 0 .. 癸亥 = 59. Stem and branch advance together, so
// only pairs of equal parity exist.
class GanZhi {
 public:
  static constexpr int kCount = 60;
  constexpr GanZhi() = default;
  static constexpr GanZhi FromIndex(int n) { return GanZhi(WrapIndex(n, kCount)); }
  constexpr int index() const { return index_; }
  constexpr GanZhi next(int steps = 1) const { return FromIndex(index_ + steps); }
  constexpr Tiangan gan() const { return Tiangan::FromIndex(index_); }
  constexpr Dizhi zhi() const { return Dizhi::FromIndex(index_); }
  friend constexpr auto operator<=>(GanZhi, GanZhi) = default;

 private:
  constexpr explicit GanZhi(int index) : index_(index) {}
  int index_ = 0;
};

}  // namespace velmora::calendar
