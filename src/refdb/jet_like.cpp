// Jet's LIKE on SQLite: see jet_like.h.
//
// A pattern compiles to items (a literal, _ one character, % any run, [set]) matched with
// backtracking to the last %. Texts compare case-insensitively, as Jet compares them.
#include "refdb/jet_like.h"

#include "refdb/jet_values.h"
#include "refdb/sqlite_functions.h"

#include <QString>

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace velmora::jet {
namespace {

struct PatternItem {
  enum Kind { Literal, One, Any, Set } kind = Literal;
  char32_t ch = 0;
  bool negate = false;
  std::vector<std::pair<char32_t, char32_t>> ranges;  // folded
};

bool CompilePattern(std::string_view pattern, std::vector<PatternItem>* items) {
  const auto cps = CodePoints(pattern);
  for (std::size_t i = 0; i < cps.size(); ++i) {
    PatternItem item;
    const char32_t c = cps[i];
    if (c == '%') {
      item.kind = PatternItem::Any;
      if (!items->empty() && items->back().kind == PatternItem::Any) continue;
    } else if (c == '_') {
      item.kind = PatternItem::One;
    } else if (c == '[') {
      std::size_t j = i + 1;
      item.kind = PatternItem::Set;
      if (j < cps.size() && cps[j] == '!') {
        item.negate = true;
        ++j;
      }
      // A "]" right after the opening bracket is a member, as in Jet.
      bool first = true;
      for (;; ++j) {
        if (j >= cps.size()) return false;
        if (cps[j] == ']' && !first) break;
        first = false;
        char32_t lo = cps[j], hi = cps[j];
        if (j + 2 < cps.size() && cps[j + 1] == '-' && cps[j + 2] != ']') {
          hi = cps[j + 2];
          j += 2;
        }
        item.ranges.emplace_back(Fold(lo), Fold(hi));
        if (lo != Fold(lo) || hi != Fold(hi)) item.ranges.emplace_back(lo, hi);
      }
      i = j;
    } else {
      item.ch = Fold(c);
    }
    items->push_back(std::move(item));
  }
  return true;
}

bool ItemMatches(const PatternItem& item, char32_t folded, char32_t raw) {
  switch (item.kind) {
    case PatternItem::Literal: return item.ch == folded;
    case PatternItem::One: return true;
    case PatternItem::Set: {
      bool in = false;
      for (const auto& [lo, hi] : item.ranges) in = in || (folded >= lo && folded <= hi) || (raw >= lo && raw <= hi);
      return in != item.negate;
    }
    case PatternItem::Any: return true;
  }
  return false;
}

// Matches text against compiled items: % takes any run (backtracking to the last %), every
// other item exactly one character.
bool MatchItems(const std::vector<PatternItem>& items, const std::vector<char32_t>& text) {
  std::size_t t = 0, p = 0;
  std::size_t starP = std::string::npos, starT = 0;
  while (t < text.size()) {
    if (p < items.size() && items[p].kind == PatternItem::Any) {
      starP = p++;
      starT = t;
    } else if (p < items.size() && ItemMatches(items[p], Fold(text[t]), text[t])) {
      ++p;
      ++t;
    } else if (starP != std::string::npos) {
      p = starP + 1;
      t = ++starT;
    } else {
      return false;
    }
  }
  while (p < items.size() && items[p].kind == PatternItem::Any) ++p;
  return p == items.size();
}

struct CompiledPattern {
  std::vector<PatternItem> items;
  bool valid = true;
  // '%x%' with x of Han characters only: no other character folds to one of them, so a
  // byte search of x's UTF-8 in the text answers it (the library search runs it over
  // every poem).
  std::string plainNeedle;
};

// Fills plainNeedle when the pattern is '%' + Han characters + '%'.
void FindPlainNeedle(CompiledPattern& c) {
  const auto& items = c.items;
  if (items.size() < 3 || items.front().kind != PatternItem::Any || items.back().kind != PatternItem::Any) return;
  QString needle;
  for (std::size_t i = 1; i + 1 < items.size(); ++i) {
    if (items[i].kind != PatternItem::Literal || QChar::script(items[i].ch) != QChar::Script_Han) return;
    needle += QString::fromUcs4(&items[i].ch, 1);
  }
  c.plainNeedle = needle.toStdString();
}

void DeletePattern(void* p) { delete static_cast<CompiledPattern*>(p); }

}  // namespace

void JetLike(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
    return sqlite3_result_null(ctx);
  }
  // A constant pattern is compiled once per statement.
  auto* compiled = static_cast<CompiledPattern*>(sqlite3_get_auxdata(ctx, 1));
  CompiledPattern local;
  if (!compiled) {
    local.valid = CompilePattern(TextOf(argv[1]), &local.items);
    if (local.valid) FindPlainNeedle(local);
    auto* kept = new CompiledPattern(local);
    sqlite3_set_auxdata(ctx, 1, kept, DeletePattern);
    compiled = &local;
  }
  if (!compiled->valid) return ResultError(ctx, "LIKE 的模式无效");
  if (!compiled->plainNeedle.empty()) {
    return sqlite3_result_int(ctx, TextOf(argv[0]).find(compiled->plainNeedle) != std::string_view::npos ? 1 : 0);
  }
  sqlite3_result_int(ctx, MatchItems(compiled->items, CodePoints(TextOf(argv[0]))) ? 1 : 0);
}

namespace {

// The constant text of a containment test, indexed: its folded characters and, for each
// character, the positions where it occurs.
struct ContainIndex {
  std::vector<char32_t> folded;
  std::unordered_map<char32_t, std::vector<std::uint32_t>> positions;
  std::vector<bool> inBmp = std::vector<bool>(0x10000);  // which BMP characters occur: the one-character needles
};

void DeleteIndex(void* p) { delete static_cast<ContainIndex*>(p); }

bool HasWildcard(std::string_view s) {
  return s.find_first_of("%_[") != std::string_view::npos;
}

}  // namespace

void JetContains(sqlite3_context* ctx, int, sqlite3_value** argv) {
  sqlite3_value* text = argv[0];
  sqlite3_value* needle = argv[1];
  // Same as '%' + needle + '%' first: a NULL needle gives NULL, a number cannot be added
  // to the text '%'.
  if (sqlite3_value_type(needle) == SQLITE_NULL) return sqlite3_result_null(ctx);
  if (IsNumeric(needle)) return ResultError(ctx, "类型不匹配：文字与数字相加");
  if (sqlite3_value_type(text) == SQLITE_NULL) return sqlite3_result_null(ctx);
  const std::string_view n = TextOf(needle);
  if (HasWildcard(n)) {
    // The needle carries wildcards of its own: match the real pattern.
    std::string pattern = "%";
    pattern.append(n).append("%");
    std::vector<PatternItem> items;
    if (!CompilePattern(pattern, &items)) return ResultError(ctx, "LIKE 的模式无效");
    return sqlite3_result_int(ctx, MatchItems(items, CodePoints(TextOf(text))) ? 1 : 0);
  }
  auto* index = static_cast<ContainIndex*>(sqlite3_get_auxdata(ctx, 0));
  if (!index) {
    index = new ContainIndex;
    for (char32_t c : CodePoints(TextOf(text))) index->folded.push_back(Fold(c));
    for (std::uint32_t i = 0; i < index->folded.size(); ++i) {
      const char32_t c = index->folded[i];
      index->positions[c].push_back(i);
      if (c < 0x10000) index->inBmp[c] = true;
    }
    sqlite3_set_auxdata(ctx, 0, index, DeleteIndex);
    // SQLite may drop the pointer at once when the argument is not constant; fetch again.
    index = static_cast<ContainIndex*>(sqlite3_get_auxdata(ctx, 0));
    if (!index) {
      std::string pattern = "%";
      pattern.append(n).append("%");
      std::vector<PatternItem> items;
      CompilePattern(pattern, &items);
      return sqlite3_result_int(ctx, MatchItems(items, CodePoints(TextOf(text))) ? 1 : 0);
    }
  }
  if (n.empty()) return sqlite3_result_int(ctx, 1);
  std::size_t afterFirst = 0;
  const char32_t first = Fold(NextCodePoint(n, afterFirst));
  if (afterFirst == n.size() && first < 0x10000) return sqlite3_result_int(ctx, index->inBmp[first] ? 1 : 0);
  std::vector<char32_t> want{first};
  for (std::size_t i = afterFirst; i < n.size();) want.push_back(Fold(NextCodePoint(n, i)));
  const auto it = index->positions.find(want.front());
  if (it == index->positions.end()) return sqlite3_result_int(ctx, 0);
  for (std::uint32_t start : it->second) {
    if (start + want.size() > index->folded.size()) break;
    if (std::equal(want.begin() + 1, want.end(), index->folded.begin() + start + 1)) return sqlite3_result_int(ctx, 1);
  }
  sqlite3_result_int(ctx, 0);
}


bool JetLikeMatch(const char* text, int textLen, const char* pattern, int patternLen, bool* invalid) {
  std::vector<PatternItem> items;
  *invalid = !CompilePattern(std::string_view(pattern, static_cast<std::size_t>(patternLen)), &items);
  if (*invalid) return false;
  return MatchItems(items, CodePoints(std::string_view(text, static_cast<std::size_t>(textLen))));
}

}  // namespace velmora::jet
