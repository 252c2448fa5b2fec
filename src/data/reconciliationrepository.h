#pragma once

#include "reconciliation.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>

#include <optional>

class Database;

// History of completed statement reconciliations, one row each. A reconciliation is only ever
// deleted together with its account. Reads return empty results on failure; writes return false
// (or 0) and log "ReconciliationRepository::<operation> failed:".
class ReconciliationRepository : public QObject
{
    Q_OBJECT

public:
    explicit ReconciliationRepository(Database *database, QObject *parent = nullptr);

    QList<Reconciliation> byAccount(const QString &accountId) const; // newest statement first
    std::optional<Reconciliation> findById(const QString &id) const; // deleted rows included
    // The rows with these ids, deleted ones included, in no particular order; one statement
    // for any number of ids. `ok` is cleared when the read failed.
    QList<Reconciliation> findByIds(const QStringList &ids, bool *ok = nullptr) const;
    std::optional<Reconciliation> latestForAccount(const QString &accountId) const;
    QList<Reconciliation> pending(bool *ok = nullptr) const; // deleted rows included

    // An invalid createdAt or updatedAt is stored as the current UTC time.
    bool insert(const Reconciliation &reconciliation);
    bool update(const Reconciliation &reconciliation); // may move it to another account
    // Deleting and restoring are local changes like an edit: pending, and one version more, so
    // that they outrank the copy the server holds (the server raises a row's version when it
    // accepts it) instead of losing to it.
    int softDeleteByAccount(const QString &accountId);
    int restoreByAccount(const QString &accountId, const QString &cutOff);
    int markAllPendingForResync();

    // Sync bookkeeping; both emit nothing, so they cannot trigger another sync. markSynced marks
    // the row synced only while it still has the pushed `version` and `updatedAt`
    // (RepositorySupport::markSyncedIfUnchanged); `marked` tells whether it did.
    bool markSynced(const QString &id, const QString &serverId, int version, const QDateTime &updatedAt,
                    bool *marked = nullptr);
    // The deletion state pulled from the server (absent = live); status and version stay.
    bool setDeletedAt(const QString &id, const std::optional<QDateTime> &deletedAt);
    // A pulled row that came back unchanged: its version, status, server id and change time only.
    bool storeBookkeeping(const Reconciliation &row);

signals:
    void reconciliationsChanged();

private:
    QList<Reconciliation> select(const QString &sqlTemplate, const QVariantList &values,
                                 bool *ok = nullptr) const;

    Database *m_database;
};
