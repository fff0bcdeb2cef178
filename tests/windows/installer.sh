#!/bin/bash
# The installer on a machine that never had the game: a fresh Wine prefix, a silent
# install (/S) as an ordinary user, the files, the Start-menu shortcut and the entry in
# Add/Remove Programs in place; the game started from that shortcut, played and quit;
# an update over it that keeps the player's settings; a silent uninstall that leaves the
# prefix as it found it; and the game's language each way an install chooses it.
# Usage: installer.sh <Tankai-*.zip> <Tankai-*-setup.exe>
source "$(dirname "$0")/lib.sh"

naujas_priefiksas
RAKTAS='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tankai'
aplinka() { wine cmd /c echo "%$1%" 2>/dev/null | tr -d '\r'; }
VIETINIS=$(aplinka LOCALAPPDATA)
DIEGIMAS_W="$VIETINIS\\Programs\\Tankai"
DIEGIMAS=$(winepath -u "$DIEGIMAS_W" 2>/dev/null)
NUORODA=$(winepath -u "$(aplinka APPDATA)\\Microsoft\\Windows\\Start Menu\\Programs\\Tankai.lnk" 2>/dev/null)
log "install folder $DIEGIMAS_W"
visi_failai() { (cd "$WINEPREFIX/drive_c" && find . | LC_ALL=C sort); }
pries=$(visi_failai)

# Run as without a locale: Wine's display language is then English.
unset LC_ALL LC_MESSAGES LANG

# An ordinary user's program: the installer asks for no elevation.
manifestas=$(strings "$SETUP")
ok $(grep -qF 'requestedExecutionLevel level="asInvoker"' <<<"$manifestas"; echo $?) \
  "the installer's manifest asks for no administrator rights"
ok $(x86_64-w64-mingw32-objdump -f "$SETUP" 2>/dev/null | grep -q 'pei-x86-64'; echo $?) "the installer is a 64-bit program"

wine "$SETUP" /S
ok $? "silent install"
wineserver -w

# The same files as the ZIP, and the uninstaller; settings.cfg in the display
# language, English here.
ZIPAS=$(isskleisti "$WORK/zipas")
sed -i 's/^kalba = .*/kalba = EN/' "$ZIPAS/settings.cfg"
skirtumai=$(diff -r "$ZIPAS" "$DIEGIMAS" 2>&1)
ok $([ "$skirtumai" = "Only in $DIEGIMAS: Uninstall.exe" ]; echo $?) \
  "the install folder holds the ZIP's files (settings.cfg with kalba = EN) and Uninstall.exe"
[ "$skirtumai" = "Only in $DIEGIMAS: Uninstall.exe" ] || echo "$skirtumai"

# The shortcut runs tankai.exe in the install folder: its strings, each after its
# length, hold the target and the working folder.
nuoroda=$(strings -el "$NUORODA" 2>/dev/null)
eilute() { S=$1 awk 'substr($0, 2) == ENVIRON["S"] { f = 1 } END { exit !f }' <<<"$nuoroda"; }
ok $(eilute "$DIEGIMAS_W\\tankai.exe" && eilute "$DIEGIMAS_W"; echo $?) \
  "a Start-menu shortcut to tankai.exe that starts it in $DIEGIMAS_W"

irasas=$(wine reg query "$RAKTAS" 2>/dev/null | tr -d '\r')
reiksme() { K=$1 awk '$1 == ENVIRON["K"] { sub(/^ *[^ ]+ +REG_[A-Z]+ +/, ""); print }' <<<"$irasas"; }
ok $([ "$(reiksme DisplayName)" = Tankai ] && [ "$(reiksme DisplayVersion)" = "$(basename "$ZIP" .zip | sed 's/^Tankai-//; s/-win64$//')" ]; echo $?) \
  "Add/Remove Programs lists '$(reiksme DisplayName)' $(reiksme DisplayVersion)"
ok $([ "$(reiksme UninstallString)" = "\"$DIEGIMAS_W\\Uninstall.exe\"" ] &&
     [ "$(reiksme InstallLocation)" = "$DIEGIMAS_W" ]; echo $?) "with its uninstaller: $(reiksme UninstallString)"
ok $(! wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tankai' >/dev/null 2>&1; echo $?) \
  "nothing written for all users"

# Played as a player starts it: the shortcut, from a folder that is not the game's.
paleisti "$WORK" Tankai wine start /wait /unix "$NUORODA"
zaisti_ir_iseiti

# An update keeps the settings the player edited, language and all, and renews the rest.
sed -i 's/^pavad = .*/pavad = Mano tankai/' "$DIEGIMAS/settings.cfg"
cp "$DIEGIMAS/settings.cfg" "$WORK/redaguota.cfg"
echo sugadinta >"$DIEGIMAS/duomenys/spaud.wav"
wine "$SETUP" /S /LANG=DE
ok $? "silent install over the first"
wineserver -w
ok $(cmp -s "$WORK/redaguota.cfg" "$DIEGIMAS/settings.cfg"; echo $?) \
  "the update (/LANG=DE) kept the player's settings.cfg as it was"
ok $(cmp -s "$ZIPAS/duomenys/spaud.wav" "$DIEGIMAS/duomenys/spaud.wav"; echo $?) "the update renewed the game's files"

wine "$DIEGIMAS/Uninstall.exe" /S
ok $? "silent uninstall"
# The uninstaller hands its work to a copy of itself and returns at once.
wineserver -w
ok $([ ! -e "$DIEGIMAS" ] && [ ! -e "$NUORODA" ]; echo $?) "the install folder and the shortcut are gone"
ok $(! wine reg query "$RAKTAS" >/dev/null 2>&1; echo $?) "the Add/Remove Programs entry is gone"
# A new install's language: /LANG=<code> in a silent one, whatever its case; without
# it the Windows display language (Wine takes it from the locale).
kalba_po() {  # kalba_po <kalba> <how> <command...>: installs, reads settings.cfg, uninstalls
  local kalba=$1 kaip=$2
  shift 2
  "$@" >/dev/null 2>&1
  wineserver -w
  ok $(grep -qx "kalba = $kalba" "$DIEGIMAS/settings.cfg" && [ "$(grep -c . "$DIEGIMAS/settings.cfg")" = "$(grep -c . "$ZIPAS/settings.cfg")" ]; echo $?) \
    "$kaip: settings.cfg with kalba = $kalba ($(grep '^kalba' "$DIEGIMAS/settings.cfg" 2>&1))"
  wine "$DIEGIMAS/Uninstall.exe" /S
  wineserver -w
}
kalba_po LT "/S /LANG=LT" wine "$SETUP" /S /LANG=LT
kalba_po DE "/S /LANG=de" wine "$SETUP" /S /LANG=de
kalba_po DE "/S on a German Windows" env LC_ALL=de_DE.UTF-8 wine "$SETUP" /S
kalba_po EN "/S on a French Windows" env LC_ALL=fr_FR.UTF-8 wine "$SETUP" /S

# The uninstaller works from a copy of itself in the temporary folder, which Windows
# clears; everything else must be as it was.
skirtumai=$(diff <(grep -v '^\./users/[^/]*/Temp/' <<<"$pries") <(visi_failai | grep -v '^\./users/[^/]*/Temp/'))
ok $([ -z "$skirtumai" ]; echo $?) "the prefix's files are as before the install"
[ -z "$skirtumai" ] || echo "$skirtumai" | head -n 20
finish
