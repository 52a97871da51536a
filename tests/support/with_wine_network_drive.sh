#!/bin/sh
#   with_wine_network_drive.sh EMULATOR PROGRAM [ARGS...]
#
# Runs a Windows test program with its emulator (Wine) while N: is a network drive: a fresh folder
# that Wine's drive configuration (HKLM\Software\Wine\Drives) gives the type "network". Wine
# reads that only as it starts, so the wineserver is restarted around the program, its services
# with none of the test runner's output to hold open, and persistent, as the Wine bench keeps it.
set -u
# An emulator that cannot run the program here (the i686 one without the 32-bit Wine) says so
# before the prefix is touched.
case $1 in
*wine32_or_skip.sh) "$1" --check || exit ;;
esac
link="${WINEPREFIX:-$HOME/.wine}/dosdevices/n:"
drives='HKLM\Software\Wine\Drives'
restart_wine() {
    wineserver -k 2>/dev/null; wineserver -w; wineserver -p </dev/null >/dev/null 2>&1
    wine cmd /c exit </dev/null >/dev/null 2>&1
}
# One left by a killed run points into the temporary folder; any other N: is someone's drive.
case $(readlink "$link" 2>/dev/null || echo none) in
none | "${TMPDIR:-/tmp}"/tmp.*) ;;
*) echo "N: is in use in this Wine prefix; not touched" >&2 && exit 1 ;;
esac
folder=$(mktemp -d) && ln -sfn "$folder" "$link" &&
    wine reg add "$drives" /v n: /d network /f >/dev/null 2>&1 || { echo "N: not set up" >&2; exit 1; }
restart_wine
"$@"
status=$?
wine reg delete "$drives" /v n: /f >/dev/null 2>&1; rm -rf "$link" "$folder"
restart_wine
exit $status
