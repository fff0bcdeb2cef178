#!/usr/bin/env bash
# Runs one Windows test program, all its cases in one process (cmake/windows/GoogleTest.cmake),
# and keeps its verdict whole: a failure fails; otherwise a case that skipped makes the run
# a skip (status 77, which the registration counts as one), never a pass.
# usage: gtest_run.sh [emulator] <test program> [arguments...]
set -u
out=$(mktemp)
trap 'rm -f "$out"' EXIT
"$@" 2>&1 | tee "$out"
status=${PIPESTATUS[0]}
if [ "$status" -eq 0 ] && grep -q '^\[  SKIPPED \] [0-9]* tests\?, listed below' "$out"; then status=77; fi
exit "$status"
