#!/usr/bin/env bash
# The package check on fabricated CMake caches: a configuration from a package that the list brings in
# only as a Recommends must fail by name; one brought in directly or through hard Depends must pass.
#   test_build_packages.sh CHECK_SCRIPT QT6GUI_DIR QT6OPENGL_DIR
set -uo pipefail
check=$1 gui_dir=$2 opengl_dir=$3
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

mkdir -p "$tmp/build" "$tmp/local/FooBar"
touch "$tmp/local/FooBar/FooBarConfig.cmake"
cat >"$tmp/build/CMakeCache.txt" <<CACHE
Qt6Gui_DIR:PATH=$gui_dir
Qt6OpenGL_DIR:PATH=$opengl_dir
FooBar_DIR:PATH=$tmp/local/FooBar
Missing_DIR:PATH=Missing_DIR-NOTFOUND
CACHE

# qt6-base-dev only recommends the OpenGL module that Qt Charts needs.
out=$("$check" "$tmp/build" qt6-base-dev 2>&1)
rc=$?
[ $rc -eq 1 ] || fail "a Recommends-only package passed (status $rc)"
grep -q '^  libqt6opengl6-dev, for:' <<<"$out" || fail "the missing package is not named: $out"
grep -q "Qt6OpenGL_DIR = $opengl_dir" <<<"$out" || fail "the cache entry is not named: $out"
grep -q '^  qt6-base-dev' <<<"$out" && fail "a listed package was reported missing: $out"

# Listed directly, or only through the hard Depends of another listed package (qt6-charts-dev needs
# qt6-base-dev, which owns Qt6Gui); a configuration no package owns is told, not counted.
out=$("$check" "$tmp/build" qt6-charts-dev libqt6opengl6-dev 2>&1)
rc=$?
[ $rc -eq 0 ] || fail "a complete list failed (status $rc): $out"
grep -q "FooBar_DIR .* belongs to no Debian package" <<<"$out" || fail "the unowned configuration is not told: $out"

# Unusable arguments are a usage error, never a pass.
"$check" "$tmp/nothing-here" >/dev/null 2>&1
[ $? -eq 2 ] || fail "a folder without a cache was not a usage error"

[ $failures -eq 0 ] && echo "package check: all cases passed"
exit $((failures > 0))
