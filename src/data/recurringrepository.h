#pragma once

#include "recurringtransaction.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>

#include <optional>

class Database;

// The only code that reads and writes recurring_transactions. Reads return empty results on
// failure; writes return false (or 0) and log "RecurringRepository::<operation> failed:".
class RecurringRepository : public QObject
{
    Q_OBJECT

public:
    explicit RecurringRepository(Database *database, QObject *parent = nullptr);

    // Earlier next-due dates (and invalid ones) are broken: never posted, only quarantined.
    static QDate earliestDueDate() { return QDate(2000, 1, 1); }
    static bool isBrokenDueDate(const QDate &date) { return !date.isValid() || date < earliestDueDate(); }

    QList<RecurringTransaction> all() const; // live, active and inactive, by next-due date
    std::optional<RecurringTransaction> findById(const QString &id) const; // deleted rows included
    // The rows with these ids, deleted ones included, in no particular order; one statement
    // for any number of ids. `ok` is cleared when the read failed.
    QList<RecurringTransaction> findByIds(const QStringList &ids, bool *ok = nullptr) const;
    // Live active schedules due on or before `today`, in storage order.
    QList<RecurringTransaction> due(const QDate &today = QDate::currentDate()) const;
    QList<RecurringTransaction> pending(bool *ok = nullptr) const; // deleted rows included

    // Both write a broken next-due date all the same, after a warning.
    bool insert(const RecurringTransaction &recurring);
    bool update(const RecurringTransaction &recurring); // never changes the account
    // Deleting and restoring are local changes like an edit: pending, and one version more, so
    // that they outrank the copy the server holds (the server raises a row's version when it
    // accepts it) instead of losing to it.
    bool softDelete(const QString &id);
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
    bool storeBookkeeping(const RecurringTransaction &row);

signals:
    void recurringChanged();

private:
    QList<RecurringTransaction> select(const QString &sqlTemplate, const QVariantList &values,
                                       bool *ok = nullptr) const;

    Database *m_database;
};
