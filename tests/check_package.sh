#!/bin/bash
# Runs the package command into a fresh folder and checks what it made: both zips, holding
# exactly the stripped exe of their architecture, the read-me and the licence, and SHA256SUMS
# that matches them, named with the project's version.
#
#   tests/check_package.sh WIN32_BUILD_DIR WIN64_BUILD_DIR VERSION_TEXT
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

fail() {
    echo "FAILED: $*" >&2
    exit 1
}

"$root/scripts/package.sh" --win32-build "$1" --win64-build "$2" "$out/dist" >/dev/null
declare -A build=([win32]=$1 [win64]=$2)
declare -A format=([win32]=pei-i386 [win64]=pei-x86-64)
declare -A objdump=([win32]=i686-w64-mingw32-objdump [win64]=x86_64-w64-mingw32-objdump)
version=$3

expected_files=$(printf '%s\n' SHA256SUMS "Tarvane-$version-win32.zip" "Tarvane-$version-win64.zip")
[ "$(ls "$out/dist")" = "$expected_files" ] || fail "dist holds: $(ls "$out/dist" | tr '\n' ' ')"
(cd "$out/dist" && sha256sum --quiet -c SHA256SUMS) || fail "SHA256SUMS does not match the zips"
[ "$(cut -d' ' -f3 "$out/dist/SHA256SUMS" | sort)" = "$(printf '%s\n' "Tarvane-$version-win32.zip" \
    "Tarvane-$version-win64.zip")" ] || fail "SHA256SUMS does not list exactly the two zips"

# The text files are the sources with Windows line ends.
same_text() {
    cmp -s <(tr -d '\r' <"$1") "$2" && [ "$(grep -c $'\r$' "$1")" = "$(wc -l <"$1")" ]
}

for preset in win32 win64; do
    zip="$out/dist/Tarvane-$version-$preset.zip"
    listing=$(cmake -E tar tf "$zip" | sort)
    [ "$listing" = "$(printf '%s\n' LICENSE.txt READ-ME.txt Tarvane.exe)" ] ||
        fail "$zip holds: $(echo "$listing" | tr '\n' ' ')"
    unpacked="$out/$preset"
    mkdir -p "$unpacked"
    (cd "$unpacked" && cmake -E tar xf "$zip")
    cmp -s "$unpacked/Tarvane.exe" "${build[$preset]}/Tarvane.exe" ||
        fail "$zip: Tarvane.exe is not the one built in ${build[$preset]}"
    "${objdump[$preset]}" -f "$unpacked/Tarvane.exe" | grep -q "file format ${format[$preset]}" ||
        fail "$zip: Tarvane.exe is not ${format[$preset]}"
    [ -z "$("${objdump[$preset]}" -t "$unpacked/Tarvane.exe" | sed -n '/^SYMBOL TABLE/,$p' |
        grep '^\[')" ] || fail "$zip: Tarvane.exe is not stripped"
    same_text "$unpacked/READ-ME.txt" "$root/docs/READ-ME.txt" || fail "$zip: READ-ME.txt differs"
    same_text "$unpacked/LICENSE.txt" "$root/LICENSE" || fail "$zip: LICENSE.txt differs"
done
echo "Both packages hold what they should, and their checksums match."
