#!/usr/bin/env bash
# The reliability campaign (RELIABILITY.md): a long run of every fuzzer, the
# kill tests with hundreds of kills, and the concurrency and hostile-input
# tests, over the plain build. Takes about 15 minutes.
#   FUZZ_SECONDS  seconds per fuzzer (default 200)
#   KILL_ROUNDS   kills per store (default 300)
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
scripts/build.sh plain
scripts/build.sh fuzz

work=$(mktemp -d)
echo "== Fuzzing (${FUZZ_SECONDS:-200} s each), corpora and logs in $work"
for fuzzer in store_file parameters dispatch; do
  mkdir -p "$work/corpus-$fuzzer"
  build-fuzz/bin/${fuzzer}_fuzzer -max_total_time="${FUZZ_SECONDS:-200}" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$work/$fuzzer-" "$work/corpus-$fuzzer" "fuzz/seeds/$fuzzer" \
    >"$work/$fuzzer.log" 2>&1 || { echo "$fuzzer found a fault: see $work"; exit 1; }
  grep -E 'stat::(number_of_executed_units|average_exec_per_sec|new_units_added|peak_rss_mb)' "$work/$fuzzer.log" |
    sed "s/^/$fuzzer /"
done

echo "== Kills (${KILL_ROUNDS:-300} per store), concurrency, hostile input"
ZELVO_KILL_ROUNDS=${KILL_ROUNDS:-300} build/bin/zelvo_process_tests --gtest_brief=1

echo "== Memcheck"
tests/library/memcheck_test.sh build/bin/zelvo
