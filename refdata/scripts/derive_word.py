#!/usr/bin/env python3
"""Derive refdata/sources/word.tsv, the character table of the main naming database.

Run by hand when a curated list changes; the output is committed, so the build
needs neither Unihan nor OpenCC.  Standard library only.

Inputs
  Unihan 15.0 (Debian unicode-data): kRSKangXi, kTotalStrokes, kMandarin,
      kHanyuPinyin (reading fallback), kTraditionalVariant (traditional-form
      fallback); CJKRadicals.txt.  15.0 is pinned because 15.1 dropped
      kRSKangXi.
  OpenCC STCharacters (simplified -> traditional, first form = main form) and
      TSCharacters (traditional -> simplified, to recognise traditional-only
      forms); read from the .ocd2 files through opencc_dict.
  refdata/sources/curated/*.tsv, described in curated/README.md.

Usage
  python3 refdata/scripts/derive_word.py [--unihan DIR] [--opencc DIR] [--check]
  --check compares the result with refdata/checks/name_strokes.tsv and the
  committed word.tsv without writing anything.
  --sample 张 10-6 4-14 prints the first boys' and girls' names that classic
  mode would propose for those plans, without writing anything.  With --db
  PATH (a built Pelvano.dll) and no plan, the surname's first plans in the
  zh table are taken (scores 70-80, best luck first; also for 欧阳).
"""

import argparse
import bz2
import os
import sqlite3
import subprocess
import sys
import tempfile
import time
import unicodedata

HERE = os.path.dirname(os.path.abspath(__file__))
REFDATA = os.path.dirname(HERE)
SOURCES = os.path.join(REFDATA, "sources")
CURATED = os.path.join(SOURCES, "curated")
CHECKS = os.path.join(REFDATA, "checks")

HEADER = ["zi", "ft", "bh", "pinyin", "wuhang", "px", "id", "nan", "nv", "xb", "aflag",
          "wuhang_alt"]
ELEMENTS = "金木水火土"
# What an element override rests on: what the character means, a radical or part the
# references read, or the sound of its old initial.
ELEMENT_BASES = ("meaning", "radical", "sound")

# Stroke counts of the 214 Kangxi radicals as the dictionary groups them
# (radicals 1-6 have one stroke, 7-29 two, ...).  The full radical counts
# whole in name numerology (氵 as 水 4, 艹 as 艸 6, left 阝 as 阜 8, right 阝 as
# 邑 7, 鬼 10), and kRSKangXi gives the residual strokes as the Kangxi
# dictionary counts them, so full radical + residual is the naming count.
KANGXI_RADICAL_GROUPS = [
    (1, 6, 1), (7, 29, 2), (30, 60, 3), (61, 94, 4), (95, 117, 5), (118, 146, 6),
    (147, 166, 7), (167, 175, 8), (176, 186, 9), (187, 194, 10), (195, 200, 11),
    (201, 204, 12), (205, 208, 13), (209, 210, 14), (211, 211, 15), (212, 213, 16),
    (214, 214, 17),
]
KANGXI_RADICAL_STROKES = {n: s for a, b, s in KANGXI_RADICAL_GROUPS for n in range(a, b + 1)}
# Radicals whose Kangxi stroke group differs from the stroke count of the
# radical's own glyph in Unihan; any other difference means the input files
# are not what this script expects.
RADICAL_GLYPH_DIFFERS = {54, 98, 114, 194, 206, 213}
# 老 (125) is written 耂 in 考, 者, 耆 and naming counts it as written, so its
# characters keep their own total.
RADICALS_COUNTED_AS_WRITTEN = {125}

# Numerals count by their value, not by their strokes.
NUMERALS = {"一": 1, "二": 2, "三": 3, "四": 4, "五": 5, "六": 6, "七": 7,
            "八": 8, "九": 9, "十": 10}

# 五音: the class of the initial consonant of the reading, and its element
# (宫 喉 土, 商 齿 金, 角 牙 木, 徵 舌 火, 羽 唇 水).
FIVE_TONES = [
    (("zh", "ch", "sh", "z", "c", "s", "r", "j", "q", "x"), "金"),  # 齿音 商
    (("g", "k"), "木"),                                           # 牙音 角
    (("d", "t", "n", "l"), "火"),                                 # 舌音 徵
    (("b", "p", "m", "f"), "水"),                                 # 唇音 羽
    (("h", "y", "w", ""), "土"),                                  # 喉音 宫
]

PX_NONCANDIDATE = 9000
ID_NONCANDIDATE = 100
# Offsets added to a character's rank (its line in the list) for the first and
# the second position of a two-character given name, by the list's pos column.
# word stores px = the second-position rank and id = first-position rank - px,
# so classic mode's a.px + b.px + a.id weighs the first character by px + id
# and the second by px alone; id is negative for characters that should open
# a name.  F 3000 keeps 家, 子, 梓 out of the second place unless nothing else
# has those strokes; L 300 is more than the rank spread of the leading
# characters of one stroke count, so 杰, 婷, 峰 open a name only when nothing
# better has those strokes; f 300 lets 文, 嘉, 雨 end a name (博文) after the
# usual endings of the same strokes.
POS_OFFSETS = {
    "F": (0, 3000),   # first only
    "f": (0, 300),    # first by preference, second acceptable
    "": (60, 0),      # either
    "L": (300, 0),    # second by preference, first acceptable
    "S": (3000, 0),   # second only
}


def die(msg):
    sys.exit("derive_word: " + msg)


def read_tsv(path):
    """Rows of a curated TSV as dicts; '#' lines are comments."""
    rows = []
    with open(path, encoding="utf-8") as f:
        header = None
        for lineno, line in enumerate(f, 1):
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            cells = line.split("\t")
            if header is None:
                header = cells
                continue
            if len(cells) < len(header):
                cells += [""] * (len(header) - len(cells))
            row = dict(zip(header, cells))
            row["_line"] = lineno
            rows.append(row)
    return rows


def load_unihan(unihan_dir, wanted):
    data = {}
    for name in ("RadicalStrokeCounts", "IRGSources", "Readings", "Variants",
                 "DictionaryLikeData"):
        path = os.path.join(unihan_dir, "Unihan_%s.txt.bz2" % name)
        with bz2.open(path, "rt", encoding="utf-8") as f:
            for line in f:
                if line.startswith("#") or not line.strip():
                    continue
                cp, key, value = line.rstrip("\n").split("\t", 2)
                if key in wanted:
                    data.setdefault(chr(int(cp[2:], 16)), {})[key] = value
    return data


def load_radicals(unihan_dir, unihan):
    """Kangxi radical number -> (ideograph, full stroke count)."""
    radicals = {}
    with open(os.path.join(unihan_dir, "CJKRadicals.txt"), encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            num, _, ideo = [x.strip() for x in line.split(";")]
            if num.endswith("'"):
                continue  # simplified radical forms; kRSKangXi never uses them
            ch = chr(int(ideo, 16))
            strokes = int(unihan[ch]["kTotalStrokes"].split()[-1])
            radicals[int(num)] = (ch, strokes)
    if len(radicals) != 214:
        die("CJKRadicals.txt lists %d Kangxi radicals, expected 214" % len(radicals))
    for num, (ch, strokes) in radicals.items():
        if (strokes != KANGXI_RADICAL_STROKES[num]) != (num in RADICAL_GLYPH_DIFFERS):
            die("radical %d %s: Unihan %d strokes, Kangxi group %d"
                % (num, ch, strokes, KANGXI_RADICAL_STROKES[num]))
    return radicals


def load_opencc(opencc_dir, name):
    """An OpenCC character table as {char: [forms]}."""
    with tempfile.TemporaryDirectory() as tmp:
        out = os.path.join(tmp, name + ".txt")
        subprocess.run(["opencc_dict", "-i", os.path.join(opencc_dir, name + ".ocd2"),
                        "-o", out, "-f", "ocd2", "-t", "text"], check=True)
        table = {}
        with open(out, encoding="utf-8") as f:
            for line in f:
                key, forms = line.rstrip("\n").split("\t")
                if len(key) == 1:
                    table[key] = forms.split()
    return table


def gbk_hanzi():
    """Every CJK ideograph of the GBK code page, in GBK order."""
    out = []
    for lead in range(0x81, 0xFF):
        for trail in range(0x40, 0xFF):
            if trail == 0x7F:
                continue
            try:
                ch = bytes((lead, trail)).decode("gbk")
            except UnicodeDecodeError:
                continue
            if len(ch) == 1 and unicodedata.name(ch, "").startswith(
                    ("CJK UNIFIED IDEOGRAPH", "CJK COMPATIBILITY IDEOGRAPH")):
                out.append(ch)
    return out


def first_reading(info):
    """The usual reading: the first kMandarin value, else (a few rare
    characters) the first kHanyuPinyin reading."""
    if "kMandarin" in info:
        return info["kMandarin"].split()[0]
    if "kHanyuPinyin" in info:
        return info["kHanyuPinyin"].split()[0].split(":", 1)[1].split(",")[0]
    return ""


TONE_MARKS = str.maketrans("āáǎàēéěèīíǐìōóǒòūúǔùǖǘǚǜüńňǹḿ",
                           "aaaaeeeeiiiioooouuuuvvvvvnnnm")


def initial_of(pinyin):
    plain = pinyin.translate(TONE_MARKS)
    for prefix in ("zh", "ch", "sh"):
        if plain.startswith(prefix):
            return prefix
    if plain and plain[0] in "bpmfdtnlgkhjqxrzcsyw":
        return plain[0]
    return ""


def five_tone_element(pinyin):
    ini = initial_of(pinyin)
    for initials, element in FIVE_TONES:
        if ini in initials:
            return element
    return "土"


class Deriver:
    def __init__(self, unihan_dir, opencc_dir):
        self.unihan = load_unihan(unihan_dir, {
            "kRSKangXi", "kTotalStrokes", "kMandarin", "kHanyuPinyin",
            "kTraditionalVariant"})
        self.radicals = load_radicals(unihan_dir, self.unihan)
        self.st = load_opencc(opencc_dir, "STCharacters")
        self.ts = load_opencc(opencc_dir, "TSCharacters")
        self.ft_over = {r["zi"]: r for r in read_tsv(os.path.join(CURATED, "ft_overrides.tsv"))}
        self.bh_over = {r["zi"]: r for r in read_tsv(os.path.join(CURATED, "stroke_overrides.tsv"))}
        self.wx_over = {r["zi"]: r for r in read_tsv(os.path.join(CURATED, "element_overrides.tsv"))}
        self.rad_wx = {int(r["radical"]): r for r in read_tsv(os.path.join(CURATED, "radical_elements.tsv"))}
        self.py_over = {r["zi"]: r for r in read_tsv(os.path.join(CURATED, "pinyin_overrides.tsv"))}
        # Characters that names take only as a surname read as the surname (单 shàn).
        self.py_surname = {r["xing"]: r for r in read_tsv(os.path.join(CURATED, "surname_readings.tsv"))
                           if len(r["xing"]) == 1}
        self.names = read_tsv(os.path.join(CURATED, "name_chars.tsv"))
        self.excluded = {r["zi"]: r for r in read_tsv(os.path.join(CURATED, "excluded.tsv"))}

    def info(self, ch):
        return self.unihan.get(unicodedata.normalize("NFC", ch), {})

    # ft -------------------------------------------------------------------
    def traditional_forms(self, zi):
        if zi in self.ft_over:
            return list(self.ft_over[zi]["ft"])
        base = unicodedata.normalize("NFC", zi)
        if base in self.st:
            forms = self.st[base]
        elif "kTraditionalVariant" in self.info(zi):
            forms = [chr(int(v[2:], 16)) for v in self.info(zi)["kTraditionalVariant"].split()]
        else:
            forms = [zi]
        seen = []
        for f in forms:
            if f not in seen:
                seen.append(f)
        return seen

    # bh -------------------------------------------------------------------
    def naming_strokes(self, ch):
        """Kangxi naming strokes of one (traditional) character by the rule."""
        info = self.info(ch)
        if "kTotalStrokes" not in info:
            return 0
        total = int(info["kTotalStrokes"].split()[-1])  # last value is zh-Hant
        rs = info.get("kRSKangXi", "").split()
        if not rs:
            return total
        rad, residual = rs[0].split(".")
        rad, residual = int(rad), int(residual)
        if residual == 0 or rad in RADICALS_COUNTED_AS_WRITTEN:
            return total  # the radical itself (王 4, 月 4) or 耂 as written
        return max(total, KANGXI_RADICAL_STROKES[rad] + residual)

    def strokes(self, zi, main):
        if zi in self.bh_over:
            return int(self.bh_over[zi]["bh"])
        if zi in NUMERALS:
            return NUMERALS[zi]
        bh = self.naming_strokes(main) or self.naming_strokes(zi)
        return bh

    # wuhang ----------------------------------------------------------------
    def rule_element(self, zi, main, pinyin):
        """The element of the Kangxi radical of the traditional form (蘭 艸 for
        兰, 雲 雨 for 云), else that of the character as written, else the
        five-tone element of the reading."""
        for ch in (main, zi):
            rs = self.info(ch).get("kRSKangXi", "").split()
            if rs:
                rad = int(rs[0].split(".")[0])
                if rad in self.rad_wx:
                    return self.rad_wx[rad]["wuhang"], "radical"
        return five_tone_element(pinyin), "five-tone"

    def element(self, zi, main, pinyin):
        """(element, how it was found, the other element where the references
        split).  An override wins, except that a split resting on the radical
        or the sound only marks the rule's own element: the script stops when
        the two differ, so a split never changes an element by mistake."""
        wuhang, how = self.rule_element(zi, main, pinyin)
        over = self.wx_over.get(zi)
        if over is None:
            return wuhang, how, ""
        if over["alt"] and over["basis"] != "meaning":
            if over["wuhang"] != wuhang:
                die("element_overrides.tsv line %d: split %s keeps %s, but the rule gives %s"
                    % (over["_line"], zi, over["wuhang"], wuhang))
            return wuhang, how, over["alt"]
        return over["wuhang"], "override", over["alt"]

    def derive(self):
        chars = gbk_hanzi()
        in_gbk = set(chars)
        names = {}
        for rank, row in enumerate(self.names, 1):
            zi = row["zi"]
            if zi in names:
                die("name_chars.tsv line %d: %s listed twice" % (row["_line"], zi))
            if zi not in in_gbk:
                die("name_chars.tsv line %d: %s is not a GBK hanzi" % (row["_line"], zi))
            if zi in self.excluded:
                die("name_chars.tsv line %d: %s is on the excluded list (%s)"
                    % (row["_line"], zi, self.excluded[zi]["reason"]))
            simple = [f for f in self.ts.get(zi, [zi]) if f in in_gbk]
            if simple and zi not in simple:
                # a traditional form whose simplified form GBK also holds
                die("name_chars.tsv line %d: %s is a traditional-only form of %s"
                    % (row["_line"], zi, self.ts[zi][0]))
            if row["xb"] not in ("男", "女", "1"):
                die("name_chars.tsv line %d: xb must be 男, 女 or 1" % row["_line"])
            if row["pos"] not in POS_OFFSETS:
                die("name_chars.tsv line %d: pos must be F, f, L, S or empty" % row["_line"])
            names[zi] = (rank, row)
        for table, label in ((self.ft_over, "ft"), (self.bh_over, "stroke"),
                             (self.wx_over, "element"), (self.py_over, "pinyin")):
            for zi, row in table.items():
                if zi not in in_gbk:
                    die("%s override %s is not a GBK hanzi" % (label, zi))
        for zi, row in self.wx_over.items():
            if row["wuhang"] not in ELEMENTS:
                die("element override %s: %r is not an element" % (zi, row["wuhang"]))
            if row["basis"] not in ELEMENT_BASES or not row["reason"]:
                die("element override %s: basis must be meaning, radical or sound, with a reason" % zi)
            if row["alt"] and (row["alt"] not in ELEMENTS or row["alt"] == row["wuhang"]):
                die("element override %s: alt %r is not another element" % (zi, row["alt"]))

        rows = []
        stats = {"five-tone": 0, "radical": 0, "override": 0, "split": 0}
        for zi in chars:
            forms = self.traditional_forms(zi)
            # The database holds GBK text: ft keeps the forms GBK can encode,
            # while the strokes still follow the main traditional form.
            ft = "".join(f for f in forms if f in in_gbk or f == zi) or zi
            bh = self.strokes(zi, forms[0])
            if bh < 1:
                die("no stroke count for %s (U+%04X)" % (zi, ord(zi)))
            if zi in self.py_over:
                pinyin = self.py_over[zi]["pinyin"]
            elif zi in self.py_surname and zi not in names:
                pinyin = self.py_surname[zi]["pinyin"]
            else:
                pinyin = first_reading(self.info(zi)) or first_reading(self.info(forms[0]))
            wuhang, how, alt = self.element(zi, forms[0], pinyin)
            stats[how] += 1
            stats["split"] += bool(alt)
            if zi in names:
                rank, row = names[zi]
                xb = row["xb"]
                nan = 1 if xb in ("男", "1") else 0
                nv = 1 if xb in ("女", "1") else 0
                first_off, second_off = POS_OFFSETS[row["pos"]]
                px = rank + second_off
                ident = (rank + first_off) - px
                aflag = ""
            else:
                xb, nan, nv, px, ident, aflag = "0", 0, 0, PX_NONCANDIDATE, ID_NONCANDIDATE, "1"
            rows.append([zi, ft, str(bh), pinyin, wuhang, str(px), str(ident),
                         str(nan), str(nv), xb, aflag, alt])
        return rows, stats


def load_checks():
    return read_tsv(os.path.join(CHECKS, "name_strokes.tsv"))


def compare_checks(rows):
    by_zi = {r[0]: r for r in rows}
    checks = load_checks()
    bad = []
    for c in checks:
        got = by_zi.get(c["zi"])
        if got is None or int(got[2]) != int(c["bh"]):
            bad.append((c["zi"], c["bh"], got[2] if got else None, c["basis"]))
    return len(checks), bad


def first_plans(rows, db_path, surname, count=4):
    """The first stroke plans the program lists for a surname: zh rows with a
    total score of 70-80 and given-name strokes under 25, best luck first."""
    bh = {r[0]: int(r[2]) for r in rows}
    if any(c not in bh for c in surname) or len(surname) not in (1, 2):
        die("--sample: %s is not a surname of one or two GBK characters" % surname)
    db = sqlite3.connect("file:%s?mode=ro" % db_path, uri=True)
    where = "lx = 12 and bh11 = ?" if len(surname) == 1 else "lx = 22 and bh11 = ? and bh12 = ?"
    plans = db.execute("select bh21, bh22 from zh where bh21 < 25 and bh22 < 25 and " + where +
                       " and zf >= 70 and zf <= 80 order by jxjx asc, zf asc limit ?",
                       [bh[c] for c in surname] + [count]).fetchall()
    db.close()
    return ["%d-%d" % p for p in plans]


def sample(rows, surname, plans, count=30):
    """The first names classic mode would propose for one surname and the
    given stroke plans (first-second given-name strokes), per sex: the same
    sex clauses as the generation statements, ordered by a.px + b.px + a.id,
    doubled characters included as the statements include them.  For reading
    the ranks as a parent would, not used by the build."""
    cand = [r for r in rows if r[10] == ""]
    for plan in plans:
        b, c = (int(x) for x in plan.split("-"))
        for sex in ("男", "女"):
            if sex == "男":
                first = lambda r: r[9] == "男" or r[7] == "1" or r[9] == "1"
                second = lambda r: first(r) and r[7] == "1"
            else:
                first = lambda r: r[9] in ("女", "1", "0") or r[8] == "1"
                second = lambda r: first(r) and r[8] == "1"
            a_src = [r for r in cand if int(r[2]) == b and first(r)]
            b_src = [r for r in cand if int(r[2]) == c and second(r)]
            pairs = sorted((int(x[5]) + int(y[5]) + int(x[6]), x[0] + y[0])
                           for x in a_src for y in b_src)
            print("%s %s %s (%d x %d): %s" % (surname, plan, sex, len(a_src), len(b_src),
                  " ".join(surname + name for _, name in pairs[:count])))


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--unihan", default="/usr/share/unicode")
    ap.add_argument("--opencc", default="/usr/share/opencc")
    ap.add_argument("--out", default=os.path.join(SOURCES, "word.tsv"))
    ap.add_argument("--sample", nargs="+", metavar="ARG",
                    help="SURNAME PLAN...: print the first names for plans such as 10-6")
    ap.add_argument("--db", metavar="PELVANO",
                    help="with --sample and no plan: take the surname's first plans from this database")
    ap.add_argument("--check", action="store_true",
                    help="compare with the check list and the committed file, write nothing")
    args = ap.parse_args()

    t0 = time.time()
    rows, stats = Deriver(args.unihan, args.opencc).derive()
    t1 = time.time()

    n_checks, bad = compare_checks(rows)
    for zi, want, got, basis in bad:
        print("check: %s expected %s (%s), derived %s" % (zi, want, basis, got), file=sys.stderr)

    text = "\t".join(HEADER) + "\n" + "".join("\t".join(r) + "\n" for r in rows)
    cand = [r for r in rows if r[10] == ""]
    print("rows %d, candidates %d (boys only %d, girls only %d, both %d)" % (
        len(rows), len(cand), sum(r[9] == "男" for r in cand),
        sum(r[9] == "女" for r in cand), sum(r[9] == "1" for r in cand)))
    print("elements by override %(override)d, by radical %(radical)d, by five-tone %(five-tone)d;"
          " %(split)d marked split" % stats)
    print("check list %d rows, %d agree, %d disagree" % (n_checks, n_checks - len(bad), len(bad)))
    print("derived in %.1f s" % (t1 - t0))
    if args.sample:
        plans = args.sample[1:]
        if not plans and args.db:
            plans = first_plans(rows, args.db, args.sample[0])
        sample(rows, args.sample[0], plans)
        return 0
    if args.check:
        with open(args.out, encoding="utf-8") as f:
            same = f.read() == text
        print("committed word.tsv is %s" % ("up to date" if same else "OUT OF DATE"))
        return 0 if same and not bad else 1
    tmp = args.out + ".tmp"
    with open(tmp, "w", encoding="utf-8", newline="\n") as f:
        f.write(text)
    os.replace(tmp, args.out)
    return 1 if bad else 0


if __name__ == "__main__":
    sys.exit(main())
