#include <QDate>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The report, backup and sample-data subcommands of zimbrel-cli, run as a separate process.
class TestReportCommands : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void sampleDataLoadStatusClear();
    void reportRowsUseSnakeCaseKeysAndMinorUnits();
    void reportCsv();
    void longListsPrintTheIndentedArrayText_data();
    void longListsPrintTheIndentedArrayText();
    void backupRoundTripThroughFiles();
    void usageErrors_data();
    void usageErrors();

private:
    struct Run
    {
        int exitCode = -1;
        QByteArray out;
        QByteArray err;
    };
    Run run(const QString &dataDir, const QStringList &arguments) const;
    Run run(const QStringList &arguments) const { return run(m_dataDir, arguments); }

    std::unique_ptr<QTemporaryDir> m_root;
    QString m_dataDir;
};

TestReportCommands::Run TestReportCommands::run(const QString &dataDir, const QStringList &arguments) const
{
    QProcess process;
    process.start(QStringLiteral(ZIMBREL_CLI_PATH),
                  QStringList{QStringLiteral("--data-dir"), dataDir} + arguments);
    process.closeWriteChannel();
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

void TestReportCommands::init()
{
    m_root = std::make_unique<QTemporaryDir>();
    QVERIFY(m_root->isValid());
    m_dataDir = m_root->filePath(QStringLiteral("data"));
}

void TestReportCommands::sampleDataLoadStatusClear()
{
    const auto loaded = [](const Run &result) {
        return QJsonDocument::fromJson(result.out).object().value(QStringLiteral("loaded"));
    };
    QCOMPARE(loaded(run({QStringLiteral("sample-data"), QStringLiteral("status")})), QJsonValue(false));
    QCOMPARE(run({QStringLiteral("sample-data"), QStringLiteral("clear")}).exitCode, 1);
    const Run load = run({QStringLiteral("sample-data"), QStringLiteral("load")});
    QCOMPARE(load.exitCode, 0);
    QCOMPARE(loaded(load), QJsonValue(true));
    QCOMPARE(run({QStringLiteral("sample-data"), QStringLiteral("load")}).exitCode, 1);
    QCOMPARE(loaded(run({QStringLiteral("sample-data"), QStringLiteral("status")})), QJsonValue(true));
    QCOMPARE(loaded(run({QStringLiteral("sample-data"), QStringLiteral("clear")})), QJsonValue(false));
}

void TestReportCommands::reportRowsUseSnakeCaseKeysAndMinorUnits()
{
    QCOMPARE(run({QStringLiteral("sample-data"), QStringLiteral("load")}).exitCode, 0);

    const Run summary = run({QStringLiteral("report"), QStringLiteral("account-summary")});
    QCOMPARE(summary.exitCode, 0);
    const QJsonArray accounts = QJsonDocument::fromJson(summary.out).array();
    QCOMPARE(accounts.size(), 3);
    const QJsonObject checking = accounts.at(0).toObject();
    QCOMPARE(checking.keys(), (QStringList{QStringLiteral("account_type"), QStringLiteral("balance"),
                                           QStringLiteral("cleared_balance"), QStringLiteral("name"),
                                           QStringLiteral("uncleared_total")}));
    QCOMPARE(checking.value(QStringLiteral("name")).toString(), QStringLiteral("Main Checking"));
    QCOMPARE(checking.value(QStringLiteral("balance")).toInteger(), 1125960);

    const QString today = QDate::currentDate().toString(Qt::ISODate);
    const QString from = QDate::currentDate().addDays(-60).toString(Qt::ISODate);
    const Run spending =
        run({QStringLiteral("report"), QStringLiteral("category-spending"), QStringLiteral("--from"), from,
             QStringLiteral("--to"), today, QStringLiteral("--account"), QStringLiteral("sample-acct-visa")});
    QCOMPARE(spending.exitCode, 0);
    const QJsonObject largest = QJsonDocument::fromJson(spending.out).array().at(0).toObject();
    QCOMPARE(largest, (QJsonObject{{QStringLiteral("name"), QStringLiteral("Dining & Restaurants")},
                                   {QStringLiteral("total"), -11965}}));

    const Run list = run({QStringLiteral("report"), QStringLiteral("transactions"), QStringLiteral("--from"),
                          today, QStringLiteral("--to"), today});
    const QJsonArray legs = QJsonDocument::fromJson(list.out).array();
    QCOMPARE(legs.size(), 2);
    QCOMPARE(legs.at(0).toObject().value(QStringLiteral("date")).toString(), today);
    QCOMPARE(legs.at(0).toObject().value(QStringLiteral("category_name")).toString(), QString());
    QCOMPARE(legs.at(0).toObject().value(QStringLiteral("amount")).toInteger(), 50000);
}

void TestReportCommands::reportCsv()
{
    QCOMPARE(run({QStringLiteral("sample-data"), QStringLiteral("load")}).exitCode, 0);
    const Run csv =
        run({QStringLiteral("report"), QStringLiteral("account-summary"), QStringLiteral("--csv")});
    QCOMPARE(csv.exitCode, 0);
    const QList<QByteArray> lines = csv.out.split('\n');
    QCOMPARE(lines.value(0), QByteArray(R"("Account","Type","Cleared","Uncleared","Total")"));
    QCOMPARE(lines.value(3), QByteArray(R"("Visa Rewards","credit_card","-6494","2655","-3839")"));
}

void TestReportCommands::longListsPrintTheIndentedArrayText_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("empty");
    const QString today = QDate::currentDate().toString(Qt::ISODate);
    QTest::newRow("register") << QStringList{QStringLiteral("register"), QStringLiteral("sample-acct-visa")}
                              << false;
    QTest::newRow("search") << QStringList{QStringLiteral("search"), QStringLiteral("slash")} << false;
    QTest::newRow("search without a match")
        << QStringList{QStringLiteral("search"), QStringLiteral("zzzz")} << true;
    QTest::newRow("transactions report")
        << QStringList{QStringLiteral("report"),     QStringLiteral("transactions"), QStringLiteral("--from"),
                       QStringLiteral("1900-01-01"), QStringLiteral("--to"),         today}
        << false;
    QTest::newRow("transactions report of an empty period")
        << QStringList{QStringLiteral("report"), QStringLiteral("transactions"),
                       QStringLiteral("--from"), QStringLiteral("1900-01-01"),
                       QStringLiteral("--to"),   QStringLiteral("1900-01-02")}
        << true;
}

// Registers, searches and the transactions report are printed row by row as they are read; the
// text must stay the indented array that scripts have always read, escapes and all.
void TestReportCommands::longListsPrintTheIndentedArrayText()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, empty);
    QCOMPARE(run({QStringLiteral("sample-data"), QStringLiteral("load")}).exitCode, 0);
    const QString payee = QStringLiteral("Caf\u00e9 \"\u6771\u4eac\" \U0001F600 back\\slash\ttab");
    const Run added =
        run({QStringLiteral("tx-add"), QStringLiteral("sample-acct-visa"), QStringLiteral("--date"),
             QDate::currentDate().toString(Qt::ISODate), QStringLiteral("--payee"), payee,
             QStringLiteral("--amount"), QStringLiteral("-1.25")});
    QCOMPARE(added.exitCode, 0);

    const Run listed = run(arguments);
    QCOMPARE(listed.exitCode, 0);
    const QJsonDocument document = QJsonDocument::fromJson(listed.out);
    QVERIFY(document.isArray());
    QCOMPARE(listed.out, document.toJson(QJsonDocument::Indented));
    QCOMPARE(document.array().isEmpty(), empty);
    if (empty)
        return;
    bool found = false;
    for (const QJsonValue &row : document.array())
        found = found || row.toObject().value(QStringLiteral("payee")).toString() == payee;
    QVERIFY(found);
}

void TestReportCommands::backupRoundTripThroughFiles()
{
    QCOMPARE(run({QStringLiteral("sample-data"), QStringLiteral("load")}).exitCode, 0);
    const QString archive = m_root->filePath(QStringLiteral("backup.zip"));
    const Run exported = run({QStringLiteral("backup-export"), archive});
    QCOMPARE(exported.exitCode, 0);
    QVERIFY(QFile::exists(archive));

    const QString otherDir = m_root->filePath(QStringLiteral("other"));
    const Run imported = run(otherDir, {QStringLiteral("backup-import"), archive, QStringLiteral("--mode"),
                                        QStringLiteral("keep-newer")});
    QCOMPARE(imported.exitCode, 0);
    const QJsonObject result = QJsonDocument::fromJson(imported.out).object();
    const QJsonObject counts = result.value(QStringLiteral("imported")).toObject();
    QCOMPARE(counts.value(QStringLiteral("accounts")).toInt(), 3);
    QCOMPARE(counts.value(QStringLiteral("transactions")).toInt(), 49);
    QCOMPARE(counts.value(QStringLiteral("recurring_transactions")).toInt(), 3);
    QCOMPARE(result.value(QStringLiteral("errors")).toArray(), QJsonArray());
    const Run summary = run(otherDir, {QStringLiteral("report"), QStringLiteral("account-summary")});
    QCOMPARE(QJsonDocument::fromJson(summary.out)
                 .array()
                 .at(2)
                 .toObject()
                 .value(QStringLiteral("balance"))
                 .toInteger(),
             -3839);

    QFile garbage(m_root->filePath(QStringLiteral("garbage.zip")));
    QVERIFY(garbage.open(QIODevice::WriteOnly));
    garbage.write("not an archive");
    garbage.close();
    const Run failed = run(otherDir, {QStringLiteral("backup-import"), garbage.fileName(),
                                      QStringLiteral("--mode"), QStringLiteral("skip")});
    QCOMPARE(failed.exitCode, 1);
    QCOMPARE(QJsonDocument::fromJson(failed.out).object().value(QStringLiteral("errors")).toArray(),
             QJsonArray{QStringLiteral("Failed to open ZIP archive")});
}

void TestReportCommands::usageErrors_data()
{
    QTest::addColumn<QStringList>("arguments");
    const QString from = QStringLiteral("--from");
    const QString to = QStringLiteral("--to");
    const QString day = QStringLiteral("2026-01-01");
    QTest::newRow("no report name") << QStringList{QStringLiteral("report")};
    QTest::newRow("unknown report") << QStringList{
        QStringLiteral("report"), QStringLiteral("profit"), from, day, to, day};
    QTest::newRow("missing period") << QStringList{QStringLiteral("report"), QStringLiteral("cash-flow")};
    QTest::newRow("unreadable date") << QStringList{
        QStringLiteral("report"), QStringLiteral("cash-flow"), from, QStringLiteral("1/2/2026"), to, day};
    QTest::newRow("second period missing")
        << QStringList{QStringLiteral("report"), QStringLiteral("year-over-year"), from, day, to, day};
    QTest::newRow("category filter on another report") << QStringList{QStringLiteral("report"),
                                                                      QStringLiteral("payee-summary"),
                                                                      from,
                                                                      day,
                                                                      to,
                                                                      day,
                                                                      QStringLiteral("--category"),
                                                                      QStringLiteral("c")};
    QTest::newRow("account filter on the tax report")
        << QStringList{QStringLiteral("report"),    QStringLiteral("tax"), from, day, to, day,
                       QStringLiteral("--account"), QStringLiteral("a")};
    QTest::newRow("import without mode")
        << QStringList{QStringLiteral("backup-import"), QStringLiteral("x.zip")};
    QTest::newRow("import with unknown mode")
        << QStringList{QStringLiteral("backup-import"), QStringLiteral("x.zip"), QStringLiteral("--mode"),
                       QStringLiteral("merge")};
    QTest::newRow("export without file") << QStringList{QStringLiteral("backup-export")};
    QTest::newRow("sample data without action") << QStringList{QStringLiteral("sample-data")};
}

void TestReportCommands::usageErrors()
{
    QFETCH(QStringList, arguments);
    const Run result = run(arguments);
    QCOMPARE(result.exitCode, 2);
    QVERIFY(!result.err.isEmpty());
    QVERIFY(result.out.isEmpty());
}

QTEST_GUILESS_MAIN(TestReportCommands)
#include "tst_reportcommands.moc"
