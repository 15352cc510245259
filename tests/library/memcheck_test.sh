#!/usr/bin/env bash
# The host and the real library under valgrind's memcheck, running every
# command: no invalid access, no use of undefined memory, no leak.
set -euo pipefail
cli=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export ZELVO_COMMON_APPDATA=$work ZELVO_COMMON_FILES=$work/no-tool
unset XDG_RUNTIME_DIR
# Some lines fail on purpose, so the batch ends with 1; memcheck's own
# findings end it with 99.
status=0
valgrind --tool=memcheck --error-exitcode=99 --leak-check=full --errors-for-leak-kinds=definite,indirect \
  --quiet "$cli" - >"$work/out" <<'COMMANDS' || status=$?
UPDATEUSER,first="Ann",last="Lee",email="a@b.c",country="76",optin="1",memberid="m7"
GETVALUE,valname="UFNM"
GETVALUE,valname="URGN"
GETVALUE,valname="UOPT"
GETVALUE,valname="ufnm"
ADDDATA,datakey="Recent",datastring="a.prj"
ADDDATA,datakey="recent",datastring="b.prj"
GETDATA,datakey="RECENT"
DELDATA,datakey="recent",datastring="a.prj"
GETDATA,datakey="nothing"
ADDDATA,datakey="k"
REBUILD
LINK,url="support",lang="de"
INFODISPLAY
DEBUGDISPLAY
DELUSER
DELUSER
NOSUCH,x=1
COMMANDS
[ "$status" -eq 1 ] || { echo "batch ended with $status"; exit 1; }
expected=$'0\t\n0\tAnn\n0\tFRA\n28\t\n28\t\n0\t\n0\t\n0\ta.prj,b.prj\n0\t\n32\t\n48\t\n0\t\n45\t\n45\t\n45\t\n0\t\n26\t\n37\t'
[ "$(cat "$work/out")" = "$expected" ] || { echo "unexpected answers:"; cat "$work/out"; exit 1; }
echo "memcheck clean"
