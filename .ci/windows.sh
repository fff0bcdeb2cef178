#!/bin/bash
# The Windows build in CI: tankai.exe cross-built with mingw-w64 (static, GUI subsystem),
# its imports checked, and the unit tests plus a smoke run of the game under Wine 8 and
# Xvfb, in a fresh Wine prefix that is removed afterwards.
# Usage: .ci/windows.sh [work folder]   (default: the source folder; build-win* go there)
set -euo pipefail

SRC=$(cd "$(dirname "$0")/.." && pwd)
OUT=${1:-$SRC}
mkdir -p "$OUT"
OUT=$(cd "$OUT" && pwd)
JOBS=${JOBS:-$(nproc)}
T0=$(date +%s)
phase() { echo "== windows: $* ($(($(date +%s) - T0)) s)"; }

# ---- packages ------------------------------------------------------------------------
PAKETAI=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  wine wine64 xvfb xauth xdotool imagemagick dpkg-dev googletest libopenal-dev cmake
  pkg-config make procps)
missing=()
for p in "${PAKETAI[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  phase "installing ${missing[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# ---- static libraries for Windows (cached in build-win-deps) ----------------------------
phase "libogg, libvorbis, GoogleTest for Windows"
"$SRC/tools/windows/build-deps.sh" "$OUT/build-win-deps"

# ---- the data generator, built for this machine ----------------------------------------
phase "data generator (host)"
cmake -S "$SRC" -B "$OUT/build-win-host" -DCMAKE_BUILD_TYPE=Release -DTANKAI_TESTS=OFF >/dev/null
cmake --build "$OUT/build-win-host" -j"$JOBS" --target tankai_duomenys >/dev/null

# ---- the cross build -------------------------------------------------------------------
phase "cross build"
cmake -S "$SRC" -B "$OUT/build-win" \
  -DCMAKE_TOOLCHAIN_FILE="$SRC/cmake/mingw-w64-x86_64.cmake" \
  -DTANKAI_WIN_DEPS="$OUT/build-win-deps/prefix" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTANKAI_DUOMENU_GENERATORIUS="$OUT/build-win-host/tools/tankai_duomenys" >/dev/null
# Keep going past a failing target so that one run shows every error, and still run the
# tests of what did build; the run fails either way.
build_status=0
cmake --build "$OUT/build-win" -j"$JOBS" --target all tankai_tests -- -k || build_status=$?

# ---- a fresh Wine prefix -----------------------------------------------------------------
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

# ---- tests under Wine and Xvfb -----------------------------------------------------------
phase "tests under Wine"
status=0
xvfb-run -a -s "-screen 0 1024x768x24" \
  ctest --test-dir "$OUT/build-win" --output-on-failure -j"$JOBS" || status=$?
[ "$build_status" -eq 0 ] || { echo "windows: the cross build failed (status $build_status)"; status=1; }
phase "done, status $status"
exit $status
