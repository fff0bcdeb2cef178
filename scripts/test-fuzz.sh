#!/usr/bin/env bash
# Bounded libFuzzer runs of every loader under ASan and UBSan, seeded with the BMP Suite
# and files made by ImageMagick, sox and oggenc.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$1
fuzz="$build-fuzz"
secs=${TANKAI_FUZZ_SECONDS:-30}
CC=clang CXX=clang++ cmake -S "$here" -B "$fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTANKAI_FUZZ=ON -DTANKAI_TESTS=OFF >/dev/null
targets=$(cd "$here/tests/fuzz" && ls fuzz_*.cpp 2>/dev/null | sed 's/\.cpp$//')
[ -n "$targets" ] || { echo "no fuzz targets"; exit 0; }
cmake --build "$fuzz" -j"$(nproc)" --target $targets
seeds="$fuzz/seeds"
rm -rf "$seeds"; mkdir -p "$seeds"/{bmp,tga,wav,ogg,settings}
suite=${TANKAI_TESTDATA_DIR:-$here/../shared/testdata}/bmpsuite
[ -d "$suite" ] || echo "BMP Suite not found: no folder $suite; the bmp fuzzer starts from ImageMagick's files only"
sh "$here/tests/images/fuzz_seeds.sh" "$seeds" >/dev/null 2>&1 || echo "some image seeds could not be made"
( cd "$seeds" && sox -n -r 8000 -b 16 -c 1 wav/a.wav synth 0.05 sine 440 \
    && sox -n -r 8000 -b 8 -c 2 wav/b.wav synth 0.05 sine 440 \
    && sox -n -r 11025 -b 24 -c 2 wav/c.wav synth 0.05 sine 440 \
    && sox -n -r 8000 -b 16 -c 1 -e signed -t wav - synth 0.3 sine 440 | oggenc -Q -o ogg/a.ogg - \
    && sox -n -r 11025 -b 16 -c 2 -e signed -t wav - synth 0.3 sine 440 | oggenc -Q -q 0 -o ogg/b.ogg - ) >/dev/null 2>&1 \
  || echo "some sound seeds could not be made"
cp "$here"/tests/fuzz/seeds/settings/* "$seeds/settings/"
status=0
for t in $targets; do
  kind=${t#fuzz_}
  corpus="$fuzz/corpus-$kind"; mkdir -p "$corpus"
  echo "== $t for ${secs}s"
  dict=()
  [ -f "$here/tests/fuzz/$kind.dict" ] && dict=(-dict="$here/tests/fuzz/$kind.dict")
  # Full stacks through libvorbisfile (no frame pointers there), so the suppression of
  # its own leak can name the call it happens in.
  asan=detect_leaks=1
  [ "$kind" = ogg ] && asan=$asan:fast_unwind_on_malloc=0
  (cd "$fuzz" && ASAN_OPTIONS=$asan LSAN_OPTIONS=suppressions="$here/tests/fuzz/lsan.supp" "./tests/fuzz/$t" -max_total_time="$secs" -rss_limit_mb=2048 \
     -max_len=65536 -print_final_stats=1 "${dict[@]}" "$corpus" "$seeds/$kind" > "$fuzz/$t.log" 2>&1) || status=1
  tail -n 8 "$fuzz/$t.log"
done
exit $status
