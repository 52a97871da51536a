#!/bin/sh
# Installs the Debian packages the build and the tests need, quietly, and only those missing.
# wine32:i386 lets the same Wine run the 32-bit release exe, as 64-bit Windows runs a 32-bit
# program; it needs Debian's i386 architecture, which is added first when it is not there yet.
set -eu

packages="cmake ninja-build mingw-w64 wine wine64 wine32:i386 xvfb x11-utils catch2 clang
    libclang-rt-14-dev imagemagick xdotool zip binutils-mingw-w64-x86-64 binutils-mingw-w64-i686"

missing=""
for package in $packages; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $package"
    fi
done
[ -z "$missing" ] && exit 0

echo "Installing:$missing"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $sudo dpkg --add-architecture i386
fi
$sudo apt-get update -qq >/dev/null
# shellcheck disable=SC2086
$sudo apt-get install -y -qq --no-install-recommends $missing >/dev/null
