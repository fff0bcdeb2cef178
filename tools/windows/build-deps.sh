#!/bin/bash
# Builds the static Windows libraries tankai.exe and its tests link: libogg and
# libvorbis from Debian's source packages, GoogleTest from Debian's googletest sources.
# Usage: build-deps.sh [deps folder]   (default: <source>/build-win-deps)
# Everything lands in <deps folder>/prefix; a library already installed there is not
# rebuilt, so a second run takes a second.
set -euo pipefail

SRC_DIR=$(cd "$(dirname "$0")/../.." && pwd)
DEPS=${1:-$SRC_DIR/build-win-deps}
mkdir -p "$DEPS"
DEPS=$(cd "$DEPS" && pwd)
PREFIX=$DEPS/prefix
HOST=x86_64-w64-mingw32
JOBS=${JOBS:-$(nproc)}
export CC=$HOST-gcc-posix CXX=$HOST-g++-posix AR=$HOST-ar RANLIB=$HOST-ranlib
mkdir -p "$PREFIX"

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
      CFLAGS="-O2" >configure.log 2>&1 &&
    make -j"$JOBS" >make.log 2>&1 && make install >install.log 2>&1) || {
    echo "building $pkg failed; logs in $DEPS/build-$pkg" >&2
    tail -n 30 "$DEPS/build-$pkg"/*.log >&2 || true
    exit 1
  }
}

build_autotools libogg libogg.a
build_autotools libvorbis libvorbisfile.a

if [ ! -f "$PREFIX/lib/libgtest.a" ]; then
  echo "building GoogleTest for Windows from /usr/src/googletest"
  cmake -S /usr/src/googletest -B "$DEPS/build-googletest" -G "Unix Makefiles" \
    -DCMAKE_TOOLCHAIN_FILE="$SRC_DIR/cmake/mingw-w64-x86_64.cmake" \
    -DTANKAI_WIN_DEPS="$PREFIX" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$PREFIX" -DBUILD_GMOCK=OFF -DINSTALL_GTEST=ON \
    -Dgtest_disable_pthreads=OFF >"$DEPS/googletest-configure.log" 2>&1
  cmake --build "$DEPS/build-googletest" -j"$JOBS" >"$DEPS/googletest-build.log" 2>&1
  cmake --install "$DEPS/build-googletest" >/dev/null
fi
echo "Windows libraries ready in $PREFIX"
