#!/bin/bash
# Builds the shipped Tarvane.exe of one preset in a build folder of its own. A folder that holds
# no configured build yet is configured from the preset without the tests, which neither the
# release packages nor the benchmarks need.
#
#   scripts/ship-build.sh PRESET BUILD_DIR
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
preset=$1
folder=$(realpath -m "$2")
if [ ! -f "$folder/CMakeCache.txt" ]; then
    (cd "$root" && cmake --preset "$preset" -B "$folder" -DBUILD_TESTING=OFF >/dev/null)
fi
# Quiet when it builds; the compiler's own messages when it does not.
if ! output=$(cmake --build "$folder" --target Tarvane -j 2 2>&1); then
    echo "$output" >&2
    exit 1
fi
