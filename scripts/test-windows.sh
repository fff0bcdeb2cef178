#!/usr/bin/env bash
# The Windows executable: cross-built with mingw-w64, its imports checked, its tests and
# a smoke run of the game under Wine and Xvfb.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "${1:?build folder}"
build=$(cd "$1" && pwd)
bash "$here/.ci/windows.sh" "$build-windows"
