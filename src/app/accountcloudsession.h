#pragma once

#include "cloudsession.h"

namespace CorvantisAccount {
class Client;
}

// The signed-in session of the cloud account: the main window's view of the cloud client's auth
// state, browser sign-in and sign-out.
class AccountCloudSession : public CloudSession
{
    Q_OBJECT

public:
    // `client` is not owned and outlives the session.
    explicit AccountCloudSession(CorvantisAccount::Client *client, QObject *parent = nullptr);

    bool isSignedIn() const override;
    void signIn() override;
    void signOut() override;

private:
    CorvantisAccount::Client *m_client;
};
