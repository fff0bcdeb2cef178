#!/bin/bash
# The Windows part of the test run: tankai.exe cross-built with mingw-w64 together with
# OpenAL Soft, both packages made by CPack (tools/windows/build-packages.sh), and the
# tests under Wine 8 and Xvfb in a fresh Wine prefix removed afterwards: the unit,
# audio, app, ui and images tests of the Windows build, tankai.exe's resources, and the
# packaged game (the ZIP, its sound, the installer, broken parts); then the Windows part of
# the release built twice, which must give the same bytes (scripts/check-reproducible.sh).
# The audio and images tests make their files with sox, oggenc and ImageMagick; under
# Wine they replay the runs kept by the same tests built for this machine, run first.
# Usage: .ci/windows.sh [work folder]   (default: the source folder; relative to the
# current folder or absolute). Everything built is cached there for the next run.
set -euo pipefail

SRC=$(cd "$(dirname "$0")/.." && pwd)
OUT=${1:-$SRC}
mkdir -p "$OUT"
OUT=$(cd "$OUT" && pwd)
JOBS=${JOBS:-$(nproc)}
T0=$(date +%s)
phase() { echo "== windows: $* ($(($(date +%s) - T0)) s)"; }

# ---- packages the tests need -------------------------------------------------------------
bash "$SRC/scripts/deps.sh" wine wine64 xvfb xauth xdotool x11-utils imagemagick icoutils \
  nsis sox vorbis-tools unzip e2fsprogs procps binutils

# ---- the build and both packages -----------------------------------------------------------
# A failed build still runs the tests of what did build; the run fails either way.
build_status=0
TANKAI_WINDOWS_TESTS=ON "$SRC/tools/windows/build-packages.sh" "$OUT" || build_status=$?
[ -f "$OUT/build-win/CTestTestfile.cmake" ] || { echo "windows: no cross build to test"; exit 1; }

# ---- the files sox, oggenc and ImageMagick make for the tests, kept by a run on this machine --
phase "external tools' files, by the tests built for this machine"
IRASAI=$OUT/build-win/irankiu-irasai
rm -rf "$IRASAI"
cmake --build "$OUT/build-win-host" -j"$JOBS" --target test_audio test_audio_be_irenginio test_images >/dev/null ||
  echo "windows: the tests for this machine did not build; the Windows ones will miss their files"
for t in test_audio test_audio_be_irenginio test_images; do
  # Their results count in the Linux run; here only the files matter.
  (cd "$OUT/build-win-host" && SDL_VIDEODRIVER=offscreen TANKAI_IRANKIU_IRASAI="$IRASAI" \
    "./tests/$t" >"$OUT/build-win-host/$t.irasai.log" 2>&1) || echo "windows: $t failed on this machine (see $t.irasai.log)"
done
echo "windows: $(find "$IRASAI" -name busena | wc -l) runs kept"

# ---- a fresh Wine prefix -------------------------------------------------------------------
phase "Wine prefix"
WINEPREFIX=$(mktemp -d /tmp/tankai-wine.XXXXXX)
export WINEPREFIX WINEARCH=win64 WINEDEBUG=-all
# No Mono or Gecko installer prompts, no menu entries written into the host.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
pabaiga() {
  # Wine's server outlives its programs and holds CI's pipes open: stop it explicitly.
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  rm -rf "$WINEPREFIX"
}
trap pabaiga EXIT
wineboot -i >/dev/null 2>&1
# A crashing test must fail the run, not wait for a click on Wine's crash dialog.
wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
wineserver -w

# ---- tests under Wine and Xvfb -------------------------------------------------------------
phase "tests under Wine"
status=0
xvfb-run -a -s "-screen 0 1024x768x24" \
  ctest --test-dir "$OUT/build-win" --output-on-failure -j"$JOBS" || status=$?
[ "$build_status" -eq 0 ] || { echo "windows: the build failed (status $build_status)"; status=1; }

# ---- the Windows release, built twice from the same sources ----------------------------------
# Both runs reuse the libraries built above: a few minutes, not a cold build.
if [ "$build_status" -eq 0 ]; then
  phase "reproducible Windows release"
  bash "$SRC/scripts/check-reproducible.sh" --windows --allow-dirty --win-deps "$OUT/build-win-deps" || status=1
fi
phase "done, status $status"
exit $status
