#include "data/accountrepository.h"
#include "data/database.h"
#include "support/recordbuilders.h"
#include "support/testdatabase.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestImportCommands : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void importCsvTwice();
    void importQifWithMapping();
    void qifInspectPrintsTheParse();
    void qifAnalyzeNamesTheNewAccountWithoutExtension();
    void usageErrors_data();
    void usageErrors();

private:
    struct Run
    {
        int exitCode = -1;
        QJsonObject json;
        QByteArray err;
    };
    Run run(const QStringList &arguments) const;
    QString writeFile(const QString &name, const QByteArray &bytes) const;
    QString addAccount(const QString &name) const;

    std::unique_ptr<QTemporaryDir> m_root;
    QString m_dataDir;
};

void TestImportCommands::init()
{
    m_root = std::make_unique<QTemporaryDir>();
    m_dataDir = m_root->filePath(QStringLiteral("data"));
    QCOMPARE(run({QStringLiteral("init")}).exitCode, 0);
}

void TestImportCommands::cleanup()
{
    m_root.reset();
}

TestImportCommands::Run TestImportCommands::run(const QStringList &arguments) const
{
    QProcess process;
    process.start(QStringLiteral(ZIMBREL_CLI_PATH),
                  QStringList{QStringLiteral("--data-dir"), m_dataDir} + arguments);
    process.closeWriteChannel();
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitCode(), QJsonDocument::fromJson(process.readAllStandardOutput()).object(),
            process.readAllStandardError()};
}

QString TestImportCommands::writeFile(const QString &name, const QByteArray &bytes) const
{
    const QString path = m_root->filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(bytes);
    return path;
}

// Written in-process on the same file the command-line tool opens.
QString TestImportCommands::addAccount(const QString &name) const
{
    Database database;
    if (!database.open(m_dataDir + QStringLiteral("/zimbrel.db")))
        return {};
    AccountRepository accounts(&database);
    const Account account = Records::account(name);
    return accounts.insert(account) ? account.id : QString();
}

void TestImportCommands::importCsvTwice()
{
    const QString account = addAccount(QStringLiteral("Girokonto"));
    QVERIFY(!account.isEmpty());
    const QString csv = writeFile(QStringLiteral("bank.csv"),
                                  "Buchungstag;Empfänger;Betrag;Zweck\n27.02.2024;Miete;-850,00;März\n"
                                  "28.02.2024;Lohn;2.500,00;\nkein Datum;x;1,00;\n");
    const QStringList arguments{QStringLiteral("import-csv"),    csv,
                                QStringLiteral("--account"),     account,
                                QStringLiteral("--date-format"), QStringLiteral("dd.MM.yyyy"),
                                QStringLiteral("--memo-column"), QStringLiteral("3")};
    Run first = run(arguments);
    QCOMPARE(first.exitCode, 0);
    QCOMPARE(first.err, QByteArray()); // no progress bar when stderr is not a terminal
    QCOMPARE(first.json.value(QStringLiteral("imported")).toInt(), 2);
    QCOMPARE(first.json.value(QStringLiteral("unparseable")).toInt(), 1);
    QCOMPARE(first.json.keys(),
             (QStringList{"aborted", "database_errors", "duplicates", "imported", "metadata_skipped",
                          "retroactive_links", "transfers_linked", "unmapped_skipped", "unparseable"}));

    const Run second = run(arguments + QStringList{QStringLiteral("--delimiter"), QStringLiteral(";")});
    QCOMPARE(second.exitCode, 0);
    QCOMPARE(second.json.value(QStringLiteral("imported")).toInt(), 0);
    QCOMPARE(second.json.value(QStringLiteral("duplicates")).toInt(), 2);
}

void TestImportCommands::importQifWithMapping()
{
    const QString checking = addAccount(QStringLiteral("Checking"));
    const QString savings = addAccount(QStringLiteral("Savings"));
    const QString qif = QFINDTESTDATA("../fixtures/import/qif/account_blocks_transfers/input.qif");
    const Run result =
        run({QStringLiteral("import-qif"), qif, QStringLiteral("--map"),
             QStringLiteral("Checking=") + checking, QStringLiteral("--map"),
             QStringLiteral("savings=") + savings, QStringLiteral("--map"), QStringLiteral("Visa=skip")});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.json.value(QStringLiteral("imported")).toInt(), 3);
    QCOMPARE(result.json.value(QStringLiteral("transfers_linked")).toInt(), 1);
    QCOMPARE(result.json.value(QStringLiteral("unmapped_skipped")).toInt(), 1);

    const Run unknown =
        run({QStringLiteral("import-qif"), qif, QStringLiteral("--map"), QStringLiteral("Checking=nope")});
    QCOMPARE(unknown.exitCode, 1);
}

void TestImportCommands::qifInspectPrintsTheParse()
{
    const QString folder = QFINDTESTDATA("../fixtures/import/qif/day_first");
    QFile expected(folder + QStringLiteral("/expected.json"));
    QVERIFY(expected.open(QIODevice::ReadOnly));
    const Run result = run({QStringLiteral("qif-inspect"), folder + QStringLiteral("/input.qif")});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.json, QJsonDocument::fromJson(expected.readAll()).object());

    const Run forced = run({QStringLiteral("qif-inspect"), folder + QStringLiteral("/input.qif"),
                            QStringLiteral("--date-order"), QStringLiteral("month-first")});
    QCOMPARE(forced.json.value(QStringLiteral("date_order")).toString(), QStringLiteral("month-first"));
    QCOMPARE(forced.json.value(QStringLiteral("unparseable_count")).toInt(),
             1); // 13.5.2024 is no month-first date
}

void TestImportCommands::qifAnalyzeNamesTheNewAccountWithoutExtension()
{
    const QString qif =
        writeFile(QStringLiteral("normalTransactions.qif"), "!Type:Bank\nD1/2/24\nPShop\nT-1.00\n^\n");
    const Run result = run({QStringLiteral("qif-analyze"), qif});
    QCOMPARE(result.exitCode, 0);
    const QJsonObject entry = result.json.value(QStringLiteral("entries")).toArray().first().toObject();
    QCOMPARE(entry.value(QStringLiteral("key")).toString(), qif);
    QCOMPARE(entry.value(QStringLiteral("account_name")).toString(), QStringLiteral("normalTransactions"));
}

void TestImportCommands::usageErrors_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("inspect without file") << QStringList{QStringLiteral("qif-inspect")} << 2;
    QTest::newRow("inspect bad order") << QStringList{"qif-inspect", "x.qif", "--date-order", "yearly"} << 2;
    QTest::newRow("inspect missing file") << QStringList{"qif-inspect", "/nonexistent/x.qif"} << 1;
    QTest::newRow("analyze missing file") << QStringList{"qif-analyze", "/nonexistent/x.qif"} << 1;
    QTest::newRow("map without target") << QStringList{"import-qif", "x.qif", "--map", "Checking="} << 2;
    QTest::newRow("csv without account") << QStringList{"import-csv", "x.csv"} << 2;
    QTest::newRow("csv bad column") << QStringList{"import-csv", "x.csv",           "--account",
                                                   "a",          "--amount-column", "-1"}
                                    << 2;
    QTest::newRow("csv bad delimiter")
        << QStringList{"import-csv", "/dev/null", "--account", "a", "--delimiter", "|"} << 2;
    QTest::newRow("csv unknown account") << QStringList{"import-csv", "/dev/null", "--account", "a"} << 1;
}

void TestImportCommands::usageErrors()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    const Run result = run(arguments);
    QCOMPARE(result.exitCode, exitCode);
    QVERIFY(!result.err.isEmpty());
}

QTEST_GUILESS_MAIN(TestImportCommands)
#include "tst_importcommands.moc"
