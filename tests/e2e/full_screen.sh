# Full screen on a real X display. With the screen's own size the game starts, covers
# the whole screen and hides the cursor, and the display is as it was once it quits.
# A size the display has no mode for gives the mode-change message box and status 1.
# Xvfb offers one mode, its screen size, and RandR cannot add another to it, so no
# real switch between two modes is made here.
source "$(dirname "$0")/lib.sh"
CURSOR=$BUILD/tests/e2e/cursor_pixels
cp -r "$BUILD/duomenys" "$WORK/duomenys"

display_state() { xrandr --current 2>/dev/null; }
read -r SW SH < <(xrandr --current | sed -n 's/.* current \([0-9]*\) x \([0-9]*\),.*/\1 \2/p')
log "screen ${SW}x${SH}"
BEFORE=$(display_state)

# Waits until a test holds, up to <tries> tenths of a second.
wait_for() {  # wait_for <tries> <test command...>
  local n=$1; shift
  for _ in $(seq 1 "$n"); do "$@" && return 0; sleep 0.1; done
  return 1
}
cursor_hidden() { [ "$($CURSOR 2>/dev/null)" = 0 ]; }
cursor_shown() { [ "$($CURSOR 2>/dev/null || echo 0)" -gt 0 ]; }

xdotool mousemove 100 100
wait_for 50 cursor_shown
ok $? "the cursor shows on the bare screen ($($CURSOR) pixels)"

printf 'pavad = Tankai\ndydis = %d, %d\npoz = 100, 100\nfullscr = 1\n' "$SW" "$SH" > "$WORK/settings.cfg"
start_game
read -r X Y W H < <(xwininfo -id "$WID" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
  /Width:/ {w=$NF} /Height:/ {h=$NF} END {print x, y, w, h}')
ok $([ "$X $Y $W $H" = "0 0 $SW $SH" ]; echo $?) "the window covers the screen from its corner, not at poz ($X,$Y ${W}x${H})"

# The intro fades in; the whole screen is then the game's picture.
bright_intro() {
  import -window root "png:$WORK/root.png" 2>/dev/null
  [ "$(brightness "$WORK/root.png" $((SW * 5 / 16)) $((SH / 4)) $((SW * 3 / 8)) $((SH / 2)))" -gt 60 ]
}
wait_for 100 bright_intro
ok $? "the intro shows in the middle of the screen"
# The scene is stretched over the screen: the picture's sides stay black.
ok $([ "$(brightness "$WORK/root.png" 0 0 $((SW / 8)) "$SH")" -lt 20 ]; echo $?) "the 800x600 scene is stretched over the screen"

xdotool mousemove $((SW / 2)) $((SH / 2))
wait_for 50 cursor_hidden
ok $? "the cursor is hidden over the game ($($CURSOR) pixels)"

skip_to_menu "$WID" "$WORK/menu.png"
ok $? "the menu shows in full screen"
# The menu stands still: the whole screen and the game's window look the same.
import -window root "png:$WORK/root.png" 2>/dev/null
diff_px=$(differing_pixels "$WORK/root.png" "$WORK/menu.png")
ok $([ -n "$diff_px" ] && [ "$diff_px" -lt $((SW * SH / 50)) ]; echo $?) "the screen shows the game's window alone (${diff_px:-?} pixels differ)"
key Down Down Return
expect_exit 0 10
AFTER=$(display_state)
ok $([ "$AFTER" = "$BEFORE" ]; echo $?) "the display is as before the game"
wait_for 50 cursor_shown
ok $? "the cursor shows again ($($CURSOR) pixels)"
ok $([ -z "$(xdotool search --onlyvisible --name '^Tankai$' 2>/dev/null)" ]; echo $?) "no game window is left"

# A size the display has no mode for.
if xrandr --current | grep -q '^ *800x600 '; then
  skip "the display has an 800x600 mode: a size it has no mode for is not tried"
else
  printf 'pavad = Tankai\ndydis = 800, 600\nfullscr = 1\n' > "$WORK/settings.cfg"
  (cd "$WORK" && exec "$TANKAI" > "$WORK/game.log" 2>&1) &
  PID=$!
  # SDL names the box in UTF-8, which xdotool's search does not read.
  box_up() { BOX=$(xwininfo -root -tree 2>/dev/null | awk '$2 == "\"KLAIDA\":" {print $1; exit}'); [ -n "$BOX" ]; }
  wait_for 200 box_up
  ok $? "a message box titled KLAIDA comes up"
  ok $(grep -qx 'KLAIDA: Parinkti vaizdo nustatymai nesuderinami su Jusu sistema' "$WORK/game.log"; echo $?) \
    "its text is the mode-change failure"
  ok $([ -z "$(xdotool search --onlyvisible --name '^Tankai$' 2>/dev/null)" ]; echo $?) "no game window is made"
  ok $([ "$(display_state)" = "$BEFORE" ]; echo $?) "the display mode is not changed"
  if [ -n "${BOX:-}" ]; then
    shot_box=$WORK/box.png
    import -window "$BOX" "png:$shot_box" 2>/dev/null
    ok $([ "$(identify -format '%w' "$shot_box" 2>/dev/null || echo 0)" -gt 100 ]; echo $?) "the box is drawn"
    xdotool windowfocus --sync "$BOX" 2>/dev/null
    key Return
  fi
  expect_exit 1 10
  ok $([ "$(display_state)" = "$BEFORE" ]; echo $?) "the display is as before"
fi
finish
