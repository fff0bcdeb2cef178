#!/bin/bash
# Builds the Windows product on Debian and makes its two packages with CPack:
#   <work>/build-win/Tankai-<version>-win64.zip         unpack anywhere and play
#   <work>/build-win/Tankai-<version>-win64-setup.exe   installer for the current user
# in four steps, each cached in the work folder: the Windows libraries (libogg, libvorbis,
# GoogleTest, OpenAL Soft; tools/windows/build-deps.sh), the data generator and the icon
# painter built for this machine, the cross build of tankai.exe, and the packages.
# Usage: build-packages.sh [work folder]   (default: the source folder)
# TANKAI_WINDOWS_TESTS=ON also builds the tests (.ci/windows.sh runs them).
# scripts/release.sh sets the rest: TANKAI_HOST_BUILD, a configured build for this machine
# to take the generator and the painter from; TANKAI_WIN_DEPS_DIR, the libraries' folder;
# TANKAI_LEIDIMUI=ON, the release's flags; TANKAI_NO_INSTALL=1, no package installs.
set -euo pipefail

SRC=$(cd "$(dirname "$0")/../.." && pwd)
OUT=${1:-$SRC}
mkdir -p "$OUT"
OUT=$(cd "$OUT" && pwd)
JOBS=${JOBS:-$(nproc)}
TESTS=${TANKAI_WINDOWS_TESTS:-OFF}
HOST=${TANKAI_HOST_BUILD:-$OUT/build-win-host}
DEPS=${TANKAI_WIN_DEPS_DIR:-$OUT/build-win-deps}
T0=$(date +%s)
phase() { echo "== windows: $* ($(($(date +%s) - T0)) s)"; }

# ---- packages ----------------------------------------------------------------------------
# What the host build needs, with the cross tools and makensis.
[ -n "${TANKAI_NO_INSTALL:-}" ] || bash "$SRC/scripts/deps.sh" g++-mingw-w64-x86-64-posix \
  gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 nsis zip dpkg-dev

# ---- libraries for Windows (cached in build-win-deps) ---------------------------------------
phase "libogg, libvorbis, GoogleTest, OpenAL Soft for Windows"
TANKAI_WINDOWS_TESTS="$TESTS" "$SRC/tools/windows/build-deps.sh" "$DEPS"

# ---- the data generator and the icon painter, built for this machine -------------------------
phase "data generator and icon painter (host)"
[ -n "${TANKAI_HOST_BUILD:-}" ] ||
  cmake -S "$SRC" -B "$HOST" -DCMAKE_BUILD_TYPE=Release -DTANKAI_TESTS="$TESTS" >/dev/null
cmake --build "$HOST" -j"$JOBS" --target tankai_duomenys tankai_zenklelis >/dev/null

# ---- the cross build ---------------------------------------------------------------------------
phase "cross build"
cmake -S "$SRC" -B "$OUT/build-win" \
  -DCMAKE_TOOLCHAIN_FILE="$SRC/cmake/mingw-w64-x86_64.cmake" \
  -DTANKAI_WIN_DEPS="$DEPS/prefix" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTANKAI_TESTS="$TESTS" -DTANKAI_LEIDIMUI="${TANKAI_LEIDIMUI:-OFF}" \
  -DTANKAI_DUOMENU_GENERATORIUS="$HOST/tools/tankai_duomenys" \
  -DTANKAI_ZENKLELIO_GENERATORIUS="$HOST/tankai_zenklelis" >/dev/null
# The tests are built on request (the tankai_tests target). With them, keep going past a
# failing target so that one run shows every error; the script fails either way.
if [ "$TESTS" = ON ]; then
  cmake --build "$OUT/build-win" -j"$JOBS" --target all tankai_tests -- -k
else
  cmake --build "$OUT/build-win" -j"$JOBS"
fi

# ---- the packages ----------------------------------------------------------------------------
phase "packages"
(cd "$OUT/build-win" && cpack)
phase "done: $(cd "$OUT/build-win" && ls Tankai-*-win64.zip Tankai-*-win64-setup.exe | tr '\n' ' ')"
