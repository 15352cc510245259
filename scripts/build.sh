#!/usr/bin/env bash
# Configures and builds one build tree: `scripts/build.sh plain` (build/) or
# `scripts/build.sh sanitize` (build-sanitize/, AddressSanitizer and
# UndefinedBehaviorSanitizer, the engine and the library) or `scripts/build.sh fuzz` (build-fuzz/, the
# libFuzzer targets, with clang).
set -euo pipefail
cd "$(dirname "$0")/.."

kind=${1:-plain}
case "$kind" in
  plain) dir=build; flags=() ;;
  sanitize) dir=build-sanitize; flags=(-DZELVO_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug -DZELVO_BUILD_TOOL=OFF) ;;
  fuzz)
    dir=build-fuzz
    flags=(-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DZELVO_SANITIZE=ON
           -DZELVO_BUILD_FUZZERS=ON -DZELVO_BUILD_TESTS=OFF -DZELVO_BUILD_TOOL=OFF)
    ;;
  win32) dir=build-win32; flags=(-DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-i686.cmake) ;;
  win64) dir=build-win64; flags=(-DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-x86_64.cmake) ;;
  *) echo "usage: $0 [plain|sanitize|fuzz|win32|win64]" >&2; exit 2 ;;
esac

cmake -S . -B "$dir" -G Ninja -DZELVO_WERROR=ON "${flags[@]}" >/dev/null
cmake --build "$dir" -j "$(nproc)"
