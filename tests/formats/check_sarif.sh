#!/usr/bin/env bash
# The sarif report passes the SARIF Multitool's validator without an error,
# on pages with every finding, on a run cut short by a fatal error and on a
# run that finds nothing. Skipped (status 77) where the validator is not
# installed; it is looked for in $SARIF_MULTITOOL (which must then be
# there: CI sets it), on PATH as Sarif.Multitool, then in npm's global
# packages (npm install -g @microsoft/sarif-multitool-linux).
#   check_sarif.sh PAGEVET GOLDEN_DIR [--github] [--tree DIR]... [--gensite GENSITE]
# --github adds the rules of GitHub code scanning (--rule-kind Gh) to the
# validator's own, so that a log it would refuse or show poorly fails too;
# --tree adds a run with /d on the pages of DIR ('*.htm'), and --gensite a
# run on 300 pages made by the bench's site generator.
set -euo pipefail
pagevet=$(realpath "$1")
golden=$(realpath "$2")
shift 2
regles=Sarif
trees=()
gensite=
while [ $# -gt 0 ]; do
  case $1 in
    --github) regles='Sarif;Gh' ;;
    --tree) trees+=("$(realpath "$2")"); shift ;;
    --gensite) gensite=$(realpath "$2"); shift ;;
    *) echo "check_sarif.sh: unknown argument $1" >&2; exit 2 ;;
  esac
  shift
done

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
mkdir "$work/logs"
sarif() {
  local name=$1 tree=$2
  shift 2
  mkdir -p "$work/$name"
  cp -RL "$tree/." "$work/$name/"
  (cd "$work/$name" && "$pagevet" --format=sarif "$@" >"$work/logs/$name.sarif" 2>/dev/null) || true
}
sarif every "$golden/pages/every-finding" '*.htm' /d
sarif fatal "$golden/fatal-keyword-too-long/tree" '*.htm' /d
sarif none "$golden/pages/every-finding" nothing.htm
for tree in ${trees[@]+"${trees[@]}"}; do
  sarif "tree-$(basename "$tree")" "$tree" '*.htm' /d
done
if [ -n "$gensite" ]; then
  "$gensite" -n 300 -s 1 "$work/generated-site" >/dev/null
  sarif generated "$work/generated-site" '*.htm' /d
fi
logs=$(ls "$work/logs" | wc -l)

# The validator's own exit status says nothing of what it found: its
# messages (FILE(LINE,COLUMN): error RULE: ...) and its log do.
export DOTNET_SYSTEM_GLOBALIZATION_INVARIANT=1
"$tool" validate --rule-kind "$regles" -o "$work/validation.sarif" "$work"/logs/*.sarif \
  >"$work/messages" 2>&1 || true
cat "$work/messages"
if grep -Eq ': error [A-Z]+[0-9]+:' "$work/messages" || grep -q '"level": *"error"' "$work/validation.sarif" ||
   ! grep -q 'Analysis completed successfully' "$work/messages"; then
  echo "the sarif reports do not validate (rules: $regles); errors by rule:" >&2
  grep -Eo ': error [A-Z]+[0-9]+:' "$work/messages" | sort | uniq -c >&2 || true
  exit 1
fi
echo "$logs sarif reports validate (rules: $regles)"
