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
    if (!arguments.isEmpty())
        return context.usageError(QStringLiteral("check-update takes no arguments"));
    const std::optional<QString> origin = context.serverOriginInEffect();
    if (!origin)
        return 1;

    Client client(CorvantisUpdate::zimbrelUpdateConfig(*origin));
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
        {QStringLiteral("check-update"), QString(),
         QStringLiteral(
             "Ask the download server whether a newer release exists (ZIMBREL_UPDATE_URL names the "
             "channel folder; --server or the app's Server setting a self-hosted one)"),
         checkUpdate},
    };
}
