#include "support/recordbuilders.h"

#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/datetext.h"
#include "data/identifiers.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/transactionrepository.h"
#include "services/core.h"
#include "services/transactionentry.h"
#include "services/transactionservice.h"

#include <QtGlobal>

namespace Records {

namespace {

// A fixture row that is refused leaves every later check meaningless, so it stops the run with
// the row named, rather than failing somewhere downstream.
[[noreturn]] void refused(const char *what, const QString &name)
{
    qFatal("Records: the %s fixture row \"%s\" could not be stored", what, qPrintable(name));
}

template<typename Record> void stamp(Record *record, const QDateTime &at)
{
    record->createdAt = at;
    record->updatedAt = at;
}

} // namespace

AccountBuilder::AccountBuilder(const QString &name)
{
    m_record.id = newId();
    m_record.name = name;
    stamp(&m_record, currentTimestamp());
}

AccountBuilder &AccountBuilder::id(const QString &id)
{
    m_record.id = id;
    return *this;
}

AccountBuilder &AccountBuilder::type(AccountType type)
{
    m_record.type = type;
    return *this;
}

AccountBuilder &AccountBuilder::currency(Currency currency)
{
    m_record.currency = currency;
    return *this;
}

AccountBuilder &AccountBuilder::startingBalance(Money amount)
{
    m_record.startingBalance = amount;
    return *this;
}

AccountBuilder &AccountBuilder::sortOrder(int sortOrder)
{
    m_record.sortOrder = sortOrder;
    return *this;
}

AccountBuilder &AccountBuilder::institution(const QString &institution)
{
    m_record.institution = institution;
    return *this;
}

AccountBuilder &AccountBuilder::createdAt(const QDateTime &at)
{
    stamp(&m_record, at);
    return *this;
}

AccountBuilder &AccountBuilder::deletedAt(const QDateTime &at)
{
    m_record.deletedAt = at;
    return *this;
}

Account AccountBuilder::addTo(Core *core) const
{
    if (!core->accountRepository()->insert(m_record))
        refused("account", m_record.name);
    return m_record;
}

TransactionBuilder::TransactionBuilder(const QString &accountId, const QDate &date, Money amount)
{
    m_record.id = newId();
    m_record.accountId = accountId;
    m_record.date = date;
    m_record.amount = amount;
    m_record.payee = QStringLiteral("Payee");
    stamp(&m_record, currentTimestamp());
}

TransactionBuilder &TransactionBuilder::id(const QString &id)
{
    m_record.id = id;
    return *this;
}

TransactionBuilder &TransactionBuilder::payee(const QString &payee)
{
    m_record.payee = payee;
    return *this;
}

TransactionBuilder &TransactionBuilder::memo(const QString &memo)
{
    m_record.memo = memo;
    return *this;
}

TransactionBuilder &TransactionBuilder::checkNumber(const QString &number)
{
    m_record.checkNumber = number;
    return *this;
}

TransactionBuilder &TransactionBuilder::category(const QString &categoryId)
{
    m_record.categoryId = categoryId;
    m_categoryName.clear();
    return *this;
}

TransactionBuilder &TransactionBuilder::categoryNamed(const QString &name)
{
    m_categoryName = name;
    m_record.categoryId.clear();
    return *this;
}

TransactionBuilder &TransactionBuilder::cleared(bool cleared)
{
    m_record.cleared = cleared;
    return *this;
}

TransactionBuilder &TransactionBuilder::reconciled(bool reconciled)
{
    m_record.reconciled = reconciled;
    return *this;
}

TransactionBuilder &TransactionBuilder::createdAt(const QDateTime &at)
{
    stamp(&m_record, at);
    return *this;
}

const Transaction &TransactionBuilder::record() const
{
    if (!m_categoryName.isEmpty())
        qFatal("Records: a category named by name is only found when the transaction is stored");
    return m_record;
}

Transaction TransactionBuilder::addTo(Core *core) const
{
    Transaction transaction = m_record;
    if (!m_categoryName.isEmpty()) {
        const std::optional<Category> category = core->categoryRepository()->findByName(m_categoryName);
        if (!category)
            refused("transaction (no category of that name)", m_categoryName);
        transaction.categoryId = category->id;
    }
    if (!core->transactionRepository()->insert(transaction))
        refused("transaction", transaction.payee);
    return transaction;
}

TransferBuilder::TransferBuilder(const QString &fromAccountId, const QString &toAccountId, const QDate &date,
                                 Money amount)
    : m_toAccountId(toAccountId)
{
    m_leg.id = newId();
    m_leg.accountId = fromAccountId;
    m_leg.date = date;
    m_leg.amount = amount;
}

TransferBuilder &TransferBuilder::memo(const QString &memo)
{
    m_leg.memo = memo;
    return *this;
}

TransferBuilder &TransferBuilder::cleared(bool cleared)
{
    m_leg.cleared = cleared;
    return *this;
}

Transaction TransferBuilder::addTo(Core *core) const
{
    TransactionEntry entry;
    entry.transaction = m_leg;
    entry.transferAccountId = m_toAccountId;
    if (core->transactionService()->create(entry) != TransactionService::Outcome::Saved)
        refused("transfer", m_leg.id);
    const std::optional<Transaction> stored = core->transactionRepository()->findById(m_leg.id);
    if (!stored)
        refused("transfer", m_leg.id);
    return *stored;
}

CategoryBuilder::CategoryBuilder(const QString &name)
{
    m_record.id = newId();
    m_record.name = name;
    stamp(&m_record, currentTimestamp());
}

CategoryBuilder &CategoryBuilder::id(const QString &id)
{
    m_record.id = id;
    return *this;
}

CategoryBuilder &CategoryBuilder::type(CategoryType type)
{
    m_record.type = type;
    return *this;
}

CategoryBuilder &CategoryBuilder::parent(const QString &parentId)
{
    m_record.parentId = parentId;
    return *this;
}

CategoryBuilder &CategoryBuilder::taxCategory(const QString &taxCategory)
{
    m_record.isTaxRelevant = true;
    m_record.taxCategory = taxCategory;
    return *this;
}

CategoryBuilder &CategoryBuilder::createdAt(const QDateTime &at)
{
    stamp(&m_record, at);
    return *this;
}

Category CategoryBuilder::addTo(Core *core) const
{
    if (!core->categoryRepository()->insert(m_record))
        refused("category", m_record.name);
    return m_record;
}

RecurringBuilder::RecurringBuilder(const QString &accountId, const QDate &nextDue, Money amount)
{
    m_record.id = newId();
    m_record.accountId = accountId;
    m_record.payee = QStringLiteral("Rent");
    m_record.amount = amount;
    m_record.startDate = nextDue;
    m_record.nextDueDate = nextDue;
    stamp(&m_record, currentTimestamp());
}

RecurringBuilder &RecurringBuilder::id(const QString &id)
{
    m_record.id = id;
    return *this;
}

RecurringBuilder &RecurringBuilder::payee(const QString &payee)
{
    m_record.payee = payee;
    return *this;
}

RecurringBuilder &RecurringBuilder::frequency(Frequency frequency)
{
    m_record.frequency = frequency;
    return *this;
}

RecurringBuilder &RecurringBuilder::startDate(const QDate &date)
{
    m_record.startDate = date;
    return *this;
}

RecurringBuilder &RecurringBuilder::category(const QString &categoryId)
{
    m_record.categoryId = categoryId;
    return *this;
}

RecurringBuilder &RecurringBuilder::transferTo(const QString &accountId)
{
    m_record.transferDestAccountId = accountId;
    return *this;
}

RecurringBuilder &RecurringBuilder::autoPost(bool autoPost)
{
    m_record.autoPost = autoPost;
    return *this;
}

RecurringBuilder &RecurringBuilder::active(bool active)
{
    m_record.isActive = active;
    return *this;
}

RecurringBuilder &RecurringBuilder::createdAt(const QDateTime &at)
{
    stamp(&m_record, at);
    return *this;
}

RecurringTransaction RecurringBuilder::addTo(Core *core) const
{
    if (!core->recurringRepository()->insert(m_record))
        refused("recurring transaction", m_record.payee);
    return m_record;
}

ReconciliationBuilder::ReconciliationBuilder(const QString &accountId, const QDate &statementDate,
                                             Money statementBalance)
{
    m_record.id = newId();
    m_record.accountId = accountId;
    m_record.statementDate = statementDate;
    m_record.statementBalance = statementBalance;
    m_record.reconciledBalance = statementBalance;
    m_record.completedAt = currentTimestamp();
    stamp(&m_record, m_record.completedAt);
}

ReconciliationBuilder &ReconciliationBuilder::reconciledBalance(Money balance)
{
    m_record.reconciledBalance = balance;
    return *this;
}

ReconciliationBuilder &ReconciliationBuilder::completedAt(const QDateTime &at)
{
    m_record.completedAt = at;
    return *this;
}

Reconciliation ReconciliationBuilder::addTo(Core *core) const
{
    if (!core->reconciliationRepository()->insert(m_record))
        refused("reconciliation", m_record.statementDate.toString(Qt::ISODate));
    return m_record;
}

} // namespace Records
