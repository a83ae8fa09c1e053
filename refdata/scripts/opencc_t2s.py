"""opencc_t2s.py: traditional -> simplified conversion through the opencc command
(Debian packages opencc and libopencc-data, configuration t2s.json, Apache-2.0)."""

import subprocess


def t2s(texts):
    """Convert a list of one-line texts in one run of opencc; returns the list converted."""
    for t in texts:
        if "\n" in t:
            raise ValueError("t2s takes one-line texts")
    data = "\n".join(texts) + "\n"
    out = subprocess.run(["opencc", "-c", "t2s.json"], input=data.encode("utf-8"),
                         stdout=subprocess.PIPE, check=True).stdout.decode("utf-8")
    lines = out.split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    if len(lines) != len(texts):
        raise RuntimeError("opencc returned %d lines for %d" % (len(lines), len(texts)))
    return lines
