#!/bin/sh
# Runs a Windows test program under Wine with drive N: as a network drive: N: points at a fresh
# folder and Wine's drive configuration (HKLM\Software\Wine\Drives) gives it the type "network".
# Wine's mount manager reads that configuration only as it starts, so the wineserver is restarted
# before the program, and again after it once the drive is gone, keeping a persistent server as
# the Wine bench had one.
#
#   with_wine_network_drive.sh PROGRAM [ARGS...]
set -u
: "${WINEPREFIX:=$HOME/.wine}"
export WINEPREFIX
link="$WINEPREFIX/dosdevices/n:"
folder=$(mktemp -d)

# Wine's services start with the first program and live as long as the server; started here with
# nothing of the test runner's output, they hold none of its pipes open.
restart_wine() {
    wineserver -k 2>/dev/null
    wineserver -w
    wineserver -p </dev/null >/dev/null 2>&1
    wine cmd /c exit </dev/null >/dev/null 2>&1
}

forget_drive() {
    wine reg delete 'HKLM\Software\Wine\Drives' /v n: /f >/dev/null 2>&1
    rm -f "$link"
    restart_wine
    rm -rf "$folder"
}
trap forget_drive EXIT

if [ -L "$link" ]; then
    # Left by a run of this script that was killed, it points at a temporary folder; any other N:
    # is someone's drive.
    case $(readlink "$link") in
    "${TMPDIR:-/tmp}"/tmp.*) rm -f "$link" ;;
    *)
        echo "drive N: is in use in $WINEPREFIX already; not touched" >&2
        trap - EXIT
        rm -rf "$folder"
        exit 1
        ;;
    esac
fi
ln -s "$folder" "$link"
if ! wine reg add 'HKLM\Software\Wine\Drives' /v n: /d network /f >/dev/null 2>&1; then
    echo "Wine's drive configuration could not be written" >&2
    exit 1
fi
restart_wine
wine "$@"
status=$?
exit $status
