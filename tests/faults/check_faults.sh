#!/usr/bin/env bash
# Host faults injected into pagevet by the preloaded library faults/pannes.c,
# in every format at 1, 2 and 8 jobs. Each must end the run or be reported
# with status 2, its `pagevet: ` line on standard error naming the path and
# the host's reason; the json and sarif documents must still parse and hold
# it. With the library loaded and no fault asked, the output is unchanged.
#
#   tests/faults/check_faults.sh PAGEVET LIBRARY
set -uo pipefail
pagevet=$(realpath "$1")
shim=$(realpath "$2")
export LC_ALL=C

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
site=$work/site
mkdir -p "$site/sub"
pages=$(cd "$(dirname "$0")/../golden/pages" && pwd)
cp "$pages/clean.htm" "$site/a.htm"
cp "$pages/clean.htm" "$site/sub/c.htm"
# A page of several blocks whose one finding is on its last line: a read
# error after the first block must not make it pass.
{ cat "$pages/clean.htm"; for i in $(seq 20000); do echo "plain text line $i"; done; echo '<blink>'; } \
  >"$site/b.htm"

failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# run FORMAT JOBS [VAR=VALUE...]: pagevet on the site with the library and
# the given settings; fills $work/out, $work/err and $status.
run() {
  local format=$1 jobs=$2
  shift 2
  status=0
  (cd "$site" && env "$@" LD_PRELOAD="$shim" timeout 60 "$pagevet" --format="$format" \
    --jobs="$jobs" '*.htm' >"$work/out" 2>"$work/err") || status=$?
}

# expect WHAT LINE: status 2, LINE once on stderr, and a parsable document
# that holds LINE's text for json and sarif.
expect() {
  local what=$1 line=$2
  if [ "$status" != 2 ]; then fail "$what: status $status, expected 2"; fi
  if [ "$(grep -cxF "pagevet: $line" "$work/err")" != 1 ]; then
    fail "$what: standard error lacks 'pagevet: $line' once:"
    head -5 "$work/err"
  fi
  case $format in
    json | sarif)
      if ! python3 - "$work/out" "$line" <<'PY'; then fail "$what: document"; fi
import json, sys
with open(sys.argv[1], encoding="utf-8") as f:
    document = json.load(f)
def strings(v):
    if isinstance(v, dict):
        for x in v.values(): yield from strings(x)
    elif isinstance(v, list):
        for x in v: yield from strings(x)
    elif isinstance(v, str):
        yield v
sys.exit(0 if any(sys.argv[2] in s for s in strings(document)) else 1)
PY
      ;;
  esac
}

read_error='b.htm: Probleme en lecture sur fichier [b.htm]: Input/output error (ligne 40 de lecteurlignes)'
for format in text gnu json sarif; do
  run "$format" 1
  cp "$work/out" "$work/plain"
  plain_status=$status
  for jobs in 1 2 8; do
    # Loaded but idle, the library changes nothing.
    run "$format" "$jobs" PAGEVET_FAULT_PATH=nothing
    if [ "$status" != 1 ] || [ -s "$work/err" ]; then fail "$format/$jobs idle: status $status"; fi
    if [ "$format" != sarif ] && ! cmp -s "$work/plain" "$work/out"; then
      fail "$format/$jobs idle: output differs"
    fi
    [ "$plain_status" = 1 ] || fail "$format: plain run status $plain_status"

    # A read error on the first block and on a later one.
    for at in 1 2; do
      run "$format" "$jobs" PAGEVET_FAULT=read PAGEVET_FAULT_PATH=b.htm PAGEVET_FAULT_AT=$at
      expect "$format/$jobs read $at" "$read_error"
      if grep -q '20015' "$work/out"; then fail "$format/$jobs read $at: finding after the error"; fi
    done

    # An interrupted read is tried again: neither an error nor an end.
    for at in 1 2; do
      run "$format" "$jobs" PAGEVET_FAULT=read PAGEVET_FAULT_PATH=b.htm PAGEVET_FAULT_AT=$at \
        PAGEVET_FAULT_ERRNO=EINTR
      if [ "$status" != 1 ] || [ -s "$work/err" ]; then fail "$format/$jobs EINTR $at: status $status"; fi
      if [ "$format" != sarif ] && ! cmp -s "$work/plain" "$work/out"; then
        fail "$format/$jobs EINTR $at: output differs"
      fi
    done

    # An entry that cannot be looked at, in every pass: reported once, and
    # the other pages are examined.
    run "$format" "$jobs" PAGEVET_FAULT=stat PAGEVET_FAULT_PATH=c.htm PAGEVET_FAULT_TIMES=0
    expect "$format/$jobs stat" "cannot look at 'sub/c.htm': Input/output error"
    if ! grep -q '20015' "$work/out"; then fail "$format/$jobs stat: pages not examined"; fi

    # A listing that fails part-way.
    run "$format" "$jobs" PAGEVET_FAULT=readdir PAGEVET_FAULT_PATH=/sub PAGEVET_FAULT_AT=2
    expect "$format/$jobs readdir" "cannot open directory 'sub': Input/output error"

    # A page that cannot be opened ends the run, as it always has.
    run "$format" "$jobs" PAGEVET_FAULT=open PAGEVET_FAULT_PATH=b.htm PAGEVET_FAULT_ERRNO=EACCES
    expect "$format/$jobs open" "b.htm: L'ouverture de [b.htm] a echoue (ligne 69 de ficbase)"
  done
done

if [ $failures -gt 0 ]; then
  echo "faults: $failures failure(s)"
  exit 1
fi
echo "faults: all checks passed"
