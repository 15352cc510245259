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

echo "== A script of commands in one process"
$zelvo - <<'COMMANDS'
GETDATA,datakey="RECENT"
DELDATA,datakey="Recent",datastring="report.prj"
GETDATA,datakey="Recent"
GETDATA,datakey="nothing"
frobnicate
COMMANDS

echo "== A window command"
status=0
$zelvo INFODISPLAY || status=$?
echo "INFODISPLAY gave $status"
