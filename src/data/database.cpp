#include "database.h"

#include <QFile>
#include <QLoggingCategory>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

namespace {

struct Migration
{
    int version;
    const char *name;
    const char *resourcePath;
};

constexpr Migration migrations[] = {
    {1, "initial", ":/sql/sql/migrations/001_initial.sql"},
    {2, "recon_sync", ":/sql/sql/migrations/002_recon_sync.sql"},
};

} // namespace

Database::Database(QObject *parent)
    : QObject(parent)
    , m_connectionName(QString::fromLatin1(QSqlDatabase::defaultConnection))
{}

Database::~Database()
{
    m_statements.clear();
    m_unprepared = QSqlQuery();
    if (m_open) {
        {
            QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(m_connectionName);
    }
}

bool Database::open(const QString &path)
{
    if (!openWith(path, QString()))
        return false;
    QSqlQuery pragma(connection());
    pragma.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    pragma.exec(QStringLiteral("PRAGMA foreign_keys=ON"));
    return true;
}

bool Database::openReadOnly(const QString &path)
{
    m_readOnly = openWith(path, QStringLiteral("QSQLITE_OPEN_READONLY"));
    if (!m_readOnly)
        return false;
    QSqlQuery probe(connection());
    if (probe.exec(QStringLiteral("SELECT COUNT(*) FROM sqlite_master")))
        return true;
    probe = QSqlQuery();
    // A database in write-ahead-log mode whose log files are gone (closed cleanly) and cannot be
    // created (a read-only directory) is only readable as an unchanging file.
    connection().close();
    const QString uri =
        QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded) + QStringLiteral("?immutable=1");
    m_readOnly = openWith(uri, QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI"));
    return m_readOnly;
}

bool Database::openWith(const QString &path, const QString &options)
{
    QSqlDatabase db = QSqlDatabase::contains(m_connectionName)
                          ? QSqlDatabase::database(m_connectionName, false)
                          : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    db.setDatabaseName(path);
    QString connectOptions = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs);
    if (!options.isEmpty())
        connectOptions += QLatin1Char(';') + options;
    db.setConnectOptions(connectOptions);
    if (!db.open()) {
        qCritical().noquote() << "Failed to open database:" << db.lastError().text();
        return false;
    }
    m_open = true;
    return true;
}

bool Database::isSchemaCurrent() const
{
    QSqlQuery query(connection());
    if (!query.exec(QStringLiteral("SELECT MAX(version) FROM schema_version")) || !query.next())
        return false;
    return query.value(0).toInt() >= std::end(migrations)[-1].version;
}

QSqlDatabase Database::connection() const
{
    return QSqlDatabase::database(m_connectionName, false);
}

QSqlQuery &Database::cachedStatement(const QString &sql) const
{
    const auto cached = m_statements.find(sql);
    if (cached != m_statements.end())
        return cached->second;
    QSqlQuery query(connection());
    if (query.prepare(sql))
        return m_statements.emplace(sql, std::move(query)).first->second;
    m_unprepared = std::move(query);
    return m_unprepared;
}

bool Database::runMigrations()
{
    QSqlDatabase db = connection();
    QSqlQuery query(db);
    if (!query.exec(
            QStringLiteral("CREATE TABLE IF NOT EXISTS schema_version (  version INTEGER PRIMARY KEY,  "
                           "name    TEXT NOT NULL,  applied_at TEXT NOT NULL DEFAULT (datetime('now')))"))) {
        qCritical().noquote() << "Failed to create schema_version table:" << query.lastError().text();
        return false;
    }

    int current = 0;
    if (query.exec(QStringLiteral("SELECT MAX(version) FROM schema_version")) && query.next())
        current = query.value(0).toInt();
    query.finish();

    for (const Migration &migration : migrations) {
        if (migration.version <= current)
            continue;
        const QString path = QString::fromLatin1(migration.resourcePath);
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            const QString message = QStringLiteral("Cannot read migration file: %1").arg(path);
            qCritical().noquote() << message;
            emit migrationError(migration.version, message);
            return false;
        }
        const QString sql = QString::fromUtf8(file.readAll());
        if (!applyMigration(migration.version, QString::fromLatin1(migration.name), sql))
            return false;
    }
    ensureLookupIndexes();
    return true;
}

void Database::ensureLookupIndexes()
{
    // Not part of the versioned schema: nothing stored depends on them, and a database without them
    // (an older copy, a restore) only reads slower until the next start builds them.
    // The register index walks an account in register order (date, creation time, then rowid, which
    // every index entry ends with), so even an account of half a million rows opens without a sort.
    // Nothing may follow created_at in it: a further column would order rows entered in the same
    // second by that column instead of by entry. The payee index serves the payee list. The
    // server-id indexes serve the sync engine, which looks every pulled row up by it when the row's
    // own id is not known here: without them a first download reads the whole table per row.
    static const char *const statements[] = {
        "DROP INDEX IF EXISTS idx_transactions_register",
        "CREATE INDEX IF NOT EXISTS idx_transactions_register_order ON transactions(account_id, date, "
        "created_at) "
        "WHERE deleted_at IS NULL",
        "CREATE INDEX IF NOT EXISTS idx_transactions_live_payee ON transactions(payee) WHERE deleted_at IS "
        "NULL",
        "CREATE INDEX IF NOT EXISTS idx_accounts_server_id ON accounts(server_id)",
        "CREATE INDEX IF NOT EXISTS idx_categories_server_id ON categories(server_id)",
        "CREATE INDEX IF NOT EXISTS idx_recurring_transactions_server_id ON "
        "recurring_transactions(server_id)",
        "CREATE INDEX IF NOT EXISTS idx_transactions_server_id ON transactions(server_id)",
        "CREATE INDEX IF NOT EXISTS idx_reconciliations_server_id ON reconciliations(server_id)",
    };
    QSqlQuery query(connection());
    for (const char *statement : statements) {
        if (!query.exec(QString::fromLatin1(statement)))
            qWarning().noquote() << "Database::ensureLookupIndexes failed:" << query.lastError().text();
    }
}

bool Database::applyMigration(int version, const QString &name, const QString &sql)
{
    QSqlDatabase db = connection();
    db.transaction();
    {
        QSqlQuery query(db);
        for (const QString &statement : splitStatements(sql)) {
            if (!query.exec(statement)) {
                const QString error = query.lastError().text();
                qCritical().noquote()
                    << "Migration" << version << "failed:" << error << "\nStatement:" << statement.left(200);
                query.finish();
                db.rollback();
                emit migrationError(version, error);
                return false;
            }
        }
        query.prepare(QStringLiteral("INSERT INTO schema_version (version, name) VALUES (?, ?)"));
        query.addBindValue(version);
        query.addBindValue(name);
        if (!query.exec()) {
            const QString error = query.lastError().text();
            query.finish();
            db.rollback();
            emit migrationError(version, error);
            return false;
        }
    }
    if (!db.commit()) {
        const QString error = db.lastError().text();
        db.rollback();
        emit migrationError(version, error);
        return false;
    }
    qInfo().noquote() << "Applied migration" << version << name;
    emit migrationApplied(version, name);
    return true;
}

QStringList Database::splitStatements(const QString &sql)
{
    QStringList statements;
    QString buffer;
    int depth = 0;

    const auto flush = [&] {
        QString statement = buffer.trimmed();
        buffer.clear();
        if (statement == QLatin1String(";"))
            return;
        if (statement.endsWith(QLatin1Char(';')))
            statement.chop(1);
        statement = statement.trimmed();
        if (!statement.isEmpty())
            statements.append(statement);
    };

    for (const QString &line : sql.split(QLatin1Char('\n'))) {
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(QLatin1String("--")))
            continue;
        buffer += line;
        buffer += QLatin1Char('\n');
        const QString upper = trimmed.toUpper();
        if (upper.contains(QLatin1String("BEGIN")))
            ++depth;
        if (upper.startsWith(QLatin1String("END")) && depth > 0)
            --depth;
        if (depth == 0 && trimmed.endsWith(QLatin1Char(';')))
            flush();
    }
    flush();
    return statements;
}
