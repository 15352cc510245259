#!/usr/bin/env bash
# Installs the build into a temporary prefix and uses it as a developer and a
# user would: the example host built through pkg-config and through
# find_package(Zelvo), the installed zelvo host, and the installed library
# starting the installed tool.
set -euo pipefail
build=$1
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix

cmake --install "$build" --prefix "$prefix" >/dev/null
for file in bin/zelvo bin/zelvo-monitor include/zelvo.h lib/libzelvo.so lib/libzelvo.so.5 \
    lib/pkgconfig/zelvo.pc lib/cmake/Zelvo/ZelvoConfig.cmake "libexec/Orvane Systems/Zelvo/ZelvoTool" \
    "libexec/Orvane Systems/Zelvo/ZelvoTool-DEU.qm" share/man/man1/zelvo.1 share/man/man1/zelvo-monitor.1 \
    share/man/man1/ZelvoTool.1 share/man/man3/zelvo.3 libexec/zelvo/ZelvoTool \
    share/applications/zvm-handler.desktop \
    share/icons/hicolor/scalable/apps/zelvotool.svg; do
  [ -e "$prefix/$file" ] || { echo "not installed: $file"; exit 1; }
done
readelf -d "$prefix/lib/libzelvo.so" | grep -q 'Library soname: \[libzelvo.so.5\]' || { echo "wrong SONAME"; exit 1; }
# The zvm: handler starts the tool by a path without blanks.
grep -qx "Exec=$prefix/libexec/zelvo/ZelvoTool %u" "$prefix/share/applications/zvm-handler.desktop" ||
  { echo "the zvm: handler does not start the installed tool"; exit 1; }

export ZELVO_COMMON_APPDATA=$work/appdata HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
mkdir -p "$ZELVO_COMMON_APPDATA" "$HOME"
unset ZELVO_COMMON_FILES XDG_RUNTIME_DIR

# pkg-config
PKG_CONFIG_PATH=$prefix/lib/pkgconfig cc -std=c11 -Wall -Wextra -Werror "$source/examples/host.c" \
  $(PKG_CONFIG_PATH=$prefix/lib/pkgconfig pkg-config --cflags --libs zelvo) -o "$work/host-pkg-config"
LD_LIBRARY_PATH=$prefix/lib "$work/host-pkg-config"

# find_package
cmake -S "$source/examples" -B "$work/example" -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
cmake --build "$work/example" >/dev/null
rm -rf "$ZELVO_COMMON_APPDATA/Orvane Systems"
"$work/example/zelvo-example-host"  # the run path CMake gives it finds the library

# The installed host finds the installed library, which finds the installed
# tool (a LINK to a page the tool does not have closes at once, with 0), on
# a virtual display of its own.
[ "$("$prefix/bin/zelvo" GETDATA datakey=example)" = "narrow,wide" ] || { echo "installed host failed"; exit 1; }
source "$source/scripts/virtual-display.sh"
start_virtual_display "$work/display"
trap 'kill "$virtual_display_pid" 2>/dev/null; rm -rf "$work"' EXIT
DISPLAY=$virtual_display QTWEBENGINE_DISABLE_SANDBOX=1 "$prefix/bin/zelvo" LINK url=nosuchpage
echo "install test passed"
