#pragma once

#include "category.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>

#include <optional>

class Database;

// The only code that reads and writes the categories table, as a flat list sorted by name (the
// screens build the tree). Reads return empty results when nothing matches or the statement
// fails; writes return false (or 0) and log "CategoryRepository::<operation> failed:".
class CategoryRepository : public QObject
{
    Q_OBJECT

public:
    explicit CategoryRepository(Database *database, QObject *parent = nullptr);

    int countLive() const;
    QList<Category> all() const;                               // byte-wise name order
    std::optional<Category> findById(const QString &id) const; // deleted rows included
    // The rows with these ids, deleted ones included, in no particular order; one statement
    // for any number of ids. `ok` is cleared when the read failed.
    QList<Category> findByIds(const QStringList &ids, bool *ok = nullptr) const;
    std::optional<Category> findByName(const QString &name) const; // exact; first live match
    QList<Category> pending(bool *ok = nullptr) const;             // deleted rows included

    bool insert(const Category &category);
    bool update(const Category &category);
    // Deleting and restoring are local changes like an edit: pending, and one version more, so
    // that they outrank the copy the server holds (the server raises a row's version when it
    // accepts it) instead of losing to it.
    // Touches nothing else: children and transactions keep their references.
    bool softDelete(const QString &id);
    bool restore(const QString &id);
    int markAllPendingForResync();
    // Sync bookkeeping; both emit nothing, so they cannot trigger another sync. markSynced marks
    // the row synced only while it still has the pushed `version` and `updatedAt`
    // (RepositorySupport::markSyncedIfUnchanged); `marked` tells whether it did.
    bool markSynced(const QString &id, const QString &serverId, int version, const QDateTime &updatedAt,
                    bool *marked = nullptr);
    // The deletion state pulled from the server (absent = live); status and version stay.
    bool setDeletedAt(const QString &id, const std::optional<QDateTime> &deletedAt);
    // A pulled row that came back unchanged: its version, status, server id and change time only.
    bool storeBookkeeping(const Category &row);

signals:
    void categoriesChanged();

private:
    QList<Category> select(const QString &sqlTemplate, const QVariantList &values, bool *ok = nullptr) const;

    Database *m_database;
};
