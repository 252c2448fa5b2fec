#pragma once

#include "data/account.h"
#include "data/category.h"
#include "data/reconciliation.h"
#include "data/recurringtransaction.h"
#include "data/transaction.h"

#include <QDate>
#include <QJsonObject>
#include <QString>

// The wire form of the synchronised rows: the change objects a push sends and the records a pull
// brings. Pure functions over records and JSON, so tests feed them literals.
namespace SyncRecords {

// Entity type texts of the change objects and push results.
inline const QString accountType = QStringLiteral("account");
inline const QString categoryType = QStringLiteral("category");
inline const QString recurringType = QStringLiteral("recurring");
inline const QString transactionType = QStringLiteral("transaction");
inline const QString reconciliationType = QStringLiteral("reconciliation");

// A change object: "entity_type", "entity_id", "action" ("delete" for a soft-deleted row, else
// "upsert"), "version" and the row's "payload".
QJsonObject changeFor(const Account &account);
QJsonObject changeFor(const Category &category);
QJsonObject changeFor(const RecurringTransaction &recurring);
QJsonObject changeFor(const Transaction &transaction);
QJsonObject changeFor(const Reconciliation &reconciliation);

// A pulled record read into a row: members absent read as empty, 0 or false, unknown enumeration
// texts as their fallbacks; status Synced, serverId = "id". The id is left empty: the engine decides
// it (the local row's, "client_id", or a new one).
Account accountFromPulled(const QJsonObject &record);
Category categoryFromPulled(const QJsonObject &record);
RecurringTransaction recurringFromPulled(const QJsonObject &record);
Transaction transactionFromPulled(const QJsonObject &record);
Reconciliation reconciliationFromPulled(const QJsonObject &record);

// An ISO date, else the date part of an ISO date-time, else an invalid date (also for "").
QDate parseSyncDate(const QString &text);

// Empty when every member of a pulled record is within what this program stores (identifiers of
// at most 64 characters, texts of at most 64 KiB, amounts within maxAmount, a positive version);
// otherwise what is wrong, for the warning that skips the record.
QString invalidMember(const QJsonObject &record);

// Whether two rows hold the same content and deletion state; the sync bookkeeping (version,
// status, server id, times) is not compared.
template<typename Record> bool sameContent(const Record &first, Record second)
{
    if (first.deletedAt.has_value() != second.deletedAt.has_value())
        return false;
    second.version = first.version;
    second.syncStatus = first.syncStatus;
    second.serverId = first.serverId;
    second.createdAt = first.createdAt;
    second.updatedAt = first.updatedAt;
    second.deletedAt = first.deletedAt;
    return first == second;
}

} // namespace SyncRecords
