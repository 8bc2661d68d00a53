#!/bin/bash
# Compares the HTML reader with html5lib (scripting on) page by page: the
# DOCTYPE and rendering mode, the <html> attributes, the head's elements with
# their attributes, the title's text and every start tag must agree, on the
# examples, a generated bench site, Debian's Python documentation (every
# fourth page; PAGEVET_HTML5LIB_ALL=1 for all) and pages written by
# gen_pages.py. Each page is also read in blocks of 7 bytes, which must give
# the same dump. Exit 77 (skipped) when html5lib is missing.
#   compare.sh VIDAGE GENSITE EXAMPLES
set -u
vidage=$1
gensite=$2
examples=$3
here=$(cd "$(dirname "$0")" && pwd)

py=""
for candidat in python3 /usr/bin/python3; do
  if command -v "$candidat" >/dev/null 2>&1 && "$candidat" -c 'import html5lib' 2>/dev/null; then
    py=$candidat
    break
  fi
done
if [ -z "$py" ]; then
  echo "html5lib is not installed (Debian: python3-html5lib): skipped"
  exit 77
fi

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/out"

liste="$tmp/pages"
: > "$liste"
find "$examples" -type f \( -name '*.htm' -o -name '*.html' \) | LC_ALL=C sort >> "$liste"
"$gensite" -n 150 -s 1 "$tmp/site" > /dev/null || { echo "gensite failed"; exit 1; }
find "$tmp/site" -type f -name '*.htm' | LC_ALL=C sort >> "$liste"
doc=/usr/share/doc/python3/html
if [ -d "$doc" ]; then
  if [ "${PAGEVET_HTML5LIB_ALL:-0}" = 1 ]; then
    find -L "$doc" -name '*.html' | LC_ALL=C sort >> "$liste"
  else
    find -L "$doc" -name '*.html' | LC_ALL=C sort | awk 'NR % 4 == 1' >> "$liste"
  fi
else
  echo "note: $doc missing (Debian: python3-doc), its pages are not compared"
fi
"$py" "$here/gen_pages.py" 400 1 "$tmp/gen" || { echo "gen_pages failed"; exit 1; }
find "$tmp/gen" -type f | LC_ALL=C sort >> "$liste"

echec=0
lot="$tmp/lot"
: > "$lot"
i=0
while IFS= read -r page; do
  i=$((i + 1))
  if ! "$vidage" "$page" > "$tmp/out/$i.a"; then
    echo "FAIL: the dump tool failed on $page"
    echec=1
    continue
  fi
  "$vidage" --bloc 7 "$page" > "$tmp/out/$i.b"
  if ! cmp -s "$tmp/out/$i.a" "$tmp/out/$i.b"; then
    echo "FAIL: $page reads differently in blocks of 7 bytes"
    diff "$tmp/out/$i.a" "$tmp/out/$i.b" | head -10
    echec=1
  fi
  read -r _ charset bom < "$tmp/out/$i.a"
  printf '%s %s %s %s\n' "$charset" "$bom" "$page" "$tmp/out/$i.h" >> "$lot"
done < "$liste"

if ! "$py" "$here/html5lib_dump.py" "$lot"; then
  echo "FAIL: html5lib_dump.py failed"
  exit 1
fi

differentes=0
i=0
while IFS= read -r page; do
  i=$((i + 1))
  if ! cmp -s "$tmp/out/$i.a" "$tmp/out/$i.h"; then
    differentes=$((differentes + 1))
    if [ "$differentes" -le 10 ]; then
      echo "FAIL: $page: the reader (<) and html5lib (>) differ"
      diff "$tmp/out/$i.a" "$tmp/out/$i.h" | head -20
    fi
  fi
done < "$liste"

echo "$i pages compared with html5lib: $differentes differ"
[ "$differentes" -eq 0 ] && [ "$echec" -eq 0 ]
