#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR as a package would (prefix /usr) and uses it from there:
# both programs, the shipped files they must find, a valid menu entry, the icon and the manual page.
#   test_install.sh BUILD_DIR
set -uo pipefail
build=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

if ! DESTDIR="$tmp" cmake --install "$build" --prefix /usr >"$tmp.log" 2>&1; then
  cat "$tmp.log" >&2; rm -f "$tmp.log"
  echo "FAIL: cmake --install" >&2
  exit 1
fi
rm -f "$tmp.log"
usr="$tmp/usr"
for f in bin/kvq-commander bin/kvq-wmbus share/kvq-commander/mbusMANCODE.txt \
  share/applications/kvq-commander.desktop share/icons/hicolor/scalable/apps/kvq-commander.svg \
  share/man/man1/kvq-wmbus.1.gz share/kvq-commander/translations/kvq_en.qm \
  share/kvq-commander/manual/de/index.html share/kvq-commander/manual/en/index.html \
  share/kvq-commander/manual/images/de/mainform.png share/kvq-commander/manual/images/en/mainform.png; do
  [ -f "$usr/$f" ] || fail "not installed: /usr/$f"
done
[ -x "$usr/bin/kvq-commander" ] && [ -x "$usr/bin/kvq-wmbus" ] || fail "the programs are not executable"

desktop="$usr/share/applications/kvq-commander.desktop"
out=$(desktop-file-validate "$desktop" 2>&1) || fail "menu entry invalid: $out"
for key in 'Name\[de\]' 'Comment\[de\]' 'Comment' 'Exec=kvq-commander' 'Icon=kvq-commander' 'Categories=.*Utility;'; do
  grep -q "^$key" "$desktop" || fail "menu entry lacks $key"
done
grep -q '<svg' "$usr/share/icons/hicolor/scalable/apps/kvq-commander.svg" || fail "the icon is no SVG"

# The installed program finds its shipped files below its own prefix, not in the build tree.
help=$("$usr/bin/kvq-wmbus" --help 2>&1) || fail "kvq-wmbus --help failed: $help"
grep -qxF "  manufacturer descriptions  $usr/share/kvq-commander/mbusMANCODE.txt" <<<"$help" ||
  fail "kvq-wmbus does not find its installed data: $help"
key=$("$usr/bin/kvq-wmbus" derive-key 12345678 2>&1)
[[ "$key" =~ ^([0-9A-F]{2}\ ){15}[0-9A-F]{2}$ ]] || fail "kvq-wmbus derive-key: $key"

# The manual page describes every option the program knows.
man=$(gzip -dc "$usr/share/man/man1/kvq-wmbus.1.gz" | sed 's/\\-/-/g')
for opt in $(grep -o -- '--[a-z-]*' <<<"$help" | sort -u); do
  grep -q -- "$opt" <<<"$man" || fail "the manual page lacks $opt"
done
for cmd in $(sed -n '/^usage/,/^options/s/^  \([a-z-]*\) .*/\1/p' <<<"$help"); do
  grep -q "^\.B.* $cmd\$\|^\.B $cmd" <<<"$man" || fail "the manual page lacks the command $cmd"
done

[ $failures -eq 0 ] && echo "installation: all checks passed"
exit $((failures > 0))
