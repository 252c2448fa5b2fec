#include "data/datetext.h"
#include "data/enums.h"
#include "data/identifiers.h"

#include <QRegularExpression>
#include <QTest>

class TestEnums : public QObject
{
    Q_OBJECT

private slots:
    void fromTextFallbacks();
    void toTextRoundTrip();
    void outOfRangeValuesWriteTheFallback();
    void identifiers();
    void dateAndTimestampText();
};

void TestEnums::fromTextFallbacks()
{
    QCOMPARE(accountTypeFromString(QStringLiteral("credit_card")), AccountType::CreditCard);
    QCOMPARE(accountTypeFromString(QStringLiteral("Savings")), AccountType::Other);
    QCOMPARE(accountTypeFromString(QString()), AccountType::Other);
    QCOMPARE(currencyFromCode(QStringLiteral("usd")), Currency::USD);
    QCOMPARE(currencyFromCode(QStringLiteral("JPY")), Currency::JPY);
    QCOMPARE(currencyFromCode(QStringLiteral("XYZ")), Currency::USD);
    QCOMPARE(categoryTypeFromString(QStringLiteral("Income")), CategoryType::Expense);
    QCOMPARE(categoryTypeFromString(QStringLiteral("transfer")), CategoryType::Transfer);
    QCOMPARE(frequencyFromString(QStringLiteral("semi_annual")), Frequency::SemiAnnual);
    QCOMPARE(frequencyFromString(QStringLiteral("fortnightly")), Frequency::Monthly);
    QCOMPARE(syncStatusFromString(QString()), SyncStatus::Pending);
    QCOMPARE(syncStatusFromString(QStringLiteral("conflict")), SyncStatus::Conflict);
}

void TestEnums::toTextRoundTrip()
{
    for (int i = 0; i <= int(AccountType::Other); ++i)
        QCOMPARE(int(accountTypeFromString(accountTypeToString(AccountType(i)))), i);
    for (int i = 0; i <= int(Currency::JPY); ++i)
        QCOMPARE(int(currencyFromCode(currencyCode(Currency(i)))), i);
    for (int i = 0; i <= int(CategoryType::Transfer); ++i)
        QCOMPARE(int(categoryTypeFromString(categoryTypeToString(CategoryType(i)))), i);
    for (int i = 0; i <= int(Frequency::Annual); ++i)
        QCOMPARE(int(frequencyFromString(frequencyToString(Frequency(i)))), i);
    for (int i = 0; i <= int(SyncStatus::Conflict); ++i)
        QCOMPARE(int(syncStatusFromString(syncStatusToString(SyncStatus(i)))), i);
}

void TestEnums::outOfRangeValuesWriteTheFallback()
{
    QCOMPARE(accountTypeToString(AccountType(42)), QStringLiteral("other"));
    QCOMPARE(currencyCode(Currency(-1)), QStringLiteral("USD"));
    QCOMPARE(categoryTypeToString(CategoryType(9)), QStringLiteral("expense"));
    QCOMPARE(frequencyToString(Frequency(99)), QStringLiteral("monthly"));
    QCOMPARE(syncStatusToString(SyncStatus(7)), QStringLiteral("pending"));
}

void TestEnums::identifiers()
{
    const QRegularExpression form(
        QStringLiteral("^[0-9a-f]{8}-[0-9a-f]{4}-4[0-9a-f]{3}-[89ab][0-9a-f]{3}-[0-9a-f]{12}$"));
    const QString id = newId();
    QVERIFY2(form.match(id).hasMatch(), qPrintable(id));
    QVERIFY(newId() != id);

    // Reference values computed independently with RFC 4122 version 5 over the DNS namespace.
    QCOMPARE(defaultCategoryId(CategoryType::Expense, QString(), QStringLiteral("Housing")),
             QStringLiteral("a3be4c14-fe7e-514c-b45e-22f112551974"));
    QCOMPARE(defaultCategoryId(CategoryType::Expense, QStringLiteral("Housing"), QStringLiteral("HOA")),
             QStringLiteral("0b910c3a-4848-59ba-b693-948f4e4f2626"));
    QCOMPARE(defaultCategoryId(CategoryType::Income, QString(), QStringLiteral("Salary / Wages")),
             QStringLiteral("df7ff46f-2565-5c9d-831c-e01e79747397"));
    const QString schedule = QStringLiteral("11111111-1111-4111-8111-111111111111");
    QCOMPARE(recurringOccurrenceId(schedule, QDate(2026, 1, 31), false),
             QStringLiteral("d8dabc23-2d20-51d7-baec-32cfffd37f0f"));
    QCOMPARE(recurringOccurrenceId(schedule, QDate(2026, 1, 31), true),
             QStringLiteral("0f8dd825-d298-54a7-a5f6-3a1db987279d"));
}

void TestEnums::dateAndTimestampText()
{
    QCOMPARE(dateToText(QDate(2026, 3, 31)), QStringLiteral("2026-03-31"));
    QVERIFY(!dateFromText(QStringLiteral("2026-02-30")).isValid());
    QCOMPARE(dateFromText(QStringLiteral("2026-03-31")), QDate(2026, 3, 31));
    QCOMPARE(dateToText(QDate()), QString());

    const QDateTime local(QDate(2026, 3, 31), QTime(14, 5, 9, 750), Qt::OffsetFromUTC, 3600);
    QCOMPARE(timestampToText(local), QStringLiteral("2026-03-31T13:05:09Z"));
    QCOMPARE(timestampFromText(QStringLiteral("2026-03-31T14:05:09Z")),
             QDateTime(QDate(2026, 3, 31), QTime(14, 5, 9), Qt::UTC));
    QVERIFY(timestampToText(currentTimestamp()).endsWith(QLatin1Char('Z')));
    QCOMPARE(timestampToText(currentTimestamp()).size(), 20);
    QVERIFY(!optionalTimestampFromText(QString()).has_value());
}

QTEST_GUILESS_MAIN(TestEnums)
#include "tst_enums.moc"
