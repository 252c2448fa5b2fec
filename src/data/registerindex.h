#pragma once

#include "registerrow.h"

#include <QList>
#include <QtGlobal>

#include <optional>

// An account's register without its rows: each live transaction's rowid in register order (oldest
// first) with the balance after it. Opening even the largest account reads two integers a row; the
// register fetches the full rows of what it shows by rowid.
struct RegisterIndex
{
    std::optional<RegisterRow> openingRow; // the synthetic "Opening Balance" row, when one is shown
    QList<qint64> rowIds;
    QList<Money> runningBalances; // same length as rowIds

    bool operator==(const RegisterIndex &) const = default;
};
