#include "backupservice.h"

#include "backuprowvalidator.h"
#include "importpragmas.h"
#include "indentedjsonwriter.h"
#include "ziparchivereader.h"
#include "ziparchivewriter.h"

#include "data/database.h"
#include "data/datetext.h"
#include "data/sqltransaction.h"
#include "data/storageerror.h"

#include <QBuffer>
#include <QDebug>
#include <QJsonDocument>
#include <QJsonObject>
#include <QScopeGuard>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>
#include <cmath>
#include <map>

namespace {

struct BackupTable
{
    QLatin1String table;
    QLatin1String folder;
    QLatin1String manifestKey;
    bool hasSyncColumns;
    // The large tables: their new rows are collected first and moved in one statement.
    bool staged;
};

// Parents before children, so that a restore into an empty database satisfies every foreign key.
const std::array<BackupTable, BackupImportResult::tableCount> backupTables{{
    {QLatin1String("accounts"), QLatin1String("accounts"), QLatin1String("accountCount"), true, false},
    {QLatin1String("categories"), QLatin1String("categories"), QLatin1String("categoryCount"), true, false},
    {QLatin1String("transactions"), QLatin1String("transactions"), QLatin1String("transactionCount"), true,
     true},
    {QLatin1String("split_lines"), QLatin1String("split_lines"), QLatin1String("splitLineCount"), false,
     true},
    {QLatin1String("recurring_transactions"), QLatin1String("recurring"), QLatin1String("recurringCount"),
     true, false},
    {QLatin1String("reconciliations"), QLatin1String("reconciliations"), QLatin1String("reconciliationCount"),
     true, false},
}};

const QString manifestPath = QStringLiteral("manifest.json");

std::optional<QVariant> bindValue(const QJsonValue &value)
{
    switch (value.type()) {
    case QJsonValue::Null:
        return QVariant(QMetaType::fromType<QString>());
    case QJsonValue::Bool:
        return QVariant(value.toBool());
    case QJsonValue::String:
        return QVariant(value.toString());
    case QJsonValue::Double: {
        const QVariant number = value.toVariant();
        if (number.typeId() == QMetaType::LongLong)
            return number;
        // Every column that takes numbers holds integers; a fraction is cut off. Values beyond
        // the 64-bit range cannot be meant and fail the row.
        const double real = std::trunc(value.toDouble());
        if (!(real >= -9.2e18 && real <= 9.2e18))
            return std::nullopt;
        return QVariant(qint64(real));
    }
    default: // arrays and objects have no column to go into
        return std::nullopt;
    }
}

// What became of one archive row. A row refused for its own fault is named in the errors; a
// storage failure stops the whole restore.
struct RowOutcome
{
    enum class Kind { Written, Skipped, Refused, StorageFailed };
    Kind kind = Kind::Written;
    QString reason;
};

RowOutcome written()
{
    return {RowOutcome::Kind::Written, {}};
}

RowOutcome skipped()
{
    return {RowOutcome::Kind::Skipped, {}};
}

RowOutcome refused(const QString &reason)
{
    return {RowOutcome::Kind::Refused, reason};
}

RowOutcome failed(const QSqlError &error)
{
    // The database's own words ("FOREIGN KEY constraint failed"); the driver's add nothing.
    const QString reason = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    return {StorageError::isStorageError(error) ? RowOutcome::Kind::StorageFailed : RowOutcome::Kind::Refused,
            reason};
}

// Writes the rows of one table. Statements are prepared once per table and member set and reused
// for every row, and the only names that reach SQL text are the table's own columns as SQLite
// reports them.
//
// Staged, the new rows of a large table that carry every column wait in a temporary table and go
// into their table with one INSERT ... SELECT in finish(): each INSERT of its own would flush the
// full-text index and write a statement journal, most of a restore's time. One statement cannot
// tell which row failed, so a refused move means the caller starts over row by row.
class TableRestorer
{
public:
    TableRestorer(const QSqlDatabase &database, const BackupTable &table, BackupImportMode mode, bool staged,
                  QStringList &errors)
        : m_database(database)
        , m_table(table)
        , m_mode(mode)
        , m_errors(errors)
        , m_lookup(database)
    {
        QSqlQuery info(database);
        if (info.exec(QStringLiteral("PRAGMA table_info(%1)").arg(m_table.table))) {
            while (info.next())
                m_columnOrder.append(info.value(1).toString());
        }
        m_columns = QSet<QString>(m_columnOrder.cbegin(), m_columnOrder.cend());
        m_lookup.setForwardOnly(true);
        m_ready =
            !m_columns.isEmpty() &&
            m_lookup.prepare(QStringLiteral("SELECT id, updated_at FROM %1 WHERE id = ?").arg(m_table.table));
        if (!m_ready)
            m_setupError = BackupService::tr("%1: cannot be restored: %2")
                               .arg(m_table.table, m_lookup.lastError().text());
        // Without a staging table (a read-only database refuses even that) rows go in one by one.
        if (m_ready && staged && m_table.staged) {
            QSqlQuery create(database);
            m_staging =
                create.exec(QStringLiteral("CREATE TEMP TABLE restore_rows (seq INTEGER PRIMARY KEY, %1)")
                                .arg(m_columnOrder.join(QLatin1String(", "))));
        }
    }

    ~TableRestorer() { dropStaging(); }

    TableRestorer(const TableRestorer &) = delete;
    TableRestorer &operator=(const TableRestorer &) = delete;

    // Empty when the table is ready to take rows; otherwise the restore cannot go on.
    QString setupError() const { return m_setupError; }

    // Moves the staged rows into the table. Written when they all went in; StorageFailed stops
    // the restore; Refused means some row broke a rule, which one cannot be told.
    RowOutcome finish()
    {
        if (!m_staging)
            return written();
        m_stagedInserts.clear();
        const QString columns = m_columnOrder.join(QLatin1String(", "));
        QSqlQuery move(m_database);
        const bool ok =
            move.exec(QStringLiteral("INSERT INTO main.%1 (%2) SELECT %2 FROM temp.restore_rows ORDER BY seq")
                          .arg(m_table.table, columns));
        const QSqlError error = move.lastError();
        move.finish();
        dropStaging();
        return ok ? written() : failed(error);
    }

    RowOutcome restore(QJsonObject row)
    {
        if (m_table.hasSyncColumns) {
            row.insert(QStringLiteral("sync_status"), QStringLiteral("pending"));
            row.insert(QStringLiteral("server_id"), QJsonValue::Null);
            row.insert(QStringLiteral("version"), 1);
        }
        const QString id = row.value(QStringLiteral("id")).toString();
        if (id.isEmpty())
            return refused(BackupService::tr("no id"));
        if (const QString invalid = BackupRowValidator::check(m_table.table, row); !invalid.isEmpty())
            return refused(invalid);
        if (const RowOutcome cycle = checkParentChain(id, row.value(QStringLiteral("parent_id")));
            cycle.kind != RowOutcome::Kind::Written)
            return cycle;

        QStringList columns;
        QVariantList values;
        for (auto member = row.constBegin(); member != row.constEnd(); ++member) {
            if (!m_columns.contains(member.key())) {
                if (!m_reportedUnknown.contains(member.key())) {
                    m_reportedUnknown.insert(member.key());
                    m_errors.append(BackupService::tr("%1: unknown member \"%2\" ignored")
                                        .arg(m_table.folder, member.key()));
                }
                continue;
            }
            const std::optional<QVariant> value = bindValue(member.value());
            if (!value)
                return refused(BackupService::tr("%1 holds no value a column can take").arg(member.key()));
            columns.append(member.key());
            values.append(*value);
        }

        m_lookup.bindValue(0, id);
        if (!m_lookup.exec())
            return failed(m_lookup.lastError());
        const bool exists = m_lookup.next();
        const QString storedUpdatedAt = exists ? m_lookup.value(1).toString() : QString();
        m_lookup.finish();

        if (!exists) {
            if (m_staging && columns.size() == m_columnOrder.size())
                return write(insertStatement(m_stagedInserts, QStringLiteral("temp.restore_rows"), columns),
                             values);
            return write(insertStatement(m_inserts, m_table.table, columns), values);
        }
        switch (m_mode) {
        case BackupImportMode::SkipExisting:
            return skipped();
        case BackupImportMode::KeepNewer: {
            const QString updatedAt = row.value(QStringLiteral("updated_at")).toString();
            if (!updatedAt.isEmpty() && updatedAt <= storedUpdatedAt)
                return skipped();
            break;
        }
        case BackupImportMode::ReplaceExisting:
            break;
        }
        const qsizetype idIndex = columns.indexOf(QStringLiteral("id"));
        columns.removeAt(idIndex);
        values.removeAt(idIndex);
        values.append(id);
        return write(updateStatement(columns), values);
    }

private:
    // A category whose parents lead back to itself would send every walk up the tree round for
    // ever. The chain is followed through the rows stored so far.
    RowOutcome checkParentChain(const QString &id, const QJsonValue &parent)
    {
        if (m_table.table != QLatin1String("categories") || !parent.isString())
            return written();
        if (!m_parentLookup) {
            m_parentLookup.emplace(m_database);
            m_parentLookup->prepare(QStringLiteral("SELECT parent_id FROM categories WHERE id = ?"));
        }
        QString current = parent.toString();
        QSet<QString> seen;
        while (!current.isEmpty()) {
            if (current == id || seen.contains(current))
                return refused(BackupService::tr("parent_id leads back to the category itself"));
            seen.insert(current);
            m_parentLookup->bindValue(0, current);
            if (!m_parentLookup->exec())
                return failed(m_parentLookup->lastError());
            current = m_parentLookup->next() ? m_parentLookup->value(0).toString() : QString();
            m_parentLookup->finish();
        }
        return written();
    }

    void dropStaging()
    {
        if (!m_staging)
            return;
        m_staging = false;
        m_stagedInserts.clear();
        QSqlQuery drop(m_database);
        drop.exec(QStringLiteral("DROP TABLE IF EXISTS temp.restore_rows"));
    }

    QSqlQuery *insertStatement(std::map<QString, QSqlQuery> &cache, const QString &target,
                               const QStringList &columns)
    {
        const QString key = columns.join(QLatin1Char(','));
        if (const auto found = cache.find(key); found != cache.end())
            return &found->second;
        const QStringList placeholders(columns.size(), QStringLiteral("?"));
        return prepare(
            cache, key,
            QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                .arg(target, columns.join(QLatin1String(", ")), placeholders.join(QLatin1String(", "))));
    }

    QSqlQuery *updateStatement(const QStringList &columns)
    {
        const QString key = columns.join(QLatin1Char(','));
        if (const auto found = m_updates.find(key); found != m_updates.end())
            return &found->second;
        QStringList assignments;
        for (const QString &column : columns)
            assignments.append(column + QLatin1String(" = ?"));
        return prepare(m_updates, key,
                       QStringLiteral("UPDATE %1 SET %2 WHERE id = ?")
                           .arg(m_table.table, assignments.join(QLatin1String(", "))));
    }

    QSqlQuery *prepare(std::map<QString, QSqlQuery> &cache, const QString &key, const QString &sql)
    {
        QSqlQuery &query = cache.try_emplace(key, m_database).first->second;
        query.prepare(sql);
        return &query;
    }

    static RowOutcome write(QSqlQuery *statement, const QVariantList &values)
    {
        for (qsizetype i = 0; i < values.size(); ++i)
            statement->bindValue(int(i), values.at(i));
        const bool ok = statement->exec();
        const QSqlError error = statement->lastError();
        statement->finish();
        return ok ? written() : failed(error);
    }

    QSqlDatabase m_database;
    const BackupTable &m_table;
    BackupImportMode m_mode;
    QStringList &m_errors;
    QStringList m_columnOrder;
    QSet<QString> m_columns;
    QSqlQuery m_lookup;
    bool m_staging = false;
    std::map<QString, QSqlQuery> m_stagedInserts;
    bool m_ready = false;
    QString m_setupError;
    std::optional<QSqlQuery> m_parentLookup;
    std::map<QString, QSqlQuery> m_inserts;
    std::map<QString, QSqlQuery> m_updates;
    QSet<QString> m_reportedUnknown;
};

// Restores the rows of every table of the archive in one database transaction; staged (see
// TableRestorer) or row by row. A staged attempt whose rows cannot all be moved is rolled back and
// sets `redoRowByRow`.
BackupImportResult restoreRows(const QSqlDatabase &database, const ZipArchiveReader &reader,
                               BackupImportMode mode, bool staged, bool *redoRowByRow)
{
    BackupImportResult result;
    // One transaction for the whole restore: a row refused for its own fault fails alone (SQLite
    // undoes only that statement), the journal is written once instead of once per row, and a
    // restore cut short, by a storage error or by the process ending, leaves the database as it was.
    const ImportPragmas pragmas(database, !staged);
    SqlTransaction guard(database);
    const auto stop = [&result, &guard](const QString &reason) {
        qWarning().noquote() << "BackupService::importBackup failed:" << reason;
        guard.rollback();
        result = {};
        result.aborted = true;
        result.errors.append(BackupService::tr("The restore failed and nothing was changed: %1").arg(reason));
        return result;
    };
    if (!guard.isActive())
        return stop(guard.lastError());

    const qsizetype entryCount = reader.entries().size();
    for (qsizetype t = 0; t < qsizetype(backupTables.size()); ++t) {
        const BackupTable &table = backupTables.at(size_t(t));
        const QByteArray prefix = QByteArray(table.folder.data(), table.folder.size()) + '/';
        TableRestorer restorer(database, table, mode, staged, result.errors);
        if (!restorer.setupError().isEmpty())
            return stop(restorer.setupError());
        for (qsizetype i = 0; i < entryCount; ++i) {
            const QByteArrayView name = reader.pathBytes(i);
            if (!name.startsWith(prefix) || !name.endsWith(".json"))
                continue;
            const QString path = reader.path(i);
            const std::optional<QByteArray> bytes = reader.data(i);
            if (!bytes) {
                result.errors.append(BackupService::tr("%1: damaged archive entry").arg(path));
                ++result.refused[size_t(t)];
                continue;
            }
            const QJsonDocument document = QJsonDocument::fromJson(*bytes);
            if (!document.isObject() || document.object().isEmpty()) {
                result.errors.append(BackupService::tr("%1: invalid JSON").arg(path));
                ++result.refused[size_t(t)];
                continue;
            }
            const RowOutcome outcome = restorer.restore(document.object());
            switch (outcome.kind) {
            case RowOutcome::Kind::Written:
                ++result.imported[size_t(t)];
                break;
            case RowOutcome::Kind::Skipped:
                ++result.skipped[size_t(t)];
                break;
            case RowOutcome::Kind::Refused:
                result.errors.append(QStringLiteral("%1: %2").arg(path, outcome.reason));
                ++result.refused[size_t(t)];
                break;
            case RowOutcome::Kind::StorageFailed:
                return stop(outcome.reason);
            }
        }
        const RowOutcome moved = restorer.finish();
        if (moved.kind == RowOutcome::Kind::StorageFailed)
            return stop(moved.reason);
        if (moved.kind != RowOutcome::Kind::Written) {
            // Some staged row breaks a rule (a parent missing, an id twice in the archive):
            // nothing of this attempt stays, and the caller goes through the rows one by one.
            guard.rollback();
            if (redoRowByRow)
                *redoRowByRow = true;
            return {};
        }
    }

    if (!guard.commit())
        return stop(guard.lastError());
    return result;
}

} // namespace

BackupService::BackupService(Database *database, QObject *parent)
    : QObject(parent)
    , m_database(database)
{}

QByteArray BackupService::exportBackup() const
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!exportBackup(&buffer))
        return {};
    return buffer.data();
}

bool BackupService::exportBackup(QIODevice *device, QString *error) const
{
    const auto failed = [error](const QString &reason) {
        if (error)
            *error = reason;
        return false;
    };
    const QDateTime exportedAt = currentTimestamp();
    QJsonObject manifest{{QStringLiteral("version"), 1},
                         {QStringLiteral("exportedAt"), timestampToText(exportedAt)}};
    ZipArchiveWriter writer(device, exportedAt);

    // One read transaction for all tables: a backup taken while another process writes is one
    // consistent state, not split lines of transactions that were not there yet.
    QSqlDatabase database = m_database->connection();
    const bool snapshot = database.transaction();
    const auto endSnapshot = qScopeGuard([&database, snapshot] {
        if (snapshot)
            database.rollback();
    });

    QByteArray path;
    QByteArray row;
    for (const BackupTable &table : backupTables) {
        QSqlQuery query(database);
        query.setForwardOnly(true);
        if (!query.exec(QStringLiteral("SELECT * FROM %1").arg(table.table))) {
            qWarning().noquote() << "BackupService export query failed:" << query.lastError().text();
            return failed(tr("cannot read the table %1: %2").arg(table.table, query.lastError().text()));
        }
        // Members in key order, as a QJsonObject of the row would have them.
        const QSqlRecord record = query.record();
        QList<std::pair<QString, int>> members;
        int idColumn = -1;
        for (int column = 0; column < record.count(); ++column) {
            members.append({record.fieldName(column), column});
            if (members.last().first == QLatin1String("id"))
                idColumn = column;
        }
        std::sort(members.begin(), members.end());
        const QByteArray folder = QByteArray(table.folder.data(), table.folder.size()) + '/';

        int count = 0;
        while (query.next()) {
            row.resize(0);
            IndentedJsonWriter object(row, 0);
            for (const auto &[name, column] : std::as_const(members))
                object.sqlValue(name, query.value(column));
            object.finish();
            path = folder;
            if (idColumn >= 0)
                path += query.value(idColumn).toString().toUtf8();
            path += ".json";
            if (!writer.addFile(path, row))
                return failed(writer.errorString());
            ++count;
        }
        if (query.lastError().isValid()) {
            qWarning().noquote() << "BackupService export query failed:" << query.lastError().text();
            return failed(tr("cannot read the table %1: %2").arg(table.table, query.lastError().text()));
        }
        manifest.insert(table.manifestKey, count);
    }
    if (!writer.addFile("manifest.json", QJsonDocument(manifest).toJson(QJsonDocument::Indented)) ||
        !writer.close())
        return failed(writer.errorString());
    return true;
}

BackupImportResult BackupService::importBackup(const QByteArray &archive, BackupImportMode mode) const
{
    return restore(ZipArchiveReader(archive), mode);
}

BackupImportResult BackupService::importBackup(QIODevice *device, BackupImportMode mode) const
{
    return restore(ZipArchiveReader(device), mode);
}

BackupImportResult BackupService::restore(const ZipArchiveReader &reader, BackupImportMode mode) const
{
    BackupImportResult result;
    if (!reader.isValid()) {
        result.aborted = true;
        switch (reader.error()) {
        case ZipArchiveReader::Error::OverlappingEntries:
            result.errors.append(tr("Invalid backup: archive entries overlap"));
            break;
        case ZipArchiveReader::Error::TooLarge:
            result.errors.append(tr("Invalid backup: the archive would inflate to more than %1 bytes")
                                     .arg(ZipArchiveReader::maxInflatedSize));
            break;
        case ZipArchiveReader::Error::None:
        case ZipArchiveReader::Error::NotAnArchive:
            result.errors.append(tr("Failed to open ZIP archive"));
            break;
        }
        return result;
    }
    const std::optional<QByteArray> manifest = reader.data(manifestPath);
    if (!manifest && reader.contains(manifestPath)) {
        result.aborted = true;
        result.errors.append(tr("Invalid backup: manifest.json is damaged or too large"));
        return result;
    }
    if (!manifest || manifest->isEmpty()) {
        result.aborted = true;
        result.errors.append(tr("Invalid backup: missing manifest.json"));
        return result;
    }
    const int version = QJsonDocument::fromJson(*manifest).object().value(QStringLiteral("version")).toInt();
    if (version != 1) {
        result.aborted = true;
        result.errors.append(tr("Unsupported backup version: %1").arg(version));
        return result;
    }

    bool redoRowByRow = false;
    result = restoreRows(m_database->connection(), reader, mode, true, &redoRowByRow);
    if (redoRowByRow)
        result = restoreRows(m_database->connection(), reader, mode, false, nullptr);
    return result;
}
