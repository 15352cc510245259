#!/usr/bin/env bash
# Configures and builds one build tree: `scripts/build.sh plain` (build/) or
# `scripts/build.sh sanitize` (build-sanitize/, AddressSanitizer and
# UndefinedBehaviorSanitizer).
set -euo pipefail
cd "$(dirname "$0")/.."

kind=${1:-plain}
case "$kind" in
  plain) dir=build; flags=() ;;
  sanitize) dir=build-sanitize; flags=(-DZELVO_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug) ;;
  *) echo "usage: $0 [plain|sanitize]" >&2; exit 2 ;;
esac

cmake -S . -B "$dir" -G Ninja -DZELVO_WERROR=ON "${flags[@]}" >/dev/null
cmake --build "$dir" -j "$(nproc)"
