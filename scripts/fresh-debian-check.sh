#!/usr/bin/env bash
# Proves the README's set-up commands on a machine that has never seen this project: builds a minimal
# Debian 12 root in a temporary folder, clones the repository's committed state into it and runs, as root
# inside a chroot,
#   ./run.sh --demo   (builds both programs, the program must still be running after a while)
#   ./test.sh         (--quick: ./test.sh --quick, which stops after building both programs)
# then makes the Debian package there as the README says and installs it with apt into a second, untouched copy of the
# minimal root, where kvq-wmbus and kvq-commander must run from /usr/bin. Removes everything again.
#
#   scripts/fresh-debian-check.sh [--quick] [--no-deb] [--keep]
#     --keep    leave the roots in place for a look afterwards (their folder is printed)
# Needs root (or sudo) and the network to the Debian mirror of this machine's apt sources.
# KVQ_MIRROR and KVQ_SECURITY_MIRROR replace the mirrors found there; KVQ_FRESH_TMP the parent folder.
set -euo pipefail
# The whole script is one block, read before it runs: editing the file during a run does not disturb it.
{
quick=0 deb=1 keep=0
for arg in "$@"; do
  case "$arg" in
    --quick) quick=1 ;;
    --no-deb) deb=0 ;;
    --keep) keep=1 ;;
    *) echo "usage: $0 [--quick] [--no-deb] [--keep]" >&2; exit 2 ;;
  esac
done

if [ "$(id -u)" -ne 0 ]; then
  exec sudo --preserve-env=KVQ_MIRROR,KVQ_SECURITY_MIRROR,KVQ_FRESH_TMP "$0" "$@"
fi

repo=$(cd "$(dirname "$0")/.." && pwd)
start=$(date +%s)
say() { printf '== [%4ds] %s\n' "$(($(date +%s) - start))" "$*"; }

# The first mirror of the given suite in this machine's apt sources (one-line and deb822 formats).
mirror_of() {
  local suite=$1 f
  for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; do
    [ -r "$f" ] || continue
    awk -v suite="$suite" '
      /^[ \t]*deb[ \t]/ { for (i = 2; i <= NF; i++) if ($i ~ /^[a-z]+:\/\//) { if ($(i + 1) == suite) print $i; break } }
      /^URIs:/ { uris = $2 } /^Suites:/ { for (i = 2; i <= NF; i++) if ($i == suite && uris != "") print uris }
      /^[ \t]*$/ { uris = "" }' "$f"
  done | head -n 1
}
mirror=${KVQ_MIRROR:-$(mirror_of bookworm)}
mirror=${mirror:-http://deb.debian.org/debian}
security=${KVQ_SECURITY_MIRROR:-$(mirror_of bookworm-security)}

if ! command -v debootstrap >/dev/null; then
  say "installing debootstrap"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap
fi

work=$(mktemp -d "${KVQ_FRESH_TMP:-/var/tmp}/kvq-fresh.XXXXXX")
root="$work/root"
debroot="$work/deb-root"

# Every mount below the work folder, deepest first.
unmount_all() {
  local m
  awk -v w="$work/" 'index($2, w) == 1 { print $2 }' /proc/self/mounts | sort -r | while read -r m; do
    umount "$m" 2>/dev/null || umount -l "$m"
  done
}
cleanup() {
  local rc=$?
  unmount_all
  if [ "$keep" -eq 1 ]; then
    echo "roots kept in $work (unmounted)"
  else
    rm -rf --one-file-system "$work"
  fi
  exit "$rc"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# A root gets the kernel file systems, pseudo-terminals (the tests talk to simulated devices over them),
# name resolution and apt sources like a freshly installed machine.
prepare_root() {
  local r=$1
  mount -t proc proc "$r/proc"
  mount -t sysfs sys "$r/sys"
  mount --bind /dev "$r/dev"
  mount --bind /dev/pts "$r/dev/pts"
  mkdir -p "$r/dev/shm" && mount -t tmpfs -o mode=1777 shm "$r/dev/shm"
  cp /etc/resolv.conf "$r/etc/resolv.conf"
  {
    echo "deb $mirror bookworm main"
    echo "deb $mirror bookworm-updates main"
    [ -n "$security" ] && echo "deb $security bookworm-security main"
  } >"$r/etc/apt/sources.list"
  # No services start inside the root.
  printf '#!/bin/sh\nexit 101\n' >"$r/usr/sbin/policy-rc.d" && chmod +x "$r/usr/sbin/policy-rc.d"
}
in_root() {
  local r=$1
  shift
  chroot "$r" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM=dumb \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin /bin/bash -c "$*"
}

say "debootstrap bookworm (minbase) from $mirror into $root"
debootstrap --variant=minbase bookworm "$root" "$mirror" >"$work/debootstrap.log" 2>&1 ||
  { tail -n 20 "$work/debootstrap.log"; exit 1; }
if [ "$deb" -eq 1 ]; then
  say "untouched copy for the package check"
  cp -a "$root" "$debroot"
fi
prepare_root "$root"

say "cloning the committed state of $repo"
git -c safe.directory='*' clone --quiet --no-local "$repo" "$root/root/kvq-commander"

say "./run.sh --demo (once built, the program must keep running for 30 s)"
# run.sh ends by exec'ing the program, so its process becomes the program when the build is done.
in_root "$root" 'cd /root/kvq-commander
  QT_QPA_PLATFORM=offscreen ./run.sh --demo >/root/run.log 2>&1 &
  pid=$!
  until [ "$(readlink /proc/$pid/exe)" = /root/kvq-commander/build/bin/kvq-commander ]; do
    kill -0 $pid 2>/dev/null || { tail -n 30 /root/run.log; echo "FAILED: ./run.sh --demo ended" >&2; exit 1; }
    sleep 2
  done
  sleep 30
  kill -0 $pid 2>/dev/null || { tail -n 30 /root/run.log; echo "FAILED: the program ended by itself" >&2; exit 1; }
  kill $pid; wait $pid || true'
say "run command: built and started"

if [ "$quick" -eq 1 ]; then
  say "./test.sh --quick"
  in_root "$root" 'cd /root/kvq-commander && ./test.sh --quick'
else
  say "./test.sh"
  in_root "$root" 'cd /root/kvq-commander && ./test.sh'
fi
say "test command passed"

if [ "$deb" -eq 1 ]; then
  say "building the Debian package"
  # As the README says; a quick run builds no tests, so the package does not wait for them.
  configure=""
  [ "$quick" -eq 1 ] && configure="cmake -S . -B build -DKVQ_TESTS=OFF -DKVQ_BENCH=OFF >/dev/null &&"
  in_root "$root" "cd /root/kvq-commander && $configure cmake --build build --target package >/dev/null &&
    ls build/kvq-commander_*.deb"
  prepare_root "$debroot"
  cp "$root"/root/kvq-commander/build/kvq-commander_*.deb "$debroot/root/"
  say "apt install ./kvq-commander_*.deb into an untouched root"
  in_root "$debroot" 'cd /root && apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq ./kvq-commander_*.deb >/dev/null'
  in_root "$debroot" 'set -e
    test "$(command -v kvq-wmbus)" = /usr/bin/kvq-wmbus
    kvq-wmbus derive-key 12345678
    kvq-wmbus --help | grep -F /usr/share/kvq-commander/mbusMANCODE.txt
    test -f /usr/share/applications/kvq-commander.desktop
    test -f /usr/share/icons/hicolor/scalable/apps/kvq-commander.svg
    rc=0; QT_QPA_PLATFORM=offscreen timeout 10 kvq-commander --demo || rc=$?
    [ "$rc" -eq 124 ] || { echo "kvq-commander ended with status $rc" >&2; exit 1; }
    ! ldd /usr/lib/x86_64-linux-gnu/qt6/plugins/platforms/libqxcb.so | grep "not found"'
  say "package installs and runs"
fi
say "fresh Debian 12 check passed ($([ "$quick" -eq 1 ] && echo quick || echo full))"
exit 0
}
