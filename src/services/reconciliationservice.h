#pragma once

#include "data/money.h"

#include <QDate>
#include <QDateTime>
#include <QObject>
#include <QStringList>

#include <functional>
#include <optional>

class AccountRepository;
class Database;
class ReconciliationRepository;
class TransactionRepository;

// Finishing a bank statement, for the reconciliation screen and the command line: the statement
// balance must equal what was reconciled before plus the transactions ticked now.
class ReconciliationService : public QObject
{
    Q_OBJECT

public:
    enum class Outcome {
        Finished,
        AccountNotFound,     // not a live account
        TransactionNotFound, // a ticked id is not a live, unreconciled transaction of the account
        NotBalanced,         // the statement balance differs from the reconciled one
        Overflow,            // the balances do not fit the amount range
        StorageFailed,       // the database refused: nothing was written
    };
    Q_ENUM(Outcome)

    // `now` stamps the history row and the transactions; the current UTC time by default.
    ReconciliationService(Database *database, AccountRepository *accounts,
                          TransactionRepository *transactions, ReconciliationRepository *reconciliations,
                          QObject *parent = nullptr, std::function<QDateTime()> now = {});

    // The account's starting balance plus every transaction reconciled so far: where the next
    // statement starts. Nothing when the sum does not fit.
    std::optional<Money> previousBalance(const QString &accountId) const;

    // Marks the ticked transactions cleared and reconciled and records the statement, in one commit:
    // a history row without its transactions, or the reverse, would make the next statement's
    // previous balance wrong. `difference` (when given) receives statement minus reconciled balance.
    Outcome finish(const QString &accountId, const QDate &statementDate, Money statementBalance,
                   const QStringList &transactionIds, Money *difference = nullptr);

private:
    Database *m_database;
    AccountRepository *m_accounts;
    TransactionRepository *m_transactions;
    ReconciliationRepository *m_reconciliations;
    std::function<QDateTime()> m_now;
};
