#!/bin/bash
# Smoke run of the real tankai.exe under Wine and Xvfb, driven by xdotool: intro, menu,
# a battle with a move and a shot, Escape back to the menu, the quit item, exit status 0.
# Screenshots (ImageMagick) are checked by pixels. Two runs: without OpenAL32.dll (the
# game must run silent) and with the stand-in DLL (the audio code path runs).
# Usage: smoke.sh <tankai.exe> <build folder> <folder of the stand-in OpenAL32.dll>
set -uo pipefail

EXE=$(readlink -f "$1")
BUILD=$(readlink -f "$2")
DLLDIR=$(readlink -f "$3")

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"
fi
# Only Wine's DLL-loading lines: they tell which OpenAL32.dll, if any, the game loaded.
export WINEDEBUG=-all,+loaddll

WORK=$(mktemp -d /tmp/tankai-win-smoke.XXXXXX)
SHOTS=${TANKAI_SMOKE_SHOTS:-$WORK/shots}
mkdir -p "$SHOTS"
FAILS=0
CHECKS=0
PID=""
WID=""
RUN=""

cleanup() {
  if [ -n "$PID" ] && kill -0 "$PID" 2>/dev/null; then kill -9 "$PID" 2>/dev/null; fi
  [ -n "${TANKAI_SMOKE_KEEP:-}" ] || rm -rf "$WORK"
}
trap cleanup EXIT

log() { echo "[windows-smoke${RUN:+ $RUN}] $*"; }
ok() {  # ok <status> <description>
  CHECKS=$((CHECKS + 1))
  if [ "$1" -eq 0 ]; then log "ok: $2"; else log "FAIL: $2"; FAILS=$((FAILS + 1)); fi
}
# The game sees a key only if it is still down at the next frame: a tap shorter than a
# frame is lost by the key-state design, and frames under Wine and software GL are uneven.
hold() { timeout 5 xdotool keydown "$1"; sleep "$2"; timeout 5 xdotool keyup "$1"; }
key() { for k in "$@"; do hold "$k" 0.15; sleep 0.05; done; }
shot() {  # the game window, saved as $SHOTS/<run>_<name>.png
  local f="$SHOTS/${RUN}_$1.png"
  timeout 10 import -window "$WID" "png:$f" 2>/dev/null
  echo "$f"
}
# Brightness (sum of the mean channels, 0..765) of a region, window pixels from the top left.
brightness() {  # brightness <png> <x> <y> <w> <h>
  convert "$1" -crop "${4}x${5}+${2}+${3}" +repage -scale '1x1!' \
    -format '%[fx:int(255*r+0.5)+int(255*g+0.5)+int(255*b+0.5)]' info:
}
changed() {  # changed <a.png> <b.png> <x> <y> <w> <h>: pixels that differ
  local g="${5}x${6}+${3}+${4}"
  # Real files: ImageMagick's policy forbids reading /dev/fd.
  convert "$1" -crop "$g" +repage "$WORK/a.png" && convert "$2" -crop "$g" +repage "$WORK/b.png" &&
    compare -metric AE -fuzz 8% "$WORK/a.png" "$WORK/b.png" null: 2>&1 | awk '{print int($1)}'
}
size() { identify -format '%w %h' "$1"; }

# Processor seconds used so far by the game process (wine runs it as tankai.exe).
cpu_seconds() {
  local p
  p=$(pgrep -x tankai.exe | head -n 1) || true
  [ -n "$p" ] || { echo 0; return; }
  awk -v hz="$(getconf CLK_TCK)" '{print ($14 + $15) / hz}' "/proc/$p/stat" 2>/dev/null || echo 0
}

one_run() {  # one_run <name> <with dll: 0/1>
  RUN=$1
  local dir="$WORK/$RUN"
  mkdir -p "$dir"
  cp -r "$BUILD/duomenys" "$dir/duomenys"
  printf 'pavad = Tankai\ndydis = 800, 600\npoz = 0, 0\nfullscr = 0\n' > "$dir/settings.cfg"
  # The working folder is on the DLL search path, as the game's own folder would be.
  if [ "$2" = 1 ]; then cp "$DLLDIR/OpenAL32.dll" "$dir/"; fi

  (cd "$dir" && exec wine "$EXE" > "$dir/game.log" 2>&1) &
  PID=$!
  WID=""
  for _ in $(seq 1 300); do
    WID=$(timeout 5 xdotool search --onlyvisible --name '^Tankai$' 2>/dev/null | head -n 1) || true
    [ -n "$WID" ] && break
    kill -0 "$PID" 2>/dev/null || break
    sleep 0.1
  done
  if [ -z "$WID" ]; then
    ok 1 "the game window appears"; cat "$dir/game.log"; return
  fi
  timeout 5 xdotool windowfocus --sync "$WID" 2>/dev/null || timeout 5 xdotool windowfocus "$WID"
  log "window $WID"

  sleep 1.2  # the intro is fully faded in from 0.5 s to 2.5 s
  local intro menu battle moved fired back
  intro=$(shot intro)
  ok $([ "$(size "$intro")" = "800 600" ]; echo $?) "the client area is 800 by 600 ($(size "$intro"))"
  ok $([ "$(brightness "$intro" 250 150 300 300)" -gt 60 ] &&
       [ "$(brightness "$intro" 0 0 150 600)" -lt 20 ]; echo $?) "the intro picture is centred on black"

  key space; sleep 0.6
  menu=$(shot menu)
  ok $([ "$(changed "$intro" "$menu" 0 0 800 600)" -gt 20000 ]; echo $?) "Space leaves the intro for the menu"
  ok $([ "$(brightness "$menu" 420 20 360 560)" -gt 60 ]; echo $?) "the menu shows its picture"

  key Return; sleep 1.0
  battle=$(shot battle)
  ok $([ "$(brightness "$battle" 25 33 750 560)" -gt 60 ] &&
       [ "$(brightness "$battle" 0 0 20 600)" -lt 20 ]; echo $?) "Enter starts a battle on the grid"

  local c0 c1 t0 t1
  c0=$(cpu_seconds); t0=$(date +%s.%N)
  hold Up 0.8; hold Left 0.8
  moved=$(shot moved)
  c1=$(cpu_seconds); t1=$(date +%s.%N)
  log "game process: $(awk -v c="$c0" -v d="$c1" -v a="$t0" -v b="$t1" \
    'BEGIN { printf "%.0f%% of one core in battle", 100 * (d - c) / (b - a) }')"
  ok $([ "$(changed "$battle" "$moved" 25 33 750 560)" -gt 300 ]; echo $?) "the battle runs and the arrows drive"

  timeout 5 xdotool keydown space; sleep 0.15; fired=$(shot fired); timeout 5 xdotool keyup space
  sleep 0.3
  local after
  after=$(shot after_shot)
  ok $([ "$(changed "$moved" "$fired" 25 33 750 560)" -gt 10 ] ||
       [ "$(changed "$moved" "$after" 25 33 750 560)" -gt 10 ]; echo $?) "Space fires"

  key Escape; sleep 0.6
  back=$(shot back_in_menu)
  ok $([ "$(brightness "$back" 0 0 20 600)" -lt 20 ] &&
       [ "$(brightness "$back" 420 20 360 560)" -gt 60 ]; echo $?) "Escape returns to the menu"

  key Down Down Return
  local status=0
  for _ in $(seq 1 150); do
    kill -0 "$PID" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$PID" 2>/dev/null; then
    ok 1 "the quit item ends the game within 15 s"
    kill -9 "$PID" 2>/dev/null
  else
    wait "$PID"; status=$?
    ok $([ "$status" -eq 0 ]; echo $?) "exit status $status"
  fi
  PID=""
  if [ "$2" = 1 ]; then
    ok $(grep -qi 'OpenAL32\.dll.*native' "$dir/game.log"; echo $?) "the game loaded the OpenAL32.dll beside it"
  else
    ok $(! grep -qi 'Loaded.*OpenAL32' "$dir/game.log"; echo $?) "no OpenAL32.dll was loaded: the game ran silent"
  fi
  if [ "$FAILS" -gt 0 ]; then log "game output:"; grep -v loaddll "$dir/game.log" | tail -n 30; fi
}

one_run silent 0
one_run openal 1
RUN=""
log "$CHECKS checks, $FAILS failed; screenshots in $SHOTS"
[ "$FAILS" -eq 0 ]
