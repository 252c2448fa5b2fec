#include "accountcloudsession.h"

#include "account/authclient.h"
#include "account/client.h"

AccountCloudSession::AccountCloudSession(CorvantisAccount::Client *client, QObject *parent)
    : CloudSession(parent)
    , m_client(client)
{
    connectClient();
}

void AccountCloudSession::setClient(CorvantisAccount::Client *client)
{
    if (client == m_client)
        return;
    // The old client may still finish a sign-out with its server; none of that concerns the
    // window any more.
    disconnect(m_client->authClient(), nullptr, this, nullptr);
    m_client = client;
    connectClient();
    emit stateChanged();
}

void AccountCloudSession::connectClient()
{
    CorvantisAccount::AuthClient *auth = m_client->authClient();
    connect(auth, &CorvantisAccount::AuthClient::stateChanged, this, &CloudSession::stateChanged);
    connect(auth, &CorvantisAccount::AuthClient::loginSucceeded, this, &CloudSession::loginSucceeded);
    connect(auth, &CorvantisAccount::AuthClient::loginFailed, this, &CloudSession::loginFailed);
}

bool AccountCloudSession::isSignedIn() const
{
    return m_client->authClient()->isAuthenticated();
}

void AccountCloudSession::signIn()
{
    m_client->authClient()->login();
}

void AccountCloudSession::signOut()
{
    m_client->authClient()->logout();
}
