#!/bin/bash
# Builds Tarvane.exe and starts it under Wine. With a display, the program simply opens there.
# Without one, it runs on a private virtual display: the window is photographed, the pictures'
# paths are printed, and the program is closed again.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target Tarvane

export WINEPREFIX="${WINEPREFIX:-$PWD/build/wine-prefix}"
exe="$PWD/build/win64/Tarvane.exe"

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    mkdir -p "$WINEPREFIX"
    WINEDEBUG=-all wine "$exe"
    exit 0
fi

echo "No display: running Tarvane on a private virtual display to take its picture."
exec scripts/wine-bench.sh "$WINEPREFIX" scripts/photograph.sh "$exe" build/screenshots
