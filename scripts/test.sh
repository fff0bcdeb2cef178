#!/usr/bin/env bash
# Builds Tankai and runs every test headless: unit, headless GL, audio, external files,
# end to end under Xvfb, then the extra suites (scripts/test-*.sh: sanitizers, fuzzing,
# the Windows build under Wine). Ends with one summary line.
set -uo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
# A relative folder is taken from where the command runs, as the README writes it.
mkdir -p "${1:-$here/build}" || exit 1
build=$(cd "${1:-$here/build}" && pwd)
jobs=$(nproc)

# Headless by default: Mesa's software GL through SDL's offscreen driver. OpenAL Soft
# finds no sound card here; the audio tests choose their own backends.
export SDL_VIDEODRIVER=${SDL_VIDEODRIVER:-offscreen}

# The same configuration the README's run command makes, with the tests on: the two
# commands share a folder in either order without rebuilding each other's work.
cmake -S "$here" -B "$build" -DTANKAI_TESTS=ON || exit 1
cmake --build "$build" -j"$jobs" --target all tankai_tests || exit 1

log=$(mktemp)
(cd "$build" && ctest --output-on-failure -j"$jobs" --timeout 300) 2>&1 | tee "$log"
total=$(sed -n 's/.*tests failed out of \([0-9]*\).*/\1/p' "$log" | tail -n 1)
failed=$(sed -n 's/.* \([0-9]*\) tests failed out of.*/\1/p' "$log" | tail -n 1)
total=${total:-0}; failed=${failed:-1}
passed=$((total - failed))
rm -f "$log"

for extra in "$here"/scripts/test-*.sh; do
  [ -e "$extra" ] || continue
  [ -n "${TANKAI_SKIP_EXTRA:-}" ] && break
  echo "== $(basename "$extra" .sh)"
  if bash "$extra" "$build"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "== $(basename "$extra" .sh) FAILED"; fi
done

echo "Summary: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
