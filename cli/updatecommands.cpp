#include "commands.h"

#include "update/client.h"
#include "update/zimbrelupdateconfig.h"

#include <QEventLoop>
#include <QJsonObject>

namespace {

using CorvantisUpdate::Artifact;
using CorvantisUpdate::Client;

// {"result", "version", "url", "error"}: "version" is the newer release when there is one and the
// running version otherwise; "url" and "error" are null unless they apply.
int checkUpdate(CliContext &context, const QStringList &arguments)
{
    const CliArguments parsed(arguments, {QStringLiteral("--server")});
    if (!parsed.isValid())
        return context.usageError(parsed.error());
    if (!parsed.positionals().isEmpty())
        return context.usageError(QStringLiteral("check-update takes no arguments"));

    Client client(CorvantisUpdate::zimbrelUpdateConfig(parsed.value(QStringLiteral("--server"))));
    QJsonObject result{{QStringLiteral("result"), QStringLiteral("failed")},
                       {QStringLiteral("version"), client.config().currentVersion},
                       {QStringLiteral("url"), QJsonValue::Null},
                       {QStringLiteral("error"), QJsonValue::Null}};
    QEventLoop loop;
    QObject::connect(&client, &Client::updateAvailable, &loop, [&](const Artifact &artifact) {
        result.insert(QStringLiteral("result"), QStringLiteral("update-available"));
        result.insert(QStringLiteral("version"), artifact.version);
        result.insert(QStringLiteral("url"), artifact.url.toString());
        loop.quit();
    });
    QObject::connect(&client, &Client::upToDate, &loop, [&] {
        result.insert(QStringLiteral("result"), QStringLiteral("up-to-date"));
        loop.quit();
    });
    QObject::connect(&client, &Client::checkFailed, &loop, [&](const QString &error) {
        result.insert(QStringLiteral("error"), error);
        loop.quit();
    });
    client.check();
    // A check that failed before any request has already reported.
    if (client.isInFlight())
        loop.exec();

    context.printJson(result);
    if (result.value(QStringLiteral("result")) == QLatin1String("failed"))
        return context.fail(
            QStringLiteral("update check failed: %1").arg(result.value(QStringLiteral("error")).toString()));
    return 0;
}

} // namespace

QList<CliCommand> updateCommands()
{
    return {
        {QStringLiteral("check-update"), QStringLiteral("[--server ORIGIN]"),
         QStringLiteral(
             "Ask the download server whether a newer release exists (ZIMBREL_UPDATE_URL names the "
             "channel folder; ORIGIN a self-hosted server)"),
         checkUpdate},
    };
}
