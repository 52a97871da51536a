#!/bin/bash
# Inside a Wine bench (see wine-bench.sh): starts Tarvane.exe, photographs what a newcomer sees
# (the first-start question when no tool is set yet, then the main window), and closes it.
#
#   scripts/photograph.sh TARVANE_EXE OUTPUT_FOLDER
set -euo pipefail

exe=$1
out=$(realpath -m "$2")
mkdir -p "$out"

# Waits for a top-level window with exactly this title and prints its X id.
wait_for_window() {
    local title=$1
    for _ in $(seq 1 100); do
        local id
        id=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n 1 || true)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.2
    done
    echo "The window \"$title\" did not appear." >&2
    return 1
}

photograph() {
    sleep 0.5  # let the window finish painting
    import -window "$1" "$2"
    echo "Saved $2"
}

wine "$exe" &
program=$!

question=$(xdotool search --onlyvisible --name '^Tarvane$' 2>/dev/null | head -n 1 || true)
if [ -z "$question" ]; then
    sleep 2
    question=$(xdotool search --onlyvisible --name '^Tarvane$' 2>/dev/null | head -n 1 || true)
fi
if [ -n "$question" ]; then
    photograph "$question" "$out/first-start.png"
    # Answer No as the user would; the window can be re-created under us, so aim at whatever
    # has the keyboard focus, and retry once.
    xdotool windowfocus --sync "$question" 2>/dev/null || true
    xdotool key n 2>/dev/null || { sleep 0.5; xdotool key n 2>/dev/null || true; }
fi

main=$(wait_for_window "CoH Tarvane converter by Zembrith")
photograph "$main" "$out/main-window.png"

# Alt+F4 as the user would press it: the program's own close path, not a kill.
xdotool windowfocus --sync "$main" 2>/dev/null || true
xdotool key alt+F4 2>/dev/null || true
for _ in $(seq 1 50); do
    kill -0 "$program" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$program" 2>/dev/null; then
    echo "Tarvane did not close by itself; stopping it." >&2
    kill "$program" 2>/dev/null || true
fi
wait "$program" 2>/dev/null || true
echo "Tarvane was closed again."
