#!/bin/bash
# The portable ZIP as a player uses it: unpacked into a folder whose path has spaces and
# Lithuanian letters, the game started there under Wine, played and quit. Its contents,
# the OpenAL32.dll it loads (its own, from that folder), and the icon its window shows.
# Usage: zip.sh <Tankai-*.zip> <Tankai-*-setup.exe>
source "$(dirname "$0")/lib.sh"

ZAIDIMAS=$(isskleisti "$WORK/Mano žaidimai/Tankų mūšis") || { ok 1 "unzip $ZIP"; finish; }
log "unpacked into $ZAIDIMAS"

# Exactly what a player should get.
tiketina="LICENSES/OpenAL-Soft-COPYING.txt
LICENSES/OpenAL-Soft-SOURCE.txt
LICENSES/Tankai-LICENSE.txt
LICENSES/libogg-COPYING.txt
LICENSES/libvorbis-COPYING.txt
LICENSES/mingw-w64-runtime.txt
OpenAL32.dll
README.txt
duomenys/DE/intro.tga
duomenys/DE/juosta.tga
duomenys/DE/meniu.tga
duomenys/DE/meniuPav.tga
duomenys/DE/pagalba.tga
duomenys/DE/pagalbaF1.tga
duomenys/DE/pagalbosPuslapis.tga
duomenys/EN/intro.tga
duomenys/EN/juosta.tga
duomenys/EN/meniu.tga
duomenys/EN/meniuPav.tga
duomenys/EN/pagalba.tga
duomenys/EN/pagalbaF1.tga
duomenys/EN/pagalbosPuslapis.tga
duomenys/LT.tga
duomenys/RU.tga
duomenys/blyksniai.tga
duomenys/intro.tga
duomenys/juosta.tga
duomenys/meniu.tga
duomenys/meniuPav.tga
duomenys/muzika.ogg
duomenys/muzikaFonui.ogg
duomenys/pagalba.tga
duomenys/pagalbaF1.tga
duomenys/pagalbosPuslapis.tga
duomenys/rodykle.tga
duomenys/siena.tga
duomenys/spaud.wav
duomenys/sprogimas.wav
duomenys/suvis.wav
duomenys/zeme.tga
duomenys/zyme.tga
settings.cfg
tankai.exe"
yra=$(cd "$ZAIDIMAS" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
ok $([ "$yra" = "$(LC_ALL=C sort <<<"$tiketina")" ]; echo $?) "the ZIP holds the game, OpenAL32.dll, its data, settings, read-me and licences"
[ "$yra" = "$(LC_ALL=C sort <<<"$tiketina")" ] || diff <(LC_ALL=C sort <<<"$tiketina") <(echo "$yra")
ok $(grep -q 'GNU LIBRARY GENERAL PUBLIC LICENSE\|GNU Library General Public License' "$ZAIDIMAS/LICENSES/OpenAL-Soft-COPYING.txt"; echo $?) \
  "OpenAL Soft's licence text (LGPL)"
ok $(grep -q 'OpenAL Soft 1\.19\.1' "$ZAIDIMAS/LICENSES/OpenAL-Soft-SOURCE.txt" &&
     grep -q '1:1\.19\.1-2' "$ZAIDIMAS/LICENSES/OpenAL-Soft-SOURCE.txt"; echo $?) \
  "the note of OpenAL Soft's source: $(head -n 1 "$ZAIDIMAS/LICENSES/OpenAL-Soft-SOURCE.txt")"
ok $(objdump -f "$ZAIDIMAS/OpenAL32.dll" 2>/dev/null | grep -q 'pei-x86-64' ||
     x86_64-w64-mingw32-objdump -f "$ZAIDIMAS/OpenAL32.dll" | grep -q 'pei-x86-64'; echo $?) "OpenAL32.dll is 64-bit"
ok $(grep -q $'\r$' "$ZAIDIMAS/README.txt" && grep -q 'settings.cfg' "$ZAIDIMAS/README.txt"; echo $?) \
  "README.txt has Windows line ends and tells about settings.cfg"
ok $(grep -qx 'kalba = LT' "$ZAIDIMAS/settings.cfg" && grep -q 'kalba = EN' "$ZAIDIMAS/README.txt"; echo $?) \
  "the ZIP's settings are in Lithuanian, and README.txt says how to change the language"

# Wine's loader lines say which OpenAL32.dll the game took.
export WINEDEBUG=-all,+loaddll
paleisti "$ZAIDIMAS"

# The window's icon as the window system got it (Wine hands it to X as _NET_WM_ICON),
# against the 32-pixel image of tankai.exe's own icon.
xprop -id "$WID" -notype -f _NET_WM_ICON 32c ' $0+\n' _NET_WM_ICON | sed 's/^_NET_WM_ICON *//' | tr -d ' ' | tr ',' '\n' > "$WORK/ikona.txt"
LC_ALL=C awk 'NR == 1 { w = $1 } NR == 2 { n = w * $1 } NR > 2 && NR <= 2 + n {
  v = $1 + 0; printf "%c%c%c%c", int(v / 65536) % 256, int(v / 256) % 256, v % 256, int(v / 16777216) % 256 }' \
  "$WORK/ikona.txt" > "$WORK/ikona.rgba"
plotis=$(head -n 1 "$WORK/ikona.txt")
wrestool -x -t 14 -n 1 "$ZAIDIMAS/tankai.exe" -o "$WORK/tankai.ico" 2>/dev/null
icotool -x -w "${plotis:-0}" "$WORK/tankai.ico" -o "$WORK/ikona-exe.png" 2>/dev/null
convert -size "${plotis:-0}x${plotis:-0}" -depth 8 "rgba:$WORK/ikona.rgba" "$WORK/ikona-lango.png" 2>/dev/null
skirtumas=$(compare -metric AE "$WORK/ikona-lango.png" "$WORK/ikona-exe.png" null: 2>&1)
ok $([ "$skirtumas" = "0" ]; echo $?) "the window shows tankai.exe's own ${plotis:-?}-pixel icon ($skirtumas pixels differ)"

zaisti_ir_iseiti
ok $([ $? -eq 0 ] && grep -i 'Loaded.*OpenAL32\.dll.*native' "$WORK/game.log" | grep -qi 'Tank.*OpenAL32'; echo $?) \
  "the game played and loaded the OpenAL32.dll of its own folder"
finish
