#pragma once

#include "accesstoken.h"
#include "httpexchange.h"

#include <QHash>
#include <QJsonObject>

#include <optional>

class CloudDatabase;
class FaultPlan;
class QSqlQuery;
struct SyncCursor;

// The sync API: push and pull of the synchronised rows, and the sharing of accounts.
//
// A row is stored as the JSON payload the client pushed, keyed by its owner, entity type and
// entity id. An account's transactions, schedules and reconciliations belong to the account's
// owner whoever writes them, so that a share (owner, account, member) lets the member read and
// write exactly that account's rows; categories belong to whoever pushed them.
//
// Conflicts: a pushed row is accepted when its version is at least the stored one; the stored
// version then becomes the pushed one plus one, so every device, the pushing one included, pulls
// the winner. An older version is refused with "conflict", and the device pulls the server's row.
//
// Every write takes the next number of one change sequence in its transaction (see
// CloudDatabase::nextChangeSequence); pull pages follow that sequence, never the clock.
class SyncService
{
public:
    static constexpr int maxChangesPerPush = 1000;
    static constexpr int maxPayloadBytes = 64 * 1024;
    static constexpr int defaultPageSize = 200;
    static constexpr int maxPageSize = 1000;

    SyncService(CloudDatabase *database, FaultPlan *faults);

    HttpResponse handle(const HttpRequest &request, const QStringList &path, const AccessClaims &claims);

    // Ends every share the user gives or receives; the owners' devices pull their accounts again
    // with the new "is_shared". Runs inside the caller's transaction.
    bool endSharesOf(const QString &userId);

private:
    struct StoredRow;
    struct AccountAccess
    {
        QString ownerId;
        bool isOwn = false;
    };

    HttpResponse push(const HttpRequest &request, const AccessClaims &claims);
    HttpResponse pull(const HttpRequest &request, const AccessClaims &claims);
    HttpResponse members(const AccessClaims &claims, const QString &accountId);
    HttpResponse share(const HttpRequest &request, const AccessClaims &claims, const QString &accountId);
    HttpResponse unshare(const AccessClaims &claims, const QString &accountId, const QString &userId);

    // The result object for one change; `storageFailed` is set when the database failed.
    // `knownAccounts` remembers, for one push, the accounts found accessible so far.
    QJsonObject applyChange(const QJsonValue &change, const AccessClaims &claims, qint64 sequence,
                            QHash<QString, AccountAccess> *knownAccounts, bool *storageFailed);
    // Whose account `accountId` is as `userId` sees it: the user's own, else one shared with the
    // user; an empty ownerId when neither. False on a storage failure.
    bool accountAccess(const QString &userId, const QString &accountId, AccountAccess *access);
    // The row a query positioned on rowColumns holds.
    static StoredRow storedRow(const QSqlQuery &query);
    bool findRow(const QString &sql, const QVariantList &values, StoredRow *row, bool *found);
    bool canWrite(const QString &userId, const StoredRow &row, bool *allowed);
    QJsonObject pullRecord(const StoredRow &row);
    // The first `count` rows the user may see after `cursor`, in cursor order.
    bool readPageRows(const QString &userId, const SyncCursor &cursor, int count, QList<StoredRow> *rows);
    // Appends the rows `sql` selects (rowColumns, then the effective change number unless given).
    bool readRows(const QString &sql, const QVariantList &values, std::optional<qint64> effective,
                  QList<StoredRow> *rows);
    bool touchDevice(const AccessClaims &claims);
    // The answer refusing `userId` an owner's `action` on `accountId`; nothing when the user owns it.
    std::optional<HttpResponse> refuseUnlessOwner(const QString &userId, const QString &accountId,
                                                  const QString &action);
    // Gives the account row the next change number, so the owner's devices pull its new "is_shared".
    bool republishAccount(const QString &ownerId, const QString &accountId);

    CloudDatabase *m_database;
    FaultPlan *m_faults;
};
