# Shared steps of the runs of the packaged game under Wine and Xvfb: a Wine prefix, the
# game started in a folder, real key events from xdotool (down, a few frames, up, as a
# person presses), screenshots from ImageMagick, and waits for states, never for a fixed
# time. Sourced by each scenario, which is given the ZIP and the installer.
set -uo pipefail

ZIP=$(readlink -f "$1")
SETUP=$(readlink -f "$2")

if [ -z "${TANKAI_WINE_XVFB:-}" ]; then
  export TANKAI_WINE_XVFB=1
  exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"
fi

SCENARIJUS=$(basename "$0" .sh)
WORK=$(mktemp -d /tmp/tankai-wine-$SCENARIJUS.XXXXXX)
SHOTS=${TANKAI_WINE_SHOTS:-$WORK/shots}
mkdir -p "$SHOTS"
PID=""
WID=""
NAUJAS_PRIEFIKSAS=""

export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko installer prompts, no menu entries written into the host.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

ZYMA="windows-$SCENARIJUS"
source "$(dirname "${BASH_SOURCE[0]}")/../common/checks.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/lib_window.sh"

# The game's own process (Wine's launcher may have handed it on), then the launcher.
sustabdyti() {
  local p
  p=$([ -n "$WID" ] && timeout 5 xdotool getwindowpid "$WID" 2>/dev/null)
  [ -n "$p" ] && kill -9 "$p" 2>/dev/null
  [ -n "$PID" ] && kill -9 "$PID" 2>/dev/null
  PID=""
}

cleanup() {
  sustabdyti
  if [ -n "$NAUJAS_PRIEFIKSAS" ]; then wineserver -k 2>/dev/null; wineserver -w 2>/dev/null; fi
  # A read-only folder of a scenario must not keep its files from going.
  chattr -R -i "$WORK" 2>/dev/null
  chmod -R u+rwX "$WORK" 2>/dev/null
  [ -n "${TANKAI_WINE_KEEP:-}" ] && echo "kept $WORK" || rm -rf "$WORK"
}
trap cleanup EXIT

# A Wine prefix of its own under $WORK (fresh: made now), or the one the caller exported.
naujas_priefiksas() {
  export WINEPREFIX=$WORK/wine
  NAUJAS_PRIEFIKSAS=1
  wineboot -i >/dev/null 2>&1
  # A crash must fail the run, not wait for a click on Wine's crash dialog.
  wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
  wineserver -w
}
if [ -z "${WINEPREFIX:-}" ] || [ ! -d "$WINEPREFIX" ]; then naujas_priefiksas; fi

# The ZIP unpacked into a folder: prints the game's folder in it.
isskleisti() {  # isskleisti <folder>
  mkdir -p "$1"
  unzip -q "$ZIP" -d "$1" || return 1
  echo "$1/$(basename "$ZIP" .zip)"
}

# Starts a command in a folder (the game by default) and waits for a window of that
# title; leaves PID and WID set. The log goes to $WORK/game.log. The window is a counted
# check: a start that brings none (the game exits, or never shows it) fails, leaves PID
# and WID empty, and every step after it that needs the game then fails too.
zaidimo_langas() { WID=$(timeout 5 xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1); [ -n "$WID" ]; }
langas_arba_pabaiga() { zaidimo_langas "$1" || ! kill -0 "$PID" 2>/dev/null; }
paleisti() {  # paleisti <folder> [title] [command...]
  local aplankas=$1 pavadinimas=${2:-Tankai} laukti=langas_arba_pabaiga
  shift 2 2>/dev/null || shift
  # Wine runs the game in the launcher's own process, whose exit then ends the wait;
  # another command (a shortcut through `start`) hands the game on and returns at once.
  [ $# -gt 0 ] && laukti=zaidimo_langas || set -- wine tankai.exe
  PID=""
  WID=""
  if [ -z "$aplankas" ] || [ ! -d "$aplankas" ]; then
    ok 1 "a window titled '$pavadinimas': no folder '$aplankas' to start the game in"
    return 1
  fi
  (cd "$aplankas" && exec "$@" >"$WORK/game.log" 2>&1) &
  PID=$!
  wait_until 90 "$laukti" "$pavadinimas"
  [ -n "$WID" ] || zaidimo_langas "$pavadinimas"
  if [ -z "$WID" ]; then
    ok 1 "a window titled '$pavadinimas' comes up ($(kill -0 "$PID" 2>/dev/null && echo "none within 90 s" ||
      echo "the command exited without one"))"
    cat "$WORK/game.log"
    sustabdyti
    return 1
  fi
  ok 0 "a window titled '$pavadinimas' comes up ($WID)"
  timeout 5 xdotool windowfocus --sync "$WID" 2>/dev/null || timeout 5 xdotool windowfocus "$WID"
}

# The game sees a key only if it is still down at the next frame.
key() { local k; for k in "$@"; do timeout 5 xdotool keydown "$k"; sleep 0.08; timeout 5 xdotool keyup "$k"; sleep 0.05; done; }

shot() {  # shot <name>: the game window into $SHOTS/<name>.png; prints the path
  local f="$SHOTS/$1.png"
  timeout 10 import -window "$WID" "png:$f" 2>/dev/null
  echo "$f"
}
# Brightness (sum of the mean channels, 0..765) of a region given in the game's 800 by
# 600 view (from the top left), whatever the window's size.
brightness() {  # brightness <png> <x> <y> <w> <h>
  local w h
  read -r w h <<<"$(identify -format '%w %h' "$1" 2>/dev/null)"
  [ -n "$h" ] || { echo -1; return; }
  convert "$1" -crop "$(($4 * w / 800))x$(($5 * h / 600))+$(($2 * w / 800))+$(($3 * h / 600))" +repage \
    -scale '1x1!' -format '%[fx:int(255*r+0.5)+int(255*g+0.5)+int(255*b+0.5)]' info: 2>/dev/null || echo -1
}
sviesu() { [ "$(brightness "$@")" -gt 60 ]; }
tamsu() { local b; b=$(brightness "$@"); [ "$b" -ge 0 ] && [ "$b" -lt 20 ]; }

# The screens, told apart by where they have a picture and where black (with or without
# their pictures: untextured, they are plain white shapes in the same places): the intro
# is one picture in the middle; the menu has its buttons on the left, black above and
# below them, and its picture on the right; the battle fills the window but for a thin
# black frame.
ekranas_intro() { local f; f=$(shot intro); sviesu "$f" 300 150 200 300 && tamsu "$f" 0 0 150 600 && tamsu "$f" 650 0 150 600; }
ekranas_meniu() { local f; f=$(shot meniu); sviesu "$f" 700 100 80 400 && tamsu "$f" 60 470 300 100 && tamsu "$f" 0 0 300 60; }
ekranas_musis() { local f; f=$(shot musis); sviesu "$f" 60 470 300 100 && sviesu "$f" 700 100 60 400 && tamsu "$f" 0 0 20 600; }
laukti_ekrano() {  # laukti_ekrano <intro|meniu|musis> <description>
  [ -n "$WID" ] || { ok 1 "$2: no game window"; return 1; }
  wait_until 30 "ekranas_$1"
  ok $? "$2"
}

# Waits for the game to end and checks its exit status.
laukti_pabaigos() {  # laukti_pabaigos <status> [seconds]
  local status
  [ -n "$PID" ] || { ok 1 "the game ends with status $1: it was not running"; return 1; }
  if ! wait_until "${2:-30}" eval '! kill -0 "$PID" 2>/dev/null'; then
    ok 1 "the game ends"
    sustabdyti
    return
  fi
  wait "$PID"; status=$?
  PID=""
  ok $([ "$status" -eq "$1" ]; echo $?) "exit status $status (expected $1)"
}

# A short game with its screens checked: intro, menu, a battle with a move and a shot,
# Escape back to the menu, the quit item, exit status 0. With "be-judesio" the battle's
# motion is not looked for (without its pictures a tank is white on white). Status 0
# when every one of its checks held.
zaisti_ir_iseiti() {
  local pries=$FAILS
  laukti_ekrano intro "the intro shows"
  key space
  laukti_ekrano meniu "Space leads to the menu"
  key Return
  laukti_ekrano musis "Enter starts a battle on the grid"
  local a b
  a=$(shot musis_pries)
  timeout 5 xdotool keydown Up; sleep 0.8; timeout 5 xdotool keyup Up
  key Left space
  if [ "${1:-}" != be-judesio ]; then
    b=$(shot musis_po)
    local n
    n=$(differing_pixels "$a" "$b")
    ok $([ -n "$n" ] && [ "$n" -gt 100 ]; echo $?) "the battle moves on (${n:-?} pixels changed)"
  fi
  key Escape
  laukti_ekrano meniu "Escape returns to the menu"
  key Down Down Return
  laukti_pabaigos 0
  [ "$FAILS" -eq "$pries" ]
}

finish() {
  log "screenshots in $SHOTS"
  [ "$FAILS" -eq 0 ] || { log "game log:"; tail -n 40 "$WORK/game.log" 2>/dev/null; }
  end_checks
}
