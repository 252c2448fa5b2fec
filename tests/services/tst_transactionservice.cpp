#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/transactionrepository.h"
#include "services/transactionservice.h"
#include "support/recordbuilders.h"
#include "support/testcore.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

using Outcome = TransactionService::Outcome;

class TestTransactionService : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void transferStoresBothLegsAndAnnouncesAfterTheCommit();
    void refusedEntriesWriteNothing_data();
    void refusedEntriesWriteNothing();
    void changeMovesTheOtherLegAlong();
    void changeIntoATransferAddsTheOtherLeg();
    void removeDeletesBothLegs();
    void failingSecondLegLeavesNoFirstLeg();
    void newCategoryIsStoredWithTheTransaction();

private:
    TransactionEntry entry(Money amount, const QString &transferAccountId = {}) const;
    int storedTransactions()
    {
        return m_db->scalar(QStringLiteral("SELECT COUNT(*) FROM transactions")).toInt();
    }

    std::unique_ptr<TestCore> m_core;
    TestDatabase *m_db = nullptr;
    AccountRepository *m_accounts = nullptr;
    TransactionRepository *m_transactions = nullptr;
    CategoryRepository *m_categories = nullptr;
    TransactionService *m_service = nullptr;
    QDateTime m_now;
    QString m_checking;
    QString m_savings;
};

void TestTransactionService::init()
{
    m_now = QDateTime(QDate(2026, 5, 1), QTime(10, 0), Qt::UTC);
    m_core = std::make_unique<TestCore>(Core::Clock{{}, [this] {
                                                        return m_now;
                                                    }});
    QVERIFY(m_core->isReady());
    m_db = &m_core->database();
    m_accounts = (*m_core)->accountRepository();
    m_transactions = (*m_core)->transactionRepository();
    m_categories = (*m_core)->categoryRepository();
    m_service = (*m_core)->transactionService();
    m_checking = Records::account(QStringLiteral("Checking")).addTo(m_core->core()).id;
    m_savings = Records::account(QStringLiteral("Savings")).addTo(m_core->core()).id;
}

void TestTransactionService::cleanup()
{
    m_core.reset();
}

TransactionEntry TestTransactionService::entry(Money amount, const QString &transferAccountId) const
{
    TransactionEntry entry;
    entry.transaction.accountId = m_checking;
    entry.transaction.date = QDate(2026, 4, 20);
    entry.transaction.payee = QStringLiteral("Typed payee");
    entry.transaction.memo = QStringLiteral("April");
    entry.transaction.amount = amount;
    entry.transaction.cleared = true;
    entry.transferAccountId = transferAccountId;
    return entry;
}

void TestTransactionService::transferStoresBothLegsAndAnnouncesAfterTheCommit()
{
    // A listener that reloads on the signal must find both legs stored, never one.
    QStringList announced;
    QList<int> legsSeen;
    connect(m_transactions, &TransactionRepository::transactionsChanged, this, [&](const QString &accountId) {
        announced.append(accountId);
        legsSeen.append(storedTransactions());
    });

    QCOMPARE(m_service->create(entry(-5000, m_savings)), Outcome::Saved);

    QCOMPARE(announced, (QStringList{m_checking, m_savings}));
    QCOMPARE(legsSeen, (QList<int>{2, 2}));
    const Transaction paid = m_transactions->byAccount(m_checking).first();
    const Transaction received = m_transactions->byAccount(m_savings).first();
    QCOMPARE(paid.payee, QStringLiteral("Transfer to Savings"));
    QCOMPARE(received.payee, QStringLiteral("Transfer from Checking"));
    QCOMPARE(paid.amount, Money(-5000));
    QCOMPARE(received.amount, Money(5000));
    QCOMPARE(paid.transferLinkId, received.id);
    QCOMPARE(received.transferLinkId, paid.id);
    QCOMPARE(paid.transferDestAccountId, m_savings);
    QCOMPARE(received.transferDestAccountId, m_checking);
    QCOMPARE(received.date, paid.date);
    QVERIFY(received.cleared);
    for (const Transaction &leg : {paid, received}) {
        QCOMPARE(leg.version, 1);
        QCOMPARE(leg.syncStatus, SyncStatus::Pending);
        QCOMPARE(leg.createdAt, m_now);
        QCOMPARE(leg.updatedAt, m_now);
    }
}

void TestTransactionService::refusedEntriesWriteNothing_data()
{
    QTest::addColumn<QString>("transferTo"); // an account name, or "unknown"
    QTest::addColumn<bool>("changingAStoredTransfer");
    QTest::addColumn<Outcome>("expected");
    QTest::newRow("to itself") << "Checking" << false << Outcome::TransferToSameAccount;
    QTest::newRow("other currency") << "Euro" << false << Outcome::CurrencyMismatch;
    QTest::newRow("no such account") << "unknown" << false << Outcome::AccountNotFound;
    QTest::newRow("deleted account") << "Closed" << false << Outcome::AccountNotFound;
    QTest::newRow("change moves the other leg to another account")
        << "Brokerage" << true << Outcome::TransferAccountChanged;
}

void TestTransactionService::refusedEntriesWriteNothing()
{
    QFETCH(QString, transferTo);
    QFETCH(bool, changingAStoredTransfer);
    QFETCH(Outcome, expected);
    const QHash<QString, QString> accounts{
        {QStringLiteral("Checking"), m_checking},
        {QStringLiteral("Euro"),
         Records::account(QStringLiteral("Euro")).currency(Currency::EUR).addTo(m_core->core()).id},
        {QStringLiteral("Closed"), Records::account(QStringLiteral("Closed")).addTo(m_core->core()).id},
        {QStringLiteral("Brokerage"), Records::account(QStringLiteral("Brokerage")).addTo(m_core->core()).id},
        {QStringLiteral("unknown"), QStringLiteral("no-such-account")},
    };
    QVERIFY(m_accounts->softDelete(accounts.value(QStringLiteral("Closed"))));
    TransactionEntry stored = entry(-5000, m_savings);
    if (changingAStoredTransfer)
        QCOMPARE(m_service->create(stored), Outcome::Saved);
    const QString before = m_db->scalar(QStringLiteral("SELECT group_concat(id || amount || version) FROM "
                                                       "transactions"))
                               .toString();

    QSignalSpy changed(m_transactions, &TransactionRepository::transactionsChanged);
    TransactionEntry refused = entry(-7500, accounts.value(transferTo));
    refused.newCategory = Records::category(QStringLiteral("Never stored"));
    if (changingAStoredTransfer) {
        refused.transaction.id = m_transactions->byAccount(m_checking).first().id;
        QCOMPARE(m_service->update(refused), expected);
    } else {
        QCOMPARE(m_service->create(refused), expected);
    }
    QCOMPARE(changed.count(), 0);
    QCOMPARE(m_db->scalar(QStringLiteral("SELECT group_concat(id || amount || version) FROM transactions"))
                 .toString(),
             before);
    QVERIFY(!m_categories->findByName(QStringLiteral("Never stored")));
}

void TestTransactionService::changeMovesTheOtherLegAlong()
{
    QCOMPARE(m_service->create(entry(-5000, m_savings)), Outcome::Saved);
    const Transaction paid = m_transactions->byAccount(m_checking).first();
    m_now = m_now.addSecs(60);

    // What a form hands back: a stale copy with the new values.
    TransactionEntry change;
    change.transaction = paid;
    change.transaction.amount = -7500;
    change.transaction.date = QDate(2026, 4, 22);
    change.transaction.memo = QStringLiteral("moved");
    change.transaction.version = 99;
    QSignalSpy changed(m_transactions, &TransactionRepository::transactionsChanged);
    QCOMPARE(m_service->update(change), Outcome::Saved);
    QCOMPARE(changed.count(), 2);

    const Transaction edited = *m_transactions->findById(paid.id);
    const Transaction other = *m_transactions->findById(paid.transferLinkId);
    QCOMPARE(edited.amount, Money(-7500));
    QCOMPARE(edited.memo, QStringLiteral("moved"));
    QCOMPARE(other.amount, Money(7500));
    QCOMPARE(other.date, QDate(2026, 4, 22));
    QCOMPARE(other.memo, QString());
    for (const Transaction &leg : {edited, other}) {
        QCOMPARE(leg.version, 2);
        QCOMPARE(leg.syncStatus, SyncStatus::Pending);
        QCOMPARE(leg.updatedAt, m_now);
        QVERIFY(leg.createdAt < m_now);
    }
}

void TestTransactionService::changeIntoATransferAddsTheOtherLeg()
{
    QCOMPARE(m_service->create(entry(-2500)), Outcome::Saved);
    TransactionEntry change = entry(-2500, m_savings);
    change.transaction.id = m_transactions->byAccount(m_checking).first().id;
    QCOMPARE(m_service->update(change), Outcome::Saved);

    const Transaction edited = *m_transactions->findById(change.transaction.id);
    const QList<Transaction> other = m_transactions->byAccount(m_savings);
    QCOMPARE(other.size(), 1);
    QCOMPARE(edited.payee, QStringLiteral("Transfer to Savings"));
    QCOMPARE(edited.transferLinkId, other.first().id);
    QCOMPARE(other.first().transferLinkId, edited.id);
    QCOMPARE(other.first().amount, Money(2500));
}

void TestTransactionService::removeDeletesBothLegs()
{
    QCOMPARE(m_service->create(entry(-5000, m_savings)), Outcome::Saved);
    const Transaction received = m_transactions->byAccount(m_savings).first();
    QSignalSpy changed(m_transactions, &TransactionRepository::transactionsChanged);
    QCOMPARE(m_service->remove(received.id), Outcome::Saved);
    QCOMPARE(changed.count(), 2);
    QVERIFY(m_transactions->byAccount(m_checking).isEmpty());
    QVERIFY(m_transactions->byAccount(m_savings).isEmpty());
    QCOMPARE(m_transactions->pending().size(), 2);
    QCOMPARE(m_service->remove(received.id), Outcome::NotFound);
    QCOMPARE(m_service->remove(QStringLiteral("no-such-id")), Outcome::NotFound);
}

// The other leg is written first; when the first leg then fails (its category names none), the
// other leg must not stay behind as half a transfer.
void TestTransactionService::failingSecondLegLeavesNoFirstLeg()
{
    TransactionEntry broken = entry(-5000, m_savings);
    broken.transaction.categoryId = QStringLiteral("no-such-category");
    QSignalSpy changed(m_transactions, &TransactionRepository::transactionsChanged);
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("^TransactionRepository::insert failed:")));
    QCOMPARE(m_service->create(broken), Outcome::StorageFailed);
    QCOMPARE(storedTransactions(), 0);
    QCOMPARE(changed.count(), 0);
}

void TestTransactionService::newCategoryIsStoredWithTheTransaction()
{
    TransactionEntry withCategory = entry(-1200);
    Category pets = Records::category(QStringLiteral("Pet Food"));
    pets.type = CategoryType::Expense;
    withCategory.newCategory = pets;
    QSignalSpy categoriesChanged(m_categories, &CategoryRepository::categoriesChanged);
    QCOMPARE(m_service->create(withCategory), Outcome::Saved);
    QCOMPARE(categoriesChanged.count(), 1);
    const std::optional<Category> stored = m_categories->findByName(QStringLiteral("Pet Food"));
    QVERIFY(stored);
    QCOMPARE(stored->createdAt, m_now);
    QCOMPARE(m_transactions->byAccount(m_checking).first().categoryId, stored->id);
}

QTEST_GUILESS_MAIN(TestTransactionService)
#include "tst_transactionservice.moc"
