#include "categoryrepository.h"

#include "database.h"
#include "datetext.h"
#include "repositorysupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSqlQuery>

using namespace RepositorySupport;

namespace {

const QString columns = QStringLiteral(
    "id, name, category_type, parent_id, is_tax_relevant, tax_category, icon, color, is_default, account_id, "
    "version, sync_status, server_id, created_at, updated_at, deleted_at");

Category categoryFromRow(const QSqlQuery &query)
{
    Category category;
    category.id = query.value(0).toString();
    category.name = query.value(1).toString();
    category.type = categoryTypeFromString(query.value(2).toString());
    category.parentId = query.value(3).toString();
    category.isTaxRelevant = query.value(4).toBool();
    category.taxCategory = query.value(5).toString();
    category.icon = query.value(6).toString();
    category.color = query.value(7).toString();
    category.isDefault = query.value(8).toBool();
    category.accountId = query.value(9).toString();
    category.version = query.value(10).toInt();
    category.syncStatus = syncStatusFromString(query.value(11).toString());
    category.serverId = query.value(12).toString();
    category.createdAt = timestampFromText(query.value(13).toString());
    category.updatedAt = timestampFromText(query.value(14).toString());
    category.deletedAt = optionalTimestampFromText(query.value(15).toString());
    return category;
}

// From name to server id: the values insert and update share, in statement order.
void bindEditableValues(QSqlQuery &query, const Category &category)
{
    query.addBindValue(nonNullText(category.name));
    query.addBindValue(categoryTypeToString(category.type));
    query.addBindValue(textOrNull(category.parentId));
    query.addBindValue(category.isTaxRelevant ? 1 : 0);
    query.addBindValue(category.taxCategory);
    query.addBindValue(category.icon);
    query.addBindValue(category.color);
    query.addBindValue(category.isDefault ? 1 : 0);
    query.addBindValue(textOrNull(category.accountId));
    query.addBindValue(category.version);
    query.addBindValue(syncStatusToString(category.syncStatus));
    query.addBindValue(category.serverId);
}

} // namespace

CategoryRepository::CategoryRepository(Database *database, QObject *parent)
    : QObject(parent)
    , m_database(database)
{}

QList<Category> CategoryRepository::select(const QString &sqlTemplate, const QVariantList &values,
                                           bool *ok) const
{
    return selectRecords<Category>(m_database, sqlTemplate.arg(columns), values, categoryFromRow, ok);
}

int CategoryRepository::countLive() const
{
    QSqlQuery query =
        prepare(m_database, QStringLiteral("SELECT COUNT(*) FROM categories WHERE deleted_at IS NULL"));
    if (!query.exec() || !query.next())
        return 0;
    return query.value(0).toInt();
}

QList<Category> CategoryRepository::all() const
{
    return select(QStringLiteral("SELECT %1 FROM categories WHERE deleted_at IS NULL ORDER BY name"), {});
}

std::optional<Category> CategoryRepository::findById(const QString &id) const
{
    const QList<Category> found = select(QStringLiteral("SELECT %1 FROM categories WHERE id = ?"), {id});
    if (found.isEmpty())
        return std::nullopt;
    return found.first();
}

QList<Category> CategoryRepository::findByIds(const QStringList &ids, bool *ok) const
{
    // The ids travel as one JSON array, so any number of them fits one prepared statement.
    return select(
        QStringLiteral("SELECT %1 FROM categories WHERE id IN (SELECT value FROM json_each(?))"),
        {QString::fromUtf8(QJsonDocument(QJsonArray::fromStringList(ids)).toJson(QJsonDocument::Compact))},
        ok);
}

std::optional<Category> CategoryRepository::findByName(const QString &name) const
{
    const QList<Category> found =
        select(QStringLiteral("SELECT %1 FROM categories WHERE name = ? AND deleted_at IS NULL"), {name});
    if (found.isEmpty())
        return std::nullopt;
    return found.first();
}

QList<Category> CategoryRepository::pending(bool *ok) const
{
    return select(QStringLiteral("SELECT %1 FROM categories WHERE sync_status = 'pending'"), {}, ok);
}

bool CategoryRepository::insert(const Category &category)
{
    QSqlQuery &query = prepareWrite(
        m_database,
        QStringLiteral(
            "INSERT INTO categories (id, name, category_type, parent_id, is_tax_relevant, tax_category, "
            "icon, color, is_default, account_id, version, sync_status, server_id, created_at, "
            "updated_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    query.addBindValue(category.id);
    bindEditableValues(query, category);
    query.addBindValue(timestampToText(category.createdAt));
    query.addBindValue(timestampToText(category.updatedAt));
    if (!query.exec()) {
        logFailure("CategoryRepository::insert", query);
        return false;
    }
    emit categoriesChanged();
    return true;
}

bool CategoryRepository::update(const Category &category)
{
    QSqlQuery &query = prepareWrite(
        m_database,
        QStringLiteral(
            "UPDATE categories SET name=?, category_type=?, parent_id=?, is_tax_relevant=?, "
            "tax_category=?, icon=?, color=?, is_default=?, account_id=?, version=?, sync_status=?, "
            "server_id=?, updated_at=? WHERE id=?"));
    bindEditableValues(query, category);
    query.addBindValue(timestampToText(category.updatedAt));
    query.addBindValue(category.id);
    if (!query.exec()) {
        logFailure("CategoryRepository::update", query);
        return false;
    }
    emit categoriesChanged();
    return true;
}

bool CategoryRepository::softDelete(const QString &id)
{
    QSqlQuery query =
        prepare(m_database, QStringLiteral("UPDATE categories SET deleted_at=?, sync_status='pending', "
                                           "updated_at=?, version=version+1 WHERE id=?"));
    const QString now = timestampToText(currentTimestamp());
    query.addBindValue(now);
    query.addBindValue(now);
    query.addBindValue(id);
    if (!query.exec()) {
        logFailure("CategoryRepository::softDelete", query);
        return false;
    }
    emit categoriesChanged();
    return true;
}

bool CategoryRepository::restore(const QString &id)
{
    QSqlQuery query =
        prepare(m_database, QStringLiteral("UPDATE categories SET deleted_at=NULL, sync_status='pending', "
                                           "updated_at=?, version=version+1 WHERE id=?"));
    query.addBindValue(timestampToText(currentTimestamp()));
    query.addBindValue(id);
    if (!query.exec()) {
        logFailure("CategoryRepository::restore", query);
        return false;
    }
    emit categoriesChanged();
    return true;
}

int CategoryRepository::markAllPendingForResync()
{
    const int changed = executeCounting(
        m_database,
        QStringLiteral(
            "UPDATE categories SET sync_status = 'pending' WHERE deleted_at IS NULL AND sync_status != "
            "'pending'"),
        {}, "CategoryRepository::markAllPendingForResync");
    if (changed > 0)
        emit categoriesChanged();
    return changed;
}

bool CategoryRepository::markSynced(const QString &id, const QString &serverId, int version,
                                    const QDateTime &updatedAt, bool *marked)
{
    bool markedHere = false;
    const bool ok =
        markSyncedIfUnchanged(m_database, QStringLiteral("categories"), "CategoryRepository::markSynced", id,
                              serverId, version, updatedAt, &markedHere);
    if (marked)
        *marked = markedHere;
    return ok;
}

bool CategoryRepository::setDeletedAt(const QString &id, const std::optional<QDateTime> &deletedAt)
{
    return writeDeletedAt(m_database, QStringLiteral("categories"), "CategoryRepository::setDeletedAt", id,
                          deletedAt);
}

bool CategoryRepository::storeBookkeeping(const Category &row)
{
    return writeBookkeeping(m_database, QStringLiteral("categories"), "CategoryRepository::storeBookkeeping",
                            row.id, row.version, row.syncStatus, row.serverId, row.updatedAt);
}
