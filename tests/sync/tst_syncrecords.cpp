#include "data/datetext.h"
#include "sync/syncrecords.h"

#include <QJsonDocument>
#include <QTest>

// The wire form of the synchronised rows: change objects pushed, records pulled.
class TestSyncRecords : public QObject
{
    Q_OBJECT

private slots:
    void changeObjectsCarryEveryMember_data();
    void changeObjectsCarryEveryMember();
    void pulledRecordsReadBackWhatWasPushed();
    void absentMembersAndUnknownTextsReadAsFallbacks();
    void booleansAreReadAsBooleansOrNumbers_data();
    void booleansAreReadAsBooleansOrNumbers();
    void syncDates_data();
    void syncDates();
    void membersBeyondWhatIsStoredAreNamed_data();
    void membersBeyondWhatIsStoredAreNamed();
};

namespace {

const QDateTime created(QDate(2026, 3, 1), QTime(9, 0), Qt::UTC);
const QDateTime updated(QDate(2026, 3, 2), QTime(10, 30, 5), Qt::UTC);

QJsonObject parse(const char *json)
{
    return QJsonDocument::fromJson(json).object();
}

template<typename Record>
Record stamped(Record record, const QString &id, int version, const QString &serverId = {})
{
    record.id = id;
    record.version = version;
    record.serverId = serverId;
    record.createdAt = created;
    record.updatedAt = updated;
    return record;
}

Account sampleAccount()
{
    Account account;
    account.name = QStringLiteral("Joint");
    account.type = AccountType::Savings;
    account.currency = Currency::JPY;
    account.institution = QStringLiteral("Bank");
    account.accountNumberLast4 = QStringLiteral("1234");
    account.startingBalance = -999'999'999'999'999;
    account.sortOrder = 3;
    account.isShared = true;
    return stamped(account, QStringLiteral("acc-1"), 4, QStringLiteral("srv-acc"));
}

Transaction sampleTransaction()
{
    Transaction transaction;
    transaction.accountId = QStringLiteral("acc-1");
    transaction.date = QDate(2026, 3, 31);
    transaction.payee = QStringLiteral("Grocer");
    transaction.memo = QStringLiteral("weekly");
    transaction.amount = -1234;
    transaction.categoryId = QStringLiteral("cat-1");
    transaction.checkNumber = QStringLiteral("101");
    transaction.cleared = true;
    transaction.transferLinkId = QStringLiteral("tx-2");
    transaction.transferDestAccountId = QStringLiteral("acc-2");
    transaction.recurringId = QStringLiteral("rec-1");
    return stamped(transaction, QStringLiteral("tx-1"), 2);
}

RecurringTransaction sampleRecurring()
{
    RecurringTransaction recurring;
    recurring.accountId = QStringLiteral("acc-1");
    recurring.payee = QStringLiteral("Rent");
    recurring.amount = -150000;
    recurring.frequency = Frequency::Biweekly;
    recurring.startDate = QDate(2026, 1, 1);
    recurring.nextDueDate = QDate(2026, 4, 1);
    recurring.autoPost = true;
    return stamped(recurring, QStringLiteral("rec-1"), 3);
}

Category sampleCategory()
{
    Category category;
    category.name = QStringLiteral("Groceries");
    category.type = static_cast<CategoryType>(17); // out of range: written as expense
    category.parentId = QStringLiteral("cat-0");
    category.isTaxRelevant = true;
    category.isDefault = true;
    return stamped(category, QStringLiteral("cat-1"), 1, QStringLiteral("srv-cat"));
}

Reconciliation sampleReconciliation()
{
    Reconciliation reconciliation;
    reconciliation.accountId = QStringLiteral("acc-1");
    reconciliation.statementDate = QDate(2026, 2, 28);
    reconciliation.statementBalance = 50000;
    reconciliation.reconciledBalance = 49000;
    reconciliation.completedAt = updated;
    reconciliation.deletedAt = QDateTime(QDate(2026, 3, 3), QTime(0, 0), Qt::UTC);
    return stamped(reconciliation, QStringLiteral("rcn-1"), 5);
}

} // namespace

void TestSyncRecords::changeObjectsCarryEveryMember_data()
{
    QTest::addColumn<QJsonObject>("change");
    QTest::addColumn<QJsonObject>("expected");

    QTest::newRow("shared account with a server id")
        << SyncRecords::changeFor(sampleAccount())
        << parse(
               R"({"entity_type": "account", "entity_id": "acc-1", "action": "upsert", "version": 4, "payload": {
                 "client_id": "acc-1", "server_id": "srv-acc", "name": "Joint", "account_type": "savings",
                 "currency": "JPY", "is_shared": 1, "institution": "Bank", "account_number_last4": "1234",
                 "starting_balance": -999999999999999, "sort_order": 3, "version": 4,
                 "created_at": "2026-03-01T09:00:00Z", "updated_at": "2026-03-02T10:30:05Z"}})");
    Account deleted = sampleAccount();
    deleted.serverId.clear();
    deleted.isShared = false;
    deleted.institution.clear();
    deleted.deletedAt = updated;
    QTest::newRow("deleted account never synced: a delete without server id")
        << SyncRecords::changeFor(deleted)
        << parse(
               R"({"entity_type": "account", "entity_id": "acc-1", "action": "delete", "version": 4, "payload": {
                 "client_id": "acc-1", "name": "Joint", "account_type": "savings",
                 "currency": "JPY", "is_shared": 0, "institution": "", "account_number_last4": "1234",
                 "starting_balance": -999999999999999, "sort_order": 3, "version": 4,
                 "created_at": "2026-03-01T09:00:00Z", "updated_at": "2026-03-02T10:30:05Z",
                 "deleted_at": "2026-03-02T10:30:05Z"}})");
    QTest::newRow("category of an unknown type is sent as expense")
        << SyncRecords::changeFor(sampleCategory())
        << parse(
               R"({"entity_type": "category", "entity_id": "cat-1", "action": "upsert", "version": 1, "payload": {
                 "client_id": "cat-1", "server_id": "srv-cat", "name": "Groceries", "category_type": "expense",
                 "parent_id": "cat-0", "is_tax_relevant": 1, "tax_category": "", "icon": "", "color": "",
                 "is_default": 1, "account_id": "", "version": 1,
                 "created_at": "2026-03-01T09:00:00Z", "updated_at": "2026-03-02T10:30:05Z"}})");
    QTest::newRow("open-ended schedule: no end date, no version in the payload")
        << SyncRecords::changeFor(sampleRecurring())
        << parse(
               R"({"entity_type": "recurring", "entity_id": "rec-1", "action": "upsert", "version": 3, "payload": {
                 "client_id": "rec-1", "account_id": "acc-1", "payee": "Rent", "memo": "", "amount": -150000,
                 "category_id": "", "transfer_dest_account_id": "", "frequency": "biweekly",
                 "start_date": "2026-01-01", "next_due_date": "2026-04-01", "auto_post": 1, "is_active": 1,
                 "created_at": "2026-03-01T09:00:00Z", "updated_at": "2026-03-02T10:30:05Z"}})");
    RecurringTransaction ending = sampleRecurring();
    ending.endDate = QDate(2026, 12, 31);
    QJsonObject withEnd = SyncRecords::changeFor(ending);
    QTest::newRow("schedule with an end date")
        << QJsonObject{{QStringLiteral("end_date"), withEnd.value(QStringLiteral("payload"))
                                                        .toObject()
                                                        .value(QStringLiteral("end_date"))}}
        << parse(R"({"end_date": "2026-12-31"})");
    QTest::newRow("transfer leg")
        << SyncRecords::changeFor(sampleTransaction())
        << parse(
               R"({"entity_type": "transaction", "entity_id": "tx-1", "action": "upsert", "version": 2, "payload": {
                 "client_id": "tx-1", "account_id": "acc-1", "date": "2026-03-31", "payee": "Grocer", "memo": "weekly",
                 "amount": -1234, "category_id": "cat-1", "check_number": "101", "cleared": 1, "reconciled": 0,
                 "transfer_link_id": "tx-2", "transfer_dest_account_id": "acc-2", "is_split": 0,
                 "recurring_id": "rec-1", "version": 2,
                 "created_at": "2026-03-01T09:00:00Z", "updated_at": "2026-03-02T10:30:05Z"}})");
    QTest::newRow("deleted reconciliation")
        << SyncRecords::changeFor(sampleReconciliation())
        << parse(
               R"({"entity_type": "reconciliation", "entity_id": "rcn-1", "action": "delete", "version": 5, "payload": {
                 "client_id": "rcn-1", "account_id": "acc-1", "statement_date": "2026-02-28",
                 "statement_balance": 50000, "reconciled_balance": 49000, "completed_at": "2026-03-02T10:30:05Z",
                 "version": 5, "created_at": "2026-03-01T09:00:00Z", "updated_at": "2026-03-02T10:30:05Z",
                 "deleted_at": "2026-03-03T00:00:00Z"}})");
}

void TestSyncRecords::changeObjectsCarryEveryMember()
{
    QFETCH(QJsonObject, change);
    QFETCH(QJsonObject, expected);
    QVERIFY(!expected.isEmpty());
    QCOMPARE(change, expected);
}

namespace {

// What the server sends back for a pushed change: the payload plus its own id and version.
QJsonObject pulled(const QJsonObject &change, const QString &serverId, int version)
{
    QJsonObject record = change.value(QStringLiteral("payload")).toObject();
    record.insert(QStringLiteral("id"), serverId);
    record.insert(QStringLiteral("server_id"), serverId);
    record.insert(QStringLiteral("version"), version);
    return record;
}

template<typename Record> Record asPulled(Record record, const QString &serverId, int version)
{
    record.id.clear();
    record.serverId = serverId;
    record.version = version;
    record.syncStatus = SyncStatus::Synced;
    return record;
}

} // namespace

void TestSyncRecords::pulledRecordsReadBackWhatWasPushed()
{
    QCOMPARE(SyncRecords::accountFromPulled(
                 pulled(SyncRecords::changeFor(sampleAccount()), QStringLiteral("s1"), 5)),
             asPulled(sampleAccount(), QStringLiteral("s1"), 5));
    QCOMPARE(SyncRecords::categoryFromPulled(
                 pulled(SyncRecords::changeFor(sampleCategory()), QStringLiteral("s2"), 2)),
             [] {
                 Category expected = asPulled(sampleCategory(), QStringLiteral("s2"), 2);
                 expected.type = CategoryType::Expense;
                 return expected;
             }());
    RecurringTransaction ending = sampleRecurring();
    ending.endDate = QDate(2026, 12, 31);
    QCOMPARE(
        SyncRecords::recurringFromPulled(pulled(SyncRecords::changeFor(ending), QStringLiteral("s3"), 4)),
        asPulled(ending, QStringLiteral("s3"), 4));
    QCOMPARE(SyncRecords::recurringFromPulled(
                 pulled(SyncRecords::changeFor(sampleRecurring()), QStringLiteral("s3"), 4)),
             asPulled(sampleRecurring(), QStringLiteral("s3"), 4));
    QCOMPARE(SyncRecords::transactionFromPulled(
                 pulled(SyncRecords::changeFor(sampleTransaction()), QStringLiteral("s4"), 3)),
             asPulled(sampleTransaction(), QStringLiteral("s4"), 3));
    QCOMPARE(SyncRecords::reconciliationFromPulled(
                 pulled(SyncRecords::changeFor(sampleReconciliation()), QStringLiteral("s5"), 6)),
             asPulled(sampleReconciliation(), QStringLiteral("s5"), 6));
}

void TestSyncRecords::absentMembersAndUnknownTextsReadAsFallbacks()
{
    const QJsonObject record = parse(R"({"id": "s9", "account_type": "Checking", "currency": "XYZ",
                                          "category_type": "weird", "frequency": "sometimes", "deleted_at": ""})");
    const Account account = SyncRecords::accountFromPulled(record);
    QCOMPARE(account.type, AccountType::Other);
    QCOMPARE(account.currency, Currency::USD);
    QCOMPARE(account.startingBalance, Money(0));
    QCOMPARE(account.version, 0);
    QCOMPARE(account.serverId, QStringLiteral("s9"));
    QVERIFY(!account.createdAt.isValid());
    QVERIFY(!account.deletedAt.has_value());
    QCOMPARE(SyncRecords::categoryFromPulled(record).type, CategoryType::Expense);
    const RecurringTransaction recurring = SyncRecords::recurringFromPulled(record);
    QCOMPARE(recurring.frequency, Frequency::Monthly);
    QVERIFY(!recurring.endDate.has_value());
    QVERIFY(!recurring.isActive);
    const Transaction transaction = SyncRecords::transactionFromPulled(record);
    QVERIFY(transaction.payee.isEmpty() && !transaction.date.isValid() && !transaction.cleared);
}

void TestSyncRecords::booleansAreReadAsBooleansOrNumbers_data()
{
    QTest::addColumn<QJsonObject>("record");
    QTest::addColumn<bool>("cleared");
    QTest::newRow("true") << parse(R"({"cleared": true})") << true;
    QTest::newRow("false") << parse(R"({"cleared": false})") << false;
    QTest::newRow("1") << parse(R"({"cleared": 1})") << true;
    QTest::newRow("2") << parse(R"({"cleared": 2})") << true;
    QTest::newRow("0") << parse(R"({"cleared": 0})") << false;
    QTest::newRow("absent") << parse(R"({})") << false;
}

void TestSyncRecords::booleansAreReadAsBooleansOrNumbers()
{
    QFETCH(QJsonObject, record);
    QFETCH(bool, cleared);
    QCOMPARE(SyncRecords::transactionFromPulled(record).cleared, cleared);
}

void TestSyncRecords::syncDates_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("date");
    QTest::newRow("date") << QStringLiteral("2026-03-31") << QDate(2026, 3, 31);
    QTest::newRow("date-time") << QStringLiteral("2026-03-31T00:00:00Z") << QDate(2026, 3, 31);
    QTest::newRow("date-time with offset")
        << QStringLiteral("2026-03-31T23:30:00+02:00") << QDate(2026, 3, 31);
    QTest::newRow("empty") << QString() << QDate();
    QTest::newRow("not a date") << QStringLiteral("31/03/2026") << QDate();
    QTest::newRow("no such day") << QStringLiteral("2026-02-30") << QDate();
}

void TestSyncRecords::syncDates()
{
    QFETCH(QString, text);
    QFETCH(QDate, date);
    QCOMPARE(SyncRecords::parseSyncDate(text), date);
}

void TestSyncRecords::membersBeyondWhatIsStoredAreNamed_data()
{
    QTest::addColumn<QJsonObject>("record");
    QTest::addColumn<QString>("member"); // empty: the record is fine
    const QString longId(65, QLatin1Char('a'));
    const QString longText(64 * 1024 + 1, QLatin1Char('x'));
    QTest::newRow("ordinary")
        << parse(R"({"id": "s", "client_id": "c", "amount": -1000000000000000, "version": 3})") << QString();
    QTest::newRow("identifier of 65 characters")
        << QJsonObject{{QStringLiteral("account_id"), longId}} << QStringLiteral("account_id");
    QTest::newRow("memo past 64 KiB")
        << QJsonObject{{QStringLiteral("memo"), longText}} << QStringLiteral("memo");
    QTest::newRow("amount past the limit")
        << parse(R"({"amount": 1000000000000001})") << QStringLiteral("amount");
    QTest::newRow("fraction of a cent")
        << parse(R"({"statement_balance": 10.5})") << QStringLiteral("statement_balance");
    QTest::newRow("amount as text") << parse(R"({"starting_balance": "100"})")
                                    << QStringLiteral("starting_balance");
    QTest::newRow("version 0") << parse(R"({"version": 0})") << QStringLiteral("version");
    QTest::newRow("version past 32 bits") << parse(R"({"version": 4294967296})") << QStringLiteral("version");
}

void TestSyncRecords::membersBeyondWhatIsStoredAreNamed()
{
    QFETCH(QJsonObject, record);
    QFETCH(QString, member);
    const QString reason = SyncRecords::invalidMember(record);
    if (member.isEmpty())
        QCOMPARE(reason, QString());
    else
        QVERIFY2(reason.contains(QLatin1Char('"') + member + QLatin1Char('"')), qPrintable(reason));
}

QTEST_GUILESS_MAIN(TestSyncRecords)
#include "tst_syncrecords.moc"
