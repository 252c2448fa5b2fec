#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void initTwiceReportsVersionTwo();
    void usageErrors_data();
    void usageErrors();

private:
    struct Run
    {
        int exitCode = -1;
        QByteArray out;
        QByteArray err;
    };
    static Run run(const QStringList &arguments);
};

TestCli::Run TestCli::run(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(ZIMBREL_CLI_PATH), arguments);
    process.closeWriteChannel();
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

void TestCli::initTwiceReportsVersionTwo()
{
    QTemporaryDir root;
    const QString dir = root.filePath(QStringLiteral("nested/data"));
    for (int attempt = 0; attempt < 2; ++attempt) {
        const Run result = run({QStringLiteral("--data-dir"), dir, QStringLiteral("init")});
        QCOMPARE(result.exitCode, 0);
        const QJsonObject object = QJsonDocument::fromJson(result.out).object();
        QCOMPARE(object.value(QStringLiteral("schema_version")).toInt(), 2);
        QCOMPARE(object.value(QStringLiteral("database")).toString(), dir + QStringLiteral("/zimbrel.db"));
    }
}

void TestCli::usageErrors_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("no command") << QStringList{} << 2;
    QTest::newRow("unknown command") << QStringList{QStringLiteral("frobnicate")} << 2;
    QTest::newRow("unknown option") << QStringList{QStringLiteral("--colour")} << 2;
    QTest::newRow("data dir without value") << QStringList{QStringLiteral("--data-dir")} << 2;
    QTest::newRow("version") << QStringList{QStringLiteral("--version")} << 0;
    QTest::newRow("help") << QStringList{QStringLiteral("--help")} << 0;
}

void TestCli::usageErrors()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    const Run result = run(arguments);
    QCOMPARE(result.exitCode, exitCode);
    if (exitCode != 0)
        QVERIFY(!result.err.isEmpty());
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
