#include "cloudclientfactory.h"

#include "clicontext.h"
#include "eventwaiter.h"

#include "account/apiclient.h"
#include "account/authclient.h"
#include "account/cloudconfiguration.h"
#include "account/tokenstore.h"

#include <QCoreApplication>
#include <QDebug>
#include <QProcessEnvironment>
#include <QUrl>

using namespace CorvantisAccount;

std::unique_ptr<Client> openCloudClient(CliContext &context)
{
    const std::optional<QString> origin = context.serverOriginInEffect();
    if (!origin)
        return nullptr;
    const CloudConfiguration configuration = resolveCloudConfiguration(
        QProcessEnvironment::systemEnvironment(), *origin, QCoreApplication::applicationVersion());
    qInfo().noquote() << "Auth:" << configuration.client.authBaseUrl
                      << "Account:" << configuration.client.accountApiUrl
                      << "Sync:" << configuration.syncApiUrl;
    auto client =
        std::make_unique<Client>(configuration.client, createTokenStore(tokenStoreScope(configuration.client),
                                                                        context.dataDirectory()));
    client->syncApi()->setBaseUrl(QUrl(configuration.syncApiUrl));
    return client;
}

bool restoreCloudSignIn(Client *client)
{
    AuthClient *auth = client->authClient();
    EventWaiter known;
    const QObject scope;
    QObject::connect(auth, &AuthClient::stateChanged, &scope, [&known] { known.finish(); });
    auth->initialize();
    if (auth->state() == AuthState::Unknown)
        known.wait();
    return auth->isAuthenticated();
}
