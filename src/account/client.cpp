#include "client.h"

#include "accountclient.h"
#include "apiclient.h"
#include "authclient.h"
#include "platform.h"
#include "tokenmanager.h"
#include "tokenstore.h"

#include <QSysInfo>

namespace CorvantisAccount {

Client::Client(const ClientConfig &config, std::unique_ptr<TokenStore> store, QObject *parent)
    : QObject(parent)
    , m_config(config)
    , m_platform(detectedPlatform(config.platform, QSysInfo::kernelType()))
    , m_tokens(new TokenManager(std::move(store), this))
    , m_authApi(new ApiClient(m_tokens, this))
    , m_accountApi(new ApiClient(m_tokens, this))
    , m_syncApi(new ApiClient(m_tokens, this))
    , m_authClient(nullptr)
    , m_accountClient(nullptr)
{
    m_config.platform = m_platform;
    m_authApi->setBaseUrl(
        QUrl(QStringLiteral("%1/api/v1/realms/%2").arg(config.authBaseUrl, config.realmSlug)));
    m_accountApi->setBaseUrl(QUrl(config.accountApiUrl));
    for (ApiClient *api : {m_authApi, m_accountApi, m_syncApi})
        api->setAppInfo(config.appId, config.appVersion, m_platform);
    m_authClient =
        new AuthClient(config.authBaseUrl, config.realmSlug, config.clientId, m_authApi, m_tokens, this);
    connect(m_authClient, &AuthClient::stateChanged, this, [this](AuthState state) {
        emit authStateChanged(state);
        if (state == AuthState::Authenticated)
            emit claimsUpdated(claims());
    });
    m_accountClient = new AccountClient(m_accountApi, m_authClient, m_tokens, m_config, this);
}

Client::~Client() = default;

void Client::initialize()
{
    m_authClient->initialize();
}

bool Client::isAuthenticated() const
{
    return m_authClient->isAuthenticated();
}

CorvantisClaims Client::claims() const
{
    return m_authClient->claims();
}

void Client::setTransferTimeout(int milliseconds)
{
    for (ApiClient *api : {m_authApi, m_accountApi, m_syncApi})
        api->setTransferTimeout(milliseconds);
}

} // namespace CorvantisAccount
