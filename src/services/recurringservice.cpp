#include "recurringservice.h"

#include "data/account.h"
#include "data/accountrepository.h"
#include "data/database.h"
#include "data/datetext.h"
#include "data/identifiers.h"
#include "data/recurringrepository.h"
#include "data/sqltransaction.h"
#include "data/syncstamp.h"
#include "data/transactionrepository.h"

#include <QDebug>
#include <QSet>
#include <QSignalBlocker>

#include <optional>

RecurringService::RecurringService(Database *database, RecurringRepository *recurring,
                                   TransactionRepository *transactions, AccountRepository *accounts,
                                   QObject *parent, std::function<QDate()> today)
    : QObject(parent)
    , m_database(database)
    , m_recurring(recurring)
    , m_transactions(transactions)
    , m_accounts(accounts)
    , m_today(today ? std::move(today) : [] { return QDate::currentDate(); })
{}

QDate RecurringService::advance(const QDate &date, Frequency frequency)
{
    switch (frequency) {
    case Frequency::Daily:
        return date.addDays(1);
    case Frequency::Weekly:
        return date.addDays(7);
    case Frequency::Biweekly:
        return date.addDays(14);
    case Frequency::Monthly:
        return date.addMonths(1);
    case Frequency::Quarterly:
        return date.addMonths(3);
    case Frequency::SemiAnnual:
        return date.addMonths(6);
    case Frequency::Annual:
        return date.addYears(1);
    }
    return date.addMonths(1);
}

Transaction RecurringService::occurrenceFor(const RecurringTransaction &recurring)
{
    Transaction transaction;
    transaction.id = recurringOccurrenceId(recurring.id, recurring.nextDueDate, false);
    transaction.accountId = recurring.accountId;
    transaction.date = recurring.nextDueDate;
    transaction.payee = recurring.payee;
    transaction.memo = recurring.memo;
    transaction.amount = recurring.amount;
    transaction.categoryId = recurring.categoryId;
    transaction.recurringId = recurring.id;
    transaction.createdAt = transaction.updatedAt = currentTimestamp();
    return transaction;
}

QList<RecurringTransaction> RecurringService::all() const
{
    return m_recurring->all();
}

int RecurringService::pendingCount() const
{
    return int(m_recurring->due(m_today()).size());
}

void RecurringService::advanceSchedule(RecurringTransaction &recurring) const
{
    recurring.nextDueDate = advance(recurring.nextDueDate, recurring.frequency);
    recurring.updatedAt = currentTimestamp();
    recurring.syncStatus = SyncStatus::Pending;
    // An occurrence falling exactly on the end date is still posted.
    if (recurring.endDate && recurring.nextDueDate > *recurring.endDate)
        recurring.isActive = false;
}

void RecurringService::deactivate(const QString &id)
{
    std::optional<RecurringTransaction> current = m_recurring->findById(id);
    if (!current)
        return;
    current->isActive = false;
    current->updatedAt = currentTimestamp();
    current->syncStatus = SyncStatus::Pending;
    m_recurring->update(*current);
}

void RecurringService::quarantine(const RecurringTransaction &recurring, const QString &reason)
{
    qWarning().noquote() << "Quarantining recurring" << recurring.id << recurring.payee
                         << "— auto-deactivating. Reason:" << reason
                         << "nextDueDate=" << dateToText(recurring.nextDueDate);
    deactivate(recurring.id);
}

RecurringService::Memorized RecurringService::memorize(RecurringTransaction recurring)
{
    const std::optional<Account> account = m_accounts->findById(recurring.accountId);
    if (!account || account->deletedAt)
        return {std::nullopt, tr("The account no longer exists")};
    if (recurring.payee.trimmed().isEmpty())
        return {std::nullopt, tr("A recurring transaction needs a payee")};
    if (!recurring.startDate.isValid())
        return {std::nullopt, tr("A recurring transaction needs a start date")};
    if (recurring.id.isEmpty())
        recurring.id = newId();
    if (!recurring.nextDueDate.isValid())
        recurring.nextDueDate = recurring.startDate;
    SyncStamp::stampNew(recurring, currentTimestamp());
    if (!m_recurring->insert(recurring))
        return {std::nullopt, tr("The recurring transaction could not be saved")};
    emit pendingCountChanged(pendingCount());
    return {recurring, QString()};
}

bool RecurringService::add(RecurringTransaction recurring)
{
    return memorize(std::move(recurring)).recurring.has_value();
}

bool RecurringService::confirm(const QString &id)
{
    const std::optional<RecurringTransaction> recurring = m_recurring->findById(id);
    if (!recurring)
        return false;
    if (RecurringRepository::isBrokenDueDate(recurring->nextDueDate)) {
        qWarning().noquote() << "RecurringService::confirm refusing record with broken date:" << recurring->id
                             << recurring->payee << dateToText(recurring->nextDueDate)
                             << "— quarantining (deactivating)";
        deactivate(recurring->id);
        return false;
    }
    if (!recurring->transferDestAccountId.isEmpty()) {
        const std::optional<Account> source = m_accounts->findById(recurring->accountId);
        const std::optional<Account> destination = m_accounts->findById(recurring->transferDestAccountId);
        if (source && destination && source->currency != destination->currency) {
            qWarning().noquote() << "RecurringService: skipping transfer post for" << recurring->id
                                 << "— source and destination currencies differ";
            return false;
        }
    }
    if (!post(*recurring))
        return false;
    emit pendingCountChanged(pendingCount());
    return true;
}

bool RecurringService::post(RecurringTransaction recurring)
{
    Transaction occurrence = occurrenceFor(recurring);
    std::optional<Transaction> destinationLeg;
    if (!recurring.transferDestAccountId.isEmpty()) {
        Transaction leg;
        leg.id = recurringOccurrenceId(recurring.id, recurring.nextDueDate, true);
        leg.accountId = recurring.transferDestAccountId;
        leg.date = occurrence.date;
        leg.payee = occurrence.payee;
        leg.memo = occurrence.memo;
        leg.categoryId = occurrence.categoryId;
        leg.amount = -occurrence.amount;
        leg.transferLinkId = occurrence.id;
        leg.transferDestAccountId = recurring.accountId;
        leg.recurringId = recurring.id;
        leg.createdAt = leg.updatedAt = currentTimestamp();
        // The source leg is written already linked: the pair is complete in one step or not at all.
        occurrence.transferLinkId = leg.id;
        occurrence.transferDestAccountId = leg.accountId;
        destinationLeg = leg;
    }
    advanceSchedule(recurring);

    {
        // Listeners hear of the change only once it is committed, never of a rolled-back half.
        const QSignalBlocker blockTransactions(m_transactions);
        const QSignalBlocker blockRecurring(m_recurring);
        SqlTransaction guard(m_database->connection());
        if (!guard.isActive())
            return false;
        if (!m_transactions->insert(occurrence))
            return false;
        if (destinationLeg && !m_transactions->insert(*destinationLeg))
            return false;
        if (!m_recurring->update(recurring))
            return false;
        if (!guard.commit())
            return false;
    }
    // The repositories' own signals were held back above; these announce the committed writes.
    emit m_transactions->transactionsChanged(occurrence.accountId);
    if (destinationLeg)
        emit m_transactions->transactionsChanged(destinationLeg->accountId);
    emit m_recurring->recurringChanged();
    return true;
}

bool RecurringService::skip(const QString &id)
{
    std::optional<RecurringTransaction> recurring = m_recurring->findById(id);
    if (!recurring)
        return false;
    advanceSchedule(*recurring);
    if (!m_recurring->update(*recurring))
        return false;
    emit pendingCountChanged(pendingCount());
    return true;
}

int RecurringService::confirmAllDue()
{
    int posted = 0;
    for (const RecurringTransaction &recurring : m_recurring->due(m_today())) {
        if (confirm(recurring.id))
            ++posted;
    }
    return posted;
}

int RecurringService::processDue()
{
    const QDate today = m_today();
    int posted = 0;
    bool changed = false;
    QSet<QString> touchedAccounts;
    {
        // One run may post hundreds of occurrences: they share one commit, and listeners hear of
        // the result once, after it, instead of reloading after every posting.
        const QSignalBlocker blockTransactions(m_transactions);
        const QSignalBlocker blockRecurring(m_recurring);
        const QSignalBlocker blockSelf(this);
        SqlTransaction run(m_database->connection());
        for (const RecurringTransaction &recurring : m_recurring->due(today)) {
            if (!recurring.autoPost)
                continue;
            changed = true;
            if (RecurringRepository::isBrokenDueDate(recurring.nextDueDate)) {
                quarantine(recurring, QStringLiteral("broken next_due_date"));
                continue;
            }
            if (!confirm(recurring.id))
                continue;
            ++posted;
            touchedAccounts.insert(recurring.accountId);
            if (!recurring.transferDestAccountId.isEmpty())
                touchedAccounts.insert(recurring.transferDestAccountId);
            posted += catchUp(recurring.id, today);
        }
        if (changed && run.isActive() && !run.commit()) {
            qWarning().noquote() << "RecurringService::processDue failed:" << run.lastError();
            return 0;
        }
    }
    if (!changed)
        return posted;
    for (const QString &accountId : std::as_const(touchedAccounts))
        emit m_transactions->transactionsChanged(accountId);
    emit m_recurring->recurringChanged();
    emit pendingCountChanged(pendingCount());
    return posted;
}

int RecurringService::catchUp(const QString &id, const QDate &today)
{
    int catchUps = 0;
    QDate lastSeen;
    bool capReached = false;
    while (true) {
        const std::optional<RecurringTransaction> current = m_recurring->findById(id);
        if (!current || !current->isActive)
            break;
        const QDate due = current->nextDueDate;
        if (!due.isValid())
            break;
        if (due < RecurringRepository::earliestDueDate()) {
            quarantine(*current, QStringLiteral("advanced to broken date during catchup"));
            break;
        }
        if (due > today || due == lastSeen)
            break;
        lastSeen = due;
        if (!confirm(id))
            break;
        ++catchUps;
        // A schedule this far behind is more likely wrong than a year of real postings.
        if (catchUps >= catchUpLimit - 1)
            capReached = true;
        if (catchUps >= catchUpLimit)
            break;
    }
    if (capReached) {
        if (const std::optional<RecurringTransaction> current = m_recurring->findById(id))
            quarantine(*current, QStringLiteral("hit catchup cap in single tick"));
    }
    return catchUps;
}
