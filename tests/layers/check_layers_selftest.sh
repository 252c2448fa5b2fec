#!/usr/bin/env bash
# Runs check_layers.sh on small trees made here, one case a line: the file it writes, the include
# in it, the outcome expected ("pass", or "fail" with the file named in the output).
set -u

check=${1:?usage: check_layers_selftest.sh CHECK_LAYERS_SCRIPT QTWIDGETS_INCLUDE_DIR}
qtwidgets=${2:?usage: check_layers_selftest.sh CHECK_LAYERS_SCRIPT QTWIDGETS_INCLUDE_DIR}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cases='
data/store.cpp          | #include "data/other.h"          | pass
data/store.cpp          | #include "ui/widgets/field.h"    | fail
services/service.cpp    | #include "app/appstate.h"        | fail
sync/engine.cpp         | #include <QWidget>               | fail
account/client.cpp      | #include <QtWidgets/QDialog>     | fail
account/client.cpp      | #include "account/widgets/w.h"   | fail
account/widgets/w.cpp   | #include <QDialog>               | pass
update/client.cpp       | #include <QMessageBox>           | fail
update/updatedialog.cpp | #include <QDialog>               | pass
ui/widgets/field.cpp    | #include "ui/register/view.h"    | fail
ui/widgets/field.cpp    | #include "../screens/screen.h"   | fail
ui/widgets/field.cpp    | #include "ui/widgets/other.h"    | pass
ui/screens/screen.cpp   | #include "ui/widgets/field.h"    | pass
ui/screens/screen.cpp   | #include "app/appstate.h"        | fail
ui/dialogs/dialog.cpp   | #include "app/thememanager.h"    | fail
ui/register/view.cpp    | #include "ui/screens/screen.h"   | pass
app/mainwindow.cpp      | #include "ui/screens/screen.h"   | pass
app/mainwindow.cpp      | #include <QWidget>               | pass
'

# A tree every case starts from: one clean file in each layer.
make_tree() {
    local root=$1 file
    rm -rf "$root"
    for file in data/other.h ui/widgets/field.h ui/widgets/other.h ui/register/view.h \
        ui/screens/screen.h app/appstate.h app/thememanager.h account/widgets/w.h; do
        mkdir -p "$root/$(dirname "$file")"
        echo '#pragma once' >"$root/$file"
    done
}

failures=0
count=0
while IFS='|' read -r file include expected; do
    file=$(echo "$file" | xargs)
    [[ -z $file ]] && continue
    include=$(echo "$include" | sed 's/^ *//; s/ *$//')
    expected=$(echo "$expected" | xargs)
    count=$((count + 1))
    tree=$work/src
    make_tree "$tree"
    mkdir -p "$tree/$(dirname "$file")"
    printf '%s\n' "$include" >"$tree/$file"
    output=$("$check" "$tree" "$qtwidgets" 2>&1)
    status=$?
    if [[ $expected == pass && $status -ne 0 ]]; then
        echo "FAIL: $file with $include should pass; got $status: $output"
        failures=$((failures + 1))
    elif [[ $expected == fail && ($status -ne 1 || $output != *"$file:1: includes"*) ]]; then
        echo "FAIL: $file with $include should fail naming the file; got $status: $output"
        failures=$((failures + 1))
    fi
done <<<"$cases"

echo "$((count - failures)) passed, $failures failed"
[[ $failures -eq 0 ]]
