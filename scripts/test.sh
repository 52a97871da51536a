#!/bin/bash
# Builds every preset and runs every test: the portable core natively with sanitizers, then the
# Windows tests of both exes under Wine (the 32-bit release exe and the x86_64 one, with clang's
# check of every product source), each in a fresh prefix of its own on a private display.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh

for preset in host win64 win32; do
    echo "== Building $preset"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
done

echo "== Testing host"
ctest --preset host

# The two Wine suites run side by side, each with its own prefix, display and wineserver, and a
# fresh prefix every run, so no state survives from an earlier one. Each one's output is shown
# whole when both have ended.
for preset in win32 win64; do
    rm -rf "build/wine-prefix-tests-$preset"
    scripts/wine-bench.sh "build/wine-prefix-tests-$preset" ctest --preset "$preset" \
        >"build/test-$preset.log" 2>&1 &
    eval "pid_$preset=$!"
done
status=0
for preset in win32 win64; do
    pid_var="pid_$preset"
    wait "${!pid_var}" || status=1
    echo "== Testing $preset under Wine"
    cat "build/test-$preset.log"
done
exit $status
