#pragma once

#include "data/account.h"

#include <QDate>
#include <QDateTime>
#include <QObject>

#include <functional>
#include <optional>

class AccountRepository;
class Database;
class ReconciliationRepository;
class RecurringRepository;
class TransactionRepository;

// Creates, changes, deletes and restores accounts the one way the app and the command line share:
// a new account goes to the end of the account list, and a starting balance becomes a dated,
// reconcilable opening transaction in the same commit instead of a number on the account; deleting
// takes the account's transactions, schedules and reconciliation history with it, and restoring
// brings back just those.
class AccountService : public QObject
{
    Q_OBJECT

public:
    // `now` stamps created and updated times; the current UTC time by default.
    enum class Outcome {
        Done,
        NotFound,      // no such account, or (for a change or a delete) not a live one
        StorageFailed, // the database refused: nothing was written
    };
    Q_ENUM(Outcome)

    AccountService(Database *database, AccountRepository *accounts, TransactionRepository *transactions,
                   RecurringRepository *recurring, ReconciliationRepository *reconciliations,
                   QObject *parent = nullptr, std::function<QDateTime()> now = {});

    // `account.startingBalance` is the entered balance in minor units. The stored account keeps 0;
    // a non-zero balance is stored as a cleared and reconciled "Opening Balance" transaction dated
    // `asOf`. Returns the stored account, or nothing when the database refused (then nothing of it
    // is stored). Announces accountsChanged and transactionsChanged after the commit.
    std::optional<Account> createAccount(Account account, const QDate &asOf);
    // Stores the edited name, type, currency, starting balance, institution and last four digits of
    // a live account (its place in the list, sharing and sync fields stay as stored) and counts its
    // version up.
    Outcome updateAccount(const Account &edited);
    // Soft-deletes the account with its transactions, recurring schedules and reconciliations, in
    // one commit, so that a restore finds every row deleted with the account, or the account stays.
    Outcome deleteAccount(const QString &id);
    // Brings back a deleted account and the rows its deletion took; rows deleted before it (on
    // their own) stay deleted.
    Outcome restoreAccount(const QString &id);

private:
    // Runs `write` in one SQL transaction with the repositories' signals held back, then announces
    // the committed change to `accountId`.
    Outcome writeTogether(const char *operation, const std::function<bool()> &write,
                          const QString &accountId);

    Database *m_database;
    AccountRepository *m_accounts;
    TransactionRepository *m_transactions;
    RecurringRepository *m_recurring;
    ReconciliationRepository *m_reconciliations;
    std::function<QDateTime()> m_now;
};
