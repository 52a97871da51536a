# shellcheck shell=sh
# Sourced by the scripts that ask whether a Debian package is installed: dpkg's own record, which
# is what apt-get installs into.

package_installed() {
    dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"
}
