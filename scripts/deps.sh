#!/usr/bin/env bash
# Installs what building, running and testing Tankai needs on Debian 12, and any further
# packages named as arguments (the Windows build's cross tools, say).
# Usage: deps.sh [package...]
set -euo pipefail
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
pkgs=(
  build-essential cmake pkg-config git
  libsdl2-dev libopenal-dev libopenal1 libvorbis-dev libogg-dev
  libfreetype-dev libfontconfig-dev fonts-dejavu-core
  libgl1-mesa-dev libglu1-mesa-dev libgl1-mesa-dri libegl-mesa0 libx11-dev
  libgtest-dev googletest
  xvfb xauth xdotool imagemagick sox vorbis-tools
  tesseract-ocr tesseract-ocr-lit tesseract-ocr-eng tesseract-ocr-deu
  x11-utils x11-xserver-utils libxfixes-dev xfonts-base
  lintian appstream desktop-file-utils man-db diffoscope-minimal
  clang libclang-rt-14-dev
  "$@"
)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "deps: installing ${missing[*]}"
  # Waits for another apt run to finish instead of failing on its lock.
  $SUDO apt-get -o DPkg::Lock::Timeout=600 update -qq
  # No recommends: ImageMagick's recommended fonts would change what fontconfig matches.
  $SUDO apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends "${missing[@]}"
fi
