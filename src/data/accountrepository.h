#pragma once

#include "account.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>

#include <optional>

class Database;

// The only code that reads and writes the accounts table. Holds no cache: every call runs SQL.
// Reads return empty results when nothing matches or the statement fails; writes return false
// (or 0) and log "AccountRepository::<operation> failed:" with the driver text.
class AccountRepository : public QObject
{
    Q_OBJECT

public:
    explicit AccountRepository(Database *database, QObject *parent = nullptr);

    QList<Account> all() const;
    std::optional<Account> findById(const QString &id) const; // deleted rows included
    // The rows with these ids, deleted ones included, in no particular order; one statement
    // for any number of ids. `ok` is cleared when the read failed.
    QList<Account> findByIds(const QStringList &ids, bool *ok = nullptr) const;
    QList<Account> deleted() const;
    QList<Account> pending(bool *ok = nullptr) const; // deleted rows included

    bool insert(const Account &account);
    bool update(const Account &account);
    // Deleting and restoring are local changes like an edit: pending, and one version more, so
    // that they outrank the copy the server holds (the server raises a row's version when it
    // accepts it) instead of losing to it.
    bool softDelete(const QString &id);
    bool restore(const QString &id);
    // Reordering alone is not a change to push: the rows are not marked pending.
    bool updateSortOrders(const QList<QPair<QString, int>> &entries);
    int markAllPendingForResync();
    // Sync bookkeeping; both emit nothing, so they cannot trigger another sync. markSynced marks
    // the row synced only while it still has the pushed `version` and `updatedAt`
    // (RepositorySupport::markSyncedIfUnchanged); `marked` tells whether it did.
    bool markSynced(const QString &id, const QString &serverId, int version, const QDateTime &updatedAt,
                    bool *marked = nullptr);
    // The deletion state pulled from the server (absent = live); status and version stay.
    bool setDeletedAt(const QString &id, const std::optional<QDateTime> &deletedAt);
    // A pulled row that came back unchanged: its version, status, server id and change time only.
    bool storeBookkeeping(const Account &row);

signals:
    void accountsChanged();

private:
    QList<Account> select(const QString &sqlTemplate, const QVariantList &values, bool *ok = nullptr) const;

    Database *m_database;
};
