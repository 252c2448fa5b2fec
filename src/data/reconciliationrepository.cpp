#include "reconciliationrepository.h"

#include "database.h"
#include "datetext.h"
#include "repositorysupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSqlQuery>

using namespace RepositorySupport;

namespace {

const QString columns = QStringLiteral("id, account_id, statement_date, statement_balance, "
                                       "reconciled_balance, completed_at, version, sync_status, "
                                       "server_id, created_at, updated_at, deleted_at");

Reconciliation reconciliationFromRow(const QSqlQuery &query)
{
    Reconciliation reconciliation;
    reconciliation.id = query.value(0).toString();
    reconciliation.accountId = query.value(1).toString();
    reconciliation.statementDate = dateFromText(query.value(2).toString());
    reconciliation.statementBalance = query.value(3).toLongLong();
    reconciliation.reconciledBalance = query.value(4).toLongLong();
    reconciliation.completedAt = timestampFromText(query.value(5).toString());
    reconciliation.version = query.value(6).toInt();
    reconciliation.syncStatus = syncStatusFromString(query.value(7).toString());
    reconciliation.serverId = query.value(8).toString();
    reconciliation.createdAt = timestampFromText(query.value(9).toString());
    reconciliation.updatedAt = timestampFromText(query.value(10).toString());
    reconciliation.deletedAt = optionalTimestampFromText(query.value(11).toString());
    return reconciliation;
}

QString timestampOrNow(const QDateTime &timestamp)
{
    return timestampToText(timestamp.isValid() ? timestamp : currentTimestamp());
}

} // namespace

ReconciliationRepository::ReconciliationRepository(Database *database, QObject *parent)
    : QObject(parent)
    , m_database(database)
{}

QList<Reconciliation> ReconciliationRepository::select(const QString &sqlTemplate, const QVariantList &values,
                                                       bool *ok) const
{
    return selectRecords<Reconciliation>(m_database, sqlTemplate.arg(columns), values, reconciliationFromRow,
                                         ok);
}

QList<Reconciliation> ReconciliationRepository::byAccount(const QString &accountId) const
{
    return select(
        QStringLiteral("SELECT %1 FROM reconciliations WHERE account_id = ? AND deleted_at IS NULL ORDER "
                       "BY statement_date DESC"),
        {accountId});
}

std::optional<Reconciliation> ReconciliationRepository::findById(const QString &id) const
{
    const QList<Reconciliation> found =
        select(QStringLiteral("SELECT %1 FROM reconciliations WHERE id = ?"), {id});
    if (found.isEmpty())
        return std::nullopt;
    return found.first();
}

QList<Reconciliation> ReconciliationRepository::findByIds(const QStringList &ids, bool *ok) const
{
    // The ids travel as one JSON array, so any number of them fits one prepared statement.
    return select(
        QStringLiteral("SELECT %1 FROM reconciliations WHERE id IN (SELECT value FROM json_each(?))"),
        {QString::fromUtf8(QJsonDocument(QJsonArray::fromStringList(ids)).toJson(QJsonDocument::Compact))},
        ok);
}

std::optional<Reconciliation> ReconciliationRepository::latestForAccount(const QString &accountId) const
{
    const QList<Reconciliation> found = select(
        QStringLiteral("SELECT %1 FROM reconciliations WHERE account_id = ? AND deleted_at IS NULL ORDER BY "
                       "statement_date DESC LIMIT 1"),
        {accountId});
    if (found.isEmpty())
        return std::nullopt;
    return found.first();
}

QList<Reconciliation> ReconciliationRepository::pending(bool *ok) const
{
    return select(QStringLiteral("SELECT %1 FROM reconciliations WHERE sync_status = 'pending'"), {}, ok);
}

bool ReconciliationRepository::insert(const Reconciliation &reconciliation)
{
    QSqlQuery &query = prepareWrite(
        m_database,
        QStringLiteral(
            "INSERT INTO reconciliations (id, account_id, statement_date, statement_balance, "
            "reconciled_balance, completed_at, version, sync_status, server_id, created_at, updated_at) "
            "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    query.addBindValue(reconciliation.id);
    query.addBindValue(reconciliation.accountId);
    query.addBindValue(dateToText(reconciliation.statementDate));
    query.addBindValue(qint64(reconciliation.statementBalance));
    query.addBindValue(qint64(reconciliation.reconciledBalance));
    query.addBindValue(timestampToText(reconciliation.completedAt));
    query.addBindValue(reconciliation.version);
    query.addBindValue(syncStatusToString(reconciliation.syncStatus));
    query.addBindValue(reconciliation.serverId);
    query.addBindValue(timestampOrNow(reconciliation.createdAt));
    query.addBindValue(timestampOrNow(reconciliation.updatedAt));
    if (!query.exec()) {
        logFailure("ReconciliationRepository::insert", query);
        return false;
    }
    emit reconciliationsChanged();
    return true;
}

bool ReconciliationRepository::update(const Reconciliation &reconciliation)
{
    QSqlQuery &query = prepareWrite(
        m_database,
        QStringLiteral(
            "UPDATE reconciliations SET account_id=?, statement_date=?, statement_balance=?, "
            "reconciled_balance=?, completed_at=?, version=?, sync_status=?, server_id=?, updated_at=? "
            "WHERE id=?"));
    query.addBindValue(reconciliation.accountId);
    query.addBindValue(dateToText(reconciliation.statementDate));
    query.addBindValue(qint64(reconciliation.statementBalance));
    query.addBindValue(qint64(reconciliation.reconciledBalance));
    query.addBindValue(timestampToText(reconciliation.completedAt));
    query.addBindValue(reconciliation.version);
    query.addBindValue(syncStatusToString(reconciliation.syncStatus));
    query.addBindValue(reconciliation.serverId);
    query.addBindValue(timestampToText(reconciliation.updatedAt));
    query.addBindValue(reconciliation.id);
    if (!query.exec()) {
        logFailure("ReconciliationRepository::update", query);
        return false;
    }
    emit reconciliationsChanged();
    return true;
}

int ReconciliationRepository::softDeleteByAccount(const QString &accountId)
{
    const QString now = timestampToText(currentTimestamp());
    const int changed =
        executeCounting(m_database,
                        QStringLiteral("UPDATE reconciliations SET deleted_at = ?, updated_at = ?, "
                                       "sync_status = 'pending', version = version + 1 WHERE "
                                       "account_id = ? AND deleted_at IS NULL"),
                        {now, now, accountId}, "ReconciliationRepository::softDeleteByAccount");
    if (changed > 0)
        emit reconciliationsChanged();
    return changed;
}

int ReconciliationRepository::restoreByAccount(const QString &accountId, const QString &cutOff)
{
    const int changed =
        executeCounting(m_database,
                        QStringLiteral("UPDATE reconciliations SET deleted_at = NULL, updated_at = ?, "
                                       "sync_status = 'pending', version = version + 1 WHERE "
                                       "account_id = ? AND deleted_at >= ?"),
                        {timestampToText(currentTimestamp()), accountId, cutOff},
                        "ReconciliationRepository::restoreByAccount");
    if (changed > 0)
        emit reconciliationsChanged();
    return changed;
}

int ReconciliationRepository::markAllPendingForResync()
{
    const int changed = executeCounting(
        m_database,
        QStringLiteral(
            "UPDATE reconciliations SET sync_status = 'pending' WHERE deleted_at IS NULL AND sync_status "
            "!= 'pending'"),
        {}, "ReconciliationRepository::markAllPendingForResync");
    if (changed > 0)
        emit reconciliationsChanged();
    return changed;
}

bool ReconciliationRepository::markSynced(const QString &id, const QString &serverId, int version,
                                          const QDateTime &updatedAt, bool *marked)
{
    bool markedHere = false;
    const bool ok = markSyncedIfUnchanged(m_database, QStringLiteral("reconciliations"),
                                          "ReconciliationRepository::markSynced", id, serverId, version,
                                          updatedAt, &markedHere);
    if (marked)
        *marked = markedHere;
    return ok;
}

bool ReconciliationRepository::setDeletedAt(const QString &id, const std::optional<QDateTime> &deletedAt)
{
    return writeDeletedAt(m_database, QStringLiteral("reconciliations"),
                          "ReconciliationRepository::setDeletedAt", id, deletedAt);
}

bool ReconciliationRepository::storeBookkeeping(const Reconciliation &row)
{
    return writeBookkeeping(m_database, QStringLiteral("reconciliations"),
                            "ReconciliationRepository::storeBookkeeping", row.id, row.version, row.syncStatus,
                            row.serverId, row.updatedAt);
}
