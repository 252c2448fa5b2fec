#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <memory>

// A throw-away PostgreSQL server for tests: initdb and postgres on a temporary folder and a free
// port on 127.0.0.1, trusting local connections. Run as root, it drops to the user "nobody"
// (PostgreSQL refuses to run as root) and the server dies with the test process.
class PostgresCluster
{
public:
    PostgresCluster();
    ~PostgresCluster();

    // False with `reason` set when PostgreSQL is not installed or does not start.
    bool start(QString *reason);
    // A new empty database; its postgresql:// address, or empty on failure.
    QString createDatabase(const QString &name, QString *reason);
    quint16 port() const { return m_port; }

private:
    QString m_binDir;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<QProcess> m_server;
    quint16 m_port = 0;
};
