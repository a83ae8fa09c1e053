#!/usr/bin/env python3
"""Check the name-analysis texts: 81.tsv, sancai2009.tsv and noter.tsv.

81.tsv holds one reading per number 1..81; its verdict must agree with the
three number classes the scoring uses, or the report would call a number
lucky that the score counts as unlucky.  sancai2009.tsv holds one row per
ordered triple of elements (heaven, person, earth); its three verdicts must
follow the same grade rule that sets the configuration's points.  noter.tsv
holds the explanatory notes the main window opens.

The program shows these texts in GBK, so every character must survive that
encoding.  Inside a field the two characters backslash and n stand for a line
break; a real tab or line break cannot occur in a field of a TSV line.

Usage: check_texts.py [folder holding the three files]
Exit status 0 when clean, 1 when any problem is found.
"""

import os
import sys

LUCKY = {1, 3, 5, 7, 8, 11, 13, 15, 16, 18, 21, 23, 24, 25, 31, 32, 33, 35, 37,
         39, 41, 45, 47, 48, 52, 57, 61, 63, 65, 67, 68, 81}
HALF_LUCKY = {6, 17, 26, 27, 29, 30, 38, 49, 51, 55, 58, 71, 73, 75}
UNLUCKY = set(range(1, 82)) - LUCKY - HALF_LUCKY
VERDICTS_81 = {"lucky": {"大吉", "吉"}, "half": {"半吉"}, "unlucky": {"凶"}}

# Generation order: each element generates the next and overcomes the one after.
ELEMENTS = "木火土金水"

# Notes the main window opens by code.
NOTE_CODES = ("XM016", "XM017")

problems = []


def problem(where, text):
    problems.append(f"{where}: {text}")


def read_tsv(path, header):
    """Rows of a TSV file as dicts; the header line must be exactly `header`."""
    with open(path, encoding="utf-8", newline="") as f:
        lines = f.read().split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    name = os.path.basename(path)
    if not lines or lines[0].split("\t") != header:
        problem(name, "header is not " + "<TAB>".join(header))
        return []
    rows = []
    for no, line in enumerate(lines[1:], start=2):
        if line.endswith("\r"):
            problem(f"{name}:{no}", "CR line end")
            line = line[:-1]
        fields = line.split("\t")
        if len(fields) != len(header):
            problem(f"{name}:{no}", f"{len(fields)} fields under a header of {len(header)}")
            continue
        row = dict(zip(header, fields))
        row["_where"] = f"{name}:{no}"
        rows.append(row)
        for key, value in zip(header, fields):
            if value.strip() == "":
                problem(row["_where"], f"empty field {key}")
            elif value != value.strip():
                problem(row["_where"], f"blanks around field {key}")
            check_text(row["_where"], key, value)
    return rows


def check_text(where, key, value):
    text = value.replace("\\n", "\n")
    if "\\" in text:
        problem(where, f"{key}: stray backslash (only \\n is an escape here)")
    try:
        text.encode("gbk")
    except UnicodeEncodeError as e:
        problem(where, f"{key}: {text[e.start:e.end]!r} has no GBK form")


def check_unique(rows, columns, name):
    for column in columns:
        seen = {}
        for row in rows:
            value = row.get(column, "")
            if value in seen:
                problem(row["_where"], f"{column} repeats the text of {seen[value]}")
            else:
                seen[value] = row["_where"]


def number_class(n):
    if n in LUCKY:
        return "lucky"
    if n in HALF_LUCKY:
        return "half"
    return "unlucky"


def check_81(path):
    rows = read_tsv(path, ["num", "yy", "jx", "as"])
    numbers = []
    for row in rows:
        try:
            n = int(row["num"])
        except ValueError:
            problem(row["_where"], f"num {row['num']!r} is not a number")
            continue
        numbers.append(n)
        if not 1 <= n <= 81:
            problem(row["_where"], f"num {n} outside 1..81")
            continue
        allowed = VERDICTS_81[number_class(n)]
        if row["jx"] not in allowed:
            problem(row["_where"], f"{n} is {number_class(n)}, jx {row['jx']!r} "
                                   f"should be one of {sorted(allowed)}")
        # The report prints yy and jx joined, so yy leads into the verdict.
        if not row["yy"].endswith("，"):
            problem(row["_where"], "yy should end in a full-width comma before the verdict")
    if sorted(numbers) != list(range(1, 82)):
        missing = sorted(set(range(1, 82)) - set(numbers))
        extra = len(numbers) - len(set(numbers))
        problem(os.path.basename(path), f"numbers missing {missing}, repeated {extra}")
    check_unique(rows, ["yy", "as"], "81")
    return len(rows)


def influence(outer, person):
    """+2 outer generates person, +1 same, 0 person generates outer,
    -1 person overcomes outer, -2 outer overcomes person."""
    step = (ELEMENTS.index(person) - ELEMENTS.index(outer)) % 5
    return {0: 1, 1: 2, 2: -2, 3: -1, 4: 0}[step]


def grade(s):
    if s >= 4:
        return 1
    if s == 3:
        return 2
    if s == 2:
        return 3
    if s >= 0:
        return 4
    if s == -1:
        return 5
    if s == -2:
        return 6
    return 7


INFLUENCE_WORD = {2: "大吉", 1: "吉", 0: "半吉", -1: "凶", -2: "大凶"}
GRADE_WORD = {1: "大吉", 2: "吉", 3: "吉", 4: "半吉", 5: "凶", 6: "凶", 7: "大凶"}


def check_sancai(path):
    header = ["title", "yy", "jcy", "jx1", "cgy", "jx2", "rjgx", "jx3", "xg"]
    rows = read_tsv(path, header)
    expected = {t + r + d for t in ELEMENTS for r in ELEMENTS for d in ELEMENTS}
    titles = []
    for row in rows:
        title = row["title"]
        titles.append(title)
        if title not in expected:
            problem(row["_where"], f"{title!r} is not a three-talent title")
            continue
        heaven, person, earth = title
        p1 = influence(heaven, person)
        p2 = influence(earth, person)
        want = {"jx1": INFLUENCE_WORD[p2], "jx2": INFLUENCE_WORD[p1],
                "jx3": GRADE_WORD[grade(p1 + p2)]}
        for key, word in want.items():
            if row[key] != word:
                problem(row["_where"], f"{title} {key} is {row[key]!r}, the rule gives {word}")
        # Each text speaks of its own elements: the reading names all three, the
        # basic fortune its earth, success its heaven, character its person.
        if not row["yy"].startswith(title):
            problem(row["_where"], "yy does not open with its own configuration")
        for key, element, grid in (("jcy", earth, "地格"), ("cgy", heaven, "天格"),
                                   ("xg", person, "人格")):
            if element not in row[key] or grid not in row[key]:
                problem(row["_where"], f"{key} does not name {grid} {element}")
    if sorted(titles) != sorted(expected):
        missing = sorted(expected - set(titles))
        repeated = len(titles) - len(set(titles))
        problem(os.path.basename(path), f"titles missing {missing}, repeated {repeated}")
    check_unique(rows, ["yy", "jcy", "cgy", "rjgx", "xg"], "sancai2009")
    return len(rows)


def check_noter(path):
    rows = read_tsv(path, ["Cid", "Tite", "content"])
    codes = [row["Cid"] for row in rows]
    for code in NOTE_CODES:
        if code not in codes:
            problem(os.path.basename(path), f"note {code} missing")
    if len(codes) != len(set(codes)):
        problem(os.path.basename(path), "a note code repeats")
    check_unique(rows, ["Tite", "content"], "noter")
    return len(rows)


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    counts = {}
    for name, check in (("81.tsv", check_81), ("sancai2009.tsv", check_sancai),
                        ("noter.tsv", check_noter)):
        path = os.path.join(folder, name)
        if not os.path.exists(path):
            problem(name, "file missing")
            continue
        counts[name] = check(path)
    for name, count in counts.items():
        print(f"{name}: {count} rows")
    for p in problems:
        print("PROBLEM", p)
    print("clean" if not problems else f"{len(problems)} problem(s)")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
