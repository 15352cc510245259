#!/usr/bin/env bash
# Builds the Windows setup program and the SDK from the two cross builds:
#   build-packages/zelvo-<version>-setup.exe   (NSIS, packaging/windows/zelvo.nsi)
#   build-packages/zelvo-<version>-sdk.zip
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/build.sh win32
scripts/build.sh win64

version=$(sed -n 's/^project(Zelvo VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
out=$PWD/build-packages
stage=$out/stage
sdk=$out/zelvo-$version-sdk
rm -rf "$out"
mkdir -p "$stage/x86" "$stage/x64" "$sdk/include" "$sdk/lib/x86" "$sdk/lib/x64" \
  "$sdk/bin/x86" "$sdk/bin/x64" "$sdk/example"

# What ships is stripped of its debugging information.
for file in ZelvoTool.exe ZelvoTool-DEU.dll Zelvo.dll zelvo.exe zelvo-monitor.exe; do
  i686-w64-mingw32-strip -o "$stage/x86/$file" "build-win32/bin/$file"
done
for file in Zelvo.dll zelvo.exe; do
  x86_64-w64-mingw32-strip -o "$stage/x64/$file" "build-win64/bin/$file"
done

makensis -V2 -DVERSION="$version" -DSTAGE="$stage" -DOUTFILE="$out/zelvo-$version-setup.exe" \
  packaging/windows/zelvo.nsi

cp library/include/zelvo.h "$sdk/include/"
cp library/zelvo.def "$sdk/lib/"
for arch in x86 x64; do
  build=build-win32
  [ "$arch" = x64 ] && build=build-win64
  cp "$build/bin/zelvo.lib" "$build/library/libzelvo.dll.a" "$sdk/lib/$arch/"
  cp "$stage/$arch/Zelvo.dll" "$stage/$arch/zelvo.exe" "$sdk/bin/$arch/"
done
cp examples/host.c "$sdk/example/"
sed "s/@VERSION@/$version/" packaging/windows/sdk-README.txt | sed 's/$/\r/' >"$sdk/README.txt"
(cd "$out" && rm -f "zelvo-$version-sdk.zip" && zip -qr "zelvo-$version-sdk.zip" "zelvo-$version-sdk")
rm -rf "$stage" "$sdk"
echo "$out/zelvo-$version-setup.exe"
echo "$out/zelvo-$version-sdk.zip"
