#pragma once

#include "data/money.h"

#include <QString>

// One row of the category-spending report; total is negative for spending.
struct CategoryTotal
{
    QString name;
    Money total = 0;

    bool operator==(const CategoryTotal &) const = default;
};
