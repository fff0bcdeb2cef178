#!/usr/bin/env bash
# libFuzzer runs of every loader under ASan and UBSan, one target after another, seeded
# with the BMP Suite and files made by ImageMagick, sox and oggenc. Each target's corpus
# stays in <build>-fuzz/corpus-<kind> between runs, so a long run goes on from where the
# last one stopped; crashing inputs land in <build>-fuzz/findings/.
#
# usage: fuzz.sh <build folder> [seconds per target] [kind...]   (kinds: bmp tga wav ogg settings)
# Long runs on a shared machine: nice -n 19 bash scripts/fuzz.sh build 1200
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "${1:?build folder}"
build=$(cd "$1" && pwd)
secs=${2:-30}
shift $(($# < 2 ? $# : 2))
fuzz="$build-fuzz"

CC=clang CXX=clang++ cmake -S "$here" -B "$fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTANKAI_FUZZ=ON -DTANKAI_TESTS=OFF >/dev/null
kinds=("$@")
if [ ${#kinds[@]} -eq 0 ]; then
  for f in "$here"/tests/fuzz/fuzz_*.cpp; do
    [ -e "$f" ] || continue
    k=$(basename "$f" .cpp); kinds+=("${k#fuzz_}")
  done
fi
# No target at all is a broken checkout, not a pass.
[ ${#kinds[@]} -gt 0 ] || { echo "no fuzz targets in tests/fuzz/fuzz_*.cpp"; exit 1; }
cmake --build "$fuzz" -j"$(nproc)" --target "${kinds[@]/#/fuzz_}"

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
mkdir -p "$fuzz/findings"

status=0
summary=()
for kind in "${kinds[@]}"; do
  t=fuzz_$kind
  corpus="$fuzz/corpus-$kind"; mkdir -p "$corpus"
  log="$fuzz/$t.log"
  echo "== $t for ${secs}s"
  dict=()
  [ -f "$here/tests/fuzz/$kind.dict" ] && dict=(-dict="$here/tests/fuzz/$kind.dict")
  # Full stacks through libvorbisfile (no frame pointers there), so the suppression of
  # its own leak can name the call it happens in.
  asan=detect_leaks=1
  [ "$kind" = ogg ] && asan=$asan:fast_unwind_on_malloc=0
  before=$(find "$fuzz/findings" -name "$kind-*" | wc -l)
  TIMEFORMAT='%U %S'
  cpu=$( { time (cd "$fuzz" && ASAN_OPTIONS=$asan LSAN_OPTIONS=suppressions="$here/tests/fuzz/lsan.supp" \
      "./tests/fuzz/$t" -max_total_time="$secs" -rss_limit_mb=2048 -max_len=65536 -print_final_stats=1 \
      -artifact_prefix="$fuzz/findings/$kind-" "${dict[@]}" "$corpus" "$seeds/$kind" > "$log" 2>&1) ; } 2>&1 ) \
    || { status=1; cpu=$(echo "$cpu" | tail -n 1); }
  tail -n 8 "$log"
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log"); runs=${runs:-0}
  cov=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1 | cut -d' ' -f2)
  ft=$(grep -o 'ft: [0-9]*' "$log" | tail -n 1 | cut -d' ' -f2)
  found=$(( $(find "$fuzz/findings" -name "$kind-*" | wc -l) - before ))
  [ "$found" -eq 0 ] || status=1
  persec=$(awk -v r="$runs" -v c="$cpu" 'BEGIN { split(c, t, " "); s = t[1] + t[2]; printf "%d", (s > 0 ? r / s : 0) }')
  summary+=("$(printf '%-9s %10s runs  %6s per CPU second  cov %4s  ft %5s  corpus %5s files  findings %s' \
    "$kind" "$runs" "$persec" "${cov:-?}" "${ft:-?}" "$(find "$corpus" -type f | wc -l)" "$found")")
done
echo "== fuzzing, ${secs}s per target"
printf '%s\n' "${summary[@]}"
exit $status
