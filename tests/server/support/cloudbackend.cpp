#include "cloudbackend.h"

#include "postgrescluster.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

CloudBackend::CloudBackend()
    : m_postgres(qEnvironmentVariable("ZIMBREL_CLOUD_TEST_BACKEND") == QLatin1String("postgresql"))
{}

CloudBackend::~CloudBackend() = default;

bool CloudBackend::isAvailable(QString *reason)
{
    if (!m_postgres)
        return m_files.isValid();
    if (!m_started) {
        m_started = true;
        m_cluster = std::make_unique<PostgresCluster>();
        if (!m_cluster->start(&m_reason))
            m_cluster.reset();
    }
    if (!m_cluster)
        *reason = QStringLiteral("PostgreSQL tests skipped: %1").arg(m_reason);
    return m_cluster != nullptr;
}

QString CloudBackend::freshDatabase()
{
    ++m_counter;
    if (!m_postgres)
        return QStringLiteral("sqlite:%1/cloud-%2.db").arg(m_files.path()).arg(m_counter);
    QString reason;
    const QString name =
        QStringLiteral("%1_%2").arg(QCoreApplication::applicationName().toLower()).arg(m_counter);
    return m_cluster ? m_cluster->createDatabase(name, &reason) : QString();
}

QVariant CloudBackend::execute(const QString &databaseAddress, const QString &sql, const QVariantList &values)
{
    const QString connectionName = QStringLiteral("zimbrel_test_inspect");
    QVariant result;
    {
        QSqlDatabase db;
        if (databaseAddress.startsWith(QLatin1String("sqlite:"))) {
            db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
            db.setDatabaseName(databaseAddress.mid(7));
            db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=15000"));
        } else {
            const QUrl url(databaseAddress);
            db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connectionName);
            db.setHostName(url.host());
            db.setPort(url.port());
            db.setUserName(url.userName());
            db.setDatabaseName(url.path().mid(1));
        }
        if (db.open()) {
            QSqlQuery query(db);
            query.prepare(sql);
            for (const QVariant &value : values)
                query.addBindValue(value);
            if (query.exec() && query.next())
                result = query.value(0);
            else if (query.lastError().isValid())
                qWarning("CloudBackend::execute failed: %s", qPrintable(query.lastError().text()));
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connectionName);
    return result;
}
