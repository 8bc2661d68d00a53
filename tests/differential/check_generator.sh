#!/usr/bin/env bash
# Checks the differential fuzz's page generator: the same arguments give the
# same tree and another batch another one, and its pages hold what the fuzz
# is meant to exercise (lines at the piece limit with a CR or "<!" at its
# end, pages at the block size, line ends, NULs, character sets, long
# keyword lists and words, fatal pages with /d). Without a corpus the pages
# depend on the generator alone.
#   check_generator.sh BIN_DIR   (holding pagevet and pagevet_fuzzpages)
set -euo pipefail
bin=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

"$bin/pagevet_fuzzpages" -s 3 -b 0 -n 40 a >/dev/null
"$bin/pagevet_fuzzpages" -s 3 -b 0 -n 40 b >/dev/null
"$bin/pagevet_fuzzpages" -s 3 -b 1 -n 40 c >/dev/null
diff -r a b >/dev/null || { echo "the same arguments gave different pages"; exit 1; }
if diff -r a c >/dev/null; then echo "two batches gave the same pages"; exit 1; fi
if "$bin/pagevet_fuzzpages" -s 3 a >/dev/null 2>&1; then
  echo "the generator wrote into a directory that exists"
  exit 1
fi

mkdir pages
for b in 0 1 2; do "$bin/pagevet_fuzzpages" -s 1 -b "$b" "pages/$b" >/dev/null; done
failed=0
# Passes when at least one page makes the command (given the page) succeed.
expect() {
  local what=$1 page
  shift
  while IFS= read -r -d '' page; do
    if "$@" "$page"; then
      echo "ok: $what"
      return 0
    fi
  done < <(find pages -type f -print0 | LC_ALL=C sort -z)
  echo "missing: $what"
  failed=1
}
line_where() { LC_ALL=C awk "$1 { found = 1; exit } END { exit !found }" "$2"; }
size_near() { local s; s=$(stat -c %s "$2"); [ "$s" -ge $(($1 - 3)) ] && [ "$s" -le $(($1 + 3)) ]; }
# bytes_at OFFSET COUNT BYTES PAGE: the bytes there, as od -c shows them.
bytes_at() { [ "$(od -An -c -j "$1" -N "$2" "$4" 2>/dev/null | tr -d ' ')" = "$3" ]; }
has() { LC_ALL=C grep -qaP "$1" "$2"; }
no_lf_but_cr() { ! has '\n' "$1" && has '\r' "$1"; }
# A page of UTF-8 letters whose last character is cut.
utf8_cut_at_end() {
  local last
  last=$(tail -c 1 "$1" | od -An -tu1 | tr -d ' ')
  [ -n "$last" ] && [ "$last" -ge 194 ] && [ "$last" -le 244 ] && has '\xc3[\x80-\xbf]' "$1"
}
declaration_across() {
  local offset match
  local meta='<meta charset=[^>]*>\|<meta http-equiv="Content-Type" content="[^">]*charset=[^>]*>'
  while IFS=: read -r offset match; do
    [ "$offset" -lt 1024 ] && [ $((offset + ${#match})) -gt 1024 ] && return 0
  done < <(LC_ALL=C grep -boa "$meta" "$1")
  return 1
}

expect "a line of 8191 bytes, give or take 2" line_where 'length($0) >= 8189 && length($0) <= 8193'
expect "a CR ending the first piece of a line" line_where 'substr($0, 8191, 1) == "\r"'
expect "a '<!' ending the first piece of a line" line_where 'substr($0, 8190, 2) == "<!"'
expect "a tag cut by the first piece's end" \
  line_where 'substr($0, 8186, 10) ~ /<(meta|head|title|body)/'
expect "a UTF-8 sequence cut by the first piece's end" line_where 'substr($0, 8191, 1) == "\303"'
expect "a line of three pieces" line_where 'length($0) >= 3 * 8191'
expect "a page of 64 KiB, give or take 3 bytes" size_near 65536
expect "a page of 128 KiB, give or take 3 bytes" size_near 131072
expect "a CR ending the first block" bytes_at 65535 1 '\r'
expect "a UTF-8 sequence across the block boundary" bytes_at 65535 1 '303'
expect "a NUL byte" has '\x00'
expect "CR LF line ends" has '\r$'
expect "CR-only line ends" no_lf_but_cr
expect "a byte order mark" bytes_at 0 3 '357273277'
expect "a charset declaration across byte 1024" declaration_across
expect "a comment closed lines after it opens" has '<!--[^>]*$'
expect "a keywords list of 500 entries" line_where 'gsub(/,/, ",") >= 500'
expect "a word of 500 characters or more" has '[wW]{500}'
expect "undeclared UTF-8 text" has '\xc3\xa9'
expect "Windows-1252 text" has '\xe9'
expect "a UTF-8 page cut inside its last character" utf8_cut_at_end

# The fatal batch: some of its pages end a /d run, some stop just short.
"$bin/pagevet_fuzzpages" -s 1 -b 0 -n 30 --fatal fatal >/dev/null
fatal=0
for page in fatal/*/*.htm fatal/*/*/*.htm; do
  [ -f "$page" ] || continue
  status=0
  (cd "$(dirname "$page")" && "$bin/pagevet" "$(basename "$page")" /d >/dev/null 2>&1) || status=$?
  [ "$status" -eq 2 ] && fatal=$((fatal + 1))
done
echo "fatal batch: $fatal of 30 pages end the run"
if [ "$fatal" -lt 5 ] || [ "$fatal" -gt 25 ]; then failed=1; fi
exit $failed
