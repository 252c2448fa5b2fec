#include "accountcloudsession.h"

#include "account/authclient.h"
#include "account/client.h"

AccountCloudSession::AccountCloudSession(CorvantisAccount::Client *client, QObject *parent)
    : CloudSession(parent)
    , m_client(client)
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
