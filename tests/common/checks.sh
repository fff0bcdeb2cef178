# Counted checks for the shell tests: `ok <status> <description>` logs one check, counts
# a failure and returns non-zero on it, so `ok ... || <diagnostics>` shows them;
# `skip <description>` logs a check this machine could not make (a tool or a right it
# lacks), which is never a pass. The script ends with `end_checks`. Set ZYMA, the log's
# tag, before sourcing.
CHECKS=0
FAILS=0
SKIPS=0
log() { echo "[$ZYMA] $*"; }
ok() {
  CHECKS=$((CHECKS + 1))
  if [ "$1" -eq 0 ] 2>/dev/null; then log "ok: $2"; return 0; fi
  log "FAIL: $2"
  FAILS=$((FAILS + 1))
  return 1
}
skip() { log "SKIPPED: $*"; SKIPS=$((SKIPS + 1)); }
# The status of a script of such checks run from this one: its skip is a skip here.
ok_script() {  # ok_script <status> <description>
  if [ "$1" -eq 77 ]; then skip "$2: some of its checks"; else ok "$1" "$2"; fi
}
# Status of the whole script: 1 when a check failed, else 77 when one was skipped (the
# skip code of ctest and scripts/test.sh), else 0.
checks_status() {
  if [ "$FAILS" -ne 0 ]; then return 1; fi
  if [ "$SKIPS" -ne 0 ]; then return 77; fi
  return 0
}
end_checks() {
  log "$CHECKS checks, $FAILS failed, $SKIPS skipped"
  checks_status
  exit $?
}
