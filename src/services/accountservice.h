#pragma once

#include "data/account.h"

#include <QDate>
#include <QDateTime>
#include <QObject>

#include <functional>
#include <optional>

class AccountRepository;
class Database;
class TransactionRepository;

// Creates accounts the one way the app and the command line share: the account goes to the end of
// the account list, and a starting balance becomes a dated, reconcilable opening transaction in the
// same commit instead of a number on the account.
class AccountService : public QObject
{
    Q_OBJECT

public:
    // `now` stamps created and updated times; the current UTC time by default.
    AccountService(Database *database, AccountRepository *accounts, TransactionRepository *transactions,
                   QObject *parent = nullptr, std::function<QDateTime()> now = {});

    // `account.startingBalance` is the entered balance in minor units. The stored account keeps 0;
    // a non-zero balance is stored as a cleared and reconciled "Opening Balance" transaction dated
    // `asOf`. Returns the stored account, or nothing when the database refused (then nothing of it
    // is stored). Announces accountsChanged and transactionsChanged after the commit.
    std::optional<Account> createAccount(Account account, const QDate &asOf);

private:
    Database *m_database;
    AccountRepository *m_accounts;
    TransactionRepository *m_transactions;
    std::function<QDateTime()> m_now;
};
