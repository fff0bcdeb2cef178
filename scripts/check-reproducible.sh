#!/usr/bin/env bash
# Builds the release twice (scripts/release.sh) and compares every file the two folders
# hold: the second run starts at least a minute after the first, builds in another,
# longer folder on another file system, with another umask, time zone (a calendar day
# apart) and locale. Each differing file is
# named; with diffoscope installed, its report on the first one follows.
#
# Usage: check-reproducible.sh [--linux | --windows] [--allow-dirty] [--win-deps <folder>]
#                              [--keep <folder>]
#        check-reproducible.sh --compare <release folder> <release folder>
#   --linux, --windows, --allow-dirty, --win-deps   passed to both runs of release.sh
#                      (with --win-deps both reuse the Windows libraries built there)
#   --keep <folder>    keep the two releases as <folder>/first and <folder>/second
#   --compare          only compare two release folders made before
set -uo pipefail
# Read whole before it runs: the sources may change while it builds.
{
here=$(cd "$(dirname "$0")/.." && pwd)

# Every path under a folder, folders marked with a trailing slash, in byte order.
paths() { (cd "$1" && find . -mindepth 1 \( -type d -printf '%P/\n' -o -printf '%P\n' \)) | LC_ALL=C sort; }

compare() {  # <first> <second>: names each difference; fails if there is one
  local a=$1 b=$2 f first="" same=0 differ=0
  while IFS= read -r f; do
    echo "differs: $f is in only one of the two releases"
    differ=$((differ + 1))
  done < <(LC_ALL=C comm -3 <(paths "$a") <(paths "$b") | sed 's/^\t//')
  while IFS= read -r f; do
    if [ -L "$a/$f" ] || [ -L "$b/$f" ]; then
      [ "$(readlink "$a/$f")" = "$(readlink "$b/$f")" ] && { same=$((same + 1)); continue; }
    elif cmp -s "$a/$f" "$b/$f"; then
      same=$((same + 1))
      continue
    fi
    echo "differs: $f"
    differ=$((differ + 1))
    # SHA256SUMS differs whenever anything else does: the report goes to the artefact.
    [ -n "$first" ] || [ "$f" = SHA256SUMS ] || first=$f
  done < <(LC_ALL=C comm -12 <(paths "$a") <(paths "$b") | grep -v '/$')
  if [ $differ -eq 0 ]; then
    echo "reproducible: all $same files are the same bytes"
    return 0
  fi
  echo "NOT reproducible: $differ difference(s), $same files the same"
  if [ -n "$first" ]; then
    if command -v diffoscope >/dev/null; then
      echo "diffoscope on $first (the first 300 lines):"
      timeout 600 diffoscope --no-progress --text - "$a/$first" "$b/$first" 2>&1 | head -n 300
    else
      echo "(diffoscope is not installed: apt-get install diffoscope-minimal shows what differs)"
    fi
  fi
  return 1
}

if [ "${1:-}" = --compare ]; then
  [ $# -eq 3 ] && [ -d "$2" ] && [ -d "$3" ] || { echo "usage: check-reproducible.sh --compare <folder> <folder>" >&2; exit 2; }
  compare "$2" "$3"
  exit
fi

args=() keep="" cleanup=()
trap 'rm -rf "${cleanup[@]}"' EXIT
while [ $# -gt 0 ]; do
  case $1 in
    --keep) [ $# -ge 2 ] || { echo "--keep needs a folder" >&2; exit 2; }; keep=$2; shift ;;
    --win-deps) [ $# -ge 2 ] || { echo "--win-deps needs a folder" >&2; exit 2; }; args+=("$1" "$2"); shift ;;
    --linux | --windows | --allow-dirty) args+=("$1") ;;
    *) echo "usage: check-reproducible.sh [--linux | --windows] [--allow-dirty] [--win-deps <folder>] [--keep <folder>]" >&2; exit 2 ;;
  esac
  shift
done
if [ -n "$keep" ]; then
  mkdir -p "$keep" && root=$(cd "$keep" && pwd)
  rm -rf "$root/first" "$root/second"
else
  root=$(mktemp -d "${TMPDIR:-/tmp}/tankai-reproducible.XXXXXX")
  cleanup+=("$root")
fi

t0=$(date +%s)
echo "== reproducible: first release (UTC-12, umask 022, C locale)"
(umask 022 && TZ=Etc/GMT+12 LC_ALL=C LANG=C bash "$here/scripts/release.sh" "$root/first" "${args[@]}") ||
  { echo "NOT reproducible: the first release failed"; exit 1; }
t1=$(date +%s)
# Times that leak differ by at least a minute, dates by a day.
[ $((t1 - t0)) -ge 60 ] || sleep $((60 - (t1 - t0)))
echo "== reproducible: second release (UTC+14, umask 002, C.UTF-8), $(($(date +%s) - t0)) s after the first"
# Built under a longer folder than the first, on another file system where there is one
# (memory): a build path that leaks shows, and so does an archive that takes its files in
# the order a folder lists them.
second_tmp=$(mktemp -d /dev/shm/tankai-work-of-the-second-run.XXXXXX 2>/dev/null) ||
  second_tmp=$(mktemp -d "$root/tankai-work-of-the-second-run.XXXXXX")
cleanup+=("$second_tmp")
(umask 002 && TZ=Pacific/Kiritimati LC_ALL=C.UTF-8 LANG=C.UTF-8 TMPDIR=$second_tmp \
  bash "$here/scripts/release.sh" "$root/second" "${args[@]}")
status=$?
[ $status -eq 0 ] || { echo "NOT reproducible: the second release failed"; exit 1; }
echo "== reproducible: comparing, $(($(date +%s) - t0)) s in all"
compare "$root/first" "$root/second"
exit
}
