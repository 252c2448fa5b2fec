#include "data/money.h"

#include <QTest>

#include <limits>

class TestMoney : public QObject
{
    Q_OBJECT

private slots:
    void format_data();
    void format();
    void parse_data();
    void parse();
    void formatParseRoundTrip();
    void readAmountIsStrict_data();
    void readAmountIsStrict();
    void sumsNeverWrap();
};

void TestMoney::format_data()
{
    QTest::addColumn<qint64>("amount");
    QTest::addColumn<Currency>("currency");
    QTest::addColumn<QString>("money");
    QTest::addColumn<QString>("amountText");

    QTest::newRow("negative cents") << qint64(-5) << Currency::USD << "-$0.05"
                                    << "-0.05";
    QTest::newRow("zero euro") << qint64(0) << Currency::EUR << "€0.00"
                               << "0.00";
    QTest::newRow("millions pound") << qint64(123456789) << Currency::GBP << "£1,234,567.89"
                                    << "1,234,567.89";
    QTest::newRow("negative yen") << qint64(-1500) << Currency::JPY << "-¥1,500"
                                  << "-1,500";
    QTest::newRow("yen grouping") << qint64(1234) << Currency::JPY << "¥1,234"
                                  << "1,234";
    QTest::newRow("minus before symbol") << qint64(-123456) << Currency::USD << "-$1,234.56"
                                         << "-1,234.56";
    QTest::newRow("cents padded") << qint64(105) << Currency::CAD << "$1.05"
                                  << "1.05";
    QTest::newRow("most negative has a magnitude")
        << std::numeric_limits<qint64>::min() << Currency::USD << "-$92,233,720,368,547,758.08"
        << "-92,233,720,368,547,758.08";
    QTest::newRow("largest") << std::numeric_limits<qint64>::max() << Currency::JPY
                             << "¥9,223,372,036,854,775,807"
                             << "9,223,372,036,854,775,807";
}

void TestMoney::format()
{
    QFETCH(qint64, amount);
    QFETCH(Currency, currency);
    QFETCH(QString, money);
    QFETCH(QString, amountText);
    QCOMPARE(formatMoney(amount, currency), money);
    QCOMPARE(formatAmount(amount, currency), amountText);
}

void TestMoney::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Currency>("currency");
    QTest::addColumn<qint64>("expected");

    QTest::newRow("symbol and grouping") << "$1,234.56" << Currency::USD << qint64(123456);
    QTest::newRow("whole negative") << "-12" << Currency::USD << qint64(-1200);
    QTest::newRow("letters") << "abc" << Currency::USD << qint64(0);
    QTest::newRow("parentheses are not a sign") << "(12.00)" << Currency::USD << qint64(0);
    QTest::newRow("other currency's symbol") << "€5" << Currency::USD << qint64(0);
    QTest::newRow("half away from zero") << "12.345" << Currency::USD << qint64(1235);
    QTest::newRow("half a cent") << "0.005" << Currency::USD << qint64(1);
    QTest::newRow("negative half a cent") << "-0.005" << Currency::USD << qint64(-1);
    QTest::newRow("binary fraction 0.285 is exact") << "0.285" << Currency::USD << qint64(29);
    QTest::newRow("binary fraction 1.005 is exact") << "1.005" << Currency::EUR << qint64(101);
    QTest::newRow("sign symbol blank") << "  -$ 3.10  " << Currency::USD << qint64(-310);
    QTest::newRow("empty") << "" << Currency::USD << qint64(0);
    QTest::newRow("blank") << "   " << Currency::USD << qint64(0);
    QTest::newRow("leading point") << ".5" << Currency::USD << qint64(50);
    QTest::newRow("exponent") << "1.5e2" << Currency::USD << qint64(15000);
    QTest::newRow("yen grouping") << "1,000" << Currency::JPY << qint64(1000);
    QTest::newRow("yen fraction is not an integer") << "1.5" << Currency::JPY << qint64(0);
    QTest::newRow("yen symbol") << "-¥2,500" << Currency::JPY << qint64(-2500);
    QTest::newRow("pound symbol") << "£12.50" << Currency::GBP << qint64(1250);
    // Values beyond 64-bit minor units must read as 0, never as an undefined conversion.
    QTest::newRow("overflow cents") << "92233720368547758.08" << Currency::USD << qint64(0);
    QTest::newRow("largest amount") << "10,000,000,000,000.00" << Currency::USD << maxAmount;
    QTest::newRow("fault: a cent beyond the largest amount")
        << "10000000000000.01" << Currency::USD << qint64(0);
    QTest::newRow("fault: yen beyond the largest amount")
        << "-1000000000000001" << Currency::JPY << qint64(0);
    QTest::newRow("fault: fits 64 bits, beyond the limit")
        << "92233720368547758.07" << Currency::USD << qint64(0);
    QTest::newRow("huge exponent") << "1e300" << Currency::USD << qint64(0);
    QTest::newRow("enormous exponent") << "1e99999999999" << Currency::USD << qint64(0);
    QTest::newRow("tiny exponent") << "1e-300" << Currency::USD << qint64(0);
    QTest::newRow("overflow yen") << "9223372036854775808" << Currency::JPY << qint64(0);
    QTest::newRow("inf") << "inf" << Currency::USD << qint64(0);
    QTest::newRow("negative infinity") << "-infinity" << Currency::USD << qint64(0);
    QTest::newRow("nan") << "nan" << Currency::EUR << qint64(0);
    QTest::newRow("two points") << "1.2.3" << Currency::USD << qint64(0);
    QTest::newRow("trailing letters") << "12abc" << Currency::USD << qint64(0);
}

void TestMoney::parse()
{
    QFETCH(QString, text);
    QFETCH(Currency, currency);
    QFETCH(qint64, expected);
    QCOMPARE(parseMoney(text, currency), expected);
}

void TestMoney::formatParseRoundTrip()
{
    const QList<qint64> amounts{0, 1, -1, 99, 100, 123456789, -987654321, 100000000000LL};
    for (Currency currency : {Currency::USD, Currency::EUR, Currency::GBP, Currency::JPY}) {
        for (qint64 amount : amounts) {
            QCOMPARE(parseMoney(formatMoney(amount, currency), currency), amount);
            QCOMPARE(parseMoney(formatAmount(amount, currency), currency), amount);
        }
    }
}

// The reader of typed amounts refuses instead of guessing: a typo is never stored as zero, and no
// amount beyond the limit enters at all.
void TestMoney::readAmountIsStrict_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Currency>("currency");
    QTest::addColumn<std::optional<qint64>>("expected");
    const std::optional<qint64> refused;
    QTest::newRow("plain") << "12.34" << Currency::USD << std::optional<qint64>(1234);
    QTest::newRow("symbol grouping sign") << "-$1,234.50" << Currency::USD << std::optional<qint64>(-123450);
    QTest::newRow("written zero") << "0.00" << Currency::USD << std::optional<qint64>(0);
    QTest::newRow("whole yen") << "¥1,500" << Currency::JPY << std::optional<qint64>(1500);
    QTest::newRow("largest amount") << "-10000000000000" << Currency::USD
                                    << std::optional<qint64>(-maxAmount);
    QTest::newRow("fault: beyond the largest amount") << "10000000000000.01" << Currency::USD << refused;
    QTest::newRow("fault: two QIF-sized amounts") << "600000000000000000" << Currency::JPY << refused;
    QTest::newRow("fault: more decimals than the currency") << "12.345" << Currency::USD << refused;
    QTest::newRow("fault: yen with cents") << "12.50" << Currency::JPY << refused;
    QTest::newRow("fault: exponent") << "1e3" << Currency::USD << refused;
    QTest::newRow("fault: letters") << "12x" << Currency::USD << refused;
    QTest::newRow("fault: irregular grouping") << "1,23.00" << Currency::USD << refused;
    QTest::newRow("fault: empty") << "" << Currency::USD << refused;
    QTest::newRow("fault: lone minus") << "-" << Currency::USD << refused;
}

void TestMoney::readAmountIsStrict()
{
    QFETCH(QString, text);
    QFETCH(Currency, currency);
    QFETCH(std::optional<qint64>, expected);
    QCOMPARE(readAmount(text, currency), expected);
}

void TestMoney::sumsNeverWrap()
{
    QCOMPARE(addAmounts(maxAmount, maxAmount), std::optional<Money>(2 * maxAmount));
    QCOMPARE(addAmounts(std::numeric_limits<Money>::max(), 1), std::nullopt);
    QCOMPARE(addAmounts(std::numeric_limits<Money>::min(), -1), std::nullopt);
    QCOMPARE(addAmounts(std::numeric_limits<Money>::min(), std::numeric_limits<Money>::max()),
             std::optional<Money>(-1));
}

QTEST_GUILESS_MAIN(TestMoney)
#include "tst_money.moc"
