#!/usr/bin/env bash
# Kills an import, a restore and a run of register edits with SIGKILL at random moments, ROUNDS
# times each (default 20), and after every kill checks the database: SQLite's integrity check,
# the full-text index against its table, and all or nothing (an import or restore left either
# every row or none; the edits left only whole transfer pairs). Prints the figures; exits 1 on
# the first broken promise, keeping its data directory.
#   tools/killcheck/kill-check.sh [ROUNDS] [RECORDS]
set -euo pipefail
cd "$(dirname "$0")/../.."
rounds=${1:-20}
records=${2:-30000}
bin=${ZIMBREL_BUILD_DIR:-build}/bin
cli="$bin/zimbrel-cli"
for tool in "$cli" "$bin/zimbrel-editloop"; do
    [ -x "$tool" ] || { echo "kill-check: build $tool first (cmake --build build)"; exit 2; }
done
command -v sqlite3 >/dev/null || { echo "kill-check: sqlite3 is needed"; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
json_id() { sed -n 's/^ *"id": "\([^"]*\)".*/\1/p' | head -1; }
now() { date +%s.%N; }

# A template data directory with two accounts, the input files and a backup of the rows.
template="$work/template"
from=$("$cli" --data-dir "$template" account-add From | json_id)
to=$("$cli" --data-dir "$template" account-add To | json_id)
awk -v n="$records" 'BEGIN { print "Date,Payee,Amount,Memo"; for (i = 0; i < n; ++i)
    printf "%02d/%02d/2025,Kill %d,-%d.%02d,memo %d\n", 1 + i % 12, 1 + i % 28, i, i % 500, i % 100, i }' > "$work/rows.csv"
full="$work/full"
cp -r "$template" "$full"
"$cli" --data-dir "$full" import-csv "$work/rows.csv" --account "$from" > /dev/null
"$cli" --data-dir "$full" backup-export "$work/backup.zip" > /dev/null

query() { sqlite3 "$1/zimbrel.db" "$2"; }
fail() {
    keep="$work.failed"
    cp -r "$2" "$keep"
    trap - EXIT
    echo "kill-check: $1 (data directory kept in $keep)"
    exit 1
}
check_common() {
    local dir=$1
    [ "$(query "$dir" 'PRAGMA integrity_check')" = ok ] || fail "integrity check failed after $2" "$dir"
    query "$dir" "INSERT INTO transactions_fts(transactions_fts, rank) VALUES('integrity-check', 1)" \
        || fail "the full-text index does not match its table after $2" "$dir"
}

# Runs one operation in the background, kills it after a random share of `duration` seconds,
# and says whether it had finished by then.
run_and_kill() {
    local duration=$1
    shift
    "$@" > /dev/null 2>&1 &
    local pid=$!
    sleep "$(awk -v d="$duration" -v r="$RANDOM" 'BEGIN { printf "%.3f", d * r / 32767 }')"
    # A process that has ended stays a zombie until waited for, and kill succeeds on it.
    local state
    state=$(ps -o stat= -p "$pid" 2>/dev/null || true)
    kill -9 "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    if [ -n "$state" ] && [ "${state:0:1}" != Z ]; then echo killed; else echo finished; fi
}

timed() {
    local start
    start=$(now)
    "$@" > /dev/null 2>&1
    awk -v s="$start" -v e="$(now)" 'BEGIN { printf "%.3f", (e - s) * 1.2 }'
}

declare -A killed finished none all
for op in import restore edit; do killed[$op]=0; finished[$op]=0; none[$op]=0; all[$op]=0; done

cp -r "$template" "$work/probe"
import_time=$(timed "$cli" --data-dir "$work/probe" import-csv "$work/rows.csv" --account "$from")
rm -rf "$work/probe"; cp -r "$template" "$work/probe"
restore_time=$(timed "$cli" --data-dir "$work/probe" backup-import "$work/backup.zip" --mode replace)
rm -rf "$work/probe"
edit_time=3

for round in $(seq 1 "$rounds"); do
    for op in import restore edit; do
        dir="$work/round"
        rm -rf "$dir"
        cp -r "$template" "$dir"
        case $op in
        import) outcome=$(run_and_kill "$import_time" "$cli" --data-dir "$dir" import-csv "$work/rows.csv" --account "$from") ;;
        restore) outcome=$(run_and_kill "$restore_time" "$cli" --data-dir "$dir" backup-import "$work/backup.zip" --mode replace) ;;
        edit) outcome=$(run_and_kill "$edit_time" "$bin/zimbrel-editloop" "$dir" "$from" "$to") ;;
        esac
        if [ "$outcome" = killed ]; then killed[$op]=$((killed[$op] + 1)); else finished[$op]=$((finished[$op] + 1)); fi
        check_common "$dir" "a killed $op"
        case $op in
        import | restore)
            stored=$(query "$dir" "SELECT COUNT(*) FROM transactions WHERE payee LIKE 'Kill %'")
            if [ "$stored" -eq 0 ]; then none[$op]=$((none[$op] + 1))
            elif [ "$stored" -eq "$records" ]; then all[$op]=$((all[$op] + 1))
            else fail "a killed $op left $stored of $records rows" "$dir"; fi
            ;;
        edit)
            broken=$(query "$dir" "SELECT COUNT(*) FROM transactions t WHERE t.transfer_link_id != '' AND NOT EXISTS
                (SELECT 1 FROM transactions p WHERE p.id = t.transfer_link_id AND p.transfer_link_id = t.id
                 AND p.amount = -t.amount AND p.memo = t.memo AND (p.deleted_at IS NULL) = (t.deleted_at IS NULL))")
            [ "$broken" -eq 0 ] || fail "killed edits left $broken transfer legs without their partner" "$dir"
            pairs=$(query "$dir" "SELECT COUNT(*) / 2 FROM transactions WHERE deleted_at IS NULL")
            if [ "$pairs" -eq 0 ]; then none[$op]=$((none[$op] + 1)); else all[$op]=$((all[$op] + 1)); fi
            ;;
        esac
    done
done

echo "kill-check: $rounds rounds of each, $records rows per import and restore (kill within ${import_time}s / ${restore_time}s / ${edit_time}s)"
for op in import restore edit; do
    echo "  $op: ${killed[$op]} killed mid-way, ${finished[$op]} finished first; afterwards ${none[$op]} with nothing, ${all[$op]} with everything$([ $op = edit ] && echo ' (whole pairs only)'); integrity and full-text index ok every time"
done
