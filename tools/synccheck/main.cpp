// zimbrel-synccheck: runs the sync convergence check for many seeds against a real zimbrel-cloud
// (a fresh SQLite database per seed) and prints one line per seed and a summary.
//
//   zimbrel-synccheck [--seeds N] [--first S] [--devices D] [--steps K] [--faults SPEC] [--verbose]
//
// SPEC is the service's --faults list without its seed (the seed of each run is used). Exit code 1
// when a seed did not converge; its step log is printed.

#include "convergencerun.h"

#include "cloudbackend.h"
#include "cloudclient.h"
#include "cloudhttp.h"
#include "cloudservice.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>

namespace {

void print(const QString &line)
{
    std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({QStringLiteral("seeds"), QStringLiteral("How many seeds to run."), QStringLiteral("N"),
                      QStringLiteral("20")});
    parser.addOption({QStringLiteral("first"), QStringLiteral("The first seed."), QStringLiteral("S"),
                      QStringLiteral("1")});
    parser.addOption({QStringLiteral("devices"), QStringLiteral("Devices per run."), QStringLiteral("D"),
                      QStringLiteral("3")});
    parser.addOption({QStringLiteral("steps"), QStringLiteral("Random steps per run."), QStringLiteral("K"),
                      QStringLiteral("80")});
    parser.addOption({QStringLiteral("faults"), QStringLiteral("The service's faults, without the seed."),
                      QStringLiteral("SPEC"),
                      QStringLiteral("push500=0.15,dropafter=0.1,duplicate=0.1,auth401=0.05,delay=0.1:20")});
    parser.addOption({QStringLiteral("verbose"), QStringLiteral("Print the library's log lines too.")});
    parser.process(application);
    if (!parser.isSet(QStringLiteral("verbose")))
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});

    bool numbers = true;
    const auto number = [&](const QString &name, int minimum, int maximum) {
        bool ok = false;
        const qlonglong value = parser.value(name).toLongLong(&ok);
        if (!ok || value < minimum || value > maximum)
            numbers = false;
        return int(value);
    };
    const int seeds = number(QStringLiteral("seeds"), 1, 100000);
    const int first = number(QStringLiteral("first"), 0, 1000000000);
    const int devices = number(QStringLiteral("devices"), 2, 8);
    const int steps = number(QStringLiteral("steps"), 1, 100000);
    if (!numbers) {
        std::fputs("zimbrel-synccheck: --seeds, --first, --devices (2-8) and --steps take whole numbers\n",
                   stderr);
        return 2;
    }

    CloudBackend backend;
    QString reason;
    if (!backend.isAvailable(&reason)) {
        std::fprintf(stderr, "zimbrel-synccheck: no database for the service: %s\n", qPrintable(reason));
        return 1;
    }
    int converged = 0;
    for (int seed = first; seed < first + seeds; ++seed) {
        const QString database = backend.freshDatabase();
        CloudService faulty;
        CloudService quiet;
        QString error;
        if (!quiet.start(database, {}, &error) ||
            !faulty.start(
                database,
                {QStringLiteral("--faults"),
                 QStringLiteral("seed=%1,%2").arg(seed).arg(parser.value(QStringLiteral("faults")))},
                &error)) {
            std::fprintf(stderr, "zimbrel-synccheck: the service does not start: %s\n", qPrintable(error));
            return 1;
        }
        CloudHttp http(quiet.baseUrl());
        CloudClient user(&http);
        const QString email = QStringLiteral("check%1@example.org").arg(seed);
        if (!user.signUp(email)) {
            std::fputs("zimbrel-synccheck: cannot sign up\n", stderr);
            return 1;
        }
        QTemporaryDir work;
        ConvergenceOptions options;
        options.seed = quint64(seed);
        options.devices = devices;
        options.steps = steps;
        options.workDirectory = work.path();
        options.faultyService = faulty.baseUrl();
        options.quietService = quiet.baseUrl();
        options.quietHttp = &http;
        options.email = email;
        const ConvergenceReport report = runConvergence(options);
        print(QStringLiteral(
                  "seed %1: %2 (changes %3, syncs %4, failed by faults %5, quiet rounds %6, server rows %7)")
                  .arg(seed)
                  .arg(report.converged ? QStringLiteral("converged")
                                        : QStringLiteral("DIVERGED: ") + report.failure)
                  .arg(report.changes)
                  .arg(report.syncs)
                  .arg(report.failedSyncs)
                  .arg(report.quietRounds)
                  .arg(report.serverRows));
        if (report.converged)
            ++converged;
        else
            for (const QString &line : report.log)
                print(QStringLiteral("    ") + line);
    }
    print(QStringLiteral("converged %1 of %2 seeds").arg(converged).arg(seeds));
    return converged == seeds ? 0 : 1;
}
