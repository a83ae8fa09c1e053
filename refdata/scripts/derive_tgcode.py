"""derive_tgcode.py: the fixed-fact tables of Tgcode.dll (no upstream file; the facts
are the standard ones of the stems and branches).

Writes, under sources/tgcode/:
  hzwh.tsv     hz wh         the element of every stem and branch, one row per element
                             holding all its stems and branches; every stem and branch
                             occurs in exactly one row, so the program's containment
                             search (hz like '%X%', top 1) finds exactly its element
  shishen.tsv  jiazi ShiShen the ten god of every stem seen from every day stem
                             (key = day stem + other stem, 100 rows)
  jiazi.tsv    jiazi layin   the nayin of each of the sixty stem-branch pairs
  sjrs_keys.tsv wh sj        the 20 keys of the seasonal readings (element x season)
  qtbj_keys.tsv tg dz        the 120 keys of the adjustment texts (day stem x month branch)
The texts of sjrs and qtbj are prose in refdata/texts/; the builder joins them to these keys.

Ten gods, from the day stem D toward another stem O, by their elements and polarity
(甲丙戊庚壬 yang, 乙丁己辛癸 yin); "same" means same polarity:
  same element           same 比肩   other 劫财
  D generates O          same 食神   other 伤官
  O generates D          same 偏印   other 正印
  D overcomes O          same 偏财   other 正财
  O overcomes D          same 七杀   other 正官
Elements generate 木→火→土→金→水→木 and overcome 木→土→水→火→金→木.

usage: python3 derive_tgcode.py
"""

import os
import sys

import tsvio

STEMS = "甲乙丙丁戊己庚辛壬癸"
BRANCHES = "子丑寅卯辰巳午未申酉戌亥"
# Elements in generation order; a stem's element is its index // 2.
ELEMENTS = "木火土金水"
BRANCH_ELEMENT = {"寅": "木", "卯": "木", "巳": "火", "午": "火", "辰": "土", "戌": "土",
                  "丑": "土", "未": "土", "申": "金", "酉": "金", "亥": "水", "子": "水"}

# Nayin of the thirty pairs of the cycle: pairs (甲子, 乙丑), (丙寅, 丁卯), ...
NAYIN = ("海中金 炉中火 大林木 路旁土 剑锋金 山头火 涧下水 城头土 白蜡金 杨柳木 "
         "泉中水 屋上土 霹雳火 松柏木 长流水 沙中金 山下火 平地木 壁上土 金箔金 "
         "覆灯火 天河水 大驿土 钗钏金 桑柘木 大溪水 沙中土 天上火 石榴木 大海水").split()

TEN_GODS = {  # (element step from D to O, same polarity) -> name
    (0, True): "比肩", (0, False): "劫财",
    (1, True): "食神", (1, False): "伤官",
    (4, True): "偏印", (4, False): "正印",
    (2, True): "偏财", (2, False): "正财",
    (3, True): "七杀", (3, False): "正官",
}


def main(argv):
    out = os.path.join(tsvio.refdata_dir(), "sources", "tgcode")
    src = "the standard stem and branch facts"

    hzwh = []
    for e, element in enumerate(ELEMENTS):
        chars = STEMS[2 * e:2 * e + 2] + "".join(b for b in "寅卯巳午辰戌丑未申酉亥子"
                                                 if BRANCH_ELEMENT[b] == element)
        hzwh.append((chars, element))
    joined = "".join(h for h, _ in hzwh)
    assert sorted(joined) == sorted(STEMS + BRANCHES)
    tsvio.write_tsv(os.path.join(out, "hzwh.tsv"), ("hz", "wh"), hzwh,
                    "derive_tgcode.py", src)

    shishen = []
    for d in range(10):
        for o in range(10):
            step = (o // 2 - d // 2) % 5
            shishen.append((STEMS[d] + STEMS[o], TEN_GODS[(step, d % 2 == o % 2)]))
    tsvio.write_tsv(os.path.join(out, "shishen.tsv"), ("jiazi", "ShiShen"), shishen,
                    "derive_tgcode.py", src)

    jiazi = [(STEMS[i % 10] + BRANCHES[i % 12], NAYIN[i // 2]) for i in range(60)]
    tsvio.write_tsv(os.path.join(out, "jiazi.tsv"), ("jiazi", "layin"), jiazi,
                    "derive_tgcode.py", src)
    sjrs = [(e, season) for e in "金木水火土" for season in "春夏秋冬"]
    tsvio.write_tsv(os.path.join(out, "sjrs_keys.tsv"), ("wh", "sj"), sjrs,
                    "derive_tgcode.py", src)
    qtbj = [(t, b) for t in STEMS for b in BRANCHES]
    tsvio.write_tsv(os.path.join(out, "qtbj_keys.tsv"), ("tg", "dz"), qtbj,
                    "derive_tgcode.py", src)
    print("%s: %d hzwh, %d Shishen, %d jiazi rows" % (out, len(hzwh), len(shishen), len(jiazi)))


if __name__ == "__main__":
    main(sys.argv)
