#pragma once

#include "data/money.h"

#include <QString>

// Category totals of two periods; a category missing from one period has 0 there.
struct YearOverYearRow
{
    QString category;
    Money period1 = 0;
    Money period2 = 0;
    Money change = 0; // period2 - period1

    bool operator==(const YearOverYearRow &) const = default;
};
