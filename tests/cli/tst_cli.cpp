#include "data/database.h"
#include "data/recurringrepository.h"
#include "support/recordbuilders.h"

#include <QJsonArray>
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
    void registerEndsAtTheAccountBalance();
    void badStorageArgumentsWriteNothing_data();
    void badStorageArgumentsWriteNothing();
    void searchAppliesQueryAndFilters();
    void categoriesAreSeededOnFirstUse();
    void recurringProcessPrintsThePostedCount();

private:
    struct Run
    {
        int exitCode = -1;
        QByteArray out;
        QByteArray err;
    };
    static Run run(const QStringList &arguments);
    // Runs a command on `dir` and parses its JSON output; an exit code other than 0 fails the test.
    static QJsonDocument runJson(const QString &dir, const QStringList &arguments);
    static QString addAccount(const QString &dir, const QStringList &options = {});
};

QJsonDocument TestCli::runJson(const QString &dir, const QStringList &arguments)
{
    const Run result = run(QStringList{QStringLiteral("--data-dir"), dir} + arguments);
    if (result.exitCode != 0) {
        QTest::qFail(qPrintable(QStringLiteral("%1 exited with %2: %3")
                                    .arg(arguments.join(QLatin1Char(' ')))
                                    .arg(result.exitCode)
                                    .arg(QString::fromUtf8(result.err))),
                     __FILE__, __LINE__);
        return {};
    }
    return QJsonDocument::fromJson(result.out);
}

QString TestCli::addAccount(const QString &dir, const QStringList &options)
{
    return runJson(dir, QStringList{QStringLiteral("account-add"), QStringLiteral("Checking")} + options)
        .object()
        .value(QStringLiteral("id"))
        .toString();
}

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

void TestCli::registerEndsAtTheAccountBalance()
{
    QTemporaryDir dir;
    const QString account =
        addAccount(dir.path(), {QStringLiteral("--starting-balance"), QStringLiteral("1000.50"),
                                QStringLiteral("--as-of"), QStringLiteral("2026-01-01")});
    QVERIFY(!account.isEmpty());
    runJson(dir.path(),
            {QStringLiteral("tx-add"), account, QStringLiteral("--date"), QStringLiteral("2026-01-05"),
             QStringLiteral("--payee"), QStringLiteral("Grocer"), QStringLiteral("--amount"),
             QStringLiteral("-25.10"), QStringLiteral("--category"), QStringLiteral("Groceries")});
    runJson(dir.path(), {QStringLiteral("tx-add"), account, QStringLiteral("--date"),
                         QStringLiteral("2026-01-03"), QStringLiteral("--payee"), QStringLiteral("Employer"),
                         QStringLiteral("--amount"), QStringLiteral("100")});

    const QJsonArray rows = runJson(dir.path(), {QStringLiteral("register"), account}).array();
    QCOMPARE(rows.size(), 3);
    // The starting balance is a stored transaction, dated as given, as the app stores it.
    QCOMPARE(rows.at(0)[QStringLiteral("payee")].toString(), QStringLiteral("Opening Balance"));
    QCOMPARE(rows.at(0)[QStringLiteral("date")].toString(), QStringLiteral("2026-01-01"));
    QVERIFY(!rows.at(0)[QStringLiteral("id")].toString().isEmpty());
    QVERIFY(rows.at(0)[QStringLiteral("reconciled")].toBool());
    QCOMPARE(rows.at(0)[QStringLiteral("running_balance")].toInteger(), 100050);
    QCOMPARE(rows.at(1)[QStringLiteral("running_balance")].toInteger(), 110050);
    QCOMPARE(rows.at(2)[QStringLiteral("category_name")].toString(), QStringLiteral("Groceries"));
    QCOMPARE(rows.at(2)[QStringLiteral("amount")].toInteger(), -2510);
    QCOMPARE(rows.at(2)[QStringLiteral("running_balance")].toInteger(), 107540);

    const QJsonArray accounts = runJson(dir.path(), {QStringLiteral("accounts")}).array();
    QCOMPARE(accounts.size(), 1);
    QCOMPARE(accounts.at(0)[QStringLiteral("balance")].toInteger(), 107540);
    QCOMPARE(accounts.at(0)[QStringLiteral("starting_balance")].toInteger(), 0);
}

void TestCli::badStorageArgumentsWriteNothing_data()
{
    QTest::addColumn<QStringList>("arguments"); // ACCOUNT stands for a real account id
    const QString account = QStringLiteral("ACCOUNT");
    const auto txAdd = [&](const QString &accountId, const QString &date, const QString &amount) {
        return QStringList{
            QStringLiteral("tx-add"),  accountId,           QStringLiteral("--date"),   date,
            QStringLiteral("--payee"), QStringLiteral("P"), QStringLiteral("--amount"), amount};
    };
    QTest::newRow("unknown account") << txAdd(QStringLiteral("no-such-account"), QStringLiteral("2026-01-01"),
                                              QStringLiteral("1"));
    QTest::newRow("month 13") << txAdd(account, QStringLiteral("2026-13-01"), QStringLiteral("1"));
    QTest::newRow("slashed date") << txAdd(account, QStringLiteral("1/2/2026"), QStringLiteral("1"));
    QTest::newRow("amount with letters")
        << txAdd(account, QStringLiteral("2026-01-01"), QStringLiteral("12abc"));
    QTest::newRow("more decimals than cents")
        << txAdd(account, QStringLiteral("2026-01-01"), QStringLiteral("1.005"));
    QTest::newRow("amount overflowing")
        << txAdd(account, QStringLiteral("2026-01-01"), QStringLiteral("99999999999999999999"));
    QTest::newRow("unknown category")
        << txAdd(account, QStringLiteral("2026-01-01"), QStringLiteral("1")) +
               QStringList{QStringLiteral("--category"), QStringLiteral("Nope")};
    QTest::newRow("missing payee") << QStringList{QStringLiteral("tx-add"),   account,
                                                  QStringLiteral("--date"),   QStringLiteral("2026-01-01"),
                                                  QStringLiteral("--amount"), QStringLiteral("1")};
    QTest::newRow("unknown account type") << QStringList{QStringLiteral("account-add"), QStringLiteral("X"),
                                                         QStringLiteral("--type"), QStringLiteral("boat")};
    QTest::newRow("unknown currency") << QStringList{QStringLiteral("account-add"), QStringLiteral("X"),
                                                     QStringLiteral("--currency"), QStringLiteral("CHF")};
    QTest::newRow("cents on yen") << QStringList{
        QStringLiteral("account-add"),        QStringLiteral("X"),
        QStringLiteral("--currency"),         QStringLiteral("JPY"),
        QStringLiteral("--starting-balance"), QStringLiteral("10.5")};
    QTest::newRow("as-of date not a date") << QStringList{
        QStringLiteral("account-add"), QStringLiteral("X"),       QStringLiteral("--starting-balance"),
        QStringLiteral("5"),           QStringLiteral("--as-of"), QStringLiteral("2026-02-30")};
    QTest::newRow("register of unknown account")
        << QStringList{QStringLiteral("register"), QStringLiteral("nope")};
    QTest::newRow("search cleared maybe")
        << QStringList{QStringLiteral("search"), QStringLiteral("--cleared"), QStringLiteral("maybe")};
    QTest::newRow("search bad from date")
        << QStringList{QStringLiteral("search"), QStringLiteral("--from"), QStringLiteral("2026-02-30")};
}

void TestCli::badStorageArgumentsWriteNothing()
{
    QFETCH(QStringList, arguments);
    QTemporaryDir dir;
    const QString account = addAccount(dir.path());
    QVERIFY(!account.isEmpty());
    arguments.replaceInStrings(QStringLiteral("ACCOUNT"), account);

    const Run result = run(QStringList{QStringLiteral("--data-dir"), dir.path()} + arguments);
    QCOMPARE(result.exitCode, 2);
    QVERIFY(result.out.isEmpty());
    QVERIFY(!result.err.isEmpty());
    QCOMPARE(runJson(dir.path(), {QStringLiteral("accounts")}).array().size(), 1);
    QCOMPARE(runJson(dir.path(), {QStringLiteral("register"), account}).array().size(), 0);
}

void TestCli::searchAppliesQueryAndFilters()
{
    QTemporaryDir dir;
    const QString account = addAccount(dir.path());
    const QString other = addAccount(dir.path());
    for (const auto &[accountId, date, payee] :
         {std::tuple{account, QStringLiteral("2026-01-01"), QStringLiteral("Coffee Club")},
          std::tuple{account, QStringLiteral("2026-02-01"), QStringLiteral("Book Shop")},
          std::tuple{other, QStringLiteral("2026-03-01"), QStringLiteral("Coffee Cart")}}) {
        runJson(dir.path(),
                {QStringLiteral("tx-add"), accountId, QStringLiteral("--date"), date,
                 QStringLiteral("--payee"), payee, QStringLiteral("--amount"), QStringLiteral("-3")});
    }
    const auto payees = [&](const QStringList &arguments) {
        QStringList found;
        for (const QJsonValue &row :
             runJson(dir.path(), QStringList{QStringLiteral("search")} + arguments).array())
            found.append(row[QStringLiteral("payee")].toString());
        return found;
    };
    QCOMPARE(payees({QStringLiteral("coffee")}),
             (QStringList{QStringLiteral("Coffee Cart"), QStringLiteral("Coffee Club")}));
    QCOMPARE(payees({QStringLiteral("coffee"), QStringLiteral("--account"), account}),
             QStringList{QStringLiteral("Coffee Club")});
    QCOMPARE(payees({QStringLiteral("--from"), QStringLiteral("2026-01-15"), QStringLiteral("--to"),
                     QStringLiteral("2026-02-01")}),
             QStringList{QStringLiteral("Book Shop")});
    QCOMPARE(payees({QStringLiteral("--cleared"), QStringLiteral("true")}), QStringList{});
}

void TestCli::categoriesAreSeededOnFirstUse()
{
    QTemporaryDir dir;
    for (int run = 0; run < 2; ++run) {
        const QJsonArray categories = runJson(dir.path(), {QStringLiteral("categories")}).array();
        QCOMPARE(categories.size(), 56);
        QCOMPARE(categories.at(0)[QStringLiteral("name")].toString(), QStringLiteral("ATM Fees"));
    }
}

void TestCli::recurringProcessPrintsThePostedCount()
{
    QTemporaryDir dir;
    const QString account = addAccount(dir.path());
    {
        Database database;
        QVERIFY(database.open(dir.filePath(QStringLiteral("zimbrel.db"))));
        RecurringRepository recurring(&database);
        // Three occurrences fall due by today, whatever today is.
        QVERIFY(recurring.insert(Records::recurring(account, QDate::currentDate().addMonths(-2), -90000)
                                     .payee(QStringLiteral("Rent"))
                                     .autoPost()));
    }
    QCOMPARE(
        runJson(dir.path(), {QStringLiteral("recurring-process")}).object()[QStringLiteral("posted")].toInt(),
        3);
    QCOMPARE(
        runJson(dir.path(), {QStringLiteral("recurring-process")}).object()[QStringLiteral("posted")].toInt(),
        0);
    QCOMPARE(runJson(dir.path(), {QStringLiteral("register"), account}).array().size(), 3);
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
