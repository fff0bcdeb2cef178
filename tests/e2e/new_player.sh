# A new player's first minutes with the settings the game ships: the current tank keeps
# its marker seconds apart, the line above the field counts both armies and its counts
# (read back by tesseract) drop when a tank dies, a hit flashes white, the F1 help says
# to let F1 go, and Escape leaves the help page. Then the same start without the new
# keys: no marker, nothing above the field.
source "$(dirname "$0")/lib.sh"

# Pixels of the quiet marker's cyan in a region.
cyan() {  # cyan <png> <x> <y> <w> <h>
  convert "$1" -crop "${4}x${5}+${2}+${3}" +repage \
    -fx '(r < 0.55 && g > 0.75 && b > 0.85) ? 1 : 0' -format '%[fx:int(mean*w*h+0.5)]' info:
}
# A count of the status line, read by tesseract from its digits: yours at x 228, the enemy's at 473.
count() {  # count <png> <x>
  convert "$1" -crop "44x32+$2+0" +repage -resize 300% -negate -bordercolor white -border 20 "$WORK/count.png"
  tesseract "$WORK/count.png" - --psm 7 -c tessedit_char_whitelist=0123456789 2>/dev/null | tr -dc 0-9
}
counts() { echo "$(count "$1" 228) $(count "$1" 473)"; }
# Past the intro and the menu into a battle; `settled` is the first shot after the flash.
to_battle() {
  start_game
  shot_until intro 10 bright_over 60 250 150 300 300 >/dev/null
  key space
  shot_until menu 10 menu_shown >/dev/null
  key Return
  settled=$(shot_until battle_settled 10 gold_under 60 25 33 750 562)
}

prepare
cp "$BUILD/settings.cfg" "$WORK/settings.cfg"
to_battle

# The marker stays on the current tank (column 8 of row 0, where it stands while no key
# drives it), in shots seconds apart, and on nothing else.
at="$(($(cx 8) - 25)) $(($(cy 0) - 25)) 50 50"
m1=$(cyan "$settled" $at); all1=$(cyan "$settled" 25 33 750 562)
sleep 3
later=$(shot marker_later)
m2=$(cyan "$later" $at); all2=$(cyan "$later" 25 33 750 562)
log "marker cyan at the current tank: $m1 then $m2 (of $all1 and $all2 on the field)"
ok $([ "$m1" -gt 60 ] && [ "$m2" -gt 60 ] && [ $((all1 - m1)) -lt 10 ] && [ $((all2 - m2)) -lt 10 ]; echo $?) \
  "the current tank keeps its marker seconds apart, and only it"

# Read from the battle's first settled frame: no tank dies that soon.
read -r own enemy < <(counts "$settled")
log "status line: your tanks $own, enemy tanks $enemy"
ok $([ "$own" = 5 ] && [ "$enemy" = 10 ]; echo $?) "the status line counts 5 and 10 at the start"

# Fire up the column until a tank dies somewhere (13 s into a battle at the median, 23 s
# in 99 of 100): the counts drop, and the hits on the way flash white, watched all along.
WATCH=$(dirname "$CLOSER")/zvilgsnis
read -r white0 _ < <("$WATCH" "$WID" 25 33 750 562 1 white)
"$WATCH" "$WID" 25 33 750 562 100 white > "$WORK/white" &
wp=$!
xdotool keydown space
end=$((SECONDS + 100))
while [ $SECONDS -lt $end ]; do
  s=$(shot counts)
  [ "$(changed "$settled" "$s" 228 0 300 32)" -gt 30 ] || { sleep 0.2; continue; }
  read -r own2 enemy2 < <(counts "$s")
  [ "$own2 $enemy2" != "$own $enemy" ] && [ -n "$own2" ] && [ -n "$enemy2" ] && break
done
xdotool keyup space
kill -TERM $wp
wait $wp
read -r white _ < "$WORK/white"
log "after a death: your tanks ${own2:-?}, enemy tanks ${enemy2:-?}; white at most $white pixels (before any hit $white0)"
ok $([ -n "${own2:-}" ] && [ -n "${enemy2:-}" ] && [ $((own2 + enemy2)) -lt 15 ] && [ "$own2" -le 5 ] &&
     [ "$enemy2" -le 10 ]; echo $?) "a death lowers the status line's count"
ok $([ "${white:-0}" -gt $((white0 + 100)) ]; echo $?) "a hit flashes white"

# F1 over the battle: its last line tells to let F1 go, not to press Enter. Read again
# until the fade-in has brought the line out.
footer_of() {  # footer_of <png>: the help's last line as tesseract reads it
  convert "$1" -crop 300x30+250+465 +repage -resize 300% -negate "$WORK/footer.png"
  tesseract "$WORK/footer.png" - --psm 7 2>/dev/null
}
says_release() { footer=$(footer_of "$1"); grep -qi 'atleisk' <<<"$footer"; }
xdotool keydown F1
shot_until help_held 10 says_release >/dev/null
xdotool keyup F1
log "the F1 help's last line: $footer"
ok $(grep -qi 'atleisk' <<<"$footer" && ! grep -qi 'enter' <<<"$footer"; echo $?) \
  "the F1 help says to let F1 go, not Enter"

# The menu's help page: Escape goes back, as its last line says.
key Escape
menu=$(shot_until menu 10 menu_shown)
key Down Return
page=$(shot_until help_page 10 dark_under 20 0 0 20 600)
shot_until help_page 10 bright_over 100 300 160 200 60 >/dev/null
key Escape
shot_until menu_from_help 10 menu_shown >/dev/null
ok $? "Escape leaves the help page"
key Down Return  # the help item is still selected: the next one quits
expect_exit 0 10

# Without the new keys: as it always was.
prepare
to_battle
ok $([ "$(cyan "$settled" $at)" -lt 5 ] && [ "$(brightness "$settled" 0 0 800 30)" -lt 5 ]; echo $?) \
  "without the keys: no marker, nothing above the field"
"$CLOSER" "$WID"
expect_exit 0 10
finish
