#include "data/datetext.h"
#include "data/repositorysupport.h"

#include <QTest>

// The fast readers of stored dates and timestamps must agree with the general ones on any text.
class TestRepositorySupport : public QObject
{
    Q_OBJECT

private slots:
    void storedTimestampAgreesWithGeneralReader_data();
    void storedTimestampAgreesWithGeneralReader();
    void storedDateAgreesWithGeneralReader_data();
    void storedDateAgreesWithGeneralReader();
};

void TestRepositorySupport::storedTimestampAgreesWithGeneralReader_data()
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

void TestRepositorySupport::storedTimestampAgreesWithGeneralReader()
{
    QFETCH(QString, text);
    const QDateTime expected = timestampFromText(text);
    const QDateTime actual = RepositorySupport::storedTimestamp(text);
    QCOMPARE(actual.isValid(), expected.isValid());
    QCOMPARE(actual, expected);
    QCOMPARE(actual.timeSpec(), expected.timeSpec());
    QCOMPARE(RepositorySupport::storedOptionalTimestamp(text), optionalTimestampFromText(text));
}

void TestRepositorySupport::storedDateAgreesWithGeneralReader_data()
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

void TestRepositorySupport::storedDateAgreesWithGeneralReader()
{
    QFETCH(QString, text);
    QCOMPARE(RepositorySupport::storedDate(text), dateFromText(text));
}

QTEST_GUILESS_MAIN(TestRepositorySupport)
#include "tst_repositorysupport.moc"
