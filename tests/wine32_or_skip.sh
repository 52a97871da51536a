#!/bin/sh
# The i686 build's emulator: runs one of its programs under Wine for ctest. Without the 32-bit
# Wine (Debian's wine32:i386), which the registry cannot always provide, the program is not run
# and ctest is told so by the exit status 77, the SKIP_RETURN_CODE of these tests. A program that
# ends with 77 itself (Catch2 ends with the number of failed checks) is a failure, never a skip.
#
#   wine32_or_skip.sh PROGRAM [ARGS...]   runs it
#   wine32_or_skip.sh --check             only answers: 0 when it could run one, 77 when not

# shellcheck source=scripts/installed.sh
. "$(dirname "$0")/../scripts/installed.sh"

not_run=77
if ! package_installed wine32:i386; then
    echo "Not run: the 32-bit Wine (wine32:i386) is not installed; scripts/deps.sh test installs it."
    exit $not_run
fi
[ "${1:-}" = --check ] && exit 0
status=0
wine "$@" || status=$?
[ "$status" -ne $not_run ] || status=1
exit $status
