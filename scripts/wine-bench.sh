#!/bin/bash
# Runs a command inside a quiet Wine bench: a Wine prefix of its own, a private virtual display,
# and a persistent wineserver, all stopped again (by PID) when the command ends, also on failure.
#
#   scripts/wine-bench.sh PREFIX_DIR [--display-from-user] COMMAND [ARGS...]
#
# With --display-from-user, a DISPLAY the user already has is used instead of a private one.
set -euo pipefail

prefix=$(realpath -m "$1")
build_folder=$(realpath -m "$(dirname "$0")/../build")
shift
use_user_display=false
if [ "${1:-}" = "--display-from-user" ]; then
    use_user_display=true
    shift
fi

export WINEPREFIX="$prefix"
export WINEDEBUG=-all
# No Mono or Gecko installers; and no crash debugger, so that a program that crashes just ends
# instead of leaving a debugger that waits for no one and holds the test runner's output open.
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
export WINEARCH=win64

xvfb_pid=""
stop_bench() {
    wineserver -k 2>/dev/null || true
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
}
trap stop_bench EXIT

start_private_display() {
    local fifo
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    # -displayfd lets Xvfb pick a free display number and tell us which one it took.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    xvfb_pid=$!
    local number
    read -r -t 20 number <"$fifo" || { echo "Xvfb did not start" >&2; rm -f "$fifo"; exit 1; }
    rm -f "$fifo"
    export DISPLAY=":$number"
}

make_prefix() {
    if [ -f "$WINEPREFIX/system.reg" ]; then
        [ -d "$WINEPREFIX/drive_c/windows/syswow64" ] && return 0
        # Made before the 32-bit Wine was installed, it cannot run the 32-bit exe. One of the
        # project's own prefixes is made anew; a prefix of the user's (the game's, say) is never
        # deleted, only used as it is.
        case "$WINEPREFIX/" in
        "$build_folder"/*) rm -rf "$WINEPREFIX" ;;
        *)
            echo "note: $WINEPREFIX has no 32-bit part; only 64-bit programs run in it" >&2
            return 0
            ;;
        esac
    fi
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    wineserver -w
    # Without a window manager Wine waits whenever a window hides; unmanaged windows do not.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    wineserver -w
}

if $use_user_display && [ -n "${DISPLAY:-}" ]; then
    :
else
    start_private_display
fi
make_prefix
# One persistent server, with Wine's services brought up once, saves seconds per program start.
wineserver -p
wine cmd /c exit >/dev/null 2>&1

"$@"
