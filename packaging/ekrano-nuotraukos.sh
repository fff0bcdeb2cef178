#!/usr/bin/env bash
# Refreshes the README's screenshots from the end-to-end runs of the built game
# (the menu and battle scenarios keep their shots when TANKAI_E2E_SHOTS is set).
#
# usage: ekrano-nuotraukos.sh <build folder>
set -euo pipefail
BUILD=$(readlink -f "$1")
HERE=$(dirname "$(readlink -f "$0")")
OUT=$HERE/../docs/screenshots
SHOTS=$(mktemp -d /tmp/tankai-shots.XXXXXX)
trap 'rm -rf "$SHOTS"' EXIT
cmake --build "$BUILD" --target tankai uzdaryti_langa duomenys
(cd "$BUILD" && TANKAI_E2E_SHOTS=$SHOTS ctest -R '^e2e_(menu|battle)$' --output-on-failure)
mkdir -p "$OUT"
# The shot names are the scenarios' own.
for pair in intro:intro menu:menu fire_mid:battle help:help; do
  convert "$SHOTS/${pair%%:*}.bmp" "png:$OUT/${pair##*:}.png"
done
ls -l "$OUT"
