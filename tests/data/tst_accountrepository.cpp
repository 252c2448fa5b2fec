#include "data/accountrepository.h"
#include "support/recordbuilders.h"
#include "support/testdatabase.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

// The repository family pattern, shown on the account repository.
class TestAccountRepository : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void insertedAccountReadsBackEqual();
    void allOrdersBySortOrderThenNameAndSkipsDeleted();
    void pendingIncludesDeletedRows();
    void softDeleteOfUnknownIdStillAnnounces();
    void restoreBringsTheRowBack();
    void failedWriteLogsExactWarningAndEmitsNothing();
    void markSyncedEmitsNothing();
    void resyncCountsOnlyLiveRowsNotPending();
    void updateSortOrdersKeepsRowsSyncedAndAnnouncesOnce();
    void updateSortOrdersRollsBackEveryEntryOnFailure();
    void unknownStoredCurrencyReadsAsUsd();

private:
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<AccountRepository> m_accounts;
};

void TestAccountRepository::init()
{
    m_db = std::make_unique<TestDatabase>();
    QVERIFY(m_db->isReady());
    m_accounts = std::make_unique<AccountRepository>(m_db->database());
}

void TestAccountRepository::cleanup()
{
    m_accounts.reset();
    m_db.reset();
}

void TestAccountRepository::insertedAccountReadsBackEqual()
{
    Account account =
        Records::account(QStringLiteral("Checking")).startingBalance(-123456789012LL).currency(Currency::JPY);
    account.type = AccountType::CreditCard;
    account.institution = QStringLiteral("Bank");
    account.accountNumberLast4 = QStringLiteral("0042");
    account.sortOrder = 3;
    account.isShared = true;
    account.version = 7;
    account.serverId = QStringLiteral("srv-1");
    QVERIFY(m_accounts->insert(account));
    QCOMPARE(m_accounts->findById(account.id), std::optional<Account>(account));

    account.name = QStringLiteral("Renamed");
    account.updatedAt = account.updatedAt.addSecs(60);
    QVERIFY(m_accounts->update(account));
    QCOMPARE(m_accounts->findById(account.id)->name, QStringLiteral("Renamed"));
    QCOMPARE(m_accounts->findById(account.id)->createdAt, account.createdAt);
    QVERIFY(!m_accounts->findById(QStringLiteral("missing")).has_value());
}

void TestAccountRepository::allOrdersBySortOrderThenNameAndSkipsDeleted()
{
    Account zeta = Records::account(QStringLiteral("Zeta"));
    Account alpha = Records::account(QStringLiteral("Alpha"));
    alpha.sortOrder = 2;
    Account beta = Records::account(QStringLiteral("Beta"));
    Account gone = Records::account(QStringLiteral("Gone"));
    Account aardvark = Records::account(QStringLiteral("Aardvark"));
    for (const Account &account : {zeta, alpha, beta, gone, aardvark})
        QVERIFY(m_accounts->insert(account));
    QVERIFY(m_accounts->softDelete(gone.id));
    QVERIFY(m_accounts->softDelete(aardvark.id));

    QStringList names;
    for (const Account &account : m_accounts->all())
        names.append(account.name);
    QCOMPARE(names, (QStringList{QStringLiteral("Beta"), QStringLiteral("Zeta"), QStringLiteral("Alpha")}));

    names.clear();
    for (const Account &account : m_accounts->deleted())
        names.append(account.name);
    QCOMPARE(names, (QStringList{QStringLiteral("Aardvark"), QStringLiteral("Gone")}));
    QVERIFY(m_accounts->findById(gone.id)->deletedAt.has_value());
}

void TestAccountRepository::pendingIncludesDeletedRows()
{
    const Account account = Records::account(QStringLiteral("A"));
    QVERIFY(m_accounts->insert(account));
    QVERIFY(TestDatabase::markStoredSynced(m_accounts.get(), account.id, QStringLiteral("srv")));
    QVERIFY(m_accounts->pending().isEmpty());
    QVERIFY(m_accounts->softDelete(account.id));
    const QList<Account> pending = m_accounts->pending();
    QCOMPARE(pending.size(), 1);
    QCOMPARE(pending.first().id, account.id);
    QVERIFY(pending.first().deletedAt.has_value());
    QCOMPARE(pending.first().syncStatus, SyncStatus::Pending);
}

void TestAccountRepository::softDeleteOfUnknownIdStillAnnounces()
{
    QSignalSpy changed(m_accounts.get(), &AccountRepository::accountsChanged);
    QVERIFY(m_accounts->softDelete(QStringLiteral("no-such-id")));
    QCOMPARE(changed.count(), 1);
}

void TestAccountRepository::restoreBringsTheRowBack()
{
    Account account = Records::account(QStringLiteral("A"));
    QVERIFY(m_accounts->insert(account));
    QVERIFY(m_accounts->softDelete(account.id));
    QVERIFY(m_accounts->all().isEmpty());
    QVERIFY(TestDatabase::markStoredSynced(m_accounts.get(), account.id, QStringLiteral("srv")));
    QVERIFY(m_accounts->restore(account.id));
    const std::optional<Account> restored = m_accounts->findById(account.id);
    QVERIFY(restored && !restored->deletedAt.has_value());
    QCOMPARE(restored->syncStatus, SyncStatus::Pending);
    QCOMPARE(m_accounts->all().size(), 1);
}

void TestAccountRepository::failedWriteLogsExactWarningAndEmitsNothing()
{
    const Account account = Records::account(QStringLiteral("A"));
    QVERIFY(m_accounts->insert(account));
    QSignalSpy changed(m_accounts.get(), &AccountRepository::accountsChanged);
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("^AccountRepository::insert failed: .*UNIQUE")));
    QVERIFY(!m_accounts->insert(account));
    QCOMPARE(changed.count(), 0);

    QVERIFY(
        m_db->exec(QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE ON accounts BEGIN SELECT RAISE(ABORT, "
                                  "'refused'); END")));
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("^AccountRepository::update failed: refused")));
    QVERIFY(!m_accounts->update(account));
    QTest::ignoreMessage(
        QtWarningMsg, QRegularExpression(QStringLiteral("^AccountRepository::softDelete failed: refused")));
    QVERIFY(!m_accounts->softDelete(account.id));
    QCOMPARE(changed.count(), 0);
}

void TestAccountRepository::markSyncedEmitsNothing()
{
    const Account account = Records::account(QStringLiteral("A"));
    QVERIFY(m_accounts->insert(account));
    QSignalSpy changed(m_accounts.get(), &AccountRepository::accountsChanged);
    QVERIFY(TestDatabase::markStoredSynced(m_accounts.get(), account.id, QStringLiteral("srv-9")));
    QCOMPARE(changed.count(), 0);
    const std::optional<Account> stored = m_accounts->findById(account.id);
    QCOMPARE(stored->syncStatus, SyncStatus::Synced);
    QCOMPARE(stored->serverId, QStringLiteral("srv-9"));
}

void TestAccountRepository::resyncCountsOnlyLiveRowsNotPending()
{
    const Account synced = Records::account(QStringLiteral("Synced"));
    const Account pending = Records::account(QStringLiteral("Pending"));
    const Account deleted = Records::account(QStringLiteral("Deleted"));
    for (const Account &account : {synced, pending, deleted})
        QVERIFY(m_accounts->insert(account));
    QVERIFY(m_accounts->softDelete(deleted.id));
    QVERIFY(TestDatabase::markStoredSynced(m_accounts.get(), synced.id, QStringLiteral("s1")));
    QVERIFY(TestDatabase::markStoredSynced(m_accounts.get(), deleted.id, QStringLiteral("s3")));

    QSignalSpy changed(m_accounts.get(), &AccountRepository::accountsChanged);
    QCOMPARE(m_accounts->markAllPendingForResync(), 1);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(m_accounts->findById(deleted.id)->syncStatus, SyncStatus::Synced);

    QCOMPARE(m_accounts->markAllPendingForResync(), 0);
    QCOMPARE(changed.count(), 1);
}

void TestAccountRepository::updateSortOrdersKeepsRowsSyncedAndAnnouncesOnce()
{
    const Account first = Records::account(QStringLiteral("First"));
    const Account second = Records::account(QStringLiteral("Second"));
    QVERIFY(m_accounts->insert(first));
    QVERIFY(m_accounts->insert(second));
    QVERIFY(TestDatabase::markStoredSynced(m_accounts.get(), first.id, QStringLiteral("s1")));
    QVERIFY(TestDatabase::markStoredSynced(m_accounts.get(), second.id, QStringLiteral("s2")));

    QSignalSpy changed(m_accounts.get(), &AccountRepository::accountsChanged);
    QVERIFY(m_accounts->updateSortOrders({{first.id, 2}, {second.id, 1}}));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(m_accounts->all().first().id, second.id);
    QVERIFY(m_accounts->pending().isEmpty());

    QVERIFY(m_accounts->updateSortOrders({}));
    QCOMPARE(changed.count(), 2);
}

void TestAccountRepository::updateSortOrdersRollsBackEveryEntryOnFailure()
{
    const Account first = Records::account(QStringLiteral("First"));
    const Account refused = Records::account(QStringLiteral("Refused"));
    QVERIFY(m_accounts->insert(first));
    QVERIFY(m_accounts->insert(refused));
    QVERIFY(
        m_db->exec(QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE ON accounts WHEN new.name = 'Refused' "
                                  "BEGIN SELECT RAISE(ABORT, 'refused'); END")));

    QSignalSpy changed(m_accounts.get(), &AccountRepository::accountsChanged);
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
    QVERIFY(!m_accounts->updateSortOrders({{first.id, 5}, {refused.id, 6}}));
    QCOMPARE(changed.count(), 0);
    QCOMPARE(m_accounts->findById(first.id)->sortOrder, 0);
    // The connection is usable again: the guard closed its transaction.
    QVERIFY(m_accounts->updateSortOrders({{first.id, 9}}));
    QCOMPARE(m_accounts->findById(first.id)->sortOrder, 9);
}

void TestAccountRepository::unknownStoredCurrencyReadsAsUsd()
{
    const Account account = Records::account(QStringLiteral("Swiss")).currency(Currency::EUR);
    QVERIFY(m_accounts->insert(account));
    QVERIFY(m_db->exec(QStringLiteral("UPDATE accounts SET currency = 'CHF', account_type = 'boat'")));
    const std::optional<Account> stored = m_accounts->findById(account.id);
    QCOMPARE(stored->currency, Currency::USD);
    QCOMPARE(stored->type, AccountType::Other);
}

QTEST_GUILESS_MAIN(TestAccountRepository)
#include "tst_accountrepository.moc"
