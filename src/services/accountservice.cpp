#include "accountservice.h"

#include "data/accountrepository.h"
#include "data/database.h"
#include "data/datetext.h"
#include "data/identifiers.h"
#include "data/sqltransaction.h"
#include "data/syncstamp.h"
#include "data/transaction.h"
#include "data/transactionrepository.h"

#include <QDebug>
#include <QSignalBlocker>

AccountService::AccountService(Database *database, AccountRepository *accounts, TransactionRepository *transactions,
                               QObject *parent, std::function<QDateTime()> now)
    : QObject(parent)
    , m_database(database)
    , m_accounts(accounts)
    , m_transactions(transactions)
    , m_now(now ? std::move(now) : [] { return currentTimestamp(); })
{
}

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
        const bool stored = guard.isActive() && m_accounts->insert(account)
                            && (openingBalance == 0 || m_transactions->insert(opening)) && guard.commit();
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
