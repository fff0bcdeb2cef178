# Every data file cut in half, then every data file replaced by garbage: the loaders
# refuse or pad what they get, and the game runs, draws, answers and quits with 0.
source "$(dirname "$0")/lib.sh"
prepare
for f in "$WORK"/duomenys/*; do
  size=$(stat -c %s "$f")
  head -c $((size / 2)) "$f" > "$f.cut" && mv "$f.cut" "$f"
done
log "pass 1: truncated files"
start_game
play_and_quit

for f in "$WORK"/duomenys/*; do
  head -c 3000 /dev/urandom > "$f"
done
# Headers that claim huge sizes on small files.
printf 'RIFF\xff\xff\xff\x7fWAVEfmt \x10\x00\x00\x00\x01\x00\x02\x00\x44\xac\x00\x00\x10\xb1\x02\x00\x04\x00\x10\x00data\xff\xff\xff\x7f' > "$WORK/duomenys/suvis.wav"
printf '\x00\x00\x02\x00\x00\x00\x00\x00\x00\x00\x00\x00\xff\xff\xff\xff\x20\x00' > "$WORK/duomenys/zeme.tga"
printf 'BM\x00\x00\x00\x00\x00\x00\x00\x00\x36\x00\x00\x00\x28\x00\x00\x00\xff\xff\x00\x00\xff\xff\x00\x00\x01\x00\x20\x00\x00\x00\x00\x00\xff\xff\xff\x7f' > "$WORK/duomenys/huge.bmp"
log "pass 2: garbage and absurd headers"
start_game
play_and_quit
finish
