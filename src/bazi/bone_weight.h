// bone_weight.h: the bone-weight reading (袁天罡称骨) of the birth-chart report.
//
// Exports BoneWeightLine and WeightCode.
//
// Four weights in 两, read from dream.dll for the lunar year, lunar month, lunar day and
// hour of birth (tables chenggu1..chenggu4), add up to a total whose two-digit code (两
// and 钱) selects a verse and its explanation in table chenggu.
#pragma once

#include <QString>

namespace velmora::bazi {

// The two-digit code of a total weight: the total written with 15 significant digits and
// no trailing zeros (the sum 0.7 + 0.5 + 1.0 + 1.6, slightly above 3.8, reads 3.8), then
// its first and third characters (3.8 gives 38); a text of one character is followed by
// "0" (5 gives 50).
QString WeightCode(double total);

// One line of the reading; mode 0 "你的骨重为：3两8钱", 1 "骨重诗评：" and the verse, 2
// "骨重解评：" and the explanation. The keys are decimal texts: the lunar year, month and
// day and the hour number. The empty text when the code has no verse. Every call runs all
// five statements again on one connection to dream.dll in folder; when one cannot be run
// (file missing, statement error) it throws SilentStop, which ends the whole report
// without a word.
QString BoneWeightLine(const QString& yearText, const QString& monthText, const QString& dayText,
                       const QString& hourText, int mode, const QString& folder);

}  // namespace velmora::bazi
