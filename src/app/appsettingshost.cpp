#include "appsettingshost.h"

#include "account/client.h"
#include "application.h"
#include "appstate.h"
#include "cloudsession.h"

AppSettingsHost::AppSettingsHost(AppState *state, QObject *parent)
    : QObject(parent)
    , m_state(state)
{}

QString AppSettingsHost::language() const
{
    return Application::resolveLanguage(false);
}

void AppSettingsHost::setLanguage(const QString &code)
{
    Application::setLanguage(code);
}

CorvantisAccount::AuthClient *AppSettingsHost::authClient() const
{
    return m_state->cloudClient() ? m_state->cloudClient()->authClient() : nullptr;
}

SyncEngine *AppSettingsHost::syncEngine() const
{
    return m_state->syncEngine();
}

bool AppSettingsHost::isSignedIn() const
{
    return m_state->cloudSession() && m_state->cloudSession()->isSignedIn();
}

QString AppSettingsHost::serverOrigin() const
{
    return m_state->cloudServerOrigin();
}

QStringList AppSettingsHost::endpointOverrides() const
{
    return m_state->cloudEndpointOverrides();
}

QString AppSettingsHost::authBaseUrl() const
{
    return m_state->cloudConfiguration().client.authBaseUrl;
}

bool AppSettingsHost::serverOriginEndsSession(const QString &origin) const
{
    return m_state->serverOriginEndsSession(origin);
}

SettingsHost::ServerChange AppSettingsHost::setServerOrigin(const QString &origin)
{
    switch (m_state->setCloudServerOrigin(origin)) {
    case AppState::ServerChange::Unchanged:
        return ServerChange::Unchanged;
    case AppState::ServerChange::Saved:
        return ServerChange::Saved;
    case AppState::ServerChange::Switched:
        return ServerChange::Switched;
    case AppState::ServerChange::Invalid:
    case AppState::ServerChange::StorageFailed:
        break;
    }
    return ServerChange::Failed;
}

void AppSettingsHost::watchCloud(std::function<void()> signInChanged, std::function<void()> clientReplaced)
{
    if (CloudSession *session = m_state->cloudSession())
        connect(session, &CloudSession::stateChanged, this, std::move(signInChanged));
    connect(m_state, &AppState::cloudClientChanged, this, std::move(clientReplaced));
}
