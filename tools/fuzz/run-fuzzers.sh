#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer in their own build directory and runs each for
# SECONDS (default 5), seeded from the test fixtures and ../shared/corpus. Prints one line per
# target with its runs and findings; exits 1 when a target found a crash (the input is kept in
# the build directory's fuzz/crashes/). Skips, with a note, where clang or libFuzzer is missing.
#   tools/fuzz/run-fuzzers.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/../.."

seconds=${1:-5}
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    targets=(importtext qifparser amountdate csv ziparchive backuprow)
fi
build_dir=${ZIMBREL_FUZZ_BUILD_DIR:-build-fuzz}

if ! command -v clang++ >/dev/null || ! compgen -G "/usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a" >/dev/null; then
    echo "fuzz: clang or libFuzzer is not installed; skipped"
    exit 0
fi

mkdir -p "$build_dir"
build_log="$build_dir/fuzz-build.log"
if ! { [ -f "$build_dir/CMakeCache.txt" ] || CC=clang CXX=clang++ cmake -S . -B "$build_dir" -G Ninja \
           -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZIMBREL_FUZZ=ON -DZIMBREL_BUILD_TESTS=OFF -DZIMBREL_BUILD_TOOLS=OFF; } \
       >"$build_log" 2>&1 \
   || ! cmake --build "$build_dir" --parallel "$(nproc)" --target "${targets[@]/#/fuzz_}" >>"$build_log" 2>&1; then
    tail -30 "$build_log"
    echo "fuzz: the fuzz targets did not build"
    exit 1
fi

# Seeds: the files each reader is meant for. The corpus directory grows with what the fuzzer finds.
corpus_root=${ZIMBREL_CORPUS_DIR:-../shared/corpus}
seed() {
    local target=$1
    shift
    local dir="$build_dir/fuzz/corpus/$target"
    mkdir -p "$dir"
    for pattern in "$@"; do
        find $pattern -type f -size -1024k 2>/dev/null | while read -r file; do
            cp -n "$file" "$dir/$(sha1sum "$file" | cut -c1-16)" 2>/dev/null || true
        done
    done
}
seed importtext "tests/fixtures/import" "$corpus_root/csv" "$corpus_root/qif"
seed qifparser "tests/fixtures/import" "$corpus_root/qif"
seed amountdate "tests/fixtures/import/qif"
seed csv "$corpus_root/csv"
seed ziparchive "tests/fixtures/backup"
seed backuprow "tests/fixtures/backup"

mkdir -p "$build_dir/fuzz/crashes"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
export QT_QPA_PLATFORM=offscreen
failed=0
for target in "${targets[@]}"; do
    log="$build_dir/fuzz/$target.log"
    status=0
    "$build_dir/fuzz/fuzz_$target" -max_total_time="$seconds" -rss_limit_mb=2048 -max_len=1048576 -timeout=20 \
        -artifact_prefix="$build_dir/fuzz/crashes/$target-" "$build_dir/fuzz/corpus/$target" >"$log" 2>&1 || status=$?
    runs=$(grep -o 'Done [0-9]* runs' "$log" | tail -1 | grep -o '[0-9]*' || true)
    corpus=$(grep -o 'corp: [0-9]*' "$log" | tail -1 | grep -o '[0-9]*' || true)
    if [ "$status" -ne 0 ]; then
        failed=1
        echo "fuzz_$target: FOUND A FAULT after ${runs:-?} runs; see $log and $build_dir/fuzz/crashes/"
        grep -m5 -E 'ERROR|SUMMARY|deadly signal' "$log" || true
    else
        echo "fuzz_$target: ${runs:-0} runs in ${seconds}s, corpus ${corpus:-0} inputs, nothing found"
    fi
done
exit $failed
