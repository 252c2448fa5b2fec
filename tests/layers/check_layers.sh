#!/usr/bin/env bash
# Fails, naming the file and the line, when a source includes a header of a layer above its own.
# From the bottom up: the core (data, services, sync, account, the update checker's non-widget
# files), then ui/widgets, then the register, screens and dialogs, then the app shell. The core
# includes no widget header at all.
#
# usage: check_layers.sh SRC_DIR QTWIDGETS_INCLUDE_DIR
set -u

src=${1:?usage: check_layers.sh SRC_DIR QTWIDGETS_INCLUDE_DIR}
qtwidgets=${2:?usage: check_layers.sh SRC_DIR QTWIDGETS_INCLUDE_DIR}
src=${src%/}

# The update checker's dialogs and flows are widget code beside its widget-free client.
update_widget_files=" dialogparts updatedialog updateflows updateprogress whatsnewdialog "

# The layer of a path relative to src: core, libwidgets (widget code of the account and update
# libraries, outside this ladder), widgets, screens, app, or other.
layer_of() {
    local path=$1
    case $path in
    account/widgets/*) echo libwidgets ;;
    data/* | services/* | sync/* | account/*) echo core ;;
    update/*)
        local base=${path#update/}
        base=${base%.*}
        if [[ $update_widget_files == *" $base "* ]]; then echo libwidgets; else echo core; fi
        ;;
    ui/widgets/*) echo widgets ;;
    ui/register/* | ui/screens/* | ui/dialogs/*) echo screens ;;
    app/*) echo app ;;
    *) echo other ;;
    esac
}

rank_of() {
    case $1 in
    core) echo 0 ;;
    widgets) echo 1 ;;
    screens) echo 2 ;;
    app) echo 3 ;;
    *) echo -1 ;;
    esac
}

# Widget headers by the names code includes them with: <QWidget>, <qwidget.h>, <QtWidgets/...>.
declare -A widget_header=()
if [[ -d $qtwidgets ]]; then
    for header in "$qtwidgets"/*; do
        widget_header[${header##*/}]=1
    done
else
    echo "check_layers: no QtWidgets headers at $qtwidgets" >&2
    exit 2
fi

include_pattern='^[[:space:]]*#[[:space:]]*include[[:space:]]*(["<])([^">]+)[">]'
failures=0
while IFS= read -r -d '' file; do
    rel=${file#"$src"/}
    from=$(layer_of "$rel")
    from_rank=$(rank_of "$from")
    [[ $from_rank -lt 0 ]] && continue
    dir=$(dirname "$rel")
    line_number=0
    while IFS= read -r line; do
        line_number=$((line_number + 1))
        [[ $line =~ $include_pattern ]] || continue
        kind=${BASH_REMATCH[1]}
        header=${BASH_REMATCH[2]}
        problem=
        if [[ $kind == '<' ]]; then
            if [[ $from == core ]]; then
                if [[ $header == QtWidgets || $header == QtWidgets/* || -n ${widget_header[$header]:-} ]]; then
                    problem="a widget header in the core"
                fi
            fi
        else
            # A quoted include names a file beside the includer, or one under src.
            target=$header
            if [[ -e $src/$dir/$header ]]; then
                target=$(realpath -m --relative-to="$src" "$src/$dir/$header")
            fi
            to=$(layer_of "$target")
            to_rank=$(rank_of "$to")
            if [[ $from == core && $to == libwidgets ]]; then
                problem="widget code included by the core"
            elif [[ $to_rank -gt $from_rank ]]; then
                problem="$to included by $from"
            fi
        fi
        [[ -z $problem ]] && continue
        echo "$rel:$line_number: includes $header: $problem"
        failures=$((failures + 1))
    done <"$file"
done < <(find "$src" -type f \( -name '*.h' -o -name '*.cpp' \) -print0 | sort -z)

if [[ $failures -gt 0 ]]; then
    echo "check_layers: $failures upward include(s)"
    exit 1
fi
echo "check_layers: every include points down"
