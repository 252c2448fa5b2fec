#include "clouddatabase.h"
#include "cloudoptions.h"
#include "cloudserver.h"
#include "credentials.h"
#include "faultplan.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zimbrel-cloud"));

    const CloudOptionsResult parsed = parseCloudOptions(QCoreApplication::arguments());
    if (!parsed.message.isEmpty()) {
        std::fputs(qPrintable(parsed.message), parsed.isError ? stderr : stdout);
        std::fputs("\n", parsed.isError ? stderr : stdout);
        return parsed.isError ? 2 : 0;
    }
    const CloudOptions &options = parsed.options;
    QString error;
    const FaultPlan faults = FaultPlan::parse(options.faults, &error);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 2;
    }
    if (!Credentials::initialize()) {
        std::fprintf(stderr, "libsodium cannot start\n");
        return 1;
    }

    CloudDatabase database;
    if (!database.open(options.database, &error) || !database.migrate(&error) ||
        database.signingSecret().isEmpty()) {
        std::fprintf(stderr, "database %s: %s\n", qPrintable(options.database), qPrintable(error));
        return 1;
    }
    CloudServer server(&database, options, faults);
    const quint16 port = server.start(&error);
    if (port == 0) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    QString host = options.listenHost;
    if (host.contains(QLatin1Char(':')) && !host.startsWith(QLatin1Char('[')))
        host = QLatin1Char('[') + host + QLatin1Char(']');
    std::printf("listening on %s://%s:%u\n", options.tlsCertificate.isEmpty() ? "http" : "https",
                qPrintable(host), port);
    std::fflush(stdout);
    if (!faults.isEmpty())
        std::fprintf(stderr, "WARN: fault injection is on: %s\n", qPrintable(options.faults));
    return app.exec();
}
