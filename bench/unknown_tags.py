#!/usr/bin/env python3
"""Counts the lines pagevet examines on a tree of pages, and how many of them
get "Unknown tag" by HTML 3.2 (the default) and with --html5.

usage: bench/unknown_tags.py PAGEVET DIR [MASK]   (MASK defaults to *.html)

A line is examined as pagevet reads it: pieces of at most 8191 bytes ending
at a line feed, cut at a NUL, "\\r\\n" read as "\\n", the "<!...>" constructs
removed (one left open runs on to the next '>'), and a piece left shorter
than 2 bytes passed over. Each line gets at most one "Unknown tag", so the
diagnostics count lines.
"""
import fnmatch
import os
import re
import subprocess
import sys


def pieces(data):
    debut = 0
    while debut < len(data):
        saut = data.find(b"\n", debut, debut + 8191)
        fin = saut + 1 if saut >= 0 else min(debut + 8191, len(data))
        piece = data[debut:fin].split(b"\0", 1)[0]
        if piece.endswith(b"\r\n"):
            piece = piece[:-2] + b"\n"
        yield piece
        debut = fin


def lignes_examinees(chemin):
    """The lines examined in one page, and those of them holding a '<'."""
    examinees = avec_balise = 0
    dans_commentaire = False
    with open(chemin, "rb") as fichier:
        data = fichier.read()
    for piece in pieces(data):
        reste = b""
        p = 0
        while True:
            debut = p if dans_commentaire else piece.find(b"<!", p)
            if debut < 0:
                reste += piece[p:]
                break
            reste += piece[p:debut]
            fin = piece.find(b">", debut)
            if fin < 0:
                if debut < len(piece):
                    reste += b"\n"
                dans_commentaire = True
                break
            dans_commentaire = False
            p = fin + 1
        if len(reste) >= 2:
            examinees += 1
            avec_balise += b"<" in reste
    return examinees, avec_balise


def main():
    if len(sys.argv) not in (3, 4):
        sys.exit(__doc__)
    pagevet = os.path.abspath(sys.argv[1])
    racine = sys.argv[2]
    masque = sys.argv[3] if len(sys.argv) == 4 else "*.html"

    pages = examinees = avec_balise = 0
    for dossier, _, fichiers in os.walk(racine):
        for nom in fichiers:
            if fnmatch.fnmatch(nom.lower(), masque.lower()):
                pages += 1
                e, b = lignes_examinees(os.path.join(dossier, nom))
                examinees += e
                avec_balise += b
    print(f"{pages} pages, {examinees} lines examined, {avec_balise} of them with a '<'")

    inconnue = re.compile(rb"^ *\d+, Unknown tag \(")
    env = dict(os.environ, LC_ALL="C")
    for titre, options in (("HTML 3.2", []), ("--html5", ["--html5"])):
        rapport = subprocess.run([pagevet, masque] + options, cwd=racine, env=env,
                                 stdout=subprocess.PIPE, check=False).stdout
        n = sum(1 for ligne in rapport.split(b"\n") if inconnue.match(ligne))
        print(f"{titre:8}: {n} lines with Unknown tag, {100 * n / examinees:.1f}% of the lines "
              f"examined, {100 * n / avec_balise:.1f}% of those with a '<'")


if __name__ == "__main__":
    main()
