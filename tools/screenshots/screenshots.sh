#!/usr/bin/env bash
# Screenshots of the main window (register in both layouts, a completion list, the welcome page)
# and of every secondary window, on a virtual X display of the given size and scale, in the given
# themes and language. The data is copied first: the source is never written to.
#
#   tools/screenshots/screenshots.sh [--size WxH] [--scale N] [--theme light|dark|both]
#       [--language CODE] [--data sample|datagen:N|DIR] [--out DIR] [--build DIR]
#
# --data sample       the developer sample data (the default)
# --data datagen:N    N generated transactions (tools/datagen)
# --data DIR          a copy of DIR/zimbrel.db
# Files are named OUT/ (build/screenshots by default) WxH[@Nx]-THEME[-LANG]-WINDOW.png. Needs xvfb-run (xvfb) and the fonts of
# tools/install-deps.sh; ZIMBREL_WITH_X=1 tools/install-deps.sh installs them.
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
size=1024x700
scale=1
themes=both
language=en
data=sample
out=$root/build/screenshots
build=${ZIMBREL_BUILD_DIR:-$root/build}

usage() {
    sed -n '2,14p' "$0" | sed 's/^# \{0,1\}//'
    exit 2
}

while [ $# -gt 0 ]; do
    case $1 in
        --size) size=$2; shift 2 ;;
        --scale) scale=$2; shift 2 ;;
        --theme) themes=$2; shift 2 ;;
        --language) language=$2; shift 2 ;;
        --data) data=$2; shift 2 ;;
        --out) out=$2; shift 2 ;;
        --build) build=$2; shift 2 ;;
        -h|--help) usage ;;
        *) echo "screenshots.sh: unknown argument $1" >&2; usage ;;
    esac
done

[[ $size =~ ^[0-9]+x[0-9]+$ ]] || { echo "screenshots.sh: --size needs WxH, e.g. 1024x700" >&2; exit 2; }
[[ $scale =~ ^[0-9]+(\.[0-9]+)?$ ]] || { echo "screenshots.sh: --scale needs a number" >&2; exit 2; }
[[ $language =~ ^[a-z]{2}$ ]] || { echo "screenshots.sh: --language needs a two-letter code" >&2; exit 2; }
case $themes in
    both) themes="light dark" ;;
    light|dark) ;;
    *) echo "screenshots.sh: --theme is light, dark or both" >&2; exit 2 ;;
esac
command -v xvfb-run >/dev/null || { echo "screenshots.sh: xvfb-run is missing (ZIMBREL_WITH_X=1 tools/install-deps.sh)" >&2; exit 1; }
for tool in zimbrel-screenshots zimbrel-cli zimbrel-datagen; do
    [ -x "$build/bin/$tool" ] || { echo "screenshots.sh: $build/bin/$tool is missing; build it first" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/source" "$work/files" "$out"

# Import files to show in the import window, whatever the data.
"$build/bin/zimbrel-datagen" --transactions 60 --no-db "$work/files" >/dev/null

case $data in
    sample)
        ZIMBREL_DATA_DIR=$work/source "$build/bin/zimbrel-cli" sample-data load >/dev/null ;;
    datagen:*)
        "$build/bin/zimbrel-datagen" --transactions "${data#datagen:}" "$work/source" >/dev/null ;;
    *)
        [ -f "$data/zimbrel.db" ] || { echo "screenshots.sh: no zimbrel.db in $data" >&2; exit 2; }
        cp "$data/zimbrel.db" "$work/source/" ;;
esac

name=$size
[ "$scale" != 1 ] && name="$name@${scale}x"
for theme in $themes; do
    # A fresh copy and fresh settings for each run: one theme's run leaves nothing to the next.
    run=$work/run-$theme
    mkdir -p "$run/data" "$run/config/Corvantis" "$run/runtime"
    chmod 700 "$run/runtime"
    cp "$work/source/zimbrel.db" "$run/data/"
    printf '[ui]\nlanguage=%s\n' "$language" >"$run/config/Corvantis/Zimbrel.conf"
    prefix="$name-$theme"
    [ "$language" != en ] && prefix="$prefix-$language"
    env -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="$scale" \
        HOME="$run" XDG_CONFIG_HOME="$run/config" XDG_DATA_HOME="$run/share" XDG_CACHE_HOME="$run/cache" \
        XDG_RUNTIME_DIR="$run/runtime" ZIMBREL_DATA_DIR="$run/data" ZIMBREL_TOKEN_STORE=file \
        xvfb-run -a -s "-screen 0 ${size}x24" \
        "$build/bin/zimbrel-screenshots" --out "$out" --prefix "$prefix" --theme "$theme" \
        --import-files "$work/files"
done
