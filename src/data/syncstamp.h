#pragma once

#include "enums.h"

#include <QDateTime>

// The sync bookkeeping every synchronised record (Account, Transaction, Category, ...) carries:
// what a row written here for the first time gets, and what a local change to a stored row adds.
namespace SyncStamp {

// A new row: version 1, pending, no server copy yet, live, created and updated `now`.
template<typename Record> void stampNew(Record &record, const QDateTime &now)
{
    record.version = 1;
    record.syncStatus = SyncStatus::Pending;
    record.serverId.clear();
    record.createdAt = record.updatedAt = now;
    record.deletedAt.reset();
}

// A local change to a stored row: one version more, so it outranks the copy other devices hold;
// pending until pushed; updated `now`.
template<typename Record> void stampChanged(Record &record, const QDateTime &now)
{
    record.version += 1;
    record.syncStatus = SyncStatus::Pending;
    record.updatedAt = now;
}

} // namespace SyncStamp
