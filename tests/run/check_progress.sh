#!/usr/bin/env bash
# The progress line and the closing count on a real run, standard error on a
# pseudo-terminal and on a pipe (pty_run.py checks both): on a generated
# site, and on a run that finds nothing to examine. The progress line is
# required when the run lasts long enough to show one (two seconds on a
# pipe); a faster machine checks the rest.
#   check_progress.sh PAGEVET GENSITE PYTHON3
set -euo pipefail
pagevet=$(realpath "$1")
gensite=$(realpath "$2")
python=$3
harness=$(dirname "$(realpath "$0")")/pty_run.py
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$gensite" -n 3000 -s 1 "$work/site" >/dev/null
cd "$work/site"

# The counts the summary must give, from the jsonl report's last record.
end=$("$pagevet" --jobs=1 --format=jsonl '*.htm' /d 2>/dev/null | tail -n 1 || true)
pages=$(echo "$end" | sed 's/.*"files":\([0-9]*\).*/\1/')
findings=$(echo "$end" | sed 's/.*"findings":\([0-9]*\).*/\1/')

start=$(date +%s%N)
"$pagevet" --jobs=1 '*.htm' /d >/dev/null 2>&1 || true
elapsed=$(( ($(date +%s%N) - start) / 1000000 ))
progress=()
if [ "$elapsed" -ge 2000 ]; then progress=(--expect-progress); fi
echo "a run of $elapsed ms: ${progress[*]:-progress not required}"

failed=0
"$python" "$harness" ${progress[@]+"${progress[@]}"} --pages "$pages" --findings "$findings" \
  -- "$pagevet" --jobs=1 '*.htm' /d || failed=1
"$python" "$harness" --summary-given --pages "$pages" --findings "$findings" \
  -- "$pagevet" --jobs=2 --summary --format=gnu '*.htm' /d || failed=1
# No page at all: the error line, then a count of nothing.
"$python" "$harness" --summary-given --pages 0 --findings 0 \
  -- "$pagevet" --summary nothing.xyz || failed=1
exit $failed
