#pragma once

#include "enums.h"
#include "money.h"

#include <QDate>
#include <QDateTime>
#include <QString>

#include <optional>

struct RecurringTransaction
{
    QString id;
    QString accountId;
    QString payee;
    QString memo;
    Money amount = 0;
    QString categoryId;
    Frequency frequency = Frequency::Monthly;
    QDate startDate;
    std::optional<QDate> endDate; // absent = open-ended
    QDate nextDueDate;
    bool autoPost = false;
    bool isActive = true;
    QString transferDestAccountId; // non-empty: each occurrence is a transfer to this account

    int version = 1;
    SyncStatus syncStatus = SyncStatus::Pending;
    QString serverId;
    QDateTime createdAt;
    QDateTime updatedAt;
    std::optional<QDateTime> deletedAt;

    bool operator==(const RecurringTransaction &) const = default;
};
