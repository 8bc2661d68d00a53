#!/usr/bin/env python3
"""Writes a synthetic site for the benchmark: DIRS directories of PAGES pages,
each a few hundred lines of header and text, some with problems."""
import os
import random
import sys

def page(rng, n):
    words = ["garden", "club", "roses", "caf&eacute;", "\xe9t\xe9", "compost", "seeds",
             "lake", "autumn", "show", "members", "R&amp;D", "news", "tomato", "spring"]
    keywords = ", ".join(rng.sample(words, 6))
    lines = ["<html>", "<head>", "<title>Page %d</title>" % n,
             '<meta http-equiv="Content-Type" content="text/html; charset=windows-1252">',
             '<meta http-equiv="Content-Language" content="en">',
             '<meta name="description" content="Synthetic page %d">' % n,
             '<meta name="keywords" content="%s">' % keywords,
             '<meta name="reply-to" content="web@example.org">']
    if n % 7:
        lines.append('<meta name="robots" content="all">')
    lines += ["</head>", "<body>"]
    for i in range(300):
        text = " ".join(rng.choice(words) for _ in range(12))
        tag = rng.choice(["p", "li", "td", "b", "blink" if i == 150 and n % 5 == 0 else "i"])
        lines.append("<%s>%s, %d.</%s><!-- note %d -->" % (tag, text, i, tag, i))
    lines += ["</body>", "</html>", ""]
    return "\n".join(lines).encode("latin-1")

def main():
    root, dirs, pages = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
    rng = random.Random(42)
    for d in range(dirs):
        folder = os.path.join(root, "section%03d" % d)
        os.makedirs(folder, exist_ok=True)
        for p in range(pages):
            name = "index.htm" if p == 0 else "page%03d.htm" % p
            with open(os.path.join(folder, name), "wb") as f:
                f.write(page(rng, d * pages + p))

main()
