#pragma once

#include "transaction.h"

// One row of an account's register or of a search result (where runningBalance is 0).
struct RegisterRow
{
    Transaction transaction;
    Money runningBalance = 0;
    QString categoryName; // empty when uncategorised

    bool operator==(const RegisterRow &) const = default;
};
