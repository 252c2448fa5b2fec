#pragma once

#include "recurringtransaction.h"

#include <QDate>
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
    // Live active schedules due on or before `today`, in storage order.
    QList<RecurringTransaction> due(const QDate &today = QDate::currentDate()) const;
    QList<RecurringTransaction> pending() const; // deleted rows included

    // Both write a broken next-due date all the same, after a warning.
    bool insert(const RecurringTransaction &recurring);
    bool update(const RecurringTransaction &recurring); // never changes the account
    bool softDelete(const QString &id);
    int softDeleteByAccount(const QString &accountId);
    int restoreByAccount(const QString &accountId, const QString &cutOff);
    int markAllPendingForResync();
    bool markSynced(const QString &id, const QString &serverId); // emits nothing

signals:
    void recurringChanged();

private:
    QList<RecurringTransaction> select(const QString &sqlTemplate, const QVariantList &values) const;

    Database *m_database;
};
