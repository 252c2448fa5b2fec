#include "clouddatabase.h"

#include "credentials.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QSqlError>
#include <QThread>
#include <QUrl>
#include <QUrlQuery>
#include <QUuid>

namespace {

struct Migration
{
    int version;
    const char *name;
    QStringList statements;
};

// "%ID%" stands for an auto-numbered 64-bit primary key in the dialect at hand.
const QList<Migration> &migrations()
{
    static const QList<Migration> list = {
        {1,
         "auth",
         {
             QStringLiteral("CREATE TABLE settings (key TEXT PRIMARY KEY, value TEXT NOT NULL)"),
             QStringLiteral("CREATE TABLE counters (name TEXT PRIMARY KEY, value BIGINT NOT NULL)"),
             QStringLiteral("INSERT INTO counters (name, value) VALUES ('change_seq', 0)"),
             QStringLiteral(
                 "CREATE TABLE users (id TEXT PRIMARY KEY, email TEXT NOT NULL UNIQUE, "
                 "display_name TEXT NOT NULL, password_hash TEXT NOT NULL, created_at BIGINT NOT NULL, "
                 "deletion_due_at BIGINT)"),
             QStringLiteral(
                 "CREATE TABLE sessions (id TEXT PRIMARY KEY, "
                 "user_id TEXT NOT NULL REFERENCES users(id) ON DELETE CASCADE, "
                 "created_at BIGINT NOT NULL, last_active_at BIGINT NOT NULL, expires_at BIGINT NOT NULL, "
                 "user_agent TEXT NOT NULL, ip_address TEXT NOT NULL, revoked_at BIGINT)"),
             QStringLiteral("CREATE INDEX idx_sessions_user ON sessions (user_id)"),
             QStringLiteral("CREATE TABLE refresh_tokens (token_hash TEXT PRIMARY KEY, "
                            "session_id TEXT NOT NULL REFERENCES sessions(id) ON DELETE CASCADE, "
                            "issued_at BIGINT NOT NULL, used_at BIGINT)"),
             QStringLiteral("CREATE INDEX idx_refresh_tokens_session ON refresh_tokens (session_id)"),
             QStringLiteral(
                 "CREATE TABLE login_failures (throttle_key TEXT PRIMARY KEY, failures INTEGER NOT NULL, "
                 "window_start BIGINT NOT NULL)"),
         }},
        {2,
         "groups",
         {
             QStringLiteral("CREATE TABLE user_groups (id TEXT PRIMARY KEY, name TEXT NOT NULL, "
                            "owner_id TEXT NOT NULL REFERENCES users(id) ON DELETE CASCADE, "
                            "max_seats INTEGER NOT NULL, created_at BIGINT NOT NULL)"),
             QStringLiteral(
                 "CREATE TABLE group_members (user_id TEXT PRIMARY KEY REFERENCES users(id) ON DELETE "
                 "CASCADE, "
                 "group_id TEXT NOT NULL REFERENCES user_groups(id) ON DELETE CASCADE, role TEXT NOT NULL, "
                 "joined_at BIGINT NOT NULL)"),
             QStringLiteral("CREATE INDEX idx_group_members_group ON group_members (group_id)"),
             QStringLiteral(
                 "CREATE TABLE invitations (id TEXT PRIMARY KEY, "
                 "group_id TEXT NOT NULL REFERENCES user_groups(id) ON DELETE CASCADE, "
                 "invited_email TEXT NOT NULL, invite_code TEXT NOT NULL UNIQUE, status TEXT NOT NULL, "
                 "created_by TEXT NOT NULL, created_at BIGINT NOT NULL, expires_at BIGINT NOT NULL)"),
             QStringLiteral("CREATE INDEX idx_invitations_group ON invitations (group_id)"),
             QStringLiteral(
                 "CREATE TABLE devices (id TEXT PRIMARY KEY, "
                 "user_id TEXT NOT NULL REFERENCES users(id) ON DELETE CASCADE, session_id TEXT NOT NULL, "
                 "device_name TEXT NOT NULL, platform TEXT NOT NULL, app_id TEXT NOT NULL, "
                 "app_version TEXT NOT NULL, device_fingerprint TEXT NOT NULL, last_sync_at BIGINT, "
                 "created_at BIGINT NOT NULL, UNIQUE (user_id, device_fingerprint))"),
             QStringLiteral(
                 "CREATE TABLE account_shares (owner_id TEXT NOT NULL REFERENCES users(id) ON DELETE "
                 "CASCADE, "
                 "account_id TEXT NOT NULL, user_id TEXT NOT NULL REFERENCES users(id) ON DELETE CASCADE, "
                 "role TEXT NOT NULL, granted_seq BIGINT NOT NULL, created_at BIGINT NOT NULL, "
                 "PRIMARY KEY (owner_id, account_id, user_id))"),
             QStringLiteral("CREATE INDEX idx_account_shares_user ON account_shares (user_id)"),
         }},
        {3,
         "sync",
         {
             QStringLiteral(
                 "CREATE TABLE sync_rows (id %ID%, server_id TEXT NOT NULL UNIQUE, "
                 "owner_id TEXT NOT NULL REFERENCES users(id) ON DELETE CASCADE, entity_type TEXT NOT NULL, "
                 "entity_id TEXT NOT NULL, account_id TEXT, version INTEGER NOT NULL, "
                 "deleted INTEGER NOT NULL, payload TEXT NOT NULL, seq BIGINT NOT NULL, "
                 "updated_by TEXT NOT NULL, updated_at BIGINT NOT NULL, "
                 "UNIQUE (owner_id, entity_type, entity_id))"),
             QStringLiteral("CREATE INDEX idx_sync_rows_owner_seq ON sync_rows (owner_id, seq, id)"),
             QStringLiteral("CREATE INDEX idx_sync_rows_account ON sync_rows (owner_id, account_id, seq)"),
         }},
        // A shared account's rows older than the share are paged by row number.
        {4,
         "shared pages",
         {
             QStringLiteral("CREATE INDEX idx_sync_rows_account_id ON sync_rows (owner_id, account_id, id)"),
         }},
    };
    return list;
}

int nextConnectionNumber = 0;

} // namespace

CloudDatabase::CloudDatabase()
    : m_connectionName(QStringLiteral("zimbrel_cloud_%1").arg(++nextConnectionNumber))
{}

CloudDatabase::~CloudDatabase()
{
    if (QSqlDatabase::contains(m_connectionName)) {
        QSqlDatabase::database(m_connectionName, false).close();
        QSqlDatabase::removeDatabase(m_connectionName);
    }
}

QSqlDatabase CloudDatabase::connection() const
{
    return QSqlDatabase::database(m_connectionName, false);
}

bool CloudDatabase::open(const QString &address, QString *error)
{
    if (address.startsWith(QLatin1String("sqlite:"))) {
        const QString file = address.mid(7);
        if (file.isEmpty()) {
            *error = QStringLiteral("sqlite: needs a file name");
            return false;
        }
        m_kind = Kind::Sqlite;
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
        db.setDatabaseName(file);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=15000"));
        if (!db.open()) {
            *error = db.lastError().text();
            return false;
        }
        QSqlQuery pragma(db);
        // Switching a new file to write-ahead logging needs it to itself, and SQLite answers
        // "locked" at once rather than waiting while another process starting beside this one
        // holds it; so this one waits and tries again.
        bool walSet = false;
        QElapsedTimer timer;
        timer.start();
        while (!(walSet = pragma.exec(QStringLiteral("PRAGMA journal_mode=WAL"))) && timer.elapsed() < 15000)
            QThread::msleep(50);
        if (!walSet || !pragma.exec(QStringLiteral("PRAGMA foreign_keys=ON"))) {
            *error = pragma.lastError().text();
            return false;
        }
        return true;
    }
    const QUrl url(address, QUrl::StrictMode);
    if (!url.isValid() ||
        (url.scheme() != QLatin1String("postgresql") && url.scheme() != QLatin1String("postgres"))) {
        *error = QStringLiteral("the database must be sqlite:FILE or a postgresql:// URL");
        return false;
    }
    m_kind = Kind::Postgres;
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), m_connectionName);
    if (!db.isValid()) {
        *error = QStringLiteral("the PostgreSQL driver of Qt SQL is not installed");
        return false;
    }
    db.setHostName(url.host().isEmpty() ? QStringLiteral("localhost") : url.host());
    db.setPort(url.port(5432));
    db.setUserName(url.userName(QUrl::FullyDecoded));
    db.setPassword(url.password(QUrl::FullyDecoded));
    db.setDatabaseName(url.path(QUrl::FullyDecoded).mid(1));
    QStringList options;
    const QUrlQuery query(url);
    for (const auto &[key, value] : query.queryItems(QUrl::FullyDecoded))
        options.append(key + QLatin1Char('=') + value);
    db.setConnectOptions(options.join(QLatin1Char(';')));
    if (!db.open()) {
        *error = db.lastError().text();
        return false;
    }
    return true;
}

bool CloudDatabase::migrate(QString *error)
{
    if (!begin()) {
        *error = connection().lastError().text();
        return false;
    }
    // The advisory lock makes a second process starting at the same time wait here and then find
    // the schema done; SQLite's BEGIN IMMEDIATE does the same.
    const bool locked =
        m_kind == Kind::Sqlite ||
        exec("CloudDatabase::migrate", QStringLiteral("SELECT pg_advisory_xact_lock(7242001)"));
    if (!locked ||
        !exec("CloudDatabase::migrate",
              QStringLiteral("CREATE TABLE IF NOT EXISTS schema_version (version INTEGER PRIMARY KEY, "
                             "name TEXT NOT NULL, applied_at BIGINT NOT NULL)"))) {
        rollback();
        *error = QStringLiteral("cannot create schema_version");
        return false;
    }
    int current = 0;
    if (auto query =
            exec("CloudDatabase::migrate", QStringLiteral("SELECT MAX(version) FROM schema_version"));
        query && query->next())
        current = query->value(0).toInt();
    for (const Migration &migration : migrations()) {
        if (migration.version <= current)
            continue;
        if (!applyMigration(migration.version, migration.statements, error) ||
            !exec("CloudDatabase::migrate",
                  QStringLiteral("INSERT INTO schema_version (version, name, applied_at) VALUES (?, ?, ?)"),
                  {migration.version, QString::fromLatin1(migration.name),
                   QDateTime::currentSecsSinceEpoch()})) {
            rollback();
            if (error->isEmpty())
                *error = QStringLiteral("cannot record migration %1").arg(migration.version);
            return false;
        }
    }
    if (!commit()) {
        *error = connection().lastError().text();
        rollback();
        return false;
    }
    return true;
}

bool CloudDatabase::applyMigration(int version, const QStringList &statements, QString *error)
{
    const QString id = m_kind == Kind::Sqlite ? QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT")
                                              : QStringLiteral("BIGSERIAL PRIMARY KEY");
    for (QString statement : statements) {
        statement.replace(QLatin1String("%ID%"), id);
        QSqlQuery query(connection());
        if (!query.exec(statement)) {
            *error = QStringLiteral("migration %1 failed: %2").arg(version).arg(query.lastError().text());
            return false;
        }
    }
    return true;
}

std::optional<QSqlQuery> CloudDatabase::exec(const char *operation, const QString &sql,
                                             const QVariantList &values)
{
    QSqlQuery query(connection());
    query.setForwardOnly(true);
    // PostgreSQL cannot prepare every statement (DDL among them); without values there is nothing
    // to bind, so those run directly.
    if (values.isEmpty()) {
        if (query.exec(sql))
            return query;
        qWarning().noquote() << operation << "failed:" << query.lastError().text();
        return std::nullopt;
    }
    if (!query.prepare(sql)) {
        qWarning().noquote() << operation << "failed:" << query.lastError().text();
        return std::nullopt;
    }
    for (const QVariant &value : values) {
        // Qt binds a null QString as SQL NULL; only nullText() is meant to be NULL, every other
        // text (an absent optional field read as QString()) is stored as the empty text.
        if (value.typeId() == QMetaType::QString && !value.isNull() && value.toString().isNull())
            query.addBindValue(QString::fromLatin1(""));
        else
            query.addBindValue(value);
    }
    if (!query.exec()) {
        qWarning().noquote() << operation << "failed:" << query.lastError().text();
        return std::nullopt;
    }
    return query;
}

int CloudDatabase::execCount(const char *operation, const QString &sql, const QVariantList &values)
{
    auto query = exec(operation, sql, values);
    return query ? query->numRowsAffected() : -1;
}

bool CloudDatabase::begin()
{
    QSqlQuery query(connection());
    if (query.exec(m_kind == Kind::Sqlite ? QStringLiteral("BEGIN IMMEDIATE") : QStringLiteral("BEGIN")))
        return true;
    qWarning().noquote() << "CloudDatabase::begin failed:" << query.lastError().text();
    return false;
}

bool CloudDatabase::commit()
{
    QSqlQuery query(connection());
    if (query.exec(QStringLiteral("COMMIT")))
        return true;
    qWarning().noquote() << "CloudDatabase::commit failed:" << query.lastError().text();
    return false;
}

void CloudDatabase::rollback()
{
    QSqlQuery query(connection());
    query.exec(QStringLiteral("ROLLBACK"));
}

QByteArray CloudDatabase::signingSecret()
{
    if (!m_secret.isEmpty())
        return m_secret;
    const QString fresh = QString::fromLatin1(Credentials::randomBytes(32).toBase64());
    exec("CloudDatabase::signingSecret",
         QStringLiteral(
             "INSERT INTO settings (key, value) VALUES ('jwt_secret', ?) ON CONFLICT (key) DO NOTHING"),
         {fresh});
    auto query = exec("CloudDatabase::signingSecret",
                      QStringLiteral("SELECT value FROM settings WHERE key = 'jwt_secret'"));
    if (query && query->next())
        m_secret = QByteArray::fromBase64(query->value(0).toString().toLatin1());
    return m_secret;
}

std::optional<qint64> CloudDatabase::nextChangeSequence()
{
    auto query = exec(
        "CloudDatabase::nextChangeSequence",
        QStringLiteral("UPDATE counters SET value = value + 1 WHERE name = 'change_seq' RETURNING value"));
    if (!query || !query->next())
        return std::nullopt;
    return query->value(0).toLongLong();
}

QVariant CloudDatabase::nullText()
{
    return QVariant(QMetaType::fromType<QString>());
}
