#!/usr/bin/env bash
# Builds the Debian package from a build directory (cpack -G DEB), unpacks
# it into a temporary root with dpkg -x, and checks it: its control fields,
# its files, its manual page, and the report of the unpacked program on the
# sample site. Prints the package's path on success.
set -euo pipefail
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
log=$(mktemp)
if ! (cd "$build" && cpack -G DEB) >"$log" 2>&1; then
  cat "$log" >&2
  rm -f "$log"
  exit 1
fi
rm -f "$log"
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
deb=$build/pagevet_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || { echo "no package at $deb" >&2; exit 1; }

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = pagevet ] || { echo "wrong package name" >&2; exit 1; }
[ "$(field Version)" = "$version" ] || { echo "wrong version" >&2; exit 1; }
for name in Section Maintainer Description; do
  [ -n "$(field "$name")" ] || { echo "empty control field: $name" >&2; exit 1; }
done
# The dependencies come from the libraries the binary links to.
field Depends | grep -q 'libc6' || { echo "Depends lacks libc6: $(field Depends)" >&2; exit 1; }
field Depends | grep -q 'libstdc++6' || { echo "Depends lacks libstdc++6" >&2; exit 1; }

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"
for f in usr/bin/pagevet usr/share/man/man1/pagevet.1 usr/share/doc/pagevet/README.md; do
  [ -f "$root/$f" ] || { echo "missing from the package: $f" >&2; exit 1; }
done
bash "$here/check_manpage.sh" "$root/usr/share/man/man1/pagevet.1"
bash "$here/../golden/run_case.sh" "$root/usr/bin/pagevet" "$here/../golden/examples-site"
echo "$deb"
