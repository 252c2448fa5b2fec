#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QScopeGuard>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

// The command-line tool under faults and hostile input: what did not happen is never reported as
// done, and values outside what a file or a column can mean are refused.
class TestCliFaults : public QObject
{
    Q_OBJECT

private slots:
    void fullDiskFailsTheWholeImportOrRestore_data();
    void fullDiskFailsTheWholeImportOrRestore();
    void twoImportsAtOnceStoreEveryRow();
    void importIntoDeletedAccountIsRefused();
    void csvColumnOutsideTheFileIsAUsageError_data();
    void csvColumnOutsideTheFileIsAUsageError();
    void nothingStoredIsAFailure();
    void malformedSearchIsAUsageError_data();
    void malformedSearchIsAUsageError();
    void readOnlyDataDirectoryStillReads();

private:
    struct Run
    {
        int exitCode = -1;
        QByteArray out;
        QByteArray err;
        QJsonObject json() const { return QJsonDocument::fromJson(out).object(); }
    };
    static Run run(const QString &dir, const QStringList &arguments);
    static QProcess *start(const QString &dir, const QStringList &arguments, QObject *parent);
    static QString addAccount(const QString &dir);
    static int scalar(const QString &dir, const QString &sql);
    static QString writeFile(const QString &path, const QByteArray &bytes);
    static QByteArray csv(int rows, const QString &payee);
    // Mounting needs privileges; false where the machine does not allow it.
    static bool mountSmallFileSystem(const QString &dir, int megabytes);
};

TestCliFaults::Run TestCliFaults::run(const QString &dir, const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(ZIMBREL_CLI_PATH),
                  QStringList{QStringLiteral("--data-dir"), dir} + arguments);
    process.closeWriteChannel();
    if (!process.waitForFinished(120000))
        return {};
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

QProcess *TestCliFaults::start(const QString &dir, const QStringList &arguments, QObject *parent)
{
    auto *process = new QProcess(parent);
    process->start(QStringLiteral(ZIMBREL_CLI_PATH),
                   QStringList{QStringLiteral("--data-dir"), dir} + arguments);
    process->closeWriteChannel();
    return process;
}

QString TestCliFaults::addAccount(const QString &dir)
{
    return run(dir, {QStringLiteral("account-add"), QStringLiteral("Checking")})
        .json()
        .value(QStringLiteral("id"))
        .toString();
}

// Reads the database the way an outsider would, on a connection of its own.
int TestCliFaults::scalar(const QString &dir, const QString &sql)
{
    const QString name = QStringLiteral("outside");
    int value = -1;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(QDir(dir).filePath(QStringLiteral("zimbrel.db")));
        if (db.open()) {
            QSqlQuery query(db);
            if (query.exec(sql) && query.next())
                value = query.value(0).toInt();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return value;
}

QString TestCliFaults::writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    return path;
}

bool TestCliFaults::mountSmallFileSystem(const QString &dir, int megabytes)
{
    QProcess mount;
    mount.start(QStringLiteral("mount"),
                {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                 QStringLiteral("size=%1m").arg(megabytes), QStringLiteral("tmpfs"), dir});
    return mount.waitForFinished(10000) && mount.exitStatus() == QProcess::NormalExit &&
           mount.exitCode() == 0;
}

QByteArray TestCliFaults::csv(int rows, const QString &payee)
{
    QByteArray bytes("Date,Payee,Amount\n");
    for (int i = 0; i < rows; ++i)
        bytes += QStringLiteral("01/02/2024,%1 %2,-%3.00\n").arg(payee).arg(i).arg(i + 1).toUtf8();
    return bytes;
}

void TestCliFaults::fullDiskFailsTheWholeImportOrRestore_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("import-csv") << QStringLiteral("import-csv");
    QTest::newRow("import-qif") << QStringLiteral("import-qif");
    QTest::newRow("backup-import") << QStringLiteral("backup-import");
}

// A data directory on a 3 MB file system. Mounting needs privileges; without them the service
// tests still cover a full database through SQLite's page limit.
void TestCliFaults::fullDiskFailsTheWholeImportOrRestore()
{
    QFETCH(QString, command);
    QTemporaryDir root;
    const QString dir = root.filePath(QStringLiteral("small"));
    QVERIFY(QDir().mkpath(dir));
    if (!mountSmallFileSystem(dir, 3))
        QSKIP("cannot mount a small file system here");
    const auto unmount = qScopeGuard([&dir] { QProcess::execute(QStringLiteral("umount"), {dir}); });

    const QString account = addAccount(dir);
    QVERIFY(!account.isEmpty());
    constexpr int records = 100000;
    Run result;
    if (command == QLatin1String("import-csv")) {
        const QString file =
            writeFile(root.filePath(QStringLiteral("big.csv")), csv(records, QStringLiteral("Shop")));
        result = run(dir, {command, file, QStringLiteral("--account"), account});
    } else if (command == QLatin1String("import-qif")) {
        QByteArray qif("!Type:Bank\n");
        for (int i = 0; i < records; ++i)
            qif +=
                QStringLiteral("D1/2/24\nPShop %1\nT-%2.00\nSFood\n$-%2.00\n^\n").arg(i).arg(i + 1).toUtf8();
        const QString file = writeFile(root.filePath(QStringLiteral("big.qif")), qif);
        result = run(dir, {command, file, QStringLiteral("--map"), file + QLatin1Char('=') + account});
    } else {
        // The archive is made on a roomy data directory and restored into the small one.
        const QString roomy = root.filePath(QStringLiteral("roomy"));
        const QString roomyAccount = addAccount(roomy);
        const QString file =
            writeFile(root.filePath(QStringLiteral("big.csv")), csv(records, QStringLiteral("Shop")));
        QCOMPARE(run(roomy, {QStringLiteral("import-csv"), file, QStringLiteral("--account"), roomyAccount})
                     .exitCode,
                 0);
        const QString archive = root.filePath(QStringLiteral("backup.zip"));
        QCOMPARE(run(roomy, {QStringLiteral("backup-export"), archive}).exitCode, 0);
        result = run(dir, {command, archive, QStringLiteral("--mode"), QStringLiteral("replace")});
    }
    QCOMPARE(result.exitCode, 1);
    QVERIFY2(result.err.contains("full"), result.err.constData());
    QCOMPARE(scalar(dir, QStringLiteral("SELECT COUNT(*) FROM transactions")), 0);
    QCOMPARE(scalar(dir, QStringLiteral("SELECT COUNT(*) FROM split_lines")), 0);
    QCOMPARE(run(dir, {QStringLiteral("accounts")}).exitCode, 0);
}

// Two imports into one database at once: the second waits for the first one's lock instead of
// counting the lock as bad rows, so both store everything they report.
void TestCliFaults::twoImportsAtOnceStoreEveryRow()
{
    QTemporaryDir root;
    const QString dir = root.filePath(QStringLiteral("data"));
    const QString account = addAccount(dir);
    QVERIFY(!account.isEmpty());
    constexpr int records = 20000;
    const QString first =
        writeFile(root.filePath(QStringLiteral("first.csv")), csv(records, QStringLiteral("First")));
    const QString second =
        writeFile(root.filePath(QStringLiteral("second.csv")), csv(records, QStringLiteral("Second")));

    QObject owner;
    QList<QProcess *> processes;
    for (const QString &file : {first, second})
        processes.append(
            start(dir, {QStringLiteral("import-csv"), file, QStringLiteral("--account"), account}, &owner));
    for (QProcess *process : std::as_const(processes)) {
        QVERIFY(process->waitForFinished(120000));
        QCOMPARE(process->exitCode(), 0);
        const QJsonObject result = QJsonDocument::fromJson(process->readAllStandardOutput()).object();
        QCOMPARE(result.value(QStringLiteral("imported")).toInt(), records);
        QCOMPARE(result.value(QStringLiteral("database_errors")).toInt(), 0);
    }
    QCOMPARE(scalar(dir, QStringLiteral("SELECT COUNT(*) FROM transactions")), 2 * records);
    QCOMPARE(scalar(dir, QStringLiteral(
                             "SELECT COUNT(*) FROM transactions_fts WHERE transactions_fts MATCH 'second'")),
             records);
}

void TestCliFaults::importIntoDeletedAccountIsRefused()
{
    QTemporaryDir root;
    const QString dir = root.filePath(QStringLiteral("data"));
    const QString account = addAccount(dir);
    QCOMPARE(scalar(dir, QStringLiteral("SELECT COUNT(*) FROM accounts WHERE deleted_at IS NULL")), 1);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("delete"));
        db.setDatabaseName(QDir(dir).filePath(QStringLiteral("zimbrel.db")));
        QVERIFY(db.open());
        QSqlQuery query(db);
        QVERIFY(query.exec(QStringLiteral("UPDATE accounts SET deleted_at = '2026-01-01T00:00:00Z'")));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("delete"));
    const QString file = writeFile(root.filePath(QStringLiteral("f.csv")), csv(3, QStringLiteral("Shop")));
    const QString qif =
        writeFile(root.filePath(QStringLiteral("f.qif")), "!Type:Bank\nD1/2/24\nPShop\nT-1.00\n^\n");

    const Run csvRun = run(dir, {QStringLiteral("import-csv"), file, QStringLiteral("--account"), account});
    QCOMPARE(csvRun.exitCode, 1);
    QVERIFY(csvRun.err.contains(account.toUtf8()));
    const Run qifRun = run(
        dir, {QStringLiteral("import-qif"), qif, QStringLiteral("--map"), qif + QLatin1Char('=') + account});
    QCOMPARE(qifRun.exitCode, 1);
    QCOMPARE(scalar(dir, QStringLiteral("SELECT COUNT(*) FROM transactions")), 0);
}

void TestCliFaults::csvColumnOutsideTheFileIsAUsageError_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("value");
    QTest::newRow("fault: date column INT_MAX crashed the release build") << "--date-column"
                                                                          << "2147483647";
    QTest::newRow("fault: payee column INT_MAX") << "--payee-column"
                                                 << "2147483647";
    QTest::newRow("fault: amount column INT_MAX") << "--amount-column"
                                                  << "2147483647";
    QTest::newRow("memo column one past the last") << "--memo-column"
                                                   << "3";
    QTest::newRow("category column far out") << "--category-column"
                                             << "99";
}

void TestCliFaults::csvColumnOutsideTheFileIsAUsageError()
{
    QFETCH(QString, option);
    QFETCH(QString, value);
    QTemporaryDir root;
    const QString dir = root.filePath(QStringLiteral("data"));
    const QString account = addAccount(dir);
    const QString file = writeFile(root.filePath(QStringLiteral("f.csv")), csv(3, QStringLiteral("Shop")));
    const Run result =
        run(dir, {QStringLiteral("import-csv"), file, QStringLiteral("--account"), account, option, value});
    QCOMPARE(result.exitCode, 2);
    QVERIFY2(result.err.contains("outside the file's 3 columns"), result.err.constData());
    QCOMPARE(scalar(dir, QStringLiteral("SELECT COUNT(*) FROM transactions")), 0);
}

// Work that did not happen is not reported as success: a CSV file none of whose rows could be read,
// a backup every row of which was refused.
void TestCliFaults::nothingStoredIsAFailure()
{
    QTemporaryDir root;
    const QString dir = root.filePath(QStringLiteral("data"));
    const QString account = addAccount(dir);
    const QString unreadable = writeFile(root.filePath(QStringLiteral("bad.csv")),
                                         "Date,Payee,Amount\nnot a date,Shop,-1.00\n13/45/2024,Shop,-2\n");
    const Run csvRun =
        run(dir, {QStringLiteral("import-csv"), unreadable, QStringLiteral("--account"), account});
    QCOMPARE(csvRun.exitCode, 1);
    QCOMPARE(csvRun.json().value(QStringLiteral("unparseable")).toInt(), 2);

    // The only row of this archive is a transaction of an account that exists nowhere.
    const QString roomy = root.filePath(QStringLiteral("roomy"));
    const QString roomyAccount = addAccount(roomy);
    QCOMPARE(run(roomy, {QStringLiteral("tx-add"), roomyAccount, QStringLiteral("--date"),
                         QStringLiteral("2026-01-02"), QStringLiteral("--payee"), QStringLiteral("Shop"),
                         QStringLiteral("--amount"), QStringLiteral("-1")})
                 .exitCode,
             0);
    const QString archive = root.filePath(QStringLiteral("backup.zip"));
    QCOMPARE(run(roomy, {QStringLiteral("backup-export"), archive}).exitCode, 0);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("strip"));
        db.setDatabaseName(QDir(roomy).filePath(QStringLiteral("zimbrel.db")));
        QVERIFY(db.open());
        QSqlQuery query(db);
        QVERIFY(query.exec(QStringLiteral("PRAGMA foreign_keys = OFF")));
        QVERIFY(query.exec(QStringLiteral("DELETE FROM accounts")));
        QVERIFY(query.exec(QStringLiteral("DELETE FROM categories")));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("strip"));
    const QString orphans = root.filePath(QStringLiteral("orphans.zip"));
    QCOMPARE(run(roomy, {QStringLiteral("backup-export"), orphans}).exitCode, 0);
    const QString empty = root.filePath(QStringLiteral("empty"));
    const Run restore = run(
        empty, {QStringLiteral("backup-import"), orphans, QStringLiteral("--mode"), QStringLiteral("skip")});
    QCOMPARE(restore.exitCode, 1);
    QVERIFY2(restore.err.contains("no row of the backup could be restored"), restore.err.constData());
    QCOMPARE(restore.json()
                 .value(QStringLiteral("refused"))
                 .toObject()
                 .value(QStringLiteral("transactions"))
                 .toInt(),
             1);
}

void TestCliFaults::malformedSearchIsAUsageError_data()
{
    QTest::addColumn<QString>("query");
    QTest::newRow("lone operator") << "AND";
    QTest::newRow("unbalanced quote") << "\"x";
}

void TestCliFaults::malformedSearchIsAUsageError()
{
    QFETCH(QString, query);
    QTemporaryDir root;
    const QString dir = root.filePath(QStringLiteral("data"));
    addAccount(dir);
    const Run result = run(dir, {QStringLiteral("search"), query});
    QCOMPARE(result.exitCode, 2);
    QVERIFY2(result.err.contains("syntax error"), result.err.constData());
    QCOMPARE(run(dir, {QStringLiteral("search"), QStringLiteral("shop")}).exitCode, 0);
}

// A data directory on a read-only mount: the commands that only read still work, those that
// write fail with the reason.
void TestCliFaults::readOnlyDataDirectoryStillReads()
{
    QTemporaryDir root;
    const QString dir = root.filePath(QStringLiteral("data"));
    QVERIFY(QDir().mkpath(dir));
    if (!mountSmallFileSystem(dir, 8))
        QSKIP("cannot mount a small file system here");
    const auto unmount = qScopeGuard([&dir] { QProcess::execute(QStringLiteral("umount"), {dir}); });
    const QString account = addAccount(dir);
    QCOMPARE(run(dir, {QStringLiteral("tx-add"), account, QStringLiteral("--date"),
                       QStringLiteral("2026-01-02"), QStringLiteral("--payee"), QStringLiteral("Shop"),
                       QStringLiteral("--amount"), QStringLiteral("-1")})
                 .exitCode,
             0);
    QCOMPARE(
        QProcess::execute(QStringLiteral("mount"), {QStringLiteral("-o"), QStringLiteral("remount,ro"), dir}),
        0);

    const Run accounts = run(dir, {QStringLiteral("accounts")});
    QCOMPARE(accounts.exitCode, 0);
    QCOMPARE(QJsonDocument::fromJson(accounts.out)
                 .array()
                 .first()
                 .toObject()
                 .value(QStringLiteral("balance"))
                 .toInteger(),
             -100);
    const Run registerRun = run(dir, {QStringLiteral("register"), account});
    QCOMPARE(registerRun.exitCode, 0);
    QCOMPARE(QJsonDocument::fromJson(registerRun.out).array().size(), 1);
    QCOMPARE(run(dir, {QStringLiteral("search"), QStringLiteral("shop")}).exitCode, 0);
    const Run write = run(dir, {QStringLiteral("tx-add"), account, QStringLiteral("--date"),
                                QStringLiteral("2026-01-03"), QStringLiteral("--payee"),
                                QStringLiteral("Shop"), QStringLiteral("--amount"), QStringLiteral("-1")});
    QCOMPARE(write.exitCode, 1);
}

QTEST_GUILESS_MAIN(TestCliFaults)
#include "tst_clifaults.moc"
