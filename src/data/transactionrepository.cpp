#include "transactionrepository.h"

#include "database.h"
#include "datetext.h"
#include "repositorysupport.h"

#include <QDebug>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSqlError>
#include <QSqlQuery>

using namespace RepositorySupport;

namespace {

const QString columns = QStringLiteral(
    "t.id, t.account_id, t.date, t.payee, t.memo, t.amount, t.category_id, t.check_number, t.cleared, "
    "t.reconciled, "
    "t.transfer_link_id, t.transfer_dest_account_id, t.is_split, t.recurring_id, t.version, t.sync_status, "
    "t.server_id, t.created_at, t.updated_at, t.deleted_at");
constexpr int categoryNameColumn = 20;

Transaction transactionFromRow(const QSqlQuery &query, int first = 0)
{
    Transaction transaction;
    transaction.id = query.value(first + 0).toString();
    transaction.accountId = query.value(first + 1).toString();
    transaction.date = dateFromText(query.value(first + 2).toString());
    transaction.payee = query.value(first + 3).toString();
    transaction.memo = query.value(first + 4).toString();
    transaction.amount = query.value(first + 5).toLongLong();
    transaction.categoryId = query.value(first + 6).toString();
    transaction.checkNumber = query.value(first + 7).toString();
    transaction.cleared = query.value(first + 8).toBool();
    transaction.reconciled = query.value(first + 9).toBool();
    transaction.transferLinkId = query.value(first + 10).toString();
    transaction.transferDestAccountId = query.value(first + 11).toString();
    transaction.isSplit = query.value(first + 12).toBool();
    transaction.recurringId = query.value(first + 13).toString();
    transaction.version = query.value(first + 14).toInt();
    transaction.syncStatus = syncStatusFromString(query.value(first + 15).toString());
    transaction.serverId = query.value(first + 16).toString();
    transaction.createdAt = timestampFromText(query.value(first + 17).toString());
    transaction.updatedAt = timestampFromText(query.value(first + 18).toString());
    transaction.deletedAt = optionalTimestampFromText(query.value(first + 19).toString());
    return transaction;
}

RegisterRow registerRowFromRow(const QSqlQuery &query, int first = 0)
{
    RegisterRow row;
    row.transaction = transactionFromRow(query, first);
    row.categoryName = query.value(first + categoryNameColumn).toString();
    return row;
}

// The values shared by insert and update, from date to server id, in statement order.
void bindEditableValues(QSqlQuery &query, const Transaction &transaction)
{
    query.addBindValue(dateToText(transaction.date));
    query.addBindValue(nonNullText(transaction.payee));
    query.addBindValue(transaction.memo);
    query.addBindValue(qint64(transaction.amount));
    query.addBindValue(textOrNull(transaction.categoryId));
    query.addBindValue(transaction.checkNumber);
    query.addBindValue(transaction.cleared ? 1 : 0);
    query.addBindValue(transaction.reconciled ? 1 : 0);
    query.addBindValue(transaction.transferLinkId);
    query.addBindValue(transaction.transferDestAccountId);
    query.addBindValue(transaction.isSplit ? 1 : 0);
    query.addBindValue(transaction.recurringId);
    query.addBindValue(transaction.version);
    query.addBindValue(syncStatusToString(transaction.syncStatus));
    query.addBindValue(transaction.serverId);
}

// The filter conditions of a search, in the order of their placeholders.
void appendSearchFilter(const TransactionSearchFilter &filter, QString *sql, QVariantList *values)
{
    if (!filter.accountId.isEmpty()) {
        *sql += QStringLiteral(" AND t.account_id = ?");
        values->append(filter.accountId);
    }
    if (!filter.categoryId.isEmpty()) {
        *sql += QStringLiteral(" AND t.category_id = ?");
        values->append(filter.categoryId);
    }
    if (filter.fromDate.isValid()) {
        *sql += QStringLiteral(" AND t.date >= ?");
        values->append(dateToText(filter.fromDate));
    }
    if (filter.toDate.isValid()) {
        *sql += QStringLiteral(" AND t.date <= ?");
        values->append(dateToText(filter.toDate));
    }
    if (filter.cleared.has_value()) {
        *sql += QStringLiteral(" AND t.cleared = ?");
        values->append(*filter.cleared ? 1 : 0);
    }
}

} // namespace

TransactionRepository::TransactionRepository(Database *database, QObject *parent,
                                             std::function<QDate()> today)
    : QObject(parent)
    , m_database(database)
    , m_today(today ? std::move(today) : [] { return QDate::currentDate(); })
{}

QList<Transaction> TransactionRepository::select(const QString &sqlTemplate, const QVariantList &values,
                                                 bool *ok) const
{
    return selectRecords<Transaction>(
        m_database, sqlTemplate.arg(columns), values,
        [](const QSqlQuery &query) { return transactionFromRow(query); }, ok);
}

QList<Transaction> TransactionRepository::byAccount(const QString &accountId) const
{
    return select(
        QStringLiteral("SELECT %1 FROM transactions t WHERE t.account_id = ? AND t.deleted_at IS NULL "
                       "ORDER BY t.date DESC, t.created_at DESC, t.rowid DESC"),
        {accountId});
}

std::optional<Transaction> TransactionRepository::findById(const QString &id) const
{
    const QList<Transaction> found =
        select(QStringLiteral("SELECT %1 FROM transactions t WHERE t.id = ?"), {id});
    if (found.isEmpty())
        return std::nullopt;
    return found.first();
}

QList<Transaction> TransactionRepository::findByIds(const QStringList &ids, bool *ok) const
{
    // The ids travel as one JSON array, so any number of them fits one prepared statement.
    return select(
        QStringLiteral("SELECT %1 FROM transactions t WHERE t.id IN (SELECT value FROM json_each(?))"),
        {QString::fromUtf8(QJsonDocument(QJsonArray::fromStringList(ids)).toJson(QJsonDocument::Compact))},
        ok);
}

QList<Transaction> TransactionRepository::pending(bool *ok) const
{
    return select(QStringLiteral("SELECT %1 FROM transactions t WHERE t.sync_status = 'pending'"), {}, ok);
}

QList<Transaction> TransactionRepository::unreconciled(const QString &accountId) const
{
    return select(
        QStringLiteral("SELECT %1 FROM transactions t WHERE t.account_id = ? AND t.deleted_at IS NULL "
                       "AND t.reconciled = 0 ORDER BY t.date ASC, t.created_at ASC, t.rowid ASC"),
        {accountId});
}

std::optional<Transaction> TransactionRepository::lastByPayee(const QString &payee,
                                                              const QString &accountId) const
{
    const QList<Transaction> found = select(
        QStringLiteral("SELECT %1 FROM transactions t WHERE t.payee = ? AND t.account_id = ? AND "
                       "t.deleted_at IS NULL ORDER BY t.date DESC, t.created_at DESC, t.rowid DESC LIMIT 1"),
        {payee, accountId});
    if (found.isEmpty())
        return std::nullopt;
    return found.first();
}

QStringList TransactionRepository::payees() const
{
    QSqlQuery query =
        prepare(m_database, QStringLiteral("SELECT DISTINCT payee FROM transactions WHERE deleted_at "
                                           "IS NULL AND payee != '' ORDER BY payee"));
    query.setForwardOnly(true);
    QStringList result;
    if (!query.exec())
        return result;
    while (query.next())
        result.append(query.value(0).toString());
    return result;
}

std::optional<RegisterRow> TransactionRepository::openingRow(const QString &accountId,
                                                             Money *startingBalance) const
{
    *startingBalance = 0;
    {
        QSqlQuery query =
            prepare(m_database, QStringLiteral("SELECT starting_balance FROM accounts WHERE id = ?"));
        query.addBindValue(accountId);
        if (query.exec() && query.next())
            *startingBalance = query.value(0).toLongLong();
    }
    if (*startingBalance == 0)
        return std::nullopt;

    QDate openingDate;
    QSqlQuery query =
        prepare(m_database, QStringLiteral("SELECT date FROM transactions WHERE account_id = ? AND "
                                           "deleted_at IS NULL ORDER BY date ASC LIMIT 1"));
    query.addBindValue(accountId);
    if (query.exec() && query.next())
        openingDate = dateFromText(query.value(0).toString());
    if (!openingDate.isValid())
        openingDate = m_today();

    RegisterRow opening;
    opening.transaction.payee = QStringLiteral("Opening Balance");
    opening.transaction.amount = *startingBalance;
    opening.transaction.cleared = true;
    opening.transaction.reconciled = true;
    opening.transaction.date = openingDate;
    opening.runningBalance = *startingBalance;
    return opening;
}

QList<RegisterRow> TransactionRepository::registerRows(const QString &accountId, bool *ok) const
{
    QList<RegisterRow> rows;
    {
        QSqlQuery query =
            prepare(m_database, QStringLiteral("SELECT COUNT(*) FROM transactions WHERE account_id = ? "
                                               "AND deleted_at IS NULL"));
        query.addBindValue(accountId);
        if (query.exec() && query.next())
            rows.reserve(query.value(0).toLongLong() + 1);
    }
    const bool complete = forEachRegisterRow(accountId, [&rows](const RegisterRow &row) {
        rows.append(row);
        return true;
    });
    if (ok)
        *ok = complete;
    if (!complete)
        return {};
    return rows;
}

bool TransactionRepository::forEachRegisterRow(const QString &accountId,
                                               const std::function<bool(const RegisterRow &row)> &visit) const
{
    Money startingBalance = 0;
    const std::optional<RegisterRow> opening = openingRow(accountId, &startingBalance);
    if (opening && !visit(*opening))
        return true;

    // One ordered pass: each row's balance is the previous one plus its amount.
    QSqlQuery query = prepare(
        m_database,
        QStringLiteral(
            "SELECT %1, c.name AS category_name FROM transactions t LEFT JOIN categories c ON "
            "t.category_id = c.id WHERE t.account_id = ? AND t.deleted_at IS NULL ORDER BY t.date ASC, "
            "t.created_at ASC, t.rowid ASC")
            .arg(columns));
    query.setForwardOnly(true);
    query.addBindValue(accountId);
    if (!query.exec()) {
        logFailure("TransactionRepository::registerRows", query);
        return false;
    }
    Money running = startingBalance;
    while (query.next()) {
        RegisterRow row = registerRowFromRow(query);
        const std::optional<Money> next = addAmounts(running, row.transaction.amount);
        if (!next) {
            qWarning().noquote()
                << "TransactionRepository::registerRows failed: the running balance of account" << accountId
                << "does not fit in 64 bits";
            return false;
        }
        running = *next;
        row.runningBalance = running;
        if (!visit(row))
            return true;
    }
    // A read that stopped on an error (I/O, a corrupt page) is not the end of the register.
    if (query.lastError().isValid()) {
        logFailure("TransactionRepository::registerRows", query);
        return false;
    }
    return true;
}

RegisterIndex TransactionRepository::registerIndex(const QString &accountId) const
{
    RegisterIndex index;
    Money running = 0;
    index.openingRow = openingRow(accountId, &running);

    QSqlQuery query = prepare(
        m_database, QStringLiteral("SELECT rowid, amount FROM transactions WHERE account_id = ? "
                                   "AND deleted_at IS NULL ORDER BY date ASC, created_at ASC, rowid ASC"));
    query.setForwardOnly(true);
    query.addBindValue(accountId);
    if (!query.exec())
        return index;
    while (query.next()) {
        const std::optional<Money> next = addAmounts(running, query.value(1).toLongLong());
        if (!next) {
            qWarning().noquote()
                << "TransactionRepository::registerIndex failed: the running balance of account" << accountId
                << "does not fit in 64 bits";
            return {};
        }
        running = *next;
        index.rowIds.append(query.value(0).toLongLong());
        index.runningBalances.append(running);
    }
    return index;
}

QList<RegisterRow> TransactionRepository::registerRowsByRowId(const QList<qint64> &rowIds) const
{
    if (rowIds.isEmpty())
        return {};
    // The rowids travel as one JSON array, so any number of them fits one prepared statement.
    QString list;
    list.reserve(rowIds.size() * 8);
    list += QLatin1Char('[');
    for (qsizetype i = 0; i < rowIds.size(); ++i) {
        if (i > 0)
            list += QLatin1Char(',');
        list += QString::number(rowIds[i]);
    }
    list += QLatin1Char(']');

    QSqlQuery query = prepare(
        m_database,
        QStringLiteral(
            "SELECT t.rowid, %1, c.name AS category_name FROM transactions t LEFT JOIN categories c ON "
            "t.category_id = c.id WHERE t.rowid IN (SELECT value FROM json_each(?)) AND t.deleted_at IS NULL")
            .arg(columns));
    query.setForwardOnly(true);
    query.addBindValue(list);
    if (!query.exec())
        return {};
    QHash<qint64, RegisterRow> found;
    found.reserve(rowIds.size());
    while (query.next()) {
        const qint64 rowId = query.value(0).toLongLong();
        found.insert(rowId, registerRowFromRow(query, 1));
    }
    QList<RegisterRow> rows;
    rows.reserve(found.size());
    for (qint64 rowId : rowIds) {
        const auto it = found.constFind(rowId);
        if (it != found.cend())
            rows.append(*it);
    }
    return rows;
}

qint64 TransactionRepository::rowIdOf(const QString &id) const
{
    QSqlQuery query =
        prepare(m_database, QStringLiteral("SELECT rowid FROM transactions WHERE id = ? AND deleted_at "
                                           "IS NULL"));
    query.addBindValue(id);
    if (!query.exec() || !query.next())
        return -1;
    return query.value(0).toLongLong();
}

Money TransactionRepository::balance(const QString &accountId, bool *ok) const
{
    if (ok)
        *ok = true;
    // SQLite's SUM fails with "integer overflow" rather than wrapping; the starting balance is
    // added here, checked, because SQL's "+" would turn an overflow into an inexact real.
    QSqlQuery query = prepare(
        m_database,
        QStringLiteral(
            "SELECT a.starting_balance, COALESCE((SELECT SUM(amount) FROM transactions WHERE account_id = "
            "a.id AND deleted_at IS NULL), 0) FROM accounts a WHERE a.id = ?"));
    query.addBindValue(accountId);
    if (!query.exec()) {
        logFailure("TransactionRepository::balance", query);
        if (ok)
            *ok = false;
        return 0;
    }
    if (!query.next())
        return 0;
    const std::optional<Money> sum = addAmounts(query.value(0).toLongLong(), query.value(1).toLongLong());
    if (!sum) {
        qWarning().noquote() << "TransactionRepository::balance failed: the balance of account" << accountId
                             << "does not fit in 64 bits";
        if (ok)
            *ok = false;
        return 0;
    }
    return *sum;
}

QString TransactionRepository::searchSyntaxError(const QString &query) const
{
    if (query.isEmpty())
        return {};
    QSqlQuery probe =
        prepare(m_database, QStringLiteral("SELECT 1 FROM transactions_fts WHERE transactions_fts MATCH ? "
                                           "LIMIT 1"));
    probe.addBindValue(query);
    if (probe.exec())
        return {};
    return probe.lastError().databaseText().isEmpty() ? probe.lastError().text()
                                                      : probe.lastError().databaseText();
}

bool TransactionRepository::walkDatesForSearch(const QString &text, const TransactionSearchFilter &filter,
                                               bool *isValidQuery) const
{
    *isValidQuery = true;
    if (text.isEmpty() || !filter.accountId.isEmpty() || !filter.categoryId.isEmpty())
        return false;
    QSqlQuery count = prepare(
        m_database, QStringLiteral("SELECT COUNT(*) FROM transactions_fts WHERE transactions_fts MATCH ?"));
    count.addBindValue(text);
    if (!count.exec() || !count.next()) {
        *isValidQuery = false;
        return false;
    }
    const qint64 matches = count.value(0).toLongLong();
    QSqlQuery size = prepare(m_database, QStringLiteral("SELECT MAX(rowid) FROM transactions"));
    const qint64 rows = size.exec() && size.next() ? size.value(0).toLongLong() : 0;
    // Joining the matches first fetches and orders every match to keep 200; walking the date
    // index newest first stops after 200 hits, about 200 * rows / matches steps. The walk wins
    // once matches^2 outgrows about 64 * rows (measured break-even on a million rows).
    return matches * matches > 64 * rows;
}

QList<RegisterRow> TransactionRepository::search(const QString &text,
                                                 const TransactionSearchFilter &filter) const
{
    bool isValidQuery = true;
    const bool walkDates = walkDatesForSearch(text, filter, &isValidQuery);
    if (!isValidQuery)
        return {};

    QString sql;
    QVariantList values;
    if (text.isEmpty()) {
        sql =
            QStringLiteral("SELECT %1, c.name AS category_name FROM transactions t LEFT JOIN categories c ON "
                           "t.category_id = c.id WHERE t.deleted_at IS NULL");
    } else if (walkDates) {
        // The same rows as the join below; "+" keeps the rowid test from driving the plan, so
        // SQLite walks idx_transactions_date in the result's order and stops at the limit.
        sql = QStringLiteral(
            "SELECT %1, c.name AS category_name FROM transactions t LEFT JOIN categories c ON "
            "t.category_id = c.id WHERE t.deleted_at IS NULL AND +t.rowid IN (SELECT rowid FROM "
            "transactions_fts WHERE transactions_fts MATCH ?)");
        values.append(text);
    } else {
        sql = QStringLiteral(
            "SELECT %1, c.name AS category_name FROM transactions t JOIN transactions_fts fts ON "
            "fts.rowid = t.rowid LEFT JOIN categories c ON t.category_id = c.id WHERE "
            "t.deleted_at IS NULL AND transactions_fts MATCH ?");
        values.append(text);
    }
    appendSearchFilter(filter, &sql, &values);
    sql += QStringLiteral(" ORDER BY t.date DESC, t.created_at DESC, t.rowid DESC LIMIT 200");

    QSqlQuery query = prepare(m_database, sql.arg(columns));
    query.setForwardOnly(true);
    for (const QVariant &value : values)
        query.addBindValue(value);
    QList<RegisterRow> rows;
    if (!query.exec())
        return rows;
    rows.reserve(searchLimit);
    while (query.next())
        rows.append(registerRowFromRow(query));
    return rows;
}

int TransactionRepository::searchCount(const QString &text, const TransactionSearchFilter &filter) const
{
    // Only what decides whether a row matches: no category join, no order, no columns.
    QString sql = QStringLiteral("SELECT COUNT(*) FROM transactions t WHERE t.deleted_at IS NULL");
    QVariantList values;
    if (!text.isEmpty()) {
        sql += QStringLiteral(
            " AND t.rowid IN (SELECT rowid FROM transactions_fts WHERE transactions_fts MATCH ?)");
        values.append(text);
    }
    appendSearchFilter(filter, &sql, &values);
    QSqlQuery query = prepare(m_database, sql);
    for (const QVariant &value : values)
        query.addBindValue(value);
    if (!query.exec() || !query.next())
        return 0;
    return query.value(0).toInt();
}

bool TransactionRepository::insert(const Transaction &transaction)
{
    QSqlQuery &query = prepareWrite(
        m_database,
        QStringLiteral(
            "INSERT INTO transactions (id, account_id, date, payee, memo, amount, category_id, "
            "check_number, cleared, reconciled, transfer_link_id, transfer_dest_account_id, is_split, "
            "recurring_id, version, sync_status, server_id, created_at, updated_at) VALUES (?, ?, ?, ?, "
            "?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    query.addBindValue(transaction.id);
    query.addBindValue(transaction.accountId);
    bindEditableValues(query, transaction);
    query.addBindValue(timestampToText(transaction.createdAt));
    query.addBindValue(timestampToText(transaction.updatedAt));
    if (!query.exec()) {
        logFailure("TransactionRepository::insert", query);
        return false;
    }
    emit transactionsChanged(transaction.accountId);
    return true;
}

bool TransactionRepository::update(const Transaction &transaction)
{
    QSqlQuery &query = prepareWrite(
        m_database,
        QStringLiteral(
            "UPDATE transactions SET date=?, payee=?, memo=?, amount=?, category_id=?, check_number=?, "
            "cleared=?, reconciled=?, transfer_link_id=?, transfer_dest_account_id=?, is_split=?, "
            "recurring_id=?, version=?, sync_status=?, server_id=?, updated_at=? WHERE id=?"));
    bindEditableValues(query, transaction);
    query.addBindValue(timestampToText(transaction.updatedAt));
    query.addBindValue(transaction.id);
    if (!query.exec()) {
        logFailure("TransactionRepository::update", query);
        return false;
    }
    emit transactionsChanged(transaction.accountId);
    return true;
}

bool TransactionRepository::softDelete(const QString &id)
{
    const std::optional<Transaction> stored = findById(id);
    if (!stored)
        return false;
    QSqlQuery query =
        prepare(m_database, QStringLiteral("UPDATE transactions SET deleted_at=?, sync_status='pending', "
                                           "updated_at=?, version=version+1 WHERE id=?"));
    const QString now = timestampToText(currentTimestamp());
    query.addBindValue(now);
    query.addBindValue(now);
    query.addBindValue(id);
    if (!query.exec()) {
        logFailure("TransactionRepository::softDelete", query);
        return false;
    }
    emit transactionsChanged(stored->accountId);
    return true;
}

int TransactionRepository::softDeleteByAccount(const QString &accountId)
{
    const QString now = timestampToText(currentTimestamp());
    const int changed =
        executeCounting(m_database,
                        QStringLiteral("UPDATE transactions SET deleted_at = ?, updated_at = ?, sync_status "
                                       "= 'pending', version = version + 1 WHERE "
                                       "account_id = ? AND deleted_at IS NULL"),
                        {now, now, accountId}, "TransactionRepository::softDeleteByAccount");
    if (changed > 0)
        emit transactionsChanged(accountId);
    return changed;
}

int TransactionRepository::restoreByAccount(const QString &accountId, const QString &cutOff)
{
    const int changed = executeCounting(
        m_database,
        QStringLiteral("UPDATE transactions SET deleted_at = NULL, updated_at = ?, sync_status = 'pending', "
                       "version = version + 1 WHERE "
                       "account_id = ? AND deleted_at >= ?"),
        {timestampToText(currentTimestamp()), accountId, cutOff}, "TransactionRepository::restoreByAccount");
    if (changed > 0)
        emit transactionsChanged(accountId);
    return changed;
}

int TransactionRepository::markAllPendingForResync()
{
    const int changed = executeCounting(
        m_database,
        QStringLiteral(
            "UPDATE transactions SET sync_status = 'pending' WHERE deleted_at IS NULL AND sync_status != "
            "'pending'"),
        {}, "TransactionRepository::markAllPendingForResync");
    if (changed > 0)
        emit transactionsChanged(QString());
    return changed;
}

bool TransactionRepository::markSynced(const QString &id, const QString &serverId, int version,
                                       const QDateTime &updatedAt, bool *marked)
{
    bool markedHere = false;
    const bool ok =
        markSyncedIfUnchanged(m_database, QStringLiteral("transactions"), "TransactionRepository::markSynced",
                              id, serverId, version, updatedAt, &markedHere);
    if (marked)
        *marked = markedHere;
    return ok;
}

bool TransactionRepository::setDeletedAt(const QString &id, const std::optional<QDateTime> &deletedAt)
{
    return writeDeletedAt(m_database, QStringLiteral("transactions"), "TransactionRepository::setDeletedAt",
                          id, deletedAt);
}

bool TransactionRepository::storeBookkeeping(const Transaction &row)
{
    return writeBookkeeping(m_database, QStringLiteral("transactions"),
                            "TransactionRepository::storeBookkeeping", row.id, row.version, row.syncStatus,
                            row.serverId, row.updatedAt);
}
