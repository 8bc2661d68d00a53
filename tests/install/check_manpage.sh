#!/usr/bin/env bash
# Renders a manual page with groff's warnings on, and with man's when man
# is installed, and fails on any warning. Exits 77 (skipped) without groff.
set -euo pipefail
page=$1
if ! command -v groff >/dev/null; then
  echo "groff is not installed: manual page not checked" >&2
  exit 77
fi
warnings=$(mktemp)
trap 'rm -f "$warnings"' EXIT
for device in utf8 ascii; do
  groff -man -T"$device" -ww -z "$page" 2>>"$warnings"
done
if command -v man >/dev/null; then
  MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>>"$warnings" >/dev/null
fi
if [ -s "$warnings" ]; then
  echo "warnings rendering $page:" >&2
  cat "$warnings" >&2
  exit 1
fi
