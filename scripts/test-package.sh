#!/usr/bin/env bash
# The install layout and the Debian package; installing it needs root.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:?build folder}" && pwd)
if [ "$(id -u)" -eq 0 ]; then
  bash "$here/packaging/tikrinti-paketa.sh" "$build" --install
else
  bash "$here/packaging/tikrinti-paketa.sh" "$build"
fi
