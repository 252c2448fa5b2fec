#!/usr/bin/env bash
# Fails when a C++ source differs from what .clang-format makes of it, naming the files.
# `tools/format/check-format.sh --fix` rewrites them in place instead. The formatter is pinned
# to Debian 12's clang-format 14: another version lays out some constructs differently.
set -euo pipefail
cd "$(dirname "$0")/../.."

formatter=${CLANG_FORMAT:-clang-format-14}
if ! command -v "$formatter" >/dev/null; then
    echo "check-format: $formatter not found (tools/install-deps.sh installs it)" >&2
    exit 1
fi

mapfile -d '' files < <(find src cli server tools tests \( -name build -o -name 'build-*' \) -prune -o \
    -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z)

if [ "${1:-}" = "--fix" ]; then
    "$formatter" -i "${files[@]}"
    exit 0
fi

# One run over every file; its diagnostics name each file that would change.
report=$("$formatter" --dry-run --Werror "${files[@]}" 2>&1) && status=0 || status=$?
if [ "$status" -ne 0 ]; then
    echo "check-format: these files are not formatted; run tools/format/check-format.sh --fix:" >&2
    printf '%s\n' "$report" | sed -n 's/^\([^:]*\):[0-9]*:[0-9]*: error: code should be clang-formatted.*/  \1/p' | sort -u >&2
    exit 1
fi
echo "check-format: ${#files[@]} files formatted"
