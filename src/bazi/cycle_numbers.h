// cycle_numbers.h: the numbering the birth-chart arithmetic counts stems and branches in.
//
// Exports StemNumber, BranchNumber, StemOf, BranchOf, StemChar and BranchChar.
//
// The chart's formulas count in "cycle numbers", not in the natural indexes of Tiangan and
// Dizhi: stem number 1 is 甲, 2 乙 … 9 壬 and 0 is 癸; branch number 1 is 子, 2 丑 … 11 戌
// and 0 is 亥 (the remainder-1-is-first rule of TianganCycle and DizhiCycle). Mixing the two
// numberings shifts a pillar by one, so every conversion goes through this file: the
// engine works in cycle numbers throughout and turns them into Tiangan, Dizhi or
// characters only at its edge.
#pragma once

#include "calendar/cycles.h"
#include "calendar/vocabulary.h"

#include <QString>

namespace velmora::bazi {

// Any count reduced to a stem number 0..9 or a branch number 0..11. Negative counts wrap
// (a minor-luck count going backward from 甲 passes 0 and goes on at 9).
constexpr int StemNumber(int count) { return calendar::WrapIndex(count, 10); }
constexpr int BranchNumber(int count) { return calendar::WrapIndex(count, 12); }

// Stem number s is Tiangan (s + 9) mod 10; branch number b is Dizhi (b + 11) mod 12.
constexpr calendar::Tiangan StemOf(int s) { return calendar::Tiangan::FromIndex(s + 9); }
constexpr calendar::Dizhi BranchOf(int b) { return calendar::Dizhi::FromIndex(b + 11); }

// The other way: 甲 (Tiangan 0) is stem number 1, 子 (Dizhi 0) branch number 1.
constexpr int StemNumber(calendar::Tiangan t) { return StemNumber(t.index() + 1); }
constexpr int BranchNumber(calendar::Dizhi d) { return BranchNumber(d.index() + 1); }

// The character of a stem or branch number, through TianganCycle and DizhiCycle.
inline QString StemChar(int s) { return calendar::NameText(calendar::TianganCycle[static_cast<std::size_t>(StemNumber(s))]); }
inline QString BranchChar(int b) { return calendar::NameText(calendar::DizhiCycle[static_cast<std::size_t>(BranchNumber(b))]); }

static_assert(StemOf(1) == calendar::Tiangan::FromIndex(0) && StemOf(0) == calendar::Tiangan::FromIndex(9));
static_assert(BranchOf(1) == calendar::Dizhi::FromIndex(0) && BranchOf(0) == calendar::Dizhi::FromIndex(11));
static_assert(StemNumber(StemOf(7)) == 7 && BranchNumber(BranchOf(11)) == 11);

}  // namespace velmora::bazi
