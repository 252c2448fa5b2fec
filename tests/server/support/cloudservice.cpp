#include "cloudservice.h"

#include <QElapsedTimer>
#include <QRegularExpression>

#include <signal.h>
#include <sys/prctl.h>

CloudService::~CloudService()
{
    stop();
}

QString CloudService::programPath()
{
    return QStringLiteral(ZIMBREL_CLOUD_PATH);
}

bool CloudService::start(const QString &databaseAddress, const QStringList &arguments, QString *error)
{
    launch(databaseAddress, arguments);
    return waitUntilListening(error);
}

void CloudService::launch(const QString &databaseAddress, const QStringList &arguments)
{
    stop();
    m_database = databaseAddress;
    m_process = std::make_unique<QProcess>();
    m_process->setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
    m_process->start(programPath(), QStringList{QStringLiteral("--listen"), QStringLiteral("127.0.0.1:0"),
                                                QStringLiteral("--database"), databaseAddress} +
                                        arguments);
}

bool CloudService::waitUntilListening(QString *error)
{
    QElapsedTimer timer;
    timer.start();
    // The first line of standard output is the address; it comes after the schema is migrated.
    while (!m_process->canReadLine() && m_process->state() != QProcess::NotRunning && timer.elapsed() < 60000)
        m_process->waitForReadyRead(200);
    const QString line = QString::fromUtf8(m_process->readLine()).trimmed();
    static const QRegularExpression pattern(QStringLiteral("^listening on (https?://[^ ]+)$"));
    const QRegularExpressionMatch match = pattern.match(line);
    if (!match.hasMatch()) {
        m_process->waitForFinished(2000);
        *error = QStringLiteral("zimbrel-cloud did not start: %1 %2").arg(line, standardError());
        stop();
        return false;
    }
    m_baseUrl = QUrl(match.captured(1));
    return true;
}

void CloudService::stop()
{
    if (!m_process)
        return;
    if (m_process->state() != QProcess::NotRunning) {
        m_process->terminate();
        if (!m_process->waitForFinished(5000)) {
            m_process->kill();
            m_process->waitForFinished(2000);
        }
    }
    m_process.reset();
}

QString CloudService::standardError()
{
    return m_process ? QString::fromUtf8(m_process->readAllStandardError()) : QString();
}
