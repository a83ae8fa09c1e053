// Every statement text the program issues, with its placeholders filled, translates and
// runs on the fixture tables; where the meaning is subtle the rows are checked.
#include "fixture.h"
#include "rows.h"

#include "refdb/connection_text.h"
#include "refdb/errors.h"
#include "refdb/jet_translate.h"
#include "refdb/query.h"
#include "text/gbk.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

using testing::FixtureFolder;
using testing::Rows;
using text::SqlQuote;

QString U(const char* s) { return QString::fromUtf8(s); }
QStringList L(std::initializer_list<const char*> items) {
  QStringList out;
  for (const char* i : items) out << U(i);
  return out;
}

class Statements : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    fixture_ = new FixtureFolder;
    fixture_->CreateStandard();
  }
  static void TearDownTestSuite() {
    delete fixture_;
    fixture_ = nullptr;
  }
  QStringList On(DbFile file, const QString& sql) {
    Query q(DbConnectionText(file, fixture_->Folder()));
    return Rows(q, sql);
  }
  static FixtureFolder* fixture_;
};
FixtureFolder* Statements::fixture_ = nullptr;

TEST_F(Statements, SharedLookups) {
  EXPECT_EQ(On(DbFile::Pelvano, U("select  top 1 bh from word where zi = '张'")), L({"11"}));
  EXPECT_EQ(On(DbFile::Pelvano, U("select  top 1 bh from word where ft = '張' ")), L({"11"}));
  EXPECT_EQ(On(DbFile::Pelvano, U("select top 1 bh from word where zi = '王'")), L({"4"}));
  EXPECT_EQ(On(DbFile::Pelvano, U("select top 1 bh from word where ft = '陽'")), L({"17"}));
  EXPECT_EQ(On(DbFile::Pelvano, U("select wuhang from word where zi = '思'")), L({"金"}));
  EXPECT_EQ(On(DbFile::Pelvano, U("select wuhang from word where ft = '遠' ")), L({"土"}));
  EXPECT_EQ(On(DbFile::Pelvano, U("select  top 1 zf from zh where bh11 = 11 and bh12 = 0 and bh21 = 10 and bh22 = 6 ")), L({"80"}));
}

TEST_F(Statements, BirthChartLookups) {
  const QString jie = U("select top 1 SJ from JQ where YearA = %1  and JQ in ('立春','惊蛰','清明','立夏','芒种','小暑','立秋','白露','寒露','立冬','大雪','小寒') and FORMAT(SJ,'yyyy-mm-dd') = '%2'");
  EXPECT_EQ(On(DbFile::Tgcode, jie.arg(2000).arg(U("2000-02-04"))), L({"2000-02-04 20:40:24"}));
  EXPECT_EQ(On(DbFile::Tgcode, jie.arg(2000).arg(U("2000-02-19"))), QStringList());  // 雨水 is no jie
  EXPECT_EQ(On(DbFile::Tgcode, jie.arg(2023).arg(U("2023-12-07"))), L({"2023-12-07 17:33:00"}));
  EXPECT_EQ(On(DbFile::Tgcode, U("select top 1 wh from hzwh where hz like ") + SqlQuote(U("%甲%"))), L({"木"}));
  EXPECT_EQ(On(DbFile::Tgcode, U("select top 1 wh from hzwh where hz like ") + SqlQuote(U("%丑%"))), L({" 土 "}));
  EXPECT_EQ(On(DbFile::Tgcode, U("select top 1 ShiShen from Shishen where jiazi = '甲庚' ")), L({"七杀"}));
  EXPECT_EQ(On(DbFile::Tgcode, U("select top 1 layin from jiazi where jiazi = '庚午' ")), L({"路旁土"}));
  EXPECT_EQ(On(DbFile::Tgcode, U("select  top 1 sjrs from sjrs where wh = '木' and sj = '春' ")), L({"木旺于春"}));
  EXPECT_EQ(On(DbFile::Tgcode, U("select  top 1 content from qtbj where tg = '甲' and dz = '寅' ")).size(), 1);
  // Bone weight: the key directly after the equals sign, quoted.
  EXPECT_EQ(On(DbFile::Dream, U("Select weight from chenggu1 where year =") + SqlQuote(U("1990"))), L({"0.9"}));
  EXPECT_EQ(On(DbFile::Dream, U("Select weight from chenggu2 where month2 =") + SqlQuote(U("4"))), L({"2"}));
  EXPECT_EQ(On(DbFile::Dream, U("Select weight from chenggu3 where day2 =") + SqlQuote(U("23"))), L({"0.8"}));
  EXPECT_EQ(On(DbFile::Dream, U("Select weight from chenggu4 where time =") + SqlQuote(U("8"))), L({"0.9"}));
  EXPECT_EQ(On(DbFile::Dream, U("Select content,content2 from chenggu where weight =") + SqlQuote(U("46"))), L({" 诗 | 解 "}));
}

TEST_F(Statements, NameAnalysis) {
  EXPECT_EQ(On(DbFile::KelFile, U("Select djc from sancai where title = ") + SqlQuote(U("木火土")) + U(" ")), L({"1"}));
  EXPECT_EQ(On(DbFile::KelFile, U("Select * from 81 where num = %1").arg(81)), L({"81|还本之数，|吉|八十一数暗示。"}));
  EXPECT_EQ(On(DbFile::KelFile, U("Select * from 81 where num = %1").arg(3)), QStringList());
  EXPECT_EQ(On(DbFile::KelFile, U("Select top 1 * from sancai2009 where title = '%1'").arg(U("木火土"))).size(), 1);
  EXPECT_EQ(On(DbFile::KelBirth, U("select Tite,content from Noter where Cid = 'XM016'")), L({" 五格剖象 | 五格说明 "}));
}

// The stroke-plan statement, built line by line as the plan list builds it.
QString PlanStatement(const QString& head, const QStringList& lines) {
  Query q(QStringLiteral("unused"));
  q.SetSql(head);
  for (const QString& line : lines) q.AddSqlLine(line);
  return q.Sql();
}

TEST_F(Statements, StrokePlans) {
  const QString one40 = U("select top 40 bh11,bh12,bh21,bh22,zf from zh where bh21 < 25 and bh22 < 25 and  lx = %1 and bh11 = %2 ");
  const QString one20 = U("select top 20 bh11,bh12,bh21,bh22,zf from zh where bh21 < 25 and bh22 < 25 and  lx = %1 and bh11 = %2 ");
  const QString one80 = U("select top 80 bh11,bh12,bh21,bh22,zf from zh where bh21 < 25 and bh22 < 25 and  lx = %1 and bh11 = %2 ");
  const QString two40 = U("select top 40 bh11,bh12,bh21,bh22,zf from zh where bh21 < 25 and bh22 < 25 and lx = %1 and bh11 = %2 and bh12 = %3 ");
  const QString two20 = U("select top 20 bh11,bh12,bh21,bh22,zf from zh where bh21 < 25 and bh22 < 25 and lx = %1 and bh11 = %2 and bh12 = %3 ");
  const QStringList tail = {U(" and zf <= 80"), U(" order by jxjx asc,zf asc")};
  // 张, two-character names: best plans first, the 80-point ties included.
  EXPECT_EQ(On(DbFile::Pelvano, PlanStatement(one20.arg(12).arg(11), tail)),
            L({"11|0|10|6|80", "11|0|4|14|80", "11|0|9|17|78", "11|0|11|14|76", "11|0|8|10|70", "11|0|6|10|66"}));
  EXPECT_EQ(On(DbFile::Pelvano, PlanStatement(one40.arg(11).arg(11), tail)).size(), 3);
  // A fixed first character of 10 strokes, and a lowest score.
  EXPECT_EQ(On(DbFile::Pelvano, PlanStatement(one80.arg(12).arg(11), QStringList{U(" and bh21 = %1 ").arg(10), U(" and zf >= %1 ").arg(70)} + tail)),
            L({"11|0|10|6|80"}));
  EXPECT_EQ(On(DbFile::Pelvano, PlanStatement(one80.arg(12).arg(11), QStringList{U(" and bh22 = %1 ").arg(10)} + tail)),
            L({"11|0|8|10|70", "11|0|6|10|66"}));
  // 欧阳
  EXPECT_EQ(On(DbFile::Pelvano, PlanStatement(two20.arg(22).arg(15).arg(17), tail)).size(), 2);
  EXPECT_EQ(On(DbFile::Pelvano, PlanStatement(two40.arg(21).arg(15).arg(17), tail)), L({"15|17|10|0|79"}));
}

// The classic-mode pieces for one plan.
struct Classic {
  QString surname = U("张");
  QString sex = U("男");
  bool twoChars = true;
  QString fixed;          // F
  bool fixedSecond = true;  // "第二字"
};

QString SexClause(const Classic& c) {
  const bool male = c.sex == U("男");
  if (c.twoChars && c.fixed.isEmpty()) {
    return male ? U(" and (xb = '男' or nan = 1 or xb = '1') ") : U(" and (xb = '女' or nv = 1 or xb = '1' or xb = '0') ");
  }
  return male ? U(" and (xb = '男' or nan = 1 or xb = '0' or xb = '1') ") : U(" and (xb = '女' or nv = 1 or xb = '0' or xb = '1') ");
}

QString OnePlanStatement(const Classic& c, int b, int cc, const QString& tag) {
  const QString s = SqlQuote(c.surname);
  const QString g = SexClause(c);
  const QString n = c.sex == U("男") ? U(" and nan = 1 ") : U(" and nv = 1 ");
  QString a;
  if (!c.fixed.isEmpty() && c.fixedSecond) {
    a = U("select top 1 '%1' as zi, 120 as px, 131 as id,nan,nv,wuhang from word where 1 = 1 ").arg(c.fixed);
  } else {
    a = U("select zi,px + 551 as px,id,nan,nv,wuhang from word where 1 = 1 and Aflag is null ") + g;
    if (b > 0) a += U(" and bh = %1").arg(b);
  }
  QString bsrc;
  if (c.twoChars) {
    if (!c.fixed.isEmpty() && !c.fixedSecond) {
      bsrc = U("select top 1 '%1' as zi, 119 as px, 111 as id,nan,nv,wuhang from word where 1 = 1 ").arg(c.fixed);
    } else if (cc > 0) {
      bsrc = U("select zi,px + 5000 as px,id,nan,nv,wuhang from word where 1 = 1 and Aflag is null ") + g + n + U(" and bh = %1").arg(cc);
    }
  }
  QString core = U("select ") + s;
  if (!bsrc.isEmpty()) {
    core += (c.sex == U("男") ? U(" + a.zi + b.zi + '%s' as mz,(a.px + b.px + a.id) as px,a.nan + b.nan as you,a.wuhang as wuhang1,b.wuhang as wuhang2  from (")
                              : U(" + a.zi + b.zi + '%s'  as mz,(a.px + b.px + a.id) as px,a.nv + b.nv as you,a.wuhang as wuhang1,b.wuhang as wuhang2  from (")) +
            a + U(") a , (") + bsrc + U(") b");
  } else {
    core += U(" + a.zi + '%s'  as mz,(a.px + a.id) as px,1 as you,a.wuhang as wuhang1 from (") + a + U(") a ");
  }
  core.replace(U("%s"), tag);
  return bsrc.isEmpty() ? U("select mz from (") + core + U(") p order by px")
                        : U("select mz from (") + core + U(") p where you > 0 order by px");
}

TEST_F(Statements, ClassicOnePlan) {
  Classic boy;
  EXPECT_EQ(On(DbFile::Pelvano, OnePlanStatement(boy, 9, 17, U("(78分)"))), L({"张思远(78分)"}));
  Classic girl;
  girl.sex = U("女");
  // For a girl's two-character name the sex clause admits the unmarked 安 (xb 0, nv 1).
  EXPECT_EQ(On(DbFile::Pelvano, OnePlanStatement(girl, 10, 6, U("(80分)"))), L({"张玲安(80分)", "张芳安(80分)"}));
  EXPECT_EQ(On(DbFile::Pelvano, OnePlanStatement(girl, 4, 14, U("(80分)"))), L({"张文华(80分)"}));
  Classic fixed;
  fixed.fixed = U("文");
  EXPECT_EQ(On(DbFile::Pelvano, OnePlanStatement(fixed, 4, 14, U("(80分)"))), L({"张文华(80分)"}));
  fixed.fixedSecond = false;
  fixed.fixed = U("华");
  EXPECT_EQ(On(DbFile::Pelvano, OnePlanStatement(fixed, 4, 0, U("(80分)"))), L({"张文华(80分)"}));
  Classic single;
  single.twoChars = false;
  EXPECT_EQ(On(DbFile::Pelvano, OnePlanStatement(single, 10, 0, U("(79分)"))), QStringList());  // 玲 芳 are girls' characters
  single.sex = U("女");
  EXPECT_EQ(On(DbFile::Pelvano, OnePlanStatement(single, 10, 0, U("(79分)"))), L({"张玲(79分)", "张芳(79分)"}));
  // A surname with a quote in it stays one literal.
  Classic quoted;
  quoted.surname = U("O'");
  quoted.twoChars = false;
  EXPECT_EQ(On(DbFile::Pelvano, OnePlanStatement(quoted, 4, 0, U("(77分)"))), L({"O'文(77分)"}));
}

TEST_F(Statements, ClassicAllPlansJoinedByUnion) {
  // Three plans in one group, joined by " union " lines, as the all-plans run builds them.
  const QString g = U(" and (xb = '男' or nan = 1 or xb = '1') ");
  auto line = [&](int b, int c, const char* tag) {
    QString a = U("select zi,px + 1000 as px,id,nan,nv,wuhang from word where 1 = 1 and Aflag is null  ") + g + U(" and bh = %1").arg(b);
    QString bs = U("select zi,px + 5001 as px,id,nan,nv,wuhang from word where 1 = 1 and Aflag is null  ") + g +
                 U(" and nan = 1 ") + U(" and bh = %1").arg(c);
    QString l = U("select ") + SqlQuote(U("张")) + U(" + a.zi + b.zi + '%s' as mz,(a.px + b.px) as px,a.nan + b.nan as you,a.wuhang as wuhang1,b.wuhang as wuhang2 from (") +
                a + U(") a , (") + bs + U(") b");
    return l.replace(U("%s"), U(tag));
  };
  const QString group = line(10, 6, "(80分)") + U("\n union \n") + line(4, 14, "(80分)") + U("\n union \n") + line(9, 17, "(78分)");
  const QStringList rows = On(DbFile::Pelvano, U("select mz from (") + group + U(") p where you > 0 order by px"));
  EXPECT_EQ(rows, L({"张文华(80分)", "张思远(78分)"}));
}

TEST_F(Statements, ListAndIdiomModes) {
  const QString single = U("select top 100000 zi1 as zi, ft1 as ft, wuhang1 as wuhang, pinyin1 as pinyin, wg, sc, zf, bh1, NULL AS bh2  from  (select b.zi as zi1, Left(b.ft,1) as ft1, b.wuhang as wuhang1,b.pinyin as pinyin1,   b.bh as bh1, a.wg, a.sc, a.zf  from   (select top %1 bh21,bh22,zf,wg,sc from zh where lx = 11 and bh11 = %2 and zf < 80 and zf > %3 order by jxjx,zf desc)a,    word b   where a.bh21 = b.bh and b.aflag is null ");
  const QString boy1 = U(" and (b.xb = '男' or b.nan = 1 or b.xb = '0' or b.xb = '1') ");
  // Plans 10, 4 and 9 strokes; the boys' clause leaves out 玲 and 芳.
  EXPECT_EQ(On(DbFile::Pelvano, single.arg(500).arg(11).arg(60) + boy1 + U(")d ")).size(), 2);
  EXPECT_EQ(On(DbFile::Pelvano, single.arg(500).arg(11).arg(60) + boy1 + U("and b.bh = %1").arg(9) + U(")d ")),
            L({"思|思|金|sī|12-20-10-20-2|木水水|75|9|"}));
  // Idiom mode: the idiom list as one literal, tested by containment.
  const QString idioms = SqlQuote(U("才思敏捷\n文武双全\n花好月圆\n"));
  EXPECT_EQ(On(DbFile::Pelvano, single.arg(500).arg(11).arg(60) + boy1 + U("and ") + idioms + U(" Like '%'+ b.zi+ '%'") + U(")d ")).size(), 2);

  const QString two = U("select top 100000 zi1 + zi2 as zi, zi2 + zi1 as zi2, ft1 + ft2 as ft,wuhang1 + wuhang2 as wuhang, pinyin1 +'-'+ pinyin2 as pinyin, wg, sc, zf, bh1, bh2  from  (select b.zi as zi1,c.zi as zi2, Left(b.ft,1) as ft1,Left(c.ft,1) as ft2,   b.wuhang as wuhang1,c.wuhang as wuhang2,b.pinyin as pinyin1,    c.pinyin as pinyin2, b.bh as bh1,c.bh as bh2, a.wg, a.sc, a.zf  from   (select top %1 bh21,bh22,zf,wg,sc from zh where lx = 12 and bh11 = %2 and zf < 80 and zf > %3 order by jxjx,zf desc)a,    word b,word c   where a.bh21 = b.bh and a.bh22 = c.bh   and b.aflag is null and c.aflag is null ");
  // The two-character stroke restrictions glue a number to the next "and", as list mode writes them.
  const QString glued = two.arg(1000).arg(11).arg(60) + U(" and (b.nan + c.nan > 0) ") + U("and b.bh = %1").arg(9) + U("and c.bh = %1").arg(17) + U(")d ");
  EXPECT_TRUE(glued.contains(U("9and c.bh")));
  EXPECT_EQ(On(DbFile::Pelvano, glued), L({"思远|远思|思遠|金土|sī-yuǎn|12-20-26-37-18|木水土|78|9|17"}));
  EXPECT_EQ(On(DbFile::Pelvano, two.arg(1000).arg(11).arg(60) + U(" and (b.nv + c.nv > 0) ") + U("and b.zi = '%1' ").arg(U("明")) + U(")d ")).size(), 2);
  // The two-character surname forms.
  const QString two2 = U("select top 100000 zi1 + zi2 as zi, ft1 + ft2 as ft,wuhang1 + wuhang2 as wuhang, pinyin1 +'-'+ pinyin2 as pinyin, wg, sc, zf, bh1, bh2  from  (select b.zi as zi1,c.zi as zi2, Left(b.ft,1) as ft1,Left(c.ft,1) as ft2, b.wuhang as wuhang1,c.wuhang as wuhang2,b.pinyin as pinyin1,    c.pinyin as pinyin2, b.bh as bh1,c.bh as bh2, a.wg, a.sc, a.zf  from   (select top %1 bh21,bh22,zf,wg,sc from zh where lx = 22 and bh11 = %2    and bh12 = %3 and zf < 80 and zf > %4 order by jxjx,zf desc)a,    word b,word c   where a.bh21 = b.bh and a.bh22 = c.bh   and b.aflag is null and c.aflag is null ");
  EXPECT_EQ(On(DbFile::Pelvano, two2.arg(1000).arg(15).arg(17).arg(60) + U(" and (b.nan + c.nan > 0) ") + U(")d ")),
            L({"文华|文華|水水|wén-huá|32-21-18-50-29|木木金|76|4|14"}));
  const QString single2 = U("select top 100000 zi1 as zi, ft1 as ft, wuhang1 as wuhang, pinyin1 as pinyin, wg, sc, zf, bh1, NULL AS bh2  from  (select b.zi as zi1, Left(b.ft,1) as ft1, b.wuhang as wuhang1,b.pinyin as pinyin1,   b.bh as bh1, a.wg, a.sc, a.zf  from   (select top %1 bh21,bh22,zf,wg,sc from zh where lx = 21 and bh11 = %2    and bh12 = %3 and zf < 80 and zf > %4 order by jxjx,zf desc)a,    word b   where a.bh21 = b.bh and b.aflag is null ");
  EXPECT_EQ(On(DbFile::Pelvano, single2.arg(500).arg(15).arg(17).arg(60) + U(" and (b.xb = '女' or b.nv = 1 or b.xb = '0' or b.xb = '1') ") + U(")d ")),
            L({"玲|玲|火|líng|32-27-11-42-16|木金木|79|10|", "芳|芳|木|fāng|32-27-11-42-16|木金木|79|10|"}));
  EXPECT_EQ(On(DbFile::Pelvano, U("select zi, Left(ft,1) as ft, pinyin, bh, wuhang from word where zi = '%1'").arg(U("干"))), L({"干|干||3|木"}).replaceInStrings(U("||"), U("|gàn|")));
}

TEST_F(Statements, PoetryLibrary) {
  EXPECT_EQ(On(DbFile::KelBirth, U("Select cd_num,d_dynasty,sum(1) as cs from sg group by cd_num,d_dynasty order by cd_num asc")),
            L({"1|先秦|2", "3|唐|2", "5|宋|1"}));
  QString filtered = U("Select cd_num,d_dynasty,sum(1) as cs from sg  where d_dynasty like '%%%s%%' or d_author like '%%%s%%' or  d_title like '%%%s%%' or d_nr like '%%%s%%'  group by cd_num,d_dynasty order by cd_num asc");
  filtered.replace(U("%%%s%%"), U("%明月%"));
  EXPECT_EQ(On(DbFile::KelBirth, filtered), L({"3|唐|2", "5|宋|1"}));
  QString authors = U("Select au_num,d_author,sum(1) as cs from sg  where cd_num = %1 and (d_dynasty like '%%%s%%' or d_author like '%%%s%%' or  d_title like '%%%s%%' or d_nr like '%%%s%%')  group by au_num,d_author order by au_num asc");
  authors = authors.arg(3).replace(U("%%%s%%"), U("%李%"));
  EXPECT_EQ(On(DbFile::KelBirth, authors), L({"7|李白|1"}));
  EXPECT_EQ(On(DbFile::KelBirth, U("Select au_num,d_author,sum(1) as cs from sg where cd_num = %1  group by au_num,d_author order by au_num asc ").arg(1)),
            L({"1|佚名|2"}));
  QString poems = U("Select d_num,d_title,d_author from sg where  au_num = %1 and (d_dynasty like '%%%s%%' or d_author like '%%%s%%' or d_title like '%%%s%%' or d_nr like '%%%s%%')  order by d_num asc ");
  poems = poems.arg(1).replace(U("%%%s%%"), U("%白露%"));
  EXPECT_EQ(On(DbFile::KelBirth, poems), L({"2|蒹葭|佚名"}));
  EXPECT_EQ(On(DbFile::KelBirth, U("Select d_num,d_title,d_author from sg where au_num = %1  order by d_num asc ").arg(1)).size(), 2);
  EXPECT_EQ(On(DbFile::KelBirth, U("Select d_num,d_title,d_author,d_nr from sg where d_num = %1  ").arg(3)).size(), 1);
  // A search text with a quote, quoted as a value, is only text.
  QString quoted = U("Select cd_num,d_dynasty,sum(1) as cs from sg  where d_title like ") + SqlQuote(U("%' or '1'='1%")) + U(" group by cd_num,d_dynasty");
  EXPECT_EQ(On(DbFile::KelBirth, quoted), QStringList());
}

TEST_F(Statements, PoetryNames) {
  const QString girl = U(" and (xb = '女' or nv = 1 or xb = '0' or xb = '1') ");
  const QString collected = SqlQuote(U("床前明月光，疑是地上霜。思远文华玲。"));
  const QString xg = U("select zi, wuhang, nan, nv, bh from word where 1 = 1 and Aflag is null and ") + collected +
                     U(" Like '%'+ zi+ '%'") + girl;
  const QString inner = U("select ") + SqlQuote(U("张")) + U(" + a.zi + b.zi as mz,a.nv + b.nv as you,") +
                        U("a.wuhang as wuhang1,b.wuhang as wuhang2,c.zf  from (") + xg + U(") a , (") + xg + girl +
                        U(") b,zh c where a.zi <> b.zi ") + U(" and c.lx = 12 and c.zf < 78 and a.bh = c.bh21 and b.bh = c.bh22 ") +
                        U("and c.bh11 = %1 and c.zf > %2 ").arg(11).arg(60);
  // 明 8 + 玲 10 scores 70; 远 is no girl's character.
  EXPECT_EQ(On(DbFile::Pelvano, U("select mz,zf from (") + inner + U(") p where you > 0 order by zf desc ")), L({"张明玲|70"}));
  const QString g = U(" and (xb = '男' or nan = 1 or xb = '0' or xb = '1') ");
  const QString x = U("select zi, wuhang, nan, nv, bh from word where 1 = 1 and Aflag is null and ") + collected +
                    U(" Like '%'+ zi+ '%'") + g;
  const QString inner1 = U("select ") + SqlQuote(U("张")) + U(" + a.zi as mz,1 as you,a.wuhang as wuhang1,c.zf ") +
                         U(" from (") + x + U(") a,zh c where c.lx = 11 and c.zf < 78 and a.bh = c.bh21 ") +
                         U("and c.bh11 = %1 and c.zf > %2 ").arg(11).arg(60);
  EXPECT_EQ(On(DbFile::Pelvano, U("select mz,zf from (") + inner1 + U(") p where you > 0 order by zf desc")), L({"张文|77", "张思|75"}));
}

}  // namespace
}  // namespace velmora
