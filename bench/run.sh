#!/usr/bin/env bash
# Benchmark: builds pagevet (release), writes a synthetic site of 100
# directories x 20 pages (about 2,000 pages, 60 MB) and times full runs of
# `pagevet '*.htm' /d` and `pagevet '*.htm'` over it. Use hyperfine when it
# is installed; otherwise three timed runs each.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset default >/dev/null
cmake --build --preset default --target pagevet >/dev/null
pagevet=$PWD/build/default/pagevet

site=$(mktemp -d)
trap 'rm -rf "$site"' EXIT
python3 bench/gensite.py "$site" "${DIRS:-100}" "${PAGES:-20}"
echo "site: $(find "$site" -type f | wc -l) pages, $(du -sh "$site" | cut -f1)"

cd "$site"
if command -v hyperfine >/dev/null; then
  hyperfine --warmup 1 "$pagevet '*.htm' /d >/dev/null" "$pagevet '*.htm' >/dev/null"
else
  for args in "/d" ""; do
    for _ in 1 2 3; do
      /usr/bin/time -f "pagevet '*.htm' $args: %e s, %M KiB" "$pagevet" '*.htm' $args >/dev/null
    done
  done
fi
