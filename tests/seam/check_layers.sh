#!/usr/bin/env bash
# Fails when an include runs back up the layers: run/ -> report/ -> checker/
# -> files/, html/, datetime/ -> foundation/ -> platform/. A folder may
# include its own layer and those below it, never one above.
#
#   tests/seam/check_layers.sh [ROOT]    (ROOT: the source tree, default ..)
set -euo pipefail
root=${1:-$(cd "$(dirname "$0")/../.." && pwd)}
cd "$root"

rang() {
  case $1 in
    platform) echo 0 ;; foundation) echo 1 ;; files|html|datetime) echo 2 ;;
    checker) echo 3 ;; report) echo 4 ;; run) echo 5 ;; *) echo -1 ;;
  esac
}

found=0
for dir in platform foundation files html datetime checker report run; do
  own=$(rang "$dir")
  while IFS= read -r line; do
    file=${line%%:*}
    target=$(printf '%s' "$line" | sed -E 's/.*#[[:space:]]*include[[:space:]]*"([a-z]+)\/.*/\1/')
    if [ "$(rang "$target")" -gt "$own" ]; then
      echo "$line: $dir/ may not include $target/" >&2
      found=1
    fi
  done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[a-z]+/' "$dir" --include='*.h' --include='*.cpp' || true)
done
if [ $found -ne 0 ]; then
  echo "an include runs back up the layers" >&2
  exit 1
fi
echo "every include runs downward"
