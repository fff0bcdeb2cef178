#!/bin/bash
# The packaged game with broken or missing parts, under Wine: no OpenAL32.dll, a
# truncated one, one of the wrong architecture (a real 32-bit DLL), no data folder, a
# settings file that cannot be read, odd settings files, an impossible full-screen mode,
# and a read-only game folder. Each run must end as the game's fallbacks say: silent
# where there is no sound, defaults where the settings fail, the error box where the
# window cannot be made; never a crash.
# Usage: blogi.sh <Tankai-*.zip> <Tankai-*-setup.exe>
source "$(dirname "$0")/lib.sh"

DLL_32=/usr/share/nsis/Plugins/x86-unicode/System.dll

atvejis() {  # atvejis <name>: a fresh copy of the game in $A
  log "--- $1"
  A=$(isskleisti "$WORK/$1") || { ok 1 "unzip for $1"; return 1; }
}
# Which OpenAL32.dll the game loaded, from Wine's loader lines.
openal_ikrauta() { grep -qi 'Loaded.*OpenAL32\.dll' "$WORK/game.log"; }
langas_dydzio() {  # langas_dydzio <w> <h>: the client area is that size
  [ "$(xdotool getwindowgeometry "$WID" | sed -n 's/.*Geometry: //p')" = "$1x$2" ]
}
export WINEDEBUG=-all,+loaddll

atvejis be-dll && rm "$A/OpenAL32.dll" && paleisti "$A" && zaisti_ir_iseiti
ok $(! openal_ikrauta; echo $?) "without OpenAL32.dll the game ran silent"

atvejis trumpas-dll && truncate -s 200000 "$A/OpenAL32.dll" && paleisti "$A" && zaisti_ir_iseiti
ok $(! openal_ikrauta; echo $?) "a truncated OpenAL32.dll was not loaded; the game ran silent"

if [ -f "$DLL_32" ]; then
  atvejis x86-dll && cp "$DLL_32" "$A/OpenAL32.dll" && paleisti "$A" && zaisti_ir_iseiti
  ok $(! openal_ikrauta; echo $?) "a 32-bit OpenAL32.dll was not loaded; the game ran silent"
else
  ok 1 "a 32-bit DLL to stand for the wrong architecture ($DLL_32, Debian's nsis)"
fi

# No pictures: the screens are black, but the game answers its keys and quits.
atvejis be-duomenu && rm -r "$A/duomenys" && paleisti "$A" && {
  key space Return
  sleep_frames() { local f; f=$(shot be_duomenu); [ -s "$f" ]; }
  laukti 10 sleep_frames
  ok $(kill -0 "$PID" 2>/dev/null; echo $?) "without duomenys/ the game runs on"
  key Escape Down Down Return
  laukti_pabaigos 0
}

# A folder named settings.cfg cannot be read as a file: every setting keeps its default.
atvejis nustatymai-aplankas && rm "$A/settings.cfg" && mkdir "$A/settings.cfg" && paleisti "$A" Langas && {
  ok $(langas_dydzio 640 480; echo $?) "unreadable settings.cfg: the default 640 by 480 window titled Langas"
  zaisti_ir_iseiti
}

# As Notepad saves it: CR LF line ends.
atvejis nustatymai-crlf && printf '/ Notepad\r\npavad = Mano tankai\r\ndydis = 720, 540\r\n' >"$A/settings.cfg" &&
  paleisti "$A" "Mano tankai" && {
  ok $(langas_dydzio 720 540; echo $?) "settings.cfg with Windows line ends is read (720 by 540, its title)"
  key Down Down Return
  laukti_pabaigos 0
}

# Bytes that are no text at all: reading stops at once, the defaults stand.
atvejis nustatymai-siuksles && head -c 3000 "$A/OpenAL32.dll" >"$A/settings.cfg" && paleisti "$A" Langas && {
  ok $(langas_dydzio 640 480; echo $?) "a settings.cfg of binary junk gives the default window"
  key space Down Down Return
  laukti_pabaigos 0
}

# A window of no size: nothing to see, but the loop runs and the quit item ends it.
atvejis nustatymai-nulis && printf 'pavad = Nulis\ndydis = 0, 0\n' >"$A/settings.cfg" && paleisti "$A" Nulis && {
  key space Down Down Return
  laukti_pabaigos 0
}

# Full screen in a mode the display cannot take: the error box, then exit status 1.
atvejis nustatymai-rezimas && printf 'pavad = Tankai\nfullscr = 1\ndydis = 123, 45\nfps = 7\n' >"$A/settings.cfg" &&
  paleisti "$A" KLAIDA && {
  ok 0 "an impossible full-screen mode shows the KLAIDA box"
  key Return
  laukti_pabaigos 1
}

# A read-only game folder (a bind mount of its own in a private mount namespace: the
# tests may run as root, whom permission bits do not stop).
atvejis tik-skaityti && {
  if unshare -m true 2>/dev/null; then
    mkdir -p "$WORK/ro"
    paleisti "$A" Tankai unshare -m sh -c 'mount --bind "$0" "$1" && mount -o remount,ro,bind "$1" && cd "$1" &&
      if touch bandymas 2>/dev/null; then echo "folder is writable" >&2; exit 9; fi && exec wine tankai.exe' "$A" "$WORK/ro"
  else
    chmod -R a-w "$A"
    paleisti "$A"
  fi && zaisti_ir_iseiti
}
finish
