#pragma once

#include "transactionentry.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class AccountRepository;
class CategoryRepository;
class Database;
class TransactionRepository;
struct Account;

// The one rule for writing a transaction, shared by the register, the other screens and the command
// line: both legs of a transfer are stored, changed and deleted together in one SQL transaction, the
// sync bookkeeping (version, updated time, pending) is done here, and listeners hear of the change
// once, after the commit (transactionsChanged of every account touched).
class TransactionService : public QObject
{
    Q_OBJECT

public:
    enum class Outcome {
        Saved,
        NotFound,        // the transaction to change or delete is not stored (or deleted)
        AccountNotFound, // the transfer account, or the transaction's own, is not a live account
        TransferToSameAccount,
        CurrencyMismatch,       // a transfer needs both accounts in one currency
        TransferAccountChanged, // a change names another account than the one holding the other leg
        StorageFailed,          // the database refused: nothing was written
    };
    Q_ENUM(Outcome)

    // `now` stamps created and updated times; the current UTC time by default.
    TransactionService(Database *database, TransactionRepository *transactions, AccountRepository *accounts,
                       CategoryRepository *categories, QObject *parent = nullptr,
                       std::function<QDateTime()> now = {});

    // Stores a new transaction as version 1. A transfer's payees become "Transfer to <other account>"
    // and, on the other leg (negated amount, same date and flags), "Transfer from <this account>";
    // the legs name each other.
    Outcome create(const TransactionEntry &entry);
    // Replaces the entered values of the stored transaction and counts its version up. The live
    // other leg of a transfer follows with the same date and the negated amount; a plain transaction
    // changed into a transfer gets its other leg.
    Outcome update(const TransactionEntry &entry);
    // Soft-deletes the transaction and the live other leg of a transfer.
    Outcome remove(const QString &id);
    // Sets the cleared flags of one stored transaction (reconciled implies cleared). Each leg of a
    // transfer is cleared against its own account's statement, so the other leg keeps its flags.
    Outcome setCleared(const QString &id, bool cleared, bool reconciled);

private:
    Outcome checkTransfer(const QString &accountId, const QString &otherAccountId, Account *source,
                          Account *destination) const;
    Transaction otherLeg(const Transaction &first, const Account &source, const Account &destination) const;
    std::optional<Category> categoryToStore(const TransactionEntry &entry, const QDateTime &now) const;
    // Runs `write` in one SQL transaction with the repositories' signals held back, then announces
    // the committed change: every account in `touched`, and the categories when one was stored.
    Outcome writeTogether(const char *operation, const std::function<bool()> &write,
                          const QStringList &touched, bool storesCategory);

    Database *m_database;
    TransactionRepository *m_transactions;
    AccountRepository *m_accounts;
    CategoryRepository *m_categories;
    std::function<QDateTime()> m_now;
};
