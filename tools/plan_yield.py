#!/usr/bin/env python3
"""plan_yield.py: how many names the listed stroke plans give, read from a built Pelvano.dll.

Usage
  python3 tools/plan_yield.py --db build/bin/Pelvano.dll [--before OLD/Pelvano.dll]
  python3 tools/plan_yield.py --db build/bin/Pelvano.dll --show 张 王 欧阳
  python3 tools/plan_yield.py --db build/bin/Pelvano.dll --strokes

Without --show: for the 100 commonest surnames, with 双字名 and the main window's
defaults (只取 70, no fixed character), the plans the list shows (top 20 by jxjx, zf,
with the rows that tie on both, as the program's engine returns them) and, for each
plan, the boys' and girls' names that classic mode's join of word yields. Prints the
plans that give at least 30 names for either sex and the median per sex; --before adds
the same figures for an older database.
--list prints the plan list of each of the 100 surnames, each plan with its boys' and
girls' names. --show prints, for each surname given, its plan list and the first 30
boys' and girls' names of the first plan in the single-plan statement's order
(a.px + b.px + a.id).
--strokes prints the candidate characters per stroke count for boys and for girls.

Standard library only; runs outside the build.
"""

import argparse
import sqlite3
import statistics

# The 100 commonest surnames of mainland China, most common first.
COMMON_SURNAMES = (
    "王李张刘陈杨黄赵吴周徐孙马朱胡郭何高林罗郑梁谢宋唐许韩冯邓曹彭曾肖田"
    "董袁潘于蒋蔡余杜叶程苏魏吕丁任沈姚卢姜崔钟谭陆汪范金石廖贾夏韦付方白"
    "邹孟熊秦邱江尹薛闫段雷侯龙史陶黎贺顾毛郝龚邵万钱严覃武戴莫孔向汤")

# The sex clauses of classic mode for 双字名 without a fixed character: G for both
# given-name characters, N added for the second.
SEX = {
    "男": ("(xb = '男' or nan = 1 or xb = '1')", "nan = 1", "a.nan + b.nan"),
    "女": ("(xb = '女' or nv = 1 or xb = '1' or xb = '0')", "nv = 1", "a.nv + b.nv"),
}


def strokes(db, ch):
    row = db.execute("select bh from word where zi = ? limit 1", (ch,)).fetchone()
    if not row or not row[0]:
        row = db.execute("select bh from word where ft = ? limit 1", (ch,)).fetchone()
    return row[0] if row else 0


def plans(db, surname):
    """(bh21, bh22, zf) of the plan list for a surname, in list order."""
    s1 = strokes(db, surname[0])
    if len(surname) == 1:
        where, args = "lx = 12 and bh11 = ?", [s1]
    else:
        where, args = "lx = 22 and bh11 = ? and bh12 = ?", [s1, strokes(db, surname[1])]
    sql = ("select bh21, bh22, zf from (select bh21, bh22, zf, jxjx, "
           "rank() over (order by jxjx, zf) r from zh where bh21 < 25 and bh22 < 25 and "
           + where + " and zf >= 70 and zf <= 80) where r <= 20 order by jxjx, zf")
    return db.execute(sql, args).fetchall()


def sources(sex, b, c):
    g, n, you = SEX[sex]
    a = "select zi, px + 551 as px, id, nan, nv from word where Aflag is null and %s and bh = %d" % (g, b)
    bb = ("select zi, px + 5000 as px, id, nan, nv from word where Aflag is null and %s and %s "
          "and bh = %d" % (g, n, c))
    return a, bb, you


def name_count(db, sex, b, c):
    a, bb, you = sources(sex, b, c)
    return db.execute("select count(*) from (%s) a, (%s) b where %s > 0" % (a, bb, you)).fetchone()[0]


def first_names(db, surname, sex, b, c, count=30):
    a, bb, you = sources(sex, b, c)
    rows = db.execute("select a.zi || b.zi from (%s) a, (%s) b where %s > 0 "
                      "order by a.px + b.px + a.id, a.zi, b.zi limit %d" % (a, bb, you, count))
    return [surname + r[0] for r in rows]


def item(surname, db, plan):
    head = "-".join(str(strokes(db, ch)) for ch in surname)
    return "%s|%d-%d(%d分)" % (head, plan[0], plan[1], plan[2])


def summary(path):
    db = sqlite3.connect("file:%s?mode=ro" % path, uri=True)
    listed = both = 0
    boys, girls = [], []
    for surname in COMMON_SURNAMES:
        for b, c, _ in plans(db, surname):
            nb, ng = name_count(db, "男", b, c), name_count(db, "女", b, c)
            listed += 1
            both += nb >= 30 and ng >= 30
            boys.append(nb)
            girls.append(ng)
    db.close()
    print("%s: %d plans listed for %d surnames; %d give at least 30 boys' and 30 girls' names; "
          "median names per plan: boys %g, girls %g"
          % (path, listed, len(COMMON_SURNAMES), both, statistics.median(boys),
             statistics.median(girls)))


def show(path, surnames, names=True):
    db = sqlite3.connect("file:%s?mode=ro" % path, uri=True)
    for surname in surnames:
        listed = plans(db, surname)
        print("%s: %s" % (surname, " ".join(
            "%s[%d/%d]" % (item(surname, db, p), name_count(db, "男", p[0], p[1]),
                           name_count(db, "女", p[0], p[1])) for p in listed)))
        if listed and names:
            b, c, _ = listed[0]
            for sex in ("男", "女"):
                print("  %s %s: %s" % (item(surname, db, listed[0]), sex,
                                       " ".join(first_names(db, surname, sex, b, c))))
    db.close()


def stroke_table(path):
    db = sqlite3.connect("file:%s?mode=ro" % path, uri=True)
    print("bh boys girls")
    for bh, nb, ng in db.execute("select bh, sum(nan = 1), sum(nv = 1) from word "
                                 "where Aflag is null group by bh order by bh"):
        print(bh, nb, ng)
    db.close()


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--db", required=True)
    ap.add_argument("--before")
    ap.add_argument("--show", nargs="+", metavar="SURNAME")
    ap.add_argument("--list", action="store_true")
    ap.add_argument("--strokes", action="store_true")
    args = ap.parse_args()
    if args.strokes:
        stroke_table(args.db)
    elif args.list:
        show(args.db, COMMON_SURNAMES, names=False)
    elif args.show:
        show(args.db, args.show)
    else:
        if args.before:
            summary(args.before)
        summary(args.db)


if __name__ == "__main__":
    main()
