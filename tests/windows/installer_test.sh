#!/usr/bin/env bash
# The Windows setup program and SDK, tried under Wine in a fresh prefix of
# their own, as a Windows user and developer would:
#   installer_test.sh PACKAGES_FOLDER
# A silent install puts every file and key in its place; zelvo.exe from the
# installed place stores and reads a value in the installed data folder; a
# window command finds the installed tool; the example host builds from the
# SDK alone and runs; a silent uninstall leaves only the data folder, and
# one asked to remove it leaves nothing. Needs a display for the window
# command (DISPLAY). Where no 32-bit program runs (the setup program is
# one), only the SDK's 64-bit part is tried.
set -euo pipefail
packages=$(cd "$1" && pwd)
top=$(cd "$(dirname "$0")/../.." && pwd)
run=$top/scripts/wine-run.sh
work=$(mktemp -d)
export WINEPREFIX=$work/prefix WINEDEBUG=-all
trap 'WINEPREFIX=$WINEPREFIX wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
expect_file() { [ -f "$1" ] || fail "missing: $1"; }
expect_gone() { [ ! -e "$1" ] || fail "still there: $1"; }
# The default value of a registry key, or nothing.
registry_default() {
  "$run" reg query "$1" /ve 2>/dev/null | tr -d '\r' | sed -n 's/^ *(Default) *REG_SZ *//p'
}

"$run" wineboot -i >/dev/null 2>&1
wineserver -w
drive=$WINEPREFIX/drive_c
setup=$(ls "$packages"/zelvo-*-setup.exe)
sdk_zip=$(ls "$packages"/zelvo-*-sdk.zip)
programs32="$drive/Program Files (x86)/Common Files/Orvane Systems/Zelvo"
programs64="$drive/Program Files/Common Files/Orvane Systems/Zelvo"
data="$drive/ProgramData/Orvane Systems/Zelvo"
uninstall_key='HKLM\Software\Wow6432Node\Microsoft\Windows\CurrentVersion\Uninstall\Zelvo'

install() {
  "$run" "$setup" /S || fail "the setup program ended with $?"
  wineserver -w
}

if "$run" --runs-32-bit; then
  install
  for file in ZelvoTool.exe ZelvoTool-DEU.dll Zelvo.dll zelvo.exe zelvo-monitor.exe uninstall.exe; do
    expect_file "$programs32/$file"
  done
  for file in Zelvo.dll zelvo.exe; do expect_file "$programs64/$file"; done
  expect_file "$data/fixed.zfix"
  tool='"C:\Program Files (x86)\Common Files\Orvane Systems\Zelvo\ZelvoTool.exe"'
  [ "$(registry_default 'HKLM\Software\Classes\zvm')" = "URL:Zelvo Protocol" ] ||
    fail "the zvm class is not registered"
  [ "$(registry_default 'HKLM\Software\Classes\zvm\shell\open\command')" = "$tool %1" ] ||
    fail "zvm: links do not open the installed tool"
  "$run" reg query "$uninstall_key" /v UninstallString >/dev/null 2>&1 ||
    fail "not among the installed programs"

  # The installed host and library, both architectures, on the one data
  # folder that every user shares.
  "$run" "$programs32/zelvo.exe" ADDDATA 'datakey="Setup",datastring="installed"' ||
    fail "ADDDATA through the installed host ended with $?"
  answer=$("$run" "$programs64/zelvo.exe" GETDATA 'datakey="setup"' | tr -d '\r')
  [ "$answer" = installed ] || fail "GETDATA answered '$answer'"
  expect_file "$data/data.zd2"

  # A window command from the 64-bit host finds the 32-bit tool where it was
  # installed; the report window is closed once it is there.
  "$run" "$programs64/zelvo.exe" INFODISPLAY >"$work/window.out" 2>&1 &
  host=$!
  for _ in $(seq 300); do
    ls "$drive"/users/*/Temp/Zel*.html >/dev/null 2>&1 && break
    sleep 0.2
  done
  ls "$drive"/users/*/Temp/Zel*.html >/dev/null 2>&1 || fail "the installed tool showed no report"
  while kill -0 "$host" 2>/dev/null; do
    "$run" taskkill /IM ZelvoTool.exe >/dev/null 2>&1 || true
    sleep 0.5
  done
  wait "$host" || fail "INFODISPLAY through the installed host ended with $?: $(cat "$work/window.out")"

  # Uninstalled silently: the program files and keys go, the data stays.
  "$run" "$programs32/uninstall.exe" /S
  wineserver -w
  expect_gone "$programs32"
  expect_gone "$programs64"
  "$run" reg query 'HKLM\Software\Classes\zvm' >/dev/null 2>&1 && fail "the zvm class is still registered"
  "$run" reg query "$uninstall_key" >/dev/null 2>&1 && fail "still among the installed programs"
  expect_file "$data/data.zd2"
  expect_file "$data/fixed.zfix"

  # Installed again, the data is there; removed when asked for.
  install
  answer=$("$run" "$programs32/zelvo.exe" GETDATA 'datakey="Setup"' | tr -d '\r')
  [ "$answer" = installed ] || fail "after a new install GETDATA answered '$answer'"
  "$run" "$programs32/uninstall.exe" /S /REMOVEDATA
  wineserver -w
  expect_gone "$data"
  expect_gone "$programs32"
else
  echo "This machine runs no 32-bit programs: the setup program is not tried." >&2
fi

# The SDK alone builds the example host with MinGW, for each architecture
# that runs here.
unzip -q "$sdk_zip" -d "$work/sdk"
sdk=$(ls -d "$work"/sdk/zelvo-*-sdk)
architectures=(x64:x86_64)
"$run" --runs-32-bit && architectures+=(x86:i686)
for pair in "${architectures[@]}"; do
  arch=${pair%%:*}
  mkdir -p "$work/host-$arch"
  "${pair#*:}-w64-mingw32-gcc" -std=c11 -Wall -Wextra -Werror -I"$sdk/include" \
    "$sdk/example/host.c" -L"$sdk/lib/$arch" -lzelvo -o "$work/host-$arch/host.exe" ||
    fail "the example host did not build for $arch"
  cp "$sdk/bin/$arch/Zelvo.dll" "$work/host-$arch/"
  output=$(ZELVO_COMMON_APPDATA='C:\sdk-data' "$run" "$work/host-$arch/host.exe" | tr -d '\r') ||
    fail "the example host for $arch ended with $?"
  [ "$output" = ok ] || fail "the example host for $arch printed '$output'"
done

if ((failures)); then
  echo "installer_test: $failures failures" >&2
  exit 1
fi
echo "installer_test: the setup program and the SDK work"
