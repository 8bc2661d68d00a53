#!/usr/bin/env bash
# Differential fuzz of the scan: for SECONDS, writes batches of pages
# (pagevet_fuzzpages: random and mutated pages, and pages built around the
# line pieces, the read blocks, comments, line ends and character sets), runs
# OLD and NEW on each batch in each mode ('*.htm' alone, /s, /d) under
# LC_ALL=C and LC_ALL=C.UTF-8, and compares their standard output, standard
# error and exit status byte for byte.
#
#   tests/differential/run.sh [--pages N] [--batches N] [--seed S]
#       [--jobs-list J[,J...]] [--bin DIR] [--findings DIR]
#       SECONDS OLD NEW [NEW-ARG...]
#
# NEW-ARGs go before NEW's other arguments (such as --jobs=8); with
# --jobs-list, NEW runs once per J with --jobs=J added. Every fifth batch is
# of pages that mostly end a /d run with a fatal error; a run that ends so is
# run again, by both, on the pages after the failing one. On a difference the
# batch, the outputs and the one page that differs alone (or else the
# shortest run of pages that differs) go to the findings directory (default
# build/differential/findings) and the script fails. --bin DIR takes
# pagevet_fuzzpages and pagevet_gensite from DIR instead of building the
# bench preset; --seed defaults to the time, and is printed; --batches stops
# after that many batches, if SECONDS have not run out first.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
. "$root/bench/common.sh"

usage() {
  echo "usage: $0 [--pages N] [--batches N] [--seed S] [--jobs-list J[,J...]] [--bin DIR]" \
       "[--findings DIR] SECONDS OLD NEW [NEW-ARG...]" >&2
  exit 2
}
pages=250
max_batches=
seed=$(date +%s)
jobs_list=
bin=
findings=$root/build/differential/findings
while [ $# -gt 0 ]; do
  case $1 in
    --pages) pages=$2; shift 2 ;;
    --batches) max_batches=$2; shift 2 ;;
    --seed) seed=$2; shift 2 ;;
    --jobs-list) jobs_list=$2; shift 2 ;;
    --bin) bin=$(cd "$2" && pwd); shift 2 ;;
    --findings) findings=$2; shift 2 ;;
    -*) usage ;;
    *) break ;;
  esac
done
[ $# -ge 3 ] || usage
seconds=$1
old=$(realpath "$2")
new=$(realpath "$3")
shift 3
new_args=("$@")
if [ -z "$bin" ]; then
  (cd "$root" && cmake --preset bench >/dev/null && cmake --build --preset bench >/dev/null)
  bin=$root/build/bench
fi

# Each variant is one run of NEW: its extra arguments, as one word list.
variants=("")
if [ -n "$jobs_list" ]; then
  variants=()
  IFS=, read -r -a jobs <<<"$jobs_list"
  for j in "${jobs[@]}"; do variants+=("--jobs=$j"); done
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/pagevet-differential.XXXXXX")
trap 'rm -rf "$work"' EXIT

# The corpus of pages to mutate: every page of the golden trees, and a small
# site of the benchmark's generator.
"$bin/pagevet_gensite" -n 120 -s "$seed" "$work/site" >/dev/null
{ find -L "$root"/tests/golden/*/tree -type f; find "$work/site" -type f -name '*.htm'; } |
  LC_ALL=C sort >"$work/corpus"

batches=0
page_count=0
bytes=0
runs=0
page_runs=0
fatal_runs=0

# The pages of tree $1 in the order pagevet examines them (its paths, '\'
# between directories, sorted byte by byte), one a line, with '/' again.
pages_in_order() {
  (cd "$1" && find . -type f | sed 's|^\./||; s|/|\\|g' | LC_ALL=C sort | sed 's|\\|/|g')
}

# Runs OLD and variant $4 of NEW on tree $1 in mode $2 under locale $3.
# Returns 1 on a difference, leaving the runs in $work/old.* and $work/new.*.
compare_run() {
  local dir=$1 mode=$2 locale=$3 variant=$4 what
  run_captured "$work/new" "$dir" "$locale" "$new" "${new_args[@]}" $variant '*.htm' $mode
  what=$(compare_captured "$work/old" "$work/new")
  runs=$((runs + 1))
  if [ -n "$what" ]; then
    echo "DIFFERENT: '*.htm'${mode:+ $mode} LC_ALL=$locale ${new_args[*]} $variant: $what"
    return 1
  fi
}

# A fatal error ended OLD's run: the last header line names the failing page.
# Removes it and every page before it from tree $1; returns 1 when none is
# left or the report cannot be matched with the tree.
drop_examined() {
  local dir=$1 examined last number
  examined=$(grep -ac '^zq[0-9]' "$work/old.out" || true)
  last=$(grep -a '^zq[0-9]' "$work/old.out" | tail -n 1)
  number=$(grep -ao '[pP][0-9][0-9][0-9][0-9]*\.' <<<"$last" | tail -n 1 | tr -d 'pP.')
  pages_in_order "$dir" >"$work/order"
  if [ "$examined" -eq 0 ] ||
     ! sed -n "${examined}{p;q}" "$work/order" | grep -q "[pP]$number\."; then
    echo "warning: cannot tell which page ended the run; the rest of the batch is not compared" >&2
    return 1
  fi
  (cd "$dir" && head -n "$examined" "$work/order" | tr '\n' '\0' | xargs -0 rm -f)
  [ "$(wc -l <"$work/order")" -gt "$examined" ]
}

# Runs OLD once and NEW in each variant on tree $1 in mode $2 under locale
# $3, again on the rest of the pages after a fatal error. Returns 1 on a
# difference, with $work/failed naming the variant and the tree compared.
check_batch() {
  local batch=$1 mode=$2 locale=$3 variant count last
  rm -rf "$work/run"
  cp -al "$batch" "$work/run"
  for (( ; ; )); do
    run_captured "$work/old" "$work/run" "$locale" "$old" '*.htm' $mode
    count=$(find "$work/run" -type f | wc -l)
    for variant in "${variants[@]}"; do
      if ! compare_run "$work/run" "$mode" "$locale" "$variant"; then
        printf '%s\n' "$variant" >"$work/failed"
        return 1
      fi
      page_runs=$((page_runs + count))
    done
    last=$(tail -n 1 "$work/old.out")
    [ "$(cat "$work/old.status")" = 2 ] && [[ $last =~ ^Ligne\ [0-9]+\ de\  ]] || return 0
    fatal_runs=$((fatal_runs + 1))
    drop_examined "$work/run" || return 0
  done
}

# Whether OLD and NEW (variant $4) differ on tree $1 in mode $2 under $3.
differs() {
  run_captured "$work/o" "$1" "$3" "$old" '*.htm' $2
  run_captured "$work/n" "$1" "$3" "$new" "${new_args[@]}" $4 '*.htm' $2
  [ -n "$(compare_captured "$work/o" "$work/n")" ]
}

# Copies the pages listed in file $2 (paths under $1) into the new tree $3.
copy_pages() {
  mkdir -p "$3"
  (cd "$1" && tr '\n' '\0' <"$2" | xargs -0 cp --parents -t "$3")
}

# Keeps the batch that differs, and reduces it: the first page that differs
# alone, or else the shortest run of the first pages that differs.
keep_finding() {
  local batch=$1 mode=$2 locale=$3 variant dest page n lo hi mid tag=${2#/}
  variant=$(cat "$work/failed")
  dest=$findings/seed$seed-batch$batches-${tag:-plain}-$locale${variant:+-$variant}
  rm -rf "$dest"
  mkdir -p "$dest"
  cp -a "$work/run" "$dest/tree"
  cp "$work/old.out" "$work/old.err" "$work/old.status" "$work/new.out" "$work/new.err" \
     "$work/new.status" "$dest/"
  local generate=(pagevet_fuzzpages -s "$seed" -b "$batches" -n "$(find "$batch" -type f | wc -l)")
  [ $((batches % 5)) -ne 4 ] || generate+=(--fatal)
  local run_old=(OLD "'*.htm'" $mode) run_new=(NEW "${new_args[@]}" $variant "'*.htm'" $mode)
  {
    echo "seed $seed, batch $batches; the whole batch again: ${generate[*]} --corpus LIST DIR"
    echo "(LIST: the golden tree pages and a site of pagevet_gensite -n 120 -s $seed, sorted)"
    echo "in tree/ (what was left of the batch when they differed):"
    echo "  LC_ALL=$locale ${run_old[*]}"
    echo "  LC_ALL=$locale ${run_new[*]}"
    echo "old: $old"
    echo "new: $new"
    compare_captured "$work/old" "$work/new"
  } >"$dest/README"
  pages_in_order "$work/run" >"$work/order"
  while IFS= read -r page; do
    rm -rf "$work/one"
    printf '%s\n' "$page" >"$work/list"
    copy_pages "$work/run" "$work/list" "$work/one"
    if differs "$work/one" "$mode" "$locale" "$variant"; then
      cp -a "$work/one" "$dest/page"
      echo "the page $page differs alone: in page/" >>"$dest/README"
      echo "kept in $dest; the page $page differs alone (in page/)"
      return 0
    fi
  done <"$work/order"
  n=$(wc -l <"$work/order")
  lo=1
  hi=$n
  while [ "$lo" -lt "$hi" ]; do
    mid=$(( (lo + hi) / 2 ))
    rm -rf "$work/prefix"
    head -n "$mid" "$work/order" >"$work/list"
    copy_pages "$work/run" "$work/list" "$work/prefix"
    if differs "$work/prefix" "$mode" "$locale" "$variant"; then hi=$mid; else lo=$((mid + 1)); fi
  done
  head -n "$lo" "$work/order" >"$work/list"
  copy_pages "$work/run" "$work/list" "$dest/pages"
  echo "no page differs alone; the first $lo pages do: in pages/" >>"$dest/README"
  echo "kept in $dest; no page differs alone, the first $lo pages do (in pages/)"
}

echo "differential: seed $seed, ${pages} pages a batch, ${seconds}s"
echo "old: $old"
echo "new: $new ${new_args[*]}${jobs_list:+ with --jobs=$jobs_list}"
start=$SECONDS
while [ $((SECONDS - start)) -lt "$seconds" ] && [ "$batches" != "$max_batches" ]; do
  fatal=()
  n=$pages
  if [ $((batches % 5)) -eq 4 ]; then
    fatal=(--fatal)
    n=30
  fi
  rm -rf "$work/batch"
  "$bin/pagevet_fuzzpages" -s "$seed" -b "$batches" -n "$n" "${fatal[@]}" \
    --corpus "$work/corpus" "$work/batch" >/dev/null
  for mode in "" /s /d; do
    for locale in C C.UTF-8; do
      if ! check_batch "$work/batch" "$mode" "$locale"; then
        keep_finding "$work/batch" "$mode" "$locale"
        exit 1
      fi
    done
  done
  batches=$((batches + 1))
  page_count=$((page_count + n))
  bytes=$((bytes + $(du -sb "$work/batch" | cut -f 1)))
done
elapsed=$((SECONDS - start))
awk -v b="$batches" -v p="$page_count" -v m="$bytes" -v r="$runs" -v c="$page_runs" \
    -v f="$fatal_runs" -v s="$elapsed" 'BEGIN {
  printf "no difference: %d batches, %d pages (%.0f MB), ", b, p, m / 1e6
  printf "%d runs of NEW compared with OLD (%d of them after a fatal error), ", r, f
  printf "%d pages compared in a run\n", c
  if (s > 0)
    printf "%d s: %.0f pages, %.0f runs and %.0f page runs a minute\n", s, p * 60 / s,
           r * 60 / s, c * 60 / s
}'
