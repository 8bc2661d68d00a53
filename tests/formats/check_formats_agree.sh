#!/usr/bin/env bash
# The five report formats say the same on a generated site: pagevet runs on
# it with /d in each format and pagevet_accord compares them.
#   check_formats_agree.sh PAGEVET GENSITE ACCORD [PAGES]
set -euo pipefail
pagevet=$(realpath "$1")
gensite=$(realpath "$2")
accord=$(realpath "$3")
pages=${4:-2000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$gensite" -n "$pages" -s 1 "$work/site" >/dev/null
cd "$work/site"
run() { LC_ALL=C.UTF-8 "$pagevet" '*.htm' /d "$@" || [ $? -eq 1 ]; }
run >"$work/report.txt"
run --format=gnu >"$work/report.gnu"
run --format=json >"$work/report.json"
run --format=sarif >"$work/report.sarif"
run --format=jsonl >"$work/report.jsonl"
"$accord" "$work/report.json" "$work/report.txt" "$work/report.gnu" "$work/report.sarif" \
  "$work/report.jsonl"
