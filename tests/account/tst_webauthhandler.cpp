#include "account/webauthhandler.h"

#include "loopbackexchange.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>
#include <QUrlQuery>

using namespace CorvantisAccount;

// The loopback listener accepts exactly the service's redirect: GET /callback with its own state.
class TestWebAuthHandler : public QObject
{
    Q_OBJECT

private slots:
    void redirectCompletesOnce();
    void redirectOnAnEarlierConnectionCountsOnce();
    void foreignRequestsAreRefused_data();
    void foreignRequestsAreRefused();
    void requestArrivingInPiecesIsRead();
    void silentConnectionDoesNotBlockTheRedirect();
    void busyPortGivesASystemChosenPort();
    void stateIsRandomPerHandler();

private:
    static quint16 portOf(const QString &redirectUri) { return quint16(QUrl(redirectUri).port()); }
    static QByteArray get(const QString &target)
    {
        return "GET " + target.toUtf8() + " HTTP/1.1\r\nHost: localhost\r\nUser-Agent: test\r\n\r\n";
    }
};

void TestWebAuthHandler::redirectCompletesOnce()
{
    WebAuthHandler handler;
    const QString redirectUri = handler.start();
    QVERIFY(redirectUri.startsWith(QLatin1String("http://localhost:")));
    QVERIFY(redirectUri.endsWith(QLatin1String("/callback")));
    QSignalSpy received(&handler, &WebAuthHandler::callbackReceived);

    const QString target =
        QStringLiteral("/callback?access_token=a.b.c&refresh_token=r%2Bs&state=") + handler.state();
    const QByteArray response = loopbackExchange(portOf(redirectUri), get(target));
    QCOMPARE(
        response,
        QByteArray("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nConnection: close\r\n\r\n"
                   "<html><body style='font-family: sans-serif; text-align: center; padding: 40px;'>"
                   "<h2>Authentication complete!</h2><p>You can close this tab and return to the application."
                   "</p></body></html>"));
    QCOMPARE(received.size(), 1);
    const QUrl url = received.first().first().toUrl();
    QCOMPARE(url.port(), int(portOf(redirectUri)));
    QCOMPARE(QUrlQuery(url).queryItemValue(QStringLiteral("refresh_token"), QUrl::FullyDecoded),
             QStringLiteral("r+s"));
    // The listener has stopped: a second redirect finds nobody.
    QVERIFY(!handler.isListening());
    QVERIFY(loopbackExchange(portOf(redirectUri), get(target)).isEmpty());
    QCOMPARE(received.size(), 1);
}

void TestWebAuthHandler::redirectOnAnEarlierConnectionCountsOnce()
{
    WebAuthHandler handler;
    const quint16 port = portOf(handler.start());
    QSignalSpy received(&handler, &WebAuthHandler::callbackReceived);
    QTcpSocket earlier; // opened before the redirect, used after it
    earlier.connectToHost(QHostAddress::LocalHost, port);
    QVERIFY(earlier.waitForConnected(5000));
    const QByteArray request = get(QStringLiteral("/callback?state=") + handler.state());
    QVERIFY(loopbackExchange(port, request).startsWith("HTTP/1.1 200 OK"));
    earlier.write(request);
    QTRY_VERIFY(earlier.bytesAvailable() > 0 || earlier.state() == QAbstractSocket::UnconnectedState);
    QVERIFY(earlier.readAll().startsWith("HTTP/1.1 400"));
    QCOMPARE(received.size(), 1);
}

void TestWebAuthHandler::foreignRequestsAreRefused_data()
{
    QTest::addColumn<QByteArray>("request"); // "STATE" stands for the handler's state

    QTest::newRow("no state: a web page posting tokens of its own")
        << get(QStringLiteral("/callback?access_token=a&refresh_token=r"));
    QTest::newRow("wrong state") << get(
        QStringLiteral("/callback?access_token=a&refresh_token=r&state=guess"));
    QTest::newRow("state twice") << get(
        QStringLiteral("/callback?access_token=a&refresh_token=r&state=STATE&state=x"));
    QTest::newRow("other path") << get(QStringLiteral("/favicon.ico?state=STATE"));
    QTest::newRow("path prefix") << get(QStringLiteral("/callbackx?state=STATE"));
    QTest::newRow("post") << QByteArray(
        "POST /callback?state=STATE HTTP/1.1\r\nHost: localhost\r\nContent-Length: 0\r\n\r\n");
    QTest::newRow("not http") << QByteArray("hello\r\n\r\n");
    QTest::newRow("absolute target") << get(QStringLiteral("http://evil.example/callback?state=STATE"));
    QTest::newRow("oversized") << get(QStringLiteral("/callback?state=STATE&pad=") +
                                      QString(20000, QLatin1Char('x')));
}

void TestWebAuthHandler::foreignRequestsAreRefused()
{
    QFETCH(QByteArray, request);
    WebAuthHandler handler;
    const quint16 port = portOf(handler.start());
    QSignalSpy received(&handler, &WebAuthHandler::callbackReceived);
    request.replace("STATE", handler.state().toLatin1());

    QVERIFY(loopbackExchange(port, request).startsWith("HTTP/1.1 400 Bad Request\r\n"));
    QCOMPARE(received.size(), 0);
    // Still listening, and the real redirect still completes.
    QVERIFY(handler.isListening());
    QVERIFY(loopbackExchange(port, get(QStringLiteral("/callback?state=") + handler.state()))
                .startsWith("HTTP/1.1 200 OK"));
    QCOMPARE(received.size(), 1);
}

void TestWebAuthHandler::requestArrivingInPiecesIsRead()
{
    WebAuthHandler handler;
    const quint16 port = portOf(handler.start());
    QSignalSpy received(&handler, &WebAuthHandler::callbackReceived);
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    QVERIFY(socket.waitForConnected(5000));
    const QByteArray request = get(QStringLiteral("/callback?state=") + handler.state());
    socket.write(request.left(10));
    socket.flush();
    QTest::qWait(50);
    QCOMPARE(received.size(), 0);
    socket.write(request.mid(10));
    socket.flush();
    QTRY_COMPARE(received.size(), 1);
}

void TestWebAuthHandler::silentConnectionDoesNotBlockTheRedirect()
{
    WebAuthHandler handler;
    const quint16 port = portOf(handler.start());
    QTcpSocket idle; // a browser's speculative connection that never sends anything
    idle.connectToHost(QHostAddress::LocalHost, port);
    QVERIFY(idle.waitForConnected(5000));
    QSignalSpy received(&handler, &WebAuthHandler::callbackReceived);
    QVERIFY(loopbackExchange(port, get(QStringLiteral("/callback?state=") + handler.state()))
                .startsWith("HTTP/1.1 200 OK"));
    QCOMPARE(received.size(), 1);
}

void TestWebAuthHandler::busyPortGivesASystemChosenPort()
{
    QTcpServer occupant;
    // Another program (or a parallel test) may hold the port already; either way it is busy.
    occupant.listen(QHostAddress::LocalHost, WebAuthHandler::preferredPort);
    WebAuthHandler first;
    const QString redirectUri = first.start();
    QVERIFY(!redirectUri.isEmpty());
    QVERIFY(portOf(redirectUri) != WebAuthHandler::preferredPort);
    QSignalSpy received(&first, &WebAuthHandler::callbackReceived);
    QVERIFY(loopbackExchange(portOf(redirectUri), get(QStringLiteral("/callback?state=") + first.state()))
                .startsWith("HTTP/1.1 200 OK"));
    QCOMPARE(received.size(), 1);
}

void TestWebAuthHandler::stateIsRandomPerHandler()
{
    WebAuthHandler first;
    WebAuthHandler second;
    QVERIFY(first.state() != second.state());
    QVERIFY(first.state().size() >= 32);
}

QTEST_GUILESS_MAIN(TestWebAuthHandler)
#include "tst_webauthhandler.moc"
