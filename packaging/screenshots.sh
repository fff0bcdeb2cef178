#!/usr/bin/env bash
# Refreshes the README's screenshots from the end-to-end runs of the built game
# (the menu and battle scenarios keep their shots when TANKAI_E2E_SHOTS is set), and
# the battle as players without full colour vision see it, made by the same colour
# measure the tests use (the screenshot meter's --views).
#
# usage: screenshots.sh <build folder>
set -euo pipefail
BUILD=$(readlink -f "$1")
HERE=$(dirname "$(readlink -f "$0")")
OUT=$HERE/../docs/screenshots
SHOTS=$(mktemp -d /tmp/tankai-shots.XXXXXX)
trap 'rm -rf "$SHOTS"' EXIT
cmake --build "$BUILD" --target tankai uzdaryti_langa duomenys regejimo_matuoklis
(cd "$BUILD" && TANKAI_E2E_SHOTS=$SHOTS ctest -R '^e2e_(menu|battle)$' --output-on-failure)
mkdir -p "$OUT"
# The shot names are the scenarios' own.
for pair in intro:intro menu:menu fire_mid:battle help:help; do
  convert "$SHOTS/${pair%%:*}.bmp" "png:$OUT/${pair##*:}.png"
done
convert "$OUT/battle.png" -depth 8 "ppm:$SHOTS/battle.ppm"
"$BUILD/tests/regejimo_matuoklis" --views "$SHOTS/battle.ppm" "$SHOTS/battle"
views=()
for v in protanopia deuteranopia tritanopia greyscale; do
  views+=(-label "$v" "$SHOTS/battle-$v.ppm")
done
montage -font DejaVu-Sans -pointsize 18 "${views[@]}" -tile 2x2 -geometry 400x300+6+6 \
  -background '#202020' -fill '#e0e0e0' -depth 8 "$OUT/battle-views.png"
ls -l "$OUT"
