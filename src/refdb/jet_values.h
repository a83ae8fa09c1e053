// jet_values.h: what the Jet functions on SQLite share: UTF-8 code points, Jet's case
// folding, and reading and setting SQLite values. Internal to src/refdb.
#pragma once

#include <QChar>

#include <sqlite3.h>

#include <string_view>
#include <vector>

namespace velmora::jet {

// ---- UTF-8 code points ----

// Decodes the code point at s[i], advancing i. Invalid bytes read as themselves.
inline char32_t NextCodePoint(std::string_view s, std::size_t& i) {
  const auto b0 = static_cast<unsigned char>(s[i]);
  auto cont = [&](std::size_t k) -> int {
    return i + k < s.size() && (static_cast<unsigned char>(s[i + k]) & 0xC0) == 0x80
               ? static_cast<unsigned char>(s[i + k]) & 0x3F
               : -1;
  };
  if (b0 < 0x80) { ++i; return b0; }
  if ((b0 & 0xE0) == 0xC0) {
    if (int c1 = cont(1); c1 >= 0) { i += 2; return static_cast<char32_t>((b0 & 0x1F) << 6 | c1); }
  } else if ((b0 & 0xF0) == 0xE0) {
    int c1 = cont(1), c2 = cont(2);
    if (c1 >= 0 && c2 >= 0) { i += 3; return static_cast<char32_t>((b0 & 0x0F) << 12 | c1 << 6 | c2); }
  } else if ((b0 & 0xF8) == 0xF0) {
    int c1 = cont(1), c2 = cont(2), c3 = cont(3);
    if (c1 >= 0 && c2 >= 0 && c3 >= 0) {
      i += 4;
      return static_cast<char32_t>((b0 & 0x07) << 18 | c1 << 12 | c2 << 6 | c3);
    }
  }
  ++i;
  return b0;
}

inline std::vector<char32_t> CodePoints(std::string_view s) {
  std::vector<char32_t> out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size();) out.push_back(NextCodePoint(s, i));
  return out;
}

// Jet compares texts without regard to letter case.
inline char32_t Fold(char32_t c) {
  if (c < 0x80) return (c >= 'A' && c <= 'Z') ? c + 32 : c;
  return QChar::toCaseFolded(c);
}

inline std::string_view TextOf(sqlite3_value* v) {
  const auto* p = reinterpret_cast<const char*>(sqlite3_value_text(v));
  return p ? std::string_view(p, static_cast<std::size_t>(sqlite3_value_bytes(v))) : std::string_view();
}

inline void ResultText(sqlite3_context* ctx, std::string_view s) {
  sqlite3_result_text(ctx, s.data(), static_cast<int>(s.size()), SQLITE_TRANSIENT);
}

inline void ResultError(sqlite3_context* ctx, const char* message) { sqlite3_result_error(ctx, message, -1); }

inline bool IsNumeric(sqlite3_value* v) {
  const int t = sqlite3_value_type(v);
  return t == SQLITE_INTEGER || t == SQLITE_FLOAT;
}

}  // namespace velmora::jet
