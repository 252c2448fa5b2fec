#pragma once

#include "enums.h"

#include <QDateTime>
#include <QString>

#include <optional>

struct Category
{
    QString id;
    QString name;
    CategoryType type = CategoryType::Expense;
    QString parentId; // empty for a top-level category
    bool isTaxRelevant = false;
    QString taxCategory;
    QString icon;
    QString color;
    bool isDefault = false;
    QString accountId;

    int version = 1;
    SyncStatus syncStatus = SyncStatus::Pending;
    QString serverId;
    QDateTime createdAt;
    QDateTime updatedAt;
    std::optional<QDateTime> deletedAt;

    bool operator==(const Category &) const = default;
};
