#!/usr/bin/env bash
# The Debian packages of scripts/debian-packages.sh, as Debian, a developer
# and a user see them:
#   package_test.sh PACKAGES_FOLDER
# lintian finds no error and no warning; the packages split as a shared
# library's do and declare what they should. As root, on a machine where
# Zelvo is not installed, the packages are then installed for real: the data
# folder is made on configure, every user can use it, pkg-config gives
# -lzelvo alone, a program built against libzelvo-dev gets its dependency on
# libzelvo5 computed, xdg-open hands zvm: links to the tool, and the data
# folder is kept on remove and deleted on purge.
set -euo pipefail
packages=$(cd "$1" && pwd)
source=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
installed=()
cleanup() {
  ((${#installed[@]})) && dpkg --purge "${installed[@]}" >/dev/null 2>&1
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}
deb() { ls "$packages"/"$1"_*.deb; }
field() { dpkg-deb -f "$(deb "$1")" "$2"; }

lintian --fail-on error,warning -I -E --pedantic "$packages"/*.changes ||
  fail "lintian finds errors or warnings"

for package in libzelvo5 libzelvo-dev zelvo zelvo-tool libzelvo5-dbgsym zelvo-dbgsym zelvo-tool-dbgsym; do
  deb "$package" >/dev/null || fail "no package $package"
done
[ "$(field libzelvo5 Section)" = libs ] || fail "libzelvo5 is not in libs"
[ "$(field libzelvo5 Multi-Arch)" = same ] || fail "libzelvo5 is not Multi-Arch: same"
field libzelvo5 Depends | grep -q zelvo-tool && fail "the library pulls the desktop program"
field libzelvo5 Recommends | grep -q zelvo-tool && fail "the library pulls the desktop program"
field zelvo Recommends | grep -q zelvo-tool || fail "zelvo does not recommend the desktop program"
library_files=$(dpkg-deb -c "$(deb libzelvo5)" | awk '$1 ~ /^-/ {print $6}' | grep -v '^./usr/share/doc/')
[ "$library_files" = "./usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/libzelvo.so.5.7.0" ] ||
  fail "libzelvo5 holds more than the library: $library_files"
dpkg-deb -I "$(deb libzelvo5)" symbols | grep -q 'ZelvoCommandW@Base' || fail "libzelvo5 has no symbols file"

if [ "$(id -u)" -ne 0 ]; then
  echo "Not root: the packages are not installed." >&2
  exit 0
fi
if dpkg-query -W libzelvo5 zelvo zelvo-tool libzelvo-dev >/dev/null 2>&1 ||
  [ -e "/var/lib/Orvane Systems/Zelvo" ]; then
  echo "Zelvo is installed here already: the packages are not installed over it." >&2
  exit 0
fi

data="/var/lib/Orvane Systems/Zelvo"
installed=(zelvo-tool zelvo libzelvo-dev libzelvo5)
dpkg -i "$(deb libzelvo5)" "$(deb libzelvo-dev)" "$(deb zelvo)" "$(deb zelvo-tool)" >"$work/dpkg.log" 2>&1 ||
  fail "the packages did not install: $(cat "$work/dpkg.log")"

# The data folder, made on configure and open to every user.
[ -f "$data/fixed.zfix" ] || fail "configure made no data folder"
runuser -u nobody -- zelvo ADDDATA 'datakey="Any user",datastring="nobody"' || fail "nobody cannot use the data folder"
[ "$(zelvo GETDATA 'datakey="any user"')" = nobody ] || fail "root does not see what nobody stored"

# A developer's build: pkg-config, find_package, and the dependency that
# dpkg-shlibdeps computes for what was built.
[ "$(pkg-config --cflags --libs zelvo | xargs)" = -lzelvo ] ||
  fail "pkg-config gives '$(pkg-config --cflags --libs zelvo)'"
# shellcheck disable=SC2046
cc -std=c11 -Wall -Wextra -Werror "$source/examples/host.c" $(pkg-config --cflags --libs zelvo) -o "$work/host"
ZELVO_COMMON_APPDATA=$work/appdata "$work/host" >/dev/null || fail "the example host failed"
mkdir -p "$work/shlibs/debian"
printf 'Source: host\n\nPackage: host\nArchitecture: any\n' >"$work/shlibs/debian/control"
(cd "$work/shlibs" && dpkg-shlibdeps -O "$work/host") >"$work/substvars" 2>/dev/null
grep -q 'libzelvo5 (>= 5.7.0)' "$work/substvars" || fail "no dependency on libzelvo5: $(cat "$work/substvars")"
cmake -S "$source/examples" -B "$work/example" >/dev/null && cmake --build "$work/example" >/dev/null ||
  fail "find_package(Zelvo) does not build the example"

# zvm: links through xdg-open, as on an X display without a desktop
# environment (xdg-open's generic handler), percent escapes and all.
mkdir -p "$work/home"
source "$source/scripts/virtual-display.sh"
start_virtual_display "$work/display"
trap 'kill "$virtual_display_pid" 2>/dev/null; cleanup' EXIT
open_link() {
  env -i PATH=/usr/bin:/bin HOME="$work/home" DISPLAY="$virtual_display" xdg-open "$1"
}
open_link 'zvm:ADDDATA,datakey=Linked,datastring=opened' || fail "xdg-open failed"
[ "$(zelvo GETDATA datakey=linked)" = opened ] || fail "the zvm: link did not reach the tool"
open_link 'zvm:ADDDATA,datakey=%22Linked%22,datastring=%22a%2C%20b%22' || fail "xdg-open failed"
[ "$(zelvo GETDATA datakey=linked)" = "a, b,opened" ] || fail "the escaped zvm: link answered '$(zelvo GETDATA datakey=linked)'"
[ ! -e "$work/home/.local/share/applications/zvm-handler.desktop" ] ||
  fail "the tool wrote a handler of its own beside the system's"

# Removed: the data stays; purged: it goes.
dpkg -r "${installed[@]}" >/dev/null 2>&1 || fail "the packages did not remove"
[ -f "$data/data.zd2" ] || fail "remove deleted the data folder"
dpkg -P "${installed[@]}" >/dev/null 2>&1 || fail "the packages did not purge"
installed=()
[ ! -e "$data" ] || fail "purge kept the data folder"
echo "package test passed"
