#!/bin/bash
# The packaged game with broken or missing parts, under Wine: no OpenAL32.dll, a
# truncated one, one of the wrong architecture (a real 32-bit DLL), no data folder, a
# settings file that cannot be read, odd settings files, an impossible full-screen mode,
# and a read-only game folder. Each run must end as the game's fallbacks say: silent
# where there is no sound, defaults where the settings fail, the error box where the
# window cannot be made; never a crash.
# Usage: broken.sh <Tankai-*.zip> <Tankai-*-setup.exe>
source "$(dirname "$0")/lib.sh"

DLL_32=/usr/share/nsis/Plugins/x86-unicode/System.dll

atvejis() {  # atvejis <name>: a fresh copy of the game in $A (empty when unzip fails)
  log "--- $1"
  A=$(isskleisti "$WORK/$1") || { A=""; ok 1 "unzip for $1"; return 1; }
}
# Which OpenAL32.dll the game loaded, from Wine's loader lines.
openal_ikrauta() { grep -qi 'Loaded.*OpenAL32\.dll' "$WORK/game.log"; }
# A run that never started (or never played) tells nothing about what it would load:
# "ran silent" holds only after a whole short game.
tyliai() {  # tyliai <description>: starts the game in $A, plays, checks nothing loaded OpenAL32.dll
  paleisti "$A"
  zaisti_ir_iseiti
  ok $([ $? -eq 0 ] && ! openal_ikrauta; echo $?) "$1"
}
langas_dydzio() {  # langas_dydzio <w> <h>: the client area is that size
  [ "$(xdotool getwindowgeometry "$WID" | sed -n 's/.*Geometry: //p')" = "$1x$2" ]
}
export WINEDEBUG=-all,+loaddll

atvejis be-dll && rm "$A/OpenAL32.dll"
tyliai "without OpenAL32.dll the game ran silent"

atvejis trumpas-dll && truncate -s 200000 "$A/OpenAL32.dll"
tyliai "a truncated OpenAL32.dll was not loaded; the game ran silent"

if [ -f "$DLL_32" ]; then
  atvejis x86-dll && cp "$DLL_32" "$A/OpenAL32.dll"
  tyliai "a 32-bit OpenAL32.dll was not loaded; the game ran silent"
else
  ok 1 "a 32-bit DLL to stand for the wrong architecture ($DLL_32, Debian's nsis)"
fi

# No pictures or sounds: the screens are drawn in plain white, and the game plays on.
atvejis be-duomenu && rm -r "$A/duomenys"
paleisti "$A"
zaisti_ir_iseiti be-judesio

# A folder named settings.cfg cannot be read as a file: every setting keeps its default.
atvejis nustatymai-aplankas && rm "$A/settings.cfg" && mkdir "$A/settings.cfg"
paleisti "$A" Langas
ok $([ -n "$WID" ] && langas_dydzio 640 480; echo $?) "unreadable settings.cfg: the default 640 by 480 window titled Langas"
zaisti_ir_iseiti

# As Notepad saves it: CR LF line ends.
atvejis nustatymai-crlf && printf '/ Notepad\r\npavad = Mano tankai\r\ndydis = 720, 540\r\n' >"$A/settings.cfg"
paleisti "$A" "Mano tankai"
ok $([ -n "$WID" ] && langas_dydzio 720 540; echo $?) "settings.cfg with Windows line ends is read (720 by 540, its title)"
zaisti_ir_iseiti

# Bytes that are no text at all: reading stops at once, the defaults stand.
atvejis nustatymai-siuksles && head -c 3000 "$A/OpenAL32.dll" >"$A/settings.cfg"
paleisti "$A" Langas
ok $([ -n "$WID" ] && langas_dydzio 640 480; echo $?) "a settings.cfg of binary junk gives the default window"
zaisti_ir_iseiti

# Sizes no screen has: a one-pixel window, and one larger than the screen and partly off
# it. Neither shows the whole view, so the keys are held long enough for slow frames.
ilgai() { local k; for k in "$@"; do timeout 5 xdotool keydown "$k"; sleep 0.4; timeout 5 xdotool keyup "$k"; sleep 0.3; done; }
atvejis nustatymai-taskas && printf 'pavad = Taskas\ndydis = 1, 1\n' >"$A/settings.cfg"
paleisti "$A" Taskas && ilgai space Down Down Return
laukti_pabaigos 0
atvejis nustatymai-didelis && printf 'pavad = Didelis\ndydis = 1600, 1200\npoz = -100, -50\n' >"$A/settings.cfg"
paleisti "$A" Didelis && ilgai space Down Down Return
laukti_pabaigos 0

# Full screen in a mode the display cannot take: the error box (its title is the
# window looked for), then exit status 1.
atvejis nustatymai-rezimas && printf 'pavad = Tankai\nfullscr = 1\ndydis = 123, 45\nfps = 7\n' >"$A/settings.cfg"
paleisti "$A" KLAIDA && key Return
laukti_pabaigos 1

# A read-only game folder, as on a disc or a folder the player may not write: every
# file and folder immutable (the tests may run as root, whom permission bits do not stop),
# or, where that is not allowed, without write permission.
atvejis tik-skaityti && {
  chattr -R +i "$A" 2>/dev/null || chmod -R a-w "$A"
  if touch "$A/bandymas" 2>/dev/null || touch "$A/settings.cfg" 2>/dev/null; then
    ok 1 "the game folder can be made read-only"
  else
    paleisti "$A"
    zaisti_ir_iseiti
  fi
  chattr -R -i "$A" 2>/dev/null
}
finish
