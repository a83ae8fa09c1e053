"""derive_poetry.py: the poetry library of KelBirth.dll (table sg) from the
chinese-poetry collection (data/poetry/, MIT), in simplified characters.

Writes sources/poetry/sg.tsv with the columns of table sg:
  cd_num d_dynasty au_num d_author d_num d_title d_nr

Dynasties are numbered in chronological order (先秦 1 ... 清 8); authors are numbered
in order of first appearance, dynasty by dynasty, so an author's number is unique to
one dynasty; poems are numbered in the same pass. Collections and their dynasties:
  诗经 (author node: the section, e.g. 诗经·周南)          先秦
  楚辞 (屈原, 宋玉, 景差 先秦; the Han authors)             先秦 / 汉
  曹操诗集                                                  三国
  全唐诗 (traditional in the source: OpenCC t2s)            唐
  花间集, 南唐二主词                                        五代
  全宋词                                                    宋
  元曲                                                      元
  纳兰性德诗集                                              清
The anthologies 唐诗三百首 and 宋词三百首 repeat poems of the complete collections and
are left out.

Titles: a ci (花间集, 南唐二主词, 全宋词) is titled by its tune and its first phrase,
菩萨蛮·小山重叠金明灭, so the many ci on one tune can be told apart; when an author
still has two poems of one title, the later ones get 其二, 其三, ... appended.
The text d_nr is the poem's lines joined by line breaks.

Editorial marks of the sources are resolved in texts, titles and authors (clean_line): a bracketed emendation,
虏障抵[祁]连, keeps its characters when GBK holds them (虏障抵祁连) and is dropped
otherwise (a character outside GBK, □ for a lost one); bracketed footnote numbers ([一],
[一○]) are dropped; a line holding a web page's leftovers (HTTP headers in one 元曲 text)
is dropped.

usage: python3 derive_poetry.py [upstream data dir]
"""

import glob
import json
import os
import re
import sys

import opencc_t2s
import tsvio

DYNASTIES = ["先秦", "汉", "三国", "唐", "五代", "宋", "元", "清"]
PRE_QIN_CHUCI = {"屈原", "宋玉", "景差"}
PHRASE_END = re.compile(r"[，。、？！；：,.?!;:　 ]")
DIGITS = "零一二三四五六七八九"


def chinese_number(n):
    if n < 10:
        return DIGITS[n]
    if n < 20:
        return "十" + (DIGITS[n % 10] if n % 10 else "")
    if n < 100:
        return DIGITS[n // 10] + "十" + (DIGITS[n % 10] if n % 10 else "")
    return str(n)


def numeric_key(path):
    m = re.search(r"\.(\d+)\.json$", path)
    return (0, int(m.group(1))) if m else (1, path)


def load(path):
    with open(path, encoding="utf-8") as f:
        return json.load(f)


def lines_of(poem):
    for key in ("paragraphs", "content", "para"):
        if key in poem:
            return [l.strip() for l in poem[key] if l.strip()]
    return []


FOOTNOTE = set("一二三四五六七八九十○〇")
BRACKETED = re.compile(r"\[([^\[\]]*)\]")


def in_gbk(text):
    try:
        text.encode("gbk")
        return True
    except UnicodeEncodeError:
        return False


# Characters outside GBK with a standard form inside it (the Tang poet 耿湋).
GBK_FORMS = {"𣲗": "湋"}


def resolve_bracket(m):
    inside = "".join(GBK_FORMS.get(c, c) for c in m.group(1))
    if not inside or set(inside) <= FOOTNOTE or "□" in inside or not in_gbk(inside):
        return ""
    return inside


def clean_line(line):
    """A line with the sources' editorial marks resolved; empty when it is not poetry."""
    if "Content-Type=" in line or "{Connection=" in line:
        return ""
    line = BRACKETED.sub(resolve_bracket, line)
    # A bracket left without its partner (an emendation spanning two lines) says nothing.
    return line.replace("[", "").replace("]", "").strip()


def first_phrase(lines):
    if not lines:
        return ""
    return PHRASE_END.split(lines[0], 1)[0].strip()


class Library:
    def __init__(self):
        self.poems = []  # (dynasty, author, title, lines, needs_t2s)

    def add(self, dynasty, author, title, lines, t2s=False):
        if not lines:
            return
        self.poems.append([dynasty, author.strip() or "佚名", title.strip(), lines, t2s])

    def convert(self):
        """Run every traditional text through OpenCC t2s in one batch."""
        batch = []
        for p in self.poems:
            if p[4]:
                batch.extend([p[1], p[2]] + p[3])
        done = iter(opencc_t2s.t2s(batch))
        for p in self.poems:
            if p[4]:
                p[1] = next(done)
                p[2] = next(done)
                p[3] = [next(done) for _ in p[3]]

    def rows(self):
        order = sorted(range(len(self.poems)),
                       key=lambda i: (DYNASTIES.index(self.poems[i][0]), i))
        authors = {}
        seen_titles = {}
        rows = []
        for n, i in enumerate(order, 1):
            dynasty, author, title, lines, _ = self.poems[i]
            lines = [c for c in (clean_line(l) for l in lines) if c]
            author = clean_line(author) or "佚名"
            title = clean_line(title)
            au = authors.setdefault((dynasty, author), len(authors) + 1)
            if not title:
                title = "无题"
            count = seen_titles.get((au, title), 0) + 1
            seen_titles[(au, title)] = count
            if count > 1:
                title = "%s 其%s" % (title, chinese_number(count))
            rows.append((DYNASTIES.index(dynasty) + 1, dynasty, au, author, n, title,
                         "\n".join(lines)))
        return rows


def ci_title(poem):
    tune = (poem.get("rhythmic") or poem.get("title") or "").strip()
    phrase = first_phrase(lines_of(poem))
    return tune + "·" + phrase if phrase else tune


def main(argv):
    src = os.path.join(tsvio.upstream_dir(argv), "poetry")
    lib = Library()

    for p in load(os.path.join(src, "shijing.json")):
        part = p["section"] if p["chapter"] == "国风" else p["chapter"]
        lib.add("先秦", "诗经·" + part, p["title"], lines_of(p))
    for p in load(os.path.join(src, "chuci.json")):
        dyn = "先秦" if p["author"] in PRE_QIN_CHUCI else "汉"
        lib.add(dyn, p["author"], p["title"], lines_of(p))
    for p in load(os.path.join(src, "caocao.json")):
        lib.add("三国", "曹操", p["title"], lines_of(p))
    for path in sorted(glob.glob(os.path.join(src, "quantangshi", "poet.tang.*.json")),
                       key=numeric_key):
        for p in load(path):
            lib.add("唐", p.get("author", ""), p.get("title", ""), lines_of(p), t2s=True)
    for path in sorted(glob.glob(os.path.join(src, "wudaishici", "huajianji",
                                              "huajianji-*-juan.json"))):
        for p in load(path):
            lib.add("五代", p.get("author", ""), ci_title(p), lines_of(p))
    for p in load(os.path.join(src, "wudaishici", "nantang", "poetrys.json")):
        lib.add("五代", p.get("author", ""), ci_title(p), lines_of(p))
    for path in sorted(glob.glob(os.path.join(src, "songci", "ci.song.*.json")),
                       key=numeric_key):
        # The 2019 supplement is partly in traditional characters.
        supplement = "2019y" in path
        for p in load(path):
            lib.add("宋", p.get("author", ""), ci_title(p), lines_of(p), t2s=supplement)
    for p in load(os.path.join(src, "yuanqu", "yuanqu.json")):
        lib.add("元", p.get("author", ""), p.get("title", ""), lines_of(p))
    for p in load(os.path.join(src, "纳兰性德诗集.json")):
        lib.add("清", "纳兰性德", p["title"], lines_of(p))

    lib.convert()
    rows = lib.rows()
    out = os.path.join(tsvio.refdata_dir(), "sources", "poetry", "sg.tsv")
    tsvio.write_tsv(out, ("cd_num", "d_dynasty", "au_num", "d_author", "d_num", "d_title",
                          "d_nr"), rows, "derive_poetry.py", "the chinese-poetry collection")
    counts = {}
    for r in rows:
        counts[r[1]] = counts.get(r[1], 0) + 1
    print("%s: %d poems; %s" % (out, len(rows),
                                ", ".join("%s %d" % (d, counts.get(d, 0)) for d in DYNASTIES)))


if __name__ == "__main__":
    main(sys.argv)
