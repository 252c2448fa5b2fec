#pragma once

#include "enums.h"
#include "money.h"

#include <QDateTime>
#include <QString>

#include <optional>

struct Account
{
    QString id;
    QString name;
    AccountType type = AccountType::Checking;
    Currency currency = Currency::USD;
    QString institution;
    QString accountNumberLast4;
    Money startingBalance = 0;
    int sortOrder = 0;
    bool isShared = false;

    int version = 1;
    SyncStatus syncStatus = SyncStatus::Pending;
    QString serverId;
    QDateTime createdAt;
    QDateTime updatedAt;
    std::optional<QDateTime> deletedAt;

    bool operator==(const Account &) const = default;
};
