// GBK byte semantics for texts held as QString.
//
// Rules that speak of bytes (name lengths, cutting bytes 4-5 of an hour item, padding a
// name to 16 bytes, fixed positions in a report line) mean GBK bytes. This file encodes a
// text to GBK, works on the bytes and decodes back.
//
// The byte model:
//   - an ASCII character is one byte;
//   - a character GBK knows is its two GBK bytes (CP936; the euro sign is the single byte 0x80);
//   - any other character (an emoji, 𠮷, the CJK extensions) counts as two bytes, like any
//     Chinese character, and survives cutting and decoding whole. It is never replaced by
//     another character.
//
// Decoding a cut: a byte range may split a character or start inside one, as a shifted
// report line does. Every byte or pair that does not form a character decodes to U+FFFD
// (kUndecodable): a lone lead byte, a lead byte with an invalid trail byte (the trail byte
// is then read on its own), an unassigned pair, or half of a non-GBK character.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace velmora::text {

inline constexpr char16_t kUndecodable = u'\uFFFD';

// Number of GBK bytes of s under the byte model above.
int GbkLength(QStringView s);

// Number of GBK bytes (1 or 2) of one character, given as its code point.
int GbkCharLength(char32_t codePoint);

// Bytes first..last of s (1-based, inclusive) decoded back to text. Positions outside
// 1..GbkLength(s) are clipped; an empty range gives the empty text.
QString GbkMid(QStringView s, int first, int last);

// count bytes of s from byte position first (1-based), like a byte-wise Copy.
QString GbkCopy(QStringView s, int first, int count);

// Like GbkCopy, but whole characters only: a first byte inside a character moves back to
// that character's first byte, and the last character is left out when it does not fit
// whole in count bytes. So no half of a character is ever returned.
QString GbkCopyWhole(QStringView s, int first, int count);

// s followed by blanks up to n bytes; a text of n bytes or more is returned unchanged.
QString GbkPadRight(QStringView s, int n);

// s without leading and trailing blanks and control characters (code points <= U+0020).
// A full-width blank U+3000 is text, not white space.
QString Trim(QStringView s);
QString TrimLeft(QStringView s);
QString TrimRight(QStringView s);

// A Han character that GBK encodes (not 〇 or the radicals): every such character has a row
// in the word table, so it has strokes, an element and a reading.
bool IsGbkHanzi(char32_t c);

// s as an SQL string literal: enclosed in single quotes, inner single quotes doubled.
QString SqlQuote(QStringView s);

// The GBK bytes of s, with every character outside GBK written as its GB18030 four-byte
// sequence (GB18030 equals GBK on every GBK text). Used for files the user saves.
QByteArray ToGb18030(QStringView s);
QString FromGb18030(QByteArrayView bytes);

}  // namespace velmora::text
