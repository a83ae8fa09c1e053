"""derive_name_checks.py: sources/name_checks.tsv, the words the name checks compare a
name with, from THUOCL's domain word lists (data/words/THUOCL_*.txt, MIT, THUNLP), the
left-out idioms of sources/curated/idioms.tsv and Unihan 15.0's readings.

A parent notices a name that sounds like a common word with a bad or comic sense, not one
that sounds like a rare term: 自汗 (a symptom) would refuse 子涵, 寺院 思远. So each list
gives only its most frequent words, fewer for two syllables (which a name matches by
chance: 1,332 candidates make 1.8 million pairs over only 74,000 readings) than for three
or four (which a name matches only whole). The lists are ranked by THUOCL's count.

What counts is the sense of the word, not its field: 章程, 精神 and 卫生 are plain terms and
张程, 景深 and 为胜 good names, while 违法, 孕妇 and 猪肝 are not. So:

Rows (kind):
  sound  a word with a bad sense, which a name must not sound like, whole or in part
         (李望生 往生, 朱甘 猪肝): every word of THUOCL's lists (from the counts of LISTS)
         that holds a character of curated/excluded.tsv (death, illness, crime, filth,
         insulting animals) or of BAD_CHARS (pregnancy, inflammation, the body's private
         parts, breaking the law), and the idioms of tier x (misfortune, vice, death: 4 syllables, matched by
         whole names of a two-character surname);
  comic  a common word with a comic sense in a name: the commonest foods, animals, computer
         terms and cars (土豆, 博客, 宝马). A given name or a whole name must not sound like
         one (张博科 博客); the surname with the first character may (张程 is not 章程);
  word   a plain everyday word a given name must not be by its characters (大会, 工资):
         the same lists and THUOCL caijing, which holds the commonest words of all;
  fame   a famous person's full name (THUOCL lishimingren, count >= FAME_MIN: 张家辉 637 stays,
         namesakes of a common name such as 王庆云 106 or 李华军 117 do not);
  reading another reading of a candidate whose reading in a name is uncertain (polyphone 1
         in texts/name_meanings.tsv): 朝 zhāo may be heard cháo, so 张发朝 is heard 发潮.
         From Unihan kMandarin and kXHC1983 (every modern dictionary reading).
  common a pair of candidate characters that reads as a plain word rather than a name:
         count = how many THUOCL words (all lists but the names) and idioms hold it, kept
         from COMMON_MIN (春风 76, 英雄 31, 海棠 14; 浩然 8 and 思远 2 stay names).

pinyin: the word read without tones, syllables separated by blanks, ü written v, each
character by its usual reading (Unihan kMandarin; one row per reading where it gives two).
Names are read by their name reading (table zy).

usage: python3 derive_name_checks.py [upstream data dir]
"""

import bz2
import itertools
import os
import sys
import unicodedata

import tsvio

HERE = os.path.dirname(os.path.abspath(__file__))
REFDATA = os.path.dirname(HERE)
UNIHAN = "/usr/share/unicode/Unihan_Readings.txt.bz2"

# (list, label, ranks searched for bad words, ranks taken as comic for 2 and 3 characters,
# ranks taken as plain words of 2 characters)
LISTS = [
    ("medical", "医疗用语", 6000, 0, 0, 800),
    ("animal", "动物", 3000, 80, 300, 300),
    ("food", "食物", 3000, 150, 500, 500),
    ("IT", "计算机用语", 3000, 40, 100, 200),
    ("law", "法律用语", 3000, 0, 0, 200),
    ("car", "汽车", 1000, 15, 30, 60),
    ("caijing", "财经用语", 3000, 0, 0, 600),
]
BAD_CHARS = set("孕胎娩殖炎症癣疹痿痢疟瘀痒痰脓肿肛睾阴毙奸嫖赌毒瘾尸骸违犯贿赃欺")
FAME_MIN = 500
COMMON_MIN = 10
HEADER = ["word", "pinyin", "kind", "reason", "count"]


def is_han(text):
    return all("\u4e00" <= ch <= "\u9fff" for ch in text)


def toneless(syllable):
    decomposed = unicodedata.normalize("NFD", syllable.replace("ü", "v"))
    return "".join(c for c in decomposed if unicodedata.category(c) != "Mn").lower()


def read_unihan_readings(keys):
    """The toneless readings of each character under the given Unihan keys, in file order.

    kMandarin gives the usual reading (rarely two); kXHC1983 adds every modern dictionary
    reading. Reading every name by all of them would hear 强奸 also as jiang jian and refuse
    江剑, so only the polyphones' other readings take them."""
    out = {}
    with bz2.open(UNIHAN, "rt", encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            code, key, value = line.rstrip("\n").split("\t")
            if key not in keys:
                continue
            values = value.split()
            if key == "kXHC1983":
                values = [v.split(":")[1] for v in values]
            ch = chr(int(code[2:], 16))
            for v in values:
                for r in v.split(","):
                    t = toneless(r)
                    if t and t not in out.setdefault(ch, []):
                        out[ch].append(t)
    return out


def word_readings(word, readings):
    per_char = [readings.get(ch) for ch in word]
    if not all(per_char):
        return []
    return [" ".join(p) for p in itertools.product(*per_char)][:8]


def read_list(data, name):
    rows = {}
    with open(os.path.join(data, "words", "THUOCL_%s.txt" % name), encoding="utf-8") as f:
        for line in f:
            parts = line.rstrip("\n").split("\t")
            word = parts[0].strip()
            count = int(parts[1].strip()) if len(parts) > 1 and parts[1].strip().isdigit() else 0
            if word and is_han(word) and count > rows.get(word, -1):
                rows[word] = count
    return sorted(rows.items(), key=lambda r: -r[1])


def main():
    data = sys.argv[1] if len(sys.argv) > 1 else os.path.join(REFDATA, "..", "..", "shared", "data")
    readings = read_unihan_readings({"kMandarin"})
    out = {}

    def add(word, kind, reason, count):
        # Words matched by their characters need no reading.
        for py in word_readings(word, readings) or ([""] if kind in ("fame", "word") else []):
            out.setdefault((word, py, kind), (reason, count))

    header, excluded = tsvio.read_tsv(os.path.join(REFDATA, "sources", "curated", "excluded.tsv"))
    bad_chars = BAD_CHARS | {r[0] for r in excluded}
    for name, label, bad, two, three, plain in LISTS:
        rows = read_list(data, name)
        for word, count in rows:
            if count >= bad and 2 <= len(word) <= 4 and any(ch in bad_chars for ch in word):
                add(word, "sound", label, count)
        for length, top in ((2, two), (3, three)):
            for word, count in [r for r in rows if len(r[0]) == length][:top]:
                add(word, "comic", label, count)
        for word, count in [r for r in rows if len(r[0]) == 2][:plain]:
            add(word, "word", label, count)
    header, idioms = tsvio.read_tsv(os.path.join(REFDATA, "sources", "curated", "idioms.tsv"))
    for idiom, tier, freq, _source in idioms:
        if tier == "x":
            add(idiom, "sound", "贬义成语", int(freq or 0))
    for word, count in read_list(data, "lishimingren"):
        if count >= FAME_MIN and 2 <= len(word) <= 4:
            add(word, "fame", "名人", count)
    candidates = set()
    header, chars = tsvio.read_tsv(os.path.join(REFDATA, "sources", "curated", "name_chars.tsv"))
    for r in chars:
        candidates.add(r[header.index("zi")])
    holders = {}
    texts = [w for name, *_ in LISTS for w, _c in read_list(data, name)]
    texts += [w for w, _c in read_list(data, "poem")]
    texts += [r[0] for r in idioms]
    for text in texts:
        for pair in {text[i:i + 2] for i in range(len(text) - 1)}:
            if pair[0] in candidates and pair[1] in candidates:
                holders[pair] = holders.get(pair, 0) + 1
    all_readings = read_unihan_readings({"kMandarin", "kXHC1983"})
    header, meanings = tsvio.read_tsv(os.path.join(REFDATA, "texts", "name_meanings.tsv"))
    for r in meanings:
        zi, reading, polyphone = r[0], r[2], r[3]
        if polyphone == "1":
            for other in all_readings.get(zi, []):
                if other != toneless(reading):
                    out[(zi, other, "reading")] = ("多音字", 0)
    for pair, count in holders.items():
        if count >= COMMON_MIN:
            out[(pair, "", "common")] = ("常用词语", count)
    rows = [[w, py, kind, reason, count] for (w, py, kind), (reason, count) in out.items()]
    rows.sort(key=lambda r: (r[2], -r[4], r[0], r[1]))
    tsvio.write_tsv(os.path.join(REFDATA, "sources", "name_checks.tsv"), HEADER, rows,
                    "derive_name_checks.py", "THUOCL word lists, curated/idioms.tsv and Unihan 15.0")
    counts = {}
    for r in rows:
        counts[r[2]] = counts.get(r[2], 0) + 1
    print("rows:", len(rows), counts)


if __name__ == "__main__":
    main()
