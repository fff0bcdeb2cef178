#!/usr/bin/env bash
# Reads the output of a ctest run and prints "<passed> <failed> <skipped>" on the first
# line, then the name of each skipped test, one a line. Every test is counted once, by
# its result line ("  3/120 Test  #17: name .....   Passed    0.02 sec"): a skip (a
# skip return code or a GoogleTest skip) is no pass, and a run that ended without a
# result line for its tests (ctest itself failing) counts as one failure.
# usage: ctest-counts.sh <ctest output> [ctest exit status]
set -uo pipefail
awk -v status="${2:-0}" '
  /^ *[0-9]+\/[0-9]+ +Test +#[0-9]+: / {
    if ($0 ~ /\*\*\*Skipped|\(Disabled\)/) { s++; names = names $4 "\n" }
    else if ($0 ~ / Passed +[0-9.]+ sec$/) p++
    else f++
    n++
  }
  END {
    if (n == 0 || (status != 0 && f == 0)) f++
    printf "%d %d %d\n%s", p, f, s, names
  }' "$1"
