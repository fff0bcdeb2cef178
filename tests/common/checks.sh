# Counted checks for the shell tests: `ok <status> <description>` logs one check and
# counts a failure; the script ends with `[ "$FAILS" -eq 0 ]`. Set ZYMA, the log's
# tag, before sourcing.
CHECKS=0
FAILS=0
log() { echo "[$ZYMA] $*"; }
ok() {
  CHECKS=$((CHECKS + 1))
  if [ "$1" -eq 0 ]; then log "ok: $2"; else log "FAIL: $2"; FAILS=$((FAILS + 1)); fi
}
