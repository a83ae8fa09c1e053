// Jet tokenizer: see jet_tokenizer.h.
#include "refdb/jet_tokenizer.h"

#include "refdb/errors.h"

#include <array>

namespace velmora::jet {
namespace {

enum CharClass : unsigned char {
  kOther, kSpace, kDigit, kIdStart, kQuote, kDoubleQuote, kBracket, kBacktick, kHash, kOp, kDot,
};

// Class of each ASCII character; every non-ASCII character may start an identifier
// (Jet accepts Chinese table and column names), except the full-width blank.
constexpr std::array<CharClass, 128> MakeClasses() {
  std::array<CharClass, 128> c{};
  for (auto& x : c) x = kOther;
  for (int i = 0; i <= 0x20; ++i) c[i] = kSpace;
  for (int i = '0'; i <= '9'; ++i) c[i] = kDigit;
  for (int i = 'a'; i <= 'z'; ++i) c[i] = kIdStart;
  for (int i = 'A'; i <= 'Z'; ++i) c[i] = kIdStart;
  c['_'] = kIdStart;
  c['$'] = kIdStart;
  c['\''] = kQuote;
  c['"'] = kDoubleQuote;
  c['['] = kBracket;
  c['`'] = kBacktick;
  c['#'] = kHash;
  c['.'] = kDot;
  for (char op : {'(', ')', ',', '*', '+', '-', '/', '\\', '&', '=', '<', '>', '^', ';', '!'}) c[op] = kOp;
  return c;
}
constexpr std::array<CharClass, 128> kClasses = MakeClasses();

CharClass ClassOf(QChar ch) {
  const char16_t u = ch.unicode();
  if (u < 128) return kClasses[u];
  if (u == 0x3000 || u == 0xFEFF) return kSpace;
  return kIdStart;
}

bool IsIdChar(QChar ch) {
  const CharClass c = ClassOf(ch);
  return c == kIdStart || c == kDigit;
}

struct KeywordRow {
  const char* text;
  Keyword keyword;
};

// One row per keyword.
constexpr KeywordRow kKeywords[] = {
    {"ALL", Keyword::All},         {"AND", Keyword::And},
    {"AS", Keyword::As},           {"ASC", Keyword::Asc},
    {"BETWEEN", Keyword::Between}, {"BY", Keyword::By},
    {"DESC", Keyword::Desc},       {"DISTINCT", Keyword::Distinct},
    {"DISTINCTROW", Keyword::DistinctRow}, {"EXISTS", Keyword::Exists},
    {"FALSE", Keyword::False},     {"FROM", Keyword::From},
    {"GROUP", Keyword::Group},     {"HAVING", Keyword::Having},
    {"IN", Keyword::In},           {"INNER", Keyword::Inner},
    {"IS", Keyword::Is},           {"JOIN", Keyword::Join},
    {"LEFT", Keyword::Left},       {"LIKE", Keyword::Like},
    {"MOD", Keyword::Mod},         {"NOT", Keyword::Not},
    {"NULL", Keyword::Null},       {"ON", Keyword::On},
    {"OR", Keyword::Or},           {"ORDER", Keyword::Order},
    {"OUTER", Keyword::Outer},     {"PERCENT", Keyword::Percent},
    {"RIGHT", Keyword::Right},     {"SELECT", Keyword::Select},
    {"TOP", Keyword::Top},         {"TRUE", Keyword::True},
    {"UNION", Keyword::Union},     {"WHERE", Keyword::Where},
    {"XOR", Keyword::Xor},
};

[[noreturn]] void Fail(const QString& what, int offset) {
  throw DbError(QStringLiteral("SQL 语句有误：%1（第 %2 个字符处）").arg(what).arg(offset + 1));
}

}  // namespace

Keyword KeywordOf(QStringView word) {
  if (word.size() < 2 || word.size() > 11) return Keyword::None;
  for (const KeywordRow& row : kKeywords) {
    if (word.compare(QLatin1StringView(row.text), Qt::CaseInsensitive) == 0) return row.keyword;
  }
  return Keyword::None;
}

std::vector<Token> Tokenize(QStringView sql) {
  std::vector<Token> tokens;
  const int n = static_cast<int>(sql.size());
  int i = 0;
  auto push = [&](TokenKind kind, QString text, int offset) {
    Token t;
    t.kind = kind;
    t.text = std::move(text);
    t.offset = offset;
    if (kind == TokenKind::Identifier) t.keyword = KeywordOf(t.text);
    tokens.push_back(std::move(t));
  };
  while (i < n) {
    const int start = i;
    const QChar ch = sql[i];
    switch (ClassOf(ch)) {
      case kSpace:
        ++i;
        break;
      case kDigit:
      case kDot: {
        if (ClassOf(ch) == kDot && !(i + 1 < n && ClassOf(sql[i + 1]) == kDigit)) {
          push(TokenKind::Operator, QStringLiteral("."), start);
          ++i;
          break;
        }
        while (i < n && ClassOf(sql[i]) == kDigit) ++i;
        if (i < n && sql[i] == QLatin1Char('.') && i + 1 < n && ClassOf(sql[i + 1]) == kDigit) {
          ++i;
          while (i < n && ClassOf(sql[i]) == kDigit) ++i;
        }
        // An exponent only when digits follow; otherwise "1e" is 1 and the name e.
        if (i < n && (sql[i] == QLatin1Char('e') || sql[i] == QLatin1Char('E'))) {
          int j = i + 1;
          if (j < n && (sql[j] == QLatin1Char('+') || sql[j] == QLatin1Char('-'))) ++j;
          if (j < n && ClassOf(sql[j]) == kDigit) {
            i = j;
            while (i < n && ClassOf(sql[i]) == kDigit) ++i;
          }
        }
        push(TokenKind::Number, sql.mid(start, i - start).toString(), start);
        break;
      }
      case kIdStart:
        while (i < n && IsIdChar(sql[i])) ++i;
        push(TokenKind::Identifier, sql.mid(start, i - start).toString(), start);
        break;
      case kQuote:
      case kDoubleQuote: {
        // Jet reads both quote characters as string delimiters; a doubled quote stands for one.
        const QChar quote = ch;
        QString value;
        ++i;
        for (;;) {
          if (i >= n) Fail(QStringLiteral("字符串没有结束"), start);
          if (sql[i] == quote) {
            if (i + 1 < n && sql[i + 1] == quote) {
              value.append(quote);
              i += 2;
              continue;
            }
            ++i;
            break;
          }
          value.append(sql[i++]);
        }
        push(TokenKind::String, std::move(value), start);
        break;
      }
      case kBracket:
      case kBacktick: {
        const QChar close = ClassOf(ch) == kBracket ? QLatin1Char(']') : QLatin1Char('`');
        const int end = static_cast<int>(sql.indexOf(close, i + 1));
        if (end < 0) Fail(QStringLiteral("名称缺少“%1”").arg(close), start);
        if (end == i + 1) Fail(QStringLiteral("名称为空"), start);
        push(TokenKind::QuotedIdentifier, sql.mid(i + 1, end - i - 1).toString(), start);
        i = end + 1;
        break;
      }
      case kHash: {
        const int end = static_cast<int>(sql.indexOf(QLatin1Char('#'), i + 1));
        if (end < 0) Fail(QStringLiteral("日期缺少“#”"), start);
        push(TokenKind::Date, sql.mid(i + 1, end - i - 1).toString(), start);
        i = end + 1;
        break;
      }
      case kOp: {
        QString op(ch);
        if (i + 1 < n) {
          const QChar next = sql[i + 1];
          if ((ch == QLatin1Char('<') && (next == QLatin1Char('>') || next == QLatin1Char('='))) ||
              (ch == QLatin1Char('>') && next == QLatin1Char('=')) ||
              (ch == QLatin1Char('!') && next == QLatin1Char('='))) {
            op.append(next);
          }
        }
        if (op == QLatin1String("!")) Fail(QStringLiteral("无法识别的符号“!”"), start);
        if (op == QLatin1String("!=")) op = QStringLiteral("<>");
        i += static_cast<int>(op.size());
        push(TokenKind::Operator, std::move(op), start);
        break;
      }
      default:
        Fail(QStringLiteral("无法识别的符号“%1”").arg(ch), start);
    }
  }
  push(TokenKind::End, QString(), n);
  return tokens;
}

}  // namespace velmora::jet
