# The battle as a player without colour vision sees it: a real battle, screenshots from
# its first frame until the armies have driven out into the field; the meter finds the
# tanks of both armies through the battle grid and checks that they keep their
# difference in lightness and colour under every simulated view. A map that keeps the
# tanks boxed in shows too few of them: another battle is added then.
source "$(dirname "$0")/lib.sh"

METER=${TANKAI_REGEJIMAS:-$BUILD/tests/regejimo_matuoklis}
[ -x "$METER" ] || { log "FAIL: no screenshot meter at $METER"; exit 1; }

now() { date +%s.%N; }
since() { awk -v a="$1" -v b="$(now)" 'BEGIN { printf "%.2f", b - a }'; }

# The battle leaves the strip right of the grid black and fills its bottom row; the
# menu (in_menu) has neither.
in_battle() { dark_under 20 780 0 20 600 "$1" && bright_over 150 25 562 750 30 "$1"; }

# Holds a key until the screen shows what it leads to: on a busy machine a frame may
# outlast a short press, and a press released within one frame reads as a release.
press_until() {  # press_until <key> <seconds> <check> <name>
  xdotool keydown "$1"
  shot_until "$4" "$2" "$3" >/dev/null
  local r=$?
  xdotool keyup "$1"
  return $r
}

prepare
start_game
skip_to_menu "$WID" "$SHOTS/menu.png" || { ok 1 "the menu comes after the intro"; finish; }

# Battles are measured together until each army has been seen in two places.
status=2
battles=()
for attempt in 1 2 3 4 5 6 7 8; do
  dir="$WORK/battle$attempt"
  mkdir -p "$dir"
  # Frames as fast as they come for six seconds from Enter on, each with the time it
  # was taken. Enter stays down until a frame shows the battle; then the player drives
  # the current tank ahead, as far as the walls let it.
  t=$(now)
  xdotool keydown Return
  frames=()
  started=""
  n=0
  while awk -v t="$(since "$t")" 'BEGIN { exit !(t < 6) }'; do
    n=$((n + 1))
    import -window "$WID" -depth 8 "ppm:$dir/$n.ppm" 2>/dev/null
    frames+=("$dir/$n.ppm" "$(since "$t")")
    if [ -z "$started" ] && awk -v t="$(since "$t")" 'BEGIN { exit !(t > 0.4) }' && in_battle "$dir/$n.ppm"; then
      started=$n
      xdotool keyup Return
      xdotool keydown Up
    fi
    kill -0 "$PID" 2>/dev/null || break
    # A frame every tenth of a second is plenty at 60 pixels a second, and keeps the
    # frames of a fast machine to some tens of megabytes.
    [ -z "$started" ] || sleep 0.1
  done
  xdotool keyup Up
  [ -n "$started" ] || { xdotool keyup Return; ok 1 "a battle starts from the menu"; finish; }
  # The first frame that shows the battle is the reference: the tanks still stand on
  # their start rows. Later frames still tell the armies apart near each start row
  # (the meter leaves out what either army could have reached by then).
  first=1
  while [ "$first" -lt "$started" ] && ! in_battle "${frames[$((2 * first - 2))]}"; do first=$((first + 1)); done
  [ "$attempt" -eq 1 ] || battles+=(--)
  battles+=("${frames[@]:$((2 * first - 2))}")
  log "battle $attempt: reference at ${frames[$((2 * first - 1))]} s, $((n - first)) shots after it"
  "$METER" "${battles[@]}" | sed "s|$WORK/||" > "$WORK/meter.txt"
  status=${PIPESTATUS[0]}
  grep -v "tank at cell" "$WORK/meter.txt" | while read -r line; do log "$line"; done
  [ "$status" -eq 2 ] || break
  press_until Escape 20 in_menu menu_again || { ok 1 "Escape returns to the menu"; finish; }
done
if [ "$status" -eq 0 ] && [ -n "${TANKAI_E2E_SHOTS:-}" ]; then convert "${frames[$((2 * n - 2))]}" "$SHOTS/readability.png"; fi
ok $([ "$status" -eq 0 ]; echo $?) "the tanks of both armies differ in lightness and colour under every view (meter status $status)"

"$CLOSER" "$WID"
expect_exit 0 10
finish
