#!/bin/bash
# Measures Tarvane.exe under Wine against baselines measured in the same run (start-up, launch
# of the archive tool, peak memory) and prints the medians and their ratios. Not a test: the
# figures depend on the machine.
#
#   scripts/bench.sh [RUNS] [PRESET]
#
# RUNS per measurement, 15 unless given (at least 10 is sensible); PRESET is win64 (x86_64, the
# default) or win32 (the i686 release exe). Builds that preset's Tarvane.exe in
# build/ship-PRESET and the bench programs for the same architecture in build/ship-bench-PRESET,
# and runs them in a Wine prefix of their own, build/ship-prefix-bench, on a private display.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)

# Inside the Wine bench: settings that name the test double as the archive tool, so that no
# first-start question comes up and both Process buttons (Tarvane's and the baseline's) start it,
# then the driver.
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
preset=${2:-win64}
case "$preset" in
win64) toolchain=mingw-x86_64.cmake ;;
win32) toolchain=mingw-i686.cmake ;;
*)
    echo "usage: scripts/bench.sh [RUNS] [win64|win32]" >&2
    exit 2
    ;;
esac
"$root/scripts/ship-build.sh" "$preset" "$root/build/ship-$preset"
bench="$root/build/ship-bench-$preset"
if [ ! -f "$bench/CMakeCache.txt" ]; then
    cmake -S "$root/bench" -B "$bench" -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel \
        --toolchain "$root/cmake/$toolchain" >/dev/null
fi
cmake --build "$bench" -j 2 >/dev/null
echo "Tarvane.exe and the baselines of $preset"
exec "$root/scripts/wine-bench.sh" "$root/build/ship-prefix-bench" \
    "$0" --inside-wine "$root/build/ship-$preset/Tarvane.exe" "$bench" "$runs"
