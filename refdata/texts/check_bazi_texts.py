#!/usr/bin/env python3
"""Check the three birth-chart text tables: chenggu.tsv, sjrs.tsv, qtbj.tsv.

chenggu.tsv  weight, content2   explanation of each bone-weight verse, keyed
                                by the two-digit code (两 digit, 钱 digit),
                                2.1 to 7.2 两, so 21 .. 72.
sjrs.tsv     wh, sj, sjrs       用神喜忌 of a day master by element and season.
qtbj.tsv     tg, dz, content    调候用神 of 穷通宝鉴 by day stem and month branch.

How the report uses them decides two rules checked here.  The season line
is "…生于春季，" + sjrs + "。", so an sjrs text carries no closing full stop
of its own.  The 穷通宝鉴 line is "…甲木生于寅月，" + content, so a content
text must not repeat that opening, and it does end with a full stop.

The program works on these texts as GBK bytes, so every character must
encode in GBK.  Fields hold no tabs or line breaks; the two characters
backslash + n would stand for a break, and none of these texts needs one.

Usage: check_bazi_texts.py [directory holding the three files]
Exit status 0 when clean, 1 when any problem is found.
"""

import os
import re
import sys

STEMS = "甲乙丙丁戊己庚辛壬癸"
BRANCHES = "子丑寅卯辰巳午未申酉戌亥"
ELEMENTS = "金木水火土"
SEASONS = "春夏秋冬"
STEM_ELEMENT = dict(zip(STEMS, "木木火火土土金金水水"))

# Bone-weight totals run from 2.1 to 7.2 两 in steps of one 钱.
WEIGHT_CODES = [f"{t // 10}{t % 10}" for t in range(21, 73)]

# 旺相休囚死 of each element in each season (土 counted by the season as a
# whole, as the seasonal texts do).  The texts must state the right one.
STRENGTH = {
    "春": dict(zip("木火水金土", "旺相休囚死")),
    "夏": dict(zip("火土木水金", "旺相休囚死")),
    "秋": dict(zip("金水土火木", "旺相休囚死")),
    "冬": dict(zip("水木金土火", "旺相休囚死")),
}

SENTENCE_END = "。！？"

# (file, header, sentence range) of each table.
TABLES = [
    ("chenggu.tsv", ["weight", "content2"], (2, 4)),
    ("sjrs.tsv", ["wh", "sj", "sjrs"], (3, 5)),
    ("qtbj.tsv", ["tg", "dz", "content"], (2, 4)),
]


def sentences(text):
    return [s for s in re.split(f"[{SENTENCE_END}]", text) if s.strip()]


def read_table(path, header, problems):
    """Rows of a TSV file as lists of fields, header checked and dropped."""
    name = os.path.basename(path)
    try:
        with open(path, "rb") as f:
            raw = f.read()
    except OSError as e:
        problems.append(f"{name}: cannot read: {e}")
        return []
    try:
        content = raw.decode("utf-8")
    except UnicodeDecodeError as e:
        problems.append(f"{name}: not UTF-8: {e}")
        return []
    if content.startswith("\ufeff"):
        problems.append(f"{name}: starts with a byte order mark")
        content = content[1:]
    if "\r" in content:
        problems.append(f"{name}: contains carriage returns")
    lines = content.split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    else:
        problems.append(f"{name}: does not end with a line break")
    if not lines or lines[0].split("\t") != header:
        problems.append(f"{name}: header is not {'<TAB>'.join(header)!r}")
    rows = []
    for lineno, line in enumerate(lines[1:], start=2):
        fields = line.split("\t")
        if len(fields) != len(header):
            problems.append(f"{name} line {lineno}: {len(fields)} fields, "
                            f"want {len(header)} (tab inside a text?)")
            continue
        rows.append((lineno, fields))
    return rows


def check_text(where, text, sentence_range, problems):
    """Rules shared by every text field."""
    if text.strip() == "":
        problems.append(f"{where}: empty text")
        return
    if text != text.strip():
        problems.append(f"{where}: blanks around the text")
    if any(c in text for c in "\t\n\r\v\f\u2028\u2029"):
        problems.append(f"{where}: control or line-break character")
    # Full-width punctuation throughout; an ASCII character is a slip.
    ascii_chars = sorted({c for c in text.replace("\\n", "") if ord(c) < 128})
    if ascii_chars:
        problems.append(f"{where}: ASCII characters {''.join(ascii_chars)!r}")
    try:
        text.encode("gbk")
    except UnicodeEncodeError as e:
        problems.append(f"{where}: not encodable in GBK: "
                        f"{text[e.start:e.end]!r}")
    lo, hi = sentence_range
    n = len(sentences(text))
    if not lo <= n <= hi:
        problems.append(f"{where}: {n} sentences, want {lo}..{hi}")


def check_keys(name, keys, want, problems):
    seen = set()
    for k in keys:
        if k in seen:
            problems.append(f"{name}: key {'/'.join(k)} repeated")
        seen.add(k)
    missing = [k for k in want if k not in seen]
    extra = sorted(seen - set(want))
    if missing:
        problems.append(f"{name}: missing keys "
                        f"{', '.join('/'.join(k) for k in missing)}")
    if extra:
        problems.append(f"{name}: unexpected keys "
                        f"{', '.join('/'.join(k) for k in extra)}")
    if [k for k in keys if k in want] != [k for k in want if k in seen]:
        problems.append(f"{name}: rows are not in key order")


def main(argv):
    folder = argv[1] if len(argv) > 1 else os.path.dirname(
        os.path.abspath(__file__))
    problems = []
    all_texts = {}   # text -> first place it was seen, across the three files
    summary = []

    for name, header, sentence_range in TABLES:
        rows = read_table(os.path.join(folder, name), header, problems)
        keys = []
        counts = []
        for lineno, fields in rows:
            *key, text = fields
            key = tuple(key)
            keys.append(key)
            where = f"{name} {'/'.join(key)}"
            for k in key:
                if k.strip() == "":
                    problems.append(f"{where} (line {lineno}): empty key")
            check_text(where, text, sentence_range, problems)
            counts.append(len(sentences(text)))
            place = f"{where} (line {lineno})"
            other = all_texts.setdefault(text, place)
            if other != place:
                problems.append(f"{place}: same text as {other}")

            if name == "sjrs.tsv" and len(key) == 2:
                wh, sj = key
                if text.endswith(tuple(SENTENCE_END + "，；、：")):
                    problems.append(f"{where}: ends with punctuation; the "
                                    "report adds the full stop")
                status = STRENGTH.get(sj, {}).get(wh)
                if status == "旺":
                    if "当令而旺" not in text:
                        problems.append(f"{where}: does not say 当令而旺")
                elif status and f"处于{status}地" not in text:
                    problems.append(f"{where}: does not say 处于{status}地")
            if name == "qtbj.tsv" and len(key) == 2:
                tg, dz = key
                if not text.endswith("。"):
                    problems.append(f"{where}: does not end with 。")
                opening = f"{tg}{STEM_ELEMENT.get(tg, '')}生于"
                if text.startswith((opening, tg + dz, "生于")):
                    problems.append(f"{where}: repeats the opening the "
                                    "report writes itself")
                if not any(s in text for s in STEMS):
                    problems.append(f"{where}: names no stem as 用神")

        if name == "chenggu.tsv":
            want = [(c,) for c in WEIGHT_CODES]
        elif name == "sjrs.tsv":
            want = [(e, s) for e in ELEMENTS for s in SEASONS]
        else:
            want = [(t, b) for t in STEMS for b in BRANCHES]
        check_keys(name, keys, want, problems)
        lengths = [len(f[-1]) for _, f in rows]
        summary.append(
            f"{name}: {len(rows)} rows, expected {len(want)}; "
            + (f"{min(lengths)}..{max(lengths)} characters, "
               f"{min(counts)}..{max(counts)} sentences"
               if rows else "no rows"))

    for line in summary:
        print(line)
    for p in problems:
        print("PROBLEM:", p)
    print("OK" if not problems else f"{len(problems)} problem(s)")
    return 0 if not problems else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv))
