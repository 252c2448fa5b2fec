#pragma once

#include "data/money.h"

#include <QDate>
#include <QString>

struct TransactionListRow
{
    QDate date;
    QString accountName;
    QString payee;
    QString categoryName; // empty when uncategorised or the category no longer resolves
    QString memo;
    Money amount = 0;

    bool operator==(const TransactionListRow &) const = default;
};
