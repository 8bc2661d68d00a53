#!/usr/bin/env bash
# Runs one end-to-end case: copies the case's tree into a fresh temporary
# directory, runs its setup script there if it has one, runs pagevet there
# with the case's arguments (one per line in `args`), stdout on a pipe, and
# compares the output byte for byte with `expected`.
set -euo pipefail
pagevet=$(realpath "$1")
case_dir=$(realpath "$2")

work=$(mktemp -d)
trap 'chmod -R u+rwx "$work" 2>/dev/null; rm -rf "$work"' EXIT
# Pages shared by several cases are symbolic links into pages/: the copy
# follows them, so every case gets files of its own.
if [ -d "$case_dir/tree" ]; then
  cp -RL --preserve=mode "$case_dir/tree/." "$work/"
fi
if [ -f "$case_dir/setup.sh" ]; then
  (cd "$work" && bash "$case_dir/setup.sh")
fi

args=()
if [ -f "$case_dir/args" ]; then
  mapfile -t args < "$case_dir/args"
fi

# A case may run pagevet through a command such as setpriv (to drop root):
# the tree and a copy of the binary are then made readable by everyone.
runner=()
if [ -f "$case_dir/runner" ]; then
  read -r -a runner < "$case_dir/runner"
  bin=$(mktemp -d)
  cp "$pagevet" "$bin/pagevet"
  chmod 755 "$bin" "$work"
  pagevet=$bin/pagevet
fi

actual="$work.out"
trap 'chmod -R u+rwx "$work" 2>/dev/null; rm -rf "$work" "$actual" ${bin:+"$bin"}' EXIT
(cd "$work" && "${runner[@]}" "$pagevet" "${args[@]}" | cat > "$actual")

if ! cmp -s "$case_dir/expected" "$actual"; then
  echo "output differs from $case_dir/expected:"
  diff <(od -c "$case_dir/expected") <(od -c "$actual") | head -40 || true
  exit 1
fi
