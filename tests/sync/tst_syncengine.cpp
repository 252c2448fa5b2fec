#include "account/apiclient.h"
#include "account/fakehttpserver.h"
#include "account/memorytokenstore.h"
#include "account/testtokens.h"
#include "account/tokenmanager.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/identifiers.h"
#include "data/preferencesrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/sqltransaction.h"
#include "data/transactionrepository.h"
#include "support/recordbuilders.h"
#include "support/testdatabase.h"
#include "sync/syncengine.h"
#include "sync/syncrecords.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTest>
#include <QUrlQuery>

using namespace CorvantisAccount;

// The sync engine against a scripted server: the exact requests it sends for each case of the
// push, and what each kind of pulled record does to the local rows.
class TestSyncEngine : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void nothingPendingGoesStraightToThePull();
    void pendingRowsGoInBatchesOf500ParentsFirst_data();
    void pendingRowsGoInBatchesOf500ParentsFirst();
    void rejectedResultLeavesOnlyThatRowPending();
    void rowChangedWhilePushedStaysPending_data();
    void rowChangedWhilePushedStaysPending();
    void pulledRecordsMeetLocalRows();
    void serverDeletionsAndRestores();
    void brokenDatesAreSkippedWithAWarning();
    void rowsReferringToDeletedOrLaterParentsAreStored();
    void rowOfAnUnknownAccountIsSkippedNotTheRest();
    void pageIsAppliedWholeOrNotAtAll();
    void cycleStopsAt50PagesAndTheNextFollowsAtOnce();
    void triggersDuringACycleFoldIntoOneFollowUp();
    void signedOutStartsNothing();
    void debounceFoldsABurstIntoOneCycle();
    void refusedTokenShowsTheErrorState();
    void integrityMismatchIsOnlyReported_data();
    void integrityMismatchIsOnlyReported();
    void forceFullSyncSendsEveryLiveRowAndPullsFromTheStart();
    void pushedRowsComingBackKeepTheirContent();
    void answerWaitsForAnotherWriteToEnd();

private:
    // Runs one cycle started by syncNow and waits for its end; false when it did not end.
    bool runCycle();
    QByteArray page(const QJsonObject &members) const;
    QList<FakeHttpServer::Request> requestsOf(const QByteArray &method) const;
    static QJsonArray changesOf(const FakeHttpServer::Request &request);
    static QUrlQuery queryOf(const FakeHttpServer::Request &request);
    // A row stored as the server's copy would leave it: synced, with a server id.
    template<typename Repository, typename Record>
    void storeSynced(Repository *repository, Record record, int version);

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<AccountRepository> m_accounts;
    std::unique_ptr<TransactionRepository> m_transactions;
    std::unique_ptr<CategoryRepository> m_categories;
    std::unique_ptr<RecurringRepository> m_recurring;
    std::unique_ptr<ReconciliationRepository> m_reconciliations;
    std::unique_ptr<PreferencesRepository> m_preferences;
    QHash<QString, QString> m_tokenValues;
    std::unique_ptr<TokenManager> m_tokens;
    std::unique_ptr<ApiClient> m_api;
    std::unique_ptr<FakeHttpServer> m_server;
    std::unique_ptr<SyncEngine> m_engine;
};

void TestSyncEngine::init()
{
    m_db = std::make_unique<TestDatabase>();
    QVERIFY(m_db->isReady());
    m_accounts = std::make_unique<AccountRepository>(m_db->database());
    m_transactions = std::make_unique<TransactionRepository>(m_db->database());
    m_categories = std::make_unique<CategoryRepository>(m_db->database());
    m_recurring = std::make_unique<RecurringRepository>(m_db->database());
    m_reconciliations = std::make_unique<ReconciliationRepository>(m_db->database());
    m_preferences = std::make_unique<PreferencesRepository>(m_db->database());
    m_tokenValues.clear();
    m_tokens = std::make_unique<TokenManager>(std::make_unique<MemoryTokenStore>(&m_tokenValues));
    m_tokens->setTokens(tokenExpiringIn(3600), QStringLiteral("refresh"));
    m_server = std::make_unique<FakeHttpServer>();
    m_api = std::make_unique<ApiClient>(m_tokens.get());
    m_api->setBaseUrl(m_server->url(QStringLiteral("/zimbrel/v1")));
    m_engine =
        std::make_unique<SyncEngine>(m_api.get(), m_accounts.get(), m_transactions.get(), m_categories.get(),
                                     m_recurring.get(), m_reconciliations.get(), m_preferences.get());
}

void TestSyncEngine::cleanup()
{
    m_engine.reset();
    m_api.reset();
    m_server.reset();
    m_tokens.reset();
    m_preferences.reset();
    m_reconciliations.reset();
    m_recurring.reset();
    m_categories.reset();
    m_transactions.reset();
    m_accounts.reset();
    m_db.reset();
}

bool TestSyncEngine::runCycle()
{
    QSignalSpy completed(m_engine.get(), &SyncEngine::syncCompleted);
    QSignalSpy failed(m_engine.get(), &SyncEngine::syncFailed);
    m_engine->syncNow();
    return QTest::qWaitFor([&] { return completed.count() + failed.count() > 0; }, 10000);
}

QByteArray TestSyncEngine::page(const QJsonObject &members) const
{
    return FakeHttpServer::json(200, QJsonDocument(members).toJson(QJsonDocument::Compact));
}

QList<FakeHttpServer::Request> TestSyncEngine::requestsOf(const QByteArray &method) const
{
    QList<FakeHttpServer::Request> found;
    for (const FakeHttpServer::Request &request : m_server->requests) {
        if (request.method == method)
            found.append(request);
    }
    return found;
}

QJsonArray TestSyncEngine::changesOf(const FakeHttpServer::Request &request)
{
    return QJsonDocument::fromJson(request.body).object().value(QStringLiteral("changes")).toArray();
}

QUrlQuery TestSyncEngine::queryOf(const FakeHttpServer::Request &request)
{
    return QUrlQuery(QUrl::fromEncoded(request.target).query());
}

template<typename Repository, typename Record>
void TestSyncEngine::storeSynced(Repository *repository, Record record, int version)
{
    record.version = version;
    QVERIFY(repository->insert(record));
    QVERIFY(TestDatabase::markStoredSynced(repository, record.id, QStringLiteral("srv-") + record.id));
}

namespace {

QJsonObject pushAnswer(const QList<QJsonObject> &results)
{
    QJsonArray array;
    for (const QJsonObject &result : results)
        array.append(result);
    return {{QStringLiteral("results"), array}};
}

QJsonObject result(const QString &type, const QString &id, const QString &status,
                   const QString &serverId = {})
{
    QJsonObject object{{QStringLiteral("entity_type"), type},
                       {QStringLiteral("entity_id"), id},
                       {QStringLiteral("status"), status},
                       {QStringLiteral("server_id"), serverId}};
    if (status != QLatin1String("ok"))
        object.insert(QStringLiteral("message"), QStringLiteral("the server has a newer version"));
    return object;
}

// A pulled record of `row` as the server sends it: its pushed payload, the server's id and version.
template<typename Record> QJsonObject pulled(const Record &row, int version, const QString &serverId = {})
{
    QJsonObject record = SyncRecords::changeFor(row).value(QStringLiteral("payload")).toObject();
    const QString id = serverId.isEmpty() ? QStringLiteral("srv-") + row.id : serverId;
    record.insert(QStringLiteral("id"), id);
    record.insert(QStringLiteral("server_id"), id);
    record.insert(QStringLiteral("version"), version);
    return record;
}

QJsonArray array(const QList<QJsonObject> &records)
{
    QJsonArray list;
    for (const QJsonObject &record : records)
        list.append(record);
    return list;
}

} // namespace

void TestSyncEngine::nothingPendingGoesStraightToThePull()
{
    QVERIFY(runCycle());
    QCOMPARE(m_server->requests.size(), 1);
    QCOMPARE(m_server->requests.first().method, QByteArray("GET"));
    QCOMPARE(m_server->requests.first().target, QByteArray("/zimbrel/v1/sync/pull?limit=200"));
    QCOMPARE(m_engine->state(), SyncEngine::SyncState::Idle);
}

void TestSyncEngine::pendingRowsGoInBatchesOf500ParentsFirst_data()
{
    QTest::addColumn<int>("keysPerTurn");
    QTest::newRow("keys read at once") << SyncEngine::keysPerTurn;
    // Reading the keys over many turns, the last of a turn not on a batch's edge.
    QTest::newRow("keys read over turns") << 7;
}

void TestSyncEngine::pendingRowsGoInBatchesOf500ParentsFirst()
{
    QFETCH(int, keysPerTurn);
    m_engine->setKeysPerTurn(keysPerTurn);
    const Account account = Records::account(QStringLiteral("Checking"));
    QVERIFY(m_accounts->insert(account));
    {
        SqlTransaction bulk(m_db->database()->connection());
        for (int index = 0; index < 1200; ++index)
            QVERIFY(m_transactions->insert(
                Records::transaction(account.id, QDate(2026, 1, 1).addDays(index % 300), -index)));
        QVERIFY(bulk.commit());
    }
    for (int batch = 0; batch < 3; ++batch)
        m_server->answer(page(pushAnswer({})));
    QVERIFY(runCycle());

    const QList<FakeHttpServer::Request> posts = requestsOf("POST");
    QCOMPARE(posts.size(), 3);
    QCOMPARE(changesOf(posts.at(0)).size(), 500);
    QCOMPARE(changesOf(posts.at(1)).size(), 500);
    QCOMPARE(changesOf(posts.at(2)).size(), 201);
    QCOMPARE(posts.first().target, QByteArray("/zimbrel/v1/sync/push"));
    QCOMPARE(changesOf(posts.first()).first().toObject().value(QStringLiteral("entity_type")).toString(),
             QStringLiteral("account"));
    QCOMPARE(m_server->requests.last().method, QByteArray("GET"));
    QCOMPARE(m_server->requests.size(), 4);
    // Each pending row once.
    QSet<QString> sent;
    for (const FakeHttpServer::Request &post : posts) {
        for (const QJsonValue &change : changesOf(post))
            sent.insert(change.toObject().value(QStringLiteral("entity_id")).toString());
    }
    QCOMPARE(sent.size(), 1201);
    // No result object for a row: it stays pending for the next cycle.
    QCOMPARE(m_transactions->pending().size(), 1200);
}

void TestSyncEngine::rejectedResultLeavesOnlyThatRowPending()
{
    const Account accepted = Records::account(QStringLiteral("Accepted"));
    const Account refused = Records::account(QStringLiteral("Refused"));
    QVERIFY(m_accounts->insert(accepted));
    QVERIFY(m_accounts->insert(refused));
    m_server->answer(page(pushAnswer(
        {result(QStringLiteral("account"), accepted.id, QStringLiteral("ok"), QStringLiteral("srv-9")),
         result(QStringLiteral("account"), refused.id, QStringLiteral("conflict"))})));
    QTest::ignoreMessage(
        QtWarningMsg,
        QRegularExpression(QStringLiteral("^Push result not ok — leaving record pending: account %1 "
                                          "status=conflict message=the server has a newer version$")
                               .arg(refused.id)));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Push batch: 1 ok, 1 errors")));
    QSignalSpy failed(m_engine.get(), &SyncEngine::syncFailed);
    QVERIFY(runCycle());

    QCOMPARE(failed.count(), 0);
    QCOMPARE(m_engine->state(), SyncEngine::SyncState::Idle);
    const Account stored = *m_accounts->findById(accepted.id);
    QCOMPARE(stored.syncStatus, SyncStatus::Synced);
    QCOMPARE(stored.serverId, QStringLiteral("srv-9"));
    QCOMPARE(m_accounts->findById(refused.id)->syncStatus, SyncStatus::Pending);
    QCOMPARE(m_engine->lastCycleResult().pushed, 1);
    QCOMPARE(m_engine->lastCycleResult().rejected, 1);
}

void TestSyncEngine::rowChangedWhilePushedStaysPending_data()
{
    QTest::addColumn<bool>("deleteIt");
    QTest::newRow("edited") << false;
    QTest::newRow("deleted") << true;
}

// The answer to a push arrives as an event: a change made before it (the user typing on while the
// cycle runs) must not be taken for the pushed row, neither by the mark nor by the pulled copy of
// that push, which comes back with the same version the local edit has.
void TestSyncEngine::rowChangedWhilePushedStaysPending()
{
    QFETCH(bool, deleteIt);
    const Account account = Records::account(QStringLiteral("Checking"));
    QVERIFY(m_accounts->insert(account));
    const Transaction pushed =
        Records::transaction(account.id, QDate(2026, 3, 1), -500).payee(QStringLiteral("Before"));
    QVERIFY(m_transactions->insert(pushed));
    m_server->answer(page(pushAnswer(
        {result(QStringLiteral("account"), account.id, QStringLiteral("ok"), QStringLiteral("srv-a")),
         result(QStringLiteral("transaction"), pushed.id, QStringLiteral("ok"), QStringLiteral("srv-t"))})));
    // The server's copy of the push: raised to version 2, as the edit below is.
    Account serverAccount = account;
    serverAccount.serverId = QStringLiteral("srv-a");
    m_server->answer(
        page({{QStringLiteral("accounts"), array({pulled(serverAccount, 2, QStringLiteral("srv-a"))})},
              {QStringLiteral("transactions"), array({pulled(pushed, 2, QStringLiteral("srv-t"))})},
              {QStringLiteral("server_time"), QStringLiteral("v1.2.2")}}));

    QSignalSpy completed(m_engine.get(), &SyncEngine::syncCompleted);
    m_engine->syncNow();
    if (deleteIt) {
        QVERIFY(m_transactions->softDelete(pushed.id));
    } else {
        Transaction edited = pushed;
        edited.payee = QStringLiteral("After");
        edited.version += 1;
        QVERIFY(m_transactions->update(edited));
    }
    QTRY_COMPARE(completed.count(), 1);

    const Transaction stored = *m_transactions->findById(pushed.id);
    QCOMPARE(stored.syncStatus, SyncStatus::Pending);
    QCOMPARE(stored.payee, deleteIt ? QStringLiteral("Before") : QStringLiteral("After"));
    QCOMPARE(stored.deletedAt.has_value(), deleteIt);
    QCOMPARE(stored.version, 2);
    const Account storedAccount = *m_accounts->findById(account.id);
    QCOMPARE(storedAccount.syncStatus, SyncStatus::Synced);
    QCOMPARE(storedAccount.version, 2);

    // The next cycle pushes the change.
    QVERIFY(runCycle());
    const QJsonArray changes = changesOf(requestsOf("POST").last());
    QCOMPARE(changes.size(), 1);
    QCOMPARE(changes.first().toObject().value(QStringLiteral("action")).toString(),
             deleteIt ? QStringLiteral("delete") : QStringLiteral("upsert"));
    QCOMPARE(changes.first().toObject().value(QStringLiteral("version")).toInt(), 2);
}

void TestSyncEngine::pulledRecordsMeetLocalRows()
{
    const Account account = Records::account(QStringLiteral("Checking"));
    storeSynced(m_accounts.get(), account, 1);
    const auto local = [&](const QString &payee) -> Transaction {
        return Records::transaction(account.id, QDate(2026, 3, 1), -100).payee(payee);
    };
    const Transaction byServerId = local(QStringLiteral("by server id"));
    storeSynced(m_transactions.get(), byServerId, 1);
    const Transaction sameVersion = local(QStringLiteral("same version"));
    storeSynced(m_transactions.get(), sameVersion, 3);
    const Transaction olderIncoming = local(QStringLiteral("older incoming"));
    storeSynced(m_transactions.get(), olderIncoming, 3);
    Transaction editedHere = local(QStringLiteral("edited here"));
    editedHere.version = 4;
    QVERIFY(m_transactions->insert(editedHere)); // pending, at the version the server's copy has

    const auto changed = [](Transaction row, const QString &payee) {
        row.payee = payee;
        return row;
    };
    QJsonObject unknownClient = pulled(changed(byServerId, QStringLiteral("renamed")), 2);
    unknownClient.insert(QStringLiteral("client_id"), QStringLiteral("client-id-never-seen"));
    QJsonObject noClient = pulled(local(QStringLiteral("from elsewhere")), 1, QStringLiteral("srv-new"));
    noClient.remove(QStringLiteral("client_id"));
    const Transaction dated = local(QStringLiteral("date-time"));
    QJsonObject dateTime = pulled(dated, 1);
    dateTime.insert(QStringLiteral("date"), QStringLiteral("2026-03-31T00:00:00Z"));

    // The pending row goes out first and is refused: the server holds another copy at its version.
    m_server->answer(
        page(pushAnswer({result(QStringLiteral("transaction"), editedHere.id, QStringLiteral("conflict"))})));
    m_server->answer(
        page({{QStringLiteral("transactions"),
               array({unknownClient, noClient, pulled(changed(sameVersion, QStringLiteral("server's")), 3),
                      pulled(changed(olderIncoming, QStringLiteral("stale")), 2),
                      pulled(changed(editedHere, QStringLiteral("server's copy")), 4), dateTime})},
              {QStringLiteral("server_time"), QStringLiteral("v1.9.9")}}));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Push result not ok")));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Push batch: 0 ok, 1 errors")));
    QVERIFY(runCycle());
    QCOMPARE(m_engine->state(), SyncEngine::SyncState::Idle);
    QCOMPARE(queryOf(requestsOf("GET").first()).hasQueryItem(QStringLiteral("since")), false);

    const Transaction matched = *m_transactions->findById(byServerId.id);
    QCOMPARE(matched.payee, QStringLiteral("renamed"));
    QCOMPARE(matched.version, 2);
    QVERIFY(!m_transactions->findById(QStringLiteral("client-id-never-seen")));

    QSqlQuery fresh(m_db->database()->connection());
    QVERIFY(fresh.exec(QStringLiteral("SELECT id, payee FROM transactions WHERE server_id = 'srv-new'")));
    QVERIFY(fresh.next());
    QCOMPARE(fresh.value(0).toString().size(), 36);
    QCOMPARE(fresh.value(1).toString(), QStringLiteral("from elsewhere"));

    QCOMPARE(m_transactions->findById(sameVersion.id)->payee, QStringLiteral("server's"));
    QCOMPARE(m_transactions->findById(olderIncoming.id)->payee, QStringLiteral("older incoming"));
    const Transaction kept = *m_transactions->findById(editedHere.id);
    QCOMPARE(kept.payee, QStringLiteral("edited here"));
    QCOMPARE(kept.syncStatus, SyncStatus::Pending);
    QCOMPARE(m_transactions->findById(dated.id)->date, QDate(2026, 3, 31));
    QCOMPARE(m_preferences->value(SyncEngine::cursorPreference, QString()), QStringLiteral("v1.9.9"));
    QCOMPARE(m_engine->lastCycleResult().pulled, 6);
}

void TestSyncEngine::serverDeletionsAndRestores()
{
    const Account account = Records::account(QStringLiteral("Checking"));
    storeSynced(m_accounts.get(), account, 1);
    const Transaction live =
        Records::transaction(account.id, QDate(2026, 3, 1), -100).payee(QStringLiteral("Live"));
    storeSynced(m_transactions.get(), live, 1);
    const Transaction deletedHere =
        Records::transaction(account.id, QDate(2026, 3, 2), -200).payee(QStringLiteral("Gone here"));
    QVERIFY(m_transactions->insert(deletedHere));
    QVERIFY(m_transactions->softDelete(deletedHere.id));
    QVERIFY(TestDatabase::markStoredSynced(m_transactions.get(), deletedHere.id,
                                           QStringLiteral("srv-") + deletedHere.id));
    const Reconciliation reconciliation = Records::reconciliation(account.id, QDate(2026, 2, 28), 0);
    storeSynced(m_reconciliations.get(), reconciliation, 1);

    const QDateTime deletion = QDateTime(QDate(2026, 3, 10), QTime(12, 0), Qt::UTC);
    const auto deleted = [&](auto row) {
        row.deletedAt = deletion;
        return row;
    };
    Reconciliation unknownReconciliation = reconciliation;
    unknownReconciliation.id = newId();
    Transaction unknownTransaction = live;
    unknownTransaction.id = newId();
    Transaction restored = *m_transactions->findById(deletedHere.id);
    restored.deletedAt.reset();
    m_server->answer(page(
        {{QStringLiteral("transactions"),
          array({pulled(deleted(live), 2), pulled(deleted(unknownTransaction), 2), pulled(restored, 3)})},
         {QStringLiteral("reconciliations"),
          array({pulled(deleted(reconciliation), 2), pulled(deleted(unknownReconciliation), 2)})}}));
    QVERIFY(runCycle());

    // A server deletion becomes a local soft delete, pushed back by the next cycle.
    const Transaction nowDeleted = *m_transactions->findById(live.id);
    QVERIFY(nowDeleted.deletedAt.has_value());
    QCOMPARE(nowDeleted.syncStatus, SyncStatus::Pending);
    QVERIFY(!m_transactions->findById(unknownTransaction.id));
    // A reconciliation has no soft delete of its own: it takes the server's deletion as it is.
    const Reconciliation gone = *m_reconciliations->findById(reconciliation.id);
    QCOMPARE(gone.deletedAt, std::optional<QDateTime>(deletion));
    QCOMPARE(gone.syncStatus, SyncStatus::Synced);
    QVERIFY(!m_reconciliations->findById(unknownReconciliation.id));
    // A row the server has live again (restored elsewhere) is restored here.
    const Transaction back = *m_transactions->findById(deletedHere.id);
    QVERIFY(!back.deletedAt.has_value());
    QCOMPARE(back.syncStatus, SyncStatus::Synced);
    QCOMPARE(back.version, 3);
}

void TestSyncEngine::brokenDatesAreSkippedWithAWarning()
{
    const Account account = Records::account(QStringLiteral("Checking"));
    storeSynced(m_accounts.get(), account, 1);
    Transaction early =
        Records::transaction(account.id, QDate(1999, 12, 31), -100).payee(QStringLiteral("Early"));
    Transaction unreadable =
        Records::transaction(account.id, QDate(2026, 1, 1), -100).payee(QStringLiteral("Unreadable"));
    QJsonObject unreadableRecord = pulled(unreadable, 1);
    unreadableRecord.insert(QStringLiteral("date"), QStringLiteral("31.12.2025"));
    const Transaction fine =
        Records::transaction(account.id, QDate(2000, 1, 1), -100).payee(QStringLiteral("Fine"));
    RecurringTransaction schedule = Records::recurring(account.id, QDate(1970, 1, 1), -5000);
    Reconciliation reconciliation;
    reconciliation.id = newId();
    reconciliation.accountId = account.id;
    QJsonObject reconciliationRecord = pulled(reconciliation, 1);
    reconciliationRecord.insert(QStringLiteral("statement_date"), QString());
    m_server->answer(
        page({{QStringLiteral("transactions"), array({pulled(early, 1), unreadableRecord, pulled(fine, 1)})},
              {QStringLiteral("recurring_transactions"), array({pulled(schedule, 1)})},
              {QStringLiteral("reconciliations"), array({reconciliationRecord})}}));
    QTest::ignoreMessage(
        QtWarningMsg,
        qPrintable(QStringLiteral(
                       "applyTransactionChange: skipping server record with broken date: %1 Early 1999-12-31")
                       .arg(early.id)));
    QTest::ignoreMessage(
        QtWarningMsg,
        qPrintable(
            QStringLiteral(
                "applyTransactionChange: skipping server record with broken date: %1 Unreadable 31.12.2025")
                .arg(unreadable.id)));
    QTest::ignoreMessage(
        QtWarningMsg,
        qPrintable(QStringLiteral(
                       "applyRecurring: skipping server record with broken nextDueDate: %1 Rent 1970-01-01")
                       .arg(schedule.id)));
    QTest::ignoreMessage(
        QtWarningMsg,
        qPrintable(
            QStringLiteral("applyReconciliation: skipping server record with broken statementDate: %1 ")
                .arg(reconciliation.id)));
    QVERIFY(runCycle());
    QCOMPARE(m_engine->state(), SyncEngine::SyncState::Idle);
    QVERIFY(!m_transactions->findById(early.id));
    QVERIFY(!m_transactions->findById(unreadable.id));
    QVERIFY(!m_recurring->findById(schedule.id));
    QVERIFY(!m_reconciliations->findById(reconciliation.id));
    QCOMPARE(m_transactions->findById(fine.id)->date, QDate(2000, 1, 1));
}

void TestSyncEngine::rowsReferringToDeletedOrLaterParentsAreStored()
{
    const QDateTime deletion = QDateTime(QDate(2026, 3, 10), QTime(12, 0), Qt::UTC);
    Account closed = Records::account(QStringLiteral("Closed"));
    closed.deletedAt = deletion;
    Category parent = Records::category(QStringLiteral("Household"));
    parent.deletedAt = deletion;
    const Category child = Records::category(QStringLiteral("Cleaning")).parent(parent.id);
    Transaction kept =
        Records::transaction(closed.id, QDate(2026, 3, 1), -100).payee(QStringLiteral("Still live"));
    kept.categoryId = child.id;
    // The child comes before its parent, and both rows refer to rows deleted on the server.
    m_server->answer(page({{QStringLiteral("accounts"), array({pulled(closed, 2)})},
                           {QStringLiteral("categories"), array({pulled(child, 2), pulled(parent, 3)})},
                           {QStringLiteral("transactions"), array({pulled(kept, 2)})}}));
    QVERIFY(runCycle());
    QCOMPARE(m_engine->state(), SyncEngine::SyncState::Idle);
    QCOMPARE(m_accounts->findById(closed.id)->deletedAt, std::optional<QDateTime>(deletion));
    QCOMPARE(m_categories->findById(parent.id)->deletedAt, std::optional<QDateTime>(deletion));
    QCOMPARE(m_categories->findById(child.id)->parentId, parent.id);
    const Transaction stored = *m_transactions->findById(kept.id);
    QCOMPARE(stored.categoryId, child.id);
    QCOMPARE(stored.syncStatus, SyncStatus::Synced);
    QVERIFY(m_accounts->pending().isEmpty());
    QVERIFY(m_categories->pending().isEmpty());
}

void TestSyncEngine::rowOfAnUnknownAccountIsSkippedNotTheRest()
{
    const Account account = Records::account(QStringLiteral("Checking"));
    storeSynced(m_accounts.get(), account, 1);
    const Transaction orphan =
        Records::transaction(QStringLiteral("no-such-account"), QDate(2026, 3, 1), -100);
    const Transaction fine = Records::transaction(account.id, QDate(2026, 3, 1), -100);
    m_server->answer(page({{QStringLiteral("transactions"), array({pulled(orphan, 2), pulled(fine, 2)})},
                           {QStringLiteral("server_time"), QStringLiteral("v1.3.3")}}));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral(
                                           "^TransactionRepository::insert failed: .*FOREIGN KEY")));
    QTest::ignoreMessage(
        QtWarningMsg,
        QRegularExpression(
            QStringLiteral("^applyTransactionChange: server record not stored: %1").arg(orphan.id)));
    QVERIFY(runCycle());
    QCOMPARE(m_engine->state(), SyncEngine::SyncState::Idle);
    QVERIFY(!m_transactions->findById(orphan.id));
    QVERIFY(m_transactions->findById(fine.id));
    QCOMPARE(m_preferences->value(SyncEngine::cursorPreference, QString()), QStringLiteral("v1.3.3"));
}

// A page is applied in one transaction with its cursor: a storage failure part-way leaves nothing
// of it and the cursor where it was, and the next cycle asks for the same page again.
void TestSyncEngine::pageIsAppliedWholeOrNotAtAll()
{
    const Account account = Records::account(QStringLiteral("Checking"));
    storeSynced(m_accounts.get(), account, 1);
    QVERIFY(m_preferences->setValue(SyncEngine::cursorPreference, QStringLiteral("v1.1.1")));
    const Transaction small =
        Records::transaction(account.id, QDate(2026, 3, 1), -100).payee(QStringLiteral("Small"));
    Transaction large =
        Records::transaction(account.id, QDate(2026, 3, 2), -200).payee(QStringLiteral("Large"));
    large.memo = QString(60000, QLatin1Char('m'));
    const QByteArray answer =
        page({{QStringLiteral("transactions"), array({pulled(small, 2), pulled(large, 2)})},
              {QStringLiteral("server_time"), QStringLiteral("v1.2.2")}});
    m_server->answer(answer);
    m_server->answer(answer);

    // The file may grow by a few pages only: the first row fits, the second does not.
    const int pages = m_db->scalar(QStringLiteral("PRAGMA page_count")).toInt();
    QVERIFY(m_db->exec(QStringLiteral("PRAGMA max_page_count = %1").arg(pages + 3)));
    QSignalSpy transactionsChanged(m_transactions.get(), &TransactionRepository::transactionsChanged);
    QSignalSpy dataChanged(m_engine.get(), &SyncEngine::dataChanged);
    QSignalSpy failed(m_engine.get(), &SyncEngine::syncFailed);
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("^TransactionRepository::insert failed: .*full")));
    QVERIFY(runCycle());
    QCOMPARE(failed.count(), 1);
    QCOMPARE(m_engine->state(), SyncEngine::SyncState::Error);
    QVERIFY2(m_engine->lastError().contains(QLatin1String("full")), qPrintable(m_engine->lastError()));
    QVERIFY(!m_transactions->findById(small.id));
    QCOMPARE(m_preferences->value(SyncEngine::cursorPreference, QString()), QStringLiteral("v1.1.1"));
    QCOMPARE(transactionsChanged.count(), 0);
    QCOMPARE(dataChanged.count(), 0);

    QVERIFY(m_db->exec(QStringLiteral("PRAGMA max_page_count = 1073741823")));
    QVERIFY(runCycle());
    QCOMPARE(queryOf(requestsOf("GET").last()).queryItemValue(QStringLiteral("since")),
             QStringLiteral("v1.1.1"));
    QCOMPARE(m_engine->state(), SyncEngine::SyncState::Idle);
    QVERIFY(m_transactions->findById(small.id));
    QVERIFY(m_transactions->findById(large.id));
    QCOMPARE(m_preferences->value(SyncEngine::cursorPreference, QString()), QStringLiteral("v1.2.2"));
    // Announced once, after the commit, for every account at once.
    QCOMPARE(transactionsChanged.count(), 1);
    QCOMPARE(transactionsChanged.first().first().toString(), QString());
    QCOMPARE(dataChanged.count(), 1);
    QVERIFY(m_engine->lastError().isEmpty());
}

void TestSyncEngine::cycleStopsAt50PagesAndTheNextFollowsAtOnce()
{
    for (int number = 1; number <= 50; ++number)
        m_server->answer(page({{QStringLiteral("server_time"), QStringLiteral("v1.%1.0").arg(number)},
                               {QStringLiteral("has_more"), true}}));
    m_server->answer(page(
        {{QStringLiteral("server_time"), QStringLiteral("v1.51.0")}, {QStringLiteral("has_more"), false}}));
    QList<SyncCycleResult> cycles;
    QList<bool> followUps;
    connect(m_engine.get(), &SyncEngine::syncCompleted, this, [&] {
        cycles.append(m_engine->lastCycleResult());
        followUps.append(m_engine->isFollowUpScheduled());
    });
    m_engine->syncNow();
    // No auto-sync timer runs here: only the follow-up can start the second cycle.
    QTRY_COMPARE(cycles.size(), 2);
    QCOMPARE(cycles.at(0).morePages, true);
    QCOMPARE(followUps.at(0), true);
    QCOMPARE(cycles.at(1).morePages, false);
    QCOMPARE(followUps.at(1), false);
    const QList<FakeHttpServer::Request> pulls = requestsOf("GET");
    QCOMPARE(pulls.size(), 51);
    QCOMPARE(queryOf(pulls.at(49)).queryItemValue(QStringLiteral("since")), QStringLiteral("v1.49.0"));
    QCOMPARE(queryOf(pulls.at(50)).queryItemValue(QStringLiteral("since")), QStringLiteral("v1.50.0"));
    QCOMPARE(m_preferences->value(SyncEngine::cursorPreference, QString()), QStringLiteral("v1.51.0"));
}

void TestSyncEngine::triggersDuringACycleFoldIntoOneFollowUp()
{
    QSignalSpy completed(m_engine.get(), &SyncEngine::syncCompleted);
    m_engine->syncNow();
    m_engine->syncNow();
    m_engine->syncNow();
    QTRY_COMPARE(completed.count(), 2);
    QTest::qWait(200);
    QCOMPARE(completed.count(), 2);
    QCOMPARE(requestsOf("GET").size(), 2);
}

void TestSyncEngine::signedOutStartsNothing()
{
    m_server->answer(FakeHttpServer::json(500, "{}"));
    QVERIFY(runCycle());
    QCOMPARE(m_engine->state(), SyncEngine::SyncState::Error);
    QCOMPARE(m_engine->lastError(), QStringLiteral("Pull failed (HTTP 500)"));

    m_engine->setSyncAllowedCheck([] { return false; });
    QSignalSpy states(m_engine.get(), &SyncEngine::stateChanged);
    m_engine->syncNow();
    QCOMPARE(m_engine->state(), SyncEngine::SyncState::Idle);
    QCOMPARE(states.count(), 1);
    QTest::qWait(100);
    QCOMPARE(m_server->requests.size(), 1);
}

void TestSyncEngine::debounceFoldsABurstIntoOneCycle()
{
    m_engine->requestSync();
    QTest::qWait(500);
    m_engine->requestSync();
    m_engine->requestSync();
    QTest::qWait(1500);
    QCOMPARE(m_server->requests.size(), 0); // the last request restarted the 2 s wait
    QTRY_COMPARE(m_server->requests.size(), 1);
    QTest::qWait(300);
    QCOMPARE(m_server->requests.size(), 1);
}

void TestSyncEngine::refusedTokenShowsTheErrorState()
{
    m_tokens->setTokens(tokenExpiringIn(-60), QString());
    m_server->answer(FakeHttpServer::json(401, R"({"error": "token expired"})"));
    QSignalSpy states(m_engine.get(), &SyncEngine::stateChanged);
    QSignalSpy failed(m_engine.get(), &SyncEngine::syncFailed);
    QVERIFY(runCycle());
    QCOMPARE(states.count(), 2);
    QCOMPARE(states.at(0).first().value<SyncEngine::SyncState>(), SyncEngine::SyncState::Syncing);
    QCOMPARE(states.at(1).first().value<SyncEngine::SyncState>(), SyncEngine::SyncState::Error);
    QCOMPARE(failed.count(), 1);
    QCOMPARE(failed.first().first().toString(), QStringLiteral("Pull failed (HTTP 401)"));
}

void TestSyncEngine::integrityMismatchIsOnlyReported_data()
{
    QTest::addColumn<QJsonObject>("integrity");
    QTest::addColumn<bool>("warns");
    QTest::newRow("absent") << QJsonObject() << false;
    QTest::newRow("zero") << QJsonObject{{QStringLiteral("category_count"), 0}} << false;
    QTest::newRow("equal") << QJsonObject{{QStringLiteral("category_count"), 2}} << false;
    QTest::newRow("different") << QJsonObject{{QStringLiteral("category_count"), 5},
                                              {QStringLiteral("accounts"), QJsonObject()}}
                               << true;
}

void TestSyncEngine::integrityMismatchIsOnlyReported()
{
    QFETCH(QJsonObject, integrity);
    QFETCH(bool, warns);
    storeSynced(m_categories.get(), Records::category(QStringLiteral("Food")).record(), 1);
    storeSynced(m_categories.get(), Records::category(QStringLiteral("Rent")).record(), 1);
    QJsonObject answer{{QStringLiteral("server_time"), QStringLiteral("v1.1.1")}};
    if (!integrity.isEmpty())
        answer.insert(QStringLiteral("integrity"), integrity);
    m_server->answer(page(answer));
    if (warns)
        QTest::ignoreMessage(QtWarningMsg,
                             "Category count mismatch: local=2 server=5 (informational only — use Force Full "
                             "Sync if data appears wrong)");
    else
        QTest::failOnWarning(QRegularExpression(QStringLiteral("Category count mismatch")));
    QVERIFY(runCycle());
    QCOMPARE(m_engine->state(), SyncEngine::SyncState::Idle);
    QCOMPARE(m_categories->countLive(), 2);
}

void TestSyncEngine::forceFullSyncSendsEveryLiveRowAndPullsFromTheStart()
{
    const Account account = Records::account(QStringLiteral("Checking"));
    storeSynced(m_accounts.get(), account, 2);
    const Transaction live = Records::transaction(account.id, QDate(2026, 3, 1), -100);
    storeSynced(m_transactions.get(), live, 2);
    const Transaction gone = Records::transaction(account.id, QDate(2026, 3, 2), -100);
    QVERIFY(m_transactions->insert(gone));
    QVERIFY(m_transactions->softDelete(gone.id));
    QVERIFY(TestDatabase::markStoredSynced(m_transactions.get(), gone.id, QStringLiteral("srv-gone")));
    QVERIFY(m_preferences->setValue(SyncEngine::cursorPreference, QStringLiteral("v1.5.5")));
    m_server->answer(page(pushAnswer(
        {result(QStringLiteral("account"), account.id, QStringLiteral("ok"), QStringLiteral("srv-a")),
         result(QStringLiteral("transaction"), live.id, QStringLiteral("ok"), QStringLiteral("srv-t"))})));

    QSignalSpy completed(m_engine.get(), &SyncEngine::syncCompleted);
    QTest::ignoreMessage(QtInfoMsg,
                         "Force Full Sync: marked pending — accounts: 1 categories: 0 transactions: 1 "
                         "recurrings: 0 reconciliations: 0");
    QVERIFY(m_engine->forceFullSync());
    QTRY_COMPARE(completed.count(), 1);
    QCOMPARE(m_server->requests.size(), 2);
    const QJsonArray changes = changesOf(m_server->requests.at(0));
    QCOMPARE(changes.size(), 2);
    QCOMPARE(changes.at(0).toObject().value(QStringLiteral("entity_id")).toString(), account.id);
    QCOMPARE(changes.at(1).toObject().value(QStringLiteral("entity_id")).toString(), live.id);
    QCOMPARE(m_server->requests.at(1).target, QByteArray("/zimbrel/v1/sync/pull?limit=200"));
    QCOMPARE(m_transactions->findById(gone.id)->syncStatus, SyncStatus::Synced);
    QCOMPARE(m_accounts->findById(account.id)->serverId, QStringLiteral("srv-a"));
}

void TestSyncEngine::pushedRowsComingBackKeepTheirContent()
{
    // The pushing device pulls its own rows back with the version the server raised: the content
    // stays as it is here, the version, status, server id and change time become the server's.
    const Account account = Records::account(QStringLiteral("Checking"));
    storeSynced(m_accounts.get(), account, 1);
    Transaction synced =
        Records::transaction(account.id, QDate(2026, 3, 1), -100).payee(QStringLiteral("synced"));
    synced.memo = QStringLiteral("note");
    storeSynced(m_transactions.get(), synced, 1);
    Transaction pushed =
        Records::transaction(account.id, QDate(2026, 3, 2), -250).payee(QStringLiteral("pushed"));
    pushed.cleared = true;
    QVERIFY(m_transactions->insert(pushed));
    m_server->answer(page(pushAnswer({result(QStringLiteral("transaction"), pushed.id, QStringLiteral("ok"),
                                             QStringLiteral("srv-") + pushed.id)})));
    Transaction syncedEcho = synced;
    syncedEcho.updatedAt = synced.updatedAt.addSecs(60);
    Transaction pushedEcho = *m_transactions->findById(pushed.id);
    pushedEcho.updatedAt = pushedEcho.updatedAt.addSecs(90);
    m_server->answer(
        page({{QStringLiteral("transactions"), array({pulled(syncedEcho, 2), pulled(pushedEcho, 2)})},
              {QStringLiteral("server_time"), QStringLiteral("v1.2.2")}}));
    QVERIFY(runCycle());
    QCOMPARE(m_engine->state(), SyncEngine::SyncState::Idle);

    for (const Transaction &echo : {syncedEcho, pushedEcho}) {
        const Transaction stored = *m_transactions->findById(echo.id);
        QVERIFY2(SyncRecords::sameContent(stored, echo), qPrintable(echo.payee));
        QCOMPARE(stored.version, 2);
        QCOMPARE(stored.syncStatus, SyncStatus::Synced);
        QCOMPARE(stored.serverId, QStringLiteral("srv-") + echo.id);
        QCOMPARE(stored.updatedAt, echo.updatedAt);
        QCOMPARE(stored.createdAt, echo.createdAt);
    }
}

void TestSyncEngine::answerWaitsForAnotherWriteToEnd()
{
    // An import lets the window repaint while its transaction is open; a page arriving then is
    // applied after that transaction ends, not inside it.
    const Account account = Records::account(QStringLiteral("Checking"));
    storeSynced(m_accounts.get(), account, 1);
    const Transaction incoming = Records::transaction(account.id, QDate(2026, 3, 1), -100);
    m_server->answer(page({{QStringLiteral("transactions"), array({pulled(incoming, 1)})},
                           {QStringLiteral("server_time"), QStringLiteral("v1.1.1")}}));
    QSignalSpy completed(m_engine.get(), &SyncEngine::syncCompleted);
    auto other = std::make_unique<SqlTransaction>(m_db->database()->connection());
    QVERIFY(other->isActive());
    m_engine->syncNow();
    QTRY_COMPARE(requestsOf("GET").size(), 1);
    QTest::qWait(4 * SyncEngine::otherWriteRetryMs);
    QCOMPARE(completed.count(), 0);
    QCOMPARE(m_engine->state(), SyncEngine::SyncState::Syncing);
    QVERIFY(other->commit());
    other.reset();
    QTRY_COMPARE(completed.count(), 1);
    QVERIFY(m_transactions->findById(incoming.id));
    QCOMPARE(m_preferences->value(SyncEngine::cursorPreference, QString()), QStringLiteral("v1.1.1"));
}

QTEST_GUILESS_MAIN(TestSyncEngine)
#include "tst_syncengine.moc"
