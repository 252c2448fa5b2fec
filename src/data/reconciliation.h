#pragma once

#include "enums.h"
#include "money.h"

#include <QDate>
#include <QDateTime>
#include <QString>

#include <optional>

struct Reconciliation
{
    QString id;
    QString accountId;
    QDate statementDate;
    Money statementBalance = 0;
    Money reconciledBalance = 0;
    QDateTime completedAt;

    int version = 1;
    SyncStatus syncStatus = SyncStatus::Pending;
    QString serverId;
    QDateTime createdAt;
    QDateTime updatedAt;
    std::optional<QDateTime> deletedAt;

    bool operator==(const Reconciliation &) const = default;
};
