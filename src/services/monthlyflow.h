#pragma once

#include "data/money.h"

#include <QString>

// One calendar month: inflows >= 0, outflows <= 0, net = inflows + outflows.
struct MonthlyFlow
{
    QString month; // yyyy-MM
    Money inflows = 0;
    Money outflows = 0;
    Money net = 0;

    bool operator==(const MonthlyFlow &) const = default;
};
