#include "data/database.h"
#include "services/backupservice.h"
#include "services/ziparchivereader.h"

#include <QtGui/private/qzipreader_p.h>
#include <QtGui/private/qzipwriter_p.h>

#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QtEndian>
#include <QTest>

#include <memory>

using Entries = QList<QPair<QString, QByteArray>>;
using Counts = std::array<int, BackupImportResult::tableCount>;
Q_DECLARE_METATYPE(BackupImportMode)

namespace {

const QByteArray manifestV1 = R"({"version": 1})";

QByteArray zip(const Entries &entries)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QZipWriter writer(&buffer);
    for (const auto &[path, bytes] : entries)
        writer.addFile(path, bytes);
    writer.close();
    return buffer.data();
}

QByteArray json(const QJsonObject &object)
{
    return QJsonDocument(object).toJson();
}

QJsonObject accountRow(const QString &id, const QString &name, const QString &updatedAt)
{
    return {{QStringLiteral("id"), id},
            {QStringLiteral("name"), name},
            {QStringLiteral("account_type"), QStringLiteral("checking")},
            {QStringLiteral("currency"), QStringLiteral("USD")},
            {QStringLiteral("starting_balance"), 100},
            {QStringLiteral("created_at"), QStringLiteral("2026-01-01T00:00:00Z")},
            {QStringLiteral("updated_at"), updatedAt}};
}

} // namespace

class TestBackupService : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void roundTripRestoresEveryRowWithSyncReset();
    void archiveHasTablesInOrderAndManifestLast();
    void modes_data();
    void modes();
    void archiveLevelErrors_data();
    void archiveLevelErrors();
    void goldenArchives_data();
    void goldenArchives();
    void craftedMemberNamesNeverReachSql_data();
    void craftedMemberNamesNeverReachSql();
    void rowThatBreaksARuleAmongFullRowsFailsAlone_data();
    void rowThatBreaksARuleAmongFullRowsFailsAlone();
    void restoreThatCannotCommitLeavesDatabaseAsItWas();
    void storageErrorAbortsTheRestore_data();
    void storageErrorAbortsTheRestore();
    void moreThan65535RowsRoundTrip();
    void exportWithUnreadableTableGivesNothing();
    void exportToAFullDiskFailsWithTheReason();

private:
    void openDatabase();
    void exec(const QString &sql);
    QList<QVariantMap> rows(const QString &table) const;
    int count(const QString &table) const;
    void fillEveryTable();

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Database> m_database;
    std::unique_ptr<BackupService> m_service;
    int m_generation = 0;
};

void TestBackupService::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    openDatabase();
}

void TestBackupService::cleanup()
{
    m_service.reset();
    m_database.reset();
    m_dir.reset();
}

// A fresh, empty database in a new file; the previous one is closed first (one connection at a time).
void TestBackupService::openDatabase()
{
    m_service.reset();
    m_database.reset();
    m_database = std::make_unique<Database>();
    QVERIFY(m_database->open(m_dir->filePath(QStringLiteral("zimbrel-%1.db").arg(++m_generation))));
    QVERIFY(m_database->runMigrations());
    m_service = std::make_unique<BackupService>(m_database.get());
}

void TestBackupService::exec(const QString &sql)
{
    QSqlQuery query(m_database->connection());
    QVERIFY2(query.exec(sql), qPrintable(query.lastError().text() + QLatin1String(": ") + sql));
}

QList<QVariantMap> TestBackupService::rows(const QString &table) const
{
    QSqlQuery query(m_database->connection());
    if (!query.exec(QStringLiteral("SELECT * FROM %1 ORDER BY id").arg(table)))
        return {};
    QList<QVariantMap> result;
    while (query.next()) {
        QVariantMap row;
        const QSqlRecord record = query.record();
        for (int i = 0; i < record.count(); ++i)
            row.insert(record.fieldName(i),
                       record.value(i).isNull() ? QVariant() : record.value(i).toString());
        result.append(row);
    }
    return result;
}

int TestBackupService::count(const QString &table) const
{
    QSqlQuery query(m_database->connection());
    if (!query.exec(QStringLiteral("SELECT COUNT(*) FROM %1").arg(table)) || !query.next())
        return -1;
    return query.value(0).toInt();
}

void TestBackupService::fillEveryTable()
{
    const QString stamps = QStringLiteral("'2026-01-01T10:00:00Z', '2026-02-01T10:00:00Z'");
    // The largest amount there is: an amount at the limit survives the trip exactly.
    exec(QStringLiteral(
             "INSERT INTO accounts (id, name, account_type, currency, institution, starting_balance, "
             "sort_order, version, sync_status, server_id, created_at, updated_at) VALUES ('acc-1', "
             "'Checking \"Main\"', 'checking', 'USD', NULL, 1000000000000000, 1, 7, 'synced', 'srv-1', %1)")
             .arg(stamps));
    exec(QStringLiteral(
             "INSERT INTO accounts (id, name, account_type, currency, starting_balance, version, "
             "sync_status, server_id, created_at, updated_at, deleted_at) VALUES ('acc-2', 'Old ✓', "
             "'savings', 'JPY', -5, 3, 'synced', 'srv-2', %1, '2026-03-01T00:00:00Z')")
             .arg(stamps));
    exec(QStringLiteral(
             "INSERT INTO categories (id, name, category_type, is_tax_relevant, tax_category, version, "
             "sync_status, server_id, created_at, updated_at) VALUES ('cat-1', 'Food', 'expense', 1, "
             "'Schedule C', 2, 'synced', 'srv-3', %1)")
             .arg(stamps));
    exec(QStringLiteral(
             "INSERT INTO categories (id, name, category_type, parent_id, created_at, updated_at) VALUES "
             "('cat-2', 'Groceries', 'expense', 'cat-1', %1)")
             .arg(stamps));
    exec(QStringLiteral(
             "INSERT INTO transactions (id, account_id, date, payee, memo, amount, category_id, cleared, "
             "is_split, version, sync_status, server_id, created_at, updated_at) VALUES ('tx-1', 'acc-1', "
             "'2026-01-05', 'Market', 'line one\nline two', -2500, 'cat-2', 1, 1, 4, 'synced', 'srv-4', %1)")
             .arg(stamps));
    exec(QStringLiteral(
             "INSERT INTO transactions (id, account_id, date, payee, amount, transfer_link_id, "
             "transfer_dest_account_id, created_at, updated_at, deleted_at) VALUES ('tx-2', 'acc-2', "
             "'2026-01-06', 'Gone', 10, 'tx-1', 'acc-1', %1, '2026-02-02T00:00:00Z')")
             .arg(stamps));
    exec(QStringLiteral("INSERT INTO split_lines (id, transaction_id, category_id, amount, memo, created_at, "
                        "updated_at) VALUES ('sl-1', 'tx-1', 'cat-2', -2500, NULL, %1)")
             .arg(stamps));
    exec(QStringLiteral(
             "INSERT INTO recurring_transactions (id, account_id, payee, amount, frequency, start_date, "
             "next_due_date, auto_post, version, sync_status, server_id, created_at, updated_at) VALUES "
             "('rec-1', 'acc-1', 'Rent', -145000, 'monthly', '2026-01-01', '2026-02-01', 1, 9, 'synced', "
             "'srv-5', %1)")
             .arg(stamps));
    exec(QStringLiteral(
             "INSERT INTO reconciliations (id, account_id, statement_date, statement_balance, "
             "reconciled_balance, completed_at, version, sync_status, server_id, created_at, updated_at) "
             "VALUES ('recon-1', 'acc-1', '2026-01-31', 1000, 1000, '2026-02-01T09:00:00Z', 2, 'synced', "
             "'srv-6', %1)")
             .arg(stamps));
}

void TestBackupService::roundTripRestoresEveryRowWithSyncReset()
{
    fillEveryTable();
    const QStringList tables{QStringLiteral("accounts"),
                             QStringLiteral("categories"),
                             QStringLiteral("transactions"),
                             QStringLiteral("split_lines"),
                             QStringLiteral("recurring_transactions"),
                             QStringLiteral("reconciliations")};
    QHash<QString, QList<QVariantMap>> expected;
    for (const QString &table : tables) {
        QList<QVariantMap> tableRows = rows(table);
        for (QVariantMap &row : tableRows) {
            if (!row.contains(QStringLiteral("sync_status")))
                continue;
            row[QStringLiteral("sync_status")] = QStringLiteral("pending");
            row[QStringLiteral("server_id")] = QVariant();
            row[QStringLiteral("version")] = QStringLiteral("1");
        }
        expected.insert(table, tableRows);
    }

    const QByteArray archive = m_service->exportBackup();
    QVERIFY(!archive.isEmpty());

    for (BackupImportMode mode :
         {BackupImportMode::SkipExisting, BackupImportMode::ReplaceExisting, BackupImportMode::KeepNewer}) {
        openDatabase();
        const BackupImportResult result = m_service->importBackup(archive, mode);
        QCOMPARE(result.errors, QStringList());
        QCOMPARE(result.imported, (Counts{2, 2, 2, 1, 1, 1}));
        QCOMPARE(result.skipped, (Counts{}));
        for (const QString &table : tables)
            QCOMPARE(rows(table), expected.value(table));
    }

    const BackupImportResult again = m_service->importBackup(archive, BackupImportMode::SkipExisting);
    QCOMPARE(again.importedTotal(), 0);
    QCOMPARE(again.skipped, (Counts{2, 2, 2, 1, 1, 1}));
}

void TestBackupService::archiveHasTablesInOrderAndManifestLast()
{
    fillEveryTable();
    const QByteArray archive = m_service->exportBackup();

    // The toolkit's own reader must be able to open what we write.
    QBuffer buffer;
    buffer.setData(archive);
    buffer.open(QIODevice::ReadOnly);
    QZipReader reader(&buffer);
    QStringList paths;
    for (const QZipReader::FileInfo &info : reader.fileInfoList())
        paths.append(info.filePath);
    QCOMPARE(paths,
             (QStringList{QStringLiteral("accounts/acc-1.json"), QStringLiteral("accounts/acc-2.json"),
                          QStringLiteral("categories/cat-1.json"), QStringLiteral("categories/cat-2.json"),
                          QStringLiteral("transactions/tx-1.json"), QStringLiteral("transactions/tx-2.json"),
                          QStringLiteral("split_lines/sl-1.json"), QStringLiteral("recurring/rec-1.json"),
                          QStringLiteral("reconciliations/recon-1.json"), QStringLiteral("manifest.json")}));

    const QJsonObject manifest =
        QJsonDocument::fromJson(reader.fileData(QStringLiteral("manifest.json"))).object();
    QCOMPARE(manifest.value(QStringLiteral("version")).toInt(), 1);
    QCOMPARE(manifest.value(QStringLiteral("accountCount")).toInt(), 2);
    QCOMPARE(manifest.value(QStringLiteral("categoryCount")).toInt(), 2);
    QCOMPARE(manifest.value(QStringLiteral("transactionCount")).toInt(), 2);
    QCOMPARE(manifest.value(QStringLiteral("splitLineCount")).toInt(), 1);
    QCOMPARE(manifest.value(QStringLiteral("recurringCount")).toInt(), 1);
    QCOMPARE(manifest.value(QStringLiteral("reconciliationCount")).toInt(), 1);
    QVERIFY(QRegularExpression(QStringLiteral("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\dZ$"))
                .match(manifest.value(QStringLiteral("exportedAt")).toString())
                .hasMatch());

    const QByteArray rowBytes = reader.fileData(QStringLiteral("accounts/acc-1.json"));
    QVERIFY(rowBytes.contains("\n    \"")); // indented
    const QJsonObject row = QJsonDocument::fromJson(rowBytes).object();
    QCOMPARE(row.value(QStringLiteral("starting_balance")).type(), QJsonValue::Double);
    QCOMPARE(row.value(QStringLiteral("starting_balance")).toInteger(), Q_INT64_C(1000000000000000));
    QCOMPARE(row.value(QStringLiteral("institution")).type(), QJsonValue::Null);
    QCOMPARE(row.value(QStringLiteral("name")).toString(), QStringLiteral("Checking \"Main\""));
    QCOMPARE(row.value(QStringLiteral("server_id")).toString(), QStringLiteral("srv-1"));
    QCOMPARE(row.keys().size(), 15);
}

void TestBackupService::modes_data()
{
    QTest::addColumn<BackupImportMode>("mode");
    QTest::addColumn<QString>("backupUpdatedAt");
    QTest::addColumn<bool>("replaced");

    const QString older = QStringLiteral("2026-01-01T00:00:00Z");
    const QString same = QStringLiteral("2026-02-01T00:00:00Z");
    const QString newer = QStringLiteral("2026-03-01T00:00:00Z");
    QTest::newRow("skip existing, newer") << BackupImportMode::SkipExisting << newer << false;
    QTest::newRow("replace existing, older") << BackupImportMode::ReplaceExisting << older << true;
    QTest::newRow("keep newer, newer") << BackupImportMode::KeepNewer << newer << true;
    QTest::newRow("keep newer, same time") << BackupImportMode::KeepNewer << same << false;
    QTest::newRow("keep newer, older") << BackupImportMode::KeepNewer << older << false;
    QTest::newRow("keep newer, no time") << BackupImportMode::KeepNewer << QString() << true;
}

void TestBackupService::modes()
{
    QFETCH(BackupImportMode, mode);
    QFETCH(QString, backupUpdatedAt);
    QFETCH(bool, replaced);

    exec(QStringLiteral("INSERT INTO accounts (id, name, created_at, updated_at) VALUES ('a1', 'Stored', "
                        "'2026-01-01T00:00:00Z', '2026-02-01T00:00:00Z')"));
    exec(QStringLiteral("INSERT INTO accounts (id, name, created_at, updated_at) VALUES ('a3', 'Untouched', "
                        "'2026-01-01T00:00:00Z', '2026-02-01T00:00:00Z')"));
    const QByteArray archive = zip({
        {QStringLiteral("accounts/a1.json"),
         json(accountRow(QStringLiteral("a1"), QStringLiteral("From backup"), backupUpdatedAt))},
        {QStringLiteral("accounts/a2.json"), json(accountRow(QStringLiteral("a2"), QStringLiteral("New"),
                                                             QStringLiteral("2026-01-01T00:00:00Z")))},
        {QStringLiteral("manifest.json"), manifestV1},
    });

    const BackupImportResult result = m_service->importBackup(archive, mode);
    QCOMPARE(result.errors, QStringList());
    QCOMPARE(result.imported[0], replaced ? 2 : 1);
    QCOMPARE(result.skipped[0], replaced ? 0 : 1);

    QSqlQuery query(m_database->connection());
    QVERIFY(query.exec(QStringLiteral("SELECT id, name, sync_status FROM accounts ORDER BY id")));
    QStringList actual;
    while (query.next())
        actual.append(query.value(0).toString() + QLatin1Char('=') + query.value(1).toString());
    QCOMPARE(actual, (QStringList{replaced ? QStringLiteral("a1=From backup") : QStringLiteral("a1=Stored"),
                                  QStringLiteral("a2=New"), QStringLiteral("a3=Untouched")}));
}

void TestBackupService::archiveLevelErrors_data()
{
    QTest::addColumn<QByteArray>("archive");
    QTest::addColumn<QString>("error");

    const QByteArray account = json(accountRow(QStringLiteral("a1"), QStringLiteral("A"), QString()));
    const QByteArray good =
        zip({{QStringLiteral("accounts/a1.json"), account}, {QStringLiteral("manifest.json"), manifestV1}});
    QTest::newRow("not a zip") << QByteArray("accounts/a1.json manifest.json")
                               << QStringLiteral("Failed to open ZIP archive");
    QTest::newRow("empty file") << QByteArray() << QStringLiteral("Failed to open ZIP archive");
    QTest::newRow("cut short") << good.left(good.size() - 30) << QStringLiteral("Failed to open ZIP archive");
    QTest::newRow("no manifest") << zip({{QStringLiteral("accounts/a1.json"), account}})
                                 << QStringLiteral("Invalid backup: missing manifest.json");
    QTest::newRow("manifest in a folder") << zip({{QStringLiteral("accounts/a1.json"), account},
                                                  {QStringLiteral("backup/manifest.json"), manifestV1}})
                                          << QStringLiteral("Invalid backup: missing manifest.json");
    QTest::newRow("empty manifest") << zip({{QStringLiteral("accounts/a1.json"), account},
                                            {QStringLiteral("manifest.json"), QByteArray()}})
                                    << QStringLiteral("Invalid backup: missing manifest.json");
    QTest::newRow("version 2") << zip({{QStringLiteral("accounts/a1.json"), account},
                                       {QStringLiteral("manifest.json"), R"({"version": 2})"}})
                               << QStringLiteral("Unsupported backup version: 2");
    QByteArray hugeManifest =
        zip({{QStringLiteral("accounts/a1.json"), account}, {QStringLiteral("manifest.json"), manifestV1}});
    // The central directory's record of manifest.json claims 100 MB: too large to read, and said so.
    const qsizetype record = hugeManifest.lastIndexOf("manifest.json") - 46;
    QVERIFY(record > 0 && hugeManifest.mid(record, 4) == QByteArray("PK\x01\x02"));
    qToLittleEndian<quint32>(100 * 1024 * 1024, hugeManifest.data() + record + 24);
    QTest::newRow("fault: oversized manifest read as missing")
        << hugeManifest << QStringLiteral("Invalid backup: manifest.json is damaged or too large");
    QTest::newRow("manifest without version")
        << zip({{QStringLiteral("accounts/a1.json"), account}, {QStringLiteral("manifest.json"), "[1]"}})
        << QStringLiteral("Unsupported backup version: 0");
}

void TestBackupService::archiveLevelErrors()
{
    QFETCH(QByteArray, archive);
    QFETCH(QString, error);

    const BackupImportResult result = m_service->importBackup(archive, BackupImportMode::ReplaceExisting);
    QCOMPARE(result.errors, QStringList{error});
    QCOMPARE(result.imported, Counts{});
    QCOMPARE(result.skipped, Counts{});
    QCOMPARE(count(QStringLiteral("accounts")), 0);
}

// Each folder under fixtures/backup is one case: the archive (a folder zipped in the order its
// expected.json lists, or a ready-made archive.zip) and expected.json with the mode, optional
// setup statements, the counts, the errors and the resulting rows (listed columns only).
void TestBackupService::goldenArchives_data()
{
    QTest::addColumn<QString>("caseDir");
    const QDir root(QFINDTESTDATA("../fixtures/backup"));
    QVERIFY(root.exists());
    const QStringList cases = root.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    QVERIFY(!cases.isEmpty());
    for (const QString &name : cases)
        QTest::newRow(qPrintable(name)) << root.filePath(name);
}

void TestBackupService::goldenArchives()
{
    QFETCH(QString, caseDir);
    const QDir dir(caseDir);
    QFile expectedFile(dir.filePath(QStringLiteral("expected.json")));
    QVERIFY(expectedFile.open(QIODevice::ReadOnly));
    const QJsonObject expected = QJsonDocument::fromJson(expectedFile.readAll()).object();
    QVERIFY(!expected.isEmpty());

    QByteArray archive;
    if (QFile zipFile(dir.filePath(QStringLiteral("archive.zip"))); zipFile.open(QIODevice::ReadOnly)) {
        archive = zipFile.readAll();
    } else {
        const QDir content(dir.filePath(QStringLiteral("archive")));
        QStringList paths;
        for (QDirIterator it(content.path(), QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
            paths.append(content.relativeFilePath(it.next()));
        paths.sort();
        if (expected.contains(QStringLiteral("entries"))) {
            QStringList ordered;
            for (const QJsonValue &path : expected.value(QStringLiteral("entries")).toArray())
                ordered.append(path.toString());
            QStringList sortedOrder = ordered;
            sortedOrder.sort();
            QCOMPARE(sortedOrder, paths);
            paths = ordered;
        }
        Entries entries;
        for (const QString &path : paths) {
            QFile file(content.filePath(path));
            QVERIFY(file.open(QIODevice::ReadOnly));
            entries.append({path, file.readAll()});
        }
        archive = zip(entries);
    }

    for (const QJsonValue &statement : expected.value(QStringLiteral("setup")).toArray())
        exec(statement.toString());

    const QHash<QString, BackupImportMode> modes{
        {QStringLiteral("skip"), BackupImportMode::SkipExisting},
        {QStringLiteral("replace"), BackupImportMode::ReplaceExisting},
        {QStringLiteral("keep-newer"), BackupImportMode::KeepNewer}};
    const QString modeText = expected.value(QStringLiteral("mode")).toString();
    QVERIFY(modes.contains(modeText));
    const BackupImportResult result = m_service->importBackup(archive, modes.value(modeText));

    const auto counts = [](const QJsonValue &value) {
        Counts result{};
        const QJsonArray array = value.toArray();
        for (qsizetype i = 0; i < array.size() && i < qsizetype(result.size()); ++i)
            result[size_t(i)] = array.at(i).toInt();
        return result;
    };
    QStringList errors;
    for (const QJsonValue &error : expected.value(QStringLiteral("errors")).toArray())
        errors.append(error.toString());
    QCOMPARE(result.errors, errors);
    QCOMPARE(result.imported, counts(expected.value(QStringLiteral("imported"))));
    QCOMPARE(result.skipped, counts(expected.value(QStringLiteral("skipped"))));
    QCOMPARE(result.refused, counts(expected.value(QStringLiteral("refused"))));

    const QJsonObject tables = expected.value(QStringLiteral("rows")).toObject();
    for (auto table = tables.begin(); table != tables.end(); ++table) {
        const QList<QVariantMap> actual = rows(table.key());
        const QJsonArray wanted = table.value().toArray();
        QCOMPARE(actual.size(), wanted.size());
        for (qsizetype i = 0; i < wanted.size(); ++i) {
            const QJsonObject row = wanted.at(i).toObject();
            for (auto column = row.begin(); column != row.end(); ++column) {
                const QVariant value = actual.at(i).value(column.key());
                const QString where = QStringLiteral("%1[%2].%3").arg(table.key()).arg(i).arg(column.key());
                if (column.value().isNull())
                    QVERIFY2(value.isNull(), qPrintable(where));
                else if (column.value().isDouble())
                    QCOMPARE(value.toString(), QString::number(column.value().toInteger()));
                else
                    QCOMPARE(value.toString(), column.value().toString());
            }
        }
    }
}

void TestBackupService::craftedMemberNamesNeverReachSql_data()
{
    QTest::addColumn<BackupImportMode>("mode");
    QTest::addColumn<QString>("member");

    QTest::newRow("insert: member closing the column list")
        << BackupImportMode::SkipExisting
        << QStringLiteral("name) VALUES ('x', 'y', 0, '', ''); DROP TABLE transactions; --");
    QTest::newRow("update: member widening the assignment")
        << BackupImportMode::ReplaceExisting << QStringLiteral("name = 'pwned', starting_balance");
    QTest::newRow("update: member ending the statement")
        << BackupImportMode::ReplaceExisting << QStringLiteral("name = 'pwned' WHERE 1 = 1 --");
    QTest::newRow("quoted column name") << BackupImportMode::ReplaceExisting << QStringLiteral("\"name\"");
    QTest::newRow("column name in other case") << BackupImportMode::ReplaceExisting << QStringLiteral("NAME");
}

void TestBackupService::craftedMemberNamesNeverReachSql()
{
    QFETCH(BackupImportMode, mode);
    QFETCH(QString, member);

    exec(QStringLiteral("INSERT INTO accounts (id, name, created_at, updated_at) VALUES ('a1', 'Stored', "
                        "'2026-01-01T00:00:00Z', '2026-01-01T00:00:00Z')"));
    exec(
        QStringLiteral("INSERT INTO accounts (id, name, created_at, updated_at) VALUES ('bystander', 'Mine', "
                       "'2026-01-01T00:00:00Z', '2026-01-01T00:00:00Z')"));
    QJsonObject first =
        accountRow(QStringLiteral("a1"), QStringLiteral("Restored"), QStringLiteral("2026-05-01T00:00:00Z"));
    first.insert(member, 42);
    QJsonObject second =
        accountRow(QStringLiteral("a2"), QStringLiteral("Second"), QStringLiteral("2026-05-01T00:00:00Z"));
    second.insert(member, QStringLiteral("again"));
    const QByteArray archive = zip({{QStringLiteral("accounts/a1.json"), json(first)},
                                    {QStringLiteral("accounts/a2.json"), json(second)},
                                    {QStringLiteral("manifest.json"), manifestV1}});

    const BackupImportResult result = m_service->importBackup(archive, mode);
    // Named once although two rows carry it; the rows themselves are restored without it.
    QCOMPARE(result.errors,
             QStringList{QStringLiteral("accounts: unknown member \"%1\" ignored").arg(member)});
    const bool replace = mode == BackupImportMode::ReplaceExisting;
    QCOMPARE(result.imported[0], replace ? 2 : 1);

    QSqlQuery query(m_database->connection());
    QVERIFY(query.exec(QStringLiteral("SELECT id, name, starting_balance FROM accounts ORDER BY id")));
    QStringList actual;
    while (query.next())
        actual.append(
            QStringLiteral("%1=%2/%3")
                .arg(query.value(0).toString(), query.value(1).toString(), query.value(2).toString()));
    QCOMPARE(actual, (QStringList{replace ? QStringLiteral("a1=Restored/100") : QStringLiteral("a1=Stored/0"),
                                  QStringLiteral("a2=Second/100"), QStringLiteral("bystander=Mine/0")}));
    QCOMPARE(count(QStringLiteral("transactions")), 0);
}

void TestBackupService::rowThatBreaksARuleAmongFullRowsFailsAlone_data()
{
    QTest::addColumn<QString>("extraId");
    QTest::addColumn<QString>("extraAccount");
    QTest::addColumn<BackupImportMode>("mode");
    QTest::addColumn<int>("imported");
    QTest::addColumn<int>("skipped");
    QTest::addColumn<QStringList>("errors");
    QTest::addColumn<QString>("payeeOfTx1");

    QTest::newRow("account exists nowhere")
        << QStringLiteral("tx-9") << QStringLiteral("nowhere") << BackupImportMode::SkipExisting << 2 << 0
        << QStringList{QStringLiteral("transactions/tx-9.json: FOREIGN KEY constraint failed")}
        << QStringLiteral("Market");
    QTest::newRow("id twice, skip") << QStringLiteral("tx-1") << QStringLiteral("acc-1")
                                    << BackupImportMode::SkipExisting << 2 << 1 << QStringList()
                                    << QStringLiteral("Market");
    QTest::newRow("id twice, replace")
        << QStringLiteral("tx-1") << QStringLiteral("acc-1") << BackupImportMode::ReplaceExisting << 3 << 0
        << QStringList() << QStringLiteral("Second");
}

// Rows that carry every column of a large table are written together; one of them breaking a
// rule must still fail alone, with the outcome a row-by-row restore gives.
void TestBackupService::rowThatBreaksARuleAmongFullRowsFailsAlone()
{
    QFETCH(QString, extraId);
    QFETCH(QString, extraAccount);
    QFETCH(BackupImportMode, mode);
    QFETCH(int, imported);
    QFETCH(int, skipped);
    QFETCH(QStringList, errors);
    QFETCH(QString, payeeOfTx1);

    fillEveryTable();
    const ZipArchiveReader reader(m_service->exportBackup());
    QVERIFY(reader.isValid());
    Entries entries;
    for (qsizetype i = 0; i < reader.entries().size(); ++i)
        entries.append({reader.path(i), reader.data(i).value_or(QByteArray())});
    QJsonObject extra =
        QJsonDocument::fromJson(reader.data(QStringLiteral("transactions/tx-1.json")).value()).object();
    QCOMPARE(extra.size(), rows(QStringLiteral("transactions")).first().size());
    extra.insert(QStringLiteral("id"), extraId);
    extra.insert(QStringLiteral("account_id"), extraAccount);
    extra.insert(QStringLiteral("payee"), QStringLiteral("Second"));
    // After the two accounts, two categories and two transactions, before the split lines.
    entries.insert(6, {QStringLiteral("transactions/%1.json").arg(extraId), json(extra)});

    openDatabase();
    const BackupImportResult result = m_service->importBackup(zip(entries), mode);
    QCOMPARE(result.errors, errors);
    QCOMPARE(result.imported[2], imported);
    QCOMPARE(result.skipped[2], skipped);
    QCOMPARE(result.refused[2], errors.size());
    QCOMPARE(result.imported[3], 1);
    QCOMPARE(count(QStringLiteral("transactions")), 2);
    QCOMPARE(count(QStringLiteral("split_lines")), 1);
    QSqlQuery query(m_database->connection());
    QVERIFY(query.exec(QStringLiteral("SELECT payee FROM transactions WHERE id = 'tx-1'")) && query.next());
    QCOMPARE(query.value(0).toString(), payeeOfTx1);
    // The full-text index follows the rows it was given.
    QVERIFY(
        query.exec(QStringLiteral("SELECT COUNT(*) FROM transactions_fts WHERE transactions_fts MATCH '%1'")
                       .arg(payeeOfTx1)));
    QVERIFY(query.next());
    QCOMPARE(query.value(0).toInt(), 1);
}

void TestBackupService::restoreThatCannotCommitLeavesDatabaseAsItWas()
{
    exec(QStringLiteral("INSERT INTO accounts (id, name, created_at, updated_at) VALUES ('a1', 'Stored', "
                        "'2026-01-01T00:00:00Z', '2026-01-01T00:00:00Z')"));
    QJsonObject orphan{{QStringLiteral("id"), QStringLiteral("tx-orphan")},
                       {QStringLiteral("account_id"), QStringLiteral("no-such-account")},
                       {QStringLiteral("date"), QStringLiteral("2026-01-05")},
                       {QStringLiteral("payee"), QStringLiteral("Nobody")},
                       {QStringLiteral("amount"), -100},
                       {QStringLiteral("created_at"), QStringLiteral("2026-01-01T00:00:00Z")},
                       {QStringLiteral("updated_at"), QStringLiteral("2026-01-01T00:00:00Z")}};
    const QByteArray archive = zip({
        {QStringLiteral("accounts/a1.json"),
         json(accountRow(QStringLiteral("a1"), QStringLiteral("Replaced"), QString()))},
        {QStringLiteral("accounts/a2.json"),
         json(accountRow(QStringLiteral("a2"), QStringLiteral("New"), QString()))},
        {QStringLiteral("transactions/tx-orphan.json"), json(orphan)},
        {QStringLiteral("manifest.json"), manifestV1},
    });

    // With foreign keys checked only at commit, the orphan makes the commit itself fail: nothing
    // of the restore may remain, as if the process had died half-way.
    exec(QStringLiteral("PRAGMA defer_foreign_keys = ON"));
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("^BackupService::importBackup failed: ")));
    const BackupImportResult result = m_service->importBackup(archive, BackupImportMode::ReplaceExisting);
    QCOMPARE(result.errors.size(), 1);
    QVERIFY(result.errors.first().startsWith(QLatin1String("The restore failed and nothing was changed: ")));
    QVERIFY(result.aborted);
    QCOMPARE(result.importedTotal(), 0);
    QCOMPARE(rows(QStringLiteral("accounts")).size(), 1);
    QCOMPARE(rows(QStringLiteral("accounts")).first().value(QStringLiteral("name")).toString(),
             QStringLiteral("Stored"));
    QCOMPARE(count(QStringLiteral("transactions")), 0);
    // No transaction is left open behind the failed restore.
    QVERIFY(m_database->connection().transaction());
    QVERIFY(m_database->connection().rollback());
}

void TestBackupService::storageErrorAbortsTheRestore_data()
{
    QTest::addColumn<QString>("fault");
    QTest::newRow("disk full") << QStringLiteral("PRAGMA max_page_count = %1");
    QTest::newRow("read-only") << QStringLiteral("PRAGMA query_only = 1");
}

// A full disk or a read-only file is no row's fault: the restore stops at once, nothing of it
// remains, and the one error says why instead of counting rows as skipped.
void TestBackupService::storageErrorAbortsTheRestore()
{
    QFETCH(QString, fault);
    fillEveryTable();
    for (int i = 0; i < 2000; ++i) {
        exec(QStringLiteral(
                 "INSERT INTO transactions (id, account_id, date, payee, memo, amount, created_at, "
                 "updated_at) "
                 "VALUES ('bulk-%1', 'acc-1', '2026-01-07', 'Bulk %1', '%2', -%1, '2026-01-01T10:00:00Z', "
                 "'2026-01-01T10:00:00Z')")
                 .arg(i)
                 .arg(QString(300, QLatin1Char('m'))));
    }
    const QByteArray archive = m_service->exportBackup();
    QVERIFY(!archive.isEmpty());

    openDatabase();
    QSqlQuery pages(m_database->connection());
    QVERIFY(pages.exec(QStringLiteral("PRAGMA page_count")) && pages.next());
    exec(fault.contains(QLatin1String("%1")) ? fault.arg(pages.value(0).toLongLong() + 8) : fault);
    pages.finish();

    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("^BackupService::importBackup failed: ")));
    const BackupImportResult result = m_service->importBackup(archive, BackupImportMode::ReplaceExisting);
    QVERIFY(result.aborted);
    QCOMPARE(result.errors.size(), 1);
    QVERIFY(result.errors.first().startsWith(QLatin1String("The restore failed and nothing was changed: ")));
    QCOMPARE(result.importedTotal(), 0);
    QCOMPARE(result.skippedTotal(), 0);
    QCOMPARE(count(QStringLiteral("accounts")), 0);
    QCOMPARE(count(QStringLiteral("transactions")), 0);
}

void TestBackupService::moreThan65535RowsRoundTrip()
{
    // The ZIP end record counts entries in 16 bits; 70000 rows plus the manifest need ZIP64 records.
    constexpr int accounts = 70000;
    QVERIFY(m_database->connection().transaction());
    QSqlQuery insert(m_database->connection());
    QVERIFY(insert.prepare(
        QStringLiteral("INSERT INTO accounts (id, name, starting_balance, created_at, updated_at) "
                       "VALUES (?, ?, ?, '2026-01-01T00:00:00Z', '2026-01-01T00:00:00Z')")));
    for (int i = 0; i < accounts; ++i) {
        insert.bindValue(0, QStringLiteral("acc-%1").arg(i, 6, 10, QLatin1Char('0')));
        insert.bindValue(1, QStringLiteral("Account %1").arg(i));
        insert.bindValue(2, i);
        QVERIFY(insert.exec());
    }
    QVERIFY(m_database->connection().commit());

    const QByteArray archive = m_service->exportBackup();
    const ZipArchiveReader reader(archive);
    QVERIFY(reader.isValid());
    QCOMPARE(reader.entries().size(), accounts + 1);
    QCOMPARE(reader.path(accounts), QStringLiteral("manifest.json"));

    openDatabase();
    const BackupImportResult result = m_service->importBackup(archive, BackupImportMode::SkipExisting);
    QCOMPARE(result.errors, QStringList());
    QCOMPARE(result.imported[0], accounts);
    QSqlQuery check(m_database->connection());
    QVERIFY(check.exec(QStringLiteral("SELECT COUNT(*), SUM(starting_balance) FROM accounts")));
    QVERIFY(check.next());
    QCOMPARE(check.value(0).toInt(), accounts);
    QCOMPARE(check.value(1).toLongLong(), qint64(accounts) * (accounts - 1) / 2);
}

void TestBackupService::exportWithUnreadableTableGivesNothing()
{
    fillEveryTable();
    exec(QStringLiteral("DROP TABLE reconciliations"));
    // A backup silently missing a table would only be found out when it is needed.
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("^BackupService export query failed: ")));
    QCOMPARE(m_service->exportBackup(), QByteArray());
}

void TestBackupService::exportToAFullDiskFailsWithTheReason()
{
    fillEveryTable();
    // A buffer that cannot be written stands for a file on a full disk.
    QByteArray bytes;
    QBuffer device(&bytes);
    QVERIFY(device.open(QIODevice::ReadOnly));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("QIODevice::write")));
    QString error;
    QVERIFY(!m_service->exportBackup(&device, &error));
    QVERIFY(!error.isEmpty());
}

QTEST_GUILESS_MAIN(TestBackupService)
#include "tst_backupservice.moc"
