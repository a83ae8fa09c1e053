#!/usr/bin/env python3
"""poetry_sentences.py: how many of the first poetry-mode names take both characters from
one sentence of the collected text.

Usage
  python3 tools/poetry_sentences.py --bin build/bin [--author 诗经] [--first 100]
                                    [--surname 张 ...] [--sex 男 女]

Collects every poem of the library whose author (for 诗经: its sections, 诗经·周南 …)
starts with --author, in library order, as 添加到已选 would (poems separated by an empty
line), runs `velmora-cli names SURNAME --mode poetry --text FILE --sex SEX` and counts,
among the first --first names, those whose two given-name characters stand together in
one sentence of the text: a stretch of one line ended by 。！？； (or the line's end).
Prints the share for each surname and sex, and the names counted for the first of them.

Standard library only; runs outside the build.
"""

import argparse
import os
import re
import sqlite3
import subprocess
import tempfile


def sentences(text):
    out = []
    for line in text.splitlines():
        out += [s for s in re.split(r"(?<=[。！？；!?;])", line.strip()) if s]
    return out


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--bin", required=True, help="the folder of velmora-cli and the databases")
    ap.add_argument("--author", default="诗经")
    ap.add_argument("--first", type=int, default=100)
    ap.add_argument("--surname", nargs="+", default=["张"])
    ap.add_argument("--sex", nargs="+", default=["男", "女"])
    args = ap.parse_args()

    db = sqlite3.connect(os.path.join(args.bin, "KelBirth.dll"))
    poems = [r[0].strip() for r in db.execute(
        "select d_nr from sg where d_author like ? order by d_num", (args.author + "%",))]
    text = "\n\n".join(poems)
    sets = [set(s) for s in sentences(text)]
    with tempfile.NamedTemporaryFile("w", encoding="utf-8", suffix=".txt", delete=False) as f:
        f.write(text)
    try:
        shown = False
        for surname in args.surname:
            for sex in args.sex:
                run = subprocess.run([os.path.join(args.bin, "velmora-cli"), "names", surname, "--mode", "poetry",
                                      "--text", f.name, "--sex", sex],
                                     capture_output=True, text=True, check=True)
                names = [line.split("(")[0][len(surname):] for line in run.stdout.splitlines()]
                first = names[:args.first]
                one = [g for g in first if len(g) == 2 and any(g[0] in s and g[1] in s for s in sets)]
                print("%s %s: %d names, %d of the first %d from one sentence (%.0f %%)"
                      % (surname, sex, len(names), len(one), len(first), 100.0 * len(one) / max(1, len(first))))
                if not shown:
                    print("  " + " ".join(surname + g for g in first[:30]))
                    shown = True
    finally:
        os.unlink(f.name)


if __name__ == "__main__":
    main()
