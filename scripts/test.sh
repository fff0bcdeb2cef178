#!/usr/bin/env bash
# Builds Tankai and runs every test headless: unit, headless GL, audio, external files,
# end to end under Xvfb, then the extra suites (scripts/test-*.sh: sanitizers, fuzzing,
# the Windows build under Wine). Ends with one summary line,
#   Summary: <passed> passed, <failed> failed, <skipped> skipped
# and names every skipped test and suite above it. A skip (a missing tool, file or right)
# is never a pass. TANKAI_SKIP_EXTRA=1 leaves the extra suites out, counted as skipped;
# with TANKAI_REQUIRE_ALL=1 (CI) the run fails when anything was skipped.
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
trap 'rm -f "$log"' EXIT
(cd "$build" && ctest --output-on-failure -j"$jobs" --timeout 300) 2>&1 | tee "$log"
ctest_status=${PIPESTATUS[0]}
{ read -r passed failed skipped; mapfile -t skips; } < <(bash "$here/scripts/ctest-counts.sh" "$log" "$ctest_status")
skips=("${skips[@]/#/ctest }")

for extra in "$here"/scripts/test-*.sh; do
  [ -e "$extra" ] || continue
  name=$(basename "$extra" .sh)
  if [ -n "${TANKAI_SKIP_EXTRA:-}" ]; then
    skipped=$((skipped + 1)); skips+=("$name (TANKAI_SKIP_EXTRA is set)")
    continue
  fi
  echo "== $name"
  # 0 passed, 77 ran with some of its checks left out (each named on a SKIPPED: line).
  bash "$extra" "$build" 2>&1 | tee "$log"
  case ${PIPESTATUS[0]} in
    0) passed=$((passed + 1)) ;;
    77) skipped=$((skipped + 1))
        why=$(sed -n 's/.*SKIPPED: //p' "$log" | paste -sd ';' | sed 's/;/; /g')
        skips+=("$name: ${why:-left some of its checks out}") ;;
    *) failed=$((failed + 1)); echo "== $name FAILED" ;;
  esac
done

for s in "${skips[@]}"; do echo "Skipped: $s"; done
status=0
[ "$failed" -eq 0 ] || status=1
if [ "$skipped" -gt 0 ] && [ "${TANKAI_REQUIRE_ALL:-0}" != 0 ]; then
  echo "TANKAI_REQUIRE_ALL is set: nothing may be skipped here"
  status=1
fi
echo "Summary: $passed passed, $failed failed, $skipped skipped"
exit $status
