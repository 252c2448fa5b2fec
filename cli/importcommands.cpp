#include "commands.h"

#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "services/core.h"
#include "services/csvreader.h"
#include "services/importservice.h"
#include "services/importtext.h"
#include "services/qifjson.h"
#include "services/qifparser.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonObject>

#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace {

QJsonObject importResultToJson(const ImportResult &result)
{
    return QJsonObject{
        {QStringLiteral("imported"), result.imported},
        {QStringLiteral("duplicates"), result.duplicates},
        {QStringLiteral("unparseable"), result.unparseable},
        {QStringLiteral("metadata_skipped"), result.metadataSkipped},
        {QStringLiteral("unmapped_skipped"), result.unmappedSkipped},
        {QStringLiteral("transfers_linked"), result.transfersLinked},
        {QStringLiteral("retroactive_links"), result.retroactiveLinks},
        {QStringLiteral("database_errors"), result.databaseErrors},
        {QStringLiteral("aborted"), result.aborted},
    };
}

// The counters always; exit 1 with the reason when the import was stopped and rolled back, or
// when records were there and not one could be stored. Duplicates and records mapped to skip are
// the user's own choice, not a failure.
int reportImport(CliContext &context, const ImportResult &result)
{
    context.printJson(importResultToJson(result));
    if (result.aborted)
        return context.fail(
            QStringLiteral("the import failed and nothing was stored: %1").arg(result.failure));
    if (result.imported == 0 && result.duplicates == 0 && result.unmappedSkipped == 0 &&
        result.unparseable + result.databaseErrors > 0) {
        return context.fail(
            QStringLiteral("nothing was imported: %1 record(s) unreadable, %2 refused by the database")
                .arg(result.unparseable)
                .arg(result.databaseErrors));
    }
    return 0;
}

// The import on the context's database, through the same Core as every other command: a writable
// database gets the default categories first, so imported category names meet them.
struct ImportSetup
{
    explicit ImportSetup(Database *database)
        : core(database)
        , accounts(*core.accountRepository())
        , service(*core.importService())
    {}

    Core core;
    AccountRepository &accounts;
    ImportService &service;
};

// A bar on standard error, only when a person is watching it: piped or redirected output stays
// clean JSON on stdout and nothing on stderr.
class ProgressBar
{
public:
    explicit ProgressBar(ImportService *service)
    {
        if (!isatty(fileno(stderr)))
            return;
        m_started = QObject::connect(service, &ImportService::importStarted, service,
                                     [this](int total) { draw(0, total); });
        m_progress = QObject::connect(service, &ImportService::importProgress, service,
                                      [this](int current, int total) { draw(current, total); });
    }

    ~ProgressBar()
    {
        QObject::disconnect(m_started);
        QObject::disconnect(m_progress);
        if (m_drawn)
            std::fputc('\n', stderr);
    }

    ProgressBar(const ProgressBar &) = delete;
    ProgressBar &operator=(const ProgressBar &) = delete;

private:
    void draw(int current, int total)
    {
        constexpr int width = 40;
        const int filled = total > 0 ? int(qint64(current) * width / total) : width;
        const int percent = total > 0 ? int(qint64(current) * 100 / total) : 100;
        std::fprintf(stderr, "\r[%s%s] %3d%% %d/%d", QByteArray(filled, '#').constData(),
                     QByteArray(width - filled, ' ').constData(), percent, current, total);
        std::fflush(stderr);
        m_drawn = true;
    }

    QMetaObject::Connection m_started;
    QMetaObject::Connection m_progress;
    bool m_drawn = false;
};

// A deleted account is refused like one that never existed: nobody would see rows written there.
bool isLive(const AccountRepository &accounts, const QString &accountId)
{
    const std::optional<Account> account = accounts.findById(accountId);
    return account && !account->deletedAt;
}

int qifInspect(CliContext &context, const QStringList &arguments)
{
    const CliArguments args(arguments, {QStringLiteral("--date-order")});
    if (!args.isValid())
        return context.usageError(args.error());
    if (args.positionals().size() != 1)
        return context.usageError(QStringLiteral("qif-inspect takes one file"));
    const QString orderText = args.value(QStringLiteral("--date-order"), QStringLiteral("auto"));
    QifDateOrder order = QifDateOrder::Auto;
    if (orderText == QLatin1String("month-first"))
        order = QifDateOrder::MonthFirst;
    else if (orderText == QLatin1String("day-first"))
        order = QifDateOrder::DayFirst;
    else if (orderText != QLatin1String("auto"))
        return context.usageError(QStringLiteral("--date-order takes auto, month-first or day-first"));

    QFile file(args.positionals().first());
    if (!file.open(QIODevice::ReadOnly))
        return context.fail(QStringLiteral("cannot open %1: %2").arg(file.fileName(), file.errorString()));
    if (file.size() > ImportService::maxFileSize)
        return context.fail(QStringLiteral("%1 is larger than %2 MiB")
                                .arg(file.fileName())
                                .arg(ImportService::maxFileSize >> 20));
    const QifParseResult parsed = QifParser::parse(decodeImportText(file.readAll()), order);
    if (!parsed.error.isEmpty())
        return context.fail(QStringLiteral("%1: %2").arg(file.fileName(), parsed.error));
    context.printJson(qifParseResultToJson(parsed));
    return 0;
}

int checkReadable(CliContext &context, const QStringList &paths)
{
    for (const QString &path : paths) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return context.fail(QStringLiteral("cannot open %1: %2").arg(path, file.errorString()));
    }
    return 0;
}

int qifAnalyze(CliContext &context, const QStringList &arguments)
{
    const CliArguments args(arguments, {});
    if (!args.isValid())
        return context.usageError(args.error());
    if (args.positionals().isEmpty())
        return context.usageError(QStringLiteral("qif-analyze takes one or more files"));
    if (const int failed = checkReadable(context, args.positionals()))
        return failed;
    Database *database = context.databaseForReading();
    if (!database)
        return 1;
    ImportSetup setup(database);
    const QifAnalysis analysis = setup.service.analyzeQif(args.positionals());
    if (!analysis.error.isEmpty())
        return context.fail(analysis.error);
    QJsonArray entries;
    for (const QifSourceEntry &entry : analysis.entries) {
        entries.append(
            QJsonObject{{QStringLiteral("key"), entry.key},
                        {QStringLiteral("display_name"), entry.displayName},
                        {QStringLiteral("no_account_header"), entry.noAccountHeader},
                        {QStringLiteral("suggested_type"), accountTypeToString(entry.suggestedType)},
                        {QStringLiteral("account_name"), entry.accountName}});
    }
    context.printJson(QJsonObject{{QStringLiteral("total_transactions"), analysis.totalTransactions},
                                  {QStringLiteral("entries"), entries}});
    return 0;
}

int importQif(CliContext &context, const QStringList &arguments)
{
    const CliArguments args(arguments, {QStringLiteral("--map")});
    if (!args.isValid())
        return context.usageError(args.error());
    if (args.positionals().isEmpty())
        return context.usageError(QStringLiteral("import-qif takes one or more files"));
    QifMapping mapping;
    for (const QString &map : args.values(QStringLiteral("--map"))) {
        // Keys may be file paths; account ids never hold "=", so the last one separates.
        const qsizetype separator = map.lastIndexOf(QLatin1Char('='));
        if (separator <= 0 || separator == map.size() - 1)
            return context.usageError(QStringLiteral("--map takes KEY=ACCOUNT_ID or KEY=skip"));
        const QString target = map.mid(separator + 1);
        mapping.insert(map.left(separator), target == QLatin1String("skip") ? QString() : target);
    }
    if (const int failed = checkReadable(context, args.positionals()))
        return failed;
    Database *database = context.database();
    if (!database)
        return 1;
    ImportSetup setup(database);
    for (const QString &accountId : std::as_const(mapping)) {
        if (!accountId.isEmpty() && !isLive(setup.accounts, accountId))
            return context.fail(QStringLiteral("no account with id %1").arg(accountId));
    }
    ImportResult result;
    {
        const ProgressBar bar(&setup.service);
        result = setup.service.importQif(args.positionals(), mapping);
    }
    return reportImport(context, result);
}

int importCsv(CliContext &context, const QStringList &arguments)
{
    const QStringList columnOptions{QStringLiteral("--date-column"), QStringLiteral("--payee-column"),
                                    QStringLiteral("--amount-column"), QStringLiteral("--memo-column"),
                                    QStringLiteral("--category-column")};
    const CliArguments args(arguments,
                            columnOptions + QStringList{QStringLiteral("--account"),
                                                        QStringLiteral("--date-format"),
                                                        QStringLiteral("--delimiter")},
                            {QStringLiteral("--no-header")});
    if (!args.isValid())
        return context.usageError(args.error());
    if (args.positionals().size() != 1)
        return context.usageError(QStringLiteral("import-csv takes one file"));
    const QString accountId = args.value(QStringLiteral("--account"));
    if (accountId.isEmpty())
        return context.usageError(QStringLiteral("import-csv needs --account ID"));

    CsvImportOptions options;
    int *columns[] = {&options.dateColumn, &options.payeeColumn, &options.amountColumn, &options.memoColumn,
                      &options.categoryColumn};
    QList<int> givenColumns;
    for (int i = 0; i < columnOptions.size(); ++i) {
        if (!args.has(columnOptions[i]))
            continue;
        bool ok = false;
        const int column = args.value(columnOptions[i]).toInt(&ok);
        // Memo and category may be -1 (none); the three required columns may not.
        if (!ok || column < (i >= 3 ? -1 : 0))
            return context.usageError(
                QStringLiteral("%1 takes a column number counted from 0").arg(columnOptions[i]));
        *columns[i] = column;
        if (column >= 0)
            givenColumns.append(i);
    }
    options.hasHeader = !args.has(QStringLiteral("--no-header"));
    options.dateFormat = args.value(QStringLiteral("--date-format"), options.dateFormat);

    const QString path = args.positionals().first();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return context.fail(QStringLiteral("cannot open %1: %2").arg(path, file.errorString()));
    const QString delimiter = args.value(QStringLiteral("--delimiter"));
    if (delimiter.isEmpty())
        options.delimiter = detectCsvDelimiter(decodeImportText(file.read(64 * 1024)));
    else if (delimiter == QLatin1String(",") || delimiter == QLatin1String(";"))
        options.delimiter = delimiter.front();
    else if (delimiter == QLatin1String("tab"))
        options.delimiter = QLatin1Char('\t');
    else
        return context.usageError(QStringLiteral("--delimiter takes \",\", \";\" or tab"));
    // A column the user names must be one the file has: the widest row decides.
    if (!givenColumns.isEmpty() && file.size() <= ImportService::maxFileSize) {
        file.seek(0);
        qsizetype width = 0;
        QString splitError;
        for (const QStringList &row :
             splitCsv(decodeImportText(file.readAll()), options.delimiter, &splitError))
            width = std::max(width, row.size());
        if (!splitError.isEmpty())
            return context.fail(QStringLiteral("%1: %2").arg(path, splitError));
        for (const int i : std::as_const(givenColumns)) {
            if (*columns[i] >= width) {
                return context.usageError(QStringLiteral("%1 %2 is outside the file's %3 columns")
                                              .arg(columnOptions[i])
                                              .arg(*columns[i])
                                              .arg(width));
            }
        }
    }
    file.close();

    Database *database = context.database();
    if (!database)
        return 1;
    ImportSetup setup(database);
    if (!isLive(setup.accounts, accountId))
        return context.fail(QStringLiteral("no account with id %1").arg(accountId));
    ImportResult result;
    {
        const ProgressBar bar(&setup.service);
        result = setup.service.importCsv(path, accountId, options);
    }
    return reportImport(context, result);
}

} // namespace

QList<CliCommand> importCommands()
{
    return {
        {QStringLiteral("qif-inspect"), QStringLiteral("FILE [--date-order auto|month-first|day-first]"),
         QStringLiteral("Parse a QIF file and print what it holds"), qifInspect},
        {QStringLiteral("qif-analyze"), QStringLiteral("FILE..."),
         QStringLiteral("List the source accounts of QIF files, as the import screen offers them"),
         qifAnalyze},
        {QStringLiteral("import-qif"), QStringLiteral("FILE... --map KEY=ACCOUNT_ID|skip ..."),
         QStringLiteral("Import QIF files, sending each source account to a target account"), importQif},
        {QStringLiteral("import-csv"),
         QStringLiteral(
             "FILE --account ID [--date-column N] [--payee-column N] [--amount-column N] [--memo-column N] "
             "[--category-column N] [--no-header] [--date-format PATTERN] [--delimiter ,|;|tab]"),
         QStringLiteral("Import a CSV file into one account (delimiter detected when not given)"), importCsv},
    };
}
