// Recursive-descent parser of Jet SELECT statements: see jet_parser.h.
#include "refdb/jet_parser.h"

#include "refdb/errors.h"
#include "refdb/jet_tokenizer.h"

#include <algorithm>

namespace velmora::jet {
namespace {

// Bounds the height of every tree (nested parentheses, long chains of operators and
// nested selects), so that neither this parser nor the emitter can exhaust the stack.
constexpr int kMaxDepth = 400;

class Parser {
 public:
  explicit Parser(QStringView sql) : tokens_(Tokenize(sql)) {}

  Compound Statement() {
    Compound c = ParseCompound();
    if (IsOp(";")) Advance();
    if (Peek().kind != TokenKind::End) FailNear();
    return c;
  }

 private:
  std::vector<Token> tokens_;
  std::size_t pos_ = 0;
  int nesting_ = 0;

  const Token& Peek(std::size_t ahead = 0) const {
    return tokens_[std::min(pos_ + ahead, tokens_.size() - 1)];
  }
  const Token& Advance() {
    const Token& t = tokens_[pos_];
    if (pos_ + 1 < tokens_.size()) ++pos_;
    return t;
  }
  bool IsKw(Keyword k, std::size_t ahead = 0) const {
    const Token& t = Peek(ahead);
    return t.kind == TokenKind::Identifier && t.keyword == k;
  }
  bool IsOp(const char* op, std::size_t ahead = 0) const {
    const Token& t = Peek(ahead);
    return t.kind == TokenKind::Operator && t.text == QLatin1String(op);
  }
  bool AcceptKw(Keyword k) {
    if (!IsKw(k)) return false;
    Advance();
    return true;
  }
  bool AcceptOp(const char* op) {
    if (!IsOp(op)) return false;
    Advance();
    return true;
  }
  void ExpectKw(Keyword k) {
    if (!AcceptKw(k)) FailNear();
  }
  void ExpectOp(const char* op) {
    if (!AcceptOp(op)) FailNear();
  }

  [[noreturn]] void FailNear() const {
    const Token& t = Peek();
    if (t.kind == TokenKind::End) {
      throw DbError(QStringLiteral("SQL 语句有误：语句不完整（第 %1 个字符处）").arg(t.offset + 1));
    }
    QString shown = t.text;
    if (t.kind == TokenKind::String) shown = QLatin1Char('\'') + shown + QLatin1Char('\'');
    if (shown.size() > 40) shown = shown.left(40) + QStringLiteral("…");
    throw DbError(QStringLiteral("SQL 语句有误：在“%1”附近（第 %2 个字符处）").arg(shown).arg(t.offset + 1));
  }
  [[noreturn]] void FailDepth() const {
    throw DbError(QStringLiteral("SQL 语句有误：嵌套过深（第 %1 个字符处）").arg(Peek().offset + 1));
  }

  // Guards one level of recursion.
  struct Nest {
    Parser& p;
    explicit Nest(Parser& parser) : p(parser) {
      if (++p.nesting_ > kMaxDepth) p.FailDepth();
    }
    ~Nest() { --p.nesting_; }
  };

  ExprPtr Make(Expr::Kind kind, int offset, QString text = {}) {
    auto e = std::make_unique<Expr>();
    e->kind = kind;
    e->offset = offset;
    e->text = std::move(text);
    return e;
  }
  ExprPtr WithArgs(ExprPtr e, std::vector<ExprPtr> args) {
    int depth = 0;
    for (auto& a : args) depth = std::max(depth, a->depth);
    e->depth = depth + 1;
    if (e->depth > kMaxDepth) FailDepth();
    e->args = std::move(args);
    return e;
  }
  ExprPtr Binary(QString op, ExprPtr l, ExprPtr r, int offset) {
    std::vector<ExprPtr> args;
    args.push_back(std::move(l));
    args.push_back(std::move(r));
    return WithArgs(Make(Expr::Kind::Binary, offset, std::move(op)), std::move(args));
  }

  // ---- statements ----

  Compound ParseCompound() {
    Nest nest(*this);
    Compound c;
    c.cores.push_back(ParseCore());
    while (IsKw(Keyword::Union)) {
      Advance();
      c.unionAll.push_back(AcceptKw(Keyword::All));
      c.cores.push_back(ParseCore());
    }
    if (IsKw(Keyword::Order)) {
      Advance();
      ExpectKw(Keyword::By);
      auto terms = ParseOrderTerms();
      if (c.cores.size() == 1) c.cores.front().orderBy = std::move(terms);
      else c.orderBy = std::move(terms);
    }
    return c;
  }

  SelectCore ParseCore() {
    // A parenthesized select may stand as a member of a union.
    if (IsOp("(") && IsKw(Keyword::Select, 1)) FailNear();
    ExpectKw(Keyword::Select);
    SelectCore core;
    for (;;) {
      if (AcceptKw(Keyword::Distinct) || AcceptKw(Keyword::DistinctRow)) {
        core.distinct = true;
      } else if (AcceptKw(Keyword::All)) {
      } else if (IsKw(Keyword::Top) && !core.top) {
        Advance();
        const Token& n = Peek();
        if (n.kind != TokenKind::Number) FailNear();
        bool ok = false;
        const long long value = n.text.toLongLong(&ok);
        if (!ok || value < 0) FailNear();
        Advance();
        core.top = value;
        core.topPercent = AcceptKw(Keyword::Percent);
      } else {
        break;
      }
    }
    do {
      ResultColumn col;
      col.expr = ParseExpr();
      if (AcceptKw(Keyword::As)) col.alias = Name();
      else if (IsName()) col.alias = Name();
      core.columns.push_back(std::move(col));
    } while (AcceptOp(","));
    if (AcceptKw(Keyword::From)) {
      do core.from.push_back(ParseSource()); while (AcceptOp(","));
    }
    if (AcceptKw(Keyword::Where)) core.where = ParseExpr();
    if (IsKw(Keyword::Group)) {
      Advance();
      ExpectKw(Keyword::By);
      do core.groupBy.push_back(ParseExpr()); while (AcceptOp(","));
    }
    if (AcceptKw(Keyword::Having)) core.having = ParseExpr();
    return core;
  }

  std::vector<OrderTerm> ParseOrderTerms() {
    std::vector<OrderTerm> terms;
    do {
      OrderTerm t;
      t.expr = ParseExpr();
      if (AcceptKw(Keyword::Desc)) t.descending = true;
      else AcceptKw(Keyword::Asc);
      terms.push_back(std::move(t));
    } while (AcceptOp(","));
    return terms;
  }

  // A name: a bare identifier that is no keyword, or a bracketed one.
  bool IsName(std::size_t ahead = 0) const {
    const Token& t = Peek(ahead);
    return t.kind == TokenKind::QuotedIdentifier ||
           (t.kind == TokenKind::Identifier && t.keyword == Keyword::None);
  }
  QString Name() {
    if (!IsName()) FailNear();
    return Advance().text;
  }

  Source ParseSource() {
    Nest nest(*this);
    Source left = ParsePrimarySource();
    for (;;) {
      QString type;
      if (IsKw(Keyword::Inner) && IsKw(Keyword::Join, 1)) {
        type = QStringLiteral("INNER");
      } else if ((IsKw(Keyword::Left) || IsKw(Keyword::Right)) &&
                 (IsKw(Keyword::Join, 1) || (IsKw(Keyword::Outer, 1) && IsKw(Keyword::Join, 2)))) {
        type = IsKw(Keyword::Left) ? QStringLiteral("LEFT") : QStringLiteral("RIGHT");
      } else {
        break;
      }
      while (!IsKw(Keyword::Join)) Advance();
      Advance();
      Source join;
      join.kind = Source::Kind::Join;
      join.joinType = type;
      join.left = std::make_unique<Source>(std::move(left));
      join.right = std::make_unique<Source>(ParsePrimarySource());
      ExpectKw(Keyword::On);
      join.on = ParseExpr();
      left = std::move(join);
    }
    return left;
  }

  Source ParsePrimarySource() {
    Source s;
    if (IsOp("(")) {
      Advance();
      if (IsKw(Keyword::Select)) {
        s.kind = Source::Kind::Derived;
        s.derived = std::make_unique<Compound>(ParseCompound());
        ExpectOp(")");
      } else {
        s = ParseSource();  // (a INNER JOIN b ON ...), as Jet writes nested joins
        ExpectOp(")");
        return s;
      }
    } else {
      const Token& t = Peek();
      // A bare number is a table name in Jet: "from 81".
      if (t.kind == TokenKind::Number || IsName()) {
        s.table = Advance().text;
      } else {
        FailNear();
      }
    }
    if (AcceptKw(Keyword::As)) s.alias = Name();
    else if (IsName()) s.alias = Name();
    return s;
  }

  // ---- expressions, lowest precedence first ----

  ExprPtr ParseExpr() {
    Nest nest(*this);
    return ParseXor();
  }

  ExprPtr ParseXor() {
    ExprPtr l = ParseOr();
    while (IsKw(Keyword::Xor)) {
      const int at = Advance().offset;
      l = Binary(QStringLiteral("XOR"), std::move(l), ParseOr(), at);
    }
    return l;
  }
  ExprPtr ParseOr() {
    ExprPtr l = ParseAnd();
    while (IsKw(Keyword::Or)) {
      const int at = Advance().offset;
      l = Binary(QStringLiteral("OR"), std::move(l), ParseAnd(), at);
    }
    return l;
  }
  ExprPtr ParseAnd() {
    ExprPtr l = ParseNot();
    while (IsKw(Keyword::And)) {
      const int at = Advance().offset;
      l = Binary(QStringLiteral("AND"), std::move(l), ParseNot(), at);
    }
    return l;
  }
  ExprPtr ParseNot() {
    if (IsKw(Keyword::Not)) {
      Nest nest(*this);
      const int at = Advance().offset;
      std::vector<ExprPtr> args;
      args.push_back(ParseNot());
      return WithArgs(Make(Expr::Kind::Unary, at, QStringLiteral("NOT")), std::move(args));
    }
    return ParseComparison();
  }

  ExprPtr ParseComparison() {
    ExprPtr l = ParseConcat();
    const int at = Peek().offset;
    bool negated = false;
    if (IsKw(Keyword::Not) && (IsKw(Keyword::Like, 1) || IsKw(Keyword::In, 1) || IsKw(Keyword::Between, 1))) {
      Advance();
      negated = true;
    }
    if (AcceptKw(Keyword::Like)) {
      std::vector<ExprPtr> args;
      args.push_back(std::move(l));
      args.push_back(ParseConcat());
      auto e = WithArgs(Make(Expr::Kind::Like, at), std::move(args));
      e->negated = negated;
      return e;
    }
    if (AcceptKw(Keyword::In)) {
      ExpectOp("(");
      auto e = Make(Expr::Kind::In, at);
      e->negated = negated;
      std::vector<ExprPtr> args;
      args.push_back(std::move(l));
      if (IsKw(Keyword::Select)) {
        e->subquery = std::make_unique<Compound>(ParseCompound());
      } else {
        do args.push_back(ParseExpr()); while (AcceptOp(","));
      }
      ExpectOp(")");
      return WithArgs(std::move(e), std::move(args));
    }
    if (AcceptKw(Keyword::Between)) {
      std::vector<ExprPtr> args;
      args.push_back(std::move(l));
      args.push_back(ParseConcat());
      ExpectKw(Keyword::And);
      args.push_back(ParseConcat());
      auto e = WithArgs(Make(Expr::Kind::Between, at), std::move(args));
      e->negated = negated;
      return e;
    }
    if (negated) FailNear();
    if (AcceptKw(Keyword::Is)) {
      const bool isNot = AcceptKw(Keyword::Not);
      ExpectKw(Keyword::Null);
      std::vector<ExprPtr> args;
      args.push_back(std::move(l));
      auto e = WithArgs(Make(Expr::Kind::IsNull, at), std::move(args));
      e->negated = isNot;
      return e;
    }
    for (const char* op : {"=", "<>", "<=", ">=", "<", ">"}) {
      if (IsOp(op)) {
        Advance();
        return Binary(QString::fromLatin1(op), std::move(l), ParseConcat(), at);
      }
    }
    return l;
  }

  ExprPtr ParseConcat() {
    ExprPtr l = ParseAdditive();
    while (IsOp("&")) {
      const int at = Advance().offset;
      l = Binary(QStringLiteral("&"), std::move(l), ParseAdditive(), at);
    }
    return l;
  }
  ExprPtr ParseAdditive() {
    ExprPtr l = ParseMod();
    while (IsOp("+") || IsOp("-")) {
      const Token& t = Advance();
      const QString op = t.text;
      l = Binary(op, std::move(l), ParseMod(), t.offset);
    }
    return l;
  }
  ExprPtr ParseMod() {
    ExprPtr l = ParseIntDiv();
    while (IsKw(Keyword::Mod)) {
      const int at = Advance().offset;
      l = Binary(QStringLiteral("MOD"), std::move(l), ParseIntDiv(), at);
    }
    return l;
  }
  ExprPtr ParseIntDiv() {
    ExprPtr l = ParseMultiplicative();
    while (IsOp("\\")) {
      const int at = Advance().offset;
      l = Binary(QStringLiteral("\\"), std::move(l), ParseMultiplicative(), at);
    }
    return l;
  }
  ExprPtr ParseMultiplicative() {
    ExprPtr l = ParseUnary();
    while (IsOp("*") || IsOp("/")) {
      const Token& t = Advance();
      const QString op = t.text;
      l = Binary(op, std::move(l), ParseUnary(), t.offset);
    }
    return l;
  }
  ExprPtr ParseUnary() {
    if (IsOp("-") || IsOp("+")) {
      Nest nest(*this);
      const Token& t = Advance();
      auto e = Make(Expr::Kind::Unary, t.offset, t.text);
      std::vector<ExprPtr> args;
      args.push_back(ParseUnary());
      return WithArgs(std::move(e), std::move(args));
    }
    return ParsePower();
  }
  ExprPtr ParsePower() {
    ExprPtr l = ParsePrimary();
    while (IsOp("^")) {
      const int at = Advance().offset;
      l = Binary(QStringLiteral("^"), std::move(l), ParsePrimary(), at);
    }
    return l;
  }

  ExprPtr ParsePrimary() {
    Nest nest(*this);
    const Token& t = Peek();
    switch (t.kind) {
      case TokenKind::Number: Advance(); return Make(Expr::Kind::Number, t.offset, t.text);
      case TokenKind::String: Advance(); return Make(Expr::Kind::String, t.offset, t.text);
      case TokenKind::Date: Advance(); return Make(Expr::Kind::Date, t.offset, t.text);
      case TokenKind::Operator:
        if (IsOp("*")) {
          Advance();
          return Make(Expr::Kind::Star, t.offset);
        }
        if (IsOp("(")) {
          Advance();
          if (IsKw(Keyword::Select)) {
            auto e = Make(Expr::Kind::Subquery, t.offset);
            e->subquery = std::make_unique<Compound>(ParseCompound());
            ExpectOp(")");
            return e;
          }
          ExprPtr inner = ParseExpr();
          ExpectOp(")");
          return inner;
        }
        FailNear();
      case TokenKind::Identifier:
        switch (t.keyword) {
          case Keyword::Null: Advance(); return Make(Expr::Kind::Null, t.offset);
          case Keyword::True: Advance(); return Make(Expr::Kind::Bool, t.offset, QStringLiteral("-1"));
          case Keyword::False: Advance(); return Make(Expr::Kind::Bool, t.offset, QStringLiteral("0"));
          case Keyword::Exists: {
            Advance();
            ExpectOp("(");
            auto e = Make(Expr::Kind::Exists, t.offset);
            e->subquery = std::make_unique<Compound>(ParseCompound());
            ExpectOp(")");
            return e;
          }
          case Keyword::Left:
          case Keyword::Right:
            if (IsOp("(", 1)) return ParseFunction();
            FailNear();
          case Keyword::None:
            break;
          default:
            FailNear();
        }
        [[fallthrough]];
      case TokenKind::QuotedIdentifier:
        if (t.kind == TokenKind::Identifier && IsOp("(", 1)) return ParseFunction();
        return ParseColumn();
      case TokenKind::End:
        FailNear();
    }
    FailNear();
  }

  ExprPtr ParseFunction() {
    const Token& name = Advance();
    auto e = Make(Expr::Kind::Function, name.offset, name.text);
    ExpectOp("(");
    std::vector<ExprPtr> args;
    if (IsOp("*")) {
      Advance();
      e->star = true;
    } else if (!IsOp(")")) {
      AcceptKw(Keyword::Distinct);
      do args.push_back(ParseExpr()); while (AcceptOp(","));
    }
    ExpectOp(")");
    return WithArgs(std::move(e), std::move(args));
  }

  ExprPtr ParseColumn() {
    const Token& first = Advance();
    if (IsOp(".")) {
      Advance();
      if (IsOp("*")) {
        Advance();
        auto e = Make(Expr::Kind::Star, first.offset);
        e->qualifier = first.text;
        return e;
      }
      if (!IsName() && Peek().kind != TokenKind::Identifier) FailNear();
      auto e = Make(Expr::Kind::Column, first.offset, Advance().text);
      e->qualifier = first.text;
      return e;
    }
    return Make(Expr::Kind::Column, first.offset, first.text);
  }
};

}  // namespace

Compound Parse(QStringView sql) { return Parser(sql).Statement(); }

}  // namespace velmora::jet
