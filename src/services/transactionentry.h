#pragma once

#include "data/category.h"
#include "data/transaction.h"

#include <QString>

#include <optional>

// One transaction as a screen or the command line hands it to TransactionService.
struct TransactionEntry
{
    // The values entered: date, payee, check number, memo, amount, category, cleared and reconciled;
    // for a new transaction also its account (and its id, or one is made). For a change the id names
    // the stored transaction, whose account, links and creation time stay as stored.
    Transaction transaction;
    // Non-empty: the transaction is a transfer with this account, which gets the other leg.
    QString transferAccountId;
    // Stored in the same commit as the transaction, which then uses it as its category.
    std::optional<Category> newCategory;

    bool operator==(const TransactionEntry &) const = default;
};
