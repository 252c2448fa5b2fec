#include "data/accountrepository.h"
#include "data/datetext.h"
#include "data/recurringrepository.h"
#include "support/recordbuilders.h"
#include "support/testdatabase.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

class TestRecurringRepository : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void roundTripKeepsOptionalEndDateAndNulls();
    void dueTakesOnlyLiveActiveRowsUpToToday();
    void brokenNextDueDateIsWrittenAfterAWarning_data();
    void brokenNextDueDateIsWrittenAfterAWarning();
    void accountCascadeDeletesAndRestores();

private:
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<AccountRepository> m_accounts;
    std::unique_ptr<RecurringRepository> m_recurring;
    QString m_accountId;
};

void TestRecurringRepository::init()
{
    m_db = std::make_unique<TestDatabase>();
    QVERIFY(m_db->isReady());
    m_accounts = std::make_unique<AccountRepository>(m_db->database());
    m_recurring = std::make_unique<RecurringRepository>(m_db->database());
    const Account account = Records::account(QStringLiteral("Checking"));
    QVERIFY(m_accounts->insert(account));
    m_accountId = account.id;
}

void TestRecurringRepository::cleanup()
{
    m_recurring.reset();
    m_accounts.reset();
    m_db.reset();
}

void TestRecurringRepository::roundTripKeepsOptionalEndDateAndNulls()
{
    RecurringTransaction open =
        Records::recurring(m_accountId, QDate(2026, 1, 31), -5000).frequency(Frequency::SemiAnnual);
    QVERIFY(m_recurring->insert(open));
    QCOMPARE(m_recurring->findById(open.id), std::optional<RecurringTransaction>(open));
    QCOMPARE(m_db->scalar(QStringLiteral("SELECT end_date IS NULL AND category_id IS NULL FROM "
                                         "recurring_transactions"))
                 .toInt(),
             1);

    open.endDate = QDate(2027, 1, 31);
    open.autoPost = true;
    QVERIFY(m_recurring->update(open));
    QCOMPARE(m_recurring->findById(open.id), std::optional<RecurringTransaction>(open));
}

void TestRecurringRepository::dueTakesOnlyLiveActiveRowsUpToToday()
{
    const QDate today(2026, 4, 15);
    const RecurringTransaction dueToday = Records::recurring(m_accountId, today, 1);
    const RecurringTransaction overdue = Records::recurring(m_accountId, today.addDays(-40), 2);
    const RecurringTransaction future = Records::recurring(m_accountId, today.addDays(1), 3);
    RecurringTransaction inactive = Records::recurring(m_accountId, today.addDays(-1), 4);
    inactive.isActive = false;
    const RecurringTransaction deleted = Records::recurring(m_accountId, today.addDays(-1), 5);
    for (const RecurringTransaction &recurring : {dueToday, overdue, future, inactive, deleted})
        QVERIFY(m_recurring->insert(recurring));
    QVERIFY(m_recurring->softDelete(deleted.id));

    QList<Money> amounts;
    for (const RecurringTransaction &recurring : m_recurring->due(today))
        amounts.append(recurring.amount);
    std::sort(amounts.begin(), amounts.end());
    QCOMPARE(amounts, (QList<Money>{1, 2}));

    amounts.clear();
    for (const RecurringTransaction &recurring : m_recurring->all())
        amounts.append(recurring.amount);
    QCOMPARE(amounts, (QList<Money>{2, 4, 1, 3}));
}

void TestRecurringRepository::brokenNextDueDateIsWrittenAfterAWarning_data()
{
    QTest::addColumn<QDate>("nextDue");
    QTest::newRow("before 2000") << QDate(1999, 12, 31);
    QTest::newRow("invalid") << QDate();
}

void TestRecurringRepository::brokenNextDueDateIsWrittenAfterAWarning()
{
    QFETCH(QDate, nextDue);
    RecurringTransaction broken =
        Records::recurring(m_accountId, QDate(2026, 1, 1), -100).frequency(Frequency::Weekly);
    broken.nextDueDate = nextDue;
    broken.payee = QStringLiteral("Gym");
    const QString expected =
        QStringLiteral("RecurringRepository:: insert saving recurring with broken nextDueDate: "
                       "id= %1 payee= Gym nextDueDate= %2 startDate= 2026-01-01 frequency= 1")
            .arg(broken.id, dateToText(nextDue));
    QTest::ignoreMessage(QtWarningMsg, qPrintable(expected));
    QVERIFY(m_recurring->insert(broken));
    QVERIFY(m_recurring->findById(broken.id).has_value());
}

void TestRecurringRepository::accountCascadeDeletesAndRestores()
{
    const RecurringTransaction recurring = Records::recurring(m_accountId, QDate(2026, 1, 1), 1);
    QVERIFY(m_recurring->insert(recurring));
    QSignalSpy changed(m_recurring.get(), &RecurringRepository::recurringChanged);
    QCOMPARE(m_recurring->softDeleteByAccount(m_accountId), 1);
    const QDateTime deletedAt = *m_recurring->findById(recurring.id)->deletedAt;
    QCOMPARE(m_recurring->restoreByAccount(m_accountId, timestampToText(deletedAt.addSecs(1))), 0);
    QCOMPARE(m_recurring->restoreByAccount(m_accountId, timestampToText(deletedAt.addSecs(-10))), 1);
    QCOMPARE(changed.count(), 2);
    QVERIFY(TestDatabase::markStoredSynced(m_recurring.get(), recurring.id, QStringLiteral("s")));
    QCOMPARE(changed.count(), 2);
    QCOMPARE(m_recurring->markAllPendingForResync(), 1);
    QCOMPARE(changed.count(), 3);
}

QTEST_GUILESS_MAIN(TestRecurringRepository)
#include "tst_recurringrepository.moc"
