#!/usr/bin/env bash
# The installed launcher as players meet it, each in a home of their own under Xvfb:
# the first start makes ~/.config/tankai with the default settings, an edited file is
# what the running window shows and is never changed, XDG_CONFIG_HOME is followed,
# two starts at once share one file, the first start's language follows the locale,
# and broken files, read-only or missing homes and a missing data folder end in the
# game's fallbacks or a clear message. Runs as an
# ordinary user (nobody, when started as root) so that permissions mean what they
# mean to a player. Paths have spaces and non-ASCII letters throughout.
#
# usage: check-launcher.sh <build folder> [installed prefix]
# Without a prefix, the build is installed into a temporary folder first.
set -uo pipefail

BUILD=$(readlink -f "$1")
PREFIX=${2:-}

if [ -z "${TANKAI_LAUNCHER_XVFB:-}" ]; then
  export TANKAI_LAUNCHER_XVFB=1
  # -ac: the player's processes reach the server without root's authority file.
  exec xvfb-run -a -s "-screen 0 1024x768x24 -ac" bash "$0" "$@"
fi
unset SDL_VIDEODRIVER XDG_CONFIG_HOME
# No locale unless a case sets one: the first start's settings are then in English.
unset LC_ALL LC_MESSAGES LANG
export ALSOFT_DRIVERS=${ALSOFT_DRIVERS:-null}
source "$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")/../tests/e2e/lib_window.sh"

WORK=$(mktemp -d "/tmp/tankai launcher.XXXXXX")
chmod 755 "$WORK"
PIDS=()
cleanup() {
  local p
  for p in "${PIDS[@]}"; do kill -9 "$p" 2>/dev/null; done
  chmod -R u+rwX "$WORK" 2>/dev/null
  [ -n "${TANKAI_LAUNCHER_KEEP:-}" ] && echo "kept $WORK" || rm -rf "$WORK"
}
trap cleanup EXIT
ZYMA="launcher"
source "$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")/../tests/common/checks.sh"

if [ -z "$PREFIX" ]; then
  PREFIX="$WORK/diegimas/usr"
  cmake --install "$BUILD" --prefix "$PREFIX" > "$WORK/install.log" 2>&1
  ok $? "cmake --install into $PREFIX" || cat "$WORK/install.log"
fi
LAUNCHER=$PREFIX/games/tankai
DEFAULTS=$PREFIX/share/games/tankai/settings.cfg
CLOSER=$BUILD/tests/e2e/uzdaryti_langa

# The player: nobody when this runs as root, otherwise whoever runs it.
if [ "$(id -u)" -eq 0 ]; then
  PLAYER=(setpriv --reuid=65534 --regid=65534 --clear-groups)
  owned() { chown -R 65534:65534 "$@"; }
else
  PLAYER=()
  owned() { :; }
fi

# A fresh home with a space and non-ASCII letters in its path.
N=0
new_home() {
  N=$((N + 1))
  H="$WORK/namai $N/Žaidėjas Ąžuolas"
  mkdir -p "$H"
  owned "$WORK/namai $N"
}

# Starts the launcher as the player from / with HOME=$H and extra environment; sets
# PID (the game's, after exec) and WID, and leaves the launcher's messages in
# $WORK/launcher.log. Returns 1 when no window came.
start() {  # start [VAR=value...]
  (cd / && exec "${PLAYER[@]}" env HOME="$H" "$@" "$LAUNCHER" > "$WORK/launcher.log" 2>&1) &
  PID=$!
  PIDS+=("$PID")
  WID=$(wait_window "$PID") || { log "no window; launcher said:"; cat "$WORK/launcher.log"; return 1; }
}

# Title and client size of the running window: "title|WxH".
seen() { echo "$(xdotool getwindowname "$WID")|$(xdotool getwindowgeometry "$WID" | awk '/Geometry/ {print $2}')"; }

# Closes the window as a window manager's close box does, and waits for status 0.
close_game() {  # close_game <what>
  "$CLOSER" "$WID"
  local status=0
  for _ in $(seq 1 100); do kill -0 "$PID" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$PID" 2>/dev/null; then
    ok 1 "$1: the game ends when its window is closed"
    kill -9 "$PID"
    wait "$PID" 2>/dev/null
    return
  fi
  wait "$PID"
  status=$?
  ok $([ "$status" -eq 0 ]; echo $?) "$1: the game ends with status 0 (got $status)"
}

# The default settings with the language a first start writes for the locale.
in_language() { sed "s/^kalba = .*/kalba = $1/" "$DEFAULTS"; }
ok $(grep -qx 'kalba = LT' "$DEFAULTS"; echo $?) "the installed default settings are in Lithuanian"
in_language EN > "$WORK/default-en.cfg"

# A first start and an edited file, in an ordinary home.
new_home
CFG="$H/.config/tankai"
start
ok $? "first start: the game's window comes up"
ok $([ "$(seen)" = "Tankai|800x600" ]; echo $?) "first start: the default settings are used ($(seen))"
ok $(cmp -s "$CFG/settings.cfg" "$WORK/default-en.cfg"; echo $?) \
  "first start: ~/.config/tankai/settings.cfg is the default, in English without a locale"
ok $([ "$(readlink "$CFG/duomenys")" = "$(readlink -f "$PREFIX/share/games/tankai/duomenys")" ]; echo $?) \
  "first start: ~/.config/tankai/duomenys links to the installed data"
skip_to_menu "$WID" "$WORK/menu.png"
ok $? "first start: the game finds its data (the menu is drawn)"
close_game "first start"

printf '/ mano\npavad = Mano tankai\ndydis = 640, 480\npoz = 10, 10\n' > "$CFG/settings.cfg"
touch -d '2001-01-01 00:00' "$CFG/settings.cfg"
cp -p "$CFG/settings.cfg" "$WORK/edited.cfg"
start
ok $([ "$(seen)" = "Mano tankai|640x480" ]; echo $?) "edited file: the window shows its title and size ($(seen))"
close_game "edited file"
ok $(cmp -s "$CFG/settings.cfg" "$WORK/edited.cfg" &&
  [ "$(stat -c %Y "$CFG/settings.cfg")" = "$(stat -c %Y "$WORK/edited.cfg")" ]; echo $?) \
  "edited file: left as it was, not even touched"
ok $([ -z "$(ls -A "$CFG" | grep -v -x -e settings.cfg -e duomenys)" ]; echo $?) \
  "the settings folder holds only settings.cfg and duomenys ($(ls -A "$CFG" | tr '\n' ' '))"

# XDG_CONFIG_HOME, absolute, is followed; a relative one is no setting.
new_home
XDG="$H/kita vieta/konfigūracija"
start XDG_CONFIG_HOME="$XDG"
ok $([ -f "$XDG/tankai/settings.cfg" ] && [ ! -e "$H/.config" ]; echo $?) "XDG_CONFIG_HOME: the settings go to \$XDG_CONFIG_HOME/tankai"
close_game "XDG_CONFIG_HOME"
start XDG_CONFIG_HOME=santykinis
ok $([ -f "$H/.config/tankai/settings.cfg" ] && [ ! -e "/santykinis" ]; echo $?) "a relative XDG_CONFIG_HOME is ignored"
close_game "relative XDG_CONFIG_HOME"

# Two first starts at once.
new_home
(cd / && exec "${PLAYER[@]}" env HOME="$H" "$LAUNCHER" > "$WORK/first.log" 2>&1) &
P1=$!
(cd / && exec "${PLAYER[@]}" env HOME="$H" "$LAUNCHER" > "$WORK/second.log" 2>&1) &
P2=$!
PIDS+=("$P1" "$P2")
W1=$(wait_window "$P1")
ok $? "two at once: the first game's window comes up"
W2=$(wait_window "$P2")
ok $? "two at once: the second game's window comes up"
ok $(cmp -s "$H/.config/tankai/settings.cfg" "$WORK/default-en.cfg"; echo $?) "two at once: one whole default settings file"
ok $([ -z "$(ls -A "$H/.config/tankai" | grep -v -x -e settings.cfg -e duomenys)" ]; echo $?) "two at once: no leftovers"
ok $([ ! -s "$WORK/first.log" ] && [ ! -s "$WORK/second.log" ]; echo $?) "two at once: neither launcher complains"
for pair in "$P1 $W1" "$P2 $W2"; do
  read -r PID WID <<< "$pair"
  [ -n "${WID:-}" ] && close_game "two at once"
done

# The first start's language: LC_ALL over LC_MESSAGES over LANG, Lithuanian, a language
# whose pictures are installed, English for the rest. A player's file keeps its own.
for case in "LT LANG=lt_LT.UTF-8" "DE LANG=de_DE.UTF-8" "DE LANG=de" "EN LANG=fr_FR.UTF-8" "EN LANG=C.UTF-8" \
  "EN LANG=en_GB.UTF-8" "DE LC_MESSAGES=de_AT@euro LANG=lt_LT.UTF-8" "LT LC_ALL=lt_LT.UTF-8 LC_MESSAGES=de_DE.UTF-8" \
  "EN LC_ALL=xx_XX LANG=de_DE.UTF-8"; do
  read -r kalba aplinka <<< "$case"
  new_home
  # shellcheck disable=SC2086  # the case's variables, one word each
  if start $aplinka; then
    ok $(in_language "$kalba" | cmp -s - "$H/.config/tankai/settings.cfg"; echo $?) \
      "$aplinka: the first start writes kalba = $kalba ($(grep '^kalba' "$H/.config/tankai/settings.cfg"))"
    close_game "$aplinka"
  else
    ok 1 "$aplinka: the game starts"
  fi
done
# shellcheck disable=SC2086
start LANG=de_DE.UTF-8 && close_game "a second start in another locale"
ok $(grep -qx 'kalba = EN' "$H/.config/tankai/settings.cfg"; echo $?) "a second start in another locale keeps the file's language"

# Broken settings files: the game's own defaults, the file left as it is.
bad_file() {  # bad_file <what> <command that makes $1 the settings file>
  new_home
  mkdir -p "$H/.config/tankai"
  "$2" "$H/.config/tankai/settings.cfg"
  owned "$H/.config"
  local before
  before=$(find "$H/.config/tankai/settings.cfg" -printf '%y %m %s %T@\n'; md5sum < "$H/.config/tankai/settings.cfg" 2>/dev/null)
  if start; then
    ok $([ "$(seen)" = "$3" ]; echo $?) "$1: the game starts with $3 ($(seen))"
    close_game "$1"
  else
    ok 1 "$1: the game starts"
  fi
  ok $([ "$(find "$H/.config/tankai/settings.cfg" -printf '%y %m %s %T@\n'; md5sum < "$H/.config/tankai/settings.cfg" 2>/dev/null)" = "$before" ]; echo $?) \
    "$1: the file is left as it was"
}
make_folder() { mkdir "$1"; }
make_empty() { : > "$1"; }
make_binary() { head -c 65536 /dev/urandom > "$1"; printf '\0\377\n' >> "$1"; }
make_huge() {  # 24 MB of comments, then a title that only a full read reaches
  yes '/ komentaras, kuris nieko nekeicia' | head -n 700000 > "$1"
  printf 'pavad = Didelis\n' >> "$1"
}
make_unreadable() { printf 'pavad = Neskaitomas\n' > "$1"; chmod 000 "$1"; }
bad_file "a folder as settings.cfg" make_folder "Langas|640x480"
bad_file "an empty settings.cfg" make_empty "Langas|640x480"
bad_file "a binary settings.cfg" make_binary "Langas|640x480"
bad_file "a huge settings.cfg" make_huge "Didelis|640x480"
if [ ${#PLAYER[@]} -gt 0 ] || [ "$(id -u)" -ne 0 ]; then
  bad_file "an unreadable settings.cfg" make_unreadable "Langas|640x480"
fi

# A read-only home: before the first start, the installed defaults and a message;
# after it, the player's own file as usual.
new_home
chmod 555 "$H"
start
ok $? "read-only home, first start: the game still starts"
ok $(grep -q "^tankai: cannot create $H/.config/tankai (Permission denied); starting with the default settings" "$WORK/launcher.log"; echo $?) \
  "read-only home, first start: the launcher says why ($(head -c 200 "$WORK/launcher.log"))"
ok $([ "$(seen)" = "Tankai|800x600" ]; echo $?) "read-only home, first start: with the installed settings ($(seen))"
close_game "read-only home, first start"
chmod 755 "$H"
start
close_game "home made writable"
printf 'pavad = Tik skaitomas\ndydis = 640, 480\n' > "$H/.config/tankai/settings.cfg"
chmod 555 "$H" "$H/.config" "$H/.config/tankai"
start
ok $([ "$(seen)" = "Tik skaitomas|640x480" ]; echo $?) "read-only home with settings: the player's file is used ($(seen))"
# Only the launcher's own words count: the game and its libraries may print what they like.
ok $(! grep -q '^tankai:' "$WORK/launcher.log"; echo $?) \
  "read-only home with settings: the launcher has nothing to complain about ($(head -c 200 "$WORK/launcher.log"))"
close_game "read-only home with settings"

# No home at all.
new_home
H="$H/nera/tokio"
start
ok $(grep -q "^tankai: the home folder $H does not exist; starting with the default settings" "$WORK/launcher.log"; echo $?) \
  "a missing home: the launcher says so ($(head -c 200 "$WORK/launcher.log"))"
ok $([ ! -e "$H" ]; echo $?) "a missing home: is not made"
ok $([ "$(seen)" = "Tankai|800x600" ]; echo $?) "a missing home: the installed settings ($(seen))"
close_game "a missing home"
(cd / && exec "${PLAYER[@]}" env -u HOME "$LAUNCHER" > "$WORK/launcher.log" 2>&1) &
PID=$!
PIDS+=("$PID")
WID=$(wait_window "$PID")
ok $? "HOME unset: the game still starts"
ok $(grep -q '^tankai: no home folder (HOME is not set); starting with the default settings' "$WORK/launcher.log"; echo $?) \
  "HOME unset: the launcher says so"
close_game "HOME unset"

# An installation whose data folder is gone: a clear word, then the game's fallbacks.
COPY="$WORK/be duomenų"
mkdir -p "$COPY/games" "$COPY/libexec" "$COPY/share/games/tankai"
cp -a "$LAUNCHER" "$COPY/games/"
cp -a "$PREFIX/libexec/tankai" "$COPY/libexec/"
cp -a "$DEFAULTS" "$COPY/share/games/tankai/"
new_home
LAUNCHER_SAVED=$LAUNCHER
LAUNCHER=$COPY/games/tankai
start
ok $? "no installed data: the game still starts"
ok $(grep -q "^tankai: the game's data folder .*/duomenys is missing" "$WORK/launcher.log"; echo $?) \
  "no installed data: the launcher says so"
close_game "no installed data"
LAUNCHER=$LAUNCHER_SAVED

end_checks
