#include "recurringrepository.h"

#include "database.h"
#include "datetext.h"
#include "repositorysupport.h"

#include <QDebug>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSqlQuery>

using namespace RepositorySupport;

namespace {

const QString columns = QStringLiteral("id, account_id, payee, memo, amount, category_id, frequency, "
                                       "start_date, end_date, next_due_date, auto_post, "
                                       "is_active, transfer_dest_account_id, version, sync_status, "
                                       "server_id, created_at, updated_at, deleted_at");

RecurringTransaction recurringFromRow(const QSqlQuery &query)
{
    RecurringTransaction recurring;
    recurring.id = query.value(0).toString();
    recurring.accountId = query.value(1).toString();
    recurring.payee = query.value(2).toString();
    recurring.memo = query.value(3).toString();
    recurring.amount = query.value(4).toLongLong();
    recurring.categoryId = query.value(5).toString();
    recurring.frequency = frequencyFromString(query.value(6).toString());
    recurring.startDate = dateFromText(query.value(7).toString());
    const QString endDate = query.value(8).toString();
    if (!endDate.isEmpty())
        recurring.endDate = dateFromText(endDate);
    recurring.nextDueDate = dateFromText(query.value(9).toString());
    recurring.autoPost = query.value(10).toBool();
    recurring.isActive = query.value(11).toBool();
    recurring.transferDestAccountId = query.value(12).toString();
    recurring.version = query.value(13).toInt();
    recurring.syncStatus = syncStatusFromString(query.value(14).toString());
    recurring.serverId = query.value(15).toString();
    recurring.createdAt = timestampFromText(query.value(16).toString());
    recurring.updatedAt = timestampFromText(query.value(17).toString());
    recurring.deletedAt = optionalTimestampFromText(query.value(18).toString());
    return recurring;
}

// The date columns are NOT NULL: a broken date is written as empty text rather than refused.
QString requiredDateText(const QDate &date)
{
    return date.isValid() ? dateToText(date) : QStringLiteral("");
}

// From payee to server id: the values insert and update share, in statement order.
void bindEditableValues(QSqlQuery &query, const RecurringTransaction &recurring)
{
    query.addBindValue(nonNullText(recurring.payee));
    query.addBindValue(recurring.memo);
    query.addBindValue(qint64(recurring.amount));
    query.addBindValue(textOrNull(recurring.categoryId));
    query.addBindValue(frequencyToString(recurring.frequency));
    query.addBindValue(requiredDateText(recurring.startDate));
    query.addBindValue(textOrNull(recurring.endDate ? dateToText(*recurring.endDate) : QString()));
    query.addBindValue(requiredDateText(recurring.nextDueDate));
    query.addBindValue(recurring.autoPost ? 1 : 0);
    query.addBindValue(recurring.isActive ? 1 : 0);
    query.addBindValue(recurring.transferDestAccountId);
    query.addBindValue(recurring.version);
    query.addBindValue(syncStatusToString(recurring.syncStatus));
    query.addBindValue(recurring.serverId);
}

void warnIfBroken(const char *operation, const RecurringTransaction &recurring)
{
    if (!RecurringRepository::isBrokenDueDate(recurring.nextDueDate))
        return;
    qWarning().noquote() << "RecurringRepository::" << operation
                         << "saving recurring with broken nextDueDate:"
                         << "id=" << recurring.id << "payee=" << recurring.payee
                         << "nextDueDate=" << dateToText(recurring.nextDueDate)
                         << "startDate=" << dateToText(recurring.startDate)
                         << "frequency=" << static_cast<int>(recurring.frequency);
}

} // namespace

RecurringRepository::RecurringRepository(Database *database, QObject *parent)
    : QObject(parent)
    , m_database(database)
{}

QList<RecurringTransaction> RecurringRepository::select(const QString &sqlTemplate,
                                                        const QVariantList &values, bool *ok) const
{
    return selectRecords<RecurringTransaction>(m_database, sqlTemplate.arg(columns), values, recurringFromRow,
                                               ok);
}

QList<RecurringTransaction> RecurringRepository::all() const
{
    return select(QStringLiteral("SELECT %1 FROM recurring_transactions WHERE deleted_at IS NULL ORDER BY "
                                 "next_due_date"),
                  {});
}

std::optional<RecurringTransaction> RecurringRepository::findById(const QString &id) const
{
    const QList<RecurringTransaction> found =
        select(QStringLiteral("SELECT %1 FROM recurring_transactions WHERE id = ?"), {id});
    if (found.isEmpty())
        return std::nullopt;
    return found.first();
}

QList<RecurringTransaction> RecurringRepository::findByIds(const QStringList &ids, bool *ok) const
{
    // The ids travel as one JSON array, so any number of them fits one prepared statement.
    return select(
        QStringLiteral("SELECT %1 FROM recurring_transactions WHERE id IN (SELECT value FROM json_each(?))"),
        {QString::fromUtf8(QJsonDocument(QJsonArray::fromStringList(ids)).toJson(QJsonDocument::Compact))},
        ok);
}

QList<RecurringTransaction> RecurringRepository::due(const QDate &today) const
{
    return select(
        QStringLiteral("SELECT %1 FROM recurring_transactions WHERE deleted_at IS NULL AND is_active = 1 "
                       "AND next_due_date <= ?"),
        {dateToText(today)});
}

QList<RecurringTransaction> RecurringRepository::pending(bool *ok) const
{
    return select(QStringLiteral("SELECT %1 FROM recurring_transactions WHERE sync_status = 'pending'"), {},
                  ok);
}

bool RecurringRepository::insert(const RecurringTransaction &recurring)
{
    warnIfBroken("insert", recurring);
    QSqlQuery &query = prepareWrite(
        m_database,
        QStringLiteral(
            "INSERT INTO recurring_transactions (id, account_id, payee, memo, amount, category_id, "
            "frequency, start_date, end_date, next_due_date, auto_post, is_active, "
            "transfer_dest_account_id, version, sync_status, server_id, created_at, updated_at) VALUES "
            "(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    query.addBindValue(recurring.id);
    query.addBindValue(recurring.accountId);
    bindEditableValues(query, recurring);
    query.addBindValue(timestampToText(recurring.createdAt));
    query.addBindValue(timestampToText(recurring.updatedAt));
    if (!query.exec()) {
        logFailure("RecurringRepository::insert", query);
        return false;
    }
    emit recurringChanged();
    return true;
}

bool RecurringRepository::update(const RecurringTransaction &recurring)
{
    warnIfBroken("update", recurring);
    QSqlQuery &query = prepareWrite(
        m_database,
        QStringLiteral(
            "UPDATE recurring_transactions SET payee=?, memo=?, amount=?, category_id=?, frequency=?, "
            "start_date=?, end_date=?, next_due_date=?, auto_post=?, is_active=?, "
            "transfer_dest_account_id=?, version=?, sync_status=?, server_id=?, updated_at=? WHERE id=?"));
    bindEditableValues(query, recurring);
    query.addBindValue(timestampToText(recurring.updatedAt));
    query.addBindValue(recurring.id);
    if (!query.exec()) {
        logFailure("RecurringRepository::update", query);
        return false;
    }
    emit recurringChanged();
    return true;
}

bool RecurringRepository::softDelete(const QString &id)
{
    QSqlQuery query =
        prepare(m_database, QStringLiteral("UPDATE recurring_transactions SET deleted_at=?, "
                                           "sync_status='pending', updated_at=?, version=version+1 WHERE "
                                           "id=?"));
    const QString now = timestampToText(currentTimestamp());
    query.addBindValue(now);
    query.addBindValue(now);
    query.addBindValue(id);
    if (!query.exec()) {
        logFailure("RecurringRepository::softDelete", query);
        return false;
    }
    emit recurringChanged();
    return true;
}

int RecurringRepository::softDeleteByAccount(const QString &accountId)
{
    const QString now = timestampToText(currentTimestamp());
    const int changed =
        executeCounting(m_database,
                        QStringLiteral("UPDATE recurring_transactions SET deleted_at = ?, updated_at = ?, "
                                       "sync_status = 'pending', version = version + 1 "
                                       "WHERE account_id = ? AND deleted_at IS NULL"),
                        {now, now, accountId}, "RecurringRepository::softDeleteByAccount");
    if (changed > 0)
        emit recurringChanged();
    return changed;
}

int RecurringRepository::restoreByAccount(const QString &accountId, const QString &cutOff)
{
    const int changed = executeCounting(
        m_database,
        QStringLiteral("UPDATE recurring_transactions SET deleted_at = NULL, updated_at = ?, sync_status = "
                       "'pending', version = version + 1 "
                       "WHERE account_id = ? AND deleted_at >= ?"),
        {timestampToText(currentTimestamp()), accountId, cutOff}, "RecurringRepository::restoreByAccount");
    if (changed > 0)
        emit recurringChanged();
    return changed;
}

int RecurringRepository::markAllPendingForResync()
{
    const int changed = executeCounting(
        m_database,
        QStringLiteral(
            "UPDATE recurring_transactions SET sync_status = 'pending' WHERE deleted_at IS NULL AND "
            "sync_status != 'pending'"),
        {}, "RecurringRepository::markAllPendingForResync");
    if (changed > 0)
        emit recurringChanged();
    return changed;
}

bool RecurringRepository::markSynced(const QString &id, const QString &serverId, int version,
                                     const QDateTime &updatedAt, bool *marked)
{
    bool markedHere = false;
    const bool ok = markSyncedIfUnchanged(m_database, QStringLiteral("recurring_transactions"),
                                          "RecurringRepository::markSynced", id, serverId, version, updatedAt,
                                          &markedHere);
    if (marked)
        *marked = markedHere;
    return ok;
}

bool RecurringRepository::setDeletedAt(const QString &id, const std::optional<QDateTime> &deletedAt)
{
    return writeDeletedAt(m_database, QStringLiteral("recurring_transactions"),
                          "RecurringRepository::setDeletedAt", id, deletedAt);
}

bool RecurringRepository::storeBookkeeping(const RecurringTransaction &row)
{
    return writeBookkeeping(m_database, QStringLiteral("recurring_transactions"),
                            "RecurringRepository::storeBookkeeping", row.id, row.version, row.syncStatus,
                            row.serverId, row.updatedAt);
}
