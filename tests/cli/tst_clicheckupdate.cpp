#include "downloadfolder.h"
#include "manifestjson.h"
#include "update/client.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestCliCheckUpdate : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void checkUpdate_data();
    void checkUpdate();
    void usageErrors_data();
    void usageErrors();

private:
    struct Run
    {
        int exitCode = -1;
        QByteArray out;
        QByteArray err;
    };
    // Runs zimbrel-cli with ZIMBREL_UPDATE_URL set to `updateUrl` (unset when empty).
    Run run(const QStringList &globalOptions, const QStringList &arguments, const QString &updateUrl);

    DownloadFolder m_folder;
    QTemporaryDir m_dataDir;
};

void TestCliCheckUpdate::initTestCase()
{
    QString error;
    QVERIFY2(m_folder.start(&error), qPrintable(error));
}

TestCliCheckUpdate::Run TestCliCheckUpdate::run(const QStringList &globalOptions,
                                                const QStringList &arguments, const QString &updateUrl)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("ZIMBREL_UPDATE_URL"));
    if (!updateUrl.isEmpty())
        environment.insert(QStringLiteral("ZIMBREL_UPDATE_URL"), updateUrl);
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(ZIMBREL_CLI_PATH),
                  QStringList{QStringLiteral("--data-dir"), m_dataDir.path()} + globalOptions +
                      QStringList{QStringLiteral("check-update")} + arguments);
    process.closeWriteChannel();
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

void TestCliCheckUpdate::checkUpdate_data()
{
    QTest::addColumn<QString>("offered"); // version in latest.json; empty: no latest.json
    QTest::addColumn<QString>("source");  // "environment" or "server"
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("version");
    QTest::addColumn<bool>("hasUrl");
    QTest::addColumn<QString>("error"); // a trailing "*" stands for the network's own words

    QTest::newRow("update available") << "1.0.6"
                                      << "environment" << 0 << "update-available"
                                      << "1.0.6" << true << "";
    QTest::newRow("up to date") << "1.0.5"
                                << "environment" << 0 << "up-to-date"
                                << "1.0.5" << false << "";
    QTest::newRow("no manifest fails") << ""
                                       << "environment" << 1 << "failed"
                                       << "1.0.5" << false << "network error: *";
    QTest::newRow("self-hosted server origin") << "1.0.6"
                                               << "server" << 0 << "update-available"
                                               << "1.0.6" << true << "";
}

void TestCliCheckUpdate::checkUpdate()
{
    QFETCH(QString, offered);
    QFETCH(QString, source);
    QFETCH(int, exitCode);
    QFETCH(QString, result);
    QFETCH(QString, version);
    QFETCH(bool, hasUrl);
    QFETCH(QString, error);
    const QString platform = CorvantisUpdate::Client::platformKey();
    if (platform.isEmpty())
        QSKIP("no release is shipped for this system");

    const QString download = QStringLiteral("https://downloads.corvantis.com/zimbrel/%1/").arg(offered);
    if (offered.isEmpty())
        m_folder.remove(QStringLiteral("zimbrel/stable/latest.json"));
    else
        QVERIFY(m_folder.write(
            QStringLiteral("zimbrel/stable/latest.json"),
            ManifestJson::manifest(QJsonObject{{platform, ManifestJson::artifact(offered, download)}})));

    Run outcome;
    if (source == QLatin1String("environment")) {
        outcome = run({}, {}, m_folder.channelUrl().toString());
    } else {
        // The folder's origin: the service serves it below /downloads/.
        QUrl origin = m_folder.url(QString());
        origin.setPath(QString());
        outcome = run({QStringLiteral("--server"), origin.toString()}, {}, QString());
    }
    QCOMPARE(outcome.exitCode, exitCode);

    QJsonParseError parseError;
    const QJsonObject printed = QJsonDocument::fromJson(outcome.out, &parseError).object();
    QCOMPARE(parseError.error, QJsonParseError::NoError);
    QCOMPARE(printed.keys(), (QStringList{"error", "result", "url", "version"}));
    QCOMPARE(printed.value(QStringLiteral("result")).toString(), result);
    QCOMPARE(printed.value(QStringLiteral("version")).toString(), version);
    QCOMPARE(printed.value(QStringLiteral("url")),
             hasUrl ? QJsonValue(download) : QJsonValue(QJsonValue::Null));
    if (error.isEmpty()) {
        QVERIFY(printed.value(QStringLiteral("error")).isNull());
        QVERIFY(outcome.err.isEmpty());
    } else {
        const QString printedError = printed.value(QStringLiteral("error")).toString();
        if (error.endsWith(QLatin1Char('*')))
            QVERIFY2(printedError.startsWith(error.chopped(1)), qPrintable(printedError));
        else
            QCOMPARE(printedError, error);
        // One line on standard error as well, like every failing command.
        QCOMPARE(outcome.err,
                 ("zimbrel-cli: update check failed: " + printedError + QLatin1Char('\n')).toUtf8());
    }
}

void TestCliCheckUpdate::usageErrors_data()
{
    QTest::addColumn<QStringList>("globalOptions");
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("stray argument") << QStringList() << QStringList{QStringLiteral("now")};
    QTest::newRow("unknown option") << QStringList()
                                    << QStringList{QStringLiteral("--channel"), QStringLiteral("beta")};
    QTest::newRow("server origin that is no address")
        << QStringList{QStringLiteral("--server"), QStringLiteral("cloud example org")} << QStringList();
}

void TestCliCheckUpdate::usageErrors()
{
    QFETCH(QStringList, globalOptions);
    QFETCH(QStringList, arguments);
    const Run outcome = run(globalOptions, arguments, m_folder.channelUrl().toString());
    QCOMPARE(outcome.exitCode, 2);
    QVERIFY(outcome.out.isEmpty());
    QVERIFY(!outcome.err.isEmpty());
}

QTEST_GUILESS_MAIN(TestCliCheckUpdate)
#include "tst_clicheckupdate.moc"
