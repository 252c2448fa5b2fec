#pragma once

#include "account/apiclient.h"
#include "account/client.h"
#include "account/cloudconfiguration.h"
#include "account/tokenmanager.h"

#include "cloudfixture.h"
#include "memorytokenstore.h"

#include <QHash>
#include <QProcessEnvironment>
#include <QSignalSpy>

#include <memory>

// A user of the test's service with a desktop client signed in as them. The tokens are handed
// from the raw HTTP sign-up to the client, so the client's first refresh is its own; `raw` keeps
// calling with its access token (valid until it expires) but never refreshes.
struct SignedInClient
{
    std::unique_ptr<CloudClient> raw;
    QHash<QString, QString> tokens;
    std::unique_ptr<CorvantisAccount::Client> client;

    QString userId() const { return raw->userId; }
    QString email() const { return raw->email; }
};

// Null when the user could not be signed up or the client did not reach the signed-in state.
inline std::unique_ptr<SignedInClient> signedInClient(CloudFixture *fixture, const QString &name)
{
    auto user = std::make_unique<SignedInClient>();
    user->raw = fixture->newUser(name);
    if (!user->raw || user->raw->userId.isEmpty())
        return nullptr;
    const QString origin = fixture->service.baseUrl().toString(QUrl::RemovePath | QUrl::StripTrailingSlash);
    const CorvantisAccount::CloudConfiguration configuration =
        CorvantisAccount::resolveCloudConfiguration(QProcessEnvironment(), origin, QStringLiteral("1.0.5"));
    user->client = std::make_unique<CorvantisAccount::Client>(
        configuration.client, std::make_unique<MemoryTokenStore>(&user->tokens));
    user->client->syncApi()->setBaseUrl(QUrl(configuration.syncApiUrl));
    user->client->tokenManager()->setTokens(user->raw->accessToken, user->raw->refreshToken);
    user->client->initialize();
    if (!user->client->isAuthenticated())
        return nullptr;
    return user;
}
