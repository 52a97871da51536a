#!/bin/bash
# Builds every preset and runs every test: the portable core natively with sanitizers, the
# 32-bit release exe's static checks, and the Windows tests under Wine on a private display (with
# clang's check of every product source).
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
echo "== Testing win32"
ctest --preset win32

# A fresh prefix for every run, so no state survives from an earlier one.
echo "== Testing win64 under Wine"
rm -rf build/wine-prefix-tests
scripts/wine-bench.sh build/wine-prefix-tests ctest --preset win64
