#include "account/clientconfig.h"
#include "account/cloudconfiguration.h"
#include "account/tokenstore.h"

#include "browsersession.h"
#include "cloudclient.h"
#include "cloudfixture.h"
#include "convergencerun.h"
#include "syncdevice.h"

#include "data/accountrepository.h"
#include "data/transactionrepository.h"
#include "services/accountservice.h"
#include "services/transactionservice.h"
#include "sync/syncengine.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

// The sync engine against a real zimbrel-cloud: devices of one user converge whatever the order
// of their changes and syncs and whatever faults the service throws in; zimbrel-cli sync and
// sync-status report what happened.
class TestSyncConvergence : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void devicesConverge_data();
    void devicesConverge();
    void faultLeavesTheDeviceConsistent_data();
    void faultLeavesTheDeviceConsistent();
    void cliSyncAndStatus();

private:
    struct Run
    {
        int exitCode = -1;
        QJsonObject json;
        QByteArray err;
    };
    Run cli(const QString &dir, const QUrl &service, const QStringList &arguments) const;
    // Stores a new session's tokens where zimbrel-cli looks for them for `service`.
    bool signInCli(const QString &dir, const QUrl &service, const QString &email);

    CloudFixture m_fixture;
};

void TestSyncConvergence::initTestCase()
{
    QString reason;
    QString error;
    if (!m_fixture.start(&reason, &error)) {
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QSKIP(qPrintable(reason));
    }
}

void TestSyncConvergence::devicesConverge_data()
{
    QTest::addColumn<int>("seed");
    QTest::addColumn<int>("devices");
    QTest::newRow("seed 3, two devices") << 3 << 2;
    QTest::newRow("seed 11, three devices") << 11 << 3;
    QTest::newRow("seed 19, three devices") << 19 << 3;
}

void TestSyncConvergence::devicesConverge()
{
    QFETCH(int, seed);
    QFETCH(int, devices);
    CloudService faulty;
    QString error;
    QVERIFY2(faulty.start(
                 m_fixture.service.databaseAddress(),
                 {QStringLiteral("--faults"),
                  QStringLiteral("seed=%1,push500=0.15,dropafter=0.1,duplicate=0.1,auth401=0.05,delay=0.1:20")
                      .arg(seed)},
                 &error),
             qPrintable(error));
    const std::unique_ptr<CloudClient> user = m_fixture.newUser(QStringLiteral("converge"));
    QVERIFY(!user->userId.isEmpty());
    QTemporaryDir work;
    ConvergenceOptions options;
    options.seed = quint64(seed);
    options.devices = devices;
    options.steps = 60;
    options.workDirectory = work.path();
    options.faultyService = faulty.baseUrl();
    options.quietService = m_fixture.service.baseUrl();
    options.quietHttp = m_fixture.http.get();
    options.email = user->email;
    const ConvergenceReport report = runConvergence(options);
    QVERIFY2(report.converged,
             qPrintable(report.failure + QLatin1Char('\n') + report.log.join(QLatin1Char('\n'))));
    QVERIFY(report.changes > 10);
    QVERIFY(report.serverRows > 56);
}

void TestSyncConvergence::faultLeavesTheDeviceConsistent_data()
{
    QTest::addColumn<QString>("faults");
    QTest::addColumn<QString>("error");
    QTest::newRow("push answered 500")
        << QStringLiteral("seed=1,push500=1") << QStringLiteral("Push failed (HTTP 500)");
    QTest::newRow("push committed, answer dropped")
        << QStringLiteral("seed=1,dropafter=1") << QStringLiteral("Push failed (HTTP 0)");
    QTest::newRow("token refused") << QStringLiteral("seed=1,auth401=1")
                                   << QStringLiteral("Push failed (HTTP 401)");
    QTest::newRow("page repeated") << QStringLiteral("seed=1,duplicate=1") << QString();
}

// After a failed cycle nothing is marked synced that the device cannot know the server has; the
// next cycle on a well-behaved service brings both sides level.
void TestSyncConvergence::faultLeavesTheDeviceConsistent()
{
    QFETCH(QString, faults);
    QFETCH(QString, error);
    CloudService faulty;
    QString startError;
    QVERIFY2(
        faulty.start(m_fixture.service.databaseAddress(), {QStringLiteral("--faults"), faults}, &startError),
        qPrintable(startError));
    const std::unique_ptr<CloudClient> user = m_fixture.newUser(QStringLiteral("fault"));
    QTemporaryDir work;
    SyncDevice device(QStringLiteral("device"), work.path());
    device.setTokens(user->accessToken, user->refreshToken);
    QVERIFY(device.open(faulty.baseUrl()));
    Account account;
    account.name = QStringLiteral("Checking");
    const std::optional<Account> stored = device.accountService()->createAccount(account, QDate(2026, 1, 1));
    QVERIFY(stored);
    TransactionEntry entry;
    entry.transaction.accountId = stored->id;
    entry.transaction.date = QDate(2026, 2, 1);
    entry.transaction.payee = QStringLiteral("Grocer");
    entry.transaction.amount = -1234;
    QCOMPARE(device.transactionService()->create(entry), TransactionService::Outcome::Saved);
    const int pendingBefore = device.pendingTotal();
    QVERIFY(pendingBefore > 2);

    // The repeated page comes with "has_more" every time: each cycle keeps its bound of pages.
    const SyncDevice::SyncOutcome faulted = device.sync(2);
    QVERIFY(!faulted.ok);
    if (error.isEmpty()) {
        QCOMPARE(faulted.cycles, 2);
        QCOMPARE(device.engine()->state(), SyncEngine::SyncState::Idle);
        QCOMPARE(device.pendingTotal(), 0);
    } else {
        QCOMPARE(faulted.error, error);
        QCOMPARE(device.engine()->state(), SyncEngine::SyncState::Error);
        QCOMPARE(device.pendingTotal(), pendingBefore);
    }
    device.close();

    QVERIFY(device.open(m_fixture.service.baseUrl()));
    // Tokens the faulty service made the device refresh are still this user's.
    for (int round = 0; round < 3 && device.pendingTotal() > 0; ++round)
        QVERIFY2(device.sync().ok, qPrintable(device.engine()->lastError()));
    QCOMPARE(device.pendingTotal(), 0);
    QCOMPARE(device.engine()->state(), SyncEngine::SyncState::Idle);
    const Transaction transaction = device.transactions()->byAccount(stored->id).first();
    QCOMPARE(transaction.syncStatus, SyncStatus::Synced);
    QVERIFY(!transaction.serverId.isEmpty());
    // The server's copy is the device's.
    const HttpResult pull =
        m_fixture.http->get(QStringLiteral("/zimbrel/v1/sync/pull?limit=200"), device.accessToken());
    QCOMPARE(pull.status, 200);
    bool found = false;
    for (const QJsonValue &value : pull.json.value(QStringLiteral("transactions")).toArray()) {
        const QJsonObject record = value.toObject();
        if (record.value(QStringLiteral("client_id")).toString() == transaction.id) {
            found = true;
            QCOMPARE(record.value(QStringLiteral("amount")).toInteger(), -1234);
            QCOMPARE(record.value(QStringLiteral("version")).toInt(), transaction.version);
        }
    }
    QVERIFY(found);
}

TestSyncConvergence::Run TestSyncConvergence::cli(const QString &dir, const QUrl &service,
                                                  const QStringList &arguments) const
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("ZIMBREL_TOKEN_STORE"), QStringLiteral("file"));
    for (const char *name :
         {"AUTH_BASE_URL", "ACCOUNT_API_URL", "SYNC_API_URL", "AUTH_REALM_SLUG", "AUTH_CLIENT_ID"})
        environment.remove(QString::fromLatin1(name));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(ZIMBREL_CLI_PATH),
                  QStringList{QStringLiteral("--data-dir"), dir, QStringLiteral("--server"),
                              service.toString(QUrl::StripTrailingSlash)} +
                      arguments);
    process.closeWriteChannel();
    if (!process.waitForFinished(120000))
        return {};
    return {process.exitCode(), QJsonDocument::fromJson(process.readAllStandardOutput()).object(),
            process.readAllStandardError()};
}

bool TestSyncConvergence::signInCli(const QString &dir, const QUrl &service, const QString &email)
{
    const SignInResult session = BrowserSession::signIn(m_fixture.http.get(), email);
    if (session.status != 303)
        return false;
    const CorvantisAccount::CloudConfiguration configuration = CorvantisAccount::resolveCloudConfiguration(
        QProcessEnvironment(), service.toString(QUrl::StripTrailingSlash), QStringLiteral("1.0.0"));
    qputenv("ZIMBREL_TOKEN_STORE", "file");
    const auto store =
        CorvantisAccount::createTokenStore(CorvantisAccount::tokenStoreScope(configuration.client), dir);
    return store->save(CorvantisAccount::TokenStore::accessTokenKey, session.accessToken) &&
           store->save(CorvantisAccount::TokenStore::refreshTokenKey, session.refreshToken);
}

void TestSyncConvergence::cliSyncAndStatus()
{
    const std::unique_ptr<CloudClient> user = m_fixture.newUser(QStringLiteral("cli"));
    QTemporaryDir first;
    QTemporaryDir second;
    const QUrl service = m_fixture.service.baseUrl();

    const Run signedOut = cli(first.path(), service, {QStringLiteral("sync")});
    QCOMPARE(signedOut.exitCode, 1);
    QVERIFY2(signedOut.err.contains("not signed in"), signedOut.err.constData());

    QVERIFY(signInCli(first.path(), service, user->email));
    QVERIFY(signInCli(second.path(), service, user->email));
    const Run added = cli(first.path(), service, {QStringLiteral("account-add"), QStringLiteral("Checking")});
    QVERIFY2(added.exitCode == 0, added.err.constData());
    const Run waiting = cli(first.path(), service, {QStringLiteral("sync-status")});
    QCOMPARE(waiting.exitCode, 0);
    QVERIFY(
        waiting.json.value(QStringLiteral("pending")).toObject().value(QStringLiteral("accounts")).toInt() >=
        1);
    QVERIFY(waiting.json.value(QStringLiteral("last_sync")).isNull());

    const Run synced = cli(first.path(), service, {QStringLiteral("sync")});
    QVERIFY2(synced.exitCode == 0, synced.err.constData());
    QCOMPARE(synced.json.value(QStringLiteral("state")).toString(), QStringLiteral("Synced"));
    QVERIFY(synced.json.value(QStringLiteral("error")).isNull());
    const int pushed = synced.json.value(QStringLiteral("pushed")).toInt();
    QCOMPARE(pushed, waiting.json.value(QStringLiteral("pending_total")).toInt());
    QCOMPARE(synced.json.value(QStringLiteral("rejected")).toInt(), 0);
    const Run after = cli(first.path(), service, {QStringLiteral("sync-status")});
    QCOMPARE(after.json.value(QStringLiteral("pending_total")).toInt(), 0);
    QVERIFY(!after.json.value(QStringLiteral("last_sync")).toString().isEmpty());

    // The second computer's own default categories are refused as older and then pulled.
    const Run arrived = cli(second.path(), service, {QStringLiteral("sync")});
    QVERIFY2(arrived.exitCode == 0, arrived.err.constData());
    QVERIFY(arrived.json.value(QStringLiteral("pulled")).toInt() >= pushed);
    QCOMPARE(cli(second.path(), service, {QStringLiteral("sync-status")})
                 .json.value(QStringLiteral("pending_total"))
                 .toInt(),
             0);
    const Run accounts = cli(second.path(), service, {QStringLiteral("accounts")});
    QVERIFY2(accounts.exitCode == 0, accounts.err.constData());

    CloudService faulty;
    QString error;
    QVERIFY2(faulty.start(m_fixture.service.databaseAddress(),
                          {QStringLiteral("--faults"), QStringLiteral("seed=1,push500=1")}, &error),
             qPrintable(error));
    QVERIFY(signInCli(first.path(), faulty.baseUrl(), user->email));
    QVERIFY(cli(first.path(), faulty.baseUrl(), {QStringLiteral("account-add"), QStringLiteral("Savings")})
                .exitCode == 0);
    const Run failed = cli(first.path(), faulty.baseUrl(), {QStringLiteral("sync")});
    QCOMPARE(failed.exitCode, 1);
    QCOMPARE(failed.json.value(QStringLiteral("state")).toString(), QStringLiteral("Sync error"));
    QCOMPARE(failed.json.value(QStringLiteral("error")).toString(), QStringLiteral("Push failed (HTTP 500)"));
    QCOMPARE(cli(first.path(), service, {QStringLiteral("sync-status")})
                 .json.value(QStringLiteral("pending_total"))
                 .toInt(),
             1);
}

QTEST_GUILESS_MAIN(TestSyncConvergence)
#include "tst_syncconvergence.moc"
