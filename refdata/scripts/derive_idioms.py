"""derive_idioms.py: the rows of sources/curated/idioms.tsv, the reviewed list behind the
idiom list built into the program (idiom mode), from THUOCL's idiom list
(data/idioms/THUOCL_chengyu.txt, MIT, THUNLP).

The tiers are a judgement made by reading every idiom; this script keeps them. It
  - takes every entry of THUOCL that is exactly four Chinese characters, in THUOCL's
    order (most frequent first), with its corpus count;
  - adds the idioms of ADDED_FIRST and ADDED_LAST, which open and close the list
    (tier 1 unless the file already gives them another), source "added" when THUOCL
    lacks them;
  - keeps the tier the existing file gives an idiom; an idiom it does not know yet gets
    the tier "?" (unreviewed), which the program leaves out until someone reviews it.

Tiers (see refdata/README.md):
  1  talent, virtue, ambition, beauty, learning, bright prospects: what parents name for
  2  other good meanings: harmony, diligence, joy, peace, the beauty of nature
  3  neutral: harmless, but nothing to wish a child
  x  left out: misfortune, vice, death, war, mockery, crime, or meanings that read badly
The program builds its list from tiers 1 and 2, in file order.

usage: python3 derive_idioms.py [upstream data dir]
"""

import os
import sys

import tsvio

ADDED_FIRST = ("年富力强 不遗余力 陈力就列 殚精竭力 殚谋戮力 殚智竭力 才德兼备 大才槃槃 七步之才 "
               "奇才异能 爱才如渴 爱才如命 抱负不凡 不同凡响 楚楚不凡 丰标不凡 举止不凡 磊落不凡 "
               "同文共轨 班马文章").split()
ADDED_LAST = "雪案萤窗 雪案萤灯 大智如愚 大智若愚 采兰赠芍".split()
TIERS = {"1", "2", "3", "x", "?"}
HEADER = ["idiom", "tier", "freq", "source"]
COMMENTS = [
    "# The idioms for naming: every four-character idiom of THUOCL_chengyu (MIT, THUNLP),",
    "# each judged by reading it. tier 1 talent, virtue, ambition, beauty, learning, bright",
    "# prospects; 2 other good meanings; 3 neutral; x left out (misfortune, vice, death, war,",
    "# mockery); ? not reviewed yet. The program keeps tiers 1 and 2, in this order.",
    "# Rows come from refdata/scripts/derive_idioms.py, which keeps the tiers of this file:",
    "# edit a tier here, add idioms in the script.",
]


def is_idiom(text):
    return len(text) == 4 and all("\u4e00" <= ch <= "\u9fff" for ch in text)


def read_thuocl(path):
    out = []
    with open(path, encoding="utf-8") as f:
        for line in f:
            parts = line.rstrip("\n").split("\t")
            text = parts[0].strip()
            count = parts[1].strip() if len(parts) > 1 else ""
            if is_idiom(text) and text not in dict(out):
                out.append((text, count))
    return out


def read_tiers(path):
    if not os.path.exists(path):
        return {}
    header, rows = tsvio.read_tsv(path)
    at = {name.lower(): i for i, name in enumerate(header)}
    tiers = {}
    for row in rows:
        tier = row[at["tier"]]
        if tier not in TIERS:
            raise ValueError("%s: unknown tier %r of %s" % (path, tier, row[at["idiom"]]))
        tiers[row[at["idiom"]]] = tier
    return tiers


def main(argv):
    target = os.path.join(tsvio.refdata_dir(), "sources", "curated", "idioms.tsv")
    thuocl = read_thuocl(os.path.join(tsvio.upstream_dir(argv), "idioms", "THUOCL_chengyu.txt"))
    counts = dict(thuocl)
    tiers = read_tiers(target)
    placed = set(ADDED_FIRST) | set(ADDED_LAST)

    def row(text, default_tier):
        source = "THUOCL" if text in counts else "added"
        return [text, tiers.get(text, default_tier), counts.get(text, ""), source]

    rows = [row(t, "1") for t in ADDED_FIRST]
    rows += [row(t, "?") for t, _ in thuocl if t not in placed]
    rows += [row(t, "1") for t in ADDED_LAST]

    tmp = target + ".tmp"
    with open(tmp, "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(COMMENTS) + "\n")
        f.write("\t".join(HEADER) + "\n")
        for r in rows:
            f.write("\t".join(tsvio.escape(v) for v in r) + "\n")
    os.replace(tmp, target)
    kept = [r[0] for r in rows if r[1] in ("1", "2")]
    print("%s: %d rows, %d kept (tiers 1 and 2), %d distinct characters, %d unreviewed"
          % (target, len(rows), len(kept), len(set("".join(kept))),
             sum(1 for r in rows if r[1] == "?")))


if __name__ == "__main__":
    main(sys.argv)
