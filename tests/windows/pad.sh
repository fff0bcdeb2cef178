#!/bin/bash
# The packaged game with an Xbox-style pad, in the desktop's own full screen. A stand-in
# xinput1_4.dll built by the tests lies beside tankai.exe and is chosen over Wine's own
# (WINEDLLOVERRIDES); it reports the pad this script writes into a file beside it. The
# window covers the screen and the display's mode stays; the pad plugged in mid-battle
# becomes the game's: A fires, the right stick turns the turret; pulled out with the
# stick over, the turret stops; plugged back in, it turns again; the game quits with 0.
# Usage: pad.sh <Tankai-*.zip> <Tankai-*-setup.exe> <stand-in xinput1_4.dll>
source "$(dirname "$0")/lib.sh"
DLL=$(readlink -f "$3")

ZAIDIMAS=$(isskleisti "$WORK/pultas") || { ok 1 "unzip $ZIP"; finish; }
cp "$DLL" "$ZAIDIMAS/xinput1_4.dll"
printf 'pavad = Tankai\ndydis = 800, 600\npoz = 100, 100\ndarbalaukis = 1\nproporcija = 1\n' >"$ZAIDIMAS/settings.cfg"
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;xinput1_4=n"

# The pad: <plugged in> <buttons, hex> <left x> <left y> <right x> <right y>.
pultas() { printf '%s\n' "$*" >"$ZAIDIMAS/xinput-pultas.tmp" && mv "$ZAIDIMAS/xinput-pultas.tmp" "$ZAIDIMAS/xinput-pultas.txt"; }
A=1000
pultas 0 0 0 0 0 0

# Pixels that differ between two shots in a region of the 800 by 600 view.
pokytis() {  # pokytis <a.png> <b.png> <x> <y> <w> <h>
  local w h g
  read -r w h <<<"$(identify -format '%w %h' "$1" 2>/dev/null)"
  [ -n "$h" ] || { echo -1; return; }
  g="$(($5 * w / 800))x$(($6 * h / 600))+$(($3 * w / 800))+$(($4 * h / 600))"
  convert "$1" -crop "$g" +repage "$WORK/pokytis_a.miff" && convert "$2" -crop "$g" +repage "$WORK/pokytis_b.miff" ||
    { echo -1; return; }
  compare -metric AE -fuzz 8% "$WORK/pokytis_a.miff" "$WORK/pokytis_b.miff" null: 2>&1 | awk '{print int($1)}'
}
pasikeite() { local b; b=$(shot "$2"); [ "$(pokytis "$1" "$b" "${@:3}")" -gt 20 ]; }  # <ref> <name> x y w h

read -r SW SH < <(xdpyinfo | awk '/dimensions:/ {split($2, d, "x"); print d[1], d[2]}')
REZIMAS=$(xrandr --current 2>/dev/null)
paleisti "$ZAIDIMAS" || finish
read -r X Y W H < <(xwininfo -id "$WID" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
  /Width:/ {w=$NF} /Height:/ {h=$NF} END {print x, y, w, h}')
ok $([ "$X $Y $W $H" = "0 0 $SW $SH" ]; echo $?) "the window covers the screen ($X,$Y ${W}x${H} on ${SW}x${SH})"
ok $([ "$(xrandr --current 2>/dev/null)" = "$REZIMAS" ]; echo $?) "the display's mode is as it was"

laukti_ekrano intro "the intro shows"
key space
laukti_ekrano meniu "Space leads to the menu"
key Return
laukti_ekrano musis "Enter starts a battle"

# The current tank stands in cell (8, 0): the column above it, and the cell itself.
STULPELIS="338 0 12 562"
LANGELIS="328 560 32 32"
pries=$(shot pries_suvi)
pultas 1 $A 0 0 0 0
wait_until 15 pasikeite "$pries" suvis $STULPELIS
ok $? "the pad plugged in mid-battle fires with A up the turret's line"
pultas 1 0 0 0 0 0
pries=$(shot pries_sukant)
pultas 1 0 0 0 32767 0
wait_until 10 pasikeite "$pries" sukant $LANGELIS
ok $? "its right stick across turns the turret"

# Pulled out with the stick still over and A down: the turret stays as it is.
pultas 0 $A 0 0 32767 0
sleep 1
a=$(shot istraukus_1)
sleep 1
b=$(shot istraukus_2)
p=$(pokytis "$a" "$b" $LANGELIS)
ok $([ "$p" -ge 0 ] && [ "$p" -le 20 ]; echo $?) "pulled out, the turret stops ($p pixels changed in a second)"

# Plugged in at rest, as a player does: the game takes the sticks' place then as their
# rest. A pad at rest shows nothing, so the game is given four of its looks to find it.
pultas 1 0 0 0 0 0
sleep 2
pries=$(shot pries_grizus)
pultas 1 0 0 0 -32768 0
wait_until 15 pasikeite "$pries" grizus $LANGELIS
ok $? "plugged back in, the right stick turns the turret again"
pultas 0 0 0 0 0 0

key Escape
laukti_ekrano meniu "Escape returns to the menu"
key Down Down Return
laukti_pabaigos 0
ok $([ "$(xrandr --current 2>/dev/null)" = "$REZIMAS" ]; echo $?) "the display's mode is as it was after the game"
finish
