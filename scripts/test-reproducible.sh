#!/usr/bin/env bash
# The release: its Linux part built twice gives the same bytes (check-reproducible.sh);
# the check names planted differences; release.sh refuses a dirty tree and names a
# missing tool before it builds anything. (The Windows part is checked in .ci/windows.sh.)
set -uo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
ZYMA=reproducible
source "$here/tests/common/checks.sh"
work=$(mktemp -d /tmp/tankai-test-reproducible.XXXXXX)
trap 'rm -rf "$work"' EXIT
check=$here/scripts/check-reproducible.sh

# A developer's uncommitted work is built as it is (and named -dirty).
bash "$check" --linux --allow-dirty --keep "$work/runs" >"$work/check.log" 2>&1
status=$?
ok $status "two Linux releases of the same sources are the same bytes ($(grep -o 'all [0-9]* files' "$work/check.log"))"
[ $status -eq 0 ] || sed -n '/^== reproducible: comparing/,$p' "$work/check.log" | head -n 80
first=$work/runs/first
v=$(sed -n 's/^project(Tankai VERSION \([0-9.]*\).*/\1/p' "$here/CMakeLists.txt")
n=$(ls "$first" 2>/dev/null | grep -c "$v")
ok $([ "$n" -eq 4 ] && [ -s "$first/tankai-$v"*-linux/tankai ] && [ -s "$first/tankai-$v"*-linux/duomenys/muzika.ogg ]; echo $?) \
  "the release holds the sources, notes, Debian package and the game with its data ($n artefacts)"
(cd "$first" && sha256sum --quiet -c SHA256SUMS) >"$work/sums.log" 2>&1
ok $([ $? -eq 0 ] && [ "$(wc -l <"$first/SHA256SUMS")" -eq "$(find "$first" -type f ! -name SHA256SUMS | wc -l)" ]; echo $?) \
  "SHA256SUMS holds and verifies every other file"

# Planted differences: a byte of data, a time stamp in a gzip header, a file only one run
# made. Each is named, and nothing else.
if [ -d "$first" ]; then
  cp -a "$first" "$work/planted"
  data=$(cd "$work/planted" && ls -d tankai-*-linux/duomenys/zeme.tga)
  printf '\x01' | dd of="$work/planted/$data" bs=1 seek=100 conv=notrunc status=none
  archive=$(cd "$work/planted" && ls tankai-*.tar.gz)
  printf '\x80\x5c\x38\x6b' | dd of="$work/planted/$archive" bs=1 seek=4 conv=notrunc status=none
  touch "$work/planted/${data%zeme.tga}kalba-en.tga"
  bash "$check" --compare "$first" "$work/planted" >"$work/compare.log" 2>&1
  status=$?
  named=$(grep -c '^differs: ' "$work/compare.log")
  [ $status -ne 0 ] && [ "$named" -eq 3 ] && grep -qx "differs: $data" "$work/compare.log" &&
    grep -qx "differs: $archive" "$work/compare.log" &&
    grep -q "^differs: ${data%zeme.tga}kalba-en.tga is in only one" "$work/compare.log"
  status=$?
  ok $status "the check names the changed byte, the leaked time stamp and the extra file, and only them"
  [ $status -eq 0 ] || head -n 40 "$work/compare.log"
  if command -v diffoscope >/dev/null; then
    ok $(grep -q "^diffoscope on " "$work/compare.log"; echo $?) "diffoscope reports on the first difference"
  fi
fi

# Bad input: nothing is built.
git clone -q "$here" "$work/clone"
cp "$here/scripts/release.sh" "$work/clone/scripts/"
touch "$work/clone/uncommitted.txt"
! bash "$work/clone/scripts/release.sh" "$work/dirty" --linux >"$work/dirty.log" 2>&1 &&
  grep -q "uncommitted changes" "$work/dirty.log" && grep -q "uncommitted.txt" "$work/dirty.log" &&
  [ -z "$(ls -A "$work/dirty")" ]
status=$?
ok $status "a dirty tree stops the release with its changes named"
[ $status -eq 0 ] || cat "$work/dirty.log"
# A PATH with everything but makensis.
mkdir "$work/bin"
for f in /usr/local/bin/* /usr/bin/* /bin/*; do
  [ "${f##*/}" = makensis ] || ln -sf "$f" "$work/bin/" 2>/dev/null
done
! PATH=$work/bin bash "$here/scripts/release.sh" "$work/no-tool" --windows --allow-dirty >"$work/tool.log" 2>&1 &&
  grep -q "missing, nothing built: makensis" "$work/tool.log" && grep -q "deps.sh.*nsis" "$work/tool.log" &&
  [ ! -e "$work/no-tool" ]
status=$?
ok $status "a missing tool is named with its package before anything is built"
[ $status -eq 0 ] || cat "$work/tool.log"

log "$CHECKS checks, $FAILS failed"
[ "$FAILS" -eq 0 ]
