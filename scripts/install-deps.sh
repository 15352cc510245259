#!/usr/bin/env bash
# Installs what building and testing Zelvo needs on Debian 12, skipping what
# is there already. Run as root (or through sudo).
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config python3
  libssl-dev libacl1-dev acl
  libgtest-dev libgmock-dev libbenchmark-dev libsqlite3-dev
  clang libclang-rt-14-dev
  qt6-base-dev qt6-webengine-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  libxcb1-dev libgl-dev
  xvfb xauth openbox imagemagick librsvg2-bin valgrind fonts-dejavu-core
  debhelper dpkg-dev lintian xdg-utils desktop-file-utils
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix wine wine32 wine64 nsis zip unzip
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  sudo_prefix=()
  [ "$(id -u)" -eq 0 ] || sudo_prefix=(sudo)
  # wine32, for the 32-bit Windows programs, comes from the i386 architecture.
  dpkg --print-foreign-architectures | grep -qx i386 || "${sudo_prefix[@]}" dpkg --add-architecture i386
  "${sudo_prefix[@]}" apt-get update -qq
  "${sudo_prefix[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
