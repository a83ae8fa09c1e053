// libFuzzer target for the GBK layer: decoding, length, cuts, padding and quoting hold
// their invariants on any text a person may type or a file may hold.
//
//   - a cut on character boundaries gives back exactly those characters, and a cut never
//     yields half of a character outside GBK (it is whole, or it is U+FFFD);
//   - every text GbkMid returns is valid UTF-16 and no longer than the bytes asked for;
//   - padding reaches the asked length and keeps the text;
//   - a quoted value read back by SQLite is the value itself: it never ends the literal;
//   - saving (GB18030) and reading back loses nothing.
#include "text/gbk.h"

#include <QString>

#include <sqlite3.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

using namespace velmora::text;

void Check(bool ok) {
  if (!ok) std::abort();
}

bool ValidUtf16(const QString& s) {
  for (qsizetype i = 0; i < s.size(); ++i) {
    if (s[i].isHighSurrogate()) {
      if (i + 1 >= s.size() || !s[i + 1].isLowSurrogate()) return false;
      ++i;
    } else if (s[i].isLowSurrogate()) {
      return false;
    }
  }
  return true;
}

// The characters of s with the GBK byte position each one ends at.
struct Piece {
  QString text;
  int end;
};
std::vector<Piece> Pieces(const QString& s) {
  std::vector<Piece> pieces;
  int end = 0;
  for (qsizetype i = 0; i < s.size();) {
    const qsizetype n = (s[i].isHighSurrogate() && i + 1 < s.size()) ? 2 : 1;
    const QString c = s.mid(i, n);
    end += GbkLength(c);
    pieces.push_back({c, end});
    i += n;
  }
  return pieces;
}

sqlite3* Db() {
  static sqlite3* db = [] {
    sqlite3* d = nullptr;
    sqlite3_open(":memory:", &d);
    return d;
  }();
  return db;
}

void CheckQuote(const QString& s) {
  const QString quoted = SqlQuote(s);
  Check(quoted.startsWith(QLatin1Char('\'')) && quoted.endsWith(QLatin1Char('\'')) && quoted.size() >= 2);
  if (s.contains(QChar(0))) return;  // SQLite reads a statement's text up to a NUL
  const QByteArray sql = (QStringLiteral("SELECT ") + quoted).toUtf8();
  sqlite3_stmt* stmt = nullptr;
  const char* tail = nullptr;
  Check(sqlite3_prepare_v2(Db(), sql.constData(), static_cast<int>(sql.size()), &stmt, &tail) == SQLITE_OK);
  Check(tail == sql.constData() + sql.size());  // one statement: the literal did not end early
  Check(sqlite3_step(stmt) == SQLITE_ROW);
  const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
  Check(QString::fromUtf8(text, sqlite3_column_bytes(stmt, 0)) == QString::fromUtf8(s.toUtf8()));
  sqlite3_finalize(stmt);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 512) return 0;
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  // Two readings of the same bytes: as UTF-8 (what a person types) and as a saved file.
  for (const QString& s : {QString::fromUtf8(bytes), FromGb18030(bytes)}) {
    Check(ValidUtf16(s));
    const int length = GbkLength(s);
    const std::vector<Piece> pieces = Pieces(s);
    Check(length == (pieces.empty() ? 0 : pieces.back().end));

    // Cuts on boundaries give back the characters; any cut is valid text of bounded size.
    int start = 0;
    QString prefix;
    for (const Piece& p : pieces) {
      prefix += p.text;
      Check(GbkMid(s, 1, p.end) == prefix);
      Check(GbkCopy(s, start + 1, p.end - start) == p.text);
      // Half of a two-byte character, GBK's or not, is never read as a character.
      if (p.end - start == 2) Check(GbkMid(s, start + 1, start + 1) == QString(kUndecodable));
      start = p.end;
    }
    for (int first = 1; first <= length + 1 && first <= 40; ++first) {
      const QString cut = GbkMid(s, first, first + 3);
      Check(ValidUtf16(cut));
      Check(cut.size() <= 4);  // four bytes give at most four characters, never more
    }

    const QString padded = GbkPadRight(s, 16);
    Check(padded.startsWith(s) && GbkLength(padded) == std::max(length, 16));

    const QString trimmed = Trim(s);
    Check(Trim(trimmed) == trimmed);
    Check(trimmed.isEmpty() || (trimmed.front().unicode() > 0x20 && trimmed.back().unicode() > 0x20));

    CheckQuote(s);
    if (!s.contains(kUndecodable)) Check(FromGb18030(ToGb18030(s)) == s);
  }
  return 0;
}
