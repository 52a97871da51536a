#!/bin/bash
# Builds every preset and runs every test: the portable core natively with sanitizers, then the
# Windows tests of both exes under Wine (the 32-bit release exe and the x86_64 one, with clang's
# check of every product source), each in a fresh prefix of its own on a private display.
#
# Without the 32-bit Wine, which the registry cannot always provide, the i686 tests that run under
# Wine are reported as not run (ctest's own skip) and named in the last line; everything else,
# the i686 exe's static checks among it, runs as always.
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=scripts/installed.sh
. scripts/installed.sh

# One run at a time in this tree: a second one would build into the same folders and delete the
# Wine prefixes that the first one's suites are still using. The suites hold the lock too, so a
# suite that outlives its run (one killed with SIGKILL) still keeps the next run out.
mkdir -p build
exec {lock}>build/test.lock
if ! flock -n "$lock"; then
    echo "Another run of scripts/test.sh is using build/ (its Wine prefixes among them); waiting for it to end."
    flock "$lock"
fi

scripts/deps.sh test

for preset in host win64 win32; do
    echo "== Building $preset"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
done

echo "== Testing host"
ctest --preset host

# Each Wine suite runs in a session of its own, out of reach of the terminal's Ctrl+C (which
# background jobs ignore anyway); this script stops them itself when it ends early: the whole
# session (ctest, the programs under test, the bench and its Xvfb), then the prefix's wineserver,
# which has left the session to run as a daemon.
declare -A suite_pid=()
# shellcheck disable=SC2317 # called by the trap
stop_suites() {
    local preset
    for preset in "${!suite_pid[@]}"; do
        kill -TERM -- "-${suite_pid[$preset]}" 2>/dev/null || true
    done
    for preset in "${!suite_pid[@]}"; do
        wait "${suite_pid[$preset]}" 2>/dev/null || true
        WINEPREFIX="$PWD/build/wine-prefix-tests-$preset" wineserver -k 2>/dev/null || true
        unset "suite_pid[$preset]"
    done
}
trap stop_suites EXIT
trap 'echo "Interrupted: stopping the Wine suites."; exit 130' INT
trap 'echo "Terminated: stopping the Wine suites."; exit 143' TERM

wine32_missing=false
package_installed wine32:i386 || wine32_missing=true

# The two suites run side by side, each with its own prefix, display and wineserver, and a fresh
# prefix every run, so no state survives from an earlier one. Each one's output is shown whole
# when both have ended.
start_suite() {
    local preset=$1 prefix="build/wine-prefix-tests-$1"
    if [ "$preset" = win32 ] && $wine32_missing; then
        # Nothing runs under Wine: the static checks need no bench.
        setsid ctest --preset "$preset" >"build/test-$preset.log" 2>&1 &
    else
        rm -rf "$prefix"
        setsid scripts/wine-bench.sh "$prefix" ctest --preset "$preset" \
            >"build/test-$preset.log" 2>&1 &
    fi
    suite_pid[$preset]=$!
}

# The tests that ctest reports as not run in one suite's output, by name.
tests_not_run() {
    sed -n '/^The following tests did not run:/,$ s/^[[:space:]]*[0-9]* - \(.*\) (Skipped)$/\1/p' \
        "build/test-$1.log" | paste -sd ' '
}

for preset in win32 win64; do
    start_suite "$preset"
done
status=0
for preset in win32 win64; do
    wait "${suite_pid[$preset]}" || status=1
    unset "suite_pid[$preset]"
    echo "== Testing $preset under Wine"
    cat "build/test-$preset.log"
done

not_run=$(tests_not_run win32)
if [ -n "$not_run" ]; then
    echo "Not run: the i686 tests under Wine ($not_run), since the 32-bit Wine (wine32:i386) is not installed."
fi
exit $status
