#pragma once

#include "data/money.h"

#include <QString>

// Net total of one payee over income and expenses together.
struct PayeeTotal
{
    QString payee;
    Money total = 0;
    int count = 0;

    bool operator==(const PayeeTotal &) const = default;
};
