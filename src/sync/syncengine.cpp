#include "syncengine.h"

#include "syncrecords.h"

#include "account/apiclient.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/datetext.h"
#include "data/identifiers.h"
#include "data/preferencesrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/repositorysupport.h"
#include "data/sqltransaction.h"
#include "data/storageerror.h"
#include "data/transactionrepository.h"
#include "services/importpragmas.h"

#include <QDebug>
#include <QJsonArray>
#include <QJsonDocument>
#include <QPointer>
#include <QSet>
#include <QSignalBlocker>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTimer>
#include <QUrlQuery>

#include <optional>
#include <type_traits>

using CorvantisAccount::ApiClient;

namespace {

QSqlDatabase connection()
{
    return QSqlDatabase::database(QLatin1String(QSqlDatabase::defaultConnection), false);
}

// Commits that do not wait for the disk while it lives; the connection's setting comes back after.
class DurabilityRelaxed
{
public:
    explicit DurabilityRelaxed(const QSqlDatabase &connection)
        : m_connection(connection)
    {
        QSqlQuery query(m_connection);
        if (query.exec(QStringLiteral("PRAGMA synchronous")) && query.next())
            m_previous = query.value(0).toInt();
        query.finish();
        query.exec(QStringLiteral("PRAGMA synchronous = NORMAL"));
    }
    ~DurabilityRelaxed()
    {
        QSqlQuery query(m_connection);
        query.exec(QStringLiteral("PRAGMA synchronous = %1").arg(m_previous));
    }
    DurabilityRelaxed(const DurabilityRelaxed &) = delete;
    DurabilityRelaxed &operator=(const DurabilityRelaxed &) = delete;

private:
    QSqlDatabase m_connection;
    int m_previous = 2; // FULL, SQLite's default
};

QString stampKey(const QString &entityType, const QString &entityId)
{
    return entityType + QLatin1Char('/') + entityId;
}

// The page's categories with every parent before its children, so that a child never waits for a
// parent that comes later in the same page; otherwise in the order the server sent them.
QJsonArray parentsFirst(const QJsonArray &categories)
{
    QHash<QString, QJsonObject> byId;
    for (const QJsonValue &value : categories) {
        const QString id = value.toObject().value(QStringLiteral("client_id")).toString();
        if (!id.isEmpty())
            byId.insert(id, value.toObject());
    }
    QJsonArray ordered;
    QSet<QString> placed;
    const std::function<void(const QJsonObject &, int)> place = [&](const QJsonObject &category, int depth) {
        const QString id = category.value(QStringLiteral("client_id")).toString();
        if (!id.isEmpty() && placed.contains(id))
            return;
        if (!id.isEmpty())
            placed.insert(id);
        const QString parentId = category.value(QStringLiteral("parent_id")).toString();
        // A parent chain deeper than the page (or a loop) is cut off: those rows keep their order.
        if (depth < 64 && byId.contains(parentId) && !placed.contains(parentId))
            place(byId.value(parentId), depth + 1);
        ordered.append(category);
    };
    for (const QJsonValue &value : categories)
        place(value.toObject(), 0);
    return ordered;
}

} // namespace

SyncEngine::SyncEngine(ApiClient *syncApi, AccountRepository *accounts, TransactionRepository *transactions,
                       CategoryRepository *categories, RecurringRepository *recurring,
                       ReconciliationRepository *reconciliations, PreferencesRepository *preferences,
                       QObject *parent)
    : QObject(parent)
    , m_syncApi(nullptr)
    , m_accounts(accounts)
    , m_transactions(transactions)
    , m_categories(categories)
    , m_recurring(recurring)
    , m_reconciliations(reconciliations)
    , m_preferences(preferences)
    , m_autoSyncTimer(new QTimer(this))
    , m_debounceTimer(new QTimer(this))
    , m_followUpTimer(new QTimer(this))
{
    m_debounceTimer->setSingleShot(true);
    m_debounceTimer->setInterval(debounceMilliseconds);
    m_followUpTimer->setSingleShot(true);
    m_followUpTimer->setInterval(0);
    connect(m_autoSyncTimer, &QTimer::timeout, this, &SyncEngine::syncNow);
    connect(m_debounceTimer, &QTimer::timeout, this, &SyncEngine::syncNow);
    connect(m_followUpTimer, &QTimer::timeout, this, &SyncEngine::syncNow);
    setSyncApi(syncApi);
}

void SyncEngine::setSyncApi(ApiClient *syncApi)
{
    if (m_syncApi)
        disconnect(m_syncApi, &ApiClient::authenticationRequired, this, nullptr);
    if (m_syncApi != syncApi && m_state == SyncState::Syncing) {
        // Answers still on their way come from the old server.
        ++m_generation;
        m_resyncRequested = false;
        m_followUpTimer->stop();
        setState(SyncState::Idle);
    }
    m_syncApi = syncApi;
    // The request that needed the token reports its own failure; this only shows the state at once.
    connect(m_syncApi, &ApiClient::authenticationRequired, this, [this] {
        if (m_state != SyncState::Error)
            setState(SyncState::Error);
    });
}

SyncEngine::~SyncEngine() = default;

void SyncEngine::setSyncAllowedCheck(const std::function<bool()> &check)
{
    m_syncAllowed = check;
}

QString SyncEngine::statusText(SyncState state)
{
    switch (state) {
    case SyncState::Idle:
        return tr("Synced");
    case SyncState::Syncing:
        return tr("Syncing...");
    case SyncState::Error:
        return tr("Sync error");
    case SyncState::Offline:
        return tr("Offline");
    }
    return tr("Unknown");
}

bool SyncEngine::isFollowUpScheduled() const
{
    return m_followUpTimer->isActive();
}

void SyncEngine::setState(SyncState state)
{
    if (m_state == state)
        return;
    m_state = state;
    emit stateChanged(state);
}

void SyncEngine::syncNow()
{
    if (m_syncAllowed && !m_syncAllowed()) {
        m_resyncRequested = false;
        // A cycle under way is abandoned: its answers are no longer for a signed-in user.
        ++m_generation;
        m_followUpTimer->stop();
        setState(SyncState::Idle);
        return;
    }
    if (m_state == SyncState::Syncing) {
        m_resyncRequested = true;
        return;
    }
    m_resyncRequested = false;
    m_followUpTimer->stop();
    m_cycle = {};
    setState(SyncState::Syncing);
    collectAndPush();
}

void SyncEngine::requestSync()
{
    if (m_announcing)
        return;
    m_debounceTimer->start();
}

void SyncEngine::startAutoSync(int intervalMs)
{
    m_autoSyncTimer->start(intervalMs);
    syncNow();
}

void SyncEngine::stopAutoSync()
{
    m_autoSyncTimer->stop();
}

void SyncEngine::fail(const QString &error)
{
    m_lastError = error;
    m_lastCycle = m_cycle;
    m_changeQueue.clear();
    m_batchStamps.clear();
    setState(SyncState::Error);
    emit syncFailed(error);
}

QString SyncEngine::storageFailure(const QString &reason) const
{
    return tr("Sync stopped: the local database failed: %1").arg(reason);
}

namespace {

// Parents (accounts, categories) before the rows that refer to them.
const QList<QPair<QString, QString>> &pushTables()
{
    static const QList<QPair<QString, QString>> tables{
        {SyncRecords::accountType, QStringLiteral("accounts")},
        {SyncRecords::categoryType, QStringLiteral("categories")},
        {SyncRecords::recurringType, QStringLiteral("recurring_transactions")},
        {SyncRecords::transactionType, QStringLiteral("transactions")},
        {SyncRecords::reconciliationType, QStringLiteral("reconciliations")},
    };
    return tables;
}

} // namespace

void SyncEngine::collectAndPush()
{
    // Only the keys are taken first; each batch reads its rows when it is sent. Building every
    // change object of a large first upload at once would hold the event loop for seconds, and
    // even the keys of a hundred thousand rows are read over several turns of it.
    m_changeQueue.clear();
    m_queuePosition = 0;
    m_collectTable = 0;
    m_collectAfterRow = 0;
    collectKeys();
}

void SyncEngine::collectKeys()
{
    const auto &tables = pushTables();
    while (m_collectTable < tables.size()) {
        const auto &[type, table] = tables.at(m_collectTable);
        QSqlQuery query(connection());
        query.setForwardOnly(true);
        query.prepare(QStringLiteral("SELECT rowid, id FROM %1 WHERE sync_status = 'pending' AND rowid > ? "
                                     "ORDER BY rowid LIMIT ?")
                          .arg(table));
        query.addBindValue(m_collectAfterRow);
        query.addBindValue(m_keysPerTurn);
        if (!query.exec()) {
            RepositorySupport::logFailure("SyncEngine::collectAndPush", query);
            fail(storageFailure(query.lastError().text()));
            return;
        }
        int read = 0;
        while (query.next()) {
            m_collectAfterRow = query.value(0).toLongLong();
            m_changeQueue.append({type, query.value(1).toString()});
            ++read;
        }
        if (query.lastError().isValid()) {
            RepositorySupport::logFailure("SyncEngine::collectAndPush", query);
            fail(storageFailure(query.lastError().text()));
            return;
        }
        if (read == m_keysPerTurn) {
            const quint64 generation = m_generation;
            QTimer::singleShot(0, this, [this, generation] {
                if (m_generation == generation)
                    collectKeys();
            });
            return;
        }
        ++m_collectTable;
        m_collectAfterRow = 0;
    }
    m_pageCount = 0;
    if (m_changeQueue.isEmpty()) {
        pullChanges(m_preferences->value(cursorPreference, QString()));
        return;
    }
    qInfo().noquote() << "Pushing" << m_changeQueue.size() << "changes (in batches of" << pushBatchSize
                      << ")";
    pushNextBatch();
}

bool SyncEngine::currentChanges(const QList<QPair<QString, QString>> &keys, QJsonArray *changes) const
{
    // One read per table for the whole batch: a statement per row would hold the event loop
    // for most of a second on a batch of 500.
    QHash<QString, QStringList> idsByType;
    for (const auto &[entityType, id] : keys)
        idsByType[entityType].append(id);
    QHash<QString, QJsonObject> byKey;
    bool ok = true;
    const auto collect = [&](const QString &entityType, const auto &rows) {
        for (const auto &row : rows)
            byKey.insert(stampKey(entityType, row.id), SyncRecords::changeFor(row));
    };
    for (auto it = idsByType.constBegin(); ok && it != idsByType.constEnd(); ++it) {
        const QString &type = it.key();
        if (type == SyncRecords::accountType)
            collect(type, m_accounts->findByIds(it.value(), &ok));
        else if (type == SyncRecords::categoryType)
            collect(type, m_categories->findByIds(it.value(), &ok));
        else if (type == SyncRecords::recurringType)
            collect(type, m_recurring->findByIds(it.value(), &ok));
        else if (type == SyncRecords::transactionType)
            collect(type, m_transactions->findByIds(it.value(), &ok));
        else
            collect(type, m_reconciliations->findByIds(it.value(), &ok));
    }
    if (!ok)
        return false;
    for (const auto &[entityType, id] : keys) {
        const auto change = byKey.constFind(stampKey(entityType, id));
        if (change != byKey.constEnd())
            changes->append(*change);
    }
    return true;
}

void SyncEngine::pushNextBatch()
{
    if (m_queuePosition >= m_changeQueue.size()) {
        m_changeQueue.clear();
        m_queuePosition = 0;
        m_pageCount = 0;
        pullChanges(m_preferences->value(cursorPreference, QString()));
        return;
    }
    const qsizetype size = qMin<qsizetype>(pushBatchSize, m_changeQueue.size() - m_queuePosition);
    QJsonArray batch;
    m_batchStamps.clear();
    // The rows as they are now: an edit since the keys were taken goes out with its new version.
    if (!currentChanges(m_changeQueue.mid(m_queuePosition, size), &batch)) {
        fail(storageFailure(RepositorySupport::lastFailure().text()));
        return;
    }
    for (const QJsonValue &value : std::as_const(batch)) {
        const QJsonObject change = value.toObject();
        m_batchStamps.insert(stampKey(change.value(QStringLiteral("entity_type")).toString(),
                                      change.value(QStringLiteral("entity_id")).toString()),
                             {change.value(QStringLiteral("version")).toInt(),
                              timestampFromText(change.value(QStringLiteral("payload"))
                                                    .toObject()
                                                    .value(QStringLiteral("updated_at"))
                                                    .toString())});
    }
    m_queuePosition += size;
    qInfo().noquote() << "Push batch:" << size << "changes," << (m_changeQueue.size() - m_queuePosition)
                      << "remaining";
    const quint64 generation = m_generation;
    const QPointer<SyncEngine> self(this);
    m_syncApi->post(QStringLiteral("/sync/push"), QJsonObject{{QStringLiteral("changes"), batch}},
                    [self, generation](bool ok, int status, const QJsonObject &body) {
                        if (self && self->m_generation == generation)
                            self->handlePushAnswer(ok, status, body);
                    });
}

void SyncEngine::handlePushAnswer(bool ok, int status, const QJsonObject &body)
{
    if (waitForOtherWrite([this, ok, status, body] { handlePushAnswer(ok, status, body); }))
        return;
    if (!ok) {
        fail(tr("Push failed (HTTP %1)").arg(status));
        return;
    }
    int accepted = 0;
    int errors = 0;
    const QString error = markAccepted(body.value(QStringLiteral("results")).toArray(), &accepted, &errors);
    if (!error.isEmpty()) {
        fail(error);
        return;
    }
    if (errors > 0)
        qWarning().noquote() << "Push batch:" << accepted << "ok," << errors
                             << "errors — failed records remain pending for next sync";
    m_cycle.pushed += accepted;
    m_cycle.rejected += errors;
    // The next batch is read on the next turn of the event loop: marking one batch and reading
    // the next in one go would hold the loop twice as long.
    const quint64 generation = m_generation;
    QTimer::singleShot(0, this, [this, generation] {
        if (m_generation == generation)
            pushNextBatch();
    });
}

QString SyncEngine::markAccepted(const QJsonArray &results, int *accepted, int *errors)
{
    static const QHash<QString, QString> tables{
        {SyncRecords::accountType, QStringLiteral("accounts")},
        {SyncRecords::categoryType, QStringLiteral("categories")},
        {SyncRecords::recurringType, QStringLiteral("recurring_transactions")},
        {SyncRecords::transactionType, QStringLiteral("transactions")},
        {SyncRecords::reconciliationType, QStringLiteral("reconciliations")},
    };
    // The accepted rows of each table: id -> server id.
    QHash<QString, QHash<QString, QString>> acceptedByTable;
    for (const QJsonValue &value : results) {
        const QJsonObject result = value.toObject();
        const QString resultStatus = result.value(QStringLiteral("status")).toString();
        const QString entityId = result.value(QStringLiteral("entity_id")).toString();
        const QString serverId = result.value(QStringLiteral("server_id")).toString();
        const QString entityType = result.value(QStringLiteral("entity_type")).toString();
        if (resultStatus != QLatin1String("ok")) {
            qWarning().noquote() << "Push result not ok — leaving record pending:" << entityType << entityId
                                 << "status=" + resultStatus
                                 << "message=" + result.value(QStringLiteral("message")).toString();
            ++*errors;
            continue;
        }
        ++*accepted;
        // Not a change of this batch (or an unknown type): nothing to compare it with.
        if (!tables.contains(entityType) || !m_batchStamps.contains(stampKey(entityType, entityId)))
            continue;
        acceptedByTable[tables.value(entityType)].insert(entityId, serverId);
    }
    // One transaction for the batch: no other writer can change a row between the comparison of
    // its stamp and the mark.
    SqlTransaction guard(connection());
    if (!guard.isActive())
        return storageFailure(guard.lastError());
    for (auto table = acceptedByTable.constBegin(); table != acceptedByTable.constEnd(); ++table) {
        const QString entityType = tables.key(table.key());
        // A row is marked only while it still has the version and change time that were pushed;
        // an edit or deletion since stays pending for the next cycle. The times are compared as
        // read, not as text: a row stored by an older version may spell its time differently.
        QSqlQuery read(connection());
        read.setForwardOnly(true);
        read.prepare(QStringLiteral("SELECT id, version, updated_at FROM %1 WHERE id IN "
                                    "(SELECT value FROM json_each(?))")
                         .arg(table.key()));
        read.addBindValue(QString::fromUtf8(
            QJsonDocument(QJsonArray::fromStringList(table.value().keys())).toJson(QJsonDocument::Compact)));
        if (!read.exec()) {
            RepositorySupport::logFailure("SyncEngine::markSynced", read);
            return storageFailure(read.lastError().text());
        }
        QJsonArray marks;
        while (read.next()) {
            const QString id = read.value(0).toString();
            const QPair<int, QDateTime> stamp = m_batchStamps.value(stampKey(entityType, id));
            if (read.value(1).toInt() != stamp.first ||
                timestampFromText(read.value(2).toString()) != stamp.second)
                continue;
            marks.append(QJsonArray{id, table.value().value(id), stamp.first});
        }
        if (read.lastError().isValid()) {
            RepositorySupport::logFailure("SyncEngine::markSynced", read);
            return storageFailure(read.lastError().text());
        }
        read.finish();
        if (marks.isEmpty())
            continue;
        QSqlQuery mark(connection());
        mark.prepare(QStringLiteral("UPDATE %1 SET sync_status = 'synced', server_id = json_extract(m.value, "
                                    "'$[1]') FROM json_each(?) AS m WHERE %1.id = json_extract(m.value, "
                                    "'$[0]') AND %1.version = json_extract(m.value, '$[2]')")
                         .arg(table.key()));
        mark.addBindValue(QString::fromUtf8(QJsonDocument(marks).toJson(QJsonDocument::Compact)));
        if (!mark.exec()) {
            RepositorySupport::logFailure("SyncEngine::markSynced", mark);
            return storageFailure(mark.lastError().text());
        }
    }
    if (!guard.commit())
        return storageFailure(guard.lastError());
    return {};
}

void SyncEngine::pullChanges(const QString &since)
{
    QUrlQuery query;
    if (!since.isEmpty())
        query.addQueryItem(QStringLiteral("since"), since);
    query.addQueryItem(QStringLiteral("limit"), QString::number(pullPageSize));
    const quint64 generation = m_generation;
    const QPointer<SyncEngine> self(this);
    m_syncApi->get(
        QStringLiteral("/sync/pull"),
        [self, generation](bool ok, int status, const QJsonObject &body) {
            if (self && self->m_generation == generation)
                self->handlePullAnswer(ok, status, body);
        },
        query);
}

void SyncEngine::handlePullAnswer(bool ok, int status, const QJsonObject &body)
{
    if (waitForOtherWrite([this, ok, status, body] { handlePullAnswer(ok, status, body); }))
        return;
    if (!ok) {
        fail(tr("Pull failed (HTTP %1)").arg(status));
        return;
    }
    const bool hasMore = body.value(QStringLiteral("has_more")).toBool(false);
    const bool lastPage = !hasMore || m_pageCount + 1 >= maxPagesPerCycle;
    Touched touched;
    QString error;
    if (!applyPage(body, lastPage, &touched, &error)) {
        fail(error);
        return;
    }
    announce(touched);
    const QJsonValue integrity = body.value(QStringLiteral("integrity"));
    if (integrity.isObject())
        checkIntegrity(integrity.toObject());
    ++m_pageCount;
    if (!lastPage) {
        pullChanges(body.value(QStringLiteral("server_time")).toString());
        return;
    }
    completeCycle(hasMore);
}

bool SyncEngine::waitForOtherWrite(const std::function<void()> &handle)
{
    // A long write elsewhere (an import letting the window repaint) can hand the event loop an
    // answer while its transaction is open: the answer waits for it instead of joining it, so
    // that neither can commit or roll back the other's rows.
    if (!StorageError::isInTransaction(connection()))
        return false;
    const quint64 generation = m_generation;
    QTimer::singleShot(otherWriteRetryMs, this, [this, generation, handle] {
        if (m_generation == generation)
            handle();
    });
    return true;
}

void SyncEngine::completeCycle(bool morePages)
{
    m_cycle.morePages = morePages;
    m_lastCycle = m_cycle;
    m_lastError.clear();
    setState(SyncState::Idle);
    // Each cycle keeps its bound of pages: what remains comes with the next one, on the next turn
    // of the event loop rather than after the auto-sync interval. Scheduled before the signals,
    // so that their receivers can tell whether more is coming.
    if (m_resyncRequested || morePages) {
        m_resyncRequested = false;
        m_followUpTimer->start();
    }
    emit syncCompleted();
    emit dataChanged();
}

bool SyncEngine::applyPage(const QJsonObject &body, bool completesCycle, Touched *touched, QString *error)
{
    const QJsonArray accounts = body.value(QStringLiteral("accounts")).toArray();
    const QJsonArray categories = parentsFirst(body.value(QStringLiteral("categories")).toArray());
    const QJsonArray recurring = body.contains(QStringLiteral("recurring_transactions"))
                                     ? body.value(QStringLiteral("recurring_transactions")).toArray()
                                     : body.value(QStringLiteral("recurring")).toArray();
    const QJsonArray transactions = body.value(QStringLiteral("transactions")).toArray();
    const QJsonArray reconciliations = body.value(QStringLiteral("reconciliations")).toArray();
    const qsizetype records =
        accounts.size() + categories.size() + recurring.size() + transactions.size() + reconciliations.size();
    if (records > maxRecordsPerPage) {
        *error = tr("Pull page refused: %1 records, more than %2").arg(records).arg(maxRecordsPerPage);
        return false;
    }

    // Nothing is announced while the page is open: screens must not read a page half applied,
    // nor reload once per row.
    const QSignalBlocker blockAccounts(m_accounts);
    const QSignalBlocker blockCategories(m_categories);
    const QSignalBlocker blockRecurring(m_recurring);
    const QSignalBlocker blockTransactions(m_transactions);
    const QSignalBlocker blockReconciliations(m_reconciliations);
    const QSignalBlocker blockPreferences(m_preferences);

    // A page rewrites rows all over the file and its indexes: with the default cache and
    // statement journals on disk, most of its time would go to the file system. Its commit need
    // not wait for the disk either: the page and the cursor past it are one transaction, so a page
    // lost to a power cut is simply pulled again, and the write-ahead log keeps the file whole.
    const ImportPragmas pragmas(connection(), true);
    const DurabilityRelaxed relaxed(connection());
    SqlTransaction guard(connection());
    if (!guard.isActive()) {
        *error = storageFailure(guard.lastError());
        return false;
    }
    m_knownAccounts = {};
    m_knownCategories = {};
    m_knownRecurring = {};
    m_knownTransactions = {};
    m_knownReconciliations = {};
    if (!loadKnownRows(m_accounts, QStringLiteral("accounts"), accounts, &m_knownAccounts) ||
        !loadKnownRows(m_categories, QStringLiteral("categories"), categories, &m_knownCategories) ||
        !loadKnownRows(m_recurring, QStringLiteral("recurring_transactions"), recurring, &m_knownRecurring) ||
        !loadKnownRows(m_transactions, QStringLiteral("transactions"), transactions, &m_knownTransactions) ||
        !loadKnownRows(m_reconciliations, QStringLiteral("reconciliations"), reconciliations,
                       &m_knownReconciliations)) {
        *error = storageFailure(RepositorySupport::lastFailure().text());
        return false;
    }
    const auto applyAll = [&](const QJsonArray &array, bool *tableTouched,
                              Applied (SyncEngine::*apply)(const QJsonObject &, SqlTransaction &)) {
        for (const QJsonValue &value : array) {
            switch ((this->*apply)(value.toObject(), guard)) {
            case Applied::StorageFailed:
                return false;
            case Applied::Written:
                *tableTouched = true;
                break;
            case Applied::Unchanged:
            case Applied::Skipped:
                break;
            }
        }
        return true;
    };
    const bool applied =
        applyAll(accounts, &touched->accounts, &SyncEngine::applyAccount) &&
        applyAll(categories, &touched->categories, &SyncEngine::applyCategory) &&
        applyAll(recurring, &touched->recurring, &SyncEngine::applyRecurring) &&
        applyAll(transactions, &touched->transactions, &SyncEngine::applyTransactionChange) &&
        applyAll(reconciliations, &touched->reconciliations, &SyncEngine::applyReconciliation);
    if (!applied) {
        *error = storageFailure(RepositorySupport::lastFailure().text());
        *touched = {};
        return false;
    }
    const QString serverTime = body.value(QStringLiteral("server_time")).toString();
    if (!serverTime.isEmpty()) {
        if (!m_preferences->setValue(cursorPreference, serverTime)) {
            *error = storageFailure(tr("the sync position could not be stored"));
            *touched = {};
            return false;
        }
        touched->preferences = true;
    }
    if (completesCycle) {
        if (!m_preferences->setValue(completedPreference, timestampToText(currentTimestamp()))) {
            *error = storageFailure(tr("the sync time could not be stored"));
            *touched = {};
            return false;
        }
        touched->preferences = true;
    }
    if (!guard.commit()) {
        *error = storageFailure(guard.lastError());
        *touched = {};
        return false;
    }
    m_cycle.pulled += int(records);
    return true;
}

template<typename Record, typename Repository>
bool SyncEngine::loadKnownRows(Repository *repository, const QString &table, const QJsonArray &array,
                               KnownRows<Record> *known)
{
    QStringList clientIds;
    QStringList serverIds;
    for (const QJsonValue &value : array) {
        const QJsonObject record = value.toObject();
        const QString clientId = record.value(QStringLiteral("client_id")).toString();
        const QString serverId = record.value(QStringLiteral("id")).toString();
        if (!clientId.isEmpty())
            clientIds.append(clientId);
        if (!serverId.isEmpty())
            serverIds.append(serverId);
    }
    bool ok = true;
    if (!clientIds.isEmpty()) {
        for (const Record &row : repository->findByIds(clientIds, &ok))
            known->byId.insert(row.id, row);
        if (!ok)
            return false;
    }
    if (!serverIds.isEmpty()) {
        // One pass over the table for the whole page: server_id has no index, and a lookup per
        // record would walk the table once per record.
        QSqlQuery query(connection());
        query.setForwardOnly(true);
        query.prepare(
            QStringLiteral("SELECT server_id, id FROM %1 WHERE server_id IN (SELECT value FROM json_each(?))")
                .arg(table));
        query.addBindValue(QString::fromUtf8(
            QJsonDocument(QJsonArray::fromStringList(serverIds)).toJson(QJsonDocument::Compact)));
        if (!query.exec()) {
            RepositorySupport::logFailure("SyncEngine::localIdForServerId", query);
            return false;
        }
        QStringList missing;
        while (query.next()) {
            const QString serverId = query.value(0).toString();
            const QString id = query.value(1).toString();
            // The first row with the id, as a lookup of one would take it.
            if (!known->idByServerId.contains(serverId))
                known->idByServerId.insert(serverId, id);
            if (!known->byId.contains(id))
                missing.append(id);
        }
        if (query.lastError().isValid()) {
            RepositorySupport::logFailure("SyncEngine::localIdForServerId", query);
            return false;
        }
        if (!missing.isEmpty()) {
            for (const Record &row : repository->findByIds(missing, &ok))
                known->byId.insert(row.id, row);
            if (!ok)
                return false;
        }
    }
    known->loaded = true;
    return true;
}

template<typename Record, typename Repository>
SyncEngine::Applied SyncEngine::applyRecord(Repository *repository, const QString &table,
                                            const char *operation, const QJsonObject &json, Record incoming,
                                            SqlTransaction &guard, KnownRows<Record> &known,
                                            const std::function<QString(const Record &)> &brokenDate)
{
    const quint64 failuresBefore = RepositorySupport::failureCount();
    // A failed statement is the row's own fault (a constraint it breaks: the row is skipped) or
    // the storage's (the page must stop and roll back).
    const auto afterFailure = [&] {
        // A refusal that left no error to classify is taken for the storage's: stopping is safe,
        // skipping a row that may be fine is not.
        if (!guard.isIntact() || RepositorySupport::failureCount() == failuresBefore ||
            StorageError::isStorageError(RepositorySupport::lastFailure()))
            return Applied::StorageFailed;
        qWarning().noquote() << QLatin1String(operation) + QStringLiteral(": server record not stored:")
                             << incoming.id << RepositorySupport::lastFailure().text();
        return Applied::Skipped;
    };
    const auto readFailed = [&] {
        return RepositorySupport::failureCount() != failuresBefore;
    };

    const QString invalid = SyncRecords::invalidMember(json);
    if (!invalid.isEmpty()) {
        qWarning().noquote() << QLatin1String(operation) + QStringLiteral(": skipping invalid server record:")
                             << json.value(QStringLiteral("id")).toString() << invalid;
        return Applied::Skipped;
    }
    const QString serverId = json.value(QStringLiteral("id")).toString();
    const QString clientId = json.value(QStringLiteral("client_id")).toString();
    const auto findLocal = [&](const QString &id) -> std::optional<Record> {
        if (!known.loaded || known.writtenIds.contains(id))
            return repository->findById(id);
        const auto row = known.byId.constFind(id);
        if (row == known.byId.constEnd())
            return std::nullopt;
        return *row;
    };
    std::optional<Record> local;
    if (!clientId.isEmpty())
        local = findLocal(clientId);
    if (!local && !serverId.isEmpty()) {
        const QString localId = !known.loaded || known.writtenServerIds.contains(serverId)
                                    ? localIdForServerId(table, serverId)
                                    : known.idByServerId.value(serverId);
        if (!localId.isEmpty())
            local = findLocal(localId);
    }
    if (readFailed())
        return afterFailure();
    incoming.id = local ? local->id : clientId.isEmpty() ? newId() : clientId;
    // A record that lacks its times keeps the local row's (or gets the present one): the columns
    // are required, and the record is not to be lost for it.
    if (!incoming.createdAt.isValid())
        incoming.createdAt = local ? local->createdAt : currentTimestamp();
    if (!incoming.updatedAt.isValid())
        incoming.updatedAt = local ? local->updatedAt : currentTimestamp();

    if (brokenDate) {
        const QString warning = brokenDate(incoming);
        if (!warning.isEmpty()) {
            qWarning().noquote() << warning;
            return Applied::Skipped;
        }
    }

    // Whatever is written below, later records of the page read this row (and whatever row
    // holds these server ids) from the database again.
    const auto noteWrite = [&] {
        known.writtenIds.insert(incoming.id);
        known.writtenServerIds.insert(incoming.serverId);
        if (local)
            known.writtenServerIds.insert(local->serverId);
    };
    if (local) {
        if (incoming.version < local->version)
            return Applied::Unchanged; // a newer local edit wins and is pushed later
        const bool sameContent = SyncRecords::sameContent(incoming, *local);
        // The server raises the version of every row it accepts, so a row edited here after its
        // push had left shares its version with the server's copy of that push: the local edit
        // is the newer one and goes out with the next push.
        if (local->syncStatus == SyncStatus::Pending && incoming.version == local->version && !sameContent)
            return Applied::Unchanged;
        // A page seen again (a repeated page, a resumed cycle) changes nothing.
        if (local->syncStatus == SyncStatus::Synced && incoming.version == local->version && sameContent &&
            incoming.serverId == local->serverId)
            return Applied::Unchanged;
        noteWrite();
        // Most often the row comes back as it is here with the version the server raised (the
        // pushing device pulls its own push): then only its bookkeeping is stored, since rewriting
        // every column would rewrite each of the row's index entries as well.
        if (sameContent) {
            if (!repository->storeBookkeeping(incoming))
                return afterFailure();
            return Applied::Written;
        }
        if (!repository->update(incoming))
            return afterFailure();
        // The server's row wins whole, its deletion state included.
        if (incoming.deletedAt && !local->deletedAt) {
            bool deleted = false;
            if constexpr (std::is_same_v<Record, Reconciliation>)
                deleted = repository->setDeletedAt(incoming.id, incoming.deletedAt);
            else
                deleted = repository->softDelete(incoming.id);
            if (!deleted)
                return afterFailure();
        } else if (!incoming.deletedAt && local->deletedAt) {
            if (!repository->setDeletedAt(incoming.id, std::nullopt))
                return afterFailure();
        }
        return Applied::Written;
    }
    if (incoming.deletedAt) {
        // A deleted account or category is kept, deleted, when it is new here: live rows may still
        // refer to it (a transaction keeps its deleted category), and without it they could not
        // be stored. Other deleted rows unknown here are ignored.
        if constexpr (std::is_same_v<Record, Account> || std::is_same_v<Record, Category>) {
            noteWrite();
            if (!repository->insert(incoming) || !repository->setDeletedAt(incoming.id, incoming.deletedAt))
                return afterFailure();
            return Applied::Written;
        }
        return Applied::Unchanged;
    }
    noteWrite();
    if (!repository->insert(incoming))
        return afterFailure();
    return Applied::Written;
}

SyncEngine::Applied SyncEngine::applyAccount(const QJsonObject &record, SqlTransaction &guard)
{
    return applyRecord<Account>(m_accounts, QStringLiteral("accounts"), "applyAccount", record,
                                SyncRecords::accountFromPulled(record), guard, m_knownAccounts, {});
}

SyncEngine::Applied SyncEngine::applyCategory(const QJsonObject &record, SqlTransaction &guard)
{
    return applyRecord<Category>(m_categories, QStringLiteral("categories"), "applyCategory", record,
                                 SyncRecords::categoryFromPulled(record), guard, m_knownCategories, {});
}

namespace {

bool isBrokenDate(const QDate &date)
{
    return !date.isValid() || date.year() < 2000;
}

} // namespace

SyncEngine::Applied SyncEngine::applyRecurring(const QJsonObject &record, SqlTransaction &guard)
{
    const QString dueText = record.value(QStringLiteral("next_due_date")).toString();
    return applyRecord<RecurringTransaction>(
        m_recurring, QStringLiteral("recurring_transactions"), "applyRecurring", record,
        SyncRecords::recurringFromPulled(record), guard, m_knownRecurring,
        [&dueText](const RecurringTransaction &recurring) {
            if (!isBrokenDate(recurring.nextDueDate))
                return QString();
            return QStringLiteral("applyRecurring: skipping server record with broken nextDueDate: %1 %2 %3")
                .arg(recurring.id, recurring.payee, dueText);
        });
}

SyncEngine::Applied SyncEngine::applyTransactionChange(const QJsonObject &record, SqlTransaction &guard)
{
    const QString dateText = record.value(QStringLiteral("date")).toString();
    return applyRecord<Transaction>(
        m_transactions, QStringLiteral("transactions"), "applyTransactionChange", record,
        SyncRecords::transactionFromPulled(record), guard, m_knownTransactions,
        [&dateText](const Transaction &transaction) {
            if (!isBrokenDate(transaction.date))
                return QString();
            return QStringLiteral("applyTransactionChange: skipping server record with broken date: %1 %2 %3")
                .arg(transaction.id, transaction.payee, dateText);
        });
}

SyncEngine::Applied SyncEngine::applyReconciliation(const QJsonObject &record, SqlTransaction &guard)
{
    const QString dateText = record.value(QStringLiteral("statement_date")).toString();
    return applyRecord<Reconciliation>(
        m_reconciliations, QStringLiteral("reconciliations"), "applyReconciliation", record,
        SyncRecords::reconciliationFromPulled(record), guard, m_knownReconciliations,
        [&dateText](const Reconciliation &reconciliation) {
            if (!isBrokenDate(reconciliation.statementDate))
                return QString();
            return QStringLiteral(
                       "applyReconciliation: skipping server record with broken statementDate: %1 %2")
                .arg(reconciliation.id, dateText);
        });
}

QString SyncEngine::localIdForServerId(const QString &table, const QString &serverId)
{
    QSqlQuery query(connection());
    query.prepare(QStringLiteral("SELECT id FROM %1 WHERE server_id = ?").arg(table));
    query.addBindValue(serverId);
    if (!query.exec()) {
        RepositorySupport::logFailure("SyncEngine::localIdForServerId", query);
        return {};
    }
    return query.next() ? query.value(0).toString() : QString();
}

QList<QPair<QString, int>> SyncEngine::pendingCounts(bool *ok)
{
    QList<QPair<QString, int>> counts;
    for (const char *table :
         {"accounts", "categories", "recurring_transactions", "transactions", "reconciliations"}) {
        QSqlQuery query(connection());
        if (!query.exec(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE sync_status = 'pending'")
                            .arg(QLatin1String(table))) ||
            !query.next()) {
            RepositorySupport::logFailure("SyncEngine::pendingCounts", query);
            *ok = false;
            return {};
        }
        counts.append({QLatin1String(table), query.value(0).toInt()});
    }
    *ok = true;
    return counts;
}

void SyncEngine::checkIntegrity(const QJsonObject &integrity)
{
    const qint64 serverCount = integrity.value(QStringLiteral("category_count")).toInteger();
    const int localCount = m_categories->countLive();
    if (serverCount > 0 && serverCount != localCount)
        qWarning().noquote() << "Category count mismatch: local=" + QString::number(localCount) +
                                    " server=" + QString::number(serverCount)
                             << "(informational only — use Force Full Sync if data appears wrong)";
}

void SyncEngine::announce(const Touched &touched)
{
    m_announcing = true;
    // Emitted on the repositories' behalf: their writes were silenced while the transaction was open.
    if (touched.accounts)
        emit m_accounts->accountsChanged();
    if (touched.categories)
        emit m_categories->categoriesChanged();
    if (touched.recurring)
        emit m_recurring->recurringChanged();
    if (touched.transactions)
        emit m_transactions->transactionsChanged(QString());
    if (touched.reconciliations)
        emit m_reconciliations->reconciliationsChanged();
    if (touched.preferences)
        emit m_preferences->changed(cursorPreference);
    m_announcing = false;
}

bool SyncEngine::forceFullSync()
{
    int accounts = 0;
    int categories = 0;
    int transactions = 0;
    int recurrings = 0;
    int reconciliations = 0;
    bool marked = false;
    QString error;
    {
        const QSignalBlocker blockAccounts(m_accounts);
        const QSignalBlocker blockCategories(m_categories);
        const QSignalBlocker blockRecurring(m_recurring);
        const QSignalBlocker blockTransactions(m_transactions);
        const QSignalBlocker blockReconciliations(m_reconciliations);
        SqlTransaction guard(connection());
        if (guard.isActive()) {
            accounts = m_accounts->markAllPendingForResync();
            categories = m_categories->markAllPendingForResync();
            transactions = m_transactions->markAllPendingForResync();
            recurrings = m_recurring->markAllPendingForResync();
            reconciliations = m_reconciliations->markAllPendingForResync();
            marked = accounts >= 0 && categories >= 0 && transactions >= 0 && recurrings >= 0 &&
                     reconciliations >= 0 && m_preferences->remove(cursorPreference) && guard.commit();
            if (!marked)
                error =
                    guard.lastError().isEmpty() ? RepositorySupport::lastFailure().text() : guard.lastError();
        } else {
            error = guard.lastError();
        }
    }
    if (!marked) {
        fail(storageFailure(error));
        return false;
    }
    qInfo().noquote() << "Force Full Sync: marked pending —"
                      << "accounts:" << accounts << "categories:" << categories
                      << "transactions:" << transactions << "recurrings:" << recurrings
                      << "reconciliations:" << reconciliations;
    Touched touched;
    touched.accounts = accounts > 0;
    touched.categories = categories > 0;
    touched.transactions = transactions > 0;
    touched.recurring = recurrings > 0;
    touched.reconciliations = reconciliations > 0;
    announce(touched);
    // A cycle under way would store the cursor of its next page again: it is abandoned, and the
    // new one starts from the beginning.
    if (m_state == SyncState::Syncing) {
        ++m_generation;
        m_state = SyncState::Idle;
    }
    syncNow();
    return true;
}
