#!/usr/bin/env bash
# The full game under AddressSanitizer and UndefinedBehaviorSanitizer, played end to end
# for a few hundred frames; any report from our code fails the run.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "${1:?build folder}"
build=$(cd "$1" && pwd)
asan="$build-asan"
cmake -S "$here" -B "$asan" -DCMAKE_BUILD_TYPE=Debug -DTANKAI_SANITIZE=ON -DTANKAI_TESTS=ON >/dev/null
# The data generator runs during the build; fontconfig keeps its caches to the end.
ASAN_OPTIONS=detect_leaks=0 cmake --build "$asan" -j"$(nproc)" --target all tankai_tests >/dev/null
# Mesa's driver is unloaded before exit, so the leak checker cannot name what it
# left behind: leaks are checked where no GL context is involved, everything else
# runs with the address and undefined-behaviour checks alone. The soak stays out: its
# battles run the code the battle tests above already cover, many times slower here.
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1:exitcode=98
status=0
(cd "$asan" && ASAN_OPTIONS=detect_leaks=1:exitcode=99 \
  LSAN_OPTIONS=suppressions=$here/tests/e2e/lsan.supp:print_suppressions=0 \
  ctest --output-on-failure -j"$(nproc)" --timeout 600 -L 'core|config|input|audio|battle') || status=1
export ASAN_OPTIONS=detect_leaks=0:exitcode=99
(cd "$asan" && ctest --output-on-failure -j"$(nproc)" --timeout 600 -LE 'e2e|packaging|soak|core|config|input|audio|battle') || status=1
for s in battle broken_data; do
  TANKAI_E2E_KEEP=1 bash "$here/tests/e2e/$s.sh" "$asan/tankai" "$asan" "$asan/tests/e2e/uzdaryti_langa" || status=1
done
exit $status
