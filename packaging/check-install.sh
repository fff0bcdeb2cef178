#!/usr/bin/env bash
# Checks an installed Tankai: the layout, the data (the same files as the build's),
# the menu entry and icons, and that the launcher starts the game in its data folder
# from anywhere. The run is under Xvfb with real X key events: the menu the
# installed game shows must match the one the game shows from the build folder,
# and the menu's quit item must end it with status 0.
#
# usage: check-install.sh <build folder> [installed prefix]
# Without a prefix, the build is installed into a temporary folder first.
set -uo pipefail

BUILD=$(readlink -f "$1")
PREFIX=${2:-}

if [ -z "${TANKAI_DIEGIMAS_XVFB:-}" ]; then
  export TANKAI_DIEGIMAS_XVFB=1
  exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"
fi
unset SDL_VIDEODRIVER
export ALSOFT_DRIVERS=${ALSOFT_DRIVERS:-null}

WORK=$(mktemp -d /tmp/tankai-diegimas.XXXXXX)
# The launcher keeps the player's settings in the home folder: a fresh one, not ours.
export HOME=$WORK/home
mkdir -p "$HOME"
unset XDG_CONFIG_HOME
unset LC_ALL LC_MESSAGES
PID=""
cleanup() {
  if [ -n "$PID" ] && kill -0 "$PID" 2>/dev/null; then kill -9 "$PID" 2>/dev/null; fi
  [ -n "${TANKAI_DIEGIMAS_KEEP:-}" ] && echo "kept $WORK" || rm -rf "$WORK"
}
trap cleanup EXIT
ZYMA="diegimas"
source "$(dirname "$(readlink -f "$0")")/../tests/common/checks.sh"

if [ -z "$PREFIX" ]; then
  PREFIX=$WORK/usr
  cmake --install "$BUILD" --prefix "$PREFIX" > "$WORK/install.log" 2>&1
  ok $? "cmake --install into $PREFIX" || true
fi

LAUNCHER=$PREFIX/games/tankai
DATA=$PREFIX/share/games/tankai
ok $([ -x "$LAUNCHER" ]; echo $?) "launcher games/tankai is executable"
ok $([ -x "$PREFIX/libexec/tankai/tankai" ] && file -b "$PREFIX/libexec/tankai/tankai" | grep -q ELF; echo $?) \
  "the game binary is in libexec/tankai"
ok $(cmp -s "$DATA/settings.cfg" "$BUILD/settings.cfg"; echo $?) "default settings.cfg beside the data"
ok $(diff -r "$DATA/duomenys" "$BUILD/duomenys" > /dev/null; echo $?) "duomenys/ holds exactly the generated data"
# The pad mappings lie where SDL's layer reads them, beside the game, with their licence.
if [ -f "$BUILD/gamecontrollerdb.txt" ]; then
  ok $(cmp -s "$PREFIX/libexec/tankai/gamecontrollerdb.txt" "$BUILD/gamecontrollerdb.txt" &&
    grep -q '^Files: gamecontrollerdb.txt' "$PREFIX/share/doc/tankai/copyright" &&
    grep -q '^License: Zlib' "$PREFIX/share/doc/tankai/copyright"; echo $?) \
    "gamecontrollerdb.txt beside the game, its zlib licence in the copyright file"
else
  log "the build ships no gamecontrollerdb.txt (no vendor folder): not looked for"
fi

DESKTOP=$PREFIX/share/applications/tankai.desktop
ok $(grep -qx 'Exec=tankai' "$DESKTOP" && grep -qx 'Icon=tankai' "$DESKTOP" && grep -qx 'Type=Application' "$DESKTOP"; echo $?) \
  "menu entry runs the launcher with the tankai icon"
if command -v desktop-file-validate > /dev/null; then
  ok $(desktop-file-validate "$DESKTOP" > /dev/null; echo $?) "desktop-file-validate accepts the menu entry"
else
  skip "desktop-file-validate is not installed (scripts/deps.sh installs it): the menu entry is not validated"
fi
# AppStream: valid with no warning, launching the menu entry, showing the README's
# screenshots and naming this release.
META=$PREFIX/share/metainfo/example.tankai.Tankai.metainfo.xml
appstreamcli validate --no-net "$META" > "$WORK/appstream.log" 2>&1
status=$?
ok $([ $status -eq 0 ] && ! grep -q '^[EW]:' "$WORK/appstream.log"; echo $?) \
  "appstreamcli validate --no-net passes without warnings ($(grep -c '^[EWI]:' "$WORK/appstream.log") remarks)"
[ $status -eq 0 ] || cat "$WORK/appstream.log"
ok $(grep -q "<launchable type=\"desktop-id\">$(basename "$DESKTOP")</launchable>" "$META"; echo $?) \
  "the metainfo launches the installed menu entry"
# Each language the game speaks names and sums the game up in the menu and the software centre.
for lang in lt de; do
  ok $(grep -q "^Name\[$lang\]=." "$DESKTOP" && grep -q "^Comment\[$lang\]=." "$DESKTOP" &&
    grep -q "<name xml:lang=\"$lang\">" "$META" && grep -q "<summary xml:lang=\"$lang\">" "$META"; echo $?) \
    "the menu entry and the metainfo have a name and a summary in $lang"
done
SOURCE=$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")/..
readme_shots=$(grep -o 'docs/screenshots/[a-z]*\.png' "$SOURCE/README.md" | xargs -n1 basename | sort -u | tr '\n' ' ')
meta_shots=$(grep -o '<image[^>]*>[^<]*' "$META" | sed 's#.*/##' | sort -u | tr '\n' ' ')
ok $([ -n "$readme_shots" ] && [ "$readme_shots" = "$meta_shots" ]; echo $?) "the metainfo shows the README's screenshots ($meta_shots)"
ok $([ "$(grep -c '<caption>' "$META")" -eq "$(echo $meta_shots | wc -w)" ]; echo $?) "each screenshot has a caption"
version=$(sed -n '1s/^tankai (\([^)]*\)).*/\1/p' "$SOURCE/packaging/changelog")
ok $(grep -q "<release version=\"$version\" date=\"[0-9-]*\"" "$META"; echo $?) "the metainfo names release $version"

# The manual page: renders without a warning and tells the keys and where the
# settings live.
MAN=$PREFIX/share/man/man6/tankai.6.gz
warnings=$(MANWIDTH=80 man --warnings -E UTF-8 -l "$MAN" 2>&1 > "$WORK/man.txt")
ok $([ -z "$warnings" ] && [ -s "$WORK/man.txt" ]; echo $?) "man -l renders tankai(6) without warnings${warnings:+: $warnings}"
for word in '~/.config/tankai/settings.cfg' Escape Space F1 F2 F3 fullscr dydis darbalaukis proporcija; do
  ok $(grep -qF -- "$word" "$WORK/man.txt"; echo $?) "the manual page tells of $word"
done
ok $(grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' "$PREFIX/share/doc/tankai/copyright" &&
  zcat "$PREFIX/share/doc/tankai/changelog.gz" | head -n 1 | grep -q "^tankai ($version)"; echo $?) \
  "a machine-readable copyright file and the changelog"

for n in 32 48 64 128 256; do
  icon=$PREFIX/share/icons/hicolor/${n}x${n}/apps/tankai.png
  got=$(identify -format '%m %w %h %[opaque]' "$icon" 2>/dev/null)
  ok $([ "${got,,}" = "png $n $n false" ]; echo $?) "icon ${n}x${n} is a ${n} by ${n} PNG with transparency ($got)"
  # The tank sits in the middle; the corners are clear.
  mid=$(convert "$icon" -gravity center -crop 50%x50%+0+0 +repage -alpha extract -format '%[fx:int(255*mean)]' info: 2>/dev/null)
  corner=$(convert "$icon" -crop 12%x12%+0+0 +repage -alpha extract -format '%[fx:int(255*mean)]' info: 2>/dev/null)
  ok $([ "${mid:-0}" -gt 150 ] && [ "${corner:-255}" -lt 10 ]; echo $?) \
    "icon ${n}x${n} shows a picture in the middle (alpha $mid) on a clear ground (alpha $corner)"
done

source "$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")/../tests/e2e/lib_window.sh"

# Runs a command in a folder, skips the intro, photographs the menu into $3.
# Leaves PID and WID set.
menu_shot() {  # menu_shot <folder> <command> <png> [seconds to wait for the menu]
  (cd "$1" && exec "$2" > "$WORK/game.log" 2>&1) &
  PID=$!
  if ! WID=$(wait_window "$PID"); then
    log "no window from $2 ($(kill -0 "$PID" 2>/dev/null && echo "still running" || echo "it exited"))"
    cat "$WORK/game.log"
    return 1
  fi
  skip_to_menu "$WID" "$3" "${4:-60}" && return 0
  log "the menu did not show after $2 started"
  return 1
}

quit_game() {  # the menu's third item
  press Down Down Return
  local status=0
  for _ in $(seq 1 100); do
    kill -0 "$PID" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$PID" 2>/dev/null; then
    ok 1 "$1 ends on the quit item within 10 s"
    kill -9 "$PID"
    wait "$PID" 2>/dev/null
  else
    wait "$PID"
    status=$?
    ok $([ "$status" -eq 0 ]; echo $?) "$1 ends on the quit item with status 0 (got $status)"
  fi
  PID=""
}

stop_game() {
  [ -n "$PID" ] && kill -9 "$PID" 2>/dev/null && wait "$PID" 2>/dev/null
  PID=""
}

menu_shot "$BUILD" "$BUILD/tankai" "$WORK/build-menu.png"
status=$?
ok $status "the game in the build folder shows its menu"
if [ $status -eq 0 ]; then quit_game "the game in the build folder"; else stop_game; fi

# From the root folder, where there is no data: only the launcher can find it. In a
# Lithuanian locale, so that its first start keeps the build's language.
LANG=lt_LT.UTF-8 menu_shot / "$LAUNCHER" "$WORK/installed-menu.png"
status=$?
ok $status "the launcher started from / shows the menu"
if [ $status -eq 0 ]; then
  diff_px=$(compare -metric AE -fuzz 8% "$WORK/build-menu.png" "$WORK/installed-menu.png" null: 2>&1 | awk '{print int($1)}')
  bright=$(convert "$WORK/installed-menu.png" -crop 360x560+420+20 +repage -scale '1x1!' \
    -format '%[fx:int(255*(r+g+b))]' info: 2>/dev/null)
  ok $([ "${diff_px:-999999}" -lt 4800 ]; echo $?) "the installed game shows the same menu as the build's ($diff_px pixels differ)"
  ok $([ "${bright:-0}" -gt 60 ]; echo $?) "the menu's picture is drawn (brightness $bright)"
  quit_game "the installed game"
else
  stop_game
fi

# The same binary without its launcher finds no data, and the checks above must
# tell the two apart.
# It never shows the red menu; the other runs have shown how long the menu takes.
menu_shot / "$PREFIX/libexec/tankai/tankai" "$WORK/bare-menu.png" 10 > /dev/null
if [ $? -eq 0 ]; then
  # Without its settings.cfg either, the bare game may open at the default size: a
  # window of another size differs in every pixel.
  sizes=$(identify -format '%wx%h\n' "$WORK/build-menu.png" "$WORK/bare-menu.png" | sort -u | wc -l)
  if [ "$sizes" -eq 2 ]; then
    diff_px=$(identify -format '%[fx:w*h]' "$WORK/bare-menu.png")
  else
    diff_px=$(differing_pixels "$WORK/build-menu.png" "$WORK/bare-menu.png")
  fi
else
  diff_px=999999
fi
ok $([ -n "$diff_px" ] && [ "$diff_px" -ge 4800 ]; echo $?) "the game outside its data folder looks different ($diff_px pixels differ)"
stop_game

end_checks
