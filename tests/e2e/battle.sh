# A battle as a player plays it: Enter on the first item starts it (grid, both armies,
# the marker's flash), arrows move the current tank, A and D turn its turret, Space
# fires, S selects the next tank, F1 held shows the help over the battle, Escape
# returns to the menu, and closing the window in a battle exits with status 0.
source "$(dirname "$0")/lib.sh"

prepare
start_game
shot_until intro 10 bright_over 60 250 150 300 300 >/dev/null
key space
shot_until menu 10 menu_shown >/dev/null
# The flash lasts half a second from the battle's first frame: the current tank's
# surroundings (column 8 of row 0), where the menu shows no gold, are watched from
# just before Return for the look with the most glow.
WATCH=$(dirname "$CLOSER")/zvilgsnis
"$WATCH" "$WID" $(($(cx 8) - 45)) $(($(cy 0) - 45)) 90 90 4 > "$WORK/flash" &
bp=$!
sleep 0.3
key Return
wait $bp
read -r near _ _ looks < "$WORK/flash"
log "marker glow: $near pixels at the current tank at the most, in $looks looks"
settled=$(shot_until battle_settled 10 gold_under 60 25 33 750 562)

ok $([ "$(brightness "$settled" 25 33 750 560)" -gt 60 ]; echo $?) "the grid fills the battle area"
ok $([ "$(brightness "$settled" 0 0 20 600)" -lt 20 ]; echo $?) "the grid starts 25 pixels in"
gone=$(gold "$settled" 25 33 750 562)
log "then $gone"
ok $([ "${near:-0}" -gt 100 ] && [ "$gone" -lt 60 ]; echo $?) "the marker flashes over the current tank and fades"

# Both armies stand on their rows: the computer drives every other tank, so the rows change.
# Walls may box the player's four other tanks in (about one map in 32, the map being
# random): then a fresh battle, as a player would start one.
for try in 1 2 3; do
  shot_until battle_later 15 changed_over "$settled" 100 25 33 750 38 >/dev/null
  shot_until battle_later 15 changed_over "$settled" 100 25 558 750 38 >/dev/null
  later=$(shot battle_later)
  enemy=$(changed "$settled" "$later" 25 33 750 38)
  own=$(changed "$settled" "$later" 25 558 750 38)
  log "enemy row changed by $enemy pixels, player's row by $own"
  if [ "$own" -gt 100 ] || [ "$try" -eq 3 ]; then break; fi
  log "the player's row stood still, its tanks perhaps walled in: a fresh battle"
  key Escape
  menu=$(shot_until menu_retry 10 menu_shown)
  key Return
  shot_until battle_retry 10 changed_over "$menu" 20000 0 0 800 600 >/dev/null
  settled=$(shot_until battle_settled 10 gold_under 60 25 33 750 562)
done
ok $([ "$enemy" -gt 100 ]; echo $?) "the enemy army moves on row 14"
ok $([ "$own" -gt 100 ]; echo $?) "the player's other tanks move on row 0"

# Space fires: the turret still points up, so the shell flies up the tank's column
# (or breaks the wall right above it). Reloading takes 1.5 s from the battle's start.
# The shell glows gold, which no tank does, so a tank crossing the column is not taken
# for it: the strip from the tank's centre up two cells is watched, first as it is,
# then from just before the press.
strip="$(($(cx 8) - 6)) $(($(cy 0) - 75)) 12 75"
"$WATCH" "$WID" $strip 0.3 > "$WORK/strip"
"$WATCH" "$WID" $strip 1.5 > "$WORK/shell" &
wp=$!
sleep 0.2
press space
wait $wp
read -r g0 _ _ _ < "$WORK/strip"
read -r g1 _ _ looks < "$WORK/shell"
log "gold in the tank's column: $g0 before the press, $g1 at the most after it, in $looks looks"
ok $([ "${g1:-0}" -gt $((${g0:-999} + 15)) ]; echo $?) "Space fires a shell up the turret's line"

# Turret: A and D turn it in place.
before=$(shot turret_before)
xdotool keydown a
after=$(shot_until turret_after 5 changed_over "$before" 20 $(cell 8 0))
sleep 0.3
xdotool keyup a
after=$(shot turret_after)
t=$(changed "$before" "$after" $(cell 8 0))
ok $([ "$t" -gt 20 ]; echo $?) "A turns the turret ($t pixels)"
xdotool keydown d
back=$(shot_until turret_back 5 changed_over "$after" 20 $(cell 8 0))
xdotool keyup d
t=$(changed "$after" "$back" $(cell 8 0))
ok $([ "$t" -gt 20 ]; echo $?) "D turns it the other way ($t pixels)"

# Arrows: the current tank steps to a free neighbour cell.
moved=1
for dir in Up Left Right Down; do
  pre=$(shot "move_${dir}_before")
  xdotool keydown "$dir"
  post=$(shot_until "move_${dir}_after" 2 changed_over "$pre" 150 $(cell 8 0))
  xdotool keyup "$dir"
  m=$(changed "$pre" "$post" $(cell 8 0))
  log "$dir: tank cell changed by $m pixels"
  if [ "$m" -gt 150 ]; then moved=0; break; fi
done
ok $moved "an arrow moves the current tank"

# S hands the player the next tank: a new flash over it.
"$WATCH" "$WID" 25 33 750 562 4 > "$WORK/flash" &
bp=$!
sleep 0.3
key s
wait $bp
read -r g1 _ _ looks < "$WORK/flash"
sel_after=$(shot_until select_next_after 10 gold_under 60 25 33 750 562)
g2=$(gold "$sel_after" 25 33 750 562)
log "marker glow after S: $g1 pixels, then $g2"
ok $([ "$g1" -gt 100 ] && [ "$g2" -lt 60 ]; echo $?) "S selects the next tank and flashes the marker"

# F1 held: the help over the running battle; released: gone again.
pre=$(shot help_before)
xdotool keydown F1
held=$(shot_until help_held 10 changed_over "$pre" 20000 250 150 300 300)
xdotool keyup F1
released=$(shot_until help_released 10 changed_over "$held" 20000 250 150 300 300)
h=$(changed "$pre" "$held" 250 150 300 300)
ok $([ "$h" -gt 20000 ]; echo $?) "F1 held shows the help over the battle ($h pixels)"
ok $([ "$(brightness "$held" 25 33 150 560)" -gt 40 ]; echo $?) "the battle stays drawn around the help"
r=$(changed "$held" "$released" 250 150 300 300)
ok $([ "$r" -gt 20000 ]; echo $?) "releasing F1 hides the help"

# Escape: back to the menu, the first outcome picture (the battle was left, not ended).
key Escape
menu=$(shot_until menu_after_escape 10 menu_shown)
ok $([ "$(brightness "$menu" 0 0 20 600)" -lt 20 ] && [ "$(brightness "$menu" 420 20 360 560)" -gt 60 ]; echo $?) \
  "Escape returns to the menu"
r0=$(mean "$menu" 60 140 280 80 | awk '{print $1 - ($2 + $3) / 2}')
ok $([ "${r0%.*}" -gt 20 ]; echo $?) "the first item is still selected"

# A fresh battle, then the window's close button.
key Return
shot_until fresh_battle 10 changed_over "$menu" 20000 0 0 800 600 >/dev/null
"$CLOSER" "$WID"
expect_exit 0 10
finish
