// plan_order.h: when a stroke plan counts as practical, shared by the builder and the
// refdata tests.
#pragma once

namespace velmora::refdb_build {

// A given-name stroke count is practical when word holds at least this many candidate
// characters of that count for boys and as many for girls. Two practical counts give a
// two-character plan at least 6 × 6 = 36 names for either sex. refdata/README.md shows
// the per-stroke counts the value was chosen from.
constexpr int kEnoughCandidates = 6;

}  // namespace velmora::refdb_build
