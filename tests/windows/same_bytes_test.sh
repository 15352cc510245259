#!/usr/bin/env bash
# The Windows build (Zelvo.dll and zelvo.exe under Wine) against the Linux
# build: the binaries export the two entry points and import system DLLs
# only; the same commands give the same answers and write the same bytes;
# each build reads and changes what the other wrote.
#   same_bytes_test.sh LINUX_BUILD WINDOWS_BUILD...
set -euo pipefail
linux=$1
shift
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export WINEPREFIX=${WINEPREFIX:-$work/wine} WINEDEBUG=-all
passes=0
failures=0
pass() { passes=$((passes + 1)); }
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# Commands of every kind, some failing, with text beyond ASCII.
cat >"$work/commands" <<'COMMANDS'
ADDDATA,datakey="Recent",datastring="a.prj"
ADDDATA,datakey="recent",datastring="B.prj"
ADDDATA,datakey="Grüße",datastring="Ünïcödé ✓"
ADDDATA,datakey="gone",datastring="x"
DELDATA,datakey="gone",datastring="x"
DELDATA,datakey="nothing",datastring="x"
GETDATA,datakey="RECENT"
GETDATA,datakey="grüße"
GETDATA,datakey="missing"
ADDDATA,datakey="k"
UPDATEUSER,first="Ann",last="Lee",email="ann@example.org",country="76",optin="1",memberid="m7"
GETVALUE,valname="UFNM"
GETVALUE,valname="URGN"
GETVALUE,valname="UOPT"
REBUILD,
NOSUCH,
COMMANDS

# Some commands fail on purpose: the batch status is 1, the answers are compared.
run_linux() { ZELVO_COMMON_APPDATA=$1 "$linux/bin/zelvo" - <"$2" || true; }
wine=$(dirname "$0")/../../scripts/wine-run.sh
run_windows() { ZELVO_COMMON_APPDATA="Z:${1//\//\\}" "$wine" "$3/bin/zelvo.exe" - <"$2" || true; }
store() { echo "$1/Orvane Systems/Zelvo/$2"; }

# The public header, alone, as C and as C++, for both architectures.
for arch in i686 x86_64; do
  $arch-w64-mingw32-gcc -std=c11 -pedantic -Wall -Wextra -Werror -I"$(dirname "$0")/../../library/include" \
    -c "$(dirname "$0")/../library/header_test.c" -o "$work/header-$arch.o" && pass ||
    fail "zelvo.h as C for $arch"
  $arch-w64-mingw32-g++ -x c++ -std=c++20 -Wall -Wextra -Werror -I"$(dirname "$0")/../../library/include" \
    -c "$(dirname "$0")/../library/header_test.c" -o "$work/header-$arch-cxx.o" && pass ||
    fail "zelvo.h as C++ for $arch"
done

for windows in "$@"; do
  name=$(basename "$windows")
  objdump=
  for candidate in /usr/bin/*-w64-mingw32-objdump; do
    "$candidate" -p "$windows/bin/Zelvo.dll" >/dev/null 2>&1 && objdump=$candidate && break
  done
  [ -n "$objdump" ] || { fail "$name: no objdump reads Zelvo.dll"; continue; }
  exports=$("$objdump" -p "$windows/bin/Zelvo.dll" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' |
    grep -o 'ZelvoCommand[AW]' | sort | tr '\n' ' ')
  [ "$exports" = "ZelvoCommandA ZelvoCommandW " ] && pass || fail "$name exports: $exports"
  for binary in Zelvo.dll zelvo.exe; do
    imports=$("$objdump" -p "$windows/bin/$binary" | awk '/DLL Name:/ {print tolower($3)}' | sort -u)
    for dll in $imports; do
      case "$dll" in
        kernel32.dll | advapi32.dll | shell32.dll | user32.dll | msvcrt.dll) pass ;;
        *) fail "$name/$binary imports $dll" ;;
      esac
    done
  done

  if "$objdump" -f "$windows/bin/zelvo.exe" | grep -q 'pei-i386' && ! "$wine" --runs-32-bit; then
    echo "$name: not run, this machine runs no 32-bit programs" >&2
    continue
  fi
  mkdir -p "$work/$name/linux" "$work/$name/windows"
  run_linux "$work/$name/linux" "$work/commands" >"$work/$name/linux.out"
  run_windows "$work/$name/windows" "$work/commands" "$windows" >"$work/$name/windows.out"
  cmp -s "$work/$name/linux.out" "$work/$name/windows.out" && pass ||
    fail "$name answers differ: $(diff "$work/$name/linux.out" "$work/$name/windows.out" | head -n 5)"
  for file in data.zd2 user.zu2 fixed.zfix; do
    cmp -s "$(store "$work/$name/linux" $file)" "$(store "$work/$name/windows" $file)" && pass ||
      fail "$name: $file differs between the builds"
  done

  # Each build changes what the other wrote, in the same way.
  printf 'ADDDATA,datakey="recent",datastring="c.prj"\nGETDATA,datakey="recent"\nGETVALUE,valname="UMID"\n' \
    >"$work/more"
  run_windows "$work/$name/linux" "$work/more" "$windows" >"$work/$name/windows-on-linux.out"
  run_linux "$work/$name/windows" "$work/more" >"$work/$name/linux-on-windows.out"
  printf '0\t\n0\tB.prj,a.prj,c.prj\n0\tm7\n' >"$work/expected"
  for out in windows-on-linux linux-on-windows; do
    cmp -s "$work/expected" "$work/$name/$out.out" && pass || fail "$name $out: $(cat "$work/$name/$out.out")"
  done
  cmp -s "$(store "$work/$name/linux" data.zd2)" "$(store "$work/$name/windows" data.zd2)" && pass ||
    fail "$name: data.zd2 differs after the crossed changes"
done

echo "windows: $passes passed, $failures failed"
[ "$failures" -eq 0 ]
