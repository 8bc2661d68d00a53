#!/usr/bin/env bash
# The host calls a small page costs, counted by strace: one open, one read
# and one close, whether the page was found by the walk or named by --files,
# at 1 and 2 jobs. Skipped (77) where strace is missing or cannot trace.
#
#   tests/faults/check_calls.sh PAGEVET
set -uo pipefail
pagevet=$(realpath "$1")
export LC_ALL=C
if ! command -v strace >/dev/null || ! strace -o /dev/null true 2>/dev/null; then
  echo "calls: strace cannot run here, skipped"
  exit 77
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
pages=$(cd "$(dirname "$0")/../golden/pages" && pwd)
mkdir -p "$work/site/sub"
for page in a.htm b.htm sub/c.htm; do cp "$pages/clean.htm" "$work/site/$page"; done
printf 'a.htm\nsub/c.htm\n' >"$work/list"

failures=0
# calls ARGS...: each page's calls on the descriptor it is read through,
# from its open to its close, one line a page: "page: openat read close".
# (The list's own check of each path opens it without reading it.)
calls() {
  rm -f "$work"/trace.*
  (cd "$work/site" && strace -ff -qq -o "$work/trace" "$pagevet" "$@" >/dev/null 2>&1)
  # One trace a thread, lines "call(args) = result": a descriptor is
  # followed from the open that gave it to its close.
  awk '
    FNR == 1 { delete suivi }
    /^openat\([^"]*"[^"]*\.htm"/ && / = [0-9]+$/ {
      split($0, mots, "\""); suivi[$NF] = mots[2]; vu[$NF] = "openat"; next
    }
    {
      appel = $0; sub(/\(.*/, "", appel)
      args = $0; sub(/^[a-z0-9_]+\(/, "", args); split(args, a, /[,)]/)
      if (a[1] in suivi) {
        vu[a[1]] = vu[a[1]] " " appel
        if (appel == "close") { print suivi[a[1]] ": " vu[a[1]]; delete suivi[a[1]] }
      }
    }' "$work"/trace.* | grep ' read' | sort
}

for jobs in 1 2; do
  got=$(calls --jobs=$jobs '*.htm' /s)
  want=$(printf '%s: openat read close\n' a.htm b.htm sub/c.htm)
  [ "$got" = "$want" ] || { echo "FAIL: walk, $jobs jobs:"; echo "$got"; failures=$((failures + 1)); }
  got=$(calls --jobs=$jobs --files-from="$work/list")
  want=$(printf '%s: openat read close\n' a.htm sub/c.htm)
  [ "$got" = "$want" ] || { echo "FAIL: --files, $jobs jobs:"; echo "$got"; failures=$((failures + 1)); }
done

if [ $failures -gt 0 ]; then
  echo "calls: $failures failure(s)"
  exit 1
fi
echo "calls: one open, one read and one close a small page"
