// SQLite emitter: see sqlite_emitter.h.
#include "refdb/sqlite_emitter.h"

#include "refdb/errors.h"

#include <algorithm>
#include <optional>
#include <unordered_map>

namespace velmora::jet {
namespace {

QString QuoteId(const QString& name) {
  QString out = name;
  out.replace(QLatin1Char('"'), QStringLiteral("\"\""));
  return QLatin1Char('"') + out + QLatin1Char('"');
}

QString QuoteText(const QString& value) {
  QString out = value;
  out.replace(QLatin1Char('\''), QStringLiteral("''"));
  return QLatin1Char('\'') + out + QLatin1Char('\'');
}

[[noreturn]] void Unsupported(const QString& what, int offset) {
  throw DbError(QStringLiteral("SQL 语句有误：不支持%1（第 %2 个字符处）").arg(what).arg(offset + 1));
}

bool IsStringLiteral(const Expr& e, const char* value = nullptr) {
  return e.kind == Expr::Kind::String && (value == nullptr || e.text == QLatin1String(value));
}

// x when e is the pattern '%' + x + '%', as the containment filters write it.
const Expr* ContainmentNeedle(const Expr& e) {
  if (e.kind != Expr::Kind::Binary || e.text != QLatin1String("+")) return nullptr;
  const Expr& left = *e.args[0];
  if (!IsStringLiteral(*e.args[1], "%")) return nullptr;
  if (left.kind != Expr::Kind::Binary || left.text != QLatin1String("+")) return nullptr;
  if (!IsStringLiteral(*left.args[0], "%")) return nullptr;
  return left.args[1].get();
}

// The result columns of a derived table as the enclosing select sees them.
struct DerivedColumns {
  std::vector<QString> names;
  std::vector<ColumnType> types;
  bool star = false;  // a * among them: any name may be one of its columns
};

// One source of a FROM list, for telling what a column of the select names.
struct ScopeSource {
  QString name;   // the alias, else the table's name
  QString table;  // a stored table; empty for a derived table
  DerivedColumns derived;
};
using Scope = std::vector<ScopeSource>;

bool SameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

// The name SQLite will give a result column, as Jet names it: its alias, a column's own
// name, else Expr1000, Expr1001, … in the order of the unnamed expressions.
std::optional<QString> OutputName(const ResultColumn& col, int& exprCounter) {
  if (!col.alias.isEmpty()) return col.alias;
  if (col.expr->kind == Expr::Kind::Column) return col.expr->text;
  if (col.expr->kind == Expr::Kind::Star) return std::nullopt;
  return QStringLiteral("Expr%1").arg(1000 + exprCounter++);
}

bool AllUnion(const Compound& c) {
  if (c.cores.size() < 2) return false;
  for (bool all : c.unionAll) {
    if (all) return false;
  }
  return true;
}

// A UNION hands on its rows in the order of its temporary index: by the first column,
// then the second, and so on. A select that reads a union as its only source and sorts by
// some of its columns (stably) so sees, among rows of equal keys, that index order. With
// the keys moved to the front of the union's columns the index order is by the keys first
// and, among equal keys, by the other columns in their own order: the rows come out
// exactly as before, but each comparison of the index and of the sort starts with the
// keys, and the sort gets its rows already in order.
//
// Returns the union's column order (indexes into its members' columns), or nothing when
// the select does not qualify: it must show no * of the union, must not group, make
// distinct or TOP, and each sort key must be a plain column of the union that no alias
// of the select shadows. The members must all be UNION (not ALL), without a * and with
// the same number of columns.
std::vector<int> UnionKeysFirst(const SelectCore& select) {
  if (select.from.size() != 1 || select.from[0].kind != Source::Kind::Derived) return {};
  if (select.distinct || select.top || !select.groupBy.empty() || select.having || select.orderBy.empty()) return {};
  const Compound& u = *select.from[0].derived;
  if (!AllUnion(u) || !u.orderBy.empty()) return {};
  for (const ResultColumn& col : select.columns) {
    if (col.expr->kind == Expr::Kind::Star) return {};
  }
  std::vector<QString> names;
  int exprCounter = 0;
  for (const ResultColumn& col : u.cores.front().columns) {
    const auto name = OutputName(col, exprCounter);
    if (!name) return {};
    for (const QString& other : names) {
      if (SameName(other, *name)) return {};
    }
    names.push_back(*name);
  }
  for (const SelectCore& member : u.cores) {
    if (member.columns.size() != names.size()) return {};
    for (const ResultColumn& col : member.columns) {
      if (col.expr->kind == Expr::Kind::Star) return {};
    }
  }
  std::vector<int> order;
  for (const OrderTerm& term : select.orderBy) {
    const Expr& e = *term.expr;
    if (e.kind != Expr::Kind::Column) return {};
    if (!e.qualifier.isEmpty() && !SameName(e.qualifier, select.from[0].alias)) return {};
    for (const ResultColumn& col : select.columns) {
      if (!col.alias.isEmpty() && SameName(col.alias, e.text)) return {};
    }
    int at = -1;
    for (std::size_t i = 0; i < names.size(); ++i) {
      if (SameName(names[i], e.text)) at = static_cast<int>(i);
    }
    if (at < 0) return {};
    if (std::find(order.begin(), order.end(), at) == order.end()) order.push_back(at);
  }
  for (int i = 0; i < static_cast<int>(names.size()); ++i) {
    if (std::find(order.begin(), order.end(), i) == order.end()) order.push_back(i);
  }
  for (int i = 0; i < static_cast<int>(order.size()); ++i) {
    if (order[i] != i) return order;
  }
  return {};  // already in that order
}

// How a select is written.
struct CoreRole {
  bool inCompound = false;
  // A member of an all-UNION compound: the union sorts its rows, so the order in which
  // the member produces them cannot be seen.
  bool rowOrderHidden = false;
  const std::vector<int>* columnOrder = nullptr;  // the result columns in this order
};

class Emitter {
 public:
  explicit Emitter(const ColumnTypes& columnTypes) : columnTypes_(columnTypes) {}
  QString Statement(const Compound& c) { return CompoundSql(c, nullptr); }

 private:
  // columns (when not null) receives the result columns and their types; columnOrder
  // (for a union) the order to write each member's columns in.
  QString CompoundSql(const Compound& c, DerivedColumns* columns, const std::vector<int>* columnOrder = nullptr) {
    // An ORDER BY of a union, and any expression outside a select, sees no FROM list.
    const Scope* outer = scope_;
    scope_ = nullptr;
    QString out;
    if (c.cores.size() == 1) {
      out = CoreSql(c.cores.front(), CoreRole{}, columns);
    } else {
      const CoreRole member{true, AllUnion(c), columnOrder};
      for (std::size_t i = 0; i < c.cores.size(); ++i) {
        if (i > 0) out += c.unionAll[i - 1] ? QStringLiteral(" UNION ALL ") : QStringLiteral(" UNION ");
        DerivedColumns core;
        out += CoreSql(c.cores[i], member, columns ? &core : nullptr);
        if (!columns) continue;
        if (i == 0) {
          *columns = core;
        } else {
          // A column is a text only when it is one in every member.
          columns->star = columns->star || core.star;
          for (std::size_t k = 0; k < columns->types.size(); ++k) {
            if (k >= core.types.size() || core.types[k] != columns->types[k]) columns->types[k] = ColumnType::Unknown;
          }
        }
      }
      if (!c.orderBy.empty()) {
        // The ORDER BY of a union names result columns; a qualifier has no meaning there.
        out += QStringLiteral(" ORDER BY ");
        for (std::size_t i = 0; i < c.orderBy.size(); ++i) {
          if (i > 0) out += QStringLiteral(", ");
          const Expr& e = *c.orderBy[i].expr;
          out += e.kind == Expr::Kind::Column ? QuoteId(e.text) : ExprSql(e);
          if (c.orderBy[i].descending) out += QStringLiteral(" DESC");
        }
      }
    }
    scope_ = outer;
    return out;
  }

  // ---- what a column names, and whether an expression is surely a text ----

  ColumnType StoredColumnType(const QString& table, const QString& column) {
    return columnTypes_ ? columnTypes_(table, column) : ColumnType::Unknown;
  }

  // The type of the column reference e in the current select. Unknown when the name is
  // ambiguous, not found here (an outer select's column) or not known.
  ColumnType ColumnTypeOf(const Expr& e) {
    if (!scope_) return ColumnType::Unknown;
    const ScopeSource* found = nullptr;
    ColumnType type = ColumnType::Unknown;
    for (const ScopeSource& source : *scope_) {
      if (!e.qualifier.isEmpty() && !SameName(source.name, e.qualifier)) continue;
      ColumnType t = ColumnType::Absent;
      if (!source.table.isEmpty()) {
        t = StoredColumnType(source.table, e.text);
      } else {
        for (std::size_t i = 0; i < source.derived.names.size(); ++i) {
          if (SameName(source.derived.names[i], e.text)) {
            if (t != ColumnType::Absent) return ColumnType::Unknown;  // a name twice
            t = source.derived.types[i];
          }
        }
        if (t == ColumnType::Absent && source.derived.star) return ColumnType::Unknown;
      }
      if (t == ColumnType::Absent) continue;
      if (found) return ColumnType::Unknown;
      found = &source;
      type = t;
    }
    return found ? type : ColumnType::Unknown;
  }

  ColumnType TypeOf(const Expr& e) {
    switch (e.kind) {
      case Expr::Kind::String: return ColumnType::Text;
      case Expr::Kind::Column: return ColumnTypeOf(e);
      case Expr::Kind::Unary:
        return e.text == QLatin1String("+") ? TypeOf(*e.args[0]) : ColumnType::Unknown;
      case Expr::Kind::Binary: {
        if (e.text != QLatin1String("+")) return ColumnType::Unknown;
        // Remembered: every + of a chain asks for the types below it.
        if (const auto it = plusTypes_.find(&e); it != plusTypes_.end()) return it->second;
        const ColumnType t = TypeOf(*e.args[0]) == ColumnType::Text && TypeOf(*e.args[1]) == ColumnType::Text
                                 ? ColumnType::Text
                                 : ColumnType::Unknown;
        plusTypes_.emplace(&e, t);
        return t;
      }
      default: return ColumnType::Unknown;
    }
  }

  // The result columns in the order `order` gives (all of them, as indexes), or in their
  // own; each keeps the name it has in its own order.
  QString ColumnsSql(const SelectCore& core, const std::vector<int>* order, std::vector<QString>* names, bool* hasStar,
                     DerivedColumns* columns) {
    std::vector<std::optional<QString>> own;
    int exprCounter = 0;
    for (const ResultColumn& col : core.columns) own.push_back(OutputName(col, exprCounter));
    QString out;
    *hasStar = false;
    for (std::size_t k = 0; k < core.columns.size(); ++k) {
      const std::size_t i = order ? static_cast<std::size_t>((*order)[k]) : k;
      const ResultColumn& col = core.columns[i];
      if (k > 0) out += QStringLiteral(", ");
      out += ExprSql(*col.expr);
      const auto& name = own[i];
      if (!name) {
        *hasStar = true;
        continue;
      }
      if (col.expr->kind != Expr::Kind::Column || !col.alias.isEmpty()) out += QStringLiteral(" AS ") + QuoteId(*name);
      names->push_back(*name);
      if (columns) {
        columns->names.push_back(*name);
        columns->types.push_back(TypeOf(*col.expr));
      }
    }
    if (columns) columns->star = *hasStar;
    return out;
  }

  QString OrderSql(const std::vector<OrderTerm>& terms) {
    QString out;
    for (std::size_t i = 0; i < terms.size(); ++i) {
      if (i > 0) out += QStringLiteral(", ");
      out += ExprSql(*terms[i].expr);
      if (terms[i].descending) out += QStringLiteral(" DESC");
    }
    return out;
  }

  QString CoreSql(const SelectCore& core, const CoreRole& role, DerivedColumns* derived) {
    if (core.topPercent) Unsupported(QStringLiteral("TOP … PERCENT"), 0);
    // The FROM list first: the select's expressions are read against its sources.
    const std::vector<int> unionOrder = UnionKeysFirst(core);
    Scope scope;
    QString from;
    for (std::size_t i = 0; i < core.from.size(); ++i) {
      if (i > 0) from += QStringLiteral(", ");
      from += SourceSql(core.from[i], &scope, role.rowOrderHidden, unionOrder.empty() ? nullptr : &unionOrder);
    }
    const Scope* outer = scope_;
    scope_ = &scope;
    std::vector<QString> names;
    bool hasStar = false;
    const QString columns = ColumnsSql(core, role.columnOrder, &names, &hasStar, derived);
    QString body;
    if (!core.from.empty()) body += QStringLiteral(" FROM ") + from;
    if (core.where) body += QStringLiteral(" WHERE ") + ExprSql(*core.where);
    if (!core.groupBy.empty()) {
      body += QStringLiteral(" GROUP BY ");
      for (std::size_t i = 0; i < core.groupBy.size(); ++i) {
        if (i > 0) body += QStringLiteral(", ");
        body += ExprSql(*core.groupBy[i]);
      }
    }
    if (core.having) body += QStringLiteral(" HAVING ") + ExprSql(*core.having);
    const QString select = core.distinct ? QStringLiteral("SELECT DISTINCT ") : QStringLiteral("SELECT ");

    QString sql;
    if (core.top && !core.orderBy.empty() && !core.distinct) {
      // TOP with ORDER BY keeps the ties of the n-th row: rank every row by the keys and
      // keep those ranked n or better.
      const QString order = OrderSql(core.orderBy);
      const QString inner = select + columns + QStringLiteral(", RANK() OVER (ORDER BY ") + order +
                            QStringLiteral(") AS ") + QuoteId(QLatin1String(kRankColumn)) + body;
      QString outerColumns;
      if (hasStar) {
        outerColumns = QStringLiteral("*");
      } else {
        for (std::size_t i = 0; i < names.size(); ++i) {
          if (i > 0) outerColumns += QStringLiteral(", ");
          outerColumns += QuoteId(names[i]);
        }
      }
      sql = QStringLiteral("SELECT ") + outerColumns + QStringLiteral(" FROM (") + inner +
            QStringLiteral(") WHERE ") + QuoteId(QLatin1String(kRankColumn)) + QStringLiteral(" <= ") +
            QString::number(*core.top) + QStringLiteral(" ORDER BY ") + QuoteId(QLatin1String(kRankColumn));
    } else {
      sql = select + columns + body;
      if (!core.orderBy.empty()) sql += QStringLiteral(" ORDER BY ") + OrderSql(core.orderBy);
      if (core.top) sql += QStringLiteral(" LIMIT ") + QString::number(*core.top);
    }
    // SQLite accepts neither LIMIT nor ORDER BY on a member of a union.
    if (role.inCompound && (core.top || !core.orderBy.empty())) sql = QStringLiteral("SELECT * FROM (") + sql + QLatin1Char(')');
    scope_ = outer;
    return sql;
  }

  // A source of a FROM list; its names join scope, which the ON of a join already sees.
  // materialize: the select's row order cannot be seen, so a derived table may be read
  // once into a temporary table rather than merged into the join, where SQLite would read
  // its rows again (and compute its columns again) for every row of the outer loop. A
  // LIMIT keeps SQLite from merging it; -1 is no limit. columnOrder: see CoreRole.
  QString SourceSql(const Source& s, Scope* scope, bool materialize, const std::vector<int>* columnOrder) {
    switch (s.kind) {
      case Source::Kind::Table: {
        QString out = QuoteId(s.table);
        if (!s.alias.isEmpty()) out += QStringLiteral(" AS ") + QuoteId(s.alias);
        scope->push_back({s.alias.isEmpty() ? s.table : s.alias, s.table, {}});
        return out;
      }
      case Source::Kind::Derived: {
        ScopeSource source{s.alias, QString(), {}};
        QString out = QLatin1Char('(') + CompoundSql(*s.derived, &source.derived, columnOrder);
        if (materialize && s.derived->cores.size() == 1 && !s.derived->cores.front().top) out += QStringLiteral(" LIMIT -1");
        out += QLatin1Char(')');
        if (!s.alias.isEmpty()) out += QStringLiteral(" AS ") + QuoteId(s.alias);
        scope->push_back(std::move(source));
        return out;
      }
      case Source::Kind::Join: {
        QString out = QLatin1Char('(') + SourceSql(*s.left, scope, materialize, nullptr) + QLatin1Char(' ') + s.joinType +
                      QStringLiteral(" JOIN ");
        out += SourceSql(*s.right, scope, materialize, nullptr);
        const Scope* outer = scope_;
        scope_ = scope;
        out += QStringLiteral(" ON ") + ExprSql(*s.on) + QLatin1Char(')');
        scope_ = outer;
        return out;
      }
    }
    return {};
  }

  QString Call(const char* fn, const Expr& e) {
    QString out = QString::fromLatin1(fn) + QLatin1Char('(');
    for (std::size_t i = 0; i < e.args.size(); ++i) {
      if (i > 0) out += QStringLiteral(", ");
      out += ExprSql(*e.args[i]);
    }
    return out + QLatin1Char(')');
  }

  void Arity(const Expr& e, std::size_t min, std::size_t max) {
    if (e.args.size() < min || e.args.size() > max) {
      throw DbError(QStringLiteral("SQL 语句有误：函数“%1”的参数个数不对（第 %2 个字符处）").arg(e.text).arg(e.offset + 1));
    }
  }

  QString FunctionSql(const Expr& e) {
    const QString name = e.text.toLower();
    if (e.star) {
      if (name != QLatin1String("count")) Unsupported(e.text + QStringLiteral("(*)"), e.offset);
      return QStringLiteral("count(*)");
    }
    struct Row {
      const char* jet;
      const char* sqlite;
      std::size_t min, max;
    };
    // One row per Jet function that maps onto a function of the connection.
    static constexpr Row kFunctions[] = {
        {"left", "jet_left", 2, 2},     {"right", "jet_right", 2, 2}, {"mid", "jet_mid", 2, 3},
        {"len", "jet_len", 1, 1},       {"format", "jet_format", 1, 2}, {"trim", "jet_trim", 1, 1},
        {"ltrim", "jet_ltrim", 1, 1},   {"rtrim", "jet_rtrim", 1, 1},   {"ucase", "upper", 1, 1},
        {"lcase", "lower", 1, 1},       {"abs", "abs", 1, 1},           {"sum", "sum", 1, 1},
        {"count", "count", 1, 1},       {"min", "min", 1, 1},           {"max", "max", 1, 1},
        {"avg", "avg", 1, 1},           {"nz", "jet_nz", 1, 2},          {"instr", "jet_instr", 2, 3},
        {"cstr", "jet_cstr", 1, 1},     {"val", "jet_val", 1, 1},
    };
    for (const Row& row : kFunctions) {
      if (name == QLatin1String(row.jet)) {
        Arity(e, row.min, row.max);
        return Call(row.sqlite, e);
      }
    }
    if (name == QLatin1String("iif")) {
      Arity(e, 3, 3);
      return QStringLiteral("(CASE WHEN ") + ExprSql(*e.args[0]) + QStringLiteral(" THEN ") + ExprSql(*e.args[1]) +
             QStringLiteral(" ELSE ") + ExprSql(*e.args[2]) + QStringLiteral(" END)");
    }
    throw DbError(QStringLiteral("SQL 语句有误：未定义的函数“%1”（第 %2 个字符处）").arg(e.text).arg(e.offset + 1));
  }

  QString ExprSql(const Expr& e) {
    switch (e.kind) {
      case Expr::Kind::Number: return e.text;
      case Expr::Kind::String: return QuoteText(e.text);
      case Expr::Kind::Date: return QStringLiteral("jet_date(") + QuoteText(e.text) + QLatin1Char(')');
      case Expr::Kind::Null: return QStringLiteral("NULL");
      case Expr::Kind::Bool: return e.text;
      case Expr::Kind::Column:
        return e.qualifier.isEmpty() ? QuoteId(e.text) : QuoteId(e.qualifier) + QLatin1Char('.') + QuoteId(e.text);
      case Expr::Kind::Star:
        return e.qualifier.isEmpty() ? QStringLiteral("*") : QuoteId(e.qualifier) + QStringLiteral(".*");
      case Expr::Kind::Unary:
        if (e.text == QLatin1String("NOT")) return QStringLiteral("(NOT ") + ExprSql(*e.args[0]) + QLatin1Char(')');
        if (e.text == QLatin1String("-")) return QStringLiteral("(- ") + ExprSql(*e.args[0]) + QLatin1Char(')');
        return ExprSql(*e.args[0]);
      case Expr::Kind::Binary: return BinarySql(e);
      case Expr::Kind::Like: {
        QString sql;
        if (const Expr* needle = ContainmentNeedle(*e.args[1]); needle && IsStringLiteral(*e.args[0])) {
          sql = QStringLiteral("jet_contains(") + ExprSql(*e.args[0]) + QStringLiteral(", ") + ExprSql(*needle) + QLatin1Char(')');
        } else {
          sql = QStringLiteral("jet_like(") + ExprSql(*e.args[0]) + QStringLiteral(", ") + ExprSql(*e.args[1]) + QLatin1Char(')');
        }
        return e.negated ? QStringLiteral("(NOT ") + sql + QLatin1Char(')') : sql;
      }
      case Expr::Kind::In: {
        QString out = QLatin1Char('(') + ExprSql(*e.args[0]) + (e.negated ? QStringLiteral(" NOT IN (") : QStringLiteral(" IN ("));
        if (e.subquery) {
          out += CompoundSql(*e.subquery, nullptr);
        } else {
          for (std::size_t i = 1; i < e.args.size(); ++i) {
            if (i > 1) out += QStringLiteral(", ");
            out += ExprSql(*e.args[i]);
          }
        }
        return out + QStringLiteral("))");
      }
      case Expr::Kind::Between:
        return QLatin1Char('(') + ExprSql(*e.args[0]) + (e.negated ? QStringLiteral(" NOT BETWEEN ") : QStringLiteral(" BETWEEN ")) +
               ExprSql(*e.args[1]) + QStringLiteral(" AND ") + ExprSql(*e.args[2]) + QLatin1Char(')');
      case Expr::Kind::IsNull:
        return QLatin1Char('(') + ExprSql(*e.args[0]) + (e.negated ? QStringLiteral(" IS NOT NULL)") : QStringLiteral(" IS NULL)"));
      case Expr::Kind::Function: return FunctionSql(e);
      case Expr::Kind::Subquery: return QLatin1Char('(') + CompoundSql(*e.subquery, nullptr) + QLatin1Char(')');
      case Expr::Kind::Exists: return QStringLiteral("EXISTS (") + CompoundSql(*e.subquery, nullptr) + QLatin1Char(')');
    }
    return {};
  }

  // The operands of a chain of + that joins texts, in order.
  void TextLeaves(const Expr& e, std::vector<const Expr*>* leaves) {
    if (e.kind == Expr::Kind::Binary && e.text == QLatin1String("+") && TypeOf(e) == ColumnType::Text) {
      TextLeaves(*e.args[0], leaves);
      TextLeaves(*e.args[1], leaves);
    } else {
      leaves->push_back(&e);
    }
  }

  QString BinarySql(const Expr& e) {
    const QString& op = e.text;
    if (op == QLatin1String("+") && TypeOf(e) == ColumnType::Text) {
      // Texts join as jet_add would join them, without a call per row: two by SQLite's
      // own operator; more in one call of jet_cat, since each || allocates its result.
      std::vector<const Expr*> leaves;
      TextLeaves(e, &leaves);
      if (leaves.size() == 2) return QLatin1Char('(') + ExprSql(*leaves[0]) + QStringLiteral(" || ") + ExprSql(*leaves[1]) + QLatin1Char(')');
      QString out = QStringLiteral("jet_cat(");
      for (std::size_t i = 0; i < leaves.size(); ++i) {
        if (i > 0) out += QStringLiteral(", ");
        out += ExprSql(*leaves[i]);
      }
      return out + QLatin1Char(')');
    }
    const QString l = ExprSql(*e.args[0]);
    const QString r = ExprSql(*e.args[1]);
    if (op == QLatin1String("+")) return QStringLiteral("jet_add(") + l + QStringLiteral(", ") + r + QLatin1Char(')');
    if (op == QLatin1String("&")) return QStringLiteral("jet_concat(") + l + QStringLiteral(", ") + r + QLatin1Char(')');
    if (op == QLatin1String("/")) return QStringLiteral("(CAST(") + l + QStringLiteral(" AS REAL) / ") + r + QLatin1Char(')');
    if (op == QLatin1String("\\")) return QStringLiteral("jet_intdiv(") + l + QStringLiteral(", ") + r + QLatin1Char(')');
    if (op == QLatin1String("MOD")) return QStringLiteral("jet_mod(") + l + QStringLiteral(", ") + r + QLatin1Char(')');
    if (op == QLatin1String("^")) return QStringLiteral("jet_pow(") + l + QStringLiteral(", ") + r + QLatin1Char(')');
    if (op == QLatin1String("XOR")) return QStringLiteral("((") + l + QStringLiteral(") <> (") + r + QStringLiteral("))");
    return QLatin1Char('(') + l + QLatin1Char(' ') + op + QLatin1Char(' ') + r + QLatin1Char(')');
  }

  const ColumnTypes& columnTypes_;
  const Scope* scope_ = nullptr;  // the FROM list of the select being written
  std::unordered_map<const Expr*, ColumnType> plusTypes_;
};

}  // namespace

QString EmitSqlite(const Compound& statement, const ColumnTypes& columnTypes) {
  return Emitter(columnTypes).Statement(statement);
}

}  // namespace velmora::jet
