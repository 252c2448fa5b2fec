#include "payeeservice.h"

#include "data/database.h"
#include "data/datetext.h"
#include "data/repositorysupport.h"
#include "data/sqltransaction.h"
#include "data/transactionrepository.h"

#include <QDebug>
#include <QSet>
#include <QSqlQuery>

PayeeService::PayeeService(Database *database, TransactionRepository *transactions, QObject *parent,
                           std::function<QDateTime()> now)
    : QObject(parent)
    , m_database(database)
    , m_transactions(transactions)
    , m_now(now ? std::move(now) : [] { return currentTimestamp(); })
{}

std::optional<int> PayeeService::renamePayees(const QStringList &oldNames, const QString &newName)
{
    if (newName.trimmed().isEmpty())
        return 0;
    // The same timestamp text as every other writer: restore cut-offs and the backup's keep-newer
    // mode compare these values as text.
    const QString now = timestampToText(m_now());
    QSet<QString> touched;
    int changed = 0;
    SqlTransaction guard(m_database->connection());
    bool stored = guard.isActive();
    for (const QString &oldName : oldNames) {
        if (!stored)
            break;
        if (oldName == newName)
            continue;
        QSqlQuery accounts = RepositorySupport::prepare(
            m_database,
            QStringLiteral(
                "SELECT DISTINCT account_id FROM transactions WHERE payee = ? AND deleted_at IS NULL"));
        accounts.addBindValue(oldName);
        stored = accounts.exec();
        if (!stored) {
            RepositorySupport::logFailure("PayeeService::renamePayees", accounts);
            break;
        }
        while (accounts.next())
            touched.insert(accounts.value(0).toString());
        const int count = RepositorySupport::executeCounting(
            m_database,
            QStringLiteral("UPDATE transactions SET payee = ?, version = version + 1, updated_at = ?, "
                           "sync_status = 'pending' WHERE payee = ? AND deleted_at IS NULL"),
            {newName, now, oldName}, "PayeeService::renamePayees");
        stored = count >= 0;
        changed += qMax(count, 0);
    }
    if (!stored || !guard.commit()) {
        if (!guard.lastError().isEmpty())
            qWarning().noquote() << "PayeeService::renamePayees failed:" << guard.lastError();
        return std::nullopt;
    }
    for (const QString &accountId : std::as_const(touched))
        emit m_transactions->transactionsChanged(accountId);
    return changed;
}
