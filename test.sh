#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test on the offscreen platform.
set -euo pipefail
cd "$(dirname "$0")"

./tools/install-deps.sh

# Sources stay as .clang-format lays them out (pinned formatter; --fix rewrites them).
./tools/format/check-format.sh

build_dir=${ZIMBREL_BUILD_DIR:-build}
jobs=$(nproc)
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo ${ZIMBREL_CMAKE_ARGS:-}
cmake --build "$build_dir" --parallel "$jobs"
# Each reader of untrusted input under libFuzzer for a few seconds (its own clang build directory).
./tools/fuzz/run-fuzzers.sh "${ZIMBREL_FUZZ_SECONDS:-5}"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build_dir" --output-on-failure --parallel "$jobs" --timeout 600
