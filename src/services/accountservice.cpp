#include "accountservice.h"

#include "data/accountrepository.h"
#include "data/database.h"
#include "data/datetext.h"
#include "data/identifiers.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/sqltransaction.h"
#include "data/syncstamp.h"
#include "data/transaction.h"
#include "data/transactionrepository.h"

#include <QDebug>
#include <QSignalBlocker>

AccountService::AccountService(Database *database, AccountRepository *accounts,
                               TransactionRepository *transactions, RecurringRepository *recurring,
                               ReconciliationRepository *reconciliations, QObject *parent,
                               std::function<QDateTime()> now)
    : QObject(parent)
    , m_database(database)
    , m_accounts(accounts)
    , m_transactions(transactions)
    , m_recurring(recurring)
    , m_reconciliations(reconciliations)
    , m_now(now ? std::move(now) : [] { return currentTimestamp(); })
{}

std::optional<Account> AccountService::createAccount(Account account, const QDate &asOf)
{
    const QDateTime now = m_now();
    const Money openingBalance = account.startingBalance;
    if (account.id.isEmpty())
        account.id = newId();
    account.startingBalance = 0;
    // At the end of the list, also after the user has reordered it.
    account.sortOrder = 0;
    for (const Account &other : m_accounts->all())
        account.sortOrder = qMax(account.sortOrder, other.sortOrder + 1);
    SyncStamp::stampNew(account, now);

    // Shown in the register, reconcilable and dated, which a number on the account is not.
    Transaction opening;
    opening.id = newId();
    opening.accountId = account.id;
    opening.date = asOf;
    opening.payee = QStringLiteral("Opening Balance");
    opening.amount = openingBalance;
    opening.cleared = true;
    opening.reconciled = true;
    SyncStamp::stampNew(opening, now);

    {
        // An account without its opening transaction would silently lose the entered balance.
        const QSignalBlocker blockAccounts(m_accounts);
        const QSignalBlocker blockTransactions(m_transactions);
        SqlTransaction guard(m_database->connection());
        const bool stored = guard.isActive() && m_accounts->insert(account) &&
                            (openingBalance == 0 || m_transactions->insert(opening)) && guard.commit();
        if (!stored) {
            // A refused row was logged by its repository; a failed savepoint or commit is logged here.
            if (!guard.lastError().isEmpty())
                qWarning().noquote() << "AccountService::createAccount failed:" << guard.lastError();
            return std::nullopt;
        }
    }
    emit m_accounts->accountsChanged();
    if (openingBalance != 0)
        emit m_transactions->transactionsChanged(account.id);
    return account;
}

AccountService::Outcome AccountService::updateAccount(const Account &edited)
{
    std::optional<Account> stored = m_accounts->findById(edited.id);
    if (!stored || stored->deletedAt)
        return Outcome::NotFound;
    stored->name = edited.name;
    stored->type = edited.type;
    stored->currency = edited.currency;
    stored->startingBalance = edited.startingBalance;
    stored->institution = edited.institution;
    stored->accountNumberLast4 = edited.accountNumberLast4;
    SyncStamp::stampChanged(*stored, m_now());
    return writeTogether(
        "updateAccount", [&] { return m_accounts->update(*stored); }, QString());
}

AccountService::Outcome AccountService::deleteAccount(const QString &id)
{
    const std::optional<Account> stored = m_accounts->findById(id);
    if (!stored || stored->deletedAt)
        return Outcome::NotFound;
    int transactions = 0;
    int recurrings = 0;
    int reconciliations = 0;
    const Outcome outcome = writeTogether(
        "deleteAccount",
        [&] {
            transactions = m_transactions->softDeleteByAccount(id);
            recurrings = m_recurring->softDeleteByAccount(id);
            reconciliations = m_reconciliations->softDeleteByAccount(id);
            return transactions >= 0 && recurrings >= 0 && reconciliations >= 0 && m_accounts->softDelete(id);
        },
        id);
    if (outcome == Outcome::Done) {
        qInfo().noquote() << "Cascade delete account" << id << "→ transactions:" << transactions
                          << "recurrings:" << recurrings << "reconciliations:" << reconciliations;
    }
    return outcome;
}

AccountService::Outcome AccountService::restoreAccount(const QString &id)
{
    const std::optional<Account> stored = m_accounts->findById(id);
    if (!stored)
        return Outcome::NotFound;
    if (!stored->deletedAt)
        return Outcome::Done;
    // The cascade deletes the account's rows a moment before the account itself; rows deleted
    // earlier than that were deleted on their own and stay deleted.
    const QString cutOff = timestampToText(stored->deletedAt->addSecs(-10));
    return writeTogether(
        "restoreAccount",
        [&] {
            return m_transactions->restoreByAccount(id, cutOff) >= 0 &&
                   m_recurring->restoreByAccount(id, cutOff) >= 0 &&
                   m_reconciliations->restoreByAccount(id, cutOff) >= 0 && m_accounts->restore(id);
        },
        id);
}

AccountService::Outcome AccountService::writeTogether(const char *operation,
                                                      const std::function<bool()> &write,
                                                      const QString &accountId)
{
    {
        // Listeners hear of the change only once it is committed, never of a rolled-back half.
        const QSignalBlocker blockAccounts(m_accounts);
        const QSignalBlocker blockTransactions(m_transactions);
        const QSignalBlocker blockRecurring(m_recurring);
        const QSignalBlocker blockReconciliations(m_reconciliations);
        SqlTransaction guard(m_database->connection());
        if (!guard.isActive() || !write() || !guard.commit()) {
            if (!guard.lastError().isEmpty()) {
                qWarning().noquote()
                    << QStringLiteral("AccountService::%1 failed:").arg(QLatin1String(operation))
                    << guard.lastError();
            }
            return Outcome::StorageFailed;
        }
    }
    emit m_accounts->accountsChanged();
    if (!accountId.isEmpty()) {
        emit m_transactions->transactionsChanged(accountId);
        emit m_recurring->recurringChanged();
        emit m_reconciliations->reconciliationsChanged();
    }
    return Outcome::Done;
}
