# No settings file: the defaults, a 640 by 480 window titled "Langas" with the 800 by
# 600 scene stretched over it; the game plays and quits with status 0.
source "$(dirname "$0")/lib.sh"
cp -r "$BUILD/duomenys" "$WORK/duomenys"
start_game
geometry=$(xdotool getwindowgeometry "$WID" | awk '/Geometry/ {print $2}')
ok $([ "$geometry" = "640x480" ]; echo $?) "default window size ($geometry)"
name=$(xdotool getwindowname "$WID")
ok $([ "$name" = "Langas" ]; echo $?) "default title ($name)"
s=$(shot_until small_intro 10 bright_over 60 200 150 240 180)
# The 400x400 picture in the middle of 800x600 covers 160..480 by 120..360 here.
ok $([ "$(brightness "$s" 200 150 240 180)" -gt 60 ]; echo $?) "the intro is scaled into the window"
ok $([ "$(brightness "$s" 0 0 120 480)" -lt 20 ]; echo $?) "and leaves its sides black"
play_and_quit
finish
