#pragma once

#include "data/money.h"

#include <QString>

struct AccountSummaryRow
{
    QString name;
    QString accountType; // as stored
    Money clearedBalance = 0;
    Money unclearedTotal = 0;
    Money balance = 0;

    bool operator==(const AccountSummaryRow &) const = default;
};
