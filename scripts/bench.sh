#!/usr/bin/env bash
# Builds and runs the benchmarks and prints the project's performance record:
# each operation beside its floor (and SQLite) measured in the same run.
#   BENCH_MIN_TIME  seconds per benchmark (default 0.5)
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build -G Ninja -DZELVO_BUILD_BENCHMARKS=ON >/dev/null
cmake --build build
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
min_time=${BENCH_MIN_TIME:-0.5}

echo "## The data store, in process"
build/bin/zelvo_data_store_bench --benchmark_min_time="$min_time" --benchmark_format=json >"$work/store.json"
python3 scripts/bench_table.py floors "$work/store.json"

echo
echo "## Every command through libzelvo.so"
for entries in 10 1000 100000; do
  build/bin/zelvo_commands_bench --entries=$entries --benchmark_min_time="$min_time" \
    --benchmark_format=json >"$work/commands-$entries.json"
done
python3 scripts/bench_table.py commands "$work"/commands-10.json "$work"/commands-1000.json \
  "$work"/commands-100000.json

echo
echo "## Loading the library, by the size of data.zd2"
build/bin/zelvo_load_bench

echo
echo "## ZelvoTool"
python3 scripts/tool_timing.py "build/libexec/Orvane Systems/Zelvo/ZelvoTool" build/bin/zelvo-x11-helper
