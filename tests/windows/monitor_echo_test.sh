#!/usr/bin/env bash
# The monitor echo on Windows, under Wine on a virtual display: zelvo.exe
# finds the window of zelvo-monitor.exe and sends it one WM_COPYDATA per
# command, which the monitor prints as caller|command|parameters|result|answer.
#   monitor_echo_test.sh WINDOWS_BUILD
set -euo pipefail
windows=$1
work=$(mktemp -d)
export WINEPREFIX=${WINEPREFIX:-$work/wine} WINEDEBUG=-all
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 800x600x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
monitor=
cleanup() {
  [ -n "$monitor" ] && kill "$monitor" 2>/dev/null
  wineserver -k 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
export DISPLAY=$display
sleep 1
# Windows of one Wine session share its desktop: a session started earlier
# without a display would keep the host from finding the monitor's window.
wineserver -k 2>/dev/null || true

wine=$(dirname "$0")/../../scripts/wine-run.sh
"$wine" "$windows/bin/zelvo-monitor.exe" >"$work/echoes" 2>"$work/monitor.err" &
monitor=$!
export ZELVO_COMMON_APPDATA="Z:${work//\//\\}"
# A new Wine session takes a while to show a new window to other processes:
# probe with REBUILD until one is echoed.
for _ in $(seq 60); do
  "$wine" "$windows/bin/zelvo.exe" REBUILD
  [ -s "$work/echoes" ] && break
  sleep 0.5
done
probed=$(wc -c <"$work/echoes")
printf 'ADDDATA,datakey="k",datastring="v"\nGETDATA,datakey="k"\nNOSUCH,\n' |
  "$wine" "$windows/bin/zelvo.exe" - >/dev/null || true  # NOSUCH fails the batch
sleep 0.5

expected='ADDDATA|datakey="k",datastring="v"|0|<none>
GETDATA|datakey="k"|0|v
NOSUCH|<none>|37|<none>'
tail -c +$((probed + 1)) "$work/echoes" >"$work/echoed"
echoed=$(cut -d'|' -f2- "$work/echoed")
caller=$(cut -d'|' -f1 "$work/echoed" | sort -u)
if [ "$echoed" = "$expected" ] && [[ "$caller" == *'\zelvo.exe' ]]; then
  echo "monitor: 1 passed, 0 failed"
else
  echo "echoes received:" >&2
  cat "$work/echoed" "$work/monitor.err" >&2
  echo "monitor: 0 passed, 1 failed"
  exit 1
fi
