#!/usr/bin/env bash
# Builds the Debian packages, checks what they declare, unpacks them into a
# fresh root and runs the host from there against a real data folder.
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$build" && cpack -G DEB -B "$work/packages" >/dev/null)
shopt -s nullglob
packages=("$work"/packages/*.deb)
[ ${#packages[@]} -eq 3 ] || { echo "expected three packages, found ${#packages[@]}"; exit 1; }

control() { dpkg-deb -f "$work"/packages/$1_*.deb "$2"; }
control zelvo Depends | grep -q libssl3 || { echo "zelvo does not depend on libssl3"; exit 1; }
control zelvo Depends | grep -q libacl1 || { echo "zelvo does not depend on libacl1"; exit 1; }
control zelvo-tool Depends | grep -q libqt6webenginewidgets6 || { echo "zelvo-tool lacks its Qt dependency"; exit 1; }
control zelvo-dev Depends | grep -q 'zelvo (= ' || { echo "zelvo-dev does not depend on zelvo"; exit 1; }
dpkg-deb -e "$work"/packages/zelvo_*.deb "$work/control"
grep -q 'zelvo REBUILD' "$work/control/postinst" || { echo "zelvo has no postinst creating the data folder"; exit 1; }

root=$work/root
for package in "${packages[@]}"; do dpkg -x "$package" "$root"; done
[ -x "$root/usr/libexec/Orvane Systems/Zelvo/ZelvoTool" ] || { echo "the tool is not in its place"; exit 1; }
grep -q 'Exec="/usr/libexec/Orvane Systems/Zelvo/ZelvoTool" %u' "$root/usr/share/applications/zvm-handler.desktop"

export ZELVO_COMMON_APPDATA=$work/appdata
mkdir -p "$ZELVO_COMMON_APPDATA"
"$root/usr/bin/zelvo" ADDDATA 'datakey="k",datastring="from the package"'
[ "$("$root/usr/bin/zelvo" GETDATA datakey=k)" = "from the package" ] || { echo "unpacked host failed"; exit 1; }
[ -f "$ZELVO_COMMON_APPDATA/Orvane Systems/Zelvo/fixed.zfix" ] || { echo "no access marker"; exit 1; }
echo "package test passed"
