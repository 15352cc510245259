#!/bin/sh
# Runs a Windows program (or a Wine tool such as wineboot) under Wine.
# Debian's `wine` starts everything through its 32-bit loader, which a kernel
# without 32-bit support cannot run; there the 64-bit loader runs it instead,
# so that the 64-bit programs still run.
#   wine-run.sh PROGRAM [ARGUMENTS...]
#   wine-run.sh --runs-32-bit    exit status 0 when 32-bit programs can run
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
  [ "$1" = --runs-32-bit ] && exit 0
  exec wine "$@"
fi
[ "$1" = --runs-32-bit ] && exit 1
WINELOADER=/usr/lib/wine/wine64
export WINELOADER
exec "$WINELOADER" "$@"
