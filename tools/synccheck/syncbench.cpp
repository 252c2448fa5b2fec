// zimbrel-syncbench: how long a first sync of a large register takes against a real zimbrel-cloud
// (a fresh SQLite database), from the device that holds the data and onto a fresh device, and the
// longest time the event loop is held by one piece of the engine's work (a push answer, a pull
// page), measured by a 5 ms timer that notes how late it fires.
//
//   zimbrel-syncbench [--transactions N] [--seed S]

#include "syncdevice.h"

#include "browsersession.h"
#include "cloudbackend.h"
#include "cloudclient.h"
#include "cloudhttp.h"
#include "cloudservice.h"
#include "datagenerator.h"

#include "data/database.h"
#include "sync/syncengine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

// Notes the longest gap between two ticks of a 5 ms timer beyond its interval.
class StallMeter
{
public:
    StallMeter()
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(intervalMs);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            const qint64 now = m_clock.elapsed();
            const qint64 late = now - m_last - intervalMs;
            m_longest = qMax(m_longest, late);
            if (late > 100)
                ++m_over100;
            m_last = now;
        });
    }
    void start()
    {
        m_clock.start();
        m_last = 0;
        m_longest = 0;
        m_over100 = 0;
        m_timer.start();
    }
    void stop() { m_timer.stop(); }
    qint64 longest() const { return m_longest; }
    int over100() const { return m_over100; }

private:
    static constexpr int intervalMs = 5;
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    qint64 m_longest = 0;
    int m_over100 = 0;
};

void print(const QString &line)
{
    std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

struct Measured
{
    SyncDevice::SyncOutcome outcome;
    double seconds = 0;
    qint64 longestBlockMs = 0;
    int blocksOver100 = 0;
    int pending = 0;
};

Measured measureSync(SyncDevice &device)
{
    Measured measured;
    StallMeter meter;
    QElapsedTimer clock;
    clock.start();
    meter.start();
    measured.outcome = device.sync(1000);
    meter.stop();
    measured.seconds = double(clock.elapsed()) / 1000.0;
    measured.longestBlockMs = meter.longest();
    measured.blocksOver100 = meter.over100();
    measured.pending = device.pendingTotal();
    return measured;
}

QString describe(const Measured &measured)
{
    return QStringLiteral("%1 s, %2 cycles, pushed %3, rejected %4, pulled %5, left pending %6, longest "
                          "event-loop block %7 ms "
                          "(%8 over 100 ms)%9")
        .arg(measured.seconds, 0, 'f', 1)
        .arg(measured.outcome.cycles)
        .arg(measured.outcome.totals.pushed)
        .arg(measured.outcome.totals.rejected)
        .arg(measured.outcome.totals.pulled)
        .arg(measured.pending)
        .arg(measured.longestBlockMs)
        .arg(measured.blocksOver100)
        .arg(measured.outcome.ok ? QString() : QStringLiteral(", FAILED: ") + measured.outcome.error);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({QStringLiteral("transactions"), QStringLiteral("Transactions to sync."),
                      QStringLiteral("N"), QStringLiteral("100000")});
    parser.addOption({QStringLiteral("seed"), QStringLiteral("Seed of the data."), QStringLiteral("S"),
                      QStringLiteral("20261210")});
    parser.addOption({QStringLiteral("verbose"), QStringLiteral("Print the library's log lines too.")});
    parser.process(application);
    if (!parser.isSet(QStringLiteral("verbose")))
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
            if (type == QtCriticalMsg || type == QtFatalMsg)
                std::fprintf(stderr, "%s\n", qPrintable(message));
        });
    bool ok = false;
    const int count = parser.value(QStringLiteral("transactions")).toInt(&ok);
    if (!ok || count < 1 || count > 5000000) {
        std::fputs("zimbrel-syncbench: --transactions takes a whole number from 1 to 5000000\n", stderr);
        return 2;
    }

    CloudBackend backend;
    QString reason;
    if (!backend.isAvailable(&reason)) {
        std::fprintf(stderr, "zimbrel-syncbench: no database for the service: %s\n", qPrintable(reason));
        return 1;
    }
    CloudService service;
    QString error;
    if (!service.start(backend.freshDatabase(), {}, &error)) {
        std::fprintf(stderr, "zimbrel-syncbench: the service does not start: %s\n", qPrintable(error));
        return 1;
    }
    CloudHttp http(service.baseUrl());
    CloudClient user(&http);
    if (!user.signUp(QStringLiteral("bench@example.org"))) {
        std::fputs("zimbrel-syncbench: cannot sign up\n", stderr);
        return 1;
    }

    QTemporaryDir work;
    const QString firstDirectory = QDir(work.path()).filePath(QStringLiteral("first"));
    QDir().mkpath(firstDirectory);
    {
        DataGenerator generator(parser.value(QStringLiteral("seed")).toULongLong());
        const GeneratedData data = generator.generate(count);
        Database database;
        if (!database.open(QDir(firstDirectory).filePath(QStringLiteral("zimbrel.db"))) ||
            !database.runMigrations() || !DataGenerator::toDatabase(data, database, &error)) {
            std::fprintf(stderr, "zimbrel-syncbench: cannot write the data: %s\n", qPrintable(error));
            return 1;
        }
        // The generator stores its rows as synced; here they are the device's own, not yet sent.
        QSqlQuery pending(database.connection());
        for (const char *table : {"accounts", "categories", "transactions"}) {
            if (!pending.exec(
                    QStringLiteral("UPDATE %1 SET sync_status = 'pending'").arg(QLatin1String(table)))) {
                std::fprintf(stderr, "zimbrel-syncbench: cannot mark the data pending\n");
                return 1;
            }
        }
        print(QStringLiteral("data: %1 transactions in %2 accounts")
                  .arg(data.transactions.size())
                  .arg(data.accounts.size()));
    }

    SyncDevice first(QStringLiteral("first"), firstDirectory);
    first.setTokens(user.accessToken, user.refreshToken);
    if (!first.open(service.baseUrl()))
        return 1;
    const Measured upload = measureSync(first);
    first.close();
    print(QStringLiteral("first sync from the device holding the data: ") + describe(upload));

    SyncDevice fresh(QStringLiteral("fresh"), QDir(work.path()).filePath(QStringLiteral("fresh")));
    const SignInResult session = BrowserSession::signIn(&http, user.email);
    if (session.status != 303) {
        std::fputs("zimbrel-syncbench: the fresh device cannot sign in\n", stderr);
        return 1;
    }
    fresh.setTokens(session.accessToken, session.refreshToken);
    if (!fresh.open(service.baseUrl()))
        return 1;
    const Measured download = measureSync(fresh);
    fresh.close();
    print(QStringLiteral("the same data arriving on a fresh device: ") + describe(download));
    return upload.outcome.ok && download.outcome.ok ? 0 : 1;
}
