#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the program need, where they are missing.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config git python3
  qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev qt6-serialport-dev qt6-charts-dev qt6-tools-dev qt6-tools-dev-tools
  qt6-l10n-tools qt6-qpa-plugins libgl-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev libssl-dev
  clang-14 libclang-rt-14-dev
)
if [ "${1:-}" = "--gui" ]; then
  packages+=(qt6-wayland libxkbcommon-x11-0 libxcb-cursor0)
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
