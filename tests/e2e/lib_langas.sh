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

# The menu's first item, selected, is a red button on the left (60..340 by 170..230
# in an 800x600 window, scaled for other sizes); the intro leaves that part black.
in_menu() {  # in_menu <png>
  local w h red
  read -r w h < <(identify -format '%w %h\n' "$1" 2>/dev/null) || return 1
  red=$(convert "$1" -crop "$((w * 280 / 800))x$((h * 60 / 600))+$((w * 60 / 800))+$((h * 170 / 600))" \
    +repage -scale '1x1!' -format '%[fx:int(255*(r-(g+b)/2))]' info: 2>/dev/null)
  [ "${red:-0}" -gt 40 ]
}

# Space skips the intro and does nothing in the menu; a key sent before the window
# has the focus, or while the game still loads its data, is lost, so it is pressed
# until the menu shows: up to a minute on a busy machine. The last shot stays in <png>.
skip_to_menu() {  # skip_to_menu <window id> <png> [seconds]
  local iki=$((SECONDS + ${3:-60}))
  while [ "$SECONDS" -lt "$iki" ]; do
    xdotool keydown space; sleep 0.08; xdotool keyup space
    sleep 0.3
    import -window "$1" "png:$2" 2>/dev/null
    in_menu "$2" && return 0
  done
  return 1
}
