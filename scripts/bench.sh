#!/bin/bash
# Measures Tarvane.exe under Wine against baselines measured in the same run (start-up, launch
# of the archive tool, peak memory) and prints the medians and their ratios. Not a test: the
# figures depend on the machine.
#
#   scripts/bench.sh [RUNS]      (RUNS per measurement, 15 unless given; at least 10 is sensible)
#
# Builds the x86_64 Tarvane.exe in build/ship-win64 and the bench programs in build/ship-bench,
# and runs them in a Wine prefix of their own, build/ship-prefix-bench, on a private display.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)

# Inside the Wine bench: settings that name the test double as the archive tool, so that no
# first-start question comes up, then the driver.
if [ "${1:-}" = "--inside-wine" ]; then
    shift
    tarvane=$1 bench=$2 runs=$3
    tool_path=$(winepath -w "$bench/fake_archive_tool.exe")
    settings="$(winepath -u 'C:\ProgramData')/tarvane.ini"
    printf '[Paths]\r\nArchive=%s\r\n' "$tool_path" >"$settings"
    rm -f "$bench/archive-calls.txt"
    wine "$bench/bench_driver.exe" "$(winepath -w "$tarvane")" \
        "$(winepath -w "$bench/same_window.exe")" \
        "$(winepath -w "$bench/bare_window.exe")" "$tool_path" "$runs"
    exit 0
fi

runs=${1:-15}
"$root/scripts/ship-build.sh" win64 "$root/build/ship-win64"
bench="$root/build/ship-bench"
if [ ! -f "$bench/CMakeCache.txt" ]; then
    cmake -S "$root/bench" -B "$bench" -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel \
        --toolchain "$root/cmake/mingw-x86_64.cmake" >/dev/null
fi
cmake --build "$bench" -j 2 >/dev/null
exec "$root/scripts/wine-bench.sh" "$root/build/ship-prefix-bench" \
    "$0" --inside-wine "$root/build/ship-win64/Tarvane.exe" "$bench" "$runs"
