#include "commands.h"

#include "cloudclientfactory.h"
#include "eventwaiter.h"

#include "account/apiclient.h"
#include "account/authclient.h"
#include "account/client.h"
#include "account/tokenmanager.h"
#include "clistorage.h"
#include "data/preferencesrepository.h"
#include "sync/syncengine.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QUrl>

#include <cstdio>
#include <functional>

using namespace CorvantisAccount;

namespace {

// Prints the current user; exit code 0, or 1 with the reason the service gave none.
int printCurrentUser(CliContext &context, Client *client)
{
    QString networkError;
    bool sessionEnded = false;
    const QObject scope; // ends the two connections with this function
    QObject::connect(client->authApi(), &ApiClient::networkError, &scope,
                     [&networkError](const QString &message) { networkError = message; });
    QObject::connect(client->authApi(), &ApiClient::authenticationRequired, &scope,
                     [&sessionEnded] { sessionEnded = true; });
    EventWaiter waiter;
    User user;
    client->authClient()->fetchCurrentUser([&](const User &fetched) {
        user = fetched;
        waiter.finish();
    });
    waiter.wait();
    if (!user.id.isEmpty()) {
        context.printJson(userToJson(user));
        return 0;
    }
    if (sessionEnded)
        return context.fail(QStringLiteral("not signed in: the session has ended; sign in again"));
    if (!networkError.isEmpty())
        return context.fail(QStringLiteral("cannot reach the cloud service: %1").arg(networkError));
    return context.fail(QStringLiteral("the cloud service did not say who is signed in"));
}

int signIn(CliContext &context, Client *client)
{
    AuthClient *auth = client->authClient();
    // A terminal may have no browser at hand: the address goes to the user, on a line of its own.
    auth->setUrlOpener([](const QUrl &url) {
        std::fprintf(stderr, "Open this address in a web browser to sign in:\n%s\n",
                     url.toString(QUrl::FullyEncoded).toUtf8().constData());
        std::fflush(stderr);
        return true;
    });
    EventWaiter waiter;
    QString failure;
    QObject::connect(auth, &AuthClient::loginFailed, client, [&](const QString &message) {
        failure = message;
        waiter.finish();
    });
    QObject::connect(auth, &AuthClient::loginSucceeded, client, [&waiter] { waiter.finish(); });
    auth->login();
    waiter.wait();
    if (!failure.isEmpty())
        return context.fail(QStringLiteral("sign-in failed: %1").arg(failure));
    return printCurrentUser(context, client);
}

int signOut(CliContext &context, Client *client)
{
    TokenManager *tokens = client->tokenManager();
    tokens->loadTokens();
    if (tokens->refreshToken().isEmpty() && tokens->accessToken().isEmpty()) {
        tokens->clear();
        context.printJson(QJsonObject{{QStringLiteral("signed_in"), false}});
        return 0;
    }
    // The service ends the session only for a valid access token, and signing out locally first
    // would drop the answer of a refresh started on the way: refresh first, then sign out.
    if (tokens->needsRefresh()) {
        EventWaiter refreshed;
        tokens->refresh([&refreshed](bool) { refreshed.finish(); });
        refreshed.wait();
    }
    EventWaiter answered;
    client->authClient()->logout([&answered] { answered.finish(); });
    answered.wait();
    context.printJson(QJsonObject{{QStringLiteral("signed_in"), false}});
    return 0;
}

int whoami(CliContext &context, Client *client)
{
    if (!restoreCloudSignIn(client))
        return context.fail(QStringLiteral("not signed in"));
    return printCurrentUser(context, client);
}

// Runs sync cycles until the server has nothing more to send (each cycle pulls at most its bound
// of pages), or until one fails; prints the totals. Exit code 1 when a cycle failed.
int syncData(CliContext &context, Client *client)
{
    TokenManager *tokens = client->tokenManager();
    tokens->loadTokens();
    if (tokens->refreshToken().isEmpty() && tokens->accessToken().isEmpty())
        return context.fail(QStringLiteral("not signed in"));
    Database *database = context.database();
    if (!database)
        return 1;
    CliStorage storage(database);
    PreferencesRepository preferences(database);
    SyncEngine engine(client->syncApi(), &storage.accounts, &storage.transactions, &storage.categories,
                      &storage.recurring, &storage.reconciliations, &preferences);
    SyncCycleResult total;
    bool failed = false;
    for (;;) {
        EventWaiter waiter;
        const QObject scope; // ends the cycle's connections with the cycle
        QObject::connect(&engine, &SyncEngine::syncCompleted, &scope, [&waiter] { waiter.finish(); });
        QObject::connect(&engine, &SyncEngine::syncFailed, &scope, [&waiter, &failed] {
            failed = true;
            waiter.finish();
        });
        // Also stops the engine's own follow-up: this loop decides when the next cycle runs.
        engine.syncNow();
        waiter.wait();
        const SyncCycleResult cycle = engine.lastCycleResult();
        total.pushed += cycle.pushed;
        total.rejected += cycle.rejected;
        total.pulled += cycle.pulled;
        if (failed || !cycle.morePages)
            break;
    }
    context.printJson(
        QJsonObject{{QStringLiteral("pushed"), total.pushed},
                    {QStringLiteral("rejected"), total.rejected},
                    {QStringLiteral("pulled"), total.pulled},
                    {QStringLiteral("state"), SyncEngine::statusText(engine.state())},
                    {QStringLiteral("error"), failed ? QJsonValue(engine.lastError()) : QJsonValue()}});
    return failed ? 1 : 0;
}

// The rows waiting for upload, per table, and when a sync last completed; works offline.
int syncStatus(CliContext &context, const QStringList &arguments)
{
    if (!arguments.isEmpty())
        return context.usageError(QStringLiteral("sync-status takes no arguments"));
    Database *database = context.databaseForReading();
    if (!database)
        return 1;
    bool ok = false;
    const QList<QPair<QString, int>> counts = SyncEngine::pendingCounts(&ok);
    if (!ok)
        return context.fail(QStringLiteral("cannot read the pending rows"));
    QJsonObject pending;
    int totalPending = 0;
    for (const auto &[table, count] : counts) {
        pending.insert(table, count);
        totalPending += count;
    }
    const PreferencesRepository preferences(database);
    const std::optional<QString> lastSync = preferences.value(SyncEngine::completedPreference);
    context.printJson(
        QJsonObject{{QStringLiteral("pending"), pending},
                    {QStringLiteral("pending_total"), totalPending},
                    {QStringLiteral("last_sync"), lastSync ? QJsonValue(*lastSync) : QJsonValue()}});
    return 0;
}

// A command without arguments working on the cloud client of the data directory.
CliCommand cloudCommand(const QString &name, const QString &summary,
                        const std::function<int(CliContext &, Client *)> &body)
{
    return {name, QString(), summary, [name, body](CliContext &context, const QStringList &arguments) {
                if (!arguments.isEmpty())
                    return context.usageError(QStringLiteral("%1 takes no arguments").arg(name));
                const auto client = openCloudClient(context);
                if (!client)
                    return 1;
                return body(context, client.get());
            }};
}

} // namespace

QList<CliCommand> cloudCommands()
{
    return {
        cloudCommand(
            QStringLiteral("sign-in"),
            QStringLiteral(
                "Sign in to the cloud service in a web browser (the address is printed) and print the user"),
            signIn),
        cloudCommand(QStringLiteral("sign-out"),
                     QStringLiteral("Sign out of the cloud service on this computer"), signOut),
        cloudCommand(QStringLiteral("whoami"),
                     QStringLiteral("Print the signed-in user (exit code 1 when signed out)"), whoami),
        cloudCommand(QStringLiteral("sync"),
                     QStringLiteral("Send local changes to the cloud and bring in the cloud's until nothing "
                                    "is left; print the counts"),
                     syncData),
        {QStringLiteral("sync-status"), QString(),
         QStringLiteral(
             "Print the rows waiting to be sent to the cloud, per table, and when a sync last completed"),
         syncStatus},
    };
}
