#pragma once

#include "cloudsession.h"

namespace CorvantisAccount {
class Client;
}

// The sign-in of the cloud account as the main window sees it: the cloud client's auth state,
// browser sign-in and sign-out.
class AccountCloudSession : public CloudSession
{
    Q_OBJECT

public:
    // `client` is not owned; it outlives the session or is replaced through setClient first.
    explicit AccountCloudSession(CorvantisAccount::Client *client, QObject *parent = nullptr);

    // Follows another client from now on (the server changed); emits stateChanged.
    void setClient(CorvantisAccount::Client *client);

    bool isSignedIn() const override;
    void signIn() override;
    void signOut() override;

private:
    void connectClient();

    CorvantisAccount::Client *m_client;
};
