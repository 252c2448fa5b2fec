#include "account/cloudconfiguration.h"
#include "account/filetokenstore.h"
#include "account/tokenmanager.h"
#include "data/database.h"
#include "data/preferencesrepository.h"

#include "browsersession.h"
#include "cloudfixture.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

// zimbrel-cli sign-in, whoami and sign-out against a real zimbrel-cloud; the test plays the
// browser for the address sign-in prints.
class TestCliCloud : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void signInWhoamiSignOut();
    void serverSettingOfTheAppIsUsed();
    void badServerOriginIsAUsageError_data();
    void badServerOriginIsAUsageError();
    void groupInviteJoinAndSharing();
    void groupCommandsCheckTheirArguments_data();
    void groupCommandsCheckTheirArguments();
    void sharedAccountReachesTheMemberThroughSync();

private:
    struct Run
    {
        int exitCode = -1;
        QByteArray out;
        QByteArray err;
    };
    static QProcessEnvironment environment();
    Run run(const QString &dir, const QStringList &arguments, bool withServer = true) const;
    // Runs sign-in, signs a new user up on the page it prints and follows the redirect.
    Run signIn(const QString &dir, const QString &email);
    // Stores the tokens of `user` where the CLI on `dir` looks for them.
    void storeSignIn(const QString &dir, const CloudClient &user) const;

    CloudFixture m_fixture;
};

void TestCliCloud::initTestCase()
{
    QString reason;
    QString error;
    if (!m_fixture.start(&reason, &error)) {
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QSKIP(qPrintable(reason));
    }
}

QProcessEnvironment TestCliCloud::environment()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("ZIMBREL_TOKEN_STORE"), QStringLiteral("file"));
    for (const char *name :
         {"AUTH_BASE_URL", "ACCOUNT_API_URL", "SYNC_API_URL", "AUTH_REALM_SLUG", "AUTH_CLIENT_ID"})
        environment.remove(QString::fromLatin1(name));
    return environment;
}

TestCliCloud::Run TestCliCloud::run(const QString &dir, const QStringList &arguments, bool withServer) const
{
    QStringList all{QStringLiteral("--data-dir"), dir};
    if (withServer)
        all << QStringLiteral("--server") << m_fixture.service.baseUrl().toString(QUrl::StripTrailingSlash);
    QProcess process;
    process.setProcessEnvironment(environment());
    process.start(QStringLiteral(ZIMBREL_CLI_PATH), all + arguments);
    process.closeWriteChannel();
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

TestCliCloud::Run TestCliCloud::signIn(const QString &dir, const QString &email)
{
    QProcess process;
    process.setProcessEnvironment(environment());
    process.start(QStringLiteral(ZIMBREL_CLI_PATH),
                  {QStringLiteral("--data-dir"), dir, QStringLiteral("--server"),
                   m_fixture.service.baseUrl().toString(QUrl::StripTrailingSlash),
                   QStringLiteral("sign-in")});
    process.closeWriteChannel();
    process.setReadChannel(QProcess::StandardError);
    QByteArray err;
    QUrl loginUrl;
    while (loginUrl.isEmpty() && process.state() != QProcess::NotRunning && process.waitForReadyRead(20000)) {
        err += process.readAllStandardError();
        for (const QByteArray &line : err.split('\n')) {
            if (line.startsWith("http"))
                loginUrl = QUrl::fromEncoded(line.trimmed());
        }
    }
    if (loginUrl.isEmpty()) {
        process.kill();
        process.waitForFinished();
        return {-1, {}, err + process.readAllStandardError()};
    }
    BrowserSession browser(m_fixture.http.get());
    browser.openUrl(loginUrl);
    const SignInResult result =
        browser.submit(QStringLiteral("signup"), email, QStringLiteral("correct horse 1"));
    if (result.status == 303) {
        CloudHttp listener(result.redirect.adjusted(QUrl::RemovePath | QUrl::RemoveQuery));
        listener.get(result.redirect.path() + QLatin1Char('?') + result.redirect.query(QUrl::FullyEncoded));
    }
    if (!process.waitForFinished(30000))
        process.kill();
    return {process.exitCode(), process.readAllStandardOutput(), err + process.readAllStandardError()};
}

void TestCliCloud::signInWhoamiSignOut()
{
    QTemporaryDir dir;
    const Run signedIn = signIn(dir.path(), QStringLiteral("cli@example.org"));
    QVERIFY2(signedIn.exitCode == 0, signedIn.err.constData());
    const QJsonObject user = QJsonDocument::fromJson(signedIn.out).object();
    QCOMPARE(user.value(QStringLiteral("email")).toString(), QStringLiteral("cli@example.org"));
    QVERIFY(!user.value(QStringLiteral("id")).toString().isEmpty());

    const Run who = run(dir.path(), {QStringLiteral("whoami")});
    QVERIFY2(who.exitCode == 0, who.err.constData());
    QCOMPARE(QJsonDocument::fromJson(who.out).object().value(QStringLiteral("id")),
             user.value(QStringLiteral("id")));

    struct stat info;
    QCOMPARE(
        ::stat(QFile::encodeName(QDir(dir.path()).filePath(QStringLiteral("cloud-tokens.json"))).constData(),
               &info),
        0);
    QCOMPARE(info.st_mode & 0777, mode_t(0600));

    // The tokens of this service are not offered to another one.
    QTcpServer elsewhere;
    QVERIFY(elsewhere.listen(QHostAddress::LocalHost));
    const Run other =
        run(dir.path(),
            {QStringLiteral("--server"), QStringLiteral("http://127.0.0.1:%1").arg(elsewhere.serverPort()),
             QStringLiteral("whoami")},
            false);
    QCOMPARE(other.exitCode, 1);
    QVERIFY2(other.err.contains("not signed in"), other.err.constData());

    const auto liveSessions = [this, &user] {
        return CloudBackend::execute(
                   m_fixture.service.databaseAddress(),
                   QStringLiteral("SELECT COUNT(*) FROM sessions WHERE user_id = ? AND revoked_at IS NULL"),
                   {user.value(QStringLiteral("id")).toString()})
            .toInt();
    };
    QCOMPARE(liveSessions(), 1);
    const Run out = run(dir.path(), {QStringLiteral("sign-out")});
    QVERIFY2(out.exitCode == 0, out.err.constData());
    QCOMPARE(liveSessions(), 0);
    QCOMPARE(QJsonDocument::fromJson(out.out).object().value(QStringLiteral("signed_in")), QJsonValue(false));
    const Run gone = run(dir.path(), {QStringLiteral("whoami")});
    QCOMPARE(gone.exitCode, 1);
    QVERIFY2(gone.err.contains("not signed in"), gone.err.constData());
    QVERIFY(gone.out.isEmpty());
    // Signing out twice is no failure.
    QCOMPARE(run(dir.path(), {QStringLiteral("sign-out")}).exitCode, 0);
}

void TestCliCloud::serverSettingOfTheAppIsUsed()
{
    QTemporaryDir dir;
    const Run signedIn = signIn(dir.path(), QStringLiteral("setting@example.org"));
    QVERIFY2(signedIn.exitCode == 0, signedIn.err.constData());
    {
        Database database;
        QVERIFY(database.open(QDir(dir.path()).filePath(QStringLiteral("zimbrel.db"))));
        QVERIFY(database.runMigrations());
        PreferencesRepository preferences(&database);
        QVERIFY(preferences.setValue(QString::fromLatin1(CorvantisAccount::serverOriginPreference),
                                     m_fixture.service.baseUrl().toString(QUrl::StripTrailingSlash) +
                                         QLatin1Char('/')));
    }
    const Run who = run(dir.path(), {QStringLiteral("whoami")}, false);
    QVERIFY2(who.exitCode == 0, who.err.constData());
    QCOMPARE(QJsonDocument::fromJson(who.out).object().value(QStringLiteral("email")).toString(),
             QStringLiteral("setting@example.org"));
}

void TestCliCloud::badServerOriginIsAUsageError_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("path") << QStringList{QStringLiteral("--server"), QStringLiteral("https://x.example/api"),
                                         QStringLiteral("whoami")};
    QTest::newRow("scheme") << QStringList{QStringLiteral("--server"), QStringLiteral("ftp://x.example"),
                                           QStringLiteral("whoami")};
    QTest::newRow("missing value") << QStringList{QStringLiteral("--server")};
}

void TestCliCloud::badServerOriginIsAUsageError()
{
    QFETCH(QStringList, arguments);
    QTemporaryDir dir;
    const Run result = run(dir.path(), arguments, false);
    QCOMPARE(result.exitCode, 2);
    QVERIFY(result.err.contains("--server"));
}

void TestCliCloud::storeSignIn(const QString &dir, const CloudClient &user) const
{
    const QString origin = m_fixture.service.baseUrl().toString(QUrl::RemovePath | QUrl::StripTrailingSlash);
    const CorvantisAccount::CloudConfiguration configuration =
        CorvantisAccount::resolveCloudConfiguration(QProcessEnvironment(), origin, QStringLiteral("1.0.5"));
    CorvantisAccount::TokenManager tokens(std::make_unique<CorvantisAccount::FileTokenStore>(
        CorvantisAccount::tokenStoreScope(configuration.client),
        QDir(dir).filePath(QStringLiteral("cloud-tokens.json"))));
    tokens.setTokens(user.accessToken, user.refreshToken);
}

void TestCliCloud::groupInviteJoinAndSharing()
{
    const auto owner = m_fixture.newUser(QStringLiteral("head"));
    const auto member = m_fixture.newUser(QStringLiteral("partner"));
    const auto outsider = m_fixture.newUser(QStringLiteral("neighbour"));
    QTemporaryDir ownerDir;
    QTemporaryDir memberDir;
    QTemporaryDir outsiderDir;
    storeSignIn(ownerDir.path(), *owner);
    storeSignIn(memberDir.path(), *member);
    storeSignIn(outsiderDir.path(), *outsider);

    const Run alone = run(ownerDir.path(), {QStringLiteral("group")});
    QVERIFY2(alone.exitCode == 0, alone.err.constData());
    QCOMPARE(QJsonDocument::fromJson(alone.out).object().value(QStringLiteral("id")).toString(), QString());

    const Run invited = run(ownerDir.path(), {QStringLiteral("invite")});
    QVERIFY2(invited.exitCode == 0, invited.err.constData());
    const QString code =
        QJsonDocument::fromJson(invited.out).object().value(QStringLiteral("invite_code")).toString();
    QVERIFY(!code.isEmpty());

    const Run wrong = run(outsiderDir.path(), {QStringLiteral("join"), QStringLiteral("NOPE1234")});
    QCOMPARE(wrong.exitCode, 1);
    QVERIFY2(wrong.err.contains("invalid or expired invite code"), wrong.err.constData());
    const Run joined = run(memberDir.path(), {QStringLiteral("join"), code});
    QVERIFY2(joined.exitCode == 0, joined.err.constData());
    const QJsonObject group = QJsonDocument::fromJson(joined.out).object();
    QCOMPARE(group.value(QStringLiteral("members")).toArray().size(), 2);

    const QString accountId = QStringLiteral("7e1f2c3d-4b5a-4c6d-8e9f-0a1b2c3d4e5f");
    QCOMPARE(
        owner->push(QJsonArray{CloudClient::newAccountChange(accountId, QStringLiteral("Joint"))}).status,
        200);

    const auto userIds = [](const Run &result) {
        QStringList ids;
        for (const QJsonValue &value : QJsonDocument::fromJson(result.out).array())
            ids.append(value.toObject().value(QStringLiteral("user_id")).toString());
        ids.sort();
        return ids;
    };
    const Run shared = run(ownerDir.path(), {QStringLiteral("share"), accountId, member->email});
    QVERIFY2(shared.exitCode == 0, shared.err.constData());
    QStringList both{owner->userId, member->userId};
    both.sort();
    QCOMPARE(userIds(shared), both);

    // Nobody outside the group, and nobody but the owner, can grant access.
    const Run outside = run(ownerDir.path(), {QStringLiteral("share"), accountId, outsider->userId});
    QCOMPARE(outside.exitCode, 1);
    QVERIFY2(outside.err.contains("only with members of your group"), outside.err.constData());
    QCOMPARE(run(memberDir.path(), {QStringLiteral("share"), accountId, outsider->userId}).exitCode, 1);
    QCOMPARE(run(memberDir.path(), {QStringLiteral("unshare"), accountId, member->userId}).exitCode, 1);

    const Run listed = run(memberDir.path(), {QStringLiteral("shares"), accountId});
    QVERIFY2(listed.exitCode == 0, listed.err.constData());
    QCOMPARE(userIds(listed), both);

    const Run unshared = run(ownerDir.path(), {QStringLiteral("unshare"), accountId, member->email});
    QVERIFY2(unshared.exitCode == 0, unshared.err.constData());
    QCOMPARE(userIds(unshared), QStringList{owner->userId});
    // The member no longer sees the account at all.
    QCOMPARE(run(memberDir.path(), {QStringLiteral("shares"), accountId}).exitCode, 1);
}

void TestCliCloud::groupCommandsCheckTheirArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("join without a code") << QStringList{QStringLiteral("join")};
    QTest::newRow("code climbing the path")
        << QStringList{QStringLiteral("join"), QStringLiteral("../profile")};
    QTest::newRow("share without a user") << QStringList{QStringLiteral("share"), QStringLiteral("a1")};
    QTest::newRow("account id with a slash")
        << QStringList{QStringLiteral("shares"), QStringLiteral("a1/share/x")};
    QTest::newRow("invite to no address")
        << QStringList{QStringLiteral("invite"), QStringLiteral("--email"), QStringLiteral("nobody")};
    QTest::newRow("group with an argument") << QStringList{QStringLiteral("group"), QStringLiteral("extra")};
}

void TestCliCloud::groupCommandsCheckTheirArguments()
{
    QFETCH(QStringList, arguments);
    QTemporaryDir dir;
    const Run result = run(dir.path(), arguments);
    QCOMPARE(result.exitCode, 2);
    QVERIFY(result.out.isEmpty());
}

// A household shares its checking account: the partner's computer receives the register, both
// keep entering into it, and the flow stops when the share ends.
void TestCliCloud::sharedAccountReachesTheMemberThroughSync()
{
    const auto owner = m_fixture.newUser(QStringLiteral("sam"));
    const auto member = m_fixture.newUser(QStringLiteral("alex"));
    const auto outsider = m_fixture.newUser(QStringLiteral("lodger"));
    QTemporaryDir ownerDir;
    QTemporaryDir memberDir;
    storeSignIn(ownerDir.path(), *owner);
    storeSignIn(memberDir.path(), *member);
    const auto ok = [](const Run &result) {
        if (result.exitCode != 0)
            qWarning("%s", result.err.constData());
        return result.exitCode == 0;
    };
    const auto json = [](const Run &result) {
        return QJsonDocument::fromJson(result.out);
    };

    const Run added = run(ownerDir.path(), {QStringLiteral("account-add"), QStringLiteral("Joint Checking"),
                                            QStringLiteral("--starting-balance"), QStringLiteral("1000"),
                                            QStringLiteral("--as-of"), QStringLiteral("2026-11-01")});
    QVERIFY(ok(added));
    const QString accountId = json(added).object().value(QStringLiteral("id")).toString();
    QVERIFY(!accountId.isEmpty());
    QVERIFY(ok(run(ownerDir.path(),
                   {QStringLiteral("tx-add"), accountId, QStringLiteral("--date"),
                    QStringLiteral("2026-11-03"), QStringLiteral("--payee"), QStringLiteral("Grocer"),
                    QStringLiteral("--amount"), QStringLiteral("-54.20")})));
    QVERIFY(ok(run(ownerDir.path(), {QStringLiteral("sync")})));

    const Run invited = run(ownerDir.path(), {QStringLiteral("invite")});
    QVERIFY(ok(invited));
    QVERIFY(
        ok(run(memberDir.path(), {QStringLiteral("join"),
                                  json(invited).object().value(QStringLiteral("invite_code")).toString()})));
    QVERIFY(ok(run(ownerDir.path(), {QStringLiteral("share"), accountId, member->email})));

    // The partner's computer receives the register with the same running balances.
    QVERIFY(ok(run(memberDir.path(), {QStringLiteral("sync")})));
    const Run ownerRegister = run(ownerDir.path(), {QStringLiteral("register"), accountId});
    const Run memberRegister = run(memberDir.path(), {QStringLiteral("register"), accountId});
    QVERIFY(ok(ownerRegister) && ok(memberRegister));
    QCOMPARE(json(memberRegister).array().size(), 2);
    QCOMPARE(json(memberRegister), json(ownerRegister));

    // What the partner enters reaches the owner.
    QVERIFY(ok(run(memberDir.path(),
                   {QStringLiteral("tx-add"), accountId, QStringLiteral("--date"),
                    QStringLiteral("2026-11-05"), QStringLiteral("--payee"), QStringLiteral("Pharmacy"),
                    QStringLiteral("--amount"), QStringLiteral("-12.00")})));
    QVERIFY(ok(run(memberDir.path(), {QStringLiteral("sync")})));
    QVERIFY(ok(run(ownerDir.path(), {QStringLiteral("sync")})));
    const Run both = run(ownerDir.path(), {QStringLiteral("register"), accountId});
    QCOMPARE(json(both).array().size(), 3);
    QCOMPARE(json(both), json(run(memberDir.path(), {QStringLiteral("register"), accountId})));

    // Someone outside the group gets nothing of it, whatever they send.
    QVERIFY(outsider->pull().json.value(QStringLiteral("accounts")).toArray().isEmpty());
    QVERIFY(outsider->pull().json.value(QStringLiteral("transactions")).toArray().isEmpty());

    // Once the share ends, the owner's further entries stay with the owner.
    QVERIFY(ok(run(ownerDir.path(), {QStringLiteral("unshare"), accountId, member->email})));
    QVERIFY(ok(
        run(ownerDir.path(), {QStringLiteral("tx-add"), accountId, QStringLiteral("--date"),
                              QStringLiteral("2026-11-07"), QStringLiteral("--payee"), QStringLiteral("Rent"),
                              QStringLiteral("--amount"), QStringLiteral("-800")})));
    QVERIFY(ok(run(ownerDir.path(), {QStringLiteral("sync")})));
    QVERIFY(ok(run(memberDir.path(), {QStringLiteral("sync")})));
    QCOMPARE(json(run(ownerDir.path(), {QStringLiteral("register"), accountId})).array().size(), 4);
    QCOMPARE(json(run(memberDir.path(), {QStringLiteral("register"), accountId})).array().size(), 3);
}

QTEST_GUILESS_MAIN(TestCliCloud)
#include "tst_clicloud.moc"
