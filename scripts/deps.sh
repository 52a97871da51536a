#!/bin/sh
# Installs the Debian packages that one of the two commands needs, only those missing, and
# quietly unless something fails.
#
#   scripts/deps.sh run     building the x86_64 exe and running it, with its pictures
#   scripts/deps.sh [test]  that, the tests, and the 32-bit Wine (wine32:i386, with Debian's
#                           i386 architecture), which runs the i686 release exe as 64-bit
#                           Windows runs a 32-bit program
#
# The registry may fail in part, for one index or one architecture. An index that still fails
# after a few tries is named and the lists at hand are used. Each group of packages is installed
# on its own, so one that cannot be had does not keep the others out; a failed group is named
# with apt-get's own reason. Exit status: 0 when every group needed is installed, or when only
# the 32-bit Wine could not be (the i686 tests under Wine are then reported as not run); 1
# otherwise.
set -eu

# shellcheck source=scripts/installed.sh
. "$(dirname "$0")/installed.sh"

case "${1:-test}" in
run) groups="build_and_run" ;;
test) groups="build_and_run testing wine32" ;;
*)
    echo "usage: $0 [run|test]" >&2
    exit 2
    ;;
esac

group_packages() {
    case $1 in
    build_and_run) echo "cmake ninja-build mingw-w64 binutils-mingw-w64-x86-64 wine wine64 xvfb
        x11-utils imagemagick xdotool" ;;
    testing) echo "catch2 clang libclang-rt-14-dev zip binutils-mingw-w64-i686" ;;
    wine32) echo "wine32:i386" ;;
    esac
}

group_title() {
    case $1 in
    build_and_run) echo "building and running Tarvane" ;;
    testing) echo "the tests" ;;
    wine32) echo "the 32-bit Wine (wine32:i386)" ;;
    esac
}

missing_of_group() {
    missing=""
    for package in $(group_packages "$1"); do
        package_installed "$package" || missing="$missing $package"
    done
    echo "${missing# }"
}

any_missing=false
for group in $groups; do
    [ -z "$(missing_of_group "$group")" ] || any_missing=true
done
$any_missing || exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || {
        echo "Packages are missing and installing them needs root or sudo; see $0." >&2
        exit 1
    }
    sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
# Another apt at work (an automatic update, say) is waited for rather than failed on.
apt_options="-q -o DPkg::Lock::Timeout=300 -o Acquire::Retries=3"
log=$(mktemp)
trap 'rm -f "$log"' EXIT

# Prints one line per index that failed to download, or apt-get's own errors when it names none.
report_failed_indexes() {
    failed=$(sed -n 's/^[EW]: Failed to fetch \([^ ]*\)  *\(.*\)$/\1 (\2)/p' "$log" |
        sed 's/ \[IP: [^]]*\])$/)/')
    if [ -n "$failed" ]; then
        echo "$failed" | sed 's/^/Could not update the package index /; s/$/; going on with the lists at hand./'
    else
        echo "apt-get update failed ($(grep '^E:' "$log" | tr '\n' ' ')); going on with the lists at hand."
    fi
}

# A mirror in the middle of a sync serves mismatched files for a while: a few tries, pausing.
update_package_lists() {
    for try in 1 2 3; do
        # shellcheck disable=SC2086
        $sudo apt-get $apt_options update >"$log" 2>&1 && return 0
        [ "$try" -eq 3 ] || sleep 10
    done
    report_failed_indexes
}

# The i386 packages that apt-get says it cannot install, named in one line.
unresolvable_i386_packages() {
    grep -o '[a-z0-9.+-]*:i386 ([^)]*) but it is not going to be installed' "$log" |
        sed 's/ .*//' | sort -u | tr '\n' ' ' | sed 's/ $//; s/ /, /g'
}

install_group() {
    group=$1
    missing=$(missing_of_group "$group")
    [ -n "$missing" ] || return 0
    # shellcheck disable=SC2086
    $sudo apt-get $apt_options install -y --no-install-recommends $missing >"$log" 2>&1 && return 0
    if [ "$group" = wine32 ]; then
        reason=$(unresolvable_i386_packages)
        [ -n "$reason" ] && reason="its i386 libraries cannot be had ($reason)"
        [ -n "$reason" ] || reason=$(grep '^E:' "$log" | tr '\n' ' ')
        echo "Not installed: the 32-bit Wine (wine32:i386): $reason; the i686 tests under Wine will be reported as not run."
        return 0
    fi
    echo "Could not install the packages for $(group_title "$group") ($missing); apt-get said:" >&2
    grep -v '^Reading \|^Building dependency\|^$' "$log" | sed 's/^/    /' >&2
    return 1
}

case " $groups " in
*" wine32 "*)
    if [ -n "$(missing_of_group wine32)" ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
        $sudo dpkg --add-architecture i386
    fi
    ;;
esac
update_package_lists
status=0
for group in $groups; do
    install_group "$group" || status=1
done
exit $status
