#include "data/datetext.h"

#include <QTest>

// The fast readers of stored dates and timestamps must agree with the general ones on any text.
class TestDateText : public QObject
{
    Q_OBJECT

private slots:
    void fastTimestampAgreesWithGeneralReader_data();
    void fastTimestampAgreesWithGeneralReader();
    void fastDateAgreesWithGeneralReader_data();
    void fastDateAgreesWithGeneralReader();
};

void TestDateText::fastTimestampAgreesWithGeneralReader_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("written form") << QStringLiteral("2026-03-31T14:05:09Z");
    QTest::newRow("leap day") << QStringLiteral("2028-02-29T00:00:00Z");
    QTest::newRow("no leap day") << QStringLiteral("2026-02-29T00:00:00Z");
    QTest::newRow("hour 24") << QStringLiteral("2026-03-31T24:00:00Z");
    QTest::newRow("second 60") << QStringLiteral("2026-03-31T23:59:60Z");
    QTest::newRow("offset instead of Z") << QStringLiteral("2026-03-31T14:05:09+02:00");
    QTest::newRow("milliseconds") << QStringLiteral("2026-03-31T14:05:09.123Z");
    QTest::newRow("letters in digits") << QStringLiteral("2026-0x-31T14:05:09Z");
    QTest::newRow("empty") << QString();
    QTest::newRow("migrated placeholder") << QStringLiteral("x");
}

void TestDateText::fastTimestampAgreesWithGeneralReader()
{
    QFETCH(QString, text);
    const QDateTime expected = QDateTime::fromString(text, Qt::ISODate);
    const QDateTime actual = timestampFromText(text);
    QCOMPARE(actual.isValid(), expected.isValid());
    QCOMPARE(actual, expected);
    QCOMPARE(actual.timeSpec(), expected.timeSpec());
    QCOMPARE(optionalTimestampFromText(text).has_value(), expected.isValid());
}

void TestDateText::fastDateAgreesWithGeneralReader_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("written form") << QStringLiteral("2026-01-31");
    QTest::newRow("31 February") << QStringLiteral("2026-02-31");
    QTest::newRow("month 13") << QStringLiteral("2026-13-01");
    QTest::newRow("year 0001") << QStringLiteral("0001-01-01");
    QTest::newRow("slashes") << QStringLiteral("2026/01/31");
    QTest::newRow("short") << QStringLiteral("2026-1-31");
    QTest::newRow("empty") << QString();
}

void TestDateText::fastDateAgreesWithGeneralReader()
{
    QFETCH(QString, text);
    QCOMPARE(dateFromText(text), QDate::fromString(text, Qt::ISODate));
}

QTEST_GUILESS_MAIN(TestDateText)
#include "tst_datetext.moc"
