#!/bin/bash
# Builds the release packages from the tree: the i686 and x86_64 Tarvane.exe (linked stripped),
# each zipped with the read-me for users and the licence, and SHA256SUMS beside the zips.
#
#   scripts/package.sh [--win32-build DIR] [--win64-build DIR] [OUT_DIR]
#
# OUT_DIR defaults to dist/. Each build folder defaults to build/ship-win32 or build/ship-win64;
# only Tarvane.exe is built in it (see ship-build.sh).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
declare -A build=([win32]="$root/build/ship-win32" [win64]="$root/build/ship-win64")
out="$root/dist"
while [ $# -gt 0 ]; do
    case $1 in
        --win32-build|--win64-build)
            preset=${1#--}
            preset=${preset%-build}
            build[$preset]=$(realpath -m "$2")
            shift 2
            ;;
        -*) echo "unknown option $1" >&2; exit 2 ;;
        *) out=$(realpath -m "$1"); shift ;;
    esac
done

# The i686 exe is the one most users take; it must stay small enough to pass around easily. The
# budget sits a little above what the program measures, so that growth nobody meant fails here.
readonly win32_size_budget=$((208 * 1024))

check_size_budget() {
    local size
    size=$(stat -c %s "${build[win32]}/Tarvane.exe")
    if [ "$size" -gt "$win32_size_budget" ]; then
        echo "The i686 Tarvane.exe is $size bytes, over its budget of $win32_size_budget." >&2
        exit 1
    fi
}

# Windows' own editors want CRLF line ends.
copy_text() {
    sed 's/\r*$/\r/' "$1" >"$2"
}

make_zip() {
    local preset=$1 stage
    stage=$(mktemp -d)
    cp "${build[$preset]}/Tarvane.exe" "$stage/Tarvane.exe"
    copy_text "$root/docs/READ-ME.txt" "$stage/READ-ME.txt"
    copy_text "$root/LICENSE" "$stage/LICENSE.txt"
    # Fixed times and no extra attributes: the same tree gives the same zip.
    touch -d "@$stamp" "$stage"/*
    local zip="$out/Tarvane-$version-$preset.zip"
    rm -f "$zip"
    (cd "$stage" && TZ=UTC zip -q -X "$zip" Tarvane.exe READ-ME.txt LICENSE.txt)
    rm -rf "$stage"
}

# The version that the build took from the project version, the same that the exe's version block
# carries. Both builds come from this tree, so they must agree.
build_version() {
    local file="${build[$1]}/version/version.txt"
    [ -s "$file" ] || { echo "$file is missing: configure ${build[$1]} again" >&2; exit 1; }
    cat "$file"
}

stamp=$(git -C "$root" log -1 --format=%ct 2>/dev/null || date +%s)
mkdir -p "$out"
for preset in win32 win64; do
    "$root/scripts/ship-build.sh" "$preset" "${build[$preset]}"
done
version=$(build_version win32)
win64_version=$(build_version win64)
if [ "$win64_version" != "$version" ]; then
    echo "The win32 build is version $version, the win64 one $win64_version." >&2
    exit 1
fi
check_size_budget
for preset in win32 win64; do
    make_zip "$preset"
done
(cd "$out" && sha256sum "Tarvane-$version-win32.zip" "Tarvane-$version-win64.zip" >SHA256SUMS)
echo "Packages in $out:"
(cd "$out" && ls -l "Tarvane-$version-win32.zip" "Tarvane-$version-win64.zip" SHA256SUMS)
