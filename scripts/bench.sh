#!/usr/bin/env bash
# Builds and runs the benchmarks and prints each command's time beside its
# floor measured in the same run, as a table of ratios.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build -G Ninja -DZELVO_BUILD_BENCHMARKS=ON >/dev/null
cmake --build build --target zelvo_data_store_bench
results=$(mktemp)
trap 'rm -f "$results"' EXIT
build/bin/zelvo_data_store_bench --benchmark_min_time="${BENCH_MIN_TIME:-0.5}" \
  --benchmark_format=json >"$results"
python3 scripts/bench_table.py "$results"
