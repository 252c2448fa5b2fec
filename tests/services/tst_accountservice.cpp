#include "data/accountrepository.h"
#include "data/recurringrepository.h"
#include "data/transactionrepository.h"
#include "services/accountservice.h"
#include "support/recordbuilders.h"
#include "support/testcore.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

class TestAccountService : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void startingBalanceBecomesTheOpeningTransaction_data();
    void startingBalanceBecomesTheOpeningTransaction();
    void refusedOpeningTransactionStoresNoAccount();
    void deleteIsAllOrNothing();

private:
    std::unique_ptr<TestCore> m_core;
    TestDatabase *m_db = nullptr;
    AccountRepository *m_accounts = nullptr;
    TransactionRepository *m_transactions = nullptr;
    RecurringRepository *m_recurring = nullptr;
    AccountService *m_service = nullptr;
    QDateTime m_now;
};

void TestAccountService::init()
{
    m_now = QDateTime(QDate(2026, 5, 1), QTime(10, 0), Qt::UTC);
    m_core = std::make_unique<TestCore>(Core::Clock{{}, [this] {
                                                        return m_now;
                                                    }});
    QVERIFY(m_core->isReady());
    m_db = &m_core->database();
    m_accounts = (*m_core)->accountRepository();
    m_transactions = (*m_core)->transactionRepository();
    m_recurring = (*m_core)->recurringRepository();
    m_service = (*m_core)->accountService();
}

void TestAccountService::cleanup()
{
    m_core.reset();
}

void TestAccountService::startingBalanceBecomesTheOpeningTransaction_data()
{
    QTest::addColumn<qint64>("balance");
    QTest::newRow("balance") << qint64(-25010);
    QTest::newRow("no balance, no transaction") << qint64(0);
}

void TestAccountService::startingBalanceBecomesTheOpeningTransaction()
{
    QFETCH(qint64, balance);
    Account existing = Records::account(QStringLiteral("Existing"));
    existing.sortOrder = 7;
    QVERIFY(m_accounts->insert(existing));

    // A listener that reloads on either signal finds the account and its balance complete.
    QList<Money> balancesSeen;
    const auto look = [&] {
        balancesSeen.append(m_transactions->balance(m_accounts->all().last().id));
    };
    connect(m_accounts, &AccountRepository::accountsChanged, this, look);
    connect(m_transactions, &TransactionRepository::transactionsChanged, this, look);

    Account entered;
    entered.name = QStringLiteral("Visa");
    entered.type = AccountType::CreditCard;
    entered.startingBalance = balance;
    const std::optional<Account> created = m_service->createAccount(entered, QDate(2026, 4, 1));
    QVERIFY(created);
    QVERIFY(!created->id.isEmpty());
    QCOMPARE(created->startingBalance, Money(0));
    QCOMPARE(created->sortOrder, 8);
    QCOMPARE(created->createdAt, m_now);
    QCOMPARE(*m_accounts->findById(created->id), *created);

    const QList<Transaction> rows = m_transactions->byAccount(created->id);
    QCOMPARE(balancesSeen, QList<Money>(balance == 0 ? 1 : 2, balance));
    if (balance == 0) {
        QVERIFY(rows.isEmpty());
        return;
    }
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.first().payee, QStringLiteral("Opening Balance"));
    QCOMPARE(rows.first().amount, Money(balance));
    QCOMPARE(rows.first().date, QDate(2026, 4, 1));
    QVERIFY(rows.first().cleared && rows.first().reconciled);
    QCOMPARE(rows.first().createdAt, m_now);
}

void TestAccountService::refusedOpeningTransactionStoresNoAccount()
{
    QVERIFY(m_db->exec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON transactions "
                                      "BEGIN SELECT RAISE(ABORT, 'refused'); END")));
    QSignalSpy accountsChanged(m_accounts, &AccountRepository::accountsChanged);
    Account entered;
    entered.name = QStringLiteral("Lost");
    entered.startingBalance = 100;
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("^TransactionRepository::insert failed:")));
    QVERIFY(!m_service->createAccount(entered, QDate(2026, 4, 1)));
    QVERIFY(m_accounts->all().isEmpty());
    QCOMPARE(accountsChanged.count(), 0);
}

// A refused statement in the middle of the cascade must not leave the account deleted with some
// of its rows live (or the reverse): the whole delete rolls back and says so.
void TestAccountService::deleteIsAllOrNothing()
{
    Account account = Records::account(QStringLiteral("Checking"));
    QVERIFY(m_accounts->insert(account));
    Transaction transaction = Records::transaction(account.id, QDate(2026, 4, 2), -500);
    QVERIFY(m_transactions->insert(transaction));
    RecurringTransaction recurring = Records::recurring(account.id, QDate(2026, 5, 1), -1000);
    QVERIFY(m_recurring->insert(recurring));

    QVERIFY(m_db->exec(QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE ON recurring_transactions "
                                      "BEGIN SELECT RAISE(ABORT, 'refused'); END")));
    QSignalSpy accountsChanged(m_accounts, &AccountRepository::accountsChanged);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral(
                                           "^RecurringRepository::softDeleteByAccount failed:")));
    QCOMPARE(m_service->deleteAccount(account.id), AccountService::Outcome::StorageFailed);
    QVERIFY(!m_accounts->findById(account.id)->deletedAt);
    QVERIFY(!m_transactions->findById(transaction.id)->deletedAt);
    QCOMPARE(accountsChanged.count(), 0);

    QVERIFY(m_db->exec(QStringLiteral("DROP TRIGGER refuse")));
    QCOMPARE(m_service->deleteAccount(account.id), AccountService::Outcome::Done);
    QVERIFY(m_accounts->findById(account.id)->deletedAt);
    QVERIFY(m_transactions->findById(transaction.id)->deletedAt);
    QVERIFY(m_recurring->findById(recurring.id)->deletedAt);
    QCOMPARE(accountsChanged.count(), 1);
    QCOMPARE(m_service->deleteAccount(account.id), AccountService::Outcome::NotFound);

    QCOMPARE(m_service->restoreAccount(account.id), AccountService::Outcome::Done);
    QVERIFY(!m_accounts->findById(account.id)->deletedAt);
    QVERIFY(!m_transactions->findById(transaction.id)->deletedAt);
    QVERIFY(!m_recurring->findById(recurring.id)->deletedAt);
}

QTEST_GUILESS_MAIN(TestAccountService)
#include "tst_accountservice.moc"
