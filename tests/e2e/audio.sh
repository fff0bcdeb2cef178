# Sound without a sound card: OpenAL Soft's null backend, no device at all, and its
# wave writer, which records what the game plays. The game is stopped for three
# seconds in a battle (SIGSTOP, SIGCONT); afterwards it runs on and the music plays again.
source "$(dirname "$0")/lib.sh"
prepare

log "null backend"
export ALSOFT_DRIVERS=null
start_game
play_and_quit

log "no audio device"
export ALSOFT_DRIVERS=tankai-no-such-backend
start_game
play_and_quit
unset ALSOFT_DRIVERS

log "recorded output across a stall"
cat > "$WORK/alsoft.conf" <<CONF
[general]
drivers = wave
[wave]
file = $WORK/out.wav
CONF
export ALSOFT_CONF="$WORK/alsoft.conf"
start_game
shot_until intro 10 bright_over 60 250 150 300 300 >/dev/null
key space
menu=$(shot_until menu 10 menu_shown)
key Return
shot_until battle 10 changed_over "$menu" 20000 0 0 800 600 >/dev/null
# Two seconds of battle music before the stall, four after it: the recording's
# start and end are measured below. The stall itself is the point of the run.
sleep 2
a=$(shot stall_before)
kill -STOP "$PID"; sleep 3; kill -CONT "$PID"
b=$(shot_until stall_after 10 changed_over "$a" 100 25 33 750 560)
ok $? "the battle runs on after the stall"
sleep 4
key Escape
shot_until menu_again 10 menu_shown >/dev/null
key Down Down Return
expect_exit 0 10
unset ALSOFT_CONF
if [ -s "$WORK/out.wav" ]; then
  total=$(soxi -D "$WORK/out.wav" 2>/dev/null || echo 0)
  tail_rms=$(sox "$WORK/out.wav" -n trim -1.5 -0.3 stat 2>&1 | awk '/RMS +amplitude/ {print $3}')
  head_rms=$(sox "$WORK/out.wav" -n trim 0.5 1.5 stat 2>&1 | awk '/RMS +amplitude/ {print $3}')
  log "recorded ${total}s; RMS at the start $head_rms, at the end $tail_rms"
    # Silence after a stall still carries the odd menu click: the music must come back
  # at a level near the one it had.
  ok $(awk -v r="${head_rms:-0}" 'BEGIN { exit !(r > 0.05) }'; echo $?) "music is heard before the stall"
  ok $(awk -v r="${tail_rms:-0}" -v h="${head_rms:-0}" 'BEGIN { exit !(r > 0.05 && r > h / 3) }'; echo $?) \
    "music is heard again after the stall"
else
  ok 1 "the wave writer recorded the output"
fi
finish
