// The register's changes through zimbrel-cli: each command, run by the real binary, must leave the
// rows the app leaves when it does the same through its services; a bad value writes nothing.

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/recurringrepository.h"
#include "data/transactionrepository.h"
#include "services/accountservice.h"
#include "services/categoryservice.h"
#include "services/payeeservice.h"
#include "services/reconciliationservice.h"
#include "services/recurringservice.h"
#include "services/transactionservice.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

namespace {

enum class Operation {
    EditTransaction,
    EditTransferLeg,
    DeleteTransfer,
    MarkReconciled,
    Unclear,
    Transfer,
    EditAccount,
    DeleteAccount,
    RestoreAccount,
    AddCategory,
    RenameCategory,
    DeleteCategory,
    RenamePayee,
    MergePayees,
    AddRecurring,
    SkipRecurring,
    ConfirmRecurring,
    Reconcile,
};

const QStringList tables{QStringLiteral("accounts"), QStringLiteral("transactions"),
                         QStringLiteral("categories"), QStringLiteral("recurring_transactions"),
                         QStringLiteral("reconciliations")};

} // namespace

Q_DECLARE_METATYPE(Operation)

class TestCliEditCommands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void sameRowsAsTheApp_data();
    void sameRowsAsTheApp();
    void badValuesWriteNothing_data();
    void badValuesWriteNothing();
    void unbalancedStatementIsRefused();
    void everyCommandHasHelp_data();
    void everyCommandHasHelp();

private:
    struct Run
    {
        int exitCode = -1;
        QByteArray out;
        QByteArray err;
    };
    Run run(const QString &dataDir, const QStringList &arguments) const;
    QString runForId(const QStringList &arguments);
    QStringList substituted(const QStringList &arguments) const;
    // A data directory holding a copy of the seeded database.
    bool copySeed(QTemporaryDir &dir) const;
    // Every row of the synchronised tables, without the times a run stamps and with the ids the
    // seed does not know (made during the run) replaced by one placeholder, sorted.
    QStringList rows(const QString &dataDir, bool withTimes = false) const;
    void applyThroughApp(Operation operation, AppState &app) const;

    QTemporaryDir m_seed;
    QHash<QString, QString> m_ids;
    QSet<QString> m_knownIds;
};

TestCliEditCommands::Run TestCliEditCommands::run(const QString &dataDir, const QStringList &arguments) const
{
    QProcess process;
    process.start(QStringLiteral(ZIMBREL_CLI_PATH),
                  QStringList{QStringLiteral("--data-dir"), dataDir} + arguments);
    process.closeWriteChannel();
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

QString TestCliEditCommands::runForId(const QStringList &arguments)
{
    const Run result = run(m_seed.path(), arguments);
    if (result.exitCode != 0)
        qWarning() << arguments << result.err;
    return QJsonDocument::fromJson(result.out).object().value(QStringLiteral("id")).toString();
}

void TestCliEditCommands::initTestCase()
{
    QVERIFY(m_seed.isValid());
    m_ids[QStringLiteral("%A")] = runForId({QStringLiteral("account-add"), QStringLiteral("Checking"),
                                            QStringLiteral("--starting-balance"), QStringLiteral("1000.00"),
                                            QStringLiteral("--as-of"), QStringLiteral("2026-11-01")});
    m_ids[QStringLiteral("%B")] = runForId({QStringLiteral("account-add"), QStringLiteral("Savings"),
                                            QStringLiteral("--type"), QStringLiteral("savings")});
    const QString a = m_ids.value(QStringLiteral("%A"));
    const QString b = m_ids.value(QStringLiteral("%B"));
    m_ids[QStringLiteral("%T1")] =
        runForId({QStringLiteral("tx-add"), a, QStringLiteral("--date"), QStringLiteral("2026-11-03"),
                  QStringLiteral("--payee"), QStringLiteral("Corner Shop"), QStringLiteral("--amount"),
                  QStringLiteral("-20.00"), QStringLiteral("--category"), QStringLiteral("Groceries")});
    m_ids[QStringLiteral("%T2")] =
        runForId({QStringLiteral("tx-add"), b, QStringLiteral("--date"), QStringLiteral("2026-11-04"),
                  QStringLiteral("--payee"), QStringLiteral("Corner Shop."), QStringLiteral("--amount"),
                  QStringLiteral("-5.00")});
    m_ids[QStringLiteral("%TR")] =
        runForId({QStringLiteral("transfer"), a, b, QStringLiteral("--date"), QStringLiteral("2026-11-05"),
                  QStringLiteral("--amount"), QStringLiteral("250.00")});
    m_ids[QStringLiteral("%R1")] =
        runForId({QStringLiteral("recurring-add"), a, QStringLiteral("--payee"), QStringLiteral("Rent"),
                  QStringLiteral("--amount"), QStringLiteral("-1200.00"), QStringLiteral("--start"),
                  QStringLiteral("2026-11-01"), QStringLiteral("--category"), QStringLiteral("Housing")});
    for (auto it = m_ids.cbegin(); it != m_ids.cend(); ++it)
        QVERIFY2(!it.value().isEmpty(), qPrintable(it.key()));

    static const QRegularExpression uuid(
        QStringLiteral("[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}"));
    for (const QString &row : rows(m_seed.path(), true)) {
        for (auto match = uuid.globalMatch(row); match.hasNext();)
            m_knownIds.insert(match.next().captured());
    }
    QVERIFY(m_knownIds.size() > 60); // the accounts, rows and default categories
}

QStringList TestCliEditCommands::substituted(const QStringList &arguments) const
{
    QStringList result;
    for (QString argument : arguments) {
        for (auto it = m_ids.cbegin(); it != m_ids.cend(); ++it) {
            if (argument == it.key())
                argument = it.value();
        }
        result.append(argument);
    }
    return result;
}

bool TestCliEditCommands::copySeed(QTemporaryDir &dir) const
{
    return dir.isValid() && QFile::copy(QDir(m_seed.path()).filePath(QStringLiteral("zimbrel.db")),
                                        QDir(dir.path()).filePath(QStringLiteral("zimbrel.db")));
}

QStringList TestCliEditCommands::rows(const QString &dataDir, bool withTimes) const
{
    static const QSet<QString> times{QStringLiteral("created_at"), QStringLiteral("updated_at"),
                                     QStringLiteral("completed_at")};
    static const QRegularExpression uuid(
        QStringLiteral("^[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}$"));
    QStringList result;
    const QString name = QStringLiteral("rows-%1").arg(quintptr(&result));
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        database.setDatabaseName(QDir(dataDir).filePath(QStringLiteral("zimbrel.db")));
        database.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (database.open()) {
            for (const QString &table : tables) {
                QSqlQuery query(database);
                if (!query.exec(QStringLiteral("SELECT * FROM %1").arg(table)))
                    continue;
                while (query.next()) {
                    QStringList fields{table};
                    const QSqlRecord record = query.record();
                    for (int i = 0; i < record.count(); ++i) {
                        const QString column = record.fieldName(i);
                        QString value =
                            record.value(i).isNull() ? QStringLiteral("NULL") : record.value(i).toString();
                        if (!withTimes && times.contains(column))
                            continue;
                        if (!withTimes && column == QLatin1String("deleted_at") &&
                            value != QLatin1String("NULL"))
                            value = QStringLiteral("deleted");
                        if (!withTimes && uuid.match(value).hasMatch() && !m_knownIds.contains(value))
                            value = QStringLiteral("new-id");
                        fields.append(column + QLatin1Char('=') + value);
                    }
                    result.append(fields.join(QLatin1Char('|')));
                }
            }
        }
    }
    QSqlDatabase::removeDatabase(name);
    result.sort();
    return result;
}

void TestCliEditCommands::applyThroughApp(Operation operation, AppState &app) const
{
    const QString a = m_ids.value(QStringLiteral("%A"));
    const QString b = m_ids.value(QStringLiteral("%B"));
    const QString t1 = m_ids.value(QStringLiteral("%T1"));
    const QString transfer = m_ids.value(QStringLiteral("%TR"));
    const QString r1 = m_ids.value(QStringLiteral("%R1"));
    TransactionService *transactions = app.transactionService();
    const auto edited = [&](const QString &id) {
        TransactionEntry entry;
        entry.transaction = *app.transactionRepository()->findById(id);
        return entry;
    };
    switch (operation) {
    case Operation::EditTransaction: {
        TransactionEntry entry = edited(t1);
        entry.transaction.amount = -3050;
        entry.transaction.payee = QStringLiteral("Corner Store");
        entry.transaction.memo = QStringLiteral("milk");
        entry.transaction.checkNumber = QStringLiteral("101");
        entry.transaction.categoryId =
            app.categoryRepository()->findByName(QStringLiteral("Dining & Restaurants"))->id;
        QCOMPARE(transactions->update(entry), TransactionService::Outcome::Saved);
        break;
    }
    case Operation::EditTransferLeg: {
        TransactionEntry entry = edited(transfer);
        entry.transaction.date = QDate(2026, 11, 6);
        entry.transaction.amount = -30000;
        QCOMPARE(transactions->update(entry), TransactionService::Outcome::Saved);
        break;
    }
    case Operation::DeleteTransfer:
        QCOMPARE(transactions->remove(transfer), TransactionService::Outcome::Saved);
        break;
    case Operation::MarkReconciled:
        QCOMPARE(transactions->setCleared(t1, true, true), TransactionService::Outcome::Saved);
        break;
    case Operation::Unclear:
        QCOMPARE(transactions->setCleared(t1, true, false), TransactionService::Outcome::Saved);
        QCOMPARE(transactions->setCleared(t1, false, false), TransactionService::Outcome::Saved);
        break;
    case Operation::Transfer: {
        TransactionEntry entry;
        entry.transaction.accountId = b;
        entry.transaction.date = QDate(2026, 11, 20);
        entry.transaction.amount = -1234;
        entry.transaction.memo = QStringLiteral("back");
        entry.transferAccountId = a;
        QCOMPARE(transactions->create(entry), TransactionService::Outcome::Saved);
        break;
    }
    case Operation::EditAccount: {
        Account account = *app.accountRepository()->findById(b);
        account.name = QStringLiteral("Rainy Day");
        account.institution = QStringLiteral("Credit Union");
        account.accountNumberLast4 = QStringLiteral("0042");
        account.type = AccountType::Cash;
        QCOMPARE(app.accountService()->updateAccount(account), AccountService::Outcome::Done);
        break;
    }
    case Operation::DeleteAccount:
        QCOMPARE(app.accountService()->deleteAccount(a), AccountService::Outcome::Done);
        break;
    case Operation::RestoreAccount:
        QCOMPARE(app.accountService()->deleteAccount(a), AccountService::Outcome::Done);
        QCOMPARE(app.accountService()->restoreAccount(a), AccountService::Outcome::Done);
        break;
    case Operation::AddCategory:
        QVERIFY(app.categoryService()->addCategory(
            QStringLiteral("Cat Food"), CategoryType::Expense,
            app.categoryRepository()->findByName(QStringLiteral("Pets"))->id));
        break;
    case Operation::RenameCategory:
        QVERIFY(app.categoryService()->renameCategory(
            app.categoryRepository()->findByName(QStringLiteral("Pets"))->id, QStringLiteral("Animals")));
        break;
    case Operation::DeleteCategory:
        QVERIFY(app.categoryService()->deleteCategory(
            app.categoryRepository()->findByName(QStringLiteral("Pets"))->id));
        break;
    case Operation::RenamePayee:
        QCOMPARE(app.payeeService()->renamePayees({QStringLiteral("Corner Shop")},
                                                  QStringLiteral("Corner Market")),
                 1);
        break;
    case Operation::MergePayees:
        QCOMPARE(
            app.payeeService()->renamePayees({QStringLiteral("Corner Shop"), QStringLiteral("Corner Shop.")},
                                             QStringLiteral("Corner Market")),
            2);
        break;
    case Operation::AddRecurring: {
        RecurringTransaction recurring;
        recurring.accountId = b;
        recurring.payee = QStringLiteral("Allowance");
        recurring.amount = 2500;
        recurring.frequency = Frequency::Weekly;
        recurring.startDate = QDate(2026, 12, 4);
        recurring.endDate = QDate(2027, 6, 30);
        recurring.autoPost = true;
        QVERIFY(app.recurringService()->add(recurring));
        break;
    }
    case Operation::SkipRecurring:
        QVERIFY(app.recurringService()->skip(r1));
        break;
    case Operation::ConfirmRecurring:
        QVERIFY(app.recurringService()->confirm(r1));
        break;
    case Operation::Reconcile:
        QCOMPARE(app.reconciliationService()->finish(a, QDate(2026, 11, 30), 73000, {t1, transfer}),
                 ReconciliationService::Outcome::Finished);
        break;
    }
}

void TestCliEditCommands::sameRowsAsTheApp_data()
{
    QTest::addColumn<QList<QStringList>>("commands");
    QTest::addColumn<Operation>("operation");
    const auto row = [](const char *name, QList<QStringList> commands, Operation operation) {
        QTest::newRow(name) << commands << operation;
    };
    using L = QStringList;
    row("tx-edit",
        {L{"tx-edit", "%T1", "--amount", "-30.50", "--payee", "Corner Store", "--memo", "milk",
           "--check-number", "101", "--category", "Dining & Restaurants"}},
        Operation::EditTransaction);
    row("tx-edit of a transfer leg moves both",
        {L{"tx-edit", "%TR", "--date", "2026-11-06", "--amount", "-300"}}, Operation::EditTransferLeg);
    row("tx-delete of a transfer deletes both", {L{"tx-delete", "%TR"}}, Operation::DeleteTransfer);
    row("tx-clear --reconciled", {L{"tx-clear", "%T1", "--reconciled"}}, Operation::MarkReconciled);
    row("tx-clear then --unclear", {L{"tx-clear", "%T1"}, L{"tx-clear", "%T1", "--unclear"}},
        Operation::Unclear);
    row("transfer",
        {L{"transfer", "%B", "%A", "--date", "2026-11-20", "--amount", "12.34", "--memo", "back"}},
        Operation::Transfer);
    row("account-edit",
        {L{"account-edit", "%B", "--name", "Rainy Day", "--institution", "Credit Union", "--last4", "0042",
           "--type", "cash"}},
        Operation::EditAccount);
    row("account-delete cascades", {L{"account-delete", "%A"}}, Operation::DeleteAccount);
    row("account-restore", {L{"account-delete", "%A"}, L{"account-restore", "%A"}},
        Operation::RestoreAccount);
    row("category-add", {L{"category-add", "Cat Food", "--parent", "Pets"}}, Operation::AddCategory);
    row("category-rename", {L{"category-rename", "Pets", "Animals"}}, Operation::RenameCategory);
    row("category-delete", {L{"category-delete", "Pets"}}, Operation::DeleteCategory);
    row("payee-rename", {L{"payee-rename", "Corner Shop", "Corner Market"}}, Operation::RenamePayee);
    row("payee-merge", {L{"payee-merge", "Corner Shop", "Corner Shop.", "Corner Market"}},
        Operation::MergePayees);
    row("recurring-add",
        {L{"recurring-add", "%B", "--payee", "Allowance", "--amount", "25", "--frequency", "weekly",
           "--start", "2026-12-04", "--end", "2027-06-30", "--auto-post"}},
        Operation::AddRecurring);
    row("recurring-skip", {L{"recurring-skip", "%R1"}}, Operation::SkipRecurring);
    row("recurring-confirm", {L{"recurring-confirm", "%R1"}}, Operation::ConfirmRecurring);
    // 1,000.00 opening - 20.00 - 250.00 = 730.00
    row("reconcile",
        {L{"reconcile", "%A", "--statement-date", "2026-11-30", "--statement-balance", "730.00", "--clear",
           "%T1", "%TR"}},
        Operation::Reconcile);
}

void TestCliEditCommands::sameRowsAsTheApp()
{
    QFETCH(QList<QStringList>, commands);
    QFETCH(Operation, operation);

    QTemporaryDir cliDir;
    QTemporaryDir appDir;
    QVERIFY(copySeed(cliDir));
    QVERIFY(copySeed(appDir));
    for (const QStringList &command : std::as_const(commands)) {
        const Run result = run(cliDir.path(), substituted(command));
        QVERIFY2(result.exitCode == 0, result.err.constData());
        QVERIFY(!QJsonDocument::fromJson(result.out).isNull());
    }
    {
        AppState app(appDir.path());
        QVERIFY(app.initialize());
        applyThroughApp(operation, app);
        if (QTest::currentTestFailed())
            return;
    }
    const QStringList seeded = rows(m_seed.path());
    const QStringList viaCli = rows(cliDir.path());
    // A delete and a restore give back the seeded rows, under raised versions so that other
    // devices learn of the restore; everything else changes some.
    if (operation == Operation::RestoreAccount) {
        const auto withoutVersions = [](QStringList list) {
            list.replaceInStrings(QRegularExpression(QStringLiteral("\\|version=\\d+")),
                                  QStringLiteral("|version=*"));
            return list;
        };
        QCOMPARE(withoutVersions(viaCli), withoutVersions(seeded));
        QVERIFY(viaCli != seeded);
    } else
        QVERIFY2(viaCli != seeded, "the command changed nothing");
    QCOMPARE(viaCli, rows(appDir.path()));
}

void TestCliEditCommands::badValuesWriteNothing_data()
{
    QTest::addColumn<QStringList>("command");
    using L = QStringList;
    QTest::newRow("unknown transaction") << L{"tx-edit", "no-such-id", "--amount", "1"};
    QTest::newRow("amount out of range") << L{"tx-edit", "%T1", "--amount", "10000000000000.01"};
    QTest::newRow("malformed amount") << L{"tx-edit", "%T1", "--amount", "12x"};
    QTest::newRow("impossible date") << L{"tx-edit", "%T1", "--date", "2026-02-30"};
    QTest::newRow("unknown category") << L{"tx-edit", "%T1", "--category", "Nowhere"};
    QTest::newRow("delete unknown") << L{"tx-delete", "no-such-id"};
    QTest::newRow("clear both ways") << L{"tx-clear", "%T1", "--reconciled", "--unclear"};
    QTest::newRow("transfer to itself") << L{"transfer", "%A", "%A", "--date", "2026-11-20", "--amount", "1"};
    QTest::newRow("transfer negative") << L{"transfer", "%A", "%B", "--date", "2026-11-20", "--amount", "-1"};
    QTest::newRow("transfer without date") << L{"transfer", "%A", "%B", "--amount", "1"};
    QTest::newRow("account-edit empty name") << L{"account-edit", "%A", "--name", " "};
    QTest::newRow("account-edit bad last4") << L{"account-edit", "%A", "--last4", "12345"};
    QTest::newRow("account-edit bad type") << L{"account-edit", "%A", "--type", "spaceship"};
    QTest::newRow("restore a live account") << L{"account-restore", "%A"};
    QTest::newRow("category under a subcategory") << L{"category-add", "Deep", "--parent", "Streaming"};
    QTest::newRow("rename unknown category") << L{"category-rename", "Nowhere", "Somewhere"};
    QTest::newRow("rename unknown payee") << L{"payee-rename", "Nobody", "Somebody"};
    QTest::newRow("recurring bad frequency")
        << L{"recurring-add", "%A",         "--payee",     "X",     "--amount", "1",
             "--start",       "2026-12-01", "--frequency", "hourly"};
    QTest::newRow("recurring end before start")
        << L{"recurring-add", "%A",         "--payee", "X",         "--amount", "1",
             "--start",       "2026-12-01", "--end",   "2026-11-01"};
    QTest::newRow("skip unknown schedule") << L{"recurring-skip", "no-such-id"};
    QTest::newRow("reconcile a foreign transaction") << L{
        "reconcile", "%A", "--statement-date", "2026-11-30", "--statement-balance", "995", "--clear", "%T2"};
    QTest::newRow("reconcile invalid date") << L{
        "reconcile", "%A", "--statement-date", "30/11/2026", "--statement-balance", "980", "--clear", "%T1"};
}

void TestCliEditCommands::badValuesWriteNothing()
{
    QFETCH(QStringList, command);
    QTemporaryDir dir;
    QVERIFY(copySeed(dir));
    const Run result = run(dir.path(), substituted(command));
    QCOMPARE(result.exitCode, 2);
    QVERIFY(result.out.isEmpty());
    QCOMPARE(rows(dir.path(), true), rows(m_seed.path(), true));
}

void TestCliEditCommands::unbalancedStatementIsRefused()
{
    QTemporaryDir dir;
    QVERIFY(copySeed(dir));
    const Run result =
        run(dir.path(), substituted({QStringLiteral("reconcile"), QStringLiteral("%A"),
                                     QStringLiteral("--statement-date"), QStringLiteral("2026-11-30"),
                                     QStringLiteral("--statement-balance"), QStringLiteral("700.00"),
                                     QStringLiteral("--clear"), QStringLiteral("%T1")}));
    QCOMPARE(result.exitCode, 1);
    QVERIFY2(result.err.contains("difference -280.00"), result.err.constData());
    QCOMPARE(rows(dir.path(), true), rows(m_seed.path(), true));
}

void TestCliEditCommands::everyCommandHasHelp_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : {"tx-edit", "tx-delete", "tx-clear", "transfer", "account-edit", "account-delete",
                             "account-restore", "category-add", "category-rename", "category-delete",
                             "payee-rename", "payee-merge", "recurring-add", "recurring-list",
                             "recurring-skip", "recurring-confirm", "reconcile", "tx-add", "register"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestCliEditCommands::everyCommandHasHelp()
{
    QFETCH(QString, name);
    QTemporaryDir dir;
    QVERIFY(copySeed(dir));
    const Run result = run(dir.path(), {name, QStringLiteral("--help")});
    QCOMPARE(result.exitCode, 0);
    QVERIFY2(
        result.out.startsWith("Usage: zimbrel-cli [--data-dir DIR] [--server ORIGIN] " + name.toUtf8() + ' '),
        result.out.constData());
    QVERIFY(result.out.count('\n') >= 3);
    QCOMPARE(rows(dir.path(), true), rows(m_seed.path(), true));
}

QTEST_MAIN(TestCliEditCommands)
#include "tst_clieditcommands.moc"
