#pragma once

#include "registerindex.h"
#include "registerrow.h"
#include "transaction.h"
#include "transactionsearchfilter.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class Database;

// The only code that reads and writes the transactions table. Holds no cache: every call runs SQL.
// Register order is date, then creation time, then entry order (rowid): rows stored within the same
// second, as an import does, keep the order they were entered in. "Oldest first" and "newest first"
// below mean that order and its reverse.
// Reads return empty results when nothing matches or the statement fails; writes return false
// (or 0) and log "TransactionRepository::<operation> failed:" with the driver text.
class TransactionRepository : public QObject
{
    Q_OBJECT

public:
    // `today` dates the opening row of an account without transactions; the system date by default.
    explicit TransactionRepository(Database *database, QObject *parent = nullptr,
                                   std::function<QDate()> today = {});

    static constexpr int searchLimit = 200;

    QList<Transaction> byAccount(const QString &accountId) const; // newest first
    std::optional<Transaction> findById(const QString &id) const; // deleted rows included
    // The rows with these ids, deleted ones included, in no particular order; one statement
    // for any number of ids. `ok` is cleared when the read failed.
    QList<Transaction> findByIds(const QStringList &ids, bool *ok = nullptr) const;
    QList<Transaction> pending(bool *ok = nullptr) const;            // deleted rows included
    QList<Transaction> unreconciled(const QString &accountId) const; // oldest first
    // Exact, case-sensitive payee comparison.
    std::optional<Transaction> lastByPayee(const QString &payee, const QString &accountId) const;
    QStringList payees() const; // all accounts, ascending

    // Oldest first, each with the balance after it. A non-zero starting balance comes first as a
    // synthetic "Opening Balance" row with an empty id that is never stored. The last row's
    // running balance is the account's balance. Empty, with `ok` false and a warning, when a
    // running balance does not fit in Money (only rows written around the amount limit can do it)
    // or the database failed while reading.
    QList<RegisterRow> registerRows(const QString &accountId, bool *ok = nullptr) const;
    // The same rows, handed to `visit` one at a time as they are read (a command line printing a
    // large account holds one row, not the register). `visit` returns false to stop. False when
    // the database failed or a running balance does not fit in 64 bits; `visit` may then have seen
    // some rows.
    bool forEachRegisterRow(const QString &accountId,
                            const std::function<bool(const RegisterRow &row)> &visit) const;
    // The same register as rowids and running balances only, for accounts too large to hold whole;
    // empty, with a warning, when a running balance does not fit.
    RegisterIndex registerIndex(const QString &accountId) const;
    // Full rows (running balance 0) for the given rowids, in the order given; a rowid that names no
    // live transaction is left out.
    QList<RegisterRow> registerRowsByRowId(const QList<qint64> &rowIds) const;
    // The rowid of a live transaction; -1 when there is none with that id.
    qint64 rowIdOf(const QString &id) const;
    // The account's balance (starting balance plus every live amount) without building rows. 0,
    // with `ok` false and a warning, when the sum does not fit in Money or cannot be read.
    Money balance(const QString &accountId, bool *ok = nullptr) const;

    // Empty when `query` is valid full-text syntax; otherwise the database's words for what is
    // wrong with it ("fts5: syntax error near ..."), for the search field to show.
    QString searchSyntaxError(const QString &query) const;

    // `query` is FTS5 syntax over payee, memo and check number (empty: no text condition). At most
    // searchLimit rows, newest first, running balance 0. Invalid FTS5 syntax gives an empty list.
    QList<RegisterRow> search(const QString &query, const TransactionSearchFilter &filter) const;
    // How many live transactions the same search matches, without the limit; 0 for invalid FTS5
    // syntax. Meant for when search() returned searchLimit rows.
    int searchCount(const QString &query, const TransactionSearchFilter &filter) const;

    bool insert(const Transaction &transaction);
    // Never moves a transaction to another account, nor changes created_at or deleted_at.
    bool update(const Transaction &transaction);
    // Deleting and restoring are local changes like an edit: pending, and one version more, so
    // that they outrank the copy the server holds (the server raises a row's version when it
    // accepts it) instead of losing to it.
    bool softDelete(const QString &id); // false, without a signal, for an unknown id
    int softDeleteByAccount(const QString &accountId);
    // Restores the rows deleted at or after `cutOff` (an ISO timestamp compared as text).
    int restoreByAccount(const QString &accountId, const QString &cutOff);
    int markAllPendingForResync(); // announces the change with an empty account id
    // Sync bookkeeping; both emit nothing, so they cannot trigger another sync. markSynced marks
    // the row synced only while it still has the pushed `version` and `updatedAt`
    // (RepositorySupport::markSyncedIfUnchanged); `marked` tells whether it did.
    bool markSynced(const QString &id, const QString &serverId, int version, const QDateTime &updatedAt,
                    bool *marked = nullptr);
    // The deletion state pulled from the server (absent = live); status and version stay.
    bool setDeletedAt(const QString &id, const std::optional<QDateTime> &deletedAt);
    // A pulled row that came back unchanged: its version, status, server id and change time only.
    bool storeBookkeeping(const Transaction &row);

signals:
    // The account whose register changed; empty when the change spans every account.
    void transactionsChanged(const QString &accountId);

private:
    std::optional<RegisterRow> openingRow(const QString &accountId, Money *startingBalance) const;
    QList<Transaction> select(const QString &sqlTemplate, const QVariantList &values,
                              bool *ok = nullptr) const;
    // Whether a text search should walk the date index rather than join the full-text matches
    // first. Clears `isValidQuery` when the text is not valid FTS5 syntax.
    bool walkDatesForSearch(const QString &text, const TransactionSearchFilter &filter,
                            bool *isValidQuery) const;

    Database *m_database;
    std::function<QDate()> m_today;
};
