#!/usr/bin/env bash
# Runs the repository's pre-commit hook as pre-commit would: in a small git
# repository, the hook's entry with its arguments and the staged HTML pages'
# names. Only those pages are examined, each once, whatever their names hold
# ('*', '?', a space, a leading '-'), none of the pages of the same name
# elsewhere in the tree, and none that the configuration file leaves out.
#
#   tests/repo/check_precommit_hook.sh PAGEVET [ROOT]   (ROOT: the source tree)
set -euo pipefail
pagevet=$(realpath "$1")
root=$(realpath "${2:-$(dirname "$0")/../..}")
hooks="$root/.pre-commit-hooks.yaml"

fail() { echo "FAIL: $*" >&2; exit 1; }
command -v git >/dev/null || { echo "git is missing: skipped"; exit 77; }

# The hook as declared.
field() { sed -n "s/^ *$1: *//p" "$hooks"; }
[ "$(sed -n 's/^- id: *//p' "$hooks")" = pagevet ] || fail "no hook with id pagevet"
[ "$(field language)" = system ] || fail "language is not system"
[ "$(field types)" = "[html]" ] || fail "types is not [html]"
[ "$(field pass_filenames)" = true ] || fail "pass_filenames is not true"
read -r -a entry <<< "$(field entry)"
[ "${entry[0]}" = pagevet ] || fail "the entry does not run pagevet"
entry[0]=$pagevet

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
git init -q .
git config user.email hook@example.org
git config user.name hook

page() {
  mkdir -p -- "$(dirname -- "$1")"
  printf '<html>\n<head>\n<title>%s</title>\n</head>\n<body>\n</body>\n</html>\n' "$1" > "$1"
}
# Committed before: pages of the same names in other folders.
page x/docs/a.html
page node_modules/pkg/docs/a.html
page docs/old.html
git add -A && git commit -qm before
# Staged now: the pages to examine, a page the configuration leaves out, a
# file that is no page, and a change to a committed page that is not staged.
page docs/a.html
page sub/b.html
page 'odd*name?.html'
page 'with space.htm'
page -dash.html
page vendor/lib.html
printf 'exclude = ["vendor"]\n' > pagevet.toml
echo notes > notes.txt
git add -- docs/a.html sub/b.html 'odd*name?.html' 'with space.htm' ./-dash.html vendor/lib.html pagevet.toml notes.txt
echo changed >> docs/old.html

# What pre-commit passes for types [html]: the staged .html and .htm files.
staged=()
while IFS= read -r -d '' name; do
  case "$name" in *.html | *.htm) staged+=("$name") ;; esac
done < <(git diff --cached --name-only --diff-filter=ACMR -z)
[ ${#staged[@]} -eq 6 ] || fail "expected 6 staged pages, got ${#staged[@]}"

# entry + the user's args + the file names, from the repository's root.
status=0
"${entry[@]}" --format=json "${staged[@]}" > report.json 2> stderr || status=$?
[ $status -le 1 ] || { cat stderr >&2; fail "status $status"; }
[ ! -s stderr ] || { cat stderr >&2; fail "unexpected messages"; }

examined=$(python3 -c '
import json, sys
for f in json.load(open(sys.argv[1]))["files"]:
    print(f["path"].replace("\\", "/"))
' report.json | sort)
expected=$(printf '%s\n' -dash.html docs/a.html 'odd*name?.html' sub/b.html 'with space.htm' | sort)
if [ "$examined" != "$expected" ]; then
  printf 'examined:\n%s\nexpected:\n%s\n' "$examined" "$expected" >&2
  fail "the hook did not examine exactly the staged pages"
fi
echo "the hook examines exactly the staged pages"
