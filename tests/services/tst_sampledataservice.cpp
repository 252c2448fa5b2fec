#include "data/database.h"
#include "data/transactionrepository.h"
#include "services/sampledataservice.h"
#include "support/recordbuilders.h"
#include "support/testcore.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

#include <memory>

namespace {

const QString checkingId = QStringLiteral("sample-acct-checking");
const QString savingsId = QStringLiteral("sample-acct-savings");
const QString visaId = QStringLiteral("sample-acct-visa");

} // namespace

class TestSampleDataService : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void loadGivesThreeAccountsWithTheirBalances();
    void missingCategoryLeavesRowUncategorised();
    void transferLegsLinkEachOther();
    void deletingOneSideOfSampleTransferDeletesBoth();
    void clearRemovesTheSet();
    void clearKeepsRowsTheUserAdded();
    void loadingTwiceWritesNothing();

private:
    int scalar(const QString &sql) const;
    void exec(const QString &sql);

    std::unique_ptr<TestCore> m_core;
    Database *m_database = nullptr;
    TransactionRepository *m_transactions = nullptr;
    std::unique_ptr<SampleDataService> m_service;
};

void TestSampleDataService::init()
{
    // The Core stores the default categories, which the sample rows name.
    m_core = std::make_unique<TestCore>();
    QVERIFY(m_core->isReady());
    m_database = (*m_core)->database();
    m_transactions = (*m_core)->transactionRepository();
    m_service = std::make_unique<SampleDataService>(m_database);
}

void TestSampleDataService::cleanup()
{
    m_service.reset();
    m_core.reset();
}

int TestSampleDataService::scalar(const QString &sql) const
{
    QSqlQuery query(m_database->connection());
    if (!query.exec(sql) || !query.next())
        return -1;
    return query.value(0).toInt();
}

void TestSampleDataService::exec(const QString &sql)
{
    QSqlQuery query(m_database->connection());
    QVERIFY2(query.exec(sql), qPrintable(query.lastError().text()));
}

void TestSampleDataService::loadGivesThreeAccountsWithTheirBalances()
{
    QVERIFY(!m_service->hasSampleData());
    QVERIFY(m_service->loadSampleData());
    QVERIFY(m_service->hasSampleData());

    QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM accounts WHERE id LIKE 'sample-acct-%'")), 3);
    QCOMPARE(m_transactions->balance(checkingId), Money(1125960));
    QCOMPARE(m_transactions->balance(savingsId), Money(1101695));
    QCOMPARE(m_transactions->balance(visaId), Money(-3839));
    QCOMPARE(m_transactions->byAccount(checkingId).size(), 33);

    // Only the four transfer legs and the two card payments go without a category.
    QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM transactions WHERE category_id IS NULL")), 6);
    QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM transactions WHERE reconciled = 1")), 16);
    QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM transactions WHERE cleared = 1")), 36);
    QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM transactions WHERE check_number IS NOT NULL")), 3);

    const QString today = QDate::currentDate().toString(Qt::ISODate);
    QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM transactions WHERE date = '%1'").arg(today)), 2);
    QCOMPARE(scalar(QStringLiteral("SELECT MIN(date) = '%1' FROM transactions")
                        .arg(QDate::currentDate().addDays(-60).toString(Qt::ISODate))),
             1);
    QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM recurring_transactions WHERE account_id = '%1' AND "
                                   "auto_post = 0 AND is_active = 1 AND start_date = '%2'")
                        .arg(checkingId, QDate::currentDate().addDays(-60).toString(Qt::ISODate))),
             3);
    QCOMPARE(scalar(QStringLiteral(
                        "SELECT COUNT(*) FROM recurring_transactions r JOIN categories c ON "
                        "r.category_id = c.id WHERE r.frequency = 'biweekly' AND c.name = 'Salary / Wages' "
                        "AND r.next_due_date = '%1'")
                        .arg(QDate::currentDate().addDays(8).toString(Qt::ISODate))),
             1);
}

void TestSampleDataService::missingCategoryLeavesRowUncategorised()
{
    exec(QStringLiteral("UPDATE categories SET deleted_at = '2026-01-01T00:00:00Z' WHERE name = 'Internet'"));
    QVERIFY(m_service->loadSampleData());
    QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM transactions WHERE payee = 'NetConnect ISP' AND "
                                   "category_id IS NULL")),
             1);
    QCOMPARE(scalar(QStringLiteral(
                 "SELECT COUNT(*) FROM transactions t JOIN categories c ON t.category_id = c.id "
                 "JOIN categories p ON c.parent_id = p.id WHERE t.payee = 'Lakeside Utilities' AND "
                 "p.name = 'Utilities'")),
             3);
}

void TestSampleDataService::transferLegsLinkEachOther()
{
    QVERIFY(m_service->loadSampleData());
    int pairs = 0;
    for (const Transaction &leg : m_transactions->byAccount(checkingId)) {
        if (leg.transferLinkId.isEmpty())
            continue;
        ++pairs;
        const std::optional<Transaction> other = m_transactions->findById(leg.transferLinkId);
        QVERIFY2(other, "a transfer leg must name the other leg's id");
        QCOMPARE(other->transferLinkId, leg.id);
        QCOMPARE(other->accountId, savingsId);
        QCOMPARE(other->transferDestAccountId, checkingId);
        QCOMPARE(leg.transferDestAccountId, savingsId);
        QCOMPARE(other->amount, -leg.amount);
        QCOMPARE(other->date, leg.date);
        QVERIFY(leg.id.startsWith(QLatin1String("sample-txn-")));
    }
    QCOMPARE(pairs, 2);
}

void TestSampleDataService::deletingOneSideOfSampleTransferDeletesBoth()
{
    QVERIFY(m_service->loadSampleData());
    std::optional<Transaction> savingsLeg;
    for (const Transaction &row : m_transactions->byAccount(savingsId)) {
        if (!row.transferLinkId.isEmpty()) {
            savingsLeg = row;
            break;
        }
    }
    QVERIFY(savingsLeg);

    // What the register does on delete: the linked leg first, then the row itself.
    QVERIFY(m_transactions->softDelete(savingsLeg->transferLinkId));
    QVERIFY(m_transactions->softDelete(savingsLeg->id));

    QCOMPARE(m_transactions->balance(savingsId), Money(1101695 - 50000));
    QCOMPARE(m_transactions->balance(checkingId), Money(1125960 + 50000));
}

void TestSampleDataService::clearRemovesTheSet()
{
    QVERIFY(m_service->loadSampleData());
    exec(QStringLiteral(
        "INSERT INTO sync_queue (entity_type, entity_id, action, created_at) VALUES ('account', "
        "'sample-acct-visa', 'create', '2026-01-01T00:00:00Z')"));
    QVERIFY(m_service->clearSampleData());
    QVERIFY(!m_service->hasSampleData());
    for (const char *table :
         {"accounts", "transactions", "recurring_transactions", "reconciliations", "split_lines"})
        QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM %1").arg(QLatin1String(table))), 0);
    QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM sync_queue")), 0);
    QVERIFY(scalar(QStringLiteral("SELECT COUNT(*) FROM categories")) > 0);

    // Loading again after a clear works.
    QVERIFY(m_service->loadSampleData());
    QCOMPARE(m_transactions->balance(visaId), Money(-3839));
}

void TestSampleDataService::clearKeepsRowsTheUserAdded()
{
    QVERIFY(m_service->loadSampleData());
    const QDateTime stamp(QDate(2026, 1, 1), QTime(0, 0), Qt::UTC);
    Records::account(QStringLiteral("Mine"))
        .id(QStringLiteral("mine"))
        .createdAt(stamp)
        .addTo(m_core->core());
    Records::transaction(QStringLiteral("mine"), QDate(2026, 1, 2), -100)
        .id(QStringLiteral("user-1"))
        .payee(QStringLiteral("Own"))
        .createdAt(stamp)
        .addTo(m_core->core());
    Records::transaction(visaId, QDate(2026, 1, 3), -200)
        .id(QStringLiteral("user-2"))
        .payee(QStringLiteral("Typed into the sample account"))
        .createdAt(stamp)
        .addTo(m_core->core());
    // Neither a statement nor a split line has a builder: these two are written as stored.
    const QString stamps = QStringLiteral("'2026-01-01T00:00:00Z', '2026-01-01T00:00:00Z'");
    exec(QStringLiteral("INSERT INTO reconciliations (id, account_id, statement_date, statement_balance, "
                        "reconciled_balance, completed_at, created_at, updated_at) VALUES ('user-r', '%1', "
                        "'2026-01-31', 0, 0, '2026-02-01T00:00:00Z', %2)")
             .arg(savingsId, stamps));
    const QString sampleTransaction = m_transactions->byAccount(checkingId).first().id;
    exec(QStringLiteral(
             "INSERT INTO split_lines (id, transaction_id, category_id, amount, created_at, updated_at) "
             "SELECT 'user-split', '%1', id, -1, %2 FROM categories LIMIT 1")
             .arg(sampleTransaction, stamps));

    QVERIFY(m_service->clearSampleData());

    QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM transactions WHERE id LIKE 'sample-%'")), 0);
    QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM recurring_transactions")), 0);
    QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM split_lines")), 0);
    // The accounts holding the user's rows stay, with exactly those rows; the untouched one goes.
    QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM accounts WHERE id = '%1'").arg(checkingId)), 0);
    QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM accounts WHERE id = '%1'").arg(savingsId)), 1);
    QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM accounts WHERE id = '%1'").arg(visaId)), 1);
    QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM reconciliations WHERE id = 'user-r'")), 1);
    QCOMPARE(m_transactions->balance(visaId), Money(-200));
    QCOMPARE(m_transactions->balance(QStringLiteral("mine")), Money(-100));
}

void TestSampleDataService::loadingTwiceWritesNothing()
{
    QVERIFY(m_service->loadSampleData());
    const int transactions = scalar(QStringLiteral("SELECT COUNT(*) FROM transactions"));
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("^SampleDataService::loadSampleData failed:")));
    QVERIFY(!m_service->loadSampleData());
    QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM transactions")), transactions);
    QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM recurring_transactions")), 3);
}

QTEST_GUILESS_MAIN(TestSampleDataService)
#include "tst_sampledataservice.moc"
