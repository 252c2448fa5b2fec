#pragma once

#include "data/recurringtransaction.h"
#include "data/transaction.h"

#include <QDate>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class AccountRepository;
class Database;
class RecurringRepository;
class TransactionRepository;

// Turns due occurrences of recurring schedules into ordinary transactions: confirmed or skipped
// one at a time by the user, or auto-posted with a bounded catch-up. Schedules whose dates are
// broken are deactivated (quarantined) instead of posted.
class RecurringService : public QObject
{
    Q_OBJECT

public:
    // `today` decides what is due; the system date by default.
    RecurringService(Database *database, RecurringRepository *recurring, TransactionRepository *transactions,
                     AccountRepository *accounts, QObject *parent = nullptr,
                     std::function<QDate()> today = {});

    // Catch-up postings of one schedule in one processDue() run, after its first posting.
    static constexpr int catchUpLimit = 365;

    // Month steps keep the day of the month, clamped to the target month's last day; each step
    // starts from the previous result, so 31 January continues 28 February, 28 March.
    static QDate advance(const QDate &date, Frequency frequency);

    // The transaction one occurrence posts: a name-based id over the schedule and its due date,
    // so posting the same occurrence twice fails instead of duplicating it.
    static Transaction occurrenceFor(const RecurringTransaction &recurring);

    // What memorize() stored, or why it stored nothing.
    struct Memorized
    {
        std::optional<RecurringTransaction> recurring;
        QString error; // for the user; empty when stored
    };

    QList<RecurringTransaction> all() const;
    // Stores a new schedule as version 1 (a new id when it has none; first due on its start date
    // when no due date is set). Nothing is stored when its account is not live, it has no payee or
    // start date, or the database refused; the reason is in the result.
    Memorized memorize(RecurringTransaction recurring);
    // memorize() for callers that need no reason.
    bool add(RecurringTransaction recurring);
    int pendingCount() const;

    // Posts the schedule's next occurrence (both legs of a transfer) and advances the schedule,
    // all in one SQL transaction: on any failure nothing is posted and nothing advances.
    bool confirm(const QString &id);
    // Advances the schedule without posting.
    bool skip(const QString &id);
    // One occurrence per due schedule; returns how many were posted.
    int confirmAllDue();
    // Posts every due auto-post schedule, catching up at most catchUpLimit further occurrences
    // each; a schedule reaching the limit is quarantined. Returns how many were posted. The whole
    // run is one SQL transaction and announces its changes once, after the commit.
    int processDue();

signals:
    void pendingCountChanged(int count);

private:
    void advanceSchedule(RecurringTransaction &recurring) const;
    void quarantine(const RecurringTransaction &recurring, const QString &reason);
    void deactivate(const QString &id);
    bool post(RecurringTransaction recurring);
    // The catch-up of one schedule after its first posting; returns the postings it made.
    int catchUp(const QString &id, const QDate &today);

    Database *m_database;
    RecurringRepository *m_recurring;
    TransactionRepository *m_transactions;
    AccountRepository *m_accounts;
    std::function<QDate()> m_today;
};
