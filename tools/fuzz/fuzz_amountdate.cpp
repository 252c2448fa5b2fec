// Amount and date readers on any text: every amount read is within the limit, a typed amount
// reads back from its own formatting, and every date read is a real date.
#include "fuzzsupport.h"

#include "data/money.h"
#include "services/csvreader.h"
#include "services/qifparser.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    FuzzSupport::initializeApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(FuzzSupport::bytes(data, size));
    for (const int decimals : {0, 2}) {
        if (const std::optional<qint64> amount = QifParser::parseAmount(text, decimals))
            FuzzSupport::check(isAmountInRange(*amount));
        if (const std::optional<Money> amount = amountFromDecimal(text, decimals))
            FuzzSupport::check(isAmountInRange(*amount));
    }
    for (const Currency currency : {Currency::USD, Currency::JPY, Currency::EUR}) {
        FuzzSupport::check(isAmountInRange(parseMoney(text, currency)));
        if (const std::optional<Money> amount = readAmount(text, currency)) {
            FuzzSupport::check(isAmountInRange(*amount));
            FuzzSupport::check(readAmount(formatMoney(*amount, currency), currency) == amount);
        }
    }
    for (const QifDateOrder order : {QifDateOrder::MonthFirst, QifDateOrder::DayFirst}) {
        const QDate date = QifParser::parseDate(text, order);
        FuzzSupport::check(date.isNull() || date.isValid());
    }
    for (const char *pattern : {"MM/dd/yyyy", "dd.MM.yy", "yyyy-MM-dd", "d MMM yyyy"}) {
        const QDate date = parseCsvDate(text, QString::fromLatin1(pattern));
        FuzzSupport::check(date.isNull() || date.isValid());
    }
    return 0;
}
