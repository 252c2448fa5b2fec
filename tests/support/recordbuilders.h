#pragma once

#include "data/account.h"
#include "data/category.h"
#include "data/reconciliation.h"
#include "data/recurringtransaction.h"
#include "data/transaction.h"

#include <QDate>
#include <QDateTime>
#include <QString>

class Core;

// The one way tests make rows. Each builder starts from the fields a test must give, fills in
// everything else as a freshly entered row has it (a new id, "now" for its timestamps, version 1,
// pending sync) and lets the test name what it cares about:
//
//     const Account checking =
//     Records::account(QStringLiteral("Checking")).startingBalance(1000).addTo(core);
//     Records::transaction(checking.id, QDate(2026, 1, 2), -450).payee(QStringLiteral("Cafe")).addTo(core);
//
// A builder converts to its record unsaved, for tests of the writing itself; addTo() stores it
// through the Core's repository (a transfer through its transaction service, which writes both
// legs) and returns what was stored. A row that cannot be stored ends the test run: the fixture,
// not the code under test, is broken then.
namespace Records {

class AccountBuilder
{
public:
    explicit AccountBuilder(const QString &name);

    AccountBuilder &id(const QString &id);
    AccountBuilder &type(AccountType type);
    AccountBuilder &currency(Currency currency);
    AccountBuilder &startingBalance(Money amount);
    AccountBuilder &sortOrder(int sortOrder);
    AccountBuilder &institution(const QString &institution);
    // Created and last updated at this time.
    AccountBuilder &createdAt(const QDateTime &at);
    AccountBuilder &deletedAt(const QDateTime &at);

    const Account &record() const { return m_record; }
    operator Account() const { return m_record; }
    Account addTo(Core *core) const;

private:
    Account m_record;
};

class TransactionBuilder
{
public:
    // Paid to "Payee" unless the test names one.
    TransactionBuilder(const QString &accountId, const QDate &date, Money amount);

    TransactionBuilder &id(const QString &id);
    TransactionBuilder &payee(const QString &payee);
    TransactionBuilder &memo(const QString &memo);
    TransactionBuilder &checkNumber(const QString &number);
    TransactionBuilder &category(const QString &categoryId);
    // Looked up by exact name in the Core's categories when the row is stored.
    TransactionBuilder &categoryNamed(const QString &name);
    TransactionBuilder &cleared(bool cleared = true);
    TransactionBuilder &reconciled(bool reconciled = true);
    // Created and last updated at this time: where the order of rows on one date matters.
    TransactionBuilder &createdAt(const QDateTime &at);

    const Transaction &record() const;
    operator Transaction() const { return record(); }
    Transaction addTo(Core *core) const;

private:
    Transaction m_record;
    QString m_categoryName;
};

// Both legs of a transfer, written as the register writes them.
class TransferBuilder
{
public:
    TransferBuilder(const QString &fromAccountId, const QString &toAccountId, const QDate &date,
                    Money amount);

    TransferBuilder &memo(const QString &memo);
    TransferBuilder &cleared(bool cleared = true);

    // The leg in the `from` account; its transferLinkId names the other.
    Transaction addTo(Core *core) const;

private:
    Transaction m_leg;
    QString m_toAccountId;
};

class CategoryBuilder
{
public:
    explicit CategoryBuilder(const QString &name);

    CategoryBuilder &id(const QString &id);
    CategoryBuilder &type(CategoryType type);
    CategoryBuilder &parent(const QString &parentId);
    CategoryBuilder &taxCategory(const QString &taxCategory); // and tax-relevant
    CategoryBuilder &createdAt(const QDateTime &at);

    const Category &record() const { return m_record; }
    operator Category() const { return m_record; }
    Category addTo(Core *core) const;

private:
    Category m_record;
};

class RecurringBuilder
{
public:
    // Monthly rent, starting on its first due date, unless the test says otherwise.
    RecurringBuilder(const QString &accountId, const QDate &nextDue, Money amount);

    RecurringBuilder &id(const QString &id);
    RecurringBuilder &payee(const QString &payee);
    RecurringBuilder &frequency(Frequency frequency);
    RecurringBuilder &startDate(const QDate &date);
    RecurringBuilder &category(const QString &categoryId);
    RecurringBuilder &transferTo(const QString &accountId);
    RecurringBuilder &autoPost(bool autoPost = true);
    RecurringBuilder &active(bool active);
    RecurringBuilder &createdAt(const QDateTime &at);

    const RecurringTransaction &record() const { return m_record; }
    operator RecurringTransaction() const { return m_record; }
    RecurringTransaction addTo(Core *core) const;

private:
    RecurringTransaction m_record;
};

// A completed statement, balanced: reconciled at the statement's balance unless the test says otherwise.
class ReconciliationBuilder
{
public:
    ReconciliationBuilder(const QString &accountId, const QDate &statementDate, Money statementBalance);

    ReconciliationBuilder &reconciledBalance(Money balance);
    ReconciliationBuilder &completedAt(const QDateTime &at);

    const Reconciliation &record() const { return m_record; }
    operator Reconciliation() const { return m_record; }
    Reconciliation addTo(Core *core) const;

private:
    Reconciliation m_record;
};

inline AccountBuilder account(const QString &name)
{
    return AccountBuilder(name);
}
inline TransactionBuilder transaction(const QString &accountId, const QDate &date, Money amount)
{
    return TransactionBuilder(accountId, date, amount);
}
inline TransferBuilder transfer(const QString &fromAccountId, const QString &toAccountId, const QDate &date,
                                Money amount)
{
    return TransferBuilder(fromAccountId, toAccountId, date, amount);
}
inline CategoryBuilder category(const QString &name)
{
    return CategoryBuilder(name);
}
inline RecurringBuilder recurring(const QString &accountId, const QDate &nextDue, Money amount)
{
    return RecurringBuilder(accountId, nextDue, amount);
}
inline ReconciliationBuilder reconciliation(const QString &accountId, const QDate &statementDate,
                                            Money statementBalance)
{
    return ReconciliationBuilder(accountId, statementDate, statementBalance);
}

} // namespace Records
