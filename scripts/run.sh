#!/bin/bash
# Builds Tarvane.exe (x86_64, as shipped: without the tests, so that no test package is needed) and
# starts it under Wine. With a display, the program simply opens there.
# Without one, it runs on a private virtual display: the window is photographed, the pictures'
# paths are printed, and the program is closed again.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh run
echo "Building build/ship-win64/Tarvane.exe"
scripts/ship-build.sh win64 build/ship-win64

export WINEPREFIX="${WINEPREFIX:-$PWD/build/wine-prefix}"
exe="$PWD/build/ship-win64/Tarvane.exe"

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    mkdir -p "$WINEPREFIX"
    WINEDEBUG=-all wine "$exe"
    exit 0
fi

echo "No display: running Tarvane on a private virtual display to take its picture."
exec scripts/wine-bench.sh "$WINEPREFIX" scripts/photograph.sh "$exe" build/screenshots
