#include "data/accountrepository.h"
#include "data/datetext.h"
#include "data/identifiers.h"
#include "data/preferencesrepository.h"
#include "data/reconciliationrepository.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "support/recordbuilders.h"
#include "support/testdatabase.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

// Reconciliation history, split lines and preferences.
class TestSmallRepositories : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void latestForAccountSkipsDeletedRows();
    void insertFillsInvalidTimestampsWithNow();
    void reconciliationUpdateMayMoveAccount();
    void splitLineNeedsItsTransactionAndCategory();
    void boolValue_data();
    void boolValue();
    void setValueTwiceKeepsOneRowAndAnnouncesTwice();
    void removeIsSilentAndFallsBackToDefault();

private:
    Reconciliation reconciliation(const QDate &statementDate) const;

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<AccountRepository> m_accounts;
    std::unique_ptr<ReconciliationRepository> m_reconciliations;
    std::unique_ptr<PreferencesRepository> m_preferences;
    QString m_accountId;
};

void TestSmallRepositories::init()
{
    m_db = std::make_unique<TestDatabase>();
    QVERIFY(m_db->isReady());
    m_accounts = std::make_unique<AccountRepository>(m_db->database());
    m_reconciliations = std::make_unique<ReconciliationRepository>(m_db->database());
    m_preferences = std::make_unique<PreferencesRepository>(m_db->database());
    const Account account = Records::account(QStringLiteral("Checking"));
    QVERIFY(m_accounts->insert(account));
    m_accountId = account.id;
}

void TestSmallRepositories::cleanup()
{
    m_preferences.reset();
    m_reconciliations.reset();
    m_accounts.reset();
    m_db.reset();
}

Reconciliation TestSmallRepositories::reconciliation(const QDate &statementDate) const
{
    return Records::reconciliation(m_accountId, statementDate, 123456);
}

void TestSmallRepositories::latestForAccountSkipsDeletedRows()
{
    const Reconciliation march = reconciliation(QDate(2026, 3, 31));
    const Reconciliation april = reconciliation(QDate(2026, 4, 30));
    QVERIFY(m_reconciliations->insert(march));
    QVERIFY(m_reconciliations->insert(april));
    QCOMPARE(m_reconciliations->latestForAccount(m_accountId), std::optional<Reconciliation>(april));
    QCOMPARE(m_reconciliations->byAccount(m_accountId).first().id, april.id);

    QVERIFY(m_db->exec(
        QStringLiteral("UPDATE reconciliations SET deleted_at = '2026-05-01T00:00:00Z' WHERE id = '%1'")
            .arg(april.id)));
    QCOMPARE(m_reconciliations->latestForAccount(m_accountId)->id, march.id);
    QCOMPARE(m_reconciliations->byAccount(m_accountId).size(), 1);
    QCOMPARE(m_reconciliations->pending().size(), 2);
}

void TestSmallRepositories::insertFillsInvalidTimestampsWithNow()
{
    Reconciliation undated = reconciliation(QDate(2026, 3, 31));
    undated.createdAt = QDateTime();
    undated.updatedAt = QDateTime();
    const QDateTime before = currentTimestamp();
    QVERIFY(m_reconciliations->insert(undated));
    const std::optional<Reconciliation> stored = m_reconciliations->findById(undated.id);
    QVERIFY(stored->createdAt.isValid() && stored->createdAt >= before);
    QVERIFY(stored->updatedAt.isValid() && stored->updatedAt >= before);
}

void TestSmallRepositories::reconciliationUpdateMayMoveAccount()
{
    const Account other = Records::account(QStringLiteral("Other"));
    QVERIFY(m_accounts->insert(other));
    Reconciliation moved = reconciliation(QDate(2026, 3, 31));
    QVERIFY(m_reconciliations->insert(moved));
    QSignalSpy changed(m_reconciliations.get(), &ReconciliationRepository::reconciliationsChanged);
    moved.accountId = other.id;
    QVERIFY(m_reconciliations->update(moved));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(m_reconciliations->byAccount(other.id).size(), 1);

    moved.accountId = QStringLiteral("no-such-account");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral(
                                           "^ReconciliationRepository::update failed: FOREIGN KEY")));
    QVERIFY(!m_reconciliations->update(moved));
    QCOMPARE(changed.count(), 1);
}

void TestSmallRepositories::splitLineNeedsItsTransactionAndCategory()
{
    SplitLineRepository splitLines(m_db->database());
    SplitLine line;
    line.id = newId();
    line.transactionId = QStringLiteral("no-such-transaction");
    line.amount = -100;
    line.createdAt = line.updatedAt = currentTimestamp();
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("^SplitLineRepository::insert failed: ")));
    QVERIFY(!splitLines.insert(line));

    TransactionRepository transactions(m_db->database());
    const Transaction parent = Records::transaction(m_accountId, QDate(2026, 1, 1), -100);
    QVERIFY(transactions.insert(parent));
    QVERIFY(m_db->exec(
        QStringLiteral("INSERT INTO categories (id, name, created_at, updated_at) VALUES ('c', 'C', "
                       "'x', 'x')")));
    line.transactionId = parent.id;
    line.categoryId = QStringLiteral("c");
    QVERIFY(splitLines.insert(line));
    QCOMPARE(m_db->scalar(QStringLiteral("SELECT amount FROM split_lines")).toLongLong(), -100);
}

void TestSmallRepositories::boolValue_data()
{
    QTest::addColumn<std::optional<QString>>("stored");
    QTest::addColumn<bool>("defaultValue");
    QTest::addColumn<bool>("expected");
    QTest::newRow("no row gives default true") << std::optional<QString>() << true << true;
    QTest::newRow("no row gives default false") << std::optional<QString>() << false << false;
    QTest::newRow("one") << std::optional<QString>(QStringLiteral("1")) << false << true;
    QTest::newRow("true") << std::optional<QString>(QStringLiteral("true")) << false << true;
    QTest::newRow("yes is false") << std::optional<QString>(QStringLiteral("yes")) << true << false;
    QTest::newRow("empty is false") << std::optional<QString>(QString()) << true << false;
}

void TestSmallRepositories::boolValue()
{
    QFETCH(std::optional<QString>, stored);
    QFETCH(bool, defaultValue);
    QFETCH(bool, expected);
    if (stored)
        QVERIFY(m_preferences->setValue(QStringLiteral("registerTwoLine"), *stored));
    QCOMPARE(m_preferences->boolValue(QStringLiteral("registerTwoLine"), defaultValue), expected);
}

void TestSmallRepositories::setValueTwiceKeepsOneRowAndAnnouncesTwice()
{
    QSignalSpy changed(m_preferences.get(), &PreferencesRepository::changed);
    QVERIFY(m_preferences->setValue(QStringLiteral("theme"), QStringLiteral("dark")));
    QVERIFY(m_preferences->setInt(QStringLiteral("theme"), 3));
    QCOMPARE(changed.count(), 2);
    QCOMPARE(changed.last().first().toString(), QStringLiteral("theme"));
    QCOMPARE(m_db->scalar(QStringLiteral("SELECT COUNT(*) FROM preferences")).toInt(), 1);
    QCOMPARE(m_preferences->value(QStringLiteral("theme")), std::optional<QString>(QStringLiteral("3")));
    QVERIFY(m_preferences->setValue(QStringLiteral("theme"), QString()));
    QCOMPARE(m_preferences->value(QStringLiteral("theme"), QStringLiteral("system")), QString());
}

void TestSmallRepositories::removeIsSilentAndFallsBackToDefault()
{
    QVERIFY(m_preferences->setBool(QStringLiteral("registerNewestFirst"), true));
    QSignalSpy changed(m_preferences.get(), &PreferencesRepository::changed);
    QVERIFY(m_preferences->remove(QStringLiteral("registerNewestFirst")));
    QCOMPARE(changed.count(), 0);
    QVERIFY(!m_preferences->value(QStringLiteral("registerNewestFirst")).has_value());
    QCOMPARE(m_preferences->value(QStringLiteral("registerNewestFirst"), QStringLiteral("0")),
             QStringLiteral("0"));
}

QTEST_GUILESS_MAIN(TestSmallRepositories)
#include "tst_smallrepositories.moc"
