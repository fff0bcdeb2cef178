#!/usr/bin/env bash
# usage: no_test_controls.sh <game> <a program built with the test controls>
# Fails when the game defines any of the failure switches, the message-box recorder or
# the synthetic-event controls, or when the second program does not (a broken look).
set -u
game=$1 tests=$2
# The game's own inline stand-ins for the switches (always false) may be emitted weak
# in an unoptimised build; a real switch is a strong definition.
controls() {
  nm -C --defined-only "$1" | grep -E ' [TtWw] Testai[A-Z][A-Za-z]*\(| [Tt] platforma::(Sugadinta|PranesimaiIrasomi|IrasytiPranesima)\('
}
n=$(controls "$tests" | wc -l)
[ "$n" -ge 10 ] || { echo "found only $n test controls in $tests: the look is broken"; exit 1; }
if controls "$game"; then
  echo "the game above holds test controls"
  exit 1
fi
echo "the game holds none of the $n test controls $(basename "$tests") has"
