#!/usr/bin/env bash
# Code scanning refuses a SARIF run of more than 25,000 results: a run of
# exactly 25,000 says nothing more, one of 25,001 gets one line on standard
# error naming how to narrow it; the log itself and the status are the same
# as ever. The pages are made here: one line with two tags in the HEAD
# section is one finding.
#   check_sarif_limit.sh PAGEVET
set -euo pipefail
pagevet=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0

# A page whose HEAD section holds n lines of two tags each.
page() {
  { echo '<head>'; seq "$1" | sed 's|.*|<b><i>|'; echo '</head>'; } >"$work/index.htm"
}
page 0
base=$( (cd "$work" && "$pagevet" --format=gnu || true) | wc -l)

for results in 25000 25001; do
  page $((results - base))
  status=0
  (cd "$work" && "$pagevet" --format=sarif >"$work/log" 2>"$work/err") || status=$?
  written=$(grep -o '"ruleId"' "$work/log" | wc -l)
  if [ "$written" != "$results" ] || [ "$status" != 1 ]; then
    echo "$results results: the log holds $written, status $status"
    failed=1
  fi
  if [ "$results" = 25000 ]; then want=''; else
    want="pagevet: 25001 results: code scanning refuses a run of more than 25000; narrow it with --ignore=ID,... for the most frequent ids, or judge the pages with --modern (--fail-level changes the exit status only, not the results)"
  fi
  if [ "$(cat "$work/err")" != "$want" ]; then
    echo "$results results: standard error holds:"
    cat "$work/err"
    failed=1
  fi
done
# Other formats have no such limit and say nothing.
(cd "$work" && "$pagevet" --format=json >/dev/null 2>"$work/err") || true
if [ -s "$work/err" ]; then
  echo "json: standard error holds:"
  cat "$work/err"
  failed=1
fi
exit $failed
