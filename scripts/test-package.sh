#!/usr/bin/env bash
# The install layout and the Debian package; installing it needs root. The system-wide
# install is shared by everyone on the machine: one run at a time.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:?build folder}" && pwd)
if [ "$(id -u)" -eq 0 ]; then
  exec flock /tmp/tankai-package.lock bash "$here/packaging/check-package.sh" "$build" --install
else
  exec bash "$here/packaging/check-package.sh" "$build"
fi
