#!/usr/bin/env bash
# Bounded fuzzing of every loader (scripts/fuzz.sh), short enough for every test run.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
exec bash "$here/scripts/fuzz.sh" "${1:?build folder}" "${TANKAI_FUZZ_SECONDS:-30}"
