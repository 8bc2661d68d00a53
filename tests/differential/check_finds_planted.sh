#!/usr/bin/env bash
# Checks the differential fuzz itself: pagevet against a copy of itself runs
# batches, fatal ones included, and finds no difference; a NEW that changes
# one byte of some page's report is caught and reduced to that page; a NEW
# that changes a byte only far into a long report is reduced to the first
# pages that show it.
#   check_finds_planted.sh PAGEVET BIN_DIR
set -euo pipefail
pagevet=$(realpath "$1")
bin=$(realpath "$2")
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cp "$pagevet" "$work/copy"
"$here/run.sh" --bin "$bin" --seed 5 --pages 20 --batches 5 --findings "$work/none" 120 \
  "$pagevet" "$work/copy" \
  >"$work/same.log" 2>&1 || { cat "$work/same.log"; echo "a copy of pagevet differs"; exit 1; }
grep -q '^no difference: 5 batches' "$work/same.log" &&
  grep -Eq '\(([1-9][0-9]*) of them after a fatal error\)' "$work/same.log" ||
  { cat "$work/same.log"; echo "too few batches, or no fatal run"; exit 1; }

# planted NAME PROGRAM: the fuzz must fail on a NEW that passes pagevet's
# report through sed PROGRAM.
planted() {
  local name=$1 program=$2
  cat >"$work/$name" <<EOF
#!/usr/bin/env bash
"$pagevet" "\$@" | sed '$program'
exit \${PIPESTATUS[0]}
EOF
  chmod +x "$work/$name"
  if "$here/run.sh" --bin "$bin" --seed 7 --findings "$work/$name.findings" 60 "$pagevet" \
       "$work/$name" >"$work/$name.log" 2>&1; then
    cat "$work/$name.log"
    echo "the planted fault ($name) was not found"
    exit 1
  fi
}

# One byte of an incomplete-tag diagnostic on lines numbered ...7.
planted one-page 's/^\( *[0-9]*7\), Incomplete tag/\1, Incomplete tog/'
grep -q 'differs alone' "$work/one-page.log" &&
  [ "$(find "$work"/one-page.findings/*/page -type f | wc -l)" -eq 1 ] ||
  { cat "$work/one-page.log"; echo "the planted fault was not reduced to one page"; exit 1; }

# One byte of line 20000 of the report, which no one page reaches.
planted many-pages '20000s/^./#/'
grep -q 'no page differs alone, the first [0-9]* pages do' "$work/many-pages.log" &&
  [ -n "$(find "$work"/many-pages.findings/*/pages -type f)" ] ||
  { cat "$work/many-pages.log"; echo "the planted fault was not reduced to pages"; exit 1; }
echo "the planted faults were found and reduced"
