#!/bin/bash
# The committed ISO code tables are what the generator makes from the
# installed iso-codes JSON files (skipped, status 77, where they are missing).
set -u
racine=$1
if ! command -v python3 > /dev/null || [ ! -f /usr/share/iso-codes/json/iso_639-3.json ]; then
  echo "iso-codes or python3 missing: skipped"
  exit 77
fi
python3 "$racine/checker/tablesiso.py" | diff -u "$racine/checker/tablesiso.cpp" - || {
  echo "checker/tablesiso.cpp differs from what checker/tablesiso.py generates" >&2
  exit 1
}
