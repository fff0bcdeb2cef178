# The battle as a player without colour vision sees it: a real battle, screenshots from
# its first frame until the armies have driven out into the field; the meter finds the
# tanks of both armies through the battle grid and checks that they keep their
# difference in lightness and colour under every simulated view. A map that keeps the
# tanks boxed in shows too few of them: another battle is started then.
source "$(dirname "$0")/lib.sh"

METER=${TANKAI_REGEJIMAS:-$BUILD/tests/e2e/regejimo_matuoklis}
[ -x "$METER" ] || { log "FAIL: no screenshot meter at $METER"; exit 1; }

now() { date +%s.%N; }
since() { awk -v a="$1" -v b="$(now)" 'BEGIN { printf "%.2f", b - a }'; }

# Screens told apart by what only they show: the battle leaves the strip right of the
# grid black and fills its bottom row; the menu lights its right half.
in_battle() { [ "$(brightness "$1" 780 0 20 600)" -lt 20 ] && [ "$(brightness "$1" 25 562 750 30)" -gt 150 ]; }
in_menu() { [ "$(brightness "$1" 0 0 20 600)" -lt 20 ] && [ "$(brightness "$1" 420 20 360 560)" -gt 60 ]; }

wait_for() {  # wait_for <seconds> <check> <name>: screenshots until the check holds
  local end s
  end=$(($(date +%s) + $1))
  while [ "$(date +%s)" -le "$end" ]; do
    s=$(shot "$3")
    "$2" "$s" && return 0
    kill -0 "$PID" 2>/dev/null || return 1
  done
  return 1
}

prepare
start_game
key space
wait_for 20 in_menu menu || { ok 1 "the menu comes after the intro"; finish; }

status=2
for attempt in 1 2 3 4 5 6; do
  dir="$WORK/battle$attempt"
  mkdir -p "$dir"
  t=$(now)
  key Return
  # The first frame that shows the battle is the reference: the tanks still stand on
  # their start rows.
  ref=""
  for i in $(seq 1 100); do
    import -window "$WID" -depth 8 "ppm:$dir/ref.ppm" 2>/dev/null
    te=$(since "$t")
    if in_battle "$dir/ref.ppm"; then ref="$dir/ref.ppm $te"; break; fi
    kill -0 "$PID" 2>/dev/null || break
  done
  [ -n "$ref" ] || { ok 1 "a battle starts from the menu"; finish; }
  # Then as many frames as the next seconds give, while the armies' paths cannot yet
  # have met in the middle of the field.
  shots=()
  n=0
  while awk -v t="$(since "$t")" 'BEGIN { exit !(t < 3.4) }'; do
    n=$((n + 1))
    import -window "$WID" -depth 8 "ppm:$dir/$n.ppm" 2>/dev/null
    shots+=("$dir/$n.ppm" "$(since "$t")")
  done
  log "battle $attempt: reference at ${ref#* } s, $n shots"
  # shellcheck disable=SC2086
  "$METER" $ref "${shots[@]}" | sed "s|$dir/||" | while read -r line; do log "$line"; done
  status=${PIPESTATUS[0]}
  [ "$status" -eq 2 ] || break
  rm -rf "$dir"
  key Escape
  wait_for 20 in_menu menu_again || { ok 1 "Escape returns to the menu"; finish; }
done
if [ "$status" -eq 0 ] && [ -n "${TANKAI_E2E_SHOTS:-}" ]; then convert "$dir/$n.ppm" "$SHOTS/readability.png"; fi
ok $([ "$status" -eq 0 ]; echo $?) "the tanks of both armies differ in lightness and colour under every view (meter status $status)"

"$CLOSER" "$WID"
expect_exit 0 10
finish
