#pragma once

#include "synccycleresult.h"

#include "data/account.h"
#include "data/category.h"
#include "data/reconciliation.h"
#include "data/recurringtransaction.h"
#include "data/transaction.h"

#include <QDateTime>
#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QPair>
#include <QSet>
#include <QString>

#include <functional>
#include <optional>

class AccountRepository;
class CategoryRepository;
class PreferencesRepository;
class QTimer;
class ReconciliationRepository;
class RecurringRepository;
class TransactionRepository;
class SqlTransaction;

namespace CorvantisAccount {
class ApiClient;
}

// Keeps the local database and the user's cloud copy in step. One cycle pushes every pending row
// (in batches) to "/sync/push", marks the accepted ones synced, then pulls what changed on the
// server since the stored cursor (in pages) and applies it by version. Cycles start from a
// repeating timer, after local edits (debounced) and on demand; at most one runs at a time.
//
// Everything runs on the GUI thread; the network answers arrive as events. Each pull page is
// applied in one SQL transaction together with the cursor, so a page is stored whole or not at
// all, and the repositories announce it once, after the commit. A failure of the local database
// ends the cycle with the error, never with success.
class SyncEngine : public QObject
{
    Q_OBJECT

public:
    enum class SyncState { Idle = 0, Syncing = 1, Error = 2, Offline = 3 };
    Q_ENUM(SyncState)

    static constexpr int pushBatchSize = 500;
    static constexpr int pullPageSize = 200;
    static constexpr int maxPagesPerCycle = 50;
    static constexpr int debounceMilliseconds = 2000;
    // A page carries at most pullPageSize rows plus the accounts and categories they refer to; a
    // page far beyond that is refused rather than held and applied on the GUI thread.
    static constexpr int maxRecordsPerPage = 5000;
    // Pending keys read in one turn of the event loop when a push starts.
    static constexpr int keysPerTurn = 20000;
    // How often an answer that arrived during another write's transaction looks again.
    static constexpr int otherWriteRetryMs = 50;

    // The pull cursor: the server's "server_time" of the last applied page.
    static inline const QString cursorPreference = QStringLiteral("lastSyncTimestamp");
    // When the last cycle completed (UTC, ISO 8601): what "Last synced" shows, since the cursor is
    // the server's opaque position and no time.
    static inline const QString completedPreference = QStringLiteral("lastSyncCompletedAt");

    // Nothing is owned; everything must outlive the engine.
    SyncEngine(CorvantisAccount::ApiClient *syncApi, AccountRepository *accounts,
               TransactionRepository *transactions, CategoryRepository *categories,
               RecurringRepository *recurring, ReconciliationRepository *reconciliations,
               PreferencesRepository *preferences, QObject *parent = nullptr);
    ~SyncEngine() override;

    // Another cloud client took over (the server changed): a cycle under way is abandoned, and
    // the next one talks to `syncApi`.
    void setSyncApi(CorvantisAccount::ApiClient *syncApi);

    // While the check returns false, no cycle starts (signed out).
    void setSyncAllowedCheck(const std::function<bool()> &check);
    // How many pending keys one turn of the event loop reads (keysPerTurn unless set).
    void setKeysPerTurn(int keys) { m_keysPerTurn = qMax(1, keys); }

    void syncNow();
    // Restarts the 2-second debounce; a burst of edits leads to one cycle.
    void requestSync();
    // Starts the repeating timer with `intervalMs` and a cycle at once.
    void startAutoSync(int intervalMs);
    void stopAutoSync();

    // Marks every live row pending for upload, forgets the cursor and starts a cycle, so that every
    // row is pushed and the server's whole copy pulled again. The marking is one transaction; when
    // it fails nothing is marked and the engine reports the error (state Error, syncFailed).
    bool forceFullSync();

    // How many rows of each synchronised table wait for upload, by table name ("accounts",
    // "categories", "recurring_transactions", "transactions", "reconciliations"); empty, with `ok`
    // cleared, when the database failed.
    static QList<QPair<QString, int>> pendingCounts(bool *ok);

    SyncState state() const { return m_state; }
    QString lastError() const { return m_lastError; }
    static QString statusText(SyncState state);

    // The figures of the last cycle that ended, successfully or not.
    SyncCycleResult lastCycleResult() const { return m_lastCycle; }
    // True while a follow-up cycle is scheduled for the next turn of the event loop (more pages
    // to pull, or a trigger during the last cycle).
    bool isFollowUpScheduled() const;

signals:
    void stateChanged(SyncEngine::SyncState state);
    void syncCompleted();
    void syncFailed(const QString &error);
    void dataChanged();

private:
    // Which tables (and the cursor preference) a transaction wrote, to announce after commit.
    struct Touched
    {
        bool accounts = false;
        bool categories = false;
        bool recurring = false;
        bool transactions = false;
        bool reconciliations = false;
        bool preferences = false;
    };
    enum class Applied { Unchanged, Written, Skipped, StorageFailed };
    // The local rows a pull page refers to, read with one statement per table before the page is
    // applied. A row the page has written since (or a server id it has moved) is read again.
    template<typename Record> struct KnownRows
    {
        QHash<QString, Record> byId;
        QHash<QString, QString> idByServerId;
        QSet<QString> writtenIds;
        QSet<QString> writtenServerIds;
        bool loaded = false;
    };

    void setState(SyncState state);
    void fail(const QString &error);
    QString storageFailure(const QString &reason) const;

    void collectAndPush();
    void collectKeys();
    // True when another write's transaction is open: `handle` then runs once it may have ended.
    bool waitForOtherWrite(const std::function<void()> &handle);
    void pushNextBatch();
    // The change objects of the stored rows among `keys` ("entity type", id), in their order; rows
    // no longer stored are left out. False when the database could not be read.
    bool currentChanges(const QList<QPair<QString, QString>> &keys, QJsonArray *changes) const;
    void handlePushAnswer(bool ok, int status, const QJsonObject &body);
    // Marks the accepted rows of the batch synced, in one transaction; the error text when the
    // database failed (then nothing is marked).
    QString markAccepted(const QJsonArray &results, int *accepted, int *errors);
    void pullChanges(const QString &since);
    void handlePullAnswer(bool ok, int status, const QJsonObject &body);
    void completeCycle(bool morePages);

    // Applies one pull answer in one transaction; false with `error` when the database failed
    // (nothing of the page stays).
    bool applyPage(const QJsonObject &body, bool completesCycle, Touched *touched, QString *error);
    Applied applyAccount(const QJsonObject &record, SqlTransaction &guard);
    Applied applyCategory(const QJsonObject &record, SqlTransaction &guard);
    Applied applyRecurring(const QJsonObject &record, SqlTransaction &guard);
    Applied applyTransactionChange(const QJsonObject &record, SqlTransaction &guard);
    Applied applyReconciliation(const QJsonObject &record, SqlTransaction &guard);
    template<typename Record, typename Repository>
    Applied applyRecord(Repository *repository, const QString &table, const char *operation,
                        const QJsonObject &json, Record incoming, SqlTransaction &guard,
                        KnownRows<Record> &known, const std::function<QString(const Record &)> &brokenDate);
    // Reads the local rows the records of `array` name by client id or server id into `known`.
    template<typename Record, typename Repository>
    bool loadKnownRows(Repository *repository, const QString &table, const QJsonArray &array,
                       KnownRows<Record> *known);
    void checkIntegrity(const QJsonObject &integrity);
    QString localIdForServerId(const QString &table, const QString &serverId);
    // Emits the change signals of the touched repositories once; the engine's own writes are not
    // local edits, so they do not request another cycle.
    void announce(const Touched &touched);

    CorvantisAccount::ApiClient *m_syncApi;
    AccountRepository *m_accounts;
    TransactionRepository *m_transactions;
    CategoryRepository *m_categories;
    RecurringRepository *m_recurring;
    ReconciliationRepository *m_reconciliations;
    PreferencesRepository *m_preferences;

    QTimer *m_autoSyncTimer;
    QTimer *m_debounceTimer;
    QTimer *m_followUpTimer;

    SyncState m_state = SyncState::Idle;
    QString m_lastError;
    int m_pageCount = 0;
    bool m_resyncRequested = false;
    bool m_announcing = false;
    std::function<bool()> m_syncAllowed;

    // Answers of an abandoned cycle (signed out, full resync) carry an older number and are dropped.
    quint64 m_generation = 0;
    // The pending rows of the cycle as ("entity type", id), in push order; each batch reads its rows.
    QList<QPair<QString, QString>> m_changeQueue;
    qsizetype m_queuePosition = 0;
    // Where the reading of pending keys stands: the table (of the push order) and its last rowid.
    qsizetype m_collectTable = 0;
    qint64 m_collectAfterRow = 0;
    int m_keysPerTurn = keysPerTurn;
    // The version and change time of each change in the batch under way, by "type/id": what
    // markSynced compares against.
    QHash<QString, QPair<int, QDateTime>> m_batchStamps;
    SyncCycleResult m_cycle;
    SyncCycleResult m_lastCycle;
    KnownRows<Account> m_knownAccounts;
    KnownRows<Category> m_knownCategories;
    KnownRows<RecurringTransaction> m_knownRecurring;
    KnownRows<Transaction> m_knownTransactions;
    KnownRows<Reconciliation> m_knownReconciliations;
};
