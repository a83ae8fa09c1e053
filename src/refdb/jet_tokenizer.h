// Tokenizer of the Jet 4.0 SQL dialect.
//
// Characters are classified through a table, as SQLite's tokenizer does. A number ends
// where its digits end, so "7and" is the number 7 followed by the keyword AND, as Jet
// reads it. Keywords are identifiers matched case-insensitively against one table.
// Offsets are 0-based positions in the statement text, in UTF-16 code units.
#pragma once

#include <QString>
#include <QStringView>

#include <vector>

namespace velmora::jet {

enum class TokenKind {
  Identifier,        // a bare name, possibly a keyword (see Keyword)
  QuotedIdentifier,  // [name] or `name`
  Number,            // 12, 3.5, 1e3
  String,            // 'text' or "text", value unquoted
  Date,              // #2000-01-01#, value without the hashes
  Operator,          // ( ) , . * + - / \ & = <> < > <= >= ^ ;
  End,
};

enum class Keyword {
  None, All, And, As, Asc, Between, By, Desc, Distinct, DistinctRow, Exists, False, From,
  Group, Having, In, Inner, Is, Join, Left, Like, Mod, Not, Null, On, Or, Order, Outer,
  Percent, Right, Select, Top, True, Union, Where, Xor,
};

struct Token {
  TokenKind kind = TokenKind::End;
  QString text;  // the value: name, unquoted string, number digits, operator
  Keyword keyword = Keyword::None;
  int offset = 0;
};

// Splits a statement into tokens, ending with one End token. Throws DbError on a
// character that cannot start a token or an unterminated literal.
std::vector<Token> Tokenize(QStringView sql);

// The keyword a bare identifier spells, or Keyword::None.
Keyword KeywordOf(QStringView word);

}  // namespace velmora::jet
