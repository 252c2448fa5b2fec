#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/sqltransaction.h"
#include "data/transactionrepository.h"
#include "support/recordbuilders.h"
#include "support/testdatabase.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QTest>

#include <sqlite3.h>

class TestTransactionRepository : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void registerRowsStartWithOpeningBalanceAtEarliestDate();
    void registerRowsOpeningRowIsDatedTodayWithoutTransactions();
    void registerRowsWithoutStartingBalanceHaveNoOpeningRow();
    void sameDateRowsFollowCreationOrder();
    void sameSecondRowsKeepEntryOrder_data();
    void sameSecondRowsKeepEntryOrder();
    void registerQueriesWalkTheIndexWithoutSorting();
    void registerIndexAgreesWithRegisterRows();
    void softDeletedRowLeavesEveryLiveReadButStaysPending();
    void softDeleteOfUnknownIdReturnsFalseSilently();
    void markSyncedOnlyWhileUnchanged_data();
    void markSyncedOnlyWhileUnchanged();
    void deletingAndRestoringRaiseTheVersion();
    void setDeletedAtKeepsStatusVersionAndSilence();
    void restoreByAccountHonoursTheCutOff();
    void foreignKeyFailureLogsAndEmitsNothing();
    void emptyCategoryIsStoredAsNull();
    void emptyPayeeIsStoredNotRefused();
    void updateNeverMovesTheTransaction();
    void lastByPayeeComparesExactly();
    void resyncAnnouncesWithEmptyAccount();
    void search_data();
    void search();
    void searchIsCutAt200NewestFirst();
    void searchWithInvalidSyntaxIsEmptyAndQuiet();
    void guardRollsBackNestedWrites();
    void sumsBeyond64BitsAreReportedNotWrapped();
    void searchSyntaxErrorIsNamed();

private:
    QString addAccount(Money startingBalance = 0, const QString &name = QStringLiteral("Checking"));
    Transaction add(const QString &accountId, const QDate &date, Money amount,
                    const QString &payee = QStringLiteral("Payee"));

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<AccountRepository> m_accounts;
    std::unique_ptr<TransactionRepository> m_transactions;
    std::unique_ptr<CategoryRepository> m_categories;
    QDateTime m_created;
};

namespace {
const QDate fixedToday(2026, 6, 15);
}

void TestTransactionRepository::init()
{
    m_db = std::make_unique<TestDatabase>();
    QVERIFY(m_db->isReady());
    m_accounts = std::make_unique<AccountRepository>(m_db->database());
    m_transactions =
        std::make_unique<TransactionRepository>(m_db->database(), nullptr, [] { return fixedToday; });
    m_categories = std::make_unique<CategoryRepository>(m_db->database());
    m_created = QDateTime(QDate(2026, 1, 1), QTime(8, 0), Qt::UTC);
}

void TestTransactionRepository::cleanup()
{
    m_transactions.reset();
    m_accounts.reset();
    m_categories.reset();
    m_db.reset();
}

QString TestTransactionRepository::addAccount(Money startingBalance, const QString &name)
{
    const Account account = Records::account(name).startingBalance(startingBalance);
    return m_accounts->insert(account) ? account.id : QString();
}

// Each row is created one second after the previous one, so creation order is well defined.
Transaction TestTransactionRepository::add(const QString &accountId, const QDate &date, Money amount,
                                           const QString &payee)
{
    m_created = m_created.addSecs(1);
    const Transaction transaction =
        Records::transaction(accountId, date, amount).payee(payee).createdAt(m_created);
    if (!m_transactions->insert(transaction))
        return {};
    return transaction;
}

void TestTransactionRepository::registerRowsStartWithOpeningBalanceAtEarliestDate()
{
    const QString account = addAccount(10000);
    add(account, QDate(2026, 1, 5), -2500);
    add(account, QDate(2026, 1, 3), 1000);

    const QList<RegisterRow> rows = m_transactions->registerRows(account);
    QCOMPARE(rows.size(), 3);
    QVERIFY(rows[0].transaction.id.isEmpty());
    QCOMPARE(rows[0].transaction.payee, QStringLiteral("Opening Balance"));
    QCOMPARE(rows[0].transaction.date, QDate(2026, 1, 3));
    QVERIFY(rows[0].transaction.cleared && rows[0].transaction.reconciled);
    QCOMPARE(rows[0].runningBalance, 10000);
    QCOMPARE(rows[1].transaction.date, QDate(2026, 1, 3));
    QCOMPARE(rows[1].runningBalance, 11000);
    QCOMPARE(rows[2].transaction.date, QDate(2026, 1, 5));
    QCOMPARE(rows[2].runningBalance, 8500);
    QCOMPARE(m_transactions->balance(account), 8500);
}

void TestTransactionRepository::registerRowsOpeningRowIsDatedTodayWithoutTransactions()
{
    const QString account = addAccount(5000);
    const QList<RegisterRow> rows = m_transactions->registerRows(account);
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows[0].transaction.date, fixedToday);
    QCOMPARE(rows[0].runningBalance, 5000);
}

void TestTransactionRepository::registerRowsWithoutStartingBalanceHaveNoOpeningRow()
{
    const QString account = addAccount(0);
    Category food = Records::category(QStringLiteral("Food"));
    QVERIFY(m_categories->insert(food));
    Transaction transaction = Records::transaction(account, QDate(2026, 2, 1), -499);
    transaction.categoryId = food.id;
    QVERIFY(m_transactions->insert(transaction));

    const QList<RegisterRow> rows = m_transactions->registerRows(account);
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows[0].transaction, transaction);
    QCOMPARE(rows[0].categoryName, QStringLiteral("Food"));
    QCOMPARE(rows[0].runningBalance, -499);
    QVERIFY(m_transactions->registerRows(QStringLiteral("unknown")).isEmpty());
}

void TestTransactionRepository::sameDateRowsFollowCreationOrder()
{
    const QString account = addAccount();
    const Transaction first = add(account, QDate(2026, 3, 1), 100);
    const Transaction second = add(account, QDate(2026, 3, 1), 200);

    const QList<RegisterRow> rows = m_transactions->registerRows(account);
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows[0].transaction.id, first.id);
    QCOMPARE(rows[1].transaction.id, second.id);
    const QList<Transaction> newestFirst = m_transactions->byAccount(account);
    QCOMPARE(newestFirst[0].id, second.id);
    QCOMPARE(newestFirst[1].id, first.id);
    QCOMPARE(m_transactions->unreconciled(account).first().id, first.id);
}

// An import, or quick typing, stores several rows of one date within one second. They must come
// out in the order they were entered, whatever their amounts and ids, and the same on every read.
void TestTransactionRepository::sameSecondRowsKeepEntryOrder_data()
{
    QTest::addColumn<QString>("read");
    QTest::newRow("registerRows") << "registerRows";
    QTest::newRow("registerIndex and its running balances") << "registerIndex";
    QTest::newRow("byAccount newest first") << "byAccount";
    QTest::newRow("unreconciled") << "unreconciled";
    QTest::newRow("search newest first") << "search";
    QTest::newRow("lastByPayee takes the last entered") << "lastByPayee";
}

void TestTransactionRepository::sameSecondRowsKeepEntryOrder()
{
    QFETCH(QString, read);
    const QString account = addAccount(1000);
    const QDateTime second(QDate(2026, 1, 1), QTime(9, 0), Qt::UTC);
    // Amounts rising and falling, so neither amount order nor id order matches entry order.
    const QList<Money> amounts{300, -100, 500, -700, 200, 0};
    QStringList entered;
    for (Money amount : amounts) {
        const Transaction transaction = Records::transaction(account, QDate(2026, 3, 1), amount)
                                            .payee(QStringLiteral("Import"))
                                            .createdAt(second);
        QVERIFY(m_transactions->insert(transaction));
        entered.append(transaction.id);
    }
    QStringList newestFirst = entered;
    std::reverse(newestFirst.begin(), newestFirst.end());

    QStringList ids;
    if (read == u"registerRows") {
        const QList<RegisterRow> rows = m_transactions->registerRows(account);
        QCOMPARE(rows.size(), amounts.size() + 1);
        Money running = 1000;
        for (qsizetype i = 1; i < rows.size(); ++i) {
            running += amounts[i - 1];
            QCOMPARE(rows[i].runningBalance, running);
            ids.append(rows[i].transaction.id);
        }
        QCOMPARE(ids, entered);
    } else if (read == u"registerIndex") {
        const RegisterIndex index = m_transactions->registerIndex(account);
        const QList<RegisterRow> rows = m_transactions->registerRowsByRowId(index.rowIds);
        Money running = 1000;
        for (qsizetype i = 0; i < rows.size(); ++i) {
            running += amounts[i];
            QCOMPARE(index.runningBalances[i], running);
            ids.append(rows[i].transaction.id);
        }
        QCOMPARE(ids, entered);
    } else if (read == u"byAccount") {
        for (const Transaction &transaction : m_transactions->byAccount(account))
            ids.append(transaction.id);
        QCOMPARE(ids, newestFirst);
    } else if (read == u"unreconciled") {
        for (const Transaction &transaction : m_transactions->unreconciled(account))
            ids.append(transaction.id);
        QCOMPARE(ids, entered);
    } else if (read == u"search") {
        TransactionSearchFilter filter;
        filter.accountId = account;
        for (const RegisterRow &row : m_transactions->search(QStringLiteral("import"), filter))
            ids.append(row.transaction.id);
        QCOMPARE(ids, newestFirst);
    } else {
        QCOMPARE(m_transactions->lastByPayee(QStringLiteral("Import"), account)->id, entered.last());
    }
}

namespace {

// Collects every statement SQLite runs on the connection, with its values bound, so a test can ask
// SQLite how it runs exactly the statements the repository ran.
class StatementTrace
{
public:
    explicit StatementTrace(const QSqlDatabase &connection)
    {
        const QVariant handle = connection.driver()->handle();
        if (handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0)
            m_handle = *static_cast<sqlite3 *const *>(handle.data());
        if (m_handle)
            sqlite3_trace_v2(m_handle, SQLITE_TRACE_STMT, &StatementTrace::record, this);
    }
    ~StatementTrace()
    {
        if (m_handle)
            sqlite3_trace_v2(m_handle, 0, nullptr, nullptr);
    }

    bool isActive() const { return m_handle != nullptr; }
    QStringList statements() const { return m_statements; }

private:
    static int record(unsigned, void *context, void *statement, void *)
    {
        char *expanded = sqlite3_expanded_sql(static_cast<sqlite3_stmt *>(statement));
        if (expanded) {
            static_cast<StatementTrace *>(context)->m_statements.append(QString::fromUtf8(expanded));
            sqlite3_free(expanded);
        }
        return 0;
    }

    sqlite3 *m_handle = nullptr;
    QStringList m_statements;
};

} // namespace

// Opening an account of half a million rows must not sort them: the register's statements walk
// the register index, whose entries end with the rowid that breaks ties.
void TestTransactionRepository::registerQueriesWalkTheIndexWithoutSorting()
{
    const QString account = addAccount();
    add(account, QDate(2026, 3, 1), 100);
    QStringList statements;
    {
        StatementTrace trace(m_db->database()->connection());
        QVERIFY(trace.isActive());
        m_transactions->registerIndex(account);
        m_transactions->registerRows(account);
        m_transactions->byAccount(account);
        statements = trace.statements();
    }
    QStringList ordered;
    for (const QString &statement : std::as_const(statements)) {
        if (statement.contains(QLatin1String("ORDER BY")) && !statement.contains(QLatin1String("LIMIT")))
            ordered.append(statement);
    }
    QCOMPARE(ordered.size(), 3);
    for (const QString &statement : std::as_const(ordered)) {
        QSqlQuery plan(m_db->database()->connection());
        QVERIFY(plan.exec(QStringLiteral("EXPLAIN QUERY PLAN ") + statement));
        QStringList steps;
        while (plan.next())
            steps.append(plan.value(3).toString());
        const QString text = steps.join(QLatin1Char('\n'));
        QVERIFY2(text.contains(QLatin1String("idx_transactions_register_order")),
                 qPrintable(statement + u'\n' + text));
        QVERIFY2(!text.contains(QLatin1String("TEMP B-TREE")), qPrintable(statement + u'\n' + text));
    }
}

// The index and the rows fetched through it are the same register as registerRows, row for row.
void TestTransactionRepository::registerIndexAgreesWithRegisterRows()
{
    const QString account = addAccount(5000);
    const QString other = addAccount(0, QStringLiteral("Savings"));
    add(account, QDate(2026, 3, 2), -700, QStringLiteral("Later"));
    add(account, QDate(2026, 3, 1), 100, QStringLiteral("Earlier"));
    add(account, QDate(2026, 3, 1), -250, QStringLiteral("Same day, created after"));
    add(other, QDate(2026, 3, 1), 999, QStringLiteral("Other account"));
    const Transaction gone = add(account, QDate(2026, 2, 1), 40, QStringLiteral("Deleted"));
    QVERIFY(m_transactions->softDelete(gone.id));

    const QList<RegisterRow> expected = m_transactions->registerRows(account);
    const RegisterIndex index = m_transactions->registerIndex(account);
    QVERIFY(index.openingRow.has_value());
    QCOMPARE(*index.openingRow, expected.first());
    QCOMPARE(index.rowIds.size(), expected.size() - 1);
    QCOMPARE(index.runningBalances.size(), index.rowIds.size());

    QList<RegisterRow> fetched = m_transactions->registerRowsByRowId(index.rowIds);
    QCOMPARE(fetched.size(), index.rowIds.size());
    for (qsizetype i = 0; i < fetched.size(); ++i) {
        fetched[i].runningBalance = index.runningBalances[i];
        QCOMPARE(fetched[i], expected[i + 1]);
    }
    QCOMPARE(index.runningBalances.last(), m_transactions->balance(account));

    // Any order comes back as asked; rowids of deleted or unknown rows are left out.
    const QList<qint64> reversed{index.rowIds[2], 987654, index.rowIds[0]};
    const QList<RegisterRow> some = m_transactions->registerRowsByRowId(reversed);
    QCOMPARE(some.size(), 2);
    QCOMPARE(some[0].transaction.id, expected[3].transaction.id);
    QCOMPARE(some[1].transaction.id, expected[1].transaction.id);
    QVERIFY(m_transactions->registerRowsByRowId({}).isEmpty());

    const RegisterIndex empty = m_transactions->registerIndex(other);
    QVERIFY(!empty.openingRow.has_value());
    QCOMPARE(empty.rowIds.size(), 1);
}

void TestTransactionRepository::softDeletedRowLeavesEveryLiveReadButStaysPending()
{
    const QString account = addAccount();
    const Transaction kept = add(account, QDate(2026, 3, 1), 100, QStringLiteral("Kept"));
    const Transaction gone = add(account, QDate(2026, 3, 2), 200, QStringLiteral("Vanished"));
    QVERIFY(TestDatabase::markStoredSynced(m_transactions.get(), kept.id, QStringLiteral("s1")));
    QVERIFY(TestDatabase::markStoredSynced(m_transactions.get(), gone.id, QStringLiteral("s2")));

    QSignalSpy changed(m_transactions.get(), &TransactionRepository::transactionsChanged);
    QVERIFY(m_transactions->softDelete(gone.id));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().first().toString(), account);

    QCOMPARE(m_transactions->registerRows(account).size(), 1);
    QCOMPARE(m_transactions->byAccount(account).size(), 1);
    QCOMPARE(m_transactions->unreconciled(account).size(), 1);
    QCOMPARE(m_transactions->payees(), QStringList{QStringLiteral("Kept")});
    QVERIFY(m_transactions->search(QStringLiteral("Vanished"), {}).isEmpty());
    QCOMPARE(m_transactions->search(QString(), {}).size(), 1);
    QVERIFY(!m_transactions->lastByPayee(QStringLiteral("Vanished"), account));
    QCOMPARE(m_transactions->balance(account), 100);

    const QList<Transaction> pending = m_transactions->pending();
    QCOMPARE(pending.size(), 1);
    QCOMPARE(pending.first().id, gone.id);
    QVERIFY(pending.first().deletedAt.has_value());
}

enum class ChangeAfterPush { None, Edited, Deleted, TouchedLater };

void TestTransactionRepository::markSyncedOnlyWhileUnchanged_data()
{
    QTest::addColumn<ChangeAfterPush>("change");
    QTest::addColumn<bool>("marked");
    QTest::newRow("unchanged") << ChangeAfterPush::None << true;
    QTest::newRow("edited while the push was under way") << ChangeAfterPush::Edited << false;
    QTest::newRow("deleted in the same second") << ChangeAfterPush::Deleted << false;
    QTest::newRow("same version, changed later") << ChangeAfterPush::TouchedLater << false;
}

// The version and change time that were pushed decide: a row changed since then stays pending, so
// the next cycle pushes the change instead of it being taken for synced.
void TestTransactionRepository::markSyncedOnlyWhileUnchanged()
{
    QFETCH(ChangeAfterPush, change);
    QFETCH(bool, marked);
    const QString account = addAccount();
    const Transaction pushed = add(account, QDate(2026, 3, 1), -500);
    Transaction changed = pushed;
    switch (change) {
    case ChangeAfterPush::None:
        break;
    case ChangeAfterPush::Edited:
        changed.amount = -700;
        changed.version += 1;
        QVERIFY(m_transactions->update(changed));
        break;
    case ChangeAfterPush::Deleted:
        QVERIFY(m_transactions->softDelete(pushed.id));
        break;
    case ChangeAfterPush::TouchedLater:
        changed.updatedAt = changed.updatedAt.addSecs(5);
        QVERIFY(m_transactions->update(changed));
        break;
    }
    QSignalSpy announced(m_transactions.get(), &TransactionRepository::transactionsChanged);
    bool wasMarked = !marked;
    QVERIFY(m_transactions->markSynced(pushed.id, QStringLiteral("srv-1"), pushed.version, pushed.updatedAt,
                                       &wasMarked));
    QCOMPARE(wasMarked, marked);
    QCOMPARE(announced.count(), 0);
    const Transaction stored = *m_transactions->findById(pushed.id);
    QCOMPARE(stored.syncStatus, marked ? SyncStatus::Synced : SyncStatus::Pending);
    QCOMPARE(stored.serverId, marked ? QStringLiteral("srv-1") : QString());
    QCOMPARE(m_transactions->pending().size(), marked ? 0 : 1);
}

void TestTransactionRepository::deletingAndRestoringRaiseTheVersion()
{
    const QString account = addAccount();
    const Transaction single = add(account, QDate(2026, 3, 1), -500);
    const Transaction cascaded = add(account, QDate(2026, 3, 2), -600);
    QVERIFY(m_transactions->softDelete(single.id));
    QCOMPARE(m_transactions->findById(single.id)->version, 2);
    QCOMPARE(m_transactions->softDeleteByAccount(account), 1);
    QCOMPARE(m_transactions->findById(single.id)->version, 2);
    QCOMPARE(m_transactions->findById(cascaded.id)->version, 2);
    QCOMPARE(m_transactions->restoreByAccount(account, QStringLiteral("2000-01-01T00:00:00Z")), 2);
    QCOMPARE(m_transactions->findById(single.id)->version, 3);
    QCOMPARE(m_transactions->findById(cascaded.id)->version, 3);
}

void TestTransactionRepository::setDeletedAtKeepsStatusVersionAndSilence()
{
    const QString account = addAccount();
    const Transaction transaction = add(account, QDate(2026, 3, 1), -500);
    QVERIFY(TestDatabase::markStoredSynced(m_transactions.get(), transaction.id, QStringLiteral("srv")));
    QSignalSpy announced(m_transactions.get(), &TransactionRepository::transactionsChanged);
    const QDateTime when(QDate(2026, 3, 5), QTime(8, 30), Qt::UTC);
    QVERIFY(m_transactions->setDeletedAt(transaction.id, when));
    Transaction stored = *m_transactions->findById(transaction.id);
    QCOMPARE(stored.deletedAt, std::optional<QDateTime>(when));
    QCOMPARE(stored.syncStatus, SyncStatus::Synced);
    QCOMPARE(stored.version, transaction.version);
    QVERIFY(m_transactions->setDeletedAt(transaction.id, std::nullopt));
    stored = *m_transactions->findById(transaction.id);
    QVERIFY(!stored.deletedAt.has_value());
    QCOMPARE(stored.syncStatus, SyncStatus::Synced);
    QCOMPARE(announced.count(), 0);
}

void TestTransactionRepository::softDeleteOfUnknownIdReturnsFalseSilently()
{
    QSignalSpy changed(m_transactions.get(), &TransactionRepository::transactionsChanged);
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
    QVERIFY(!m_transactions->softDelete(QStringLiteral("no-such-id")));
    QCOMPARE(changed.count(), 0);
}

void TestTransactionRepository::restoreByAccountHonoursTheCutOff()
{
    const QString account = addAccount();
    const Transaction early = add(account, QDate(2026, 3, 1), 100);
    const Transaction late = add(account, QDate(2026, 3, 2), 200);
    QVERIFY(m_db->exec(
        QStringLiteral("UPDATE transactions SET deleted_at = '2026-05-01T10:00:00Z' WHERE id = '%1'")
            .arg(early.id)));
    QVERIFY(m_db->exec(
        QStringLiteral("UPDATE transactions SET deleted_at = '2026-05-01T12:00:05Z' WHERE id = '%1'")
            .arg(late.id)));

    QSignalSpy changed(m_transactions.get(), &TransactionRepository::transactionsChanged);
    QCOMPARE(m_transactions->restoreByAccount(account, QStringLiteral("2026-05-01T11:59:55Z")), 1);
    QCOMPARE(changed.count(), 1);
    QVERIFY(!m_transactions->findById(late.id)->deletedAt.has_value());
    QVERIFY(m_transactions->findById(early.id)->deletedAt.has_value());
    QCOMPARE(m_transactions->restoreByAccount(account, QStringLiteral("2026-05-01T11:59:55Z")), 0);
    QCOMPARE(changed.count(), 1);

    QCOMPARE(m_transactions->softDeleteByAccount(account), 1);
    QCOMPARE(m_transactions->softDeleteByAccount(account), 0);
    QCOMPARE(changed.count(), 2);
}

void TestTransactionRepository::foreignKeyFailureLogsAndEmitsNothing()
{
    const QString account = addAccount();
    QSignalSpy changed(m_transactions.get(), &TransactionRepository::transactionsChanged);

    Transaction orphan = Records::transaction(QStringLiteral("no-such-account"), QDate(2026, 1, 1), 1);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral(
                                           "^TransactionRepository::insert failed: FOREIGN KEY")));
    QVERIFY(!m_transactions->insert(orphan));

    Transaction badCategory = Records::transaction(account, QDate(2026, 1, 1), 1);
    badCategory.categoryId = QStringLiteral("no-such-category");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral(
                                           "^TransactionRepository::insert failed: FOREIGN KEY")));
    QVERIFY(!m_transactions->insert(badCategory));
    QCOMPARE(changed.count(), 0);
    QCOMPARE(m_db->scalar(QStringLiteral("SELECT COUNT(*) FROM transactions")).toInt(), 0);
}

void TestTransactionRepository::emptyCategoryIsStoredAsNull()
{
    const QString account = addAccount();
    const Transaction transaction = add(account, QDate(2026, 1, 1), 1);
    QVERIFY(!transaction.id.isEmpty());
    QCOMPARE(m_db->scalar(QStringLiteral("SELECT category_id IS NULL FROM transactions")).toInt(), 1);
    QCOMPARE(m_transactions->findById(transaction.id), std::optional<Transaction>(transaction));
}

void TestTransactionRepository::emptyPayeeIsStoredNotRefused()
{
    const QString account = addAccount();
    // Regression: a default-constructed payee was bound as NULL and failed the NOT NULL column.
    const Transaction transaction = add(account, QDate(2026, 1, 1), -100, QString());
    QVERIFY(!transaction.id.isEmpty());
    QCOMPARE(m_transactions->registerRows(account).size(), 1);
    QVERIFY(m_transactions->payees().isEmpty());
}

void TestTransactionRepository::updateNeverMovesTheTransaction()
{
    const QString from = addAccount(0, QStringLiteral("From"));
    const QString to = addAccount(0, QStringLiteral("To"));
    Transaction transaction = add(from, QDate(2026, 1, 1), 1);
    transaction.accountId = to;
    transaction.amount = 77;
    QVERIFY(m_transactions->update(transaction));
    const std::optional<Transaction> stored = m_transactions->findById(transaction.id);
    QCOMPARE(stored->accountId, from);
    QCOMPARE(stored->amount, 77);
}

void TestTransactionRepository::lastByPayeeComparesExactly()
{
    const QString account = addAccount();
    const QString other = addAccount(0, QStringLiteral("Other"));
    add(account, QDate(2026, 1, 1), -100, QStringLiteral("Grocer"));
    const Transaction newest = add(account, QDate(2026, 2, 1), -200, QStringLiteral("Grocer"));
    add(account, QDate(2026, 1, 15), -300, QStringLiteral("Grocer"));
    add(other, QDate(2026, 3, 1), -400, QStringLiteral("Grocer"));

    QCOMPARE(m_transactions->lastByPayee(QStringLiteral("Grocer"), account)->id, newest.id);
    QVERIFY(!m_transactions->lastByPayee(QStringLiteral("grocer"), account));
    QVERIFY(!m_transactions->lastByPayee(QStringLiteral("Grocer "), account));
}

void TestTransactionRepository::resyncAnnouncesWithEmptyAccount()
{
    const QString account = addAccount();
    const Transaction transaction = add(account, QDate(2026, 1, 1), 1);
    QVERIFY(TestDatabase::markStoredSynced(m_transactions.get(), transaction.id, QStringLiteral("s")));
    QSignalSpy changed(m_transactions.get(), &TransactionRepository::transactionsChanged);
    QCOMPARE(m_transactions->markAllPendingForResync(), 1);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().first().toString(), QString());
}

void TestTransactionRepository::search_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<TransactionSearchFilter>("filter");
    QTest::addColumn<QStringList>("payees"); // newest first

    const QString checking = QStringLiteral("acc-checking");
    QTest::newRow("plain word in payee")
        << QStringLiteral("coffee") << TransactionSearchFilter{}
        << QStringList{QStringLiteral("Corner Coffee"), QStringLiteral("Coffee Club")};
    QTest::newRow("word in memo") << QStringLiteral("birthday") << TransactionSearchFilter{}
                                  << QStringList{QStringLiteral("Toy Shop")};
    QTest::newRow("check number") << QStringLiteral("1042") << TransactionSearchFilter{}
                                  << QStringList{QStringLiteral("Landlord")};
    QTest::newRow("prefix") << QStringLiteral("coff*") << TransactionSearchFilter{}
                            << QStringList{QStringLiteral("Corner Coffee"), QStringLiteral("Coffee Club")};
    QTest::newRow("phrase") << QStringLiteral("\"corner coffee\"") << TransactionSearchFilter{}
                            << QStringList{QStringLiteral("Corner Coffee")};
    TransactionSearchFilter inChecking;
    inChecking.accountId = checking;
    QTest::newRow("account filter") << QStringLiteral("coffee") << inChecking
                                    << QStringList{QStringLiteral("Coffee Club")};
    TransactionSearchFilter range;
    range.fromDate = QDate(2026, 2, 1);
    range.toDate = QDate(2026, 2, 10);
    QTest::newRow("inclusive date range")
        << QString() << range << QStringList{QStringLiteral("Corner Coffee"), QStringLiteral("Toy Shop")};
    TransactionSearchFilter uncleared;
    uncleared.cleared = false;
    QTest::newRow("only uncleared, all accounts")
        << QString() << uncleared << QStringList{QStringLiteral("Corner Coffee"), QStringLiteral("Landlord")};
    TransactionSearchFilter food;
    food.categoryId = QStringLiteral("cat-food");
    QTest::newRow("category filter") << QString() << food << QStringList{QStringLiteral("Coffee Club")};
}

void TestTransactionRepository::search()
{
    QFETCH(QString, query);
    QFETCH(TransactionSearchFilter, filter);
    QFETCH(QStringList, payees);

    Account checking = Records::account(QStringLiteral("Checking"));
    checking.id = QStringLiteral("acc-checking");
    const QString savings = addAccount(0, QStringLiteral("Savings"));
    QVERIFY(m_accounts->insert(checking));
    Category food = Records::category(QStringLiteral("Food"));
    food.id = QStringLiteral("cat-food");
    QVERIFY(m_categories->insert(food));

    Transaction club =
        Records::transaction(checking.id, QDate(2026, 1, 20), -450).payee(QStringLiteral("Coffee Club"));
    club.categoryId = food.id;
    club.cleared = true;
    Transaction toy =
        Records::transaction(savings, QDate(2026, 2, 1), -2000).payee(QStringLiteral("Toy Shop"));
    toy.memo = QStringLiteral("Birthday present");
    toy.cleared = true;
    Transaction corner =
        Records::transaction(savings, QDate(2026, 2, 10), -380).payee(QStringLiteral("Corner Coffee"));
    Transaction rent =
        Records::transaction(checking.id, QDate(2026, 1, 1), -90000).payee(QStringLiteral("Landlord"));
    rent.checkNumber = QStringLiteral("1042");
    for (const Transaction &transaction : {club, toy, corner, rent})
        QVERIFY(m_transactions->insert(transaction));

    QStringList found;
    for (const RegisterRow &row : m_transactions->search(query, filter)) {
        found.append(row.transaction.payee);
        QCOMPARE(row.runningBalance, 0);
        if (row.transaction.id == club.id)
            QCOMPARE(row.categoryName, QStringLiteral("Food"));
    }
    QCOMPARE(found, payees);
    // The count without the limit agrees with the search under it.
    QCOMPARE(m_transactions->searchCount(query, filter), int(payees.size()));
}

void TestTransactionRepository::searchIsCutAt200NewestFirst()
{
    const QString account = addAccount();
    SqlTransaction guard(m_db->database()->connection());
    for (int day = 0; day < 250; ++day)
        QVERIFY(!add(account, QDate(2025, 1, 1).addDays(day), day, QStringLiteral("Repeat")).id.isEmpty());
    QVERIFY(guard.commit());

    const QList<RegisterRow> rows = m_transactions->search(QStringLiteral("repeat"), {});
    QCOMPARE(rows.size(), 200);
    QCOMPARE(rows.first().transaction.date, QDate(2025, 1, 1).addDays(249));
    QCOMPARE(rows.last().transaction.date, QDate(2025, 1, 1).addDays(50));
    QCOMPARE(m_transactions->search(QString(), {}).size(), 200);
    QCOMPARE(m_transactions->searchCount(QStringLiteral("repeat"), {}), 250);
    QCOMPARE(m_transactions->searchCount(QString(), {}), 250);

    // Enough matches that the search walks the date index: the filters still apply.
    TransactionSearchFilter window;
    window.fromDate = QDate(2025, 1, 11);
    window.toDate = QDate(2025, 1, 20);
    window.cleared = false;
    const QList<RegisterRow> windowRows = m_transactions->search(QStringLiteral("repeat"), window);
    QCOMPARE(windowRows.size(), 10);
    QCOMPARE(windowRows.first().transaction.date, QDate(2025, 1, 20));
    QCOMPARE(windowRows.last().transaction.date, QDate(2025, 1, 11));
    QVERIFY(m_transactions->softDelete(windowRows.first().transaction.id));
    QCOMPARE(m_transactions->search(QStringLiteral("repeat"), window).size(), 9);
    QCOMPARE(m_transactions->searchCount(QStringLiteral("repeat"), window), 9);
    QCOMPARE(m_transactions->searchCount(QStringLiteral("repeat"), {}), 249);
    window.cleared = true;
    QVERIFY(m_transactions->search(QStringLiteral("repeat"), window).isEmpty());
}

void TestTransactionRepository::searchWithInvalidSyntaxIsEmptyAndQuiet()
{
    const QString account = addAccount();
    add(account, QDate(2026, 1, 1), 1, QStringLiteral("Quote \"Shop"));
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
    QVERIFY(m_transactions->search(QStringLiteral("\"unbalanced"), {}).isEmpty());
    QVERIFY(m_transactions->search(QStringLiteral("AND"), {}).isEmpty());
    QCOMPARE(m_transactions->searchCount(QStringLiteral("\"unbalanced"), {}), 0);
}

// Only rows written around the amount limit can add up past 64 bits; the balance and the running
// balances then fail loudly instead of showing 0, INT64_MIN or a wrapped figure.
void TestTransactionRepository::sumsBeyond64BitsAreReportedNotWrapped()
{
    const QString account = addAccount(100);
    for (int i = 0; i < 2; ++i) {
        QVERIFY(m_db->exec(
            QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, amount, created_at, "
                           "updated_at) VALUES ('huge-%1', '%2', '2026-01-0%1', 'Huge', "
                           "6000000000000000000, '2026-01-01T00:00:00Z', '2026-01-01T00:00:00Z')")
                .arg(i + 1)
                .arg(account)));
    }
    bool ok = true;
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("^TransactionRepository::balance failed:")));
    QCOMPARE(m_transactions->balance(account, &ok), Money(0));
    QVERIFY(!ok);
    ok = true;
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("^TransactionRepository::registerRows failed:")));
    QVERIFY(m_transactions->registerRows(account, &ok).isEmpty());
    QVERIFY(!ok);
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("^TransactionRepository::registerIndex failed:")));
    QVERIFY(m_transactions->registerIndex(account).rowIds.isEmpty());

    // One such row alone still fits, exactly.
    QVERIFY(m_db->exec(QStringLiteral("DELETE FROM transactions WHERE id = 'huge-2'")));
    QCOMPARE(m_transactions->balance(account, &ok), Money(Q_INT64_C(6000000000000000100)));
    QVERIFY(ok);
}

void TestTransactionRepository::searchSyntaxErrorIsNamed()
{
    QCOMPARE(m_transactions->searchSyntaxError(QStringLiteral("market")), QString());
    QCOMPARE(m_transactions->searchSyntaxError(QString()), QString());
    QVERIFY(m_transactions->searchSyntaxError(QStringLiteral("AND")).contains(QLatin1String("syntax error")));
    QVERIFY(!m_transactions->searchSyntaxError(QStringLiteral("\"x")).isEmpty());
}

void TestTransactionRepository::guardRollsBackNestedWrites()
{
    const QString account = addAccount();
    {
        SqlTransaction outer(m_db->database()->connection());
        QVERIFY(outer.isActive());
        add(account, QDate(2026, 1, 1), 1);
        {
            SqlTransaction inner(m_db->database()->connection());
            QVERIFY(inner.isActive());
            add(account, QDate(2026, 1, 2), 2);
            QVERIFY(inner.commit());
        }
        {
            SqlTransaction abandoned(m_db->database()->connection());
            add(account, QDate(2026, 1, 3), 3);
        }
        QCOMPARE(m_transactions->byAccount(account).size(), 2);
    }
    QCOMPARE(m_transactions->byAccount(account).size(), 0);
}

QTEST_GUILESS_MAIN(TestTransactionRepository)
#include "tst_transactionrepository.moc"
