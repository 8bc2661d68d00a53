#!/usr/bin/env bash
# The seam check must fail on a host call planted in the checker: copies the
# program's code, adds a stat() call to checker/, and expects the check to
# refuse it (and to accept the unchanged copy).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
cp -R "$root/foundation" "$root/html" "$root/files" "$root/checker" "$root/report" "$root/run" "$root/datetime" "$copy/"
bash "$here/check_host_calls.sh" "$copy" >/dev/null
cat >> "$copy/checker/examen.cpp" <<'CODE'
#include <sys/stat.h>
bool planted(const char* path) { struct stat s; return stat(path, &s) == 0; }
CODE
if bash "$here/check_host_calls.sh" "$copy" >/dev/null 2>&1; then
  echo "the seam check missed a stat() call planted in checker/" >&2
  exit 1
fi
echo "the planted call was found"
