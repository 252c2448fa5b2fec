#pragma once

#include <QString>

#include <memory>
#include <optional>

namespace CorvantisAccount {

struct ClientConfig;

// Persistent storage of the two tokens, one value per key. Implementations: the Windows
// Credential Manager, the desktop keyring of other systems (with a private file where there is
// none), and the private file alone.
class TokenStore
{
public:
    static inline const QString accessTokenKey = QStringLiteral("corvantis_access_token");
    static inline const QString refreshTokenKey = QStringLiteral("corvantis_refresh_token");

    virtual ~TokenStore() = default;

    // Absent when there is no value or it cannot be read.
    virtual std::optional<QString> load(const QString &key) = 0;
    virtual bool save(const QString &key, const QString &value) = 0;
    virtual bool remove(const QString &key) = 0;
    // Removes both keys.
    virtual void clear();
};

// Tokens are only ever sent to the service that issued them: the built-in service's tokens live
// under the application id, a self-hosted or test service's under the application id and its auth
// address, so pointing the app at another server never hands it the tokens of the first.
QString tokenStoreScope(const ClientConfig &config);

// The platform's store for `scope`: the Credential Manager on Windows; elsewhere the keyring,
// falling back to "cloud-tokens.json" in `dataDirectory` when no keyring answers. The environment
// variable ZIMBREL_TOKEN_STORE=file selects the file alone (tests, headless machines).
std::unique_ptr<TokenStore> createTokenStore(const QString &scope, const QString &dataDirectory);

} // namespace CorvantisAccount
