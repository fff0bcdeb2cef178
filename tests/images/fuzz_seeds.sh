#!/bin/sh
# Seed corpora for the image fuzzers: the bitmap suite, and Targa and bitmap files
# written by ImageMagick in every depth and origin the loaders take.
# Usage: fuzz_seeds.sh OUTDIR   (makes OUTDIR/tga and OUTDIR/bmp)
set -e
out=${1:?output folder}
# Jason Summers' BMP Suite lies beside the repository; without it the bitmap seeds are
# ImageMagick's only, and the script says so.
suite=${TANKAI_TESTDATA_DIR:-$(dirname "$0")/../../../shared/testdata}/bmpsuite
mkdir -p "$out/tga" "$out/bmp"
if [ -d "$suite" ]; then
  cp "$suite"/g/*.bmp "$suite"/q/*.bmp "$suite"/b/*.bmp "$suite"/x/*.bmp "$out/bmp/" 2>/dev/null || true
else
  echo "BMP Suite not found: no folder $suite; bitmap seeds from ImageMagick only" >&2
fi
src="$out/src.png"
convert -size 9x5 plasma:fractal -seed 1 "$src"
i=0
for o in "-type TrueColor" "-type TrueColor -orient TopLeft" "-type TrueColorAlpha" \
         "-type Grayscale" "-type TrueColor -compress RLE" "-type TrueColorAlpha -compress RLE -orient TopRight" \
         "-type Grayscale -compress RLE" "-type TrueColor -depth 5" "-type Palette" "-set comment seed -type TrueColor"; do
  i=$((i + 1))
  # shellcheck disable=SC2086
  convert "$src" $o "$out/tga/im$i.tga"
done
i=0
for o in "-type TrueColor BMP3:" "-type TrueColor BMP:" "-alpha on -define bmp3:alpha=true BMP3:" \
         "-type TrueColor -define bmp:subtype=RGB555 BMP:" "-type TrueColor -define bmp:subtype=RGB565 BMP:" \
         "-type Palette -compress None BMP3:" "-type Palette BMP3:"; do
  i=$((i + 1))
  # shellcheck disable=SC2086
  eval convert "\"$src\"" $o"\"$out/bmp/im$i.bmp\""
done
rm -f "$src"
