"""derive_solar_terms.py: the JQ table source (sources/jq.tsv) from the chncal list
of solar-term instants (data/solar_terms/solar_term_1899-2100.csv, Beijing time).

Keeps the years 1900-2100. YearA is the Gregorian year of the instant, JQ the term
name, SJ the instant as "YYYY-MM-DD HH:MM:SS" (ISO text, so the Jet FORMAT(SJ,...)
that the birth chart issues can be answered by a date function over the text).

usage: python3 derive_solar_terms.py [upstream data dir]
"""

import csv
import os
import sys

import tsvio

TERMS = ("小寒 大寒 立春 雨水 惊蛰 春分 清明 谷雨 立夏 小满 芒种 夏至 "
         "小暑 大暑 立秋 处暑 白露 秋分 寒露 霜降 立冬 小雪 大雪 冬至").split()


def main(argv):
    src = os.path.join(tsvio.upstream_dir(argv), "solar_terms", "solar_term_1899-2100.csv")
    rows = []
    with open(src, encoding="utf-8") as f:
        for rec in csv.DictReader(f):
            year = int(rec["year"])
            if year < 1900 or year > 2100:
                continue
            d, h = rec["day"], rec["hour"]
            if len(d) != 8 or len(h) != 6 or rec["tag"] not in TERMS:
                raise ValueError("unexpected record %r" % rec)
            if d[:4] != rec["year"]:
                raise ValueError("year and day disagree in %r" % rec)
            sj = "%s-%s-%s %s:%s:%s" % (d[:4], d[4:6], d[6:], h[:2], h[2:4], h[4:])
            rows.append((year, rec["tag"], sj))
    rows.sort(key=lambda r: r[2])
    if len(rows) != 201 * 24:
        raise ValueError("expected 24 terms a year, got %d rows" % len(rows))
    out = os.path.join(tsvio.refdata_dir(), "sources", "jq.tsv")
    tsvio.write_tsv(out, ("YearA", "JQ", "SJ"), rows, "derive_solar_terms.py",
                    "chncal solar_term_1899-2100.csv")
    print("%s: %d rows" % (out, len(rows)))


if __name__ == "__main__":
    main(sys.argv)
