#pragma once

#include "authrecords.h"
#include "clientconfig.h"

#include <QObject>

#include <memory>

namespace CorvantisAccount {

class AccountClient;
class ApiClient;
class AuthClient;
class TokenManager;
class TokenStore;

// The one object the application holds for everything cloud-related: from one configuration it
// builds the token manager over the given store, the three API clients (auth, account, sync) and
// the auth client and the account client.
class Client : public QObject
{
    Q_OBJECT

public:
    // `store` is the token storage (createTokenStore gives the platform's); the sync API gets its
    // base URL afterwards through syncApi()->setBaseUrl.
    Client(const ClientConfig &config, std::unique_ptr<TokenStore> store, QObject *parent = nullptr);
    ~Client() override;

    void initialize();

    AuthClient *authClient() const { return m_authClient; }
    AccountClient *accountClient() const { return m_accountClient; }
    TokenManager *tokenManager() const { return m_tokens; }
    ApiClient *authApi() const { return m_authApi; }
    ApiClient *accountApi() const { return m_accountApi; }
    ApiClient *syncApi() const { return m_syncApi; }

    bool isAuthenticated() const;
    CorvantisClaims claims() const;
    ClientConfig config() const { return m_config; }
    QString platform() const { return m_platform; }

    // Applies to the three API clients (default 60 s).
    void setTransferTimeout(int milliseconds);

signals:
    void authStateChanged(CorvantisAccount::AuthState state);
    void claimsUpdated(const CorvantisAccount::CorvantisClaims &claims);

private:
    ClientConfig m_config;
    QString m_platform;
    TokenManager *m_tokens;
    ApiClient *m_authApi;
    ApiClient *m_accountApi;
    ApiClient *m_syncApi;
    AuthClient *m_authClient;
    AccountClient *m_accountClient;
};

} // namespace CorvantisAccount
