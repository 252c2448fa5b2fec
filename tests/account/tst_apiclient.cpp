#include "account/apiclient.h"
#include "account/tokenmanager.h"

#include "fakehttpserver.h"
#include "memorytokenstore.h"
#include "responserecorder.h"
#include "testtokens.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace CorvantisAccount;

// ApiClient against a loopback server that records requests: URL and body shape, headers, the
// token refresh before sending and after 401, and failures that must reach the callback once.
class TestApiClient : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void requestShape_data();
    void requestShape();
    void headersCarryAppInfoAndToken();
    void expiredTokenWithoutRefreshTokenGoesOutBare();
    void secondUnauthorizedIsNotRetriedAgain();
    void expiringTokenIsRefreshedBeforeSending();
    void requestsNeedingRefreshShareOne();
    void answers_data();
    void answers();
    void unknownMethodFailsAtOnce();
    void silentServerTimesOut();
    void refusedConnectionIsANetworkFailure();

private:
    std::unique_ptr<ApiClient> newClient(const QString &basePath = {});

    QHash<QString, QString> m_stored;
    std::unique_ptr<TokenManager> m_tokens;
    std::unique_ptr<FakeHttpServer> m_server;
    int m_refreshes = 0;
    QString m_refreshedAccess;
};

void TestApiClient::init()
{
    m_stored.clear();
    m_refreshes = 0;
    m_refreshedAccess = tokenExpiringIn(900, QStringLiteral("fresh"));
    m_server = std::make_unique<FakeHttpServer>();
    m_tokens = std::make_unique<TokenManager>(std::make_unique<MemoryTokenStore>(&m_stored));
    // A refresh that answers from the event loop, as the real one does.
    m_tokens->setRefreshHandler([this](const QString &, TokenManager::RefreshSucceeded succeeded,
                                       TokenManager::RefreshFailed) {
        ++m_refreshes;
        QTimer::singleShot(0, [this, succeeded] { succeeded(m_refreshedAccess, QStringLiteral("r-next")); });
    });
}

std::unique_ptr<ApiClient> TestApiClient::newClient(const QString &basePath)
{
    auto client = std::make_unique<ApiClient>(m_tokens.get());
    client->setBaseUrl(m_server->url(basePath));
    return client;
}

void TestApiClient::requestShape_data()
{
    QTest::addColumn<QString>("basePath");
    QTest::addColumn<QByteArray>("method");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QJsonObject>("body");
    QTest::addColumn<QString>("query"); // "k=v" pairs joined by &
    QTest::addColumn<QByteArray>("target");
    QTest::addColumn<QByteArray>("sentBody");

    QTest::newRow("base path kept before the call path")
        << "/zimbrel/v1" << QByteArray("GET") << "/sync/pull" << QJsonObject() << "since=7&limit=200"
        << QByteArray("/zimbrel/v1/sync/pull?since=7&limit=200") << QByteArray();
    QTest::newRow("empty query sends no question mark")
        << "/account/v1" << QByteArray("GET") << "/profile" << QJsonObject() << ""
        << QByteArray("/account/v1/profile") << QByteArray();
    QTest::newRow("empty body object sends an empty body")
        << "" << QByteArray("POST") << "/auth/logout" << QJsonObject() << "" << QByteArray("/auth/logout")
        << QByteArray();
    QTest::newRow("body as compact JSON")
        << "" << QByteArray("PATCH") << "/users/me"
        << QJsonObject{{QStringLiteral("display_name"), QStringLiteral("Ann B")}} << ""
        << QByteArray("/users/me") << QByteArray(R"({"display_name":"Ann B"})");
    QTest::newRow("delete") << "/zimbrel/v1" << QByteArray("DELETE") << "/accounts/a1/share/u2"
                            << QJsonObject() << "" << QByteArray("/zimbrel/v1/accounts/a1/share/u2")
                            << QByteArray();
    QTest::newRow("query value encoded")
        << "" << QByteArray("GET") << "/sync/pull" << QJsonObject() << "since=a b&limit=1"
        << QByteArray("/sync/pull?since=a%20b&limit=1") << QByteArray();
}

void TestApiClient::requestShape()
{
    QFETCH(QString, basePath);
    QFETCH(QByteArray, method);
    QFETCH(QString, path);
    QFETCH(QJsonObject, body);
    QFETCH(QString, query);
    m_tokens->setTokens(tokenExpiringIn(900), QStringLiteral("r"));
    const auto client = newClient(basePath);
    RecordedResponse outcome;
    client->sendRequest(method, path, body, recordInto(&outcome), QUrlQuery(query), true);
    QTRY_COMPARE(outcome.calls, 1);
    QCOMPARE(m_server->requests.size(), 1);
    QCOMPARE(m_server->requests.first().method, method);
    QTEST(m_server->requests.first().target, "target");
    QTEST(m_server->requests.first().body, "sentBody");
}

void TestApiClient::headersCarryAppInfoAndToken()
{
    const QString token = tokenExpiringIn(900);
    m_tokens->setTokens(token, QStringLiteral("r"));
    const auto client = newClient();
    client->setAppInfo(QStringLiteral("com.corvantis.zimbrel"), QStringLiteral("1.0.5"),
                       QStringLiteral("linux"));
    RecordedResponse outcome;
    client->get(QStringLiteral("/users/me"), recordInto(&outcome));
    client->getPublic(QStringLiteral("/public"), recordInto(&outcome));
    QTRY_COMPARE(outcome.calls, 2);
    const FakeHttpServer::Request &authenticated = m_server->requests.at(0);
    QCOMPARE(authenticated.header("Authorization"), "Bearer " + token.toLatin1());
    QCOMPARE(authenticated.header("Content-Type"), QByteArray("application/json"));
    QCOMPARE(authenticated.header("Accept"), QByteArray("application/json"));
    QCOMPARE(authenticated.header("X-App-Id"), QByteArray("com.corvantis.zimbrel"));
    QCOMPARE(authenticated.header("X-App-Version"), QByteArray("1.0.5"));
    QCOMPARE(authenticated.header("X-Platform"), QByteArray("linux"));
    QVERIFY(!m_server->requests.at(1).hasHeader("Authorization"));

    // Empty app texts send no header at all.
    const auto bare = newClient();
    bare->get(QStringLiteral("/users/me"), recordInto(&outcome));
    QTRY_COMPARE(outcome.calls, 3);
    QVERIFY(!m_server->requests.at(2).hasHeader("X-App-Id"));
    QVERIFY(!m_server->requests.at(2).hasHeader("X-Platform"));
}

void TestApiClient::expiredTokenWithoutRefreshTokenGoesOutBare()
{
    m_tokens->setTokens(tokenExpiringIn(-60), QString());
    m_tokens->setRefreshHandler({});
    const auto client = newClient();
    QSignalSpy required(client.get(), &ApiClient::authenticationRequired);
    m_server->answer(FakeHttpServer::json(401, R"({"error":"token expired"})"));
    RecordedResponse outcome;
    client->get(QStringLiteral("/users/me"), recordInto(&outcome));
    QTRY_COMPARE(outcome.calls, 1);
    QVERIFY(!m_server->requests.first().hasHeader("Authorization"));
    QCOMPARE(outcome.status, 401);
    QVERIFY(!outcome.ok);
    QVERIFY(outcome.body.isEmpty());
    QCOMPARE(required.size(), 1);
    QCOMPARE(m_server->requests.size(), 1);
}

void TestApiClient::secondUnauthorizedIsNotRetriedAgain()
{
    m_tokens->setTokens(tokenExpiringIn(900), QStringLiteral("r"));
    const auto client = newClient();
    m_server->answer(FakeHttpServer::json(401, R"({"error":"first"})"));
    m_server->answer(FakeHttpServer::json(401, R"({"error":"second"})"));
    m_server->answer(FakeHttpServer::json(200, "{}"));
    RecordedResponse outcome;
    client->get(QStringLiteral("/users/me"), recordInto(&outcome));
    QTRY_COMPARE(outcome.calls, 1);
    QCOMPARE(m_refreshes, 1);
    QCOMPARE(m_server->requests.size(), 2);
    QCOMPARE(m_server->requests.at(1).header("Authorization"), "Bearer " + m_refreshedAccess.toLatin1());
    QCOMPARE(outcome.status, 401);
    QCOMPARE(outcome.body.value(QStringLiteral("error")).toString(), QStringLiteral("second"));
}

void TestApiClient::expiringTokenIsRefreshedBeforeSending()
{
    m_tokens->setTokens(tokenExpiringIn(20), QStringLiteral("r"));
    const auto client = newClient();
    RecordedResponse outcome;
    client->post(QStringLiteral("/sync/push"), {{QStringLiteral("changes"), QJsonArray()}},
                 recordInto(&outcome));
    QTRY_COMPARE(outcome.calls, 1);
    QVERIFY(outcome.ok);
    QCOMPARE(m_refreshes, 1);
    QCOMPARE(m_server->requests.size(), 1);
    QCOMPARE(m_server->requests.first().header("Authorization"), "Bearer " + m_refreshedAccess.toLatin1());
}

void TestApiClient::requestsNeedingRefreshShareOne()
{
    m_tokens->setTokens(tokenExpiringIn(-1), QStringLiteral("r"));
    const auto client = newClient();
    RecordedResponse first;
    RecordedResponse second;
    client->get(QStringLiteral("/a"), recordInto(&first));
    client->get(QStringLiteral("/b"), recordInto(&second));
    QTRY_COMPARE(first.calls + second.calls, 2);
    QVERIFY(first.ok && second.ok);
    QCOMPARE(m_refreshes, 1);
    for (const FakeHttpServer::Request &request : std::as_const(m_server->requests))
        QCOMPARE(request.header("Authorization"), "Bearer " + m_refreshedAccess.toLatin1());
}

void TestApiClient::answers_data()
{
    QTest::addColumn<QByteArray>("response");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("error"); // the body's "error"

    QTest::newRow("json success") << FakeHttpServer::json(201, R"({"error":"none"})") << true << 201
                                  << "none";
    QTest::newRow("2xx without JSON object")
        << FakeHttpServer::json(200, "[1,2]") << true << 200 << QString();
    QTest::newRow("2xx with empty body") << FakeHttpServer::json(204, "") << true << 204 << QString();
    QTest::newRow("error with JSON reaches the caller")
        << FakeHttpServer::json(409, R"({"error":"conflict"})") << false << 409 << "conflict";
    QTest::newRow("error page that is not JSON")
        << FakeHttpServer::json(502, "<html>bad gateway</html>") << false << 502 << QString();
    // Headers said 200 and a body of 100 bytes, then the connection died: not an answer.
    QTest::newRow("reply cut off after its headers is a network failure")
        << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\n{\"ok\":") << false << 0 << QString();
}

void TestApiClient::answers()
{
    QFETCH(QByteArray, response);
    m_server->answer(response);
    const auto client = newClient();
    QSignalSpy networkErrors(client.get(), &ApiClient::networkError);
    RecordedResponse outcome;
    client->getPublic(QStringLiteral("/x"), recordInto(&outcome));
    QTRY_COMPARE(outcome.calls, 1);
    QTEST(outcome.ok, "ok");
    QTEST(outcome.status, "status");
    QTEST(outcome.body.value(QStringLiteral("error")).toString(), "error");
    QCOMPARE(networkErrors.size(), outcome.status == 0 ? 1 : 0);
}

void TestApiClient::unknownMethodFailsAtOnce()
{
    const auto client = newClient();
    RecordedResponse outcome;
    client->sendRequest("OPTIONS", QStringLiteral("/x"), {}, recordInto(&outcome), {}, false);
    QCOMPARE(outcome.calls, 1);
    QCOMPARE(outcome.status, 0);
    QVERIFY(m_server->requests.isEmpty());
}

void TestApiClient::silentServerTimesOut()
{
    // Without a time-out this callback would never run.
    m_server->answer("HANG");
    const auto client = newClient();
    client->setTransferTimeout(300);
    QSignalSpy networkErrors(client.get(), &ApiClient::networkError);
    RecordedResponse outcome;
    client->getPublic(QStringLiteral("/x"), recordInto(&outcome));
    QTRY_COMPARE(outcome.calls, 1);
    QCOMPARE(outcome.status, 0);
    QVERIFY(!outcome.ok);
    QCOMPARE(networkErrors.size(), 1);
}

void TestApiClient::refusedConnectionIsANetworkFailure()
{
    ApiClient client(m_tokens.get());
    QTcpServer closed;
    QVERIFY(closed.listen(QHostAddress::LocalHost, 0));
    const quint16 port = closed.serverPort();
    closed.close();
    client.setBaseUrl(QUrl(QStringLiteral("http://127.0.0.1:%1").arg(port)));
    QSignalSpy networkErrors(&client, &ApiClient::networkError);
    RecordedResponse outcome;
    client.getPublic(QStringLiteral("/x"), recordInto(&outcome));
    QTRY_COMPARE(outcome.calls, 1);
    QCOMPARE(outcome.status, 0);
    QCOMPARE(networkErrors.size(), 1);
}

QTEST_GUILESS_MAIN(TestApiClient)
#include "tst_apiclient.moc"
