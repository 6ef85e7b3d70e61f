#!/usr/bin/env bash
# Builds the Debian package of a build folder into a temporary folder, unpacks
# it into a temporary root and checks that the files are where they belong,
# that the programs run from there, that the dependencies were computed, and
# (when lintian is installed) that lintian finds no error. Run by the test
# DebianPackage; scripts/package.sh builds the package users get.
#
# Usage: scripts/check_package.sh BUILD_FOLDER VERSION
set -euo pipefail

build="$(cd "$1" && pwd)"
version="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

fail() {
  echo "check_package: $*" >&2
  exit 1
}

# gzip rather than the release's xz: the same package, much faster to pack.
if ! cpack --config "$build/CPackConfig.cmake" -B "$work/out" -D CPACK_DEBIAN_COMPRESSION_TYPE=gzip \
  >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log" >&2
  fail "cpack failed"
fi
arch="$(dpkg --print-architecture)"
deb="$work/out/wrg_${version}_${arch}.deb"
[ -f "$deb" ] || fail "no package $(basename "$deb"); found: $(ls "$work/out")"

root="$work/root"
dpkg-deb -x "$deb" "$root"
id=example.quorvane.wrg
expected=(
  usr/bin/wrg
  usr/bin/wrgcalc
  usr/share/man/man1/wrg.1.gz
  usr/share/man/man1/wrgcalc.1.gz
  "usr/share/applications/$id.desktop"
  "usr/share/metainfo/$id.metainfo.xml"
  "usr/share/mime/packages/$id.xml"
  "usr/share/icons/hicolor/scalable/apps/$id.svg"
  usr/share/doc/wrg/copyright
  usr/share/doc/wrg/changelog.gz
)
for size in 16 22 24 32 48 64 128 256; do
  expected+=("usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
done
for file in "${expected[@]}"; do
  [ -f "$root/$file" ] || fail "missing /$file"
done
for program in wrg wrgcalc; do
  [ -x "$root/usr/bin/$program" ] || fail "/usr/bin/$program is not executable"
done
# Nothing of the build or test tree, nothing outside /usr.
unexpected="$(cd "$root" && find . -mindepth 1 -maxdepth 1 ! -name usr)"
[ -z "$unexpected" ] || fail "files outside /usr: $unexpected"
[ -z "$(find "$root" -name 'wrgscreenshots' -o -name '*_tests' -o -name '*bench*')" ] || fail "a developer program is in the package"

# The installed programs run without the source or build tree.
[ "$("$root/usr/bin/wrgcalc" --version)" = "wrgcalc $version" ] || fail "wrgcalc --version does not say $version"
[ "$("$root/usr/bin/wrg" --version)" = "wrg $version" ] || fail "wrg --version does not say $version"

depends="$(dpkg-deb -f "$deb" Depends)"
for needed in libc6 libqt6widgets6 qt6-qpa-plugins; do
  grep -q "$needed" <<<"$depends" || fail "Depends lacks $needed: $depends"
done

if command -v lintian >/dev/null 2>&1; then
  lintian --fail-on error --suppress-tags-from-file /dev/null "$deb" >"$work/lintian.log" 2>&1 || {
    cat "$work/lintian.log" >&2
    fail "lintian reports errors"
  }
fi
echo "check_package: $(basename "$deb") is complete"
