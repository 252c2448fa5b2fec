#pragma once

#include "money.h"

#include <QDateTime>
#include <QString>

struct SplitLine
{
    QString id;
    QString transactionId;
    QString categoryId;
    Money amount = 0;
    QString memo;
    QDateTime createdAt;
    QDateTime updatedAt;

    bool operator==(const SplitLine &) const = default;
};
