"""derive_bone_weight.py: the bone-weight tables of dream.dll from chncal's 称骨 lists
(data/bone_weight/*.tsv).

Writes, under sources/bone_weight/:
  chenggu1.tsv  year weight    every lunar year 1900-2100, weighted by its sexagenary
                               year (1984 is 甲子, so year Y is cycle index (Y - 4) mod 60)
  chenggu2.tsv  month2 weight  lunar months 1..12
  chenggu3.tsv  day2 weight    lunar days 1..30
  chenggu4.tsv  time weight    clock hours 0..23, each weighted by its two-hour branch:
                               23 and 0 子, 1-2 丑, 3-4 寅, ... 21-22 亥
  verses.tsv    weight content the classical verse of each total, keyed by the two-digit
                               code the program forms (2.1 -> 21, 5.0 -> 50)
Keys are decimal texts without leading zeros. Weights are in 两 with one decimal.

Two entries differ between printed editions of the table: the year 癸亥 and the lunar
day 20. We keep chncal's values (癸亥 0.6, day 20 1.0); README.md records this.

usage: python3 derive_bone_weight.py [upstream data dir]
"""

import os
import sys

import opencc_t2s
import tsvio

STEMS = "甲乙丙丁戊己庚辛壬癸"
BRANCHES = "子丑寅卯辰巳午未申酉戌亥"


def read_pairs(path):
    with open(path, encoding="utf-8") as f:
        lines = [l.rstrip("\n") for l in f if l.strip()]
    return [tuple(l.split("\t")) for l in lines[1:]]


def weight_text(w):
    value = float(w)
    if not (0.0 < value < 10.0) or round(value, 1) != value:
        raise ValueError("weight %r is not one decimal in 两" % w)
    return "%.1f" % value


def main(argv):
    src = os.path.join(tsvio.upstream_dir(argv), "bone_weight")
    out = os.path.join(tsvio.refdata_dir(), "sources", "bone_weight")
    note = "chncal bone_weight/%s"

    years = {}
    for key, w in read_pairs(os.path.join(src, "year_weights.tsv")):
        years[key[:2]] = weight_text(w)  # key like 甲子(鼠)
    if len(years) != 60:
        raise ValueError("expected 60 sexagenary years, got %d" % len(years))
    rows = []
    for y in range(1900, 2101):
        i = (y - 4) % 60
        rows.append((str(y), years[STEMS[i % 10] + BRANCHES[i % 12]]))
    tsvio.write_tsv(os.path.join(out, "chenggu1.tsv"), ("year", "weight"), rows,
                    "derive_bone_weight.py", note % "year_weights.tsv")

    months = [(str(int(k)), weight_text(w))
              for k, w in read_pairs(os.path.join(src, "month_weights.tsv"))]
    assert [int(k) for k, _ in months] == list(range(1, 13))
    tsvio.write_tsv(os.path.join(out, "chenggu2.tsv"), ("month2", "weight"), months,
                    "derive_bone_weight.py", note % "month_weights.tsv")

    days = [(str(int(k)), weight_text(w))
            for k, w in read_pairs(os.path.join(src, "day_weights.tsv"))]
    assert [int(k) for k, _ in days] == list(range(1, 31))
    tsvio.write_tsv(os.path.join(out, "chenggu3.tsv"), ("day2", "weight"), days,
                    "derive_bone_weight.py", note % "day_weights.tsv")

    branch_weight = dict((k, weight_text(w))
                         for k, w in read_pairs(os.path.join(src, "hour_weights.tsv")))
    assert sorted(branch_weight) == sorted(BRANCHES)
    hours = [(str(h), branch_weight[BRANCHES[((h + 1) // 2) % 12]]) for h in range(24)]
    tsvio.write_tsv(os.path.join(out, "chenggu4.tsv"), ("time", "weight"), hours,
                    "derive_bone_weight.py", note % "hour_weights.tsv")

    verses = read_pairs(os.path.join(src, "verses.tsv"))
    texts = opencc_t2s.t2s([v.strip() for _, v in verses])
    rows = []
    for (total, _), text in zip(verses, texts):
        t = weight_text(total)
        rows.append((t[0] + t[2], text))
    codes = [int(c) for c, _ in rows]
    if codes != list(range(21, 73)):
        raise ValueError("expected the codes 21..72, got %r" % codes)
    tsvio.write_tsv(os.path.join(out, "verses.tsv"), ("weight", "content"), rows,
                    "derive_bone_weight.py", note % "verses.tsv")
    print("%s: 201 years, 12 months, 30 days, 24 hours, %d verses" % (out, len(rows)))


if __name__ == "__main__":
    main(sys.argv)
