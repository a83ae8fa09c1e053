// GBK byte semantics: see gbk.h for the byte model.
//
// The tables come from the system's GBK converter (ICU's windows-936) once, at first use:
// every valid two-byte sequence is decoded and the reverse map built from it. After that
// every operation is a table lookup, so the results do not depend on how a converter treats
// invalid input.
#include "text/gbk.h"

#include <QHash>
#include <QStringList>
#include <QStringDecoder>
#include <QStringEncoder>

#include <array>
#include <vector>

namespace velmora::text {
namespace {

constexpr int kLeadFirst = 0x81, kLeadLast = 0xFE;
constexpr int kTrailFirst = 0x40, kTrailLast = 0xFE;
constexpr int kTrailCount = kTrailLast - kTrailFirst + 1;
// Two bytes that stand for one character outside GBK. 0xFF is neither a lead nor a trail
// byte in GBK, so the pair can never be confused with a real character.
constexpr unsigned char kForeignByte = 0xFF;

bool IsTrail(int b) { return b >= kTrailFirst && b <= kTrailLast && b != 0x7F; }

struct Tables {
  // pair (lead, trail) -> code point, 0 when unassigned
  std::array<char32_t, (kLeadLast - kLeadFirst + 1) * kTrailCount> decode{};
  QHash<char32_t, quint16> encode;
  char32_t single80 = 0;  // what the lone byte 0x80 is (the euro sign in CP936)

  Tables() {
    // One decode of every pair, each followed by a line feed: a line feed is never a trail
    // byte, so the output splits back into one piece per pair.
    QByteArray all;
    all.reserve((kLeadLast - kLeadFirst + 1) * kTrailCount * 3);
    for (int lead = kLeadFirst; lead <= kLeadLast; ++lead) {
      for (int trail = kTrailFirst; trail <= kTrailLast; ++trail) {
        all.append(static_cast<char>(lead));
        all.append(static_cast<char>(trail));
        all.append('\n');
      }
    }
    QStringDecoder dec("GBK");
    const QStringList pieces = QString(dec.decode(all)).split(QLatin1Char('\n'));
    int k = 0;
    for (int lead = kLeadFirst; lead <= kLeadLast; ++lead) {
      for (int trail = kTrailFirst; trail <= kTrailLast; ++trail, ++k) {
        if (trail == 0x7F || k >= pieces.size()) continue;
        const auto ucs = pieces[k].toUcs4();
        if (ucs.size() != 1 || ucs[0] == 0xFFFD || ucs[0] < 0x80) continue;
        decode[Index(lead, trail)] = ucs[0];
        if (!encode.contains(ucs[0])) encode.insert(ucs[0], static_cast<quint16>(lead << 8 | trail));
      }
    }
    QStringDecoder single("GBK");
    const QString s = single.decode(QByteArrayView("\x80", 1));
    if (s.size() == 1 && s[0] != QChar(0xFFFD)) single80 = s[0].unicode();
  }
  static int Index(int lead, int trail) { return (lead - kLeadFirst) * kTrailCount + (trail - kTrailFirst); }
};

const Tables& GbkTables() {
  static const Tables tables;
  return tables;
}

// A text as GBK bytes plus the characters outside GBK, in order; each of those stands in
// the bytes as the pair FF FF.
struct Encoded {
  QByteArray bytes;
  std::vector<char32_t> foreign;
  std::vector<int> foreignAt;  // byte offset of each FF FF pair
};

Encoded Encode(QStringView s) {
  const Tables& t = GbkTables();
  Encoded out;
  out.bytes.reserve(s.size() * 2);
  for (char32_t cp : s.toUcs4()) {
    if (cp < 0x80) {
      out.bytes.append(static_cast<char>(cp));
    } else if (cp == t.single80 && cp != 0) {
      out.bytes.append(static_cast<char>(0x80));
    } else if (auto it = t.encode.constFind(cp); it != t.encode.constEnd()) {
      out.bytes.append(static_cast<char>(*it >> 8));
      out.bytes.append(static_cast<char>(*it & 0xFF));
    } else {
      out.foreignAt.push_back(static_cast<int>(out.bytes.size()));
      out.foreign.push_back(cp);
      out.bytes.append(static_cast<char>(kForeignByte));
      out.bytes.append(static_cast<char>(kForeignByte));
    }
  }
  return out;
}

void AppendCodePoint(QString& out, char32_t cp) {
  if (cp > 0xFFFF) {
    out.append(QChar::highSurrogate(cp));
    out.append(QChar::lowSurrogate(cp));
  } else {
    out.append(QChar(static_cast<char16_t>(cp)));
  }
}

// Decodes bytes [begin, end) of an encoded text.
QString Decode(const Encoded& e, int begin, int end) {
  const Tables& t = GbkTables();
  QString out;
  out.reserve(end - begin);
  std::size_t nextForeign = 0;
  while (nextForeign < e.foreignAt.size() && e.foreignAt[nextForeign] < begin) ++nextForeign;
  int p = begin;
  while (p < end) {
    const int b = static_cast<unsigned char>(e.bytes[p]);
    if (b < 0x80) {
      out.append(QChar(static_cast<char16_t>(b)));
      ++p;
    } else if (b == kForeignByte) {
      if (nextForeign < e.foreignAt.size() && e.foreignAt[nextForeign] == p && p + 1 < end) {
        AppendCodePoint(out, e.foreign[nextForeign]);
        ++nextForeign;
        p += 2;
      } else {
        out.append(QChar(kUndecodable));
        ++p;
      }
    } else if (b == 0x80) {
      out.append(t.single80 != 0 ? QChar(static_cast<char16_t>(t.single80)) : QChar(kUndecodable));
      ++p;
    } else if (p + 1 < end && IsTrail(static_cast<unsigned char>(e.bytes[p + 1]))) {
      const char32_t cp = t.decode[Tables::Index(b, static_cast<unsigned char>(e.bytes[p + 1]))];
      if (cp != 0) AppendCodePoint(out, cp); else out.append(QChar(kUndecodable));
      p += 2;
    } else {
      out.append(QChar(kUndecodable));  // lone lead byte; its neighbour is read on its own
      ++p;
    }
    while (nextForeign < e.foreignAt.size() && e.foreignAt[nextForeign] < p) ++nextForeign;
  }
  return out;
}

bool IsBlank(QChar c) { return c.unicode() <= 0x20; }

// Bytes of one character under the byte model: 1 for ASCII and the lone byte 0x80, else 2.
int CharBytes(char32_t cp, const Tables& t) { return (cp < 0x80 || (cp == t.single80 && cp != 0)) ? 1 : 2; }

}  // namespace

int GbkCharLength(char32_t codePoint) { return CharBytes(codePoint, GbkTables()); }

int GbkLength(QStringView s) {
  const Tables& t = GbkTables();
  int n = 0;
  for (char32_t cp : s.toUcs4()) n += CharBytes(cp, t);
  return n;
}

QString GbkMid(QStringView s, int first, int last) {
  const Encoded e = Encode(s);
  const int begin = std::max(first, 1) - 1;
  const int end = std::min<int>(last, static_cast<int>(e.bytes.size()));
  if (begin >= end) return {};
  return Decode(e, begin, end);
}

QString GbkCopy(QStringView s, int first, int count) {
  if (count <= 0) return {};
  const long long last = static_cast<long long>(std::max(first, 1)) + count - 1;
  return GbkMid(s, first, static_cast<int>(std::min<long long>(last, 1 << 30)));
}

QString GbkCopyWhole(QStringView s, int first, int count) {
  const Tables& t = GbkTables();
  const qsizetype begin = std::max(first, 1) - 1;  // 0-based byte offset of the cut
  QString out;
  qsizetype at = 0;     // byte offset of the current character
  qsizetype taken = 0;  // bytes in out
  for (char32_t cp : s.toUcs4()) {
    const int len = CharBytes(cp, t);
    const bool started = at + len > begin;  // the cut lies before this character's end
    at += len;
    if (!started) continue;
    if (taken + len > count) break;
    AppendCodePoint(out, cp);
    taken += len;
  }
  return out;
}

QString GbkPadRight(QStringView s, int n) {
  QString out = s.toString();
  const int len = GbkLength(s);
  if (len < n) out.append(QString(n - len, QLatin1Char(' ')));
  return out;
}

QString Trim(QStringView s) { return TrimRight(TrimLeft(s)); }

QString TrimLeft(QStringView s) {
  qsizetype i = 0;
  while (i < s.size() && IsBlank(s[i])) ++i;
  return s.mid(i).toString();
}

QString TrimRight(QStringView s) {
  qsizetype n = s.size();
  while (n > 0 && IsBlank(s[n - 1])) --n;
  return s.left(n).toString();
}

QString SqlQuote(QStringView s) {
  QString out;
  out.reserve(s.size() + 2);
  out.append(QLatin1Char('\''));
  for (QChar c : s) {
    if (c == QLatin1Char('\'')) out.append(QLatin1Char('\''));
    out.append(c);
  }
  out.append(QLatin1Char('\''));
  return out;
}

QByteArray ToGb18030(QStringView s) {
  QStringEncoder enc("GB18030");
  return enc.encode(s);
}

QString FromGb18030(QByteArrayView bytes) {
  QStringDecoder dec("GB18030");
  return dec.decode(bytes);
}

bool IsGbkHanzi(char32_t c) {
  if (QChar::script(c) != QChar::Script_Han || c < 0x3400) return false;
  const QString one = QString::fromUcs4(&c, 1);
  QStringEncoder encode("GBK");
  const QByteArray bytes = encode(one);
  return !encode.hasError() && bytes.size() == 2 && QStringDecoder("GBK")(bytes) == one;
}

}  // namespace velmora::text
