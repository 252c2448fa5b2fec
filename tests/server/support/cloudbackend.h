#pragma once

#include <QString>
#include <QTemporaryDir>
#include <QVariant>

#include <memory>

class PostgresCluster;

// The storage a test runs the service on: a fresh SQLite file, or a fresh database on a private
// PostgreSQL server when ZIMBREL_CLOUD_TEST_BACKEND=postgresql (the same tests, run again by ctest).
class CloudBackend
{
public:
    CloudBackend();
    ~CloudBackend();

    bool isPostgres() const { return m_postgres; }
    // False with `reason` set when the backend cannot run here; tests then skip with the reason.
    bool isAvailable(QString *reason);
    // The --database address of a new, empty database.
    QString freshDatabase();
    // Runs one statement directly on a service database, as an operator would; the first value
    // of the first row (or an invalid value).
    static QVariant execute(const QString &databaseAddress, const QString &sql,
                            const QVariantList &values = {});

private:
    bool m_postgres = false;
    bool m_started = false;
    QString m_reason;
    int m_counter = 0;
    QTemporaryDir m_files;
    std::unique_ptr<PostgresCluster> m_cluster;
};
