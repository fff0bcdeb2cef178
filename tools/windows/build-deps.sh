#!/bin/bash
# Builds the Windows libraries tankai.exe and its tests use: static libogg and libvorbis
# from Debian's source packages, GoogleTest from Debian's googletest sources, and OpenAL
# Soft as OpenAL32.dll (shipped beside the game), from Debian's source package where the
# mirror serves it, else from the upstream release tarball in the vendor folder.
# Usage: build-deps.sh [deps folder]   (default: <source>/build-win-deps)
# Everything lands in <deps folder>/prefix; a library already installed there is not
# rebuilt, so a second run takes a second.
# TANKAI_VENDOR_DIR names the vendor folder (default: <source>/../shared/vendor).
# TANKAI_WINDOWS_TESTS=OFF leaves GoogleTest out (a release needs only the game's libraries).
set -euo pipefail

SRC_DIR=$(cd "$(dirname "$0")/../.." && pwd)
DEPS=${1:-$SRC_DIR/build-win-deps}
mkdir -p "$DEPS"
DEPS=$(cd "$DEPS" && pwd)
PREFIX=$DEPS/prefix
HOST=x86_64-w64-mingw32
JOBS=${JOBS:-$(nproc)}
export CC=$HOST-gcc-posix CXX=$HOST-g++-posix AR=$HOST-ar RANLIB=$HOST-ranlib
# The same libraries wherever this folder is and whenever it is built: its path stays out
# of them, and OpenAL32.dll's header keeps the link's time stamp 0 through the strip.
MAP=-ffile-prefix-map=$DEPS=.
export SOURCE_DATE_EPOCH=0
# Libraries built by another version of this recipe are built again.
RECIPE=$(cat "${BASH_SOURCE[0]}" "$SRC_DIR/cmake/mingw-w64-x86_64.cmake" | sha256sum | cut -c1-16)
if [ "$(cat "$PREFIX/.recipe" 2>/dev/null)" != "$RECIPE" ]; then
  rm -rf "$PREFIX" "$DEPS"/build-*
fi
mkdir -p "$PREFIX"
echo "$RECIPE" >"$PREFIX/.recipe"

# apt-get source needs deb-src entries; add ones that mirror the machine's own deb entries.
ensure_deb_src() {
  if grep -rqsE '^(deb-src|Types:.*deb-src)' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    return
  fi
  local list=/etc/apt/sources.list.d/tankai-deb-src
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -e "$f" ] || continue
    sed -e 's/^Types:.*/Types: deb-src/' "$f" >"$list-$(basename "$f")"
  done
  if [ -f /etc/apt/sources.list ]; then
    sed -n -e 's/^deb /deb-src /p' /etc/apt/sources.list >"$list.list"
  fi
  apt-get update -qq
}

fetch_source() {  # package -> prints the unpacked folder
  local pkg=$1
  local dir
  dir=$(find "$DEPS/src" -maxdepth 1 -type d -name "$pkg-*" 2>/dev/null | head -n1)
  if [ -z "$dir" ]; then
    ensure_deb_src
    mkdir -p "$DEPS/src"
    # dpkg-source unpacks the release and applies Debian's patches on top, as Debian builds it.
    (cd "$DEPS/src" && apt-get source -qq --download-only "$pkg" &&
      dpkg-source -x "$(ls -t "$pkg"_*.dsc | head -n1)") >>"$DEPS/src/fetch.log" 2>&1
    dir=$(find "$DEPS/src" -maxdepth 1 -type d -name "$pkg-*" | head -n1)
  fi
  echo "$dir"
}

build_autotools() {  # package, marker library
  local pkg=$1 lib=$2
  if [ -f "$PREFIX/lib/$lib" ]; then
    return
  fi
  local dir
  dir=$(fetch_source "$pkg")
  echo "building $pkg for Windows from $(basename "$dir")"
  (cd "$dir" &&
    { [ -x configure ] || autoreconf -fi >/dev/null; } &&
    rm -rf "$DEPS/build-$pkg" && mkdir -p "$DEPS/build-$pkg" && cd "$DEPS/build-$pkg" &&
    "$dir/configure" --host=$HOST --prefix="$PREFIX" --disable-shared --enable-static \
      --disable-docs --disable-examples --disable-oggtest PKG_CONFIG_LIBDIR="$PREFIX/lib/pkgconfig" \
      CFLAGS="-O2 $MAP" >configure.log 2>&1 &&
    make -j"$JOBS" >make.log 2>&1 && make install >install.log 2>&1) || {
    echo "building $pkg failed; logs in $DEPS/build-$pkg" >&2
    tail -n 30 "$DEPS/build-$pkg"/*.log >&2 || true
    exit 1
  }
}

build_autotools libogg libogg.a
build_autotools libvorbis libvorbisfile.a
# tankai.exe carries both libraries inside it: their licences ship with it.
for pkg in libogg libvorbis; do
  if [ ! -f "$PREFIX/share/$pkg/COPYING" ]; then
    mkdir -p "$PREFIX/share/$pkg"
    cp "$(fetch_source "$pkg")/COPYING" "$PREFIX/share/$pkg/COPYING"
  fi
done

if [ "${TANKAI_WINDOWS_TESTS:-ON}" = ON ] && [ ! -f "$PREFIX/lib/libgtest.a" ]; then
  echo "building GoogleTest for Windows from /usr/src/googletest"
  cmake -S /usr/src/googletest -B "$DEPS/build-googletest" -G "Unix Makefiles" \
    -DCMAKE_TOOLCHAIN_FILE="$SRC_DIR/cmake/mingw-w64-x86_64.cmake" \
    -DTANKAI_WIN_DEPS="$PREFIX" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$PREFIX" -DBUILD_GMOCK=OFF -DINSTALL_GTEST=ON \
    -Dgtest_disable_pthreads=OFF >"$DEPS/googletest-configure.log" 2>&1
  cmake --build "$DEPS/build-googletest" -j"$JOBS" >"$DEPS/googletest-build.log" 2>&1
  cmake --install "$DEPS/build-googletest" >/dev/null
fi
# ---- OpenAL Soft ------------------------------------------------------------------------
# The release Debian 12 ships (1:1.19.1-2); Debian's only change to it is -fcommon, which
# GCC 10 and later need for the tentative definitions in Alc/bformatdec.h.
OPENAL_VERSIJA=1.19.1
OPENAL_DEBIAN=1:1.19.1-2
OPENAL_TARBALL=openal-soft-$OPENAL_VERSIJA.tar.gz
OPENAL_SHA256=fa7444f2ede4f06292f324372bec2b695a1608b01bb9768b84637341cac63fbd
VENDOR=${TANKAI_VENDOR_DIR:-$SRC_DIR/../shared/vendor}
OPENAL_SRC=$DEPS/src/openal-soft-$OPENAL_VERSIJA
OPENAL_NOTE=$DEPS/src/openal-soft.saltinis

# Unpacks the source into $OPENAL_SRC and writes where it came from into $OPENAL_NOTE.
openal_source() {
  if [ -f "$OPENAL_SRC/CMakeLists.txt" ] && [ -f "$OPENAL_NOTE" ]; then
    return
  fi
  rm -rf "$OPENAL_SRC" "$OPENAL_NOTE"
  mkdir -p "$DEPS/src"
  ensure_deb_src
  if (cd "$DEPS/src" && apt-get source -qq --download-only "openal-soft=$OPENAL_DEBIAN" &&
      dpkg-source -x "openal-soft_${OPENAL_DEBIAN#1:}.dsc") >>"$DEPS/src/fetch.log" 2>&1 &&
     [ -f "$OPENAL_SRC/CMakeLists.txt" ]; then
    cat >"$OPENAL_NOTE" <<NOTE
OpenAL Soft $OPENAL_VERSIJA, built from Debian's source package openal-soft $OPENAL_DEBIAN
(the upstream release with Debian's patches applied), with -fcommon as Debian builds it.
NOTE
    return
  fi
  rm -rf "$OPENAL_SRC"
  echo "openal-soft: Debian's source package is not served here; using $VENDOR/$OPENAL_TARBALL"
  if [ ! -f "$VENDOR/$OPENAL_TARBALL" ]; then
    echo "openal-soft: neither Debian's source package nor $VENDOR/$OPENAL_TARBALL is available" >&2
    exit 1
  fi
  local suma
  suma=$(sha256sum "$VENDOR/$OPENAL_TARBALL" | cut -d' ' -f1)
  if [ "$suma" != "$OPENAL_SHA256" ]; then
    echo "openal-soft: $VENDOR/$OPENAL_TARBALL has sha256 $suma, expected $OPENAL_SHA256" >&2
    exit 1
  fi
  tar -xzf "$VENDOR/$OPENAL_TARBALL" -C "$DEPS/src"
  if [ ! -f "$OPENAL_SRC/CMakeLists.txt" ]; then
    echo "openal-soft: $OPENAL_TARBALL does not unpack to openal-soft-$OPENAL_VERSIJA/" >&2
    exit 1
  fi
  cat >"$OPENAL_NOTE" <<NOTE
OpenAL Soft $OPENAL_VERSIJA, built from the upstream release tarball $OPENAL_TARBALL
(sha256 $OPENAL_SHA256, release tag openal-soft-$OPENAL_VERSIJA),
which is the upstream release of Debian 12's source package openal-soft $OPENAL_DEBIAN;
built with -fcommon as Debian builds it (Debian's only change to the release).
NOTE
}

if [ ! -f "$PREFIX/bin/OpenAL32.dll" ]; then
  openal_source
  echo "building OpenAL Soft for Windows from $(basename "$OPENAL_SRC")"
  rm -rf "$DEPS/build-openal-soft"
  # Only the library, with the Windows backends (WASAPI, DirectSound, WinMM) and the null
  # and wave-writer ones; no utilities, examples or data sets. Its build runs two small
  # generators on this machine, configured by a nested CMake that must see the host
  # compiler, not the exported cross one: the toolchain file alone names that.
  if ! { env -u CC -u CXX -u AR -u RANLIB cmake -S "$OPENAL_SRC" -B "$DEPS/build-openal-soft" -G "Unix Makefiles" \
      -DCMAKE_TOOLCHAIN_FILE="$SRC_DIR/cmake/mingw-w64-x86_64.cmake" \
      -DTANKAI_WIN_DEPS="$PREFIX" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$PREFIX" \
      -DCMAKE_C_FLAGS="-fcommon $MAP" -DCMAKE_CXX_FLAGS="-fcommon $MAP" \
      -DALSOFT_UTILS=OFF -DALSOFT_NO_CONFIG_UTIL=ON -DALSOFT_EXAMPLES=OFF -DALSOFT_TESTS=OFF \
      -DALSOFT_CONFIG=OFF -DALSOFT_HRTF_DEFS=OFF -DALSOFT_AMBDEC_PRESETS=OFF \
      -DALSOFT_REQUIRE_WASAPI=ON -DALSOFT_REQUIRE_DSOUND=ON -DALSOFT_REQUIRE_WINMM=ON \
      >"$DEPS/openal-soft-configure.log" 2>&1 &&
    env -u CC -u CXX -u AR -u RANLIB cmake --build "$DEPS/build-openal-soft" -j"$JOBS" \
      >"$DEPS/openal-soft-build.log" 2>&1 &&
    cmake --install "$DEPS/build-openal-soft" --strip >"$DEPS/openal-soft-install.log" 2>&1; }; then
    echo "building OpenAL Soft failed; logs in $DEPS/openal-soft-*.log" >&2
    tail -n 30 "$DEPS"/openal-soft-*.log >&2 || true
    exit 1
  fi
  # What ships beside the DLL: its licence and a note of the source it was built from.
  mkdir -p "$PREFIX/share/openal-soft"
  cp "$OPENAL_SRC/COPYING" "$PREFIX/share/openal-soft/COPYING"
  cp "$OPENAL_NOTE" "$PREFIX/share/openal-soft/SOURCE"
fi
echo "Windows libraries ready in $PREFIX"
