#!/usr/bin/env bash
# The sarif report passes the SARIF Multitool's validator without an error,
# on pages with every finding, on a run cut short by a fatal error and on a
# run that finds nothing. Skipped (status 77) where the validator is not
# installed; it is looked for in $SARIF_MULTITOOL (which must then be
# there: CI sets it), on PATH as Sarif.Multitool, then in npm's global
# packages (npm install -g @microsoft/sarif-multitool-linux).
#   check_sarif.sh PAGEVET GOLDEN_DIR
set -euo pipefail
pagevet=$(realpath "$1")
golden=$(realpath "$2")

tool=${SARIF_MULTITOOL:-}
if [ -n "$tool" ] && [ ! -x "$tool" ]; then
  echo "SARIF_MULTITOOL=$tool is not an executable" >&2
  exit 1
fi
[ -n "$tool" ] || tool=$(command -v Sarif.Multitool || true)
if [ -z "$tool" ] && command -v npm >/dev/null; then
  candidate="$(npm root -g 2>/dev/null)/@microsoft/sarif-multitool-linux/Sarif.Multitool"
  [ -x "$candidate" ] && tool=$candidate
fi
if [ -z "$tool" ]; then
  echo "the SARIF Multitool is not installed: skipped"
  exit 77
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
sarif() {
  local name=$1 tree=$2
  shift 2
  mkdir -p "$work/$name"
  cp -RL "$tree/." "$work/$name/"
  (cd "$work/$name" && "$pagevet" --format=sarif "$@" >"$work/$name.sarif" 2>/dev/null) || true
}
sarif every "$golden/pages/every-finding" '*.htm' /d
sarif fatal "$golden/fatal-keyword-too-long/tree" '*.htm' /d
sarif none "$golden/pages/every-finding" nothing.htm

# The validator's own exit status says nothing of what it found: its
# messages and its log do.
export DOTNET_SYSTEM_GLOBALIZATION_INVARIANT=1
"$tool" validate -o "$work/validation.sarif" "$work"/*.sarif >"$work/messages" 2>&1 || true
cat "$work/messages"
if grep -Eq ': error [A-Z]+[0-9]+:' "$work/messages" || grep -q '"level": *"error"' "$work/validation.sarif" ||
   ! grep -q 'Analysis completed successfully' "$work/messages"; then
  echo "the sarif reports do not validate" >&2
  exit 1
fi
echo "3 sarif reports validate"
