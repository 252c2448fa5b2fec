#!/usr/bin/env bash
# Builds the tools, generates the data sets once (10,000, 100,000 and 1,000,000 transactions) and
# runs every benchmark on each, printing a table and writing benchmark-<N>.json.
#   tools/bench/run-benchmarks.sh [SIZES...]       e.g. tools/bench/run-benchmarks.sh 100000
# Environment: ZIMBREL_BUILD_DIR (default build), ZIMBREL_BENCH_DATA (default <build>/bench-data),
# ZIMBREL_BENCH_RUNS (timed runs per figure, median; default 3).
set -euo pipefail
cd "$(dirname "$0")/../.."

build_dir=${ZIMBREL_BUILD_DIR:-build}
data_root=${ZIMBREL_BENCH_DATA:-$build_dir/bench-data}
runs=${ZIMBREL_BENCH_RUNS:-3}
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(10000 100000 1000000)

./tools/install-deps.sh
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build_dir" --parallel "$(nproc)" --target zimbrel-datagen zimbrel-bench zimbrel-cli

for size in "${sizes[@]}"; do
    dir="$data_root/$size"
    if [ ! -f "$dir/zimbrel.db" ]; then
        echo "Generating $size transactions in $dir"
        "$build_dir/bin/zimbrel-datagen" --transactions "$size" "$dir" >/dev/null
    fi
    echo
    echo "== $size transactions ($(uname -m), $(nproc) cores)"
    "$build_dir/bin/zimbrel-bench" --data "$dir" --runs "$runs" --json "$build_dir/benchmark-$size.json" \
        2> >(grep -v '^WARN: QStandardPaths' >&2)
done
