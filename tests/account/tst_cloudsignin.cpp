#include "account/apiclient.h"
#include "account/authclient.h"
#include "account/client.h"
#include "account/cloudconfiguration.h"
#include "account/filetokenstore.h"
#include "account/tokenfunctions.h"
#include "account/tokenmanager.h"

#include "responserecorder.h"

#include "browsersession.h"
#include "cloudfixture.h"

#include <QProcessEnvironment>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUrlQuery>

#include <sys/stat.h>

using namespace CorvantisAccount;

// The client library against a real zimbrel-cloud on a free port: the test plays the browser on
// the service's login page and follows its redirect to the client's loopback listener.
class TestCloudSignIn : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void signInThroughTheLoginPage();
    void listenerRefusesRequestsWithoutItsState();
    void tokenIsRefreshedBeforeItExpires();
    void unauthorizedIsRefreshedAndRetriedOnce();
    void unauthorizedAgainAfterRefreshIsNotRetried();
    void requestsNeedingRefreshShareOneRefresh();
    void reusedRefreshTokenRevokesTheSession();
    void logoutEndsTheSessionOnTheService();
    void logoutDuringARefreshStaysSignedOut();
    void tokensSurviveARestart();
    void stalledServiceTimesOut();

private:
    std::unique_ptr<Client> newClient(const QUrl &service);
    // Signs a new user up through the login page the client opens; the user's id, empty on failure.
    QString signUp(Client *client, CloudHttp *http);
    // The login URL the client asked the browser to open.
    QUrl startLogin(Client *client);
    static HttpResult followRedirect(const QUrl &redirect);
    // On the test's service, or the one at `databaseAddress`.
    int refreshTokensIssued(const QString &userId, const QString &databaseAddress = {}) const;
    static QString withBrokenSignature(const QString &token);
    // Makes the client's clock run `seconds` ahead until its next refresh: time has passed for the
    // tokens it holds, and the service (on the real clock) issues the next pair.
    static void ageTokens(Client *client, qint64 seconds);

    CloudFixture m_fixture;
    std::unique_ptr<QTemporaryDir> m_dataDir;
    QList<QUrl> m_opened;
    int m_users = 0;
};

void TestCloudSignIn::initTestCase()
{
    QString reason;
    QString error;
    if (!m_fixture.start(&reason, &error)) {
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QSKIP(qPrintable(reason));
    }
}

void TestCloudSignIn::init()
{
    m_dataDir = std::make_unique<QTemporaryDir>();
    m_opened.clear();
}

std::unique_ptr<Client> TestCloudSignIn::newClient(const QUrl &service)
{
    const QString origin = service.toString(QUrl::RemovePath | QUrl::StripTrailingSlash);
    const CloudConfiguration configuration =
        resolveCloudConfiguration(QProcessEnvironment(), origin, QStringLiteral("1.0.5"));
    auto store = std::make_unique<FileTokenStore>(tokenStoreScope(configuration.client),
                                                  m_dataDir->filePath(QStringLiteral("cloud-tokens.json")));
    auto client = std::make_unique<Client>(configuration.client, std::move(store));
    client->syncApi()->setBaseUrl(QUrl(configuration.syncApiUrl));
    client->authClient()->setUrlOpener([this](const QUrl &url) {
        m_opened.append(url);
        return true;
    });
    return client;
}

QUrl TestCloudSignIn::startLogin(Client *client)
{
    const qsizetype before = m_opened.size();
    client->authClient()->login();
    return m_opened.size() == before + 1 ? m_opened.last() : QUrl();
}

HttpResult TestCloudSignIn::followRedirect(const QUrl &redirect)
{
    CloudHttp browser(redirect.adjusted(QUrl::RemovePath | QUrl::RemoveQuery));
    return browser.get(redirect.path() + QLatin1Char('?') + redirect.query(QUrl::FullyEncoded));
}

QString TestCloudSignIn::signUp(Client *client, CloudHttp *http)
{
    const QUrl loginUrl = startLogin(client);
    BrowserSession browser(http);
    if (browser.openUrl(loginUrl).status != 200)
        return {};
    const SignInResult result =
        browser.submit(QStringLiteral("signup"), QStringLiteral("user%1@example.org").arg(++m_users),
                       QStringLiteral("correct horse 1"));
    if (result.status != 303 || followRedirect(result.redirect).status != 200)
        return {};
    return client->authClient()->currentUserId();
}

int TestCloudSignIn::refreshTokensIssued(const QString &userId, const QString &databaseAddress) const
{
    return CloudBackend::execute(
               databaseAddress.isEmpty() ? m_fixture.service.databaseAddress() : databaseAddress,
               QStringLiteral("SELECT COUNT(*) FROM refresh_tokens t JOIN sessions s ON s.id = t.session_id "
                              "WHERE s.user_id = ?"),
               {userId})
        .toInt();
}

QString TestCloudSignIn::withBrokenSignature(const QString &token)
{
    QStringList parts = token.split(QLatin1Char('.'));
    parts[2][0] = parts[2][0] == QLatin1Char('A') ? QLatin1Char('B') : QLatin1Char('A');
    return parts.join(QLatin1Char('.'));
}

void TestCloudSignIn::ageTokens(Client *client, qint64 seconds)
{
    TokenManager *tokens = client->tokenManager();
    tokens->setClock([tokens, seconds, held = tokens->refreshToken()] {
        return QDateTime::currentSecsSinceEpoch() + (tokens->refreshToken() == held ? seconds : 0);
    });
}

void TestCloudSignIn::signInThroughTheLoginPage()
{
    const auto client = newClient(m_fixture.service.baseUrl());
    client->initialize();
    QCOMPARE(client->authClient()->state(), AuthState::Unauthenticated);
    QSignalSpy succeeded(client->authClient(), &AuthClient::loginSucceeded);
    QSignalSpy states(client.get(), &Client::authStateChanged);

    const QUrl loginUrl = startLogin(client.get());
    QCOMPARE(loginUrl.path(), QStringLiteral("/corvantis/account/login"));
    const QUrlQuery query(loginUrl);
    const QString state = query.queryItemValue(QStringLiteral("state"), QUrl::FullyDecoded);
    QVERIFY(!state.isEmpty());
    QCOMPARE(query.queryItemValue(QStringLiteral("client_id")), client->config().clientId);
    const QUrl redirectUri(query.queryItemValue(QStringLiteral("redirect_uri"), QUrl::FullyDecoded));
    QCOMPARE(redirectUri.path(), QStringLiteral("/callback"));

    BrowserSession browser(m_fixture.http.get());
    QCOMPARE(browser.openUrl(loginUrl).status, 200);
    const SignInResult result =
        browser.submit(QStringLiteral("signup"), QStringLiteral("page@example.org"),
                       QStringLiteral("correct horse 1"), QStringLiteral("Page User"));
    QCOMPARE(result.status, 303);
    QCOMPARE(result.state, state);
    QCOMPARE(result.redirect.port(), redirectUri.port());
    const HttpResult landing = followRedirect(result.redirect);
    QCOMPARE(landing.status, 200);
    QVERIFY(landing.body.contains("Authentication complete!"));

    QCOMPARE(succeeded.size(), 1);
    QVERIFY(client->isAuthenticated());
    QCOMPARE(states.size(), 1);
    QCOMPARE(states.first().first().value<AuthState>(), AuthState::Authenticated);
    QCOMPARE(client->tokenManager()->refreshToken(), result.refreshToken);

    User user;
    client->authClient()->fetchCurrentUser([&user](const User &fetched) { user = fetched; });
    QTRY_VERIFY(!user.id.isEmpty());
    QCOMPARE(user.email, QStringLiteral("page@example.org"));
    QCOMPARE(user.displayName, QStringLiteral("Page User"));
    QVERIFY(user.createdAt.isValid());
    QCOMPARE(client->authClient()->currentUserId(), user.id);
}

void TestCloudSignIn::listenerRefusesRequestsWithoutItsState()
{
    // A page the user visits could send the listener tokens of an account of its own choosing.
    const auto client = newClient(m_fixture.service.baseUrl());
    client->initialize();
    QSignalSpy succeeded(client->authClient(), &AuthClient::loginSucceeded);
    QSignalSpy failed(client->authClient(), &AuthClient::loginFailed);
    const QUrl loginUrl = startLogin(client.get());
    const QUrl redirectUri(
        QUrlQuery(loginUrl).queryItemValue(QStringLiteral("redirect_uri"), QUrl::FullyDecoded));

    // The attacker signs up through the real page, but without the client's state.
    BrowserSession attacker(m_fixture.http.get());
    QCOMPARE(attacker.open(redirectUri.toString(), QStringLiteral("guessed")).status, 200);
    const SignInResult planted = attacker.submit(
        QStringLiteral("signup"), QStringLiteral("attacker@example.org"), QStringLiteral("correct horse 1"));
    QCOMPARE(planted.status, 303);
    QCOMPARE(followRedirect(planted.redirect).status, 400);
    QUrl stateless = planted.redirect;
    QUrlQuery withoutState(stateless);
    withoutState.removeAllQueryItems(QStringLiteral("state"));
    stateless.setQuery(withoutState);
    QCOMPARE(followRedirect(stateless).status, 400);
    QCOMPARE(succeeded.size(), 0);
    QCOMPARE(failed.size(), 0);
    QVERIFY(!client->isAuthenticated());

    // The user's own sign-in still completes on the same listener.
    BrowserSession browser(m_fixture.http.get());
    QCOMPARE(browser.openUrl(loginUrl).status, 200);
    const SignInResult own = browser.submit(QStringLiteral("signup"), QStringLiteral("victim@example.org"),
                                            QStringLiteral("correct horse 1"));
    QCOMPARE(followRedirect(own.redirect).status, 200);
    QCOMPARE(succeeded.size(), 1);
    QCOMPARE(client->tokenManager()->refreshToken(), own.refreshToken);
}

void TestCloudSignIn::tokenIsRefreshedBeforeItExpires()
{
    const auto client = newClient(m_fixture.service.baseUrl());
    client->initialize();
    const QString userId = signUp(client.get(), m_fixture.http.get());
    QVERIFY(!userId.isEmpty());
    const QString firstRefresh = client->tokenManager()->refreshToken();
    // 14 minutes 45 seconds later the 15-minute token has less than 30 seconds left; the service
    // would still take it, so only a refresh before sending issues a second refresh token.
    ageTokens(client.get(), 14 * 60 + 45);
    QVERIFY(client->tokenManager()->needsRefresh());

    RecordedResponse answer;
    client->accountApi()->get(QStringLiteral("/profile"), recordInto(&answer));
    QTRY_COMPARE(answer.calls, 1);
    QVERIFY2(answer.ok, qPrintable(QString::number(answer.status)));
    QCOMPARE(answer.body.value(QStringLiteral("id")).toString(), userId);
    QCOMPARE(refreshTokensIssued(userId), 2);
    QVERIFY(client->tokenManager()->refreshToken() != firstRefresh);
    QVERIFY(!client->tokenManager()->accessToken().isEmpty());
}

void TestCloudSignIn::unauthorizedIsRefreshedAndRetriedOnce()
{
    const auto client = newClient(m_fixture.service.baseUrl());
    client->initialize();
    const QString userId = signUp(client.get(), m_fixture.http.get());
    QVERIFY(!userId.isEmpty());
    // A token the client believes (valid payload) and the service refuses (bad signature).
    client->tokenManager()->setTokens(withBrokenSignature(client->tokenManager()->accessToken()),
                                      client->tokenManager()->refreshToken());
    RecordedResponse answer;
    client->authApi()->get(QStringLiteral("/users/me"), recordInto(&answer));
    QTRY_COMPARE(answer.calls, 1);
    QVERIFY(answer.ok);
    QCOMPARE(answer.body.value(QStringLiteral("id")).toString(), userId);
    QCOMPARE(refreshTokensIssued(userId), 2);
}

void TestCloudSignIn::unauthorizedAgainAfterRefreshIsNotRetried()
{
    CloudService refusing;
    QString error;
    QVERIFY2(refusing.start(m_fixture.backend.freshDatabase(),
                            {QStringLiteral("--faults"), QStringLiteral("auth401=1")}, &error),
             qPrintable(error));
    CloudHttp http(refusing.baseUrl());
    const auto client = newClient(refusing.baseUrl());
    client->initialize();
    const QUrl loginUrl = startLogin(client.get());
    BrowserSession browser(&http);
    QCOMPARE(browser.openUrl(loginUrl).status, 200);
    QCOMPARE(followRedirect(browser
                                .submit(QStringLiteral("signup"), QStringLiteral("refused@example.org"),
                                        QStringLiteral("correct horse 1"))
                                .redirect)
                 .status,
             200);
    const QString userId = client->authClient()->currentUserId();
    QSignalSpy required(client->authApi(), &ApiClient::authenticationRequired);

    RecordedResponse answer;
    client->authApi()->get(QStringLiteral("/users/me"), recordInto(&answer));
    QTRY_COMPARE(answer.calls, 1);
    QCOMPARE(answer.status, 401);
    QCOMPARE(required.size(), 0); // the refresh worked; the service refused the retry
    QCOMPARE(refreshTokensIssued(userId, refusing.databaseAddress()), 2);
}

void TestCloudSignIn::requestsNeedingRefreshShareOneRefresh()
{
    const auto client = newClient(m_fixture.service.baseUrl());
    client->initialize();
    const QString userId = signUp(client.get(), m_fixture.http.get());
    QVERIFY(!userId.isEmpty());
    ageTokens(client.get(), 20 * 60);
    RecordedResponse profile;
    RecordedResponse me;
    client->accountApi()->get(QStringLiteral("/profile"), recordInto(&profile));
    client->authApi()->get(QStringLiteral("/users/me"), recordInto(&me));
    QTRY_COMPARE(profile.calls + me.calls, 2);
    // Two refreshes would have presented one refresh token twice, which revokes the session.
    QVERIFY(profile.ok);
    QVERIFY(me.ok);
    QCOMPARE(refreshTokensIssued(userId), 2);
}

void TestCloudSignIn::reusedRefreshTokenRevokesTheSession()
{
    const auto client = newClient(m_fixture.service.baseUrl());
    client->initialize();
    QVERIFY(!signUp(client.get(), m_fixture.http.get()).isEmpty());
    // Someone who copied the refresh token uses it first.
    const QString stolen = client->tokenManager()->refreshToken();
    const HttpResult thief =
        m_fixture.http->post(QStringLiteral("/api/v1/realms/corvantis/auth/token/refresh"),
                             {{QStringLiteral("refresh_token"), stolen}});
    QCOMPARE(thief.status, 200);

    QSignalSpy states(client.get(), &Client::authStateChanged);
    int result = -1;
    client->authClient()->refreshToken([&result](bool ok) { result = ok; });
    QTRY_COMPARE(result, 0);
    QVERIFY(!client->isAuthenticated());
    QCOMPARE(states.size(), 1);
    QVERIFY(client->tokenManager()->refreshToken().isEmpty());
    QCOMPARE(client->tokenManager()->store()->load(TokenStore::refreshTokenKey), std::nullopt);
    // The thief's fresh pair died with the session.
    const HttpResult thiefAgain = m_fixture.http->post(
        QStringLiteral("/api/v1/realms/corvantis/auth/token/refresh"),
        {{QStringLiteral("refresh_token"), thief.json.value(QStringLiteral("refresh_token"))}});
    QCOMPARE(thiefAgain.status, 401);
}

void TestCloudSignIn::logoutEndsTheSessionOnTheService()
{
    const auto client = newClient(m_fixture.service.baseUrl());
    client->initialize();
    QVERIFY(!signUp(client.get(), m_fixture.http.get()).isEmpty());
    const QString refreshToken = client->tokenManager()->refreshToken();
    QSignalSpy completed(client->authClient(), &AuthClient::logoutCompleted);
    bool answered = false;
    client->authClient()->logout([&answered] { answered = true; });
    // Signed out locally at once, before the service answered.
    QCOMPARE(completed.size(), 1);
    QVERIFY(!client->isAuthenticated());
    QCOMPARE(client->tokenManager()->store()->load(TokenStore::accessTokenKey), std::nullopt);
    QTRY_VERIFY(answered);
    const HttpResult reuse =
        m_fixture.http->post(QStringLiteral("/api/v1/realms/corvantis/auth/token/refresh"),
                             {{QStringLiteral("refresh_token"), refreshToken}});
    QCOMPARE(reuse.status, 401);
}

void TestCloudSignIn::logoutDuringARefreshStaysSignedOut()
{
    const auto client = newClient(m_fixture.service.baseUrl());
    client->initialize();
    QVERIFY(!signUp(client.get(), m_fixture.http.get()).isEmpty());
    ageTokens(client.get(), 20 * 60);
    RecordedResponse answer;
    client->accountApi()->get(QStringLiteral("/profile"), recordInto(&answer)); // starts a refresh
    bool answered = false;
    client->authClient()->logout([&answered] { answered = true; });
    QTRY_VERIFY(answered && answer.calls == 1);
    QCOMPARE(answer.status, 401);
    QVERIFY(client->tokenManager()->refreshToken().isEmpty());
    QCOMPARE(client->tokenManager()->store()->load(TokenStore::refreshTokenKey), std::nullopt);
    const auto restarted = newClient(m_fixture.service.baseUrl());
    restarted->initialize();
    QCOMPARE(restarted->authClient()->state(), AuthState::Unauthenticated);
}

void TestCloudSignIn::tokensSurviveARestart()
{
    CloudService service;
    QString error;
    QVERIFY2(service.start(m_fixture.backend.freshDatabase(), {}, &error), qPrintable(error));
    CloudHttp http(service.baseUrl());
    QString userId;
    {
        const auto client = newClient(service.baseUrl());
        client->initialize();
        userId = signUp(client.get(), &http);
        QVERIFY(!userId.isEmpty());
    }
    // The restarted client is signed in from the store alone: the service is not even running.
    service.stop();
    const auto restarted = newClient(service.baseUrl());
    QSignalSpy states(restarted.get(), &Client::authStateChanged);
    restarted->initialize();
    QCOMPARE(restarted->authClient()->state(), AuthState::Authenticated);
    QCOMPARE(states.size(), 1);
    QCOMPARE(restarted->authClient()->currentUserId(), userId);

    struct stat info;
    QCOMPARE(::stat(QFile::encodeName(m_dataDir->filePath(QStringLiteral("cloud-tokens.json"))).constData(),
                    &info),
             0);
    QCOMPARE(info.st_mode & 0777, mode_t(0600));

    // Another server never sees these tokens.
    const auto elsewhere = newClient(QUrl(QStringLiteral("http://127.0.0.1:9")));
    elsewhere->initialize();
    QCOMPARE(elsewhere->authClient()->state(), AuthState::Unauthenticated);
}

void TestCloudSignIn::stalledServiceTimesOut()
{
    CloudService slow;
    QString error;
    QVERIFY2(slow.start(m_fixture.backend.freshDatabase(),
                        {QStringLiteral("--faults"), QStringLiteral("delay=1:5000")}, &error),
             qPrintable(error));
    const auto client = newClient(slow.baseUrl());
    client->setTransferTimeout(300);
    QSignalSpy networkErrors(client->authApi(), &ApiClient::networkError);
    RecordedResponse answer;
    client->authApi()->postPublic(QStringLiteral("/auth/token/refresh"),
                                  {{QStringLiteral("refresh_token"), QStringLiteral("x")}},
                                  recordInto(&answer));
    QTRY_COMPARE_WITH_TIMEOUT(answer.calls, 1, 4000);
    QCOMPARE(answer.status, 0);
    QVERIFY(!answer.ok);
    QCOMPARE(networkErrors.size(), 1);
}

QTEST_GUILESS_MAIN(TestCloudSignIn)
#include "tst_cloudsignin.moc"
