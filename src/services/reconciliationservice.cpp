#include "reconciliationservice.h"

#include "data/accountrepository.h"
#include "data/database.h"
#include "data/datetext.h"
#include "data/identifiers.h"
#include "data/reconciliation.h"
#include "data/reconciliationrepository.h"
#include "data/sqltransaction.h"
#include "data/syncstamp.h"
#include "data/transactionrepository.h"

#include <QDebug>
#include <QSet>
#include <QSignalBlocker>

ReconciliationService::ReconciliationService(Database *database, AccountRepository *accounts,
                                             TransactionRepository *transactions,
                                             ReconciliationRepository *reconciliations, QObject *parent,
                                             std::function<QDateTime()> now)
    : QObject(parent)
    , m_database(database)
    , m_accounts(accounts)
    , m_transactions(transactions)
    , m_reconciliations(reconciliations)
    , m_now(now ? std::move(now) : [] { return currentTimestamp(); })
{}

std::optional<Money> ReconciliationService::previousBalance(const QString &accountId) const
{
    const std::optional<Account> account = m_accounts->findById(accountId);
    if (!account)
        return std::nullopt;
    std::optional<Money> balance = account->startingBalance;
    for (const Transaction &transaction : m_transactions->byAccount(accountId)) {
        if (transaction.reconciled && balance)
            balance = addAmounts(*balance, transaction.amount);
    }
    return balance;
}

ReconciliationService::Outcome
ReconciliationService::finish(const QString &accountId, const QDate &statementDate, Money statementBalance,
                              const QStringList &transactionIds, Money *difference)
{
    const std::optional<Account> account = m_accounts->findById(accountId);
    if (!account || account->deletedAt || !statementDate.isValid())
        return Outcome::AccountNotFound;
    std::optional<Money> reconciledBalance = previousBalance(accountId);

    QList<Transaction> ticked;
    QSet<QString> seen;
    for (const QString &id : transactionIds) {
        if (seen.contains(id))
            continue;
        seen.insert(id);
        std::optional<Transaction> transaction = m_transactions->findById(id);
        if (!transaction || transaction->deletedAt || transaction->accountId != accountId ||
            transaction->reconciled)
            return Outcome::TransactionNotFound;
        if (reconciledBalance)
            reconciledBalance = addAmounts(*reconciledBalance, transaction->amount);
        ticked.append(*transaction);
    }
    if (!reconciledBalance || !isAmountInRange(statementBalance))
        return Outcome::Overflow;
    const std::optional<Money> gap = addAmounts(statementBalance, -*reconciledBalance);
    if (!gap)
        return Outcome::Overflow;
    if (difference)
        *difference = *gap;
    if (*gap != 0)
        return Outcome::NotBalanced;

    const QDateTime now = m_now();
    Reconciliation reconciliation;
    reconciliation.id = newId();
    reconciliation.accountId = accountId;
    reconciliation.statementDate = statementDate;
    reconciliation.statementBalance = statementBalance;
    reconciliation.reconciledBalance = *reconciledBalance;
    reconciliation.completedAt = now;
    SyncStamp::stampNew(reconciliation, now);
    {
        const QSignalBlocker blockTransactions(m_transactions);
        const QSignalBlocker blockReconciliations(m_reconciliations);
        SqlTransaction guard(m_database->connection());
        bool stored = guard.isActive();
        for (Transaction &transaction : ticked) {
            if (!stored)
                break;
            transaction.cleared = true;
            transaction.reconciled = true;
            SyncStamp::stampChanged(transaction, now);
            stored = m_transactions->update(transaction);
        }
        if (!stored || !m_reconciliations->insert(reconciliation) || !guard.commit()) {
            if (!guard.lastError().isEmpty())
                qWarning().noquote() << "ReconciliationService::finish failed:" << guard.lastError();
            return Outcome::StorageFailed;
        }
    }
    emit m_transactions->transactionsChanged(accountId);
    emit m_reconciliations->reconciliationsChanged();
    return Outcome::Finished;
}
