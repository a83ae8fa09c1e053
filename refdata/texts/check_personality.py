#!/usr/bin/env python3
"""Check personality.tsv: birthday character sketches keyed by slot.

Slots 1..31 hold one text per day of the month; slots month*100+day hold
one text per calendar day of a leap year, except 131 (31 January has no
text of its own).  The program stores them in GBK, so lengths are counted
in GBK bytes and every character must survive that encoding.

Usage: check_personality.py [path/to/personality.tsv]
Exit status 0 when clean, 1 when any problem is found.
"""

import os
import sys

MIN_GBK = 63
MAX_GBK = 244

# These two texts are prescribed word for word and must match byte for byte,
# including the blank after 容易受骗， in slot 101.
FIXED = {
    1: "是一个有野心并具有大丈夫性格的人,不喜欢受人指使,非常顽固,"
       "坚定依照自己的意愿行事. 具有领导能力,容易获得成功,很容易得到别人的信任.",
    101: "脑筋清楚、果断、亲爱、具迷人的人格，有时有点暴躁和顽固，体质纤弱，"
         "不可身心过劳，经验会带来新的启迪，一生颇多波折，容易受骗， "
         "应该努力学习人生较深的一面。",
}

# Days per month in a leap year.
MONTH_DAYS = (31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31)


def expected_slots():
    slots = list(range(1, 32))
    for month, days in enumerate(MONTH_DAYS, start=1):
        for day in range(1, days + 1):
            if month == 1 and day == 31:
                continue
            slots.append(month * 100 + day)
    return slots


def main(argv):
    path = argv[1] if len(argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "personality.tsv")
    problems = []

    with open(path, "rb") as f:
        raw = f.read()
    try:
        content = raw.decode("utf-8")
    except UnicodeDecodeError as e:
        print(f"not UTF-8: {e}")
        return 1
    if content.startswith("\ufeff"):
        problems.append("file starts with a byte order mark")
        content = content[1:]
    if "\r" in content:
        problems.append("file contains carriage returns")

    lines = content.split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    else:
        problems.append("file does not end with a line break")
    if not lines or lines[0] != "slot\ttext":
        problems.append("header is not 'slot<TAB>text'")
    rows = lines[1:]

    slots = []
    texts = {}
    for lineno, line in enumerate(rows, start=2):
        parts = line.split("\t")
        if len(parts) != 2:
            problems.append(f"line {lineno}: {len(parts) - 1} tabs, want 1 "
                            "(tab inside a text?)")
            continue
        key, text = parts
        if not key.isdigit() or key != str(int(key)):
            problems.append(f"line {lineno}: bad slot {key!r}")
            continue
        slot = int(key)
        if slot in texts:
            problems.append(f"line {lineno}: slot {slot} repeated")
            continue
        slots.append(slot)
        texts[slot] = text

    want = expected_slots()
    missing = sorted(set(want) - set(texts))
    extra = sorted(set(texts) - set(want))
    if missing:
        problems.append(f"missing slots: {missing}")
    if extra:
        problems.append(f"unexpected slots: {extra}")
    if slots != sorted(slots):
        problems.append("rows are not in slot order")

    for slot, text in FIXED.items():
        if slot in texts and texts[slot] != text:
            problems.append(f"slot {slot} differs from the fixed text")

    lengths = {}
    for slot in slots:
        text = texts[slot]
        if text.strip() == "":
            problems.append(f"slot {slot}: empty text")
        if any(c in text for c in "\t\n\r\v\f\u2028\u2029"):
            problems.append(f"slot {slot}: control or line-break character")
        try:
            n = len(text.encode("gbk"))
        except UnicodeEncodeError as e:
            problems.append(f"slot {slot}: not encodable in GBK: "
                            f"{text[e.start:e.end]!r}")
            continue
        lengths[slot] = n
        if not MIN_GBK <= n <= MAX_GBK:
            problems.append(f"slot {slot}: {n} GBK bytes, want "
                            f"{MIN_GBK}..{MAX_GBK}")

    seen = {}
    duplicates = 0
    for slot in slots:
        other = seen.setdefault(texts[slot], slot)
        if other != slot:
            duplicates += 1
            problems.append(f"slot {slot}: same text as slot {other}")

    day_count = sum(1 for s in slots if s <= 31)
    date_count = len(slots) - day_count
    print(f"rows: {len(slots)} (day-of-month {day_count}, "
          f"calendar-day {date_count}); expected {len(want)}")
    if lengths:
        lo = min(lengths, key=lambda s: (lengths[s], s))
        hi = max(lengths, key=lambda s: (lengths[s], -s))
        print(f"shortest: {lengths[lo]} GBK bytes (slot {lo}); "
              f"longest: {lengths[hi]} GBK bytes (slot {hi})")
    print(f"duplicates: {duplicates}")
    for p in problems:
        print("PROBLEM:", p)
    print("OK" if not problems else f"{len(problems)} problem(s)")
    return 0 if not problems else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv))
