# Shell functions shared by bench/run, bench/compare-builds and
# tests/differential/run.sh. Sourced, not run.

# Whether the pagevet at $1 takes --jobs. "--jobs=1 --version" exits 0 on
# any build, since --version wins wherever it stands; a build without the
# option takes --jobs=1 for a mask, which a run beside a page of that name
# shows by reporting it.
accepts_jobs() {
  local pagevet=$1 dir status=0
  "$pagevet" --jobs=1 --version >/dev/null 2>&1 || return 1
  dir=$(mktemp -d)
  : >"$dir/--jobs=1"
  (cd "$dir" && "$pagevet" --jobs=1 >"$dir/report" 2>/dev/null) || true
  grep -qx -- '--jobs=1' "$dir/report" && status=1
  rm -rf "$dir"
  return $status
}

# Prints where files $1 (old) and $2 (new) first differ: the line number and
# that line of each, cut to 100 bytes, control characters shown as cat -v
# shows them. Prints nothing when they are the same.
first_difference() {
  local out line old new
  out=$(cmp -- "$1" "$2" 2>&1) && return 0
  line=$(sed -n 's/.*line \([0-9][0-9]*\)$/\1/p' <<<"$out")
  if [ -z "$line" ]; then
    echo "$out"
    return 0
  fi
  # "EOF on a after byte 9, line 2": a ends with line 2, the other goes on.
  case $out in
    *"EOF on "*", line "*) line=$((line + 1)) ;;
  esac
  old=$(sed -n "${line}{p;q}" "$1" | head -c 100 | cat -v)
  new=$(sed -n "${line}{p;q}" "$2" | head -c 100 | cat -v)
  case $out in
    *"EOF on $1 "*) echo "line $line: old ends, new: $new" ;;
    *"EOF on $2 "*) echo "line $line: new ends, old: $old" ;;
    *) echo "line $line: old: $old | new: $new" ;;
  esac
}

# Runs a command in directory $2 with LC_ALL=$3, its standard output, error
# and exit status going to $1.out, $1.err and $1.status.
run_captured() {
  local out=$1 dir=$2 locale=$3 status=0
  shift 3
  (cd "$dir" && LC_ALL=$locale "$@" >"$out.out" 2>"$out.err") || status=$?
  echo "$status" >"$out.status"
}

# Compares the runs captured under $1 and $2 (run_captured): prints nothing
# when their output, error and status are the same, else what differs first.
compare_captured() {
  local part
  for part in out err; do
    if ! cmp -s "$1.$part" "$2.$part"; then
      echo "std$part $(first_difference "$1.$part" "$2.$part")"
      return 0
    fi
  done
  cmp -s "$1.status" "$2.status" || echo "status $(cat "$1.status") became $(cat "$2.status")"
}

# The HTML folder of the Rust documentation that rustup installs with the
# toolchain, or nothing (status 1) when it is not there.
rust_html_dir() {
  local rustc sysroot
  rustc=$(command -v rustc || echo "$HOME/.cargo/bin/rustc")
  [ -x "$rustc" ] || return 1
  sysroot=$("$rustc" --print sysroot 2>/dev/null) || return 1
  [ -d "$sysroot/share/doc/rust/html" ] || return 1
  echo "$sysroot/share/doc/rust/html"
}

rust_version() {
  local rustc
  rustc=$(command -v rustc || echo "$HOME/.cargo/bin/rustc")
  "$rustc" --version 2>/dev/null | awk '{ print $2 }'
}

# octave-doc's HTML manual, or nothing (status 1) when it is not installed.
octave_html_dir() {
  local dir=/usr/share/doc/octave/octave.html
  [ -f "$dir/index.html" ] || return 1
  echo "$dir"
}

# Copies the first $3 *.html pages under $1, in byte order of their paths,
# into the new directory $2, where they keep their paths.
copy_first_pages() {
  local src=$1 dest=$2 count=$3
  mkdir -p "$dest"
  # (awk reads the whole list: head would close the pipe early, which
  # pipefail reports as a failure.)
  (cd "$src" && find . -name '*.html' -type f | LC_ALL=C sort | awk -v n="$count" 'NR <= n' |
    tr '\n' '\0' | xargs -0 cp --parents -t "$dest")
}
