// The CSV splitter and the CSV import with any options: the first bytes choose the delimiter,
// the header flag and the column options (including ones far outside the file), the rest is the
// file. No memory error, rows within the bounds, and nothing stored outside the amount limit.
#include "fuzzsupport.h"

#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/datetext.h"
#include "data/identifiers.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "services/csvreader.h"
#include "services/importservice.h"
#include "services/importtext.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>

#include <limits>

namespace {

int column(uint8_t byte)
{
    switch (byte % 8) {
    case 6:
        return std::numeric_limits<int>::max();
    case 7:
        return -1;
    default:
        return byte % 8;
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    FuzzSupport::initializeApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    constexpr size_t optionBytes = 6;
    if (size < optionBytes)
        return 0;
    const QChar delimiters[] = {QLatin1Char(','), QLatin1Char(';'), QLatin1Char('\t')};
    const QString text = decodeImportText(FuzzSupport::bytes(data + optionBytes, size - optionBytes));
    QString error;
    const QList<QStringList> rows = splitCsv(text, delimiters[data[0] % 3], &error);
    for (const QStringList &row : rows)
        FuzzSupport::check(row.size() <= maxCsvFields);
    detectCsvDelimiter(text);

    Database *database = FuzzSupport::database();
    static AccountRepository accounts(database);
    static TransactionRepository transactions(database);
    static CategoryRepository categories(database);
    static SplitLineRepository splitLines(database);
    static ImportService service(database, &transactions, &categories, &splitLines);
    static const QString accountId = [] {
        Account account;
        account.id = newId();
        account.name = QStringLiteral("Fuzz");
        account.createdAt = account.updatedAt = currentTimestamp();
        accounts.insert(account);
        return account.id;
    }();
    static const QString path =
        QDir::temp().filePath(QStringLiteral("zimbrel-fuzz-%1.csv").arg(QCoreApplication::applicationPid()));

    CsvImportOptions options;
    options.delimiter = delimiters[data[0] % 3];
    options.hasHeader = data[0] & 0x10;
    options.dateColumn = column(data[1]);
    options.payeeColumn = column(data[2]);
    options.amountColumn = column(data[3]);
    options.memoColumn = column(data[4]);
    options.categoryColumn = column(data[5]);
    const char *formats[] = {"MM/dd/yyyy", "dd.MM.yy", "yyyy-MM-dd"};
    options.dateFormat = QString::fromLatin1(formats[(data[0] >> 5) % 3]);
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return 0;
        file.write(reinterpret_cast<const char *>(data + optionBytes), qint64(size - optionBytes));
    }
    const ImportResult result = service.importCsv(path, accountId, options);
    FuzzSupport::check(!result.aborted || result.imported == 0 || !result.failure.isEmpty());

    QSqlQuery query(database->connection());
    FuzzSupport::check(
        query.exec(QStringLiteral("SELECT COUNT(*) FROM transactions WHERE amount > 1000000000000000 "
                                  "OR amount < -1000000000000000 OR typeof(amount) != 'integer'")) &&
        query.next() && query.value(0).toInt() == 0);
    query.exec(QStringLiteral("DELETE FROM transactions"));
    return 0;
}
