#pragma once

#include "account.h"

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
    QList<Account> deleted() const;
    QList<Account> pending() const; // deleted rows included

    bool insert(const Account &account);
    bool update(const Account &account);
    bool softDelete(const QString &id);
    bool restore(const QString &id);
    // Reordering alone is not a change to push: the rows are not marked pending.
    bool updateSortOrders(const QList<QPair<QString, int>> &entries);
    int markAllPendingForResync();
    // Sync bookkeeping: emits nothing, so it cannot trigger another sync.
    bool markSynced(const QString &id, const QString &serverId);

signals:
    void accountsChanged();

private:
    QList<Account> select(const QString &sqlTemplate, const QVariantList &values) const;

    Database *m_database;
};
