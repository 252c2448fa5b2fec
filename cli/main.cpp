#include "commands.h"

#include "zimbrelversion.h"

#include "account/cloudconfiguration.h"

#include "data/datadirectory.h"
#include "data/loghandler.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

namespace {

QList<CliCommand> allCommands()
{
    return basicCommands() + storageCommands() + importCommands() + reportCommands() + updateCommands() +
           cloudCommands() + groupCommands() + editCommands();
}

void printHelp()
{
    QString text =
        QStringLiteral("Usage: zimbrel-cli [--data-dir DIR] [--server ORIGIN] COMMAND [ARGUMENTS]\n\n"
                       "Works on the same data directory as the app (ZIMBREL_DATA_DIR included).\n"
                       "Prints JSON on standard output; amounts are in minor units.\n"
                       "Exit codes: 0 success, 1 failure, 2 usage error.\n\n"
                       "Options:\n  --data-dir DIR   use DIR as the data directory\n"
                       "  --server ORIGIN  the cloud service at ORIGIN (https://host[:port]) instead of the\n"
                       "                   built-in one or the app's Server setting\n"
                       "  --version        print the version\n  --help           print this help\n\n"
                       "Commands:\n");
    for (const CliCommand &command : allCommands()) {
        const QString synopsis =
            command.usage.isEmpty() ? command.name : command.name + QLatin1Char(' ') + command.usage;
        text += QStringLiteral("  %1\n      %2\n").arg(synopsis, command.summary);
    }
    std::fputs(text.toUtf8().constData(), stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Corvantis"));
    QCoreApplication::setApplicationName(QStringLiteral("Zimbrel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZIMBREL_VERSION));
    installLogHandler();

    QStringList arguments = QCoreApplication::arguments().mid(1);
    QString dataDir;
    QString serverOrigin;
    while (!arguments.isEmpty() && arguments.first().startsWith(QLatin1String("--"))) {
        const QString option = arguments.takeFirst();
        if (option == QLatin1String("--help")) {
            printHelp();
            return 0;
        }
        if (option == QLatin1String("--version")) {
            std::printf("zimbrel-cli %s\n", ZIMBREL_VERSION);
            return 0;
        }
        if (option == QLatin1String("--data-dir")) {
            if (arguments.isEmpty()) {
                std::fprintf(stderr, "zimbrel-cli: --data-dir needs a directory\n");
                return 2;
            }
            dataDir = arguments.takeFirst();
            continue;
        }
        if (option == QLatin1String("--server")) {
            const std::optional<QString> origin =
                arguments.isEmpty() ? std::nullopt
                                    : CorvantisAccount::normalizedServerOrigin(arguments.takeFirst());
            if (!origin) {
                std::fprintf(stderr,
                             "zimbrel-cli: --server needs an origin such as https://cloud.example.org\n");
                return 2;
            }
            serverOrigin = *origin;
            continue;
        }
        std::fprintf(stderr, "zimbrel-cli: unknown option %s\n", option.toUtf8().constData());
        return 2;
    }
    if (arguments.isEmpty()) {
        std::fprintf(stderr, "zimbrel-cli: no command given (see --help)\n");
        return 2;
    }

    if (dataDir.isEmpty()) {
        dataDir = dataDirectory();
    } else {
        QDir().mkpath(dataDir);
        dataDir = QDir(dataDir).absolutePath();
    }

    const QString name = arguments.takeFirst();
    for (const CliCommand &command : allCommands()) {
        if (command.name == name) {
            if (arguments.contains(QLatin1String("--help"))) {
                const QString text =
                    QStringLiteral("Usage: zimbrel-cli [--data-dir DIR] [--server ORIGIN] %1 %2\n\n%3\n")
                        .arg(command.name, command.usage, command.summary);
                std::fputs(text.toUtf8().constData(), stdout);
                return 0;
            }
            CliContext context(dataDir, serverOrigin);
            return command.run(context, arguments);
        }
    }
    std::fprintf(stderr, "zimbrel-cli: unknown command %s (see --help)\n", name.toUtf8().constData());
    return 2;
}
