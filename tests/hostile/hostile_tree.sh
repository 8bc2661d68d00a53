#!/usr/bin/env bash
# End-to-end run of pagevet on a hostile tree: symlink loops, a link to a
# parent directory, a FIFO named index.htm, a tree 100 levels deep, 3,000
# files in one directory, binary and NUL-laden pages, a 1 MB line, CR-only
# line endings and awkward names. Every run must finish (a 60 s timeout is
# only a safety net), exit 0 or 1 (pages passed, or some had findings),
# write nothing on stderr (no sanitizer report) and print exactly what the
# rules give.
set -euo pipefail
pagevet=$1
# The expected bytes are those of code page 850 output.
export LC_ALL=C

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
tree=$work/tree
mkdir "$tree"
failures=0

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# Runs pagevet in directory $1 with the remaining arguments; the output goes
# to $work/out (stdout on a pipe, so in code page 850).
run() {
  local dir=$1
  shift
  local status=0
  (cd "$dir" && timeout 60 "$pagevet" "$@" 2>"$work/err" | cat >"$work/out") || status=$?
  if [ $status -gt 1 ]; then
    fail "pagevet $* in ${dir#"$work"/} ended with status $status"
  fi
  if [ -s "$work/err" ]; then
    fail "pagevet $* in ${dir#"$work"/} wrote on stderr:"
    head -20 "$work/err"
  fi
}

# Compares $work/out with the expected bytes given on stdin.
expect() {
  local what=$1
  cat >"$work/expected"
  if ! cmp -s "$work/expected" "$work/out"; then
    fail "$what: output differs"
    diff <(od -c "$work/expected") <(od -c "$work/out") | head -20 || true
  fi
}

# A page that breaks no rule (the one the golden cases share): its report is
# its path alone.
cp "$(dirname "$0")/../golden/pages/clean.htm" "$work/clean.htm"

cp "$work/clean.htm" "$tree/index.htm"

# Links: a loop, the parent directory, the directory itself, a link to a page.
ln -s loop2 "$tree/loop1"
ln -s loop1 "$tree/loop2"
ln -s .. "$tree/up"
ln -s . "$tree/self"
mkdir "$tree/linked"
ln -s ../index.htm "$tree/linked/index.htm"

# A FIFO named index.htm: opening it for reading would wait for ever. A link
# to it, a broken link and a directory under the same name.
mkdir "$tree/fifo" "$tree/fifolink" "$tree/broken" "$tree/isdir"
mkfifo "$tree/fifo/index.htm"
ln -s ../fifo/index.htm "$tree/fifolink/index.htm"
ln -s nowhere "$tree/broken/index.htm"
mkdir "$tree/isdir/index.htm"
cp "$work/clean.htm" "$tree/isdir/index.htm/index.htm"

# 100 levels, the path well past 512 characters, a link back up at the bottom.
deep=$tree/deep
deep_path='deep'
for i in $(seq -w 0 99); do
  deep=$deep/level-$i
  deep_path="$deep_path\\level-$i"
done
mkdir -p "$deep"
cp "$work/clean.htm" "$deep/index.htm"
ln -s ../../.. "$deep/back"
deep_path="$deep_path\\index.htm"

# 3,000 pages in one directory, and three names that show the byte order:
# upper case before lower case. (Shell built-ins only: no process per file.)
mkdir "$tree/many"
clean=$(<"$work/clean.htm")
for name in $(seq -f 'f%04g' 0 2999) A Z a; do printf '%s\n' "$clean" >"$tree/many/$name.htm"; done

# Every byte value 64 times: NUL bytes, control bytes and bytes 0x80-0xFF.
mkdir "$tree/binary"
block=$(for b in $(seq 0 255); do printf '\\%03o' "$b"; done)
for _ in $(seq 64); do printf "$block"; done >"$tree/binary/index.htm"

# One line of 1 MB (read in 8191-byte pieces), no tag in it.
mkdir "$tree/long"
words=$(printf 'word %.0s' {1..204})
{ for _ in {1..1024}; do printf '%send!' "$words"; done; echo; } >"$tree/long/index.htm"

# A NUL byte inside the title line: the line ends there for every check.
mkdir "$tree/nul"
sed 's|<title>Clean page</title>|<title>Clean\x00 page</title>|' "$work/clean.htm" \
  >"$tree/nul/index.htm"

# CR-only line ends: the whole page is one line.
mkdir "$tree/cr"
tr '\n' '\r' <"$work/clean.htm" >"$tree/cr/index.htm"

# Awkward names: spaces, quotes, a format directive, a non-UTF-8 byte
# (e-acute in Windows-1252), a backslash, upper case, a colon, and a letter
# and a colon, which at the top would read as a drive.
for name in 'with space' 'quote"d' "it's" '%s%n%d' $'caf\xe9' 'back\slash' 'Upper' 'a:b' 'c:'; do
  mkdir "$tree/$name"
  cp "$work/clean.htm" "$tree/$name/index.htm"
done

# The whole tree, default mask: the paths in byte order, each once. Only
# files are listed (not the FIFO, the link to it, the broken link or the
# directory named index.htm, which is walked like any other); a name holding
# '\', or a letter and a colon at the top, cannot be a program path and is
# passed over; links to directories are not followed; the link to a page is.
expected_paths() {
  printf '%s\n' '%s%n%d\index.htm' 'Upper\index.htm' 'a:b\index.htm' 'binary\index.htm'
  printf 'caf\202\\index.htm\n'
  printf '%s\n' 'cr\index.htm' "$deep_path" 'index.htm' 'isdir\index.htm\index.htm' \
    "it's\\index.htm" 'linked\index.htm' 'long\index.htm' 'nul\index.htm' \
    'quote"d\index.htm' 'with space\index.htm'
}
for options in "" "/d" "/s"; do
  run "$tree" $options
  grep -a 'index\.htm$' "$work/out" >"$work/paths" || true
  if ! cmp -s <(expected_paths) "$work/paths"; then
    fail "examined paths ($options)"
    diff <(expected_paths) "$work/paths" | head -20 || true
  fi
  if grep -aq 'fifo\|broken\|slash\|^c:' "$work/out"; then
    fail "FIFO, link, name with '\\' or drive-like name listed ($options)"
  fi
done

# Without subdirectories only the top page.
run "$tree" /1
printf 'index.htm\n' | expect "/1 at the top"

# The 3,000 pages, in byte order, and nothing else reported.
run "$tree/many" '*.htm' /1
{ printf '%s\n' A.htm Z.htm a.htm; seq -f 'f%04g.htm' 0 2999; } |
  expect "3,000 files"

# The 1 MB line: 129 pieces, no tag, so only the summary.
summary_none() {
  printf '+ No "%s" tag found\n' Content-Type Content-Language DESCRIPTION KEYWORDS \
    REPLY-TO ROBOTS
  printf '+ No <TITLE> tag found\n+ No <HEAD> section found\n+ No <BODY> section found\n'
}
run "$tree/long" /1
{ echo index.htm; summary_none; echo; } | expect "1 MB line"
run "$tree/long" /1 /d
{ echo index.htm; summary_none; echo; } | expect "1 MB line with /d"

# The title line stops at its NUL byte: the title looks incomplete and the
# echoed line has no line end of its own; the closing empty line follows it.
run "$tree/nul" /1
printf 'index.htm\n   3, Incomplete title : \n  <title>Clean\n' | expect "NUL in a line"

# CR-only: one line holding every tag. The HEAD opening finds more than one
# tag; the HEAD is closed on the same line, so the first meta tag (the only
# one examined) and the title count as outside it, and no name is counted.
run "$tree/cr" /1
{
  printf 'index.htm\n   1, More than one tag : \n  '
  cat "$tree/cr/index.htm"
  summary_none | grep -v -e TITLE -e HEAD -e BODY
  printf '+ 2 meta-tags or title outside the <HEAD> section\n\n'
} | expect "CR-only line ends"

# The binary page: line 1 starts with NUL and is skipped; lines 2 to 65 each
# hold a '<' followed by '=' (an unknown tag); then the summary.
run "$tree/binary" /1
if [ "$(head -1 "$work/out")" != "index.htm" ]; then fail "binary page header"; fi
# The echoed lines have no line end (a NUL ends each), so the next
# diagnostic follows on the same line.
grep -aoE '[0-9]+, Unknown tag \(HTML 3\.2\) : $' "$work/out" | cut -d, -f1 >"$work/numbers"
if ! cmp -s <(seq 2 65) "$work/numbers"; then fail "binary page diagnostics"; fi
if [ "$(grep -ac '^+ \|+ No' "$work/out")" -ne 9 ]; then fail "binary page summary"; fi

# "%s" in a name is printed as it is.
run "$tree/%s%n%d" /1
printf 'index.htm\n' | expect "page in %s%n%d"
run "$tree" '%s%n%d\index.htm' /1
printf '%s\n' '%s%n%d\index.htm' | expect "mask holding %s%n%d"

if [ $failures -gt 0 ]; then
  echo "hostile tree: $failures failure(s)"
  exit 1
fi
echo "hostile tree: all checks passed"
