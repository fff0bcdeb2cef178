# Finds the window of a freshly started game and gives it the keyboard focus.
# Sourced by the end-to-end runs and the install check.
wait_window() {  # wait_window <pid>: prints the window id, or nothing when none came
  local wid="" end=$((SECONDS + 60))  # a minute: start-up on a busy machine is slow
  while [ $SECONDS -lt $end ]; do
    wid=$(xdotool search --onlyvisible --pid "$1" 2>/dev/null | head -n 1) || true
    [ -n "$wid" ] && break
    kill -0 "$1" 2>/dev/null || break
    sleep 0.1
  done
  [ -n "$wid" ] || return 1
  xdotool windowfocus --sync "$wid" 2>/dev/null || xdotool windowfocus "$wid"
  echo "$wid"
}

# A keystroke as a person makes it: down, held, up. The game reads its keys once a
# frame, and a press and release inside one frame reach it as a release only; held
# for 150 ms, a press spans a frame even when the machine is busy. The game's keys act
# on the press, so holding longer repeats nothing.
press() {  # press <key>...
  local k
  for k in "$@"; do xdotool keydown "$k"; sleep 0.15; xdotool keyup "$k"; sleep 0.05; done
}

# Runs a check again and again until it holds: status 1 when it has not within the time.
wait_until() {  # wait_until <seconds> <command> [args...]
  local end=$(($(date +%s%N) + ${1%.*} * 1000000000))
  shift
  until "$@"; do
    [ "$(date +%s%N)" -lt "$end" ] || return 1
    sleep 0.05
  done
}
