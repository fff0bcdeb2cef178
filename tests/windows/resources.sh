#!/bin/bash
# tankai.exe's resources, read back by outside tools: icoutils' wrestool finds the icon
# group and the version block, icotool lists the icon's images, and ImageMagick compares
# each with the icon painter's own picture of that size; the version block carries the
# project's version and names.
# Usage: resources.sh <tankai.exe> <tankai_zenklelis built for this machine> <version>
set -uo pipefail
EXE=$1
ZENKLELIS=$2
VERSIJA=$3
WORK=$(mktemp -d /tmp/tankai-istekliai.XXXXXX)
trap 'rm -rf "$WORK"' EXIT
ZYMA="istekliai"
source "$(dirname "$0")/../common/checks.sh"

sarasas=$(wrestool -l "$EXE")
echo "$sarasas"
ok $(grep -q -- '--type=14 --name=1 --language=1063 ' <<<"$sarasas"; echo $?) "an icon group, id 1, in Lithuanian"
ok $(grep -q -- '--type=16 --name=1 --language=1063 ' <<<"$sarasas"; echo $?) "a version block, id 1, in Lithuanian"

# The icon as Explorer takes it: the group with its images, back into an .ico file.
wrestool -x -t 14 -n 1 "$EXE" -o "$WORK/tankai.ico" 2>/dev/null
vaizdai=$(icotool -l "$WORK/tankai.ico" 2>&1)
echo "$vaizdai"
i=0
for n in 16 24 32 48 64 256; do
  i=$((i + 1))
  ok $(grep -q -- "--index=$i --width=$n --height=$n --bit-depth=32" <<<"$vaizdai"; echo $?) \
    "image $i of the icon is $n by $n with alpha"
  icotool -x --index=$i "$WORK/tankai.ico" -o "$WORK/is-$n.png" 2>/dev/null
  "$ZENKLELIS" "$WORK/tapytas-$n.png" $n
  skirtumas=$(compare -metric AE "$WORK/is-$n.png" "$WORK/tapytas-$n.png" null: 2>&1)
  ok $([ "$skirtumas" = "0" ]; echo $?) "the $n-pixel image is the painter's tank, pixel for pixel ($skirtumas differ)"
done
ok $([ "$(grep -c -- '--icon' <<<"$vaizdai")" -eq 6 ]; echo $?) "six images in the icon"

# The small images are bitmaps whose AND mask (after the BGRA pixels) marks exactly the
# fully clear pixels, for renderers that ignore the alpha channel.
wrestool -x --raw -t 3 -n 1 "$EXE" -o "$WORK/16.dib" 2>/dev/null
kauke=$(od -An -tu1 -v "$WORK/16.dib" | tr -s ' \n' '\n' | sed '/^$/d' | awk '
  NR <= 40 { next } { b[NR - 41] = $1 }
  END { for (y = 0; y < 16; y++) for (x = 0; x < 16; x++) {
          a = b[(y * 16 + x) * 4 + 3]; bitas = int(b[1024 + y * 4 + int(x / 8)] / 2 ^ (7 - x % 8)) % 2
          if (a == 0) skaidru++; if ((a == 0) != (bitas == 1)) blogai++ }
        print skaidru + 0, blogai + 0 }')
read -r skaidru blogai <<<"$kauke"
ok $([ "${skaidru:-0}" -gt 0 ] && [ "${blogai:-1}" -eq 0 ]; echo $?) \
  "the 16-pixel mask covers its $skaidru clear pixels and no other ($blogai wrong)"

# The version block: the fixed part after its signature FEEF04BD, then the strings.
wrestool -x --raw -t 16 -n 1 "$EXE" -o "$WORK/versija.bin" 2>/dev/null
baitai=$(od -An -tx1 -v "$WORK/versija.bin" | tr -s ' \n' ' ')
read -r -a fiksuota <<<"$(sed -n 's/.* bd 04 ef fe \(.*\)/\1/p' <<<"$baitai")"
skaiciai() {  # the version in two little-endian double words from byte $1 of the fixed part
  local p=$1
  [ ${#fiksuota[@]} -ge $((p + 8)) ] || return
  echo "$((16#${fiksuota[p+3]}${fiksuota[p+2]})).$((16#${fiksuota[p+1]}${fiksuota[p]}))"\
".$((16#${fiksuota[p+7]}${fiksuota[p+6]})).$((16#${fiksuota[p+5]}${fiksuota[p+4]}))"
}
IFS=. read -r a b c d <<<"$VERSIJA"
tiketina="${a:-0}.${b:-0}.${c:-0}.${d:-0}"
ok $([ "$(skaiciai 4)" = "$tiketina" ]; echo $?) "file version $(skaiciai 4) (project $VERSIJA)"
ok $([ "$(skaiciai 12)" = "$tiketina" ]; echo $?) "product version $(skaiciai 12)"
eilutes=$(strings -el -n 3 "$WORK/versija.bin")
reiksme() { grep -A1 -x "$1" <<<"$eilutes" | tail -n 1; }
ok $([ "$(reiksme ProductName)" = "Tankai" ]; echo $?) "product name '$(reiksme ProductName)'"
ok $([ "$(reiksme ProductVersion)" = "$VERSIJA" ]; echo $?) "product version text '$(reiksme ProductVersion)'"
ok $([ "$(reiksme FileVersion)" = "$tiketina" ]; echo $?) "file version text '$(reiksme FileVersion)'"
ok $([ -n "$(reiksme FileDescription)" ] && [ "$(reiksme FileDescription)" != "FileVersion" ]; echo $?) \
  "a file description: '$(reiksme FileDescription)'"
ok $([ "$(reiksme OriginalFilename)" = "tankai.exe" ]; echo $?) "original file name '$(reiksme OriginalFilename)'"
ok $(grep -q '042704[bB]0' <<<"$eilutes"; echo $?) "strings for Lithuanian, Unicode"

end_checks
