#pragma once

#include <QProcess>
#include <QStringList>
#include <QUrl>

#include <memory>

// A running zimbrel-cloud for a test: the real program on a free port of 127.0.0.1, stopped when
// the object goes. It dies with the test process too, so a crashed test leaves nothing behind.
class CloudService
{
public:
    CloudService() = default;
    ~CloudService();

    CloudService(const CloudService &) = delete;
    CloudService &operator=(const CloudService &) = delete;

    // Starts the service on `databaseAddress` with extra arguments; false with the service's
    // standard error in `error` when it does not report that it listens.
    bool start(const QString &databaseAddress, const QStringList &arguments, QString *error);
    // The two halves of start(), for tests that start several processes at once.
    void launch(const QString &databaseAddress, const QStringList &arguments);
    bool waitUntilListening(QString *error);
    void stop();

    QUrl baseUrl() const { return m_baseUrl; }
    quint16 port() const { return quint16(m_baseUrl.port()); }
    QString databaseAddress() const { return m_database; }
    QString standardError();

    static QString programPath();

private:
    std::unique_ptr<QProcess> m_process;
    QUrl m_baseUrl;
    QString m_database;
};
