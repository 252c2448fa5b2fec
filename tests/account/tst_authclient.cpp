#include "account/apiclient.h"
#include "account/authclient.h"
#include "account/tokenmanager.h"
#include "account/tokenstore.h"

#include "fakehttpserver.h"
#include "loopbackexchange.h"
#include "memorytokenstore.h"
#include "testtokens.h"

#include <QSignalSpy>
#include <QTest>
#include <QUrlQuery>

using namespace CorvantisAccount;

// AuthClient against a loopback server standing in for the auth API: what the redirect must carry,
// restoring the sign-in at start-up, signing out offline, and what failed user calls hand back.
class TestAuthClient : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void redirect_data();
    void redirect();
    void browserThatCannotOpenFailsTheSignIn();
    void newSignInAbandonsTheWaitingOne();
    void startUp_data();
    void startUp();
    void logoutWhileOfflineSignsOutLocally();
    void failedUserCallsHandBackTheirFallback();

private:
    // Starts a sign-in and returns the listener's port and state from the login URL.
    QPair<quint16, QString> startLogin();

    QHash<QString, QString> m_stored;
    std::unique_ptr<FakeHttpServer> m_server;
    std::unique_ptr<TokenManager> m_tokens;
    std::unique_ptr<ApiClient> m_api;
    std::unique_ptr<AuthClient> m_auth;
    QList<QUrl> m_opened;
};

void TestAuthClient::init()
{
    m_stored.clear();
    m_opened.clear();
    m_auth.reset();
    m_server = std::make_unique<FakeHttpServer>();
    m_tokens = std::make_unique<TokenManager>(std::make_unique<MemoryTokenStore>(&m_stored));
    m_api = std::make_unique<ApiClient>(m_tokens.get());
    m_api->setBaseUrl(m_server->url(QStringLiteral("/api/v1/realms/corvantis")));
    m_auth = std::make_unique<AuthClient>(QStringLiteral("https://auth.test"), QStringLiteral("corvantis"),
                                          QStringLiteral("client&1"), m_api.get(), m_tokens.get());
    m_auth->setUrlOpener([this](const QUrl &url) {
        m_opened.append(url);
        return true;
    });
}

QPair<quint16, QString> TestAuthClient::startLogin()
{
    m_auth->login();
    if (m_opened.isEmpty())
        return {};
    const QUrlQuery query(m_opened.last());
    const QUrl redirect(query.queryItemValue(QStringLiteral("redirect_uri"), QUrl::FullyDecoded));
    return {quint16(redirect.port()), query.queryItemValue(QStringLiteral("state"), QUrl::FullyDecoded)};
}

void TestAuthClient::redirect_data()
{
    QTest::addColumn<QString>("target");  // STATE and ACCESS stand for the listener's state and a token
    QTest::addColumn<QString>("failure"); // empty: signed in

    QTest::newRow("tokens in the query")
        << "/callback?state=STATE&access_token=ACCESS&refresh_token=R" << QString();
    QTest::newRow("tokens in the fragment")
        << "/callback?state=STATE#access_token=ACCESS&refresh_token=R" << QString();
    QTest::newRow("only an access token") << "/callback?state=STATE&access_token=ACCESS"
                                          << "No tokens received";
    QTest::newRow("no tokens") << "/callback?state=STATE&error=denied"
                               << "No tokens received";
}

void TestAuthClient::redirect()
{
    QFETCH(QString, target);
    QFETCH(QString, failure);
    m_stored.insert(TokenStore::refreshTokenKey, QStringLiteral("kept"));
    const auto [port, state] = startLogin();
    QCOMPARE(m_opened.size(), 1);
    const QUrl loginUrl = m_opened.first();
    QCOMPARE(loginUrl.toString(QUrl::RemoveQuery),
             QStringLiteral("https://auth.test/corvantis/account/login"));
    QCOMPARE(QUrlQuery(loginUrl).queryItemValue(QStringLiteral("client_id"), QUrl::FullyDecoded),
             QStringLiteral("client&1"));
    QSignalSpy succeeded(m_auth.get(), &AuthClient::loginSucceeded);
    QSignalSpy failed(m_auth.get(), &AuthClient::loginFailed);

    const QString access = tokenExpiringIn(600);
    target.replace(QLatin1String("STATE"), state).replace(QLatin1String("ACCESS"), access);
    loopbackExchange(port, "GET " + target.toUtf8() + " HTTP/1.1\r\nHost: localhost\r\n\r\n");
    if (failure.isEmpty()) {
        QCOMPARE(succeeded.size(), 1);
        QCOMPARE(m_auth->state(), AuthState::Authenticated);
        QCOMPARE(m_tokens->accessToken(), access);
        QCOMPARE(m_stored.value(TokenStore::refreshTokenKey), QStringLiteral("R"));
    } else {
        QCOMPARE(failed.size(), 1);
        QCOMPARE(failed.first().first().toString(), failure);
        QCOMPARE(m_auth->state(), AuthState::Unknown);
        QCOMPARE(m_stored.value(TokenStore::refreshTokenKey), QStringLiteral("kept"));
    }
}

void TestAuthClient::browserThatCannotOpenFailsTheSignIn()
{
    m_auth->setUrlOpener([](const QUrl &) { return false; });
    QSignalSpy failed(m_auth.get(), &AuthClient::loginFailed);
    m_auth->login();
    QCOMPARE(failed.size(), 1);
    QCOMPARE(failed.first().first().toString(), QStringLiteral("Failed to open the web browser"));
}

void TestAuthClient::newSignInAbandonsTheWaitingOne()
{
    const auto [firstPort, firstState] = startLogin();
    const auto [secondPort, secondState] = startLogin();
    QVERIFY(firstState != secondState);
    QSignalSpy succeeded(m_auth.get(), &AuthClient::loginSucceeded);
    const QByteArray first =
        loopbackExchange(firstPort, "GET /callback?state=" + firstState.toLatin1() +
                                        "&access_token=a&refresh_token=r HTTP/1.1\r\n\r\n");
    QCOMPARE(succeeded.size(), 0);
    // When both listeners share a port the second one answers, and refuses the old state.
    if (firstPort == secondPort)
        QVERIFY(first.startsWith("HTTP/1.1 400"));
    loopbackExchange(secondPort, "GET /callback?state=" + secondState.toLatin1() +
                                     "&access_token=a&refresh_token=r HTTP/1.1\r\n\r\n");
    QCOMPARE(succeeded.size(), 1);
}

void TestAuthClient::startUp_data()
{
    QTest::addColumn<QString>("access");
    QTest::addColumn<QString>("refresh");
    QTest::addColumn<QByteArray>("refreshAnswer"); // empty: no request expected
    QTest::addColumn<AuthState>("state");
    QTest::addColumn<bool>("tokensKept");

    QTest::newRow("valid access token: signed in without network")
        << tokenExpiringIn(600) << "r" << QByteArray() << AuthState::Authenticated << true;
    QTest::newRow("expired token refreshed")
        << tokenExpiringIn(-60) << "r"
        << FakeHttpServer::json(200, QStringLiteral(R"({"access_token":"%1","refresh_token":"r2"})")
                                         .arg(tokenExpiringIn(900))
                                         .toUtf8())
        << AuthState::Authenticated << true;
    QTest::newRow("refresh refused keeps the tokens stored")
        << tokenExpiringIn(-60) << "r" << FakeHttpServer::json(401, R"({"error":"invalid refresh token"})")
        << AuthState::Unauthenticated << true;
    QTest::newRow("nothing stored") << QString() << QString() << QByteArray() << AuthState::Unauthenticated
                                    << false;
}

void TestAuthClient::startUp()
{
    QFETCH(QString, access);
    QFETCH(QString, refresh);
    QFETCH(QByteArray, refreshAnswer);
    QFETCH(AuthState, state);
    if (!access.isEmpty())
        m_stored.insert(TokenStore::accessTokenKey, access);
    if (!refresh.isEmpty())
        m_stored.insert(TokenStore::refreshTokenKey, refresh);
    if (!refreshAnswer.isEmpty())
        m_server->answer(refreshAnswer);
    QSignalSpy changes(m_auth.get(), &AuthClient::stateChanged);
    m_auth->initialize();
    QTRY_COMPARE(m_auth->state(), state);
    QCOMPARE(changes.size(), 1);
    QCOMPARE(m_server->requests.size(), refreshAnswer.isEmpty() ? 0 : 1);
    if (!refreshAnswer.isEmpty())
        QCOMPARE(m_server->requests.first().target,
                 QByteArray("/api/v1/realms/corvantis/auth/token/refresh"));
    QTEST(m_stored.contains(TokenStore::refreshTokenKey), "tokensKept");
}

void TestAuthClient::logoutWhileOfflineSignsOutLocally()
{
    m_tokens->setTokens(tokenExpiringIn(600), QStringLiteral("r"));
    m_auth->initialize();
    m_api->setBaseUrl(QUrl(QStringLiteral("http://127.0.0.1:1"))); // nothing listens there
    QSignalSpy completed(m_auth.get(), &AuthClient::logoutCompleted);
    bool answered = false;
    m_auth->logout([&answered] { answered = true; });
    QCOMPARE(completed.size(), 1);
    QCOMPARE(m_auth->state(), AuthState::Unauthenticated);
    QVERIFY(m_stored.isEmpty());
    QTRY_VERIFY(answered);
}

void TestAuthClient::failedUserCallsHandBackTheirFallback()
{
    m_tokens->setTokens(tokenExpiringIn(600), QStringLiteral("r"));
    m_server->answer(
        FakeHttpServer::json(200, R"({"id":"u1","email":"a@example.org","display_name":"Ann"})"));
    m_server->answer(FakeHttpServer::json(500, R"({"error":"down"})"));
    m_server->answer(FakeHttpServer::json(400, R"({"error":"display_name must be 1 to 100 characters"})"));
    m_server->answer(FakeHttpServer::json(500, R"({"error":"down"})"));
    QList<User> users;
    m_auth->fetchCurrentUser([&users](const User &user) { users.append(user); });
    QTRY_COMPARE(users.size(), 1);
    m_auth->fetchCurrentUser([&users](const User &user) { users.append(user); });
    QTRY_COMPARE(users.size(), 2);
    m_auth->updateProfile(QString(), [&users](const User &user) { users.append(user); });
    QTRY_COMPARE(users.size(), 3);
    QList<Session> sessions{Session()};
    m_auth->listSessions([&sessions](const QList<Session> &listed) { sessions = listed; });
    QTRY_VERIFY(sessions.isEmpty());

    QCOMPARE(users.at(0).displayName, QStringLiteral("Ann"));
    QCOMPARE(users.at(1), users.at(0)); // the cached user, unchanged
    QVERIFY(users.at(2).id.isEmpty());  // how callers recognise a failed update
    QCOMPARE(m_auth->currentUser().id, QStringLiteral("u1"));
}

QTEST_GUILESS_MAIN(TestAuthClient)
#include "tst_authclient.moc"
