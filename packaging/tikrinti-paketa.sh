#!/usr/bin/env bash
# Builds the Debian package and checks it: its files, that its Depends name the
# package of every library the game loads, that those resolve on a Debian 12 with
# nothing installed (apt's solver against an empty package database), and, as root,
# that it installs, runs from the menu entry's command and removes cleanly.
#
# usage: tikrinti-paketa.sh <build folder> [--install]
set -uo pipefail

BUILD=$(readlink -f "$1")
INSTALL=${2:-}
HERE=$(dirname "$(readlink -f "$0")")
FAILS=0
CHECKS=0
WORK=$(mktemp -d /tmp/tankai-paketas.XXXXXX)
trap 'rm -rf "$WORK"' EXIT
log() { echo "[paketas] $*"; }
ok() {
  CHECKS=$((CHECKS + 1))
  if [ "$1" -eq 0 ]; then log "ok: $2"; else log "FAIL: $2"; FAILS=$((FAILS + 1)); fi
}

(cd "$BUILD" && cpack -G DEB > "$WORK/cpack.log" 2>&1)
ok $? "cpack builds the package" || cat "$WORK/cpack.log"
DEB=$(ls -t "$BUILD"/tankai_*.deb 2>/dev/null | head -n 1)
[ -n "$DEB" ] || { log "FAIL: no package"; exit 1; }
log "package $DEB ($(du -h "$DEB" | cut -f1))"

dpkg-deb -c "$DEB" | awk '{print $6}' > "$WORK/files"
for f in ./usr/bin/tankai ./usr/libexec/tankai/tankai ./usr/share/tankai/settings.cfg \
         ./usr/share/tankai/duomenys/muzika.ogg ./usr/share/applications/tankai.desktop \
         ./usr/share/icons/hicolor/48x48/apps/tankai.png; do
  ok $(grep -qx "$f" "$WORK/files"; echo $?) "package holds $f"
done

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
  log "skipped the fresh-system solve: no apt lists (apt-get update first)"
fi

if [ "$INSTALL" = "--install" ]; then
  if [ "$(id -u)" -ne 0 ]; then
    log "FAIL: --install needs root"
    FAILS=$((FAILS + 1))
  else
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$DEB" > "$WORK/apt-install.log" 2>&1
    ok $? "the package installs" || tail -n 20 "$WORK/apt-install.log"
    ok $([ "$(command -v tankai)" = /usr/bin/tankai ]; echo $?) "tankai is on the PATH"
    bash "$HERE/tikrinti-diegima.sh" "$BUILD" /usr
    ok $? "the installed game runs (tikrinti-diegima.sh)"
    dpkg -r tankai > "$WORK/remove.log" 2>&1
    ok $? "the package removes"
    ok $([ ! -e /usr/share/tankai ] && [ ! -e /usr/bin/tankai ]; echo $?) "nothing of it is left"
  fi
fi

log "$CHECKS checks, $FAILS failed"
[ "$FAILS" -eq 0 ]
