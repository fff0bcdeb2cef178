# The display keys on a real X server with a wide screen, 1280x720 and then 1920x1080:
# darbalaukis = 1 covers the whole screen with the game's window while the display's
# mode (xrandr) stays as it was before, during and after; proporcija = 1 draws the scene
# at the largest 4:3 rectangle in the middle, between black bars of the right width,
# undistorted: the battle grid lands where the 4:3 scale puts it to the pixel, so its
# cells, and the tank hulls drawn in them, are square within a pixel. (The old
# fullscr = 1 path is full_screen.sh's.)
if [ -z "${TANKAI_E2E_SCREEN:-}" ]; then
  status=0
  for screen in 1280x720 1920x1080; do
    env -u TANKAI_E2E_XVFB TANKAI_E2E_SCREEN=$screen bash "$0" "$@" || status=1
  done
  exit $status
fi
source "$(dirname "$0")/lib.sh"
ZYMA="screens $TANKAI_E2E_SCREEN"

read -r SW SH < <(xrandr --current | sed -n 's/.* current \([0-9]*\) x \([0-9]*\),.*/\1 \2/p')
BEFORE=$(xrandr --current 2>/dev/null)
# The 4:3 rectangle and the bars beside it.
VW=$((SH * 4 / 3)); VH=$SH
if [ "$VW" -gt "$SW" ]; then VW=$SW; VH=$((SW * 3 / 4)); fi
BX=$(((SW - VW) / 2)); BY=$(((SH - VH) / 2))
log "screen ${SW}x${SH}: the scene ${VW}x${VH} at ($BX, $BY)"

cp -r "$BUILD/duomenys" "$WORK/duomenys"
printf 'pavad = Tankai\ndydis = 800, 600\npoz = 40, 30\ndarbalaukis = 1\nproporcija = 1\n' > "$WORK/settings.cfg"
start_game
read -r X Y W H < <(xwininfo -id "$WID" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
  /Width:/ {w=$NF} /Height:/ {h=$NF} END {print x, y, w, h}')
ok $([ "$X $Y $W $H" = "0 0 $SW $SH" ]; echo $?) "the window covers the screen ($X,$Y ${W}x${H})"
ok $([ "$(xrandr --current 2>/dev/null)" = "$BEFORE" ]; echo $?) "the display's mode is the same while the game runs"

# The screen, and the scene cut out of it at the 800x600 view's size.
screen_shot() {  # screen_shot <name>: prints the path of the scene
  import -window root "bmp:$SHOTS/$1-screen.bmp" 2>/dev/null
  convert "$SHOTS/$1-screen.bmp" -crop "${VW}x${VH}+${BX}+${BY}" +repage -resize '800x600!' "bmp:$SHOTS/$1.bmp"
  echo "$SHOTS/$1.bmp"
}
in_battle() { dark_under 20 780 0 20 600 "$1" && bright_over 150 25 562 750 30 "$1"; }
iki=$((SECONDS + 60))
until in_menu "$(screen_shot menu)" || [ $SECONDS -ge $iki ]; do press space; sleep 0.3; done
ok $([ $SECONDS -lt $iki ]; echo $?) "the menu shows in the 4:3 rectangle"
scene=$(screen_shot menu)
ok $([ "$(brightness "$SHOTS/menu-screen.bmp" 0 0 "$BX" "$SH")" -lt 10 ] &&
  [ "$(brightness "$SHOTS/menu-screen.bmp" $((BX + VW)) 0 $((SW - BX - VW)) "$SH")" -lt 10 ]; echo $?) \
  "the bars left and right are black"

key Return
iki=$((SECONDS + 30))
until in_battle "$(screen_shot battle)" || [ $SECONDS -ge $iki ]; do sleep 0.2; done
ok $([ $SECONDS -lt $iki ]; echo $?) "a battle starts"

# The grid spans view x 25..775 and y 5..567.5 (y up): on the screen, at the scale of
# the 4:3 rectangle, inside it. Its bounding box is taken from the screen itself: the
# grid is the only thing that is not black once the marker's flash is over (a shell
# leaving the grid may cross the black for a moment: the shot is taken again).
expected=$(awk -v bx="$BX" -v by="$BY" -v s="$(awk -v h="$VH" 'BEGIN { print h / 600 }')" \
  'BEGIN { printf "%d %d %d %d", bx + 25 * s, by + (600 - 567.5) * s, bx + 775 * s, by + 595 * s }')
read -r EL ET ER EB <<<"$expected"
grid_box() {  # grid_box <screen.bmp>: left top right bottom of what is not black
  convert "$1" -fuzz 12% -format '%@' info: | awk -F'[x+]' '{ print $3, $4, $3 + $1, $4 + $2 }'
}
near() { [ "${1:-0}" -ge $(($2 - 1)) ] && [ "${1:-0}" -le $(($2 + 1)) ]; }
grid_in_place() {
  read -r L T R B <<<"$(grid_box "$SHOTS/grid-screen.bmp")"
  near "$L" "$EL" && near "$T" "$ET" && near "$R" "$ER" && near "$B" "$EB"
}
sleep 1
iki=$((SECONDS + 10))
until screen_shot grid >/dev/null && grid_in_place || [ $SECONDS -ge $iki ]; do sleep 0.2; done
log "grid at $L..$R x $T..$B on the screen, expected $EL..$ER x $ET..$EB"
ok $(near "$L" "$EL" && near "$R" "$ER"; echo $?) "the grid sits at the 4:3 scale, centred between the bars"
ok $(near "$T" "$ET" && near "$B" "$EB"; echo $?) "and at the same scale from top to bottom"
cw=$(awk -v l="$L" -v r="$R" 'BEGIN { printf "%.2f", (r - l) / 20 }')
ch=$(awk -v t="$T" -v b="$B" 'BEGIN { printf "%.2f", (b - t) / 15 }')
ok $(awk -v w="$cw" -v h="$ch" 'BEGIN { d = w - h; exit !(d <= 1 && d >= -1) }'; echo $?) \
  "a cell, and the hull drawn in it, is square: ${cw} by ${ch} pixels"

key Escape
iki=$((SECONDS + 20))
until in_menu "$(screen_shot menu_again)" || [ $SECONDS -ge $iki ]; do sleep 0.2; done
key Down Down Return
expect_exit 0 10
ok $([ "$(xrandr --current 2>/dev/null)" = "$BEFORE" ]; echo $?) "the display's mode is the same after the game"
finish
