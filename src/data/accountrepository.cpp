#include "accountrepository.h"

#include "database.h"
#include "datetext.h"
#include "repositorysupport.h"
#include "sqltransaction.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSqlQuery>

using namespace RepositorySupport;

namespace {

const QString columns = QStringLiteral("id, name, account_type, currency, institution, account_number_last4, "
                                       "starting_balance, sort_order, is_shared, "
                                       "version, sync_status, server_id, created_at, updated_at, deleted_at");

Account accountFromRow(const QSqlQuery &query)
{
    Account account;
    account.id = query.value(0).toString();
    account.name = query.value(1).toString();
    account.type = accountTypeFromString(query.value(2).toString());
    account.currency = currencyFromCode(query.value(3).toString());
    account.institution = query.value(4).toString();
    account.accountNumberLast4 = query.value(5).toString();
    account.startingBalance = query.value(6).toLongLong();
    account.sortOrder = query.value(7).toInt();
    account.isShared = query.value(8).toBool();
    account.version = query.value(9).toInt();
    account.syncStatus = syncStatusFromString(query.value(10).toString());
    account.serverId = query.value(11).toString();
    account.createdAt = timestampFromText(query.value(12).toString());
    account.updatedAt = timestampFromText(query.value(13).toString());
    account.deletedAt = optionalTimestampFromText(query.value(14).toString());
    return account;
}

} // namespace

AccountRepository::AccountRepository(Database *database, QObject *parent)
    : QObject(parent)
    , m_database(database)
{}

QList<Account> AccountRepository::select(const QString &sqlTemplate, const QVariantList &values,
                                         bool *ok) const
{
    return selectRecords<Account>(m_database, sqlTemplate.arg(columns), values, accountFromRow, ok);
}

QList<Account> AccountRepository::all() const
{
    return select(
        QStringLiteral("SELECT %1 FROM accounts WHERE deleted_at IS NULL ORDER BY sort_order, name"), {});
}

std::optional<Account> AccountRepository::findById(const QString &id) const
{
    const QList<Account> found = select(QStringLiteral("SELECT %1 FROM accounts WHERE id = ?"), {id});
    if (found.isEmpty())
        return std::nullopt;
    return found.first();
}

QList<Account> AccountRepository::findByIds(const QStringList &ids, bool *ok) const
{
    // The ids travel as one JSON array, so any number of them fits one prepared statement.
    return select(
        QStringLiteral("SELECT %1 FROM accounts WHERE id IN (SELECT value FROM json_each(?))"),
        {QString::fromUtf8(QJsonDocument(QJsonArray::fromStringList(ids)).toJson(QJsonDocument::Compact))},
        ok);
}

QList<Account> AccountRepository::deleted() const
{
    return select(QStringLiteral("SELECT %1 FROM accounts WHERE deleted_at IS NOT NULL ORDER BY name"), {});
}

QList<Account> AccountRepository::pending(bool *ok) const
{
    return select(QStringLiteral("SELECT %1 FROM accounts WHERE sync_status = 'pending'"), {}, ok);
}

bool AccountRepository::insert(const Account &account)
{
    QSqlQuery &query = prepareWrite(
        m_database,
        QStringLiteral(
            "INSERT INTO accounts (id, name, account_type, currency, institution, account_number_last4, "
            "starting_balance, sort_order, is_shared, version, sync_status, server_id, created_at, "
            "updated_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    query.addBindValue(account.id);
    query.addBindValue(nonNullText(account.name));
    query.addBindValue(accountTypeToString(account.type));
    query.addBindValue(currencyCode(account.currency));
    query.addBindValue(account.institution);
    query.addBindValue(account.accountNumberLast4);
    query.addBindValue(qint64(account.startingBalance));
    query.addBindValue(account.sortOrder);
    query.addBindValue(account.isShared ? 1 : 0);
    query.addBindValue(account.version);
    query.addBindValue(syncStatusToString(account.syncStatus));
    query.addBindValue(account.serverId);
    query.addBindValue(timestampToText(account.createdAt));
    query.addBindValue(timestampToText(account.updatedAt));
    if (!query.exec()) {
        logFailure("AccountRepository::insert", query);
        return false;
    }
    emit accountsChanged();
    return true;
}

bool AccountRepository::update(const Account &account)
{
    QSqlQuery &query = prepareWrite(
        m_database,
        QStringLiteral(
            "UPDATE accounts SET name=?, account_type=?, currency=?, institution=?, account_number_last4=?, "
            "starting_balance=?, sort_order=?, is_shared=?, version=?, sync_status=?, server_id=?, "
            "updated_at=? WHERE id=?"));
    query.addBindValue(nonNullText(account.name));
    query.addBindValue(accountTypeToString(account.type));
    query.addBindValue(currencyCode(account.currency));
    query.addBindValue(account.institution);
    query.addBindValue(account.accountNumberLast4);
    query.addBindValue(qint64(account.startingBalance));
    query.addBindValue(account.sortOrder);
    query.addBindValue(account.isShared ? 1 : 0);
    query.addBindValue(account.version);
    query.addBindValue(syncStatusToString(account.syncStatus));
    query.addBindValue(account.serverId);
    query.addBindValue(timestampToText(account.updatedAt));
    query.addBindValue(account.id);
    if (!query.exec()) {
        logFailure("AccountRepository::update", query);
        return false;
    }
    emit accountsChanged();
    return true;
}

bool AccountRepository::softDelete(const QString &id)
{
    QSqlQuery query =
        prepare(m_database, QStringLiteral("UPDATE accounts SET deleted_at=?, sync_status='pending', "
                                           "updated_at=?, version=version+1 WHERE id=?"));
    const QString now = timestampToText(currentTimestamp());
    query.addBindValue(now);
    query.addBindValue(now);
    query.addBindValue(id);
    if (!query.exec()) {
        logFailure("AccountRepository::softDelete", query);
        return false;
    }
    emit accountsChanged();
    return true;
}

bool AccountRepository::restore(const QString &id)
{
    QSqlQuery query =
        prepare(m_database, QStringLiteral("UPDATE accounts SET deleted_at=NULL, sync_status='pending', "
                                           "updated_at=?, version=version+1 WHERE id=?"));
    query.addBindValue(timestampToText(currentTimestamp()));
    query.addBindValue(id);
    if (!query.exec()) {
        logFailure("AccountRepository::restore", query);
        return false;
    }
    emit accountsChanged();
    return true;
}

bool AccountRepository::updateSortOrders(const QList<QPair<QString, int>> &entries)
{
    SqlTransaction transaction(m_database->connection());
    if (!transaction.isActive())
        return false;
    {
        QSqlQuery query =
            prepare(m_database, QStringLiteral("UPDATE accounts SET sort_order=?, updated_at=? WHERE id=?"));
        const QString now = timestampToText(currentTimestamp());
        for (const auto &[id, sortOrder] : entries) {
            query.addBindValue(sortOrder);
            query.addBindValue(now);
            query.addBindValue(id);
            if (!query.exec())
                return false;
        }
    }
    if (!transaction.commit())
        return false;
    emit accountsChanged();
    return true;
}

int AccountRepository::markAllPendingForResync()
{
    const int changed = executeCounting(m_database,
                                        QStringLiteral("UPDATE accounts SET sync_status = 'pending' WHERE "
                                                       "deleted_at IS NULL AND sync_status != 'pending'"),
                                        {}, "AccountRepository::markAllPendingForResync");
    if (changed > 0)
        emit accountsChanged();
    return changed;
}

bool AccountRepository::markSynced(const QString &id, const QString &serverId, int version,
                                   const QDateTime &updatedAt, bool *marked)
{
    bool markedHere = false;
    const bool ok =
        markSyncedIfUnchanged(m_database, QStringLiteral("accounts"), "AccountRepository::markSynced", id,
                              serverId, version, updatedAt, &markedHere);
    if (marked)
        *marked = markedHere;
    return ok;
}

bool AccountRepository::setDeletedAt(const QString &id, const std::optional<QDateTime> &deletedAt)
{
    return writeDeletedAt(m_database, QStringLiteral("accounts"), "AccountRepository::setDeletedAt", id,
                          deletedAt);
}

bool AccountRepository::storeBookkeeping(const Account &row)
{
    return writeBookkeeping(m_database, QStringLiteral("accounts"), "AccountRepository::storeBookkeeping",
                            row.id, row.version, row.syncStatus, row.serverId, row.updatedAt);
}
