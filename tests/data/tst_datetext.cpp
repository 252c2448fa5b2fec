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
    void fastWritersAgreeWithGeneralWriter_data();
    void fastWritersAgreeWithGeneralWriter();
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

void TestDateText::fastWritersAgreeWithGeneralWriter_data()
{
    QTest::addColumn<QDateTime>("timestamp");
    const QTime time(14, 5, 9);
    QTest::newRow("written form") << QDateTime(QDate(2026, 3, 31), time, Qt::UTC);
    QTest::newRow("milliseconds dropped") << QDateTime(QDate(2026, 3, 31), QTime(14, 5, 9, 999), Qt::UTC);
    QTest::newRow("offset turned into UTC")
        << QDateTime(QDate(2026, 1, 1), QTime(1, 0), Qt::OffsetFromUTC, 7200);
    QTest::newRow("midnight") << QDateTime(QDate(2026, 12, 31), QTime(0, 0), Qt::UTC);
    QTest::newRow("year 1") << QDateTime(QDate(1, 1, 1), time, Qt::UTC);
    QTest::newRow("year 9999") << QDateTime(QDate(9999, 12, 31), QTime(23, 59, 59), Qt::UTC);
    QTest::newRow("year 10000") << QDateTime(QDate(10000, 1, 1), time, Qt::UTC);
    QTest::newRow("year before 1") << QDateTime(QDate(-5, 6, 1), time, Qt::UTC);
    QTest::newRow("invalid") << QDateTime();
}

void TestDateText::fastWritersAgreeWithGeneralWriter()
{
    QFETCH(QDateTime, timestamp);
    QDateTime general = timestamp.toUTC();
    general.setTime(QTime(general.time().hour(), general.time().minute(), general.time().second()));
    QCOMPARE(timestampToText(timestamp), timestamp.isValid() ? general.toString(Qt::ISODate) : QString());
    const QDate date = timestamp.date();
    QCOMPARE(dateToText(date), date.isValid() ? date.toString(Qt::ISODate) : QString());
}

QTEST_GUILESS_MAIN(TestDateText)
#include "tst_datetext.moc"
