#pragma once

#include "data/money.h"

#include <QString>

struct TaxLine
{
    QString categoryName;
    QString taxCategory;
    Money total = 0;

    bool operator==(const TaxLine &) const = default;
};
