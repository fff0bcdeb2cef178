#!/usr/bin/env bash
# Mutation run: applies the one-line faults of a fault list to the game's code one at a
# time, rebuilds the affected test executables incrementally in a build folder of its
# own, runs the ctest labels that exercise the faulted code and reports which faults
# no test caught. Too slow for CI (about 20 to 40 minutes on two cores); run it by hand:
#
#   nice bash scripts/mutate.sh [build-folder] [options]
#
#   build-folder     default build-mut in the source folder; relative or absolute
#   --list FILE      the fault list (default scripts/mutate-faults.txt)
#   --only ID,...    only these faults (ids or shell patterns such as 'battle-*')
#   --check          only check that every fault still matches the code, build nothing
#   --no-baseline    skip the check that the unmutated code passes the labels first
#   --min PERCENT    exit status 1 when fewer faults are caught (default 90)
#   -j N             build jobs (default 2)
#
# A fault is found in its file by exact text, so the list stays true as code moves: a
# fault whose text is gone (or ambiguous) stops the run before anything is built. The
# source file is restored after every fault, also on Ctrl-C or an error; a run killed
# outright is repaired at the start of the next one. A fault that does not compile is
# reported as not a valid mutant and left out of the figure.
set -uo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)

build=""
list="$here/scripts/mutate-faults.txt"
only=""
check_only=0
baseline=1
min=90
jobs=2
while [ $# -gt 0 ]; do
  case "$1" in
    --list) list=$2; shift 2 ;;
    --only) only=$2; shift 2 ;;
    --check) check_only=1; shift ;;
    --no-baseline) baseline=0; shift ;;
    --min) min=$2; shift 2 ;;
    -j) jobs=$2; shift 2 ;;
    -h|--help) sed -n '2,/^set -uo/p' "$0" | sed '$d; s/^# \{0,1\}//'; exit 0 ;;
    -*) echo "mutate: unknown option $1" >&2; exit 2 ;;
    *) build=$1; shift ;;
  esac
done
build=${build:-$here/build-mut}
case "$build" in /*) ;; *) build="$PWD/$build" ;; esac
case "$list" in /*) ;; *) list="$PWD/$list" ;; esac
work="$build/mutate"

# The labels whose tests exercise each folder of the game (a fault may name its own).
default_labels() {
  case "$1" in
    battle) echo "battle app" ;;
    app) echo "app battle ui gl docs" ;;
    input) echo "input joystick platform" ;;
    audio) echo "audio app" ;;
    config) echo "config input docs" ;;
    gfx) echo "gl images platform ui" ;;
    ui) echo "ui gl battle" ;;
    *) echo "" ;;
  esac
}

# ---- the fault list ---------------------------------------------------------------
# Records of "key: value" lines separated by blank lines; '#' starts a comment line.
# Keys: id, file, find, replace (either may continue on further lines with find+ and
# replace+), after (optional: the fault is the first match after this unique text),
# labels (optional: replaces the folder's labels), note (what the fault breaks).
ids=(); files=(); finds=(); replaces=(); afters=(); labelss=(); notes=()
flush_record() {
  [ -n "$r_id$r_file$r_find" ] || return 0
  if [ -z "$r_id" ] || [ -z "$r_file" ] || [ -z "$r_find" ]; then
    echo "mutate: $list: a record near line $lineno lacks id, file or find" >&2; exit 2
  fi
  for known in "${ids[@]}"; do
    [ "$known" != "$r_id" ] || { echo "mutate: duplicate fault id $r_id" >&2; exit 2; }
  done
  ids+=("$r_id"); files+=("$r_file"); finds+=("$r_find"); replaces+=("$r_replace")
  afters+=("$r_after"); labelss+=("$r_labels"); notes+=("$r_note")
  r_id=""; r_file=""; r_find=""; r_replace=""; r_after=""; r_labels=""; r_note=""
}
[ -f "$list" ] || { echo "mutate: no fault list $list" >&2; exit 2; }
r_id=""; r_file=""; r_find=""; r_replace=""; r_after=""; r_labels=""; r_note=""
lineno=0
while IFS= read -r line || [ -n "$line" ]; do
  lineno=$((lineno + 1))
  case "$line" in
    '#'*) continue ;;
    '') flush_record; continue ;;
  esac
  key=${line%%:*}
  value=${line#*:}
  value=${value# }
  case "$key" in
    id) r_id=$value ;;
    file) r_file=$value ;;
    find) r_find=$value ;;
    find+) r_find+=$'\n'$value ;;
    replace) r_replace=$value ;;
    replace+) r_replace+=$'\n'$value ;;
    after) r_after=$value ;;
    labels) r_labels=$value ;;
    note) r_note=$value ;;
    *) echo "mutate: $list:$lineno: unknown key '$key'" >&2; exit 2 ;;
  esac
done <"$list"
flush_record

selected=()
for i in "${!ids[@]}"; do
  if [ -z "$only" ]; then selected+=("$i"); continue; fi
  IFS=, read -ra patterns <<<"$only"
  for p in "${patterns[@]}"; do
    # shellcheck disable=SC2053
    if [[ ${ids[$i]} == $p ]]; then selected+=("$i"); break; fi
  done
done
[ ${#selected[@]} -gt 0 ] || { echo "mutate: no fault selected" >&2; exit 2; }

# ---- applying and restoring ---------------------------------------------------------
# mutate_file FILE FIND REPLACE AFTER [check]: exit 0 applied (or applicable), 3 text
# not found, 4 text ambiguous, 5 anchor not found or ambiguous.
mutate_file() {
  M_FILE=$1 M_FIND=$2 M_REPLACE=$3 M_AFTER=$4 M_CHECK=${5:-} perl -e '
    my ($f, $find, $rep, $after, $check) = @ENV{qw(M_FILE M_FIND M_REPLACE M_AFTER M_CHECK)};
    open(my $in, "<", $f) or exit 6;
    local $/; my $s = <$in>; close $in;
    my $from = 0;
    if ($after ne "") {
      my $a = index($s, $after);
      exit 5 if $a < 0 || index($s, $after, $a + 1) >= 0;
      $from = $a + length($after);
    }
    my $at = index($s, $find, $from);
    exit 3 if $at < 0;
    exit 4 if $after eq "" && index($s, $find, $at + 1) >= 0;
    exit 0 if $check;
    substr($s, $at, length($find)) = $rep;
    open(my $out, ">", $f) or exit 6;
    print $out $s; close $out or exit 6;
    exit 0;'
}

mkdir -p "$work/orig" "$work/logs"
active="$work/active"
# Restores the faulted file from the saved copy. Written over the file (not renamed
# back with its old time stamp), so the next build sees it changed and recompiles it.
restore() {
  [ -f "$active" ] || return 0
  local rel
  rel=$(cat "$active")
  if [ -f "$work/orig/$rel" ]; then
    cat "$work/orig/$rel" >"$here/$rel" && rm -f "$active"
  fi
}
# A run killed outright (kill -9, power) left a fault in the tree: repair it first.
if [ -f "$active" ]; then
  echo "mutate: restoring $(cat "$active") left faulted by an interrupted run"
  restore
fi
trap 'restore' EXIT
trap 'restore; echo; echo "mutate: interrupted, source restored"; exit 130' INT TERM

# ---- every fault must still match ----------------------------------------------------
stale=0
for i in "${selected[@]}"; do
  f="$here/${files[$i]}"
  if [ ! -f "$f" ]; then
    echo "STALE ${ids[$i]}: no file ${files[$i]}"; stale=1; continue
  fi
  mutate_file "$f" "${finds[$i]}" "${replaces[$i]}" "${afters[$i]}" check
  case $? in
    0) ;;
    3) echo "STALE ${ids[$i]}: text not found in ${files[$i]}: ${finds[$i]}"; stale=1 ;;
    4) echo "STALE ${ids[$i]}: text found more than once in ${files[$i]} (add after:): ${finds[$i]}"; stale=1 ;;
    5) echo "STALE ${ids[$i]}: anchor missing or not unique in ${files[$i]}: ${afters[$i]}"; stale=1 ;;
    *) echo "STALE ${ids[$i]}: cannot read ${files[$i]}"; stale=1 ;;
  esac
done
if [ $stale -ne 0 ]; then
  echo "mutate: the fault list no longer matches the code; mend $list" >&2
  exit 2
fi
echo "mutate: ${#selected[@]} faults match the code"
[ $check_only -eq 0 ] || exit 0

# ---- build folder ------------------------------------------------------------------------
export SDL_VIDEODRIVER=${SDL_VIDEODRIVER:-offscreen}
# With the standard library's own checks: a fault that indexes a string or vector out of
# its range (undefined behaviour, often a silent read) then stops the test that takes it.
nice cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTANKAI_TESTS=ON \
  -DCMAKE_CXX_FLAGS=-D_GLIBCXX_ASSERTIONS >"$work/configure.log" 2>&1 \
  || { echo "mutate: configuring $build failed, see $work/configure.log" >&2; exit 2; }
all_targets=$(cmake --build "$build" --target help 2>/dev/null | sed -n 's/^\.\.\. \([^ ]*\).*/\1/p')
labels_of() {
  local i=$1 l=${labelss[$1]}
  [ -n "$l" ] || l=$(default_labels "${files[$i]%%/*}")
  echo "$l"
}
targets_for() {  # the test executables of the labels: test_<label> and test_<label>_*
  local l t out=""
  for l in $1; do
    for t in $all_targets; do
      case "$t" in "test_$l"|"test_${l}_"*) out+=" $t" ;; esac
    done
  done
  echo "$out"
}
label_regex() { local r; r=$(echo "$1" | tr ' ' '\n' | sort -u | paste -sd'|'); echo "^($r)\$"; }

build_targets() {  # build_targets LOG TARGETS...
  local log=$1; shift
  nice cmake --build "$build" -j"$jobs" --target "$@" >"$log" 2>&1
}
run_labels() {  # run_labels LOG "labels"
  (cd "$build" && nice timeout 900 ctest -L "$(label_regex "$2")" -j"$jobs" --stop-on-failure \
    --output-on-failure --timeout 120) >>"$1" 2>&1
}

if [ $baseline -eq 1 ]; then
  union=""
  for i in "${selected[@]}"; do union+=" $(labels_of "$i")"; done
  union=$(echo "$union" | tr ' ' '\n' | sed '/^$/d' | sort -u | paste -sd' ')
  echo "mutate: baseline: building and running labels $union"
  # shellcheck disable=SC2046
  if ! build_targets "$work/logs/baseline.log" $(targets_for "$union"); then
    echo "mutate: the unmutated code does not build, see $work/logs/baseline.log" >&2; exit 2
  fi
  if ! run_labels "$work/logs/baseline.log" "$union"; then
    echo "mutate: the unmutated code fails its tests, see $work/logs/baseline.log" >&2; exit 2
  fi
fi

# ---- the run -------------------------------------------------------------------------------
killed=(); survived=(); invalid=()
n=0; total=${#selected[@]}
start_all=$(date +%s)
for i in "${selected[@]}"; do
  n=$((n + 1))
  id=${ids[$i]}; rel=${files[$i]}; log="$work/logs/$id.log"
  labels=$(labels_of "$i")
  mkdir -p "$(dirname "$work/orig/$rel")"
  cp -p "$here/$rel" "$work/orig/$rel"
  echo "$rel" >"$active"
  if ! mutate_file "$here/$rel" "${finds[$i]}" "${replaces[$i]}" "${afters[$i]}"; then
    restore; echo "mutate: applying $id failed" >&2; exit 2
  fi
  {
    echo "fault $id in $rel, labels: $labels"
    diff -u "$work/orig/$rel" "$here/$rel"
  } >"$log.diff"
  t0=$(date +%s)
  # shellcheck disable=SC2046
  if ! build_targets "$log" $(targets_for "$labels"); then
    restore
    invalid+=("$id")
    printf '[%d/%d] %-34s NOT VALID (does not compile)\n' "$n" "$total" "$id"
    continue
  fi
  t1=$(date +%s)
  if run_labels "$log" "$labels"; then
    survived+=("$i"); verdict="SURVIVED"
  else
    killed+=("$id"); verdict="killed"
  fi
  restore
  t2=$(date +%s)
  printf '[%d/%d] %-34s %-8s build %3ds, tests %3ds (%s)\n' "$n" "$total" "$id" "$verdict" $((t1 - t0)) $((t2 - t1)) "$labels"
done

valid=$((${#killed[@]} + ${#survived[@]}))
pct=0
[ $valid -eq 0 ] || pct=$((100 * ${#killed[@]} / valid))
report="$work/report.txt"
{
  echo "Mutation run $(date -u +%Y-%m-%dT%H:%MZ), $(git -C "$here" rev-parse --short HEAD 2>/dev/null), $(( $(date +%s) - start_all )) s"
  echo "killed ${#killed[@]} of $valid valid mutants ($pct%); ${#invalid[@]} not valid (do not compile)"
  for id in "${invalid[@]}"; do echo "  not valid: $id"; done
  for i in "${survived[@]}"; do
    echo "  SURVIVED: ${ids[$i]} (${files[$i]}): ${notes[$i]}"
  done
} | tee "$report"
echo "mutate: logs in $work/logs, report in $report"
[ $pct -ge "$min" ]
