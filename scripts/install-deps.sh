#!/usr/bin/env bash
# Installs the Debian 12 packages that the build, the tests and the program need, where they are missing.
#   --gui   also what a desktop session needs to show the program (Wayland, cursor themes)
#   --list  print the package names, one a line, and install nothing
# Recommends are never installed, so every package the build uses must be named here or be a hard
# Depends of one named here; scripts/check-build-packages.sh checks that after each configure.
set -euo pipefail
packages=(
  # compilers and build tools (build-essential brings dpkg-dev for the Debian package)
  build-essential cmake ninja-build pkg-config git file python3
  # Qt 6: libqt6opengl6-dev is only a Recommends of qt6-base-dev, but Qt Charts needs it
  qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev qt6-serialport-dev qt6-charts-dev qt6-tools-dev
  qt6-tools-dev-tools qt6-l10n-tools qt6-qpa-plugins libgl-dev
  # tests, benchmarks, the sanitizer and fuzz build
  libgtest-dev libgmock-dev googletest libbenchmark-dev libssl-dev clang-14 libclang-rt-14-dev
  # the installation test validates the menu entry
  desktop-file-utils
  # scripts/screenshots.sh takes the manual's pictures under a virtual display
  xvfb xauth
)
list=0
for arg in "$@"; do
  case "$arg" in
    --gui) packages+=(qt6-wayland libxkbcommon-x11-0 libxcb-cursor0) ;;
    --list) list=1 ;;
    *) echo "usage: $0 [--gui] [--list]" >&2; exit 2 ;;
  esac
done
if [ "$list" -eq 1 ]; then
  printf '%s\n' "${packages[@]}"
  exit 0
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
