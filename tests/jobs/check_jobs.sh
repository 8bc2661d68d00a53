#!/usr/bin/env bash
# --jobs changes nothing but the time: on pages whose reports are small and
# on pages whose reports pass the 1 MiB a worker may hold, with a fatal error
# among them, and with the report going to a full disk, every format gives
# the same standard output, standard error and exit status with 2 and 8
# jobs as with one.
#   check_jobs.sh PAGEVET
set -euo pipefail
pagevet=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A page of n lines that each get an unknown-tag diagnostic, about 40 bytes
# of report a line.
long_report() { awk -v n="$1" 'BEGIN { for (i = 0; i < n; i++) print "<blink>" i "</blink>" }'; }
clean='<html>
<head>
<title>t</title>
</head>
<body>
</body>
</html>'

site=$work/site
mkdir -p "$site/a" "$site/b"
for i in 1 2 3 4 5 6 7 8 9; do printf '%s\n' "$clean" >"$site/a/p$i.htm"; done
long_report 24000 >"$site/a/q-big.htm"     # a report past 1 MiB in every format
long_report 21000 >"$site/b/big1.htm"
long_report 100 >"$site/b/small.htm"
long_report 22000 >"$site/b/big2.htm"
# With /d: a word of 512 characters ends the run inside this page.
fatal=$work/fatal
cp -R "$site" "$fatal"
{ long_report 21000; printf 'x%.0s' $(seq 1 600); echo; } >"$fatal/b/big1.htm"

failed=0
compare() {
  local dir=$1 out=$2
  shift 2
  local ref="$work/ref" got="$work/got"
  for jobs in 1 2 8; do
    local dest=$got
    [ $jobs = 1 ] && dest=$ref
    local status=0
    (cd "$dir" && "$pagevet" --jobs=$jobs "$@" >"$out" 2>"$dest.err") || status=$?
    if [ "$out" = /dev/full ]; then : >"$dest.out"; else mv "$out" "$dest.out"; fi
    echo "$status" >>"$dest.err"
    if [ $jobs != 1 ] && ! { cmp -s "$ref.out" "$got.out" && cmp -s "$ref.err" "$got.err"; }; then
      echo "--jobs=$jobs differs from --jobs=1: $* (in $(basename "$dir"), to $out)"
      failed=1
    fi
  done
}
for format in text gnu json sarif; do
  compare "$site" "$work/report" '*.htm' /d --format=$format
  compare "$fatal" "$work/report" '*.htm' /d --format=$format
  compare "$site" /dev/full '*.htm' --format=$format
done
compare "$site" "$work/report" '*.htm' --ignore=unknown-tag
[ $failed = 0 ] && echo "the same output with 1, 2 and 8 jobs"
exit $failed
