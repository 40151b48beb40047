#!/usr/bin/env bash
# Installs what the build needs on Debian 12 (only what is missing) and builds
# the given CMake preset, or only the targets named after it. Quick when
# nothing changed.
set -euo pipefail
cd "$(dirname "$0")/.."

preset="${1:-default}"
shift || true
packages=(
  build-essential cmake ninja-build ccache pkg-config
  qt6-base-dev qt6-base-private-dev qt6-multimedia-dev libgl-dev
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  libgif-dev libsndfile1-dev libpng-dev libimagequant-dev libbenchmark-dev
  fonts-ipaexfont-mincho fonts-ipaexfont-gothic strace
  xvfb openbox xdotool
)
# The asan preset uses gcc's own sanitizers; only libFuzzer needs clang.
if [ "$preset" = fuzz ] || [ "${MIROSUTA_FUZZ:-}" = 1 ]; then
  packages+=(clang libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake --preset "$preset" >/dev/null
if [ $# -gt 0 ]; then
  cmake --build --preset "$preset" --target "$@"
else
  cmake --build --preset "$preset"
fi
