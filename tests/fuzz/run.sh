#!/usr/bin/env bash
# Builds the libFuzzer harnesses (preset "fuzz", clang, ASan + UBSan, in
# build/fuzz) and runs each for SECONDS, or only the harnesses named after it.
# New inputs go to build/fuzz/corpus/<harness>; the committed seeds under
# tests/fuzz/corpus/<harness> are read, never written. Any finding (crash,
# sanitizer report, leak, timeout, out of memory) fails the script and leaves
# its input in build/fuzz/findings/.
set -euo pipefail
if [ $# -lt 1 ]; then
  echo "usage: $0 SECONDS [examen|html|arguments|meta]..." >&2
  exit 2
fi
seconds=$1
shift
harnesses=("$@")
[ ${#harnesses[@]} -gt 0 ] || harnesses=(examen html arguments meta)

root=$(cd "$(dirname "$0")/../.." && pwd)
cd "$root"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

# Longest input per harness: a page long enough to be read in several
# 8191-byte pieces, a few lines of text, a command line (its analysis is
# quadratic in the argument count with completion on), one line.
declare -A max_len=([examen]=20000 [html]=4096 [arguments]=128 [meta]=8400)

build=$root/build/fuzz
mkdir -p "$build/findings"
passed=0
failed=0
for h in "${harnesses[@]}"; do
  [ -n "${max_len[$h]:-}" ] || { echo "unknown harness: $h" >&2; exit 2; }
  mkdir -p "$build/corpus/$h"
  echo "== fuzz_$h: ${seconds}s"
  if ! "$build/tests/fuzz/fuzz_$h" "$build/corpus/$h" "$root/tests/fuzz/corpus/$h" \
      -max_total_time="$seconds" -max_len="${max_len[$h]}" -timeout=10 -rss_limit_mb=2048 \
      -artifact_prefix="$build/findings/$h-" -print_final_stats=1 2>"$build/fuzz_$h.log"; then
    tail -60 "$build/fuzz_$h.log"
    echo "== fuzz_$h: FINDING (input saved under $build/findings/)"
    failed=$((failed + 1))
  else
    passed=$((passed + 1))
    grep -E '^(stat::number_of_executed_units|Done)' "$build/fuzz_$h.log" || true
    grep -E 'cov: ' "$build/fuzz_$h.log" | tail -1 || true
  fi
done
echo "fuzz: $passed passed, $failed failed"
[ $failed -eq 0 ]
