// The small tree a Jet statement is parsed into. Only what the emitter needs: a
// compound of select cores, each with its result columns, sources, filters and order.
#pragma once

#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace velmora::jet {

struct Compound;

struct Expr {
  enum class Kind {
    Number,    // text = digits as written
    String,    // text = value
    Date,      // text = the date as written between the hashes
    Null,
    Bool,      // text = "-1" or "0"
    Column,    // qualifier.text
    Star,      // qualifier.* or *
    Unary,     // text = "-", "+" or "NOT"; args[0]
    Binary,    // text = operator in upper case; args[0], args[1]
    Like,      // args[0] LIKE args[1]; negated
    In,        // args[0] IN (args[1..]) or IN (subquery); negated
    Between,   // args[0] BETWEEN args[1] AND args[2]; negated
    IsNull,    // args[0] IS [NOT] NULL; negated
    Function,  // text = name as written; args; star = true for Count(*)
    Subquery,  // (select ...)
    Exists,    // EXISTS (select ...)
  };
  Kind kind = Kind::Null;
  QString text;
  QString qualifier;
  bool negated = false;
  bool star = false;
  int offset = 0;
  int depth = 1;  // height of this subtree, bounded so that no recursion can overflow
  std::vector<std::unique_ptr<Expr>> args;
  std::unique_ptr<Compound> subquery;
};
using ExprPtr = std::unique_ptr<Expr>;

struct ResultColumn {
  ExprPtr expr;
  QString alias;  // empty when none was given
};

struct OrderTerm {
  ExprPtr expr;
  bool descending = false;
};

struct Source {
  enum class Kind { Table, Derived, Join };
  Kind kind = Kind::Table;
  QString table;                    // Table: the name as written
  QString alias;                    // Table, Derived
  std::unique_ptr<Compound> derived;
  QString joinType;                 // Join: "INNER", "LEFT" or "RIGHT"
  std::unique_ptr<Source> left, right;
  ExprPtr on;
};

struct SelectCore {
  bool distinct = false;
  std::optional<long long> top;
  bool topPercent = false;
  std::vector<ResultColumn> columns;
  std::vector<Source> from;
  ExprPtr where;
  std::vector<ExprPtr> groupBy;
  ExprPtr having;
  std::vector<OrderTerm> orderBy;  // a lone core's own ORDER BY (with TOP it picks the rows)
};

struct Compound {
  std::vector<SelectCore> cores;
  std::vector<bool> unionAll;      // between core i and i+1
  std::vector<OrderTerm> orderBy;  // ORDER BY of a union, applied to the whole
};

}  // namespace velmora::jet
