#!/usr/bin/env bash
# Runs a test program on a fresh Xvfb display. Without xvfb-run, or another program the
# run needs, it names what is missing and exits 77, which the ctest registration counts
# as a skip: the run is listed either way, never left out of the count.
# usage: under_xvfb.sh [--needs <program>]... <test program> [arguments...]
set -u
needs=(xvfb-run)
while [ "${1:-}" = --needs ]; do needs+=("$2"); shift 2; done
for p in "${needs[@]}"; do
  command -v "$p" >/dev/null || { echo "SKIPPED: $p is not installed (scripts/deps.sh installs it)"; exit 77; }
done
exec xvfb-run -a -s "-screen 0 1024x768x24" "$@"
