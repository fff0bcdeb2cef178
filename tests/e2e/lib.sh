# Shared steps of the end-to-end runs: the game in a temporary working folder under
# Xvfb, real X key events from xdotool, screenshots from ImageMagick checked by pixels.
# Sourced by each scenario with the arguments: game executable, build folder, close tool.
set -uo pipefail

TANKAI=$(readlink -f "$1")
BUILD=$(readlink -f "$2")
CLOSER=$(readlink -f "$3")

if [ -z "${TANKAI_E2E_XVFB:-}" ]; then
  export TANKAI_E2E_XVFB=1
  exec xvfb-run -a -s "-screen 0 ${TANKAI_E2E_SCREEN:-1024x768}x24" bash "$0" "$@"
fi
unset SDL_VIDEODRIVER  # a real X window here, not the offscreen surface
source "$(dirname "${BASH_SOURCE[0]}")/lib_window.sh"

WORK=$(mktemp -d /tmp/tankai-e2e.XXXXXX)
SHOTS=${TANKAI_E2E_SHOTS:-$WORK/shots}
mkdir -p "$SHOTS"
PID=""
WID=""

cleanup() {
  if [ -n "$PID" ] && kill -0 "$PID" 2>/dev/null; then kill -9 "$PID" 2>/dev/null; fi
  [ -n "${TANKAI_E2E_KEEP:-}" ] || rm -rf "$WORK"
}
trap cleanup EXIT

ZYMA="$(basename "$0" .sh)"
source "$(dirname "${BASH_SOURCE[0]}")/../common/checks.sh"

# Lays out the working folder: the generated data and a settings file for an 800x600 window.
prepare() {
  cp -r "$BUILD/duomenys" "$WORK/duomenys"
  printf 'pavad = Tankai\ndydis = 800, 600\npoz = 0, 0\n' > "$WORK/settings.cfg"
}

# Starts the game in the working folder and waits for its window.
start_game() {
  (cd "$WORK" && exec "$TANKAI" > "$WORK/game.log" 2>&1) &
  PID=$!
  WID=$(wait_window "$PID") || {
    log "FAIL: no game window; the game $(ps -o stat=,wchan= -p "$PID" 2>/dev/null || echo "has exited");" \
      "windows of the display: $(xdotool search --name '' 2>/dev/null | wc -l)"
    cat "$WORK/game.log"
    exit 1
  }
  log "window $WID, pid $PID"
}

key() { press "$@"; }
hold() { xdotool keydown "$1"; sleep "$2"; xdotool keyup "$1"; }

# Takes shots of the window until a check of the shot holds, and prints the last
# shot's path; status 1 when the check has not held within the time.
# The check gets the shot's path as its last argument.
shot_until() {  # shot_until <name> <seconds> <check> [args...]
  local name=$1 secs=$2 path end
  shift 2
  end=$(($(date +%s%N) + secs * 1000000000))
  while :; do
    path=$(shot "$name")
    if "$@" "$path"; then echo "$path"; return 0; fi
    if [ "$(date +%s%N)" -ge "$end" ]; then echo "$path"; return 1; fi
    sleep 0.05
  done
}

# Checks on a shot for shot_until; the shot comes last.
bright_over() { [ "$(brightness "$6" "$2" "$3" "$4" "$5")" -gt "$1" ]; }     # <min> x y w h
dark_under() { [ "$(brightness "$6" "$2" "$3" "$4" "$5")" -lt "$1" ]; }      # <max> x y w h
gold_over() { [ "$(gold "$6" "$2" "$3" "$4" "$5")" -gt "$1" ]; }             # <min> x y w h
gold_under() { [ "$(gold "$6" "$2" "$3" "$4" "$5")" -lt "$1" ]; }            # <max> x y w h
changed_over() { [ "$(changed "$1" "$7" "$3" "$4" "$5" "$6")" -gt "$2" ]; }  # <ref> <min> x y w h
# The menu: the sides of the intro and of the help are black, the menu's outcome
# picture fills the right half.
menu_shown() { dark_under 20 0 0 20 600 "$1" && bright_over 60 420 20 360 560 "$1"; }

# Shots are kept as bitmaps: compressing a PNG takes over a second on a busy machine,
# long enough to miss what a shot is for.
shot() {  # shot <name>: screenshot of the game window into $SHOTS/<name>.bmp
  import -window "$WID" "bmp:$SHOTS/$1.bmp" 2>/dev/null
  echo "$SHOTS/$1.bmp"
}

# Mean colour of a region in window pixels (origin top-left): "R G B", 0..255.
mean() {  # mean <png> <x> <y> <w> <h>
  convert "$1" -crop "${4}x${5}+${2}+${3}" +repage -scale '1x1!' \
    -format '%[fx:int(255*r+0.5)] %[fx:int(255*g+0.5)] %[fx:int(255*b+0.5)]' info:
}

# Brightness (sum of the channels, 0..765) of a region.
brightness() { mean "$@" | awk '{print $1+$2+$3}'; }

# Number of pixels that differ (beyond a small fuzz) between two shots in a region;
# nothing and status 2 when a shot cannot be read (differing_pixels).
changed() {  # changed <a.png> <b.png> <x> <y> <w> <h>
  local g="${5}x${6}+${3}+${4}"
  rm -f "$WORK/cmp_a.miff" "$WORK/cmp_b.miff"
  convert "$1" -crop "$g" +repage "$WORK/cmp_a.miff" && convert "$2" -crop "$g" +repage "$WORK/cmp_b.miff" ||
    { echo "cannot crop $1 or $2" >&2; return 2; }
  differing_pixels "$WORK/cmp_a.miff" "$WORK/cmp_b.miff"
}

# Pixels of the marker's golden glow in a region: bright, warm, more red than blue.
gold() {  # gold <png> <x> <y> <w> <h>
  convert "$1" -crop "${4}x${5}+${2}+${3}" +repage \
    -fx '(r > 0.75 && g > 0.6 && b < 0.75 && r - b > 0.2) ? 1 : 0' -format '%[fx:int(mean*w*h+0.5)]' info:
}

# View coordinates (800x600, y up) to window rows.
row() { echo $((600 - $1)); }

# Window pixel of a cell's centre: the grid starts at view (25, 5), cells are 37.5 wide.
cx() { awk -v c="$1" 'BEGIN { print int(25 + 37.5 * (c + 0.5)) }'; }
cy() { awk -v r="$1" 'BEGIN { print int(600 - (5 + 37.5 * (r + 0.5))) }'; }
cell() { echo "$(($(cx "$1") - 16)) $(($(cy "$2") - 16)) 32 32"; }  # cell <c> <r>: x y w h

# Waits for the game to exit by itself and checks its status.
expect_exit() {  # expect_exit <status> <seconds>
  local status=0
  for _ in $(seq 1 $(($2 * 10))); do
    kill -0 "$PID" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$PID" 2>/dev/null; then
    ok 1 "game exits within $2 s"
    return
  fi
  wait "$PID"; status=$?
  PID=""
  ok $([ "$status" -eq "$1" ]; echo $?) "exit status $status (expected $1)"
}

finish() {
  [ "$FAILS" -eq 0 ] || { log "game log:"; tail -n 40 "$WORK/game.log" 2>/dev/null; }
  end_checks
}

# A short game: past the intro, a battle with a move, a turn, a shot and a tank switch,
# back to the menu, and the quit item. Checks that the frames keep coming and the exit.
play_and_quit() {
  local a b
  # The intro's first frame: the window's own first picture may come later on a busy machine.
  a=$(shot_until play_intro 10 bright_over 60 250 150 300 300)
  key space
  shot_until play_menu 10 menu_shown >/dev/null
  key Return
  b=$(shot_until play_battle 10 changed_over "$a" 1000 0 0 800 600)
  ok $? "the game draws and answers the keys"
  hold Up 0.7; hold a 0.3; key space; sleep 0.3; key s; sleep 0.3
  key Escape
  # Every step waits for the frame that shows it, so no key is sent into a state that
  # has not come yet.
  shot_until play_menu 10 menu_shown >/dev/null
  key Down Down Return
  expect_exit 0 10
}
