# Started where there is no display (a console, an SSH session) the game cannot make
# its window: the window-creation message on the terminal, in the player's language,
# and status 1 at once, not a game running on unseen. SDL's test drivers still work when asked for by name.
source "$(dirname "$0")/lib.sh"
prepare

# Runs the game with the given environment changes; sets STATUS (124 when it was
# still running after $LIMIT seconds) and SECONDS_TAKEN.
LIMIT=10
run_without_display() {
  local start end
  start=$(date +%s%N)
  (cd "$WORK" && exec env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER "$@" \
    timeout -s KILL "$LIMIT" "$TANKAI" > "$WORK/game.log" 2>&1)
  STATUS=$?
  end=$(date +%s%N)
  SECONDS_TAKEN=$(awk -v a="$start" -v b="$end" 'BEGIN {printf "%.2f", (b - a) / 1e9}')
}

check_refused() {  # check_refused <case> [the terminal line]
  local line=${2:-'KLAIDA: Klaida kuriant langa: CreateWindow'} n
  # Well under the limit even on a busy machine; a quiet one takes some 20 ms.
  ok $([ "$STATUS" -eq 1 ]; echo $?) "$1: exit status 1 (got $STATUS after $SECONDS_TAKEN s)"
  ok $(awk -v s="$SECONDS_TAKEN" 'BEGIN {exit !(s < 5)}'; echo $?) "$1: ends within 5 s ($SECONDS_TAKEN s)"
  n=$(grep -cxF "$line" "$WORK/game.log")
  ok $([ "$n" -eq 1 ]; echo $?) "$1: the window-creation message once on the terminal ($n)"
}

run_without_display
check_refused "no DISPLAY, no WAYLAND_DISPLAY"

# A display named but not there: the X11 driver fails, and so must the fallback.
run_without_display DISPLAY=:$((90000 + $$ % 1000))
check_refused "a DISPLAY nobody serves"

# In the player's language.
cp "$WORK/settings.cfg" "$WORK/settings.lt"
printf 'kalba = en\n' >> "$WORK/settings.cfg"
run_without_display
check_refused "kalba = en" 'ERROR: Could not create the window: CreateWindow'
mv "$WORK/settings.lt" "$WORK/settings.cfg"

# Asked for by name, in a list as SDL takes it, the headless driver runs the game: it
# is still running when the limit ends it.
LIMIT=3
run_without_display SDL_VIDEODRIVER=x11,offscreen
ok $([ "$STATUS" -eq 137 ]; echo $?) "SDL_VIDEODRIVER=x11,offscreen runs the game headless (status $STATUS)"
ok $(! grep -q KLAIDA "$WORK/game.log"; echo $?) "and shows no message"
finish
