#include "commands.h"
#include "jsonarraywriter.h"

#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/datetext.h"
#include "services/backupservice.h"
#include "services/categoryservice.h"
#include "services/reportservice.h"
#include "services/sampledataservice.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QSaveFile>

#include <functional>
#include <optional>

namespace {

// One report as the CLI prints it: JSON keys of the record's fields, CSV header labels of the
// reports screen, and one row of each. Amounts stay in minor units in both forms.
struct ReportTable
{
    QStringList keys;
    QStringList headers;
    QList<QJsonArray> rows;
};

QString cellText(const QJsonValue &value)
{
    return value.isDouble() ? QString::number(value.toInteger()) : value.toString();
}

template<typename Row>
ReportTable table(const QStringList &keys, const QStringList &headers, const QList<Row> &rows,
                  const std::function<QJsonArray(const Row &)> &cells)
{
    ReportTable result{keys, headers, {}};
    result.rows.reserve(rows.size());
    for (const Row &row : rows)
        result.rows.append(cells(row));
    return result;
}

QStringList words(std::initializer_list<const char *> list)
{
    QStringList result;
    for (const char *word : list)
        result.append(QString::fromLatin1(word));
    return result;
}

struct ReportRequest
{
    QDate from;
    QDate to;
    QDate from2;
    QDate to2;
    QString accountId;
    QString categoryId;
};

struct ReportKind
{
    const char *name;
    bool dated;
    bool accountFilter;
    bool categoryFilter;
    bool secondPeriod;
    std::function<ReportTable(const ReportService &, const ReportRequest &)> run;
};

const QList<ReportKind> &reportKinds()
{
    static const QList<ReportKind> kinds{
        {"category-spending", true, true, false, false,
         [](const ReportService &service, const ReportRequest &request) {
             return table<CategoryTotal>(
                 words({"name", "total"}), words({"Category", "Total"}),
                 service.categorySpending(request.from, request.to, request.accountId),
                 [](const CategoryTotal &row) {
                     return QJsonArray{row.name, row.total};
                 });
         }},
        {"payee-summary", true, true, false, false,
         [](const ReportService &service, const ReportRequest &request) {
             return table<PayeeTotal>(words({"payee", "total", "count"}), words({"Payee", "Total", "Count"}),
                                      service.payeeSummary(request.from, request.to, request.accountId),
                                      [](const PayeeTotal &row) {
                                          return QJsonArray{row.payee, row.total, row.count};
                                      });
         }},
        {"tax", true, false, false, false,
         [](const ReportService &service, const ReportRequest &request) {
             return table<TaxLine>(words({"category_name", "tax_category", "total"}),
                                   words({"Category", "Tax Code", "Total"}),
                                   service.taxReport(request.from, request.to), [](const TaxLine &row) {
                                       return QJsonArray{row.categoryName, row.taxCategory, row.total};
                                   });
         }},
        {"income-vs-expenses", true, true, false, false,
         [](const ReportService &service, const ReportRequest &request) {
             return table<MonthlyFlow>(words({"month", "inflows", "outflows", "net"}),
                                       words({"Month", "Income", "Expenses", "Net"}),
                                       service.incomeVsExpenses(request.from, request.to, request.accountId),
                                       [](const MonthlyFlow &row) {
                                           return QJsonArray{row.month, row.inflows, row.outflows, row.net};
                                       });
         }},
        {"cash-flow", true, true, false, false,
         [](const ReportService &service, const ReportRequest &request) {
             return table<MonthlyFlow>(words({"month", "inflows", "outflows", "net"}),
                                       words({"Month", "Inflows", "Outflows", "Net"}),
                                       service.cashFlow(request.from, request.to, request.accountId),
                                       [](const MonthlyFlow &row) {
                                           return QJsonArray{row.month, row.inflows, row.outflows, row.net};
                                       });
         }},
        {"year-over-year", true, true, false, true,
         [](const ReportService &service, const ReportRequest &request) {
             return table<YearOverYearRow>(
                 words({"category", "period1", "period2", "change"}),
                 words({"Category", "Period 1", "Period 2", "Difference"}),
                 service.yearOverYear(request.from, request.to, request.from2, request.to2,
                                      request.accountId),
                 [](const YearOverYearRow &row) {
                     return QJsonArray{row.category, row.period1, row.period2, row.change};
                 });
         }},
        {"account-summary", false, false, false, false,
         [](const ReportService &service, const ReportRequest &) {
             return table<AccountSummaryRow>(
                 words({"name", "account_type", "cleared_balance", "uncleared_total", "balance"}),
                 words({"Account", "Type", "Cleared", "Uncleared", "Total"}), service.accountSummary(),
                 [](const AccountSummaryRow &row) {
                     return QJsonArray{row.name, row.accountType, row.clearedBalance, row.unclearedTotal,
                                       row.balance};
                 });
         }},
        {"transactions", true, true, true, false,
         [](const ReportService &service, const ReportRequest &request) {
             return table<TransactionListRow>(
                 words({"date", "account_name", "payee", "category_name", "memo", "amount"}),
                 words({"Date", "Account", "Payee", "Category", "Memo", "Amount"}),
                 service.transactionList(request.from, request.to, request.accountId, request.categoryId),
                 [](const TransactionListRow &row) {
                     return QJsonArray{dateToText(row.date), row.accountName, row.payee,
                                       row.categoryName,     row.memo,        row.amount};
                 });
         }},
    };
    return kinds;
}

// The one report whose rows grow with the data, printed as it is read: a million rows cost one
// row's memory. A read that fails part way leaves the array open, so that no reader takes the part
// for the whole; one that fails at once prints nothing.
int printTransactionList(CliContext &context, const ReportService &service, const ReportRequest &request)
{
    std::optional<JsonArrayWriter> writer;
    const bool complete =
        service.forEachTransactionListRow(request.from, request.to, request.accountId, request.categoryId,
                                          [&writer](const TransactionListRow &row) {
                                              if (!writer)
                                                  writer.emplace();
                                              IndentedJsonWriter &out = writer->beginObject();
                                              out.text(QLatin1String("account_name"), row.accountName);
                                              out.integer(QLatin1String("amount"), row.amount);
                                              out.text(QLatin1String("category_name"), row.categoryName);
                                              out.text(QLatin1String("date"), dateToText(row.date));
                                              out.text(QLatin1String("memo"), row.memo);
                                              out.text(QLatin1String("payee"), row.payee);
                                              writer->endObject();
                                              return true;
                                          });
    if (!complete) {
        if (writer)
            writer->abandon();
        return context.fail(QStringLiteral("the transactions report failed: %1").arg(service.lastError()));
    }
    if (!writer)
        writer.emplace();
    writer->finish();
    return 0;
}

std::optional<QDate> dateOption(const CliArguments &arguments, const QString &option)
{
    const QDate date = dateFromText(arguments.value(option));
    if (!date.isValid())
        return std::nullopt;
    return date;
}

int report(CliContext &context, const QStringList &argumentList)
{
    const QString from = QStringLiteral("--from");
    const QString to = QStringLiteral("--to");
    const QString from2 = QStringLiteral("--p2-from");
    const QString to2 = QStringLiteral("--p2-to");
    const QString account = QStringLiteral("--account");
    const QString category = QStringLiteral("--category");
    const CliArguments arguments(argumentList, {from, to, from2, to2, account, category},
                                 {QStringLiteral("--csv")});
    if (!arguments.isValid())
        return context.usageError(arguments.error());
    if (arguments.positionals().size() != 1)
        return context.usageError(QStringLiteral("report needs exactly one report name"));

    const QString name = arguments.positionals().first();
    const ReportKind *kind = nullptr;
    for (const ReportKind &candidate : reportKinds()) {
        if (name == QLatin1String(candidate.name))
            kind = &candidate;
    }
    if (!kind)
        return context.usageError(QStringLiteral("unknown report %1").arg(name));

    ReportRequest request;
    const auto period = [&](const QString &fromOption, const QString &toOption, QDate &start, QDate &end) {
        const std::optional<QDate> first = dateOption(arguments, fromOption);
        const std::optional<QDate> last = dateOption(arguments, toOption);
        if (!first || !last)
            return false;
        start = *first;
        end = *last;
        return true;
    };
    if (kind->dated && !period(from, to, request.from, request.to))
        return context.usageError(QStringLiteral("%1 needs --from and --to as yyyy-MM-dd").arg(name));
    if (!kind->dated && (arguments.has(from) || arguments.has(to)))
        return context.usageError(QStringLiteral("%1 takes no period").arg(name));
    if (kind->secondPeriod && !period(from2, to2, request.from2, request.to2))
        return context.usageError(QStringLiteral("%1 needs --p2-from and --p2-to as yyyy-MM-dd").arg(name));
    if (!kind->secondPeriod && (arguments.has(from2) || arguments.has(to2)))
        return context.usageError(QStringLiteral("%1 takes no second period").arg(name));
    if (!kind->accountFilter && arguments.has(account))
        return context.usageError(QStringLiteral("%1 takes no --account").arg(name));
    if (!kind->categoryFilter && arguments.has(category))
        return context.usageError(QStringLiteral("%1 takes no --category").arg(name));
    request.accountId = arguments.value(account);
    request.categoryId = arguments.value(category);

    Database *database = context.databaseForReading();
    if (!database)
        return 1;
    const ReportService service(database);
    if (name == QLatin1String("transactions") && !arguments.has(QStringLiteral("--csv")))
        return printTransactionList(context, service, request);
    const ReportTable result = kind->run(service, request);
    if (!service.lastError().isEmpty())
        return context.fail(QStringLiteral("the %1 report failed: %2").arg(name, service.lastError()));

    if (arguments.has(QStringLiteral("--csv"))) {
        QList<QStringList> rows;
        rows.reserve(result.rows.size());
        for (const QJsonArray &cells : result.rows) {
            QStringList texts;
            for (const QJsonValue &cell : cells)
                texts.append(cellText(cell));
            rows.append(texts);
        }
        context.printText(ReportService::toCsv(result.headers, rows));
        return 0;
    }
    JsonArrayWriter writer;
    for (const QJsonArray &cells : result.rows) {
        QJsonObject object;
        for (qsizetype i = 0; i < result.keys.size(); ++i)
            object.insert(result.keys.at(i), cells.at(i));
        writer.append(object);
    }
    return 0;
}

int backupExport(CliContext &context, const QStringList &argumentList)
{
    const CliArguments arguments(argumentList, {});
    if (!arguments.isValid())
        return context.usageError(arguments.error());
    if (arguments.positionals().size() != 1)
        return context.usageError(QStringLiteral("backup-export needs the archive file"));
    Database *database = context.databaseForReading();
    if (!database)
        return 1;

    const QString path = arguments.positionals().first();
    // Written to a temporary file as the rows are read and renamed at the end, so a failed export
    // never clobbers an older backup.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return context.fail(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
    QString error;
    if (!BackupService(database).exportBackup(&file, &error)) {
        file.cancelWriting();
        return context.fail(QStringLiteral("the backup could not be written to %1: %2").arg(path, error));
    }
    if (!file.commit())
        return context.fail(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
    context.printJson(
        QJsonObject{{QStringLiteral("file"), path}, {QStringLiteral("bytes"), QFileInfo(path).size()}});
    return 0;
}

QJsonObject countsJson(const std::array<int, BackupImportResult::tableCount> &counts)
{
    static const char *const tables[] = {
        "accounts", "categories", "transactions", "split_lines", "recurring_transactions", "reconciliations"};
    QJsonObject object;
    for (size_t i = 0; i < counts.size(); ++i)
        object.insert(QLatin1String(tables[i]), counts[i]);
    return object;
}

int backupImport(CliContext &context, const QStringList &argumentList)
{
    const QString modeOption = QStringLiteral("--mode");
    const CliArguments arguments(argumentList, {modeOption});
    if (!arguments.isValid())
        return context.usageError(arguments.error());
    if (arguments.positionals().size() != 1)
        return context.usageError(QStringLiteral("backup-import needs the archive file"));
    const QString modeText = arguments.value(modeOption);
    BackupImportMode mode;
    if (modeText == QLatin1String("skip"))
        mode = BackupImportMode::SkipExisting;
    else if (modeText == QLatin1String("replace"))
        mode = BackupImportMode::ReplaceExisting;
    else if (modeText == QLatin1String("keep-newer"))
        mode = BackupImportMode::KeepNewer;
    else
        return context.usageError(QStringLiteral("--mode must be skip, replace or keep-newer"));

    const QString path = arguments.positionals().first();
    // Read entry by entry as the rows are restored, never whole: a backup can be larger than the
    // memory at hand. Unbuffered, each entry is one read straight into its own bytes.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return context.fail(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
    Database *database = context.database();
    if (!database)
        return 1;

    const BackupImportResult result = BackupService(database).importBackup(&file, mode);
    context.printJson(QJsonObject{{QStringLiteral("imported"), countsJson(result.imported)},
                                  {QStringLiteral("skipped"), countsJson(result.skipped)},
                                  {QStringLiteral("refused"), countsJson(result.refused)},
                                  {QStringLiteral("errors"), QJsonArray::fromStringList(result.errors)}});
    // A restore that could not run, or in which every row was refused, did not happen; rows refused
    // beside rows restored are listed above.
    if (result.aborted)
        return context.fail(result.errors.value(0));
    if (result.importedTotal() == 0 && result.refusedTotal() > 0)
        return context.fail(
            QStringLiteral("no row of the backup could be restored (%1 refused)").arg(result.refusedTotal()));
    return 0;
}

int sampleData(CliContext &context, const QStringList &argumentList)
{
    const CliArguments arguments(argumentList, {});
    if (!arguments.isValid())
        return context.usageError(arguments.error());
    const QStringList actions{QStringLiteral("load"), QStringLiteral("clear"), QStringLiteral("status")};
    if (arguments.positionals().size() != 1 || !actions.contains(arguments.positionals().first()))
        return context.usageError(QStringLiteral("sample-data needs one of load, clear, status"));
    const QString action = arguments.positionals().first();
    Database *database = context.database();
    if (!database)
        return 1;

    // Like the app, a database without categories gets the defaults, so sample rows find theirs.
    CategoryRepository categories(database);
    CategoryService(&categories).ensureDefaults();
    SampleDataService service(database);
    if (action == QLatin1String("load")) {
        if (service.hasSampleData())
            return context.fail(QStringLiteral("sample data is already loaded"));
        if (!service.loadSampleData())
            return context.fail(QStringLiteral("loading the sample data failed"));
    } else if (action == QLatin1String("clear")) {
        if (!service.hasSampleData())
            return context.fail(QStringLiteral("no sample data to clear"));
        if (!service.clearSampleData())
            return context.fail(QStringLiteral("clearing the sample data failed"));
    }
    context.printJson(QJsonObject{{QStringLiteral("loaded"), service.hasSampleData()}});
    return 0;
}

} // namespace

QList<CliCommand> reportCommands()
{
    return {
        {QStringLiteral("report"),
         QStringLiteral(
             "NAME [--from D --to D] [--account ID] [--category ID] [--p2-from D --p2-to D] [--csv]"),
         QStringLiteral("Run a report (category-spending, payee-summary, tax, income-vs-expenses, cash-flow, "
                        "year-over-year, account-summary, transactions)"),
         report},
        {QStringLiteral("backup-export"), QStringLiteral("FILE"),
         QStringLiteral("Write a backup archive of all data"), backupExport},
        {QStringLiteral("backup-import"), QStringLiteral("FILE --mode skip|replace|keep-newer"),
         QStringLiteral("Restore a backup archive"), backupImport},
        {QStringLiteral("sample-data"), QStringLiteral("load|clear|status"),
         QStringLiteral("Load, clear or detect the developer sample data"), sampleData},
    };
}
