#!/usr/bin/env bash
# The main job: installs what is missing, builds, and runs a session of
# commands through the real library with the command-line host.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
scripts/build.sh plain

zelvo=build/bin/zelvo
echo "== One command at a time"
$zelvo UPDATEUSER 'firstname="Ann",lastname="Smith",country_id="76",optin="1"'
echo "GETVALUE UFNM: $($zelvo GETVALUE valname=UFNM)"
echo "GETVALUE URGN: $($zelvo GETVALUE valname=URGN)"
$zelvo ADDDATA 'datakey="Recent",datastring="report.prj"'
$zelvo ADDDATA 'datakey="recent",datastring="budget.prj"'
echo "GETDATA Recent: $($zelvo GETDATA datakey=Recent)"

echo "== A script of commands in one process (the last two fail on purpose)"
batch=0
$zelvo - <<'COMMANDS' || batch=$?
GETDATA,datakey="RECENT"
DELDATA,datakey="Recent",datastring="report.prj"
GETDATA,datakey="Recent"
GETDATA,datakey="nothing"
frobnicate
COMMANDS
echo "the script ended with $batch: some of its lines failed"

echo "== A window command: the tool shows its start page and, silent, closes itself"
# The library finds the tool in libexec/ beside its own folder, as installed.
# Without a display, a virtual one is started.
if [ -z "${DISPLAY:-}" ]; then
  display_file=$(mktemp)
  source scripts/virtual-display.sh
  start_virtual_display "$display_file"
  trap 'kill $virtual_display_pid 2>/dev/null || true; rm -f "$display_file"' EXIT
  export DISPLAY=$virtual_display
fi
[ "$(id -u)" -ne 0 ] || export QTWEBENGINE_DISABLE_SANDBOX=1
status=0
$zelvo LINK 'silent="1"' || status=$?
echo "LINK gave $status"
