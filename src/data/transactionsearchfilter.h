#pragma once

#include <QDate>
#include <QString>

#include <optional>

struct TransactionSearchFilter
{
    QString accountId;  // empty = all accounts
    QString categoryId; // empty = all categories
    QDate fromDate;     // invalid = unbounded
    QDate toDate;       // invalid = unbounded
    std::optional<bool> cleared;

    bool operator==(const TransactionSearchFilter &) const = default;
};
