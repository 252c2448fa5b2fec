#!/bin/bash
# Starts the app on a fresh data directory on a virtual X display and works it with the keyboard
# alone: continue past the welcome page, create an account, enter a payment in the register's
# blank row, quit. The stored row proves that no step needed the mouse.
# Usage: keyboard_only_x11.sh ZIMBREL_BINARY
set -euo pipefail

binary=$1

unset QT_QPA_PLATFORM
useWorkDirectory() {
    export HOME=$WORK/home XDG_CONFIG_HOME=$WORK/home/config XDG_DATA_HOME=$WORK/home/data
    export XDG_RUNTIME_DIR=$WORK/home/runtime ZIMBREL_DATA_DIR=$WORK/data
    mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
}

session() {
    useWorkDirectory
    "$binary" &
    app=$!
    # Without a window manager nobody gives the window the input focus; xdotool does, once.
    window=$(xdotool search --sync --onlyvisible --name "Corvantis Zimbrel" | head -1)
    xdotool windowfocus --sync "$window"
    sleep 0.5
    keys() { xdotool key --delay 120 "$@"; sleep 0.3; }
    text() { xdotool type --delay 40 "$1"; sleep 0.3; }

    keys Return                 # welcome page: Continue Without an Account
    keys Return                 # empty state: Create Account
    xdotool search --sync --onlyvisible --name "New Account" >/dev/null
    sleep 0.3
    text "Everyday"
    keys Return                 # account form: OK
    for _ in $(seq 50); do
        [[ -z "$(xdotool search --onlyvisible --name "New Account" 2>/dev/null)" ]] && break
        sleep 0.2
    done
    # Without a window manager the window is not made active again after the form closes:
    # xdotool gives it the focus back, as a window manager would.
    xdotool windowfocus --sync "$window"
    sleep 0.3
    keys Return t Tab Tab       # register: open the date, today, on to the payee
    text "Corner Bakery"
    keys Tab Tab Tab            # category, memo, payment
    text "4.25"
    keys ctrl+Return            # store it
    sleep 0.5
    keys ctrl+q
    for _ in $(seq 50); do
        kill -0 "$app" 2>/dev/null || break
        sleep 0.2
    done
    if kill -0 "$app" 2>/dev/null; then
        echo "FAIL: Ctrl+Q did not close the window" >&2
        kill "$app"
        exit 1
    fi
    wait "$app"
}
# Inside the virtual display the script runs again, to drive the app.
if [[ "${2:-}" == "--session" ]]; then
    session
    exit 0
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export WORK=$work
xvfb-run -a -s "-screen 0 1400x950x24" "$0" "$binary" --session
useWorkDirectory

stored=$(sqlite3 "$ZIMBREL_DATA_DIR/zimbrel.db" \
    "SELECT a.name || '|' || t.payee || '|' || t.amount || '|' || t.date FROM transactions t JOIN accounts a ON a.id = t.account_id WHERE t.deleted_at IS NULL")
expected="Everyday|Corner Bakery|-425|$(date +%Y-%m-%d)"
if [[ "$stored" != "$expected" ]]; then
    echo "FAIL: stored '$stored', expected '$expected'" >&2
    exit 1
fi
echo "PASS: $stored"
