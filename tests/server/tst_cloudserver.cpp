#include "cloudhttp.h"
#include "cloudservice.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QJsonDocument>
#include <QNetworkReply>
#include <QProcess>
#include <QSslConfiguration>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

// zimbrel-cloud as a program: its command line, HTTPS, and the download folder it serves.
class TestCloudServer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void helpShowsHowToPointTheAppAtIt();
    void badCommandLinesExitWithTwo_data();
    void badCommandLinesExitWithTwo();
    void servesHttpsWithTheGivenCertificate();
    void downloadsCarryTypeAndCacheHeaders_data();
    void downloadsCarryTypeAndCacheHeaders();
    void unchangedFileIsAnsweredNotModified();
    void nothingOutsideTheFolderIsServed_data();
    void nothingOutsideTheFolderIsServed();

private:
    QTemporaryDir m_root;
    QString m_files;
    CloudService m_service;
    std::unique_ptr<CloudHttp> m_http;
};

void TestCloudServer::initTestCase()
{
    QVERIFY(m_root.isValid());
    // Layout: <root>/downloads is served; <root>/secret.txt lies beside it and must stay unreachable.
    m_files = m_root.filePath(QStringLiteral("downloads"));
    QVERIFY(QDir().mkpath(m_files + QStringLiteral("/zimbrel/stable")));
    QVERIFY(QDir().mkpath(m_files + QStringLiteral("/zimbrel/1.0.6")));
    const auto write = [](const QString &path, const QByteArray &bytes) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    };
    QVERIFY(
        write(m_files + QStringLiteral("/zimbrel/stable/latest.json"), R"({"schema":1,"app":"zimbrel"})"));
    QVERIFY(write(m_files + QStringLiteral("/zimbrel/1.0.6/release-notes.md"), "# 1.0.6\n\nFaster.\n"));
    QVERIFY(write(m_files + QStringLiteral("/zimbrel/1.0.6/release-notes.de.md"), "# 1.0.6\n\nSchneller.\n"));
    QVERIFY(write(m_root.filePath(QStringLiteral("secret.txt")), "secret"));
    QVERIFY(QFile::link(m_root.filePath(QStringLiteral("secret.txt")),
                        m_files + QStringLiteral("/zimbrel/escape.md")));
    QVERIFY(QFile::link(m_files + QStringLiteral("/zimbrel/1.0.6/release-notes.md"),
                        m_files + QStringLiteral("/zimbrel/inside.md")));

    QString error;
    QVERIFY2(m_service.start(QStringLiteral("sqlite:") + m_root.filePath(QStringLiteral("cloud.db")),
                             {QStringLiteral("--files"), m_files}, &error),
             qPrintable(error));
    m_http = std::make_unique<CloudHttp>(m_service.baseUrl());
}

void TestCloudServer::helpShowsHowToPointTheAppAtIt()
{
    QProcess process;
    process.start(CloudService::programPath(), {QStringLiteral("--help")});
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitCode(), 0);
    const QByteArray text = process.readAllStandardOutput();
    QVERIFY(text.contains("SYNC_API_URL=http://HOST:PORT/zimbrel/v1"));
    QVERIFY(text.contains("--faults SPEC"));
    QVERIFY(text.contains("--tls-cert"));
}

void TestCloudServer::badCommandLinesExitWithTwo_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("listen without port")
        << QStringList{QStringLiteral("--listen"), QStringLiteral("127.0.0.1")};
    QTest::newRow("port out of range")
        << QStringList{QStringLiteral("--listen"), QStringLiteral("127.0.0.1:70000")};
    QTest::newRow("certificate without key")
        << QStringList{QStringLiteral("--tls-cert"), QStringLiteral("a.pem")};
    QTest::newRow("unknown fault") << QStringList{QStringLiteral("--faults"), QStringLiteral("explode=1")};
    QTest::newRow("probability above one")
        << QStringList{QStringLiteral("--faults"), QStringLiteral("push500=2")};
    QTest::newRow("unknown option") << QStringList{QStringLiteral("--colour")};
}

void TestCloudServer::badCommandLinesExitWithTwo()
{
    QFETCH(QStringList, arguments);
    QProcess process;
    process.start(CloudService::programPath(), arguments);
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitCode(), 2);
    QVERIFY(!process.readAllStandardError().isEmpty());
}

void TestCloudServer::servesHttpsWithTheGivenCertificate()
{
    const QString certificate = QFINDTESTDATA("../fixtures/server/tls-cert.pem");
    const QString key = QFINDTESTDATA("../fixtures/server/tls-key.pem");
    QVERIFY(!certificate.isEmpty() && !key.isEmpty());
    CloudService service;
    QString error;
    QVERIFY2(service.start(QStringLiteral("sqlite:") + m_root.filePath(QStringLiteral("tls.db")),
                           {QStringLiteral("--tls-cert"), certificate, QStringLiteral("--tls-key"), key},
                           &error),
             qPrintable(error));
    QCOMPARE(service.baseUrl().scheme(), QStringLiteral("https"));

    QFile certificateFile(certificate);
    QVERIFY(certificateFile.open(QIODevice::ReadOnly));
    QNetworkAccessManager manager;
    QNetworkRequest request(QUrl(QStringLiteral("https://127.0.0.1:%1/healthz").arg(service.port())));
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.setCaCertificates(QSslCertificate::fromData(certificateFile.readAll()));
    request.setSslConfiguration(configuration);
    QNetworkReply *reply = manager.get(request);
    QEventLoop loop;
    connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(20000, &loop, &QEventLoop::quit);
    loop.exec();
    QCOMPARE(reply->error(), QNetworkReply::NoError);
    QCOMPARE(reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), 200);
    QCOMPARE(QJsonDocument::fromJson(reply->readAll()).object().value(QStringLiteral("status")).toString(),
             QStringLiteral("ok"));
    delete reply;

    // Plain HTTP on the TLS port gets no answer.
    CloudHttp plain(QUrl(QStringLiteral("http://127.0.0.1:%1").arg(service.port())));
    QCOMPARE(plain.get(QStringLiteral("/healthz")).status, 0);
}

void TestCloudServer::downloadsCarryTypeAndCacheHeaders_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("contentType");
    QTest::addColumn<QByteArray>("cacheControl");
    QTest::addColumn<QByteArray>("body");
    QTest::newRow("manifest") << QStringLiteral("/downloads/zimbrel/stable/latest.json")
                              << QByteArray("application/json") << QByteArray("no-cache")
                              << QByteArray(R"({"schema":1,"app":"zimbrel"})");
    QTest::newRow("release notes") << QStringLiteral("/downloads/zimbrel/1.0.6/release-notes.md")
                                   << QByteArray("text/markdown; charset=utf-8")
                                   << QByteArray("public, max-age=3600")
                                   << QByteArray("# 1.0.6\n\nFaster.\n");
    QTest::newRow("localized notes") << QStringLiteral("/downloads/zimbrel/1.0.6/release-notes.de.md")
                                     << QByteArray("text/markdown; charset=utf-8")
                                     << QByteArray("public, max-age=3600")
                                     << QByteArray("# 1.0.6\n\nSchneller.\n");
    QTest::newRow("link that stays inside")
        << QStringLiteral("/downloads/zimbrel/inside.md") << QByteArray("text/markdown; charset=utf-8")
        << QByteArray("public, max-age=3600") << QByteArray("# 1.0.6\n\nFaster.\n");
}

void TestCloudServer::downloadsCarryTypeAndCacheHeaders()
{
    QFETCH(QString, path);
    QFETCH(QByteArray, contentType);
    QFETCH(QByteArray, cacheControl);
    QFETCH(QByteArray, body);
    const HttpResult result = m_http->get(path);
    QCOMPARE(result.status, 200);
    QCOMPARE(result.header("Content-Type"), contentType);
    QCOMPARE(result.header("Cache-Control"), cacheControl);
    QVERIFY(!result.header("ETag").isEmpty());
    QVERIFY(result.header("Last-Modified").endsWith(" GMT"));
    QCOMPARE(result.body, body);
}

void TestCloudServer::unchangedFileIsAnsweredNotModified()
{
    const QString path = QStringLiteral("/downloads/zimbrel/stable/latest.json");
    const HttpResult first = m_http->get(path);
    const HttpResult again = m_http->request("GET", path, {}, {}, {{"If-None-Match", first.header("ETag")}});
    QCOMPARE(again.status, 304);
    QVERIFY(again.body.isEmpty());
    QCOMPARE(again.header("ETag"), first.header("ETag"));
    const HttpResult since =
        m_http->request("GET", path, {}, {}, {{"If-Modified-Since", first.header("Last-Modified")}});
    QCOMPARE(since.status, 304);
    const HttpResult otherTag =
        m_http->request("GET", path, {}, {}, {{"If-None-Match", "\"something-else\""}});
    QCOMPARE(otherTag.status, 200);
    QCOMPARE(otherTag.body, first.body);
}

void TestCloudServer::nothingOutsideTheFolderIsServed_data()
{
    QTest::addColumn<QByteArray>("target");
    QTest::newRow("dot dot") << QByteArray("/downloads/../secret.txt");
    QTest::newRow("dot dot deeper") << QByteArray("/downloads/zimbrel/../../secret.txt");
    QTest::newRow("encoded dot dot") << QByteArray("/downloads/%2e%2e/secret.txt");
    QTest::newRow("encoded slash") << QByteArray("/downloads/..%2fsecret.txt");
    QTest::newRow("encoded backslash") << QByteArray("/downloads/..%5csecret.txt");
    QTest::newRow("double encoded") << QByteArray("/downloads/%252e%252e/secret.txt");
    QTest::newRow("link leaving the folder") << QByteArray("/downloads/zimbrel/escape.md");
    QTest::newRow("absolute path in a segment") << QByteArray("/downloads/%2fetc%2fpasswd");
    QTest::newRow("nul byte") << QByteArray("/downloads/zimbrel/stable/latest.json%00.md");
    QTest::newRow("folder itself") << QByteArray("/downloads/zimbrel/stable");
    QTest::newRow("missing file") << QByteArray("/downloads/zimbrel/9.9.9/release-notes.md");
}

void TestCloudServer::nothingOutsideTheFolderIsServed()
{
    QFETCH(QByteArray, target);
    // Raw bytes, so no client library tidies the path before it reaches the service.
    const QByteArray response =
        m_http->raw("GET " + target + " HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n");
    QCOMPARE(CloudHttp::statusOfRaw(response), 404);
    QVERIFY(!response.contains("secret"));
    QVERIFY(!response.contains("root:"));
}

QTEST_GUILESS_MAIN(TestCloudServer)
#include "tst_cloudserver.moc"
