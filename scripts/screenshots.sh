#!/usr/bin/env bash
# Takes the manual's pictures from the demo under a virtual display, once in German and once in English:
# docs/manual/images/de/*.png and docs/manual/images/en/*.png. Commit them with the manual.
#   scripts/screenshots.sh [BUILD_DIR]   (default: build, configured here when it is not yet)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
scripts/install-deps.sh
[ -f "$build/build.ninja" ] ||
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKVQ_TESTS=OFF -DKVQ_BENCH=OFF >/dev/null
cmake --build "$build" --target kvq-commander kvq_qm
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
for lang in de en; do
  iso=DE
  [ "$lang" = en ] && iso=ENG
  # A settings folder and remembered language of their own: the user's files stay untouched.
  mkdir -p "$tmp/$lang/config" "$tmp/$lang/documents"
  printf '[LANG]\r\nISONAME=%s\r\n' "$iso" >"$tmp/$lang/config/kvq-user.ini"
  mkdir -p "docs/manual/images/$lang"
  KVQ_USER_CONFIG="$tmp/$lang/config" KVQ_DOCUMENTS="$tmp/$lang/documents" QT_QPA_PLATFORM=xcb \
    xvfb-run -a -s "-screen 0 1600x1200x24" \
    "$build/bin/kvq-commander" --demo --screenshots "docs/manual/images/$lang"
  echo "== docs/manual/images/$lang: $(ls "docs/manual/images/$lang" | tr '\n' ' ')"
done
