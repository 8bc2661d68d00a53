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
for f in usr/bin/pagevet usr/share/man/man1/pagevet.1.gz usr/share/doc/pagevet/README.md; do
  [ -f "$root/$f" ] || { echo "missing from the package: $f" >&2; exit 1; }
done
# No placeholder homepage: the package names none.
[ -z "$(field Homepage)" ] || { echo "the package names a homepage: $(field Homepage)" >&2; exit 1; }
# The manual page compressed with gzip -9n: maximum compression flag (2),
# no stored name (flag 0x08) and no time stamp (bytes 4 to 7).
page=$root/usr/share/man/man1/pagevet.1.gz
header=$(od -An -tx1 -N10 "$page" | tr -d ' \n')
case $header in
  1f8b08[0-9a-f][0-9a-f]0000000002*) ;;
  *) echo "manual page not compressed with gzip -9n: header $header" >&2; exit 1 ;;
esac
[ $((0x${header:6:2} & 0x08)) -eq 0 ] || { echo "manual page stores a file name" >&2; exit 1; }
gzip -dc "$page" >"$root/pagevet.1"
bash "$here/check_manpage.sh" "$root/pagevet.1"
bash "$here/../golden/run_case.sh" "$root/usr/bin/pagevet" "$here/../golden/examples-site"
echo "$deb"
