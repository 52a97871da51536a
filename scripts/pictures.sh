#!/bin/bash
# Makes the README's pictures: runs the x86_64 Tarvane.exe under Wine on a private display, in a
# fresh prefix so that the first-start question comes up, and saves docs/pictures/first-start.png
# and docs/pictures/main-window.png, each cropped to its window.
#
#   scripts/pictures.sh
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
prefix="$root/build/ship-prefix-pictures"

"$root/scripts/ship-build.sh" win64 "$root/build/ship-win64"
rm -rf "$prefix"
"$root/scripts/wine-bench.sh" "$prefix" \
    "$root/scripts/photograph.sh" "$root/build/ship-win64/Tarvane.exe" "$root/docs/pictures"
