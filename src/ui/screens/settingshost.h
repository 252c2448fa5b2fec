#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class SyncEngine;
namespace CorvantisAccount {
class AuthClient;
}

// What the preferences window needs of the application beyond storage and services: the language
// and the cloud account with its Server setting. The application shell implements it.
class SettingsHost
{
public:
    // How a change of the Server setting went.
    enum class ServerChange {
        Unchanged, // the same origin as stored
        Saved,     // stored; the endpoints stay as they are
        Switched,  // stored; a client for the new endpoints took over
        Failed,    // nothing changed: not an origin, or it could not be stored
    };

    virtual ~SettingsHost() = default;

    // The language setting as stored ("system" or a code); a change applies at the next start.
    virtual QString language() const = 0;
    virtual void setLanguage(const QString &code) = 0;

    // The cloud client's sign-in, and the engine that syncs while signed in; either may be null.
    virtual CorvantisAccount::AuthClient *authClient() const = 0;
    virtual SyncEngine *syncEngine() const = 0;
    virtual bool isSignedIn() const = 0;

    // The self-hosted origin of the Server setting; empty for the built-in service.
    virtual QString serverOrigin() const = 0;
    // The endpoint variables that are set and so win over the Server setting.
    virtual QStringList endpointOverrides() const = 0;
    // Where signing in goes now.
    virtual QString authBaseUrl() const = 0;
    virtual bool serverOriginEndsSession(const QString &origin) const = 0;
    virtual ServerChange setServerOrigin(const QString &origin) = 0;

    // `signInChanged` runs when the user signs in or out, `clientReplaced` when the cloud client
    // is replaced, for as long as this host lives.
    virtual void watchCloud(std::function<void()> signInChanged, std::function<void()> clientReplaced) = 0;
};
