// Pinyin syllables as the name checks read them: the tone of a syllable written with a
// tone mark (zhāng 1, sī 1, yuǎn 3, le 5 for the neutral tone), the syllable without its
// tone (zhang, lv for lǜ), and its initial and final (zh + ang; y and w count as initials,
// so 一 yi and 乐 yue part as y + i and y + ue).
//
// The tone class of classical prosody: 平 for tones 1 and 2, 仄 for 3 and 4 (and the
// neutral tone, which has no level reading).
#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

namespace velmora::naming {

// 1..4, or 5 for a syllable without a tone mark.
int ToneOf(QStringView syllable);
// Lower case, marks removed, ü as v: "zhāng" -> "zhang", "lǜ" -> "lv".
QString Toneless(QStringView syllable);
// A reading of several syllables without tones, one blank between them: "wǎng  shēng" ->
// "wang sheng".
QString TonelessReading(QStringView reading);
// The initial of a toneless syllable ("zh", "y", "" for "an").
QString InitialOf(QStringView toneless);
// 平 or 仄 for a tone 1..5.
QChar ToneClass(int tone);

}  // namespace velmora::naming
