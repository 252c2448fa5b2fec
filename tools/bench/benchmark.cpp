// Benchmarks of the storage and service layers on generated data (see tools/datagen). Each figure is
// measured next to its floor, the same work done with plain SQL on the same data in the same
// process. Every case runs in a process of its own so that its peak resident memory is its own.

#include "processmeter.h"
#include "statementrecorder.h"

#include "app/appstate.h"
#include "app/mainwindow.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/datetext.h"
#include "data/identifiers.h"
#include "data/loghandler.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "services/backupservice.h"
#include "services/categoryservice.h"
#include "services/importservice.h"
#include "services/importtext.h"
#include "services/qifparser.h"
#include "services/reportservice.h"
#include "ui/register/registermodel.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>

namespace {

struct Figure
{
    QString name;
    double seconds = 0;
    QString floorName;
    double floorSeconds = 0;
    QString secondFloorName;
    double secondFloorSeconds = 0;
    qint64 items = 0;
    QString itemUnit;
    double peakMegabytes = 0;
    double floorPeakMegabytes = 0; // whole-process cases: the floor's own peak
};

double median(QList<double> values)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    const qsizetype middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double timeOnce(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e9;
}

double medianTime(int runs, const std::function<void()> &setup, const std::function<void()> &work)
{
    QList<double> times;
    for (int i = 0; i < runs; ++i) {
        if (setup)
            setup();
        times.append(timeOnce(work));
    }
    return median(times);
}

void resetPeakMemory()
{
    QFile file(QStringLiteral("/proc/self/clear_refs"));
    if (file.open(QIODevice::WriteOnly))
        file.write("5");
}

double peakMegabytes()
{
    QFile file(QStringLiteral("/proc/self/status"));
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return 0;
}

// The services over one open database, as the app composes them. Members go in reverse order, so
// the database is closed last.
struct Stack
{
    std::unique_ptr<Database> database;
    std::unique_ptr<AccountRepository> accounts;
    std::unique_ptr<TransactionRepository> transactions;
    std::unique_ptr<CategoryRepository> categories;
    std::unique_ptr<SplitLineRepository> splitLines;
    std::unique_ptr<CategoryService> categoryService;
    std::unique_ptr<ImportService> importService;
    std::unique_ptr<ReportService> reportService;
    std::unique_ptr<BackupService> backupService;

    explicit Stack(const QString &path)
    {
        database = std::make_unique<Database>();
        if (!database->open(path) || !database->runMigrations())
            qFatal("cannot open %s", qPrintable(path));
        accounts = std::make_unique<AccountRepository>(database.get());
        transactions = std::make_unique<TransactionRepository>(database.get());
        categories = std::make_unique<CategoryRepository>(database.get());
        splitLines = std::make_unique<SplitLineRepository>(database.get());
        categoryService = std::make_unique<CategoryService>(categories.get());
        categoryService->ensureDefaults();
        importService = std::make_unique<ImportService>(database.get(), transactions.get(), categories.get(),
                                                        splitLines.get());
        reportService = std::make_unique<ReportService>(database.get());
        backupService = std::make_unique<BackupService>(database.get());
    }
};

class Bench
{
public:
    Bench(const QString &dataDir, int runs)
        : m_dataDir(dataDir)
        , m_runs(runs)
    {}

    QStringList caseNames() const
    {
        return {QStringLiteral("qif-parse"),
                QStringLiteral("qif-import"),
                QStringLiteral("qif-reimport"),
                QStringLiteral("register"),
                QStringLiteral("register-open"),
                QStringLiteral("search-word"),
                QStringLiteral("search-prefix"),
                QStringLiteral("search-phrase"),
                QStringLiteral("report-category-spending"),
                QStringLiteral("report-payee-summary"),
                QStringLiteral("report-tax"),
                QStringLiteral("report-income-vs-expenses"),
                QStringLiteral("report-cash-flow"),
                QStringLiteral("report-year-over-year"),
                QStringLiteral("report-account-summary"),
                QStringLiteral("report-transactions"),
                QStringLiteral("backup-export"),
                QStringLiteral("backup-import"),
                QStringLiteral("startup"),
                QStringLiteral("cli-register"),
                QStringLiteral("cli-report-transactions"),
                QStringLiteral("cli-backup-export"),
                QStringLiteral("cli-backup-import"),
                QStringLiteral("cli-import-qif"),
                QStringLiteral("cli-reimport-qif")};
    }

    std::optional<Figure> run(const QString &name)
    {
        if (name == QLatin1String("qif-parse"))
            return qifParse();
        if (name == QLatin1String("qif-import"))
            return qifImport(false);
        if (name == QLatin1String("qif-reimport"))
            return qifImport(true);
        if (name == QLatin1String("register"))
            return registerRows();
        if (name == QLatin1String("register-open"))
            return registerOpen();
        if (name.startsWith(QLatin1String("search-")))
            return search(name);
        if (name.startsWith(QLatin1String("report-")))
            return report(name);
        if (name == QLatin1String("backup-export"))
            return backupExport();
        if (name == QLatin1String("backup-import"))
            return backupImport();
        if (name == QLatin1String("startup"))
            return startup();
        if (name.startsWith(QLatin1String("cli-")))
            return wholeProcess(name);
        return std::nullopt;
    }

private:
    QString qifPath() const { return m_dataDir + QStringLiteral("/transactions.qif"); }
    QString databasePath() const { return m_dataDir + QStringLiteral("/zimbrel.db"); }

    Figure qifParse()
    {
        QFile file(qifPath());
        if (!file.open(QIODevice::ReadOnly))
            qFatal("no QIF file in %s", qPrintable(m_dataDir));
        const QByteArray bytes = file.readAll();
        qint64 count = 0;
        Figure figure;
        figure.name = QStringLiteral("qif-parse");
        figure.floorName = QStringLiteral("decode + split lines");
        figure.floorSeconds = medianTime(m_runs, {}, [&] {
            const QString text = decodeImportText(bytes);
            count = text.split(QLatin1Char('\n')).size();
        });
        resetPeakMemory();
        figure.seconds = medianTime(m_runs, {}, [&] {
            const QifParseResult result = QifParser::parse(decodeImportText(bytes));
            count = result.transactions.size();
        });
        figure.peakMegabytes = peakMegabytes();
        figure.items = bytes.size();
        figure.itemUnit = QStringLiteral("bytes");
        return figure;
    }

    // A fresh database with one empty account per source account of the file.
    struct ImportTarget
    {
        std::unique_ptr<QTemporaryDir> directory;
        std::unique_ptr<Stack> stack;
        QifMapping mapping;
        QHash<QString, QString> accountIds; // source name → id
    };

    ImportTarget freshTarget(const QifParseResult &parsed)
    {
        ImportTarget target;
        target.directory = std::make_unique<QTemporaryDir>();
        target.stack = std::make_unique<Stack>(target.directory->filePath(QStringLiteral("zimbrel.db")));
        int order = 0;
        for (const QifAccountInfo &info : parsed.accounts) {
            Account account;
            account.id = newId();
            account.name = info.name;
            account.sortOrder = order++;
            account.createdAt = account.updatedAt = currentTimestamp();
            target.stack->accounts->insert(account);
            target.mapping.insert(info.name, account.id);
            target.accountIds.insert(info.name, account.id);
        }
        return target;
    }

    Figure qifImport(bool reimport)
    {
        QFile file(qifPath());
        if (!file.open(QIODevice::ReadOnly))
            qFatal("no QIF file in %s", qPrintable(m_dataDir));
        const QifParseResult parsed = QifParser::parse(decodeImportText(file.readAll()));

        Figure figure;
        figure.name = reimport ? QStringLiteral("qif-reimport") : QStringLiteral("qif-import");
        figure.items = parsed.transactions.size();
        figure.itemUnit = QStringLiteral("records");
        ImportTarget target;

        if (!reimport) {
            figure.floorName = QStringLiteral("staged INSERT ... SELECT");
            figure.floorSeconds = medianTime(
                // The old target goes first: there is one database connection at a time.
                m_runs,
                [&] {
                    target = {};
                    target = freshTarget(parsed);
                },
                [&] { insertFloor(target, parsed, true); });
            figure.secondFloorName = QStringLiteral("row-by-row INSERT");
            figure.secondFloorSeconds = medianTime(
                m_runs,
                [&] {
                    target = {};
                    target = freshTarget(parsed);
                },
                [&] { insertFloor(target, parsed, false); });
            target = {};
            resetPeakMemory();
            figure.seconds = medianTime(
                m_runs,
                [&] {
                    target = {};
                    target = freshTarget(parsed);
                },
                [&] {
                    const ImportResult result =
                        target.stack->importService->importQif({qifPath()}, target.mapping);
                    if (result.imported == 0)
                        qFatal("the import stored nothing");
                });
        } else {
            figure.floorName = QStringLiteral("first import");
            QList<double> first;
            QList<double> second;
            resetPeakMemory();
            for (int i = 0; i < m_runs; ++i) {
                target = {};
                target = freshTarget(parsed);
                first.append(
                    timeOnce([&] { target.stack->importService->importQif({qifPath()}, target.mapping); }));
                second.append(timeOnce([&] {
                    const ImportResult result =
                        target.stack->importService->importQif({qifPath()}, target.mapping);
                    if (result.imported != 0)
                        qFatal("a re-import stored %d rows", result.imported);
                }));
            }
            figure.floorSeconds = median(first);
            figure.seconds = median(second);
        }
        figure.peakMegabytes = peakMegabytes();
        return figure;
    }

    // The plain-SQL floor of an import: the same rows, with their categories, written either through a
    // staging table and one INSERT ... SELECT per table, or one prepared INSERT at a time.
    static void insertFloor(ImportTarget &target, const QifParseResult &parsed, bool staged)
    {
        QSqlDatabase db = target.stack->database->connection();
        db.transaction();
        QSqlQuery query(db);
        QHash<QString, QString> categoryIds;
        for (const Category &category : target.stack->categories->all())
            categoryIds.insert(category.name, category.id);
        const QString now = timestampToText(currentTimestamp());
        QSqlQuery addCategory(db);
        addCategory.prepare(QStringLiteral("INSERT INTO categories (id, name, category_type, created_at, "
                                           "updated_at) VALUES (?, ?, 'expense', ?, ?)"));
        const auto categoryId = [&](const QString &name) -> QVariant {
            if (name.isEmpty())
                return QVariant(QMetaType::fromType<QString>());
            QString id = categoryIds.value(name);
            if (id.isEmpty()) {
                id = newId();
                addCategory.addBindValue(id);
                addCategory.addBindValue(name);
                addCategory.addBindValue(now);
                addCategory.addBindValue(now);
                addCategory.exec();
                categoryIds.insert(name, id);
            }
            return id;
        };

        const QString table =
            staged ? QStringLiteral("temp.staged_transactions") : QStringLiteral("transactions");
        const QString splitTable =
            staged ? QStringLiteral("temp.staged_splits") : QStringLiteral("split_lines");
        if (staged) {
            query.exec(QStringLiteral(
                "CREATE TEMP TABLE staged_transactions AS SELECT * FROM transactions WHERE 0"));
            query.exec(
                QStringLiteral("CREATE TEMP TABLE staged_splits AS SELECT * FROM split_lines WHERE 0"));
        }
        query.prepare(
            QStringLiteral("INSERT INTO %1 (id, account_id, date, payee, memo, amount, category_id, "
                           "check_number, cleared, reconciled, is_split, version, sync_status, created_at, "
                           "updated_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 1, 'pending', ?, ?)")
                .arg(table));
        QSqlQuery split(db);
        split.prepare(
            QStringLiteral("INSERT INTO %1 (id, transaction_id, category_id, amount, memo, created_at, "
                           "updated_at) VALUES (?, ?, ?, ?, ?, ?, ?)")
                .arg(splitTable));
        for (const QifTransaction &t : parsed.transactions) {
            const QString id = newId();
            query.addBindValue(id);
            query.addBindValue(target.accountIds.value(t.accountName));
            query.addBindValue(dateToText(t.date));
            query.addBindValue(t.payee);
            query.addBindValue(t.memo);
            query.addBindValue(t.amount);
            query.addBindValue(categoryId(t.category));
            query.addBindValue(t.checkNumber);
            query.addBindValue(t.cleared ? 1 : 0);
            query.addBindValue(t.reconciled ? 1 : 0);
            query.addBindValue(t.splits.isEmpty() ? 0 : 1);
            query.addBindValue(now);
            query.addBindValue(now);
            if (!query.exec())
                qFatal("floor insert failed: %s", qPrintable(query.lastError().text()));
            for (const QifSplit &line : t.splits) {
                split.addBindValue(newId());
                split.addBindValue(id);
                split.addBindValue(categoryId(line.category.isEmpty() ? t.category : line.category));
                split.addBindValue(line.amount);
                split.addBindValue(line.memo);
                split.addBindValue(now);
                split.addBindValue(now);
                split.exec();
            }
        }
        if (staged) {
            query.exec(QStringLiteral("INSERT INTO transactions SELECT * FROM temp.staged_transactions"));
            query.exec(QStringLiteral("INSERT INTO split_lines SELECT * FROM temp.staged_splits"));
            query.exec(QStringLiteral("DROP TABLE temp.staged_transactions"));
            query.exec(QStringLiteral("DROP TABLE temp.staged_splits"));
        }
        db.commit();
    }

    // Measures `work` and its floor: the statements it ran, replayed through SQLite's C interface.
    Figure withSqlFloor(const QString &name, const std::function<qint64(Stack &)> &work,
                        const std::function<void()> &setup = {})
    {
        Stack stack(databasePath());
        Figure figure;
        figure.name = name;
        QStringList statements;
        {
            StatementRecorder recorder(stack.database->connection());
            figure.items = work(stack);
            statements = recorder.statements();
        }
        figure.itemUnit = QStringLiteral("rows");
        figure.floorName = QStringLiteral("bare statements");
        figure.floorSeconds = medianTime(m_runs, {}, [&] {
            if (StatementRecorder::replay(stack.database->connection(), statements) < 0)
                qFatal("a replayed statement failed");
        });
        figure.secondFloorName = QStringLiteral("bare statements through SQLite's C interface");
        figure.secondFloorSeconds = medianTime(m_runs, {}, [&] {
            if (StatementRecorder::replayThroughC(stack.database->connection(), statements) < 0)
                qFatal("a replayed statement failed");
        });
        if (setup)
            setup();
        resetPeakMemory();
        figure.seconds = medianTime(m_runs, setup, [&] { work(stack); });
        figure.peakMegabytes = peakMegabytes();
        return figure;
    }

    static QString largestAccount(Stack &stack)
    {
        QSqlQuery query(stack.database->connection());
        query.exec(
            QStringLiteral("SELECT account_id FROM transactions WHERE deleted_at IS NULL GROUP BY account_id "
                           "ORDER BY COUNT(*) DESC LIMIT 1"));
        return query.next() ? query.value(0).toString() : QString();
    }

    // The register of the largest account as the screen gets it: its rows with running balances,
    // loaded into the register model.
    Figure registerRows()
    {
        QString accountId;
        {
            Stack stack(databasePath());
            accountId = largestAccount(stack);
        }
        RegisterModel model;
        return withSqlFloor(
            QStringLiteral("register"),
            [&](Stack &stack) -> qint64 {
                QList<RegisterRow> rows = stack.transactions->registerRows(accountId);
                const qint64 count = rows.size();
                model.load(std::move(rows), true, Currency::USD);
                return count;
            },
            [&] { model.load({}, true, Currency::USD); });
    }

    // Opening the largest account the way the register screen does: its index of rowids and running
    // balances into the model, then the newest screenful of rows fetched and formatted.
    Figure registerOpen()
    {
        QString accountId;
        {
            Stack stack(databasePath());
            accountId = largestAccount(stack);
        }
        RegisterModel model;
        return withSqlFloor(
            QStringLiteral("register-open"),
            [&](Stack &stack) -> qint64 {
                model.loadIndex(stack.transactions->registerIndex(accountId), stack.transactions.get(), true);
                for (int row = 0; row < 50 && row < model.rowCount(); ++row) {
                    for (int column = 0; column < RegisterModel::ColumnCount; ++column)
                        model.index(row, column).data();
                }
                return model.transactionCount();
            },
            [&] { model.load({}, true, Currency::USD); });
    }

    Figure search(const QString &name)
    {
        QString text;
        if (name == QLatin1String("search-word"))
            text = QStringLiteral("market");
        else if (name == QLatin1String("search-prefix"))
            text = QStringLiteral("gro*");
        else
            text = QStringLiteral("\"maple market\"");
        return withSqlFloor(name, [&](Stack &stack) -> qint64 {
            return stack.transactions->search(text, TransactionSearchFilter{}).size();
        });
    }

    Figure report(const QString &name)
    {
        const QDate from(1990, 1, 1);
        const QDate to(2099, 12, 31);
        return withSqlFloor(name, [&](Stack &stack) -> qint64 {
            ReportService *reports = stack.reportService.get();
            if (name == QLatin1String("report-category-spending"))
                return reports->categorySpending(from, to).size();
            if (name == QLatin1String("report-payee-summary"))
                return reports->payeeSummary(from, to).size();
            if (name == QLatin1String("report-tax"))
                return reports->taxReport(from, to).size();
            if (name == QLatin1String("report-income-vs-expenses"))
                return reports->incomeVsExpenses(from, to).size();
            if (name == QLatin1String("report-cash-flow"))
                return reports->cashFlow(from, to).size();
            if (name == QLatin1String("report-year-over-year"))
                return reports
                    ->yearOverYear(QDate(2024, 1, 1), QDate(2024, 12, 31), QDate(2025, 1, 1),
                                   QDate(2025, 12, 31))
                    .size();
            if (name == QLatin1String("report-account-summary"))
                return reports->accountSummary().size();
            return reports->transactionList(from, to).size();
        });
    }

    // From this process's main() to the main window shown on screen, as the app starts: the state
    // opened on the data directory, the window built on it, its register on the remembered account.
    Figure startup()
    {
        Figure figure;
        figure.name = QStringLiteral("startup");
        AppState state(m_dataDir);
        if (!state.initialize())
            qFatal("cannot open %s", qPrintable(m_dataDir));
        if (state.currentAccountId().isEmpty()) {
            QSqlQuery query(state.database()->connection());
            query.exec(QStringLiteral(
                "SELECT account_id FROM transactions GROUP BY account_id ORDER BY COUNT(*) DESC "
                "LIMIT 1"));
            if (query.next())
                state.setCurrentAccount(query.value(0).toString());
        }
        MainWindow window(&state);
        window.show();
        while (!window.windowHandle() || !window.windowHandle()->isExposed())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QCoreApplication::processEvents();
        figure.seconds = double(m_sinceStart->nsecsElapsed()) / 1e9;
        figure.peakMegabytes = peakMegabytes();
        figure.itemUnit = QStringLiteral("windows");
        figure.items = 1;
        return figure;
    }

    Figure backupExport()
    {
        Stack stack(databasePath());
        Figure figure;
        figure.name = QStringLiteral("backup-export");
        // Into a file, as the app and the CLI write a backup.
        QTemporaryDir directory;
        QFile archive(directory.filePath(QStringLiteral("backup.zip")));
        resetPeakMemory();
        figure.seconds = medianTime(m_runs, {}, [&] {
            if (!archive.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
                !stack.backupService->exportBackup(&archive))
                qFatal("the backup could not be written");
            archive.close();
        });
        figure.peakMegabytes = peakMegabytes();
        figure.items = archive.size();
        figure.itemUnit = QStringLiteral("bytes");
        return figure;
    }

    Figure backupImport()
    {
        QTemporaryDir archiveDirectory;
        QFile archive(archiveDirectory.filePath(QStringLiteral("backup.zip")));
        {
            Stack stack(databasePath());
            if (!archive.open(QIODevice::WriteOnly) || !stack.backupService->exportBackup(&archive))
                qFatal("the backup could not be written");
            archive.close();
        }
        // Read from the file entry by entry, as zimbrel-cli backup-import does.
        if (!archive.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
            qFatal("cannot read the backup");
        Figure figure;
        figure.name = QStringLiteral("backup-import");
        std::unique_ptr<QTemporaryDir> directory;
        std::unique_ptr<Stack> stack;
        resetPeakMemory();
        figure.seconds = medianTime(
            m_runs,
            [&] {
                stack.reset();
                directory = std::make_unique<QTemporaryDir>();
                stack = std::make_unique<Stack>(directory->filePath(QStringLiteral("zimbrel.db")));
            },
            [&] {
                const BackupImportResult result =
                    stack->backupService->importBackup(&archive, BackupImportMode::SkipExisting);
                figure.items = result.importedTotal();
            });
        figure.peakMegabytes = peakMegabytes();
        figure.itemUnit = QStringLiteral("rows");
        stack.reset();
        return figure;
    }

    // Whole processes, measured from outside: zimbrel-cli as a user runs it, against the sqlite3
    // shell doing the same work (the same SELECT as JSON; or, for the writes, the engine floor:
    // the rows as CSV .import-ed into temporary tables, then one INSERT ... SELECT per table in
    // one transaction). Preparing data directories and CSV files is not timed.
    QString cliPath() const
    {
        return QCoreApplication::applicationDirPath() + QStringLiteral("/zimbrel-cli");
    }

    static QString runForText(const QString &program, const QStringList &arguments,
                              const QString &outputPath = {})
    {
        QProcess process;
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        if (!outputPath.isEmpty())
            process.setStandardOutputFile(outputPath);
        process.start(program, arguments);
        if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit ||
            process.exitCode() != 0)
            qFatal("%s %s failed", qPrintable(program), qPrintable(arguments.join(QLatin1Char(' '))));
        return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
    }

    static QString sqlite(const QString &database, const QString &sql, const QString &outputPath = {})
    {
        return runForText(QStringLiteral("sqlite3"), {database, sql}, outputPath);
    }

    static QString quoted(QString text)
    {
        return QLatin1Char('\'') + text.replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\'');
    }

    // A migrated, empty data directory.
    QString freshDataDir(QTemporaryDir &work, const QString &name) const
    {
        const QString dir = work.filePath(name);
        QDir(dir).removeRecursively();
        QDir().mkpath(dir);
        runForText(cliPath(), {QStringLiteral("--data-dir"), dir, QStringLiteral("init")});
        return dir;
    }

    // The sqlite3 shell script of the engine floor for `tables` of the data set.
    QString engineFloorScript(QTemporaryDir &work, const QStringList &tables) const
    {
        QString script = QStringLiteral(".mode csv\n");
        QString inserts = QStringLiteral("BEGIN;\n");
        for (const QString &table : tables) {
            const QString csv = work.filePath(table + QStringLiteral(".csv"));
            runForText(
                QStringLiteral("sqlite3"),
                {QStringLiteral("-csv"), databasePath(), QStringLiteral("SELECT * FROM %1").arg(table)}, csv);
            // An empty CSV field is read back as NULL: the floor stores what the rows held.
            const QString columns =
                sqlite(databasePath(), QStringLiteral("SELECT group_concat('NULLIF(' || name || ', '''')', "
                                                      "', ') FROM pragma_table_info('%1')")
                                           .arg(table));
            script += QStringLiteral("CREATE TEMP TABLE s_%1 AS SELECT * FROM main.%1 WHERE 0;\n"
                                     ".import --schema temp %2 s_%1\n")
                          .arg(table, csv);
            inserts += QStringLiteral("INSERT OR IGNORE INTO main.%1 SELECT %2 FROM temp.s_%1;\n")
                           .arg(table, columns);
        }
        const QString path = work.filePath(QStringLiteral("floor.sql"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) ||
            file.write((script + inserts + QStringLiteral("COMMIT;\n")).toUtf8()) < 0)
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    // Median time and largest peak of the runs, `setup` (untimed) before each.
    ProcessMeter::Run measured(const std::function<void()> &setup, const QString &program,
                               const QStringList &arguments, const QString &outputPath = {}) const
    {
        QList<double> times;
        ProcessMeter::Run result;
        for (int i = 0; i < m_runs; ++i) {
            if (setup)
                setup();
            const ProcessMeter::Run run = ProcessMeter::run(program, arguments, outputPath);
            if (!run.ok)
                qFatal("%s %s failed", qPrintable(program), qPrintable(arguments.join(QLatin1Char(' '))));
            times.append(run.seconds);
            result.peakMegabytes = std::max(result.peakMegabytes, run.peakMegabytes);
        }
        result.ok = true;
        result.seconds = median(times);
        return result;
    }

    Figure wholeProcess(const QString &name)
    {
        QTemporaryDir work;
        const QString db = databasePath();
        const QString cli = cliPath();
        const QString sqlite3 = QStringLiteral("sqlite3");
        const QString output = work.filePath(QStringLiteral("out.json"));
        const QString floorOutput = work.filePath(QStringLiteral("floor.json"));
        const QStringList inData{QStringLiteral("--data-dir"), m_dataDir};
        Figure figure;
        figure.name = name;
        ProcessMeter::Run run;
        ProcessMeter::Run floor;

        if (name == QLatin1String("cli-register")) {
            const QString account =
                sqlite(db, QStringLiteral("SELECT account_id FROM transactions WHERE deleted_at IS NULL "
                                          "GROUP BY account_id ORDER BY COUNT(*) DESC LIMIT 1"));
            figure.floorName = QStringLiteral("sqlite3 -json");
            floor =
                measured({}, sqlite3,
                         {QStringLiteral("-json"), db,
                          QStringLiteral(
                              "SELECT t.id, t.account_id, t.date, t.payee, t.memo, t.amount, t.category_id, "
                              "t.check_number, t.cleared, t.reconciled, t.transfer_link_id, "
                              "t.transfer_dest_account_id, t.is_split, t.recurring_id, t.version, "
                              "t.sync_status, t.server_id, t.created_at, t.updated_at, t.deleted_at, "
                              "c.name AS category_name FROM transactions t LEFT JOIN categories c ON "
                              "t.category_id = c.id WHERE t.account_id = %1 AND t.deleted_at IS NULL "
                              "ORDER BY t.date ASC, t.created_at ASC, t.rowid ASC")
                              .arg(quoted(account))},
                         floorOutput);
            run = measured({}, cli, inData + QStringList{QStringLiteral("register"), account}, output);
            figure.items =
                sqlite(db, QStringLiteral("SELECT COUNT(*) FROM transactions WHERE account_id = %1 AND "
                                          "deleted_at IS NULL")
                               .arg(quoted(account)))
                    .toLongLong();
            figure.itemUnit = QStringLiteral("rows");
        } else if (name == QLatin1String("cli-report-transactions")) {
            figure.floorName = QStringLiteral("sqlite3 -json");
            floor = measured(
                {}, sqlite3,
                {QStringLiteral("-json"), db,
                 QStringLiteral("SELECT t.date, a.name AS account_name, t.payee, COALESCE(c.name, '') AS "
                                "category_name, COALESCE(t.memo, '') AS memo, t.amount FROM transactions t "
                                "LEFT JOIN accounts a ON t.account_id = a.id LEFT JOIN categories c ON "
                                "t.category_id = c.id WHERE t.deleted_at IS NULL AND t.date >= '1900-01-01' "
                                "AND t.date <= '2100-12-31' ORDER BY t.date, t.payee")},
                floorOutput);
            run = measured({}, cli,
                           inData + QStringList{QStringLiteral("report"), QStringLiteral("transactions"),
                                                QStringLiteral("--from"), QStringLiteral("1900-01-01"),
                                                QStringLiteral("--to"), QStringLiteral("2100-12-31")},
                           output);
            figure.items =
                sqlite(db, QStringLiteral("SELECT COUNT(*) FROM transactions WHERE deleted_at IS NULL"))
                    .toLongLong();
            figure.itemUnit = QStringLiteral("rows");
        } else if (name == QLatin1String("cli-backup-export")) {
            figure.floorName = QStringLiteral("sqlite3 -json dump");
            floor =
                measured({}, sqlite3,
                         {QStringLiteral("-json"), db,
                          QStringLiteral(
                              "SELECT * FROM accounts; SELECT * FROM categories; SELECT * FROM transactions; "
                              "SELECT * FROM split_lines; SELECT * FROM recurring_transactions; "
                              "SELECT * FROM reconciliations")},
                         floorOutput);
            const QString archive = work.filePath(QStringLiteral("backup.zip"));
            run = measured({}, cli, inData + QStringList{QStringLiteral("backup-export"), archive});
            figure.items = QFileInfo(archive).size();
            figure.itemUnit = QStringLiteral("bytes");
        } else if (name == QLatin1String("cli-backup-import")) {
            const QString script = engineFloorScript(
                work, {QStringLiteral("accounts"), QStringLiteral("categories"),
                       QStringLiteral("transactions"), QStringLiteral("split_lines"),
                       QStringLiteral("recurring_transactions"), QStringLiteral("reconciliations")});
            figure.floorName = QStringLiteral("sqlite3 .import + INSERT...SELECT");
            floor = measured([&] { freshDataDir(work, QStringLiteral("floor")); }, sqlite3,
                             {QStringLiteral("-bail"), work.filePath(QStringLiteral("floor/zimbrel.db")),
                              QStringLiteral(".read %1").arg(script)});
            const QString archive = work.filePath(QStringLiteral("backup.zip"));
            runForText(cli, inData + QStringList{QStringLiteral("backup-export"), archive});
            run = measured([&] { freshDataDir(work, QStringLiteral("restore")); }, cli,
                           {QStringLiteral("--data-dir"), work.filePath(QStringLiteral("restore")),
                            QStringLiteral("backup-import"), archive, QStringLiteral("--mode"),
                            QStringLiteral("skip")},
                           output);
            figure.items = QFileInfo(archive).size();
            figure.itemUnit = QStringLiteral("bytes");
        } else if (name == QLatin1String("cli-import-qif") || name == QLatin1String("cli-reimport-qif")) {
            const QString target = work.filePath(QStringLiteral("import"));
            const QStringList names =
                sqlite(db, QStringLiteral("SELECT name FROM accounts ORDER BY sort_order"))
                    .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            QStringList arguments;
            // A fresh data directory with one empty account per account of the data set.
            const auto prepare = [&] {
                freshDataDir(work, QStringLiteral("import"));
                arguments = QStringList{QStringLiteral("--data-dir"), target, QStringLiteral("import-qif"),
                                        qifPath()};
                for (const QString &account : names) {
                    runForText(
                        cli, {QStringLiteral("--data-dir"), target, QStringLiteral("account-add"), account});
                    const QString id = sqlite(
                        target + QStringLiteral("/zimbrel.db"),
                        QStringLiteral("SELECT id FROM accounts WHERE name = %1").arg(quoted(account)));
                    arguments << QStringLiteral("--map") << account + QLatin1Char('=') + id;
                }
            };
            if (name == QLatin1String("cli-reimport-qif")) {
                figure.floorName = QStringLiteral("first import");
                QList<double> first;
                QList<double> second;
                for (int i = 0; i < m_runs; ++i) {
                    prepare();
                    const ProcessMeter::Run one = ProcessMeter::run(cli, arguments, output);
                    const ProcessMeter::Run two = ProcessMeter::run(cli, arguments, output);
                    if (!one.ok || !two.ok)
                        qFatal("zimbrel-cli import-qif failed");
                    first.append(one.seconds);
                    second.append(two.seconds);
                    floor.peakMegabytes = std::max(floor.peakMegabytes, one.peakMegabytes);
                    run.peakMegabytes = std::max(run.peakMegabytes, two.peakMegabytes);
                }
                floor.seconds = median(first);
                run.seconds = median(second);
            } else {
                const QString script =
                    engineFloorScript(work, {QStringLiteral("transactions"), QStringLiteral("split_lines")});
                figure.floorName = QStringLiteral("sqlite3 .import + INSERT...SELECT");
                floor = measured(
                    [&] {
                        const QString dir = freshDataDir(work, QStringLiteral("floor"));
                        sqlite(dir + QStringLiteral("/zimbrel.db"),
                               QStringLiteral(
                                   "ATTACH %1 AS src; INSERT INTO accounts SELECT * FROM src.accounts; "
                                   "INSERT INTO categories SELECT * FROM src.categories WHERE id NOT IN "
                                   "(SELECT id FROM categories);")
                                   .arg(quoted(db)));
                    },
                    sqlite3,
                    {QStringLiteral("-bail"), work.filePath(QStringLiteral("floor/zimbrel.db")),
                     QStringLiteral(".read %1").arg(script)});
                run = measured(prepare, cli, arguments, output);
            }
            figure.items = sqlite(db, QStringLiteral("SELECT COUNT(*) FROM transactions")).toLongLong();
            figure.itemUnit = QStringLiteral("records");
        } else {
            qFatal("unknown case %s", qPrintable(name));
        }
        figure.seconds = run.seconds;
        figure.peakMegabytes = run.peakMegabytes;
        figure.floorSeconds = floor.seconds;
        figure.floorPeakMegabytes = floor.peakMegabytes;
        return figure;
    }

public:
    const QElapsedTimer *m_sinceStart = nullptr;

private:
    QString m_dataDir;
    int m_runs;
};

QJsonObject toJson(const Figure &figure)
{
    QJsonObject object{{QStringLiteral("case"), figure.name},
                       {QStringLiteral("seconds"), figure.seconds},
                       {QStringLiteral("items"), figure.items},
                       {QStringLiteral("item_unit"), figure.itemUnit},
                       {QStringLiteral("peak_mb"), figure.peakMegabytes}};
    if (!figure.floorName.isEmpty()) {
        object.insert(QStringLiteral("floor"), figure.floorName);
        object.insert(QStringLiteral("floor_seconds"), figure.floorSeconds);
    }
    if (figure.floorPeakMegabytes > 0)
        object.insert(QStringLiteral("floor_peak_mb"), figure.floorPeakMegabytes);
    if (!figure.secondFloorName.isEmpty()) {
        object.insert(QStringLiteral("second_floor"), figure.secondFloorName);
        object.insert(QStringLiteral("second_floor_seconds"), figure.secondFloorSeconds);
    }
    return object;
}

QString formatSeconds(double seconds)
{
    if (seconds <= 0)
        return QStringLiteral("-");
    if (seconds < 1)
        return QStringLiteral("%1 ms").arg(seconds * 1000, 0, 'f', 1);
    return QStringLiteral("%1 s").arg(seconds, 0, 'f', 2);
}

} // namespace

int main(int argc, char *argv[])
{
    // The register model and the start-up case need a GUI application; no window is ever shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    installLogHandler();
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Corvantis"));
    QCoreApplication::setApplicationName(QStringLiteral("ZimbrelBench"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Measures the services on a generated data set (zimbrel-datagen OUT_DIR) next to plain-SQL floors."));
    parser.addHelpOption();
    parser.addOption({QStringLiteral("data"), QStringLiteral("Directory made by zimbrel-datagen."),
                      QStringLiteral("DIR")});
    parser.addOption(
        {QStringLiteral("case"), QStringLiteral("Run one case in this process."), QStringLiteral("NAME")});
    parser.addOption(
        {QStringLiteral("only"), QStringLiteral("Comma-separated cases to run."), QStringLiteral("NAMES")});
    parser.addOption({QStringLiteral("runs"), QStringLiteral("Timed runs per figure (median)."),
                      QStringLiteral("N"), QStringLiteral("3")});
    parser.addOption({QStringLiteral("json"), QStringLiteral("Write the figures as JSON to FILE."),
                      QStringLiteral("FILE")});
    parser.process(app);

    const QString dataDir = parser.value(QStringLiteral("data"));
    if (dataDir.isEmpty() || !QFileInfo::exists(dataDir + QStringLiteral("/zimbrel.db"))) {
        std::fprintf(stderr, "zimbrel-bench: --data must name a directory made by zimbrel-datagen\n");
        return 2;
    }
    const int runs = std::max(1, parser.value(QStringLiteral("runs")).toInt());
    Bench bench(dataDir, runs);
    bench.m_sinceStart = &sinceStart;

    if (parser.isSet(QStringLiteral("case"))) {
        const std::optional<Figure> figure = bench.run(parser.value(QStringLiteral("case")));
        if (!figure) {
            std::fprintf(stderr, "zimbrel-bench: unknown case\n");
            return 2;
        }
        std::printf("%s\n", QJsonDocument(toJson(*figure)).toJson(QJsonDocument::Compact).constData());
        return 0;
    }

    QStringList cases = bench.caseNames();
    if (parser.isSet(QStringLiteral("only")))
        cases = parser.value(QStringLiteral("only")).split(QLatin1Char(','), Qt::SkipEmptyParts);

    QJsonArray figures;
    std::printf("%-26s %12s %12s %7s %14s %7s %10s %10s %16s\n", "case", "time", "floor", "ratio",
                "2nd floor", "ratio", "peak MB", "floor MB", "throughput");
    for (const QString &name : cases) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--data"), dataDir, QStringLiteral("--case"), name,
                     QStringLiteral("--runs"), QString::number(runs)});
        if (!child.waitForFinished(-1) || child.exitCode() != 0) {
            std::printf("%-26s failed\n", qPrintable(name));
            continue;
        }
        const QJsonObject object = QJsonDocument::fromJson(child.readAllStandardOutput().trimmed()).object();
        figures.append(object);
        const double seconds = object.value(QStringLiteral("seconds")).toDouble();
        const double floor = object.value(QStringLiteral("floor_seconds")).toDouble();
        const double secondFloor = object.value(QStringLiteral("second_floor_seconds")).toDouble();
        const qint64 items = object.value(QStringLiteral("items")).toInteger();
        const QString unit = object.value(QStringLiteral("item_unit")).toString();
        QString throughput;
        if (seconds > 0 && unit == QLatin1String("bytes"))
            throughput = QStringLiteral("%1 MB/s").arg(double(items) / 1e6 / seconds, 0, 'f', 1);
        else if (seconds > 0 && unit == QLatin1String("records"))
            throughput = QStringLiteral("%1 rec/s").arg(qint64(double(items) / seconds));
        else
            throughput = QStringLiteral("%1 %2").arg(items).arg(unit);
        const double floorPeak = object.value(QStringLiteral("floor_peak_mb")).toDouble();
        std::printf(
            "%-26s %12s %12s %7s %14s %7s %10.0f %10s %16s\n", qPrintable(name),
            qPrintable(formatSeconds(seconds)), qPrintable(formatSeconds(floor)),
            floor > 0 ? qPrintable(QStringLiteral("%1x").arg(seconds / floor, 0, 'f', 2)) : "-",
            qPrintable(formatSeconds(secondFloor)),
            secondFloor > 0 ? qPrintable(QStringLiteral("%1x").arg(seconds / secondFloor, 0, 'f', 2)) : "-",
            object.value(QStringLiteral("peak_mb")).toDouble(),
            floorPeak > 0 ? qPrintable(QString::number(floorPeak, 'f', 0)) : "-", qPrintable(throughput));
        std::fflush(stdout);
    }
    if (parser.isSet(QStringLiteral("json"))) {
        QFile out(parser.value(QStringLiteral("json")));
        if (out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            out.write(QJsonDocument(QJsonObject{{QStringLiteral("data"), QDir(dataDir).absolutePath()},
                                                {QStringLiteral("runs"), runs},
                                                {QStringLiteral("figures"), figures}})
                          .toJson());
    }
    return 0;
}
