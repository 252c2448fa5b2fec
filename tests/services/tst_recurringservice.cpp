#include "data/accountrepository.h"
#include "data/datetext.h"
#include "data/recurringrepository.h"
#include "data/transactionrepository.h"
#include "services/recurringservice.h"
#include "support/recordbuilders.h"
#include "support/testcore.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

class TestRecurringService : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void advance_data();
    void advance();
    void occurrenceIdsAreTheReferenceIds();
    void monthlyFromJanuary31CatchesUpToApril();
    void catchUp_data();
    void catchUp();
    void endDateOccurrenceIsPostedThenScheduleStops();
    void brokenDateIsQuarantinedNotPosted();
    void brokenDateDuringAutoPostIsQuarantinedWithReason();
    void currencyMismatchPostsNothingAndStaysDue();
    void transferLegsAreLinkedBothWays();
    void failingSecondLegLeavesNothingHalfPosted();
    void secondConfirmOfSameOccurrenceCollides();
    void skipAdvancesWithoutPosting();
    void confirmAllDuePostsOneEach();
    void processDueIgnoresManualSchedules();
    void processDueAnnouncesOnceAfterItsRun();
    void memorize_data();
    void memorize();

private:
    QList<Transaction> posted() const;

    std::unique_ptr<TestCore> m_core;
    TestDatabase *m_db = nullptr;
    TransactionRepository *m_transactions = nullptr;
    RecurringRepository *m_recurring = nullptr;
    RecurringService *m_service = nullptr;
    QDate m_today;
    QString m_accountId;
};

void TestRecurringService::init()
{
    m_today = QDate(2026, 4, 15);
    m_core = std::make_unique<TestCore>(Core::Clock{[this] { return m_today; }, {}});
    QVERIFY(m_core->isReady());
    m_db = &m_core->database();
    m_transactions = (*m_core)->transactionRepository();
    m_recurring = (*m_core)->recurringRepository();
    m_service = (*m_core)->recurringService();
    m_accountId = Records::account(QStringLiteral("Checking")).addTo(m_core->core()).id;
}

void TestRecurringService::cleanup()
{
    m_core.reset();
}

QList<Transaction> TestRecurringService::posted() const
{
    QList<Transaction> all = m_transactions->pending();
    std::sort(all.begin(), all.end(), [](const Transaction &a, const Transaction &b) {
        return std::tie(a.date, a.accountId) < std::tie(b.date, b.accountId);
    });
    return all;
}

void TestRecurringService::advance_data()
{
    QTest::addColumn<QDate>("from");
    QTest::addColumn<Frequency>("frequency");
    QTest::addColumn<QDate>("expected");
    QTest::newRow("daily") << QDate(2026, 12, 31) << Frequency::Daily << QDate(2027, 1, 1);
    QTest::newRow("weekly") << QDate(2026, 2, 25) << Frequency::Weekly << QDate(2026, 3, 4);
    QTest::newRow("biweekly") << QDate(2026, 1, 1) << Frequency::Biweekly << QDate(2026, 1, 15);
    QTest::newRow("monthly clamps 31 Jan") << QDate(2026, 1, 31) << Frequency::Monthly << QDate(2026, 2, 28);
    QTest::newRow("monthly leap year") << QDate(2028, 1, 31) << Frequency::Monthly << QDate(2028, 2, 29);
    QTest::newRow("quarterly clamps") << QDate(2026, 11, 30) << Frequency::Quarterly << QDate(2027, 2, 28);
    QTest::newRow("semi-annual") << QDate(2026, 8, 31) << Frequency::SemiAnnual << QDate(2027, 2, 28);
    QTest::newRow("annual from 29 Feb") << QDate(2028, 2, 29) << Frequency::Annual << QDate(2029, 2, 28);
}

void TestRecurringService::advance()
{
    QFETCH(QDate, from);
    QFETCH(Frequency, frequency);
    QFETCH(QDate, expected);
    QCOMPARE(RecurringService::advance(from, frequency), expected);
}

void TestRecurringService::occurrenceIdsAreTheReferenceIds()
{
    RecurringTransaction recurring = Records::recurring(m_accountId, QDate(2026, 1, 31), -5000);
    recurring.id = QStringLiteral("11111111-1111-4111-8111-111111111111");
    QCOMPARE(RecurringService::occurrenceFor(recurring).id,
             QStringLiteral("d8dabc23-2d20-51d7-baec-32cfffd37f0f"));

    recurring.transferDestAccountId = Records::account(QStringLiteral("Savings")).addTo(m_core->core()).id;
    QVERIFY(m_recurring->insert(recurring));
    QVERIFY(m_service->confirm(recurring.id));
    const std::optional<Transaction> destination =
        m_transactions->findById(QStringLiteral("0f8dd825-d298-54a7-a5f6-3a1db987279d"));
    QVERIFY(destination.has_value());
    QCOMPARE(destination->accountId, recurring.transferDestAccountId);
}

void TestRecurringService::monthlyFromJanuary31CatchesUpToApril()
{
    const RecurringTransaction recurring =
        Records::recurring(m_accountId, QDate(2026, 1, 31), -120000).autoPost().addTo(m_core->core());
    QCOMPARE(m_service->processDue(), 3);

    QList<QDate> dates;
    for (const Transaction &transaction : posted()) {
        dates.append(transaction.date);
        QCOMPARE(transaction.recurringId, recurring.id);
        QCOMPARE(transaction.amount, -120000);
        QCOMPARE(transaction.version, 1);
    }
    QCOMPARE(dates, (QList<QDate>{QDate(2026, 1, 31), QDate(2026, 2, 28), QDate(2026, 3, 28)}));
    const std::optional<RecurringTransaction> stored = m_recurring->findById(recurring.id);
    QCOMPARE(stored->nextDueDate, QDate(2026, 4, 28));
    QVERIFY(stored->isActive);
    QCOMPARE(m_service->pendingCount(), 0);
}

void TestRecurringService::catchUp_data()
{
    QTest::addColumn<int>("daysBehind");
    QTest::addColumn<int>("expectedPosted");
    QTest::addColumn<bool>("quarantined");
    QTest::addColumn<int>("nextDueOffset"); // from today
    QTest::newRow("400 days: capped at 1 + 365") << 400 << 366 << true << -400 + 366;
    QTest::newRow("365 occurrences up to today") << 364 << 365 << true << 1;
    QTest::newRow("30 days: all posted") << 29 << 30 << false << 1;
}

void TestRecurringService::catchUp()
{
    QFETCH(int, daysBehind);
    QFETCH(int, expectedPosted);
    QFETCH(bool, quarantined);
    QFETCH(int, nextDueOffset);
    const RecurringTransaction recurring = Records::recurring(m_accountId, m_today.addDays(-daysBehind), -100)
                                               .frequency(Frequency::Daily)
                                               .autoPost()
                                               .addTo(m_core->core());
    if (quarantined) {
        QTest::ignoreMessage(
            QtWarningMsg,
            qPrintable(QStringLiteral("Quarantining recurring %1 Rent — auto-deactivating. Reason: hit "
                                      "catchup cap in single tick nextDueDate= %2")
                           .arg(recurring.id, dateToText(m_today.addDays(nextDueOffset)))));
    }
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
    QCOMPARE(m_service->processDue(), expectedPosted);
    QCOMPARE(m_db->scalar(QStringLiteral("SELECT COUNT(*) FROM transactions")).toInt(), expectedPosted);
    const std::optional<RecurringTransaction> stored = m_recurring->findById(recurring.id);
    QCOMPARE(stored->isActive, !quarantined);
    QCOMPARE(stored->nextDueDate, m_today.addDays(nextDueOffset));
    QCOMPARE(stored->syncStatus, SyncStatus::Pending);
}

void TestRecurringService::endDateOccurrenceIsPostedThenScheduleStops()
{
    RecurringTransaction recurring = Records::recurring(m_accountId, QDate(2026, 4, 1), -100);
    recurring.endDate = QDate(2026, 4, 1);
    QVERIFY(m_recurring->insert(recurring));
    QVERIFY(m_service->confirm(recurring.id));
    QCOMPARE(posted().size(), 1);
    const std::optional<RecurringTransaction> stored = m_recurring->findById(recurring.id);
    QVERIFY(!stored->isActive);
    QCOMPARE(stored->nextDueDate, QDate(2026, 5, 1));
    QCOMPARE(m_service->pendingCount(), 0);
}

void TestRecurringService::brokenDateIsQuarantinedNotPosted()
{
    const RecurringTransaction recurring =
        Records::recurring(m_accountId, QDate(2026, 1, 1), -100).autoPost().addTo(m_core->core());
    QVERIFY(m_db->exec(
        QStringLiteral("UPDATE recurring_transactions SET next_due_date = '1999-12-31', sync_status = "
                       "'synced'")));
    QTest::ignoreMessage(QtWarningMsg,
                         qPrintable(QStringLiteral("RecurringService::confirm refusing record with broken "
                                                   "date: %1 Rent 1999-12-31 — quarantining (deactivating)")
                                        .arg(recurring.id)));
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("^RecurringRepository:: update saving")));
    QVERIFY(!m_service->confirm(recurring.id));
    QVERIFY(posted().isEmpty());
    const std::optional<RecurringTransaction> stored = m_recurring->findById(recurring.id);
    QVERIFY(!stored->isActive);
    QCOMPARE(stored->syncStatus, SyncStatus::Pending);
}

void TestRecurringService::brokenDateDuringAutoPostIsQuarantinedWithReason()
{
    const RecurringTransaction recurring =
        Records::recurring(m_accountId, QDate(2026, 1, 1), -100).autoPost().addTo(m_core->core());
    QVERIFY(m_db->exec(QStringLiteral("UPDATE recurring_transactions SET next_due_date = '1999-12-31'")));
    QTest::ignoreMessage(QtWarningMsg,
                         qPrintable(QStringLiteral("Quarantining recurring %1 Rent — auto-deactivating. "
                                                   "Reason: broken next_due_date nextDueDate= 1999-12-31")
                                        .arg(recurring.id)));
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("^RecurringRepository:: update saving")));
    QCOMPARE(m_service->processDue(), 0);
    QVERIFY(!m_recurring->findById(recurring.id)->isActive);
}

void TestRecurringService::currencyMismatchPostsNothingAndStaysDue()
{
    RecurringTransaction recurring = Records::recurring(m_accountId, QDate(2026, 4, 1), -5000);
    recurring.transferDestAccountId =
        Records::account(QStringLiteral("Euro")).currency(Currency::EUR).addTo(m_core->core()).id;
    QVERIFY(m_recurring->insert(recurring));
    QTest::ignoreMessage(QtWarningMsg,
                         qPrintable(QStringLiteral("RecurringService: skipping transfer post for %1 — "
                                                   "source and destination currencies differ")
                                        .arg(recurring.id)));
    QVERIFY(!m_service->confirm(recurring.id));
    QVERIFY(posted().isEmpty());
    QCOMPARE(m_recurring->findById(recurring.id)->nextDueDate, QDate(2026, 4, 1));
    QCOMPARE(m_service->pendingCount(), 1);
}

void TestRecurringService::transferLegsAreLinkedBothWays()
{
    const QString savings = Records::account(QStringLiteral("Savings")).addTo(m_core->core()).id;
    RecurringTransaction recurring = Records::recurring(m_accountId, QDate(2026, 4, 1), -5000);
    recurring.transferDestAccountId = savings;
    QVERIFY(m_recurring->insert(recurring));

    QSignalSpy transactionsChanged(m_transactions, &TransactionRepository::transactionsChanged);
    QSignalSpy recurringChanged(m_recurring, &RecurringRepository::recurringChanged);
    QSignalSpy pendingCount(m_service, &RecurringService::pendingCountChanged);
    QVERIFY(m_service->confirm(recurring.id));

    const Transaction source = m_transactions->byAccount(m_accountId).value(0);
    const Transaction destination = m_transactions->byAccount(savings).value(0);
    QCOMPARE(source.amount, -5000);
    QCOMPARE(destination.amount, 5000);
    QCOMPARE(source.transferLinkId, destination.id);
    QCOMPARE(destination.transferLinkId, source.id);
    QCOMPARE(source.transferDestAccountId, savings);
    QCOMPARE(destination.transferDestAccountId, m_accountId);
    QCOMPARE(destination.recurringId, recurring.id);
    QCOMPARE(destination.date, QDate(2026, 4, 1));

    QCOMPARE(transactionsChanged.count(), 2);
    QCOMPARE(transactionsChanged.at(0).first().toString(), m_accountId);
    QCOMPARE(transactionsChanged.at(1).first().toString(), savings);
    QCOMPARE(recurringChanged.count(), 1);
    QCOMPARE(pendingCount.count(), 1);
    QCOMPARE(pendingCount.first().first().toInt(), 0);
}

void TestRecurringService::failingSecondLegLeavesNothingHalfPosted()
{
    RecurringTransaction recurring = Records::recurring(m_accountId, QDate(2026, 4, 1), -5000);
    recurring.transferDestAccountId = QStringLiteral("account-that-does-not-exist");
    QVERIFY(m_recurring->insert(recurring));

    QSignalSpy transactionsChanged(m_transactions, &TransactionRepository::transactionsChanged);
    QSignalSpy recurringChanged(m_recurring, &RecurringRepository::recurringChanged);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral(
                                           "^TransactionRepository::insert failed: FOREIGN KEY")));
    QVERIFY(!m_service->confirm(recurring.id));

    QCOMPARE(m_db->scalar(QStringLiteral("SELECT COUNT(*) FROM transactions")).toInt(), 0);
    QCOMPARE(m_recurring->findById(recurring.id), std::optional<RecurringTransaction>(recurring));
    QCOMPARE(transactionsChanged.count(), 0);
    QCOMPARE(recurringChanged.count(), 0);
}

void TestRecurringService::secondConfirmOfSameOccurrenceCollides()
{
    const RecurringTransaction recurring =
        Records::recurring(m_accountId, QDate(2026, 4, 1), -100).autoPost().addTo(m_core->core());
    QVERIFY(m_service->confirm(recurring.id));
    // Another device posted and synced the same occurrence, while this one still has the old date.
    QVERIFY(m_db->exec(QStringLiteral("UPDATE recurring_transactions SET next_due_date = '2026-04-01'")));
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("^TransactionRepository::insert failed: UNIQUE")));
    QVERIFY(!m_service->confirm(recurring.id));
    QCOMPARE(posted().size(), 1);
    QCOMPARE(m_recurring->findById(recurring.id)->nextDueDate, QDate(2026, 4, 1));
}

void TestRecurringService::skipAdvancesWithoutPosting()
{
    const RecurringTransaction recurring = Records::recurring(m_accountId, QDate(2026, 4, 10), -100)
                                               .frequency(Frequency::Weekly)
                                               .addTo(m_core->core());
    QSignalSpy pendingCount(m_service, &RecurringService::pendingCountChanged);
    QVERIFY(m_service->skip(recurring.id));
    QCOMPARE(m_recurring->findById(recurring.id)->nextDueDate, QDate(2026, 4, 17));
    QVERIFY(posted().isEmpty());
    QCOMPARE(pendingCount.count(), 1);
    QCOMPARE(pendingCount.first().first().toInt(), 0);
    QVERIFY(!m_service->skip(QStringLiteral("missing")));
}

void TestRecurringService::confirmAllDuePostsOneEach()
{
    Records::recurring(m_accountId, QDate(2026, 1, 1), -100).addTo(m_core->core());
    Records::recurring(m_accountId, QDate(2026, 4, 15), -200).addTo(m_core->core());
    Records::recurring(m_accountId, QDate(2026, 4, 16), -300).addTo(m_core->core());
    QCOMPARE(m_service->pendingCount(), 2);
    QCOMPARE(m_service->confirmAllDue(), 2);
    QCOMPARE(posted().size(), 2);
    // Three months behind: still due after posting one occurrence.
    QCOMPARE(m_service->pendingCount(), 1);
}

void TestRecurringService::processDueIgnoresManualSchedules()
{
    Records::recurring(m_accountId, QDate(2026, 4, 1), -100).addTo(m_core->core());
    QCOMPARE(m_service->processDue(), 0);
    QVERIFY(posted().isEmpty());
}

void TestRecurringService::processDueAnnouncesOnceAfterItsRun()
{
    const QString savings = Records::account(QStringLiteral("Savings")).addTo(m_core->core()).id;
    RecurringTransaction transfer =
        Records::recurring(m_accountId, QDate(2026, 4, 1), -100).frequency(Frequency::Weekly);
    transfer.autoPost = true;
    transfer.transferDestAccountId = savings;
    QVERIFY(m_recurring->insert(transfer));
    Records::recurring(m_accountId, QDate(2026, 3, 1), -200).autoPost().addTo(m_core->core());

    QSignalSpy transactionsChanged(m_transactions, &TransactionRepository::transactionsChanged);
    QSignalSpy recurringChanged(m_recurring, &RecurringRepository::recurringChanged);
    QSignalSpy pendingCount(m_service, &RecurringService::pendingCountChanged);
    // Weekly: 04-01 and 04-08 (04-15 too); monthly: 03-01 and 04-01.
    QCOMPARE(m_service->processDue(), 5);
    QCOMPARE(m_db->scalar(QStringLiteral("SELECT COUNT(*) FROM transactions")).toInt(), 3 * 2 + 2);

    QStringList accounts;
    for (const QList<QVariant> &arguments : std::as_const(transactionsChanged))
        accounts.append(arguments.first().toString());
    accounts.sort();
    QStringList expected{m_accountId, savings};
    expected.sort();
    QCOMPARE(accounts, expected);
    QCOMPARE(recurringChanged.count(), 1);
    QCOMPARE(pendingCount.count(), 1);
    QCOMPARE(pendingCount.first().first().toInt(), 0);

    QCOMPARE(m_service->processDue(), 0);
    QCOMPARE(pendingCount.count(), 1);
}

void TestRecurringService::memorize_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<bool>("stored");

    QTest::newRow("stored") << QString() << true;
    QTest::newRow("accountDeleted") << QStringLiteral("accountDeleted") << false;
    QTest::newRow("noPayee") << QStringLiteral("noPayee") << false;
    QTest::newRow("noStartDate") << QStringLiteral("noStartDate") << false;
    QTest::newRow("storageRefusedIsNotReportedAsStored") << QStringLiteral("duplicateId") << false;
}

void TestRecurringService::memorize()
{
    QFETCH(QString, fault);
    QFETCH(bool, stored);

    RecurringTransaction seed = Records::recurring(m_accountId, QDate(), -4500).frequency(Frequency::Monthly);
    seed.startDate = QDate(2026, 5, 1);
    if (fault == QLatin1String("accountDeleted"))
        QVERIFY((*m_core)->accountRepository()->softDelete(m_accountId));
    else if (fault == QLatin1String("noPayee"))
        seed.payee = QStringLiteral("  ");
    else if (fault == QLatin1String("noStartDate"))
        seed.startDate = QDate();
    else if (fault == QLatin1String("duplicateId"))
        QVERIFY(m_recurring->insert(seed));
    const int before = m_recurring->all().size();
    QSignalSpy pendingCount(m_service, &RecurringService::pendingCountChanged);

    const RecurringService::Memorized result = m_service->memorize(seed);

    QCOMPARE(result.recurring.has_value(), stored);
    QCOMPARE(result.error.isEmpty(), stored);
    QCOMPARE(m_recurring->all().size(), before + (stored ? 1 : 0));
    QCOMPARE(pendingCount.count(), stored ? 1 : 0);
    if (stored) {
        // Due first on its start date, as a new version-1 row waiting to be pushed.
        QCOMPARE(result.recurring->nextDueDate, QDate(2026, 5, 1));
        QCOMPARE(result.recurring->version, 1);
        QCOMPARE(result.recurring->syncStatus, SyncStatus::Pending);
        QCOMPARE(m_recurring->findById(result.recurring->id), result.recurring);
    }
}

QTEST_GUILESS_MAIN(TestRecurringService)
#include "tst_recurringservice.moc"
