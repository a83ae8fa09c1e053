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

// A schema as a connection reports it: word.zi and word.ft are texts, word.bh is not.
jet::ColumnType WordSchema(const QString& table, const QString& column) {
  if (table.compare(QLatin1String("word"), Qt::CaseInsensitive) != 0) return jet::ColumnType::Unknown;
  const QString c = column.toLower();
  if (c == QLatin1String("zi") || c == QLatin1String("ft")) return jet::ColumnType::Text;
  return c == QLatin1String("bh") ? jet::ColumnType::Unknown : jet::ColumnType::Absent;
}

TEST(JetTranslate, PlusJoinsTextsWithSqliteOnlyWhereBothSidesAreSurelyTexts) {
  struct Case {
    const char* jet;
    const char* plus;  // how the first + is written
  } cases[] = {
      {"select '张' + zi from word", R"(('张' || "zi"))"},
      {"select zi + bh from word", R"(jet_add("zi", "bh"))"},               // a number may add
      {"select a.zi + b.ft from word a, word b", R"(("a"."zi" || "b"."ft"))"},
      {"select ft + zi + 'x' from word", R"(jet_cat("ft", "zi", 'x'))"},    // a chain of texts: one call
      {"select bh + zi + 'x' from word", R"(jet_add(jet_add("bh", "zi"), 'x'))"},
      {"select 'x' + (zi + ft) + (bh + 'y') from word", R"(jet_add(jet_cat('x', "zi", "ft"), jet_add("bh", 'y')))"},
      {"select x + 'y' from (select zi as x from word) d", R"(("x" || 'y'))"},  // through a derived table
      {"select x + 'y' from (select bh as x from word) d", R"(jet_add("x", 'y'))"},
      {"select x + 'y' from (select zi as x from word union select bh from word) d", R"(jet_add("x", 'y'))"},
      {"select x + 'y' from (select * from word) d", R"(jet_add("x", 'y'))"},  // a * may hold anything
      {"select zi + 'y' from word a, word b", R"(jet_add("zi", 'y'))"},         // ambiguous
      {"select q + 'y' from word", R"(jet_add("q", 'y'))"},                     // no such column
      {"select zi + 'y' from zh", R"(jet_add("zi", 'y'))"},                     // a table not known
      {"select zi from word where zi in (select w.zi + 'y' from zh w)", R"(jet_add("w"."zi", 'y'))"},
      {"select 1 + 2 from word", R"(jet_add(1, 2))"},
  };
  for (const Case& c : cases) {
    const QString sql = TranslateJet(U(c.jet), WordSchema);
    EXPECT_TRUE(sql.contains(U(c.plus))) << c.jet << " -> " << sql.toStdString();
  }
  // Without a schema only literals are known texts.
  EXPECT_TRUE(TranslateJet(u"select 'a' + 'b' + zi from word").contains(U(R"(jet_add(('a' || 'b'), "zi"))")));
}

TEST(JetTranslate, UnionReadInOrderPutsTheSortKeysFirst) {
  const char* unionOf = "(select 'a' as mz, 1 as px, 2 as you from word union select zi, bh, 3 from word)";
  auto translate = [&](const char* head, const char* tail) {
    return TranslateJet(U(head) + U(unionOf) + U(tail)).toStdString();
  };
  // Sorted by px: px leads in every member, each column keeps its name.
  const std::string keysFirst = translate("select mz from ", " p where you > 0 order by px");
  EXPECT_NE(keysFirst.find(R"((SELECT 1 AS "px", 'a' AS "mz", 2 AS "you" FROM "word" UNION SELECT "bh", "zi", 3 AS "Expr1000" FROM "word") AS "p")"), std::string::npos) << keysFirst;
  EXPECT_NE(translate("select mz from ", " p order by you desc, p.mz").find(R"(SELECT 2 AS "you", 'a' AS "mz", 1 AS "px")"),
            std::string::npos);
  // Where the order of the columns shows, or the keys are not plain columns of the union,
  // the members stay as written.
  for (const auto& [head, tail] : std::vector<std::pair<const char*, const char*>>{
           {"select * from ", " p order by px"},
           {"select p.* from ", " p order by px"},
           {"select mz from ", " p order by px + 1"},
           {"select mz as px from ", " p order by px"},
           {"select top 5 mz from ", " p order by px"},
           {"select mz from ", " p"},
       }) {
    const std::string sql = translate(head, tail);
    EXPECT_NE(sql.find(R"(SELECT 'a' AS "mz", 1 AS "px", 2 AS "you")"), std::string::npos) << head << tail << " -> " << sql;
  }
  const std::string all = TranslateJet(u"select mz from (select 'a' as mz, 1 as px from word union all select zi, bh from word) p order by px")
                              .toStdString();
  EXPECT_NE(all.find(R"(SELECT 'a' AS "mz", 1 AS "px" FROM "word" UNION ALL)"), std::string::npos) << all;
}

TEST(JetTranslate, DerivedTablesAreReadOnceOnlyInsideAUnion) {
  // A union sorts its members' rows, so there a derived table may be read into a
  // temporary table first; elsewhere the join's order of rows shows and stays SQLite's.
  const QString inUnion = TranslateJet(
      u"select a.zi from (select zi from word where bh = 1) a, (select top 1 zi from word) b union select zi from word");
  EXPECT_TRUE(inUnion.contains(U(R"((SELECT "zi" FROM "word" WHERE ("bh" = 1) LIMIT -1) AS "a")"))) << inUnion.toStdString();
  EXPECT_TRUE(inUnion.contains(U(R"((SELECT "zi" FROM "word" LIMIT 1) AS "b")"))) << inUnion.toStdString();
  for (const char16_t* sql : {u"select a.zi from (select zi from word where bh = 1) a, word b",
                              u"select a.zi from (select zi from word) a union all select zi from word"}) {
    EXPECT_FALSE(TranslateJet(sql).contains(U("LIMIT -1"))) << QString::fromUtf16(sql).toStdString();
  }
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
