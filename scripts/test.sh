#!/usr/bin/env bash
# Installs what is missing, builds the plain and the sanitizer trees and runs
# every test in both, then runs each fuzzer for a short time.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
# What git sees before the tests; they may add nothing to it.
tree_before=$(git status --porcelain --untracked-files=all 2>/dev/null || true)

scripts/build.sh plain
(cd build && ctest --output-on-failure -j "$(nproc)" --timeout 600)

# The Debian packages, built the Debian way, checked and (as root) installed.
scripts/debian-packages.sh
tests/install/package_test.sh build-debian

scripts/build.sh sanitize
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd build-sanitize && ctest --output-on-failure -j "$(nproc)" --timeout 900)

scripts/build.sh fuzz
(cd build-fuzz && ctest --output-on-failure -j "$(nproc)" --timeout 300)

# The Windows library and programs, 32- and 64-bit, under Wine with one
# prefix and one virtual display for the run: their own test suites, then
# the same answers and bytes as the Linux build, then the monitor echo.
scripts/build.sh win32
scripts/build.sh win64
wine_home=$(mktemp -d)
display=:$((200 + RANDOM % 100))
Xvfb "$display" -screen 0 1600x1200x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'wineserver -k 2>/dev/null || true; kill $xvfb 2>/dev/null || true; rm -rf "$wine_home"' EXIT
export WINEPREFIX=$wine_home/prefix WINEDEBUG=-all DISPLAY=$display
scripts/wine-run.sh wineboot -i >/dev/null 2>&1 || true
# wineboot leaves work running behind it, which slows every program started
# meanwhile by seconds: wait for it to end.
wineserver -w
# Some kernels run no 32-bit programs: there the 32-bit build is checked only
# as files (its exports and imports), and the 64-bit one runs everything.
runnable=(build-win32 build-win64)
if ! scripts/wine-run.sh --runs-32-bit; then
  echo "This machine runs no 32-bit programs: the 32-bit Windows tests are skipped." >&2
  runnable=(build-win64)
fi
for windows in "${runnable[@]}"; do
  # The tool is a 32-bit program: its window suite runs once, in the first
  # build that runs here.
  skip=()
  [ "$windows" = "${runnable[0]}" ] || skip=(-E zelvo_tool_win32_tests)
  (cd "$windows" && ctest --output-on-failure -j "$(nproc)" --timeout 900 "${skip[@]}")
done
tests/windows/same_bytes_test.sh build build-win32 build-win64
tests/windows/monitor_echo_test.sh "${runnable[0]}"
wineserver -k 2>/dev/null || true
# The setup program and the SDK, installed and used in a prefix of their own.
scripts/windows-packages.sh
tests/windows/installer_test.sh build-packages

tree_after=$(git status --porcelain --untracked-files=all 2>/dev/null || true)
if [ "$tree_after" != "$tree_before" ]; then
  echo "The tests changed the source tree:" >&2
  diff <(echo "$tree_before") <(echo "$tree_after") >&2 || true
  exit 1
fi
