#!/usr/bin/env bash
# The walk at its edges: a tree deeper than the host's path limit is walked
# whole; links to pages outside the current directory are examined only
# with --follow-outside-links; more jobs than descriptors give the report of
# one job.
#
#   tests/faults/check_walk_edges.sh PAGEVET
set -uo pipefail
pagevet=$(realpath "$1")
export LC_ALL=C

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
clean=$(cd "$(dirname "$0")/../golden/pages" && pwd)/clean.htm
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# 2,000 levels of "dd": paths of 6,000 bytes and more, past PATH_MAX (4096);
# a page every 100 levels. Made relative to open directories (a shell's cd
# is slow at such depths); the deepest page comes first in byte order.
deep=$work/deep
mkdir "$deep"
expected=$work/deep-expected
python3 - "$deep" "$clean" "$expected" <<'PY'
import os, sys
deep, clean, expected = sys.argv[1:]
page = open(clean, "rb").read()
rep = os.open(deep, os.O_RDONLY | os.O_DIRECTORY)
paths = []
for i in range(1, 2001):
    os.mkdir("dd", dir_fd=rep)
    suivant = os.open("dd", os.O_RDONLY | os.O_DIRECTORY, dir_fd=rep)
    os.close(rep)
    rep = suivant
    if i % 100 == 0:
        fd = os.open("index.htm", os.O_WRONLY | os.O_CREAT, 0o644, dir_fd=rep)
        os.write(fd, page)
        os.close(fd)
        paths.append("dd\\" * i + "index.htm\n")
open(expected, "w").write("".join(reversed(paths)))
PY
status=0
(cd "$deep" && timeout 120 "$pagevet" >"$work/out" 2>"$work/err") || status=$?
if [ "$status" != 0 ] || [ -s "$work/err" ]; then
  fail "deep tree: status $status"
  head -c 300 "$work/err"
fi
if ! cmp -s "$expected" "$work/out"; then
  fail "deep tree: $(grep -c . "$work/out") of 20 pages"
fi

# Links: one to a page outside the directory the walk starts from, one to a
# page inside it, one inside that leads outside through another link.
site=$work/links/site
mkdir -p "$site/sub" "$work/links/outside"
printf '<password>hunter2</password>\n' >"$work/links/outside/settings.htm"
cp "$clean" "$site/inside.htm"
ln -s ../outside/settings.htm "$site/out.htm"
ln -s ../inside.htm "$site/sub/in.htm"
ln -s ../out.htm "$site/sub/via.htm"
run_links() {
  status=0
  (cd "$site" && "$pagevet" "$@" '*.htm' >"$work/out" 2>"$work/err") || status=$?
}
run_links
if [ "$status" != 0 ] || grep -q hunter2 "$work/out" ||
  [ "$(cat "$work/out")" != "$(printf 'inside.htm\nsub\\in.htm')" ]; then
  fail "links out of the tree examined (status $status)"
  cat "$work/out"
fi
run_links --follow-outside-links
if [ "$status" != 1 ] || [ "$(grep -c hunter2 "$work/out")" != 2 ]; then
  fail "--follow-outside-links: status $status"
fi

# More jobs than descriptors: the report of one job, whatever the timing.
many=$work/many
mkdir "$many"
for i in $(seq -w 1 300); do cp "$clean" "$many/p$i.htm"; done
printf '<blink>\n' >>"$many/p150.htm"
for format in text json; do
  (cd "$many" && "$pagevet" --format=$format --jobs=1 '*.htm' >"$work/one" 2>&1)
  status=0
  (cd "$many" && ulimit -n 32 && "$pagevet" --format=$format --jobs=64 '*.htm' >"$work/out" 2>&1) ||
    status=$?
  if [ "$status" != 1 ] || ! cmp -s "$work/one" "$work/out"; then
    fail "--jobs=64 under ulimit -n 32 ($format): status $status"
    diff "$work/one" "$work/out" | head -5
  fi
done

if [ $failures -gt 0 ]; then
  echo "walk edges: $failures failure(s)"
  exit 1
fi
echo "walk edges: all checks passed"
