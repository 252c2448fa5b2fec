#pragma once

#include "enums.h"
#include "money.h"

#include <QDate>
#include <QDateTime>
#include <QString>

#include <optional>

struct Transaction
{
    QString id;
    QString accountId;
    QDate date;
    QString payee;
    QString memo;
    Money amount = 0;
    QString categoryId; // empty = uncategorised, stored as NULL
    QString checkNumber;
    bool cleared = false;
    bool reconciled = false;
    QString transferLinkId;        // the other leg's id, for one leg of a transfer
    QString transferDestAccountId; // the other leg's account
    bool isSplit = false;
    QString recurringId;

    int version = 1;
    SyncStatus syncStatus = SyncStatus::Pending;
    QString serverId;
    QDateTime createdAt;
    QDateTime updatedAt;
    std::optional<QDateTime> deletedAt;

    bool operator==(const Transaction &) const = default;
};
