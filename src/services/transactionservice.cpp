#include "transactionservice.h"

#include "data/account.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/datetext.h"
#include "data/identifiers.h"
#include "data/sqltransaction.h"
#include "data/syncstamp.h"
#include "data/transactionrepository.h"

#include <QDebug>
#include <QSignalBlocker>

namespace {

// Stored data, not interface text: the same whatever language the interface speaks.
QString transferToPayee(const QString &accountName)
{
    return QStringLiteral("Transfer to %1").arg(accountName);
}

QString transferFromPayee(const QString &accountName)
{
    return QStringLiteral("Transfer from %1").arg(accountName);
}

} // namespace

TransactionService::TransactionService(Database *database, TransactionRepository *transactions,
                                       AccountRepository *accounts, CategoryRepository *categories,
                                       QObject *parent, std::function<QDateTime()> now)
    : QObject(parent)
    , m_database(database)
    , m_transactions(transactions)
    , m_accounts(accounts)
    , m_categories(categories)
    , m_now(now ? std::move(now) : [] { return currentTimestamp(); })
{}

TransactionService::Outcome TransactionService::checkTransfer(const QString &accountId,
                                                              const QString &otherAccountId, Account *source,
                                                              Account *destination) const
{
    const std::optional<Account> from = m_accounts->findById(accountId);
    const std::optional<Account> to = m_accounts->findById(otherAccountId);
    if (!from || from->deletedAt || !to || to->deletedAt)
        return Outcome::AccountNotFound;
    if (from->id == to->id)
        return Outcome::TransferToSameAccount;
    // Amounts are minor units of each account's currency: moving 50.00 USD into a euro account
    // would invent an exchange rate of one.
    if (from->currency != to->currency)
        return Outcome::CurrencyMismatch;
    *source = *from;
    *destination = *to;
    return Outcome::Saved;
}

Transaction TransactionService::otherLeg(const Transaction &first, const Account &source,
                                         const Account &destination) const
{
    Transaction other;
    other.id = newId();
    other.accountId = destination.id;
    other.date = first.date;
    other.payee = transferFromPayee(source.name);
    other.amount = -first.amount;
    other.cleared = first.cleared;
    other.reconciled = first.reconciled;
    other.transferLinkId = first.id;
    other.transferDestAccountId = source.id;
    SyncStamp::stampNew(other, first.updatedAt);
    return other;
}

std::optional<Category> TransactionService::categoryToStore(const TransactionEntry &entry,
                                                            const QDateTime &now) const
{
    if (!entry.newCategory)
        return std::nullopt;
    Category category = *entry.newCategory;
    if (category.id.isEmpty())
        category.id = newId();
    SyncStamp::stampNew(category, now);
    return category;
}

TransactionService::Outcome TransactionService::create(const TransactionEntry &entry)
{
    const QDateTime now = m_now();
    Transaction transaction = entry.transaction;
    if (transaction.id.isEmpty())
        transaction.id = newId();
    transaction.transferLinkId.clear();
    transaction.transferDestAccountId.clear();
    SyncStamp::stampNew(transaction, now);

    std::optional<Transaction> other;
    QStringList touched{transaction.accountId};
    if (!entry.transferAccountId.isEmpty()) {
        Account source;
        Account destination;
        const Outcome checked =
            checkTransfer(transaction.accountId, entry.transferAccountId, &source, &destination);
        if (checked != Outcome::Saved)
            return checked;
        transaction.payee = transferToPayee(destination.name);
        other = otherLeg(transaction, source, destination);
        transaction.transferLinkId = other->id;
        transaction.transferDestAccountId = destination.id;
        touched.append(destination.id);
    }
    const std::optional<Category> category = categoryToStore(entry, now);
    if (category)
        transaction.categoryId = category->id;

    return writeTogether(
        "create",
        [&] {
            return (!category || m_categories->insert(*category)) &&
                   (!other || m_transactions->insert(*other)) && m_transactions->insert(transaction);
        },
        touched, category.has_value());
}

TransactionService::Outcome TransactionService::update(const TransactionEntry &entry)
{
    const std::optional<Transaction> stored = m_transactions->findById(entry.transaction.id);
    if (!stored || stored->deletedAt)
        return Outcome::NotFound;
    const QDateTime now = m_now();
    const Transaction &edited = entry.transaction;
    Transaction transaction = *stored;
    transaction.date = edited.date;
    transaction.payee = edited.payee;
    transaction.checkNumber = edited.checkNumber;
    transaction.memo = edited.memo;
    transaction.amount = edited.amount;
    transaction.categoryId = edited.categoryId;
    transaction.cleared = edited.cleared;
    transaction.reconciled = edited.reconciled;
    SyncStamp::stampChanged(transaction, now);

    std::optional<Account> destination;
    Account source;
    if (!entry.transferAccountId.isEmpty()) {
        Account found;
        const Outcome checked =
            checkTransfer(transaction.accountId, entry.transferAccountId, &source, &found);
        if (checked != Outcome::Saved)
            return checked;
        destination = found;
        transaction.payee = transferToPayee(destination->name);
    }

    std::optional<Transaction> linked;
    if (!stored->transferLinkId.isEmpty())
        linked = m_transactions->findById(stored->transferLinkId);
    if (linked && linked->deletedAt)
        linked.reset();
    if (linked && destination && linked->accountId != destination->id)
        return Outcome::TransferAccountChanged;

    QStringList touched{transaction.accountId};
    std::optional<Transaction> newLeg;
    if (linked) {
        // Both legs keep mirroring each other, or money would appear in or vanish from the other
        // account.
        linked->date = transaction.date;
        linked->amount = -transaction.amount;
        SyncStamp::stampChanged(*linked, now);
        touched.append(linked->accountId);
    } else if (destination && stored->transferLinkId.isEmpty()) {
        newLeg = otherLeg(transaction, source, *destination);
        transaction.transferLinkId = newLeg->id;
        transaction.transferDestAccountId = destination->id;
        touched.append(destination->id);
    }
    const std::optional<Category> category = categoryToStore(entry, now);
    if (category)
        transaction.categoryId = category->id;

    return writeTogether(
        "update",
        [&] {
            return (!category || m_categories->insert(*category)) &&
                   (!linked || m_transactions->update(*linked)) &&
                   (!newLeg || m_transactions->insert(*newLeg)) && m_transactions->update(transaction);
        },
        touched, category.has_value());
}

TransactionService::Outcome TransactionService::remove(const QString &id)
{
    const std::optional<Transaction> stored = m_transactions->findById(id);
    if (!stored || stored->deletedAt)
        return Outcome::NotFound;
    std::optional<Transaction> linked;
    if (!stored->transferLinkId.isEmpty())
        linked = m_transactions->findById(stored->transferLinkId);
    if (linked && linked->deletedAt)
        linked.reset();
    QStringList touched{stored->accountId};
    if (linked)
        touched.append(linked->accountId);
    return writeTogether(
        "remove",
        [&] {
            return (!linked || m_transactions->softDelete(linked->id)) &&
                   m_transactions->softDelete(stored->id);
        },
        touched, false);
}

TransactionService::Outcome TransactionService::setCleared(const QString &id, bool cleared, bool reconciled)
{
    std::optional<Transaction> stored = m_transactions->findById(id);
    if (!stored || stored->deletedAt)
        return Outcome::NotFound;
    stored->cleared = cleared || reconciled;
    stored->reconciled = reconciled;
    SyncStamp::stampChanged(*stored, m_now());
    return writeTogether(
        "setCleared", [&] { return m_transactions->update(*stored); }, {stored->accountId}, false);
}

TransactionService::Outcome TransactionService::writeTogether(const char *operation,
                                                              const std::function<bool()> &write,
                                                              const QStringList &touched, bool storesCategory)
{
    {
        // Listeners hear of the change only once it is committed, never of a rolled-back half.
        const QSignalBlocker blockTransactions(m_transactions);
        const QSignalBlocker blockCategories(m_categories);
        SqlTransaction guard(m_database->connection());
        if (!guard.isActive() || !write() || !guard.commit()) {
            // A refused row was logged by its repository; a failed savepoint or commit is logged here.
            if (!guard.lastError().isEmpty()) {
                qWarning().noquote()
                    << QStringLiteral("TransactionService::%1 failed:").arg(QLatin1String(operation))
                    << guard.lastError();
            }
            return Outcome::StorageFailed;
        }
    }
    for (const QString &accountId : touched)
        emit m_transactions->transactionsChanged(accountId);
    if (storesCategory)
        emit m_categories->categoriesChanged();
    return Outcome::Saved;
}
