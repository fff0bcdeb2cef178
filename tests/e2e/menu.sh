# The intro fades in and Space skips it; the menu shows the first outcome picture and
# its first item red; the selection moves; the help item shows the help alone until
# Enter; the third item quits with status 0.
source "$(dirname "$0")/lib.sh"

# Item bands in window rows: the part of each band that no later band covers.
ITEM0="60 140 280 80"
ITEM1="60 240 280 80"
ITEM2="60 340 280 110"
redness() { mean "$1" $2 $3 $4 $5 | awk '{print $1 - ($2 + $3) / 2}'; }
selected() {  # selected <shot> <index>: the item's band is redder than the other two
  local r0 r1 r2
  r0=$(redness "$1" $ITEM0); r1=$(redness "$1" $ITEM1); r2=$(redness "$1" $ITEM2)
  log "redness of the items: $r0 $r1 $r2"
  awk -v a="$r0" -v b="$r1" -v c="$r2" -v i="$2" 'BEGIN {
    s = (i == 0) ? a : (i == 1) ? b : c; o1 = (i == 0) ? b : a; o2 = (i == 2) ? b : c;
    exit !(s > o1 + 20 && s > o2 + 20) }'
}

selected_in() { selected "$2" "$1" > /dev/null; }  # for shot_until: <index> <shot>

prepare
start_game
early=$(shot intro_early)
full=$(shot_until intro 10 bright_over 60 250 150 300 300)
e=$(brightness "$early" 250 150 300 300)
f=$(brightness "$full" 250 150 300 300)
log "intro centre brightness: $e early, $f at full"
ok $([ "$f" -gt 60 ] && [ "$f" -gt "$e" ]; echo $?) "intro picture fades in"
ok $([ "$(brightness "$full" 0 0 150 600)" -lt 20 ]; echo $?) "intro leaves the sides black"

key space
menu=$(shot_until menu 10 menu_shown)
selected "$menu" 0; ok $? "menu opens with the first item red"
# The right half shows the first of the three outcome pictures side by side in
# meniuPav.tga (s 0..0.34, 0.34..0.7, 0.7..1): its mean colour is the nearest.
dist() { echo "$1 $2" | awk '{print ($1-$4)^2 + ($2-$5)^2 + ($3-$6)^2}'; }
pav="$WORK/duomenys/meniuPav.tga"
w=$(identify -format '%w' "$pav"); h=$(identify -format '%h' "$pav")
a=$((w * 34 / 100)); b=$((w * 70 / 100))
right=$(mean "$menu" 400 0 400 600)
d0=$(dist "$right" "$(mean "$pav" 0 0 $a "$h")")
d1=$(dist "$right" "$(mean "$pav" $a 0 $((b - a)) "$h")")
d2=$(dist "$right" "$(mean "$pav" $b 0 $((w - b)) "$h")")
log "outcome picture distances: $d0 $d1 $d2"
ok $([ "$(brightness "$menu" 420 20 360 560)" -gt 60 ] && awk -v a="$d0" -v b="$d1" -v c="$d2" 'BEGIN { exit !(a < b && a < c) }'; echo $?) \
  "the first outcome picture on the right half"

# Each key once its effect is on the screen.
key Down; shot_until menu_down 10 selected_in 1 >/dev/null
key Down; shot_until menu_down2 10 selected_in 2 >/dev/null
key Up
moved=$(shot_until menu_moved 10 selected_in 1)
selected "$moved" 1; ok $? "Down, Down, Up selects the second item"
key Up; shot_until menu_up 10 selected_in 0 >/dev/null
key Down
selected "$(shot_until menu_second 10 selected_in 1)" 1; ok $? "Up then Down wraps back to the second item"

# The help fades in over a third of the game's time, however slowly frames come: it is
# whole once its square (200..600 by 100..500) is as bright as the picture over black.
full_help=$(convert "$WORK/duomenys/pagalba.tga" -background black -alpha remove -scale '1x1!' \
  -format '%[fx:int(255*r+0.5)+int(255*g+0.5)+int(255*b+0.5)]' info:)
help_whole() { [ "$(brightness "$1" 200 100 400 400)" -ge $((full_help - 4)) ]; }
key Return
help=$(shot_until help 10 help_whole)
whole=$?
log "help brightness: $(brightness "$help" 200 100 400 400) of $full_help"
ok $whole "the help fades in to the whole picture"
ok $([ "$(brightness "$help" 250 150 300 300)" -gt 60 ]; echo $?) "help item shows the help picture"
ok $([ "$(brightness "$help" 0 0 190 600)" -lt 20 ]; echo $?) "the help stands alone: the menu is not drawn"
sleep 0.5
ok $([ "$(changed "$help" "$(shot help_later)" 0 0 800 600)" -lt 200 ]; echo $?) "the help stays until Enter"
key Return
back=$(shot_until menu_back 10 menu_shown)
selected "$back" 1; ok $? "Enter returns to the menu with the help item still selected"

key Down
selected "$(shot_until menu_quit 10 selected_in 2)" 2; ok $? "third item selected"
key Return
expect_exit 0 10
finish
