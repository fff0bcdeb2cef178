#!/usr/bin/env bash
# The install layout and the Debian package; installing it needs root.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
if [ "$(id -u)" -eq 0 ]; then
  bash "$here/packaging/tikrinti-paketa.sh" "$1" --install
else
  bash "$here/packaging/tikrinti-paketa.sh" "$1"
fi
