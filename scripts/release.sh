#!/usr/bin/env bash
# Builds a release of the committed sources into one folder, the same bytes on every run
# of the same commit (scripts/check-reproducible.sh checks it):
#
#   tankai-<v>.tar.gz              the sources of the commit (git archive)
#   tankai-<v>-release-notes.txt   the changelog's newest entry
#   tankai-<v>-linux/              the Linux game, its settings and generated data
#   tankai_<v>_amd64.deb           the Debian package
#   Tankai-<v>-win64/              tankai.exe and OpenAL32.dll, as both Windows packages ship them
#   Tankai-<v>-win64.zip, Tankai-<v>-win64-setup.exe
#   SHA256SUMS                     over every other file
#
# <v> is the CMake project version. Times come from SOURCE_DATE_EPOCH, the commit's time
# when unset. Everything is built from the commit alone, in a temporary folder.
#
# Usage: release.sh <folder> [--allow-dirty] [--linux | --windows] [--win-deps <folder>]
#   --allow-dirty      build the work tree as it is, uncommitted changes included; the
#                      names then say <v>-dirty
#   --linux, --windows only that part (the sources and notes come with either)
#   --win-deps <dir>   keep the Windows libraries (libogg, libvorbis, OpenAL Soft) there and
#                      reuse them on the next run (tools/windows/build-deps.sh)
set -euo pipefail
# Read whole before it runs: the sources may change while it builds.
{
here=$(cd "$(dirname "$0")/.." && pwd)

usage() { echo "usage: release.sh <folder> [--allow-dirty] [--linux | --windows] [--win-deps <folder>]" >&2; exit 2; }
out="" dirty_ok=0 linux=1 windows=1 win_deps=""
while [ $# -gt 0 ]; do
  case $1 in
    --allow-dirty) dirty_ok=1 ;;
    --linux) windows=0 ;;
    --windows) linux=0 ;;
    --win-deps) [ $# -ge 2 ] || usage; win_deps=$2; shift ;;
    -*) usage ;;
    *) [ -z "$out" ] || usage; out=$1 ;;
  esac
  shift
done
[ -n "$out" ] && [ $((linux + windows)) -gt 0 ] || usage

# The same environment whoever runs it: no caller's flags, time zone, locale or umask
# reaches the build.
umask 022
export TZ=UTC LC_ALL=C.UTF-8 LANGUAGE=
unset CFLAGS CXXFLAGS CPPFLAGS LDFLAGS MAKEFLAGS CMAKE_GENERATOR CMAKE_BUILD_TYPE \
  CMAKE_TOOLCHAIN_FILE PKG_CONFIG_PATH TANKAI_WIN_DEPS
jobs=$(nproc)
say() { echo "== release: $*"; }
fail() { echo "release: $*" >&2; exit 1; }

# ---- tools: every one named before anything is built -------------------------------------
tools="git:git cmake:cmake make:make gcc:gcc g++:g++ pkg-config:pkg-config gzip:gzip tar:tar sha256sum:coreutils"
[ $linux -eq 0 ] || tools+=" dpkg-deb:dpkg dpkg-shlibdeps:dpkg-dev strip:binutils"
[ $windows -eq 0 ] || tools+=" x86_64-w64-mingw32-gcc-posix:gcc-mingw-w64-x86-64-posix
  x86_64-w64-mingw32-g++-posix:g++-mingw-w64-x86-64-posix x86_64-w64-mingw32-windres:binutils-mingw-w64-x86-64
  makensis:nsis zip:zip dpkg-source:dpkg-dev apt-get:apt"
missing=() packages=()
for t in $tools; do
  command -v "${t%%:*}" >/dev/null || { missing+=("${t%%:*}"); packages+=("${t#*:}"); }
done
# The libraries the build for this machine needs (it makes the data for both systems).
for m in sdl2 openal vorbisfile vorbisenc freetype2 fontconfig gl glu; do
  pkg-config --exists "$m" 2>/dev/null || missing+=("the $m library (pkg-config $m)")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "release: missing, nothing built: ${missing[*]}" >&2
  echo "release: bash scripts/deps.sh ${packages[*]} installs them" >&2
  exit 1
fi

# ---- the sources: the commit, or with --allow-dirty the work tree ----------------------------
git -C "$here" rev-parse --verify -q HEAD >/dev/null || fail "$here is not a git work tree with a commit"
: "${SOURCE_DATE_EPOCH:=$(git -C "$here" log -1 --format=%ct HEAD)}"
export SOURCE_DATE_EPOCH
changes=$(git -C "$here" status --porcelain --untracked-files=normal)
head=$(git -C "$here" rev-parse HEAD)
commit=$head
version=$(git -C "$here" show "$commit:CMakeLists.txt" | sed -n 's/^project(Tankai VERSION \([0-9.]*\).*/\1/p')
[ -n "$version" ] || fail "CMakeLists.txt names no project version"
label=$version

mkdir -p "$out"
out=$(cd "$out" && pwd)
[ -z "$(ls -A "$out")" ] || fail "$out is not empty"
work=$(mktemp -d "${TMPDIR:-/tmp}/tankai-release.XXXXXX")
trap 'rm -rf "$work"' EXIT

if [ -n "$changes" ]; then
  if [ $dirty_ok -eq 0 ]; then
    echo "release: the work tree has uncommitted changes; commit them, or pass --allow-dirty:" >&2
    echo "$changes" | head -n 10 >&2
    exit 1
  fi
  # The work tree as a commit of its own, in a private object store: the repository is
  # not touched, and the same changes give the same commit.
  label=$version-dirty
  objects=$(git -C "$here" rev-parse --path-format=absolute --git-path objects)
  cp "$(git -C "$here" rev-parse --path-format=absolute --git-path index)" "$work/index"
  export GIT_OBJECT_DIRECTORY=$work/objects GIT_ALTERNATE_OBJECT_DIRECTORIES=$objects GIT_INDEX_FILE=$work/index
  mkdir -p "$GIT_OBJECT_DIRECTORY"
  git -C "$here" add -A
  commit=$(GIT_AUTHOR_NAME=release GIT_AUTHOR_EMAIL=release GIT_COMMITTER_NAME=release \
    GIT_COMMITTER_EMAIL=release GIT_AUTHOR_DATE="@$SOURCE_DATE_EPOCH +0000" \
    GIT_COMMITTER_DATE="@$SOURCE_DATE_EPOCH +0000" \
    git -C "$here" commit-tree "$(git -C "$here" write-tree)" -p HEAD -m "$label: the work tree with uncommitted changes")
  say "uncommitted changes: built as $label"
fi
say "Tankai $label from $commit, SOURCE_DATE_EPOCH=$SOURCE_DATE_EPOCH"
src=$work/src
git -C "$here" archive --format=tar --prefix="tankai-$version/" "$commit" | gzip -9n >"$out/tankai-$label.tar.gz"
mkdir -p "$src"
tar -xzf "$out/tankai-$label.tar.gz" -C "$src" --strip-components=1
unset GIT_OBJECT_DIRECTORY GIT_ALTERNATE_OBJECT_DIRECTORIES GIT_INDEX_FILE

# ---- release notes ------------------------------------------------------------------------------
entry=$(awk '{ print } /^ -- / { exit }' "$src/packaging/changelog")
date=$(sed -n 's/^ -- .*>  //p' <<<"$entry")
{
  echo "Tankai $version ($date)"
  sed '1d;$d' <<<"$entry"
  echo
  echo "Built from commit $head${changes:+ with uncommitted changes}, SOURCE_DATE_EPOCH=$SOURCE_DATE_EPOCH."
} >"$out/tankai-$label-release-notes.txt"

# ---- the build for this machine: the Linux game, and the data both systems ship -------------
say "build for this machine"
host=$work/build-linux
cmake -S "$src" -B "$host" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTANKAI_TESTS=OFF -DTANKAI_LEIDIMUI=ON >"$work/linux-configure.log" ||
  { cat "$work/linux-configure.log"; fail "configuring the build failed"; }
if [ $linux -eq 1 ]; then
  cmake --build "$host" -j"$jobs" >"$work/linux-build.log" || { tail -n 40 "$work/linux-build.log"; fail "the build failed"; }
  (cd "$host" && cpack -G DEB >"$work/deb.log") || { cat "$work/deb.log"; fail "the Debian package failed"; }
  mv "$host/tankai_${version}_amd64.deb" "$out/tankai_${label}_amd64.deb"
  cmake --install "$host" --prefix "$work/linux-root" --strip >/dev/null
  game=$out/tankai-$label-linux
  mkdir -p "$game"
  cp "$work/linux-root/libexec/tankai/tankai" "$game/"
  cp -r "$work/linux-root/share/games/tankai/." "$game/"
else
  # Only the data generator and the icon painter, which the Windows build runs.
  cmake --build "$host" -j"$jobs" --target tankai_duomenys tankai_zenklelis >"$work/linux-build.log" ||
    { tail -n 40 "$work/linux-build.log"; fail "the build failed"; }
fi

# ---- Windows ------------------------------------------------------------------------------------
if [ $windows -eq 1 ]; then
  say "Windows"
  TANKAI_HOST_BUILD=$host TANKAI_WIN_DEPS_DIR=${win_deps:-$work/build-win-deps} TANKAI_LEIDIMUI=ON \
    TANKAI_NO_INSTALL=1 TANKAI_VENDOR_DIR=${TANKAI_VENDOR_DIR:-$here/../shared/vendor} \
    bash "$src/tools/windows/build-packages.sh" "$work" >"$work/windows.log" 2>&1 ||
    { tail -n 40 "$work/windows.log"; fail "the Windows build failed"; }
  name=Tankai-$version-win64
  mv "$work/build-win/$name.zip" "$out/Tankai-$label-win64.zip"
  mv "$work/build-win/$name-setup.exe" "$out/Tankai-$label-win64-setup.exe"
  # The executables exactly as both packages ship them (stripped), taken from the ZIP.
  mkdir -p "$work/zip" "$out/Tankai-$label-win64"
  (cd "$work/zip" && cmake -E tar xf "$out/Tankai-$label-win64.zip")
  cp "$work/zip/$name/tankai.exe" "$work/zip/$name/OpenAL32.dll" "$out/Tankai-$label-win64/"
fi

# ---- checksums ----------------------------------------------------------------------------------
find "$out" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
(cd "$out" && find . -type f ! -name SHA256SUMS | sed 's|^\./||' | LC_ALL=C sort | xargs -d '\n' sha256sum) >"$work/SHA256SUMS"
mv "$work/SHA256SUMS" "$out/SHA256SUMS"
touch -d "@$SOURCE_DATE_EPOCH" "$out/SHA256SUMS"
say "done: $out"
(cd "$out" && ls -l)
exit
}
