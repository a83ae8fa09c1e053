// Jet's meaning, checked by running translated statements on fixture tables.
#include "fixture.h"
#include "rows.h"

#include "refdb/connection_text.h"
#include "refdb/errors.h"
#include "refdb/query.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>

namespace velmora {
namespace {

using testing::FixtureFolder;
using testing::Rows;

QString U(const char* s) { return QString::fromUtf8(s); }
QStringList L(std::initializer_list<const char*> items) {
  QStringList out;
  for (const char* i : items) out << U(i);
  return out;
}

class JetSemantics : public ::testing::Test {
 protected:
  void SetUp() override {
    fixture_.Run(QStringLiteral("t.db"), R"sql(
      CREATE TABLE n (k INTEGER, v INTEGER, s TEXT, d REAL);
      INSERT INTO n VALUES (1,10,'a',1.5),(2,20,'b',NULL),(3,20,NULL,2.5),(4,30,'d',3.0),(5,20,'e',0.5),(6,40,'f',4.5);
      CREATE TABLE "81" (num INTEGER, "as" TEXT);
      INSERT INTO "81" VALUES (1,'一'),(81,'八十一');
      CREATE TABLE t (SJ TEXT);
      INSERT INTO t VALUES ('2000-02-04 20:40:24'),('2023-12-22 11:27:09');
    )sql");
    query_ = std::make_unique<Query>(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + fixture_.PathOf(QStringLiteral("t.db")));
  }
  QStringList Run(const char* sql) { return Rows(*query_, U(sql)); }

  FixtureFolder fixture_;
  std::unique_ptr<Query> query_;
};

TEST_F(JetSemantics, TopKeepsTiesWithTheLastRow) {
  // v: 10, 20, 20, 20, 30, 40. TOP 2 by v reaches a 20, so every 20 comes along.
  EXPECT_EQ(Run("select top 2 k from n order by v, k").size(), 2);  // k breaks the tie
  EXPECT_EQ(Run("select top 2 v from n order by v").size(), 4);
  EXPECT_EQ(Run("select top 2 v from n order by v"), L({"10", "20", "20", "20"}));
  EXPECT_EQ(Run("select top 1 v from n order by v desc"), L({"40"}));
  EXPECT_EQ(Run("select top 5 v from n order by v desc").size(), 5);  // 40 30 20 20 20
  // A star keeps the columns of the table and nothing else.
  query_->SetSql(U("select top 1 * from n order by v"));
  query_->Open();
  EXPECT_EQ(query_->FieldCount(), 4);
  query_->Close();
  // Without ORDER BY, TOP is a plain count; in a derived table too.
  EXPECT_EQ(Run("select top 3 k from n").size(), 3);
  EXPECT_EQ(Run("select k from (select top 2 k,v from n order by v desc)a order by k"), L({"4", "6"}));
  EXPECT_EQ(Run("select count(*) from (select top 2 k,v from n order by v)a"), L({"4"}));
}

TEST_F(JetSemantics, PlusAddsNumbersJoinsTextsAndPropagatesNull) {
  EXPECT_EQ(Run("select 1 + 2, 'a' + 'b', 'a' + NULL, NULL + 1, 1.5 + 1, '2' + 3"), L({"3|ab|||2.5|5"}));
  EXPECT_EQ(Run("select s + '-' + s from n where k <= 3 order by k"), L({"a-a", "b-b", ""}));
  EXPECT_EQ(Run("select v + k from n where k = 1"), L({"11"}));
  EXPECT_THROW(Run("select 'a' + 1"), DbError);  // type mismatch, as in Jet
  // & treats NULL as empty text.
  EXPECT_EQ(Run("select s & 'x' from n where k = 3"), L({"x"}));
}

TEST_F(JetSemantics, PlusOfTextColumnsJoinsAndOfOtherColumnsAdds) {
  // A TEXT column turns the number 5 into the text '5'; an untyped or INTEGER column keeps
  // numbers, which + adds.
  fixture_.Run(QStringLiteral("t.db"), R"sql(
    CREATE TABLE c (u, i INTEGER, t TEXT, w VARCHAR(5));
    INSERT INTO c VALUES (1, 2, 5, 'y'), (NULL, NULL, NULL, NULL);
  )sql");
  EXPECT_EQ(Run("select u + u, i + i, t + t, w + t, t + '-' + w, '<' + w + t + '>' from c order by i desc"),
            L({"2|4|55|y5|5-y|<y5>", "|||||"}));
  EXPECT_EQ(Run("select x + x from (select t as x from c union select w from c) d order by 1"), L({"", "55", "yy"}));
  // A view declares the type of its first select only; its other rows may be numbers.
  fixture_.Run(QStringLiteral("t.db"), "CREATE VIEW v AS SELECT t AS x FROM c UNION ALL SELECT i FROM c;");
  EXPECT_EQ(Run("select x + x from v where x is not null order by 1"), L({"4", "55"}));
}

TEST_F(JetSemantics, UnionSortedByAColumnKeepsEqualKeysInTheUnionsOrder) {
  // Among rows of equal px the union's own order shows: by mz, then by you. Duplicates go.
  fixture_.Run(QStringLiteral("t.db"), R"sql(
    CREATE TABLE m (mz TEXT, px INTEGER, you INTEGER);
    INSERT INTO m VALUES ('b',1,2),('a',1,3),('a',1,1),('c',0,5),('a',1,1);
  )sql");
  const char* from = " from (select mz, px, you from m where px = 1 union select mz, px, you from m where px <> 1) p";
  EXPECT_EQ(Run((std::string("select mz, you") + from + " order by px").c_str()), L({"c|5", "a|1", "a|3", "b|2"}));
  EXPECT_EQ(Run((std::string("select mz, you") + from + " order by px desc").c_str()), L({"a|1", "a|3", "b|2", "c|5"}));
  EXPECT_EQ(Run((std::string("select mz") + from + " where you > 1 order by you").c_str()), L({"b", "a", "c"}));
  EXPECT_EQ(Run((std::string("select *") + from + " order by px").c_str()), L({"c|0|5", "a|1|1", "a|1|3", "b|1|2"}));
}

TEST_F(JetSemantics, LeftAndFormat) {
  EXPECT_EQ(Run("select Left('張張',1), Left('abc',0), Left('ab',5), Left(NULL,1)"), L({"張||ab|"}));
  EXPECT_EQ(Run("select FORMAT(SJ,'yyyy-mm-dd') from t order by SJ"), L({"2000-02-04", "2023-12-22"}));
  EXPECT_EQ(Run("select FORMAT(SJ,'YYYY/MM/DD hh:nn') from t where SJ < '2001'"), L({"2000/02/04 20:40"}));
  EXPECT_EQ(Run("select FORMAT(SJ,'hh:mm:ss') from t where SJ < '2001'"), L({"20:40:24"}));  // m after h: minutes
  EXPECT_EQ(Run("select count(*) from t where FORMAT(SJ,'yyyy-mm-dd') = '2000-02-04'"), L({"1"}));
  EXPECT_EQ(Run("select FORMAT(3.14159,'0.00')"), L({"3.14"}));
  EXPECT_EQ(Run("select Mid('张三丰',2,1), Len('张三丰'), Right('abc',2), Trim('  a  ')"), L({"三|3|bc|a"}));
}

TEST_F(JetSemantics, LikeWithJetWildcards) {
  EXPECT_EQ(Run("select s from n where s like 'a%'"), L({"a"}));
  EXPECT_EQ(Run("select s from n where s like '_' and k < 3 order by k"), L({"a", "b"}));
  EXPECT_EQ(Run("select s from n where s like '[a-b]' order by k"), L({"a", "b"}));
  EXPECT_EQ(Run("select s from n where s like '[!a-e]'"), L({"f"}));
  EXPECT_EQ(Run("select s from n where s like 'A'"), L({"a"}));  // case-insensitive
  EXPECT_EQ(Run("select s from n where s not like '%' order by k"), QStringList());
  EXPECT_EQ(Run("select count(*) from n where s like NULL"), L({"0"}));
  EXPECT_THROW(Run("select s from n where s like '[a'"), DbError);
}

TEST_F(JetSemantics, GroupUnionDerivedTablesAndConstants) {
  EXPECT_EQ(Run("select v,sum(1) as cs from n group by v order by v"), L({"10|1", "20|3", "30|1", "40|1"}));
  EXPECT_EQ(Run("select top 1 '张' as zi, NULL AS bh2, 1 as you from n"), L({"张||1"}));
  // UNION removes duplicates; the ORDER BY after it orders the whole.
  EXPECT_EQ(Run("select v from n where k < 3 union select v from n where k > 3 order by v"), L({"10", "20", "30", "40"}));
  EXPECT_EQ(Run("select mz from (select s + '!' as mz, v as px from n where s is not null) p where px <> 20 order by px"),
            L({"a!", "d!", "f!"}));
  EXPECT_EQ(Run("select a.k, b.k from n a, n b where a.k = 1 and b.k = a.k + 1"), L({"1|2"}));
  EXPECT_EQ(Run("select k * 2 - 1, 7 / 2, 7 \\ 2, 7 mod 3 from n where k = 2"), L({"3|3.5|3|1"}));
  EXPECT_EQ(Run("select count(*) from n where d is null"), L({"1"}));
  EXPECT_EQ(Run("SELECT K FROM N WHERE S = 'a'"), L({"1"}));  // identifiers in any case
  EXPECT_EQ(Run("Select * from 81 where num = 81"), L({"81|八十一"}));
  EXPECT_EQ(Run("select k from n where v = 20and k = 3"), L({"3"}));  // number glued to a keyword
}

TEST_F(JetSemantics, ContainmentMatchesLikeInEveryCase) {
  // The indexed containment test must give exactly what LIKE gives, wildcards included.
  fixture_.Run(QStringLiteral("t.db"), R"sql(
    CREATE TABLE c (zi TEXT);
    INSERT INTO c VALUES ('春'),('花'),('秋'),('月'),('%'),('_'),('[春]'),('[!a]'),('a'),('A'),('Ab'),(''),(NULL),('春花'),('花春'),('b_'),('z');
  )sql");
  const char* literals[] = {"春眠不觉晓，处处闻啼鸟。夜来风雨声，花落知多少。", "abc%x_y[z", "", "aB"};
  for (const char* literal : literals) {
    const QString quoted = U("'") + U(literal) + U("'");
    const QStringList fast = Rows(*query_, U("select zi from c where ") + quoted + U(" Like '%'+ zi+ '%' order by zi"));
    // A left side that is no plain literal takes the general LIKE path.
    const QStringList slow = Rows(*query_, U("select zi from c where ('' + ") + quoted + U(") Like '%'+ zi+ '%' order by zi"));
    EXPECT_EQ(fast, slow) << literal;
    EXPECT_FALSE(fast.isEmpty());  // the empty needle matches every text
  }
  // Random needles over a random text.
  QRandomGenerator rng(2026);
  const QString alphabet = U("春花秋月%_[]!ab");
  for (int round = 0; round < 40; ++round) {
    QString literal;
    for (int i = 0; i < 30; ++i) literal += alphabet[rng.bounded(alphabet.size())];
    QString needle;
    for (int i = 0, n = rng.bounded(1, 4); i < n; ++i) needle += alphabet[rng.bounded(alphabet.size())];
    const QString q1 = U("select count(*) from n where k = 1 and '") + literal + U("' Like '%'+ ") + U("'") + needle + U("'") + U("+ '%'");
    QString sql2 = q1;
    sql2.replace(U("and '"), U("and ('' + '")).replace(U("' Like"), U("') Like"));
    QStringList a, b;
    bool aFailed = false, bFailed = false;
    try { a = Rows(*query_, q1); } catch (const DbError&) { aFailed = true; }
    try { b = Rows(*query_, sql2); } catch (const DbError&) { bFailed = true; }
    EXPECT_EQ(aFailed, bFailed) << needle.toStdString();
    EXPECT_EQ(a, b) << literal.toStdString() << " / " << needle.toStdString();
  }
}

TEST_F(JetSemantics, RandomAccessAndEmptyResults) {
  query_->SetSql(U("select k, s, d from n order by k"));
  query_->Open();
  EXPECT_EQ(query_->RecordCount(), 6);
  query_->MoveTo(4);
  EXPECT_EQ(query_->RecNo(), 4);
  EXPECT_EQ(query_->AsInt(u"K"), 4);  // field names in any case
  EXPECT_EQ(query_->AsText(1), U("d"));
  EXPECT_DOUBLE_EQ(query_->AsDouble(u"d"), 3.0);
  query_->MoveTo(99);  // clipped to the last record
  EXPECT_EQ(query_->AsInt(0), 6);
  query_->MoveTo(2);
  EXPECT_TRUE(query_->IsNull(u"d"));
  EXPECT_EQ(query_->AsDouble(u"d"), 0.0);
  EXPECT_THROW(static_cast<void>(query_->AsInt(u"nosuch")), DbError);
  EXPECT_THROW(static_cast<void>(query_->AsInt(u"s")), DbError);  // "b" is no integer
  query_->Close();
  EXPECT_THROW(static_cast<void>(query_->AsInt(0)), DbError);  // a closed query has no fields

  query_->SetSql(U("select k, s, SJ from n, t where k > 100"));
  query_->Open();
  EXPECT_TRUE(query_->IsEmpty());
  EXPECT_TRUE(query_->Eof());
  EXPECT_EQ(query_->AsInt(u"k"), 0);
  EXPECT_EQ(query_->AsText(u"s"), QString());
  EXPECT_FALSE(query_->AsDateTime(u"SJ").isValid());

  query_->SetSql(U("select SJ from t where SJ > '2023'"));
  query_->Open();
  EXPECT_EQ(query_->AsDateTime(0), QDateTime(QDate(2023, 12, 22), QTime(11, 27, 9)));
}

}  // namespace
}  // namespace velmora
