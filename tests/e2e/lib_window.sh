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

# Pixels that differ beyond a small fuzz between two pictures of one size. When the
# comparison itself fails (a picture missing or unreadable, two sizes) it prints nothing
# and returns 2, so a caller's count test fails instead of reading "nothing changed".
differing_pixels() {  # differing_pixels <a> <b>
  local n s
  # Sizes first: given two, compare looks for the smaller inside the larger.
  s=$(identify -format '%w %h\n' "$1" "$2" 2>/dev/null | uniq | wc -l)
  if [ "$s" -ne 1 ]; then
    echo "cannot compare $1 with $2: $(identify -format '%wx%h ' "$1" "$2" 2>&1)" >&2
    return 2
  fi
  # compare: status 0 alike, 1 different, 2 an error; the count goes to stderr.
  n=$(compare -metric AE -fuzz 8% "$1" "$2" null: 2>&1)
  if [ $? -gt 1 ] || ! [[ $n =~ ^[0-9.]+(e\+?[0-9]+)?$ ]]; then
    echo "compare of $1 and $2 failed: $n" >&2
    return 2
  fi
  awk -v n="$n" 'BEGIN { printf "%d\n", n }'
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
    press space
    sleep 0.3
    import -window "$1" "png:$2" 2>/dev/null
    in_menu "$2" && return 0
  done
  return 1
}
