#!/usr/bin/env bash
# Builds the Debian package from the build folder and reads it back: the installation's files below
# /usr, and Depends computed from the programs' libraries (without them the package installs on a
# fresh machine and the programs do not start).
#   test_deb_package.sh BUILD_DIR
set -uo pipefail
build=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

if ! (cd "$tmp" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$tmp" >"$tmp/cpack.log" 2>&1); then
  cat "$tmp/cpack.log" >&2
  echo "FAIL: cpack" >&2
  exit 1
fi
deb=$(ls "$tmp"/kvq-commander_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || { echo "FAIL: no kvq-commander_*.deb made" >&2; exit 1; }

[ "$(dpkg-deb -f "$deb" Package)" = kvq-commander ] || fail "package name"
depends=$(dpkg-deb -f "$deb" Depends)
names=$(tr ',' '\n' <<<"$depends" | awk '{ print $1 }')
for lib in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6serialport6; do
  grep -qxF "$lib" <<<"$names" || fail "Depends lacks $lib: $depends"
done
contents=$(dpkg-deb -c "$deb" | awk '{ print $6 }')
for f in ./usr/bin/kvq-commander ./usr/bin/kvq-wmbus ./usr/share/kvq-commander/mbusMANCODE.txt \
  ./usr/share/applications/kvq-commander.desktop ./usr/share/icons/hicolor/scalable/apps/kvq-commander.svg \
  ./usr/share/man/man1/kvq-wmbus.1.gz; do
  grep -qxF "$f" <<<"$contents" || fail "the package lacks $f"
done
# Nothing of the build tree or the tests travels along.
grep -vE '^\./usr/(bin/kvq-(commander|wmbus)|share/(kvq-commander|applications|icons|man)(/|$))|^\./(usr/(bin|share)?/?)?$' \
  <<<"$contents" | grep . && fail "unexpected files in the package"

[ $failures -eq 0 ] && echo "Debian package: all checks passed ($(basename "$deb"))"
exit $((failures > 0))
