#!/usr/bin/env bash
# Builds the Debian package and checks it: its files, that its Depends name the
# package of every library the game loads, that those resolve on a Debian 12 with
# nothing installed (apt's solver against an empty package database), and, as root,
# that it installs, runs from the menu entry's command and removes cleanly.
#
# usage: check-package.sh <build folder> [--install]
set -uo pipefail

BUILD=$(readlink -f "$1")
INSTALL=${2:-}
HERE=$(dirname "$(readlink -f "$0")")
WORK=$(mktemp -d /tmp/tankai-paketas.XXXXXX)
trap 'rm -rf "$WORK"' EXIT
ZYMA="paketas"
source "$HERE/../tests/common/checks.sh"

(cd "$BUILD" && cpack -G DEB > "$WORK/cpack.log" 2>&1)
ok $? "cpack builds the package" || cat "$WORK/cpack.log"
DEB=$(ls -t "$BUILD"/tankai_*.deb 2>/dev/null | head -n 1)
[ -n "$DEB" ] || { log "FAIL: no package"; exit 1; }
log "package $DEB ($(du -h "$DEB" | cut -f1))"

dpkg-deb -c "$DEB" | awk '{print $6}' > "$WORK/files"
for f in ./usr/games/tankai ./usr/libexec/tankai/tankai ./usr/share/games/tankai/settings.cfg \
         ./usr/share/games/tankai/duomenys/muzika.ogg ./usr/share/applications/tankai.desktop \
         ./usr/share/icons/hicolor/48x48/apps/tankai.png ./usr/share/metainfo/example.tankai.Tankai.metainfo.xml \
         ./usr/share/man/man6/tankai.6.gz ./usr/share/doc/tankai/copyright ./usr/share/doc/tankai/changelog.gz; do
  ok $(grep -qx "$f" "$WORK/files"; echo $?) "package holds $f"
done

# Debian's own checks of the package: no error and no warning. An override would
# go, with its reason, in the package's usr/share/lintian/overrides/tankai.
if command -v lintian > /dev/null; then
  lintian -I --fail-on error,warning "$DEB" > "$WORK/lintian.log" 2>&1
  status=$?
  ok $status "lintian finds no error or warning ($(grep -c '^[EW]:' "$WORK/lintian.log") found)"
  [ $status -eq 0 ] || cat "$WORK/lintian.log"
  grep '^[IN]:' "$WORK/lintian.log" | sed 's/^/[paketas]   /'
else
  ok 1 "lintian is installed (scripts/deps.sh installs it)"
fi

DEPENDS=$(dpkg-deb -f "$DEB" Depends)
log "Depends: $DEPENDS"
# Package names only, alternatives included.
echo "$DEPENDS" | tr ',|' '\n\n' | awk 'NF {print $1}' | sort -u > "$WORK/depends"
names() { grep -qxF "$1" "$WORK/depends"; }
for p in libsdl2-2.0-0 libopenal1 libvorbisfile3 libfreetype6 libfontconfig1 libglu1-mesa libgl1; do
  ok $(names "$p"; echo $?) "Depends names $p"
done

# Every library the binary needs must come from a package the Depends name.
dpkg-deb -x "$DEB" "$WORK/root"
for lib in $(readelf -d "$WORK/root/usr/libexec/tankai/tankai" | sed -n 's/.*Shared library: \[\(.*\)\]/\1/p'); do
  path=$(ldconfig -p | awk -v l="$lib" '$1 == l && /x86-64/ {print $NF; exit}')
  pkg=$(dpkg -S "$(readlink -f "$path")" 2>/dev/null | head -n 1 | cut -d: -f1)
  [ -n "$pkg" ] || pkg=$(dpkg -S "$path" 2>/dev/null | head -n 1 | cut -d: -f1)
  ok $([ -n "$pkg" ] && names "$pkg"; echo $?) "$lib comes from ${pkg:-no known package}, which Depends names"
done

# A fresh system: apt solves the install with no package known to be installed.
if [ -n "$(ls /var/lib/apt/lists/*_Packages* 2>/dev/null)" ]; then
  : > "$WORK/status"
  apt-get -s -o Dir::State::status="$WORK/status" -o APT::Install-Recommends=false install "$DEB" \
    > "$WORK/apt.log" 2>&1
  ok $? "on an empty Debian 12 apt can install the package and everything it needs ($(grep -c '^Inst' "$WORK/apt.log") packages)" \
    || tail -n 20 "$WORK/apt.log"
else
  skip "the install on an empty Debian 12: no apt lists (apt-get update first)"
fi

if [ "$INSTALL" = "--install" ]; then
  if [ "$(id -u)" -ne 0 ]; then
    ok 1 "--install needs root"
  else
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$DEB" > "$WORK/apt-install.log" 2>&1
    ok $? "the package installs" || tail -n 20 "$WORK/apt-install.log"
    # Debian puts /usr/games on every player's PATH (not root's).
    ok $([ "$(PATH=/usr/local/bin:/usr/bin:/bin:/usr/local/games:/usr/games command -v tankai)" = /usr/games/tankai ]; echo $?) \
      "tankai is on a player's PATH"
    ok $(man -w tankai 2>/dev/null | grep -qx /usr/share/man/man6/tankai.6.gz; echo $?) "man tankai finds the page"
    bash "$HERE/check-install.sh" "$BUILD" /usr
    ok_script $? "the installed game runs (check-install.sh)"
    bash "$HERE/check-launcher.sh" "$BUILD" /usr
    ok_script $? "players' settings through the installed launcher (check-launcher.sh)"
    dpkg -r tankai > "$WORK/remove.log" 2>&1
    ok $? "the package removes"
    ok $([ -z "$(dpkg -L tankai 2>/dev/null)" ] && [ ! -e /usr/share/games/tankai ] && [ ! -e /usr/games/tankai ] &&
      [ ! -e /usr/share/metainfo/example.tankai.Tankai.metainfo.xml ] && [ ! -e /usr/share/doc/tankai ]; echo $?) \
      "nothing of it is left"
  fi
else
  skip "installing the package, the installed game and its removal (--install, as root)"
fi

end_checks
