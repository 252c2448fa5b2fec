#pragma once

#include "category.h"

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
    QList<Category> all() const;                                   // byte-wise name order
    std::optional<Category> findById(const QString &id) const;     // deleted rows included
    std::optional<Category> findByName(const QString &name) const; // exact; first live match
    QList<Category> pending() const;                               // deleted rows included

    bool insert(const Category &category);
    bool update(const Category &category);
    // Touches nothing else: children and transactions keep their references.
    bool softDelete(const QString &id);
    bool restore(const QString &id);
    int markAllPendingForResync();
    // Sync bookkeeping: emits nothing, so it cannot trigger another sync.
    bool markSynced(const QString &id, const QString &serverId);

signals:
    void categoriesChanged();

private:
    QList<Category> select(const QString &sqlTemplate, const QVariantList &values) const;

    Database *m_database;
};
