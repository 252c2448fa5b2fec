// The QIF parser on any bytes: no memory error, bounded output, and every transaction it keeps
// has a real date and an amount within the limit.
#include "fuzzsupport.h"

#include "data/money.h"
#include "services/importtext.h"
#include "services/qifparser.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    FuzzSupport::initializeApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = decodeImportText(FuzzSupport::bytes(data, size));
    for (const QifDateOrder order : {QifDateOrder::Auto, QifDateOrder::DayFirst}) {
        const QifParseResult result = QifParser::parse(text, order);
        FuzzSupport::check(result.dateOrder != QifDateOrder::Auto);
        FuzzSupport::check(result.error.isEmpty() || result.transactions.isEmpty());
        for (const QifTransaction &transaction : result.transactions) {
            FuzzSupport::check(transaction.date.isValid());
            FuzzSupport::check(isAmountInRange(transaction.amount));
            FuzzSupport::check(transaction.splits.size() <= QifParser::maxSplitsPerRecord);
        }
    }
    return 0;
}
