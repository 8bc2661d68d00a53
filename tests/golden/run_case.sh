#!/usr/bin/env bash
# Runs one end-to-end case: copies the case's tree into a fresh temporary
# directory, runs its setup script there if it has one, runs pagevet there
# with the case's arguments (one per line in `args`), and compares what it
# wrote with the case's files, byte for byte:
#   expected  standard output (absent: nothing)
#   stderr    standard error (absent: nothing)
#   status    the exit status (absent: 0)
# and these settings:
#   locale    LC_ALL for the run (absent: C, so code page 850 output)
#   stdout    where standard output goes: pipe (the default), file, full
#             (/dev/full), closed, or stderr (the same pipe as stderr, 2>&1)
#   runner    a command that runs pagevet (such as setpriv, to drop root)
#   compare   json: standard output is a JSON document (the json and sarif
#             reports), compared with `expected` as parsed values by the
#             tool given as third argument; the run's directory in a file
#             URI reads as file:///WORK/
# With PAGEVET_JOBS=N in the environment the run gets --jobs=N before its
# arguments: the same case must give the same bytes whatever the number of
# pages examined at once. A case with a `nojobs` file (one that prints the
# options in effect) runs without it.
# With PAGEVET_BLESS=1 in the environment the case's expected, stderr and
# status files are written from the run instead (review them before
# committing).
set -euo pipefail
pagevet=$(realpath "$1")
case_dir=$(realpath "$2")
json_egal=${3:-}

work=$(mktemp -d)
out=$(mktemp -d)
trap 'chmod -R u+rwx "$work" 2>/dev/null; rm -rf "$work" "$out" ${bin:+"$bin"}' EXIT
# Pages shared by several cases are symbolic links into pages/: the copy
# follows them, so every case gets files of its own.
if [ -d "$case_dir/tree" ]; then
  cp -RL --preserve=mode "$case_dir/tree/." "$work/"
fi
if [ -f "$case_dir/setup.sh" ]; then
  (cd "$work" && bash "$case_dir/setup.sh")
fi

args=()
if [ -f "$case_dir/args" ]; then
  mapfile -t args < "$case_dir/args"
fi
if [ -n "${PAGEVET_JOBS:-}" ] && [ ! -f "$case_dir/nojobs" ]; then
  args=("--jobs=$PAGEVET_JOBS" ${args[@]+"${args[@]}"})
fi
locale=C
[ -f "$case_dir/locale" ] && read -r locale < "$case_dir/locale"
stdout=pipe
[ -f "$case_dir/stdout" ] && read -r stdout < "$case_dir/stdout"

# A case may run pagevet through a command such as setpriv (to drop root):
# the tree and a copy of the binary are then made readable by everyone.
runner=()
if [ -f "$case_dir/runner" ]; then
  read -r -a runner < "$case_dir/runner"
  bin=$(mktemp -d)
  cp "$pagevet" "$bin/pagevet"
  chmod 755 "$bin" "$work"
  pagevet=$bin/pagevet
fi

run() { (cd "$work" && LC_ALL=$locale "${runner[@]}" "$pagevet" "${args[@]}"); }
# A pipe read by cat, as a reader of the report would read it.
piped() {
  mkfifo "$out/fifo"
  cat "$out/fifo" >"$out/stdout" &
  local reader=$!
  "$@" >"$out/fifo" || status=$?
  wait "$reader"
}
status=0
: >"$out/stdout"
: >"$out/stderr"
case $stdout in
  pipe) piped run 2>"$out/stderr" ;;
  stderr) piped run 2>&1 ;;
  file) run >"$out/stdout" 2>"$out/stderr" || status=$? ;;
  full) run >/dev/full 2>"$out/stderr" || status=$? ;;
  closed) run >&- 2>"$out/stderr" || status=$? ;;
  *) echo "unknown stdout setting: $stdout" >&2; exit 2 ;;
esac

compare_as=bytes
[ -f "$case_dir/compare" ] && read -r compare_as < "$case_dir/compare"
if [ "$compare_as" = json ]; then
  sed -i "s|file://$work/|file:///WORK/|g" "$out/stdout"
fi

if [ "${PAGEVET_BLESS:-}" = 1 ]; then
  if [ "$compare_as" = json ]; then
    "$json_egal" --pretty "$out/stdout" >"$case_dir/expected"
  else
    cp "$out/stdout" "$case_dir/expected"
  fi
  if [ -s "$out/stderr" ]; then cp "$out/stderr" "$case_dir/stderr"; else rm -f "$case_dir/stderr"; fi
  if [ "$status" != 0 ]; then echo "$status" >"$case_dir/status"; else rm -f "$case_dir/status"; fi
fi

failed=0
compare() {
  local name=$1 expected=$2 actual=$3
  if ! cmp -s "$expected" "$actual"; then
    echo "$name differs from $expected:"
    diff <(od -c "$expected") <(od -c "$actual") | head -40 || true
    failed=1
  fi
}
if [ "$compare_as" = json ]; then
  if ! "$json_egal" "$case_dir/expected" "$out/stdout"; then
    echo "stdout differs from $case_dir/expected as JSON"
    failed=1
  fi
else
  compare stdout <(cat "$case_dir/expected" 2>/dev/null || true) "$out/stdout"
fi
compare stderr <(cat "$case_dir/stderr" 2>/dev/null || true) "$out/stderr"
want=0
[ -f "$case_dir/status" ] && read -r want < "$case_dir/status"
if [ "$status" != "$want" ]; then
  echo "exit status $status, expected $want"
  failed=1
fi
exit $failed
