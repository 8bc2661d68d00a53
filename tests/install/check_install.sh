#!/usr/bin/env bash
# Installs a build into a fresh prefix with `cmake --install --strip` and
# checks that it holds the program (stripped), its compressed manual page and
# the README, and that the installed program gives the expected report on
# the sample site.
set -euo pipefail
build=$1
here=$(cd "$(dirname "$0")" && pwd)
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" --strip >/dev/null
for f in bin/pagevet share/man/man1/pagevet.1.gz share/doc/pagevet/README.md; do
  [ -f "$prefix/$f" ] || { echo "missing after install: $f" >&2; exit 1; }
done
[ -x "$prefix/bin/pagevet" ] || { echo "bin/pagevet is not executable" >&2; exit 1; }
if command -v readelf >/dev/null && readelf -S "$prefix/bin/pagevet" | grep -q '\.debug_info'; then
  echo "bin/pagevet is not stripped" >&2
  exit 1
fi
# Nothing else: the benchmark tools and the tests stay in the build.
extra=$(cd "$prefix" && find . -type f | sort | grep -v -x -e ./bin/pagevet \
          -e ./share/man/man1/pagevet.1.gz -e ./share/doc/pagevet/README.md || true)
[ -z "$extra" ] || { echo "unexpected files installed:" >&2; echo "$extra" >&2; exit 1; }
bash "$here/../golden/run_case.sh" "$prefix/bin/pagevet" "$here/../golden/examples-site"
