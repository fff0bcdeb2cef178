# The game in one language, given by its code after the usual arguments, as a player
# meets it under Xvfb: the intro, the menu, the help and both outcome pictures read
# back by tesseract with that language's data, an OCR that shares nothing with our
# drawing. Every word of four letters or more on each screen must be read (give or
# take OCR's usual one-letter slip), and a screen in another language must show no
# Lithuanian word of the menu or the help (tests/e2e/ekrano_tekstas checks both
# against the game's own tables).
source "$(dirname "$0")/lib.sh"
KALBA=${4:?language code}
TIKRINTI=$(dirname "$CLOSER")/ekrano_tekstas

# Tesseract's name for each language's data (Debian: tesseract-ocr-<name>).
declare -A OCR_KALBA=([LT]=lit [EN]=eng [DE]=deu)
OCR=${OCR_KALBA[$KALBA]:-}
if [ -z "$OCR" ] || ! tesseract --list-langs 2>/dev/null | grep -qx "$OCR"; then
  ok 1 "tesseract reads ${OCR:-no data named for $KALBA} (bash scripts/deps.sh installs it)"
  finish
fi

# OCR of a region of a shot, added to $WORK/<name>.txt: enlarged by <scale> percent,
# as it is (colour), turned to dark letters on light (grey), or its light pixels alone
# as black on white (light: the pictures' pale words without the battlefield behind
# them); read as sparse text or, with psm 7, as one line.
export OMP_THREAD_LIMIT=1  # one thread: the machine's cores are the test run's
ocr() {  # ocr <name> <shot> <x> <y> <w> <h> <scale> <colour|grey|light> [psm]
  local tone=()
  case $8 in
    grey) tone=(-colorspace Gray -negate) ;;
    light) tone=(-colorspace Gray -threshold 55% -negate) ;;
  esac
  convert "$2" -crop "${5}x${6}+${3}+${4}" +repage "${tone[@]}" -resize "$7%" "$WORK/ocr.png"
  tesseract "$WORK/ocr.png" - -l "$OCR" --psm "${9:-11}" 2>/dev/null >> "$WORK/$1.txt"
}
# A picture over a busy battlefield, in the three ways: each reads whole some words
# that the others break.
read_picture() {  # read_picture <name> <shot> <x> <y> <w> <h>
  ocr "$@" 300 grey
  ocr "$@" 200 colour
  ocr "$@" 200 light
}
check_screen() {  # check_screen <screen> <text files...>
  local screen=$1 result status
  shift
  cat "$@" > "$WORK/$screen.all.txt"
  result=$("$TIKRINTI" "$KALBA" "$screen" "$WORK/$screen.all.txt")
  status=$?
  log "$result"
  [ "$status" -eq 0 ] || log "OCR read: $(tr '\n' ' ' < "$WORK/$screen.all.txt")"
  ok $status "$KALBA: the words of the $screen"
}

prepare
printf 'kalba = %s\n' "$KALBA" >> "$WORK/settings.cfg"
start_game
# The language's pictures, where the game finds them.
PAV="$WORK/duomenys"
[ "$KALBA" = LT ] || PAV="$WORK/duomenys/$KALBA"
# A picture drawn whole over black: its 400 by 400 square as bright as the file.
whole() { convert "$1" -background black -alpha remove -scale '1x1!' \
  -format '%[fx:int(255*r+0.5)+int(255*g+0.5)+int(255*b+0.5)]' info:; }
square_whole() { [ "$(brightness "$2" 200 100 400 400)" -ge $(($1 - 4)) ]; }  # <full> <shot>

# The intro holds still for two seconds between its fades.
intro=$(shot_until intro 10 square_whole "$(whole "$PAV/intro.tga")")
ok $? "$KALBA: the intro is shown whole"
ocr intro "$intro" 200 100 400 400 300 grey
check_screen intro "$WORK/intro.txt"

key space
menu=$(shot_until menu 10 menu_shown)
# Each item alone, as one line: OCR takes the three plates together for a picture.
for row in 200 300 400; do ocr menu_items "$menu" 50 $((row - 38)) 300 76 100 grey 7; done
read_picture menu_picture "$menu" 400 0 400 600
check_screen menu "$WORK/menu_items.txt" "$WORK/menu_picture.txt"

key Down Return
help=$(shot_until help 10 square_whole "$(whole "$PAV/pagalba.tga")")
ok $? "$KALBA: the help is shown whole"
ocr help "$help" 200 100 400 400 300 grey
check_screen help "$WORK/help.txt"
key Return
shot_until menu_back 10 menu_shown >/dev/null
key Down Return
expect_exit 0 10

# The outcome pictures come after a won or a lost battle, too long a game for a test:
# the working folder's meniuPav.tga gets each outcome's part in the place of the first
# (s 0 to 0.34), so that the menu shows it from the start, as it would after the battle.
w=$(identify -format '%w' "$PAV/meniuPav.tga"); h=$(identify -format '%h' "$PAV/meniuPav.tga")
first=$((w * 34 / 100))
cp "$PAV/meniuPav.tga" "$WORK/meniuPav.tga"
for outcome in victory:$((w * 34 / 100)):$((w * 70 / 100)) defeat:$((w * 70 / 100)):$w; do
  IFS=: read -r screen from to <<< "$outcome"
  convert "$WORK/meniuPav.tga" \( +clone -crop "$((to - from))x$h+$from+0" +repage -resize "${first}x$h!" \) \
    -geometry +0+0 -composite -compress none "tga:$PAV/meniuPav.tga"
  start_game
  shot_until "${screen}_intro" 10 bright_over 60 250 150 300 300 >/dev/null
  key space
  picture=$(shot_until "$screen" 10 menu_shown)
  read_picture "$screen" "$picture" 400 0 400 600
  check_screen "$screen" "$WORK/$screen.txt"
  key Down Down Return
  expect_exit 0 10
done
finish
