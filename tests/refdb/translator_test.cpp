// The Jet translator on its own: tokens, the tree it accepts, and the errors it gives.
#include "refdb/errors.h"
#include "refdb/jet_tokenizer.h"
#include "refdb/jet_translate.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

QString U(const char* s) { return QString::fromUtf8(s); }

QString ErrorOf(const char* sql) {
  try {
    TranslateJet(U(sql));
  } catch (const DbError& e) {
    return e.message();
  }
  return {};
}

TEST(JetTokenizer, SplitsANumberGluedToAKeyword) {
  const auto tokens = jet::Tokenize(u"bh = 7and c.bh = 5");
  ASSERT_GE(tokens.size(), 4u);
  EXPECT_EQ(tokens[2].kind, jet::TokenKind::Number);
  EXPECT_EQ(tokens[2].text, U("7"));
  EXPECT_EQ(tokens[3].keyword, jet::Keyword::And);
  EXPECT_EQ(tokens[3].offset, 6);
}

TEST(JetTokenizer, ReadsLiteralsAsJetDoes) {
  const auto tokens = jet::Tokenize(u"'it''s' \"张\" [my col] #2000-02-04# 1.5e3 1e");
  EXPECT_EQ(tokens[0].text, U("it's"));                       // doubled quote
  EXPECT_EQ(tokens[1].kind, jet::TokenKind::String);          // double quotes delimit text
  EXPECT_EQ(tokens[2].kind, jet::TokenKind::QuotedIdentifier);
  EXPECT_EQ(tokens[2].text, U("my col"));
  EXPECT_EQ(tokens[3].kind, jet::TokenKind::Date);
  EXPECT_EQ(tokens[4].text, U("1.5e3"));
  EXPECT_EQ(tokens[5].text, U("1"));                          // "1e": no exponent digits
  EXPECT_EQ(tokens[6].text, U("e"));
}

TEST(JetTokenizer, KeywordsInAnyCase) {
  EXPECT_EQ(jet::KeywordOf(u"SeLeCt"), jet::Keyword::Select);
  EXPECT_EQ(jet::KeywordOf(u"top"), jet::Keyword::Top);
  EXPECT_EQ(jet::KeywordOf(u"zi"), jet::Keyword::None);
}

TEST(JetTranslate, WritesSqliteWithJetMeaning) {
  struct Case {
    const char* jet;
    const char* sqlite;
  } cases[] = {
      // the bare table name 81
      {"Select * from 81 where num = 5", R"(SELECT * FROM "81" WHERE ("num" = 5))"},
      // TOP without ORDER BY is a LIMIT
      {"select  top 1 bh from word where zi = '张'", R"(SELECT "bh" FROM "word" WHERE ("zi" = '张') LIMIT 1)"},
      // + is Jet's addition, & its concatenation
      {"select px + 551 as px from word", R"(SELECT jet_add("px", 551) AS "px" FROM "word")"},
      {"select a & b from t", R"(SELECT jet_concat("a", "b") AS "Expr1000" FROM "t")"},
      // containment of a constant text becomes the indexed test
      {"select zi from word where 'abc' Like '%'+ zi+ '%'", R"(SELECT "zi" FROM "word" WHERE jet_contains('abc', "zi"))"},
      // any other LIKE keeps Jet's wildcards
      {"select zi from word where zi like 'a%'", R"(SELECT "zi" FROM "word" WHERE jet_like("zi", 'a%'))"},
      // Left and FORMAT
      {"select Left(ft,1) as ft from word", R"(SELECT jet_left("ft", 1) AS "ft" FROM "word")"},
      // identifiers keep their case and are quoted, so keywords of SQLite are names here
      {"select [order], Aflag from [group]", R"(SELECT "order", "Aflag" FROM "group")"},
      // <> and IS NULL
      {"select a from t where a <> b and c is null", R"(SELECT "a" FROM "t" WHERE (("a" <> "b") AND ("c" IS NULL)))"},
  };
  for (const Case& c : cases) EXPECT_EQ(TranslateJet(U(c.jet)), U(c.sqlite)) << c.jet;
}

TEST(JetTranslate, TopWithOrderKeepsTies) {
  const QString sql = TranslateJet(u"select top 2 bh21,zf from zh order by zf desc");
  EXPECT_TRUE(sql.contains(U("RANK() OVER (ORDER BY \"zf\" DESC)"))) << sql.toStdString();
  EXPECT_TRUE(sql.contains(U("\"__jet_rank\" <= 2"))) << sql.toStdString();
}

TEST(JetTranslate, UnionMembersWithTopAreWrapped) {
  const QString sql = TranslateJet(u"select top 1 zi from word union select zi from word");
  EXPECT_TRUE(sql.startsWith(U("SELECT * FROM (SELECT \"zi\" FROM \"word\" LIMIT 1) UNION "))) << sql.toStdString();
}

TEST(JetTranslate, ErrorsSayNearWhatAndWhere) {
  struct Case {
    const char* jet;
    const char* fragment;
  } cases[] = {
      {"select from word", "在“from”附近（第 8 个字符处）"},
      {"select zi form word", "在“word”附近"},
      {"select zi from word where", "语句不完整"},
      {"select 'abc from word", "字符串没有结束"},
      {"select zi from [word", "名称缺少"},
      {"select top 10 percent zi from word", "不支持TOP … PERCENT"},
      {"select Foo(zi) from word", "未定义的函数“Foo”"},
      {"select Left(zi) from word", "参数个数不对"},
      {"delete from word", "在“delete”附近"},
      {"select zi from word; drop table word", "在“drop”附近"},
      {"select ~zi from word", "无法识别的符号“~”"},
      {"", "语句不完整"},
  };
  for (const Case& c : cases) {
    const QString error = ErrorOf(c.jet);
    EXPECT_TRUE(error.contains(U(c.fragment))) << c.jet << " -> " << error.toStdString();
  }
}

TEST(JetTranslate, DeepNestingFailsCleanly) {
  // Ten thousand parentheses, and a chain of ten thousand additions: errors, not crashes.
  const QString parens = U("select ") + QString(10000, QLatin1Char('(')) + U("1") + QString(10000, QLatin1Char(')'));
  EXPECT_THROW(TranslateJet(parens), DbError);
  QString chain = U("select 1");
  for (int i = 0; i < 10000; ++i) chain += U(" + 1");
  EXPECT_THROW(TranslateJet(chain), DbError);
  // A long but shallow list is fine.
  QString list = U("select zi from word where zi in ('a'");
  for (int i = 0; i < 5000; ++i) list += U(",'b'");
  EXPECT_NO_THROW(TranslateJet(list + U(")")));
}

}  // namespace
}  // namespace velmora
