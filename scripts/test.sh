#!/usr/bin/env bash
# Builds Tankai and runs every test headless: unit, headless GL, audio, external files,
# end to end under Xvfb, a sanitizer run, bounded fuzzing and the Windows build under Wine.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
jobs=$(nproc)

# Headless by default: Mesa's software GL through SDL's offscreen driver; OpenAL Soft
# finds no sound card here, which the audio tests expect or override.
export SDL_VIDEODRIVER=${SDL_VIDEODRIVER:-offscreen}
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}

cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j"$jobs"
status=0
(cd "$build" && ctest --output-on-failure -j"$jobs" --timeout 300) || status=1

for extra in "$here"/scripts/test-*.sh; do
  [ -e "$extra" ] || continue
  echo "== $(basename "$extra")"
  bash "$extra" "$build" || status=1
done
exit $status
