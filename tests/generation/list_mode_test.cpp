// List and idiom mode: the statements against the texts the mode has always run, the
// bounds of ScoreFloor, TopPlans and RetryLimit, the paging of the results grid and the
// built-in idiom list.
#include "generation/idiom_list.h"
#include "generation/list_mode.h"
#include "generation/list_paging.h"
#include "generation/stroke_plans.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

namespace velmora {
namespace {

QString U(const char* s) { return QString::fromUtf8(s); }

ListInputs Inputs(const char* xing, bool twoChars, bool male) {
  ListInputs in;
  in.xing = U(xing);
  in.twoChars = twoChars;
  in.male = male;
  return in;
}

SurnameInfo Strokes(int s1, int s2) {
  SurnameInfo s;
  s.first.bh = s1;
  s.second.bh = s2;
  return s;
}

TEST(ListStatement, TheFourBaseTextsAndTheirPieces) {
  const QString idiom = U("年富力强\n才德兼备");
  const QString lit = U("'年富力强\n才德兼备'");
  struct Case {
    ListInputs in;
    SurnameInfo s;
    int top, floor, b, c;
    bool idiomMode;
    QString expected;
  };
  ListInputs fixedSecond = Inputs("张", true, false);
  fixedSecond.fixed = U("思");
  ListInputs quoteThird = Inputs("欧阳", true, true);
  quoteThird.fixed = U("'");
  quoteThird.fixedSecond = false;
  const Case cases[] = {
      // 2 bytes, 单字名, boy, a plan of 10 strokes glued to ")d "
      {Inputs("张", false, true), Strokes(11, 0), 500, 69, 10, 0, false,
       U("select top 100000 zi1 as zi, ft1 as ft, wuhang1 as wuhang, pinyin1 as pinyin, wg, sc, zf, bh1, NULL AS bh2  from  (select b.zi as zi1, Left(b.ft,1) as ft1, b.wuhang as wuhang1,b.pinyin as pinyin1,   b.bh as bh1, a.wg, a.sc, a.zf  from   (select top 500 bh21,bh22,zf,wg,sc from zh where lx = 11 and bh11 = 11 and zf < 80 and zf > 69 order by jxjx,zf desc)a,    word b   where a.bh21 = b.bh and b.aflag is null ") + U(" and (b.xb = '男' or b.nan = 1 or b.xb = '0' or b.xb = '1') ") + U("and b.bh = 10") + U(")d ")},
      // 2 bytes, 双字名, girl, no plan
      {Inputs("张", true, false), Strokes(11, 0), 50, 69, 0, 0, false,
       U("select top 100000 zi1 + zi2 as zi, zi2 + zi1 as zi2, ft1 + ft2 as ft,wuhang1 + wuhang2 as wuhang, pinyin1 +'-'+ pinyin2 as pinyin, wg, sc, zf, bh1, bh2  from  (select b.zi as zi1,c.zi as zi2, Left(b.ft,1) as ft1,Left(c.ft,1) as ft2,   b.wuhang as wuhang1,c.wuhang as wuhang2,b.pinyin as pinyin1,    c.pinyin as pinyin2, b.bh as bh1,c.bh as bh2, a.wg, a.sc, a.zf  from   (select top 50 bh21,bh22,zf,wg,sc from zh where lx = 12 and bh11 = 11 and zf < 80 and zf > 69 order by jxjx,zf desc)a,    word b,word c   where a.bh21 = b.bh and a.bh22 = c.bh   and b.aflag is null and c.aflag is null ") + U(" and (b.nv + c.nv > 1) ") + U(")d ")},
      // 2 bytes, 双字名, girl, fixed second character, both strokes glued to the next piece
      {fixedSecond, Strokes(11, 0), 500, 60, 9, 17, false,
       U("select top 100000 zi1 + zi2 as zi, zi2 + zi1 as zi2, ft1 + ft2 as ft,wuhang1 + wuhang2 as wuhang, pinyin1 +'-'+ pinyin2 as pinyin, wg, sc, zf, bh1, bh2  from  (select b.zi as zi1,c.zi as zi2, Left(b.ft,1) as ft1,Left(c.ft,1) as ft2,   b.wuhang as wuhang1,c.wuhang as wuhang2,b.pinyin as pinyin1,    c.pinyin as pinyin2, b.bh as bh1,c.bh as bh2, a.wg, a.sc, a.zf  from   (select top 500 bh21,bh22,zf,wg,sc from zh where lx = 12 and bh11 = 11 and zf < 80 and zf > 60 order by jxjx,zf desc)a,    word b,word c   where a.bh21 = b.bh and a.bh22 = c.bh   and b.aflag is null and c.aflag is null ") + U(" and (c.nv = 1) ") + U("and b.zi = '思' ") + U("and b.bh = 9") + U("and c.bh = 17") + U(")d ")},
      // 4 bytes, 单字名, girl, idiom mode
      {Inputs("欧阳", false, false), Strokes(15, 17), 500, 60, 0, 0, true,
       U("select top 100000 zi1 as zi, ft1 as ft, wuhang1 as wuhang, pinyin1 as pinyin, wg, sc, zf, bh1, NULL AS bh2  from  (select b.zi as zi1, Left(b.ft,1) as ft1, b.wuhang as wuhang1,b.pinyin as pinyin1,   b.bh as bh1, a.wg, a.sc, a.zf  from   (select top 500 bh21,bh22,zf,wg,sc from zh where lx = 21 and bh11 = 15    and bh12 = 17 and zf < 80 and zf > 60 order by jxjx,zf desc)a,    word b   where a.bh21 = b.bh and b.aflag is null ") + U(" and (b.xb = '女' or b.nv = 1 or b.xb = '0' or b.xb = '1') ") + U("and ") + lit +
           U(" Like '%'+ b.zi+ '%'") + U(")d ")},
      // 4 bytes, 双字名, boy, a quote as the fixed third character, idiom mode
      {quoteThird, Strokes(15, 17), 500, 69, 0, 0, true,
       U("select top 100000 zi1 + zi2 as zi, ft1 + ft2 as ft,wuhang1 + wuhang2 as wuhang, pinyin1 +'-'+ pinyin2 as pinyin, wg, sc, zf, bh1, bh2  from  (select b.zi as zi1,c.zi as zi2, Left(b.ft,1) as ft1,Left(c.ft,1) as ft2, b.wuhang as wuhang1,c.wuhang as wuhang2,b.pinyin as pinyin1,    c.pinyin as pinyin2, b.bh as bh1,c.bh as bh2, a.wg, a.sc, a.zf  from   (select top 500 bh21,bh22,zf,wg,sc from zh where lx = 22 and bh11 = 15    and bh12 = 17 and zf < 80 and zf > 69 order by jxjx,zf desc)a,    word b,word c   where a.bh21 = b.bh and a.bh22 = c.bh   and b.aflag is null and c.aflag is null ") + U(" and (b.nan = 1) ") + U("and c.zi = '''' ") + U("and ") + lit + U(" Like '%'+ b.zi+ '%'") +
           U("and ") + lit + U(" Like '%'+ c.zi+ '%'") + U(")d ")},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ListStatement(c.in, c.s, c.top, c.floor, c.b, c.c, c.idiomMode ? &idiom : nullptr), c.expected);
  }
  // A surname typed with a leading blank (3 bytes) builds nothing.
  EXPECT_TRUE(ListStatement(Inputs(" 张", true, true), Strokes(11, 0), 50, 69, 0, 0, nullptr).isEmpty());
}

TEST(ListBounds, ScoreFloorTopPlansRetryLimit) {
  EXPECT_EQ(ScoreFloorOf(true, U(" 70 ")), 69);  // plans of 70 … 79
  EXPECT_EQ(ScoreFloorOf(false, U("abc")), 60);  // unchecked: 61 … 79, whatever the box holds
  EXPECT_THROW(ScoreFloorOf(true, U("abc")), NotAnInteger);
  EXPECT_EQ(TopPlansOf(false, U("思")), 500);  // one character: 500, the fixed character ignored
  EXPECT_EQ(TopPlansOf(true, QString()), 50);
  EXPECT_EQ(TopPlansOf(true, U("思")), 500);
  const std::pair<int, int> retries[] = {{0, 5}, {10000, 5}, {10001, 3}, {50000, 3}, {50001, 2}};
  for (const auto& [total, limit] : retries) EXPECT_EQ(RetryLimitOf(total), limit) << total;
}

// Every page of a result of total rows, 500 to a page.
std::vector<std::vector<int>> AllPages(int total, bool ordered) {
  ListPaging paging;
  paging.Start(total, ordered, 2024);
  std::vector<std::vector<int>> pages;
  while (!paging.AllShown()) {
    std::vector<int> page;
    const int n = paging.BeginPage(500);
    for (int r = 1; r <= n && !paging.AllShown(); ++r) page.push_back(paging.Draw());
    pages.push_back(page);
  }
  return pages;
}

TEST(ListPaging, OnePageInOrderOrRandomPagesShowingEveryRecordOnce) {
  std::vector<int> upTo120(120);
  std::iota(upTo120.begin(), upTo120.end(), 1);
  EXPECT_EQ(AllPages(120, false), std::vector<std::vector<int>>{upTo120});

  const auto pages = AllPages(1200, false);
  ASSERT_EQ(pages.size(), 3u);
  EXPECT_EQ(pages[0].size(), 500u);
  EXPECT_EQ(pages[1].size(), 500u);
  EXPECT_EQ(pages[2].size(), 200u);
  EXPECT_FALSE(std::is_sorted(pages[0].begin(), pages[0].end()));  // drawn at random
  std::vector<int> all;
  for (const auto& p : pages) all.insert(all.end(), p.begin(), p.end());
  std::sort(all.begin(), all.end());
  std::vector<int> expected(1200);
  std::iota(expected.begin(), expected.end(), 1);
  EXPECT_EQ(all, expected);  // each record once, the last one included

  // An ordered result (美名) pages in its own order.
  const auto ordered = AllPages(1200, true);
  EXPECT_EQ(ordered[1].front(), 501);
  EXPECT_TRUE(std::is_sorted(ordered[1].begin(), ordered[1].end()));
  EXPECT_TRUE(AllPages(0, false).empty());
}

TEST(IdiomList, BuiltInEntries) {
  const QStringList& entries = IdiomEntries();
  ASSERT_GE(entries.size(), 3000);
  EXPECT_LE(entries.size(), 5000);
  EXPECT_EQ(entries.front(), U("年富力强"));
  EXPECT_EQ(entries.back(), U("采兰赠芍"));
  EXPECT_TRUE(std::all_of(entries.cbegin(), entries.cend(), [](const QString& e) { return e.size() == 4; }));
  EXPECT_TRUE(IdiomList().startsWith(U("年富力强\n不遗余力\n")));
  // Only the kept tiers; left-out rows, comments and broken lines are skipped.
  EXPECT_EQ(ParseIdiomEntries("# c\nidiom\ttier\n坚定不移\t1\t5\tTHUOCL\n滥用职权\tx\t\t\n半途而废\t3\n才高八斗\t2\nbroken\n"),
            QStringList({U("坚定不移"), U("才高八斗")}));
}

}  // namespace
}  // namespace velmora
