# Finds the window of a freshly started game and gives it the keyboard focus.
# Sourced by the end-to-end runs and the install check.
wait_window() {  # wait_window <pid>: prints the window id, or nothing when none came
  local wid=""
  for _ in $(seq 1 200); do  # up to 20 s on a busy machine
    wid=$(xdotool search --onlyvisible --pid "$1" 2>/dev/null | head -n 1) || true
    [ -n "$wid" ] && break
    kill -0 "$1" 2>/dev/null || break
    sleep 0.1
  done
  [ -n "$wid" ] || return 1
  xdotool windowfocus --sync "$wid" 2>/dev/null || xdotool windowfocus "$wid"
  echo "$wid"
}
