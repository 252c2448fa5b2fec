#include "postgrescluster.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTcpServer>
#include <QThread>

#include <grp.h>
#include <pwd.h>
#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

QString findBinDir()
{
    const QString onPath = QStandardPaths::findExecutable(QStringLiteral("initdb"));
    if (!onPath.isEmpty())
        return QFileInfo(onPath).absolutePath();
    QDir versions(QStringLiteral("/usr/lib/postgresql"));
    const QStringList entries =
        versions.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::Reversed);
    for (const QString &version : entries) {
        const QString bin = versions.filePath(version + QStringLiteral("/bin"));
        if (QFileInfo::exists(bin + QStringLiteral("/initdb")) &&
            QFileInfo::exists(bin + QStringLiteral("/postgres")))
            return bin;
    }
    return {};
}

// The account PostgreSQL runs as: ourselves, or "nobody" when we are root.
struct RunAs
{
    bool drop = false;
    uid_t uid = 0;
    gid_t gid = 0;
};

RunAs runAs()
{
    RunAs result;
    if (geteuid() != 0)
        return result;
    const passwd *user = getpwnam("nobody");
    if (!user)
        return result;
    result.drop = true;
    result.uid = user->pw_uid;
    result.gid = user->pw_gid;
    return result;
}

void prepare(QProcess *process, const RunAs &as)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    environment.remove(QStringLiteral("PGDATA"));
    process->setProcessEnvironment(environment);
    process->setChildProcessModifier([as] {
        if (as.drop) {
            if (setgroups(0, nullptr) != 0 || setgid(as.gid) != 0 || setuid(as.uid) != 0)
                _exit(126);
        }
        // Set after the change of user, which would clear it: the server must not outlive the test.
        prctl(PR_SET_PDEATHSIG, SIGQUIT);
    });
}

quint16 freePort()
{
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost, 0))
        return 0;
    return probe.serverPort();
}

} // namespace

PostgresCluster::PostgresCluster() = default;

PostgresCluster::~PostgresCluster()
{
    if (m_server && m_server->state() != QProcess::NotRunning) {
        // SIGINT is PostgreSQL's fast shutdown.
        ::kill(pid_t(m_server->processId()), SIGINT);
        if (!m_server->waitForFinished(10000))
            m_server->kill();
        m_server->waitForFinished(2000);
    }
}

bool PostgresCluster::start(QString *reason)
{
    m_binDir = findBinDir();
    if (m_binDir.isEmpty()) {
        *reason = QStringLiteral("PostgreSQL server programs (initdb, postgres) are not installed");
        return false;
    }
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL"))) {
        *reason = QStringLiteral("the Qt SQL PostgreSQL driver is not installed");
        return false;
    }
    m_dir = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/zimbrel-pg-XXXXXX"));
    if (!m_dir->isValid()) {
        *reason = QStringLiteral("cannot create a temporary folder");
        return false;
    }
    const RunAs as = runAs();
    if (as.drop && chown(QFile::encodeName(m_dir->path()).constData(), as.uid, as.gid) != 0) {
        *reason = QStringLiteral("cannot hand the cluster folder to user nobody");
        return false;
    }
    const QString data = m_dir->path() + QStringLiteral("/data");
    QProcess initdb;
    prepare(&initdb, as);
    initdb.setWorkingDirectory(m_dir->path());
    initdb.start(m_binDir + QStringLiteral("/initdb"),
                 {QStringLiteral("-D"), data, QStringLiteral("-U"), QStringLiteral("zimbrel"),
                  QStringLiteral("--auth=trust"), QStringLiteral("--no-sync"), QStringLiteral("-E"),
                  QStringLiteral("UTF8"), QStringLiteral("--locale=C")});
    if (!initdb.waitForFinished(120000) || initdb.exitStatus() != QProcess::NormalExit ||
        initdb.exitCode() != 0) {
        *reason =
            QStringLiteral("initdb failed (%1, exit code %2): %3")
                .arg(initdb.errorString())
                .arg(initdb.exitCode())
                .arg(QString::fromLocal8Bit(initdb.readAllStandardError() + initdb.readAllStandardOutput())
                         .trimmed());
        return false;
    }
    for (int attempt = 0; attempt < 3; ++attempt) {
        m_port = freePort();
        m_server = std::make_unique<QProcess>();
        prepare(m_server.get(), as);
        m_server->setWorkingDirectory(m_dir->path());
        m_server->setProcessChannelMode(QProcess::MergedChannels);
        m_server->start(m_binDir + QStringLiteral("/postgres"),
                        {QStringLiteral("-D"), data, QStringLiteral("-p"), QString::number(m_port),
                         QStringLiteral("-k"), m_dir->path(), QStringLiteral("-c"),
                         QStringLiteral("listen_addresses=127.0.0.1"), QStringLiteral("-c"),
                         QStringLiteral("fsync=off"), QStringLiteral("-c"),
                         QStringLiteral("synchronous_commit=off"), QStringLiteral("-c"),
                         QStringLiteral("full_page_writes=off")});
        if (!m_server->waitForStarted(10000))
            continue;
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < 30000 && m_server->state() == QProcess::Running) {
            {
                QSqlDatabase probe =
                    QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("zimbrel_pg_probe"));
                probe.setHostName(QStringLiteral("127.0.0.1"));
                probe.setPort(m_port);
                probe.setUserName(QStringLiteral("zimbrel"));
                probe.setDatabaseName(QStringLiteral("postgres"));
                const bool ready = probe.open();
                probe.close();
                if (ready) {
                    probe = QSqlDatabase();
                    QSqlDatabase::removeDatabase(QStringLiteral("zimbrel_pg_probe"));
                    return true;
                }
            }
            QSqlDatabase::removeDatabase(QStringLiteral("zimbrel_pg_probe"));
            QThread::msleep(100);
        }
        *reason = QStringLiteral("postgres did not start: %1")
                      .arg(QString::fromLocal8Bit(m_server->readAll()).trimmed());
        m_server->kill();
        m_server->waitForFinished(5000);
    }
    return false;
}

QString PostgresCluster::createDatabase(const QString &name, QString *reason)
{
    const QString connectionName = QStringLiteral("zimbrel_pg_admin");
    bool created = false;
    {
        QSqlDatabase admin = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connectionName);
        admin.setHostName(QStringLiteral("127.0.0.1"));
        admin.setPort(m_port);
        admin.setUserName(QStringLiteral("zimbrel"));
        admin.setDatabaseName(QStringLiteral("postgres"));
        if (admin.open()) {
            QSqlQuery query(admin);
            created = query.exec(QStringLiteral("CREATE DATABASE %1").arg(name));
            if (!created)
                *reason = query.lastError().text();
        } else {
            *reason = admin.lastError().text();
        }
        admin.close();
    }
    QSqlDatabase::removeDatabase(connectionName);
    if (!created)
        return {};
    return QStringLiteral("postgresql://zimbrel@127.0.0.1:%1/%2").arg(m_port).arg(name);
}
