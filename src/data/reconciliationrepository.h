#pragma once

#include "reconciliation.h"

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
    std::optional<Reconciliation> latestForAccount(const QString &accountId) const;
    QList<Reconciliation> pending() const; // deleted rows included

    // An invalid createdAt or updatedAt is stored as the current UTC time.
    bool insert(const Reconciliation &reconciliation);
    bool update(const Reconciliation &reconciliation); // may move it to another account
    int softDeleteByAccount(const QString &accountId);
    int restoreByAccount(const QString &accountId, const QString &cutOff);
    int markAllPendingForResync();
    bool markSynced(const QString &id, const QString &serverId); // emits nothing

signals:
    void reconciliationsChanged();

private:
    QList<Reconciliation> select(const QString &sqlTemplate, const QVariantList &values) const;

    Database *m_database;
};
