#include "accesstoken.h"
#include "browsersession.h"
#include "cloudfixture.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>
#include <QUrlQuery>

#include <memory>

// The auth API and the browser sign-in page of zimbrel-cloud, through HTTP against the real program.
class TestCloudAuth : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void signUpRedirectsToTheLoopbackWithTokensAndState();
    void signInWithThePasswordOfTheAccount();
    void loginPageRefusesForeignRedirect_data();
    void loginPageRefusesForeignRedirect();
    void loginFormWithoutItsCookieIsRefused();
    void pageEscapesWhatItEchoes();
    void secondAccountWithTheSameEmailIsRefused();
    void craftedTokensAreRefused_data();
    void craftedTokensAreRefused();
    void refreshRotatesAndReuseRevokesTheSession();
    void logoutEndsTheSession();
    void currentUserCanBeReadAndRenamed();
    void passwordChangeChecksTheCurrentPassword();
    void sessionsListMarksTheCurrentOneAndCanBeRevoked();
    void badInputIsAnsweredWithJsonErrors_data();
    void badInputIsAnsweredWithJsonErrors();
    void failedSignInsAreThrottledAcrossRestarts();
    void processesStartingTogetherMigrateOnce();

private:
    QString api(const QString &path) const { return QStringLiteral("/api/v1/realms/corvantis") + path; }
    SignInResult newUser(const QString &name);

    CloudFixture m_fixture;
    CloudHttp *m_http = nullptr;
    int m_users = 0;
};

void TestCloudAuth::initTestCase()
{
    QString reason;
    QString error;
    if (!m_fixture.start(&reason, &error)) {
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QSKIP(qPrintable(reason));
    }
    m_http = m_fixture.http.get();
}

SignInResult TestCloudAuth::newUser(const QString &name)
{
    const SignInResult result =
        BrowserSession::signUp(m_http, QStringLiteral("%1%2@example.org").arg(name).arg(++m_users),
                               QStringLiteral("correct horse 1"), name);
    if (result.status != 303)
        qWarning("sign-up failed with %d: %s", result.status, result.page.constData());
    return result;
}

void TestCloudAuth::signUpRedirectsToTheLoopbackWithTokensAndState()
{
    BrowserSession browser(m_http);
    const HttpResult page =
        browser.open(QStringLiteral("http://127.0.0.1:45678/callback"), QStringLiteral("r4nd0m-state"));
    QCOMPARE(page.status, 200);
    QVERIFY(page.header("Content-Type").startsWith("text/html"));
    QVERIFY(!browser.hiddenField(QStringLiteral("csrf_token")).isEmpty());

    const SignInResult result = browser.submit(QStringLiteral("signup"), QStringLiteral("Ada@Example.org"),
                                               QStringLiteral("analytical engine"), QStringLiteral("Ada"));
    QCOMPARE(result.status, 303);
    QCOMPARE(result.redirect.host(), QStringLiteral("127.0.0.1"));
    QCOMPARE(result.redirect.port(), 45678);
    QCOMPARE(result.redirect.path(), QStringLiteral("/callback"));
    QCOMPARE(result.state, QStringLiteral("r4nd0m-state"));
    QVERIFY(!result.refreshToken.isEmpty());

    const HttpResult me = m_http->get(api(QStringLiteral("/users/me")), result.accessToken);
    QCOMPARE(me.status, 200);
    QCOMPARE(me.json.value(QStringLiteral("email")).toString(), QStringLiteral("ada@example.org"));
    QCOMPARE(me.json.value(QStringLiteral("display_name")).toString(), QStringLiteral("Ada"));
    QVERIFY(!me.json.value(QStringLiteral("created_at")).toString().isEmpty());

    // The client reads these claims without checking the signature; they must be where it looks.
    const QByteArray payload = QByteArray::fromBase64(
        result.accessToken.section(QLatin1Char('.'), 1, 1).toLatin1(), QByteArray::Base64UrlEncoding);
    const QJsonObject claims = QJsonDocument::fromJson(payload).object();
    QCOMPARE(claims.value(QStringLiteral("sub")).toString(), me.json.value(QStringLiteral("id")).toString());
    const qint64 lifetime =
        claims.value(QStringLiteral("exp")).toInteger() - QDateTime::currentSecsSinceEpoch();
    QVERIFY2(lifetime > 14 * 60 && lifetime <= 15 * 60, qPrintable(QString::number(lifetime)));
    QVERIFY(claims.value(QStringLiteral("custom"))
                .toObject()
                .value(QStringLiteral("corv"))
                .toObject()
                .contains(QStringLiteral("role")));
}

void TestCloudAuth::signInWithThePasswordOfTheAccount()
{
    const SignInResult created = newUser(QStringLiteral("grace"));
    QCOMPARE(created.status, 303);
    const QString email = QStringLiteral("grace%1@example.org").arg(m_users);

    const SignInResult wrong = BrowserSession::signIn(m_http, email, QStringLiteral("wrong password"));
    QCOMPARE(wrong.status, 401);
    QVERIFY(wrong.accessToken.isEmpty());
    QVERIFY(wrong.page.contains("Wrong e-mail address or password."));

    const SignInResult unknown = BrowserSession::signIn(m_http, QStringLiteral("nobody-here@example.org"));
    QCOMPARE(unknown.status, 401);

    const SignInResult right = BrowserSession::signIn(m_http, email);
    QCOMPARE(right.status, 303);
    QCOMPARE(m_http->get(api(QStringLiteral("/users/me")), right.accessToken).status, 200);
}

void TestCloudAuth::loginPageRefusesForeignRedirect_data()
{
    QTest::addColumn<QString>("redirectUri");
    QTest::newRow("another host") << QStringLiteral("http://evil.example/callback");
    QTest::newRow("loopback as user info of another host")
        << QStringLiteral("http://localhost@evil.example/callback");
    QTest::newRow("host that starts like localhost")
        << QStringLiteral("http://localhost.evil.example/callback");
    QTest::newRow("private network address") << QStringLiteral("http://192.168.1.2:19876/callback");
    QTest::newRow("script scheme") << QStringLiteral("javascript:alert(1)");
    QTest::newRow("custom scheme") << QStringLiteral("zimbrel://localhost/callback");
    QTest::newRow("missing") << QString();
}

void TestCloudAuth::loginPageRefusesForeignRedirect()
{
    QFETCH(QString, redirectUri);
    BrowserSession browser(m_http);
    const HttpResult page = browser.open(redirectUri);
    QCOMPARE(page.status, 400);
    QVERIFY(page.isJsonError());

    // Posting the form directly with a foreign address fails the same way, before any password check.
    const HttpResult posted =
        m_http->send("POST", QStringLiteral("/corvantis/account/login"),
                     "client_id=zimbrel&redirect_uri=" + QUrl::toPercentEncoding(redirectUri) +
                         "&email=a%40b.org&password=whatever1&action=signin",
                     "application/x-www-form-urlencoded");
    QCOMPARE(posted.status, 400);
    QVERIFY(posted.header("Location").isEmpty());
}

void TestCloudAuth::loginFormWithoutItsCookieIsRefused()
{
    BrowserSession browser(m_http);
    browser.open();
    const SignInResult result = browser.submit(QStringLiteral("signup"), QStringLiteral("csrf@example.org"),
                                               QStringLiteral("long enough 1"), {}, false);
    QCOMPARE(result.status, 403);
    QVERIFY(result.accessToken.isEmpty());
    // Nothing was created: signing up properly now works.
    QCOMPARE(BrowserSession::signUp(m_http, QStringLiteral("csrf@example.org")).status, 303);
}

void TestCloudAuth::pageEscapesWhatItEchoes()
{
    BrowserSession browser(m_http);
    const QString state = QStringLiteral("\"><script>alert(1)</script>");
    const HttpResult page = browser.open(QStringLiteral("http://localhost:1/cb?x=1&y=2"), state);
    QCOMPARE(page.status, 200);
    QVERIFY(!page.body.contains("<script>"));
    QVERIFY(page.body.contains("&lt;script&gt;"));
    QVERIFY(page.body.contains("cb?x=1&amp;y=2"));
    QCOMPARE(browser.hiddenField(QStringLiteral("state")), state);
    // And the state comes back unchanged in the redirect, encoded for a URL.
    const SignInResult result = browser.submit(QStringLiteral("signup"), QStringLiteral("escape@example.org"),
                                               QStringLiteral("long enough 1"));
    QCOMPARE(result.status, 303);
    QCOMPARE(result.state, state);
    QCOMPARE(QUrlQuery(result.redirect).queryItemValue(QStringLiteral("y")), QStringLiteral("2"));
}

void TestCloudAuth::secondAccountWithTheSameEmailIsRefused()
{
    QCOMPARE(BrowserSession::signUp(m_http, QStringLiteral("twice@example.org")).status, 303);
    const SignInResult again =
        BrowserSession::signUp(m_http, QStringLiteral("TWICE@example.org"), QStringLiteral("another one 2"));
    QCOMPARE(again.status, 409);
    QVERIFY(again.accessToken.isEmpty());
    QCOMPARE(
        BrowserSession::signIn(m_http, QStringLiteral("twice@example.org"), QStringLiteral("another one 2"))
            .status,
        401);
}

void TestCloudAuth::craftedTokensAreRefused_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("alg none without signature") << QStringLiteral("none");
    QTest::newRow("signature of another key") << QStringLiteral("wrong-key");
    QTest::newRow("payload changed after signing") << QStringLiteral("tampered");
    QTest::newRow("expired but correctly signed") << QStringLiteral("expired");
    QTest::newRow("not a token") << QStringLiteral("garbage");
}

void TestCloudAuth::craftedTokensAreRefused()
{
    QFETCH(QString, kind);
    const SignInResult user = newUser(QStringLiteral("mallory"));
    const QString real = user.accessToken;
    const QByteArray payload = QByteArray::fromBase64(real.section(QLatin1Char('.'), 1, 1).toLatin1(),
                                                      QByteArray::Base64UrlEncoding);
    const QJsonObject claimsJson = QJsonDocument::fromJson(payload).object();
    AccessClaims claims;
    claims.userId = claimsJson.value(QStringLiteral("sub")).toString();
    claims.sessionId = claimsJson.value(QStringLiteral("sid")).toString();
    claims.issuedAt = QDateTime::currentSecsSinceEpoch();
    claims.expiresAt = claims.issuedAt + 600;
    const auto encode = [](const QByteArray &json) {
        return json.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
    };

    QString token;
    if (kind == QLatin1String("none")) {
        token = QString::fromLatin1(encode(R"({"alg":"none","typ":"JWT"})") + '.' +
                                    real.section(QLatin1Char('.'), 1, 1).toLatin1() + '.');
    } else if (kind == QLatin1String("wrong-key")) {
        token = AccessToken::sign(claims, "not the installation secret");
    } else if (kind == QLatin1String("tampered")) {
        QJsonObject changed = claimsJson;
        changed.insert(QStringLiteral("sub"), QStringLiteral("someone-else"));
        token = real.section(QLatin1Char('.'), 0, 0) + QLatin1Char('.') +
                QString::fromLatin1(encode(QJsonDocument(changed).toJson(QJsonDocument::Compact))) +
                QLatin1Char('.') + real.section(QLatin1Char('.'), 2, 2);
    } else if (kind == QLatin1String("expired")) {
        // Signed with the installation's real secret, read from the database as an operator could.
        const QByteArray secret = QByteArray::fromBase64(
            CloudBackend::execute(m_fixture.service.databaseAddress(),
                                  QStringLiteral("SELECT value FROM settings WHERE key = 'jwt_secret'"))
                .toString()
                .toLatin1());
        QVERIFY(!secret.isEmpty());
        QVERIFY(!AccessToken::sign(claims, secret).isEmpty());
        QCOMPARE(m_http->get(api(QStringLiteral("/users/me")), AccessToken::sign(claims, secret)).status,
                 200);
        claims.issuedAt -= 3600;
        claims.expiresAt = QDateTime::currentSecsSinceEpoch() - 5;
        token = AccessToken::sign(claims, secret);
    } else {
        token = QStringLiteral("not.a-token");
    }
    const HttpResult result = m_http->get(api(QStringLiteral("/users/me")), token);
    QCOMPARE(result.status, 401);
    QVERIFY(!result.json.value(QStringLiteral("error")).toString().isEmpty());
}

void TestCloudAuth::refreshRotatesAndReuseRevokesTheSession()
{
    const SignInResult user = newUser(QStringLiteral("rotating"));
    const HttpResult first = m_http->post(api(QStringLiteral("/auth/token/refresh")),
                                          {{QStringLiteral("refresh_token"), user.refreshToken}});
    QCOMPARE(first.status, 200);
    const QString access = first.json.value(QStringLiteral("access_token")).toString();
    const QString refresh = first.json.value(QStringLiteral("refresh_token")).toString();
    QVERIFY(!access.isEmpty());
    QVERIFY(refresh != user.refreshToken);
    QCOMPARE(m_http->get(api(QStringLiteral("/users/me")), access).status, 200);

    // The replaced token presented again: somebody copied it, so the whole session ends.
    const HttpResult reuse = m_http->post(api(QStringLiteral("/auth/token/refresh")),
                                          {{QStringLiteral("refresh_token"), user.refreshToken}});
    QCOMPARE(reuse.status, 401);
    QVERIFY(reuse.isJsonError());
    QCOMPARE(
        m_http->post(api(QStringLiteral("/auth/token/refresh")), {{QStringLiteral("refresh_token"), refresh}})
            .status,
        401);
    QCOMPARE(m_http->get(api(QStringLiteral("/users/me")), access).status, 401);
    QCOMPARE(m_http->get(api(QStringLiteral("/users/me")), user.accessToken).status, 401);
}

void TestCloudAuth::logoutEndsTheSession()
{
    const SignInResult user = newUser(QStringLiteral("leaving"));
    const SignInResult other =
        BrowserSession::signIn(m_http, QStringLiteral("leaving%1@example.org").arg(m_users));
    QCOMPARE(other.status, 303);
    const HttpResult logout = m_http->post(api(QStringLiteral("/auth/logout")), {}, user.accessToken);
    QCOMPARE(logout.status, 204);
    QCOMPARE(m_http->get(api(QStringLiteral("/users/me")), user.accessToken).status, 401);
    QCOMPARE(m_http
                 ->post(api(QStringLiteral("/auth/token/refresh")),
                        {{QStringLiteral("refresh_token"), user.refreshToken}})
                 .status,
             401);
    // Only that session: the same user's other sign-in goes on.
    QCOMPARE(m_http->get(api(QStringLiteral("/users/me")), other.accessToken).status, 200);
}

void TestCloudAuth::currentUserCanBeReadAndRenamed()
{
    const SignInResult user = newUser(QStringLiteral("renamed"));
    const HttpResult renamed =
        m_http->request("PATCH", api(QStringLiteral("/users/me")),
                        {{QStringLiteral("display_name"), QStringLiteral("  New Name  ")}}, user.accessToken);
    QCOMPARE(renamed.status, 200);
    QCOMPARE(renamed.json.value(QStringLiteral("display_name")).toString(), QStringLiteral("New Name"));
    QCOMPARE(m_http->get(api(QStringLiteral("/users/me")), user.accessToken)
                 .json.value(QStringLiteral("display_name"))
                 .toString(),
             QStringLiteral("New Name"));
    const HttpResult empty =
        m_http->request("PATCH", api(QStringLiteral("/users/me")),
                        {{QStringLiteral("display_name"), QStringLiteral("   ")}}, user.accessToken);
    QCOMPARE(empty.status, 400);
    QVERIFY(empty.isJsonError());
}

void TestCloudAuth::passwordChangeChecksTheCurrentPassword()
{
    const SignInResult user = newUser(QStringLiteral("changer"));
    const SignInResult elsewhere =
        BrowserSession::signIn(m_http, QStringLiteral("changer%1@example.org").arg(m_users));
    const QString path = api(QStringLiteral("/users/me/password"));
    HttpResult result = m_http->post(path,
                                     {{QStringLiteral("current_password"), QStringLiteral("not it at all")},
                                      {QStringLiteral("new_password"), QStringLiteral("brand new pass")}},
                                     user.accessToken);
    QCOMPARE(result.status, 403);
    result = m_http->post(path,
                          {{QStringLiteral("current_password"), QStringLiteral("correct horse 1")},
                           {QStringLiteral("new_password"), QStringLiteral("short")}},
                          user.accessToken);
    QCOMPARE(result.status, 400);
    result = m_http->post(path,
                          {{QStringLiteral("current_password"), QStringLiteral("correct horse 1")},
                           {QStringLiteral("new_password"), QStringLiteral("brand new pass")}},
                          user.accessToken);
    QCOMPARE(result.status, 204);
    const QString email = QStringLiteral("changer%1@example.org").arg(m_users);
    QCOMPARE(BrowserSession::signIn(m_http, email).status, 401);
    QCOMPARE(BrowserSession::signIn(m_http, email, QStringLiteral("brand new pass")).status, 303);
    // The session that changed it stays; the others were signed out with the old password.
    QCOMPARE(m_http->get(api(QStringLiteral("/users/me")), user.accessToken).status, 200);
    QCOMPARE(m_http->get(api(QStringLiteral("/users/me")), elsewhere.accessToken).status, 401);
}

void TestCloudAuth::sessionsListMarksTheCurrentOneAndCanBeRevoked()
{
    const SignInResult user = newUser(QStringLiteral("sessions"));
    const SignInResult second =
        BrowserSession::signIn(m_http, QStringLiteral("sessions%1@example.org").arg(m_users));
    const HttpResult list = m_http->get(api(QStringLiteral("/users/me/sessions")), user.accessToken);
    QCOMPARE(list.status, 200);
    const QJsonArray sessions = list.json.value(QStringLiteral("sessions")).toArray();
    QCOMPARE(sessions.size(), 2);
    QString otherId;
    int current = 0;
    for (const QJsonValue &value : sessions) {
        const QJsonObject session = value.toObject();
        QCOMPARE(session.value(QStringLiteral("ip_address")).toString(), QStringLiteral("127.0.0.1"));
        QVERIFY(!session.value(QStringLiteral("last_active_at")).toString().isEmpty());
        if (session.value(QStringLiteral("is_current")).toBool())
            ++current;
        else
            otherId = session.value(QStringLiteral("id")).toString();
    }
    QCOMPARE(current, 1);
    QCOMPARE(m_http->del(api(QStringLiteral("/users/me/sessions/") + otherId), user.accessToken).status, 204);
    QCOMPARE(m_http->get(api(QStringLiteral("/users/me")), second.accessToken).status, 401);
    QCOMPARE(m_http->del(api(QStringLiteral("/users/me/sessions/") + otherId), user.accessToken).status, 404);

    // Another user's session cannot be revoked by id.
    const SignInResult stranger = newUser(QStringLiteral("stranger"));
    const QString strangerSession =
        m_http->get(api(QStringLiteral("/users/me/sessions")), stranger.accessToken)
            .json.value(QStringLiteral("sessions"))
            .toArray()
            .first()
            .toObject()
            .value(QStringLiteral("id"))
            .toString();
    QCOMPARE(
        m_http->del(api(QStringLiteral("/users/me/sessions/") + strangerSession), user.accessToken).status,
        404);
    QCOMPARE(m_http->get(api(QStringLiteral("/users/me")), stranger.accessToken).status, 200);
}

void TestCloudAuth::badInputIsAnsweredWithJsonErrors_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<int>("status");
    const QByteArray refresh =
        "POST /api/v1/realms/corvantis/auth/token/refresh HTTP/1.1\r\nHost: x\r\nConnection: close\r\n";
    QTest::newRow("refresh body not JSON") << refresh + "Content-Length: 5\r\n\r\n{\"a\":" << 400;
    QTest::newRow("refresh body an array") << refresh + "Content-Length: 2\r\n\r\n[]" << 400;
    QTest::newRow("refresh token missing") << refresh + "Content-Length: 2\r\n\r\n{}" << 400;
    QTest::newRow("refresh token a number")
        << refresh + "Content-Length: 19\r\n\r\n{\"refresh_token\":5}" << 400;
    QTest::newRow("body over the cap") << refresh + "Content-Length: 300000\r\n\r\n" << 413;
    QTest::newRow("chunked body") << refresh + "Transfer-Encoding: chunked\r\n\r\n0\r\n\r\n" << 411;
    QTest::newRow("unknown path")
        << QByteArray("GET /api/v1/realms/corvantis/nothing HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n")
        << 401;
    QTest::newRow("unknown realm")
        << QByteArray("GET /api/v1/realms/other/users/me HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n")
        << 404;
    QTest::newRow("wrong method") << QByteArray("GET /api/v1/realms/corvantis/auth/token/refresh "
                                                "HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n")
                                  << 405;
    QTest::newRow("login page without client id")
        << QByteArray("GET /corvantis/account/login?redirect_uri=http%3A%2F%2Flocalhost%3A1%2F "
                      "HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n")
        << 400;
}

void TestCloudAuth::badInputIsAnsweredWithJsonErrors()
{
    QFETCH(QByteArray, request);
    QFETCH(int, status);
    const QByteArray response = m_http->raw(request);
    QCOMPARE(CloudHttp::statusOfRaw(response), status);
    const QByteArray body = response.mid(response.indexOf("\r\n\r\n") + 4);
    QVERIFY2(!QJsonDocument::fromJson(body).object().value(QStringLiteral("error")).toString().isEmpty(),
             body.constData());
    // The service is still there.
    QCOMPARE(m_http->get(QStringLiteral("/healthz")).status, 200);
}

void TestCloudAuth::failedSignInsAreThrottledAcrossRestarts()
{
    CloudService service;
    QString error;
    const QString database = m_fixture.backend.freshDatabase();
    QVERIFY2(service.start(database, {}, &error), qPrintable(error));
    CloudHttp http(service.baseUrl());
    QCOMPARE(BrowserSession::signUp(&http, QStringLiteral("target@example.org")).status, 303);
    for (int attempt = 0; attempt < 5; ++attempt)
        QCOMPARE(BrowserSession::signIn(&http, QStringLiteral("target@example.org"),
                                        QStringLiteral("guess number %1").arg(attempt))
                     .status,
                 401);
    QCOMPARE(BrowserSession::signIn(&http, QStringLiteral("target@example.org")).status, 429);

    // The count lives in the database: another process (here, a restart) keeps refusing.
    QVERIFY2(service.start(database, {}, &error), qPrintable(error));
    CloudHttp restarted(service.baseUrl());
    const SignInResult blocked = BrowserSession::signIn(&restarted, QStringLiteral("target@example.org"));
    QCOMPARE(blocked.status, 429);
    QVERIFY(blocked.accessToken.isEmpty());
}

void TestCloudAuth::processesStartingTogetherMigrateOnce()
{
    const QString database = m_fixture.backend.freshDatabase();
    CloudService first;
    CloudService second;
    first.launch(database, {});
    second.launch(database, {});
    QString error;
    QVERIFY2(first.waitUntilListening(&error), qPrintable(error));
    QVERIFY2(second.waitUntilListening(&error), qPrintable(error));
    QCOMPARE(CloudBackend::execute(database, QStringLiteral("SELECT COUNT(*) FROM schema_version")).toInt(),
             4);
    QCOMPARE(CloudBackend::execute(database,
                                   QStringLiteral("SELECT COUNT(*) FROM settings WHERE key = 'jwt_secret'"))
                 .toInt(),
             1);

    // One signing secret for both: a token from one process is good at the other.
    CloudHttp firstHttp(first.baseUrl());
    CloudHttp secondHttp(second.baseUrl());
    const SignInResult user = BrowserSession::signUp(&firstHttp, QStringLiteral("both@example.org"));
    QCOMPARE(user.status, 303);
    QCOMPARE(secondHttp.get(api(QStringLiteral("/users/me")), user.accessToken).status, 200);

    // A restart finds the schema current and changes nothing.
    QVERIFY2(first.start(database, {}, &error), qPrintable(error));
    QCOMPARE(CloudBackend::execute(database, QStringLiteral("SELECT COUNT(*) FROM schema_version")).toInt(),
             4);
    QCOMPARE(CloudHttp(first.baseUrl()).get(api(QStringLiteral("/users/me")), user.accessToken).status, 200);
}

QTEST_GUILESS_MAIN(TestCloudAuth)
#include "tst_cloudauth.moc"
