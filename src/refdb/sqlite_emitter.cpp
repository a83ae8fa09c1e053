// SQLite emitter: see sqlite_emitter.h.
#include "refdb/sqlite_emitter.h"

#include "refdb/errors.h"

#include <optional>

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

class Emitter {
 public:
  QString Statement(const Compound& c) { return CompoundSql(c); }

 private:
  QString CompoundSql(const Compound& c) {
    if (c.cores.size() == 1) return CoreSql(c.cores.front(), /*inCompound=*/false);
    QString out;
    for (std::size_t i = 0; i < c.cores.size(); ++i) {
      if (i > 0) out += c.unionAll[i - 1] ? QStringLiteral(" UNION ALL ") : QStringLiteral(" UNION ");
      out += CoreSql(c.cores[i], /*inCompound=*/true);
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
    return out;
  }

  // The name SQLite will give result column i, as Jet names it.
  static std::optional<QString> OutputName(const ResultColumn& col, int& exprCounter) {
    if (!col.alias.isEmpty()) return col.alias;
    if (col.expr->kind == Expr::Kind::Column) return col.expr->text;
    if (col.expr->kind == Expr::Kind::Star) return std::nullopt;
    return QStringLiteral("Expr%1").arg(1000 + exprCounter++);
  }

  QString ColumnsSql(const SelectCore& core, std::vector<QString>* names, bool* hasStar) {
    QString out;
    int exprCounter = 0;
    *hasStar = false;
    for (std::size_t i = 0; i < core.columns.size(); ++i) {
      const ResultColumn& col = core.columns[i];
      if (i > 0) out += QStringLiteral(", ");
      out += ExprSql(*col.expr);
      const auto name = OutputName(col, exprCounter);
      if (!name) {
        *hasStar = true;
        continue;
      }
      if (col.expr->kind != Expr::Kind::Column || !col.alias.isEmpty()) out += QStringLiteral(" AS ") + QuoteId(*name);
      names->push_back(*name);
    }
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

  QString CoreSql(const SelectCore& core, bool inCompound) {
    if (core.topPercent) Unsupported(QStringLiteral("TOP … PERCENT"), 0);
    std::vector<QString> names;
    bool hasStar = false;
    const QString columns = ColumnsSql(core, &names, &hasStar);
    QString body;
    if (!core.from.empty()) {
      body += QStringLiteral(" FROM ");
      for (std::size_t i = 0; i < core.from.size(); ++i) {
        if (i > 0) body += QStringLiteral(", ");
        body += SourceSql(core.from[i]);
      }
    }
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
    if (inCompound && (core.top || !core.orderBy.empty())) sql = QStringLiteral("SELECT * FROM (") + sql + QLatin1Char(')');
    return sql;
  }

  QString SourceSql(const Source& s) {
    switch (s.kind) {
      case Source::Kind::Table: {
        QString out = QuoteId(s.table);
        if (!s.alias.isEmpty()) out += QStringLiteral(" AS ") + QuoteId(s.alias);
        return out;
      }
      case Source::Kind::Derived: {
        QString out = QLatin1Char('(') + CompoundSql(*s.derived) + QLatin1Char(')');
        if (!s.alias.isEmpty()) out += QStringLiteral(" AS ") + QuoteId(s.alias);
        return out;
      }
      case Source::Kind::Join:
        return QLatin1Char('(') + SourceSql(*s.left) + QLatin1Char(' ') + s.joinType + QStringLiteral(" JOIN ") +
               SourceSql(*s.right) + QStringLiteral(" ON ") + ExprSql(*s.on) + QLatin1Char(')');
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
          out += CompoundSql(*e.subquery);
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
      case Expr::Kind::Subquery: return QLatin1Char('(') + CompoundSql(*e.subquery) + QLatin1Char(')');
      case Expr::Kind::Exists: return QStringLiteral("EXISTS (") + CompoundSql(*e.subquery) + QLatin1Char(')');
    }
    return {};
  }

  QString BinarySql(const Expr& e) {
    const QString l = ExprSql(*e.args[0]);
    const QString r = ExprSql(*e.args[1]);
    const QString& op = e.text;
    if (op == QLatin1String("+")) return QStringLiteral("jet_add(") + l + QStringLiteral(", ") + r + QLatin1Char(')');
    if (op == QLatin1String("&")) return QStringLiteral("jet_concat(") + l + QStringLiteral(", ") + r + QLatin1Char(')');
    if (op == QLatin1String("/")) return QStringLiteral("(CAST(") + l + QStringLiteral(" AS REAL) / ") + r + QLatin1Char(')');
    if (op == QLatin1String("\\")) return QStringLiteral("jet_intdiv(") + l + QStringLiteral(", ") + r + QLatin1Char(')');
    if (op == QLatin1String("MOD")) return QStringLiteral("jet_mod(") + l + QStringLiteral(", ") + r + QLatin1Char(')');
    if (op == QLatin1String("^")) return QStringLiteral("jet_pow(") + l + QStringLiteral(", ") + r + QLatin1Char(')');
    if (op == QLatin1String("XOR")) return QStringLiteral("((") + l + QStringLiteral(") <> (") + r + QStringLiteral("))");
    return QLatin1Char('(') + l + QLatin1Char(' ') + op + QLatin1Char(' ') + r + QLatin1Char(')');
  }
};

}  // namespace

QString EmitSqlite(const Compound& statement) { return Emitter().Statement(statement); }

}  // namespace velmora::jet
