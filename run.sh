#!/usr/bin/env bash
# Installs what is missing, builds the app and starts it.
set -euo pipefail
cd "$(dirname "$0")"

./tools/install-deps.sh

build_dir=${ZIMBREL_BUILD_DIR:-build}
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo ${ZIMBREL_CMAKE_ARGS:-}
cmake --build "$build_dir" --parallel "$(nproc)" --target zimbrel zimbrel-cli
exec "$build_dir/bin/zimbrel" "$@"
